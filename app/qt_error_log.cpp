#include "app/qt_error_log.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

#include "engine/error_log_file.h"

namespace brennick {

std::string long_time_text(const QLocale& locale, const QTime& time) {
  // The zone is the format's "t" letters (outside quotes); drop them and the
  // space before them.
  const QString format = locale.timeFormat(QLocale::LongFormat);
  QString without;
  bool quoted = false;
  for (QChar ch : format) {
    if (ch == QLatin1Char('\'')) quoted = !quoted;
    if (!quoted && ch == QLatin1Char('t')) continue;
    without += ch;
  }
  return locale.toString(time, without.trimmed()).toStdString();
}

std::string QtErrorLog::path() const {
  return QDir(QString::fromStdString(log_dir_)).filePath("error.log").toStdString();
}

void QtErrorLog::write_error_log(const std::string& message, const std::string& owner, const std::string& detail) {
  const QLocale locale = QLocale::system();
  const QDateTime now = QDateTime::currentDateTime();
  const std::string line = error_log_line(locale.toString(now.date(), QLocale::ShortFormat).toStdString(),
                                          long_time_text(locale, now.time()),
                                          message, owner, detail);
  // An installed program's state folder is made on the first error.
  QDir().mkpath(QString::fromStdString(log_dir_));
  if (append_error_log_line(path(), line)) dialogs_.information(error_log_write_failure(line));
}

}  // namespace brennick
