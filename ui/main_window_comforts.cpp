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
#include "buildfile/build_file.h"
#include "pipeline/planner.h"
#include "pipeline/recent_files.h"
#include "ui/app_settings.h"
#include "ui/main_window.h"
#include "ui/qt_dialogs.h"
#include "ui/zoom.h"

namespace brennick {
namespace {

// Passes every question on, remembering the file a file dialog chose.
class RememberingDialogs : public Dialogs {
 public:
  explicit RememberingDialogs(Dialogs& real) : real(real) {}
  void information(const std::string& text) override { real.information(text); }
  Answer error_ok(const std::string& text) override { return real.error_ok(text); }
  Answer warning_yes_no_abort(const std::string& text) override { return real.warning_yes_no_abort(text); }
  Answer question_yes_no(const std::string& text) override { return real.question_yes_no(text); }
  std::optional<std::string> open_file(const std::string& title, const std::string& filter) override {
    chosen = real.open_file(title, filter);
    return chosen;
  }
  std::optional<std::string> save_file(const std::string& title, const std::string& filter,
                                       const std::string& extension) override {
    chosen = real.save_file(title, filter, extension);
    return chosen;
  }
  Dialogs& real;
  std::optional<std::string> chosen;
};

QString absolute(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

}  // namespace

void MainWindow::build_comforts() {
  // Edit: Undo, Redo, after the File menu.
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

  // View: the zoom of every window.
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

  // The tool bar: the two buttons after Save.
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

  // File: the recent builds before Exit.
  QMenu* file = static_cast<QMenu*>(action(Ctl::MainMenu_file)->menu());
  file->setToolTipsVisible(true);
  QAction* exit = action(Ctl::MainMenu_file_exit);
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    auto* a = new QAction(file);
    a->setObjectName(QStringLiteral("recent_file_%1").arg(i + 1));
    connect(a, &QAction::triggered, this, [this, i] {
      if (i < static_cast<std::size_t>(recent_.size())) load_recent(recent_[static_cast<qsizetype>(i)]);
    });
    connect(a, &QAction::hovered, this, [this, a] { panel0_->setText(a->toolTip()); });
    file->insertAction(exit, a);
    recent_actions_.push_back(a);
  }
  recent_separator_ = file->insertSeparator(exit);
  connect(file, &QMenu::aboutToShow, this, &MainWindow::update_comforts);
  recent_ = stored_recent_files();
  update_comforts();
  for (QAction* a : zoom_actions_)
    if (a->objectName() == QStringLiteral("zoom_100")) a->setChecked(true);
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

// The program's name once, after the build's file and its modified mark:
// "knight.brk * — Brennick v0.2.1 beta". A title that ends with the
// program's name gets no second one from the window system.
QString MainWindow::window_title() const {
  const QString caption = QString::fromStdString(calc_.sheet.text(Ctl::MainForm));
  const bool modified = history_.modified();
  if (current_file_.isEmpty() && !modified) return caption;
  const QString name = current_file_.isEmpty() ? QStringLiteral("Unsaved build") : QFileInfo(current_file_).fileName();
  return name + (modified ? QStringLiteral(" *") : QString()) + QStringLiteral(" \u2014 ") + caption;
}

void MainWindow::update_comforts() {
  if (!undo_) return;
  undo_->setEnabled(history_.can_undo());
  redo_->setEnabled(history_.can_redo());
  setWindowTitle(window_title());
  for (std::size_t i = 0; i < recent_actions_.size(); ++i) {
    QAction* a = recent_actions_[i];
    const bool listed = i < static_cast<std::size_t>(recent_.size());
    a->setVisible(listed);
    if (!listed) continue;
    const QString& path = recent_[static_cast<qsizetype>(i)];
    a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace('&', "&&")));
    // A build that has gone shows greyed out, its path in the hint.
    const bool exists = QFileInfo::exists(path);
    a->setEnabled(exists);
    a->setToolTip(exists ? QDir::toNativeSeparators(path)
                         : QStringLiteral("Not found: ") + QDir::toNativeSeparators(path));
  }
  recent_separator_->setVisible(!recent_.isEmpty());
}

void MainWindow::user_action(const std::function<void()>& action, std::optional<Ctl> typing) {
  history_.record(calc_, action, typing);
  after_user_action();
}

void MainWindow::undo() {
  if (history_.undo(calc_)) after_user_action();
}

void MainWindow::redo() {
  if (history_.redo(calc_)) after_user_action();
}

void MainWindow::remember_file(const QString& path) {
  std::vector<std::string> list;
  for (const QString& f : recent_) list.push_back(f.toStdString());
  list = with_recent_file(std::move(list), absolute(path).toStdString());
  recent_.clear();
  for (const std::string& f : list) recent_ << QString::fromStdString(f);
  store_recent_files(recent_);
  current_file_ = absolute(path);
  update_comforts();
}

// Load and Save go through the dialogs as ever; the file chosen joins the
// recent files, and the build counts as unmodified from there.
void MainWindow::load_or_save(Ctl command) {
  Dialogs& real = calc_.dialogs();
  if (auto* qt = dynamic_cast<QtDialogs*>(&real)) qt->set_save_name(current_file_);
  RememberingDialogs remembering(real);
  calc_.set_dialogs(&remembering);
  bool done = false;
  if (command == Ctl::MainMenu_file_save) {
    done = file_saveClick(calc_, command) == SaveOutcome::Saved;
  } else {
    history_.record(calc_, [&] { calc_.user_click(Ctl::MainMenu_file_load); });
    done = remembering.chosen && calc_.sheet.status_panel1 == "OK";
  }
  calc_.set_dialogs(&real);
  if (done && remembering.chosen) {
    remember_file(QString::fromStdString(with_build_extension(*remembering.chosen)));
    history_.mark_saved();
  }
  after_user_action();
}

void MainWindow::load_recent(const QString& path) {
  if (!QFileInfo::exists(path)) {
    update_comforts();
    return;
  }
  history_.record(calc_, [&] { calc_.user_load_file(path.toStdString()); });
  if (calc_.sheet.status_panel1 == "OK") {
    remember_file(path);
    history_.mark_saved();
  }
  after_user_action();
}

}  // namespace brennick
