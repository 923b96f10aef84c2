#include "app/startup_app.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>

#include "app/qt_error_log.h"
#include "base/program_places.h"
#include "base/version.h"
#include "data/table_overrides.h"
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

Application start_application(const QString& app_dir, std::unique_ptr<Dialogs> dialogs, const QLocale& locale,
                              const QString& log_dir) {
  Application app;
  app.dialogs = std::move(dialogs);
  const std::string dir = app_dir.toStdString();
  app.error_log = std::make_unique<QtErrorLog>(log_dir.isEmpty() ? dir : log_dir.toStdString(), *app.dialogs);

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

ProgramPlaces places_of_this_program() {
  PlaceEnvironment env = PlaceEnvironment::of_process();
  // The documents folder of the desktop's user folders (XDG_DOCUMENTS_DIR in
  // user-dirs.dirs), which Qt reads.
  if (env.xdg_documents_dir.empty())
    env.xdg_documents_dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  return find_program_places(QCoreApplication::applicationDirPath().toStdString(), env);
}

std::vector<std::string> use_table_corrections(const ProgramPlaces& places, const std::string& data_dir) {
  std::vector<std::string> folders{places.tables_dir};
  const char* from_env = std::getenv("BRENNICK_DATA");
  if (!data_dir.empty()) folders.push_back(data_dir);
  else if (from_env && *from_env) folders.push_back(from_env);
  TableOverrides overrides = read_table_overrides(folders);
  std::vector<std::string> refusals = overrides.refusals;
  use_table_overrides(std::move(overrides));
  return refusals;
}

Application start_program(const StartOptions& options) {
  QApplication::setApplicationName(QString::fromStdString(program_title()));
  QApplication::setApplicationDisplayName(QString::fromStdString(program_title()));

  set_program_places(places_of_this_program());
  const ProgramPlaces& places = program_places();
  const std::vector<std::string> refusals = use_table_corrections(places, options.data_dir);

  auto dialogs = std::make_unique<QtDialogs>();
  QtDialogs& qt_dialogs = *dialogs;
  qt_dialogs.set_initial_folder([&places] { return QString::fromStdString(dialog_start_folder(places)); });
  Application app = start_application(QString::fromStdString(places.data_dir), std::move(dialogs), QLocale::system(),
                                      QString::fromStdString(places.log_dir));
  if (app.terminate) return app;
  qt_dialogs.set_parent(app.window.get());
  // A build named on the command line opens as one from the recent-files list.
  // A file that cannot be read says so as a load does; one that is not there
  // is said here.
  if (!options.build_file.empty()) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(options.build_file, ec)) {
      app.window->act([&](Session& session) { session.load_file(options.build_file); });
    } else {
      app.calc->AppException("MainForm", "Start Open-File",
                             "Cannot open the build '" + options.build_file + "': no such file");
    }
  }
  // A refused table correction: its file, line and cell in error.log and, as
  // the last word of the start-up, in the status bar.
  for (const std::string& refusal : refusals) app.calc->AppException("MainForm", "Start Data-Check", refusal);
  app.window->refresh();
  // Closing the window asks whether to save the build first.
  app.window->set_may_close([&session = *app.session, window = app.window.get()] {
    const bool end = session.may_close();
    window->refresh();  // a failed save shows in the status bar
    return end;
  });
  return app;
}

}  // namespace brennick
