// Every interactive control of every window has a name a screen reader can
// say, read as the platform's accessibility layer reads it; the main
// window's names say the caption and the place of each control, and no two
// of them are the same.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <set>

#include "tests/support/window_fixture.h"
#include "ui/accessible_names.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/secondary_windows.h"

using namespace brennick;

namespace {

// The name the accessibility layer gives a widget.
QString spoken_name(QWidget* w) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
  return a ? a->text(QAccessible::Name).trimmed() : QString();
}

// A part of a compound widget (a list's own box, a field's arrows, a tab
// bar's scroll buttons, a scroll bar) is named by the widget it belongs to.
bool inside_compound(QWidget* w, QWidget* window) {
  for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QTabBar*>(p) ||
        qobject_cast<QAbstractItemView*>(p) || qobject_cast<QScrollBar*>(p) || qobject_cast<QMenu*>(p) ||
        qobject_cast<QLineEdit*>(p))
      return true;
  return false;
}

bool interactive(QWidget* w) {
  return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
         qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QTextEdit*>(w) ||
         qobject_cast<QPlainTextEdit*>(w) || (dynamic_cast<PictureBox*>(w) && dynamic_cast<PictureBox*>(w)->clickable());
}

// "objectName (class)" of every interactive widget of `window` without a name.
QStringList unnamed(QWidget* window) {
  QStringList out;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->isWindow() || !interactive(w) || inside_compound(w, window)) continue;
    if (spoken_name(w).isEmpty())
      out << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
  }
  return out;
}

}  // namespace

class AccessibleNamesTest : public QObject {
  Q_OBJECT

  test_support::ProgramFixture program_;
  MainWindow& w() { return *program_.window; }

 private slots:
  void initTestCase() {
    program_.start();
    w().show();
  }
  void cleanupTestCase() { program_.stop(); }

  void the_main_window_names_each_control_by_its_caption_and_place() {
    const auto name_of = [this](Ctl id) { return spoken_name(w().widget(id)); };
    QCOMPARE(name_of(Ctl::stat_armor_def), QStringLiteral("Armor, Defense, Base"));
    QCOMPARE(name_of(Ctl::stat_armor_spec_def), QStringLiteral("Armor, Defense, Spec"));
    QCOMPARE(name_of(Ctl::stat_armor_spec_abs), QStringLiteral("Armor, Abs, Spec"));
    QCOMPARE(name_of(Ctl::skill_level_2_3), QStringLiteral("Skill tier 2, slot 3, level"));
    QCOMPARE(name_of(Ctl::spin_castOn_1), QStringLiteral("Cast on this Character, Force of Nature, level"));
    QCOMPARE(name_of(Ctl::img_castOn_stat_5), QStringLiteral("Cast on this Character, Triumph of Valhalla, switch"));
    QCOMPARE(name_of(Ctl::stat_level), QStringLiteral("Character Stats, Level"));
    QCOMPARE(name_of(Ctl::stat_weap_rtg_2), QStringLiteral("Two-handed weapon, Atk-Rtg"));
    QCOMPARE(name_of(Ctl::stat_gem_MP), QStringLiteral("One-handed weapon, Gem / Age Result, MP"));
    QCOMPARE(name_of(Ctl::level_30_done), QStringLiteral("Quests done, Level 30"));
    QCOMPARE(name_of(Ctl::Button1), QStringLiteral("Close"));
    QCOMPARE(name_of(Ctl::stat_rings_STM_2), QStringLiteral("Accessories, Rings, Ring STM, Ring 2"));
    QCOMPARE(name_of(Ctl::stat_weap_max_pow), QStringLiteral("One-handed weapon, Atk-Pow, maximum"));
    QCOMPARE(name_of(Ctl::stat_robe_regen), QStringLiteral("Armor, MP Regen, Spec"));
    QCOMPARE(name_of(Ctl::Select_weapon_2), QStringLiteral("Two-handed weapon, Weapon kind"));
    QCOMPARE(name_of(Ctl::stat_sheltom_hp), QStringLiteral("Sheltom, HP Regen"));
    QCOMPARE(name_of(Ctl::stat_weap_spec_pow), QStringLiteral("One-handed weapon, Atk-Pow, Spec. Stats"));
    QCOMPARE(name_of(Ctl::Btn_FileOpen), QString::fromLatin1(control_spec(Ctl::MainMenu_file_load).text.data()));

    // Every control a user acts on is named, and each name once.
    std::set<QString> names;
    QStringList twice;
    for (std::size_t i = 0; i < kControlCount; ++i) {
      const auto id = static_cast<Ctl>(i);
      if (!is_interactive(id) || !w().widget(id)) continue;
      const QString name = name_of(id);
      QVERIFY2(!name.isEmpty(), control_spec(id).name.data());
      if (!names.insert(name).second) twice << name;
    }
    QVERIFY2(twice.isEmpty(), qPrintable(twice.join(QStringLiteral("; "))));
  }

  // Walks the widgets of the main window and of every secondary window.
  void every_interactive_widget_of_every_window_has_a_name() {
    QStringList faults = unnamed(&w());
    for (WindowId id : all_secondary_windows()) {
      w().show_window(id);
      QWidget* window = w().secondary_window(id);
      for (const QString& f : unnamed(window)) faults << QString::fromLatin1(window_info(id).object_name) + ": " + f;
      window->hide();
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
  }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
