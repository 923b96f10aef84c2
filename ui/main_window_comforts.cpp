// The main window's desktop comforts, kept apart from the window built from
// the control table: the Edit menu and tool buttons of the undo history,
// the modified mark in the title, and the recent-files list of the File
// menu. None of these is a control of the sheet: the sheet and the
// command-line output stay as they are.
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "assets/art.h"
#include "pipeline/recent_files.h"
#include "pipeline/session.h"
#include "ui/app_settings.h"
#include "ui/main_window.h"
#include "ui/zoom.h"

namespace brennick {

void MainWindow::build_comforts() {
  build_edit_menu();
  build_zoom_menu();
  build_history_buttons();
  build_recent_files();
  update_comforts();
  for (QAction* a : zoom_actions_)
    if (a->objectName() == QStringLiteral("zoom_100")) a->setChecked(true);
}

// Edit: Undo, Redo, after the File menu.
void MainWindow::build_edit_menu() {
  auto* edit = new QMenu(QStringLiteral("Edit"), this);
  edit->setObjectName(QStringLiteral("MainMenu_edit"));
  menuBar()->insertMenu(action(Ctl::MainMenu_info), edit);
  undo_ = edit->addAction(drawn_icon(art::Icon::Undo), QStringLiteral("Undo"));
  undo_->setObjectName(QStringLiteral("undo"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  undo_->setToolTip(QStringLiteral("Undo the last change"));
  redo_ = edit->addAction(drawn_icon(art::Icon::Redo), QStringLiteral("Redo"));
  redo_->setObjectName(QStringLiteral("redo"));
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  redo_->setToolTip(QStringLiteral("Redo the change undone last"));
  for (QAction* a : {undo_, redo_}) {
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::hovered, this, [this, a] { panel0_->setText(a->toolTip()); });
  }
  connect(undo_, &QAction::triggered, this, &MainWindow::undo);
  connect(redo_, &QAction::triggered, this, &MainWindow::redo);
}

// View: the zoom of every window.
void MainWindow::build_zoom_menu() {
  auto* view = new QMenu(QStringLiteral("View"), this);
  view->setObjectName(QStringLiteral("MainMenu_zoom"));
  menuBar()->insertMenu(action(Ctl::MainMenu_info), view);
  auto* zooms = new QActionGroup(view);
  for (int percent : kZoomPercents) {
    QAction* a = view->addAction(QStringLiteral("Zoom %1 %").arg(percent));
    a->setObjectName(QStringLiteral("zoom_%1").arg(percent));
    a->setCheckable(true);
    zooms->addAction(a);
    if (percent == 100) a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(a, &QAction::triggered, this, [this, percent] { set_zoom(percent); });
    zoom_actions_.push_back(a);
  }
  view->addSeparator();
  QAction* in = view->addAction(QStringLiteral("Zoom In"));
  in->setObjectName(QStringLiteral("zoom_in"));
  in->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  connect(in, &QAction::triggered, this, [this] { set_zoom(zoom_in(zoom_)); });
  QAction* out = view->addAction(QStringLiteral("Zoom Out"));
  out->setObjectName(QStringLiteral("zoom_out"));
  out->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  connect(out, &QAction::triggered, this, [this] { set_zoom(zoom_out(zoom_)); });
  zoom_actions_.push_back(in);
  zoom_actions_.push_back(out);
}

// The tool bar: the two buttons of the history after Save.
void MainWindow::build_history_buttons() {
  auto* bar = static_cast<QToolBar*>(widget(Ctl::ToolBar1));
  QAction* before = action(Ctl::Btn_ShowSkills);
  for (QAction* a : {undo_, redo_}) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QStringLiteral("Btn_") + a->objectName());
    b->setAutoRaise(true);
    b->setDefaultAction(a);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setIconSize(QSize(16, 16));
    b->installEventFilter(this);
    bar->insertWidget(before, b);
  }
  bar->insertSeparator(before);
}

// File: the recent builds before Exit.
void MainWindow::build_recent_files() {
  QMenu* file = static_cast<QMenu*>(action(Ctl::MainMenu_file)->menu());
  file->setToolTipsVisible(true);
  QAction* exit = action(Ctl::MainMenu_file_exit);
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    auto* a = new QAction(file);
    a->setObjectName(QStringLiteral("recent_file_%1").arg(i + 1));
    connect(a, &QAction::triggered, this, [this, i] { act([i](Session& s) { s.load_recent(i); }); });
    connect(a, &QAction::hovered, this, [this, a] { panel0_->setText(a->toolTip()); });
    file->insertAction(exit, a);
    recent_actions_.push_back(a);
  }
  recent_separator_ = file->insertSeparator(exit);
  connect(file, &QMenu::aboutToShow, this, &MainWindow::update_comforts);
}

void MainWindow::set_zoom(int percent) {
  percent = valid_zoom(percent);
  for (QAction* a : zoom_actions_)
    if (a->objectName() == QStringLiteral("zoom_%1").arg(percent)) a->setChecked(true);
  if (percent != zoom_) {
    // Every window makes what it makes when first needed before the style
    // changes, so it is made at its designed size whichever zooms come.
    finish_window_layouts();
    zoom_ = percent;
    set_style_zoom(zoom_);
    apply_zoom(this, zoom_);
    fit_to_screen();
    for (QWidget* w : windows_)
      if (w) apply_zoom(w, zoom_);
    fit_status_panels();
  }
  store_zoom(zoom_);
}

QAction* MainWindow::comfort_action(const QString& name) const {
  if (undo_ && name == undo_->objectName()) return undo_;
  if (redo_ && name == redo_->objectName()) return redo_;
  for (QAction* a : recent_actions_)
    if (a->objectName() == name) return a;
  for (QAction* a : zoom_actions_)
    if (a->objectName() == name) return a;
  return nullptr;
}

QStringList MainWindow::recent_files() const {
  QStringList list;
  for (const std::string& f : session_.recent_files()) list << QString::fromStdString(f);
  return list;
}

QString MainWindow::window_title() const { return QString::fromStdString(session_.title()); }

void MainWindow::update_comforts() {
  if (!undo_) return;
  undo_->setEnabled(session_.can_undo());
  redo_->setEnabled(session_.can_redo());
  setWindowTitle(window_title());
  const std::vector<std::string>& recent = session_.recent_files();
  for (std::size_t i = 0; i < recent_actions_.size(); ++i) {
    QAction* a = recent_actions_[i];
    const bool listed = i < recent.size();
    a->setVisible(listed);
    if (!listed) continue;
    const QString path = QString::fromStdString(recent[i]);
    a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace('&', "&&")));
    // A build that has gone shows greyed out, its path in the hint.
    const bool exists = QFileInfo::exists(path);
    a->setEnabled(exists);
    a->setToolTip(exists ? QDir::toNativeSeparators(path)
                         : QStringLiteral("Not found: ") + QDir::toNativeSeparators(path));
  }
  recent_separator_->setVisible(!recent.empty());
}

void MainWindow::act(const std::function<void(Session&)>& command) {
  command(session_);
  after_user_action();
}

void MainWindow::undo() {
  if (session_.undo()) after_user_action();
}

void MainWindow::redo() {
  if (session_.redo()) after_user_action();
}

}  // namespace brennick
