// Message boxes and file dialogs of the window program. Every message box
// and file dialog the program shows goes through the Dialogs interface, so
// tests can answer them with a scripted implementation instead.
#pragma once

#include <functional>

#include <QPointer>
#include <QString>
#include <QWidget>

#include "engine/services.h"

namespace brennick {

class QtDialogs : public Dialogs {
 public:
  // `parent` centres the boxes over a window (may be null or set later).
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  // The name the save dialog starts with: the current build's file name.
  void set_save_name(const QString& name) { save_name_ = name; }
  void suggest_save_name(const std::string& file) override { save_name_ = QString::fromStdString(file); }

  void set_parent(QWidget* parent) { parent_ = parent; }
  // The folder of the builds: the open dialog always starts there, the save
  // dialog until the user has saved a build elsewhere.
  void set_initial_folder(const QString& folder) {
    initial_folder_ = [folder] { return folder; };
  }
  // The same, found when a dialog first needs it (an installed program makes
  // its documents folder then, not at start-up).
  void set_initial_folder(std::function<QString()> folder) { initial_folder_ = std::move(folder); }

  void information(const std::string& text) override;
  Answer error_ok(const std::string& text) override;
  Answer warning_yes_no_abort(const std::string& text) override;
  Answer question_yes_no(const std::string& text) override;
  std::optional<std::string> open_file(const std::string& title, const std::string& filter) override;
  std::optional<std::string> save_file(const std::string& title, const std::string& filter,
                                       const std::string& default_extension) override;

  // "label|pattern|label|pattern" (the core's filter rows) as a Qt name
  // filter list; a row whose label is its pattern shows the pattern alone.
  static QString qt_filter(const std::string& filter);

 private:
  QString save_name_;
  QPointer<QWidget> parent_;
  QString initial_folder() const { return initial_folder_ ? initial_folder_() : QString(); }

  std::function<QString()> initial_folder_;
  QString save_folder_;
};

}  // namespace brennick
