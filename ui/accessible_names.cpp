#include "ui/accessible_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <vector>

#include "data/vocabulary.h"
#include "ui/main_window_layout.h"

namespace brennick {
namespace {

using C = Ctl;

// A control or place, and the words a reader should say for it.
struct Words {
  Ctl id;
  std::string_view words;
};
// Places whose page caption is no word a reader should say.
constexpr Words kPlaceWords[] = {
    {C::TabSheet5, "One-handed weapon"},
    {C::TabSheet6, "Two-handed weapon"},
};

// Controls whose caption says too little, with the words that say it.
constexpr Words kOwnWords[] = {
    {C::Select_weapon, "Weapon kind"},
    {C::Select_weapon_2, "Weapon kind"},
    {C::img_holy_valor_special, "Holy Valor, Atk-Pow to Undead"},
};
// Controls that share their caption with a neighbour, and the words that
// tell them apart.
constexpr Words kQualifiers[] = {
    {C::Select_ring1, "Ring 1"},         {C::stat_rings_HP, "Ring 1"},        {C::stat_rings_STM, "Ring 1"},
    {C::Select_ring2, "Ring 2"},         {C::stat_rings_HP_2, "Ring 2"},      {C::stat_rings_STM_2, "Ring 2"},
    {C::stat_weap_min_pow, "minimum"},   {C::stat_weap_max_pow, "maximum"},
    {C::stat_weap_min_pow_2, "minimum"}, {C::stat_weap_max_pow_2, "maximum"},
};

// The parts of a skill slot and of a buff slot, with their words.
struct SlotPart {
  Ctl SlotControls::*member;
  std::string_view word;
};
constexpr SlotPart kSlotParts[] = {
    {&SlotControls::icon, "picture"},   {&SlotControls::name, "name"},     {&SlotControls::info, "description"},
    {&SlotControls::level, "level"},    {&SlotControls::levelreg, "level needed"},
    {&SlotControls::kind_img, "switch"}, {&SlotControls::mana, "mana"},
};
struct BuffPart {
  Ctl CastOnControls::*member;
  std::string_view word;
};
constexpr BuffPart kBuffParts[] = {
    {&CastOnControls::img, "picture"},
    {&CastOnControls::spin, "level"},
    {&CastOnControls::stat_img, "switch"},
    {&CastOnControls::label, "state"},
};

bool has_letter(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](unsigned char c) { return std::isalpha(c) != 0; });
}

// A caption as a reader says it: without its closing colon, dots and blanks.
std::string spoken(std::string_view s) {
  while (!s.empty() && (s.back() == ':' || s.back() == '.' || s.back() == ' ')) s.remove_suffix(1);
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return std::string(s);
}

std::string joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& p : parts) {
    if (p.empty() || (!out.empty() && out.size() >= p.size() && out.compare(out.size() - p.size(), p.size(), p) == 0))
      continue;
    if (!out.empty()) out += ", ";
    out += p;
  }
  return out;
}

// The pages and groups that hold a control, outermost first.
std::vector<std::string> place_of(Ctl id) {
  std::vector<std::string> out;
  for (Ctl p = control_spec(id).parent; p != C::MainForm && p != C::Count_; p = control_spec(p).parent) {
    const ControlSpec& spec = control_spec(p);
    if (spec.kind != ControlKind::Page && spec.kind != ControlKind::Group) continue;
    std::string words = spoken(spec.text);
    for (const Words& w : kPlaceWords)
      if (w.id == p) words = std::string(w.words);
    if (!words.empty()) out.insert(out.begin(), words);
  }
  return out;
}

// The caption on the control's row, left of it (the nearest): a fixed
// caption, or a label of the sheet ("MP Regen:" beside the robe's box).
std::string row_caption(Ctl id, const QRect& r) {
  const Ctl parent = control_spec(id).parent;
  std::string_view best;
  int best_right = -1;
  const auto consider = [&](std::string_view text, const QRect& c) {
    const int middle = c.center().y();
    if (!has_letter(text) || middle < r.top() - 2 || middle > r.bottom() + 2 || c.left() >= r.left()) return;
    if (c.right() > best_right) {
      best = text;
      best_right = c.right();
    }
  };
  for (const layout::Caption& c : layout::captions())
    if (c.parent == parent) consider(c.text, c.rect);
  for (Ctl label : all_controls())
    if (control_spec(label).kind == ControlKind::Label && control_spec(label).parent == parent)
      if (const auto place = layout::place(label)) consider(control_spec(label).text, *place);
  return spoken(best);
}

// The bold heading above the control's column ("Base", "Spec"), the nearest.
std::string column_heading(Ctl id, const QRect& r) {
  const layout::Caption* best = nullptr;
  for (const layout::Caption& c : layout::captions()) {
    if (c.parent != control_spec(id).parent || !(c.style & layout::style::Bold) || !has_letter(c.text)) continue;
    if (c.text.back() == ':' || c.rect.bottom() > r.top() + 2) continue;
    if (c.rect.right() < r.left() || c.rect.left() > r.right()) continue;
    if (!best || c.rect.bottom() > best->rect.bottom()) best = &c;
  }
  return best ? spoken(best->text) : std::string();
}

std::string slot_name(Ctl id) {
  for (int i = 0; i < kSlotCount; ++i)
    for (const SlotPart& p : kSlotParts)
      if (slot_controls(i).*p.member == id)
        return "Skill tier " + std::to_string(i / 4 + 1) + ", slot " + std::to_string(i % 4 + 1) + ", " +
               std::string(p.word);
  for (int i = 0; i < kCastOnCount; ++i)
    for (const BuffPart& p : kBuffParts)
      if (cast_on_controls(i).*p.member == id)
        return joined({spoken(control_spec(C::grp_cast_on).text), std::string(control_spec(cast_on_controls(i).img).hint),
                       std::string(p.word)});
  return {};
}

}  // namespace

bool is_interactive(Ctl id) {
  switch (control_spec(id).kind) {
    case ControlKind::TextBox:
    case ControlKind::NumberField:
    case ControlKind::DropDown:
    case ControlKind::CheckBox:
    case ControlKind::Button:
    case ControlKind::ToolButton:
    case ControlKind::Memo:
      return true;
    case ControlKind::Picture:
      return layout::clickable_picture(id);
    default:
      return false;
  }
}

std::string accessible_name(Ctl id) {
  const ControlSpec& spec = control_spec(id);
  if (std::string slot = slot_name(id); !slot.empty()) return slot;
  if (spec.kind == ControlKind::ToolButton) return spoken(control_spec(layout::tool_button_command(id)).text);
  // A check box or a button says its own caption; a list the caption
  // beside it, else the text it shows while nothing is chosen.
  const bool captioned = spec.kind == ControlKind::CheckBox || spec.kind == ControlKind::Button ||
                         spec.kind == ControlKind::MenuItem;
  std::vector<std::string> own;
  if (captioned) {
    own.push_back(spoken(spec.text));
  } else if (const auto r = layout::place(id)) {
    own.push_back(row_caption(id, *r));
    if (spec.kind != ControlKind::DropDown) own.push_back(column_heading(id, *r));
  }
  if (spec.kind == ControlKind::DropDown && joined(own).empty() && has_letter(spec.text)) own.push_back(spoken(spec.text));
  for (const Words& w : kOwnWords)
    if (w.id == id) own = {std::string(w.words)};
  // A control that no caption names says what its hint says.
  if (joined(own).empty()) own.push_back(spoken(spec.hint));
  std::vector<std::string> parts = place_of(id);
  parts.insert(parts.end(), own.begin(), own.end());
  for (const Words& q : kQualifiers)
    if (q.id == id) parts.emplace_back(q.words);
  const std::string name = joined(parts);
  return name.empty() ? std::string(spec.name) : name;
}

}  // namespace brennick
