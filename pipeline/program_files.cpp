#include "pipeline/program_files.h"

#include <filesystem>

#include "base/program_places.h"
#include "data/table_overrides.h"

namespace brennick {

std::string program_files_text() {
  const ProgramPlaces& places = program_places();
  auto absolute = [](const std::filesystem::path& p) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(p, ec);
    return (ec ? p : full).lexically_normal().string();
  };
  std::string text = "Pictures: " + absolute(std::filesystem::path(places.data_dir) / "images") + "\n";
  text += "error.log: " + absolute(places.log_dir) + "\n";
  std::string corrected;
  for (const auto& [file, source] : table_overrides().sources)
    if (source != kBuiltInSource) corrected += "  " + file + ": " + source + "\n";
  text += corrected.empty() ? "Item tables: all built-in\n" : "Item tables: built-in, except\n" + corrected;
  return text;
}

}  // namespace brennick
