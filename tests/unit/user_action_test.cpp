// Changes and clicks named by text, as scripts give them.
#include <gtest/gtest.h>

#include "pipeline/user_action.h"
#include "engine/startup.h"
#include "tests/unit/test_sheet.h"

using namespace brennick;

TEST(UserAction, ParsesWhatSuitsTheControl) {
  EXPECT_TRUE(parse_user_action(true, "stat_health=30"));
  EXPECT_TRUE(parse_user_action(true, "stat_armor_abs=1,5"));  // text boxes take any text
  EXPECT_TRUE(parse_user_action(true, "Select_class=5"));
  EXPECT_TRUE(parse_user_action(true, "level_30_done=1"));
  for (const char* bad : {"no_such_control=1", "stat_health", "stat_health=abc", "Select_class=x",
                          "level_30_done=2", "Lbl_final_stat_HP=5", "=3"})
    EXPECT_FALSE(parse_user_action(true, bad)) << bad;

  const auto menu_item = parse_user_action(false, "Axe05@TabSheet5");
  ASSERT_TRUE(menu_item);
  EXPECT_FALSE(menu_item->control);
  EXPECT_EQ(menu_item->value, "Axe05");
  EXPECT_EQ(menu_item->page, Ctl::TabSheet5);
  EXPECT_FALSE(parse_user_action(false, "Axe05@NoSuchPage"));
  const auto picture = parse_user_action(false, "img_castOn_stat_1");
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->control, Ctl::img_castOn_stat_1);
}

TEST(UserAction, AppliesAsTheUserWould) {
  TestSheet s;
  start_sheet(s.calc);
  EXPECT_TRUE(apply_user_action(s.calc, *parse_user_action(true, "Select_class=0")));
  EXPECT_EQ(s.text(Ctl::stat_strenght), "28") << "the class branch ran";
  EXPECT_TRUE(apply_user_action(s.calc, *parse_user_action(true, "stat_level=5000")));
  EXPECT_EQ(s.text(Ctl::stat_level), "1000") << "number fields are clamped like the arrows";
  EXPECT_TRUE(apply_user_action(s.calc, *parse_user_action(false, "img_castOn_stat_1")));
  EXPECT_EQ(s.st().cast_on_on[0], 1);
  EXPECT_FALSE(apply_user_action(s.calc, *parse_user_action(false, "NoSuchItem07")));
  EXPECT_EQ(s.calc.sheet.status_panel1, "OK");
}
