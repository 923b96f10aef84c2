// The secondary windows of the program: each exists once for the whole run,
// created at start-up in the order of this enumeration, shown by the main
// window's menu (modelessly, except the bitmap patcher and the About window,
// which are modal) and only hidden when the user closes it. Each is a
// LazyWindow (ui/lazy_window.h): start-up makes the window, named, titled
// and sized, and its contents are made when it is first needed.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "assets/art.h"
#include "data/browser_contents.h"
#include "data/vocabulary.h"
#include "engine/sheet.h"
#include "ui/lazy_window.h"

namespace brennick {

class Calculator;

struct SecondaryWindowInfo {
  const char* object_name;  // FrmAbout, FrmSkills, FrmArmors, ...
  const char* title;
  QSize client;  // client area set at creation
  bool modal;
  Ctl command;                       // the menu item that shows it (a tool button shares it)
  std::optional<art::Icon> icon;     // the command's icon, if it has one
  std::optional<BrowserKind> browser;  // the item kind of an item browser
};
const SecondaryWindowInfo& window_info(WindowId window);

// The window a menu item shows, if it shows one.
std::optional<WindowId> window_of_command(Ctl command);
// The item browser of a kind.
WindowId window_of(BrowserKind kind);

// Every window in creation order.
const std::array<WindowId, kWindowCount>& all_secondary_windows();

// Creates one secondary window, a top-level window owned by `owner`, hidden.
// The windows that are still to be filled come up as empty named windows.
QWidget* create_secondary_window(WindowId window, Calculator& calc, QWidget* owner);

// Lets the item browsers and the skill window follow the class chosen in
// the main window (`windows` indexed by WindowId), for as long as
// `owner` lives.
void follow_main_window_class(Calculator& calc, const std::array<QWidget*, kWindowCount>& windows,
                              QObject* owner);

// The About window: modal, the program's picture on the left, its name and
// version on the right, a Close button.
class AboutWindow : public LazyWindow {
  Q_OBJECT
 public:
  AboutWindow(const std::string& app_dir, QWidget* owner);

 protected:
  void build_contents() override;

 private:
  std::string app_dir_;
};

}  // namespace brennick
