// What the program keeps between runs: the recent-files list of the File
// menu with the chosen zoom, and nothing else. It lives in the platform's standard settings place
// for user programs (QSettings, user scope, "Brennick"); tests move that
// place with QSettings::setPath.
#pragma once

#include <QStringList>

#include "pipeline/session.h"

namespace brennick {

QStringList stored_recent_files();
void store_recent_files(const QStringList& files);
int stored_zoom();  // 100 when none was stored
void store_zoom(int percent);

// The session's recent files in the program's settings.
class QtSettingsStore : public SettingsStore {
 public:
  std::vector<std::string> recent_files() const override;
  void store_recent_files(const std::vector<std::string>& files) override;
};

}  // namespace brennick
