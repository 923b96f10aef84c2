#include "ui/popup_menus.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

#include "pipeline/item_delta.h"
#include <QPixmap>
#include <QWidget>

#include "assets/art.h"
#include "pipeline/planner.h"
#include "pipeline/session.h"
#include "ui/main_window.h"
#include "ui/zoom.h"

namespace brennick {
namespace {

constexpr const char* kImageProperty = "brennick_image";
// The requirement hint of a weapon item.
constexpr const char* kHintProperty = "brennick_hint";

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Menu captions show "&" literally.
QString caption_text(const std::string& s) {
  QString t = qs(s);
  t.replace(QLatin1Char('&'), QLatin1String("&&"));
  return t;
}

// Set on an action whose tooltip holds its delta for the last opening.
constexpr char kDeltaProperty[] = "brennick_delta_measured";

// The tooltip of a menu item: its requirement hint, if any, then its delta.
void show_tooltip(QAction* a, const QString& delta) {
  const QString hint = a->property(kHintProperty).toString();
  a->setToolTip(hint.isEmpty() ? delta : delta.isEmpty() ? hint : hint + QLatin1Char('\n') + delta);
}

}  // namespace

PopupMenuView::PopupMenuView(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("popup_menus"));
  for (Popup which : kAllPopups) {
    build(which);
    for (Ctl page : popup_pages(which)) {
      QWidget* w = window_.widget(page);
      if (!w) continue;
      w->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(w, &QWidget::customContextMenuRequested, this,
              [this, which, page, w](const QPoint& pos) { open(which, page, w->mapToGlobal(pos)); });
    }
  }
}

int PopupMenuView::image_of(const QAction* action) {
  const QVariant v = action->property(kImageProperty);
  return v.isValid() ? v.toInt() : kNoImage;
}

QIcon PopupMenuView::icon_of(Popup which, int image) const {
  if (image == kNoImage) return {};
  const quint64 key = static_cast<quint64>(static_cast<unsigned>(which)) << 32 | static_cast<quint32>(image);
  auto it = icons_.constFind(key);
  if (it == icons_.constEnd()) it = icons_.insert(key, draw_icon(which, image));
  return it.value();
}

QIcon PopupMenuView::draw_icon(Popup which, int image) const {
  // Drawn when a menu first shows them.
  if (which == Popup::Weapon) {
    if (image >= 0 && image < kRedDotImage) return drawn_icon(art::weapon_kind_icon(image));
    if (image == kRedDotImage) return drawn_icon(art::Icon::RedDot);
    if (image == kGreenDotImage) return drawn_icon(art::Icon::GreenDot);
    return {};
  }
  if (which == Popup::Sheltom && image >= kFirstSheltomImage && image < kFirstSheltomImage + 9) {
    const QString file = QStringLiteral("Sheltom_%1.bmp").arg(image - kFirstSheltomImage + 1);
    return lazy_icon(QSize(16, 16), [file] {
      const QImage picture = art::picture(file);
      if (picture.isNull()) return QImage();
      return art::keyed(picture).scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    });
  }
  return {};
}

void PopupMenuView::build(Popup which) {
  const PopupMenu& model = model_.menu(which);
  auto* menu = new QMenu(&window_);
  menu->setObjectName(qs(model.name));
  menu->setToolTipsVisible(true);
  connect(menu, &QMenu::hovered, this, &PopupMenuView::show_delta_of);
  menus_[static_cast<std::size_t>(which)] = menu;
  auto& actions = actions_[static_cast<std::size_t>(which)];

  // Items and sub-menus, one level deep as the model has them.
  auto add_items = [&](QMenu* into, const std::vector<MenuEntry>& entries, auto& self) -> void {
    for (const MenuEntry& e : entries) {
      if (e.separator) {
        into->addSeparator()->setObjectName(qs(e.name));
        continue;
      }
      if (!e.items.empty()) {
        QMenu* sub = into->addMenu(caption_text(e.caption));
        sub->setObjectName(qs(e.name));
        sub->setToolTipsVisible(true);
        connect(sub, &QMenu::hovered, this, &PopupMenuView::show_delta_of);
        sub->menuAction()->setObjectName(qs(e.name));
        actions[e.name] = sub->menuAction();
        self(sub, e.items, self);
        continue;
      }
      QAction* a = into->addAction(caption_text(e.caption));
      a->setObjectName(qs(e.name));
      actions[e.name] = a;
      const std::string name = e.name;
      connect(a, &QAction::triggered, this, [this, name] { trigger(name); });
    }
  };
  add_items(menu, model.items, add_items);
  show_model(which);
}

void PopupMenuView::show_model(Popup which) {
  const auto& actions = actions_[static_cast<std::size_t>(which)];
  auto show = [&](const std::vector<MenuEntry>& entries, auto& self) -> void {
    for (const MenuEntry& e : entries) {
      if (e.separator) continue;
      if (!e.items.empty()) self(e.items, self);
      const auto found = actions.find(e.name);
      if (found == actions.end()) continue;
      QAction* a = found->second;
      a->setText(caption_text(e.caption));
      a->setEnabled(e.enabled);
      a->setIcon(icon_of(which, e.image));
      a->setIconVisibleInMenu(e.image != kNoImage);
      a->setProperty(kImageProperty, e.image);
      // The weapon items explain their requirement mark; a delta, once
      // measured, follows on the next lines.
      a->setProperty(kHintProperty, qs(e.hint));
      a->setToolTip(caption_text(e.hint.empty() ? e.caption : e.hint));
    }
  };
  show(model_.menu(which).items, show);
}


void PopupMenuView::prepare(Popup which, Ctl page) {
  page_ = page;
  model_.handle_popup(window_.calculator(), which, page);
  show_model(which);
  // The weapon menu shows the deltas of its items the moment it opens: they
  // are measured before it shows. The other menus measure an item when it
  // is hovered.
  if (which == Popup::Weapon) {
    DeltaProbe probe(window_.calculator());
    for (QAction* a : menu(which)->findChildren<QAction*>()) {
      if (a->menu() || a->isSeparator() || a->objectName().isEmpty()) continue;
      const std::string name = a->objectName().toStdString();
      a->setProperty(kDeltaProperty, false);
      show_tooltip(a, QString());
      if (name.rfind("age", 0) == 0 || name.rfind("gem", 0) == 0) continue;
      const auto changes = probe.changes(menu_item_action(name, page));
      if (changes) show_tooltip(a, qs(delta_text(*changes, window_.calculator().format())));
      a->setProperty(kDeltaProperty, true);
    }
  } else {
    for (QAction* a : menu(which)->findChildren<QAction*>()) {
      a->setProperty(kDeltaProperty, false);
      show_tooltip(a, QString());
    }
  }
}

void PopupMenuView::show_delta_of(QAction* a) {
  if (!a || a->menu() || a->isSeparator() || a->property(kDeltaProperty).toBool() || !a->isEnabled()) return;
  a->setProperty(kDeltaProperty, true);
  DeltaProbe probe(window_.calculator());
  const auto changes = probe.changes(menu_item_action(a->objectName().toStdString(), page_));
  if (changes) show_tooltip(a, qs(delta_text(*changes, window_.calculator().format())));
}

void PopupMenuView::open(Popup which, Ctl page, const QPoint& global_pos) {
  prepare(which, page);
  menu(which)->popup(global_pos);
}

bool PopupMenuView::trigger(const std::string& item) {
  bool ran = false;
  window_.act([&](Session& s) { ran = s.click_menu_item(item, page_); });
  return ran;
}

}  // namespace brennick
