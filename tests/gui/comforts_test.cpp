// The main window's comforts: undo and redo from the keyboard, the menu and
// the tool bar; the modified mark; the class hint; the recent files (in a
// temporary settings place); the save dialog's file name.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "buildfile/build_file.h"
#include "engine/sheet_json.h"
#include "engine/startup.h"
#include "pipeline/planner.h"
#include "ui/app_settings.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"

using namespace brennick;

namespace {

// Answers the file dialogs with the file the test names.
class FileDialogs : public SilentDialogs {
 public:
  std::optional<std::string> open, save;
  std::optional<std::string> open_file(const std::string&, const std::string&) override { return open; }
  std::optional<std::string> save_file(const std::string&, const std::string&, const std::string&) override {
    return save;
  }
};

std::string json_of(const Calculator& calc) { return sheet_json(calc).dump(); }

}  // namespace

class ComfortsTest : public QObject {
  Q_OBJECT

  QTemporaryDir settings_place_, files_;
  std::unique_ptr<FileDialogs> dialogs_;
  std::unique_ptr<Planner> calc_;
  std::unique_ptr<MainWindow> window_;

  MainWindow& w() { return *window_; }
  Planner& calc() { return *calc_; }
  template <class T>
  T* find(const char* name) {
    return w().findChild<T*>(QString::fromLatin1(name));
  }
  void make_window() {
    window_.reset();
    calc_ = std::make_unique<Planner>(NumberFormat::point(), Planner::Services{dialogs_.get(), nullptr, nullptr});
    calc_->state.app_dir = QCoreApplication::applicationDirPath().toStdString();
    start_sheet(*calc_);
    window_ = std::make_unique<MainWindow>(*calc_);
  }
  QString title() const { return window_->windowTitle(); }

 private slots:
  void initTestCase() {
    QVERIFY(settings_place_.isValid() && files_.isValid());
    // The program's only setting goes to a place of the test's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_place_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_place_.path());
    store_recent_files({});
  }
  void init() {
    dialogs_ = std::make_unique<FileDialogs>();
    make_window();
  }
  void cleanup() {
    window_.reset();
    calc_.reset();
    dialogs_.reset();
  }

  void a_class_chosen_by_mistake_comes_back_with_ctrl_z() {
    w().show();
    QApplication::setActiveWindow(&w());
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    auto* classes = find<QComboBox>("Select_class");
    emit classes->activated(Archer);
    calc().user_set_value(Ctl::stat_agility, 120);  // as a script would, no step
    w().refresh();
    const std::string build = json_of(calc());
    QVERIFY(title().endsWith(QStringLiteral(" *")));

    // The class already chosen, chosen again: start values, and the hint.
    emit classes->activated(Archer);
    QVERIFY(calc().sheet.text(Ctl::stat_agility) != "120");
    QCOMPARE(w().status_text(0), QStringLiteral("Statistics set to the class's start values (Ctrl+Z to undo)"));
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
    QVERIFY(title().endsWith(QStringLiteral(" *")));

    const auto passes = calc().passes();
    QTest::keyClick(&w(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(json_of(calc()), build);
    QCOMPARE(calc().passes(), passes);
    QCOMPARE(find<QSpinBox>("stat_agility")->value(), 120);
    QVERIFY(w().comfort_action("redo")->isEnabled());

    // Ctrl+Y and Ctrl+Shift+Z redo; the menu item and the tool button undo.
    QTest::keyClick(&w(), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(calc().sheet.text(Ctl::stat_agility) != "120");
    w().comfort_action("undo")->trigger();
    QCOMPARE(json_of(calc()), build);
    QTest::keyClick(&w(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(calc().sheet.text(Ctl::stat_agility) != "120");
    auto* button = find<QToolButton>("Btn_undo");
    QVERIFY(button && button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(json_of(calc()), build);
  }

  void typing_into_a_box_is_one_step_until_it_loses_the_focus() {
    w().show();
    QApplication::setActiveWindow(&w());
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    emit find<QComboBox>("Select_class")->activated(Fighter);
    const std::string before = json_of(calc());
    const std::size_t steps = w().history().undo_count();
    auto* box = find<QLineEdit>("stat_armor_def");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "123");
    QCOMPARE(calc().sheet.text(Ctl::stat_armor_def), std::string("123"));
    QCOMPARE(w().history().undo_count(), steps + 1);
    find<QLineEdit>("stat_shield_def")->setFocus();
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, "4");
    QCOMPARE(w().history().undo_count(), steps + 2);
    w().undo();
    QCOMPARE(box->text(), QStringLiteral("123"));
    w().undo();
    QCOMPARE(json_of(calc()), before);
    QCOMPARE(box->text(), QStringLiteral("0"));
  }

  void recent_files_list_loads_and_saves_and_greys_out_gone_files() {
    QVERIFY(w().recent_files().isEmpty());
    QVERIFY(!w().comfort_action("recent_file_1")->isVisible());
    // Eleven builds saved: the newest eight stay, newest first.
    calc().user_select_row(Ctl::Select_class, Knight);
    for (int i = 1; i <= 11; ++i) {
      dialogs_->save = files_.filePath(QStringLiteral("b%1.brk").arg(i)).toStdString();
      w().perform(Ctl::MainMenu_file_save);
    }
    QCOMPARE(w().recent_files().size(), 8);
    QCOMPARE(QFileInfo(w().recent_files().first()).fileName(), QStringLiteral("b11.brk"));
    QCOMPARE(QFileInfo(w().recent_files().last()).fileName(), QStringLiteral("b4.brk"));
    QVERIFY(!title().endsWith(QStringLiteral(" *")));

    // A change marks the title until the next save; a load clears it too.
    calc().sheet.set_text(Ctl::stat_level, "1");
    w().user_action([&] { calc().user_set_value(Ctl::stat_level, 44); });
    QVERIFY(title().endsWith(QStringLiteral(" *")));
    dialogs_->open = files_.filePath(QStringLiteral("b5.brk")).toStdString();
    w().perform(Ctl::MainMenu_file_load);
    QVERIFY(!title().endsWith(QStringLiteral(" *")));
    QCOMPARE(QFileInfo(w().recent_files().first()).fileName(), QStringLiteral("b5.brk"));
    QCOMPARE(w().recent_files().size(), 8);

    // The list is kept: a new window shows it; a build that has gone is
    // greyed out with its path in the hint.
    QVERIFY(QFile::remove(files_.filePath(QStringLiteral("b11.brk"))));
    make_window();
    QCOMPARE(w().recent_files().size(), 8);
    QAction* first = w().comfort_action("recent_file_1");
    QAction* second = w().comfort_action("recent_file_2");
    QVERIFY(first->isVisible() && first->isEnabled());
    QVERIFY(first->text().endsWith(QStringLiteral("b5.brk")));
    QVERIFY(second->text().endsWith(QStringLiteral("b11.brk")));
    QVERIFY(!second->isEnabled());
    QVERIFY(second->toolTip().contains(QDir::toNativeSeparators(files_.filePath(QStringLiteral("b11.brk")))));

    // Choosing an entry loads it as Load Character would, with one step.
    calc().user_select_row(Ctl::Select_class, Priestess);
    w().refresh();
    const std::string before = json_of(calc());
    QAction* third = w().comfort_action("recent_file_3");
    QVERIFY(third->text().endsWith(QStringLiteral("b10.brk")));
    third->trigger();
    QCOMPARE(calc().sheet.status_panel1, std::string("OK"));
    QCOMPARE(calc().sheet.row(Ctl::Select_class), Knight);
    QVERIFY(calc().sheet.text(Ctl::lbl_filename).find("b10.brk") != std::string::npos);
    QCOMPARE(QFileInfo(w().recent_files().first()).fileName(), QStringLiteral("b10.brk"));
    w().undo();
    QCOMPARE(json_of(calc()), before);
  }

  void save_dialog_starts_with_the_current_files_name() {
    QtDialogs dialogs;
    dialogs.set_save_name(files_.filePath(QStringLiteral("mine.brk")));
    QString shown;
    QTimer::singleShot(0, [&] {
      std::function<void()> look = [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d) {
          QTimer::singleShot(10, look);
          return;
        }
        if (auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) shown = name->text();
        d->reject();
      };
      look();
    });
    QVERIFY(!dialogs.save_file("Save Character", "*.brk|*.brk", ".brk").has_value());
    QCOMPARE(shown, QStringLiteral("mine.brk"));
  }
};

QTEST_MAIN(ComfortsTest)
#include "comforts_test.moc"
