#include "cli/cli_actions.h"

#include <iostream>

#include "data/item_catalog_json.h"
#include "data/skill_catalog_json.h"

namespace brennick {

int print_catalog(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0] != "--json") {
    std::cerr << "usage: brennick-cli catalog --json\n";
    return 2;
  }
  nlohmann::ordered_json out;
  out["items"] = item_catalog_json();
  out["skills"] = skill_catalog_json();
  std::cout << out.dump(2) << "\n";
  return 0;
}

}  // namespace brennick
