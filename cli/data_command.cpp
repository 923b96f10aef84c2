// brennick-cli data export DIR [--replace]
// brennick-cli data check DIR
//
// `export` writes the built-in item tables into DIR (made when missing) as
// the files a player corrects, one items_*.tsv or weapons.tsv each; a file
// already there is refused, and nothing is written, unless --replace is
// given. `check` reads every file of DIR as the program would read a
// correction: exit status 0 when all pass, else 1 with one
// "FILE:LINE: message" line per fault on standard output.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "base/safe_file.h"
#include "cli/command.h"
#include "data/embedded_tables.h"
#include "data/item_tables.h"
#include "data/table_overrides.h"

namespace brennick::cli {

namespace {

namespace fs = std::filesystem;

int export_tables(const std::string& dir, bool replace) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir, ec)) {
    std::cerr << "brennick-cli data export: cannot make the folder '" << dir << "'\n";
    return 1;
  }
  if (!replace) {
    std::vector<std::string> present;
    for (std::string_view stem : kItemTableFiles) {
      const fs::path target = fs::path(dir) / (std::string(stem) + ".tsv");
      if (fs::exists(fs::symlink_status(target, ec))) present.push_back(target.string());
    }
    if (!present.empty()) {
      for (const std::string& p : present)
        std::cerr << "brennick-cli data export: '" << p << "' is there already (--replace replaces it)\n";
      return 1;
    }
  }
  for (std::string_view stem : kItemTableFiles) {
    const fs::path target = fs::path(dir) / (std::string(stem) + ".tsv");
    try {
      write_file_atomically(target, *embedded_table(stem));
    } catch (const FileError& e) {
      std::cerr << "brennick-cli data export: " << e.what() << "\n";
      return 1;
    }
    std::cout << target.string() << "\n";
  }
  return 0;
}

int check_tables(const std::string& dir) {
  const std::vector<std::string> faults = check_table_folder(dir);
  for (const std::string& f : faults) std::cout << f << "\n";
  return faults.empty() ? 0 : 1;
}

}  // namespace

void add_data_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("data", "Write the item tables as files, or check corrected ones");
  cmd->require_subcommand(1);
  auto dir = std::make_shared<std::string>();
  auto replace = std::make_shared<bool>(false);

  CLI::App* exp = cmd->add_subcommand("export", "Write the built-in item tables into a folder, one .tsv file each");
  exp->add_option("dir", *dir, "The folder (made when missing)")->required();
  exp->add_flag("--replace", *replace, "Replace table files that are there already");
  exp->callback([dir, replace, &context] { context.exit_code = export_tables(*dir, *replace); });

  CLI::App* check = cmd->add_subcommand("check", "Check a folder of corrected tables: one FILE:LINE line per fault");
  check->add_option("dir", *dir, "The folder of table files")->required();
  check->callback([dir, &context] { context.exit_code = check_tables(*dir); });
}

}  // namespace brennick::cli
