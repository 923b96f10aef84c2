#include "ui/item_browser_window.h"

#include "ui/zoom.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "assets/art.h"
#include "data/weapon_tables.h"
#include "engine/calculator.h"
#include "engine/image_files.h"
#include "ui/browser_layout.h"
#include "ui/center_string_grid.h"
#include "ui/picture_box.h"

namespace brennick {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr int kMargin = 8;
constexpr int kRowHeight = 15;
constexpr int kLeftColumn = 196;
constexpr int kWeaponLeftColumn = 340;  // the class and the type choice side by side
// The find row: "Name:", the filter box and, at the right end, Equip.
constexpr int kFindHeight = 22;
constexpr int kFilterCaptionWidth = 40;
constexpr int kFilterWidth = 180;
constexpr int kEquipWidth = 90;

QLabel* bold_label(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

// A titled group of radio buttons, filled column by column.
struct ChoiceBox {
  QString name, caption, hint;
  std::vector<QString> rows;
  int columns;
};

QButtonGroup* add_choice(QWidget* parent, QHBoxLayout* choices, const ChoiceBox& c) {
  auto* box = new QGroupBox(c.caption, parent);
  box->setObjectName(c.name);
  box->setToolTip(c.hint);
  auto* g = new QGridLayout(box);
  g->setContentsMargins(6, 2, 6, 2);
  g->setVerticalSpacing(0);
  auto* group = new QButtonGroup(box);
  const int per_column = (static_cast<int>(c.rows.size()) + c.columns - 1) / c.columns;
  for (int r = 0; r < static_cast<int>(c.rows.size()); ++r) {
    auto* b = new QRadioButton(c.rows[static_cast<std::size_t>(r)], box);
    group->addButton(b, r);
    g->addWidget(b, r % per_column, r / per_column);
  }
  choices->addWidget(box, 0, Qt::AlignTop);
  return group;
}

art::Icon resistance_icon(int i) {
  static constexpr art::Icon icons[] = {art::Icon::ResistOrganic, art::Icon::ResistFlame, art::Icon::ResistIce,
                                        art::Icon::ResistPoison, art::Icon::ResistLightning};
  return icons[i];
}

}  // namespace

ItemBrowserWindow::ItemBrowserWindow(BrowserKind kind, Calculator& calc, QWidget* owner, std::function<void()> report,
                                     Equip equip)
    : LazyWindow(owner, Qt::Window), kind_(kind), calc_(calc), report_(std::move(report)), equip_(std::move(equip)) {
  // The main window's font as built: a zoom scales both windows alike.
  if (owner) setFont(built_font(owner));
}

void ItemBrowserWindow::build_contents() {
  build();
  fill_grid();
}

void ItemBrowserWindow::finish_layout() {
  ensure_built();
  if (columns_fitted_) return;
  columns_fitted_ = true;
  fit_grid_columns(grid_width_);
}

void ItemBrowserWindow::showEvent(QShowEvent* e) {
  finish_layout();
  update_equip();
  QWidget::showEvent(e);
}

void ItemBrowserWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && built() && isActiveWindow()) update_equip();
  LazyWindow::changeEvent(e);
}

void ItemBrowserWindow::build() {
  const BrowserInfo& info = browser_info(kind_);
  grid_ = new TCenterStringGrid(this);
  grid_->setObjectName(QStringLiteral("StringGrid1"));
  // "Armor Info..." is read "Armor Info, items".
  std::string_view caption = info.caption;
  while (!caption.empty() && caption.back() == '.') caption.remove_suffix(1);
  grid_->setAccessibleName(qs(caption) + QStringLiteral(", items"));
  grid_->set_layout(info.columns, info.rows, 1, kRowHeight);
  connect(grid_, &TCenterStringGrid::row_clicked, this, [this](int) { StringGrid1Click(); });
  connect(grid_, &TCenterStringGrid::row_activated, this, [this](int) { btn_equipClick(); });
  connect(grid_, &TCenterStringGrid::header_clicked, this, &ItemBrowserWindow::header_clicked);
  QWidget* find = build_find_row();
  QWidget* left = build_choices();
  QGroupBox* details = build_details();
  find->setGeometry(kMargin, kMargin, client_size().width() - 2 * kMargin, kFindHeight);
  place(left, details);
  // Tab goes from the filter to the grid, then through the choices.
  setTabOrder(filter_, grid_);
}

// Above the grid: the name filter, and Equip at the right end.
QWidget* ItemBrowserWindow::build_find_row() {
  auto* row = new QWidget(this);
  const int width = client_size().width() - 2 * kMargin;
  auto* caption = new QLabel(QStringLiteral("&Name:"), row);
  caption->setObjectName(QStringLiteral("lbl_filter"));
  caption->setGeometry(0, 0, kFilterCaptionWidth, kFindHeight);
  filter_ = new QLineEdit(row);
  filter_->setObjectName(QStringLiteral("edt_filter"));
  filter_->setGeometry(kFilterCaptionWidth, 0, kFilterWidth, kFindHeight);
  filter_->setPlaceholderText(QStringLiteral("part of the name"));
  filter_->setToolTip(QStringLiteral("Shows only the items whose name holds this text."));
  caption->setBuddy(filter_);
  connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
    view_.filter = text.toStdString();
    show_view();
  });
  equip_button_ = new QPushButton(QStringLiteral("&Equip"), row);
  equip_button_->setObjectName(QStringLiteral("btn_equip"));
  equip_button_->setGeometry(width - kEquipWidth, 0, kEquipWidth, kFindHeight);
  connect(equip_button_, &QPushButton::clicked, this, [this] { btn_equipClick(); });
  return row;
}

// Left column: the choices, the hint text, Reset and Close.
QWidget* ItemBrowserWindow::build_choices() {
  auto* left = new QWidget(this);
  auto* lv = new QVBoxLayout(left);
  lv->setContentsMargins(0, 0, 0, 0);
  lv->setSpacing(4);
  // The weapon window puts its two choices side by side.
  auto* choices = new QHBoxLayout;
  choices->setSpacing(6);
  lv->addLayout(choices);
  build_class_choice(left, choices);
  if (kind_ == BrowserKind::Weapon) build_type_choice(left, choices);
  auto* click_text = new QLabel(qs(browser_info(kind_).click_text), left);
  click_text->setObjectName(QStringLiteral("StaticText1"));
  click_text->setWordWrap(true);
  lv->addWidget(click_text);
  lv->addStretch(1);
  lv->addLayout(build_buttons(left));
  return left;
}

void ItemBrowserWindow::build_class_choice(QWidget* left, QHBoxLayout* choices) {
  const BrowserLayout& layout = browser_layout(kind_);
  std::vector<QString> rows;
  for (const std::string& c : browser_info(kind_).class_rows) rows.push_back(QString::fromStdString(c));
  classes_ = add_choice(left, choices, {qs(layout.class_choice_name), qs(layout.class_choice_caption),
                                        QStringLiteral("Choose a Class to see item regs for it."), rows,
                                        layout.class_columns});
  if (QAbstractButton* b = classes_->button(choice_.class_row)) b->setChecked(true);
  connect(classes_, &QButtonGroup::idClicked, this, [this](int row) {
    choice_.class_row = row;
    fill_grid();
  });
}

void ItemBrowserWindow::build_type_choice(QWidget* left, QHBoxLayout* choices) {
  std::vector<QString> kinds;
  for (int k = 0; k < kWeaponKindCount; ++k) kinds.push_back(qs(weapon_type_row(k)));
  types_ = add_choice(left, choices, {QStringLiteral("Select_type"), QStringLiteral("Select a Type"),
                                      QStringLiteral("Select a weapon class."), kinds, 2});
  types_->button(choice_.weapon_kind)->setChecked(true);
  connect(types_, &QButtonGroup::idClicked, this, [this](int k) {
    choice_.weapon_kind = k;
    fill_grid();
  });
}

QHBoxLayout* ItemBrowserWindow::build_buttons(QWidget* left) {
  const BrowserLayout& layout = browser_layout(kind_);
  auto* buttons = new QHBoxLayout;
  auto* reset = new QPushButton(QStringLiteral("Reset"), left);
  reset->setObjectName(QStringLiteral("btn_reset"));
  reset->setToolTip(QStringLiteral("reset the grid to see NS Regs of the Items."));
  connect(reset, &QPushButton::clicked, this, [this] { btn_resetClick(); });
  auto* close = new QPushButton(QStringLiteral("Close"), left);
  close->setObjectName(qs(layout.close_name));
  close->setToolTip(qs(layout.close_hint));
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  buttons->addWidget(reset);
  buttons->addWidget(close);
  return buttons;
}

// The details panel: the item's name, its picture beside the value labels,
// and the resistances below them.
QGroupBox* ItemBrowserWindow::build_details() {
  auto* details = new QGroupBox(QStringLiteral("Details"), this);
  details->setObjectName(QStringLiteral("GroupBox1"));
  auto* dv = new QVBoxLayout(details);
  dv->setContentsMargins(6, 2, 6, 4);
  dv->setSpacing(2);
  name_ = bold_label(QString(), details);
  name_->setObjectName(QStringLiteral("lbl_name"));
  labels_.insert(name_->objectName(), name_);
  dv->addWidget(name_);
  auto* body = new QHBoxLayout;
  picture_ = new PictureBox(details);
  picture_->setObjectName(QStringLiteral("Armor_pic"));
  picture_->setFixedSize(64, 64);
  body->addWidget(picture_, 0, Qt::AlignTop);
  body->addLayout(build_detail_fields(details), 1);
  dv->addLayout(body);
  if (browser_info(kind_).resistances) dv->addLayout(build_resistances(details));
  dv->addStretch(1);
  return details;
}

// The captions and value labels, in two columns when there are more than eight.
QGridLayout* ItemBrowserWindow::build_detail_fields(QWidget* details) {
  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(6);
  fields->setVerticalSpacing(1);
  const std::vector<DetailField> list = detail_fields(kind_);
  const int columns = list.size() > 8 ? 2 : 1;
  const int per_column = (static_cast<int>(list.size()) + columns - 1) / columns;
  for (int i = 0; i < static_cast<int>(list.size()); ++i) {
    const DetailField& f = list[static_cast<std::size_t>(i)];
    QLabel* caption = bold_label(QString::fromStdString(f.caption), details);
    // A caption the click never writes is named after its value label.
    caption->setObjectName(QString::fromStdString(f.caption_label.empty() ? "cap_" + f.value_name : f.caption_label));
    auto* value = new QLabel(details);
    value->setObjectName(QString::fromStdString(f.value_name));
    labels_.insert(caption->objectName(), caption);
    labels_.insert(value->objectName(), value);
    fields->addWidget(caption, i % per_column, 2 * (i / per_column));
    fields->addWidget(value, i % per_column, 2 * (i / per_column) + 1);
  }
  for (int c = 0; c < columns; ++c) fields->setColumnStretch(2 * c + 1, 1);
  return fields;
}

QHBoxLayout* ItemBrowserWindow::build_resistances(QWidget* details) {
  auto* res = new QHBoxLayout;
  for (int i = 0; i < static_cast<int>(kResistanceFields.size()); ++i) {
    const ResistanceField& f = kResistanceFields[static_cast<std::size_t>(i)];
    auto* icon = new PictureBox(details);
    icon->setObjectName(qs(kResistanceIconNames[static_cast<std::size_t>(i)]));
    icon->setToolTip(qs(f.hint));
    icon->setFixedSize(32, 32);
    icon->set_image(art::icon(resistance_icon(i)));
    auto* value = new QLabel(details);
    value->setObjectName(qs(f.value_name));
    labels_.insert(value->objectName(), value);
    res->addWidget(icon);
    res->addWidget(value, 1);
  }
  return res;
}

// Geometry: the grid across the top, the choices and the details below.
// Column widths follow the widest texts of every class choice
// (finish_layout).
void ItemBrowserWindow::place(QWidget* left, QWidget* details) {
  const int width = client_size().width(), height = client_size().height();
  grid_width_ = width - 2 * kMargin;
  const int top = kMargin + kBrowserFindRowHeight;
  grid_->setGeometry(kMargin, top, grid_width_, grid_->full_height());
  const int below = top + grid_->full_height() + kMargin;
  const int left_width = kind_ == BrowserKind::Weapon ? kWeaponLeftColumn : kLeftColumn;
  left->setGeometry(kMargin, below, left_width, height - below - kMargin);
  details->setGeometry(kMargin + left_width + kMargin, below - 4, width - left_width - 3 * kMargin,
                       height - below - kMargin + 4);
}

void ItemBrowserWindow::fit_grid_columns(int width) {
  // The widest requirement texts come with a class chosen; measure them all.
  // When they do not fit, the grid's font gets smaller, down to 8 pixels.
  const BrowserChoice keep = choice_;
  const int classes = static_cast<int>(browser_info(kind_).class_rows.size());
  const int kinds = kind_ == BrowserKind::Weapon ? kWeaponKindCount : 1;
  const int inner = width - 2 * grid_->frameWidth();
  QList<int> widest;
  for (;;) {
    widest.clear();
    for (int k = 0; k < kinds; ++k)
      for (int c = -1; c < classes; ++c) {
        choice_.class_row = c;
        choice_.weapon_kind = kind_ == BrowserKind::Weapon ? k : keep.weapon_kind;
        const QList<int> widths = grid_->fitting_widths(brennick::fill_grid(kind_, choice_, calc_.format()).cells);
        for (int col = 0; col < widths.size(); ++col) {
          if (widest.size() <= col) widest << 0;
          widest[col] = std::max(widest[col], widths[col]);
        }
      }
    int sum = 0;
    for (int w : widest) sum += w;
    QFont f = grid_->font();
    const int px = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
    if (sum <= inner || px <= 8) break;
    f.setPixelSize(px - 1);
    grid_->setFont(f);
  }
  choice_ = keep;
  fill_grid();
  int sum = 0;
  for (int w : widest) sum += w;
  const int extra = sum < inner ? (inner - sum) / grid_->columnCount() : 0;
  for (int col = 0; col < grid_->columnCount(); ++col) grid_->setColumnWidth(col, widest[col] + extra);
}

void ItemBrowserWindow::fill_grid() {
  ensure_built();
  shown_ = brennick::fill_grid(kind_, choice_, calc_.format());
  show_view();
  for (const auto& [name, text] : shown_.labels)
    if (QLabel* l = labels_.value(QString::fromStdString(name))) l->setText(QString::fromStdString(text));
}

void ItemBrowserWindow::show_view() {
  const int selected = table_row(grid_->selected_row());
  order_ = view_rows(shown_, view_, calc_.format());
  const auto text = [this](int row, int column) {
    return QString::fromStdString(shown_.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
  };
  if (!shown_.cells.empty())
    for (int c = 0; c < grid_->columnCount(); ++c) grid_->set_cell(c, 0, text(0, c));
  int shown_at = -1;
  for (int r = 1; r < grid_->rowCount(); ++r) {
    const int from = table_row(r);
    for (int c = 0; c < grid_->columnCount(); ++c) grid_->set_cell(c, r, from < 0 ? QString() : text(from, c));
    grid_->set_row_enabled(r, from >= 0);
    if (from >= 0 && from == selected) shown_at = r;
  }
  grid_->set_sort_mark(view_.sort_column, view_.descending);
  // The item selected stays selected; the details stay as they are.
  if (shown_at >= 0) {
    if (grid_->selected_row() != shown_at) grid_->select_row(shown_at);
  } else if (selected >= 0) {
    grid_->clearSelection();
  }
  update_equip();
}

int ItemBrowserWindow::table_row(int shown) const {
  if (shown < 1 || shown > static_cast<int>(order_.size())) return -1;
  return order_[static_cast<std::size_t>(shown - 1)];
}

void ItemBrowserWindow::header_clicked(int column) {
  view_ = brennick::header_clicked(view_, column);
  show_view();
}

EquipAction ItemBrowserWindow::equip_choice() const {
  ensure_built();
  const std::optional<BrowserDetails> d =
      item_details(kind_, choice_, shown_, table_row(grid_->selected_row()), calc_.format());
  if (!d) return {std::nullopt, "Choose an item in the grid first"};
  return equip_action(calc_.sheet, kind_, choice_.weapon_kind, d->item);
}

void ItemBrowserWindow::update_equip() {
  if (!equip_button_) return;
  const EquipAction e = equip_choice();
  equip_button_->setEnabled(e.action.has_value());
  equip_button_->setToolTip(QString::fromStdString(e.hint));
}

void ItemBrowserWindow::btn_equipClick() {
  const EquipAction e = equip_choice();
  if (e.action && equip_) equip_(*e.action);
  update_equip();
}

void ItemBrowserWindow::StringGrid1Click() {
  ensure_built();
  update_equip();  // Equip takes the selected row, shown or not
  const int row = table_row(grid_->selected_row());
  const std::optional<BrowserDetails> d = item_details(kind_, choice_, shown_, row, calc_.format());
  if (!d) return;
  // The picture first: when it cannot be read nothing else changes.
  const std::string path = resolve_image(calc_.state.app_dir, d->picture);
  QImageReader reader(QString::fromStdString(path));
  const QImage image = reader.read();
  if (image.isNull()) {
    calc_.AppException(objectName().toStdString(), "Armor_pic",
                       "Cannot read the picture " + path + ": " + reader.errorString().toStdString());
    if (report_) report_();
    return;
  }
  picture_->set_image(art::keyed(image));
  show_details(*d);
}

void ItemBrowserWindow::show_details(const BrowserDetails& d) {
  if (d.resistances)
    for (std::size_t i = 0; i < kResistanceFields.size(); ++i)
      if (QLabel* l = labels_.value(qs(kResistanceFields[i].value_name)))
        l->setText(QString::fromStdString((*d.resistances)[i]));
  name_->setText(QString::fromStdString(d.name));
  for (const auto& [name, text] : d.labels)
    if (QLabel* l = labels_.value(QString::fromStdString(name))) l->setText(QString::fromStdString(text));
  picture_->setToolTip(QString::fromStdString(d.name));
}

void ItemBrowserWindow::btn_resetClick() { set_class_row(-1); }

void ItemBrowserWindow::set_class_row(int row) {
  if (row < 0 || row >= static_cast<int>(browser_info(kind_).class_rows.size())) row = -1;
  if (!built()) {
    choice_.class_row = row;
    return;
  }
  if (row < 0) {
    classes_->setExclusive(false);
    for (QAbstractButton* b : classes_->buttons()) b->setChecked(false);
    classes_->setExclusive(true);
  } else {
    classes_->button(row)->setChecked(true);
  }
  choice_.class_row = row;
  fill_grid();
}

void ItemBrowserWindow::set_weapon_kind(int kind) {
  if (kind_ != BrowserKind::Weapon || !is_weapon_kind(kind)) return;
  if (!built()) {
    choice_.weapon_kind = kind;
    return;
  }
  types_->button(kind)->setChecked(true);
  choice_.weapon_kind = kind;
  fill_grid();
}

void ItemBrowserWindow::click_row(int row) {
  ensure_built();
  grid_->select_row(row);
  StringGrid1Click();
}

QString ItemBrowserWindow::label_text(const QString& name) const {
  ensure_built();
  const QLabel* l = labels_.value(name);
  return l ? l->text() : QString();
}

QStringList ItemBrowserWindow::clipped_texts() {
  finish_layout();  // the columns as the window shows them
  QStringList out = grid_->clipped_cells();
  for (QLabel* l : findChildren<QLabel*>()) {
    if (l->text().isEmpty() || l->wordWrap()) continue;
    if (QFontMetrics(l->font()).horizontalAdvance(l->text()) > l->contentsRect().width())
      out << l->objectName() + ": " + l->text();
  }
  for (QGroupBox* g : findChildren<QGroupBox*>())
    if (QFontMetrics(g->font()).horizontalAdvance(g->title()) + 16 > g->width()) out << g->objectName();
  for (QAbstractButton* b : findChildren<QAbstractButton*>())
    if (b->sizeHint().width() > b->width()) out << b->objectName() + ": " + b->text();
  return out;
}

}  // namespace brennick
