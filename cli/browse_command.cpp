#include "cli/browse_command.h"

#include "cli/command.h"

#include <algorithm>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "data/browser_contents.h"
#include "data/skill_info.h"
#include "data/weapon_tables.h"

namespace brennick {
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

struct Common {
  NumberFormat format = NumberFormat::point();
  bool json = false;
};

// Takes --locale and --json out of the arguments; false on a bad --locale.
bool common_options(std::vector<std::string>& args, Common& common) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") {
      common.json = true;
    } else if (args[i] == "--locale") {
      if (i + 1 >= args.size() || (args[i + 1] != "point" && args[i + 1] != "comma")) return false;
      common.format = args[++i] == "comma" ? NumberFormat::comma() : NumberFormat::point();
    } else {
      rest.push_back(args[i]);
    }
  }
  args = rest;
  return true;
}

nlohmann::json labels_json(const LabelTexts& labels) {
  nlohmann::json j = nlohmann::json::object();
  for (const auto& [name, text] : labels) j[name] = text;
  return j;
}

}  // namespace

int browse_command(const std::vector<std::string>& arguments) {
  std::vector<std::string> args = arguments;
  Common common;
  if (!common_options(args, common)) return bad("--locale takes point or comma");
  std::optional<BrowserKind> kind;
  BrowserChoice choice;
  std::optional<int> class_no, row, weapon_kind;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (a == "--class") {
      auto v = value();
      class_no = v ? class_of(*v) : std::nullopt;
      if (!class_no) return bad("--class takes a class number 0..7 or a class name");
    } else if (a == "--row") {
      auto v = value();
      row = v ? small_int(*v, 0, 999) : std::nullopt;
      if (!row) return bad("--row takes a row number");
    } else if (a == "--kind") {
      auto v = value();
      weapon_kind = v ? weapon_kind_of(*v) : std::nullopt;
      if (!weapon_kind) return bad("--kind takes a weapon kind 0..7 or Axe, Bow, Scythe, Claw, Javelin, Sword, Wand, Mace");
    } else if (!a.empty() && a[0] == '-') {
      return bad("unknown option " + a);
    } else if (!kind) {
      kind = browser_kind_of(a);
      if (!kind) return bad("unknown item kind " + a);
    } else {
      return bad("more than one item kind given");
    }
  }
  if (!kind) return bad("no item kind given");
  const BrowserInfo& info = browser_info(*kind);
  if (weapon_kind && *kind != BrowserKind::Weapon) return bad("--kind is only for the weapon window");
  if (weapon_kind) choice.weapon_kind = *weapon_kind;
  if (class_no) {
    const int r = *class_no - info.class_offset;
    if (r < 0 || r >= static_cast<int>(info.class_rows.size()))
      return bad("the " + std::string(info.key) + " window offers no class " + std::to_string(*class_no));
    choice.class_row = r;
  }
  const BrowserGrid grid = fill_grid(*kind, choice, common.format);
  std::optional<BrowserDetails> details;
  if (row) {
    details = item_details(*kind, choice, grid, *row, common.format);
    if (!details)
      return bad("--row takes an item row 1.." + std::to_string(grid.cells.size() - 1));
  }

  if (common.json) {
    nlohmann::json j;
    j["window"] = info.caption;
    j["class"] = choice.class_code(*kind);
    if (*kind == BrowserKind::Weapon) j["kind"] = weapon_kind_name(choice.weapon_kind);
    j["grid"] = grid.cells;
    j["labels"] = labels_json(grid.labels);
    if (details) {
      nlohmann::json d;
      d["row"] = *row;
      d["item"] = details->item;
      d["picture"] = details->picture;
      d["lbl_name"] = details->name;
      d["labels"] = labels_json(details->labels);
      if (details->resistances) {
        nlohmann::json res = nlohmann::json::object();
        for (std::size_t i = 0; i < kResistanceFields.size(); ++i)
          res[std::string(kResistanceFields[i].value_name)] = (*details->resistances)[i];
        d["resistances"] = res;
      }
      j["details"] = d;
    }
    std::cout << j.dump(2) << "\n";
    return 0;
  }
  std::cout << info.caption << "\n";
  for (const auto& [name, text] : grid.labels) std::cout << name << ": " << text << "\n";
  print_table(grid.cells);
  if (details) {
    std::cout << "\nrow " << *row << " (item " << details->item << "): " << details->name << "\n"
              << "picture: " << details->picture << "\n";
    std::vector<std::pair<std::string, std::string>> captions;
    for (const DetailField& f : detail_fields(*kind)) captions.emplace_back(f.value_name, f.caption);
    for (const auto& [name, text] : details->labels) {
      std::string caption;
      for (const auto& [value_name, c] : captions)
        if (value_name == name) caption = c;
      std::cout << name << (caption.empty() ? "" : " (" + caption + ")") << ": " << text << "\n";
    }
    if (details->resistances)
      for (std::size_t i = 0; i < kResistanceFields.size(); ++i)
        std::cout << kResistanceFields[i].hint << ": " << (*details->resistances)[i] << "\n";
  }
  return 0;
}

int skills_command(const std::vector<std::string>& arguments) {
  std::vector<std::string> args = arguments;
  Common common;
  if (!common_options(args, common)) return bad("--locale takes point or comma");
  if (args.size() != 2) return bad("skills takes a class and a tier");
  const std::optional<int> class_no = class_of(args[0]);
  if (!class_no) return bad("unknown class " + args[0]);
  const std::optional<int> tier = small_int(args[1], 1, 4);
  if (!tier) return bad("the tier is 1, 2, 3 or 4");
  const SkillInfoTier t = skill_info(*class_no, *tier, common.format);
  if (common.json) {
    nlohmann::json j;
    j["class"] = std::string(kClassNames[static_cast<std::size_t>(*class_no)]);
    j["tier"] = *tier;
    j["grids"] = nlohmann::json::array();
    for (int k = 0; k < kSkillInfoGrids; ++k) {
      const auto i = static_cast<std::size_t>(k);
      j["grids"].push_back({{"skill", t.grids[i].skill},
                            {"picture", t.icons[i]},
                            {"name", t.names[i]},
                            {"cells", t.grids[i].cells}});
    }
    std::cout << j.dump(2) << "\n";
    return 0;
  }
  for (int k = 0; k < kSkillInfoGrids; ++k) {
    const auto i = static_cast<std::size_t>(k);
    std::cout << (k ? "\n" : "") << "grid" << k + 1 << ": " << t.names[i] << " (skill " << t.grids[i].skill
              << ", " << t.icons[i] << ")\n";
    std::vector<std::vector<std::string>> cells{{""}};
    for (int l = 1; l <= 10; ++l) cells[0].push_back(std::to_string(l));
    for (const auto& row : t.grids[i].cells) cells.push_back(row);
    print_table(cells);
  }
  return 0;
}

}  // namespace brennick

namespace brennick::cli {

// The two commands keep their own argument readers (positional KIND or CLASS
// TIER and the options after them); CLI11 hands them every argument.
void add_browse_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("browse", "Print an item browser's grid and the details of one row");
  cmd->prefix_command();
  cmd->footer("usage: brennick-cli browse KIND [--kind K] [--class N] [--row R] [--locale point|comma] [--json]\n"
              "KIND: armor robe shield orb boots gaunts armlets amulet ring sheltom weapon");
  cmd->callback([cmd, &context] { context.exit_code = browse_command(cmd->remaining()); });
}

void add_skills_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("skills", "Print the skill window's four tables of a class and tier");
  cmd->prefix_command();
  cmd->footer("usage: brennick-cli skills CLASS TIER [--locale point|comma] [--json]");
  cmd->callback([cmd, &context] { context.exit_code = skills_command(cmd->remaining()); });
}

}  // namespace brennick::cli
