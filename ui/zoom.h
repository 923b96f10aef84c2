// The windows' zoom: 100 %, 125 %, 150 % or 200 % of the designed size.
//
// apply_zoom scales a window and everything in it together from the sizes
// it was built with (remembered the first time): the geometry of widgets
// placed by hand, fixed and minimum sizes, layout margins and spacings,
// fonts, icon sizes, and the rows and columns of grids. Pictures follow
// their boxes (ui/picture_box.h draws them at the box's device size) and
// the program's icons are drawn at every size (art::icon with a scale), so
// nothing is a blown-up small bitmap. The platform's own scale factor comes
// on top, through Qt's device pixel ratio.
#pragma once

#include <QIcon>
#include <array>

#include "assets/art.h"

class QWidget;

namespace brennick {

inline constexpr std::array<int, 4> kZoomPercents = {100, 125, 150, 200};

// The zoom one step larger or smaller (staying at the ends), and a stored
// value made one of kZoomPercents (100 otherwise).
int zoom_in(int percent);
int zoom_out(int percent);
int valid_zoom(int percent);

// Scales `window` (a top-level window) to `percent` of its built size.
void apply_zoom(QWidget* window, int percent);

// A program icon drawn at every size a zoom and a screen scale ask for.
QIcon drawn_icon(art::Icon id);

}  // namespace brennick
