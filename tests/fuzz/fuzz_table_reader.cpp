// Fuzz target of the reader of the player's corrected item tables: the first
// byte picks the table, the rest is the file. Any bytes are accepted or
// refused with a TableError that names the file; nothing else escapes. An
// accepted file builds a whole catalogue, and stays accepted with CR LF
// line ends.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "data/embedded_tables.h"
#include "data/item_tables.h"
#include "data/table_overrides.h"
#include "data/table_reader.h"

namespace {

void check(bool ok, int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "%s:%d: check failed\n", __FILE__, line);
  std::abort();
}

bool accepted(std::string_view stem, std::string_view text) {
  try {
    brennick::check_table_override(stem, text, "fuzz.tsv");
    return true;
  } catch (const brennick::TableError& e) {
    check(std::string_view(e.what()).substr(0, 8) == "fuzz.tsv");
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > brennick::kTableFileMaxBytes) return 0;
  const std::string_view stem = brennick::kItemTableFiles[data[0] % brennick::kItemTableFiles.size()];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (!accepted(stem, text)) return 0;
  const brennick::ItemCatalog catalog = brennick::load_item_catalog([&](std::string_view s) {
    return s == stem ? std::optional<std::string_view>(text) : brennick::embedded_table(s);
  });
  (void)catalog;
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  check(accepted(stem, crlf));
  return 0;
}
