#include "pipeline/session.h"

#include <filesystem>
#include <system_error>

#include "buildfile/build_code.h"
#include "buildfile/build_file.h"
#include "buildfile/close_app.h"
#include "engine/startup.h"
#include "pipeline/menu_items.h"
#include "pipeline/recent_files.h"

namespace brennick {
namespace {

// Passes every question on, remembering the file a file dialog chose.
class RememberingDialogs : public ForwardingDialogs {
 public:
  using ForwardingDialogs::ForwardingDialogs;
  std::optional<std::string> open_file(const std::string& title, const std::string& filter) override {
    chosen = ForwardingDialogs::open_file(title, filter);
    return chosen;
  }
  std::optional<std::string> save_file(const std::string& title, const std::string& filter,
                                       const std::string& extension) override {
    chosen = ForwardingDialogs::save_file(title, filter, extension);
    return chosen;
  }
  std::optional<std::string> chosen;
};

// The path made absolute and clean ("a/../b.brk" -> "/home/p/b.brk"),
// without following links: the name the recent files and the title show.
std::string absolute_path(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return (error ? std::filesystem::path(path) : full).lexically_normal().string();
}

bool file_exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace

std::string build_code_copied_text(const std::string& code) {
  return "Build code copied (" + std::to_string(code.size()) + " characters)";
}

std::string build_code_of_file(const std::string& path) { return build_code_of(load_ini_file(path)); }

Session::Session(NumberFormat format, Calculator::Services services, Options options)
    : planner_(format, services), options_(options) {
  if (options_.settings) recent_ = options_.settings->recent_files();
}

void Session::start(const std::string& app_dir) {
  planner_.state.app_dir = app_dir;
  start_sheet(planner_);
}

template <class Action>
void Session::step(Action&& action, std::optional<Ctl> typing) {
  if (options_.keep_history) {
    history_.record(planner_, action, typing);
  } else {
    action();
  }
}

void Session::set_text(Ctl id, const std::string& text) {
  step([&] { planner_.user_set_text(id, text); }, id);
}

void Session::select_row(Ctl id, int row) {
  step([&] { planner_.user_select_row(id, row); });
}

void Session::set_checked(Ctl id, bool checked) {
  step([&] { planner_.user_set_checked(id, checked); });
}

bool Session::leave(Ctl id) {
  const std::uint32_t before = planner_.sheet.revision(id);
  step([&] { planner_.user_leave(id); }, id);
  history_.end_typing();
  return planner_.sheet.revision(id) != before;
}

void Session::click(Ctl id) {
  if (id == Ctl::MainMenu_file_load) return load();
  if (id == Ctl::MainMenu_file_save) {
    (void)save();
    return;
  }
  step([&] { planner_.user_click(id); });
}

bool Session::click_menu_item(const std::string& item, std::optional<Ctl> page) {
  bool done = false;
  step([&] { done = brennick::click_menu_item(planner_, item, page); });
  return done;
}

bool Session::apply(const UserAction& action) {
  bool applied = false;
  step([&] { applied = apply_user_action(planner_, action); });
  return applied;
}

void Session::load() {
  planner_.dialogs().suggest_save_name(current_file_);
  RememberingDialogs remembering(planner_.dialogs());
  {
    ScopedDialogs swap(planner_, remembering);
    step([&] { planner_.user_click(Ctl::MainMenu_file_load); });
  }
  if (remembering.chosen && planner_.sheet.status_panel1 == "OK") {
    remember_file(with_build_extension(*remembering.chosen));
    history_.mark_saved();
  }
}

bool Session::save() {
  planner_.dialogs().suggest_save_name(current_file_);
  RememberingDialogs remembering(planner_.dialogs());
  bool saved = false;
  {
    ScopedDialogs swap(planner_, remembering);
    saved = file_saveClick(planner_, Ctl::MainMenu_file_save) == SaveOutcome::Saved;
  }
  if (saved && remembering.chosen) {
    remember_file(with_build_extension(*remembering.chosen));
    history_.mark_saved();
  }
  return saved;
}

bool Session::load_recent(std::size_t index) {
  return index < recent_.size() && load_file(std::string(recent_[index]));
}

bool Session::load_file(const std::string& path) {
  if (!file_exists(path)) return false;
  step([&] { planner_.user_load_file(path); });
  if (planner_.sheet.status_panel1 != "OK") return false;
  remember_file(path);
  history_.mark_saved();
  return true;
}

bool Session::paste_build_code(std::string_view code) {
  bool loaded = false;
  step([&] { loaded = planner_.user_paste_build_code(code); });
  return loaded;
}

std::string Session::copy_build_code() {
  std::string code = build_code_of_sheet(planner_);
  // In panel 1, where messages stay until the next change (panel 0
  // follows the pointer's hints).
  planner_.sheet.status_panel1 = build_code_copied_text(code);
  return code;
}

bool Session::may_close() { return oncloserunthis(planner_); }

bool Session::undo() { return options_.keep_history && history_.undo(planner_); }

bool Session::redo() { return options_.keep_history && history_.redo(planner_); }

std::string Session::title() const {
  const std::string& caption = planner_.sheet.text(Ctl::MainForm);
  if (current_file_.empty() && !modified()) return caption;
  const std::string name =
      current_file_.empty() ? std::string("Unsaved build") : std::filesystem::path(current_file_).filename().string();
  return name + (modified() ? " *" : "") + " \u2014 " + caption;
}

void Session::remember_file(const std::string& path) {
  current_file_ = absolute_path(path);
  recent_ = with_recent_file(std::move(recent_), current_file_);
  if (options_.settings) options_.settings->store_recent_files(recent_);
}

}  // namespace brennick
