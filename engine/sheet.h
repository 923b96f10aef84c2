// The character sheet: the state of every named control of the main window.
//
// The core reads and writes controls here, by id; the window mirrors this
// model and the command-line tool prints it. Nothing here notifies anybody:
// what a change of a control starts is decided by the calculator
// (engine/calculator.h), which owns a Sheet.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/vocabulary.h"

namespace brennick {

enum class ControlKind : std::uint8_t {
  Label,
  NumberField,
  TextBox,
  Memo,  // read-only multi-line text
  DropDown,
  CheckBox,
  Picture,
  Group,
  Page,
  PageSet,
  Button,
  MenuItem,
  ToolButton,
};

std::string_view kind_name(ControlKind kind);

namespace cflag {
enum : std::uint8_t {
  None = 0,
  IntCheck = 1,   // the integer check runs when the user leaves the box
  RealCheck = 2,  // the real-number check runs when the user leaves the box
  Disabled = 4,   // starts disabled
  Hidden = 8,     // starts hidden
};
}  // namespace cflag

// One id per control, in the order of controls.def.
enum class Ctl : std::uint16_t {
#define CTL(name, kind, parent, text, hint, min, max, flags) name,
#include "engine/controls.def"
#undef CTL
  Count_
};
constexpr std::size_t kControlCount = static_cast<std::size_t>(Ctl::Count_);

// What never changes about a control.
struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  Ctl parent;  // Ctl::Count_ for the main window itself
  std::string_view text;
  std::string_view hint;
  std::int32_t min;
  std::int32_t max;
  std::uint8_t flags;
};

const ControlSpec& control_spec(Ctl id);
std::optional<Ctl> control_by_name(std::string_view name);

// Colours of label fonts, as 0xRRGGBB.
namespace colors {
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t red = 0xFF0000;
constexpr std::uint32_t green = 0x008000;
constexpr std::uint32_t blue = 0x0000FF;
}  // namespace colors

// What may change about a control.
struct Control {
  std::string text;              // text, caption, or a list's shown text
  std::string hint;
  std::int32_t min = 0, max = 0;  // number fields
  std::vector<std::string> rows;  // drop-down lists
  std::int32_t row = -1;          // selected row of a list, -1 none
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  std::uint32_t color = colors::black;
  std::string picture;  // file name shown by a picture ("" = none)

  friend bool operator==(const Control&, const Control&) = default;
};

class Sheet {
 public:
  Sheet();  // every control as the window shows it after start-up

  const Control& operator[](Ctl id) const { return controls_[static_cast<std::size_t>(id)]; }

  // --- reading, as the calculation steps read --------------------------
  const std::string& text(Ctl id) const { return (*this)[id].text; }
  // A number field's value: the integer of its text, or its minimum.
  std::int32_t value(Ctl id) const;
  // The integer of a control's text as int_of_text reads it, or `fallback`.
  std::int32_t int_of(Ctl id, std::int32_t fallback = 0) const;
  std::int32_t row(Ctl id) const { return (*this)[id].row; }
  bool checked(Ctl id) const { return (*this)[id].checked; }

  // --- writing (by program or by the user; nobody is notified) ---------
  void set_text(Ctl id, std::string text);
  // A number field written by program: clamped to its range.
  void set_value(Ctl id, std::int64_t value);
  void set_min(Ctl id, std::int32_t min);
  void set_max(Ctl id, std::int32_t max);
  // Selects a row of a list (-1 for none); a row the list does not have
  // selects nothing. The shown text follows the row.
  void set_row(Ctl id, std::int32_t row);
  void set_rows(Ctl id, std::vector<std::string> rows);  // leaves no row selected
  void set_checked(Ctl id, bool checked);
  void set_enabled(Ctl id, bool enabled);
  void set_visible(Ctl id, bool visible);
  void set_color(Ctl id, std::uint32_t color);
  void set_hint(Ctl id, std::string hint);
  void set_picture(Ctl id, std::string file);
  // Puts back everything about a control as it was (the undo history).
  void restore(Ctl id, const Control& control);

  // Status bar: panel 0 shows hints, panel 1 "OK" or the last error.
  std::string status_panel0 = "Speichern";
  std::string status_panel1;

  // Every change bumps the control's revision, so a view can refresh only
  // what changed.
  std::uint32_t revision(Ctl id) const { return revisions_[static_cast<std::size_t>(id)]; }

 private:
  Control& at(Ctl id) { return controls_[static_cast<std::size_t>(id)]; }
  void touch(Ctl id) { ++revisions_[static_cast<std::size_t>(id)]; }
  void show_row_text(Ctl id);

  // The integer of each text as last read, kept with the revision it was
  // read at: a text is read again only after it has changed.
  struct ParsedInt {
    std::uint32_t revision = 0;
    bool known = false;
    bool is_int = false;
    std::int32_t value = 0;
  };
  const ParsedInt& parsed_int(Ctl id) const;

  std::array<Control, kControlCount> controls_;
  std::array<std::uint32_t, kControlCount> revisions_{};
  mutable std::array<ParsedInt, kControlCount> parsed_ints_{};
};

// Every control id in table order.
const std::array<Ctl, kControlCount>& all_controls();

// The rows a list has after start-up (item lists are filled from the tables
// at start-up, the armour list by the class).
std::vector<std::string> initial_rows(Ctl id);

// Slots of the skill pages (kSlotCount): tier t and slot n in 1..4 give index (t-1)*4 + n-1.
struct SlotControls {
  Ctl icon, name, info, level, levelreg, kind_img, mana;
};
const SlotControls& slot_controls(int slot_index);

// Buff slots 1..8 (index 0 .. kCastOnCount - 1).
struct CastOnControls {
  Ctl img, spin, stat_img, label;
};
const CastOnControls& cast_on_controls(int index);

}  // namespace brennick
