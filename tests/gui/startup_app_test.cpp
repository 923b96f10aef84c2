// Start-up of the window program: the resource check with its fatal
// message, the log line of a missing picture, the locale's separator, and
// the item lists filled with their names.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/qt_error_log.h"
#include "app/startup_app.h"
#include "base/version.h"
#include "pipeline/session.h"
#include "tests/support/recording.h"
#include "pipeline/planner.h"
#include "engine/startup.h"
#include "ui/main_window.h"

using namespace brennick;

namespace {

using test_support::ScriptedDialogs;

// A program folder with every needed file, copied from the build's own.
void fill_program_folder(const QString& to) {
  const QString from = QCoreApplication::applicationDirPath();
  QDir().mkpath(to + "/images");
  for (const std::string& f : required_files()) {
    const QString name = QString::fromStdString(f);
    const QString sub = name == "patch.dat" ? "/" : "/images/";
    QVERIFY2(QFile::copy(from + sub + name, to + sub + name), qPrintable(name));
  }
}

}  // namespace

class StartupAppTest : public QObject {
  Q_OBJECT

 private slots:
  // error.log carries the locale's long time without a zone name.
  void error_log_time_has_no_zone() {
    const QTime t(8, 17, 33);
    for (const char* name : {"en_US", "de_DE", "en_GB", "fr_FR"}) {
      const QLocale locale(QString::fromLatin1(name));
      const QString full = locale.toString(t, QLocale::LongFormat);
      const QString shown = QString::fromStdString(long_time_text(locale, t));
      QVERIFY2(shown.contains(QStringLiteral("17:33")), qPrintable(shown));
      QVERIFY2(full.startsWith(shown), qPrintable(full + " / " + shown));
      QVERIFY2(!shown.contains(QStringLiteral("UTC")) && shown.size() < full.size(), qPrintable(shown));
    }
  }
  void complete_folder_starts_without_message() {
    QTemporaryDir dir;
    fill_program_folder(dir.path());
    auto dialogs = std::make_unique<ScriptedDialogs>(Answer::Ok);
    ScriptedDialogs* seen = dialogs.get();
    Application app = start_application(dir.path(), std::move(dialogs), QLocale::c());
    QVERIFY(!app.terminate);
    QVERIFY(seen->errors.empty());
    QVERIFY(!QFile::exists(dir.path() + "/error.log"));
    QCOMPARE(app.window->status_text(1), QString("OK"));
  }

  void missing_picture_is_logged_and_fatal() {
    QTemporaryDir dir;
    fill_program_folder(dir.path());
    QVERIFY(QFile::remove(dir.path() + "/images/Sword_20.bmp"));
    // An earlier log line stays.
    {
      QFile log(dir.path() + "/error.log");
      QVERIFY(log.open(QIODevice::WriteOnly));
      log.write("earlier line\n");
    }
    auto dialogs = std::make_unique<ScriptedDialogs>(Answer::Ok);
    ScriptedDialogs* seen = dialogs.get();
    Application app = start_application(dir.path(), std::move(dialogs), QLocale::c());
    QVERIFY(app.terminate);
    QCOMPARE(seen->errors.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(seen->errors[0]), QString::fromStdString(missing_files_message()));

    QFile log(dir.path() + "/error.log");
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QString("earlier line"));
    QVERIFY2(lines[1].endsWith("] Error: File not found: \\images\\Sword_20.bmp | Owner: MainForm | Detail: Start "
                               "File-Check"),
             qPrintable(lines[1]));
    QVERIFY(lines[1].startsWith("["));
  }

  void closing_the_fatal_message_otherwise_goes_on() {
    QTemporaryDir dir;
    fill_program_folder(dir.path());
    QVERIFY(QFile::remove(dir.path() + "/patch.dat"));
    Application app =
        start_application(dir.path(), std::make_unique<ScriptedDialogs>(Answer::Closed), QLocale::c());
    QVERIFY(!app.terminate);
    QVERIFY(app.window != nullptr);
  }

  void locale_decides_the_decimal_separator() {
    QVERIFY(locale_decimal_comma(QLocale(QLocale::German, QLocale::Germany)));
    QVERIFY(!locale_decimal_comma(QLocale(QLocale::English, QLocale::UnitedStates)));
    QVERIFY(!locale_decimal_comma(QLocale(QLocale::German, QLocale::Switzerland)));
    Application app = start_application(QCoreApplication::applicationDirPath(),
                                        std::make_unique<ScriptedDialogs>(Answer::Ok),
                                        QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(app.calc->state.locale_decimal_comma, flag{1});
    QCOMPARE(app.calc->format().decimal, ',');
  }

  void item_lists_show_their_names_and_no_selection() {
    Application app = start_application(QCoreApplication::applicationDirPath(),
                                        std::make_unique<ScriptedDialogs>(Answer::Ok), QLocale::c());
    const std::pair<const char*, int> lists[] = {{"Select_Shield", 17}, {"Select_Orb", 18},    {"Select_Boots", 17},
                                                 {"Select_Gaunts", 17}, {"Select_armlets", 17}, {"Select_amulet", 18},
                                                 {"Select_ring1", 18},  {"Select_ring2", 18}};
    for (const auto& [name, items] : lists) {
      auto* combo = app.window->findChild<QComboBox*>(name);
      QVERIFY2(combo, name);
      QCOMPARE(combo->count(), items + 1);
      QCOMPARE(combo->itemText(0), QString("none/manual input"));
      QCOMPARE(combo->currentIndex(), -1);
      const Ctl id = *control_by_name(name);
      for (int r = 1; r <= items; ++r)
        QCOMPARE(combo->itemText(r), QString::fromStdString(app.calc->sheet[id].rows[r]));
      QVERIFY(!combo->itemText(1).isEmpty());
    }
  }

  // `brennick FILE.brk` opens the build as the recent-files list does: the
  // sheet shows it, unmodified, under its file name; the program's title
  // and version are the project's.
  void a_build_named_at_start_up_opens() {
    const std::string build = BRENNICK_SOURCE_DIR "/tests/golden/load_build.brk";
    Application app = start_program(StartOptions{"", build});
    QVERIFY(!app.terminate);
    QCOMPARE(QString::fromStdString(app.session->current_file()),
             QFileInfo(QString::fromStdString(build)).absoluteFilePath());
    QVERIFY(!app.session->modified());
    QCOMPARE(QString::fromStdString(app.calc->sheet.status_panel1), QStringLiteral("OK"));
    QCOMPARE(app.window->windowTitle(), QStringLiteral("load_build.brk \u2014 Brennick v0.2.1 beta"));
    QCOMPARE(QString::fromStdString(app.calc->sheet.text(Ctl::MainForm)), QString::fromStdString(program_title()));
    QCOMPARE(QString::fromUtf8(program_version().data()), QStringLiteral(BRENNICK_PROJECT_VERSION));
  }
};

QTEST_MAIN(StartupAppTest)
#include "startup_app_test.moc"
