#include "app/startup_app.h"

#include <QApplication>
#include <QLocale>

#include "app/qt_error_log.h"
#include "pipeline/session.h"
#include "ui/app_settings.h"
#include "data/item_tables.h"
#include "data/skill_catalog.h"
#include "pipeline/planner.h"
#include "engine/startup.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

namespace brennick {

Application::Application() = default;
Application::Application(Application&&) noexcept = default;
Application::~Application() = default;

bool locale_decimal_comma(const QLocale& locale) { return locale.decimalPoint() == QStringLiteral(","); }

Application start_application(const QString& app_dir, std::unique_ptr<Dialogs> dialogs, const QLocale& locale) {
  Application app;
  app.dialogs = std::move(dialogs);
  const std::string dir = app_dir.toStdString();
  app.error_log = std::make_unique<QtErrorLog>(dir, *app.dialogs);

  // 1-2: the locale's separator and the program's folder.
  const NumberFormat format = locale_decimal_comma(locale) ? NumberFormat::comma() : NumberFormat::point();
  app.settings = std::make_unique<QtSettingsStore>();
  app.session = std::make_unique<Session>(format, Planner::Services{app.dialogs.get(), app.error_log.get(), nullptr},
                                          Session::Options{app.settings.get()});
  app.calc = &app.session->planner();
  Planner& calc = *app.calc;
  calc.state.app_dir = dir;

  // 3-4: every needed file present, or the fatal message.
  CheckFiles(calc.state, app.error_log.get());
  if (calc.state.files_missing == 1 && app.dialogs->error_ok(missing_files_message()) == Answer::Ok)
    app.terminate = true;

  // 6: the game data tables, filled before anything reads them.
  (void)skill_catalog();
  (void)item_catalog();

  // 5, 7, 8: start pictures, "OK" in the status bar, the item lists.
  start_sheet(calc);

  // 9: the window, sized to its client area; then the other windows in order.
  app.window = std::make_unique<MainWindow>(*app.session);
  app.window->create_secondary_windows();
  return app;
}

Application start_program() {
  QApplication::setApplicationName(QStringLiteral("Brennick v0.2.1 beta"));
  QApplication::setApplicationDisplayName(QStringLiteral("Brennick v0.2.1 beta"));

  auto dialogs = std::make_unique<QtDialogs>();
  QtDialogs& qt_dialogs = *dialogs;
  qt_dialogs.set_initial_folder(QCoreApplication::applicationDirPath());
  Application app = start_application(QCoreApplication::applicationDirPath(), std::move(dialogs), QLocale::system());
  if (app.terminate) return app;
  qt_dialogs.set_parent(app.window.get());
  // Closing the window asks whether to save the build first.
  app.window->set_may_close([&session = *app.session, window = app.window.get()] {
    const bool end = session.may_close();
    window->refresh();  // a failed save shows in the status bar
    return end;
  });
  return app;
}

}  // namespace brennick
