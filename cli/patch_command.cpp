#include <iostream>

#include "cli/tool_commands.h"
#include "tools/bmp_patcher.h"

namespace brennick {
namespace {

// The patcher's message boxes, on the error stream.
class StderrDialogs : public SilentDialogs {
 public:
  void information(const std::string& text) override {
    std::string shown = text;
    for (std::size_t p; (p = shown.find('\r')) != std::string::npos;) shown.erase(p, 1);
    std::cerr << shown << "\n";
    shown_any = true;
  }
  bool shown_any = false;
};

}  // namespace

int patch_command(const std::vector<std::string>& args, const std::string& app_dir) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    std::cerr << "usage: brennick-cli patch ROOT\n";
    return 2;
  }
  BmpPatcher patcher(app_dir);
  patcher.on_line = [](const std::string& line) { std::cout << line << "\n" << std::flush; };
  StderrDialogs dialogs;
  bool completed = false;
  try {
    completed = patcher.patch(args[0], dialogs);
  } catch (const PatchWriteError& e) {
    std::cerr << "brennick-cli patch: " << e.what() << "\n";
  }
  std::cerr << "success: " << patcher.success << " fail: " << patcher.fail << "\n";
  return completed && patcher.fail == 0 ? 0 : 1;
}

}  // namespace brennick
