#include <iostream>

#include "cli/tool_commands.h"
#include "tools/aging_odds.h"

namespace brennick {
namespace {

int usage(const std::string& problem) {
  std::cerr << "brennick-cli aging-odds: " << problem << "\n"
            << "usage: brennick-cli aging-odds [--from L] [--item N] [--price-raident G] [--price-transparo G]\n"
            << "                               [--price-murky G] [--price-devine G] [--price-celesto G] [--json]\n";
  return 2;
}

}  // namespace

int aging_odds_command(const std::vector<std::string>& args) {
  static const std::array<const char*, kPricedSheltoms> kOptions{"--price-raident", "--price-transparo",
                                                                 "--price-murky", "--price-devine", "--price-celesto"};
  AgingSimulator sim;
  bool json = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      json = true;
      continue;
    }
    if (i + 1 >= args.size()) return usage(a == "--from" || a == "--item" || a.rfind("--price-", 0) == 0
                                               ? a + " needs a value"
                                               : "unknown option " + a);
    const std::string& v = args[++i];
    if (a == "--from") {
      if (!is_int_text(v) || int_of_text(v) < 0 || int_of_text(v) > 11) return usage("--from takes a level 0 .. 11");
      sim.aging_level = int_of_text(v);
    } else if (a == "--item") {
      if (!is_int_text(v) || int_of_text(v) < 0 || int_of_text(v) >= kSampleItems)
        return usage("--item takes a row 0 .. 3 (Extreme Armor, Bishop Robe, Gladiator Shield, Astral Orb)");
      sim.selected_item = int_of_text(v);
    } else {
      std::size_t k = 0;
      while (k < kOptions.size() && a != kOptions[k]) ++k;
      if (k == kOptions.size()) return usage("unknown option " + a);
      if (!is_int_text(v)) return usage(a + ": '" + v + "' is not a valid integer value");
      sim.price_texts[k] = v;
    }
  }
  const AgingOdds odds = aging_odds_of(sim);
  if (json) {
    std::cout << aging_odds_json(odds).dump() << "\n";
    return 0;
  }
  for (const auto& row : aging_odds_table(odds, NumberFormat::point())) {
    std::string line;
    for (const std::string& cell : row) line += (line.empty() ? "" : "\t") + cell;
    std::cout << line << "\n";
  }
  return 0;
}

}  // namespace brennick
