#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace brennick {
namespace {

QString title() { return QApplication::applicationDisplayName(); }

// The core separates lines with CR LF; Qt wants LF.
QString text_of(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

}  // namespace

QString QtDialogs::qt_filter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  if (parts.size() < 2) return QString::fromStdString(filter);
  QStringList rows;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& label = parts[i];
    QString pattern = parts[i + 1];
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    rows << (label == parts[i + 1] ? pattern : label + QStringLiteral(" (") + pattern + QLatin1Char(')'));
  }
  return rows.join(QStringLiteral(";;"));
}

void QtDialogs::information(const std::string& text) {
  QMessageBox::information(parent_, title(), text_of(text), QMessageBox::Ok);
}

Answer QtDialogs::error_ok(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, title(), text_of(text), QMessageBox::NoButton, parent_);
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  // Closing the box another way (Esc, the close box) is not an OK: a hidden
  // button takes the escape role so the two can be told apart.
  QPushButton* closed = box.addButton(QMessageBox::Cancel);
  closed->hide();
  box.setEscapeButton(closed);
  box.setDefaultButton(ok);
  box.exec();
  return box.clickedButton() == ok ? Answer::Ok : Answer::Closed;
}

Answer QtDialogs::warning_yes_no_abort(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, title(), text_of(text), QMessageBox::Yes | QMessageBox::No | QMessageBox::Abort,
                  parent_);
  box.setEscapeButton(QMessageBox::Abort);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Abort: return Answer::Abort;
    default: return Answer::Closed;
  }
}

Answer QtDialogs::question_yes_no(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, title(), text_of(text), QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<std::string> QtDialogs::open_file(const std::string& caption, const std::string& filter) {
  // The open dialog starts in the folder of the builds every time.
  QFileDialog dialog(parent_, QString::fromStdString(caption), initial_folder(), qt_filter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);  // the chosen file need not exist
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtDialogs::save_file(const std::string& caption, const std::string& filter,
                                                const std::string& default_extension) {
  // The save dialog starts where the last build was saved.
  QFileDialog dialog(parent_, QString::fromStdString(caption), save_folder_.isEmpty() ? initial_folder() : save_folder_,
                     qt_filter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QString suffix = QString::fromStdString(default_extension);
  if (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  if (!save_name_.isEmpty()) dialog.selectFile(QFileInfo(save_name_).fileName());
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString file = dialog.selectedFiles().constFirst();
  save_folder_ = QFileInfo(file).absolutePath();
  return file.toStdString();
}

}  // namespace brennick
