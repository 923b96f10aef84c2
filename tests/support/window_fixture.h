// A program as start-up leaves it, for window tests: the session with the
// start sheet, the main window, and (unless a test asks otherwise) its
// fifteen secondary windows, none of them shown, on the program folder of
// the build.
#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>

#include "pipeline/session.h"
#include "ui/main_window.h"

namespace brennick::test_support {

// Moves the program's settings (the stored zoom, the recent files) into
// `folder`: tests that run at the same time never share a setting.
inline void keep_settings_in(const QString& folder) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

// A settings place of the test's own for as long as it lives.
struct OwnSettings {
  QTemporaryDir folder;
  OwnSettings() { keep_settings_in(folder.path()); }
};

struct ProgramFixture {
  struct Options {
    Dialogs* dialogs = nullptr;  // null: dialogs that answer nothing
    NumberFormat format = NumberFormat::point();
    ErrorLog* log = nullptr;
    SettingsStore* settings = nullptr;  // null: recent files only as long as the session
    bool secondary_windows = true;
    std::optional<std::string> app_dir = std::nullopt;  // the folder of images/; nothing: the build's program folder
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
