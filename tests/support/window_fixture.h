// A program as start-up leaves it, for window tests: the planner with the
// start sheet, the main window and its fifteen secondary windows (none of
// them shown), on the program folder of the build.
#pragma once

#include <QCoreApplication>
#include <memory>

#include "engine/startup.h"
#include "pipeline/planner.h"
#include "ui/main_window.h"

namespace brennick::test_support {

struct ProgramFixture {
  SilentDialogs dialogs;
  std::unique_ptr<Planner> calc;
  std::unique_ptr<MainWindow> window;

  // A fresh start (what an earlier one made is gone first).
  void start(NumberFormat format = NumberFormat::point(), ErrorLog* log = nullptr) {
    stop();
    calc = std::make_unique<Planner>(format, Planner::Services{&dialogs, log, nullptr});
    calc->state.app_dir = QCoreApplication::applicationDirPath().toStdString();
    start_sheet(*calc);
    window = std::make_unique<MainWindow>(*calc);
    window->create_secondary_windows();
  }
  void stop() {
    window.reset();
    calc.reset();
  }
};

}  // namespace brennick::test_support
