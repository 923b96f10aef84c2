#include "ui/build_code_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

#include "pipeline/session.h"
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
  window.act([](Session& s) { QGuiApplication::clipboard()->setText(QString::fromStdString(s.copy_build_code())); });
}

void paste_build_code(MainWindow& window) {
  // A paste is one step of the undo history, like a load.
  const std::string code = QGuiApplication::clipboard()->text().toStdString();
  window.act([&](Session& s) { s.paste_build_code(code); });
}

}  // namespace brennick
