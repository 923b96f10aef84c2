// spec_requirement: the requirement that a specialised item
// with a raw requirement places on a statistic for a character of a class.
#pragma once

#include <limits>

namespace brennick {

// Statistic codes of spec_requirement (not the order of the record fields).
inline constexpr int kStatStrength = 1;
inline constexpr int kStatSpirit = 2;
inline constexpr int kStatTalent = 3;
inline constexpr int kStatAgility = 4;

// What spec_requirement gives for Strength, Spirit and Agility when the class
// is outside 0..7 (−1: no class chosen): a value above any statistic (the
// statistic fields hold at most 1000), so the requirement counts as not met.
inline constexpr int kRequirementNeverMet = std::numeric_limits<int>::max();

// The requirement for statistic `stat` (1 Strength, 2 Spirit, 3 Talent,
// 4 Agility) of a specialised item with raw requirement `value` (0..255),
// for class `class_index` (0 Fighter .. 7 Priestess); `lower` chooses the
// lower, easier end (true) or the upper end (false). Each end is one of
// "up by k" = floor(v + v·k), "down by k" = ceil(v − v·k) or "unchanged" = v,
// computed exactly in integers. With a class outside 0..7 Strength, Spirit
// and Agility give kRequirementNeverMet and Talent gives `value` unchanged.
// A stat code outside 1..4 (never passed by the system) gives `value`.
int spec_requirement(int value, int stat, int class_index, bool lower);

}  // namespace brennick
