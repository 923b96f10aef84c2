// The session: the document a user edits. One build on the sheet with the
// planner that calculates it, the undo history of the user's changes, the
// build's file and its modified mark, and the recent-files list.
//
// Every command a window gives is a function of the session: the main
// window shows the sheet and forwards what the user does, the command-line
// tool replays the same commands (eval's --set, --click, --undo, --redo),
// and the soak test drives one session beside the window and compares.
//
// Each change of the user is one step of the undo history (when the session
// keeps one): a change of a box, list or switch, a click, a load, a paste.
// Typing into one box is one step until the box is left.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pipeline/planner.h"
#include "pipeline/undo_history.h"
#include "pipeline/user_action.h"

namespace brennick {

// Where the recent-files list is kept between runs (the program's
// settings; nothing for the command-line tool and most tests).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::vector<std::string> recent_files() const = 0;
  virtual void store_recent_files(const std::vector<std::string>& files) = 0;
};

// The message after "Copy Build Code": "Build code copied (N characters)".
std::string build_code_copied_text(const std::string& code);

// The build code of a build file, as "Copy Build Code" gives it once the
// file is loaded. A file that does not exist is an empty build; one that
// exists but cannot be read throws (naming the file's problem).
std::string build_code_of_file(const std::string& path);

class Session {
 public:
  struct Options {
    SettingsStore* settings = nullptr;  // null: the recent files live as long as the session
    bool keep_history = true;           // false: no undo step is kept (undo and redo do nothing)
  };
  Session(NumberFormat format, Calculator::Services services, Options options);
  Session(NumberFormat format, Calculator::Services services) : Session(format, services, Options{}) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The planner, for the start-up steps and for what reads the sheet
  // (breakdowns, deltas, the windows' models).
  Planner& planner() { return planner_; }
  const Planner& planner() const { return planner_; }
  const Sheet& sheet() const { return planner_.sheet; }
  const NumberFormat& format() const { return planner_.format(); }

  // The sheet as the window shows it after start-up: the start pictures,
  // "OK" in the status bar, the item lists; `app_dir` holds images/.
  void start(const std::string& app_dir);

  // --- the user's changes --------------------------------------------------
  // Typing or pasting into a text box or a number field (a value of its
  // arrows too): the keystrokes into one box are one step until it is left.
  void set_text(Ctl id, const std::string& text);
  void select_row(Ctl id, int row);  // a drop-down list; a class shows its hint in panel 0
  void set_checked(Ctl id, bool checked);
  // The user leaves a box: its check runs. True when the check put "0"
  // back (the window gives the box the focus again).
  bool leave(Ctl id);
  // The box typed into lost the focus without a check (a number field, a
  // box without one): what was typed is one step from here on.
  void end_typing() { history_.end_typing(); }
  // A click on a picture, a button or a menu item of the sheet: "Load
  // Character" and "Save Character" as load() and save().
  void click(Ctl id);
  // An item of the right-click menu opened on `page`; false when it does
  // not exist or is disabled.
  bool click_menu_item(const std::string& item, std::optional<Ctl> page);

  // A change or click given by name (pipeline/user_action.h), as one
  // step; false when a right-click menu item does not exist or is disabled.
  bool apply(const UserAction& action);

  // --- files and codes -----------------------------------------------------
  // "Load Character" through the open dialog; the file loaded joins the
  // recent files and the build counts as unmodified.
  void load();
  // "Save Character" through the save dialog (which proposes the current
  // file); the same on success. True when saved.
  bool save();
  // A build of the recent-files list, loaded as "Load Character" would.
  // False (nothing loaded) when the file is gone or the index is not listed.
  bool load_recent(std::size_t index);
  bool load_file(const std::string& path);
  // "Paste Build Code" of `code`; true when it loaded (Planner::user_paste_build_code).
  bool paste_build_code(std::string_view code);
  // "Copy Build Code": the code of the sheet; panel 1 says it was copied.
  std::string copy_build_code();
  // The close question: asks to save a changed build first; true when the
  // program may end.
  bool may_close();

  // --- Edit ----------------------------------------------------------------
  bool undo();
  bool redo();
  bool can_undo() const { return history_.can_undo(); }
  bool can_redo() const { return history_.can_redo(); }
  std::size_t undo_count() const { return history_.undo_count(); }
  std::size_t redo_count() const { return history_.redo_count(); }

  // --- the document --------------------------------------------------------
  bool modified() const { return history_.modified(); }
  // The absolute path of the build last loaded or saved ("" for none).
  const std::string& current_file() const { return current_file_; }
  // Newest first, each once, at most kRecentFileCount.
  const std::vector<std::string>& recent_files() const { return recent_; }
  // The window's title: "knight.brk * — Brennick v0.2.1 beta"; the
  // caption alone before the first file and change.
  std::string title() const;

 private:
  template <class Action>
  void step(Action&& action, std::optional<Ctl> typing = std::nullopt);
  void remember_file(const std::string& path);

  Planner planner_;
  UndoHistory history_;
  Options options_;
  std::string current_file_;
  std::vector<std::string> recent_;
};

}  // namespace brennick
