#include "engine/sheet.h"

#include <algorithm>
#include <unordered_map>

#include "base/number_text.h"
#include "data/vocabulary.h"

namespace brennick {
namespace {

using K = ControlKind;
using namespace cflag;

// Parent names are resolved to ids after the table is built.
struct RawSpec {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;
  std::string_view text;
  std::string_view hint;
  std::int32_t min, max;
  std::uint8_t flags;
};

constexpr RawSpec kRaw[] = {
#define CTL(name, kind, parent, text, hint, min, max, flags) \
  {#name, K::kind, #parent, text, hint, min, max, static_cast<std::uint8_t>(flags)},
#include "engine/controls.def"
#undef CTL
};
static_assert(std::size(kRaw) == kControlCount);

struct Tables {
  std::array<ControlSpec, kControlCount> specs;
  std::unordered_map<std::string_view, Ctl> by_name;
  std::array<Ctl, kControlCount> all;
  std::array<SlotControls, 16> slots;
  std::array<CastOnControls, 8> cast_on;
};

const Tables& tables() {
  static const Tables t = [] {
    Tables t{};
    for (std::size_t i = 0; i < kControlCount; ++i) {
      t.by_name.emplace(kRaw[i].name, static_cast<Ctl>(i));
      t.all[i] = static_cast<Ctl>(i);
    }
    for (std::size_t i = 0; i < kControlCount; ++i) {
      const RawSpec& r = kRaw[i];
      auto parent = t.by_name.find(r.parent);
      t.specs[i] = {r.name, r.kind, parent == t.by_name.end() ? Ctl::Count_ : parent->second,
                    r.text, r.hint, r.min, r.max, r.flags};
    }
    auto id = [&](const std::string& name) { return t.by_name.at(name); };
    for (int tier = 1; tier <= 4; ++tier) {
      for (int n = 1; n <= 4; ++n) {
        const std::string tn = std::to_string(tier) + "_" + std::to_string(n);
        const int index = (tier - 1) * 4 + (n - 1);
        t.slots[index] = {id("skill_img_" + std::to_string(index + 1)),
                          id("Lbl_skillname_tier" + tn),
                          id("skill_info_" + tn),
                          id("skill_level_" + tn),
                          id("Lbl_levelreg_" + tn),
                          id("skill_stat_img_" + tn),
                          id("Lbl_skill_mana_" + tn)};
      }
    }
    for (int n = 1; n <= 8; ++n) {
      const std::string s = std::to_string(n);
      t.cast_on[n - 1] = {id("img_castOn_" + s), id("spin_castOn_" + s),
                          id("img_castOn_stat_" + s), id("lbl_castOn_" + s)};
    }
    return t;
  }();
  return t;
}

}  // namespace

std::string_view kind_name(ControlKind kind) {
  switch (kind) {
    case K::Label: return "label";
    case K::NumberField: return "number field";
    case K::TextBox: return "text box";
    case K::Memo: return "read-only text";
    case K::DropDown: return "drop-down list";
    case K::CheckBox: return "check box";
    case K::Picture: return "picture";
    case K::Group: return "group";
    case K::Page: return "page";
    case K::PageSet: return "page set";
    case K::Button: return "button";
    case K::MenuItem: return "menu item";
    case K::ToolButton: return "tool button";
  }
  return "?";
}

const ControlSpec& control_spec(Ctl id) { return tables().specs[static_cast<std::size_t>(id)]; }

std::optional<Ctl> control_by_name(std::string_view name) {
  const auto& m = tables().by_name;
  auto it = m.find(name);
  if (it == m.end()) return std::nullopt;
  return it->second;
}

const std::array<Ctl, kControlCount>& all_controls() { return tables().all; }

const SlotControls& slot_controls(int slot_index) { return tables().slots.at(slot_index); }

const CastOnControls& cast_on_controls(int index) { return tables().cast_on.at(index); }

std::vector<std::string> initial_rows(Ctl id) {
  switch (id) {
    case Ctl::Select_class:
      return {kClassNames.begin(), kClassNames.end()};
    case Ctl::Select_weapon:
    case Ctl::Select_weapon_2:
      return {kWeaponKindTexts.begin(), kWeaponKindTexts.end()};
    case Ctl::stat_weap_spd:
    case Ctl::stat_weap_spd_2:
      return {"7", "8", "0"};
    case Ctl::Select_ForceOrb:
      return {"none", "Lucidy", "Sereno", "Fadeo", "Sparky", "Raident", "Transparo", "Murky", "Devine", "Celesto"};
    default:
      return {};
  }
}

Sheet::Sheet() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlSpec& s = tables().specs[i];
    Control& c = controls_[i];
    c.text = std::string(s.text);
    c.hint = std::string(s.hint);
    c.min = s.min;
    c.max = s.max;
    c.enabled = !(s.flags & Disabled);
    c.visible = !(s.flags & Hidden);
    c.rows = initial_rows(static_cast<Ctl>(i));
  }
  // The usage labels of the skill slots write in blue.
  for (const SlotControls& slot : tables().slots) at(slot.mana).color = colors::blue;
}

const Sheet::ParsedInt& Sheet::parsed_int(Ctl id) const {
  const std::size_t i = static_cast<std::size_t>(id);
  ParsedInt& p = parsed_ints_[i];
  if (!p.known || p.revision != revisions_[i]) {
    const std::string& text = controls_[i].text;
    p.is_int = is_int_text(text);
    p.value = p.is_int ? int_of_text(text) : 0;
    p.revision = revisions_[i];
    p.known = true;
  }
  return p;
}

std::int32_t Sheet::value(Ctl id) const {
  const ParsedInt& p = parsed_int(id);
  return p.is_int ? p.value : (*this)[id].min;
}

std::int32_t Sheet::int_of(Ctl id, std::int32_t fallback) const {
  const ParsedInt& p = parsed_int(id);
  return p.is_int ? p.value : fallback;
}

void Sheet::set_text(Ctl id, std::string text) {
  Control& c = at(id);
  if (c.text == text) return;
  c.text = std::move(text);
  touch(id);
}

void Sheet::restore(Ctl id, const Control& control) {
  Control& c = at(id);
  if (c == control) return;
  c = control;
  touch(id);
}

void Sheet::set_value(Ctl id, std::int64_t value) {
  const Control& c = (*this)[id];
  set_text(id, int_text(std::clamp<std::int64_t>(value, c.min, c.max)));
}

void Sheet::set_min(Ctl id, std::int32_t min) {
  Control& c = at(id);
  if (c.min == min) return;
  c.min = min;
  touch(id);
}

void Sheet::set_max(Ctl id, std::int32_t max) {
  Control& c = at(id);
  if (c.max == max) return;
  c.max = max;
  touch(id);
}

void Sheet::show_row_text(Ctl id) {
  Control& c = at(id);
  if (c.row >= 0) {
    c.text = c.rows[static_cast<std::size_t>(c.row)];
  } else {
    c.text = std::string(control_spec(id).text);
  }
}

void Sheet::set_row(Ctl id, std::int32_t row) {
  Control& c = at(id);
  if (row < 0 || row >= static_cast<std::int32_t>(c.rows.size())) row = -1;
  if (c.row == row) return;
  c.row = row;
  show_row_text(id);
  touch(id);
}

void Sheet::set_rows(Ctl id, std::vector<std::string> rows) {
  Control& c = at(id);
  c.rows = std::move(rows);
  c.row = -1;
  show_row_text(id);
  touch(id);
}

void Sheet::set_checked(Ctl id, bool checked) {
  Control& c = at(id);
  if (c.checked == checked) return;
  c.checked = checked;
  touch(id);
}

void Sheet::set_enabled(Ctl id, bool enabled) {
  Control& c = at(id);
  if (c.enabled == enabled) return;
  c.enabled = enabled;
  touch(id);
}

void Sheet::set_visible(Ctl id, bool visible) {
  Control& c = at(id);
  if (c.visible == visible) return;
  c.visible = visible;
  touch(id);
}

void Sheet::set_color(Ctl id, std::uint32_t color) {
  Control& c = at(id);
  if (c.color == color) return;
  c.color = color;
  touch(id);
}

void Sheet::set_hint(Ctl id, std::string hint) {
  Control& c = at(id);
  if (c.hint == hint) return;
  c.hint = std::move(hint);
  touch(id);
}

void Sheet::set_picture(Ctl id, std::string file) {
  Control& c = at(id);
  if (c.picture == file) return;
  c.picture = std::move(file);
  touch(id);
}

}  // namespace brennick
