#include "ui/app_settings.h"

#include <QSettings>

namespace brennick {
namespace {

constexpr char kRecentFiles[] = "recent_files";
constexpr char kZoom[] = "zoom";

#define BRENNICK_SETTINGS(s) QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Brennick", "Brennick")

}  // namespace

QStringList stored_recent_files() {
  BRENNICK_SETTINGS(s);
  return s.value(kRecentFiles).toStringList();
}

void store_recent_files(const QStringList& files) {
  BRENNICK_SETTINGS(s);
  s.setValue(kRecentFiles, files);
}

std::vector<std::string> QtSettingsStore::recent_files() const {
  std::vector<std::string> files;
  for (const QString& f : stored_recent_files()) files.push_back(f.toStdString());
  return files;
}

void QtSettingsStore::store_recent_files(const std::vector<std::string>& files) {
  QStringList list;
  for (const std::string& f : files) list << QString::fromStdString(f);
  brennick::store_recent_files(list);
}

int stored_zoom() {
  BRENNICK_SETTINGS(s);
  return s.value(kZoom, 100).toInt();
}

void store_zoom(int percent) {
  BRENNICK_SETTINGS(s);
  if (s.value(kZoom, 100).toInt() != percent) s.setValue(kZoom, percent);
}

}  // namespace brennick
