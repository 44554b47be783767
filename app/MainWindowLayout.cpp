#include "app/MainWindowLayout.h"

#include <array>

namespace {
using K = ControlKind;
// clang-format off
constexpr std::array kControls{
    // The tool bar
    ControlRow{"ToolBar1",   K::Panel,  "",            0,   0, 725,  45},
    ControlRow{"BitBtn7",    K::Button, "ToolBar1",   10,   2, 108,  40, "スタート", 16, true, "問題作成&時計がスタートします。"},
    ControlRow{"BitBtn6",    K::Button, "ToolBar1",  128,   2, 108,  40, "ストップ", 16, true, "問題成否判定・時計のストップ"},
    ControlRow{"BitBtn15",   K::Button, "ToolBar1",  246,   2,  40,  40, "C",       16, true, "問題・回答のクリア"},
    // The drill sheets
    ControlRow{"StringGrid1", K::Grid,  "TabSheet1",  12,  12, 676, 444, "", 35, true},
    ControlRow{"StringGrid2", K::Grid,  "TabSheet2",  12,  12, 676, 444, "", 35, true},
    ControlRow{"StringGrid3", K::Grid,  "TabSheet3",  12,  12, 676, 444, "", 35, true},
    ControlRow{"StringGrid5", K::Grid,  "TabSheet6",  12,  12, 680, 446, "", 35, true},
};
// clang-format on
} // namespace

std::span<const ControlRow> MainWindowControls() { return kControls; }
