// The error log of the window program: error.log in its log folder (the
// program's own, or the state folder of an installed one), one line per
// error, dated in the user's short date and long time format.
#pragma once

#include <string>

#include <QLocale>
#include <QTime>

#include "engine/services.h"

namespace brennick {

// The time in the locale's long format without the zone ("08:17:33", not
// "08:17:33 UTC").
std::string long_time_text(const QLocale& locale, const QTime& time);

class QtErrorLog : public ErrorLog {
 public:
  QtErrorLog(std::string log_dir, Dialogs& dialogs) : log_dir_(std::move(log_dir)), dialogs_(dialogs) {}
  void write_error_log(const std::string& message, const std::string& owner, const std::string& detail) override;
  std::string path() const;

 private:
  std::string log_dir_;
  Dialogs& dialogs_;
};

}  // namespace brennick
