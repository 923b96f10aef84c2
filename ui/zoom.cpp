#include "ui/zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHash>
#include <QHeaderView>
#include <QLayout>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionSpinBox>
#include <QTableWidget>
#include <QToolBar>
#include <QToolTip>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace brennick {
namespace {

constexpr char kBase[] = "brennick_zoom_base";  // the widget's sizes as built

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

Base base_of(QWidget* w) {
  Base b;
  b.geometry = w->geometry();
  b.placed = !w->isWindow() && !in_layout(w->parentWidget() ? w->parentWidget()->layout() : nullptr, w);
  b.min = w->minimumSize();
  b.max = w->maximumSize();
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

// The icons drawn so far, for as long as the application lives: the menu,
// the tool bar and the lists show the same icons, each drawn once.
class DrawnIcons : public QObject {
 public:
  using QObject::QObject;
  QHash<int, QIcon> icons;
};

}  // namespace

QIcon drawn_icon(art::Icon id) {
  static QPointer<DrawnIcons> drawn;
  if (!drawn && QCoreApplication::instance()) drawn = new DrawnIcons(QCoreApplication::instance());
  const int key = static_cast<int>(id);
  if (drawn)
    if (auto it = drawn->icons.constFind(key); it != drawn->icons.constEnd()) return it.value();
  QIcon icon;
  for (double scale : {1.0, 1.25, 1.5, 2.0, 2.5, 3.0, 4.0}) icon.addPixmap(QPixmap::fromImage(art::icon(id, scale)));
  if (drawn) drawn->icons.insert(key, icon);
  return icon;
}

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

void apply_zoom(QWidget* window, int percent) {
  const double f = valid_zoom(percent) / 100.0;
  QList<QWidget*> widgets{window};
  widgets += window->findChildren<QWidget*>();
  // What each widget was built with, taken once, before anything is scaled.
  for (QWidget* w : widgets)
    if (!w->property(kBase).isValid()) w->setProperty(kBase, QVariant::fromValue(base_of(w)));

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
}

}  // namespace brennick
