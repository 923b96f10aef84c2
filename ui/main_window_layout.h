// Where the main window puts its controls: the pixel rectangle of every
// control inside its group, page or the client area, and the fixed captions
// (row labels, headings, notes) that are no controls of the sheet.
#pragma once

#include <QRect>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/sheet.h"

namespace brennick::layout {

// The client area below the menu: tool bar, regions, status bar.
inline constexpr int kClientWidth = 875;
inline constexpr int kClientHeight = 612;
inline constexpr int kStatusBarHeight = 18;
inline constexpr int kStatusPanel0Width = 653;
inline constexpr int kStatusPanel1Width = 50;

// The rectangle of a control inside its parent; nothing for controls that
// a container places (pages, menu items, tool buttons, the tool bar's label).
std::optional<QRect> place(Ctl id);

namespace style {
enum : std::uint16_t {
  Plain = 0,
  Bold = 1,
  Red = 2,
  Blue = 4,
  Green = 8,
  Underline = 16,
  Wrap = 32,
  Right = 64,
  Centre = 128,
  Large = 256,
};
}

// A fixed caption inside a control (a group or page).
struct Caption {
  Ctl parent;
  std::string_view text;
  QRect rect;
  std::uint16_t style;
  std::optional<Ctl> hint_of;  // shows the hint of this control
};
const std::vector<Caption>& captions();

// Styles the window gives some controls beyond their text (bold value
// labels, centred results, ...).
std::uint16_t control_style(Ctl id);

// Pictures that are clickable.
bool clickable_picture(Ctl id);

// Tool buttons: the menu item whose command the button performs, and the
// controls after which a separator follows (tool bar and menus).
Ctl tool_button_command(Ctl button);
bool separator_after(Ctl id);

}  // namespace brennick::layout
