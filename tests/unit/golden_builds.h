// The golden builds of tests/golden/ rebuilt in the test process: their
// .args read back into user actions, and the sheet compared as brennick-cli
// prints it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "buildfile/build_code.h"
#include "buildfile/build_file.h"
#include "engine/sheet_json.h"
#include "pipeline/user_action.h"
#include "tests/unit/build_file_test_util.h"

namespace brennick::testing_golden {

using namespace brennick::testing_build;

struct GoldenBuild {
  std::string name;
  NumberFormat format = NumberFormat::point();
  std::optional<fs::path> build;  // a committed build file loaded first
  std::optional<std::string> code;  // or a build code pasted first
  std::vector<UserAction> actions;
  bool only_stored_controls = true;  // every action changes a control the file stores
};

inline bool stored(Ctl id) {
  for (const BuildKey& k : build_keys())
    if (k.control == id) return true;
  return false;
}

// Reads a golden .args file (one argument a line: --locale, --set only).
inline GoldenBuild read_golden(const fs::path& file) {
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
    } else if (args[i] == "--code" && i + 1 < args.size()) {
      g.code = args[++i];
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
inline void build(StartedSheet& p, const GoldenBuild& g) {
  if (g.build) p.load(*g.build);
  if (g.code) {
    EXPECT_TRUE(p.calc.user_paste_build_code(*g.code));
  }
  for (const UserAction& a : g.actions) EXPECT_TRUE(apply_user_action(p.calc, a)) << a.value;
}

// What the file stores, as the sheet shows it.
inline std::string stored_controls(const Calculator& calc) {
  std::string out;
  for (const BuildKey& k : build_keys()) {
    if (k.kind == BuildKeyKind::Version) continue;
    const Control& c = calc.sheet[k.control];
    out += std::string(k.key) + "=" + c.text + "|" + std::to_string(c.row) + "|" + std::to_string(c.checked) + "\n";
  }
  return out;
}

// The sheet as brennick-cli prints it, without the file name label.
inline std::string printed(const Calculator& calc) {
  nlohmann::ordered_json j = sheet_json(calc);
  j["controls"].erase("lbl_filename");
  return j.dump(1);
}

// "" when the texts are equal, else their first differing line (keeps
// failure messages short).
inline std::string first_difference(const std::string& a, const std::string& b) {
  if (a == b) return "";
  std::istringstream sa(a), sb(b);
  std::string la, lb;
  for (int n = 1;; ++n) {
    const bool ea = !std::getline(sa, la), eb = !std::getline(sb, lb);
    if (ea || eb || la != lb) return "line " + std::to_string(n) + ": " + (ea ? "<end>" : la) + " / " + (eb ? "<end>" : lb);
  }
}

inline std::vector<fs::path> golden_cases() {
  std::vector<fs::path> out;
  for (const auto& e : fs::directory_iterator(fs::path(BRENNICK_SOURCE_DIR) / "tests" / "golden"))
    if (e.path().extension() == ".args") {
      // Cases of the browse, skills and code commands hold no build; those
      // of explain and delta print no sheet.
      std::ifstream in(e.path());
      std::string first;
      std::getline(in, first);
      // Nor does a case of a code that is refused.
      bool refused = false;
      if (!first.empty() && first.back() == '\r') first.pop_back();
      for (std::string line, previous = first; std::getline(in, line); previous = line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (previous == "--code") {
          try {
            document_of_build_code(line);
          } catch (const BuildCodeError&) {
            refused = true;
          }
        }
      }
      if (first != "browse" && first != "skills" && first != "code" && first != "explain" && first != "delta" &&
          !refused)
        out.push_back(e.path());
    }
  std::sort(out.begin(), out.end());
  return out;
}


}  // namespace brennick::testing_golden
