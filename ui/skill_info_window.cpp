#include "ui/skill_info_window.h"

#include "ui/zoom.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "data/skill_info.h"
#include "engine/calculator.h"
#include "engine/image_files.h"
#include "ui/center_string_grid.h"
#include "ui/picture_box.h"

namespace brennick {
namespace {

constexpr int kColumnWidth = 60;
constexpr int kRowHeight = 14;
constexpr int kGridX = 128;
constexpr int kBlockHeight = 112;
constexpr int kFirstBlock = 56;

}  // namespace

SkillInfoWindow::SkillInfoWindow(Calculator& calc, QWidget* owner, std::function<void()> report)
    : LazyWindow(owner, Qt::Window), calc_(calc), report_(std::move(report)) {
  // The main window's font as built: a zoom scales both windows alike.
  if (owner) setFont(built_font(owner));
}

void SkillInfoWindow::build_contents() {
  auto* tier_box = new QGroupBox(QStringLiteral("Select Tier"), this);
  tier_box->setObjectName(QStringLiteral("RdoGrp_select_tier"));
  tier_box->setGeometry(8, 4, 360, 44);
  auto* th = new QHBoxLayout(tier_box);
  th->setContentsMargins(8, 2, 8, 2);
  tiers_ = new QButtonGroup(tier_box);
  for (int t = 1; t <= 4; ++t) {
    auto* b = new QRadioButton(QString::fromLatin1(kSkillInfoTierRows[static_cast<std::size_t>(t - 1)]), tier_box);
    tiers_->addButton(b, t);
    th->addWidget(b);
  }
  connect(tiers_, &QButtonGroup::idClicked, this, [this](int) { Select_Tier_Class(); });

  class_list_ = new QComboBox(this);
  class_list_->setObjectName(QStringLiteral("Select_class_skill_info"));
  for (std::string_view c : kClassNames) class_list_->addItem(QString::fromLatin1(c.data(), static_cast<qsizetype>(c.size())));
  class_list_->setPlaceholderText(QStringLiteral("Select a Class"));
  class_list_->setAccessibleName(QStringLiteral("Class"));
  class_list_->setCurrentIndex(class_row_);
  class_list_->setGeometry(384, 18, 150, 24);
  connect(class_list_, &QComboBox::activated, this, [this](int) { Select_Tier_Class(); });

  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("Btn_close_skill_info"));
  close->setGeometry(796 - 8 - 90, 16, 90, 26);
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  QFont bold = font();
  bold.setBold(true);
  for (int k = 1; k <= 4; ++k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const int y = kFirstBlock + (k - 1) * kBlockHeight;
    pictures_[i] = new PictureBox(this);
    pictures_[i]->setObjectName(QStringLiteral("pic_skillname%1").arg(k));
    pictures_[i]->setGeometry(8, y + 4, 40, 40);
    names_[i] = new QLabel(this);
    names_[i]->setObjectName(QStringLiteral("lbl_skillname%1").arg(k));
    names_[i]->setFont(bold);
    names_[i]->setWordWrap(true);
    names_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    names_[i]->setGeometry(8, y + 48, kGridX - 16, 48);
    for (int l = 1; l <= 10; ++l) {
      auto* heading = new QLabel(QString::number(l), this);
      heading->setObjectName(QStringLiteral("lbl_level_%1_%2").arg(k).arg(l));
      heading->setFont(bold);
      heading->setAlignment(Qt::AlignCenter);
      heading->setGeometry(kGridX + 1 + l * kColumnWidth, y, kColumnWidth, 14);
    }
    auto* g = new TCenterStringGrid(this);
    g->setObjectName(QStringLiteral("grid%1").arg(k));
    g->setAccessibleName(QStringLiteral("Skill %1, values by level").arg(k));
    g->set_layout(kSkillInfoColumns, skill_info_grid_rows(k), 0, kRowHeight);
    for (int c = 0; c < kSkillInfoColumns; ++c) g->setColumnWidth(c, kColumnWidth);
    g->setGeometry(kGridX, y + 16, kSkillInfoColumns * kColumnWidth + 2 * g->frameWidth(), g->full_height());
    grids_[i] = g;
  }
}

void SkillInfoWindow::Select_Tier_Class() {
  ensure_built();
  const int tier = tiers_->checkedId();
  const int class_row = class_list_->currentIndex();
  if (tier < 1 || class_row < 0) return;
  const SkillInfoTier t = skill_info(class_row, tier, calc_.format());
  for (std::size_t i = 0; i < 4; ++i) {
    const std::string path = resolve_image(calc_.state.app_dir, t.icons[i]);
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    if (image.isNull()) {
      calc_.AppException(objectName().toStdString(), pictures_[i]->objectName().toStdString(),
                         "Cannot read the picture " + path + ": " + reader.errorString().toStdString());
      if (report_) report_();
      return;
    }
    pictures_[i]->set_image(image);
    names_[i]->setText(QString::fromStdString(t.names[i]));
  }
  for (std::size_t i = 0; i < 4; ++i) {
    const auto& cells = t.grids[i].cells;
    for (int r = 0; r < static_cast<int>(cells.size()); ++r)
      for (int c = 0; c < kSkillInfoColumns; ++c)
        grids_[i]->set_cell(c, r, QString::fromStdString(cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
  }
}

void SkillInfoWindow::choose_tier(int tier) {
  ensure_built();
  if (QAbstractButton* b = tiers_->button(tier)) b->setChecked(true);
  Select_Tier_Class();
}

void SkillInfoWindow::choose_class(int class_row) {
  ensure_built();
  class_list_->setCurrentIndex(class_row);
  Select_Tier_Class();
}

int SkillInfoWindow::class_row() const { return built() ? class_list_->currentIndex() : class_row_; }

void SkillInfoWindow::set_class_row(int class_row) {
  class_row_ = class_row >= 0 && class_row < kClassCount ? class_row : -1;
  if (built()) class_list_->setCurrentIndex(class_row_);
}

}  // namespace brennick
