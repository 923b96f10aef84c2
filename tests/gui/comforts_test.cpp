// The main window's comforts: undo and redo from the keyboard, the menu and
// the tool bar; the modified mark; the class hint; the recent files (in a
// temporary settings place); the save dialog's file name.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <functional>
#include <memory>

#include "buildfile/build_file.h"
#include "engine/sheet_json.h"
#include "engine/startup.h"
#include "tests/support/recording.h"
#include "tests/support/window_fixture.h"
#include "ui/app_settings.h"
#include "ui/main_window.h"
#include "ui/item_browser_window.h"
#include "ui/picture_box.h"
#include "ui/qt_dialogs.h"
#include "ui/zoom.h"

using namespace brennick;

namespace {

std::string json_of(const Calculator& calc) { return sheet_json(calc).dump(); }

}  // namespace

class ComfortsTest : public QObject {
  Q_OBJECT

  QTemporaryDir settings_place_, files_;
  std::unique_ptr<test_support::ScriptedDialogs> dialogs_;
  QtSettingsStore settings_;
  test_support::ProgramFixture program_;

  MainWindow& w() { return *program_.window; }
  Planner& calc() { return *program_.calc; }
  Session& session() { return *program_.session; }
  template <class T>
  T* find(const char* name) {
    return w().findChild<T*>(QString::fromLatin1(name));
  }
  void make_window() {
    program_.start({.dialogs = dialogs_.get(), .settings = &settings_, .secondary_windows = false});
  }
  QString title() const { return program_.window->windowTitle(); }
  // Screenshots for a person to look at, where BRENNICK_SHOTS names a folder.
  void save_shots(const QString& zoom, QWidget* browser) {
    const QString folder = qEnvironmentVariable("BRENNICK_SHOTS");
    if (folder.isEmpty()) return;
    w().show();
    browser->show();
    QTest::qWait(300);
    w().grab().save(folder + QStringLiteral("/main_%1.png").arg(zoom));
    browser->grab().save(folder + QStringLiteral("/armours_%1.png").arg(zoom));
    browser->hide();
  }

 private slots:
  void initTestCase() {
    QVERIFY(settings_place_.isValid() && files_.isValid());
    // The program's only setting goes to a place of the test's own.
    test_support::keep_settings_in(settings_place_.path());
    store_recent_files({});
    store_zoom(100);
  }
  void init() {
    dialogs_ = std::make_unique<test_support::ScriptedDialogs>();
    make_window();
  }
  void cleanup() {
    program_.stop();
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
    QVERIFY(title().contains(QStringLiteral(" * \u2014 ")));

    // The class already chosen, chosen again: start values, and the hint.
    emit classes->activated(Archer);
    QVERIFY(calc().sheet.text(Ctl::stat_agility) != "120");
    QCOMPARE(w().status_text(0), QStringLiteral("Statistics set to the class's start values (Ctrl+Z to undo)"));
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
    QVERIFY(title().contains(QStringLiteral(" * \u2014 ")));

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
    const std::size_t steps = session().undo_count();
    auto* box = find<QLineEdit>("stat_armor_def");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "123");
    QCOMPARE(calc().sheet.text(Ctl::stat_armor_def), std::string("123"));
    QCOMPARE(session().undo_count(), steps + 1);
    find<QLineEdit>("stat_shield_def")->setFocus();
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, "4");
    QCOMPARE(session().undo_count(), steps + 2);
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
      dialogs_->save_answers.push_back(files_.filePath(QStringLiteral("b%1.brk").arg(i)).toStdString());
      w().perform(Ctl::MainMenu_file_save);
    }
    QCOMPARE(w().recent_files().size(), 8);
    QCOMPARE(QFileInfo(w().recent_files().first()).fileName(), QStringLiteral("b11.brk"));
    QCOMPARE(QFileInfo(w().recent_files().last()).fileName(), QStringLiteral("b4.brk"));
    QVERIFY(!title().contains(QStringLiteral(" * \u2014 ")));

    // A change marks the title until the next save; a load clears it too.
    calc().sheet.set_text(Ctl::stat_level, "1");
    w().act([](Session& s) { s.set_text(Ctl::stat_level, "44"); });
    QVERIFY(title().contains(QStringLiteral(" * \u2014 ")));
    dialogs_->open_answers.push_back(files_.filePath(QStringLiteral("b5.brk")).toStdString());
    w().perform(Ctl::MainMenu_file_load);
    QVERIFY(!title().contains(QStringLiteral(" * \u2014 ")));
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

  void zoom_scales_every_window_together_and_is_kept() {
    w().create_secondary_windows();
    auto* browser = static_cast<ItemBrowserWindow*>(w().secondary_window(WindowId::Armors));
    QWidget* central = find<QWidget>("MainForm_client");
    const QSize main_size = central->size(), browser_size = browser->size();
    auto* picture = find<PictureBox>("img_set_armor");
    const QRect picture_rect = picture->geometry();
    calc().user_select_row(Ctl::Select_class, Knight);
    calc().user_select_row(Ctl::Select_Armor, 3);
    w().refresh();
    QVERIFY(!picture->image().isNull());

    // What the style draws, measured at 100 %.
    auto* check = w().findChild<QCheckBox*>();
    QVERIFY(check);
    QTabBar* tabs = find<QTabWidget>("PageControl_items")->tabBar();
    QSpinBox spin;
    spin.resize(80, 24);
    auto metric = [](QWidget* on, QStyle::PixelMetric m) { return on->style()->pixelMetric(m, nullptr, on); };
    auto spin_button = [&spin] {
      QStyleOptionSpinBox o;
      o.initFrom(&spin);
      o.rect = spin.rect();
      o.frame = true;
      return spin.style()->subControlRect(QStyle::CC_SpinBox, &o, QStyle::SC_SpinBoxUp, &spin).width();
    };
    const int indicator = metric(check, QStyle::PM_IndicatorWidth);
    const int radio = metric(check, QStyle::PM_ExclusiveIndicatorWidth);
    const int menu_icon = metric(check, QStyle::PM_SmallIconSize);
    const int tab_space = metric(tabs, QStyle::PM_TabBarTabHSpace);
    const int spin_width = spin_button();
    const qreal app_font = QApplication::font().pointSizeF(), tip_font = QToolTip::font().pointSizeF();

    w().comfort_action("zoom_200")->trigger();
    QCOMPARE(w().zoom(), 200);
    QCOMPARE(metric(check, QStyle::PM_IndicatorWidth), indicator * 2);
    QCOMPARE(metric(check, QStyle::PM_ExclusiveIndicatorWidth), radio * 2);
    QCOMPARE(metric(check, QStyle::PM_SmallIconSize), menu_icon * 2);
    QCOMPARE(metric(tabs, QStyle::PM_TabBarTabHSpace), tab_space * 2);
    QCOMPARE(spin_button(), spin_width * 2);
    // Message boxes, file dialogs and tooltips show the zoomed fonts.
    QCOMPARE(QApplication::font().pointSizeF(), app_font * 2);
    QCOMPARE(QToolTip::font().pointSizeF(), tip_font * 2);
    QCOMPARE(central->size(), main_size * 2);
    QCOMPARE(browser->size(), browser_size * 2);
    QCOMPARE(picture->geometry(), QRect(picture_rect.topLeft() * 2, picture_rect.size() * 2));
    // A box shows its picture drawn for its new size once it is on screen.
    w().show();
    find<QTabWidget>("PageControl_items")->setCurrentWidget(find<QWidget>("TabSheet7"));
    QTRY_VERIFY(picture->isVisible());
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(),
             picture->image().size().scaled(picture->size(), Qt::KeepAspectRatio));
    QCOMPARE(w().clipped_captions(), QStringList());
    browser->show();  // its layouts place the texts when it shows
    QTest::qWait(50);
    QCOMPARE(browser->clipped_texts(), QStringList());
    QCOMPARE(browser->size(), browser_size * 2);
    browser->hide();
    QVERIFY(w().comfort_action("zoom_200")->isChecked());

    // Kept with the recent files: the next window opens at 200 %.
    make_window();
    QCOMPARE(w().zoom(), 200);
    QCOMPARE(find<QWidget>("MainForm_client")->size(), main_size * 2);
    w().show();
    QApplication::setActiveWindow(&w());
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    QTest::keyClick(&w(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(w().zoom(), 150);
    QCOMPARE(w().clipped_captions(), QStringList());
    QTest::keyClick(&w(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(w().zoom(), 200);
    QTest::keyClick(&w(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(w().zoom(), 100);
    QCOMPARE(find<QWidget>("MainForm_client")->size(), main_size);
    QCOMPARE(metric(w().findChild<QCheckBox*>(), QStyle::PM_IndicatorWidth), indicator);
    QCOMPARE(QApplication::font().pointSizeF(), app_font);
    w().comfort_action("zoom_125")->trigger();
    QCOMPARE(w().clipped_captions(), QStringList());
    w().set_zoom(100);
    QCOMPARE(stored_zoom(), 100);
  }

  // Pictures of the main window and the armour browser at 100 % and 200 %,
  // for a person to look at (run with BRENNICK_SHOTS=FOLDER under a display).
  void screenshots() {
    if (qEnvironmentVariable("BRENNICK_SHOTS").isEmpty()) QSKIP("BRENNICK_SHOTS names no folder");
    w().create_secondary_windows();
    calc().user_select_row(Ctl::Select_class, Knight);
    calc().user_set_value(Ctl::stat_level, 80);
    calc().user_select_row(Ctl::Select_Armor, 3);
    calc().user_select_row(Ctl::Select_weapon, 5);
    w().refresh();
    auto* browser = static_cast<ItemBrowserWindow*>(w().secondary_window(WindowId::Armors));
    browser->set_class_row(Knight);
    browser->click_row(3);
    for (int zoom : {100, 200}) {
      w().set_zoom(zoom);
      save_shots(QString::number(zoom), browser);
    }
    w().set_zoom(100);
  }

  void small_pictures_stay_crisp() {
    QImage small(2, 2, QImage::Format_RGB32);
    small.setPixel(0, 0, qRgb(255, 0, 0));
    small.setPixel(1, 0, qRgb(0, 255, 0));
    small.setPixel(0, 1, qRgb(0, 0, 255));
    small.setPixel(1, 1, qRgb(255, 255, 255));
    const QImage twice = crisp_scaled(small, {4, 4});
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) QCOMPARE(twice.pixel(x, y), small.pixel(x / 2, y / 2));
    // 125 %: whole pixels where no seam is, nothing outside the colours' range.
    const QImage five = crisp_scaled(QImage(small).scaled(16, 16), {20, 20});
    QCOMPARE(five.size(), QSize(20, 20));
    QCOMPARE(five.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(five.pixel(19, 19), qRgb(255, 255, 255));
    // Icons are drawn at the zoomed size from their shapes.
    QCOMPARE(art::icon(art::Icon::Undo, 2.0).size(), QSize(32, 32));
    QCOMPARE(art::icon(art::Icon::Open, 1.25).size(), QSize(20, 20));
  }

  // A program icon is drawn when it is shown, and gives for every size the
  // picture an icon holding all seven sizes would give.
  void icons_drawn_when_shown_pick_the_picture_of_the_size() {
    const QIcon icon = drawn_icon(art::Icon::Open);
    QCOMPARE(icon.availableSizes(),
             (QList<QSize>{{16, 16}, {20, 20}, {24, 24}, {32, 32}, {40, 40}, {48, 48}, {64, 64}}));
    QCOMPARE(icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
             art::icon(art::Icon::Open).convertToFormat(QImage::Format_ARGB32));
    // The smallest picture that covers the size: 20 for 18, drawn at 1.25.
    QCOMPARE(icon.actualSize(QSize(18, 18)), QSize(18, 18));
    const QImage eighteen = icon.pixmap(QSize(18, 18), 1.0).toImage();
    QCOMPARE(eighteen.size(), QSize(18, 18));
    QCOMPARE(eighteen.convertToFormat(QImage::Format_ARGB32),
             art::icon(art::Icon::Open, 1.25)
                 .scaled(18, 18, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                 .convertToFormat(QImage::Format_ARGB32));
    // Beyond the largest picture the icon keeps that picture's size.
    QCOMPARE(icon.actualSize(QSize(100, 100)), QSize(64, 64));
    QCOMPARE(icon.pixmap(QSize(100, 100), 1.0).size(), QSize(64, 64));
    // The style makes the disabled look from the picture.
    const QImage disabled = icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), QSize(16, 16));
    QVERIFY(disabled.convertToFormat(QImage::Format_ARGB32) !=
            art::icon(art::Icon::Open).convertToFormat(QImage::Format_ARGB32));
    // Copies share what was drawn; an empty size gives nothing.
    QVERIFY(QIcon(icon).pixmap(QSize(16, 16), 1.0).toImage() == icon.pixmap(QSize(16, 16), 1.0).toImage());
    QVERIFY(icon.pixmap(QSize(0, 0), 1.0).isNull());

    // A one-picture icon calls its drawing only when first shown.
    int drawn = 0;
    const QIcon once = lazy_icon(QSize(16, 16), [&drawn] {
      ++drawn;
      return art::icon(art::Icon::RedDot);
    });
    QCOMPARE(drawn, 0);
    QCOMPARE(once.pixmap(QSize(16, 16), 1.0).size(), QSize(16, 16));
    QCOMPARE(once.pixmap(QSize(8, 8), 1.0).size(), QSize(8, 8));
    QCOMPARE(drawn, 1);
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
