// The INI document of the build files (`.brk`).
//
// A small in-memory INI text that keeps what a general-purpose settings class
// would change: the order of sections and keys, sections and keys the planner
// does not know, comments, letter case of names, and texts such as `1,5`
// verbatim.
//
// Syntax read:
// - Lines end with LF, CR LF or a lone CR. Every line is trimmed of blanks
//   (all bytes up to and including the space, so also tabs and NUL bytes);
//   a UTF-8 byte-order mark at the start of a line (editors put one at the
//   start of a file) is ignored as well.
// - Empty lines are ignored. A line beginning with `;` is a comment: it means
//   nothing, but it is kept in its place and written back.
// - A line beginning with `[` opens a section. The name is the text up to the
//   first `]` (or to the end of the line when there is none), trimmed; text
//   after the `]` is ignored and not written back.
// - A line holding `=` is a key: the name is the text before the first `=`,
//   the value everything after it, each trimmed. Further `=` and `;` belong to
//   the value (there are no comments at the end of a line). An empty value is
//   a value: the key is present and reads as "".
// - Any other line (no `=`, or an empty name before the `=`) means nothing;
//   like a comment it is kept in its place and written back.
// - Lines before the first section belong to no section: their keys cannot be
//   read, but they are kept and written back at the top.
// - Section and key names match without regard to ASCII letter case.
// - Duplicates: a section that appears several times reads as one section
//   (its parts in file order); of a key that appears several times in a
//   section the first one counts, for reading and for writing. The others are
//   kept and written back unchanged.
//
// Syntax written (`to_string`): every line trimmed as read, keys as
// `name=value`, sections as `[name]`, each line ended by CR LF, and one empty
// line after the last line of each section (and after the lines before the
// first section, if any). Empty lines of the source are not kept. So a
// written document reads back to the same document, and writing that again
// gives the same bytes.
//
// Robustness: `parse` takes any bytes (binary data, NUL bytes, invalid
// UTF-8, very long lines, millions of lines) in time linear in their length;
// it never fails. The size limit lives in `load_ini_file`.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/safe_file.h"

namespace brennick {

class IniDocument {
 public:
  // Largest file `load_ini_file` reads by default. A build file is a few
  // kilobytes; anything near this size is not a build file.
  static constexpr std::size_t default_max_file_bytes = 16u * 1024u * 1024u;

  IniDocument() = default;

  // The document of an INI text (see above). Never fails.
  static IniDocument parse(std::string_view bytes);

  // The INI text of the document (see above).
  std::string to_string() const;

  // The value of a key, or nothing when the section or the key is missing.
  std::optional<std::string> get(std::string_view section, std::string_view key) const;

  // The value of a key, or `fallback` when the section or the key is missing.
  // A key present with an empty value reads as "".
  std::string read_string(std::string_view section, std::string_view key,
                          std::string_view fallback) const;

  // Sets a key. An existing key gets the new value in its place (its name
  // keeps the spelling of the file); a new key goes after the last key of its
  // section (before comments that end the section); a new section goes at the
  // end of the document.
  //
  // The value is stored as a reader of the written file will see it: line
  // breaks (CR, LF) become blanks and blanks around it are trimmed.
  // Throws std::invalid_argument for a section or key name that the file
  // cannot hold (see `valid_section_name`, `valid_key_name`).
  void write_string(std::string_view section, std::string_view key, std::string_view value);

  bool has_section(std::string_view section) const;
  bool has_key(std::string_view section, std::string_view key) const;

  // Section names in file order, each once (the spelling of its first
  // occurrence).
  std::vector<std::string> sections() const;

  // Key names of a section in file order, each once (the spelling of its
  // first occurrence); empty when the section is missing.
  std::vector<std::string> keys(std::string_view section) const;

  // True when nothing would be written.
  bool empty() const { return preamble_.empty() && sections_.empty(); }

  // A section name must not hold a line break or `]`, nor begin or end with a
  // blank (a byte up to the space) or a byte-order mark. It may be empty.
  static bool valid_section_name(std::string_view name);
  // A key name must not be empty, hold a line break or `=`, begin with `;`,
  // `[` or a byte-order mark, nor begin or end with a blank.
  static bool valid_key_name(std::string_view name);

 private:
  // One meaningful line: a key, or a line kept verbatim (comment or a line
  // that means nothing), whose trimmed text is in `value`.
  struct Line {
    bool is_key = false;
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };
  struct Location {
    std::size_t section;  // index into sections_
    std::size_t line;     // index into that section's lines
  };
  // All parts of one section name (lower case) and its readable keys.
  struct SectionIndex {
    std::vector<std::size_t> parts;
    std::unordered_map<std::string, Location> keys;  // lower-case key -> first
  };

  const SectionIndex* find_section(std::string_view section) const;
  const Line* find_line(std::string_view section, std::string_view key) const;
  void add_section(std::string name);
  void add_line(Line line);

  std::vector<Line> preamble_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, SectionIndex> index_;  // lower-case name
};

// Section and key names as the document matches them: ASCII letters in lower
// case, every other byte as it is (the same in every locale).
std::string ini_name_key(std::string_view name);
// True when two names match as section or key names.
bool same_ini_name(std::string_view a, std::string_view b);

// The document of a file. A file that does not exist gives an empty document
// (every key reads as its default). Throws FileError when the file exists but
// cannot be read, is a folder, or is larger than `max_bytes`.
IniDocument load_ini_file(const std::filesystem::path& path,
                          std::size_t max_bytes = IniDocument::default_max_file_bytes);

// Writes the document to a file in one piece (see write_file_atomically):
// either the whole new text is in the file, or the old file is unchanged.
// Throws FileError.
void save_ini_file(const std::filesystem::path& path, const IniDocument& doc);

}  // namespace brennick
