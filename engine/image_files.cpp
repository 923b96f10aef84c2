#include "engine/image_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace brennick {
namespace fs = std::filesystem;

namespace {
bool same_nocase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}
}  // namespace

std::string find_file_nocase(const std::string& folder, const std::string& name) {
  std::error_code ec;
  const fs::path exact = fs::path(folder) / name;
  if (fs::exists(exact, ec)) return exact.string();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (same_nocase(it->path().filename().string(), name)) return it->path().string();
  }
  return {};
}

std::string resolve_image(const std::string& app_dir, const std::string& name) {
  const std::string folder = (fs::path(app_dir) / "images").string();
  std::string found = find_file_nocase(folder, name);
  return found.empty() ? (fs::path(folder) / name).string() : found;
}

bool image_exists(const std::string& app_dir, const std::string& name) {
  return !find_file_nocase((fs::path(app_dir) / "images").string(), name).empty();
}

}  // namespace brennick
