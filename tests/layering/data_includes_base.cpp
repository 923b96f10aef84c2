// The catalog layer sees itself and the layer below it: this compiles.
#include "base/number_text.h"
#include "data/calc_skill.h"
