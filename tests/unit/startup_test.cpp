// The resource check and the start-up sheet.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/image_files.h"
#include "engine/startup.h"
#include "tests/support/recording.h"

using namespace brennick;
namespace fs = std::filesystem;

namespace {
using Log = test_support::RecordingLog;

fs::path complete_app_dir(const std::string& tag) {
  fs::path dir = fs::temp_directory_path() / ("brennick_files_" + tag + "_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "images");
  for (const std::string& f : required_files()) std::ofstream(f == "patch.dat" ? dir / f : dir / "images" / f) << "x";
  return dir;
}
}  // namespace

TEST(Startup, RequiredFilesInCheckOrder) {
  const auto& f = required_files();
  EXPECT_EQ(f.front(), "Fighter_01.jpg");
  EXPECT_EQ(f[8 * 16 - 1], "Priestess_16.jpg");
  EXPECT_NE(std::find(f.begin(), f.end(), "Ring_01.bmp"), f.end());
  EXPECT_NE(std::find(f.begin(), f.end(), "Sheltom_1.bmp"), f.end());
  EXPECT_EQ(std::find(f.begin(), f.end(), "Sheltom_01.bmp"), f.end());
  EXPECT_NE(std::find(f.begin(), f.end(), "wand_18.bmp"), f.end());
  EXPECT_NE(std::find(f.begin(), f.end(), "Sword_20.bmp"), f.end());
  EXPECT_EQ(f.back(), "patch.dat");
  // 128 skill pictures, 312 item pictures, 15 single pictures, the patch file.
  EXPECT_EQ(f.size(), 128u + 312u + 15u + 1u);
}

TEST(Startup, MissingPictureIsLoggedAndFatal) {
  const fs::path dir = complete_app_dir("missing");
  CalcState state;
  state.app_dir = dir.string();
  Log log;
  CheckFiles(state, &log);
  EXPECT_EQ(state.files_missing, 0);
  EXPECT_TRUE(log.lines.empty());

  fs::remove(dir / "images" / "Sword_20.bmp");
  fs::remove(dir / "patch.dat");
  CheckFiles(state, &log);
  EXPECT_EQ(state.files_missing, 1);
  ASSERT_EQ(log.lines.size(), 2u);
  EXPECT_EQ(log.lines[0].message, "File not found: \\images\\Sword_20.bmp");
  EXPECT_EQ(log.lines[0].owner, "MainForm");
  EXPECT_EQ(log.lines[0].detail, "Start File-Check");
  EXPECT_EQ(log.lines[1].message, "File not found: patch.dat");
  EXPECT_TRUE(missing_files_message().starts_with("Fatal Error: One or more needed files are missing!\r\n\r\n"));
  EXPECT_TRUE(missing_files_message().ends_with("\r\n\r\nBrennick exit now."));
  fs::remove_all(dir);
}

TEST(Startup, FilesAreFoundWhateverTheirLetterCase) {
  const fs::path dir = complete_app_dir("case");
  fs::rename(dir / "images" / "wand_01.bmp", dir / "images" / "Wand_01.bmp");
  fs::rename(dir / "patch.dat", dir / "Patch.dat");
  CalcState state;
  state.app_dir = dir.string();
  CheckFiles(state, nullptr);
  EXPECT_EQ(state.files_missing, 0);
  fs::remove_all(dir);
}

// A name in another letter case is answered from the folder's listing; files
// renamed, removed or added afterwards are seen as a fresh look would see them.
TEST(Startup, PicturesInAnotherCaseFollowTheFolder) {
  const fs::path dir = complete_app_dir("relist");
  const fs::path images = dir / "images";
  const std::string app = dir.string();
  fs::rename(images / "Sheltom_3.bmp", images / "SHELTOM_3.BMP");
  EXPECT_EQ(resolve_image(app, "sheltom_3.bmp"), (images / "SHELTOM_3.BMP").string());
  EXPECT_EQ(resolve_image(app, "Sheltom_3.bmp"), (images / "SHELTOM_3.BMP").string());
  EXPECT_EQ(resolve_image(app, "Sheltom_1.bmp"), (images / "Sheltom_1.bmp").string());

  fs::rename(images / "SHELTOM_3.BMP", images / "sheltom_3.Bmp");
  EXPECT_EQ(resolve_image(app, "SHELTOM_3.bmp"), (images / "sheltom_3.Bmp").string());
  fs::remove(images / "sheltom_3.Bmp");
  EXPECT_FALSE(image_exists(app, "SHELTOM_3.bmp"));
  // A missing picture keeps the name as given.
  EXPECT_EQ(resolve_image(app, "SHELTOM_3.bmp"), (images / "SHELTOM_3.bmp").string());
  std::ofstream(images / "Sheltom_3.BMP") << "x";
  EXPECT_TRUE(image_exists(app, "sheltom_3.bmp"));
  EXPECT_EQ(find_file_nocase(app, "PATCH.DAT"), (dir / "patch.dat").string());
  EXPECT_EQ(find_file_nocase(app, "patch.da"), "");
  fs::remove_all(dir);
}

// Only a file that can be read counts as present: a folder or a dangling
// link named like a required file is missing (a link to a file is fine).
TEST(Startup, OnlyReadableFilesCountAsPresent) {
  const fs::path dir = complete_app_dir("kinds");
  const fs::path images = dir / "images";
  fs::remove(images / "Axe_01.bmp");
  fs::create_directory(images / "Axe_01.bmp");
  fs::remove(images / "Sword_20.bmp");
  fs::create_symlink(images / "gone.bmp", images / "Sword_20.bmp");
  fs::rename(images / "Ring_01.bmp", dir / "ring.bmp");
  fs::create_symlink(dir / "ring.bmp", images / "Ring_01.bmp");
  fs::remove(dir / "patch.dat");
  fs::create_directory(dir / "Patch.dat");
  std::vector<std::string> expected = {"File not found: \\images\\Axe_01.bmp", "File not found: \\images\\Sword_20.bmp",
                                       "File not found: patch.dat"};
  if (::geteuid() != 0) {  // root reads every file
    fs::permissions(images / "on.bmp", fs::perms::none);
    expected.insert(expected.begin() + 2, "File not found: \\images\\on.bmp");
  }
  CalcState state;
  state.app_dir = dir.string();
  Log log;
  CheckFiles(state, &log);
  EXPECT_EQ(state.files_missing, 1);
  std::vector<std::string> logged;
  for (const auto& l : log.lines) logged.push_back(l.message);
  std::sort(expected.begin(), expected.end());
  std::sort(logged.begin(), logged.end());
  EXPECT_EQ(logged, expected);
  fs::remove_all(dir);
}
