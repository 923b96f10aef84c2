// The recent-files list of the File menu: the last builds loaded or saved,
// newest first, each once.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace brennick {

inline constexpr std::size_t kRecentFileCount = 8;

// `list` with `path` at the front (moved there when it was listed already),
// at most `count` entries. An empty path leaves the list as it is.
std::vector<std::string> with_recent_file(std::vector<std::string> list, const std::string& path,
                                          std::size_t count = kRecentFileCount);

}  // namespace brennick
