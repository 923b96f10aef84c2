// The right-click menus of the main window: opened on their pages, they show
// the weapon tables' captions, the grip's enabled rows and the requirement
// dots; a click fills the slot and refreshes the window.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QLineEdit>
#include <QDir>
#include <QHelpEvent>
#include <QMenu>
#include <QScreen>
#include <QToolTip>
#include <QTest>
#include <QWidget>
#include <memory>

#include "data/weapon_tables.h"
#include "pipeline/planner.h"
#include "engine/startup.h"
#include "pipeline/menu_items.h"
#include "equipment/mixing.h"
#include "equipment/weapon_menu.h"
#include "pipeline/menu_model.h"
#include "pipeline/breakdown.h"
#include "pipeline/item_delta.h"
#include "tests/support/window_fixture.h"
#include "ui/main_window.h"
#include "ui/popup_menus.h"
#include "tests/support/qt_strings.h"

using namespace brennick;

namespace {

using test_support::q;

QString item_name(int kind, int row) {
  static const char* prefix[] = {"Axe", "Bow", "Scythe", "Claw", "Javelin", "Sword", "Wand", "Mace"};
  return QString::fromLatin1(prefix[kind]) + QString::number(row).rightJustified(2, QLatin1Char('0'));
}

}  // namespace

class PopupMenuTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<SilentDialogs> dialogs_;
  test_support::ProgramFixture program_;

  MainWindow& w() { return *program_.window; }
  Planner& calc() { return *program_.calc; }
  QMenu* menu(const char* name) { return w().findChild<QMenu*>(QString::fromLatin1(name)); }
  QAction* action(QMenu* m, const QString& name) { return m->findChild<QAction*>(name); }
  QString box(Ctl id) { return static_cast<QLineEdit*>(w().widget(id))->text(); }

  // Right-clicks the page as the user does; the menu shows without waiting.
  QMenu* right_click(Ctl page, const char* menu_name) {
    QWidget* target = w().widget(page);
    if (!target) return nullptr;
    if (target->contextMenuPolicy() != Qt::CustomContextMenu) return nullptr;
    emit target->customContextMenuRequested(QPoint(4, 4));
    return menu(menu_name);
  }

  // Checks every weapon item of the menu against the tables for the page.
  void check_weapon_items(QMenu* m, bool one_hand_page) {
    int enabled = 0, disabled = 0;
    for (int k = 0; k < kWeaponKindCount; ++k) {
      const std::vector<WeaponR> rows = weapon_rows(k);
      for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString name = item_name(k, static_cast<int>(i) + 1);
        QAction* a = action(m, name);
        QVERIFY2(a, qPrintable(name));
        QCOMPARE(a->text(), q(rows[i].name));
        const bool expect_enabled = (rows[i].hands == 1) == one_hand_page;
        QCOMPARE(a->isEnabled(), expect_enabled);
        if (expect_enabled) {
          ++enabled;
          const int dot = requirement_mark(calc().sheet, rows[i]);
          QCOMPARE(PopupMenuView::image_of(a), dot);
          QVERIFY2(!a->icon().isNull(), qPrintable(name));
        } else {
          ++disabled;
          QCOMPARE(PopupMenuView::image_of(a), kNoImage);
          QVERIFY2(a->icon().isNull(), qPrintable(name + " shows no image"));
        }
      }
    }
    QCOMPARE(enabled, one_hand_page ? 81 : 64);
    QCOMPARE(disabled, one_hand_page ? 64 : 81);
  }

  int count_dots(QMenu* m, int dot) {
    int n = 0;
    for (QAction* a : m->findChildren<QAction*>())
      if (a->isEnabled() && PopupMenuView::image_of(a) == dot && a->menu() == nullptr) ++n;
    return n;
  }

  // A Knight with a one-handed sword, for the tooltips.
  void enter_knight() {
    calc().user_select_row(Ctl::Select_class, Knight);
    calc().user_set_value(Ctl::stat_level, 45);
    calc().user_set_value(Ctl::stat_strenght, 172);
    calc().user_set_text(Ctl::stat_armor_def, "310");
    calc().user_set_text(Ctl::stat_amu_HP, "23");
    calc().user_set_value(Ctl::skill_level_1_1, 10);
    QVERIFY(click_menu_item(calc(), "Sword03", Ctl::TabSheet5));
    w().refresh();
  }

  // With BRENNICK_SCREENSHOTS set to a folder (and a real display, as under
  // xvfb-run), the screen as it is now goes there as NAME.png.
  void screenshot(const char* name) {
    const QString dir = qEnvironmentVariable("BRENNICK_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QTest::qWait(300);
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(dir).filePath(QString::fromLatin1(name) + ".png"));
  }

 private slots:
  void the_weapon_menu_shows_each_items_delta_when_it_opens() {
    enter_knight();
    if (!qEnvironmentVariableIsEmpty("BRENNICK_SCREENSHOTS")) {
      w().show();
      QVERIFY(QTest::qWaitForWindowExposed(&w()));
    }
    QMenu* m = right_click(Ctl::TabSheet5, "popup_weap");
    QVERIFY(m);
    DeltaProbe probe(calc());
    int with_delta = 0;
    for (int k = 0; k < 8; ++k)
      for (std::size_t i = 0; i < weapon_rows(k).size(); ++i) {
        const QString name = item_name(k, static_cast<int>(i) + 1);
        QAction* a = action(m, name);
        QVERIFY(a);
        const auto changes = probe.changes(menu_item_action(name.toStdString(), Ctl::TabSheet5));
        QCOMPARE(changes.has_value(), a->isEnabled());
        if (!changes) continue;
        // The requirement hint first, then the delta.
        const QStringList lines = a->toolTip().split(QLatin1Char('\n'));
        QVERIFY(lines.size() >= 2);
        QVERIFY2(lines[0].startsWith(QStringLiteral("All requirements met")) || lines[0].startsWith(QStringLiteral("Not met: ")),
                 qPrintable(lines[0]));
        QCOMPARE(lines.mid(1).join(QLatin1Char('\n')), q(delta_text(*changes, calc().format())));
        ++with_delta;
      }
    QCOMPARE(with_delta, 81);
    QAction* sword = action(m, "Sword05");
    QVERIFY(sword->toolTip().contains(QStringLiteral("Atk-Pow 1h")));
    QCOMPARE(box(Ctl::stat_weap_min_pow), q(calc().sheet.text(Ctl::stat_weap_min_pow)));
    // The sword sub-menu open, the pointer on Sword05: its tooltip.
    if (!qEnvironmentVariableIsEmpty("BRENNICK_SCREENSHOTS")) {
      m->popup(w().mapToGlobal(QPoint(40, 40)));
      QTest::qWait(200);
      QMenu* swords = m->findChild<QMenu*>(QStringLiteral("Sword1"));
      QVERIFY(swords);
      m->setActiveAction(swords->menuAction());
      swords->popup(m->mapToGlobal(m->actionGeometry(swords->menuAction()).topRight()));
      QTest::qWait(200);
      swords->setActiveAction(sword);
      const QRect r = swords->actionGeometry(sword);
      QToolTip::showText(swords->mapToGlobal(r.center() + QPoint(20, 8)), sword->toolTip(), swords);
      screenshot("weapon_menu_delta");
      QToolTip::hideText();
    }
  }

  void a_row_of_an_item_list_shows_its_delta_on_hover() {
    enter_knight();
    auto* combo = static_cast<QComboBox*>(w().widget(Ctl::Select_Armor));
    QWidget* viewport = combo->view()->viewport();
    combo->showPopup();
    QTest::qWait(50);
    const QRect row = combo->view()->visualRect(combo->model()->index(3, 0));
    QHelpEvent e(QEvent::ToolTip, row.center(), viewport->mapToGlobal(row.center()));
    QApplication::sendEvent(viewport, &e);
    DeltaProbe probe(calc());
    const auto changes = probe.changes(select_row_action(Ctl::Select_Armor, 3));
    QVERIFY(changes);
    QCOMPARE(QToolTip::text(), q(delta_text(*changes, calc().format())));
    combo->hidePopup();
    QToolTip::hideText();
  }

  void result_labels_show_their_breakdowns() {
    enter_knight();
    if (!qEnvironmentVariableIsEmpty("BRENNICK_SCREENSHOTS")) {
      w().show();
      QVERIFY(QTest::qWaitForWindowExposed(&w()));
    }
    for (Ctl id : {Ctl::Lbl_final_stat_HP, Ctl::Lbl_final_stat_abs_2, Ctl::Lbl_final_stat_atkpow}) {
      QWidget* label = w().widget(id);
      QVERIFY(label);
      QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(label, &e);
      QCOMPARE(QToolTip::text(), q(label_breakdown_text(calc(), id)));
    }
    QVERIFY(QToolTip::text().contains(QStringLiteral("Atk-Pow 1h (min)")));
    QVERIFY(QToolTip::text().contains(QStringLiteral("Atk-Pow 1h (max)")));
    QVERIFY(QToolTip::text().contains(QStringLiteral("rounding and interplay")));
    screenshot("breakdown_atkpow");
    QToolTip::hideText();
  }

  void init() {
    dialogs_ = std::make_unique<SilentDialogs>();
    program_.start({.dialogs = dialogs_.get(), .secondary_windows = false});
  }
  void cleanup() {
    for (QMenu* m : w().findChildren<QMenu*>()) m->hide();
    program_.stop();
    dialogs_.reset();
  }

  void the_five_menus_exist() {
    for (const char* name : {"popup_weap", "popup_sheltom", "popup_armor", "Popup_shield", "Popup_orb"})
      QVERIFY2(menu(name), name);
    QMenu* weap = menu("popup_weap");
    const QStringList subs = {"Axe1", "Bow1", "Scythe1", "Claw1", "Javelin1", "Sword1", "Wand1", "Mace1"};
    const QStringList captions = {"Insert Axe",     "Insert Bow",   "Insert Scythe",     "Insert Claw",
                                  "Insert Javelin", "Insert Sword", "Insert Wand/Staff", "Insert Mace"};
    const QList<QAction*> top = weap->actions();
    QCOMPARE(top.size(), 11);
    for (int k = 0; k < 8; ++k) {
      QVERIFY(top[k]->menu());
      QCOMPARE(top[k]->menu()->objectName(), subs[k]);
      QCOMPARE(top[k]->text(), captions[k]);
      QVERIFY2(!top[k]->icon().isNull(), "each sub-menu shows its kind icon");
      QCOMPARE(top[k]->menu()->actions().size(), weapon_count(k));
    }
    QVERIFY(top[8]->isSeparator());
    QCOMPARE(top[9]->text(), QStringLiteral("Age to..."));
    QCOMPARE(top[9]->menu()->objectName(), QStringLiteral("Age1"));
    QCOMPARE(top[9]->menu()->actions().size(), 11);
    QCOMPARE(top[9]->menu()->actions()[10]->text(), QStringLiteral("+11"));
    QCOMPARE(top[10]->text(), QStringLiteral("Gem with..."));
    QCOMPARE(top[10]->menu()->actions().size(), 23);
    QCOMPARE(action(weap, "gem07")->text(), q(recipe_caption(MixTarget::Weapon, 7)).replace("&", "&&"));
    QCOMPARE(action(menu("popup_armor"), "GemA19")->text(),
             q(recipe_caption(MixTarget::Armor, 19)).replace("&", "&&"));
    QVERIFY(action(menu("Popup_shield"), "AgeS11"));
    QVERIFY(action(menu("Popup_orb"), "GemO17"));
    QCOMPARE(menu("popup_sheltom")->actions().size(), 9);
  }

  void weapon_menu_on_the_one_handed_page() {
    calc().user_select_row(Ctl::Select_class, Fighter);
    w().refresh();
    QMenu* m = right_click(Ctl::TabSheet5, "popup_weap");
    QVERIFY(m);
    QVERIFY(m->isVisible());
    check_weapon_items(m, true);
    // Stone Axe asks nothing: green for a Fighter at level 1.
    QCOMPARE(PopupMenuView::image_of(action(m, "Axe01")), kGreenDotImage);
    QVERIFY(count_dots(m, kRedDotImage) > 0);
    m->hide();
  }

  void weapon_menu_on_the_two_handed_page() {
    calc().user_select_row(Ctl::Select_class, Pikeman);
    QMenu* m = right_click(Ctl::TabSheet5, "popup_weap");
    QVERIFY(m);
    m->hide();
    m = right_click(Ctl::TabSheet6, "popup_weap");
    QVERIFY(m->isVisible());
    check_weapon_items(m, false);
    for (int r = 1; r <= weapon_count(Claw); ++r) QVERIFY(!action(m, item_name(Claw, r))->isEnabled());
    m->hide();
  }

  void without_a_class_every_dot_is_red() {
    QMenu* m = right_click(Ctl::TabSheet5, "popup_weap");
    QCOMPARE(count_dots(m, kGreenDotImage), 0);
    QCOMPARE(count_dots(m, kRedDotImage), 81);
    m->hide();
    // The next opening sees the class.
    calc().user_select_row(Ctl::Select_class, Knight);
    m = right_click(Ctl::TabSheet5, "popup_weap");
    QVERIFY(count_dots(m, kGreenDotImage) > 0);
    QCOMPARE(count_dots(m, kGreenDotImage) + count_dots(m, kRedDotImage), 81);
    m->hide();
  }

  void clicking_a_weapon_fills_the_slot() {
    QMenu* m = right_click(Ctl::TabSheet5, "popup_weap");
    // Claw01 is "Eagle Claw".
    QAction* claw = action(m, "Claw01");
    QCOMPARE(claw->text(), QStringLiteral("Eagle Claw"));
    claw->trigger();
    QCOMPARE(calc().sheet.text(Ctl::stat_weap_def), std::string("5"));
    QCOMPARE(box(Ctl::stat_weap_def), QStringLiteral("5"));
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
    m->hide();

    // A disabled row does nothing even when triggered by program.
    m = right_click(Ctl::TabSheet5, "popup_weap");
    const auto passes = calc().passes();
    QVERIFY(!action(m, "Axe05")->isEnabled());
    auto* view = w().findChild<PopupMenuView*>();
    QVERIFY(view);
    QVERIFY(!view->trigger("Axe05"));
    QCOMPARE(calc().passes(), passes);
    m->hide();

    m = right_click(Ctl::TabSheet6, "popup_weap");
    action(m, "Axe05")->trigger();
    QCOMPARE(box(Ctl::stat_weap_blk), QStringLiteral("3"));
    QCOMPARE(calc().sheet.row(Ctl::stat_weap_spd_2), 1);
    m->hide();
  }

  void sheltom_menu_on_its_group() {
    QMenu* m = right_click(Ctl::grp_sheltom, "popup_sheltom");
    QVERIFY(m);
    QVERIFY(m->isVisible());
    QCOMPARE(action(m, "sheltom01")->text(), QStringLiteral("Lucidy"));
    QCOMPARE(action(m, "sheltom09")->text(), QStringLiteral("Celesto"));
    for (int i = 1; i <= 9; ++i) {
      QAction* a = action(m, QStringLiteral("sheltom0%1").arg(i));
      QCOMPARE(PopupMenuView::image_of(a), kFirstSheltomImage + i - 1);
      QVERIFY(!a->icon().isNull());
    }
    action(m, "sheltom09")->trigger();
    QCOMPARE(box(Ctl::stat_sheltom_mp), QStringLiteral("2.6"));
    m->hide();
  }

  void item_pages_carry_their_menus() {
    QCOMPARE(right_click(Ctl::TabSheet7, "popup_armor"), menu("popup_armor"));
    QVERIFY(menu("popup_armor")->isVisible());
    menu("popup_armor")->hide();
    QCOMPARE(right_click(Ctl::TabSheet8, "Popup_shield"), menu("Popup_shield"));
    menu("Popup_shield")->hide();
    QCOMPARE(right_click(Ctl::TabSheet9, "Popup_orb"), menu("Popup_orb"));
    menu("Popup_orb")->hide();
    // A page without a menu keeps the default.
    QVERIFY(w().widget(Ctl::TabSheet10)->contextMenuPolicy() != Qt::CustomContextMenu);
  }
};

QTEST_MAIN(PopupMenuTest)
#include "popup_menu_test.moc"
