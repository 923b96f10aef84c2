// Item lists, weapon and sheltom menus are not built yet: choosing an item
// or a menu entry changes nothing.
#include "engine/calculator.h"
#include "equipment/menu_items.h"

namespace brennick {

void Calculator::item_selected(Ctl) {}

bool click_menu_item(Calculator&, const std::string&, std::optional<Ctl>) { return false; }

}  // namespace brennick
