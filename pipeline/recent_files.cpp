#include "pipeline/recent_files.h"

#include <algorithm>

namespace brennick {

std::vector<std::string> with_recent_file(std::vector<std::string> list, const std::string& path, std::size_t count) {
  std::erase(list, std::string());
  if (!path.empty()) {
    std::erase(list, path);
    list.insert(list.begin(), path);
  }
  if (list.size() > count) list.resize(count);
  return list;
}

}  // namespace brennick
