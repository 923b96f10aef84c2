// brennick-cli browse and skills: the item browsers' grids and details and
// the skill window's tables, printed from the same core code as the windows.
//
//   brennick-cli browse KIND [--kind K] [--class N] [--row R] [--locale point|comma] [--json]
//   brennick-cli skills CLASS TIER [--locale point|comma] [--json]
//
// KIND: armor, robe, shield, orb, boots, gaunts, armlets, amulet, ring,
// sheltom, weapon. K: weapon kind 0..7 or its name (Axe .. Mace). N: class
// number 0..7 or its name (robe and orb windows: 6 or 7 only). R: grid row.
// An option may be given more than once: the last one counts, and each must
// be good. A bad argument prints what is wrong and the usage of both
// commands, and the exit status is 2.
#include <algorithm>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "data/browser_contents.h"
#include "data/skill_info.h"
#include "data/weapon_tables.h"

namespace brennick::cli {
namespace {

int bad(const std::string& problem) {
  std::cerr << "brennick-cli: " << problem << "\n"
            << "usage: brennick-cli browse KIND [--kind K] [--class N] [--row R] [--locale point|comma] [--json]\n"
            << "       brennick-cli skills CLASS TIER [--locale point|comma] [--json]\n";
  return 2;
}

std::optional<int> small_int(const std::string& s, int lo, int hi) {
  if (s.empty() || s.size() > 3 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int v = std::stoi(s);
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

// A class by number 0..7 or by name.
std::optional<int> class_of(const std::string& s) {
  if (auto n = small_int(s, 0, 7)) return n;
  for (int c = 0; c < 8; ++c)
    if (s == kClassNames[static_cast<std::size_t>(c)]) return c;
  return std::nullopt;
}

std::optional<int> weapon_kind_of(const std::string& s) {
  if (auto n = small_int(s, 0, kWeaponKindCount - 1)) return n;
  for (int k = 0; k < kWeaponKindCount; ++k)
    if (s == weapon_kind_name(k)) return k;
  return std::nullopt;
}

// Columns padded to their widest cell, separated by " | ".
void print_table(const std::vector<std::vector<std::string>>& cells) {
  std::vector<std::size_t> width;
  for (const auto& row : cells)
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (width.size() <= c) width.push_back(0);
      width[c] = std::max(width[c], row[c].size());
    }
  for (const auto& row : cells) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c) line += " | ";
      line += row[c] + std::string(width[c] - row[c].size(), ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::cout << line << "\n";
  }
}

nlohmann::json labels_json(const LabelTexts& labels) {
  nlohmann::json j = nlohmann::json::object();
  for (const auto& [name, text] : labels) j[name] = text;
  return j;
}

// --- the arguments --------------------------------------------------------------

// The options of a command as CLI11 reads them: each value of each option in
// the order given ("" for an option given without one), checked by the
// command so that a bad one gets its own message; the positional arguments
// are what CLI11 leaves over. The options stay out of the help, whose footer
// gives the usage.
struct Values {
  std::map<std::string, std::vector<std::string>> given;  // by option name
  std::map<const CLI::Option*, std::string> names;
  bool json = false;
};

void add_value_option(CLI::App* cmd, Values& v, const std::string& name) {
  const CLI::Option* option = cmd->add_option(name, v.given[name])
                                  ->expected(0, 1)
                                  ->allow_extra_args(false)
                                  ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
                                  ->group("");
  v.names[option] = name;
}

void add_common_options(CLI::App* cmd, Values& v) {
  add_value_option(cmd, v, "--locale");
  cmd->add_flag("--json", v.json)->group("");
  cmd->allow_extras();
}

// The help flag made again after the hidden options, so that the help reads
// as it would without them.
void help_after_options(CLI::App* cmd) {
  cmd->set_help_flag();
  cmd->set_help_flag("-h,--help", "Print this help message and exit");
}

// The values in the order given, each with the name of its option.
std::vector<std::pair<std::string, std::string>> values_in_order(const CLI::App& cmd, const Values& v) {
  std::vector<std::pair<std::string, std::string>> out;
  std::map<std::string, std::size_t> next;
  for (const CLI::Option* opt : cmd.parse_order()) {
    const auto name = v.names.find(opt);
    if (name == v.names.end()) continue;
    const std::vector<std::string>& values = v.given.at(name->second);
    std::size_t& i = next[name->second];
    if (i < values.size()) out.emplace_back(name->second, values[i++]);
  }
  return out;
}

// The number format of the last --locale; nothing when one of them is not
// point or comma.
std::optional<NumberFormat> format_of(const Values& v) {
  NumberFormat format = NumberFormat::point();
  for (const std::string& locale : v.given.at("--locale")) {
    if (locale != "point" && locale != "comma") return std::nullopt;
    format = locale == "comma" ? NumberFormat::comma() : NumberFormat::point();
  }
  return format;
}

// --- browse -----------------------------------------------------------------------

struct BrowseRequest {
  BrowserKind kind = BrowserKind::Armor;
  BrowserChoice choice;
  std::optional<int> row;
  NumberFormat format = NumberFormat::point();
  bool json = false;
};

// KIND from the arguments CLI11 left over; 0, or the exit status of a bad one.
int read_kind(const std::vector<std::string>& rest, std::optional<BrowserKind>& kind) {
  for (const std::string& a : rest) {
    if (!a.empty() && a[0] == '-') return bad("unknown option " + a);
    if (kind) return bad("more than one item kind given");
    kind = browser_kind_of(a);
    if (!kind) return bad("unknown item kind " + a);
  }
  return 0;
}

struct BrowseOptions {
  std::optional<int> class_no, row, weapon_kind;
};

// --class, --row and --kind in the order given; 0, or the exit status of a bad one.
int read_browse_options(const CLI::App& cmd, const Values& v, BrowseOptions& o) {
  for (const auto& [name, value] : values_in_order(cmd, v)) {
    if (name == "--class") {
      o.class_no = class_of(value);
      if (!o.class_no) return bad("--class takes a class number 0..7 or a class name");
    } else if (name == "--row") {
      o.row = small_int(value, 0, 999);
      if (!o.row) return bad("--row takes a row number");
    } else if (name == "--kind") {
      o.weapon_kind = weapon_kind_of(value);
      if (!o.weapon_kind)
        return bad("--kind takes a weapon kind 0..7 or Axe, Bow, Scythe, Claw, Javelin, Sword, Wand, Mace");
    }
  }
  return 0;
}

// The window and the choice the options ask for; 0, or the exit status of a bad one.
int read_browse(const CLI::App& cmd, const Values& v, BrowseRequest& r) {
  const std::optional<NumberFormat> format = format_of(v);
  if (!format) return bad("--locale takes point or comma");
  r.format = *format;
  r.json = v.json;
  std::optional<BrowserKind> kind;
  BrowseOptions o;
  if (const int status = read_kind(cmd.remaining(), kind)) return status;
  if (const int status = read_browse_options(cmd, v, o)) return status;
  if (!kind) return bad("no item kind given");
  r.kind = *kind;
  const BrowserInfo& info = browser_info(r.kind);
  if (o.weapon_kind && r.kind != BrowserKind::Weapon) return bad("--kind is only for the weapon window");
  if (o.weapon_kind) r.choice.weapon_kind = *o.weapon_kind;
  if (o.class_no) {
    const int row = *o.class_no - info.class_offset;
    if (row < 0 || row >= static_cast<int>(info.class_rows.size()))
      return bad("the " + std::string(info.key) + " window offers no class " + std::to_string(*o.class_no));
    r.choice.class_row = row;
  }
  r.row = o.row;
  return 0;
}

nlohmann::json details_json(int row, const BrowserDetails& details) {
  nlohmann::json d;
  d["row"] = row;
  d["item"] = details.item;
  d["picture"] = details.picture;
  d["lbl_name"] = details.name;
  d["labels"] = labels_json(details.labels);
  if (details.resistances) {
    nlohmann::json res = nlohmann::json::object();
    for (std::size_t i = 0; i < kResistanceFields.size(); ++i)
      res[std::string(kResistanceFields[i].value_name)] = (*details.resistances)[i];
    d["resistances"] = res;
  }
  return d;
}

void print_browse_json(const BrowseRequest& r, const BrowserGrid& grid, const std::optional<BrowserDetails>& details) {
  nlohmann::json j;
  j["window"] = browser_info(r.kind).caption;
  j["class"] = r.choice.class_code(r.kind);
  if (r.kind == BrowserKind::Weapon) j["kind"] = weapon_kind_name(r.choice.weapon_kind);
  j["grid"] = grid.cells;
  j["labels"] = labels_json(grid.labels);
  if (details) j["details"] = details_json(*r.row, *details);
  std::cout << j.dump(2) << "\n";
}

// Each label the click wrote, with the caption beside it when it has one.
void print_details_text(const BrowseRequest& r, const BrowserDetails& details) {
  std::cout << "\nrow " << *r.row << " (item " << details.item << "): " << details.name << "\n"
            << "picture: " << details.picture << "\n";
  const std::vector<DetailField> fields = detail_fields(r.kind);
  for (const auto& [name, text] : details.labels) {
    std::string caption;
    for (const DetailField& f : fields)
      if (f.value_name == name) caption = f.caption;
    std::cout << name << (caption.empty() ? "" : " (" + caption + ")") << ": " << text << "\n";
  }
  if (details.resistances)
    for (std::size_t i = 0; i < kResistanceFields.size(); ++i)
      std::cout << kResistanceFields[i].hint << ": " << (*details.resistances)[i] << "\n";
}

void print_browse_text(const BrowseRequest& r, const BrowserGrid& grid, const std::optional<BrowserDetails>& details) {
  std::cout << browser_info(r.kind).caption << "\n";
  for (const auto& [name, text] : grid.labels) std::cout << name << ": " << text << "\n";
  print_table(grid.cells);
  if (details) print_details_text(r, *details);
}

int run_browse(const CLI::App& cmd, const Values& v) {
  BrowseRequest r;
  if (const int status = read_browse(cmd, v, r)) return status;
  const BrowserGrid grid = fill_grid(r.kind, r.choice, r.format);
  std::optional<BrowserDetails> details;
  if (r.row) {
    details = item_details(r.kind, r.choice, grid, *r.row, r.format);
    if (!details) return bad("--row takes an item row 1.." + std::to_string(grid.cells.size() - 1));
  }
  (r.json ? print_browse_json : print_browse_text)(r, grid, details);
  return 0;
}

// --- skills -----------------------------------------------------------------------

void print_skills_json(int class_no, int tier, const SkillInfoTier& t) {
  nlohmann::json j;
  j["class"] = std::string(kClassNames[static_cast<std::size_t>(class_no)]);
  j["tier"] = tier;
  j["grids"] = nlohmann::json::array();
  for (int k = 0; k < kSkillInfoGrids; ++k) {
    const auto i = static_cast<std::size_t>(k);
    j["grids"].push_back(
        {{"skill", t.grids[i].skill}, {"picture", t.icons[i]}, {"name", t.names[i]}, {"cells", t.grids[i].cells}});
  }
  std::cout << j.dump(2) << "\n";
}

void print_skills_text(const SkillInfoTier& t) {
  for (int k = 0; k < kSkillInfoGrids; ++k) {
    const auto i = static_cast<std::size_t>(k);
    std::cout << (k ? "\n" : "") << "grid" << k + 1 << ": " << t.names[i] << " (skill " << t.grids[i].skill
              << ", " << t.icons[i] << ")\n";
    std::vector<std::vector<std::string>> cells{{""}};
    for (int l = 1; l <= 10; ++l) cells[0].push_back(std::to_string(l));
    for (const auto& row : t.grids[i].cells) cells.push_back(row);
    print_table(cells);
  }
}

// CLASS and TIER are the two arguments CLI11 leaves over.
int run_skills(const CLI::App& cmd, const Values& v) {
  const std::optional<NumberFormat> format = format_of(v);
  if (!format) return bad("--locale takes point or comma");
  const std::vector<std::string> args = cmd.remaining();
  if (args.size() != 2) return bad("skills takes a class and a tier");
  const std::optional<int> class_no = class_of(args[0]);
  if (!class_no) return bad("unknown class " + args[0]);
  const std::optional<int> tier = small_int(args[1], 1, 4);
  if (!tier) return bad("the tier is 1, 2, 3 or 4");
  const SkillInfoTier t = skill_info(*class_no, *tier, *format);
  if (v.json)
    print_skills_json(*class_no, *tier, t);
  else
    print_skills_text(t);
  return 0;
}

}  // namespace

void add_browse_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("browse", "Print an item browser's grid and the details of one row");
  auto v = std::make_shared<Values>();
  add_common_options(cmd, *v);
  for (const char* name : {"--kind", "--class", "--row"}) add_value_option(cmd, *v, name);
  help_after_options(cmd);
  cmd->footer("usage: brennick-cli browse KIND [--kind K] [--class N] [--row R] [--locale point|comma] [--json]\n"
              "KIND: armor robe shield orb boots gaunts armlets amulet ring sheltom weapon");
  cmd->callback([cmd, v, &context] { context.exit_code = run_browse(*cmd, *v); });
}

void add_skills_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("skills", "Print the skill window's four tables of a class and tier");
  auto v = std::make_shared<Values>();
  add_common_options(cmd, *v);
  help_after_options(cmd);
  cmd->footer("usage: brennick-cli skills CLASS TIER [--locale point|comma] [--json]");
  cmd->callback([cmd, v, &context] { context.exit_code = run_skills(*cmd, *v); });
}

}  // namespace brennick::cli
