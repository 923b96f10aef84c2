#include "engine/image_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <mutex>
#include <system_error>
#include <unordered_map>

namespace brennick {
namespace fs = std::filesystem;

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string s) {
  for (char& c : s) c = lower(c);
  return s;
}

// The entries of one folder by their lower-case names (the first entry of
// each such name, in listing order, as a scan of the folder finds it).
using Listing = std::unordered_map<std::string, std::string>;

Listing list_folder(const std::string& folder) {
  Listing names;
  std::error_code ec;
  // An empty folder name is the working folder, as in a path made from it.
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    names.try_emplace(lowered(name), std::move(name));
  }
  return names;
}

// The last listing of each folder a name had to be looked up in without
// regard to case. A name found there is checked on disk before it is
// given out, and a name not found there lists the folder again, so files
// added, renamed or removed since are seen as a fresh scan would see them.
class Listings {
 public:
  std::string find(const std::string& folder, const std::string& name) {
    const std::string key = lowered(name);
    std::lock_guard lock(mutex_);
    auto it = folders_.find(folder);
    if (it != folders_.end()) {
      if (auto hit = it->second.find(key); hit != it->second.end()) {
        const fs::path path = fs::path(folder) / hit->second;
        std::error_code ec;
        if (fs::exists(fs::symlink_status(path, ec))) return path.string();
      }
    }
    Listing& listing = folders_[folder] = list_folder(folder);
    auto hit = listing.find(key);
    return hit == listing.end() ? std::string() : (fs::path(folder) / hit->second).string();
  }

 private:
  std::mutex mutex_;
  std::unordered_map<std::string, Listing> folders_;
};

Listings& listings() {
  static Listings cache;
  return cache;
}

}  // namespace

std::string find_file_nocase(const std::string& folder, const std::string& name) {
  std::error_code ec;
  const fs::path exact = fs::path(folder) / name;
  if (fs::exists(exact, ec)) return exact.string();
  return listings().find(folder, name);
}

std::string resolve_image(const std::string& app_dir, const std::string& name) {
  const std::string folder = (fs::path(app_dir) / "images").string();
  std::string found = find_file_nocase(folder, name);
  return found.empty() ? (fs::path(folder) / name).string() : found;
}

bool image_exists(const std::string& app_dir, const std::string& name) {
  return !find_file_nocase((fs::path(app_dir) / "images").string(), name).empty();
}

FolderIndex::FolderIndex(const std::string& folder) : folder_(folder), names_(list_folder(folder)) {}

bool FolderIndex::contains_nocase(const std::string& name) const {
  const auto hit = names_.find(lowered(name));
  if (hit == names_.end()) return false;
  const std::string path = (fs::path(folder_.empty() ? "." : folder_) / hit->second).string();
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

}  // namespace brennick
