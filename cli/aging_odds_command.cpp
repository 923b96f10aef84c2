// brennick-cli aging-odds [--from L] [--item N] [--price-raident G] [--price-transparo G]
//                         [--price-murky G] [--price-devine G] [--price-celesto G] [--json]
//
// The exact odds of the aging simulator from level L: per target level the
// chance of one try, its expected attempts, sheltoms and gold, and the gold
// until success. Exit status 0, or 2 on bad arguments.
#include <array>
#include <iostream>
#include <memory>
#include <string>

#include "base/number_text.h"
#include "cli/command.h"
#include "tools/aging_odds.h"

namespace brennick::cli {
namespace {

struct AgingOddsArgs {
  int from = 0;
  int item = -1;
  std::array<std::string, kPricedSheltoms> prices{};
  bool json = false;
};

int run_aging_odds(const AgingOddsArgs& a) {
  AgingSimulator sim;
  sim.aging_level = a.from;
  sim.selected_item = a.item;
  for (std::size_t k = 0; k < a.prices.size(); ++k)
    if (!a.prices[k].empty()) sim.price_texts[k] = a.prices[k];
  const AgingOdds odds = aging_odds_of(sim);
  if (a.json) {
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

}  // namespace

void add_aging_odds_command(CLI::App& program, CommandContext& context) {
  static constexpr std::array<const char*, kPricedSheltoms> kOptions{
      "--price-raident", "--price-transparo", "--price-murky", "--price-devine", "--price-celesto"};
  CLI::App* cmd = program.add_subcommand("aging-odds", "The exact odds and expected costs of aging from a level");
  auto a = std::make_shared<AgingOddsArgs>();
  cmd->add_option("--from", a->from, "The current aging level")->check(CLI::Range(0, 11));
  cmd->add_option("--item", a->item,
                  "The sample item: 0 Extreme Armor, 1 Bishop Robe, 2 Gladiator Shield, 3 Astral Orb")
      ->check(CLI::Range(0, kSampleItems - 1));
  const CLI::Validator integer(
      [](std::string& v) { return is_int_text(v) ? std::string() : "'" + v + "' is not a valid integer value"; },
      "GOLD");
  for (std::size_t k = 0; k < kOptions.size(); ++k)
    cmd->add_option(kOptions[k], a->prices[k], std::string("The price of one sheltom (default ") + kDefaultPrices[k] + ")")
        ->check(integer);
  cmd->add_flag("--json", a->json, "Print {\"from\", \"targets\"} as JSON");
  cmd->callback([a, &context] { context.exit_code = run_aging_odds(*a); });
}

}  // namespace brennick::cli
