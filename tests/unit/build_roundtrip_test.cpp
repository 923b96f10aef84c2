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

using namespace brennick;
using namespace brennick::testing_build;

namespace {

struct GoldenBuild {
  std::string name;
  NumberFormat format = NumberFormat::point();
  std::optional<fs::path> build;  // a committed build file loaded first
  std::vector<UserAction> actions;
  bool only_stored_controls = true;  // every action changes a control the file stores
};

bool stored(Ctl id) {
  for (const BuildKey& k : build_keys())
    if (k.control == id) return true;
  return false;
}

// Reads a golden .args file (one argument a line: --locale, --set only).
GoldenBuild read_golden(const fs::path& file) {
  GoldenBuild g;
  g.name = file.stem().string();
  std::ifstream in(file);
  std::vector<std::string> args;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) args.push_back(line);
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--locale" && i + 1 < args.size()) {
      g.format = args[++i] == "comma" ? NumberFormat::comma() : NumberFormat::point();
    } else if ((args[i] == "--set" || args[i] == "--click") && i + 1 < args.size()) {
      const bool set = args[i] == "--set";
      const std::string& a = args[++i];
      const auto action = parse_user_action(set, a);
      if (!action) {
        ADD_FAILURE() << file << ": bad " << args[i - 1] << " " << a;
        continue;
      }
      g.actions.push_back(*action);
      g.only_stored_controls = g.only_stored_controls && set && stored(*action->control);
    } else if (args[i] == "--json" || args[i] == "--trace") {
    } else if (!args[i].starts_with("-") && !g.build) {
      g.build = file.parent_path() / args[i];
    } else {
      ADD_FAILURE() << file << ": argument the round trip does not handle: " << args[i];
    }
  }
  return g;
}

// The golden sheet, as brennick-cli builds it before printing.
void build(Session& p, const GoldenBuild& g) {
  if (g.build) p.load(*g.build);
  for (const UserAction& a : g.actions) EXPECT_TRUE(apply_user_action(p.calc, a)) << a.value;
}

// What the file stores, as the sheet shows it.
std::string stored_controls(const Calculator& calc) {
  std::string out;
  for (const BuildKey& k : build_keys()) {
    if (k.kind == BuildKeyKind::Version) continue;
    const Control& c = calc.sheet[k.control];
    out += std::string(k.key) + "=" + c.text + "|" + std::to_string(c.row) + "|" + std::to_string(c.checked) + "\n";
  }
  return out;
}

// The sheet as brennick-cli prints it, without the file name label.
std::string printed(const Calculator& calc) {
  nlohmann::ordered_json j = sheet_json(calc);
  j["controls"].erase("lbl_filename");
  return j.dump(1);
}

// "" when the texts are equal, else their first differing line (keeps
// failure messages short).
std::string first_difference(const std::string& a, const std::string& b) {
  if (a == b) return "";
  std::istringstream sa(a), sb(b);
  std::string la, lb;
  for (int n = 1;; ++n) {
    const bool ea = !std::getline(sa, la), eb = !std::getline(sb, lb);
    if (ea || eb || la != lb) return "line " + std::to_string(n) + ": " + (ea ? "<end>" : la) + " / " + (eb ? "<end>" : lb);
  }
}

std::vector<fs::path> golden_cases() {
  std::vector<fs::path> out;
  for (const auto& e : fs::directory_iterator(fs::path(BRENNICK_SOURCE_DIR) / "tests" / "golden"))
    if (e.path().extension() == ".args") {
      // Cases of the browse and skills commands hold no build; those of
      // explain and delta print no sheet.
      std::ifstream in(e.path());
      std::string first;
      std::getline(in, first);
      if (first != "browse" && first != "skills" && first != "explain" && first != "delta") out.push_back(e.path());
    }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace

TEST(BuildRoundTrip, EveryGoldenBuildSurvivesSaveAndLoad) {
  const std::vector<fs::path> cases = golden_cases();
  ASSERT_GE(cases.size(), 20u);
  TempDir dir;
  int checked = 0;
  for (const fs::path& file : cases) {
    const GoldenBuild g = read_golden(file);
    SCOPED_TRACE(g.name);

    Session original(g.format);
    build(original, g);
    const fs::path first = dir / (g.name + ".1.brk");
    original.dialogs.save_answers.push_back(first.string());
    ASSERT_EQ(file_saveClick(original.calc), SaveOutcome::Saved);

    // load -> save -> load: the same sheet; save -> load -> save: the same bytes.
    Session loaded(g.format);
    loaded.load(first);
    EXPECT_EQ(loaded.calc.sheet.status_panel1, original.calc.sheet.status_panel1);
    const fs::path second = dir / (g.name + ".2.brk");
    loaded.dialogs.save_answers.push_back(second.string());
    ASSERT_EQ(file_saveClick(loaded.calc), SaveOutcome::Saved);
    EXPECT_EQ(first_difference(read_bytes(first), read_bytes(second)), "");

    Session again(g.format);
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
    Session original(g.format);
    build(original, g);
    const fs::path saved = dir / (g.name + ".brk");
    original.dialogs.save_answers.push_back(saved.string());
    ASSERT_EQ(file_saveClick(original.calc), SaveOutcome::Saved);

    Session comma(NumberFormat::comma());
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
