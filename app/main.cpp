// Brennick: the character planner's window program.
#include <QApplication>

#include "app/startup_app.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  brennick::Application app = brennick::start_program();
  if (app.terminate) return 1;
  app.window->show();
  return QApplication::exec();
}
