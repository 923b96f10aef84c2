// Brennick: the character planner's window program.
#include <QApplication>
#include <QLocale>

#include "app/startup_app.h"
#include "buildfile/close_app.h"
#include "pipeline/planner.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brennick v0.2.1 beta"));
  QApplication::setApplicationDisplayName(QStringLiteral("Brennick v0.2.1 beta"));

  auto dialogs = std::make_unique<brennick::QtDialogs>();
  brennick::QtDialogs& qt_dialogs = *dialogs;
  qt_dialogs.set_initial_folder(QCoreApplication::applicationDirPath());
  brennick::Application app =
      brennick::start_application(QCoreApplication::applicationDirPath(), std::move(dialogs), QLocale::system());
  if (app.terminate) return 1;
  qt_dialogs.set_parent(app.window.get());
  // Closing the window asks whether to save the build first.
  app.window->set_may_close([&calc = *app.calc, window = app.window.get()] {
    const bool end = brennick::oncloserunthis(calc);
    window->refresh();  // a failed save shows in the status bar
    return end;
  });
  app.window->show();
  return QApplication::exec();
}
