// What the tool windows (the aging simulator, the bitmap patcher) are given
// by the program, and the one function that makes them: the rest of the
// windows never see the tools' cores.
#pragma once

#include <functional>
#include <string>

#include "base/number_text.h"
#include "data/vocabulary.h"
#include "engine/services.h"

class QWidget;

namespace brennick {

class LazyWindow;

// The application-wide handler for an error raised in a tool's click:
// owner, detail (the sender's parent and name), message.
using ToolErrorHandler = std::function<void(const std::string&, const std::string&, const std::string&)>;

struct ToolServices {
  Dialogs* dialogs = nullptr;
  ErrorLog* error_log = nullptr;  // may be null
  NumberFormat format;
  std::string app_dir;
  ToolErrorHandler on_error;
  std::string log_dir{};  // where the patcher's log.txt goes; empty: app_dir
};

// The tool window of `window` (WindowId::Aging or WindowId::BmpPatcher),
// owned by `owner`; null for any other window.
LazyWindow* make_tool_window(WindowId window, ToolServices services, QWidget* owner);

}  // namespace brennick
