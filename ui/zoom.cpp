#include "ui/zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QHeaderView>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QStyleOptionSpinBox>
#include <QTableWidget>
#include <QToolBar>
#include <QToolTip>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <iterator>

#include "ui/lazy_window.h"

namespace brennick {
namespace {

constexpr char kBase[] = "brennick_zoom_base";  // the widget's sizes as built
constexpr char kFull[] = "brennick_full_size";  // a window's size before keep_on_screen

double g_style_factor = 1.0;

// The fonts before any zoom: the application's (which windows without a
// font of their own show) and the tooltips'.
struct DesignedFonts {
  QFont app = QApplication::font();
  QFont tooltip = QToolTip::font();
};
const DesignedFonts& designed_fonts() {
  static const DesignedFonts fonts;
  return fonts;
}

struct Base {
  QRect geometry;
  bool placed = false;  // placed by hand, not by a layout
  QSize min, max;
  QFont font;
  bool own_font = false;
  QSize icon;
  QMargins margins;
  int spacing = -1;
  QList<int> columns, rows;
};

bool in_layout(const QLayout* layout, const QWidget* w) {
  if (!layout) return false;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == w) return true;
    if (item->layout() && in_layout(item->layout(), w)) return true;
  }
  return false;
}

int scaled(int v, double f) { return static_cast<int>(std::lround(v * f)); }
QSize scaled(QSize s, double f) {
  auto one = [&](int v) { return v >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : scaled(v, f); };
  return {one(s.width()), one(s.height())};
}
// Edges scaled, so neighbours stay neighbours.
QRect scaled(const QRect& r, double f) {
  const int x = scaled(r.x(), f), y = scaled(r.y(), f);
  return {x, y, scaled(r.x() + r.width(), f) - x, scaled(r.y() + r.height(), f) - y};
}
QFont scaled(QFont font, double f) {
  // Never larger than the factor: captions measured at 100 % still fit.
  if (font.pixelSize() > 0) {
    font.setPixelSize(std::max(1, static_cast<int>(std::floor(font.pixelSize() * f))));
  } else if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * f);
  }
  return font;
}

// The style of every window, its lengths scaled by the zoom.
class ZoomStyle : public QProxyStyle {
 public:
  ZoomStyle(const QString& base, double factor) : QProxyStyle(QStyleFactory::create(base)), f_(factor) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    const int v = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
      case PM_CheckBoxLabelSpacing:
      case PM_RadioButtonLabelSpacing:
      case PM_SmallIconSize:
      case PM_ButtonIconSize:
      case PM_ListViewIconSize:
      case PM_TabBarIconSize:
      case PM_MessageBoxIconSize:
      case PM_ToolBarIconSize:
      case PM_TabBarTabHSpace:
      case PM_TabBarTabVSpace:
      case PM_ScrollBarExtent:
      case PM_ScrollBarSliderMin:
      case PM_SliderThickness:
      case PM_SliderLength:
      case PM_ButtonMargin:
      case PM_MenuHMargin:
      case PM_MenuVMargin:
      case PM_MenuBarItemSpacing:
      case PM_MenuBarHMargin:
      case PM_MenuBarVMargin:
      case PM_MenuButtonIndicator:
      case PM_HeaderMargin:
      case PM_LayoutLeftMargin:
      case PM_LayoutTopMargin:
      case PM_LayoutRightMargin:
      case PM_LayoutBottomMargin:
      case PM_LayoutHorizontalSpacing:
      case PM_LayoutVerticalSpacing:
        return scaled(v, f_);
      default:
        return v;
    }
  }

  // The spin-box buttons are as wide as the zoom makes them, the text field
  // gives up the room.
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    QRect r = QProxyStyle::subControlRect(control, option, sub, widget);
    if (control != CC_SpinBox || f_ == 1.0) return r;
    const QRect up = QProxyStyle::subControlRect(control, option, SC_SpinBoxUp, widget);
    if (up.isEmpty()) return r;
    const int extra = scaled(up.width(), f_) - up.width();
    if (sub == SC_SpinBoxUp || sub == SC_SpinBoxDown) r.setLeft(r.left() - extra);
    if (sub == SC_SpinBoxEditField) r.setRight(r.right() - extra);
    return r;
  }

 private:
  double f_;
};

// The page of a scroll area: placed by the area, not by hand.
bool scrolled_page(const QWidget* w) {
  const QWidget* viewport = w->parentWidget();
  const auto* area = viewport ? qobject_cast<const QAbstractScrollArea*>(viewport->parentWidget()) : nullptr;
  return area && area->viewport() == viewport;
}

Base base_of(QWidget* w) {
  Base b;
  b.geometry = w->geometry();
  b.placed = !w->isWindow() && !scrolled_page(w) &&
             !in_layout(w->parentWidget() ? w->parentWidget()->layout() : nullptr, w);
  b.min = w->minimumSize();
  b.max = w->maximumSize();
  // A window made smaller to fit its screen was built at its full size.
  if (const QSize full = w->property(kFull).toSize(); w->isWindow() && full.isValid() && b.min == b.max)
    b.min = b.max = full;
  b.font = w->font();
  b.own_font = w->isWindow() || w->testAttribute(Qt::WA_SetFont);
  // A window showing the application's font was built with it unzoomed,
  // whatever the application's font is by now.
  if (w->isWindow() && !w->testAttribute(Qt::WA_SetFont)) b.font = designed_fonts().app;
  if (auto* bar = qobject_cast<QToolBar*>(w)) b.icon = bar->iconSize();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) b.icon = button->iconSize();
  if (auto* combo = qobject_cast<QComboBox*>(w)) b.icon = combo->iconSize();
  if (QLayout* l = w->layout()) {
    b.margins = l->contentsMargins();
    b.spacing = l->spacing();
  }
  if (auto* table = qobject_cast<QTableWidget*>(w)) {
    for (int c = 0; c < table->columnCount(); ++c) b.columns << table->columnWidth(c);
    for (int r = 0; r < table->rowCount(); ++r) b.rows << table->rowHeight(r);
  }
  return b;
}

}  // namespace
}  // namespace brennick

Q_DECLARE_METATYPE(brennick::Base)

namespace brennick {

namespace {

// The scales a program icon is offered at (zooms times screen scales).
constexpr double kIconScales[] = {1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0};
constexpr int kIconScaleCount = static_cast<int>(std::size(kIconScales));

// The size art::icon draws an icon at a scale.
QSize drawn_size(art::Icon id, double scale) {
  const QSize design = art::icon_size(id);
  if (scale == 1.0) return design;
  return {std::max(1, static_cast<int>(std::lround(design.width() * scale))),
          std::max(1, static_cast<int>(std::lround(design.height() * scale)))};
}

// The pictures of the program icons drawn so far, for as long as the
// application lives: the menu, the tool bar and the lists show the same
// icons, each drawn once at each size it is shown at.
class DrawnIcons : public QObject {
 public:
  using QObject::QObject;
  QHash<int, QPixmap> pixmaps;  // icon * kIconScaleCount + scale index
};

DrawnIcons* drawn_icons() {
  static QPointer<DrawnIcons> drawn;
  if (!drawn && QCoreApplication::instance()) drawn = new DrawnIcons(QCoreApplication::instance());
  return drawn;
}

QPixmap drawn_pixmap(art::Icon id, int scale_index) {
  DrawnIcons* drawn = drawn_icons();
  const int key = static_cast<int>(id) * kIconScaleCount + scale_index;
  if (drawn)
    if (auto it = drawn->pixmaps.constFind(key); it != drawn->pixmaps.constEnd()) return it.value();
  QPixmap pixmap = QPixmap::fromImage(art::icon(id, kIconScales[scale_index]));
  if (drawn) drawn->pixmaps.insert(key, pixmap);
  return pixmap;
}

int area(const QSize& s) { return s.width() * s.height(); }

// An icon whose pictures are drawn when they are first asked for. It
// answers as an icon holding all of its pictures would: the smallest
// picture at least as large as the size asked for (the largest when none
// is), shrunk to fit the size, and the style's disabled or selected look
// made from it.
class LazyIconEngine : public QIconEngine {
 public:
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    QSize actual = picture_size(best(size));
    if (actual.width() > size.width() || actual.height() > size.height()) actual.scale(size, Qt::KeepAspectRatio);
    return actual;
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off)
      for (int i = 0; i < picture_count(); ++i) sizes << picture_size(i);
    return sizes;
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    if (size.isEmpty()) return {};
    QPixmap pm = picture(best(size));
    QSize actual = pm.size();
    if (actual.width() > size.width() || actual.height() > size.height()) {
      actual.scale(size, Qt::KeepAspectRatio);
      pm = pm.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (mode != QIcon::Normal && !pm.isNull() && qobject_cast<QApplication*>(QCoreApplication::instance())) {
      QStyleOption option;
      option.palette = QGuiApplication::palette();
      const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pm, &option);
      if (!generated.isNull()) pm = generated;
    }
    return pm;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : qreal(1);
    QPixmap pm = pixmap(rect.size() * dpr, mode, state);
    pm.setDevicePixelRatio(dpr);
    painter->drawPixmap(rect, pm);
  }

 protected:
  virtual int picture_count() const = 0;
  virtual QSize picture_size(int i) const = 0;
  virtual QPixmap picture(int i) const = 0;

 private:
  // The smallest picture that covers `size` (by area), or the largest.
  int best(const QSize& size) const {
    for (int i = 0; i < picture_count(); ++i)
      if (area(picture_size(i)) >= area(size)) return i;
    return picture_count() - 1;
  }
};

// A program icon, offered at every scale of kIconScales.
class DrawnIconEngine final : public LazyIconEngine {
 public:
  explicit DrawnIconEngine(art::Icon id) : id_(id) {}
  QIconEngine* clone() const override { return new DrawnIconEngine(id_); }
  QString key() const override { return QStringLiteral("brennick_drawn"); }

 protected:
  int picture_count() const override { return kIconScaleCount; }
  QSize picture_size(int i) const override { return drawn_size(id_, kIconScales[i]); }
  QPixmap picture(int i) const override { return drawn_pixmap(id_, i); }

 private:
  art::Icon id_;
};

// A picture of one size, made by a function the first time it is shown;
// the copies of the icon share it.
class PictureIconEngine final : public LazyIconEngine {
 public:
  struct Shared {
    QSize size;
    std::function<QImage()> make;
    std::optional<QPixmap> made;
  };
  explicit PictureIconEngine(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}
  QIconEngine* clone() const override { return new PictureIconEngine(shared_); }
  QString key() const override { return QStringLiteral("brennick_picture"); }

 protected:
  int picture_count() const override { return 1; }
  QSize picture_size(int) const override { return shared_->made ? shared_->made->size() : shared_->size; }
  QPixmap picture(int) const override {
    if (!shared_->made) shared_->made = QPixmap::fromImage(shared_->make());
    return *shared_->made;
  }

 private:
  std::shared_ptr<Shared> shared_;
};

}  // namespace

QIcon lazy_icon(QSize size, std::function<QImage()> make) {
  auto shared = std::make_shared<PictureIconEngine::Shared>();
  shared->size = size;
  shared->make = std::move(make);
  return QIcon(new PictureIconEngine(std::move(shared)));
}

QIcon drawn_icon(art::Icon id) { return QIcon(new DrawnIconEngine(id)); }

int valid_zoom(int percent) {
  return std::find(kZoomPercents.begin(), kZoomPercents.end(), percent) != kZoomPercents.end() ? percent : 100;
}

int zoom_in(int percent) {
  for (int p : kZoomPercents)
    if (p > percent) return p;
  return kZoomPercents.back();
}

int zoom_out(int percent) {
  for (auto it = kZoomPercents.rbegin(); it != kZoomPercents.rend(); ++it)
    if (*it < percent) return *it;
  return kZoomPercents.front();
}

double style_zoom_factor() { return g_style_factor; }

int style_zoomed(int pixels) { return scaled(pixels, g_style_factor); }

void set_style_zoom(int percent) {
  const double f = valid_zoom(percent) / 100.0;
  if (f == g_style_factor) return;
  const DesignedFonts& designed = designed_fonts();  // taken before the first change
  static const QString base_style = QApplication::style()->name();
  g_style_factor = f;
  // A new style re-polishes every widget, and their sizes follow its lengths.
  QApplication::setStyle(new ZoomStyle(base_style, f));
  QApplication::setFont(scaled(designed.app, f));
  QToolTip::setFont(scaled(designed.tooltip, f));
}

namespace {

// `window` and the widgets in it; not the secondary windows it owns (they
// are zoomed each by itself, once their contents are made).
QList<QWidget*> widgets_of(QWidget* window) {
  QList<QWidget*> widgets{window};
  for (QWidget* w : window->findChildren<QWidget*>()) {
    bool own = true;
    for (QWidget* up = w; up && up != window; up = up->parentWidget())
      if (dynamic_cast<LazyWindow*>(up)) own = false;
    if (own) widgets << w;
  }
  return widgets;
}

}  // namespace

void remember_built_sizes(QWidget* window) {
  if (auto* lazy = dynamic_cast<LazyWindow*>(window)) lazy->finish_layout();
  const QList<QWidget*> widgets = widgets_of(window);
  // What each widget was built with, taken once, before anything is scaled.
  for (QWidget* w : widgets)
    if (!w->property(kBase).isValid()) w->setProperty(kBase, QVariant::fromValue(base_of(w)));
}

void apply_zoom(QWidget* window, int percent) {
  const double f = valid_zoom(percent) / 100.0;
  if (auto* lazy = dynamic_cast<LazyWindow*>(window)) lazy->finish_layout();
  remember_built_sizes(window);
  const QList<QWidget*> widgets = widgets_of(window);

  for (QWidget* w : widgets) {
    const Base b = w->property(kBase).value<Base>();
    if (b.own_font) w->setFont(scaled(b.font, f));
    if (b.min == b.max && !b.min.isEmpty()) {
      w->setFixedSize(scaled(b.min, f));
    } else {
      w->setMinimumSize(scaled(b.min, f));
      w->setMaximumSize(scaled(b.max, f));
    }
    if (b.placed && w->parentWidget() && !w->isWindow()) w->setGeometry(scaled(b.geometry, f));
    if (b.icon.isValid()) {
      if (auto* bar = qobject_cast<QToolBar*>(w)) bar->setIconSize(scaled(b.icon, f));
      if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setIconSize(scaled(b.icon, f));
      if (auto* combo = qobject_cast<QComboBox*>(w)) combo->setIconSize(scaled(b.icon, f));
    }
    if (QLayout* l = w->layout()) {
      l->setContentsMargins(scaled(b.margins.left(), f), scaled(b.margins.top(), f), scaled(b.margins.right(), f),
                            scaled(b.margins.bottom(), f));
      if (b.spacing >= 0) l->setSpacing(scaled(b.spacing, f));
    }
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < table->columnCount() && c < b.columns.size(); ++c)
        table->setColumnWidth(c, scaled(b.columns[c], f));
      for (int r = 0; r < table->rowCount() && r < b.rows.size(); ++r) table->setRowHeight(r, scaled(b.rows[r], f));
      if (!b.rows.isEmpty()) table->verticalHeader()->setDefaultSectionSize(scaled(b.rows.front(), f));
    }
  }
  if (window->layout()) window->layout()->activate();
  window->adjustSize();
  if (auto* lazy = dynamic_cast<LazyWindow*>(window)) {
    lazy->refit();
  } else if (window->minimumSize() == window->maximumSize()) {
    keep_on_screen(window, window->minimumSize());
  }
}

QSize full_window_size(const QWidget* window) { return window->property(kFull).toSize(); }

QFont built_font(const QWidget* widget) {
  const QVariant base = widget->property(kBase);
  return base.isValid() ? base.value<Base>().font : widget->font();
}

void keep_on_screen(QWidget* window, QSize full) {
  const QScreen* screen = window->screen();
  if (!screen || full.isEmpty()) return;
  window->setProperty(kFull, full);
  const QRect area = screen->availableGeometry();
  // The frame the window system adds (known once the window was shown).
  const QRect frame = window->frameGeometry(), inner = window->geometry();
  const QSize decoration = window->isVisible() ? frame.size() - inner.size() : QSize(0, 0);
  const QSize fitted = full.boundedTo(area.size() - decoration);
  if (window->minimumSize() != fitted || window->maximumSize() != fitted) window->setFixedSize(fitted);
  if (!window->isVisible() && !window->testAttribute(Qt::WA_Moved)) return;
  // Back on the screen: the frame's top left inside the area, and as much
  // of the rest as fits.
  const QSize outer = fitted + decoration;
  QPoint at = window->isVisible() ? frame.topLeft() : window->pos();
  at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())));
  at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
  if (at != (window->isVisible() ? frame.topLeft() : window->pos())) window->move(at);
}

FitScrollArea::FitScrollArea(QWidget* page, QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setWidget(page);
}

QSize FitScrollArea::sizeHint() const {
  const QWidget* page = widget();
  if (!page) return QScrollArea::sizeHint();
  return page->minimumSize().expandedTo(page->sizeHint()).expandedTo(page->minimumSizeHint());
}

}  // namespace brennick
