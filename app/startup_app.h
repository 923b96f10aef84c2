// Start-up of the window program: everything between the application object
// and the message loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QLocale>
#include <QString>

#include "engine/services.h"

namespace brennick {

class Planner;
class MainWindow;
class Session;
class SettingsStore;

struct Application {
  Application();
  Application(Application&&) noexcept;
  ~Application();

  std::unique_ptr<Dialogs> dialogs;
  std::unique_ptr<ErrorLog> error_log;
  std::unique_ptr<SettingsStore> settings;  // the recent files in the program's settings
  std::unique_ptr<Session> session;         // the build the window shows
  Planner* calc = nullptr;                  // the session's planner
  std::unique_ptr<MainWindow> window;
  bool terminate = false;  // the fatal file dialog was answered with OK
};

// The locale's decimal separator decides how decimals are read and written.
bool locale_decimal_comma(const QLocale& locale);

// Creates the main window and every other window in start-up order, as the
// program's entry does. `dialogs` answers the message boxes (the Qt dialogs
// in the program, scripted answers in tests); `app_dir` is the folder of
// images/ and patch.dat, `log_dir` that of error.log (app_dir when empty).
Application start_application(const QString& app_dir, std::unique_ptr<Dialogs> dialogs, const QLocale& locale,
                              const QString& log_dir = {});

// What the command line asks of the window program.
struct StartOptions {
  std::string data_dir;    // --data DIR: corrected item tables (else $BRENNICK_DATA)
  std::string build_file;  // a build to open at start-up
};

// The program's start-up as its entry runs it, after the QApplication is
// made: the program's name, its places (base/program_places.h), the
// player's table corrections, the Qt dialogs, the system's locale, every
// window, the close question on the main window, which is not yet shown,
// and the build named on the command line. The start-up benchmark runs the same.
Application start_program(const StartOptions& options = {});

}  // namespace brennick
