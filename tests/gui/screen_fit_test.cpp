// Every window on screens of small and common desktops (the test runs on
// 1280 x 800, 1600 x 1000 and 1920 x 1080, and on the tests' large screen): at every zoom it stays within
// the screen's available area, and where it would be larger its contents
// scroll. A window first opened after zooms is laid out as on a fresh start.
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <map>
#include <memory>

#include "engine/startup.h"
#include "pipeline/planner.h"
#include "ui/app_settings.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/zoom.h"
#include "tests/support/window_fixture.h"

using namespace brennick;

class ScreenFitTest : public QObject {
  Q_OBJECT

 private:
  test_support::OwnSettings settings_;  // the stored zoom is this run's alone
  test_support::ProgramFixture program_;
  MainWindow& w() { return *program_.window; }

  void start(int stored = 100) {
    program_.stop();
    store_zoom(stored);
    program_.start();
  }

  // A window's size and where each of its widgets stands in it, with its
  // minimum size and font.
  static QStringList layout_of(QWidget* window) {
    QStringList out{QStringLiteral("%1 %2x%3").arg(window->objectName()).arg(window->width()).arg(window->height())};
    for (QWidget* child : window->findChildren<QWidget*>()) {
      if (!child->isVisibleTo(window)) continue;
      const QRect r(child->mapTo(window, QPoint(0, 0)), child->size());
      out << QStringLiteral("%1 %2 %3,%4 %5x%6 min %7x%8 %9")
                 .arg(child->metaObject()->className(), child->objectName())
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height())
                 .arg(child->minimumWidth())
                 .arg(child->minimumHeight())
                 .arg(child->font().toString());
    }
    return out;
  }

 private slots:
  void init() { start(); }
  void cleanup() {
    if (program_.window) w().set_zoom(100);  // the style's zoom is the application's
    program_.stop();
    store_zoom(100);
  }

  void every_window_stays_on_the_screen_at_every_zoom() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    std::vector<QWidget*> windows{&w()};
    for (WindowId id : all_secondary_windows()) windows.push_back(w().secondary_window(id));
    for (int zoom : kZoomPercents) {
      // Every window shown towards the bottom right, then zoomed: moved
      // back on the screen by the zoom.
      const bool change = zoom != w().zoom();
      for (QWidget* win : windows) {
        win->show();
        if (change) win->move(area.center());
      }
      w().set_zoom(zoom);
      for (QWidget* win : windows) {
        const QString name = QStringLiteral("%1 at %2 %").arg(win->objectName()).arg(zoom);
        QVERIFY2(area.contains(win->frameGeometry()), qPrintable(name));
        auto* scroll = win->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
        if (!scroll) scroll = qobject_cast<QScrollArea*>(static_cast<QMainWindow*>(win)->centralWidget());
        QVERIFY2(scroll && scroll->widget(), qPrintable(name));
        const QSize full = full_window_size(win);
        QVERIFY2(full.isValid(), qPrintable(name));
        const QSize frame = win->frameGeometry().size() - win->geometry().size();
        const bool too_wide = full.width() + frame.width() > area.width();
        const bool too_high = full.height() + frame.height() > area.height();
        // What does not fit scrolls: the page keeps its size, the bars reach it.
        QVERIFY2(!too_wide || scroll->horizontalScrollBar()->maximum() > 0, qPrintable(name));
        QVERIFY2(!too_high || scroll->verticalScrollBar()->maximum() > 0, qPrintable(name));
        QVERIFY2(too_wide || too_high || win->size() == full, qPrintable(name));
        if (win == &w()) {
          const QSize client = w().findChild<QWidget*>(QStringLiteral("MainForm_client"))->size();
          QCOMPARE(client, QSize(layout::kClientWidth, layout::kClientHeight - layout::kStatusBarHeight) * (zoom / 100.0));
        }
      }
    }
    // Back at 100 % every window is whole again.
    w().set_zoom(100);
    for (QWidget* win : windows) {
      QVERIFY2(win->size() == full_window_size(win), qPrintable(win->objectName()));
      win->hide();
    }
  }

  // Zoomed in and back, or started at a stored zoom and zoomed back, before
  // a window is first opened: it is laid out as on a fresh start.
  void windows_first_opened_after_zooms_are_laid_out_as_on_a_fresh_start() {
    // Every secondary window opened in turn: its layout.
    auto layouts = [this] {
      std::map<WindowId, QStringList> out;
      for (WindowId id : all_secondary_windows()) {
        w().show_window(id);
        QWidget* win = w().secondary_window(id);
        if (!QTest::qWaitForWindowExposed(win)) out[id] << QStringLiteral("not shown");
        out[id] += layout_of(win);
        win->hide();
      }
      return out;
    };
    const std::map<WindowId, QStringList> fresh = layouts();
    start();
    w().set_zoom(125);
    w().set_zoom(100);
    QCOMPARE(layouts(), fresh);
    // Started at a stored zoom of 150 % and zoomed back: the same again.
    start(150);
    QCOMPARE(w().zoom(), 150);
    w().set_zoom(100);
    QCOMPARE(layouts(), fresh);
  }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
