// Finding and equipping in the item browsers, driven with the mouse and the
// keys as a user does: header clicks sort and reverse, the name filter
// narrows the grid, the arrow keys move the selection with its details,
// and Equip, a double click or Enter puts the item on the sheet as one
// undo step, as the main window's own list or weapon menu would.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "data/browser_contents.h"
#include "data/browser_view.h"
#include "data/weapon_tables.h"
#include "engine/sheet_json.h"
#include "tests/support/window_fixture.h"
#include "ui/center_string_grid.h"
#include "ui/item_browser_window.h"
#include "ui/main_window.h"

using namespace brennick;

namespace {

std::string json_of(const Calculator& calc) { return sheet_json(calc).dump(); }

QStringList column(const TCenterStringGrid* g, int c) {
  QStringList out;
  for (int r = 1; r < g->rowCount(); ++r) out << g->cell(c, r);
  return out;
}

}  // namespace

class BrowserFindEquipTest : public QObject {
  Q_OBJECT

  test_support::ProgramFixture program_;
  MainWindow& w() { return *program_.window; }
  Planner& calc() { return *program_.calc; }

  ItemBrowserWindow& open(WindowId id) {
    w().show_window(id);
    auto* b = qobject_cast<ItemBrowserWindow*>(w().secondary_window(id));
    Q_ASSERT(b);
    return *b;
  }
  static QPoint cell_centre(TCenterStringGrid* g, int column, int row) {
    return g->visualRect(g->model()->index(row, column)).center();
  }
  static void click_cell(TCenterStringGrid* g, int column, int row) {
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell_centre(g, column, row));
  }
  static void double_click_row(TCenterStringGrid* g, int row) {
    click_cell(g, 0, row);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, cell_centre(g, 0, row));
  }
  static QLineEdit* filter(ItemBrowserWindow& b) { return b.findChild<QLineEdit*>(QStringLiteral("edt_filter")); }
  static QPushButton* equip(ItemBrowserWindow& b) { return b.findChild<QPushButton*>(QStringLiteral("btn_equip")); }
  static int row_of(const TCenterStringGrid* g, const QString& name) {
    for (int r = 1; r < g->rowCount(); ++r)
      if (g->cell(0, r) == name) return r;
    return -1;
  }
  void choose_class(int c) {
    w().act([c](Session& s) { s.select_row(Ctl::Select_class, c); });
  }
  static void choose_type(ItemBrowserWindow& b, int kind) {
    auto* box = b.findChild<QWidget*>(QStringLiteral("Select_type"));
    box->findChildren<QRadioButton*>().at(kind)->click();
  }

 private slots:
  void init() {
    program_.start();
    w().show();
  }
  void cleanup() { program_.stop(); }

  void a_header_click_sorts_and_a_second_reverses() {
    ItemBrowserWindow& b = open(WindowId::Sheltoms);
    TCenterStringGrid* g = b.grid();
    click_cell(g, 8, 0);  // "NPC buy"
    QCOMPARE(b.view().sort_column, 8);
    QCOMPARE(g->sort_column(), 8);
    QVERIFY(!g->sort_descending());
    QCOMPARE(column(g, 8), (QStringList{"200", "400", "800", "1600", "3000", "6000", "10000", "14000", "?"}));
    // A header click selects nothing.
    QCOMPARE(g->selected_row(), -1);
    click_cell(g, 8, 0);
    QVERIFY(b.view().descending);
    QVERIFY(g->sort_descending());
    QCOMPARE(column(g, 8), (QStringList{"14000", "10000", "6000", "3000", "1600", "800", "400", "200", "?"}));
    // Every row of the sorted grid is a row of the table, whole.
    const BrowserGrid table = fill_grid(BrowserKind::Sheltom, b.choice(), calc().format());
    for (int r = 1; r < g->rowCount(); ++r)
      for (int c = 0; c < g->columnCount(); ++c)
        QCOMPARE(g->cell(c, r), QString::fromStdString(table.cell(c, b.table_row(r))));
  }

  void a_click_on_a_sorted_row_shows_that_item_and_a_class_change_keeps_it_selected() {
    choose_class(Knight);
    ItemBrowserWindow& b = open(WindowId::Armors);
    TCenterStringGrid* g = b.grid();
    click_cell(g, 6, 0);  // "Strenght"
    click_cell(g, 6, 0);  // strongest first
    QCOMPARE(g->cell(0, 1), QStringLiteral("Doom Armor"));
    QCOMPARE(g->cell(6, 1), QStringLiteral("193 - 211"));
    click_cell(g, 0, 1);
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Doom Armor"));
    QCOMPARE(b.label_text("lbl_strenght"), QStringLiteral("193 - 211"));
    // The Fighter's ranges re-sort the grid; Doom Armor stays selected.
    choose_class(Fighter);
    QCOMPARE(b.choice().class_row, Fighter);
    QCOMPARE(g->cell(0, g->selected_row()), QStringLiteral("Doom Armor"));
    QCOMPARE(g->cell(6, g->selected_row()), QStringLiteral("202 - 211"));
    // A refill leaves the details.
    QCOMPARE(b.label_text("lbl_strenght"), QStringLiteral("193 - 211"));
  }

  void the_arrow_keys_move_the_selection_and_the_details() {
    ItemBrowserWindow& b = open(WindowId::Armors);
    TCenterStringGrid* g = b.grid();
    g->setFocus();
    // Nothing selected yet: Down takes the first item.
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(g->selected_row(), 1);
    QCOMPARE(b.label_text("lbl_name"), g->cell(0, 1));
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(g->selected_row(), 2);
    QCOMPARE(b.label_text("lbl_name"), g->cell(0, 2));
    QCOMPARE(b.label_text("lbl_defense").isEmpty(), false);
    QTest::keyClick(g, Qt::Key_Up);
    QTest::keyClick(g, Qt::Key_Up);
    // Never onto the header.
    QCOMPARE(g->selected_row(), 1);
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Battle Suit"));
    QTest::keyClick(g, Qt::Key_End);
    QCOMPARE(g->selected_row(), 18);
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Doom Armor"));
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(g->selected_row(), 18);
    QTest::keyClick(g, Qt::Key_Home);
    QCOMPARE(g->selected_row(), 1);
    // In a filtered grid the keys stop at the last item shown.
    QTest::keyClicks(filter(b), QStringLiteral("armor"));
    const int shown = static_cast<int>(view_rows(fill_grid(BrowserKind::Armor, b.choice(), calc().format()),
                                                 b.view(), calc().format()).size());
    QVERIFY(shown > 1 && shown < 18);
    g->setFocus();
    QTest::keyClick(g, Qt::Key_End);
    QCOMPARE(g->selected_row(), shown);
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(g->selected_row(), shown);
    QVERIFY(b.label_text("lbl_name").contains(QStringLiteral("Armor")));
  }

  void the_filter_keeps_the_matching_names_and_an_empty_filter_brings_back_the_grid() {
    ItemBrowserWindow& b = open(WindowId::Weapons);
    choose_type(b, Sword);
    TCenterStringGrid* g = b.grid();
    const BrowserGrid full = fill_grid(BrowserKind::Weapon, b.choice(), calc().format());
    QTest::keyClicks(filter(b), QStringLiteral("TWIN"));
    QCOMPARE(b.view().filter, std::string("TWIN"));
    QCOMPARE(g->cell(0, 1), QStringLiteral("Twin Sword"));
    for (int c = 0; c < g->columnCount(); ++c) QCOMPARE(g->cell(c, 1), QString::fromStdString(full.cell(c, 18)));
    for (int r = 2; r < g->rowCount(); ++r) {
      QCOMPARE(g->cell(0, r), QString());
      QCOMPARE(g->item(r, 0)->flags() & Qt::ItemIsSelectable, Qt::ItemFlags());
    }
    // A click on an empty row selects nothing and shows nothing.
    click_cell(g, 0, 5);
    QCOMPARE(g->selected_row(), -1);
    QCOMPARE(b.label_text("lbl_name"), QString());
    click_cell(g, 0, 1);
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Twin Sword"));
    QCOMPARE(b.label_text("lbl_special1"), QStringLiteral("20 - 30"));
    // Emptied: the grid as filled, in table order; Twin Sword still selected.
    filter(b)->clear();
    for (int r = 0; r < g->rowCount(); ++r)
      for (int c = 0; c < g->columnCount(); ++c) QCOMPARE(g->cell(c, r), QString::fromStdString(full.cell(c, r)));
    QCOMPARE(g->selected_row(), 18);
    // A name no item has leaves the grid empty and Equip without an item.
    QTest::keyClicks(filter(b), QStringLiteral("zz"));
    QCOMPARE(g->cell(0, 1), QString());
    QCOMPARE(g->selected_row(), -1);
    QVERIFY(!equip(b)->isEnabled());
    QCOMPARE(equip(b)->toolTip(), QStringLiteral("Choose an item in the grid first"));
  }

  void equip_chooses_the_armour_in_the_list_as_one_undo_step() {
    choose_class(Knight);
    ItemBrowserWindow& b = open(WindowId::Armors);
    TCenterStringGrid* g = b.grid();
    QVERIFY(!equip(b)->isEnabled());
    QTest::keyClicks(filter(b), QStringLiteral("doom"));
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Doom Armor"));
    QVERIFY(equip(b)->isEnabled());
    QCOMPARE(equip(b)->toolTip(), QStringLiteral("Equip: choose Doom Armor in the armour list"));

    const std::string before = json_of(calc());
    const std::size_t steps = program_.session->undo_count();
    QTest::mouseClick(equip(b), Qt::LeftButton);
    QCOMPARE(calc().sheet.row(Ctl::Select_Armor), 18);
    QCOMPARE(program_.session->undo_count(), steps + 1);
    const std::string equipped = json_of(calc());
    // The main window shows it.
    auto* armour_def = qobject_cast<QLineEdit*>(w().widget(Ctl::stat_armor_def));
    QVERIFY(armour_def);
    QCOMPARE(armour_def->text(), QString::fromStdString(calc().sheet.text(Ctl::stat_armor_def)));
    QVERIFY(armour_def->text() != QStringLiteral("0"));

    // Undone at once, and the same as the list's own choice.
    w().undo();
    QCOMPARE(json_of(calc()), before);
    QCOMPARE(armour_def->text(), QString::fromStdString(calc().sheet.text(Ctl::stat_armor_def)));
    w().act([](Session& s) { s.select_row(Ctl::Select_Armor, 18); });
    QCOMPARE(json_of(calc()), equipped);
  }

  void a_double_click_and_enter_put_weapons_in_the_column_their_hands_allow() {
    ItemBrowserWindow& b = open(WindowId::Weapons);
    choose_type(b, Sword);
    TCenterStringGrid* g = b.grid();
    const std::size_t steps = program_.session->undo_count();
    // Claymore, held in two hands.
    double_click_row(g, row_of(g, QStringLiteral("Claymore")));
    QCOMPARE(calc().sheet.row(Ctl::Select_weapon_2), Sword);
    QCOMPARE(program_.session->undo_count(), steps + 1);
    const std::string claymore = json_of(calc());
    w().undo();
    w().act([](Session& s) { s.click_menu_item("Sword11", Ctl::TabSheet6); });
    QCOMPARE(json_of(calc()), claymore);

    // Dagger, in one hand, with the keys alone.
    click_cell(g, 0, 0);  // sorted by name: Dagger is not first
    QVERIFY(g->cell(0, 1) != QStringLiteral("Dagger"));
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Home);
    while (g->cell(0, g->selected_row()) != QStringLiteral("Dagger") && g->selected_row() < g->rowCount() - 1)
      QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Dagger"));
    QTest::keyClick(g, Qt::Key_Return);
    QCOMPARE(calc().sheet.row(Ctl::Select_weapon), Sword);
    QCOMPARE(calc().sheet.text(Ctl::stat_weap_min_pow), std::to_string(weapon_row(Sword, 1)->min_pow_hi));
    // The two-handed column keeps its claymore.
    QCOMPARE(calc().sheet.row(Ctl::Select_weapon_2), Sword);
  }

  void equip_refuses_what_the_class_cannot_wear_and_follows_the_class() {
    choose_class(Magician);
    ItemBrowserWindow& b = open(WindowId::Armors);
    click_cell(b.grid(), 0, 1);
    QVERIFY(!equip(b)->isEnabled());
    QCOMPARE(equip(b)->toolTip(), QStringLiteral("A Magician wears robes, not armour"));
    const std::string before = json_of(calc());
    QTest::keyClick(b.grid(), Qt::Key_Return);
    QCOMPARE(json_of(calc()), before);
    // A Knight wears it: Equip follows the sheet when the window is back.
    choose_class(Knight);
    b.activateWindow();
    QApplication::setActiveWindow(&b);
    QTRY_VERIFY(equip(b)->isEnabled());
    QTest::keyClick(b.grid(), Qt::Key_Return);
    QCOMPARE(calc().sheet.row(Ctl::Select_Armor), 1);
  }
};

QTEST_MAIN(BrowserFindEquipTest)
#include "browser_find_equip_test.moc"
