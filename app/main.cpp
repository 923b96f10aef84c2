// Brennick: the character planner's window program.
//
//   brennick [--data DIR] [BUILD.brk]
#include <QApplication>
#include <QCommandLineParser>

#include "app/startup_app.h"
#include "base/version.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationVersion(QString::fromUtf8(brennick::program_version().data(),
                                                        static_cast<int>(brennick::program_version().size())));
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("The character planner"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption data(QStringLiteral("data"),
                                QStringLiteral("A folder of corrected item tables (also the BRENNICK_DATA variable)."),
                                QStringLiteral("DIR"));
  parser.addOption(data);
  parser.addPositionalArgument(QStringLiteral("build"), QStringLiteral("A build file (.brk) to open."),
                               QStringLiteral("[BUILD.brk]"));
  parser.process(qapp);  // --help, --version and a wrong option end here, with their text

  brennick::StartOptions options;
  options.data_dir = parser.value(data).toStdString();
  if (!parser.positionalArguments().isEmpty()) options.build_file = parser.positionalArguments().constFirst().toStdString();
  brennick::Application app = brennick::start_program(options);
  if (app.terminate) return 1;
  app.window->show();
  return QApplication::exec();
}
