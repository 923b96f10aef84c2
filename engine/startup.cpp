#include "engine/startup.h"

#include <filesystem>

#include "data/vocabulary.h"
#include "engine/image_files.h"

namespace brennick {

const std::vector<std::string>& required_files() {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> f = picture_files();
    f.push_back("patch.dat");
    return f;
  }();
  return files;
}

void CheckFiles(CalcState& state, ErrorLog* log) {
  state.files_missing = 0;
  // One listing of each folder instead of a look on disk per file.
  const FolderIndex images((std::filesystem::path(state.app_dir) / "images").string());
  const FolderIndex app(state.app_dir);
  for (const std::string& name : required_files()) {
    const bool patch = name == "patch.dat";
    const bool present = patch ? app.contains_nocase(name) : images.contains_nocase(name);
    if (present) continue;
    state.files_missing = 1;
    if (log)
      log->write_error_log(patch ? "File not found: patch.dat" : "File not found: \\images\\" + name, "MainForm",
                           "Start File-Check");
  }
}

std::string missing_files_message() {
  static constexpr const char* lines[] = {
      "Fatal Error: One or more needed files are missing!",
      "",
      "take a look in error.log, Brennick list the files there.",
      "",
      "Possible reason and solution:",
      "check the Brennick directory. there MUST be a Sub-Folder called",
      "\"images\". If not, delete everything (not your save files) and",
      "re-extract the Brennickvx.x.rar file.",
      "",
      "You can copy this Message with CTRL-C in the clipboard and ask",
      "for help on Lanternhall (paste in a post with CTRL-V) if you",
      "really do not know how to fix it. The guys there know it for sure.",
      "",
      "Brennick exit now.",
  };
  std::string text;
  for (std::size_t i = 0; i < std::size(lines); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  return text;
}

void start_sheet(Calculator& calc) {
  Sheet& s = calc.sheet;
  s.set_picture(Ctl::img_holy_valor_special, kUndeadIcon);
  static constexpr const char* cast_on_pictures[] = {"Archer_16.jpg",   "Knight_05.jpg",   "Priestess_04.jpg",
                                                     "Magician_07.jpg", "Atalanta_10.jpg", "Atalanta_13.jpg",
                                                     "Priestess_14.jpg", "Priestess_12.jpg"};
  for (int i = 0; i < kCastOnCount; ++i) {
    s.set_picture(cast_on_controls(i).img, cast_on_pictures[i]);
    s.set_picture(cast_on_controls(i).stat_img, "off.bmp");
  }
  for (Ctl one : {Ctl::Image1, Ctl::Image5, Ctl::Image8}) s.set_picture(one, kOneHandIcon);
  for (Ctl two : {Ctl::Image2, Ctl::Image6, Ctl::Image9}) s.set_picture(two, kTwoHandIcon);
  s.status_panel1 = "OK";
  fill_item_lists(calc);
}

}  // namespace brennick
