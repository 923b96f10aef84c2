// brennick-cli patch ROOT: copies Patch.dat beside the program over the start
// of every bitmap below ROOT, as the bitmap patcher's window does, printing
// its log lines. A relative ROOT is taken from the working folder. ROOT must
// be an existing folder and not the root of a file system. Exit status 0
// when every file was patched, 1 when a file failed or the run ended with
// an error, 2 on bad arguments.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "cli/command.h"
#include "tools/bmp_patcher.h"

namespace brennick::cli {
namespace {

// The patcher's message boxes, on the error stream.
class StderrDialogs : public SilentDialogs {
 public:
  void information(const std::string& text) override {
    std::string shown = text;
    for (std::size_t p; (p = shown.find('\r')) != std::string::npos;) shown.erase(p, 1);
    std::cerr << shown << "\n";
  }
};

int run_patch(const std::string& root, const std::string& app_dir) {
  BmpPatcher patcher(app_dir);
  patcher.on_line = [](const std::string& line) { std::cout << line << "\n" << std::flush; };
  StderrDialogs dialogs;
  bool completed = false;
  try {
    completed = patcher.patch(root, dialogs);
  } catch (const PatchWriteError& e) {
    std::cerr << "brennick-cli patch: " << e.what() << "\n";
  }
  std::cerr << "success: " << patcher.success << " fail: " << patcher.fail << "\n";
  return completed && patcher.fail == 0 ? 0 : 1;
}

}  // namespace

void add_patch_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("patch", "Patch every bitmap below a folder with Patch.dat");
  auto root = std::make_shared<std::string>();
  cmd->add_option("root", *root, "The folder whose bitmaps are patched, subfolders first")
      ->required()
      ->check([](const std::string& v) { return v.empty() ? std::string("ROOT must not be empty") : std::string(); })
      ->transform([](std::string v) {
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::absolute(v, ec);
        return v.empty() || ec ? v : full.string();
      })
      ->check([](const std::string& v) { return patch_folder_problem(v); });
  cmd->callback([root, &context] { context.exit_code = run_patch(*root, context.app_dir); });
}

}  // namespace brennick::cli
