// The dialogs brennick-cli answers.
#pragma once

#include <optional>
#include <string>

#include "pipeline/planner.h"
#include "pipeline/user_action.h"

namespace brennick {

// Answers the file dialogs of the planner with the build file named on the
// command line; every other question is answered "No".
class CliDialogs : public SilentDialogs {
 public:
  explicit CliDialogs(std::optional<std::string> build) : build_(std::move(build)) {}
  std::optional<std::string> open_file(const std::string&, const std::string&) override { return build_; }

 private:
  std::optional<std::string> build_;
};

}  // namespace brennick
