#include "engine/error_log_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace brennick {

std::string error_log_line(const std::string& date, const std::string& time, const std::string& message,
                           const std::string& owner, const std::string& detail) {
  return "[" + date + "] [" + time + "] Error: " + message + " | Owner: " + owner + " | Detail: " + detail;
}

std::optional<std::string> append_error_log_line(const std::string& path, const std::string& line) {
  std::string text;
  text.reserve(line.size() + 1);
  for (char c : line) text.push_back(c == '\n' || c == '\r' ? ' ' : c);  // one error, one line
  text.push_back('\n');
  // O_APPEND: every write lands at the end of the file, whatever else it holds.
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return std::string(std::strerror(errno));
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string reason = std::strerror(errno);
      ::close(fd);
      return reason;
    }
    done += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) return std::string(std::strerror(errno));
  return std::nullopt;
}

std::string error_log_write_failure(const std::string& line) {
  return "Brennick was not able to write the error log! the Error was:\r\n\r\n" + line;
}

}  // namespace brennick
