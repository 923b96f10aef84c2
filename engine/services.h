// What the core asks of the world around it: message boxes and file
// dialogs, the error log, and the windows that follow the chosen class.
// The window program implements these with Qt; tests and the command-line
// tool answer them without a person.
#pragma once

#include <optional>
#include <string>

#include "data/vocabulary.h"

namespace brennick {

enum class Answer { Ok, Yes, No, Abort, Cancel, Closed };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Information message box with OK.
  virtual void information(const std::string& text) = 0;
  // Error message box with an OK button; Ok, or Closed when dismissed otherwise.
  virtual Answer error_ok(const std::string& text) = 0;
  // Warning with Yes, No and Abort; Closed counts as Abort.
  virtual Answer warning_yes_no_abort(const std::string& text) = 0;
  // A question with Yes and No before something that cannot be undone; No
  // is the default button, and closing the box answers No. Dialogs that
  // cannot ask a person (headless use) never agree.
  virtual Answer question_yes_no(const std::string&) { return Answer::No; }
  // Open-file dialog; nothing when cancelled.
  virtual std::optional<std::string> open_file(const std::string& title, const std::string& filter) = 0;
  // Save-file dialog with a default extension (the dialog asks before
  // overwriting); nothing when cancelled.
  virtual std::optional<std::string> save_file(const std::string& title, const std::string& filter,
                                               const std::string& default_extension) = 0;
  // The file the next save dialog proposes (the build's current file; ""
  // for none). Dialogs without a person ignore it.
  virtual void suggest_save_name(const std::string&) {}
};

// Passes every question on to other dialogs: a command that answers one
// question itself overrides that one alone.
class ForwardingDialogs : public Dialogs {
 public:
  explicit ForwardingDialogs(Dialogs& to) : to_(to) {}
  void information(const std::string& text) override { to_.information(text); }
  Answer error_ok(const std::string& text) override { return to_.error_ok(text); }
  Answer warning_yes_no_abort(const std::string& text) override { return to_.warning_yes_no_abort(text); }
  Answer question_yes_no(const std::string& text) override { return to_.question_yes_no(text); }
  std::optional<std::string> open_file(const std::string& title, const std::string& filter) override {
    return to_.open_file(title, filter);
  }
  std::optional<std::string> save_file(const std::string& title, const std::string& filter,
                                       const std::string& default_extension) override {
    return to_.save_file(title, filter, default_extension);
  }
  void suggest_save_name(const std::string& file) override { to_.suggest_save_name(file); }

 private:
  Dialogs& to_;
};

class ErrorLog {
 public:
  virtual ~ErrorLog() = default;
  // Appends one line: "[" date "] [" time "] Error: " message " | Owner: " owner " | Detail: " detail.
  virtual void write_error_log(const std::string& message, const std::string& owner,
                               const std::string& detail) = 0;
};

// Windows that are told the chosen class (item browsers, skill window).
class ClassListener {
 public:
  virtual ~ClassListener() = default;
  virtual void set_class(WindowId window, int row) = 0;
};

// Answers nothing and records nothing: for headless use.
class SilentDialogs : public Dialogs {
 public:
  void information(const std::string&) override {}
  Answer error_ok(const std::string&) override { return Answer::Ok; }
  Answer warning_yes_no_abort(const std::string&) override { return Answer::No; }
  std::optional<std::string> open_file(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> save_file(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

}  // namespace brennick
