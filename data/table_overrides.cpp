#include "data/table_overrides.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <filesystem>
#include <optional>

#include "base/safe_file.h"
#include "data/embedded_tables.h"
#include "data/item_tables.h"
#include "data/table_reader.h"

namespace brennick {

namespace fs = std::filesystem;

namespace {

std::string file_name(std::string_view stem) { return std::string(stem) + ".tsv"; }

bool is_item_table(std::string_view stem) {
  return std::find(kItemTableFiles.begin(), kItemTableFiles.end(), stem) != kItemTableFiles.end();
}

std::vector<std::string_view> header_fields(std::string_view text) {
  std::vector<std::string_view> fields;
  const std::string_view line = text.substr(0, text.find_first_of("\r\n"));
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

// A cell the table's reader accepted as a number (from_chars: the same
// whatever the locale).
double number(const std::string& cell) {
  double v = 0.0;
  std::from_chars(cell.data(), cell.data() + cell.size(), v);
  return v;
}

// Every NAME_lo column with a NAME_hi column holds lo <= hi. The cells are
// numbers already: the table's own reader accepted them.
void check_ranges(std::string_view stem, std::string_view text) {
  const std::vector<std::string_view> header = header_fields(*embedded_table(stem));
  const TableText table = read_table_text(stem, text, header, std::nullopt);
  for (std::size_t lo = 0; lo < header.size(); ++lo) {
    const std::string_view name = header[lo];
    if (name.size() < 3 || name.substr(name.size() - 3) != "_lo") continue;
    const std::string hi_name = std::string(name.substr(0, name.size() - 3)) + "_hi";
    const auto hi = std::find(header.begin(), header.end(), hi_name);
    if (hi == header.end()) continue;
    const std::size_t h = static_cast<std::size_t>(hi - header.begin());
    for (const TableRow& row : table.rows) {
      const double a = number(row.cells[lo]);
      const double b = number(row.cells[h]);
      if (a > b)
        throw_table_error(stem, row.line,
                          "field " + std::string(name) + ": \"" + row.cells[lo] + "\" is above field " + hi_name +
                              ": \"" + row.cells[h] + "\"");
    }
  }
}

// The reader's messages name the built-in file; a correction's name its path.
[[noreturn]] void rethrow_for(const TableError& e, std::string_view stem, const std::string& path) {
  const std::string built_in = "data/tables/" + file_name(stem);
  std::string what = e.what();
  if (what.compare(0, built_in.size(), built_in) == 0) what = path + what.substr(built_in.size());
  throw TableError(what);
}

struct Candidate {
  std::string path;
  std::string text;
  std::string refusal;  // why it cannot be used; empty when read
};

Candidate read_candidate(const fs::path& path) {
  Candidate c{path.string(), {}, {}};
  const FileReadResult r = read_file(path, kTableFileMaxBytes);
  if (r.ok()) c.text = r.bytes;
  else c.refusal = c.path + ": " + r.error;
  return c;
}

std::vector<fs::path> files_in(const std::string& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) files.push_back(it->path());
  std::sort(files.begin(), files.end());
  return files;
}

TableOverrides& overrides_in_use() {
  static TableOverrides o = [] {
    TableOverrides none;
    for (std::string_view stem : kItemTableFiles) none.sources[file_name(stem)] = std::string(kBuiltInSource);
    return none;
  }();
  return o;
}

std::atomic<bool> g_catalog_built{false};

}  // namespace

void check_table_override(std::string_view stem, std::string_view text, const std::string& path) {
  if (!is_item_table(stem)) throw TableError(path + ": not a table that can be corrected");
  try {
    (void)load_item_catalog([&](std::string_view s) -> std::optional<std::string_view> {
      if (s == stem) return text;
      return embedded_table(s);
    });
    check_ranges(stem, text);
  } catch (const TableError& e) {
    rethrow_for(e, stem, path);
  }
}

TableOverrides read_table_overrides(const std::vector<std::string>& folders) {
  std::map<std::string, Candidate> chosen;  // by stem: the last folder's file
  for (const std::string& folder : folders)
    for (const fs::path& path : files_in(folder)) {
      const std::string stem = path.stem().string();
      if (path.extension() != ".tsv" || !is_item_table(stem)) continue;
      chosen[stem] = read_candidate(path);
    }
  TableOverrides out;
  for (std::string_view stem : kItemTableFiles) out.sources[file_name(stem)] = std::string(kBuiltInSource);
  for (auto& [stem, c] : chosen) {
    if (c.refusal.empty()) {
      try {
        check_table_override(stem, c.text, c.path);
      } catch (const TableError& e) {
        c.refusal = e.what();
      }
    }
    if (!c.refusal.empty()) {
      out.refusals.push_back(c.refusal + " (the built-in table is used)");
      continue;
    }
    out.sources[file_name(stem)] = c.path;
    out.texts[stem] = std::move(c.text);
  }
  return out;
}

std::vector<std::string> check_table_folder(const std::string& folder) {
  std::vector<std::string> faults;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return {folder + ": not a folder"};
  for (const fs::path& path : files_in(folder)) {
    const std::string name = path.filename().string();
    const std::string stem = path.stem().string();
    if (path.extension() != ".tsv" || !is_item_table(stem)) {
      faults.push_back(name + ": not a table file (the tables are " + file_name(kItemTableFiles.front()) + " ... " +
                       file_name(kItemTableFiles.back()) + ")");
      continue;
    }
    const Candidate c = read_candidate(path);
    if (!c.refusal.empty()) {
      faults.push_back(name + c.refusal.substr(c.path.size()));
      continue;
    }
    try {
      check_table_override(stem, c.text, name);
    } catch (const TableError& e) {
      faults.push_back(e.what());
    }
  }
  return faults;
}

bool use_table_overrides(TableOverrides overrides) {
  if (g_catalog_built.load()) return false;
  overrides_in_use() = std::move(overrides);
  return true;
}

const TableOverrides& table_overrides() { return overrides_in_use(); }

namespace detail {

std::optional<std::string_view> catalog_table_text(std::string_view stem) {
  g_catalog_built = true;
  const auto& texts = overrides_in_use().texts;
  if (auto it = texts.find(std::string(stem)); it != texts.end()) return it->second;
  return embedded_table(stem);
}

}  // namespace detail

}  // namespace brennick
