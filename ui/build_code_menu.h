// The build-code commands of the main window: Export -> "Copy Build Code"
// puts the code of the sheet on the clipboard, File -> "Paste Build Code"
// loads the code the clipboard holds (the session's commands). They are
// commands of the window alone, not controls of the sheet: their actions
// carry the objectNames `MainMenu_export_copy_code` and
// `MainMenu_file_paste_code` and the property "window_command", which keeps
// their menu usable when the sheet shows it disabled.
#pragma once

namespace brennick {

class MainWindow;

// Adds the two commands to the window's Export and File menus.
void add_build_code_commands(MainWindow& window);

// The commands themselves, as the menu items run them.
void copy_build_code(MainWindow& window);
void paste_build_code(MainWindow& window);

}  // namespace brennick
