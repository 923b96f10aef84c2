// Every golden build survives the build file: saving it and loading it back
// gives the same sheet, and saving the loaded sheet again gives the same
// bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "buildfile/build_file.h"
#include "base/number_text.h"
#include "engine/sheet_json.h"
#include "pipeline/user_action.h"
#include "tests/unit/build_file_test_util.h"
#include "tests/unit/golden_builds.h"

using namespace brennick;
using namespace brennick::testing_build;
using namespace brennick::testing_golden;


TEST(BuildRoundTrip, EveryGoldenBuildSurvivesSaveAndLoad) {
  const std::vector<fs::path> cases = golden_cases();
  ASSERT_GE(cases.size(), 20u);
  TempDir dir;
  int checked = 0;
  for (const fs::path& file : cases) {
    const GoldenBuild g = read_golden(file);
    SCOPED_TRACE(g.name);

    StartedSheet original(g.format);
    build(original, g);
    const fs::path first = dir / (g.name + ".1.brk");
    original.dialogs.save_answers.push_back(first.string());
    ASSERT_EQ(file_saveClick(original.calc), SaveOutcome::Saved);

    // load -> save -> load: the same sheet; save -> load -> save: the same bytes.
    StartedSheet loaded(g.format);
    loaded.load(first);
    EXPECT_EQ(loaded.calc.sheet.status_panel1, original.calc.sheet.status_panel1);
    const fs::path second = dir / (g.name + ".2.brk");
    loaded.dialogs.save_answers.push_back(second.string());
    ASSERT_EQ(file_saveClick(loaded.calc), SaveOutcome::Saved);
    EXPECT_EQ(first_difference(read_bytes(first), read_bytes(second)), "");

    StartedSheet again(g.format);
    again.load(second);
    EXPECT_EQ(first_difference(printed(again.calc), printed(loaded.calc)), "");

    // What the file stores is what the original sheet showed; when the
    // build was made only of stored controls, so is every result.
    EXPECT_EQ(first_difference(stored_controls(loaded.calc), stored_controls(original.calc)), "");
    if (g.only_stored_controls && original.calc.passes() > 0) {
      EXPECT_EQ(first_difference(printed(loaded.calc), printed(original.calc)), "");
    }
    ++checked;
  }
  EXPECT_GE(checked, 20);
}

TEST(BuildRoundTrip, FileWrittenUnderOneLocaleLoadsTheSameUnderTheOther) {
  TempDir dir;
  for (const fs::path& file : golden_cases()) {
    const GoldenBuild g = read_golden(file);
    if (!g.only_stored_controls || g.actions.empty() || g.format.decimal_comma()) continue;
    SCOPED_TRACE(g.name);
    StartedSheet original(g.format);
    build(original, g);
    const fs::path saved = dir / (g.name + ".brk");
    original.dialogs.save_answers.push_back(saved.string());
    ASSERT_EQ(file_saveClick(original.calc), SaveOutcome::Saved);

    StartedSheet comma(NumberFormat::comma());
    comma.load(saved);
    EXPECT_EQ(comma.calc.sheet.status_panel1, "OK");
    // The results are the same numbers (shown with the other separators).
    auto digits = [](std::string t) {
      std::erase_if(t, [](char c) { return c == '.' || c == ','; });
      return t;
    };
    for (Ctl id : {Ctl::Lbl_final_stat_HP, Ctl::Lbl_final_stat_def, Ctl::Lbl_final_stat_abs,
                   Ctl::Lbl_final_stat_atkpow, Ctl::Lbl_final_stat_rtg, Ctl::Lbl_final_stat_mp_regen})
      EXPECT_EQ(digits(comma.calc.sheet.text(id)), digits(original.calc.sheet.text(id))) << control_spec(id).name;
    // Saved again under the comma locale: the same file.
    comma.dialogs.save_answers.push_back((dir / (g.name + ".c.brk")).string());
    ASSERT_EQ(file_saveClick(comma.calc), SaveOutcome::Saved);
    EXPECT_EQ(first_difference(read_bytes(saved), read_bytes(dir / (g.name + ".c.brk"))), "");
  }
}
