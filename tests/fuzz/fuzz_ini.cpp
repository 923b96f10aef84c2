// Fuzz target of the INI reader of build files: any bytes must parse, and a
// written document must read back to itself (writing it again gives the same
// bytes, and every section and key reads the same).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "buildfile/ini_document.h"

namespace {

// A failed check names its line before it aborts, so a crash input says
// which property it broke.
void check(bool ok, int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "%s:%d: check failed\n", __FILE__, line);
  std::abort();
}

// Writes `once` again after reading it, and compares what can be read.
void check_stable(const brennick::IniDocument& doc, const std::string& once) {
  const brennick::IniDocument again = brennick::IniDocument::parse(once);
  check(again.to_string() == once);
  check(again.sections() == doc.sections());
  for (const std::string& section : doc.sections()) {
    check(again.has_section(section));
    check(again.keys(section) == doc.keys(section));
    for (const std::string& key : doc.keys(section)) check(again.get(section, key) == doc.get(section, key));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  brennick::IniDocument doc = brennick::IniDocument::parse(bytes);
  check_stable(doc, doc.to_string());

  // Modify the document as a save does: a known key of the first section (or
  // of a new one), with a value taken from the input, then write it back.
  const std::vector<std::string> sections = doc.sections();
  const std::string section = sections.empty() ? std::string("Fuzz") : sections.front();
  const std::string_view value = bytes.substr(0, 64);
  if (brennick::IniDocument::valid_section_name(section)) {
    doc.write_string(section, "FuzzKey", value);
    const auto stored = doc.get(section, "FuzzKey");
    check(stored.has_value());
    check(stored->size() <= value.size());
    check_stable(doc, doc.to_string());
  }
  return 0;
}
