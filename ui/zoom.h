// The windows' zoom: 100 %, 125 %, 150 % or 200 % of the designed size.
//
// apply_zoom scales a window and everything in it together from the sizes
// it was built with (remembered the first time): the geometry of widgets
// placed by hand, fixed and minimum sizes, layout margins and spacings,
// fonts, icon sizes, and the rows and columns of grids. Pictures follow
// their boxes (ui/picture_box.h draws them at the box's device size) and
// the program's icons are drawn at every size (art::icon with a scale), so
// nothing is a blown-up small bitmap. The platform's own scale factor comes
// on top, through Qt's device pixel ratio. What the style draws (indicators,
// spin-box buttons, tab spacing, small icons) scales through set_style_zoom.
#pragma once

#include <QFont>
#include <QIcon>
#include <QScrollArea>
#include <QImage>
#include <QSize>
#include <array>
#include <functional>

#include "assets/art.h"

class QWidget;

namespace brennick {

inline constexpr std::array<int, 4> kZoomPercents = {100, 125, 150, 200};

// The zoom one step larger or smaller (staying at the ends), and a stored
// value made one of kZoomPercents (100 otherwise).
int zoom_in(int percent);
int zoom_out(int percent);
int valid_zoom(int percent);

// Takes what `window` and everything in it were built with, once (what
// apply_zoom scales from). Call before set_style_zoom changes the style, so
// that lengths the style gives (default margins and spacings) are taken as
// built.
void remember_built_sizes(QWidget* window);

// The font `widget` was built with (its font now when no zoom took it yet).
QFont built_font(const QWidget* widget);

// Scales `window` (a top-level window) to `percent` of its built size. A
// LazyWindow (ui/lazy_window.h) finishes its layout first: what it lays out
// is part of the built size the zoom scales.
void apply_zoom(QWidget* window, int percent);

// Keeps a top-level window within the available area of its screen: a
// window larger than that area is made as large as the area (its contents
// scroll: see FitScrollArea) and one that reaches beyond it is moved back.
// `full` is the window's size as designed and zoomed. apply_zoom calls it
// for the window it zooms; windows call it before they show.
void keep_on_screen(QWidget* window, QSize full);
// The full size keep_on_screen was last given for the window (invalid when
// it never was).
QSize full_window_size(const QWidget* window);

// The scroll area that fills a window and holds its page of contents: it
// asks for room for the whole page, without scroll bars or frame, and shows
// scroll bars only when its window is smaller than the page.
class FitScrollArea : public QScrollArea {
 public:
  explicit FitScrollArea(QWidget* page, QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return {0, 0}; }
};

// What the style draws itself follows the zoom of every window: check-box
// and radio indicators, spin-box buttons, tab spacing, scroll bars, menu
// and button icons, and the font of whatever the program does not zoom
// window by window (message boxes, file dialogs, menus opened on demand,
// tooltips). Call before apply_zoom on the windows.
void set_style_zoom(int percent);

// The factor set_style_zoom last set (1 at 100 %), and a length designed at
// 100 % scaled by it.
double style_zoom_factor();
int style_zoomed(int pixels);

// A program icon drawn at every size a zoom and a screen scale ask for,
// each when it is first shown.
QIcon drawn_icon(art::Icon id);

// An icon of one picture of `size`, which `make` draws when the icon is
// first shown.
QIcon lazy_icon(QSize size, std::function<QImage()> make);

}  // namespace brennick
