// Every text of the main window fits its widget at extreme builds: a
// level-1000 character of each class, every statistic at 1000, the last
// item of every list and huge values in every equipment box. Drop-down
// lists show every row whole, closed and in their popups.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QtTest>
#include <memory>

#include "engine/startup.h"
#include "pipeline/planner.h"
#include "tests/support/window_fixture.h"
#include "ui/main_window.h"

using namespace brennick;

namespace {

// Huge values: four-digit integers and reals to a tenth, far beyond every
// item of the tables.
constexpr char kHugeInt[] = "9999";
constexpr char kHugeReal[] = "999.9";

bool fills_from_tables(Ctl id) {
  return control_spec(id).kind == ControlKind::DropDown && id != Ctl::Select_class && id != Ctl::Select_weapon &&
         id != Ctl::Select_weapon_2 && id != Ctl::stat_weap_spd && id != Ctl::stat_weap_spd_2;
}

}  // namespace

class TextFitTest : public QObject {
  Q_OBJECT

  test_support::ProgramFixture program_;
  Planner* calc_ = nullptr;
  MainWindow* window_ = nullptr;

  void extreme_build(int class_no) {
    Planner& calc = *calc_;
    calc.user_select_row(Ctl::Select_class, class_no);
    calc.user_set_text(Ctl::stat_level, "1000");
    for (Ctl stat : {Ctl::stat_strenght, Ctl::stat_spirit, Ctl::stat_talent, Ctl::stat_agility, Ctl::stat_health})
      calc.user_set_text(stat, "1000");
    for (Ctl id : all_controls()) {
      if (fills_from_tables(id) && !calc.sheet[id].rows.empty())
        calc.user_select_row(id, static_cast<int>(calc.sheet[id].rows.size()) - 1);
    }
    for (Ctl weapon : {Ctl::Select_weapon, Ctl::Select_weapon_2}) calc.user_select_row(weapon, 0);
    for (Ctl id : all_controls()) {
      const ControlSpec& spec = control_spec(id);
      if (spec.kind != ControlKind::TextBox || !calc.sheet[id].enabled) continue;
      calc.user_set_text(id, spec.flags & cflag::RealCheck ? kHugeReal : kHugeInt);
    }
    for (int slot = 0; slot < 16; ++slot) calc.user_set_text(slot_controls(slot).level, "10");
    for (int i = 0; i < 8; ++i) calc.user_set_text(cast_on_controls(i).spin, "10");
    window_->refresh();
  }

 private slots:
  void init() {
    program_.start({.dialogs = &dialogs_, .secondary_windows = false, .app_dir = ""});
    calc_ = program_.calc;
    window_ = program_.window.get();
    window_->show();
  }
  void cleanup() { program_.stop(); }

  void labels_fit_at_extreme_builds_data() {
    QTest::addColumn<int>("class_no");
    for (int c = 0; c < 8; ++c) QTest::addRow("class %d", c) << c;
  }
  void labels_fit_at_extreme_builds() {
    QFETCH(int, class_no);
    extreme_build(class_no);
    QCOMPARE(calc_->sheet.status_panel1, std::string("OK"));
    // BRENNICK_SHOT_DIR=folder keeps a picture of each build to look at.
    if (const QString dir = qEnvironmentVariable("BRENNICK_SHOT_DIR"); !dir.isEmpty())
      window_->grab().save(QStringLiteral("%1/extreme_class_%2.png").arg(dir).arg(class_no));
    const QStringList clipped = window_->clipped_captions();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
  }

  // Each row of a list, shown as the closed list's text and in its popup.
  void every_list_row_fits() {
    QStringList clipped;
    for (int c = 0; c < 8; ++c) {
      calc_->user_select_row(Ctl::Select_class, c);  // the armour list follows the class
      window_->refresh();
      for (Ctl id : all_controls()) {
        auto* combo = qobject_cast<QComboBox*>(window_->widget(id));
        if (!combo) continue;
        const QFontMetrics fm(combo->font());
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int text_room = combo->style()
                                  ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                  .width() -
                              (combo->iconSize().width() + 4) * (combo->itemIcon(0).isNull() ? 0 : 1);
        const int popup_room = combo->view()->minimumWidth() > 0 ? qMax(combo->view()->minimumWidth(), combo->width())
                                                                 : combo->width();
        for (int r = 0; r < combo->count(); ++r) {
          const int need = fm.horizontalAdvance(combo->itemText(r));
          if (need > text_room)
            clipped << QStringLiteral("%1 row %2 \"%3\" (%4 > %5)")
                           .arg(combo->objectName())
                           .arg(r)
                           .arg(combo->itemText(r))
                           .arg(need)
                           .arg(text_room);
          if (need + 8 > popup_room)
            clipped << QStringLiteral("%1 popup row %2 (%3 > %4)").arg(combo->objectName()).arg(r).arg(need + 8).arg(popup_room);
        }
      }
    }
    clipped.removeDuplicates();
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
  }

 private:
  SilentDialogs dialogs_;
};

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
