// The class reports' tests run on the shared report fixture.
#pragma once

#include "tests/unit/report_fixture.h"

namespace brennick {
using ReportSheet = ReportFixture;
}  // namespace brennick
