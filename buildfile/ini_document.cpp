#include "buildfile/ini_document.h"

#include <stdexcept>
#include <utility>

namespace brennick {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

// Blanks are all bytes up to and including the space (tab, NUL, ...).
bool is_blank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string_view trim_blanks(std::string_view s) {
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && is_blank(s[begin])) ++begin;
  while (end > begin && is_blank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

// A line as read: blanks and byte-order marks at its start, blanks at its
// end removed.
std::string_view trim_line(std::string_view s) {
  for (;;) {
    std::string_view t = trim_blanks(s);
    if (t.substr(0, kByteOrderMark.size()) != kByteOrderMark) return t;
    s = t.substr(kByteOrderMark.size());
  }
}

char ascii_lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool has_line_break(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::string ini_name_key(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = ascii_lower(c);
  return out;
}

bool same_ini_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
  return true;
}

bool IniDocument::valid_section_name(std::string_view name) {
  if (has_line_break(name) || name.find(']') != std::string_view::npos) return false;
  return name.empty() || (!is_blank(name.front()) && !is_blank(name.back()));
}

bool IniDocument::valid_key_name(std::string_view name) {
  if (name.empty() || has_line_break(name) || name.find('=') != std::string_view::npos) return false;
  if (name.front() == ';' || name.front() == '[' || name.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    return false;
  return !is_blank(name.front()) && !is_blank(name.back());
}

IniDocument IniDocument::parse(std::string_view bytes) {
  IniDocument doc;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    // One line, ended by LF, CR LF or a lone CR (or the end of the bytes).
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = trim_line(bytes.substr(pos, end - pos));
    pos = end;
    if (pos < bytes.size()) {
      if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ++pos;
      ++pos;
    }

    if (line.empty()) continue;
    if (line.front() == '[') {
      std::string_view name = line.substr(1);
      name = name.substr(0, name.find(']'));  // npos keeps the whole rest
      doc.add_section(std::string(trim_blanks(name)));
      continue;
    }
    Line entry;
    const std::size_t eq = line.front() == ';' ? std::string_view::npos : line.find('=');
    if (eq != std::string_view::npos) {
      // The line is trimmed, so the name starts with a non-blank byte that
      // is neither ';' nor '['; only its end can hold blanks.
      std::string_view key = trim_blanks(line.substr(0, eq));
      if (!key.empty()) {
        entry.is_key = true;
        entry.key = std::string(key);
        entry.value = std::string(trim_blanks(line.substr(eq + 1)));
      }
    }
    if (!entry.is_key) entry.value = std::string(line);
    doc.add_line(std::move(entry));
  }
  return doc;
}

void IniDocument::add_section(std::string name) {
  const std::size_t index = sections_.size();
  index_[ini_name_key(name)].parts.push_back(index);
  sections_.push_back(Section{std::move(name), {}});
}

// Appends a line to the last section (or to the lines before the first).
void IniDocument::add_line(Line line) {
  if (sections_.empty()) {
    preamble_.push_back(std::move(line));
    return;
  }
  Section& section = sections_.back();
  if (line.is_key) {
    const Location at{sections_.size() - 1, section.lines.size()};
    index_[ini_name_key(section.name)].keys.emplace(ini_name_key(line.key), at);  // the first one counts
  }
  section.lines.push_back(std::move(line));
}

std::string IniDocument::to_string() const {
  std::size_t size = 0;
  auto line_size = [](const Line& l) { return l.key.size() + l.value.size() + 3; };
  for (const Line& l : preamble_) size += line_size(l);
  for (const Section& s : sections_) {
    size += s.name.size() + 6;
    for (const Line& l : s.lines) size += line_size(l);
  }
  std::string out;
  out.reserve(size + 2);

  auto write_line = [&out](const Line& l) {
    if (l.is_key) {
      out += l.key;
      out += '=';
    }
    out += l.value;
    out += kLineEnd;
  };
  for (const Line& l : preamble_) write_line(l);
  if (!preamble_.empty()) out += kLineEnd;
  for (const Section& s : sections_) {
    out += '[';
    out += s.name;
    out += ']';
    out += kLineEnd;
    for (const Line& l : s.lines) write_line(l);
    out += kLineEnd;
  }
  return out;
}

const IniDocument::SectionIndex* IniDocument::find_section(std::string_view section) const {
  auto it = index_.find(ini_name_key(section));
  return it == index_.end() ? nullptr : &it->second;
}

const IniDocument::Line* IniDocument::find_line(std::string_view section, std::string_view key) const {
  const SectionIndex* s = find_section(section);
  if (s == nullptr) return nullptr;
  auto it = s->keys.find(ini_name_key(key));
  if (it == s->keys.end()) return nullptr;
  return &sections_[it->second.section].lines[it->second.line];
}

std::optional<std::string> IniDocument::get(std::string_view section, std::string_view key) const {
  const Line* line = find_line(section, key);
  if (line == nullptr) return std::nullopt;
  return line->value;
}

std::string IniDocument::read_string(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  const Line* line = find_line(section, key);
  return line == nullptr ? std::string(fallback) : line->value;
}

bool IniDocument::has_section(std::string_view section) const { return find_section(section) != nullptr; }

bool IniDocument::has_key(std::string_view section, std::string_view key) const {
  return find_line(section, key) != nullptr;
}

std::vector<std::string> IniDocument::sections() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    // Only the first part of a section name lists it.
    if (index_.at(ini_name_key(sections_[i].name)).parts.front() == i) names.push_back(sections_[i].name);
  }
  return names;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const {
  std::vector<std::string> names;
  const SectionIndex* s = find_section(section);
  if (s == nullptr) return names;
  for (std::size_t part : s->parts) {
    const std::vector<Line>& lines = sections_[part].lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (!lines[i].is_key) continue;
      const Location& first = s->keys.at(ini_name_key(lines[i].key));
      if (first.section == part && first.line == i) names.push_back(lines[i].key);
    }
  }
  return names;
}

void IniDocument::write_string(std::string_view section, std::string_view key, std::string_view value) {
  if (!valid_section_name(section))
    throw std::invalid_argument("invalid INI section name '" + std::string(section) + "'");
  if (!valid_key_name(key)) throw std::invalid_argument("invalid INI key name '" + std::string(key) + "'");

  std::string text(value);
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  text = std::string(trim_blanks(text));

  auto it = index_.find(ini_name_key(section));
  if (it == index_.end()) {
    add_section(std::string(section));
    add_line(Line{true, std::string(key), std::move(text)});
    return;
  }
  SectionIndex& s = it->second;
  const std::string lower_key = ini_name_key(key);
  if (auto k = s.keys.find(lower_key); k != s.keys.end()) {
    sections_[k->second.section].lines[k->second.line].value = std::move(text);
    return;
  }
  // A new key of an existing section: after the last key of the section's
  // first part. Only verbatim lines follow it, and no index points at those,
  // so inserting moves no indexed line.
  const std::size_t part = s.parts.front();
  std::vector<Line>& lines = sections_[part].lines;
  std::size_t at = lines.size();
  while (at > 0 && !lines[at - 1].is_key) --at;
  if (at == 0) at = lines.size();  // no key yet: after everything the section holds
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{true, std::string(key), std::move(text)});
  s.keys.emplace(lower_key, Location{part, at});
}

IniDocument load_ini_file(const std::filesystem::path& path, std::size_t max_bytes) {
  FileReadResult file = read_file(path, max_bytes);
  switch (file.status) {
    case FileReadResult::Status::ok:
      return IniDocument::parse(file.bytes);
    case FileReadResult::Status::not_found:
      return IniDocument{};
    case FileReadResult::Status::failed:
      break;
  }
  throw FileError(file.error);
}

void save_ini_file(const std::filesystem::path& path, const IniDocument& doc) {
  write_file_atomically(path, doc.to_string());
}

}  // namespace brennick
