// The item browsers, the centred-cell grid and the skill window, read back
// cell by cell from the grids and label by label from the details panels.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/qt_error_log.h"
#include "data/spec_requirement.h"
#include "engine/calculator.h"
#include "engine/startup.h"
#include "pipeline/planner.h"
#include "ui/browser_layout.h"
#include "ui/center_string_grid.h"
#include "ui/item_browser_window.h"
#include "tests/support/window_fixture.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/skill_info_window.h"
#include "ui/zoom.h"

using namespace brennick;

class BrowserWindowsTest : public QObject {
  Q_OBJECT

 private:
  SilentDialogs dialogs_;
  std::unique_ptr<ErrorLog> log_;
  test_support::ProgramFixture program_;
  Planner* calc_ = nullptr;
  MainWindow* window_ = nullptr;

  void start(NumberFormat format, std::optional<QString> app_dir = std::nullopt, ErrorLog* log = nullptr) {
    program_.start({.dialogs = &dialogs_,
                    .format = format,
                    .log = log,
                    .app_dir = app_dir ? std::optional(app_dir->toStdString()) : std::nullopt});
    calc_ = program_.calc;
    window_ = program_.window.get();
    window_->show();
  }
  ItemBrowserWindow& browser(WindowId w) {
    auto* b = qobject_cast<ItemBrowserWindow*>(window_->secondary_window(w));
    Q_ASSERT(b);
    return *b;
  }
  SkillInfoWindow& skills() {
    auto* s = qobject_cast<SkillInfoWindow*>(window_->secondary_window(WindowId::Skills));
    Q_ASSERT(s);
    return *s;
  }
  static QStringList row_of(const TCenterStringGrid* g, int row) {
    QStringList cells;
    for (int c = 0; c < g->columnCount(); ++c) cells << g->cell(c, row);
    return cells;
  }
  // A click on the class choice's radio button with that caption.
  static void click_class(ItemBrowserWindow& b, const QString& caption) {
    b.show();  // a person clicks only on a shown window, laid out
    for (QRadioButton* r : b.findChildren<QRadioButton*>())
      if (r->text() == caption && r->parentWidget()->objectName().startsWith(QStringLiteral("Select_"))) {
        if (r->parentWidget()->objectName() == QStringLiteral("Select_type")) continue;
        // On the round mark, where a person clicks: a radio button takes
        // clicks on its mark and caption only, not on the empty space after.
        QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(r->height() / 2, r->height() / 2));
        return;
      }
    QFAIL(qPrintable("no class " + caption));
  }
  static void click_type(ItemBrowserWindow& b, const QString& caption) {
    b.show();
    auto* box = b.findChild<QGroupBox*>(QStringLiteral("Select_type"));
    for (QRadioButton* r : box->findChildren<QRadioButton*>())
      if (r->text() == caption) QTest::mouseClick(r, Qt::LeftButton);
  }
  static void click_grid_row(ItemBrowserWindow& b, int row) {
    b.show();
    TCenterStringGrid* g = b.grid();
    const QRect r = g->visualRect(g->model()->index(row, 0));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
  }

 private slots:
  void init() { start(NumberFormat::point()); }
  void cleanup() {
    program_.stop();
    log_.reset();
  }

  void every_browser_has_its_caption_size_and_grid() {
    const struct {
      WindowId w;
      const char* caption;
      QSize size;
      int cols, rows;
      const char* choice;
      int classes;
      bool close_dot;  // the Close button's hint ends with a full stop
    } expected[] = {{WindowId::Armors, "Armor Info...", {617, 471}, 10, 19, "Select_class", 6, false},
                    {WindowId::Robes, "Robe Info...", {682, 485}, 11, 19, "Select_Class", 2, true},
                    {WindowId::Shields, "Shield Info...", {716, 469}, 12, 18, "Select_class", 6, true},
                    {WindowId::Orbs, "Orb Info...", {619, 489}, 10, 19, "Select_Class", 2, true},
                    {WindowId::Boots, "Boots Info...", {693, 497}, 12, 18, "Select_class", 8, false},
                    {WindowId::Gaunts, "Gauntlet Info...", {689, 499}, 12, 18, "Select_class", 8, true},
                    {WindowId::Armlets, "Armlet Info...", {598, 465}, 10, 18, "Select_class", 8, false},
                    {WindowId::Amulets, "Amulet Info...", {533, 476}, 8, 19, "Select_class", 8, true},
                    {WindowId::Rings, "Ring Info...", {532, 475}, 8, 19, "Select_class", 8, true},
                    {WindowId::Sheltoms, "Sheltom Info...", {536, 335}, 9, 10, "Select_class", 8, true},
                    {WindowId::Weapons, "Weapon Info...", {861, 517}, 17, 21, "Select_class", 8, true}};
    for (const auto& e : expected) {
      ItemBrowserWindow& b = browser(e.w);
      QCOMPARE(b.windowTitle(), QString::fromLatin1(e.caption));
      // The find row above the grid adds to the window's height alone.
      QCOMPARE(b.size(), e.size + QSize(0, kBrowserFindRowHeight));
      QCOMPARE(b.grid()->columnCount(), e.cols);
      QCOMPARE(b.grid()->rowCount(), e.rows);
      QCOMPARE(b.grid()->cell(0, 0), QStringLiteral("Name"));
      auto* choice = b.findChild<QGroupBox*>(QString::fromLatin1(e.choice));
      QVERIFY2(choice, e.caption);
      QCOMPARE(choice->findChildren<QRadioButton*>().size(), e.classes);
      for (QRadioButton* r : choice->findChildren<QRadioButton*>()) QVERIFY(!r->isChecked());
      QCOMPARE(b.label_text(QStringLiteral("lbl_name")), QString());
      const QString close = e.w == WindowId::Robes ? QStringLiteral("Button1") : QStringLiteral("Btn_close_skill_info");
      auto* button = b.findChild<QPushButton*>(close);
      QVERIFY2(button, e.caption);
      QCOMPARE(button->toolTip(), QStringLiteral("Close the current window") + (e.close_dot ? "." : ""));
      QCOMPARE(choice->title(), e.classes == 2 ? QStringLiteral("Select Class") : QStringLiteral("Select a Class"));
      const bool resistances = QList<WindowId>{WindowId::Armors, WindowId::Robes, WindowId::Shields,
                                               WindowId::Orbs,   WindowId::Boots, WindowId::Gaunts}
                                   .contains(e.w);
      for (const char* icon : {"Image2", "Image3", "Image4", "Image5", "Image6"})
        QCOMPARE(b.findChild<PictureBox*>(icon) != nullptr, resistances);
    }
    QCOMPARE(browser(WindowId::Robes).findChild<QPushButton*>(QStringLiteral("Button1"))->text(),
             QStringLiteral("Close"));
  }

  void battle_suit_without_a_class() {
    ItemBrowserWindow& b = browser(WindowId::Armors);
    QCOMPARE(row_of(b.grid(), 0), (QStringList{"Name", "Defense", "Abs.", "Spec Def.", "Spec Abs.", "Level",
                                               "Strenght", "Talent", "Weight", "NPC buy"}));
    QCOMPARE(row_of(b.grid(), 1), (QStringList{"Battle Suit", "8 - 12", "0.6 - 0.9", "5 - 10", "0.1 - 0.2", "---",
                                               "---", "---", "10", "80"}));
    click_grid_row(b, 1);
    QCOMPARE(b.grid()->selected_row(), 1);
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Battle Suit"));
    QCOMPARE(b.label_text("lbl_defense"), QStringLiteral("8 - 12  +  5 - 10"));
    QCOMPARE(b.label_text("lbl_abs"), QStringLiteral("0.6 - 0.9  +  0.1 - 0.2"));
    QCOMPARE(b.label_text("lbl_level"), QStringLiteral("0"));
    QCOMPARE(b.label_text("lbl_flame"), QStringLiteral(" -1"));
    QCOMPARE(b.label_text("Lbl_organic"), QStringLiteral("1 - 4"));
    QCOMPARE(b.findChild<PictureBox*>("Armor_pic")->toolTip(), QStringLiteral("Battle Suit"));
    QVERIFY(!b.findChild<PictureBox*>("Armor_pic")->image().isNull());
    // A click on the header selects nothing: it sorts by the names, and the
    // item selected stays selected where it went.
    click_grid_row(b, 0);
    QCOMPARE(b.view().sort_column, 0);
    QCOMPARE(b.grid()->cell(0, 1), QStringLiteral("Ancient Armor"));
    QCOMPARE(b.grid()->cell(0, b.grid()->selected_row()), QStringLiteral("Battle Suit"));
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Battle Suit"));
  }

  void doom_armor_for_knight_fighter_and_after_reset() {
    ItemBrowserWindow& b = browser(WindowId::Armors);
    const TCenterStringGrid* g = b.grid();
    QCOMPARE(g->cell(0, 18), QStringLiteral("Doom Armor"));
    click_class(b, "Knight");
    QCOMPARE(g->cell(6, 18), QStringLiteral("193 - 211"));
    QCOMPARE(g->cell(7, 18), QStringLiteral("84 - 88"));
    click_grid_row(b, 18);
    QCOMPARE(b.label_text("lbl_strenght"), QStringLiteral("193 - 211"));
    QCOMPARE(b.label_text("lbl_talent"), QStringLiteral("84 - 88"));
    QCOMPARE(b.label_text("lbl_weight"), QStringLiteral("?"));
    QCOMPARE(b.label_text("lbl_npc"), QStringLiteral("?"));
    click_class(b, "Fighter");
    QCOMPARE(g->cell(6, 18), QStringLiteral("202 - 211"));
    QCOMPARE(g->cell(7, 18), QStringLiteral("80"));
    // The refill keeps the selected row and leaves the details as they were.
    QCOMPARE(g->selected_row(), 18);
    QCOMPARE(b.label_text("lbl_strenght"), QStringLiteral("193 - 211"));
    QTest::mouseClick(b.findChild<QPushButton*>("btn_reset"), Qt::LeftButton);
    QCOMPARE(g->cell(6, 18), QStringLiteral("184"));
    QCOMPARE(g->cell(7, 18), QStringLiteral("80"));
    for (QRadioButton* r : b.findChildren<QRadioButton*>()) QVERIFY(!r->isChecked());
    QCOMPARE(g->cell(8, 18), QStringLiteral("?"));
    QCOMPARE(g->cell(9, 18), QStringLiteral("?"));
  }

  void robe_rows_mean_magician_and_priestess() {
    ItemBrowserWindow& b = browser(WindowId::Robes);
    const int raw = std::stoi(b.grid()->cell(7, 18).toStdString());  // Spirit of the last robe, no class
    click_class(b, "Priestess");
    auto expected = [&](int code) {
      return QStringLiteral("%1 - %2").arg(spec_requirement(raw, kStatSpirit, code, true))
          .arg(spec_requirement(raw, kStatSpirit, code, false));
    };
    QCOMPARE(b.grid()->cell(7, 18), expected(7));
    QVERIFY(expected(7) != expected(1));  // row 1 of an eight-class choice would be the Archer
    click_class(b, "Magician");
    QCOMPARE(b.grid()->cell(7, 18), expected(6));
  }

  void amulet_and_ring_rows_one_to_four() {
    for (WindowId w : {WindowId::Amulets, WindowId::Rings}) {
      ItemBrowserWindow& b = browser(w);
      for (const char* cls : {"", "Knight", "Priestess"}) {
        if (*cls) click_class(b, cls);
        for (int r = 1; r <= 4; ++r) {
          QCOMPARE(b.grid()->cell(4, r), QStringLiteral("---"));  // Level
          QCOMPARE(b.grid()->cell(5, r), QStringLiteral("---"));  // Spirit
        }
      }
      click_grid_row(b, 2);
      QCOMPARE(b.label_text("lbl_level"), QStringLiteral("---"));
      QCOMPARE(b.label_text("lbl_spirit"), QStringLiteral("---"));
    }
  }

  void lucidy() {
    ItemBrowserWindow& b = browser(WindowId::Sheltoms);
    QCOMPARE(b.grid()->cell(0, 1), QStringLiteral("Lucidy"));
    QCOMPARE(b.grid()->cell(3, 1), QStringLiteral("0.1"));
    for (int c : {1, 2, 4}) QVERIFY(b.grid()->cell(c, 1).contains(" - "));
    click_grid_row(b, 1);
    QCOMPARE(b.label_text("lbl_specHP"), QStringLiteral("0.1"));
    const auto d = item_details(BrowserKind::Sheltom, {}, fill_grid(BrowserKind::Sheltom, {}, NumberFormat::point()), 1,
                                NumberFormat::point());
    QCOMPARE(QString::fromStdString(d->picture), QStringLiteral("Sheltom_1.bmp"));
  }

  void axe_rows_18_to_20_and_a_click_on_row_20() {
    ItemBrowserWindow& b = browser(WindowId::Weapons);
    for (int r = 18; r <= 20; ++r) QCOMPARE(row_of(b.grid(), r), QStringList(QVector<QString>(17).toList()));
    QCOMPARE(b.grid()->cell(0, 17), QStringLiteral("Ancient Axe"));
    click_grid_row(b, 20);
    QCOMPARE(b.grid()->selected_row(), 20);
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Ancient Axe"));
    QCOMPARE(b.label_text("lbl_DefBlk"), QStringLiteral("9 %"));
    QCOMPARE(b.label_text("lbl_specAP"), QStringLiteral("Lvl/7"));
    QCOMPARE(b.label_text("lbl_specAR"), QStringLiteral("Lvl/1-3"));
    QCOMPARE(b.label_text("lbl_weight"), QStringLiteral("?"));
    QCOMPARE(b.label_text("lbl_npc"), QStringLiteral("?"));
    QCOMPARE(b.label_text("Label15"), QStringLiteral("Block:"));
  }

  void stone_axe() {
    ItemBrowserWindow& b = browser(WindowId::Weapons);
    QCOMPARE(row_of(b.grid(), 1).mid(0, 10), (QStringList{"Stone Axe", "1(2) - 3(4)", b.grid()->cell(2, 1), "3 % ",
                                                          "7", " X", "  ", "---", "Lvl/4", "---"}));
    click_grid_row(b, 1);
    QCOMPARE(b.label_text("lbl_crit"), QStringLiteral("3 %  (3+0)"));
    QCOMPARE(b.label_text("lbl_spd"), QStringLiteral("7 (6+1)"));
    QCOMPARE(b.label_text("Label19"), QStringLiteral("---"));
  }

  void swords() {
    ItemBrowserWindow& b = browser(WindowId::Weapons);
    click_type(b, "Sword");
    QCOMPARE(b.grid()->cell(7, 0), QStringLiteral("Block."));
    for (int r = 1; r <= 20; ++r) QVERIFY2(!b.grid()->cell(0, r).isEmpty(), qPrintable(QString::number(r)));
    const struct {
      int row;
      const char* name;
      const char* caption;
      const char* special;
    } swords[] = {{9, "Shield Sword", "Add Def", "16 - 30"}, {8, "Templar Sword", "Add MP", "10 - 16"},
                  {18, "Twin Sword", "Add MP", "20 - 30"}};
    for (const auto& s : swords) {
      click_grid_row(b, s.row);
      QCOMPARE(b.label_text("lbl_name"), QString::fromLatin1(s.name));
      QCOMPARE(b.label_text("Label19"), QString::fromLatin1(s.caption));
      QCOMPARE(b.label_text("lbl_special1"), QString::fromLatin1(s.special));
    }
    QCOMPARE(b.grid()->cell(7, 9), QStringLiteral("---"));
  }

  void claws_and_wands() {
    ItemBrowserWindow& b = browser(WindowId::Weapons);
    click_type(b, "Claw");
    QCOMPARE(b.grid()->cell(7, 0), QStringLiteral("Def."));
    QCOMPARE(b.label_text("Label15"), QStringLiteral("Def.:"));
    QCOMPARE(b.grid()->cell(7, 1), QStringLiteral("3 - 5"));
    click_class(b, "Knight");
    QCOMPARE(b.grid()->cell(12, 1), QStringLiteral("23 - 24"));
    click_type(b, "Wand");
    QCOMPARE(b.label_text("Label15"), QStringLiteral("Block:"));
    QCOMPARE(b.grid()->cell(8, 0), QStringLiteral("M. Apt"));
    QCOMPARE(b.grid()->cell(9, 0), QStringLiteral("MP rec"));
    QCOMPARE(b.grid()->cell(3, 1), QStringLiteral("---"));
    QCOMPARE(b.grid()->cell(8, 1), QStringLiteral("3 - 4"));
    QCOMPARE(b.grid()->cell(9, 1), QStringLiteral("0.2 - 0.4"));
    click_grid_row(b, 1);
    QCOMPARE(b.label_text("Label19"), QStringLiteral("M. Apt:"));
    QCOMPARE(b.label_text("Label18"), QStringLiteral("MP Rec:"));
    QCOMPARE(b.label_text("lbl_special1"), QStringLiteral("3 - 4"));
    QCOMPARE(b.label_text("lbl_special2"), QStringLiteral("0.2 - 0.4"));
    QCOMPARE(b.label_text("lbl_specAR"), QStringLiteral("---"));
    QCOMPARE(b.label_text("lbl_specAP"), QStringLiteral("---"));
    // Reset keeps the weapon kind.
    QTest::mouseClick(b.findChild<QPushButton*>("btn_reset"), Qt::LeftButton);
    QCOMPARE(b.grid()->cell(0, 1), QStringLiteral("Wand"));
  }

  void browsers_follow_the_main_window_class() {
    ItemBrowserWindow& armor = browser(WindowId::Armors);
    click_grid_row(armor, 18);
    calc_->user_select_row(Ctl::Select_class, 5);  // Knight
    QCOMPARE(armor.choice().class_row, 5);
    QCOMPARE(armor.grid()->cell(6, 18), QStringLiteral("193 - 211"));
    QCOMPARE(armor.label_text("lbl_strenght"), QStringLiteral("184"));  // details as before
    QCOMPARE(browser(WindowId::Weapons).choice().class_row, 5);
    QCOMPARE(browser(WindowId::Robes).choice().class_row, -1);
    calc_->user_select_row(Ctl::Select_class, 7);  // Priestess
    QCOMPARE(browser(WindowId::Robes).choice().class_row, 1);
    QCOMPARE(browser(WindowId::Orbs).choice().class_row, 1);
    QCOMPARE(armor.choice().class_row, 5);  // the armour window keeps its class
    QCOMPARE(skills().class_list()->currentIndex(), 7);
  }

  void a_missing_picture_keeps_the_details() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QDir(dir.path()).mkdir("images");
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/images/Armor_01.bmp",
                        dir.path() + "/images/Armor_01.bmp"));
    log_ = std::make_unique<QtErrorLog>(dir.path().toStdString(), dialogs_);
    start(NumberFormat::point(), dir.path(), log_.get());
    ItemBrowserWindow& b = browser(WindowId::Armors);
    click_grid_row(b, 1);
    QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Battle Suit"));
    for (int clicks = 1; clicks <= 2; ++clicks) {
      click_grid_row(b, clicks == 1 ? 2 : 3);
      QCOMPARE(b.label_text("lbl_name"), QStringLiteral("Battle Suit"));
      QCOMPARE(b.label_text("lbl_defense"), QStringLiteral("8 - 12  +  5 - 10"));
      QCOMPARE(b.grid()->selected_row(), clicks == 1 ? 2 : 3);
      QVERIFY(window_->status_text(1).contains("Armor_0"));
      QFile f(dir.path() + "/error.log");
      QVERIFY(f.open(QIODevice::ReadOnly));
      // Other windows made in this folder without pictures log their own lines.
      QList<QByteArray> lines;
      for (const QByteArray& l : f.readAll().split('\n'))
        if (l.contains("Owner: FrmArmors")) lines.push_back(l);
      QCOMPARE(lines.size(), clicks);
      QVERIFY(lines.back().contains("Armor_0"));
    }
    click_class(b, "Knight");  // still usable
    QCOMPARE(b.grid()->cell(6, 18), QStringLiteral("193 - 211"));
  }

  void centred_grid_colours() {
    ItemBrowserWindow& b = browser(WindowId::Armors);
    b.show();
    click_grid_row(b, 2);
    TCenterStringGrid* g = b.grid();
    const QImage shot = g->grab().toImage();
    auto colour_at = [&](int row) {
      const QRect r = g->visualRect(g->model()->index(row, 0));
      return shot.pixelColor(r.left() + 2, r.top() + 2);
    };
    QCOMPARE(colour_at(0), g->palette().color(QPalette::Button));
    QCOMPARE(colour_at(2), g->palette().color(QPalette::Highlight));
    QCOMPARE(colour_at(1), g->palette().color(QPalette::Base));
  }

  // The columns are fitted to every class choice when a browser first shows
  // (start-up does not wait for it), and a zoom set before that scales the
  // fitted widths, not the grid's unfitted ones.
  void columns_are_fitted_when_first_shown_or_zoomed() {
    auto widths = [](const TCenterStringGrid* g) {
      QList<int> w;
      for (int c = 0; c < g->columnCount(); ++c) w << g->columnWidth(c);
      return w;
    };
    ItemBrowserWindow& weapons = browser(WindowId::Weapons);
    const QList<int> unfitted = widths(weapons.grid());
    window_->show_window(WindowId::Weapons);
    const QList<int> fitted = widths(weapons.grid());
    QVERIFY(fitted != unfitted);
    int sum = 0;
    for (int w : fitted) sum += w;
    QVERIFY2(sum <= weapons.grid()->width(), qPrintable(QString::number(sum)));
    // Every class and every weapon kind fits the columns fitted once.
    for (int k = 0; k < kWeaponKindCount; ++k) {
      weapons.set_weapon_kind(k);
      for (int c = -1; c < static_cast<int>(browser_info(BrowserKind::Weapon).class_rows.size()); ++c) {
        weapons.set_class_row(c);
        QCOMPARE(widths(weapons.grid()), fitted);
        QCOMPARE(weapons.grid()->clipped_cells(), QStringList());
      }
    }

    // A new window, zoomed to 200 % before the browser ever showed.
    start(NumberFormat::point());
    ItemBrowserWindow& zoomed = browser(WindowId::Weapons);
    QCOMPARE(widths(zoomed.grid()), unfitted);
    apply_zoom(&zoomed, 200);
    QList<int> doubled;
    for (int w : fitted) doubled << 2 * w;
    QCOMPARE(widths(zoomed.grid()), doubled);
    window_->show_window(WindowId::Weapons);
    QCOMPARE(widths(zoomed.grid()), doubled);
  }

  void texts_fit_and_screenshots_after_a_click() {
    const QString shots = qEnvironmentVariable("BRENNICK_SHOT_DIR");
    for (WindowId w : all_secondary_windows()) {
      auto* b = qobject_cast<ItemBrowserWindow*>(window_->secondary_window(w));
      if (!b) continue;
      window_->show_window(w);
      const BrowserInfo& info = browser_info(b->kind());
      click_class(*b, QString::fromStdString(info.class_rows.back()));
      click_grid_row(*b, b->kind() == BrowserKind::Weapon ? 9 : 1);
      QVERIFY2(b->clipped_texts().isEmpty(), qPrintable(b->objectName() + ": " + b->clipped_texts().join("; ")));
      if (!shots.isEmpty()) b->grab().save(shots + "/" + b->objectName() + ".png");
    }
    window_->show_window(WindowId::Skills);
    skills().choose_class(7);
    skills().choose_tier(4);
    if (!shots.isEmpty()) skills().grab().save(shots + "/FrmSkills.png");
  }

  // --- the skill window ---

  void tier_before_class_shows_nothing() {
    SkillInfoWindow& s = skills();
    s.choose_tier(1);
    QCOMPARE(s.grid(1)->cell(1, 0), QString());
    QCOMPARE(s.skill_name(1)->text(), QString());
    s.choose_class(0);
    QCOMPARE(s.grid(1)->cell(0, 0), QStringLiteral("+%wAP"));
  }

  void fighter_tier_1() {
    SkillInfoWindow& s = skills();
    s.choose_class(0);
    s.choose_tier(1);
    QCOMPARE(s.skill_name(1)->text(), QStringLiteral("Melee Mastery"));
    QVERIFY(!s.skill_picture(1)->image().isNull());
    QCOMPARE(s.grid(1)->cell(1, 0), QStringLiteral("6 %"));
    QCOMPARE(s.grid(1)->cell(10, 0), QStringLiteral("32 %"));
    QCOMPARE(s.grid(1)->cell(0, 1), QString());
    QCOMPARE(s.skill_name(3)->text(), QStringLiteral("Raving"));
    QCOMPARE(s.grid(3)->cell(0, 1), QStringLiteral("Hits"));
    QCOMPARE(s.grid(3)->cell(1, 1), QStringLiteral("2"));
    QCOMPARE(s.grid(3)->cell(10, 1), QStringLiteral("4"));
    QCOMPARE(s.grid(3)->cell(0, 2), QStringLiteral("D-%HP"));
    QCOMPARE(s.grid(3)->cell(1, 2), QStringLiteral("1 %"));
    QCOMPARE(s.grid(3)->cell(2, 2), QStringLiteral("1.2 %"));
    QCOMPARE(s.grid(3)->cell(10, 2), QStringLiteral("3.6 %"));
    QCOMPARE(s.grid(3)->cell(1, 3), QStringLiteral("14"));  // MP as stored
    QCOMPARE(s.grid(3)->cell(0, 4), QStringLiteral("STM"));
  }

  void priestess_tiers_2_and_4_and_emptied_cells() {
    SkillInfoWindow& s = skills();
    s.choose_class(7);
    s.choose_tier(4);
    QCOMPARE(s.grid(4)->rowCount(), 7);
    QCOMPARE(s.grid(4)->cell(0, 6), QStringLiteral("STM"));
    QCOMPARE(s.skill_name(4)->text(), QStringLiteral("Summon Muspell"));
    s.choose_tier(2);
    QCOMPARE(s.grid(1)->cell(0, 0), QStringLiteral("+MP R."));
    QCOMPARE(s.grid(1)->cell(1, 0), QStringLiteral("0.6"));
    QCOMPARE(s.grid(1)->cell(2, 0), QStringLiteral("1.0"));
    QCOMPARE(s.grid(3)->cell(0, 0), QStringLiteral("Refl%"));
    QCOMPARE(s.grid(3)->cell(1, 0), QStringLiteral("20 %"));
    QCOMPARE(s.grid(3)->cell(10, 0), QStringLiteral("160 %"));
    // Grand Healing has four rows: nothing of Summon Muspell's seven remains.
    for (int r = 4; r < 7; ++r)
      for (int c = 0; c < 11; ++c) QCOMPARE(s.grid(4)->cell(c, r), QString());
  }

  void archer_tier_3() {
    SkillInfoWindow& s = skills();
    s.choose_class(1);
    s.choose_tier(3);
    QCOMPARE(s.skill_name(2)->text(), QStringLiteral("Golden Falcon"));
    QCOMPARE(s.grid(2)->cell(1, 0), QStringLiteral("120 %"));
    QCOMPARE(s.grid(2)->cell(10, 0), QStringLiteral("165 %"));
    QCOMPARE(s.grid(2)->cell(1, 1), QStringLiteral("1.0"));
    QCOMPARE(s.grid(2)->cell(10, 1), QStringLiteral("3.7"));
  }

  void main_window_class_moves_only_the_class_list() {
    SkillInfoWindow& s = skills();
    s.choose_class(0);
    s.choose_tier(1);
    calc_->user_select_row(Ctl::Select_class, 6);
    QCOMPARE(s.class_list()->currentIndex(), 6);
    QCOMPARE(s.skill_name(1)->text(), QStringLiteral("Melee Mastery"));
    s.choose_tier(1);
    QVERIFY(s.skill_name(1)->text() != QStringLiteral("Melee Mastery"));
  }

  void comma_locale() {
    start(NumberFormat::comma());
    SkillInfoWindow& s = skills();
    s.choose_class(0);
    s.choose_tier(1);
    QCOMPARE(s.grid(3)->cell(10, 2), QStringLiteral("3,6 %"));
    QCOMPARE(s.grid(3)->cell(2, 2), QStringLiteral("1,2 %"));
    QCOMPARE(s.grid(1)->cell(1, 0), QStringLiteral("6 %"));
    QCOMPARE(browser(WindowId::Armors).grid()->cell(2, 1), QStringLiteral("0,6 - 0,9"));
  }
};

QTEST_MAIN(BrowserWindowsTest)
#include "browser_windows_test.moc"
