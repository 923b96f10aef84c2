// brennick_screenshots: pictures of every window of the program.
//
//   brennick_screenshots OUT_DIR BUILD.args
//
// Starts the program as its entry does (main window, then every secondary
// window in start-up order), enters the character of BUILD.args (the
// arguments of one `brennick-cli eval` run: "--set NAME=VALUE" and
// "--click NAME[@PAGE]" pairs, one word a line, as in tests/golden/), puts
// on items from the lists and menus so that every picture box shows
// something, and saves one PNG per window into OUT_DIR. Right-click menus
// are painted over the main window where they open. scripts/screenshots.sh
// runs it under Xvfb and writes the pictures of docs/.
//
// Exit status 0 when every picture was written and the build showed "OK",
// 1 otherwise (the reason on stderr), 2 on bad arguments.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolTip>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "base/program_places.h"
#include "base/version.h"
#include "app/startup_app.h"
#include "engine/services.h"
#include "pipeline/planner.h"
#include "pipeline/user_action.h"
#include "tests/support/recording.h"
#include "ui/center_string_grid.h"
#include "ui/item_browser_window.h"
#include "pipeline/session.h"
#include "tests/support/window_fixture.h"
#include "ui/main_window.h"
#include "ui/popup_menus.h"
#include "ui/skill_info_window.h"
#include "ui/tool_windows.h"

using namespace brennick;

namespace {

int failures = 0;

void fail(const QString& why) {
  std::fprintf(stderr, "brennick_screenshots: %s\n", qPrintable(why));
  ++failures;
}

// The same draws in every run, so that the aging pictures stay the same.
class SeededRandom : public RandomSource {
 public:
  int draw(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

 private:
  std::mt19937 engine_{120};
};

// Items put on after the build file's values: a row of every item list and
// items of the right-click menus (a sheltom, an aging and a mixing).
const char* const kDressing[][2] = {
    {"--set", "Select_Armor=16"},   {"--set", "Select_Shield=15"},  {"--set", "Select_Boots=15"},
    {"--set", "Select_Gaunts=15"},  {"--set", "Select_armlets=15"}, {"--set", "Select_amulet=15"},
    {"--set", "Select_ring1=15"},   {"--set", "Select_ring2=14"},   {"--click", "AgeA04"},
    {"--click", "GemS02"},          {"--click", "sheltom07"},
};

bool apply(MainWindow& w, bool set, const std::string& argument) {
  const auto action = parse_user_action(set, argument);
  if (!action) {
    fail(QStringLiteral("the build names an unknown control or value: '%1'").arg(QString::fromStdString(argument)));
    return false;
  }
  bool done = true;
  w.act([&](Session& s) { done = s.apply(*action); });
  if (!done) fail(QStringLiteral("the menu item '%1' is missing or disabled").arg(QString::fromStdString(argument)));
  return done;
}

bool enter_build(MainWindow& w, const QString& args_file) {
  QFile f(args_file);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
    fail(QStringLiteral("cannot read %1").arg(args_file));
    return false;
  }
  QStringList words;
  QTextStream in(&f);
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (!line.isEmpty()) words << line;
  }
  for (int i = 0; i + 1 < words.size(); i += 2) {
    const bool set = words[i] == QLatin1String("--set");
    if (!set && words[i] != QLatin1String("--click")) {
      fail(QStringLiteral("%1: '%2' is neither --set nor --click").arg(args_file, words[i]));
      return false;
    }
    if (!apply(w, set, words[i + 1].toStdString())) return false;
  }
  for (const auto& d : kDressing)
    if (!apply(w, std::string(d[0]) == "--set", d[1])) return false;
  return true;
}

void settle(QWidget* w) {
  if (w && !QTest::qWaitForWindowExposed(w, 2000)) fail(QStringLiteral("%1 did not show").arg(w->objectName()));
  QTest::qWait(150);
}

void save(const QImage& image, const QString& dir, const QString& name) {
  const QString path = QDir(dir).filePath(name);
  if (image.isNull() || !image.save(path, "PNG", 0)) fail(QStringLiteral("could not write %1").arg(path));
  else std::printf("%s\n", qPrintable(path));
}

void save_window(QWidget* w, const QString& dir, const QString& name) {
  w->show();
  w->raise();
  settle(w);
  save(w->grab().toImage(), dir, name);
}

// The main window with the open menus (and a tooltip) painted where they
// show on the screen, on a canvas as large as all of them together.
QImage window_with_popups(MainWindow& w, const std::vector<QWidget*>& popups) {
  const QPoint origin = w.mapToGlobal(QPoint(0, 0));
  QRect area(origin, w.size());
  for (QWidget* p : popups) area |= p->geometry();
  QImage canvas(area.size(), QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  painter.drawPixmap(origin - area.topLeft(), w.grab());
  for (QWidget* p : popups) painter.drawPixmap(p->geometry().topLeft() - area.topLeft(), p->grab());
  return canvas;
}

QMenu* submenu(QMenu* menu, const QString& title) {
  for (QAction* a : menu->actions())
    if (a->menu() && a->text().remove(QLatin1Char('&')) == title) return a->menu();
  return nullptr;
}

// Opens `popup` on `page` at a point of the page, then its sub-menu
// `title`, with the pointer on `item` (its tooltip shown when `tooltip`).
QImage menu_picture(MainWindow& w, Popup popup, Ctl page, const QString& title, const QString& item, bool tooltip) {
  auto* view = w.findChild<PopupMenuView*>(QStringLiteral("popup_menus"));
  QWidget* target = w.widget(page);
  if (!view || !target) {
    fail(QStringLiteral("no right-click menu on page %1").arg(QString::fromLatin1(control_spec(page).name)));
    return {};
  }
  // The page shows first, as it does when the user right-clicks it.
  for (QWidget* p = target; p && p != &w; p = p->parentWidget())
    if (auto* tabs = qobject_cast<QTabWidget*>(p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
      tabs->setCurrentWidget(p);
  w.refresh();
  QTest::qWait(100);
  view->open(popup, page, target->mapToGlobal(QPoint(30, 60)));
  QMenu* menu = view->menu(popup);
  settle(menu);
  QMenu* sub = submenu(menu, title);
  if (!sub) {
    fail(QStringLiteral("the menu has no '%1'").arg(title));
    menu->hide();
    return {};
  }
  menu->setActiveAction(sub->menuAction());
  sub->popup(menu->mapToGlobal(menu->actionGeometry(sub->menuAction()).topRight()));
  settle(sub);
  std::vector<QWidget*> popups{menu, sub};
  for (QAction* a : sub->actions()) {
    if (a->objectName() != item) continue;
    sub->setActiveAction(a);
    if (tooltip) {
      // Beside the menu, at the height of the item, covering none of it.
      // (the tooltip keeps off the pointer's place by itself: moved there).
      const QRect r = sub->actionGeometry(a);
      const QPoint beside(sub->geometry().right() + 6, sub->mapToGlobal(r.topLeft()).y());
      QToolTip::showText(beside, a->toolTip(), sub);
      QTest::qWait(200);
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible()) {
          top->move(beside);
          popups.push_back(top);
        }
    }
  }
  QTest::qWait(100);
  QImage picture = window_with_popups(w, popups);
  QToolTip::hideText();
  sub->hide();
  menu->hide();
  QTest::qWait(50);
  return picture;
}

// Attempts of the aging simulator with the seeded draws, then its picture.
// The window is one of its own, as the program's draws from the clock.
void aging_picture(const QString& dir, Planner& calc, QWidget* owner) {
  ToolServices tools{&calc.dialogs(), nullptr, calc.format(), calc.state.app_dir, {}};
  AgingWindow aging(std::move(tools), owner, std::make_unique<SeededRandom>());
  aging.setObjectName(QStringLiteral("FrmFunAge"));
  aging.setWindowTitle(owner->findChild<QWidget*>(QStringLiteral("FrmFunAge"))->windowTitle());
  aging.ensure_built();  // its widgets are made before it first shows
  // The first sample item, chosen as a click would.
  const auto items = aging.findChildren<QRadioButton*>();
  if (items.isEmpty()) fail(QStringLiteral("the aging simulator offers no item"));
  else items.first()->click();
  // "Age! " pressed as a user would, until it stops (a failure or the
  // highest level disables it).
  QPushButton* age = nullptr;
  for (QPushButton* b : aging.findChildren<QPushButton*>())
    if (b->text().startsWith(QLatin1String("Age!"))) age = b;
  if (!age) fail(QStringLiteral("the aging simulator has no Age! button"));
  for (int i = 0; age && age->isEnabled() && i < 12; ++i) age->click();
  save_window(&aging, dir, QStringLiteral("aging.png"));
  aging.hide();
}

// A patch of a small made-up game folder, then the patcher's picture.
void patcher_picture(const QString& dir, QWidget* patcher_window) {
  auto* patcher = qobject_cast<PatcherWindow*>(patcher_window);
  if (!patcher) {
    fail(QStringLiteral("no bitmap patcher"));
    return;
  }
  // A fixed place, so that the log's lines are the same in every run.
  QDir game(QDir::temp().filePath(QStringLiteral("brennick-screenshots")));
  game.removeRecursively();
  const QString root = game.filePath(QStringLiteral("Game"));
  QDir().mkpath(root + QStringLiteral("/image/Sinimage"));
  for (const char* name : {"image/title.bmp", "image/Sinimage/skill.bmp", "image/Sinimage/items.bmp"}) {
    QFile bmp(root + QLatin1Char('/') + QLatin1String(name));
    if (bmp.open(QIODevice::WriteOnly)) bmp.write(QByteArray(256, 'B'));
  }
  if (auto* folder = patcher->findChild<QLineEdit*>()) folder->setText(root);
  patcher->show();
  settle(patcher);
  patcher->patch();
  save_window(patcher, dir, QStringLiteral("patcher.png"));
  patcher->hide();
  game.removeRecursively();
}

// The swords of the weapon browser narrowed to "sword" and sorted by attack
// rating, highest first (two clicks on its header), the third row selected.
void sorted_picture(const QString& dir, ItemBrowserWindow& browser) {
  auto* filter = browser.findChild<QLineEdit*>(QStringLiteral("edt_filter"));
  if (!filter) {
    fail(QStringLiteral("the weapon browser has no name filter"));
    return;
  }
  TCenterStringGrid* grid = browser.grid();
  filter->setText(QStringLiteral("sword"));
  for (int click = 0; click < 2; ++click) {
    const QRect header = grid->visualRect(grid->model()->index(0, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, header.center());
  }
  browser.click_row(3);
  save_window(&browser, dir, QStringLiteral("item-browser-sorted.png"));
  filter->clear();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QString::fromStdString(brennick::program_title()));
  QApplication::setApplicationDisplayName(QString::fromStdString(brennick::program_title()));
  if (argc != 3) {
    std::fprintf(stderr, "usage: brennick_screenshots OUT_DIR BUILD.args\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  const QString args_file = QString::fromLocal8Bit(argv[2]);
  if (!QDir().mkpath(out)) {
    std::fprintf(stderr, "brennick_screenshots: cannot make the folder %s\n", argv[1]);
    return 2;
  }
  // No stored zoom or recent files of the person running it: a settings
  // place of its own.
  test_support::OwnSettings settings;
  // About lists the places of an installed program, the same on every
  // machine (this program runs in the build tree, whose path differs).
  brennick::ProgramPlaces shown;
  shown.installed = true;
  shown.data_dir = "/usr/share/brennick";
  shown.log_dir = "/home/player/.local/state/brennick";
  brennick::set_program_places(shown);

  // The patcher's question is agreed to for its own made-up game folder only.
  auto dialogs = std::make_unique<brennick::test_support::RecordingDialogs>();
  const std::string game = QDir::temp().filePath(QStringLiteral("brennick-screenshots/")).toStdString();
  dialogs->on_question = [game](const std::string& text) {
    return text.find(" under " + game) != std::string::npos ? Answer::Yes : Answer::No;
  };
  Application app = start_application(QCoreApplication::applicationDirPath(), std::move(dialogs), QLocale::c());
  if (app.terminate || !app.window) {
    std::fprintf(stderr, "brennick_screenshots: the program did not start\n");
    return 1;
  }
  MainWindow& w = *app.window;
  w.show();
  settle(&w);
  if (!enter_build(w, args_file)) return 1;
  if (w.status_text(1) != QLatin1String("OK"))
    fail(QStringLiteral("the build ends with '%1'").arg(w.status_text(1)));
  w.activateWindow();
  settle(&w);
  save(w.grab().toImage(), out, QStringLiteral("main-window.png"));

  save(menu_picture(w, Popup::Weapon, Ctl::TabSheet5, QStringLiteral("Insert Sword"), QStringLiteral("Sword19"), true), out,
       QStringLiteral("weapon-menu.png"));
  save(menu_picture(w, Popup::Armor, Ctl::TabSheet7, QStringLiteral("Gem with..."), QStringLiteral("GemA03"), true),
       out, QStringLiteral("mixing.png"));

  // The secondary windows, in start-up order.
  for (WindowId id : all_secondary_windows()) {
    QWidget* window = w.secondary_window(id);
    if (!window) {
      fail(QStringLiteral("window %1 was not created").arg(window_info(id).object_name));
      continue;
    }
    switch (id) {
      case WindowId::About: save_window(window, out, QStringLiteral("about.png")); break;
      case WindowId::Skills: {
        auto* skills = qobject_cast<SkillInfoWindow*>(window);
        if (skills) skills->choose_tier(3);
        save_window(window, out, QStringLiteral("skill-window.png"));
        break;
      }
      case WindowId::BmpPatcher: patcher_picture(out, window); break;
      case WindowId::Aging: aging_picture(out, *app.calc, &w); break;
      default: {
        auto* browser = qobject_cast<ItemBrowserWindow*>(window);
        if (!browser) {
          fail(QStringLiteral("%1 is no item browser").arg(window_info(id).object_name));
          break;
        }
        if (browser->kind() == BrowserKind::Weapon) browser->set_weapon_kind(5);  // swords
        browser->click_row(std::min(12, browser->grid()->rowCount() - 1));
        // FrmArmors -> item-browser.png, FrmRobes -> item-browser-robes.png, ...
        QString name = QString::fromLatin1(window_info(id).object_name).mid(3).toLower();
        name = id == WindowId::Armors ? QStringLiteral("item-browser.png")
                                      : QStringLiteral("item-browser-%1.png").arg(name);
        save_window(window, out, name);
        if (browser->kind() == BrowserKind::Weapon) sorted_picture(out, *browser);
        break;
      }
    }
    window->hide();
  }
  return failures == 0 ? 0 : 1;
}
