// A picture that has gone from images/ after start-up: the action that
// loads it ends through the application-wide handler (status bar and one
// error-log line with the control's owner and name), and the picture box
// keeps what it showed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/vocabulary.h"
#include "engine/startup.h"
#include "test_sheet.h"

using namespace brennick;
namespace fs = std::filesystem;

namespace {

struct Fixture {
  // Every picture of the program but `missing`.
  explicit Fixture(const std::string& missing)
      : dir(fs::temp_directory_path() / ("brennick_missing_picture_" + std::to_string(::getpid()))),
        calc(NumberFormat::point(), {&dialogs, &log, nullptr}) {
    fs::remove_all(dir);
    fs::create_directories(dir / "images");
    for (const std::string& file : picture_files())
      if (file != missing) std::ofstream(dir / "images" / file) << "x";
    start_sheet(calc);
    calc.state.app_dir = dir.string();
  }
  ~Fixture() { fs::remove_all(dir); }
  const std::string& picture(Ctl id) const { return calc.sheet[id].picture; }
  // The one error line, naming the file and the control.
  void expect_reported(const std::string& file, const std::string& owner, const std::string& detail) const {
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].message, "Cannot open file \"" + (dir / "images" / file).string() + "\"");
    EXPECT_EQ(log.lines[0].owner, owner);
    EXPECT_EQ(log.lines[0].detail, detail);
    EXPECT_EQ(calc.sheet.status_panel1, log.lines[0].message);
    EXPECT_EQ(calc.state.calc_ready, 1) << "the next action runs again";
  }

  fs::path dir;
  SilentDialogs dialogs;
  RecordingLog log;
  Planner calc;
};

}  // namespace

TEST(MissingPicture, EveryPictureThereIsQuiet) {
  Fixture f("");
  f.calc.user_select_row(Ctl::Select_class, 5);
  f.calc.user_click(Ctl::img_castOn_stat_1);
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  EXPECT_TRUE(f.log.lines.empty());
  EXPECT_EQ(f.picture(slot_controls(15).icon), "Knight_16.jpg");
  EXPECT_EQ(f.picture(Ctl::img_castOn_stat_1), "on.bmp");
}

TEST(MissingPicture, SkillPictureOfTheChosenClass) {
  Fixture f("Archer_07.jpg");
  f.calc.user_select_row(Ctl::Select_class, 1);
  f.expect_reported("Archer_07.jpg", "grp_class", "Select_class");
  EXPECT_EQ(f.picture(slot_controls(5).icon), "Archer_06.jpg") << "the pictures before it are loaded";
  EXPECT_EQ(f.picture(slot_controls(6).icon), "") << "its box keeps what it showed";
}

TEST(MissingPicture, KindPicture) {
  Fixture f("passive.bmp");
  f.calc.user_select_row(Ctl::Select_class, 0);
  f.expect_reported("passive.bmp", "grp_class", "Select_class");
}

TEST(MissingPicture, BuffSwitchKeepsItsState) {
  Fixture f("on.bmp");
  f.calc.user_select_row(Ctl::Select_class, 0);
  ASSERT_EQ(f.calc.sheet.status_panel1, "OK");
  f.calc.user_click(Ctl::img_castOn_stat_2);
  const Ctl owner = control_spec(Ctl::img_castOn_stat_2).parent;
  f.expect_reported("on.bmp", std::string(control_spec(owner).name), "img_castOn_stat_2");
  EXPECT_EQ(f.picture(Ctl::img_castOn_stat_2), "off.bmp");
  EXPECT_EQ(f.calc.state.cast_on_on[1], 0) << "a switch whose picture failed stays off";
  EXPECT_EQ(f.calc.sheet.text(Ctl::lbl_castOn_2), "disabled");
}
