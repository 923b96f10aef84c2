// What sheet_json shows of a calculator (the status, every control's shown
// fields by its kind, every state value but app_dir and open_dialog_file),
// kept as values, so the fuzz targets compare sheets without building and
// printing the JSON on every input.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "engine/calculator.h"
#include "engine/calc_state.h"
#include "engine/sheet.h"

namespace brennick::fuzz {

// Two numbers as the JSON prints them: equal bits, or both not a number.
template <class T>
bool same_value(const T& a, const T& b) {
  if constexpr (std::is_floating_point_v<T>) {
    return (std::isnan(a) && std::isnan(b)) || std::bit_cast<std::uint64_t>(static_cast<double>(a)) ==
                                                   std::bit_cast<std::uint64_t>(static_cast<double>(b));
  } else if constexpr (requires { a.size(); a[0]; } && !std::is_same_v<T, std::string>) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
      if (!same_value(a[i], b[i])) return false;
    return true;
  } else {
    return a == b;
  }
}

struct ShownControl {
  std::string text, hint, picture;
  std::int32_t row = -1, min = 0, max = 0;
  std::uint32_t color = 0;
  bool checked = false, visible = true, enabled = true;
  friend bool operator==(const ShownControl&, const ShownControl&) = default;
};

class SheetSnapshot {
 public:
  explicit SheetSnapshot(const Calculator& calc) : status_(calc.sheet.status_panel1), state_(calc.state) {
    controls_.reserve(all_controls().size());
    for (Ctl id : all_controls()) {
      const Control& c = calc.sheet[id];
      ShownControl s;
      s.text = c.text;
      s.hint = c.hint;
      s.enabled = c.enabled;
      switch (control_spec(id).kind) {
        case ControlKind::DropDown: s.row = c.row; break;
        case ControlKind::NumberField: s.min = c.min; s.max = c.max; break;
        case ControlKind::CheckBox: s.checked = c.checked; break;
        case ControlKind::Label: s.color = c.color & 0xFFFFFF; s.visible = c.visible; break;
        case ControlKind::Picture: s.picture = c.picture; break;
        default: break;
      }
      controls_.push_back(std::move(s));
    }
  }

  friend bool operator==(const SheetSnapshot& a, const SheetSnapshot& b) {
    if (a.status_ != b.status_ || a.controls_ != b.controls_) return false;
    bool same = true;
#define STATE(type, name, initial) \
  if (std::string_view(#name) != "app_dir" && std::string_view(#name) != "open_dialog_file") \
    same = same && same_value(a.state_.name, b.state_.name);
#define STATE_ARRAY(type, name, size) same = same && same_value(a.state_.name, b.state_.name);
#include "engine/calc_state.def"
#undef STATE
#undef STATE_ARRAY
    return same;
  }

 private:
  std::string status_;
  std::vector<ShownControl> controls_;
  CalcState state_;
};

}  // namespace brennick::fuzz
