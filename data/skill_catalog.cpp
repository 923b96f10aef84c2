#include "data/skill_catalog.h"

#include <charconv>
#include <stdexcept>
#include <vector>

#include "data/embedded_tables.h"

namespace brennick {
namespace {

// ---- a small strict reader for the tab-separated data files ----

struct Record {
  int line = 0;  // 1-based line number in the file
  std::vector<std::string_view> fields;
};

[[noreturn]] void fail(std::string_view file, int line, const std::string& what) {
  throw std::runtime_error(std::string(file) + ".tsv, line " + std::to_string(line) + ": " + what);
}

std::vector<std::string_view> split(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(sep, start);
    if (end == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

// Reads a table: the header line must be exactly `header`, and every record
// line must have as many fields as the header. The text ends with a line
// break or not; no other empty line is allowed.
std::vector<Record> read_table(std::string_view file, std::string_view text,
                               std::string_view header) {
  std::vector<std::string_view> lines = split(text, '\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  for (std::string_view& l : lines)
    if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
  if (lines.empty()) fail(file, 1, "the file is empty, expected the header \"" + std::string(header) + "\"");
  if (lines[0] != header)
    fail(file, 1, "wrong header \"" + std::string(lines[0]) + "\", expected \"" + std::string(header) + "\"");
  const std::size_t columns = split(header, '\t').size();
  std::vector<Record> records;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    Record r{static_cast<int>(i) + 1, split(lines[i], '\t')};
    if (r.fields.size() != columns)
      fail(file, r.line, "expected " + std::to_string(columns) + " fields, found " +
                             std::to_string(r.fields.size()));
    records.push_back(std::move(r));
  }
  return records;
}

void expect_records(std::string_view file, const std::vector<Record>& records, std::size_t count) {
  if (records.size() != count)
    fail(file, static_cast<int>(records.size()) + 2,
         "expected " + std::to_string(count) + " records, found " + std::to_string(records.size()));
}

// A plain unsigned decimal number within [lo, hi].
int number_field(std::string_view file, const Record& r, std::size_t column, std::string_view what,
                 int lo, int hi) {
  const std::string_view t = r.fields[column];
  int value = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size() || t[0] == '-' || value < lo ||
      value > hi)
    fail(file, r.line, std::string(what) + " \"" + std::string(t) + "\" is not a number in " +
                           std::to_string(lo) + " .. " + std::to_string(hi));
  return value;
}

void expect_field(std::string_view file, const Record& r, std::size_t column, std::string_view what,
                  std::string_view expected) {
  if (r.fields[column] != expected)
    fail(file, r.line, std::string(what) + " \"" + std::string(r.fields[column]) + "\", expected \"" +
                           std::string(expected) + "\"");
}

std::size_t value_pos(int skill, int row, int level) {
  return static_cast<std::size_t>((skill - 1) * kSkillRowCount * kSkillLevelCount +
                                  (row - 1) * kSkillLevelCount + (level - 1));
}

std::size_t label_pos(int skill, int row) {
  return static_cast<std::size_t>((skill - 1) * kSkillRowCount + (row - 1));
}

// ---- the four initialisers, in the order the catalog is filled ----

void fill_class_start_stats(SkillCatalog& c, std::string_view text) {
  constexpr std::string_view file = "class_start_stats";
  const auto records = read_table(file, text, "class\tstrength\tspirit\ttalent\tagility\thealth");
  expect_records(file, records, kClassCount);
  for (int cls = 0; cls < kClassCount; ++cls) {
    const Record& r = records[static_cast<std::size_t>(cls)];
    expect_field(file, r, 0, "class", kClassNames[static_cast<std::size_t>(cls)]);
    for (int stat = 0; stat < kStatCount; ++stat)
      c.class_start_stats[static_cast<std::size_t>(cls * kStatCount + stat)] = static_cast<std::uint8_t>(
          number_field(file, r, static_cast<std::size_t>(stat) + 1, "start value", 0, 255));
  }
}

void fill_skill_level_req(SkillCatalog& c, std::string_view text) {
  constexpr std::string_view file = "skill_level_req";
  const auto records = read_table(file, text, "slot\tlevel");
  expect_records(file, records, kSlotCount);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const Record& r = records[static_cast<std::size_t>(slot)];
    expect_field(file, r, 0, "slot", slot_name(slot));
    c.skill_level_req[static_cast<std::size_t>(slot)] =
        static_cast<std::uint8_t>(number_field(file, r, 1, "level", 1, 255));
  }
}

void fill_skill_names(SkillCatalog& c, std::string_view text) {
  constexpr std::string_view file = "skill_names";
  const auto records = read_table(file, text, "skill\tclass\tslot\tname");
  expect_records(file, records, kSkillCount);
  for (int skill = 1; skill <= kSkillCount; ++skill) {
    const Record& r = records[static_cast<std::size_t>(skill - 1)];
    if (number_field(file, r, 0, "skill", 1, kSkillCount) != skill)
      fail(file, r.line, "skill " + std::string(r.fields[0]) + " out of order, expected " + std::to_string(skill));
    expect_field(file, r, 1, "class", kClassNames[static_cast<std::size_t>((skill - 1) / kSlotCount)]);
    expect_field(file, r, 2, "slot", slot_name((skill - 1) % kSlotCount));
    if (r.fields[3].empty()) fail(file, r.line, "empty skill name");
    c.skill_names[static_cast<std::size_t>(skill - 1)] = std::string(r.fields[3]);
  }
}

std::string values_header() {
  std::string h = "skill\trow\tlabel";
  for (int l = 1; l <= kSkillLevelCount; ++l) h += "\tlevel" + std::to_string(l);
  return h;
}

// skill_values holds one record per existing row of a skill, skills in
// order 1 .. 129, each skill's rows numbered 1, 2, ... without a gap.
void fill_skill_values(SkillCatalog& c, const std::vector<Record>& records) {
  constexpr std::string_view file = "skill_values";
  int skill = 0, row = 0;
  for (const Record& r : records) {
    const int s = number_field(file, r, 0, "skill", 1, kPseudoSkill);
    const int n = number_field(file, r, 1, "row", 1, kSkillRowCount);
    if (s == skill && n == row + 1) {
      row = n;
    } else if (s == skill + 1 && n == 1) {
      skill = s;
      row = 1;
    } else {
      fail(file, r.line, "skill " + std::to_string(s) + " row " + std::to_string(n) +
                             " out of order after skill " + std::to_string(skill) + " row " +
                             std::to_string(row));
    }
    const bool pseudo = s == kPseudoSkill;
    if (pseudo && n != 1) fail(file, r.line, "the pseudo-skill has one row only");
    for (int l = 1; l <= kSkillLevelCount; ++l) {
      const std::string_view t = r.fields[static_cast<std::size_t>(l) + 2];
      // The pseudo-skill holds its two fractions at levels 1 and 2 only.
      const bool required = !pseudo || l <= 2;
      if (required && t.empty()) fail(file, r.line, "empty value at level " + std::to_string(l));
      if (!required && !t.empty()) fail(file, r.line, "the pseudo-skill has no value at level " + std::to_string(l));
      c.skill_values[value_pos(s, n, l)] = std::string(t);
    }
  }
  if (skill != kPseudoSkill)
    fail(file, static_cast<int>(records.size()) + 2, "skill " + std::to_string(skill + 1) + " is missing");
}

void fill_skill_row_labels(SkillCatalog& c, const std::vector<Record>& records) {
  constexpr std::string_view file = "skill_values";
  for (const Record& r : records) {
    const int s = number_field(file, r, 0, "skill", 1, kPseudoSkill);
    const int n = number_field(file, r, 1, "row", 1, kSkillRowCount);
    const std::string_view label = r.fields[2];
    if (s == kPseudoSkill) {
      if (!label.empty()) fail(file, r.line, "the pseudo-skill's row has no label");
      continue;
    }
    if (label.empty()) fail(file, r.line, "empty row label");
    c.skill_row_labels[label_pos(s, n)] = std::string(label);
  }
}

void check_range(bool ok, const char* what) {
  if (!ok) throw std::out_of_range(std::string("skill catalog: ") + what + " out of range");
}

}  // namespace

std::string slot_name(int slot_index) {
  check_range(slot_index >= 0 && slot_index < kSlotCount, "slot index");
  return "tier" + std::to_string(slot_index / 4 + 1) + "_" + std::to_string(slot_index % 4 + 1);
}

std::uint8_t SkillCatalog::start_stat(int class_index, int stat) const {
  check_range(class_index >= 0 && class_index < kClassCount, "class");
  check_range(stat >= 0 && stat < kStatCount, "statistic");
  return class_start_stats[static_cast<std::size_t>(class_index * kStatCount + stat)];
}

std::uint8_t SkillCatalog::level_req(int slot_index) const {
  check_range(slot_index >= 0 && slot_index < kSlotCount, "slot index");
  return skill_level_req[static_cast<std::size_t>(slot_index)];
}

const std::string& SkillCatalog::name(int class_index, int slot_index) const {
  check_range(class_index >= 0 && class_index < kClassCount, "class");
  check_range(slot_index >= 0 && slot_index < kSlotCount, "slot index");
  return skill_names[static_cast<std::size_t>(class_index * kSlotCount + slot_index)];
}

const std::string& SkillCatalog::name(int skill) const {
  check_range(skill >= 1 && skill <= kSkillCount, "skill number");
  return skill_names[static_cast<std::size_t>(skill - 1)];
}

const std::string& SkillCatalog::value(int skill, int row, int level) const {
  check_range(skill >= 1 && skill <= kPseudoSkill, "skill number");
  check_range(row >= 1 && row <= kSkillRowCount, "row");
  check_range(level >= 1 && level <= kSkillLevelCount, "skill level");
  return skill_values[value_pos(skill, row, level)];
}

const std::string& SkillCatalog::row_label(int skill, int row) const {
  check_range(skill >= 1 && skill <= kSkillCount, "skill number");
  check_range(row >= 1 && row <= kSkillRowCount, "row");
  return skill_row_labels[label_pos(skill, row)];
}

int SkillCatalog::row_count(int skill) const {
  check_range(skill >= 1 && skill <= kPseudoSkill, "skill number");
  int rows = 0;
  while (rows < kSkillRowCount && !skill_values[value_pos(skill, rows + 1, 1)].empty()) ++rows;
  return rows;
}

SkillTableTexts embedded_skill_tables() {
  auto table = [](std::string_view name) {
    const auto text = embedded_table(name);
    if (!text) throw std::runtime_error("the data file " + std::string(name) + ".tsv is not compiled in");
    return *text;
  };
  return {table("class_start_stats"), table("skill_level_req"), table("skill_names"),
          table("skill_values")};
}

SkillCatalog build_skill_catalog(const SkillTableTexts& texts) {
  SkillCatalog c;
  fill_class_start_stats(c, texts.class_start_stats);
  fill_skill_level_req(c, texts.skill_level_req);
  fill_skill_names(c, texts.skill_names);
  const auto values = read_table("skill_values", texts.skill_values, values_header());
  fill_skill_values(c, values);
  fill_skill_row_labels(c, values);
  return c;
}

const SkillCatalog& skill_catalog() {
  static const SkillCatalog catalog = build_skill_catalog(embedded_skill_tables());
  return catalog;
}

}  // namespace brennick
