// Skill reports and buffs cast on the character are not built yet: both
// steps of the pass do nothing for now.
#include "engine/calculator.h"

namespace brennick {

void Calculator::Calc_castOn(bool) {}
void Calculator::Calc_skills() {}

}  // namespace brennick
