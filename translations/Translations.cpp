// The program's catalogues are resources of this library (see CMakeLists.txt);
// this file only gives the archive a member.
namespace vantel_translations {
[[maybe_unused]] constexpr int kUnused = 0;
}
