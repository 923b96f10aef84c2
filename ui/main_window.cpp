#include "ui/main_window.h"
#include "ui/accessible_names.h"

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
#include <limits>

#include "assets/art.h"
#include "pipeline/breakdown.h"
#include "pipeline/item_delta.h"
#include "pipeline/session.h"
#include "engine/image_files.h"
#include "ui/build_code_menu.h"
#include "ui/main_window_layout.h"
#include "ui/picture_box.h"
#include "ui/popup_menus.h"
#include "ui/app_settings.h"
#include "ui/lazy_window.h"
#include "ui/zoom.h"

namespace brennick {
namespace {

using C = Ctl;
namespace st = layout::style;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString qs(const std::string& s) { return QString::fromStdString(s); }

constexpr char kDeltaListProperty[] = "brennick_delta_list";  // the item list a popup view shows
constexpr char kControlProperty[] = "brennick_control";  // widgets that carry a hint (or none)

QKeySequence shortcut_of(Ctl id) {
  switch (id) {
    case C::MainMenu_file_load: return QKeySequence(Qt::CTRL | Qt::Key_L);
    case C::MainMenu_file_save: return QKeySequence(Qt::CTRL | Qt::Key_S);
    case C::MainMenu_file_reset: return QKeySequence(Qt::CTRL | Qt::Key_R);
    case C::MainMenu_help_help: return QKeySequence(Qt::Key_F1);
    case C::MainMenu_file_exit: return QKeySequence(Qt::CTRL | Qt::Key_Q);
    default: return {};
  }
}

// Icons of the tool bar and of the menu items that share a command: the
// windows' from their table, the files' here.
std::optional<art::Icon> command_icon(Ctl menu_item) {
  if (menu_item == C::MainMenu_file_load) return art::Icon::Open;
  if (menu_item == C::MainMenu_file_save) return art::Icon::Save;
  if (auto window = window_of_command(menu_item)) return window_info(*window).icon;
  return std::nullopt;
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
    if (metric == PM_TabBarTabHSpace) return style_zoomed(10);
    // The rest as every other widget has them, zoom included.
    return QApplication::style()->pixelMetric(metric, option, widget);
  }
};

bool is_weapon_kind_list(Ctl id) { return id == C::Select_weapon || id == C::Select_weapon_2; }

QIcon icon_of(art::Icon id) { return drawn_icon(id); }

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

// A menu that holds commands of the window alone (ui/build_code_menu.h)
// stays usable whatever the sheet says of it.
bool holds_window_commands(const QAction* a) {
  if (!a->menu()) return false;
  for (const QAction* item : a->menu()->actions())
    if (item->property("window_command").toBool()) return true;
  return false;
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

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QMainWindow(parent), session_(session), calc_(session.planner()), shown_revisions_(kControlCount, 0) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowIcon(icon_of(art::Icon::Application));
  // The font comes first, so that the controls are made with it rather than
  // each told of it afterwards.
  const QList<QFont> fonts = font_candidates();
  setFont(fonts.front());
  build();
  new PopupMenuView(*this);  // the right-click menus of the pages
  build_comforts();
  add_build_code_commands(*this);
  refresh_all();  // the texts the captions are measured with
  choose_font(fonts);
  fit_report_boxes();
  fit_to_screen();
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  // The zoom chosen last time, once the window has its designed sizes.
  if (const int stored = valid_zoom(stored_zoom()); stored != 100) set_zoom(stored);
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
  // The client area scrolls where the screen is smaller than the window.
  auto* scroll = new FitScrollArea(central_, this);
  scroll->setObjectName(QStringLiteral("MainForm_scroll"));
  setCentralWidget(scroll);
  widgets_[static_cast<std::size_t>(C::MainForm)] = this;
  for (Ctl id : all_controls())
    if (id != C::MainForm) build_control(id);
  build_captions();
  build_status_bar();
  // The buttons Qt adds when the tool bar or the menu bar runs out of room.
  for (QWidget* more : findChildren<QWidget*>(QStringLiteral("qt_toolbar_ext_button")))
    more->setAccessibleName(QStringLiteral("More tool bar buttons"));
  for (QWidget* more : findChildren<QWidget*>(QStringLiteral("qt_menubar_ext_button")))
    more->setAccessibleName(QStringLiteral("More menus"));

  // Hints in status-bar panel 0 while the pointer rests on a control.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

// --- one binder per control kind ---------------------------------------------
//
// Each kind has a builder, which makes the control's widget (or, for menu
// items, its action) and connects the user's edits to the planner, and a
// view, which shows the control's state in that widget with its signals
// blocked, touching only what differs.

struct MainWindow::Binders {
  using Build = QWidget* (*)(MainWindow& w, Ctl id, QWidget* parent);
  using Show = void (*)(MainWindow& w, Ctl id, QWidget* widget, const Control& c);
  struct Binder {
    Build build;
    Show show;
    bool widget_state;  // the view also shows enabled and visible on the widget
  };

  static QWidget* build_menu_item(MainWindow& w, Ctl id, QWidget*) {
    const ControlSpec& spec = control_spec(id);
    const std::size_t i = static_cast<std::size_t>(id);
    const QString name = qs(spec.name);
    if (spec.parent == C::MainForm) {
      QMenu* menu = w.menuBar()->addMenu(qs(spec.text));
      menu->setObjectName(name);
      menu->menuAction()->setObjectName(name);
      w.menus_[i] = menu;
      w.actions_[i] = menu->menuAction();
    } else {
      QMenu* menu = w.menus_[static_cast<std::size_t>(spec.parent)];
      QAction* a = menu->addAction(qs(spec.text));
      a->setObjectName(name);
      a->setShortcut(shortcut_of(id));
      // Ctrl+Q quits from every window that does not block the others.
      if (id == C::MainMenu_file_exit) a->setShortcutContext(Qt::ApplicationShortcut);
      if (auto icon = command_icon(id)) a->setIcon(icon_of(*icon));
      connect(a, &QAction::triggered, &w, [&w, id] { w.perform(id); });
      w.actions_[i] = a;
      if (layout::separator_after(id)) menu->addSeparator();
    }
    connect(w.actions_[i], &QAction::hovered, &w, [&w, id] { w.panel0_->setText(qs(w.calc_.sheet[id].hint)); });
    return nullptr;  // a menu item has an action, not a widget
  }
  static void show_menu_item(MainWindow& w, Ctl id, QWidget*, const Control& c) {
    QAction* a = w.action(id);
    const QSignalBlocker block(a);
    a->setText(qs(c.text));
    a->setToolTip(qs(c.hint));
    a->setEnabled(c.enabled || holds_window_commands(a));
    a->setVisible(c.visible);
  }

  static QWidget* build_tool_button(MainWindow& w, Ctl id, QWidget*) {
    auto* bar = static_cast<QToolBar*>(w.widget(control_spec(id).parent));
    auto* b = new QToolButton(bar);
    b->setAutoRaise(true);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const Ctl command = layout::tool_button_command(id);
    if (auto icon = command_icon(command)) b->setIcon(icon_of(*icon));
    b->setIconSize(QSize(16, 16));
    connect(b, &QToolButton::clicked, &w, [&w, command] { w.perform(command); });
    w.actions_[static_cast<std::size_t>(id)] = bar->addWidget(b);
    if (layout::separator_after(id)) bar->addSeparator();
    return b;
  }
  // The tool bar shows its buttons through their actions.
  static void show_tool_button(MainWindow& w, Ctl id, QWidget*, const Control& c) {
    w.action(id)->setEnabled(c.enabled);
    w.action(id)->setVisible(c.visible);
  }

  static QWidget* build_group(MainWindow&, Ctl id, QWidget* parent) {
    if (id != C::ToolBar1) return new QGroupBox(parent);
    auto* bar = new QToolBar(parent);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    return bar;
  }
  static void show_group(MainWindow&, Ctl, QWidget* widget, const Control& c) {
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      const QString text = qs(c.text);
      if (group->title() != text) group->setTitle(text);
    }
  }

  static QWidget* build_page_set(MainWindow& w, Ctl, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setUsesScrollButtons(false);
    tabs->tabBar()->setExpanding(false);
    if (!w.tab_style_) {
      w.tab_style_ = new CompactTabs;
      w.tab_style_->setParent(&w);
    }
    tabs->tabBar()->setStyle(w.tab_style_);
    return tabs;
  }

  static QWidget* build_page(MainWindow& w, Ctl id, QWidget*) {
    const ControlSpec& spec = control_spec(id);
    auto* tabs = static_cast<QTabWidget*>(w.widget(spec.parent));
    auto* page = new QWidget;
    page->setObjectName(qs(spec.name));
    tabs->addTab(page, qs(spec.text));
    return page;
  }
  static void show_page(MainWindow& w, Ctl id, QWidget* widget, const Control& c) {
    auto* tabs = static_cast<QTabWidget*>(w.widget(control_spec(id).parent));
    const int index = tabs->indexOf(widget);
    tabs->setTabText(index, qs(c.text));
    tabs->setTabToolTip(index, qs(c.hint));
    tabs->setTabEnabled(index, c.enabled);
    tabs->setTabVisible(index, c.visible);
  }

  static QWidget* build_label(MainWindow& w, Ctl id, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    apply_style(label, layout::control_style(id));
    if (id == C::lbl_forceorb) {
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    if (id == C::lbl_filename) {
      // The tool bar's label sits beside its caption after the buttons.
      auto* bar = static_cast<QToolBar*>(w.widget(control_spec(id).parent));
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
    return label;
  }
  static void show_label(MainWindow&, Ctl id, QWidget* widget, const Control& c) {
    auto* label = static_cast<QLabel*>(widget);
    const QString text = qs(c.text);
    if (label->text() != text) label->setText(text);
    // Designed colours (bold red captions, ...) stay; the sheet's colour
    // rules the labels it names.
    if (!(layout::control_style(id) & (st::Red | st::Blue | st::Green)))
      set_text_colour(label, QColor(static_cast<QRgb>(c.color)));
  }

  static QWidget* build_number_field(MainWindow& w, Ctl id, QWidget* parent) {
    const ControlSpec& spec = control_spec(id);
    auto* spin = new QSpinBox(parent);
    spin->setRange(spec.min, spec.max);
    spin->setKeyboardTracking(true);
    connect(spin, &QSpinBox::valueChanged, &w, [&w, id](int value) {
      w.act([&](Session& s) { s.set_text(id, int_text(value)); });
    });
    return spin;
  }
  static void show_number_field(MainWindow& w, Ctl id, QWidget* widget, const Control& c) {
    auto* spin = static_cast<QSpinBox*>(widget);
    if (spin->minimum() != c.min || spin->maximum() != c.max) spin->setRange(c.min, c.max);
    const int value = w.calc_.sheet.value(id);
    if (spin->value() != value) spin->setValue(value);
  }

  static QWidget* build_text_box(MainWindow& w, Ctl id, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    connect(edit, &QLineEdit::textEdited, &w, [&w, id](const QString& text) {
      w.act([&](Session& s) { s.set_text(id, text.toStdString()); });
    });
    return edit;
  }
  static void show_text_box(MainWindow&, Ctl, QWidget* widget, const Control& c) {
    auto* edit = static_cast<QLineEdit*>(widget);
    const QString text = qs(c.text);
    if (edit->text() != text) edit->setText(text);
  }

  static QWidget* build_memo(MainWindow&, Ctl, QWidget* parent) {
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
    return memo;
  }
  static void show_memo(MainWindow&, Ctl, QWidget* widget, const Control& c) {
    auto* memo = static_cast<QPlainTextEdit*>(widget);
    const QString shown = memo_text(c.text);
    if (memo->toPlainText() != shown) memo->setPlainText(shown);
  }

  static QWidget* build_drop_down(MainWindow& w, Ctl id, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    combo->setMaxVisibleItems(qMax(10, static_cast<int>(w.calc_.sheet[id].rows.size())));
    if (is_weapon_kind_list(id)) combo->setIconSize(QSize(16, 16));
    if (is_item_list(id)) {
      // Hovering a row shows what choosing it would change.
      combo->view()->viewport()->setProperty(kDeltaListProperty, static_cast<int>(id));
      combo->view()->viewport()->installEventFilter(&w);
    }
    connect(combo, &QComboBox::activated, &w, [&w, id](int row) {
      w.act([&](Session& s) { s.select_row(id, row); });
      // The class's hint shows even where the pointer left another one.
      if (id == C::Select_class) w.panel0_->setText(qs(w.calc_.sheet.status_panel0));
    });
    return combo;
  }
  static void show_drop_down(MainWindow&, Ctl id, QWidget* widget, const Control& c) {
    auto* combo = static_cast<QComboBox*>(widget);
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(c.rows.size()));
    for (const std::string& r : c.rows) rows << qs(r);
    QStringList shown;
    for (int r = 0; r < combo->count(); ++r) shown << combo->itemText(r);
    if (shown != rows) {
      combo->clear();
      for (qsizetype r = 0; r < rows.size(); ++r) {
        if (is_weapon_kind_list(id) && r < kWeaponKindCount)
          combo->addItem(icon_of(art::weapon_kind_icon(static_cast<int>(r))), rows[r]);
        else
          combo->addItem(rows[r]);
      }
      // The popup is as wide as its longest row.
      const QFontMetrics fm(combo->font());
      int widest = 0;
      for (const QString& r : rows) widest = qMax(widest, fm.horizontalAdvance(r));
      if (is_weapon_kind_list(id)) widest += combo->iconSize().width() + 4;
      const int frame = 2 * combo->view()->frameWidth() + 12;
      const int scroll = combo->view()->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
      combo->view()->setMinimumWidth(widest + frame + scroll);
    }
    if (c.row < 0) combo->setPlaceholderText(qs(c.text));
    if (combo->currentIndex() != c.row) combo->setCurrentIndex(c.row);
  }

  static QWidget* build_check_box(MainWindow& w, Ctl id, QWidget* parent) {
    auto* check = new QCheckBox(parent);
    connect(check, &QCheckBox::clicked, &w, [&w, id](bool checked) {
      w.act([&](Session& s) { s.set_checked(id, checked); });
    });
    return check;
  }
  static void show_check_box(MainWindow&, Ctl, QWidget* widget, const Control& c) {
    auto* check = static_cast<QCheckBox*>(widget);
    const QString text = qs(c.text);
    if (check->text() != text) check->setText(text);
    if (check->isChecked() != c.checked) check->setChecked(c.checked);
  }

  static QWidget* build_picture(MainWindow& w, Ctl id, QWidget* parent) {
    auto* picture = new PictureBox(parent);
    if (layout::clickable_picture(id)) {
      picture->set_clickable(true);
      connect(picture, &PictureBox::clicked, &w, [&w, id] { w.perform(id); });
    }
    return picture;
  }
  static void show_picture(MainWindow& w, Ctl id, QWidget*, const Control&) { w.apply_picture(id); }

  static QWidget* build_button(MainWindow& w, Ctl id, QWidget* parent) {
    auto* button = new QPushButton(parent);
    connect(button, &QPushButton::clicked, &w, [&w, id] { w.perform(id); });
    return button;
  }
  static void show_button(MainWindow&, Ctl, QWidget* widget, const Control& c) {
    static_cast<QPushButton*>(widget)->setText(qs(c.text));
  }

  static void show_nothing(MainWindow&, Ctl, QWidget*, const Control&) {}

  // In the order of ControlKind.
  static constexpr Binder kBinders[] = {
      {&build_label, &show_label, true},               // Label
      {&build_number_field, &show_number_field, true},  // NumberField
      {&build_text_box, &show_text_box, true},          // TextBox
      {&build_memo, &show_memo, true},                  // Memo
      {&build_drop_down, &show_drop_down, true},        // DropDown
      {&build_check_box, &show_check_box, true},        // CheckBox
      {&build_picture, &show_picture, true},            // Picture
      {&build_group, &show_group, true},                // Group
      {&build_page, &show_page, false},                 // Page
      {&build_page_set, &show_nothing, true},           // PageSet
      {&build_button, &show_button, true},              // Button
      {&build_menu_item, &show_menu_item, false},       // MenuItem
      {&build_tool_button, &show_tool_button, false},   // ToolButton
  };
  static_assert(std::size(kBinders) == static_cast<std::size_t>(ControlKind::ToolButton) + 1);

  static const Binder& of(Ctl id) { return kBinders[static_cast<std::size_t>(control_spec(id).kind)]; }
};

void MainWindow::build_control(Ctl id) {
  const ControlSpec& spec = control_spec(id);
  QWidget* w = Binders::of(id).build(*this, id, container(spec.parent));
  if (!w) return;
  w->setObjectName(qs(spec.name));
  w->setProperty(kControlProperty, true);
  if (is_interactive(id)) w->setAccessibleName(qs(accessible_name(id)));
  if (auto r = layout::place(id)) w->setGeometry(*r);
  widgets_[static_cast<std::size_t>(id)] = w;
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
QList<QFont> MainWindow::font_candidates() {
  const QStringList families = QFontDatabase::families();
  if (families.contains(QStringLiteral("Tahoma"))) return {QFont(QStringLiteral("Tahoma"), 8)};
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
  QList<QFont> fonts;
  for (int px = 11; px >= 8; --px) {
    f.setPixelSize(px);
    fonts << f;
  }
  return fonts;
}

void MainWindow::choose_font(const QList<QFont>& candidates) {
  for (qsizetype i = 1; i < candidates.size() && !clipped(1).isEmpty(); ++i) setFont(candidates[i]);
}

// A skill report has up to seven lines; its box is 106 pixels high. The
// report boxes take the window's font, a pixel smaller where seven lines
// would not fit.
void MainWindow::fit_report_boxes() {
  constexpr int kReportLines = 7;
  for (int i = 0; i < kSlotCount; ++i) {
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
    fit_status_panels();
  }
}

void MainWindow::apply(Ctl id) {
  const Control& c = calc_.sheet[id];
  if (id == C::MainForm) {
    setWindowTitle(window_title());
    return;
  }
  const Binders::Binder& binder = Binders::of(id);
  QWidget* w = widget(id);
  if (!w) {  // menu items
    binder.show(*this, id, nullptr, c);
    return;
  }
  const QSignalBlocker block(w);
  const QString hint = qs(c.hint);
  if (w->toolTip() != hint) w->setToolTip(hint);
  if (binder.widget_state && (w->isEnabled() != c.enabled || !w->testAttribute(Qt::WA_WState_ExplicitShowHide) ||
                              w->isHidden() == c.visible)) {
    w->setEnabled(c.enabled);
    w->setVisible(c.visible);
  }
  binder.show(*this, id, w, c);
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

void MainWindow::after_user_action() {
  refresh();
  update_comforts();
}

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
  act([id](Session& s) { s.click(id); });
}

void MainWindow::leave_box(Ctl id) {
  auto* edit = static_cast<QLineEdit*>(widget(id));
  bool put_back = false;
  act([&](Session& s) { put_back = s.leave(id); });
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
    case QEvent::ShortcutOverride: {
      // Undo and redo are the build's wherever the focus is: a box's own
      // text undo does not take their keys.
      const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
      for (QAction* a : {undo_, redo_})
        if (a && a->shortcuts().contains(pressed)) {
          event->ignore();
          return true;
        }
      break;
    }
    case QEvent::Enter:
      show_hint_of(w);
      break;
    case QEvent::Leave:
      show_hint_of(w->parentWidget());
      break;
    case QEvent::FocusOut: {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      // What was typed into the box is one step from here on.
      if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)) session_.end_typing();
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

QString MainWindow::status_text(int panel) const {
  return panel == 0 ? panel0_->text() : QString::fromStdString(shown_panel1_);
}

// Panel 1 holds "OK" or the last message, which must be readable: when it
// is longer than the panel, panel 0 (the hints) gives up room, down to a
// quarter of the bar; a message longer than that is shortened in the
// middle, whole in the panel's tooltip.
void MainWindow::fit_status_panels() {
  const QString text = QString::fromStdString(shown_panel1_);
  const double f = zoom_ / 100.0;
  const int bar = static_cast<int>(std::lround(layout::kClientWidth * f));
  const int designed0 = static_cast<int>(std::lround(layout::kStatusPanel0Width * f));
  const QFontMetrics metrics(panel1_->font());
  const int chrome = 2 * panel1_->frameWidth() + 2 * panel1_->margin() + metrics.averageCharWidth() + 8;
  const int need = metrics.horizontalAdvance(text) + chrome;
  const int width0 = std::clamp(bar - need, bar / 4, designed0);
  if (panel0_->width() != width0 || panel0_->minimumWidth() != width0) panel0_->setFixedWidth(width0);
  const int room = bar - width0 - chrome;
  const QString shown = metrics.horizontalAdvance(text) <= room ? text : metrics.elidedText(text, Qt::ElideMiddle, room);
  if (panel1_->text() != shown) panel1_->setText(shown);
  panel1_->setToolTip(text);
}

void MainWindow::create_secondary_windows() {
  if (windows_created_) return;
  windows_created_ = true;
  for (WindowId window : all_secondary_windows())
    windows_[static_cast<std::size_t>(window)] = create_secondary_window(window, calc_, this);
  follow_main_window_class(calc_, windows_, this);
  if (zoom_ != 100) {
    // Started at a stored zoom: the windows are made at the designed size
    // first, then zoomed like the main window.
    set_style_zoom(100);
    finish_window_layouts();
    set_style_zoom(zoom_);
    for (QWidget* w : windows_)
      if (w) apply_zoom(w, zoom_);
  }
}

void MainWindow::fit_to_screen() {
  if (QLayout* l = layout()) {
    // The hint of the sizes in force, not of the last zoom.
    if (QWidget* client = centralWidget()) client->updateGeometry();
    l->invalidate();
    keep_on_screen(this, l->totalSizeHint());
    // Laid out at once, shown or not: the client area has its size now.
    l->invalidate();
    l->activate();
  }
}

void MainWindow::finish_window_layouts() {
  remember_built_sizes(this);
  for (QWidget* w : windows_)
    if (w) remember_built_sizes(w);
}

QWidget* MainWindow::secondary_window(WindowId window) const {
  QWidget* w = windows_[static_cast<std::size_t>(window)];
  if (auto* lazy = dynamic_cast<LazyWindow*>(w)) lazy->ensure_built();
  return w;
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

QStringList MainWindow::clipped_captions() const { return clipped(std::numeric_limits<int>::max()); }

QStringList MainWindow::clipped(int most) const {
  QStringList clipped;
  // Last made first: the fixed captions, the tightest texts, end a look for
  // the first clipped one soonest.
  const QList<QWidget*> widgets = central_->findChildren<QWidget*>();
  for (auto it = widgets.crbegin(); it != widgets.crend() && clipped.size() < most; ++it) {
    QWidget* w = *it;
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
