// The test doubles of the services the core asks for: dialogs that record
// what they were asked (and answer questions as a test says), and an error
// log that keeps its lines. Every test uses these; none defines its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/services.h"

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

}  // namespace brennick::test_support
