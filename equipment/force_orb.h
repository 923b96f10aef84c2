// Force orbs: the nine orbs of Select_ForceOrb, the levels at which each
// works and the attack power it adds. handle_ForceOrb (step 17
// of every pass) applies the chosen one.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace brennick {

class Calculator;

struct ForceOrbRule {
  std::string_view name;
  std::string_view label;  // two lines of lbl_forceorb, joined by CR LF
  bool from_level_50;      // works from level 50 on; otherwise up to `max_level`
  std::int32_t max_level;  // highest level at which a low orb works
  std::uint8_t power;      // added to minimum and maximum
  bool tenth;              // the maximum also gains a tenth of the column's attack power
};

inline constexpr int kForceOrbRows = 9;  // rows 1..9 of Select_ForceOrb; row 0 is "none"

// The orb of row 1..9.
const ForceOrbRule& force_orb_rule(int row);

// True when the orb of row 1..9 works at the level given by stat_level.
bool force_orb_works(int row, std::int32_t level);

// The ten-per-cent orbs' maximum addition: floor(p + m * 0.1) with 0.1 the
// extended value just above one tenth, so p + m / 10 (rounded down) for m >= 0.
std::int32_t force_orb_tenth_max(std::uint8_t power, std::int32_t column_max);

// Step 17 of the pass: the chosen orb's colour, label, picture and additions.
void handle_ForceOrb(Calculator& calc);

}  // namespace brennick
