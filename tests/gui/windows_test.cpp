// The secondary windows: created once at start-up in their order, shown by
// the menu (one instance each), only hidden when closed.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "pipeline/planner.h"
#include "engine/startup.h"
#include "ui/center_string_grid.h"
#include "ui/item_browser_window.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/secondary_windows.h"
#include "ui/skill_info_window.h"
#include "tests/support/window_fixture.h"

using namespace brennick;

class WindowsTest : public QObject {
  Q_OBJECT

 private:
  test_support::ProgramFixture program_;
  MainWindow& w() { return *program_.window; }

  // The menu item that shows each window.
  static Ctl command_of(WindowId window) {
    switch (window) {
      case WindowId::About: return Ctl::MainMenu_help_about;
      case WindowId::Skills: return Ctl::MainMenu_info_skills;
      case WindowId::Armors: return Ctl::Armor1;
      case WindowId::Robes: return Ctl::RobeInfo1;
      case WindowId::BmpPatcher: return Ctl::BMPPatcher1;
      case WindowId::Shields: return Ctl::Shield1;
      case WindowId::Orbs: return Ctl::Orb1;
      case WindowId::Armlets: return Ctl::Armlets1;
      case WindowId::Gaunts: return Ctl::Gaunts1;
      case WindowId::Boots: return Ctl::Boots1;
      case WindowId::Weapons: return Ctl::Weapon1;
      case WindowId::Rings: return Ctl::Rings1;
      case WindowId::Amulets: return Ctl::Amulets1;
      case WindowId::Sheltoms: return Ctl::Sheltoms1;
      case WindowId::Aging: return Ctl::AgingCalc1;
    }
    return Ctl::Count_;
  }

 private slots:
  void init() {
    program_.start();
    w().show();
  }
  void cleanup() { program_.stop(); }

  void fifteen_windows_created_once_in_start_up_order() {
    const QStringList expected = {"FrmAbout",  "FrmSkills",  "FrmArmors", "FrmRobes",   "FrmBMPPatch",
                                  "FrmShields", "FrmOrbs",   "FrmArmlets", "FrmGaunts", "FrmBoots",
                                  "FrmWeapons", "FrmRings",  "FrmAmulets", "FrmSheltoms", "FrmFunAge"};
    QStringList created;
    for (QObject* child : w().children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      // Right-click menus are pop-ups of the main window, not windows of their own.
      if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget)) created << widget->objectName();
    }
    QCOMPARE(created, expected);
    for (WindowId window : all_secondary_windows()) {
      QWidget* sw = w().secondary_window(window);
      QVERIFY(sw);
      QCOMPARE(sw->objectName(), QString::fromLatin1(window_info(window).object_name));
      QVERIFY(sw->isHidden());
      QVERIFY(!sw->windowTitle().isEmpty());
    }
    w().create_secondary_windows();  // a second call creates nothing
    QCOMPARE(w().findChildren<QWidget*>(QStringLiteral("FrmArmors")).size(), 1);
  }

  // Start-up makes every window but fills none: a window's contents are
  // made when it first shows, when a zoom scales it, or when the program
  // asks the main window for it. A class chosen before that is the one the
  // window is made with.
  void windows_are_filled_when_first_needed() {
    auto raw = [this](WindowId window) {
      auto* lazy = dynamic_cast<LazyWindow*>(
          w().findChild<QWidget*>(QString::fromLatin1(window_info(window).object_name)));
      Q_ASSERT(lazy);
      return lazy;
    };
    for (WindowId window : all_secondary_windows()) {
      QVERIFY2(!raw(window)->built(), window_info(window).object_name);
      QVERIFY(raw(window)->findChildren<QWidget*>().isEmpty());
      QCOMPARE(raw(window)->size(), window_info(window).client);
    }

    program_.calc->user_select_row(Ctl::Select_class, Knight);
    w().refresh();
    QVERIFY(!raw(WindowId::Armors)->built());
    QVERIFY(!raw(WindowId::Skills)->built());
    // Shown: made with the Knight chosen, its grid for a Knight.
    w().action(command_of(WindowId::Armors))->trigger();
    auto* armors = qobject_cast<ItemBrowserWindow*>(raw(WindowId::Armors));
    QVERIFY(armors->built());
    QCOMPARE(armors->choice().class_row, 5);
    auto* knight = armors->findChild<QGroupBox*>(QStringLiteral("Select_class"));
    QVERIFY(knight);
    QCOMPARE(knight->findChildren<QRadioButton*>().at(5)->isChecked(), true);
    const BrowserGrid knight_grid = fill_grid(BrowserKind::Armor, BrowserChoice{5, 0}, program_.calc->format());
    for (int c = 0; c < armors->grid()->columnCount(); ++c)
      QCOMPARE(armors->grid()->cell(c, 1), QString::fromStdString(knight_grid.cells[1][static_cast<std::size_t>(c)]));
    // Asked for: the skill window lists the Knight.
    auto* skills = qobject_cast<SkillInfoWindow*>(w().secondary_window(WindowId::Skills));
    QVERIFY(skills->built());
    QCOMPARE(skills->class_list()->currentIndex(), 5);

    // The aging simulator opens with the Odds panel closed, at the room its
    // contents ask for; "Odds >>" opens the panel and the window takes its
    // room, "<< Odds" gives it back.
    QCOMPARE(raw(WindowId::Aging)->size(), window_info(WindowId::Aging).client);
    QWidget* aging = w().secondary_window(WindowId::Aging);
    const QSize designed = aging->size();
    QVERIFY(designed.width() < 700 && designed.height() < 800);
    auto* odds = aging->findChild<QPushButton*>(QStringLiteral("btn_odds"));
    QVERIFY(odds);
    QCOMPARE(odds->text(), QStringLiteral("Odds >>"));
    QVERIFY(!aging->findChild<QWidget*>(QStringLiteral("grp_odds"))->isVisibleTo(aging));
    odds->click();
    QCOMPARE(odds->text(), QStringLiteral("<< Odds"));
    QVERIFY(aging->findChild<QWidget*>(QStringLiteral("grp_odds"))->isVisibleTo(aging));
    QVERIFY2(aging->width() > designed.width() && aging->height() > designed.height(), qPrintable(QStringLiteral("%1x%2").arg(aging->width()).arg(aging->height())));
    odds->click();
    QCOMPARE(aging->size(), designed);
  }

  void menu_shows_the_same_window_twice() {
    for (WindowId window : all_secondary_windows()) {
      const QString name = QString::fromLatin1(window_info(window).object_name);
      QAction* action = w().action(command_of(window));
      QVERIFY2(action, qPrintable(name));
      action->trigger();
      QWidget* first = w().secondary_window(window);
      QVERIFY2(first->isVisible(), qPrintable(name));
      action->trigger();
      QCOMPARE(w().secondary_window(window), first);
      QVERIFY(first->isVisible());
      QCOMPARE(w().findChildren<QWidget*>(name).size(), 1);
      QCOMPARE(first->isModal(), window_info(window).modal);
      // Closing only hides it.
      QVERIFY(first->close());
      QVERIFY(first->isHidden());
      QCOMPARE(w().secondary_window(window), first);
    }
  }

  void tool_buttons_show_their_menu_windows() {
    QTest::mouseClick(w().widget(Ctl::Btn_ShowArmor), Qt::LeftButton);
    QVERIFY(w().secondary_window(WindowId::Armors)->isVisible());
    QTest::mouseClick(w().widget(Ctl::ToolButton14), Qt::LeftButton);
    QVERIFY(w().secondary_window(WindowId::Sheltoms)->isVisible());
    QTest::mouseClick(w().widget(Ctl::Btn_ShowSkills), Qt::LeftButton);
    QVERIFY(w().secondary_window(WindowId::Skills)->isVisible());
  }

  void about_window() {
    QWidget* about = w().secondary_window(WindowId::About);
    QCOMPARE(about->size(), QSize(480, 298));
    QVERIFY(about->isModal());
    QStringList texts;
    for (QLabel* l : about->findChildren<QLabel*>()) texts << l->text();
    QVERIFY(texts.contains(QStringLiteral("Brennick v0.2.1 beta")));
    QVERIFY(texts.contains(QStringLiteral("with BMP-Patcher v0.2 beta")));
    // Where error.log goes and where the item tables came from, in the
    // places of this run (a build tree: beside the program).
    auto* files = about->findChild<QPlainTextEdit*>(QStringLiteral("txt_about_files"));
    QVERIFY(files);
    const QString listed = files->toPlainText();
    QVERIFY2(listed.contains(QStringLiteral("error.log: ")) && listed.contains(QStringLiteral("Item tables: all built-in")),
             qPrintable(listed));
    QVERIFY(files->isReadOnly());
    auto* picture = about->findChild<PictureBox*>();
    QVERIFY(picture);
    QVERIFY(!picture->image().isNull());  // images/archer_big.bmp
    QVERIFY(picture->geometry().left() < 100);
    w().action(Ctl::MainMenu_help_about)->trigger();
    QVERIFY(about->isVisible());
    QPushButton* close = nullptr;
    for (QPushButton* b : about->findChildren<QPushButton*>())
      if (b->text() == QStringLiteral("Close")) close = b;
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(about->isHidden());
  }

  // Escape closes each secondary window, wherever the focus is in it: on
  // the window, in a text box, in a grid.
  void escape_closes_every_secondary_window() {
    for (WindowId id : all_secondary_windows()) {
      const char* name = window_info(id).object_name;
      QWidget* window = w().secondary_window(id);
      QList<QWidget*> targets{window};
      for (QWidget* child : window->findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus && (qobject_cast<QLineEdit*>(child) || qobject_cast<QTableWidget*>(child)))
          targets << child;
      for (QWidget* target : targets) {
        w().show_window(id);
        QVERIFY2(QTest::qWaitForWindowExposed(window), name);
        QApplication::setActiveWindow(window);
        QVERIFY2(QTest::qWaitForWindowActive(window), name);
        if (target != window) target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY2(!window->isVisible(), qPrintable(QString::fromLatin1(name) + " " + target->objectName()));
      }
      QVERIFY2(w().isVisible(), name);
    }
  }

  // Ctrl+Q is File -> Exit: it asks the close question, from the main
  // window and from a browser, and the program closes only on its yes.
  void ctrl_q_quits_through_the_close_question() {
    QCOMPARE(w().action(Ctl::MainMenu_file_exit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    int asked = 0;
    bool yes = false;
    w().set_may_close([&] {
      ++asked;
      return yes;
    });
    QApplication::setActiveWindow(&w());
    QVERIFY(QTest::qWaitForWindowActive(&w()));
    QTest::keyClick(&w(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(asked, 1);
    QVERIFY(w().isVisible());

    w().show_window(WindowId::Weapons);
    QWidget* browser = w().secondary_window(WindowId::Weapons);
    QApplication::setActiveWindow(browser);
    QVERIFY(QTest::qWaitForWindowActive(browser));
    yes = true;
    QTest::keyClick(browser->focusWidget() ? browser->focusWidget() : browser, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(asked, 2);
    QVERIFY(!w().isVisible());
    QVERIFY(!browser->isVisible());
  }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
