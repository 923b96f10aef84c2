// Breakdowns: how a result label's value came about.
//
// A label's base value is its value after its own step of the pass, before
// the buff passes and the skill report. The floor is the base value with
// every source removed (statistics at the class's start values, level 1,
// nothing equipped, no gems, no quests, no force orb); a source's share is
// the base value with everything minus the base value without that one
// source. The buff passes' and the skill report's changes come from the
// pass trace, named by the buffs or skills that make them. Every number is
// measured on a scratch copy of the sheet, never the user's. Floors,
// rounding and percentages multiply one another, so the shares need not add
// up: the rest is "rounding and interplay", and floor + parts + rounding is
// the value shown.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/calculator.h"

namespace brennick {

struct BreakdownPart {
  std::string source;  // "Health points", "Armor", "Boost Health", ...
  double amount = 0;
};

struct Breakdown {
  std::string label;  // the name explained: "Lbl_final_stat_HP", "Lbl_final_stat_atkpow.min"
  double value = 0;   // the value the label shows
  double floor = 0;
  std::vector<BreakdownPart> parts;  // the sources' shares, then the buff and skill changes
  double rounding = 0;               // "rounding and interplay"
  std::string error;                 // not empty when the value could not be taken apart
};

// Every name a breakdown exists for: the result labels of HP, MP, STM, MP
// regeneration, defence, absorption, attack rating, critical, block (both
// columns), Atk-Pow as NAME.min and NAME.max (both columns), evasion,
// weight, speed and the damage-over-time labels.
const std::vector<std::string>& breakdown_names();

// The breakdown names of a label (one, or NAME.min and NAME.max); empty
// for a label without breakdown.
std::vector<std::string> breakdown_names_of(Ctl label);

// The breakdown of the named value of the calculator's sheet; nothing for
// an unknown name. The calculator is not changed.
std::optional<Breakdown> explain(const Calculator& calc, std::string_view name);

// {"label", "value", "floor", "parts": [{"source", "amount"}], "rounding"}
nlohmann::ordered_json breakdown_json(const Breakdown& b);

// The breakdown as lines of text, as the window's tooltip shows it.
std::string breakdown_text(const Breakdown& b, const NumberFormat& fmt);

// The tooltip of a result label: the breakdown text of each of its names,
// a blank line between; "" for a label without breakdown.
std::string label_breakdown_text(const Calculator& calc, Ctl label);

// The short caption of a result label as deltas and breakdowns name it:
// "HP 1h", "Atk-Pow 2h", "Evasion", ...; "" for no result label.
std::string result_caption(Ctl label);
// The caption without the column ("HP", "Atk-Pow"), and the column: 0 for
// the one-handed, 1 for the two-handed, -1 for a value of both.
std::string result_name(Ctl label);
int result_column(Ctl label);

// The number of a label text: part 0 its first number, 1 and 2 the lower
// and upper end of a range "A - B". Thousands separators are skipped.
std::optional<double> label_number(std::string_view text, int part, const NumberFormat& fmt);

}  // namespace brennick
