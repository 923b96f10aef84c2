// The window shows what brennick-cli prints for the same build: a golden
// build is entered through the window's widgets, and every label of the
// window must read as the build's expected output says.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QSpinBox>
#include <QTextStream>
#include <QtTest>

#include "pipeline/planner.h"
#include "engine/startup.h"
#include "pipeline/user_action.h"
#include "tests/support/window_fixture.h"
#include "ui/main_window.h"
#include "tests/gui/gui_input.h"

using namespace brennick;

class WindowCliTest : public QObject {
  Q_OBJECT

 private:
  // Enters NAME=VALUE as the user would, through the widget.
  static void enter(MainWindow& w, const QString& name, const QString& value) {
    QWidget* widget = w.findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable("no widget " + name));
    QVERIFY2(gui_test::enter_as_user(widget, value), qPrintable("cannot enter a value into " + name));
  }

  static void compare_build(const QString& name) {
    const QString dir = QStringLiteral(BRENNICK_SOURCE_DIR "/tests/golden/");
    QFile args(dir + name + ".args");
    QVERIFY(args.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList lines = QTextStream(&args).readAll().split('\n', Qt::SkipEmptyParts);
    QFile expected_file(dir + name + ".expected.json");
    QVERIFY(expected_file.open(QIODevice::ReadOnly));
    const QJsonObject expected = QJsonDocument::fromJson(expected_file.readAll()).object();
    const QJsonObject controls = expected["controls"].toObject();

    test_support::ProgramFixture program;
    program.start({.format = lines.value(0) == "--locale" && lines.value(1) == "comma" ? NumberFormat::comma()
                                                                                       : NumberFormat::point(),
                   .secondary_windows = false});
    MainWindow& w = *program.window;
    w.show();
    for (int i = 0; i + 1 < lines.size(); ++i) {
      if (lines[i] != "--set") continue;
      const QString arg = lines[++i];
      const int eq = arg.indexOf('=');
      enter(w, arg.left(eq), arg.mid(eq + 1));
    }
    QCOMPARE(w.status_text(1), expected["status"].toString());
    int compared = 0;
    for (Ctl id : all_controls()) {
      if (control_spec(id).kind != ControlKind::Label) continue;
      const QString label_name = QString::fromUtf8(control_spec(id).name.data(), control_spec(id).name.size());
      auto* label = w.findChild<QLabel*>(label_name);
      QVERIFY2(label, qPrintable("no label " + label_name));
      QCOMPARE(label->text(), controls[label_name].toObject()["text"].toString());
      ++compared;
    }
    QVERIFY(compared > 60);
  }


  // A build with clicks, entered through the core as the CLI does; then each
  // tier page of the window must show the CLI's report texts in its boxes
  // (which wrap long lines and scroll what does not fit). With
  // BRENNICK_SHOT_DIR set, each page is saved as NAME_tierT.png there.
  static void compare_report_pages(const QString& name) {
    const QString dir = QStringLiteral(BRENNICK_SOURCE_DIR "/tests/golden/");
    QFile args(dir + name + ".args");
    QVERIFY(args.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QTextStream(&args).readAll().split('\n', Qt::SkipEmptyParts);
    QFile expected_file(dir + name + ".expected.json");
    QVERIFY(expected_file.open(QIODevice::ReadOnly));
    const QJsonObject controls = QJsonDocument::fromJson(expected_file.readAll()).object()["controls"].toObject();

    test_support::ProgramFixture program;
    program.start({.secondary_windows = false});
    MainWindow& w = *program.window;
    w.show();
    for (int i = 0; i + 1 < lines.size(); i += 2) {
      QVERIFY(lines[i] == "--set" || lines[i] == "--click");
      const auto action = parse_user_action(lines[i] == "--set", lines[i + 1].toStdString());
      bool applied = false;
      w.act([&](Session& s) { applied = action && s.apply(*action); });
      QVERIFY2(applied, qPrintable(lines[i + 1]));
    }
    auto* tiers = w.findChild<QTabWidget*>(QStringLiteral("PageControl_skills"));
    QVERIFY(tiers);
    const QString shots = qEnvironmentVariable("BRENNICK_SHOT_DIR");
    for (int t = 1; t <= 4; ++t) {
      tiers->setCurrentIndex(t - 1);
      QCoreApplication::processEvents();
      for (int n = 1; n <= 4; ++n) {
        const QString box = QStringLiteral("skill_info_%1_%2").arg(t).arg(n);
        auto* memo = w.findChild<QPlainTextEdit*>(box);
        QVERIFY2(memo, qPrintable("no box " + box));
        QString expected = controls[box].toObject()["text"].toString();
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        while (expected.endsWith(QLatin1Char('\n'))) expected.chop(1);  // the box shows no empty last line
        QCOMPARE(memo->toPlainText(), expected);
        QVERIFY2(!memo->toPlainText().isEmpty(), qPrintable(box + " is empty at level 10"));
      }
      if (!shots.isEmpty()) w.grab().save(shots + "/" + name + "_tier" + QString::number(t) + ".png");
    }
  }
 private slots:
  void knight_mid() { compare_build("knight_mid"); }
  void magician_high_both_columns() { compare_build("magician_high"); }
  void knight_mid_in_comma_locale() { compare_build("knight_mid_comma"); }
  void archer_120_report_pages() { compare_report_pages("archer_120"); }
  void mechanician_120_report_pages() { compare_report_pages("mechanician_120"); }
  void priestess_120_report_pages() { compare_report_pages("skills_priestess_l120_on"); }
  void magician_120_report_pages() { compare_report_pages("skills_magician_l120_on"); }
};

QTEST_MAIN(WindowCliTest)
#include "window_cli_test.moc"
