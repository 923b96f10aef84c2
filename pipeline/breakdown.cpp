#include "pipeline/breakdown.h"

#include <array>
#include <cmath>
#include <functional>

#include "pipeline/pass_trace.h"
#include "pipeline/scratch_planner.h"

namespace brennick {
namespace {

using IntField = std::int32_t CalcState::*;
using RealField = double CalcState::*;

// A value a breakdown exists for: the label and the part of its text, its
// own step, and the state field the step writes (none: the label's text).
struct Explained {
  const char* name;
  Ctl label;
  int part;  // 0 the whole text, 1 / 2 the lower / upper end of a range
  int own_step;
  IntField int_field = nullptr;
  RealField real_field = nullptr;
};

#define INT_VALUE(LBL, STEP, FIELD)                                    \
  Explained{#LBL, Ctl::LBL, 0, STEP, &CalcState::FIELD, nullptr},     \
      Explained{#LBL "_2", Ctl::LBL##_2, 0, STEP, &CalcState::FIELD##_2, nullptr}
#define REAL_VALUE(LBL, STEP, FIELD)                                   \
  Explained{#LBL, Ctl::LBL, 0, STEP, nullptr, &CalcState::FIELD},     \
      Explained{#LBL "_2", Ctl::LBL##_2, 0, STEP, nullptr, &CalcState::FIELD##_2}
#define TEXT_VALUE(LBL, STEP) Explained{#LBL, Ctl::LBL, 0, STEP}

// The steps of attack power (evasion too) and of the damage over time.
constexpr int kDmgStep = pass_step("Calc_dmg");
constexpr int kDotStep = pass_step("Calc_DoT");

// Evasion is written by the buff passes and the skill reports only: its
// base is its value before them.
const Explained kExplained[] = {
    INT_VALUE(Lbl_final_stat_HP, pass_step("Calc_HP"), final_hp),
    INT_VALUE(Lbl_final_stat_MP, pass_step("Calc_MP"), final_mp),
    INT_VALUE(Lbl_final_stat_STM, pass_step("Calc_STM"), final_stm),
    REAL_VALUE(Lbl_final_stat_mp_regen, pass_step("Calc_MP_regen"), final_mp_regen),
    INT_VALUE(Lbl_final_stat_def, pass_step("Calc_defense"), final_def),
    REAL_VALUE(Lbl_final_stat_abs, pass_step("Calc_Absorption"), final_abs),
    INT_VALUE(Lbl_final_stat_rtg, pass_step("Calc_AtkRtg"), final_rtg),
    INT_VALUE(Lbl_final_stat_crit, pass_step("Calc_Critical"), final_crit),
    INT_VALUE(Lbl_final_stat_blk, pass_step("Calc_Block"), final_blk),
    Explained{"Lbl_final_stat_atkpow.min", Ctl::Lbl_final_stat_atkpow, 1, kDmgStep, &CalcState::final_atkpow_min},
    Explained{"Lbl_final_stat_atkpow.max", Ctl::Lbl_final_stat_atkpow, 2, kDmgStep, &CalcState::final_atkpow_max},
    Explained{"Lbl_final_stat_atkpow_2.min", Ctl::Lbl_final_stat_atkpow_2, 1, kDmgStep, &CalcState::final_atkpow_min_2},
    Explained{"Lbl_final_stat_atkpow_2.max", Ctl::Lbl_final_stat_atkpow_2, 2, kDmgStep, &CalcState::final_atkpow_max_2},
    Explained{"Lbl_final_stat_eva", Ctl::Lbl_final_stat_eva, 0, kDmgStep, &CalcState::final_eva},
    TEXT_VALUE(Lbl_final_stat_weight, pass_step("Calc_weight")),
    TEXT_VALUE(lbl_final_stat_spd, pass_step("Calc_Speed")),
    TEXT_VALUE(Lbl_dot_1h_1, kDotStep), TEXT_VALUE(Lbl_dot_2h_1, kDotStep),
    TEXT_VALUE(Lbl_dot_1h_2, kDotStep), TEXT_VALUE(Lbl_dot_2h_2, kDotStep),
    TEXT_VALUE(Lbl_dot_1h_3, kDotStep), TEXT_VALUE(Lbl_dot_2h_3, kDotStep),
    TEXT_VALUE(Lbl_dot_1h_5, kDotStep), TEXT_VALUE(Lbl_dot_2h_5, kDotStep),
    TEXT_VALUE(Lbl_dot_1h_4, kDotStep), TEXT_VALUE(Lbl_dot_2h_4, kDotStep),
};
#undef INT_VALUE
#undef REAL_VALUE
#undef TEXT_VALUE

// The buff passes and the skill report between them.
constexpr int kSkillStep = pass_step("Calc_skills");
constexpr int kBuffSteps[] = {pass_step("Calc_castOn", 1), kSkillStep, pass_step("Calc_castOn", 2)};

// --- sources -------------------------------------------------------------------

struct Source {
  std::string name;
  std::function<void(Sheet&)> remove;
};

bool holds_zero(const Sheet& s, Ctl box) { return s.text(box) == "0"; }

// The text boxes below `container` (gem groups excluded unless asked for).
std::vector<Ctl> boxes_below(Ctl container, bool gems) {
  std::vector<Ctl> out;
  for (Ctl id : all_controls()) {
    if (control_spec(id).kind != ControlKind::TextBox) continue;
    bool in_gem = false;
    for (Ctl p = control_spec(id).parent; p != Ctl::Count_; p = control_spec(p).parent) {
      const std::string_view pn = control_spec(p).name;
      if (pn.substr(0, 8) == "grp_gem_") in_gem = true;
      if (p == container) {
        if (in_gem == gems) out.push_back(id);
        break;
      }
    }
  }
  return out;
}

struct Slot {
  const char* name;  // "" takes the page's caption (Armor / Robe)
  std::vector<Ctl> boxes;
};

const std::vector<Slot>& equipment_slots() {
  static const std::vector<Slot> slots = {
      {"", boxes_below(Ctl::TabSheet7, false)},
      {"Shield", boxes_below(Ctl::TabSheet8, false)},
      {"Orb", boxes_below(Ctl::TabSheet9, false)},
      {"Boots", boxes_below(Ctl::TabSheet10, false)},
      {"Gaunts", boxes_below(Ctl::TabSheet11, false)},
      {"Armlets", boxes_below(Ctl::TabSheet12, false)},
      {"other", boxes_below(Ctl::TabSheet13, false)},
      {"Amulet", {Ctl::stat_amu_HP, Ctl::stat_amu_MP, Ctl::stat_amu_regen}},
      {"Ring 1", {Ctl::stat_rings_HP, Ctl::stat_rings_STM}},
      {"Ring 2", {Ctl::stat_rings_HP_2, Ctl::stat_rings_STM_2}},
      {"Sheltom", {Ctl::stat_sheltom_mp}},
      {"One-hand weapon", boxes_below(Ctl::TabSheet5, false)},
      {"Two-hand weapon", boxes_below(Ctl::TabSheet6, false)},
  };
  return slots;
}

const std::vector<Ctl>& gem_boxes() {
  static const std::vector<Ctl> boxes = [] {
    std::vector<Ctl> out;
    for (Ctl page : {Ctl::TabSheet7, Ctl::TabSheet8, Ctl::TabSheet9, Ctl::TabSheet5, Ctl::TabSheet6})
      for (Ctl b : boxes_below(page, true)) out.push_back(b);
    return out;
  }();
  return boxes;
}

constexpr Ctl kQuests[] = {Ctl::level_30_done, Ctl::tier3_done,   Ctl::level_55_done,
                           Ctl::level_70_done, Ctl::level_80_done, Ctl::level_90_done};
constexpr std::array<std::pair<Ctl, const char*>, 5> kStats = {{{Ctl::stat_strenght, "Strength points"},
                                                               {Ctl::stat_spirit, "Spirit points"},
                                                               {Ctl::stat_talent, "Talent points"},
                                                               {Ctl::stat_agility, "Agility points"},
                                                               {Ctl::stat_health, "Health points"}}};

void zero_boxes(Sheet& s, const std::vector<Ctl>& boxes) {
  for (Ctl b : boxes) s.set_text(b, "0");
}

// The sources present on the sheet, each with how to remove it.
std::vector<Source> sources_of(const Sheet& sheet) {
  std::vector<Source> out;
  for (const auto& [stat, name] : kStats)
    if (sheet.value(stat) > sheet[stat].min)
      out.push_back({name, [stat = stat](Sheet& s) { s.set_value(stat, s[stat].min); }});
  if (sheet.value(Ctl::stat_level) > 1)
    out.push_back({"Levels above 1", [](Sheet& s) { s.set_value(Ctl::stat_level, 1); }});
  for (const Slot& slot : equipment_slots()) {
    bool present = false;
    for (Ctl b : slot.boxes) present = present || !holds_zero(sheet, b);
    if (!present) continue;
    const std::string name = *slot.name ? slot.name : sheet.text(Ctl::TabSheet7);
    out.push_back({name, [&slot](Sheet& s) { zero_boxes(s, slot.boxes); }});
  }
  bool gems = false;
  for (Ctl b : gem_boxes()) gems = gems || !holds_zero(sheet, b);
  if (gems) out.push_back({"Gems and mixing", [](Sheet& s) { zero_boxes(s, gem_boxes()); }});
  bool quests = false;
  for (Ctl q : kQuests) quests = quests || sheet.checked(q);
  if (quests)
    out.push_back({"Quests", [](Sheet& s) {
                     for (Ctl q : kQuests) s.set_checked(q, false);
                   }});
  if (sheet.row(Ctl::Select_ForceOrb) > 0)
    out.push_back({"Force orb", [](Sheet& s) { s.set_row(Ctl::Select_ForceOrb, 0); }});
  return out;
}

// --- measuring on the copy ----------------------------------------------------

// Six decimals: what is left of a difference of doubles beyond them is noise.
double tidy(double v) {
  const double r = std::round(v * 1e6) / 1e6;
  return r == 0 ? 0 : r;
}

class Measure {
 public:
  Measure(const Calculator& calc, const Explained& e) : calc_(calc), e_(e), copy_(calc) {
    for (std::size_t i = 0; i < result_labels().size(); ++i)
      if (result_labels()[i] == e.label) label_index_ = i;
  }

  // Runs one pass on a fresh copy after `change`; false when it failed.
  template <class Change>
  bool run(Change&& change) {
    copy_.reset_from(calc_);
    Planner& p = copy_.planner();
    change(p.sheet, p.state);
    trace_ = PassTrace();
    p.pass_observer = &trace_;
    bool ok = true;
    try {
      p.run_calculation(Ctl::MainForm);
    } catch (const std::exception& ex) {
      ok = false;
      error_ = ex.what();
    }
    p.pass_observer = nullptr;
    return ok;
  }

  // The value after step `step` of the last run (0: before step 1).
  double at(int step) const {
    const PassTrace::Step* s = step > 0 ? trace_.at(step) : nullptr;
    const CalcState& state = s ? s->state : trace_.before();
    if (e_.int_field) return state.*e_.int_field;
    if (e_.real_field) return state.*e_.real_field;
    const std::string& text = s ? s->labels[label_index_] : trace_.labels_before()[label_index_];
    return label_number(text, e_.part, calc_.format()).value_or(0);
  }
  double base() const { return at(e_.own_step); }
  double change_of(int step) const { return at(step) - at(step - 1); }
  const std::string& error() const { return error_; }

 private:
  const Calculator& calc_;
  const Explained& e_;
  ScratchPlanner copy_;
  PassTrace trace_;
  std::size_t label_index_ = 0;
  std::string error_;
};

std::string joined(const std::vector<std::string>& names, const char* none) {
  if (names.empty()) return none;
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : " + ") + n;
  return out;
}

// The buffs or skills without which step `step` would change the value
// differently.
std::string who_changed(Measure& m, const Calculator& calc, int step, double change) {
  std::vector<std::string> names;
  if (step == kSkillStep) {
    for (int i = 0; i < kSlotCount; ++i) {
      const Ctl level = slot_controls(i).level;
      if (calc.sheet.value(level) <= 0) continue;
      if (!m.run([&](Sheet& s, CalcState&) { s.set_value(level, 0); })) continue;
      if (tidy(m.change_of(step)) != tidy(change)) names.push_back(calc.sheet.text(slot_controls(i).name));
    }
    return joined(names, "skill report");
  }
  for (int i = 0; i < kCastOnCount; ++i) {
    if (calc.state.cast_on_on[static_cast<std::size_t>(i)] != 1) continue;
    if (!m.run([&](Sheet&, CalcState& st) { st.cast_on_on[static_cast<std::size_t>(i)] = 0; })) continue;
    if (tidy(m.change_of(step)) != tidy(change))
      names.emplace_back(control_spec(cast_on_controls(i).img).hint);
  }
  return joined(names, "buffs");
}

const Explained* find_explained(std::string_view name) {
  for (const Explained& e : kExplained)
    if (name == e.name) return &e;
  return nullptr;
}

nlohmann::ordered_json number_json(double v) {
  if (std::floor(v) == v && std::fabs(v) < 9e15) return static_cast<std::int64_t>(v);
  return v;
}

std::string signed_text(double v, const NumberFormat& fmt) {
  return (v >= 0 ? "+" : "") + format_general(v, fmt);
}

}  // namespace

const std::vector<std::string>& breakdown_names() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    for (const Explained& e : kExplained) out.emplace_back(e.name);
    return out;
  }();
  return names;
}

std::vector<std::string> breakdown_names_of(Ctl label) {
  std::vector<std::string> out;
  for (const Explained& e : kExplained)
    if (e.label == label) out.emplace_back(e.name);
  return out;
}

std::optional<Breakdown> explain(const Calculator& calc, std::string_view name) {
  const Explained* e = find_explained(name);
  if (!e) return std::nullopt;
  Breakdown b;
  b.label = e->name;
  b.value = label_number(calc.sheet.text(e->label), e->part, calc.format()).value_or(0);

  Measure m(calc, *e);
  if (!m.run([](Sheet&, CalcState&) {})) {
    b.error = m.error();
    b.rounding = b.value;
    return b;
  }
  const double with_all = m.base();
  std::vector<double> buff_changes;
  for (int step : kBuffSteps) buff_changes.push_back(step > e->own_step ? m.change_of(step) : 0);

  const std::vector<Source> sources = sources_of(calc.sheet);
  if (m.run([&](Sheet& s, CalcState&) {
        for (const Source& src : sources) src.remove(s);
      }))
    b.floor = tidy(m.base());
  for (const Source& src : sources) {
    if (!m.run([&](Sheet& s, CalcState&) { src.remove(s); })) continue;
    const double share = tidy(with_all - m.base());
    if (share != 0) b.parts.push_back({src.name, share});
  }
  for (std::size_t i = 0; i < buff_changes.size(); ++i) {
    const double change = tidy(buff_changes[i]);
    if (change == 0) continue;
    b.parts.push_back({who_changed(m, calc, kBuffSteps[i], buff_changes[i]), change});
  }
  double sum = b.floor;
  for (const BreakdownPart& p : b.parts) sum += p.amount;
  b.rounding = tidy(b.value - sum);
  return b;
}

nlohmann::ordered_json breakdown_json(const Breakdown& b) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  out["label"] = b.label;
  out["value"] = number_json(b.value);
  out["floor"] = number_json(b.floor);
  nlohmann::ordered_json parts = nlohmann::ordered_json::array();
  for (const BreakdownPart& p : b.parts) {
    nlohmann::ordered_json part = nlohmann::ordered_json::object();
    part["source"] = p.source;
    part["amount"] = number_json(p.amount);
    parts.push_back(std::move(part));
  }
  out["parts"] = std::move(parts);
  out["rounding"] = number_json(b.rounding);
  if (!b.error.empty()) out["error"] = b.error;
  return out;
}

std::string breakdown_text(const Breakdown& b, const NumberFormat& fmt) {
  const Explained* e = find_explained(b.label);
  std::string title = e ? result_caption(e->label) : b.label;
  if (e && e->part) title += e->part == 1 ? " (min)" : " (max)";
  std::string out = title + ": " + format_general(b.value, fmt) + "\n";
  if (!b.error.empty()) return out + b.error;
  out += "floor: " + format_general(b.floor, fmt);
  for (const BreakdownPart& p : b.parts) out += "\n" + p.source + ": " + signed_text(p.amount, fmt);
  out += "\nrounding and interplay: " + signed_text(b.rounding, fmt);
  return out;
}

std::string label_breakdown_text(const Calculator& calc, Ctl label) {
  std::string out;
  for (const std::string& name : breakdown_names_of(label)) {
    if (!out.empty()) out += "\n\n";
    out += breakdown_text(*explain(calc, name), calc.format());
  }
  return out;
}

// --- captions and numbers of the result labels ---------------------------------

namespace {

struct Caption {
  Ctl label;
  const char* name;
  int column;
};

#define PAIR(LBL, NAME) Caption{Ctl::LBL, NAME, 0}, Caption{Ctl::LBL##_2, NAME, 1}
#define DOT(N, NAME) Caption{Ctl::Lbl_dot_1h_##N, NAME, 0}, Caption{Ctl::Lbl_dot_2h_##N, NAME, 1}
const Caption kCaptions[] = {
    PAIR(Lbl_final_stat_HP, "HP"),        PAIR(Lbl_final_stat_MP, "MP"),
    PAIR(Lbl_final_stat_STM, "STM"),      PAIR(Lbl_final_stat_mp_regen, "MP regen"),
    PAIR(Lbl_final_stat_def, "Def"),      PAIR(Lbl_final_stat_abs, "Abs"),
    PAIR(Lbl_final_stat_atkpow, "Atk-Pow"), PAIR(Lbl_final_stat_rtg, "Atk-Rtg"),
    PAIR(Lbl_final_stat_crit, "Critical"), PAIR(Lbl_final_stat_blk, "Block"),
    Caption{Ctl::Lbl_final_stat_eva, "Evasion", -1},
    Caption{Ctl::Lbl_final_stat_weight, "Weight", -1},
    Caption{Ctl::lbl_final_stat_spd, "Speed", -1},
    DOT(1, "DoT hit"),                    DOT(2, "DoT normal/min"),
    DOT(3, "DoT critical/min"),           DOT(5, "DoT pets/min"),
    DOT(4, "DoT power"),
};
#undef PAIR
#undef DOT

const Caption* caption_of(Ctl label) {
  for (const Caption& c : kCaptions)
    if (c.label == label) return &c;
  return nullptr;
}

}  // namespace

std::string result_name(Ctl label) {
  const Caption* c = caption_of(label);
  return c ? c->name : "";
}

int result_column(Ctl label) {
  const Caption* c = caption_of(label);
  return c ? c->column : -1;
}

std::string result_caption(Ctl label) {
  const Caption* c = caption_of(label);
  if (!c) return "";
  return std::string(c->name) + (c->column == 0 ? " 1h" : c->column == 1 ? " 2h" : "");
}

std::optional<double> label_number(std::string_view text, int part, const NumberFormat& fmt) {
  if (part == 2) {
    const auto dash = text.find(" - ");
    if (dash == std::string_view::npos) return std::nullopt;
    text = text.substr(dash + 3);
  }
  std::string digits;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && text[i] == '-') digits += text[i++];
  for (; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch >= '0' && ch <= '9') {
      digits += ch;
    } else if (ch == fmt.decimal) {
      digits += '.';
    } else if (ch != fmt.thousands) {
      break;
    }
  }
  if (digits.empty() || digits == "-") return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(digits.c_str(), &end);
  if (end != digits.c_str() + digits.size()) return std::nullopt;
  return v;
}

}  // namespace brennick
