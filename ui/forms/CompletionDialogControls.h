#pragma once
// The controls of the completion dialog ("Dialog"), in twips on its client area.

#include "ControlRow.h"

namespace velb::completion {

using enum ControlKind;

inline constexpr WindowRow kWindow{"Dialog", "轉換完成!", 3165, 1545};

inline constexpr ControlRow kControls[] = {
    {"Image1", Image, nullptr, {240, 300, 480, 480}, "duckling", kNoTab},
    {"Label1", Label, nullptr, {930, 390, 1680, 240}, "成功轉換完成！", 1},
    {"OKButton", Button, nullptr, {1020, 990, 1215, 375}, "確定", 0},
};

inline constexpr ControlLook kLooks[] = {
    {"Label1", 12, false, Rgb{0, 0, 255}},
};

} // namespace velb::completion
