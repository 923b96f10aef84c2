// The session: the build's file, its modified mark and the recent files
// follow loads, saves and changes; undo takes back a load as any change;
// what cannot be loaded changes nothing.
#include <gtest/gtest.h>

#include "build_file_test_util.h"
#include "engine/sheet_json.h"
#include "pipeline/session.h"
#include "tests/support/recording.h"

using namespace brennick;
using test_support::MemorySettings;
using test_support::ScriptedDialogs;
using testing_build::TempDir;

namespace {

std::string json_of(const Session& s) { return sheet_json(s.planner()).dump(); }
constexpr const char* kCaption = "Brennick v0.2.1 beta";

}  // namespace

TEST(Session, FileModifiedMarkAndRecentFilesFollowLoadsSavesAndChanges) {
  TempDir dir;
  ScriptedDialogs dialogs;
  MemorySettings settings;
  const std::string gone = (dir / "gone.brk").string();
  settings.files = {gone};
  Session s(NumberFormat::point(), {&dialogs, nullptr, nullptr}, {&settings});
  s.start("");
  EXPECT_EQ(s.recent_files(), std::vector<std::string>{gone});
  EXPECT_EQ(s.title(), kCaption);

  s.select_row(Ctl::Select_class, Knight);
  EXPECT_EQ(s.sheet().status_panel0, kClassStartValuesHint);
  EXPECT_EQ(s.title(), std::string("Unsaved build * \u2014 ") + kCaption);

  // Saved under a name without the extension, through a "." in the path.
  dialogs.save_answers.push_back((dir / "." / "knight").string());
  ASSERT_TRUE(s.save());
  const std::string saved = (dir / "knight.brk").string();
  EXPECT_EQ(s.current_file(), saved);
  EXPECT_EQ(s.recent_files(), (std::vector<std::string>{saved, gone}));
  EXPECT_EQ(settings.files, s.recent_files());
  EXPECT_FALSE(s.modified());
  EXPECT_EQ(s.title(), std::string("knight.brk \u2014 ") + kCaption);

  s.set_text(Ctl::stat_level, "50");
  EXPECT_TRUE(s.modified());
  // A recent file that has gone loads nothing and is no step.
  const std::size_t steps = s.undo_count();
  EXPECT_FALSE(s.load_recent(1));
  EXPECT_FALSE(s.load_recent(5));
  EXPECT_EQ(s.undo_count(), steps);

  ASSERT_TRUE(s.load_recent(0));
  EXPECT_EQ(s.sheet().text(Ctl::stat_level), "1");
  EXPECT_EQ(s.sheet().text(Ctl::lbl_filename), saved);
  EXPECT_FALSE(s.modified());
  EXPECT_EQ(s.undo_count(), steps + 1);
  ASSERT_TRUE(s.undo());  // the load is taken back like any change
  EXPECT_EQ(s.sheet().text(Ctl::stat_level), "50");
  EXPECT_TRUE(s.modified());

  // A load the user cancels changes neither the file nor the list.
  dialogs.open_answers.push_back(std::nullopt);
  s.load();
  EXPECT_EQ(s.current_file(), saved);
  EXPECT_EQ(settings.stores, 2);
  EXPECT_EQ(dialogs.save_filters.size(), 1u);
}

TEST(Session, BuildCodesCopyAndPasteAsOneStepAndABadCodeChangesNothing) {
  ScriptedDialogs dialogs;
  Session s(NumberFormat::comma(), {&dialogs, nullptr, nullptr});
  s.start("");
  s.select_row(Ctl::Select_class, Priestess);
  s.set_text(Ctl::stat_level, "77");
  const std::string code = s.copy_build_code();
  EXPECT_EQ(s.sheet().status_panel1, "Build code copied (" + std::to_string(code.size()) + " characters)");
  const std::string copied = json_of(s);

  s.select_row(Ctl::Select_class, Fighter);
  const std::string fighter = json_of(s);
  EXPECT_FALSE(s.paste_build_code("BRK-not a code"));
  EXPECT_NE(s.sheet().status_panel1, "OK");
  s.planner().sheet.status_panel1 = "OK";
  EXPECT_EQ(json_of(s), fighter);

  ASSERT_TRUE(s.paste_build_code(code));
  s.planner().sheet.status_panel1 = "Build code copied (" + std::to_string(code.size()) + " characters)";
  EXPECT_EQ(json_of(s), copied);
  ASSERT_TRUE(s.undo());
  s.planner().sheet.status_panel1 = "OK";
  EXPECT_EQ(json_of(s), fighter);
}

TEST(Session, WithoutAHistoryUndoAndRedoDoNothing) {
  ScriptedDialogs dialogs;
  Session s(NumberFormat::point(), {&dialogs, nullptr, nullptr}, {.keep_history = false});
  s.start("");
  s.select_row(Ctl::Select_class, Archer);
  EXPECT_FALSE(s.can_undo());
  EXPECT_FALSE(s.undo());
  EXPECT_EQ(s.sheet()[Ctl::Select_class].row, Archer);
}

// The dialogs a command put in place are the calculator's own again after
// it, thrown or not.
TEST(Session, ScopedDialogsPutTheOwnBackWhenTheCommandThrows) {
  ScriptedDialogs own, other;
  Planner calc(NumberFormat::point(), {&own, nullptr, nullptr});
  try {
    ScopedDialogs swap(calc, other);
    EXPECT_EQ(&calc.dialogs(), &other);
    EXPECT_EQ(&swap.replaced(), &own);
    throw std::runtime_error("the command failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(&calc.dialogs(), &own);
}
