// The error log file: one line per reported error, appended at the end.
// The file only grows: a line is never written by rewriting the file, so an
// unreadable or damaged log keeps every earlier line.
#pragma once

#include <optional>
#include <string>

namespace brennick {

// "[" date "] [" time "] Error: " message " | Owner: " owner " | Detail: " detail
std::string error_log_line(const std::string& date, const std::string& time, const std::string& message,
                           const std::string& owner, const std::string& detail);

// Appends the line and a line end to the file (created when missing).
// Nothing on success, else the reason.
std::optional<std::string> append_error_log_line(const std::string& path, const std::string& line);

// The message shown when the line could not be written.
std::string error_log_write_failure(const std::string& line);

}  // namespace brennick
