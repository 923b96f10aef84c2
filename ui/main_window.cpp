#include "ui/main_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QHelpEvent>
#include <QToolTip>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "assets/art.h"
#include "buildfile/build_file.h"
#include "pipeline/breakdown.h"
#include "pipeline/item_delta.h"
#include "pipeline/planner.h"
#include "engine/image_files.h"
#include "engine/startup.h"
#include "ui/main_window_layout.h"
#include "ui/picture_box.h"
#include "ui/popup_menus.h"

namespace brennick {
namespace {

using C = Ctl;
namespace st = layout::style;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString qs(const std::string& s) { return QString::fromStdString(s); }

constexpr char kDeltaListProperty[] = "brennick_delta_list";  // the item list a popup view shows
constexpr char kControlProperty[] = "brennick_control";  // widgets that carry a hint (or none)

std::optional<WindowId> window_of_command(Ctl id) {
  switch (id) {
    case C::MainMenu_info_skills: return WindowId::Skills;
    case C::Armor1: return WindowId::Armors;
    case C::RobeInfo1: return WindowId::Robes;
    case C::Shield1: return WindowId::Shields;
    case C::Orb1: return WindowId::Orbs;
    case C::Armlets1: return WindowId::Armlets;
    case C::Gaunts1: return WindowId::Gaunts;
    case C::Boots1: return WindowId::Boots;
    case C::Weapon1: return WindowId::Weapons;
    case C::Amulets1: return WindowId::Amulets;
    case C::Rings1: return WindowId::Rings;
    case C::Sheltoms1: return WindowId::Sheltoms;
    case C::BMPPatcher1: return WindowId::BmpPatcher;
    case C::AgingCalc1: return WindowId::Aging;
    case C::MainMenu_help_about: return WindowId::About;
    default: return std::nullopt;
  }
}

QKeySequence shortcut_of(Ctl id) {
  switch (id) {
    case C::MainMenu_file_load: return QKeySequence(Qt::CTRL | Qt::Key_L);
    case C::MainMenu_file_save: return QKeySequence(Qt::CTRL | Qt::Key_S);
    case C::MainMenu_file_reset: return QKeySequence(Qt::CTRL | Qt::Key_R);
    case C::MainMenu_help_help: return QKeySequence(Qt::Key_F1);
    default: return {};
  }
}

// Icons of the tool bar and of the menu items that share a command.
std::optional<art::Icon> command_icon(Ctl menu_item) {
  switch (menu_item) {
    case C::MainMenu_file_load: return art::Icon::Open;
    case C::MainMenu_file_save: return art::Icon::Save;
    case C::MainMenu_info_skills: return art::Icon::Skills;
    case C::Armor1: return art::Icon::Armour;
    case C::RobeInfo1: return art::Icon::Robe;
    case C::Shield1: return art::Icon::Shield;
    case C::Orb1: return art::Icon::Orb;
    case C::Armlets1: return art::Icon::Armlets;
    case C::Gaunts1: return art::Icon::Gauntlets;
    case C::Boots1: return art::Icon::Boots;
    case C::Weapon1: return art::Icon::Weapon;
    case C::Rings1: return art::Icon::Ring;
    case C::Amulets1: return art::Icon::Amulet;
    case C::Sheltoms1: return art::Icon::Sheltom;
    default: return std::nullopt;
  }
}

// Pictures the program draws itself (named "icon:..." in the sheet).
std::optional<art::Icon> drawn_picture(const std::string& name) {
  if (name == kUndeadIcon) return art::Icon::UndeadNote;
  if (name == kOneHandIcon) return art::Icon::OneHand;
  if (name == kTwoHandIcon) return art::Icon::TwoHand;
  return std::nullopt;
}

// Tabs as narrow as their captions allow: the item pages put eight tabs on
// a 376 pixel wide page set.
class CompactTabs : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_TabBarTabHSpace) return 10;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

bool is_weapon_kind_list(Ctl id) { return id == C::Select_weapon || id == C::Select_weapon_2; }

QIcon icon_of(art::Icon id) { return QIcon(QPixmap::fromImage(art::icon(id))); }

void set_text_colour(QWidget* w, QColor colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Active, QPalette::WindowText, colour);
  p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
  w->setPalette(p);
}

QColor colour_of(std::uint16_t style) {
  if (style & st::Red) return QColor(QRgb(colors::red));
  if (style & st::Blue) return QColor(QRgb(colors::blue));
  if (style & st::Green) return QColor(QRgb(colors::green));
  return QColor(QRgb(colors::black));
}

void apply_style(QLabel* label, std::uint16_t style) {
  QFont f;  // only what is set here is resolved; the rest follows the window's font
  if (style & st::Bold) f.setBold(true);
  if (style & st::Underline) f.setUnderline(true);
  if (style & st::Large) f.setPixelSize(18);
  if (style & (st::Bold | st::Underline | st::Large)) label->setFont(f);
  if (style & (st::Red | st::Blue | st::Green)) set_text_colour(label, colour_of(style));
  Qt::Alignment a = Qt::AlignVCenter;
  a |= (style & st::Right) ? Qt::AlignRight : (style & st::Centre) ? Qt::AlignHCenter : Qt::AlignLeft;
  if (style & st::Wrap) {
    label->setWordWrap(true);
    a = (a & ~Qt::AlignVertical_Mask) | Qt::AlignTop;
  }
  label->setAlignment(a);
}

// A report's lines end in CR LF, the last one too; the box shows the lines
// without an empty one at the end.
QString memo_text(const std::string& text) {
  QString s = qs(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  while (s.endsWith(QLatin1Char('\n'))) s.chop(1);
  return s;
}

}  // namespace

MainWindow::MainWindow(Planner& calc, QWidget* parent)
    : QMainWindow(parent), calc_(calc), shown_revisions_(kControlCount, 0) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowIcon(icon_of(art::Icon::Application));
  build();
  new PopupMenuView(*this);  // the right-click menus of the pages
  choose_font();
  fit_report_boxes();
  refresh_all();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow() = default;

// --- building ------------------------------------------------------------------

QWidget* MainWindow::container(Ctl id) const {
  if (id == C::MainForm || id == C::Count_) return central_;
  return widget(id);
}

void MainWindow::build() {
  central_ = new QWidget(this);
  central_->setObjectName(QStringLiteral("MainForm_client"));
  central_->setFixedSize(layout::kClientWidth, layout::kClientHeight - layout::kStatusBarHeight);
  setCentralWidget(central_);
  widgets_[static_cast<std::size_t>(C::MainForm)] = this;
  for (Ctl id : all_controls())
    if (id != C::MainForm) build_control(id);
  build_captions();
  build_status_bar();

  // Hints in status-bar panel 0 while the pointer rests on a control.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void MainWindow::build_control(Ctl id) {
  const ControlSpec& spec = control_spec(id);
  const std::size_t i = static_cast<std::size_t>(id);
  const QString name = qs(spec.name);
  const std::uint16_t style = layout::control_style(id);
  QWidget* parent = container(spec.parent);
  QWidget* w = nullptr;

  switch (spec.kind) {
    case ControlKind::MenuItem: {
      if (spec.parent == C::MainForm) {
        QMenu* menu = menuBar()->addMenu(qs(spec.text));
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        menus_[i] = menu;
        actions_[i] = menu->menuAction();
      } else {
        QMenu* menu = menus_[static_cast<std::size_t>(spec.parent)];
        QAction* a = menu->addAction(qs(spec.text));
        a->setObjectName(name);
        a->setShortcut(shortcut_of(id));
        if (auto icon = command_icon(id)) a->setIcon(icon_of(*icon));
        connect(a, &QAction::triggered, this, [this, id] { perform(id); });
        actions_[i] = a;
        if (layout::separator_after(id)) menu->addSeparator();
      }
      QAction* a = actions_[i];
      connect(a, &QAction::hovered, this, [this, id] { panel0_->setText(qs(calc_.sheet[id].hint)); });
      return;
    }
    case ControlKind::ToolButton: {
      auto* bar = static_cast<QToolBar*>(widget(spec.parent));
      auto* b = new QToolButton(bar);
      b->setAutoRaise(true);
      b->setToolButtonStyle(Qt::ToolButtonIconOnly);
      const Ctl command = layout::tool_button_command(id);
      if (auto icon = command_icon(command)) b->setIcon(icon_of(*icon));
      b->setIconSize(QSize(16, 16));
      connect(b, &QToolButton::clicked, this, [this, command] { perform(command); });
      actions_[i] = bar->addWidget(b);
      if (layout::separator_after(id)) bar->addSeparator();
      w = b;
      break;
    }
    case ControlKind::Group: {
      if (id == C::ToolBar1) {
        auto* bar = new QToolBar(parent);
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(16, 16));
        w = bar;
      } else {
        w = new QGroupBox(parent);
      }
      break;
    }
    case ControlKind::PageSet: {
      auto* tabs = new QTabWidget(parent);
      tabs->setUsesScrollButtons(false);
      tabs->tabBar()->setExpanding(false);
      if (!tab_style_) {
        tab_style_ = new CompactTabs;
        tab_style_->setParent(this);
      }
      tabs->tabBar()->setStyle(tab_style_);
      w = tabs;
      break;
    }
    case ControlKind::Page: {
      auto* tabs = static_cast<QTabWidget*>(widget(spec.parent));
      w = new QWidget;
      w->setObjectName(name);
      tabs->addTab(w, qs(spec.text));
      break;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      apply_style(label, style);
      if (id == C::lbl_forceorb) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      }
      if (id == C::lbl_filename) {
        // The tool bar's label sits beside its caption after the buttons.
        auto* bar = static_cast<QToolBar*>(widget(spec.parent));
        auto* box = new QWidget(bar);
        box->setObjectName(QStringLiteral("pnl_filename"));
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(6, 0, 6, 0);
        row->setSpacing(0);
        auto* caption = new QLabel(QStringLiteral("Current File:  "), box);
        caption->setObjectName(QStringLiteral("lbl_current_file"));
        apply_style(caption, st::Bold);
        label->setParent(box);
        row->addWidget(caption);
        row->addWidget(label, 1);
        bar->addWidget(box);
      }
      w = label;
      break;
    }
    case ControlKind::NumberField: {
      auto* spin = new QSpinBox(parent);
      spin->setRange(spec.min, spec.max);
      spin->setKeyboardTracking(true);
      connect(spin, &QSpinBox::valueChanged, this, [this, id](int value) {
        calc_.user_set_text(id, int_text(value));
        after_user_action();
      });
      w = spin;
      break;
    }
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(parent);
      connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
        calc_.user_set_text(id, text.toStdString());
        after_user_action();
      });
      w = edit;
      break;
    }
    case ControlKind::Memo: {
      auto* memo = new QPlainTextEdit(parent);
      memo->setReadOnly(true);
      memo->setFrameShape(QFrame::NoFrame);
      memo->setFocusPolicy(Qt::NoFocus);
      memo->setTextInteractionFlags(Qt::NoTextInteraction);
      memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      memo->document()->setDocumentMargin(1);
      QPalette p = memo->palette();
      p.setColor(QPalette::Base, p.color(QPalette::Window));
      memo->setPalette(p);
      memo->viewport()->setAutoFillBackground(false);
      w = memo;
      break;
    }
    case ControlKind::DropDown: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      combo->setMaxVisibleItems(qMax(10, static_cast<int>(calc_.sheet[id].rows.size())));
      if (is_weapon_kind_list(id)) combo->setIconSize(QSize(16, 16));
      if (is_item_list(id)) {
        // Hovering a row shows what choosing it would change.
        combo->view()->viewport()->setProperty(kDeltaListProperty, static_cast<int>(id));
        combo->view()->viewport()->installEventFilter(this);
      }
      connect(combo, &QComboBox::activated, this, [this, id](int row) {
        calc_.user_select_row(id, row);
        after_user_action();
      });
      w = combo;
      break;
    }
    case ControlKind::CheckBox: {
      auto* check = new QCheckBox(parent);
      connect(check, &QCheckBox::clicked, this, [this, id](bool checked) {
        calc_.user_set_checked(id, checked);
        after_user_action();
      });
      w = check;
      break;
    }
    case ControlKind::Picture: {
      auto* picture = new PictureBox(parent);
      if (layout::clickable_picture(id)) {
        picture->set_clickable(true);
        connect(picture, &PictureBox::clicked, this, [this, id] { perform(id); });
      }
      w = picture;
      break;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(parent);
      connect(button, &QPushButton::clicked, this, [this, id] { perform(id); });
      w = button;
      break;
    }
  }

  w->setObjectName(name);
  w->setProperty(kControlProperty, true);
  if (auto r = layout::place(id)) w->setGeometry(*r);
  widgets_[i] = w;
}

void MainWindow::build_captions() {
  int n = 0;
  for (const layout::Caption& c : layout::captions()) {
    auto* label = new QLabel(qs(c.text), container(c.parent));
    label->setObjectName(QStringLiteral("caption_%1").arg(++n));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(c.rect);
    apply_style(label, c.style);
    if (c.hint_of) {
      label->setProperty(kControlProperty, true);
      label->setToolTip(qs(calc_.sheet[*c.hint_of].hint));
    }
  }
}

void MainWindow::build_status_bar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  bar->setFixedHeight(layout::kStatusBarHeight);
  bar->setContentsMargins(0, 0, 0, 0);
  panel0_ = new QLabel(bar);
  panel0_->setObjectName(QStringLiteral("StatusBar1_panel0"));
  panel0_->setFixedWidth(layout::kStatusPanel0Width);
  panel0_->setFrameShape(QFrame::Panel);
  panel0_->setFrameShadow(QFrame::Sunken);
  panel0_->setTextFormat(Qt::PlainText);
  panel1_ = new QLabel(bar);
  panel1_->setObjectName(QStringLiteral("StatusBar1_panel1"));
  panel1_->setMinimumWidth(layout::kStatusPanel1Width);
  panel1_->setFrameShape(QFrame::Panel);
  panel1_->setFrameShadow(QFrame::Sunken);
  panel1_->setTextFormat(Qt::PlainText);
  bar->addWidget(panel0_);
  bar->addWidget(panel1_, 1);
}

// Tahoma 8 point where the machine has it; otherwise the narrowest sans
// font at hand, at the largest size whose captions all fit.
void MainWindow::choose_font() {
  const QStringList families = QFontDatabase::families();
  if (families.contains(QStringLiteral("Tahoma"))) {
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    return;
  }
  QString family;
  for (const char* candidate : {"DejaVu Sans Condensed", "Liberation Sans Narrow", "Arial", "Liberation Sans",
                                "DejaVu Sans"}) {
    if (families.contains(QString::fromLatin1(candidate))) {
      family = QString::fromLatin1(candidate);
      break;
    }
  }
  QFont f = family.isEmpty() ? QFont() : QFont(family);
  if (family.isEmpty()) f.setStyleHint(QFont::SansSerif);
  for (int px = 11; px >= 8; --px) {
    f.setPixelSize(px);
    setFont(f);
    refresh_all();  // the texts the captions are measured with
    if (clipped_captions().isEmpty()) return;
  }
}

// A skill report has up to seven lines; its box is 106 pixels high. The
// report boxes take the window's font, a pixel smaller where seven lines
// would not fit.
void MainWindow::fit_report_boxes() {
  constexpr int kReportLines = 7;
  for (int i = 0; i < 16; ++i) {
    auto* memo = static_cast<QPlainTextEdit*>(widget(slot_controls(i).info));
    QFont f = font();
    const int margins = 2 * static_cast<int>(memo->document()->documentMargin()) + 2;
    while (f.pixelSize() > 8 && QFontMetrics(f).lineSpacing() * kReportLines + margins > memo->height())
      f.setPixelSize(f.pixelSize() - 1);
    memo->setFont(f);
  }
}

// --- refreshing ----------------------------------------------------------------

void MainWindow::refresh_all() {
  shown_once_ = false;
  refresh();
}

void MainWindow::refresh() {
  const Sheet& sheet = calc_.sheet;
  for (Ctl id : all_controls()) {
    const std::size_t i = static_cast<std::size_t>(id);
    const std::uint32_t rev = sheet.revision(id);
    if (shown_once_ && shown_revisions_[i] == rev) continue;
    shown_revisions_[i] = rev;
    apply(id);
  }
  shown_once_ = true;
  if (sheet.status_panel0 != shown_panel0_) {
    shown_panel0_ = sheet.status_panel0;
    panel0_->setText(qs(shown_panel0_));
  }
  if (sheet.status_panel1 != shown_panel1_) {
    shown_panel1_ = sheet.status_panel1;
    panel1_->setText(qs(shown_panel1_));
    panel1_->setToolTip(qs(shown_panel1_));
  }
}

void MainWindow::apply(Ctl id) {
  const Control& c = calc_.sheet[id];
  const ControlSpec& spec = control_spec(id);
  const QString text = qs(c.text);
  const QString hint = qs(c.hint);

  if (spec.kind == ControlKind::MenuItem) {
    QAction* a = action(id);
    const QSignalBlocker block(a);
    a->setText(text);
    a->setToolTip(hint);
    a->setEnabled(c.enabled);
    a->setVisible(c.visible);
    return;
  }
  if (id == C::MainForm) {
    setWindowTitle(text);
    return;
  }

  QWidget* w = widget(id);
  const QSignalBlocker block(w);
  if (w->toolTip() != hint) w->setToolTip(hint);

  if (spec.kind == ControlKind::Page) {
    auto* tabs = static_cast<QTabWidget*>(widget(spec.parent));
    const int index = tabs->indexOf(w);
    tabs->setTabText(index, text);
    tabs->setTabToolTip(index, hint);
    tabs->setTabEnabled(index, c.enabled);
    tabs->setTabVisible(index, c.visible);
    return;
  }

  if (spec.kind == ControlKind::ToolButton) {
    // The tool bar shows its buttons through their actions.
    action(id)->setEnabled(c.enabled);
    action(id)->setVisible(c.visible);
  } else if (w->isEnabled() != c.enabled || !w->testAttribute(Qt::WA_WState_ExplicitShowHide) ||
             w->isHidden() == c.visible) {
    w->setEnabled(c.enabled);
    w->setVisible(c.visible);
  }

  switch (spec.kind) {
    case ControlKind::Label: {
      auto* label = static_cast<QLabel*>(w);
      if (label->text() != text) label->setText(text);
      // Designed colours (bold red captions, ...) stay; the sheet's colour
      // rules the labels it names.
      if (!(layout::control_style(id) & (st::Red | st::Blue | st::Green)))
        set_text_colour(label, QColor(static_cast<QRgb>(c.color)));
      break;
    }
    case ControlKind::NumberField: {
      auto* spin = static_cast<QSpinBox*>(w);
      if (spin->minimum() != c.min || spin->maximum() != c.max) spin->setRange(c.min, c.max);
      const int value = calc_.sheet.value(id);
      if (spin->value() != value) spin->setValue(value);
      break;
    }
    case ControlKind::TextBox: {
      auto* edit = static_cast<QLineEdit*>(w);
      if (edit->text() != text) edit->setText(text);
      break;
    }
    case ControlKind::Memo: {
      auto* memo = static_cast<QPlainTextEdit*>(w);
      const QString shown = memo_text(c.text);
      if (memo->toPlainText() != shown) memo->setPlainText(shown);
      break;
    }
    case ControlKind::DropDown: {
      auto* combo = static_cast<QComboBox*>(w);
      QStringList rows;
      rows.reserve(static_cast<qsizetype>(c.rows.size()));
      for (const std::string& r : c.rows) rows << qs(r);
      QStringList shown;
      for (int r = 0; r < combo->count(); ++r) shown << combo->itemText(r);
      if (shown != rows) {
        combo->clear();
        for (qsizetype r = 0; r < rows.size(); ++r) {
          if (is_weapon_kind_list(id) && r < 8)
            combo->addItem(icon_of(art::weapon_kind_icon(static_cast<int>(r))), rows[r]);
          else
            combo->addItem(rows[r]);
        }
      }
      if (c.row < 0) combo->setPlaceholderText(text);
      if (combo->currentIndex() != c.row) combo->setCurrentIndex(c.row);
      break;
    }
    case ControlKind::CheckBox: {
      auto* check = static_cast<QCheckBox*>(w);
      if (check->text() != text) check->setText(text);
      if (check->isChecked() != c.checked) check->setChecked(c.checked);
      break;
    }
    case ControlKind::Picture:
      apply_picture(id);
      break;
    case ControlKind::Group:
      if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (group->title() != text) group->setTitle(text);
      }
      break;
    case ControlKind::Button:
      static_cast<QPushButton*>(w)->setText(text);
      break;
    case ControlKind::ToolButton:
    case ControlKind::PageSet:
    case ControlKind::Page:
    case ControlKind::MenuItem:
      break;
  }
}

void MainWindow::apply_picture(Ctl id) {
  auto* box = static_cast<PictureBox*>(widget(id));
  const std::string& file = calc_.sheet[id].picture;
  if (file.empty()) {
    box->set_image(QImage());
    return;
  }
  if (const auto drawn = drawn_picture(file)) {
    box->set_image(art::icon(*drawn));
    return;
  }
  QImageReader reader(qs(resolve_image(calc_.state.app_dir, file)));
  QImage image = reader.read();  // a picture that fails to load shows nothing
  if (!image.isNull() && QString::fromStdString(file).endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
    image = art::keyed(image);
  box->set_image(image);
}

// --- user actions --------------------------------------------------------------

void MainWindow::after_user_action() { refresh(); }

void MainWindow::perform(Ctl id) {
  if (auto window = window_of_command(id)) {
    show_window(*window);
    return;
  }
  switch (id) {
    case C::MainMenu_file_exit:
    case C::Button1:
      close();
      return;
    case C::MainMenu_file_save:
      file_saveClick(calc_, id);
      after_user_action();
      return;
    case C::MainMenu_help_help:
      return;
    default:
      break;
  }
  const ControlKind kind = control_spec(id).kind;
  if (kind == ControlKind::ToolButton) {
    perform(layout::tool_button_command(id));
    return;
  }
  calc_.user_click(id);
  after_user_action();
}

void MainWindow::leave_box(Ctl id) {
  auto* edit = static_cast<QLineEdit*>(widget(id));
  const std::uint32_t before = calc_.sheet.revision(id);
  calc_.user_leave(id);
  const bool put_back = calc_.sheet.revision(id) != before;
  after_user_action();
  if (put_back) {
    // The check put "0" back: the box keeps the focus.
    QTimer::singleShot(0, edit, [edit] { edit->setFocus(Qt::OtherFocusReason); });
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (may_close_ && !may_close_()) {
    event->ignore();
    return;
  }
  for (QWidget* w : windows_)
    if (w) w->close();
  event->accept();
}

void MainWindow::show_hint_of(QWidget* w) {
  while (w && w != this && !w->property(kControlProperty).toBool()) w = w->parentWidget();
  const QString hint = (w && w != this) ? w->toolTip() : QString();
  panel0_->setText(hint);
}

// The tooltips the core computes on hover: the breakdown of a result label,
// the deltas of a row of an item list.
bool MainWindow::show_core_tooltip(QWidget* w, QHelpEvent* help) {
  const QVariant list = w->property(kDeltaListProperty);
  if (list.isValid()) {
    auto* view = qobject_cast<QAbstractItemView*>(w->parentWidget());
    const QModelIndex index = view ? view->indexAt(help->pos()) : QModelIndex();
    if (!index.isValid()) return false;
    DeltaProbe probe(calc_);
    const auto changes = probe.changes(select_row_action(static_cast<Ctl>(list.toInt()), index.row()));
    if (!changes) return false;
    QToolTip::showText(help->globalPos(), qs(delta_text(*changes, calc_.format())), w);
    return true;
  }
  const auto id = control_by_name(w->objectName().toStdString());
  if (!id || breakdown_names_of(*id).empty()) return false;
  QToolTip::showText(help->globalPos(), qs(label_breakdown_text(calc_, *id)), w);
  return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return QMainWindow::eventFilter(watched, event);
  auto* w = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::ToolTip:
      if (show_core_tooltip(w, static_cast<QHelpEvent*>(event))) return true;
      break;
    case QEvent::Enter:
      show_hint_of(w);
      break;
    case QEvent::Leave:
      show_hint_of(w->parentWidget());
      break;
    case QEvent::FocusOut: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      const QVariant name = w->property(kControlProperty);
      if (!qobject_cast<QLineEdit*>(w) || !name.toBool()) break;
      if (auto id = control_by_name(w->objectName().toStdString());
          id && (control_spec(*id).flags & (cflag::IntCheck | cflag::RealCheck)))
        leave_box(*id);
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

// --- status bar, secondary windows, checks ------------------------------------

QString MainWindow::status_text(int panel) const { return panel == 0 ? panel0_->text() : panel1_->text(); }

void MainWindow::create_secondary_windows() {
  if (windows_created_) return;
  windows_created_ = true;
  for (WindowId window : all_secondary_windows())
    windows_[static_cast<std::size_t>(window)] = create_secondary_window(window, calc_, this);
  follow_main_window_class(calc_, windows_, this);
}

QWidget* MainWindow::secondary_window(WindowId window) const {
  return windows_[static_cast<std::size_t>(window)];
}

void MainWindow::show_window(WindowId window) {
  create_secondary_windows();
  QWidget* w = secondary_window(window);
  if (!w->isVisible()) {
    // Centred over the desktop the first time, where the user left it after.
    if (!w->property("brennick_placed").toBool()) {
      if (const QScreen* s = screen()) w->move(s->availableGeometry().center() - w->rect().center());
      w->setProperty("brennick_placed", true);
    }
    w->show();
  }
  w->raise();
  w->activateWindow();
}

QStringList MainWindow::clipped_captions() const {
  QStringList clipped;
  for (QWidget* w : central_->findChildren<QWidget*>()) {
    if (w->isHidden() && !w->property(kControlProperty).isValid()) continue;
    if (w->parentWidget() && w->parentWidget()->layout()) continue;  // sized by a layout
    const QFontMetrics fm(w->font());
    int need = 0, have = w->width();
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->text().isEmpty() || !label->pixmap().isNull()) continue;
      if (label->wordWrap()) {
        const QRect r = fm.boundingRect(QRect(0, 0, label->contentsRect().width(), 10000),
                                        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, label->text());
        need = r.height();
        have = label->contentsRect().height();
      } else {
        need = fm.horizontalAdvance(label->text());
        have = label->contentsRect().width();
      }
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
      need = check->sizeHint().width();
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      need = fm.horizontalAdvance(button->text()) + 8;
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      need = fm.horizontalAdvance(group->title()) + 16;
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      const QTabBar* bar = tabs->tabBar();
      const QFontMetrics tab_fm(bar->font());
      const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
      need = 4;
      for (int t = 0; t < bar->count(); ++t)
        if (bar->isTabVisible(t)) need += tab_fm.horizontalAdvance(bar->tabText(t)) + space + 2;
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      if (combo->currentIndex() >= 0) continue;
      need = fm.horizontalAdvance(combo->placeholderText()) + 24;
    } else {
      continue;
    }
    if (need > have) clipped << QStringLiteral("%1 (%2 > %3)").arg(w->objectName()).arg(need).arg(have);
  }
  return clipped;
}

}  // namespace brennick
