// The pass trace, the breakdowns of the result labels and the item deltas.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "engine/startup.h"
#include "equipment/weapon_menu.h"
#include "pipeline/menu_model.h"
#include "pipeline/breakdown.h"
#include "pipeline/item_delta.h"
#include "pipeline/pass_trace.h"
#include "pipeline/user_action.h"
#include "tests/unit/test_sheet.h"

using namespace brennick;

namespace {

// The --set / --click arguments of a golden build, applied in order.
void enter_golden(Planner& calc, const std::string& name) {
  std::ifstream in(std::string(BRENNICK_SOURCE_DIR) + "/tests/golden/" + name + ".args");
  ASSERT_TRUE(in) << name;
  std::string option, argument;
  while (std::getline(in, option) && std::getline(in, argument)) {
    const auto action = parse_user_action(option == "--set", argument);
    ASSERT_TRUE(action) << argument;
    ASSERT_TRUE(apply_user_action(calc, *action)) << argument;
  }
  ASSERT_EQ(calc.sheet.status_panel1, "OK") << name;
}

const char* const kClassBuilds[] = {"fighter_high", "mechanician_high", "archer_high",   "pikeman_high",
                                    "atalanta_high", "knight_high",     "magician_high", "priestess_high"};

}  // namespace

// --- the pass trace ------------------------------------------------------------

TEST(PassTrace, BoostHealthAddsItsHitPointsInTheSkillStep) {
  TestSheet s;
  start_sheet(s.calc);
  s.pick(Fighter);
  s.calc.user_set_value(Ctl::stat_level, 100);
  PassTrace trace;
  s.calc.pass_observer = &trace;
  s.calc.user_set_value(Ctl::skill_level_4_4, 10);
  s.calc.pass_observer = nullptr;
  ASSERT_EQ(trace.steps().size(), 24u);
  const PassTrace::Step* skills = trace.at(20);
  ASSERT_TRUE(skills);
  EXPECT_STREQ(skills->operation, "Calc_skills");
  EXPECT_EQ(skills->state.final_hp - trace.at(19)->state.final_hp, 100);

  const nlohmann::ordered_json json = trace_json(trace);
  ASSERT_EQ(json.size(), 24u);
  EXPECT_EQ(json[19]["step"], 20);
  EXPECT_EQ(json[19]["operation"], "Calc_skills");
  EXPECT_EQ(json[19]["changed"]["final_hp"], s.st().final_hp);
  EXPECT_EQ(json[6]["operation"], "Calc_HP");
  EXPECT_FALSE(json[6]["changed"].contains("final_hp")) << "the base hit points did not change";
  EXPECT_EQ(json[23]["operation"], "display_final_results");
}

TEST(PassTrace, ListsOnlyWhatEachStepChanged) {
  TestSheet s;
  start_sheet(s.calc);
  s.pick(Knight);
  PassTrace trace;
  s.calc.pass_observer = &trace;
  s.calc.user_set_value(Ctl::stat_health, s.calc.sheet.value(Ctl::stat_health) + 10);
  const nlohmann::ordered_json json = trace_json(trace);
  ASSERT_EQ(json.size(), 24u);
  EXPECT_TRUE(json[6]["changed"].contains("final_hp"));
  EXPECT_TRUE(json[6]["changed"].contains("final_hp_2"));
  EXPECT_TRUE(json[10]["changed"].empty()) << "health changes no defence: " << json[10].dump();
}

TEST(PassTrace, ABadDecimalBoxEndsTheTraceAtTheFailingStep) {
  for (NumberFormat f : {NumberFormat::point(), NumberFormat::comma()}) {
    TestSheet s(f);
    start_sheet(s.calc);
    s.pick(Knight);
    PassTrace trace;
    s.calc.pass_observer = &trace;
    // The other separator than the locale's makes no number.
    s.calc.user_set_text(Ctl::stat_armor_abs, f.decimal_comma() ? "1.5x" : "1,5x");
    ASSERT_NE(s.calc.sheet.status_panel1, "OK");
    ASSERT_FALSE(trace.steps().empty());
    EXPECT_EQ(trace.steps().back().step, 1);
    EXPECT_TRUE(trace.steps().back().failed);
    const nlohmann::ordered_json json = trace_json(trace);
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0]["operation"], "get_data_from_fields");
  }
}

// --- breakdowns ------------------------------------------------------------------

TEST(Breakdown, PartsAndRoundingSumToTheShownValueForEveryClassAndLabel) {
  for (const char* build : kClassBuilds) {
    TestSheet s;
    start_sheet(s.calc);
    enter_golden(s.calc, build);
    const Sheet before = s.calc.sheet;
    for (const std::string& name : breakdown_names()) {
      const std::optional<Breakdown> b = explain(s.calc, name);
      ASSERT_TRUE(b) << name;
      ASSERT_TRUE(b->error.empty()) << build << " " << name << ": " << b->error;
      double sum = b->floor + b->rounding;
      for (const BreakdownPart& p : b->parts) sum += p.amount;
      EXPECT_NEAR(sum, b->value, 1e-6) << build << " " << name;
      const std::string shown = s.calc.sheet.text(control_by_name(name.substr(0, name.find('.'))).value());
      EXPECT_NE(shown.find(format_general(b->value, s.calc.format())), std::string::npos)
          << build << " " << name << ": " << shown;
    }
    for (Ctl id : all_controls()) ASSERT_EQ(s.calc.sheet[id].text, before[id].text) << "the user's sheet is untouched";
  }
}

TEST(Breakdown, SharesOfAKnownBuild) {
  TestSheet s;
  start_sheet(s.calc);
  enter_golden(s.calc, "knight_mid");
  const Breakdown hp = *explain(s.calc, "Lbl_final_stat_HP");
  EXPECT_EQ(hp.value, 480);
  auto share = [&](const Breakdown& b, const std::string& source) {
    for (const BreakdownPart& p : b.parts)
      if (p.source == source) return p.amount;
    return 0.0;
  };
  // Amulet and rings add their hit points one to one.
  EXPECT_EQ(share(hp, "Amulet"), 23);
  EXPECT_EQ(share(hp, "Ring 1"), 14);
  EXPECT_EQ(share(hp, "Ring 2"), 11);
  EXPECT_EQ(share(hp, "Quests"), 15);  // Tier 3 quest
  EXPECT_EQ(share(hp, "Gems and mixing"), 9);
  EXPECT_TRUE(explain(s.calc, "Lbl_final_stat_atkpow.max"));
  EXPECT_FALSE(explain(s.calc, "Lbl_final_stat_atkpow")) << "a range is explained by its ends";
  EXPECT_FALSE(explain(s.calc, "no_such_label"));
}

TEST(Breakdown, NamesTheSkillThatChangedTheValue) {
  TestSheet s;
  start_sheet(s.calc);
  s.pick(Fighter);
  s.calc.user_set_value(Ctl::stat_level, 100);
  s.calc.user_set_value(Ctl::skill_level_4_4, 10);
  const Breakdown hp = *explain(s.calc, "Lbl_final_stat_HP");
  ASSERT_FALSE(hp.parts.empty());
  EXPECT_EQ(hp.parts.back().source, "Boost Health");
  EXPECT_EQ(hp.parts.back().amount, 100);
  const nlohmann::ordered_json json = breakdown_json(hp);
  EXPECT_EQ(json["label"], "Lbl_final_stat_HP");
  EXPECT_EQ(json["value"], s.st().final_hp);
  EXPECT_NE(breakdown_text(hp, s.calc.format()).find("rounding and interplay"), std::string::npos);
}

TEST(Breakdown, LabelNumbersInBothLocales) {
  EXPECT_EQ(label_number("1,234", 0, NumberFormat::point()), 1234);
  EXPECT_EQ(label_number("1.234", 0, NumberFormat::comma()), 1234);
  EXPECT_EQ(label_number("12,5 (13)", 0, NumberFormat::comma()), 12.5);
  EXPECT_EQ(label_number("12.5 (13)", 0, NumberFormat::point()), 12.5);
  EXPECT_EQ(label_number("85 - 124", 1, NumberFormat::point()), 85);
  EXPECT_EQ(label_number("85 - 124", 2, NumberFormat::point()), 124);
  EXPECT_EQ(label_number("-3 %", 0, NumberFormat::point()), -3);
  EXPECT_FALSE(label_number("", 0, NumberFormat::point()));
  EXPECT_FALSE(label_number("12", 2, NumberFormat::point()));
}

// --- item deltas -----------------------------------------------------------------

// A delta equals the difference of two evaluations, one with the change and
// one without, for every row of every list of a golden build.
TEST(ItemDelta, EveryRowOfEveryListEqualsTheDifferenceOfTwoEvaluations) {
  TestSheet s;
  start_sheet(s.calc);
  enter_golden(s.calc, "knight_mid");
  DeltaProbe probe(s.calc);
  int measured = 0;
  for (Ctl list : all_controls()) {
    if (control_spec(list).kind != ControlKind::DropDown || list == Ctl::Select_class) continue;
    for (int row = 0; row < static_cast<int>(s.calc.sheet[list].rows.size()); ++row) {
      const UserAction action = select_row_action(list, row);
      const auto changes = probe.changes(action);
      ASSERT_TRUE(changes);
      // The second evaluation: the build entered again, then the change.
      TestSheet other;
      start_sheet(other.calc);
      enter_golden(other.calc, "knight_mid");
      apply_user_action(other.calc, action);
      std::size_t next = 0;
      for (Ctl label : result_labels()) {
        const std::string& without = s.calc.sheet.text(label);
        const std::string& with = other.calc.sheet.text(label);
        if (with == without) continue;
        ASSERT_LT(next, changes->size()) << control_spec(list).name << " row " << row;
        EXPECT_EQ((*changes)[next].label, label);
        EXPECT_EQ((*changes)[next].before, without);
        EXPECT_EQ((*changes)[next].after, with);
        ++next;
      }
      EXPECT_EQ(next, changes->size()) << control_spec(list).name << " row " << row;
      ++measured;
    }
  }
  EXPECT_GT(measured, 100);
}

TEST(ItemDelta, LinesAreSignedDifferencesPerColumn) {
  const NumberFormat f = NumberFormat::point();
  const std::vector<LabelChange> changes = {
      {Ctl::Lbl_final_stat_HP, "100", "112"},       {Ctl::Lbl_final_stat_HP_2, "90", "102"},
      {Ctl::Lbl_final_stat_def, "300", "340"},      {Ctl::Lbl_final_stat_atkpow, "10 - 20", "15 - 28"},
      {Ctl::Lbl_final_stat_abs_2, "3.5 (4)", "3.25 (4)"}, {Ctl::Lbl_final_stat_eva, "2 %", "5 %"}};
  const std::vector<std::string> lines = delta_lines(changes, f);
  EXPECT_EQ(lines, (std::vector<std::string>{"HP +12", "Def 1h +40", "Atk-Pow 1h +5 - +8", "Abs 2h -0.25",
                                             "Evasion +3"}));
  EXPECT_EQ(delta_lines({{Ctl::Lbl_final_stat_abs, "3,5 (4)", "3,75 (4)"}}, NumberFormat::comma()),
            std::vector<std::string>{"Abs 1h +0,25"});
}

TEST(ItemDelta, WeaponMenuItemsOfThePageAndDisabledOnes) {
  TestSheet s;
  start_sheet(s.calc);
  enter_golden(s.calc, "knight_mid");
  DeltaProbe probe(s.calc);
  const auto sword = probe.changes(menu_item_action("Sword05", Ctl::TabSheet5));
  ASSERT_TRUE(sword);
  EXPECT_FALSE(sword->empty());
  for (const LabelChange& c : *sword) EXPECT_NE(result_column(c.label), 1) << "a one-hand sword leaves the 2h column";
  EXPECT_FALSE(probe.changes(menu_item_action("NoSuch01", Ctl::TabSheet5)));
  const std::string hp = s.calc.sheet.text(Ctl::Lbl_final_stat_HP);
  EXPECT_EQ(s.calc.sheet.text(Ctl::stat_weap_min_pow), "31") << "the user's sheet is untouched";
  EXPECT_EQ(s.calc.sheet.text(Ctl::Lbl_final_stat_HP), hp);
}
