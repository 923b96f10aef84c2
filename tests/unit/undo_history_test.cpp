// The undo history: every user action is one step; undo gives back exactly
// the sheet and state before it, redo the ones after, and neither runs a pass.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "buildfile/build_file.h"
#include "engine/sheet_json.h"
#include "engine/startup.h"
#include "pipeline/undo_history.h"
#include "pipeline/user_action.h"
#include "tests/unit/test_sheet.h"

using namespace brennick;

namespace {

std::string json_of(const Calculator& calc) { return sheet_json(calc).dump(); }

std::vector<Ctl> controls_of(ControlKind kind) {
  std::vector<Ctl> out;
  for (Ctl id : all_controls())
    if (control_spec(id).kind == kind) out.push_back(id);
  return out;
}

// A build file written by the planner, for the load steps.
std::filesystem::path saved_build() {
  const auto path = std::filesystem::temp_directory_path() / "brennick_undo_test_build.brk";
  TestSheet s;
  start_sheet(s.calc);
  s.pick(Knight);
  s.calc.user_set_value(Ctl::stat_level, 80);
  s.calc.user_set_value(Ctl::stat_strenght, 120);
  s.calc.user_select_row(Ctl::Select_Armor, 5);
  save_build_file(s.calc, path);
  return path;
}

// Random user actions as a person gives them in the window.
class RandomUser {
 public:
  RandomUser(Planner& calc, UndoHistory& history, std::string build, unsigned seed)
      : calc_(calc), history_(history), build_(std::move(build)), rng_(seed) {
    numbers_ = controls_of(ControlKind::NumberField);
    boxes_ = controls_of(ControlKind::TextBox);
    lists_ = controls_of(ControlKind::DropDown);
    checks_ = controls_of(ControlKind::CheckBox);
  }

  // One action; true when it made a new step, and `extended` when it grew
  // the open typing step instead.
  bool act(bool& extended) {
    const std::size_t before = history_.undo_count();
    bool changed = false;
    switch (pick(12)) {
      case 0:
      case 1: {
        const Ctl id = any(numbers_);
        changed = history_.record(calc_, [&] { calc_.user_set_value(id, pick(160)); });
        break;
      }
      case 2:
      case 3: {  // a keystroke into a box; sometimes the box loses the focus
        if (!typing_ || pick(4) == 0) typing_ = any(boxes_);
        static const char keys[] = "0123456789,.x-";
        const std::string text = calc_.sheet.text(*typing_) + keys[pick(sizeof keys - 1)];
        const Ctl id = *typing_;
        changed = history_.record(calc_, [&] { calc_.user_set_text(id, text.substr(text.size() > 6 ? 1 : 0)); }, id);
        if (pick(3) == 0) {
          changed |= history_.record(calc_, [&] { calc_.user_leave(id); }, id);
          history_.end_typing();
          typing_.reset();
        }
        break;
      }
      case 4:
      case 5: {
        const Ctl id = any(lists_);
        const int rows = static_cast<int>(calc_.sheet[id].rows.size());
        if (rows == 0) break;
        changed = history_.record(calc_, [&] { calc_.user_select_row(id, pick(rows)); });
        break;
      }
      case 6: {
        const Ctl id = any(checks_);
        changed = history_.record(calc_, [&] { calc_.user_set_checked(id, !calc_.sheet.checked(id)); });
        break;
      }
      case 7: {  // a timed skill or a buff switched
        const Ctl id = pick(2) ? slot_controls(pick(16)).kind_img : cast_on_controls(pick(8)).stat_img;
        changed = history_.record(calc_, [&] { calc_.user_click(id); });
        break;
      }
      case 8: {  // an item of a right-click menu: insert, age, mix
        static const char* items[] = {"Axe05@TabSheet5", "Sword03@TabSheet6", "sheltom03", "sheltom09",
                                      "AgeA03",          "GemA06",            "age03@TabSheet6",
                                      "age02@TabSheet5", "gem07@TabSheet5",   "AgeO03",
                                      "GemS02",          "Wand02@TabSheet5"};
        const auto action = parse_user_action(false, items[pick(std::size(items))]);
        changed = history_.record(calc_, [&] { apply_user_action(calc_, *action); });
        break;
      }
      case 9: {
        const Ctl id = Ctl::Select_class;
        changed = history_.record(calc_, [&] { calc_.user_select_row(id, pick(8)); });
        break;
      }
      case 10:
        if (pick(4) == 0) changed = history_.record(calc_, [&] { calc_.user_click(Ctl::MainMenu_file_reset); });
        break;
      case 11:
        if (pick(4) == 0) changed = history_.record(calc_, [&] { calc_.user_load_file(build_); });
        break;
    }
    extended = changed && history_.undo_count() == before;
    return changed && history_.undo_count() > before;
  }

 private:
  int pick(std::size_t n) { return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_)); }
  Ctl any(const std::vector<Ctl>& from) { return from[static_cast<std::size_t>(pick(from.size()))]; }

  Planner& calc_;
  UndoHistory& history_;
  std::string build_;
  std::mt19937 rng_;
  std::vector<Ctl> numbers_, boxes_, lists_, checks_;
  std::optional<Ctl> typing_;
};

}  // namespace

TEST(UndoHistory, TwoThousandRandomActionsUndoToTheStartAndRedoToTheEnd) {
  const std::string build = saved_build().string();
  TestSheet s;
  start_sheet(s.calc);
  UndoHistory history(5000);
  RandomUser user(s.calc, history, build, 16);

  std::vector<std::string> shown{json_of(s.calc)};  // after each step, the start first
  for (int i = 0; i < 2000; ++i) {
    bool extended = false;
    if (user.act(extended)) {
      shown.push_back(json_of(s.calc));
    } else if (extended) {
      shown.back() = json_of(s.calc);
    }
  }
  ASSERT_EQ(history.undo_count() + 1, shown.size());
  ASSERT_GT(history.undo_count(), 800u) << "most actions change something";
  const std::string end = json_of(s.calc);
  EXPECT_EQ(end, shown.back());

  const std::uint64_t passes = s.calc.passes();
  for (std::size_t k = shown.size() - 1; k > 0; --k) {
    ASSERT_TRUE(history.undo(s.calc));
    ASSERT_EQ(json_of(s.calc), shown[k - 1]) << "after undoing step " << k;
  }
  EXPECT_FALSE(history.undo(s.calc));
  for (std::size_t k = 1; k < shown.size(); ++k) {
    ASSERT_TRUE(history.redo(s.calc));
    ASSERT_EQ(json_of(s.calc), shown[k]) << "after redoing step " << k;
  }
  EXPECT_FALSE(history.redo(s.calc));
  EXPECT_EQ(json_of(s.calc), end);
  EXPECT_EQ(s.calc.passes(), passes) << "undo and redo run no pass";
  std::filesystem::remove(build);
}

TEST(UndoHistory, TypingIntoOneBoxIsOneStepUntilItLosesTheFocus) {
  TestSheet s;
  start_sheet(s.calc);
  s.pick(Fighter);
  UndoHistory history;
  const std::string start = json_of(s.calc);
  for (const char* text : {"1", "12", "120"})
    history.record(s.calc, [&] { s.calc.user_set_text(Ctl::stat_armor_def, text); }, Ctl::stat_armor_def);
  EXPECT_EQ(history.undo_count(), 1u);
  history.end_typing();
  const std::string typed = json_of(s.calc);
  history.record(s.calc, [&] { s.calc.user_set_text(Ctl::stat_armor_def, "1205"); }, Ctl::stat_armor_def);
  EXPECT_EQ(history.undo_count(), 2u) << "typing again after leaving the box is a new step";
  // Another box closes the step too.
  history.record(s.calc, [&] { s.calc.user_set_text(Ctl::stat_shield_def, "7"); }, Ctl::stat_shield_def);
  history.record(s.calc, [&] { s.calc.user_set_text(Ctl::stat_armor_def, "12"); }, Ctl::stat_armor_def);
  EXPECT_EQ(history.undo_count(), 4u);
  ASSERT_TRUE(history.undo(s.calc));
  ASSERT_TRUE(history.undo(s.calc));
  ASSERT_TRUE(history.undo(s.calc));
  EXPECT_EQ(json_of(s.calc), typed);
  ASSERT_TRUE(history.undo(s.calc));
  EXPECT_EQ(json_of(s.calc), start);
  EXPECT_EQ(s.text(Ctl::stat_armor_def), "0");
}

TEST(UndoHistory, NothingChangedIsNoStepAndANewStepDropsTheUndone) {
  TestSheet s;
  start_sheet(s.calc);
  UndoHistory history;
  EXPECT_FALSE(history.record(s.calc, [&] { s.calc.user_set_text(Ctl::stat_level, s.text(Ctl::stat_level)); }));
  EXPECT_FALSE(history.can_undo());
  EXPECT_FALSE(history.modified());
  history.record(s.calc, [&] { s.calc.user_set_value(Ctl::stat_level, 10); });
  history.record(s.calc, [&] { s.calc.user_set_value(Ctl::stat_level, 20); });
  EXPECT_TRUE(history.modified());
  history.mark_saved();
  EXPECT_FALSE(history.modified());
  ASSERT_TRUE(history.undo(s.calc));
  EXPECT_TRUE(history.modified()) << "an undo is a change";
  EXPECT_TRUE(history.can_redo());
  EXPECT_EQ(s.text(Ctl::stat_level), "10");
  history.record(s.calc, [&] { s.calc.user_set_value(Ctl::stat_level, 30); });
  EXPECT_FALSE(history.can_redo());
  EXPECT_EQ(history.undo_count(), 2u);
}

TEST(UndoHistory, KeepsItsDepthDroppingTheOldestSteps) {
  TestSheet s;
  start_sheet(s.calc);
  UndoHistory history;
  EXPECT_GE(history.depth(), 200u);
  UndoHistory small(200);
  for (int level = 1; level <= 250; ++level)
    small.record(s.calc, [&] { s.calc.user_set_value(Ctl::stat_level, level); });
  EXPECT_EQ(small.undo_count(), 200u);
  while (small.undo(s.calc)) {
  }
  EXPECT_EQ(s.text(Ctl::stat_level), "50") << "the 200 newest steps are kept";
}

TEST(UndoHistory, AClassChosenByMistakeComesBackWithOneUndo) {
  TestSheet s;
  start_sheet(s.calc);
  s.pick(Archer);
  s.calc.user_set_value(Ctl::stat_level, 60);
  s.calc.user_set_value(Ctl::stat_agility, 150);
  const std::string build = json_of(s.calc);
  UndoHistory history;
  // The class already selected: its start values are installed again.
  history.record(s.calc, [&] { s.calc.user_select_row(Ctl::Select_class, Archer); });
  EXPECT_NE(s.text(Ctl::stat_agility), "150");
  EXPECT_EQ(s.calc.sheet.status_panel0, kClassStartValuesHint);
  EXPECT_EQ(s.calc.sheet.status_panel1, "OK");
  ASSERT_TRUE(history.undo(s.calc));
  EXPECT_EQ(json_of(s.calc), build);
  EXPECT_EQ(s.text(Ctl::stat_agility), "150");
}

TEST(UndoHistory, TheBrowsersFollowAnUndoneAndRedoneClassChange) {
  struct Windows : ClassListener {
    void set_class(WindowId w, int row) override { rows[static_cast<std::size_t>(w)] = row; }
    std::array<int, kWindowCount> rows{};
  } windows;
  TestSheet s;
  start_sheet(s.calc);
  s.pick(Knight);
  s.calc.set_class_listener(&windows);
  UndoHistory history;
  history.record(s.calc, [&] { s.calc.user_select_row(Ctl::Select_class, Magician); });
  EXPECT_EQ(windows.rows[static_cast<std::size_t>(WindowId::Skills)], Magician);
  EXPECT_EQ(windows.rows[static_cast<std::size_t>(WindowId::Robes)], 0);
  windows.rows.fill(-1);
  ASSERT_TRUE(history.undo(s.calc));
  EXPECT_EQ(windows.rows[static_cast<std::size_t>(WindowId::Skills)], Knight);
  EXPECT_EQ(windows.rows[static_cast<std::size_t>(WindowId::Weapons)], Knight);
  EXPECT_EQ(windows.rows[static_cast<std::size_t>(WindowId::Armors)], Knight);
  windows.rows.fill(-1);
  ASSERT_TRUE(history.redo(s.calc));
  EXPECT_EQ(windows.rows[static_cast<std::size_t>(WindowId::Skills)], Magician);
  EXPECT_EQ(windows.rows[static_cast<std::size_t>(WindowId::Orbs)], 0);
  // A step that leaves the class alone tells the windows nothing.
  history.record(s.calc, [&] { s.calc.user_set_value(Ctl::stat_level, 50); });
  windows.rows.fill(-1);
  ASSERT_TRUE(history.undo(s.calc));
  EXPECT_EQ(windows.rows[static_cast<std::size_t>(WindowId::Skills)], -1);
  s.calc.set_class_listener(nullptr);
}
