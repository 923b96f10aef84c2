// The right-click menus of the main window: popup_weap on the pages
// "oneHand" (TabSheet5) and "twoHand" (TabSheet6), popup_sheltom on the
// "Sheltom" group, popup_armor, Popup_shield and Popup_orb on the pages
// "Armor", "Shield" and "Orb".
//
// The menus are QMenus built from the core's menu model
// (pipeline/menu_model.h), with the model's names as objectNames
// ("popup_weap", "Axe1", "Axe05", "age03", ...). Before a menu shows,
// handle_popup prepares the model for the page it opens on and the QMenu
// takes its captions, enabled states and images. A click runs the item
// through click_menu_item and refreshes the window.
#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "engine/sheet.h"
#include "pipeline/menu_model.h"

class QAction;
class QIcon;
class QMenu;

namespace brennick {

class MainWindow;

class PopupMenuView : public QObject {
  Q_OBJECT
 public:
  // Builds the five menus and attaches them to their pages of `window`.
  explicit PopupMenuView(MainWindow& window);

  QMenu* menu(Popup which) const { return menus_[static_cast<std::size_t>(which)]; }
  const PopupMenus& model() const { return model_; }

  // What happens before a menu shows: handle_popup for the page it opens
  // on, then the QMenu follows the model.
  void prepare(Popup which, Ctl page);
  // Prepares the menu and shows it at a screen position without waiting.
  void open(Popup which, Ctl page, const QPoint& global_pos);
  // Runs an item of the last prepared menus as the user's click does.
  // False when there is no such item or it is disabled.
  bool trigger(const std::string& item);

  // The model's image index an action shows (kNoImage for none).
  static int image_of(const QAction* action);

 private:
  void build(Popup which);
  // Measures a hovered item's delta into its tooltip (when it has none yet).
  void show_delta_of(QAction* a);
  void show_model(Popup which);
  // The icon of a model image, drawn once (many items show the same dot).
  QIcon icon_of(Popup which, int image) const;
  QIcon draw_icon(Popup which, int image) const;

  MainWindow& window_;
  mutable QHash<quint64, QIcon> icons_;
  PopupMenus model_;
  std::array<QMenu*, kAllPopups.size()> menus_{};
  // The action of every item and sub-menu of each menu, by its model name.
  std::array<std::unordered_map<std::string, QAction*>, kAllPopups.size()> actions_{};
  std::optional<Ctl> page_;  // where the last menu opened
};

}  // namespace brennick
