// The start sheet of each locale, made once for a whole fuzzing run: a
// planner copies its sheet and state (as a scratch planner does) instead of
// filling the item lists again for every input.
#pragma once

#include "engine/services.h"
#include "engine/startup.h"
#include "pipeline/planner.h"

namespace brennick_fuzz {

inline const brennick::Planner& started(bool comma) {
  static brennick::SilentDialogs dialogs;
  static const auto make = [](brennick::NumberFormat format) {
    auto* p = new brennick::Planner(format, {&dialogs, nullptr, nullptr});
    brennick::start_sheet(*p);
    return p;
  };
  static const brennick::Planner* point_sheet = make(brennick::NumberFormat::point());
  static const brennick::Planner* comma_sheet = make(brennick::NumberFormat::comma());
  return comma ? *comma_sheet : *point_sheet;
}

inline void start_like(brennick::Planner& calc, bool comma) {
  calc.sheet = started(comma).sheet;
  calc.state = started(comma).state;
}

}  // namespace brennick_fuzz
