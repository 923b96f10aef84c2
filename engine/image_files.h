// Where the picture files are. Picture names are given as the program's
// tables write them; the files are found without regard to letter case.
#pragma once

#include <string>

namespace brennick {

// app_dir + "/images/" + name, with the name's letter case as found on disk
// (the name as given when no file matches).
std::string resolve_image(const std::string& app_dir, const std::string& name);

// True when the file (or a file differing only in letter case) exists.
bool image_exists(const std::string& app_dir, const std::string& name);

// Finds `name` inside `folder` without regard to letter case; empty when absent.
std::string find_file_nocase(const std::string& folder, const std::string& name);

}  // namespace brennick
