// Where the picture files are. Picture names are given as the program's
// tables write them; the files are found without regard to letter case.
#pragma once

#include <string>
#include <unordered_map>

namespace brennick {

// Picture names that are drawn by the program rather than loaded from images/.
inline const std::string kUndeadIcon = "icon:undead";
inline const std::string kOneHandIcon = "icon:one_hand";
inline const std::string kTwoHandIcon = "icon:two_hand";


// app_dir + "/images/" + name, with the name's letter case as found on disk
// (the name as given when no file matches).
std::string resolve_image(const std::string& app_dir, const std::string& name);

// True when the file (or a file differing only in letter case) exists.
bool image_exists(const std::string& app_dir, const std::string& name);

// Finds `name` inside `folder` without regard to letter case; empty when absent.
// The name as given costs one look on disk; another letter case is looked up
// in the folder's listing, which is made again whenever it no longer answers.
std::string find_file_nocase(const std::string& folder, const std::string& name);

// The names in one folder as one listing saw them: many names checked at
// once (the start-up's file check) for the price of one look at the folder.
class FolderIndex {
 public:
  explicit FolderIndex(const std::string& folder);
  // True when the folder holds `name` (or a name differing only in letter
  // case) as a file that can be read: a regular file, or a link to one. A
  // folder, a dangling link or a file without read access does not count.
  bool contains_nocase(const std::string& name) const;

 private:
  std::string folder_;
  std::unordered_map<std::string, std::string> names_;  // lower case -> as on disk
};

}  // namespace brennick
