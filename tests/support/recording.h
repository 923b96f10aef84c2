// The test doubles of the services the core asks for: dialogs that record
// what they were asked (and answer questions as a test says), an error
// log that keeps its lines, and settings in memory. Every test uses these; none defines its own.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/services.h"
#include "pipeline/session.h"

namespace brennick::test_support {

// Records every message box in order ("information: ...", "error: ...",
// "question: ..."), the information texts also on their own. Errors are
// answered OK; a question is answered by `on_question` (No without one).
// The file dialogs are cancelled.
class RecordingDialogs : public SilentDialogs {
 public:
  std::vector<std::string> said;      // every box, in order, with its kind
  std::vector<std::string> messages;  // the information boxes' texts
  std::function<Answer(const std::string&)> on_question;

  void information(const std::string& text) override {
    said.push_back("information: " + text);
    messages.push_back(text);
  }
  Answer error_ok(const std::string& text) override {
    said.push_back("error: " + text);
    return Answer::Ok;
  }
  Answer question_yes_no(const std::string& text) override {
    said.push_back("question: " + text);
    return on_question ? on_question(text) : Answer::No;
  }
};

// Answers every dialog from a script and records what each was asked: the
// errors with `error_answer`, the warnings (Yes, No, Abort) with the next
// of `warning_answers` (Abort when none is left), the file dialogs with the
// next of their answers (cancelled when none is left).
class ScriptedDialogs : public Dialogs {
 public:
  explicit ScriptedDialogs(Answer error_answer = Answer::Ok) : error_answer(error_answer) {}

  void information(const std::string& text) override { informations.push_back(text); }
  Answer error_ok(const std::string& text) override {
    errors.push_back(text);
    return error_answer;
  }
  Answer warning_yes_no_abort(const std::string& text) override {
    warnings.push_back(text);
    if (warning_answers.empty()) return Answer::Abort;
    const Answer a = warning_answers.front();
    warning_answers.pop_front();
    return a;
  }
  std::optional<std::string> open_file(const std::string&, const std::string& filter) override {
    open_filters.push_back(filter);
    return next(open_answers);
  }
  std::optional<std::string> save_file(const std::string&, const std::string& filter,
                                       const std::string& default_extension) override {
    save_filters.push_back(filter);
    save_extensions.push_back(default_extension);
    return next(save_answers);
  }

  Answer error_answer;
  std::deque<Answer> warning_answers;
  std::deque<std::optional<std::string>> open_answers, save_answers;
  std::vector<std::string> informations, errors, warnings, open_filters, save_filters, save_extensions;

 private:
  static std::optional<std::string> next(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty()) return std::nullopt;
    auto v = answers.front();
    answers.pop_front();
    return v;
  }
};

// One line of the error log: message, owner, detail.
struct LogLine {
  std::string message, owner, detail;
  bool operator==(const LogLine&) const = default;
  // "message|owner|detail".
  std::string joined() const { return message + "|" + owner + "|" + detail; }
};

class RecordingLog : public ErrorLog {
 public:
  std::vector<LogLine> lines;
  void write_error_log(const std::string& m, const std::string& o, const std::string& d) override {
    lines.push_back({m, o, d});
  }
};

// The program's settings in memory: the recent files as last stored, and
// how often they were stored.
class MemorySettings : public SettingsStore {
 public:
  std::vector<std::string> files;
  int stores = 0;
  std::vector<std::string> recent_files() const override { return files; }
  void store_recent_files(const std::vector<std::string>& list) override {
    files = list;
    ++stores;
  }
};

}  // namespace brennick::test_support
