// The main window: the character sheet as the user sees it.
//
// The window is built from the control table (engine/controls.def): every
// control of the sheet becomes one widget whose objectName is the control's
// name, placed at its pixel rectangle (ui/main_window_layout.h). The window
// is a view of one Session (pipeline/session.h), the document: a user's
// edit goes to the session's command, and after every action refresh()
// copies what changed in the sheet back into the widgets, with their
// signals blocked. Undo, the recent files, the current file and the
// modified mark are the session's; the window shows them.
//
// Use:
//   brennick::QtDialogs dialogs;                       // or any Dialogs
//   brennick::Session session(format, {&dialogs, &log, &listener}, {&settings});
//   session.planner().state.app_dir = ...;             // before the window
//   ... start-up steps on session.planner() (pictures, lists, status "OK") ...
//   brennick::MainWindow w(session);                   // shows the sheet as it is
//   w.set_may_close([&] { return ...; });              // the close question
//   w.create_secondary_windows();                      // About .. aging simulator
//   w.show();
//
// The session must outlive the window. Every message box the window
// shows goes through the planner's dialogs.
#pragma once

#include <QFont>
#include <QList>
#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/sheet.h"
#include "ui/secondary_windows.h"

class QAction;
class QHelpEvent;
class QLabel;
class QMenu;
class QStyle;
class QTabWidget;
class QToolBar;

namespace brennick {

class Planner;
class Session;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Session& session, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Copies every control whose revision changed since the last refresh
  // into its widget (signals blocked), and the status-bar panels.
  void refresh();
  // Copies every control, changed or not.
  void refresh_all();

  // Creates the fifteen secondary windows, once, in start-up order. A menu
  // command that shows a window before this was called creates them first.
  void create_secondary_windows();
  // The window with its contents made (ui/lazy_window.h), or null before
  // create_secondary_windows().
  QWidget* secondary_window(WindowId window) const;
  // Makes the window visible and brings it to the front (modal for the
  // bitmap patcher and About, without blocking the caller).
  void show_window(WindowId window);

  // The close question: asked whenever the window is about to close (close
  // box, "Exit", the "Close" button); closing goes on only when it returns
  // true. Without a hook the window closes.
  void set_may_close(std::function<bool()> may_close) { may_close_ = std::move(may_close); }

  // Performs a command as the user's click does: a menu item, a tool
  // button (its menu item's command), the Close button, a clickable picture.
  void perform(Ctl id);

  // The widget of a control (the window itself for MainForm), its action
  // for menu items; null when the control has no such object.
  QWidget* widget(Ctl id) const { return widgets_[static_cast<std::size_t>(id)]; }
  QAction* action(Ctl id) const { return actions_[static_cast<std::size_t>(id)]; }

  // Texts of the two status-bar panels.
  QString status_text(int panel) const;
  // The window's title: the build's file and modified mark, then the
  // program's name once.
  QString window_title() const;

  // Controls and captions whose text does not fit the space the window
  // gives it with the current font (empty when everything fits).
  QStringList clipped_captions() const;

  Session& session() { return session_; }
  Planner& calculator() { return calc_; }

  // --- undo and redo, the modified mark, recent files (main_window_comforts.cpp)
  // Runs a command of the session as the user's input does, then shows
  // what it changed: window.act([&](Session& s) { s.set_text(id, "6"); }).
  void act(const std::function<void(Session&)>& command);
  void undo();
  void redo();
  // The Edit menu's and tool bar's actions: "undo", "redo"; the File menu's
  // recent files "recent_file_1" .. ("objectName"s).
  QAction* comfort_action(const QString& name) const;
  // The zoom of every window, in percent (ui/zoom.h); kept in the settings.
  int zoom() const { return zoom_; }
  void set_zoom(int percent);
  // The recent-files list as the File menu shows it (newest first).
  QStringList recent_files() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  // One builder and one view per control kind (main_window.cpp).
  struct Binders;
  void build_control(Ctl id);
  void build_captions();
  void build_status_bar();
  void fit_status_panels();
  // The window's font: the first of `font_candidates()` whose captions all
  // fit; the window already has the first when its controls are built.
  static QList<QFont> font_candidates();
  void choose_font(const QList<QFont>& candidates);
  // The first `most` captions clipped (clipped_captions: all of them).
  QStringList clipped(int most) const;
  void fit_report_boxes();
  void apply(Ctl id);
  void apply_picture(Ctl id);
  void show_hint_of(QWidget* w);
  bool show_core_tooltip(QWidget* w, QHelpEvent* help);
  void after_user_action();
  void leave_box(Ctl id);
  QWidget* container(Ctl id) const;
  void build_comforts();
  void build_edit_menu();
  void build_zoom_menu();
  void build_history_buttons();
  void build_recent_files();
  // Lays out every secondary window that waits for its first need.
  void finish_window_layouts();
  // The window at its full size, or as large as its screen allows (the
  // client area then scrolls), and on the screen.
  void fit_to_screen();
  void update_comforts();

  Session& session_;
  Planner& calc_;
  std::function<bool()> may_close_;
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<QAction*, kControlCount> actions_{};
  std::array<QMenu*, kControlCount> menus_{};
  std::vector<std::uint32_t> shown_revisions_;
  bool shown_once_ = false;
  std::array<QWidget*, kWindowCount> windows_{};
  bool windows_created_ = false;
  QWidget* central_ = nullptr;
  QStyle* tab_style_ = nullptr;
  QLabel* panel0_ = nullptr;
  QLabel* panel1_ = nullptr;
  std::string shown_panel0_, shown_panel1_;

  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* recent_separator_ = nullptr;
  std::vector<QAction*> recent_actions_;
  std::vector<QAction*> zoom_actions_;
  int zoom_ = 100;
};

}  // namespace brennick
