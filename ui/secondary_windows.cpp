#include "ui/secondary_windows.h"

#include <QFont>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

#include "pipeline/planner.h"
#include "engine/image_files.h"
#include "ui/picture_box.h"

namespace brennick {
namespace {

constexpr std::array<SecondaryWindowInfo, kWindowCount> kInfo{{
    {"FrmAbout", "About Brennick", {480, 298}, true},
    {"FrmSkills", "Skill Info...", {796, 545}, false},
    {"FrmArmors", "Armor Info...", {617, 471}, false},
    {"FrmRobes", "Robe Info...", {682, 485}, false},
    {"FrmBMPPatch", "BMP Patcher v0.2 Beta", {695, 375}, true},
    {"FrmShields", "Shield Info...", {716, 469}, false},
    {"FrmOrbs", "Orb Info...", {619, 489}, false},
    {"FrmArmlets", "Armlet Info...", {598, 465}, false},
    {"FrmGaunts", "Gauntlet Info...", {689, 499}, false},
    {"FrmBoots", "Boots Info...", {693, 497}, false},
    {"FrmWeapons", "Weapon Info...", {861, 517}, false},
    {"FrmRings", "Ring Info...", {532, 475}, false},
    {"FrmAmulets", "Amulet Info...", {533, 476}, false},
    {"FrmSheltoms", "Sheltom Info...", {536, 335}, false},
    {"FrmFunAge", "quill's Fun Aging =)", {549, 396}, false},
}};

void set_up_window(QWidget* w, WindowId window) {
  const SecondaryWindowInfo& info = window_info(window);
  w->setObjectName(QString::fromLatin1(info.object_name));
  w->setWindowTitle(QString::fromLatin1(info.title));
  w->setFixedSize(info.client);
  if (info.modal) w->setWindowModality(Qt::ApplicationModal);
}

}  // namespace

const SecondaryWindowInfo& window_info(WindowId window) { return kInfo.at(static_cast<std::size_t>(window)); }

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
  if (window == WindowId::About) {
    w = new AboutWindow(calc.state.app_dir, owner);
  } else {
    // Not filled yet: an empty window under its name.
    w = new QWidget(owner, Qt::Window);
  }
  set_up_window(w, window);
  w->hide();
  return w;
}

AboutWindow::AboutWindow(const std::string& app_dir, QWidget* owner) : QWidget(owner, Qt::Dialog) {
  auto* picture = new PictureBox(this);
  picture->setObjectName(QStringLiteral("img_about"));
  picture->setGeometry(8, 8, 176, 282);
  picture->setFrameShape(QFrame::StyledPanel);
  QImageReader reader(QString::fromStdString(resolve_image(app_dir, "archer_big.bmp")));
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
  QLabel* name = add_line(QStringLiteral("Brennick v0.2.1 beta"), 16, 22, true);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  name->setFont(big);
  name->setObjectName(QStringLiteral("lbl_about_name"));
  add_line(QStringLiteral("with BMP-Patcher v0.2 beta"), 44, 18, false)->setObjectName(QStringLiteral("lbl_about_patcher"));
  add_line(QStringLiteral("A character planner: enter your class, level, statistics, "
                          "equipment, quests and skills, and see every value your "
                          "character ends up with, for one hand and for two hands."),
           80, 80, false);
  add_line(QStringLiteral("Builds are saved as .brk files. Pictures are read from the "
                          "images folder beside the program."),
           170, 50, false);

  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("btn_about_close"));
  close->setGeometry(390, 260, 81, 26);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace brennick
