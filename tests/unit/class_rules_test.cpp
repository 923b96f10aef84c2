// Class rules: start values and minimums, class captions and armour list, the
// class handed to the windows, quests, free-point counters, level labels.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "data/item_tables.h"
#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"

using namespace brennick;

namespace {

using Sheet1 = TestSheet;

class RecordingWindows : public ClassListener {
 public:
  void set_class(WindowId w, int row) override { calls.emplace_back(w, row); }
  std::vector<std::pair<WindowId, int>> calls;
};

Ctl skill_level(int tier, int n) { return slot_controls((tier - 1) * 4 + n - 1).level; }
Ctl levelreg(int tier, int n) { return slot_controls((tier - 1) * 4 + n - 1).levelreg; }

}  // namespace

TEST(ClassRules, SelectingAClassWritesItsStartValues) {
  Sheet1 s;
  s.set(Ctl::stat_strenght, "200");  // higher than the start value: overwritten all the same
  s.pick(Knight);
  EXPECT_EQ(s.text(Ctl::stat_strenght), "26");
  EXPECT_EQ(s.text(Ctl::stat_spirit), "13");
  EXPECT_EQ(s.text(Ctl::stat_talent), "17");
  EXPECT_EQ(s.text(Ctl::stat_agility), "19");
  EXPECT_EQ(s.text(Ctl::stat_health), "24");
  EXPECT_EQ(s.calc.sheet[Ctl::stat_health].min, 24);
  EXPECT_EQ(s.calc.sheet[Ctl::stat_spirit].min, 13);
}

TEST(ClassRules, MinimumChangesWithoutTouchingTheValue) {
  Sheet1 s;
  s.set(Ctl::stat_spirit, "3");
  s.calc.sheet.set_row(Ctl::Select_class, Magician);
  s.calc.set_stat_min_values();
  EXPECT_EQ(s.calc.sheet[Ctl::stat_spirit].min, 29);
  EXPECT_EQ(s.text(Ctl::stat_spirit), "3");
  EXPECT_EQ(s.calc.sheet.value(Ctl::stat_spirit), 3);  // the typed value is read as it is
}

TEST(ClassRules, WithoutAClassTheClassOperationsDoNothing) {
  Sheet1 s;
  s.set(Ctl::stat_strenght, "40");
  s.calc.Insert_start_values();
  s.calc.set_stat_min_values();
  EXPECT_EQ(s.text(Ctl::stat_strenght), "40");
  EXPECT_EQ(s.calc.sheet[Ctl::stat_strenght].min, 0);
  EXPECT_EQ(s.text(Ctl::TabSheet7), "Armor");
  EXPECT_FALSE(s.calc.sheet[Ctl::stat_robe_regen].enabled);
}

TEST(ClassRules, CaptionsPerClass) {
  const char* captions[] = {"Armor is FS", "Armor is AS", "Armor is PS",  "Armor is MS",
                            "Armor is AtS", "Armor is KS", "Robe is Mgs", "Robe is Prs"};
  for (int c = 0; c < 8; ++c) {
    Sheet1 s;
    s.pick(c);
    EXPECT_EQ(s.text(Ctl::chk_armor_is_right_spec), captions[c]);
    EXPECT_EQ(s.text(Ctl::TabSheet7), c >= 6 ? "Robe" : "Armor");
    EXPECT_EQ(s.calc.sheet[Ctl::stat_robe_regen].enabled, c >= 6);
    EXPECT_EQ(s.calc.sheet[Ctl::Label23].enabled, c >= 6);
  }
}

TEST(ClassRules, KnightToMagicianListsTheRobes) {
  Sheet1 s;
  s.pick(Knight);
  const ItemCatalog& items = item_catalog();
  const auto& armour_rows = s.calc.sheet[Ctl::Select_Armor].rows;
  ASSERT_EQ(armour_rows.size(), 19u);
  EXPECT_EQ(armour_rows[0], "none/manual input");
  EXPECT_EQ(armour_rows[1], items.armor_table[0].name);
  EXPECT_EQ(armour_rows[18], items.armor_table[17].name);

  s.pick(Magician);
  EXPECT_EQ(s.text(Ctl::TabSheet7), "Robe");
  EXPECT_TRUE(s.calc.sheet[Ctl::stat_robe_regen].enabled);
  EXPECT_TRUE(s.calc.sheet[Ctl::Label23].enabled);
  const auto& robe_rows = s.calc.sheet[Ctl::Select_Armor].rows;
  ASSERT_EQ(robe_rows.size(), 19u);
  EXPECT_EQ(robe_rows[0], "none/manual input");
  for (int i = 0; i < kRobeRows; ++i) EXPECT_EQ(robe_rows[i + 1], items.robe_table[i].name);
  EXPECT_EQ(s.calc.sheet.row(Ctl::Select_Armor), -1);  // refilled: no row selected

  s.pick(Knight);
  EXPECT_EQ(s.text(Ctl::TabSheet7), "Armor");
  EXPECT_FALSE(s.calc.sheet[Ctl::stat_robe_regen].enabled);
  EXPECT_FALSE(s.calc.sheet[Ctl::Label23].enabled);
}

TEST(ClassRules, ClassGoesToTheWindows) {
  using W = WindowId;
  RecordingWindows windows;
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, &windows});

  calc.user_select_row(Ctl::Select_class, Priestess);
  const std::vector<std::pair<W, int>> priestess = {
      {W::Amulets, 7}, {W::Armlets, 7}, {W::Boots, 7}, {W::Gaunts, 7}, {W::Rings, 7},
      {W::Sheltoms, 7}, {W::Weapons, 7}, {W::Skills, 7}, {W::Robes, 1}, {W::Orbs, 1}};
  EXPECT_EQ(windows.calls, priestess);

  windows.calls.clear();
  calc.user_select_row(Ctl::Select_class, Fighter);
  ASSERT_EQ(windows.calls.size(), 10u);
  EXPECT_EQ(windows.calls[8], std::make_pair(W::Shields, 0));
  EXPECT_EQ(windows.calls[9], std::make_pair(W::Armors, 0));

  windows.calls.clear();
  calc.sheet.set_row(Ctl::Select_class, -1);
  calc.pre_set_class();
  ASSERT_EQ(windows.calls.size(), 10u);
  for (const auto& call : windows.calls) EXPECT_EQ(call.second, -1);
  EXPECT_EQ(windows.calls[9].first, W::Armors);
}

TEST(ClassRules, NoWindowsAttachedIsFine) {
  Sheet1 s;
  s.pick(Magician);
  s.calc.pre_set_class();
  EXPECT_EQ(s.calc.sheet.status_panel1, "OK");
}

TEST(FreeStatPoints, ByLevel) {
  Sheet1 s;
  s.pick(Fighter);
  const std::pair<const char*, const char*> cases[] = {
      {"1", "0"}, {"2", "5"}, {"79", "390"}, {"80", "397"}, {"89", "460"}, {"90", "470"}, {"100", "570"}};
  for (const auto& [level, free] : cases) {
    s.set(Ctl::stat_level, level);
    s.pass();
    EXPECT_EQ(s.text(Ctl::Lbl_free_stat_points), free) << "level " << level;
    EXPECT_EQ(s.color(Ctl::Lbl_free_stat_points), colors::green);
  }
}

TEST(FreeStatPoints, OverspendingShowsRed) {
  Sheet1 s;
  s.pick(Fighter);
  s.set(Ctl::stat_health, "28");
  s.pass();
  EXPECT_EQ(s.text(Ctl::Lbl_free_stat_points), "-1");
  EXPECT_EQ(s.color(Ctl::Lbl_free_stat_points), colors::red);
  s.set(Ctl::stat_health, "27");
  s.pass();
  EXPECT_EQ(s.text(Ctl::Lbl_free_stat_points), "0");
  EXPECT_EQ(s.color(Ctl::Lbl_free_stat_points), colors::green);
}

TEST(Quests, RewardOnlyFromTheirLevel) {
  Sheet1 s;
  s.pick(Fighter);
  s.calc.sheet.set_checked(Ctl::level_70_done, true);
  s.set(Ctl::stat_level, "69");
  s.pass();
  EXPECT_EQ(s.calc.state.quest_bonus[2], 0);
  EXPECT_EQ(s.calc.state.quest_bonus[3], 0);
  EXPECT_EQ(s.text(Ctl::Lbl_free_stat_points), "340");
  EXPECT_EQ(s.text(Ctl::Lbl_free_sp), "30");

  s.set(Ctl::stat_level, "70");
  s.pass();
  EXPECT_EQ(s.calc.state.quest_bonus[2], 5);
  EXPECT_EQ(s.calc.state.quest_bonus[3], 1);
  EXPECT_EQ(s.text(Ctl::Lbl_free_stat_points), "350");  // 345 + 5
  EXPECT_EQ(s.text(Ctl::Lbl_free_sp), "32");           // 31 + 1
}

TEST(Quests, EveryRewardAtLevel90) {
  Sheet1 s;
  s.pick(Fighter);
  for (Ctl q : {Ctl::level_30_done, Ctl::tier3_done, Ctl::level_55_done, Ctl::level_70_done, Ctl::level_80_done,
                Ctl::level_90_done})
    s.calc.sheet.set_checked(q, true);
  s.set(Ctl::stat_level, "90");
  s.pass();
  const std::array<std::int32_t, 8> expected = {5, 1, 5, 1, 5, 2, 40, 15};
  EXPECT_EQ(s.calc.state.quest_bonus, expected);
  EXPECT_EQ(s.text(Ctl::Lbl_free_stat_points), "485");  // 470 + 15
  EXPECT_EQ(s.text(Ctl::Lbl_free_sp), "45");            // 41 + 4
  EXPECT_EQ(s.text(Ctl::Lbl_free_ep), "16");            // quests give no tier 4 points

  // Unchecking a quest takes its reward away in the next pass.
  s.calc.sheet.set_checked(Ctl::level_90_done, false);
  s.pass();
  EXPECT_EQ(s.calc.state.quest_bonus[6], 0);
}

TEST(Quests, AClassChangeEmptiesTheRewardsBeforeRecomputing) {
  Sheet1 s;
  s.pick(Fighter);
  s.calc.sheet.set_checked(Ctl::tier3_done, true);
  s.set(Ctl::stat_level, "45");
  s.pass();
  EXPECT_EQ(s.calc.state.quest_bonus[7], 15);
  s.set(Ctl::stat_level, "5");  // typed, no pass yet
  s.calc.state.quest_bonus[0] = 5;
  s.pick(Archer);
  EXPECT_EQ(s.calc.state.quest_bonus[7], 0);
  EXPECT_EQ(s.calc.state.quest_bonus[0], 0);
}

TEST(FreeSkillPoints, ByLevel) {
  Sheet1 s;
  s.pick(Fighter);
  s.set(skill_level(1, 1), "3");
  s.set(Ctl::stat_level, "9");
  s.pass();
  EXPECT_EQ(s.text(Ctl::Lbl_free_sp), "0");
  EXPECT_EQ(s.color(Ctl::Lbl_free_sp), colors::green);

  s.set(skill_level(1, 1), "0");
  const std::pair<const char*, const char*> cases[] = {{"10", "1"}, {"11", "1"}, {"12", "2"}, {"13", "2"}};
  for (const auto& [level, free] : cases) {
    s.set(Ctl::stat_level, level);
    s.pass();
    EXPECT_EQ(s.text(Ctl::Lbl_free_sp), free) << "level " << level;
  }
  // Tier 1 to 3 spend these points; tier 4 does not.
  s.set(skill_level(3, 4), "2");
  s.set(skill_level(4, 1), "5");
  s.pass();
  EXPECT_EQ(s.text(Ctl::Lbl_free_sp), "0");
  s.set(skill_level(2, 2), "1");
  s.pass();
  EXPECT_EQ(s.text(Ctl::Lbl_free_sp), "-1");
  EXPECT_EQ(s.color(Ctl::Lbl_free_sp), colors::red);
}

TEST(FreeTier4Points, ByLevel) {
  Sheet1 s;
  s.pick(Knight);
  s.set(skill_level(4, 2), "1");
  s.set(Ctl::stat_level, "59");
  s.pass();
  EXPECT_EQ(s.text(Ctl::Lbl_free_ep), "0");
  s.set(skill_level(4, 2), "0");
  s.set(Ctl::stat_level, "60");
  s.pass();
  EXPECT_EQ(s.text(Ctl::Lbl_free_ep), "1");
  EXPECT_EQ(s.color(Ctl::Lbl_free_ep), colors::green);
  s.set(skill_level(4, 2), "1");
  s.set(skill_level(4, 4), "1");
  s.pass();
  EXPECT_EQ(s.text(Ctl::Lbl_free_ep), "-1");
  EXPECT_EQ(s.color(Ctl::Lbl_free_ep), colors::red);
}

TEST(LevelRequirement, FollowsTheSkillLevel) {
  Sheet1 s;
  s.pass();
  EXPECT_EQ(s.text(levelreg(1, 1)), "Level 10");
  EXPECT_EQ(s.text(levelreg(2, 4)), "Level 30");
  EXPECT_EQ(s.text(levelreg(4, 4)), "Level 70");
  s.set(skill_level(1, 1), "1");
  s.pass();
  EXPECT_EQ(s.text(levelreg(1, 1)), "Level 10");
  s.set(skill_level(1, 1), "2");
  s.pass();
  EXPECT_EQ(s.text(levelreg(1, 1)), "Level 12");
  s.set(skill_level(1, 1), "10");
  s.set(skill_level(4, 3), "4");
  s.pass();
  EXPECT_EQ(s.text(levelreg(1, 1)), "Level 28");
  EXPECT_EQ(s.text(levelreg(4, 3)), "Level 72");
}
