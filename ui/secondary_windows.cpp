#include "ui/secondary_windows.h"

#include <QFont>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <optional>

#include "base/program_places.h"
#include "base/version.h"
#include "pipeline/planner.h"
#include "pipeline/program_files.h"
#include "pipeline/session.h"
#include "engine/image_files.h"
#include "ui/browser_layout.h"
#include "ui/item_browser_window.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/skill_info_window.h"
#include "ui/tool_services.h"

namespace brennick {
namespace {

using C = Ctl;
using I = art::Icon;
using B = BrowserKind;

// Every secondary window in the order of WindowId: its name and title, its
// client size (a browser's with its find row above the grid), whether it is modal, the menu item that shows it, its icon
// on the menu and tool bar, and the item kind a browser shows.
const std::array<SecondaryWindowInfo, kWindowCount> kInfo{{
    {"FrmAbout", "About Brennick", {480, 298}, true, C::MainMenu_help_about, {}, {}},
    {"FrmSkills", "Skill Info...", {796, 545}, false, C::MainMenu_info_skills, I::Skills, {}},
    {"FrmArmors", "Armor Info...", {617, 471 + kBrowserFindRowHeight}, false, C::Armor1, I::Armour, B::Armor},
    {"FrmRobes", "Robe Info...", {682, 485 + kBrowserFindRowHeight}, false, C::RobeInfo1, I::Robe, B::Robe},
    {"FrmBMPPatch", "BMP Patcher v0.2 Beta", {695, 375}, true, C::BMPPatcher1, {}, {}},
    {"FrmShields", "Shield Info...", {716, 469 + kBrowserFindRowHeight}, false, C::Shield1, I::Shield, B::Shield},
    {"FrmOrbs", "Orb Info...", {619, 489 + kBrowserFindRowHeight}, false, C::Orb1, I::Orb, B::Orb},
    {"FrmArmlets", "Armlet Info...", {598, 465 + kBrowserFindRowHeight}, false, C::Armlets1, I::Armlets, B::Armlets},
    {"FrmGaunts", "Gauntlet Info...", {689, 499 + kBrowserFindRowHeight}, false, C::Gaunts1, I::Gauntlets, B::Gaunts},
    {"FrmBoots", "Boots Info...", {693, 497 + kBrowserFindRowHeight}, false, C::Boots1, I::Boots, B::Boots},
    {"FrmWeapons", "Weapon Info...", {861, 517 + kBrowserFindRowHeight}, false, C::Weapon1, I::Weapon, B::Weapon},
    {"FrmRings", "Ring Info...", {532, 475 + kBrowserFindRowHeight}, false, C::Rings1, I::Ring, B::Ring},
    {"FrmAmulets", "Amulet Info...", {533, 476 + kBrowserFindRowHeight}, false, C::Amulets1, I::Amulet, B::Amulet},
    {"FrmSheltoms", "Sheltom Info...", {536, 335 + kBrowserFindRowHeight}, false, C::Sheltoms1, I::Sheltom, B::Sheltom},
    {"FrmFunAge", "quill's Fun Aging =)", {549, 396}, false, C::AgingCalc1, {}, {}},
}};

void set_up_window(QWidget* w, WindowId window) {
  const SecondaryWindowInfo& info = window_info(window);
  w->setObjectName(QString::fromLatin1(info.object_name));
  w->setWindowTitle(QString::fromLatin1(info.title));
  // The aging simulator grew its Odds panel: its layout asks for more room.
  // A window made empty takes that room once its contents are made.
  if (auto* lazy = dynamic_cast<LazyWindow*>(w)) {
    lazy->set_client_size(info.client);
  } else {
    w->setFixedSize(info.client.expandedTo(w->sizeHint()));
  }
  if (info.modal) w->setWindowModality(Qt::ApplicationModal);
  // Escape closes the window as its Close button does, wherever the focus is in it.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), w);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, w, &QWidget::close);
}

// Sets the class choice of a browser (which refills its grid, as a click on
// the choice does) or the class list of the skill window (tables unchanged).
class ClassFollower : public QObject, public ClassListener {
 public:
  ClassFollower(Calculator& calc, const std::array<QWidget*, kWindowCount>& windows, QObject* owner)
      : QObject(owner), calc_(calc), windows_(windows) {
    calc_.set_class_listener(this);
  }
  ~ClassFollower() override { calc_.set_class_listener(nullptr); }
  void set_class(WindowId window, int row) override {
    QWidget* w = windows_[static_cast<std::size_t>(window)];
    if (auto* browser = qobject_cast<ItemBrowserWindow*>(w)) browser->set_class_row(row);
    if (auto* skills = qobject_cast<SkillInfoWindow*>(w)) skills->set_class_row(row);
  }

 private:
  Calculator& calc_;
  std::array<QWidget*, kWindowCount> windows_;
};

}  // namespace

void follow_main_window_class(Calculator& calc, const std::array<QWidget*, kWindowCount>& windows,
                              QObject* owner) {
  new ClassFollower(calc, windows, owner);
}

const SecondaryWindowInfo& window_info(WindowId window) { return kInfo.at(static_cast<std::size_t>(window)); }

std::optional<WindowId> window_of_command(Ctl command) {
  for (WindowId w : all_secondary_windows())
    if (window_info(w).command == command) return w;
  return std::nullopt;
}

WindowId window_of(BrowserKind kind) {
  for (WindowId w : all_secondary_windows())
    if (window_info(w).browser == kind) return w;
  return WindowId::About;  // not reached: every kind has its window
}

const std::array<WindowId, kWindowCount>& all_secondary_windows() {
  static const auto all = [] {
    std::array<WindowId, kWindowCount> a{};
    for (int i = 0; i < kWindowCount; ++i) a[static_cast<std::size_t>(i)] = static_cast<WindowId>(i);
    return a;
  }();
  return all;
}

QWidget* create_secondary_window(WindowId window, Calculator& calc, QWidget* owner) {
  QWidget* w = nullptr;
  // After an error went to the application's handler, the main window shows it.
  auto report = [owner] {
    if (auto* main = qobject_cast<MainWindow*>(owner)) main->refresh();
  };
  if (auto browser = window_info(window).browser) {
    // Equip is a change of the user's, as the main window makes it.
    auto equip = [owner](const UserAction& action) {
      if (auto* main = qobject_cast<MainWindow*>(owner)) main->act([&](Session& s) { s.apply(action); });
    };
    w = new ItemBrowserWindow(*browser, calc, owner, report, equip);
  } else if (window == WindowId::Skills) {
    w = new SkillInfoWindow(calc, owner, report);
  } else if (window == WindowId::About) {
    w = new AboutWindow(calc.state.app_dir, owner);
  } else if (window == WindowId::Aging || window == WindowId::BmpPatcher) {
    ToolServices tools{&calc.dialogs(), calc.error_log(), calc.format(), calc.state.app_dir,
                       [&calc, owner](const std::string& o, const std::string& d, const std::string& m) {
                         calc.AppException(o, d, m);
                         if (auto* main = qobject_cast<MainWindow*>(owner)) main->refresh();
                       },
                       installed_log_dir()};
    w = make_tool_window(window, std::move(tools), owner);
  } else {
    // Not filled yet: an empty window under its name.
    w = new QWidget(owner, Qt::Window);
  }
  set_up_window(w, window);
  w->hide();
  return w;
}

AboutWindow::AboutWindow(const std::string& app_dir, QWidget* owner)
    : LazyWindow(owner, Qt::Dialog), app_dir_(app_dir) {}

void AboutWindow::build_contents() {
  auto* picture = new PictureBox(this);
  picture->setObjectName(QStringLiteral("img_about"));
  picture->setGeometry(8, 8, 176, 282);
  picture->setFrameShape(QFrame::StyledPanel);
  QImageReader reader(QString::fromStdString(resolve_image(app_dir_, "archer_big.bmp")));
  picture->set_image(reader.read());

  auto add_line = [this](const QString& text, int y, int h, bool bold) {
    auto* label = new QLabel(text, this);
    label->setGeometry(200, y, 270, h);
    label->setWordWrap(true);
    QFont f = label->font();
    f.setBold(bold);
    label->setFont(f);
    return label;
  };
  QLabel* name = add_line(QString::fromStdString(program_title()), 16, 22, true);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  name->setFont(big);
  name->setObjectName(QStringLiteral("lbl_about_name"));
  add_line(QStringLiteral("with BMP-Patcher v0.2 beta"), 44, 18, false)->setObjectName(QStringLiteral("lbl_about_patcher"));
  add_line(QStringLiteral("A character planner: enter your class, level, statistics, "
                          "equipment, quests and skills, and see every value your "
                          "character ends up with, for one hand and for two hands."),
           80, 80, false);
  add_line(QStringLiteral("Builds are saved as .brk files."), 158, 18, false);
  // Where the pictures, error.log and the item tables come from: selectable,
  // so that a path can be copied.
  auto* files = new QPlainTextEdit(QString::fromStdString(program_files_text()), this);
  files->setObjectName(QStringLiteral("txt_about_files"));
  files->setReadOnly(true);
  files->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  files->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  QFont small = files->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  files->setFont(small);
  files->setGeometry(200, 180, 270, 74);
  files->setAccessibleName(QStringLiteral("Program files"));

  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("btn_about_close"));
  close->setGeometry(390, 260, 81, 26);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace brennick
