// The widgets of the item browser windows that differ by kind: their names
// and the texts only the windows show. What the windows show of the tables
// (captions, grids, details) is data/browser_contents.h; their sizes are
// those of every secondary window (ui/secondary_windows.h).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "data/browser_contents.h"

namespace brennick {

struct BrowserLayout {
  std::string_view class_choice_name;     // "Select_class" ("Select_Class" for robes and orbs)
  std::string_view class_choice_caption;  // "Select a Class" ("Select Class")
  int class_columns = 2;                  // columns of the class choice's buttons
  std::string_view close_name;            // "Btn_close_skill_info" ("Button1" for robes)
  std::string_view close_hint;
};

// By BrowserKind. The robe and orb windows offer their two classes in one column.
inline constexpr std::array<BrowserLayout, kBrowserKindCount> kBrowserLayouts = {{
    {"Select_class", "Select a Class", 2, "Btn_close_skill_info", "Close the current window"},   // armor
    {"Select_Class", "Select Class", 1, "Button1", "Close the current window."},                 // robe
    {"Select_class", "Select a Class", 2, "Btn_close_skill_info", "Close the current window."},  // shield
    {"Select_Class", "Select Class", 1, "Btn_close_skill_info", "Close the current window."},    // orb
    {"Select_class", "Select a Class", 2, "Btn_close_skill_info", "Close the current window"},   // boots
    {"Select_class", "Select a Class", 2, "Btn_close_skill_info", "Close the current window."},  // gaunts
    {"Select_class", "Select a Class", 2, "Btn_close_skill_info", "Close the current window"},   // armlets
    {"Select_class", "Select a Class", 2, "Btn_close_skill_info", "Close the current window."},  // amulet
    {"Select_class", "Select a Class", 2, "Btn_close_skill_info", "Close the current window."},  // ring
    {"Select_class", "Select a Class", 2, "Btn_close_skill_info", "Close the current window."},  // sheltom
    {"Select_class", "Select a Class", 2, "Btn_close_skill_info", "Close the current window."},  // weapon
}};

inline const BrowserLayout& browser_layout(BrowserKind kind) {
  return kBrowserLayouts[static_cast<std::size_t>(kind)];
}

// The row above the grid with the name filter and Equip: every browser is
// this much taller than its grid and panels need, and everything below the
// row stands where it stood without it.
inline constexpr int kBrowserFindRowHeight = 28;

// The names of the five resistance icons, in the order of kResistanceFields.
inline constexpr std::array<std::string_view, 5> kResistanceIconNames = {"Image2", "Image3", "Image4", "Image5",
                                                                         "Image6"};

}  // namespace brennick
