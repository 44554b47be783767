#include "platform/sound/SdlLibrary.h"

#include "core/VantelError.h"

#include <QString>
#include <dlfcn.h>
#include <mutex>

namespace {
// The mixer's own dependencies bring SDL2 itself.
constexpr const char* kMixerLibrary = "libSDL2_mixer-2.0.so.0";

QString loadError() {
    const char* text = dlerror();
    return QString::fromLocal8Bit(text ? text : "unknown error");
}
} // namespace

const SdlLibrary& Sdl() {
    static SdlLibrary library;
    static bool loaded = false;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    if (loaded)
        return library;
    void* handle = dlopen(kMixerLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw VantelError(QStringLiteral("Couldn't load the sound library: ") + loadError());
    SdlLibrary found;
#define VANTEL_SDL_LOAD(name)                                                                                \
    found.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                                  \
    if (!found.name)                                                                                         \
        throw VantelError(QStringLiteral("Couldn't load the sound library: ") + loadError());
    VANTEL_SDL_FUNCTIONS(VANTEL_SDL_LOAD)
#undef VANTEL_SDL_LOAD
    library = found;
    loaded = true;
    return library;
}
