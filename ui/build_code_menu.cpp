#include "ui/build_code_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

#include "buildfile/build_code.h"
#include "pipeline/planner.h"
#include "ui/main_window.h"

namespace brennick {
namespace {

QAction* add_command(MainWindow& window, Ctl menu_item, const char* name, const char* text, const char* hint) {
  QMenu* menu = window.action(menu_item)->menu();
  auto* a = new QAction(QString::fromUtf8(text), menu);
  a->setObjectName(QString::fromUtf8(name));
  a->setToolTip(QString::fromUtf8(hint));
  a->setStatusTip(QString::fromUtf8(hint));
  a->setProperty("window_command", true);
  // After the sheet's own items of the menu, before Exit in the File menu.
  QAction* before = nullptr;
  if (menu_item == Ctl::MainMenu_file) before = window.action(Ctl::MainMenu_file_exit);
  menu->insertAction(before, a);
  window.action(menu_item)->setEnabled(true);
  return a;
}

}  // namespace

void add_build_code_commands(MainWindow& window) {
  QAction* copy = add_command(window, Ctl::MainMenu_view, "MainMenu_export_copy_code", "Copy Build Code",
                              "Put the code of this Character on the clipboard");
  QObject::connect(copy, &QAction::triggered, &window, [&window] { copy_build_code(window); });
  QAction* paste = add_command(window, Ctl::MainMenu_file, "MainMenu_file_paste_code", "Paste Build Code",
                               "Load the Character of the build code on the clipboard");
  QObject::connect(paste, &QAction::triggered, &window, [&window] { paste_build_code(window); });
}

void copy_build_code(MainWindow& window) {
  Planner& calc = window.calculator();
  const std::string code = build_code_of_sheet(calc);
  QGuiApplication::clipboard()->setText(QString::fromStdString(code));
  // In panel 1, where messages stay until the next change (panel 0 follows
  // the pointer's hints).
  calc.sheet.status_panel1 = build_code_copied_text(code);
  window.refresh();
}

std::string build_code_copied_text(const std::string& code) {
  return "Build code copied (" + std::to_string(code.size()) + " characters)";
}

void paste_build_code(MainWindow& window) {
  // A paste is one step of the undo history, like a load.
  const std::string code = QGuiApplication::clipboard()->text().toStdString();
  window.user_action(
      [&] { window.calculator().user_paste_build_code(code); });
}

}  // namespace brennick
