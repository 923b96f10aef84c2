// A program as start-up leaves it, for window tests: the session with the
// start sheet, the main window, and (unless a test asks otherwise) its
// fifteen secondary windows, none of them shown, on the program folder of
// the build.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>

#include "pipeline/session.h"
#include "ui/main_window.h"

namespace brennick::test_support {

struct ProgramFixture {
  struct Options {
    Dialogs* dialogs = nullptr;  // null: dialogs that answer nothing
    NumberFormat format = NumberFormat::point();
    ErrorLog* log = nullptr;
    SettingsStore* settings = nullptr;  // null: recent files only as long as the session
    bool secondary_windows = true;
    std::optional<std::string> app_dir;  // the folder of images/; nothing: the build's program folder
  };

  SilentDialogs silent;
  std::unique_ptr<Session> session;
  Planner* calc = nullptr;  // the session's
  std::unique_ptr<MainWindow> window;

  // A fresh start (what an earlier one made is gone first).
  void start(const Options& o) {
    stop();
    session = std::make_unique<Session>(o.format, Planner::Services{o.dialogs ? o.dialogs : &silent, o.log, nullptr},
                                        Session::Options{o.settings});
    calc = &session->planner();
    session->start(o.app_dir ? *o.app_dir : QCoreApplication::applicationDirPath().toStdString());
    window = std::make_unique<MainWindow>(*session);
    if (o.secondary_windows) window->create_secondary_windows();
  }
  void start() { start(Options{}); }
  void stop() {
    window.reset();
    calc = nullptr;
    session.reset();
  }
};

}  // namespace brennick::test_support
