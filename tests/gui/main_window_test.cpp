// The main window against the control table: every control of the sheet is
// a widget of the right kind, and user edits reach the model.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "buildfile/build_code.h"
#include "engine/sheet_json.h"
#include "pipeline/planner.h"
#include "engine/startup.h"
#include "tests/support/window_fixture.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "tests/support/qt_strings.h"
#include "tests/support/recording.h"

using namespace brennick;

namespace {

// Answers every dialog at once and records what was asked.
using test_support::ScriptedDialogs;

using test_support::q;

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ScriptedDialogs> dialogs_;
  test_support::ProgramFixture program_;

  MainWindow& w() { return *program_.window; }
  Planner& calc() { return *program_.calc; }
  template <class T>
  T* find(Ctl id) {
    return w().findChild<T*>(q(control_spec(id).name));
  }
  void show_and_activate() {
    w().show();
    QApplication::setActiveWindow(&w());
    QVERIFY(QTest::qWaitForWindowActive(&w()));
  }

 private slots:
  void init() {
    dialogs_ = std::make_unique<ScriptedDialogs>();
    program_.start({.dialogs = dialogs_.get(), .secondary_windows = false});
  }
  void cleanup() {
    program_.stop();
    dialogs_.reset();
  }

  void every_control_is_a_widget_of_its_kind() {
    for (Ctl id : all_controls()) {
      const ControlSpec& spec = control_spec(id);
      const QString name = q(spec.name);
      const QString text = q(spec.text);
      const QString hint = q(spec.hint);
      const bool enabled = !(spec.flags & cflag::Disabled);
      const bool hidden = spec.flags & cflag::Hidden;
      QWidget* widget = nullptr;
      switch (spec.kind) {
        case ControlKind::MenuItem: {
          auto* a = find<QAction>(id);
          QVERIFY2(a, qPrintable(name));
          QCOMPARE(a->text(), text);
          if (!hint.isEmpty()) QCOMPARE(a->toolTip(), hint);  // without one Qt shows the caption
          // Export holds the window's own "Copy Build Code" and so opens.
          QCOMPARE(a->isEnabled(), enabled || id == Ctl::MainMenu_view);
          QCOMPARE(a, w().action(id));
          continue;
        }
        case ControlKind::Group:
          if (id == Ctl::MainForm) {
            QCOMPARE(w().objectName(), name);
            QCOMPARE(w().windowTitle(), text);
            continue;
          }
          if (id == Ctl::ToolBar1) {
            widget = find<QToolBar>(id);
          } else {
            auto* g = find<QGroupBox>(id);
            QVERIFY2(g, qPrintable(name));
            QCOMPARE(g->title(), text);
            widget = g;
          }
          break;
        case ControlKind::PageSet:
          widget = find<QTabWidget>(id);
          break;
        case ControlKind::Page: {
          widget = find<QWidget>(id);
          QVERIFY2(widget, qPrintable(name));
          auto* tabs = find<QTabWidget>(spec.parent);
          QVERIFY2(tabs, qPrintable(name));
          const int index = tabs->indexOf(widget);
          QVERIFY2(index >= 0, qPrintable(name));
          QCOMPARE(tabs->tabText(index), text);
          continue;
        }
        case ControlKind::Label: {
          auto* l = find<QLabel>(id);
          QVERIFY2(l, qPrintable(name));
          QCOMPARE(l->text(), text);
          widget = l;
          break;
        }
        case ControlKind::NumberField: {
          auto* s = find<QSpinBox>(id);
          QVERIFY2(s, qPrintable(name));
          QCOMPARE(s->minimum(), spec.min);
          QCOMPARE(s->maximum(), spec.max);
          QCOMPARE(s->value(), text.toInt());
          widget = s;
          break;
        }
        case ControlKind::TextBox: {
          auto* e = find<QLineEdit>(id);
          QVERIFY2(e, qPrintable(name));
          QCOMPARE(e->text(), text);
          widget = e;
          break;
        }
        case ControlKind::Memo: {
          auto* m = find<QPlainTextEdit>(id);
          QVERIFY2(m, qPrintable(name));
          QVERIFY(m->isReadOnly());
          QCOMPARE(m->focusPolicy(), Qt::NoFocus);
          QCOMPARE(m->frameShape(), QFrame::NoFrame);
          QCOMPARE(m->toPlainText(), text);
          widget = m;
          break;
        }
        case ControlKind::DropDown: {
          auto* c = find<QComboBox>(id);
          QVERIFY2(c, qPrintable(name));
          QCOMPARE(c->currentIndex(), -1);
          QCOMPARE(c->placeholderText(), text);
          const auto& rows = calc().sheet[id].rows;
          QCOMPARE(c->count(), static_cast<int>(rows.size()));
          for (int r = 0; r < c->count(); ++r) QCOMPARE(c->itemText(r), QString::fromStdString(rows[r]));
          widget = c;
          break;
        }
        case ControlKind::CheckBox: {
          auto* c = find<QCheckBox>(id);
          QVERIFY2(c, qPrintable(name));
          QCOMPARE(c->text(), text);
          QVERIFY(!c->isChecked());
          widget = c;
          break;
        }
        case ControlKind::Picture:
          widget = find<PictureBox>(id);
          break;
        case ControlKind::Button: {
          auto* b = find<QPushButton>(id);
          QVERIFY2(b, qPrintable(name));
          QCOMPARE(b->text(), text);
          widget = b;
          break;
        }
        case ControlKind::ToolButton: {
          auto* b = find<QToolButton>(id);
          QVERIFY2(b, qPrintable(name));
          QVERIFY2(!b->icon().isNull(), qPrintable(name));
          widget = b;
          break;
        }
      }
      QVERIFY2(widget, qPrintable(name));
      QCOMPARE(widget, w().widget(id));
      QCOMPARE(widget->toolTip(), hint);
      QCOMPARE(widget->isEnabled(), enabled);
      QCOMPARE(widget->isHidden(), hidden);
      // Inside the widget of its parent control.
      if (spec.parent != Ctl::MainForm && spec.kind != ControlKind::ToolButton) {
        QWidget* parent = w().widget(spec.parent);
        QVERIFY2(parent && parent->isAncestorOf(widget), qPrintable(name));
      }
    }
  }

  void pictures_follow_the_sheet() {
    // Start-up pictures: the buff pictures and switches are files, the markers drawn.
    for (int i = 0; i < 8; ++i) {
      auto* img = static_cast<PictureBox*>(w().widget(cast_on_controls(i).img));
      QVERIFY2(!img->image().isNull(), control_spec(cast_on_controls(i).img).name.data());
      auto* sw = static_cast<PictureBox*>(w().widget(cast_on_controls(i).stat_img));
      QVERIFY(!sw->image().isNull());
      QVERIFY(sw->clickable());
    }
    for (Ctl marker : {Ctl::Image1, Ctl::Image2, Ctl::Image5, Ctl::Image6, Ctl::Image8, Ctl::Image9,
                       Ctl::img_holy_valor_special})
      QVERIFY(!static_cast<PictureBox*>(w().widget(marker))->image().isNull());
    for (int i = 0; i < 16; ++i)
      QVERIFY(static_cast<PictureBox*>(w().widget(slot_controls(i).kind_img))->clickable());
    // A picture that does not load shows nothing.
    calc().sheet.set_picture(Ctl::img_set_armor, "no_such_picture.bmp");
    w().refresh();
    QVERIFY(static_cast<PictureBox*>(w().widget(Ctl::img_set_armor))->image().isNull());
    calc().sheet.set_picture(Ctl::img_set_armor, "ARMOR_03.BMP");  // letter case does not matter
    w().refresh();
    QVERIFY(!static_cast<PictureBox*>(w().widget(Ctl::img_set_armor))->image().isNull());
  }

  void menus_and_tool_bar() {
    QCOMPARE(w().action(Ctl::MainMenu_file_load)->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(w().action(Ctl::MainMenu_file_save)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(w().action(Ctl::MainMenu_file_reset)->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    QCOMPARE(w().action(Ctl::MainMenu_help_help)->shortcut(), QKeySequence(QStringLiteral("F1")));
    QVERIFY(!w().action(Ctl::MainMenu_help_help)->isEnabled());
    // Export holds the window's "Copy Build Code", so it opens.
    QVERIFY(w().action(Ctl::MainMenu_view)->isEnabled());
    QVERIFY(!w().action(Ctl::MainMenu_options)->isEnabled());
    // The tool bar's file label beside its bold caption.
    auto* caption = w().findChild<QLabel*>(QStringLiteral("lbl_current_file"));
    QVERIFY(caption);
    QCOMPARE(caption->text(), QStringLiteral("Current File:  "));
    QVERIFY(caption->font().bold());
  }

  void build_code_commands() {
    auto* copy = w().findChild<QAction*>(QStringLiteral("MainMenu_export_copy_code"));
    auto* paste = w().findChild<QAction*>(QStringLiteral("MainMenu_file_paste_code"));
    QVERIFY(copy && paste);
    QCOMPARE(copy->text(), QStringLiteral("Copy Build Code"));
    QCOMPARE(paste->text(), QStringLiteral("Paste Build Code"));
    QVERIFY(w().action(Ctl::MainMenu_view)->menu()->actions().contains(copy));
    QVERIFY(w().action(Ctl::MainMenu_file)->menu()->actions().contains(paste));
    w().refresh_all();  // the sheet's disabled Export does not close it again
    QVERIFY(w().action(Ctl::MainMenu_view)->isEnabled());

    calc().user_set_text(Ctl::stat_level, "77");
    w().refresh();
    copy->trigger();
    const QString code = QGuiApplication::clipboard()->text();
    QVERIFY(code.startsWith(QStringLiteral("BRK-")));
    QCOMPARE(q(build_code_of_sheet(calc())), code);
    QCOMPARE(w().status_text(1), QStringLiteral("Build code copied (%1 characters)").arg(code.size()));

    // A damaged code: message in panel 1, the sheet as it was.
    calc().user_set_text(Ctl::stat_level, "12");
    w().refresh();
    const std::string before = sheet_json(calc()).dump();
    QGuiApplication::clipboard()->setText(code.left(code.size() - 3));
    paste->trigger();
    QCOMPARE(w().status_text(1), QStringLiteral("Damaged or incomplete build code: its checksum does not match"));
    calc().sheet.status_panel1 = "OK";
    QCOMPARE(sheet_json(calc()).dump(), before);

    QGuiApplication::clipboard()->setText(code);
    paste->trigger();
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
    QCOMPARE(calc().sheet.value(Ctl::stat_level), 77);
    QCOMPARE(static_cast<QSpinBox*>(w().widget(Ctl::stat_level))->value(), 77);
    // The paste is one step: Ctrl+Z gives back the build before it.
    w().undo();
    QCOMPARE(calc().sheet.value(Ctl::stat_level), 12);
    QCOMPARE(static_cast<QSpinBox*>(w().widget(Ctl::stat_level))->value(), 12);
  }

  // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z undo and redo the build wherever the
  // focus is, also in the box just typed into.
  void undo_keys_work_while_a_box_has_the_focus() {
    show_and_activate();
    auto* spirit = static_cast<QSpinBox*>(w().widget(Ctl::stat_spirit));
    const int before = calc().sheet.value(Ctl::stat_spirit);
    spirit->setFocus();
    spirit->selectAll();
    QTest::keyClicks(spirit, QStringLiteral("20"));
    QTest::keyClick(spirit, Qt::Key_Tab);
    QCOMPARE(calc().sheet.value(Ctl::stat_spirit), 20);
    QWidget* box = QApplication::focusWidget();
    QVERIFY(qobject_cast<QAbstractSpinBox*>(box) || qobject_cast<QLineEdit*>(box));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(calc().sheet.value(Ctl::stat_spirit), before);
    QCOMPARE(spirit->value(), before);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(calc().sheet.value(Ctl::stat_spirit), 20);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(calc().sheet.value(Ctl::stat_spirit), 20);
    // Still in the box typed into: the typing is the step undone.
    spirit->setFocus();
    spirit->selectAll();
    QTest::keyClicks(spirit, QStringLiteral("33"));
    QCOMPARE(calc().sheet.value(Ctl::stat_spirit), 33);
    QTest::keyClick(spirit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(calc().sheet.value(Ctl::stat_spirit), 20);
    QCOMPARE(spirit->value(), 20);
  }

  // The program's name stands once in the title, after the modified mark;
  // a long message in panel 1 is shown whole.
  void title_and_long_status_messages() {
    QCOMPARE(w().windowTitle(), QStringLiteral("Brennick v0.2.1 beta"));
    calc().user_set_text(Ctl::stat_level, "5");
    w().act([](Session& s) { s.set_text(Ctl::stat_level, "6"); });
    QCOMPARE(w().window_title(), QStringLiteral("Unsaved build * \u2014 Brennick v0.2.1 beta"));
    QCOMPARE(w().window_title().count(QStringLiteral("Brennick")), 1);
    const QString message = QStringLiteral("Cannot write '/home/someone/builds/a rather long folder name/knight.brk': "
                                           "Permission denied");
    calc().sheet.status_panel1 = message.toStdString();
    w().refresh();
    auto* panel1 = w().findChild<QLabel*>(QStringLiteral("StatusBar1_panel1"));
    show_and_activate();
    QCOMPARE(panel1->text(), message);
    QVERIFY(panel1->width() >= QFontMetrics(panel1->font()).horizontalAdvance(message));
    QVERIFY(panel1->geometry().right() <= w().statusBar()->width());
    calc().sheet.status_panel1 = "OK";
    w().refresh();
    QCOMPARE(w().findChild<QLabel*>(QStringLiteral("StatusBar1_panel0"))->width(), 653);
  }

  void window_size_font_and_status_bar() {
    QCOMPARE(w().centralWidget()->width(), 875);
    QCOMPARE(w().centralWidget()->height() + w().statusBar()->height(), 612);
    auto* panel0 = w().findChild<QLabel*>(QStringLiteral("StatusBar1_panel0"));
    auto* panel1 = w().findChild<QLabel*>(QStringLiteral("StatusBar1_panel1"));
    QVERIFY(panel0 && panel1);
    QCOMPARE(panel0->width(), 653);
    QVERIFY(panel1->minimumWidth() >= 50);
    QCOMPARE(w().status_text(0), QStringLiteral("Speichern"));
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
    show_and_activate();
    QCOMPARE(w().clipped_captions(), QStringList());
  }

  void hint_shows_in_panel0_while_the_pointer_rests() {
    QWidget* box = w().widget(Ctl::stat_health);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(box, &enter);
    QCOMPARE(w().status_text(0), q(control_spec(Ctl::stat_health).hint));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(box, &leave);
    QCOMPARE(w().status_text(0), QString());  // the group has no hint
  }

  void user_edits_reach_the_model() {
    show_and_activate();
    // Choose a class with the keyboard: each row passed through is a choice.
    auto* classes = find<QComboBox>(Ctl::Select_class);
    classes->setFocus();
    QTest::keyClick(classes, Qt::Key_Down);
    QTest::keyClick(classes, Qt::Key_Down);
    QCOMPARE(calc().sheet.row(Ctl::Select_class), 1);
    QCOMPARE(classes->currentIndex(), 1);
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));

    const std::uint64_t passes = calc().passes();
    auto* health = find<QSpinBox>(Ctl::stat_health);
    health->setFocus();
    health->selectAll();
    QTest::keyClicks(health, QStringLiteral("25"));
    QCOMPARE(calc().sheet.value(Ctl::stat_health), 25);
    QCOMPARE(health->value(), 25);
    QVERIFY(calc().passes() > passes);
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
    // The result labels show what the pass wrote.
    QCOMPARE(find<QLabel>(Ctl::Lbl_final_stat_HP)->text(), QString::fromStdString(calc().sheet.text(Ctl::Lbl_final_stat_HP)));

    auto* quest = find<QCheckBox>(Ctl::level_30_done);
    QTest::mouseClick(quest, Qt::LeftButton, {}, QPoint(6, quest->height() / 2));
    QVERIFY(quest->isChecked());
    QVERIFY(calc().sheet.checked(Ctl::level_30_done));
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
  }

  void typing_keeps_the_cursor() {
    show_and_activate();
    auto* box = find<QLineEdit>(Ctl::stat_armor_def);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("123"));
    QCOMPARE(QString::fromStdString(calc().sheet.text(Ctl::stat_armor_def)), QStringLiteral("123"));
    box->setCursorPosition(1);
    QTest::keyClicks(box, QStringLiteral("9"));
    QCOMPARE(box->text(), QStringLiteral("1923"));
    QCOMPARE(box->cursorPosition(), 2);
    QCOMPARE(QString::fromStdString(calc().sheet.text(Ctl::stat_armor_def)), QStringLiteral("1923"));
  }

  void conversion_error_shows_in_panel1_and_window_stays_usable() {
    show_and_activate();
    auto* box = find<QLineEdit>(Ctl::stat_armor_abs);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("1,5"));
    QCOMPARE(box->text(), QStringLiteral("1,5"));
    const QString message = w().status_text(1);
    QVERIFY2(message != QStringLiteral("OK"), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("1,5")), qPrintable(message));
    QCOMPARE(message, QString::fromStdString(calc().sheet.status_panel1));
    QCOMPARE(dialogs_->errors.size() + dialogs_->informations.size(), std::size_t{0});  // no dialog for it

    // Leaving the box puts "0" back, keeps the focus there, and recalculates.
    find<QSpinBox>(Ctl::stat_level)->setFocus();
    QTRY_COMPARE(box->text(), QStringLiteral("0"));
    QTRY_VERIFY(box->hasFocus());
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
    // Still usable.
    auto* health = find<QSpinBox>(Ctl::stat_health);
    health->setFocus();
    health->selectAll();
    QTest::keyClicks(health, QStringLiteral("7"));
    QCOMPARE(calc().sheet.value(Ctl::stat_health), 7);
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
  }

  void leaving_an_integer_box_with_abc_puts_0_back_and_keeps_focus() {
    show_and_activate();
    auto* box = find<QLineEdit>(Ctl::stat_shield_def);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("abc"));
    QCOMPARE(QString::fromStdString(calc().sheet.text(Ctl::stat_shield_def)), QStringLiteral("abc"));
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));  // integer boxes read it as 0 silently
    find<QLineEdit>(Ctl::stat_armor_def)->setFocus();
    QTRY_COMPARE(box->text(), QStringLiteral("0"));
    QCOMPARE(QString::fromStdString(calc().sheet.text(Ctl::stat_shield_def)), QStringLiteral("0"));
    QTRY_VERIFY(box->hasFocus());
    // A good number is left alone and the focus moves on.
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("12"));
    auto* other = find<QLineEdit>(Ctl::stat_armor_def);
    other->setFocus();
    QTest::qWait(20);
    QCOMPARE(box->text(), QStringLiteral("12"));
    QVERIFY(other->hasFocus());
  }

  void holy_valor_picture_shows_its_text() {
    show_and_activate();
    auto* picture = find<PictureBox>(Ctl::img_holy_valor_special);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(dialogs_->informations, std::vector<std::string>{calc().state.holy_valor_text});
  }

  void clickable_pictures_reach_the_model() {
    show_and_activate();
    const std::uint64_t passes = calc().passes();
    auto* sw = find<PictureBox>(cast_on_controls(0).stat_img);
    QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(calc().passes() > passes);
    QCOMPARE(find<QLabel>(cast_on_controls(0).label)->text(),
             QString::fromStdString(calc().sheet.text(cast_on_controls(0).label)));
  }

  void load_tool_button_performs_the_menu_command() {
    show_and_activate();
    const std::uint64_t passes = calc().passes();
    QTest::mouseClick(find<QToolButton>(Ctl::Btn_FileOpen), Qt::LeftButton);
    QCOMPARE(calc().passes(), passes + 1);
    const std::size_t opens = dialogs_->open_filters.size();
    w().action(Ctl::MainMenu_file_load)->trigger();
    QCOMPARE(calc().passes(), passes + 2);
    QCOMPARE(dialogs_->open_filters.size(), 2 * opens);  // both ask the same
    QCOMPARE(w().status_text(1), QStringLiteral("OK"));
  }

  void close_asks_the_hook() {
    show_and_activate();
    int asked = 0;
    bool allow = false;
    w().set_may_close([&] {
      ++asked;
      return allow;
    });
    QTest::mouseClick(find<QPushButton>(Ctl::Button1), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QVERIFY(w().isVisible());
    w().action(Ctl::MainMenu_file_exit)->trigger();
    QCOMPARE(asked, 2);
    QVERIFY(w().isVisible());
    allow = true;
    QVERIFY(w().close());
    QCOMPARE(asked, 3);
    QVERIFY(!w().isVisible());
  }

  void refresh_touches_only_changed_controls() {
    auto* label = find<QLabel>(Ctl::Lbl_final_stat_HP);
    label->setText(QStringLiteral("untouched"));
    calc().sheet.set_text(Ctl::Lbl_final_stat_MP, "77");
    calc().sheet.set_color(Ctl::Lbl_free_sp, colors::red);
    w().refresh();
    QCOMPARE(label->text(), QStringLiteral("untouched"));
    QCOMPARE(find<QLabel>(Ctl::Lbl_final_stat_MP)->text(), QStringLiteral("77"));
    QCOMPARE(find<QLabel>(Ctl::Lbl_free_sp)->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    calc().sheet.set_visible(Ctl::Lbl_skill_mana_1_1, true);
    calc().sheet.set_enabled(Ctl::stat_robe_regen, true);
    calc().sheet.set_rows(Ctl::Select_Armor, {"none/manual input", "Test Armor"});
    calc().sheet.set_max(Ctl::stat_strenght, 500);
    w().refresh();
    QVERIFY(!find<QLabel>(Ctl::Lbl_skill_mana_1_1)->isHidden());
    QVERIFY(find<QLineEdit>(Ctl::stat_robe_regen)->isEnabled());
    QCOMPARE(find<QComboBox>(Ctl::Select_Armor)->count(), 2);
    QCOMPARE(find<QSpinBox>(Ctl::stat_strenght)->maximum(), 500);
    w().refresh_all();
    QCOMPARE(label->text(), QString::fromStdString(calc().sheet.text(Ctl::Lbl_final_stat_HP)));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
