#pragma once

#include <array>

#include "tables/button_table.h"
#include "tables/display_label.h"

namespace orvane {

struct DisplayRow {
    Label label;
    TwipsRect rect;
    const char16_t* initialCaption;
};

// The four displays in the client area, in Label order. They are created
// with these captions; start-up replaces them before they are first shown.
inline constexpr std::array<DisplayRow, 4> kDisplays = {{
    {Label::Expression, {0, 0, 8295, 380}, u"（式）"},
    {Label::Answer, {4530, 375, 3765, 375}, u"＝"},
    {Label::Memory1, {0, 375, 3780, 375}, u""},
    {Label::Memory2, {0, 750, 3780, 375}, u""},
}};

}  // namespace orvane
