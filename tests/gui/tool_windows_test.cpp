// The tools' windows: the aging simulator and the bitmap patcher as the
// user clicks them, with errors through the application-wide handler.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <fstream>
#include <memory>

#include "engine/calculator.h"
#include "pipeline/planner.h"
#include "engine/startup.h"
#include "tests/support/window_fixture.h"
#include "ui/main_window.h"
#include "ui/tool_windows.h"
#include "tests/support/recording.h"

using namespace brennick;

namespace {

class Scripted : public RandomSource {
 public:
  explicit Scripted(std::deque<int> d) : d_(std::move(d)) {}
  int draw(int) override {
    if (d_.empty()) return 0;
    int v = d_.front();
    d_.pop_front();
    return v;
  }

 private:
  std::deque<int> d_;
};

using Log = test_support::RecordingLog;

// Saves a picture of the window when BRENNICK_SHOTS names a folder.
void shot(QWidget* w, const char* name) {
  const QByteArray dir = qgetenv("BRENNICK_SHOTS");
  if (dir.isEmpty()) return;
  w->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
}

}  // namespace

class ToolWindowsTest : public QObject {
  Q_OBJECT

 private:
  SilentDialogs dialogs_;
  Log log_;

 private slots:
  void agingWindowShowsAttemptsAndOdds() {
    ToolServices s{&dialogs_, &log_, NumberFormat::point(), QCoreApplication::applicationDirPath().toStdString(), {}};
    // +2, +1, +1 from 0..3, then -1 at 4 and +2 at 3.
    AgingWindow w(s, nullptr, std::make_unique<Scripted>(std::deque<int>{1, 1, 0, 2, 1, 3, 1}));
    w.setFixedSize(w.sizeHint().expandedTo(QSize(549, 396)));
    w.show();
    w.findChildren<QRadioButton*>().at(0)->click();
    auto* age = w.findChild<QPushButton*>(QStringLiteral("Button1"));
    for (int i = 0; i < 5; ++i) QTest::mouseClick(age, Qt::LeftButton);
    QCOMPARE(w.findChild<QPlainTextEdit*>(QStringLiteral("History"))->toPlainText(),
             QStringLiteral("+2 to Level 2\n+1 to Level 3\n+1 to Level 4\n-1 to Level 3\n+2 to Level 5"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbl_p2"))->text(), QStringLiteral("2"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbl_m1"))->text(), QStringLiteral("1"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Fadeo"))->text(), QStringLiteral("x 10"));
    QVERIFY(log_.lines.empty());  // every sheltom picture loaded
    auto* odds = w.findChild<QTableWidget*>(QStringLiteral("odds_table"));
    QCOMPARE(odds->rowCount(), 5);  // +6 .. +10 from +5
    QCOMPARE(odds->item(0, 0)->text(), QStringLiteral("+6"));
    // The panel follows a price box and reports a bad one.
    const QString before = odds->item(0, 10)->text();
    w.findChild<QLineEdit*>(QStringLiteral("price_murky"))->setText(QStringLiteral("300000"));
    QVERIFY(odds->item(0, 10)->text() != before);
    shot(&w, "aging_window.png");
    w.findChild<QLineEdit*>(QStringLiteral("price_murky"))->setText(QStringLiteral("x"));
    QCOMPARE(odds->rowCount(), 0);
  }

  void badPriceGoesToTheApplicationHandler() {
    test_support::ProgramFixture program;
    program.start({.dialogs = &dialogs_, .log = &log_});
    MainWindow& main = *program.window;
    auto* w = main.secondary_window(WindowId::Aging);
    w->findChild<QLineEdit*>(QStringLiteral("price_raid"))->setText(QStringLiteral("abc"));
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(main.status_text(1), QStringLiteral("'abc' is not a valid integer value"));
    QCOMPARE(log_.lines.back().joined(), std::string("'abc' is not a valid integer value|FunAgeForm|Button1"));
    QCOMPARE(w->findChild<QPlainTextEdit*>(QStringLiteral("History"))->toPlainText().count(QLatin1Char('\n')), 0);
    QVERIFY(!w->findChild<QPlainTextEdit*>(QStringLiteral("History"))->toPlainText().isEmpty());
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("shelt_price"))->text(), QStringLiteral("0"));
  }

  void patcherWindowLogsAndCounts() {
    QTemporaryDir dir;
    const QString app = dir.filePath(QStringLiteral("app")), root = dir.filePath(QStringLiteral("root"));
    QDir().mkpath(app);
    QDir().mkpath(root + QStringLiteral("/sub"));
    std::ofstream(app.toStdString() + "/Patch.dat") << std::string(54, 'P');
    std::ofstream(root.toStdString() + "/a.bmp") << "a";
    std::ofstream(root.toStdString() + "/sub/b.bmp") << "b";
    // Yes only to a question about this test's own tree.
    test_support::RecordingDialogs asked;
    const std::string tree = root.toStdString();
    asked.on_question = [tree](const std::string& text) {
      return text.find(" under " + tree) != std::string::npos ? Answer::Yes : Answer::No;
    };
    ToolServices s{&asked, &log_, NumberFormat::point(), app.toStdString(), {}};
    PatcherWindow w(s, nullptr);
    w.resize(695, 375);
    w.show();
    // The folder box emptied: refused with a message, nothing written.
    w.findChild<QLineEdit*>(QStringLiteral("Edit1"))->clear();
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(asked.said, std::vector<std::string>{"error: The folder box is empty: enter the full path of the "
                                                  "folder whose bitmaps are to be patched."});
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbl_success"))->text(), QStringLiteral("0"));
    asked.said.clear();
    w.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(root);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    const std::string question =
        "question: Overwrite the first 54 bytes of 2 bitmaps under " + tree + "? This cannot be undone.";
    QCOMPARE(asked.said, (std::vector<std::string>{question, question}));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbl_success"))->text(), QStringLiteral("4"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lbl_fail"))->text(), QStringLiteral("0"));
    const QStringList lines = w.findChild<QPlainTextEdit*>(QStringLiteral("LogW"))->toPlainText().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("SUCCESS!... ") + root + QStringLiteral("/sub/b.bmp"));
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
    QVERIFY(QFile::exists(app + QStringLiteral("/log.txt")));
    shot(&w, "patcher_window.png");
  }

  void windowsFitTheirTexts() {
    test_support::ProgramFixture program;
    program.start({.dialogs = &dialogs_});
    MainWindow& main = *program.window;
    for (WindowId sw : {WindowId::Aging, WindowId::BmpPatcher}) {
      QWidget* w = main.secondary_window(sw);
      w->show();
      QVERIFY(w->width() >= w->sizeHint().width());
      QVERIFY(w->height() >= w->sizeHint().height());
      for (QLabel* l : w->findChildren<QLabel*>()) {
        if (l->wordWrap() || l->text().isEmpty()) continue;
        QVERIFY2(l->width() >= QFontMetrics(l->font()).horizontalAdvance(l->text()),
                 qPrintable(l->objectName() + QStringLiteral(": ") + l->text()));
      }
    }
    QCOMPARE(main.secondary_window(WindowId::BmpPatcher)->size(), QSize(695, 375));
  }
};

QTEST_MAIN(ToolWindowsTest)
#include "tool_windows_test.moc"
