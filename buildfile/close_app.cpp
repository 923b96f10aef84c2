#include "buildfile/close_app.h"

#include "buildfile/build_file.h"

namespace brennick {

bool CloseApp(Calculator& calc, Ctl sender) {
  switch (calc.dialogs().warning_yes_no_abort(kCloseQuestion)) {
    case Answer::Yes:
      return file_saveClick(calc, sender) != SaveOutcome::Failed;
    case Answer::No:
      return true;
    default:
      return false;
  }
}

bool oncloserunthis(Calculator& calc) { return CloseApp(calc, Ctl::MainForm); }

}  // namespace brennick
