// Skill pictures, switches, markers, tool bar icons and the About picture.
#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

#include "assets/art_paint.h"

namespace brennick::art::detail {

namespace {

constexpr double pi = std::numbers::pi;

QPainterPath unite(std::initializer_list<QPainterPath> parts) {
  QPainterPath all;
  for (const QPainterPath& part : parts) all = all.united(part);
  return all;
}

QPainterPath transformed(const QPainterPath& path, QPointF centre, double degrees,
                         double factor = 1.0, QPointF shift = {}) {
  QTransform t;
  t.translate(centre.x() + shift.x(), centre.y() + shift.y());
  t.rotate(degrees);
  t.scale(factor, factor);
  t.translate(-centre.x(), -centre.y());
  return t.map(path);
}

QPainterPath star_path(QPointF c, double outer, double inner, int points, double turn) {
  QPolygonF poly;
  for (int i = 0; i < points * 2; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double a = turn + pi * i / points;
    poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
  }
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : points) {
    if (first)
      path.moveTo(pt);
    else
      path.lineTo(pt);
    first = false;
  }
  path.closeSubpath();
  return path;
}

// --- Glyph shapes, in a 40x40 box ------------------------------------------

QPainterPath glyph_sword() {
  return unite({polygon({{20, 4}, {23, 9.5}, {23, 25}, {17, 25}, {17, 9.5}}),
                rect_path(11.5, 25, 17, 3.6, 1.5), rect_path(18.4, 28.6, 3.2, 5.6),
                ellipse_path({20, 35.6}, 2.4, 2.4)});
}

QPainterPath glyph_arrow() {
  const QPainterPath arrow = unite(
      {rect_path(18.8, 11, 2.4, 20), polygon({{20, 3.5}, {25.5, 13.5}, {14.5, 13.5}}),
       polygon({{18.8, 25}, {14.5, 30.5}, {14.5, 36}, {18.8, 31}}),
       polygon({{21.2, 25}, {25.5, 30.5}, {25.5, 36}, {21.2, 31}})});
  return arrow;
}

QPainterPath glyph_shield() {
  QPainterPath s;
  s.moveTo(20, 5);
  s.cubicTo(24, 7.5, 29, 8, 32, 8);
  s.lineTo(32, 18);
  s.cubicTo(32, 27, 26, 32, 20, 36);
  s.cubicTo(14, 32, 8, 27, 8, 18);
  s.lineTo(8, 8);
  s.cubicTo(11, 8, 16, 7.5, 20, 5);
  s.closeSubpath();
  return s.subtracted(transformed(s, {20, 19}, 0, 0.62)).united(
      unite({rect_path(18.5, 11, 3, 19), rect_path(12.5, 16, 15, 3)}));
}

QPainterPath glyph_flame() {
  QPainterPath f;
  f.moveTo(20, 36);
  f.cubicTo(11, 36, 7.5, 28, 11, 20);
  f.cubicTo(12, 23.5, 14, 24.5, 15.5, 24.5);
  f.cubicTo(13, 16, 18, 9, 23, 4);
  f.cubicTo(22, 12, 31.5, 16, 31.5, 25);
  f.cubicTo(31.5, 32, 27, 36, 20, 36);
  f.closeSubpath();
  return f.subtracted(transformed(f, {20, 35}, 0, 0.42));
}

QPainterPath glyph_bolt() {
  return polygon({{23.5, 3}, {9.5, 22}, {18.5, 22}, {14.5, 37}, {30.5, 16}, {21.5, 16}, {26.5, 3}});
}

QPainterPath glyph_snowflake() {
  QPainterPath lines;
  const QPointF c(20, 20);
  for (int i = 0; i < 6; ++i) {
    const double a = -pi / 2 + i * pi / 3;
    const QPointF dir(std::cos(a), std::sin(a));
    lines.moveTo(c);
    lines.lineTo(c + 15 * dir);
    const QPointF mid = c + 9 * dir;
    for (const double side : {-1.0, 1.0}) {
      const double b = a + side * pi / 4;
      lines.moveTo(mid);
      lines.lineTo(mid + 5 * QPointF(std::cos(b), std::sin(b)));
    }
  }
  return stroked(lines, 2.6);
}

QPainterPath glyph_drop() {
  QPainterPath d;
  d.moveTo(20, 4);
  d.cubicTo(25, 12, 31, 17, 31, 24);
  d.cubicTo(31, 31, 26, 36, 20, 36);
  d.cubicTo(14, 36, 9, 31, 9, 24);
  d.cubicTo(9, 17, 15, 12, 20, 4);
  d.closeSubpath();
  return d.subtracted(ellipse_path({15.5, 25}, 2.4, 3.6));
}

QPainterPath glyph_heart() {
  QPainterPath h;
  h.moveTo(20, 34);
  h.cubicTo(8, 26, 4.5, 19, 7.5, 12.5);
  h.cubicTo(10.5, 6.5, 18, 7.5, 20, 13.5);
  h.cubicTo(22, 7.5, 29.5, 6.5, 32.5, 12.5);
  h.cubicTo(35.5, 19, 32, 26, 20, 34);
  h.closeSubpath();
  return h;
}

QPainterPath glyph_wing() {
  QPainterPath w;
  w.moveTo(6, 30);
  w.cubicTo(8, 17, 18, 8, 35, 6);
  w.quadTo(31, 14, 24, 15.5);
  w.quadTo(28, 19, 20.5, 21.5);
  w.quadTo(24, 25, 15.5, 27);
  w.quadTo(16.5, 31, 6, 30);
  w.closeSubpath();
  return w;
}

QPainterPath glyph_eye() {
  QPainterPath e;
  e.moveTo(4, 20);
  e.quadTo(20, 5, 36, 20);
  e.quadTo(20, 35, 4, 20);
  e.closeSubpath();
  return e.subtracted(ellipse_path({20, 20}, 7, 7)).united(ellipse_path({20, 20}, 3.6, 3.6));
}

QPainterPath glyph_spiral() {
  QPainterPath s;
  bool first = true;
  for (double t = 0; t <= 4 * pi; t += 0.15) {
    const double r = 1.2 + t * 1.1;
    const QPointF pt(20 + r * std::cos(t), 20 + r * std::sin(t));
    if (first)
      s.moveTo(pt);
    else
      s.lineTo(pt);
    first = false;
  }
  return stroked(s, 3.0);
}

QPainterPath glyph_burst() {
  QPolygonF poly;
  for (int i = 0; i < 16; ++i) {
    const double r = i % 2 == 1 ? 6.0 : (i % 4 == 0 ? 16.0 : 11.0);
    const double a = -pi / 2 + pi * i / 8;
    poly << QPointF(20 + r * std::cos(a), 20 + r * std::sin(a));
  }
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

QPainterPath glyph_cross() {
  return unite({rect_path(16, 6, 8, 28, 2), rect_path(6, 16, 28, 8, 2)});
}

QPainterPath glyph_moon() {
  return ellipse_path({19, 20}, 14, 14).subtracted(ellipse_path({25, 15}, 11.5, 11.5));
}

QPainterPath glyph_whirl() {
  QPainterPath t;
  t.moveTo(7, 8);
  t.quadTo(20, 14, 33, 8);
  t.moveTo(10, 15.5);
  t.quadTo(21, 20.5, 30.5, 15.5);
  t.moveTo(13, 23);
  t.quadTo(21.5, 26.5, 27.5, 23);
  t.moveTo(16.5, 29.5);
  t.quadTo(21.5, 31.5, 24, 29.5);
  t.moveTo(19.5, 34.5);
  t.lineTo(21.5, 35.5);
  return stroked(t, 3.4);
}

QPainterPath skull_path(double s) {
  QPainterPath skull = unite({ellipse_path({9.5 * s, 8 * s}, 6.8 * s, 6.4 * s),
                              rect_path(5.8 * s, 10 * s, 7.4 * s, 6.2 * s, 1.6 * s)});
  skull = skull.subtracted(ellipse_path({7 * s, 8.6 * s}, 1.9 * s, 2.1 * s));
  skull = skull.subtracted(ellipse_path({12 * s, 8.6 * s}, 1.9 * s, 2.1 * s));
  skull = skull.subtracted(polygon({{9.5 * s, 10.8 * s}, {8.3 * s, 13 * s}, {10.7 * s, 13 * s}}));
  for (const double x : {7.8, 9.5, 11.2})
    skull = skull.subtracted(rect_path((x - 0.35) * s, 14.3 * s, 0.7 * s, 2.2 * s));
  return skull;
}

QPainterPath glyph_skull() {
  return QTransform().translate(20 - 9.5 * 1.9, 19.5 - 9.5 * 1.9).map(skull_path(1.9));
}

QPainterPath glyph_axe() {
  QPainterPath blade;
  blade.moveTo(20, 9);
  blade.cubicTo(15, 8, 11, 5.5, 8.5, 3.5);
  blade.cubicTo(4, 10, 4, 19, 8.5, 25.5);
  blade.cubicTo(11, 23, 15, 21, 20, 20.5);
  blade.closeSubpath();
  return unite({rect_path(18.4, 5, 3.2, 32, 1.2), blade, mirrored_x(blade, 20),
                polygon({{18.4, 5.5}, {20, 1.5}, {21.6, 5.5}})});
}

QPainterPath glyph_spear() {
  QPainterPath head;
  head.moveTo(20, 2);
  head.cubicTo(25.5, 8, 25.5, 13, 20.8, 18);
  head.lineTo(19.2, 18);
  head.cubicTo(14.5, 13, 14.5, 8, 20, 2);
  head.closeSubpath();
  return transformed(unite({rect_path(18.8, 15, 2.4, 23, 1), head,
                            polygon({{16, 17}, {24, 17}, {21.5, 20}, {18.5, 20}})}),
                     {20, 20}, 32);
}

QPainterPath glyph_planet() {
  QPainterPath ring = transformed(ellipse_path({20, 20}, 16, 5), {20, 20}, -22);
  ring = stroked(ring, 2.4);
  const QPainterPath ball = ellipse_path({20, 20}, 8.5, 8.5);
  // The ring passes behind the ball above and in front of it below.
  const QPainterPath behind = ring.subtracted(ball).subtracted(rect_path(0, 20, 40, 20));
  const QPainterPath front = ring.subtracted(rect_path(0, 0, 40, 20));
  return unite({ball.subtracted(stroked(front, 1.6)), behind, front});
}

QPainterPath glyph_gear() {
  QPolygonF poly;
  constexpr int teeth = 10;
  for (int i = 0; i < teeth * 4; ++i) {
    const double a = 2 * pi * (i - 0.5) / (teeth * 4);
    const double r = (i % 4 == 0 || i % 4 == 1) ? 15.0 : 11.5;
    poly << QPointF(20 + r * std::cos(a), 20 + r * std::sin(a));
  }
  QPainterPath gear;
  gear.addPolygon(poly);
  gear.closeSubpath();
  return gear.subtracted(ellipse_path({20, 20}, 5, 5));
}

QPainterPath glyph_slashes() {
  QPainterPath all;
  for (int i = 0; i < 3; ++i) {
    const double dx = i * 7.0;
    QPainterPath s;
    s.moveTo(6 + dx, 34);
    s.cubicTo(9 + dx, 24, 15 + dx, 15, 21 + dx, 6);
    QPainterPathStroker st;
    st.setWidth(3.0);
    st.setCapStyle(Qt::FlatCap);
    all = all.united(st.createStroke(s));
    all = all.united(polygon({{21 + dx - 1.6, 6.8}, {22.5 + dx, 3.5}, {21 + dx + 1.4, 7.8}}));
  }
  return all;
}

QPainterPath glyph_sun() {
  QPainterPath sun = ellipse_path({20, 20}, 7.5, 7.5);
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * pi * i / 12;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    const QPointF base = QPointF(20, 20) + 9.5 * dir;
    sun = sun.united(polygon({base + 1.8 * side, QPointF(20, 20) + 16 * dir, base - 1.8 * side}));
  }
  return sun;
}

QPainterPath glyph(int index) {
  switch (index) {
    case 0:
      return glyph_sword();
    case 1:
      return unite({transformed(glyph_sword(), {20, 20}, 40, 0.92),
                    transformed(glyph_sword(), {20, 20}, -40, 0.92)});
    case 2:
      return transformed(glyph_arrow(), {20, 20}, 45, 1.05);
    case 3:
      return unite({transformed(glyph_arrow(), {20, 20}, 0, 0.72, {-8.5, 3}),
                    transformed(glyph_arrow(), {20, 20}, 0, 0.72, {0, -2}),
                    transformed(glyph_arrow(), {20, 20}, 0, 0.72, {8.5, 3})});
    case 4:
      return glyph_shield();
    case 5:
      return glyph_flame();
    case 6:
      return glyph_bolt();
    case 7:
      return star_path({20, 21}, 15, 6.2, 5, -pi / 2);
    case 8:
      return glyph_snowflake();
    case 9:
      return glyph_drop();
    case 10:
      return glyph_heart();
    case 11:
      return glyph_wing();
    case 12:
      return glyph_eye();
    case 13:
      return glyph_spiral();
    case 14:
      return glyph_burst();
    case 15:
      return glyph_cross();
    case 16:
      return glyph_moon();
    case 17:
      return glyph_whirl();
    case 18:
      return glyph_skull();
    case 19:
      return glyph_axe();
    case 20:
      return glyph_spear();
    case 21:
      return glyph_planet();
    case 22:
      return glyph_gear();
    case 23:
      return glyph_slashes();
    default:
      return glyph_sun();
  }
}

constexpr int glyph_count = 25;

// Fighter, Archer, Pikeman, Mechanician, Atalanta, Knight, Magician, Priestess.
constexpr std::array<QRgb, 8> class_colours{0xb4382a, 0x3f8f3a, 0xc87a1a, 0x2a8494,
                                            0xb09a1c, 0x3258b8, 0x7a3cb0, 0xc04c86};

void draw_frame(QPainter& p, int tier) {
  static constexpr std::array<QRgb, 4> frame_colours{0xa8743c, 0xc8ccd6, 0xe6bc3c, 0xffd24a};
  const QColor colour(frame_colours[static_cast<std::size_t>(tier - 1)]);
  const double width = 1.6 + 0.5 * tier;
  QPainterPath frame = rect_path(0, 0, 40, 40).subtracted(
      rect_path(width, width, 40 - 2 * width, 40 - 2 * width, tier >= 3 ? 2.5 : 0));
  fill_gradient(p, frame, mix(colour, Qt::white, 0.55), colour, mix(colour, Qt::black, 0.45),
                {0, 0}, {40, 40}, mix(colour, Qt::black, 0.65));
  if (tier >= 2) {
    p.setPen(hairline(with_alpha(mix(colour, Qt::white, 0.3), 200), 0.8));
    p.setBrush(Qt::NoBrush);
    const double inset = width + 1.6;
    p.drawRoundedRect(QRectF(inset, inset, 40 - 2 * inset, 40 - 2 * inset), 2, 2);
  }
  if (tier == 3) {
    for (const QPointF c : {QPointF(width / 2 + 0.4, width / 2 + 0.4),
                            QPointF(40 - width / 2 - 0.4, width / 2 + 0.4),
                            QPointF(width / 2 + 0.4, 40 - width / 2 - 0.4),
                            QPointF(40 - width / 2 - 0.4, 40 - width / 2 - 0.4)}) {
      p.setPen(Qt::NoPen);
      p.setBrush(mix(colour, Qt::white, 0.6));
      p.drawEllipse(c, 1.2, 1.2);
    }
    p.setBrush(Qt::NoBrush);
  }
  if (tier == 4) {
    for (const QPointF c : {QPointF(3.6, 3.6), QPointF(36.4, 3.6), QPointF(3.6, 36.4),
                            QPointF(36.4, 36.4)}) {
      const QPainterPath diamond = polygon({c + QPointF(0, -3.4), c + QPointF(3.4, 0),
                                            c + QPointF(0, 3.4), c + QPointF(-3.4, 0)});
      fill_gradient(p, diamond, QColor(0xffe0e8), QColor(0xe0304a), QColor(0x801020), c - QPointF(3, 3),
                    c + QPointF(3, 3), QColor(0x501010));
    }
  }
}

}  // namespace

void draw_skill(QPainter& p, int class_index, int slot) {
  const QColor colour(class_colours[static_cast<std::size_t>(std::clamp(class_index, 0, 7))]);
  const int tier = slot / 4 + 1;

  QRadialGradient bg(QPointF(20, 15), 30);
  bg.setColorAt(0.0, mix(colour, Qt::white, 0.35));
  bg.setColorAt(0.5, colour);
  bg.setColorAt(1.0, mix(colour, Qt::black, 0.65));
  p.setPen(Qt::NoPen);
  p.setBrush(bg);
  p.drawRect(QRectF(0, 0, 40, 40));
  // Faint rays behind the glyph, more of them for higher tiers.
  p.setBrush(with_alpha(mix(colour, Qt::white, 0.5), 45));
  const int rays = 4 + 2 * tier;
  for (int i = 0; i < rays; ++i) {
    const double a = 2 * pi * i / rays + 0.3 * slot;
    const double b = a + pi / rays * 0.55;
    p.drawPolygon(QPolygonF{QPointF(20, 20), QPointF(20 + 30 * std::cos(a), 20 + 30 * std::sin(a)),
                            QPointF(20 + 30 * std::cos(b), 20 + 30 * std::sin(b))});
  }
  p.setBrush(Qt::NoBrush);

  const int index = (slot + class_index * 3) % glyph_count;
  // Keep the glyph clear of the frame.
  const QPainterPath shape = transformed(glyph(index), {20, 20}, 0, 0.84);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 120));
  p.drawPath(shape.translated(1.2, 1.4));
  QLinearGradient fill(QPointF(10, 6), QPointF(30, 34));
  const QColor glyph_light = tier == 4 ? QColor(0xfff6d8) : QColor(0xffffff);
  fill.setColorAt(0.0, glyph_light);
  fill.setColorAt(1.0, mix(colour, tier >= 3 ? QColor(0xffe9a0) : QColor(Qt::white), 0.6));
  p.setBrush(fill);
  p.setPen(hairline(mix(colour, Qt::black, 0.7), 0.9));
  p.drawPath(shape);
  p.setBrush(Qt::NoBrush);

  draw_frame(p, tier);
}

void draw_switch(QPainter& p, bool on) {
  const QPainterPath track = rect_path(0.8, 3.8, 14.4, 8.4, 4.2);
  if (on)
    fill_gradient(p, track, QColor(0x9cf09c), QColor(0x36b844), QColor(0x1a7a26), {0, 4}, {0, 12},
                  QColor(0x0e4a16));
  else
    fill_gradient(p, track, QColor(0xf0a0a0), QColor(0xc83c3c), QColor(0x842020), {0, 4}, {0, 12},
                  QColor(0x501010));
  const QPointF knob = on ? QPointF(11, 8) : QPointF(5, 8);
  fill_gradient(p, ellipse_path(knob, 3.6, 3.6), QColor(0xffffff), QColor(0xe8e8e8),
                QColor(0xa8a8a8), knob - QPointF(3, 3), knob + QPointF(3, 3), QColor(0x404040));
}

void draw_kind_marker(QPainter& p, bool active) {
  const QColor colour = active ? QColor(0xf08020) : QColor(0x3c78c8);
  fill_gradient(p, ellipse_path({8, 8}, 7, 7), mix(colour, Qt::white, 0.5), colour,
                mix(colour, Qt::black, 0.45), {2, 2}, {14, 14}, mix(colour, Qt::black, 0.7));
  p.setPen(hairline(mix(colour, Qt::black, 0.6), 0.8));
  p.setBrush(QColor(0xffffff));
  if (active) {
    p.drawPath(polygon({{9.3, 2.6}, {4.6, 9}, {7.8, 9}, {6.6, 13.6}, {11.6, 7}, {8.4, 7}, {10.4, 2.6}}));
  } else {
    p.drawPath(ellipse_path({8, 8}, 4, 4).subtracted(ellipse_path({8, 8}, 2, 2)));
  }
  p.setBrush(Qt::NoBrush);
}

namespace {

Material icon_material(double rank) {
  Material m = material(Stuff::Metal, rank);
  m.small = true;
  m.glow = 0;
  m.gems = 0;
  return m;
}

}  // namespace

namespace {

// The small weapon silhouettes of the kind icons, drawn upright about the
// origin (point at y -10.5, butt at y +10.5) and then turned.
struct KindPaints {
  QColor steel_light{0xf0f4fa}, steel{0x9eacbe}, steel_dark{0x4a5666}, steel_edge{0x1c222a};
  QColor wood_light{0xc89058}, wood{0x80502a}, wood_dark{0x4a2c16}, wood_edge{0x24140a};
};

void steel(QPainter& p, const QPainterPath& path, const KindPaints& k) {
  const QRectF box = path.boundingRect();
  fill_gradient(p, path, k.steel_light, k.steel, k.steel_dark, box.topLeft(), box.bottomRight(),
                k.steel_edge);
}

void wood(QPainter& p, const QPainterPath& path, const KindPaints& k) {
  fill_gradient(p, path, k.wood_light, k.wood, k.wood_dark, {-1.5, 0}, {1.5, 0}, k.wood_edge);
}

void upright_kind(QPainter& p, int kind) {
  const KindPaints k;
  switch (kind) {
    case 0: {  // axe
      wood(p, rect_path(-0.9, -8.5, 1.8, 19, 0.8), k);
      QPainterPath blade;
      blade.moveTo(-0.5, -7.5);
      blade.lineTo(-3, -9.8);
      blade.cubicTo(-6.4, -7, -6.6, -1.5, -5, 2);
      blade.lineTo(-0.5, -2);
      blade.closeSubpath();
      steel(p, blade, k);
      steel(p, polygon({{0.6, -7}, {3.6, -6}, {0.6, -3.5}}), k);
      break;
    }
    case 1: {  // bow
      p.setPen(hairline(QColor(0xe8e0d0), 0.9));
      p.drawLine(QPointF(-2.6, -8.3), QPointF(-2.6, 8.3));
      QPainterPath limb;
      limb.moveTo(-2.8, -8.6);
      limb.cubicTo(5.8, -5.4, 5.8, 5.4, -2.8, 8.6);
      wood(p, stroked(limb, 2.8), k);
      // A nocked arrow across the bow.
      steel(p, polygon({{-3.8, -0.55}, {5, -0.55}, {5, -1.9}, {8.2, 0}, {5, 1.9}, {5, 0.55},
                        {-3.8, 0.55}}),
            k);
      fill_gradient(p, rect_path(2.1, -1.8, 2.2, 3.6, 0.6), QColor(0xa06a40), QColor(0x5a3418),
                    QColor(0x2a180a), {2.1, 0}, {4.3, 0}, k.wood_edge);
      break;
    }
    case 2: {  // scythe
      wood(p, rect_path(-1.05, -9, 2.1, 19.5, 0.9), k);
      QPainterPath blade;
      blade.moveTo(1, -9.6);
      blade.cubicTo(-4, -11.2, -8.4, -8.4, -9.4, -2);
      blade.cubicTo(-6.4, -5.6, -3.2, -6.2, 1, -6.0);
      blade.closeSubpath();
      steel(p, blade, k);
      break;
    }
    case 3: {  // claw
      for (const double dx : {-3.4, 0.0, 3.4}) {
        QPainterPath b;
        b.moveTo(dx - 1.1, 1.5);
        b.cubicTo(dx - 1.1, -3.5, dx + 0.2, -7, dx + 1.8, -10);
        b.cubicTo(dx + 1.1, -6, dx + 1.1, -3, dx + 1.1, 1.5);
        b.closeSubpath();
        steel(p, b, k);
      }
      steel(p, rect_path(-5.6, 0.6, 11.2, 3, 1.2), k);
      fill_gradient(p, rect_path(-4.6, 3.6, 9.2, 6.4, 2), QColor(0xb07a4a), QColor(0x6a4020),
                    QColor(0x3a2010), {0, 3.6}, {0, 10}, k.wood_edge);
      break;
    }
    case 4: {  // javelin
      wood(p, rect_path(-1.1, -4.5, 2.2, 15, 0.9), k);
      QPainterPath head;
      head.moveTo(0, -10.8);
      head.cubicTo(4.2, -7.4, 4.2, -4.8, 1.1, -2.8);
      head.lineTo(-1.1, -2.8);
      head.cubicTo(-4.2, -4.8, -4.2, -7.4, 0, -10.8);
      head.closeSubpath();
      steel(p, head, k);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0xb03a2e));
      p.drawPath(polygon({{-0.8, 5.8}, {-3.4, 10.5}, {-0.8, 9.2}}));
      p.drawPath(polygon({{0.8, 5.8}, {3.4, 10.5}, {0.8, 9.2}}));
      p.setBrush(Qt::NoBrush);
      break;
    }
    case 5: {  // sword
      steel(p, polygon({{0, -10.8}, {2, -8.2}, {2, 3}, {-2, 3}, {-2, -8.2}}), k);
      fill_gradient(p, rect_path(-4.8, 2.8, 9.6, 2, 0.8), QColor(0xfff0b0), QColor(0xd8a838),
                    QColor(0x8a6010), {0, 2.8}, {0, 4.8}, QColor(0x4a3008));
      wood(p, rect_path(-0.9, 4.8, 1.8, 4, 0.5), k);
      fill_gradient(p, ellipse_path({0, 9.6}, 1.4, 1.4), QColor(0xfff0b0), QColor(0xd8a838),
                    QColor(0x8a6010), {-1, 8.6}, {1, 10.6}, QColor(0x4a3008));
      break;
    }
    case 6: {  // wand
      wood(p, rect_path(-0.8, -4, 1.6, 14.5, 0.7), k);
      const QPainterPath moon =
          ellipse_path({0, -6}, 3.8, 3.8).subtracted(ellipse_path({0, -7.6}, 3.4, 3.4));
      fill_gradient(p, moon, QColor(0xfff0b0), QColor(0xd8a838), QColor(0x8a6010), {-3, -9},
                    {3, -2}, QColor(0x4a3008));
      draw_gem(p, {0, -7.4}, 2.4, QColor(0x3a7af0));
      break;
    }
    default: {  // mace
      fill_gradient(p, rect_path(-0.9, -3, 1.8, 13.5, 0.8), QColor(0xb0b4bc), QColor(0x6a707a),
                    QColor(0x30343a), {-1, 0}, {1, 0}, k.steel_edge);
      for (int i = 0; i < 8; ++i) {
        const double a = i * pi / 4;
        const QPointF c(0, -6.4);
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        steel(p, polygon({c + 2.4 * dir + 1.1 * side, c + 5.2 * dir, c + 2.4 * dir - 1.1 * side}), k);
      }
      steel(p, ellipse_path({0, -6.4}, 3.2, 3.2), k);
      break;
    }
  }
}

}  // namespace

void draw_weapon_kind(QPainter& p, int kind) {
  p.save();
  p.translate(8, 8);
  // The bow lies across the other diagonal, its arrow to the top right.
  p.rotate(kind == 3 ? 20 : (kind == 1 ? -45 : 45));
  // A margin keeps the corners free for the transparent key.
  p.scale(0.86, 0.86);
  upright_kind(p, kind);
  p.restore();
}

void draw_weapons(QPainter& p) {
  // An axe and a sword crossed.
  p.save();
  p.translate(8, 8);
  p.rotate(-45);
  p.scale(0.86, 0.86);
  upright_kind(p, 0);
  p.restore();
  p.save();
  p.translate(8, 8);
  p.rotate(45);
  p.scale(0.86, 0.86);
  upright_kind(p, 5);
  p.restore();
}

void draw_shield_kind(QPainter& p) {
  p.save();
  p.translate(8, 8);
  p.scale(0.178, 0.178);
  p.translate(-23, -44);
  draw_shield(p, icon_material(0.5), 0);
  p.restore();
}

void draw_one_hand(QPainter& p) {
  p.save();
  p.translate(9.6, 6.4);
  p.rotate(45);
  p.scale(0.78, 0.78);
  upright_kind(p, 5);
  p.restore();
  const QPointF c(5.2, 10.8);
  fill_gradient(p, ellipse_path(c, 4.4, 4.4), QColor(0xa8c4f0), QColor(0x3d6cc0), QColor(0x1c3470),
                c - QPointF(4, 4), c + QPointF(4, 4), QColor(0x101c40));
  fill_gradient(p, ellipse_path(c, 1.5, 1.5), QColor(0xfff0b0), QColor(0xe0b030), QColor(0x8a6010),
                c - QPointF(1.5, 1.5), c + QPointF(1.5, 1.5), QColor(0x503808));
}

void draw_two_hand(QPainter& p) {
  // A great sword: broad blade, wide guard and a long grip for both hands.
  const KindPaints k;
  const QColor gold_light(0xfff0b0), gold(0xd8a838), gold_dark(0x8a6010), gold_edge(0x4a3008);
  p.save();
  p.translate(8, 8);
  p.rotate(45);
  p.scale(0.84, 0.84);
  steel(p, polygon({{0, -10.8}, {2.6, -7.6}, {2.4, 1.2}, {-2.4, 1.2}, {-2.6, -7.6}}), k);
  p.setPen(hairline(with_alpha(k.steel_dark, 180), 0.7));
  p.drawLine(QPointF(0, -7.5), QPointF(0, 0));
  fill_gradient(p, rect_path(-5.6, 1.1, 11.2, 2.3, 0.9), gold_light, gold, gold_dark, {0, 1.1},
                {0, 3.4}, gold_edge);
  wood(p, rect_path(-1.1, 3.4, 2.2, 6, 0.5), k);
  for (const double y : {4.8, 7.2})
    fill_gradient(p, rect_path(-1.5, y, 3, 0.9, 0.3), gold_light, gold, gold_dark, {0, y},
                  {0, y + 0.9}, gold_edge);
  fill_gradient(p, ellipse_path({0, 10.2}, 1.6, 1.6), gold_light, gold, gold_dark, {-1, 9},
                {1, 11.5}, gold_edge);
  p.restore();
}

void draw_dot(QPainter& p, bool green) {
  const QColor colour = green ? QColor(0x2cb83c) : QColor(0xd82a2a);
  QRadialGradient g(QPointF(6.2, 6.0), 7.0);
  g.setColorAt(0.0, mix(colour, Qt::white, 0.75));
  g.setColorAt(0.45, colour);
  g.setColorAt(1.0, mix(colour, Qt::black, 0.5));
  p.setPen(hairline(mix(colour, Qt::black, 0.7), 0.9));
  p.setBrush(g);
  p.drawEllipse(QPointF(8, 8), 5.6, 5.6);
  p.setBrush(Qt::NoBrush);
}

void draw_undo_arrow(QPainter& p, bool redo) {
  // A bent arrow turning back (undo) or forward (redo, the mirror image).
  p.save();
  if (redo) {
    p.translate(16, 0);
    p.scale(-1, 1);
  }
  QPainterPath bend;
  bend.moveTo(5.0, 6.5);
  bend.lineTo(10.0, 6.5);
  bend.cubicTo(13.8, 6.5, 14.6, 13.5, 10.0, 13.5);
  bend.lineTo(6.5, 13.5);
  QPen pen(QColor(0x1c4a9a), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(bend);
  QPainterPath head;
  head.moveTo(0.8, 6.5);
  head.lineTo(6.4, 2.0);
  head.lineTo(6.4, 11.0);
  head.closeSubpath();
  p.setPen(hairline(QColor(0x102a60), 0.8));
  p.setBrush(QColor(0x2c64c8));
  p.drawPath(head);
  p.restore();
}

void draw_undead(QPainter& p) {
  Material glow;
  glow.glow = 0.55;
  glow.glow_color = QColor(0x9a60d8);
  draw_glow(p, {9.5, 9.5}, 9.5, glow);
  fill_gradient(p, QTransform().translate(0, 0.8).map(skull_path(1.0)), QColor(0xfffaf0),
                QColor(0xe4dac2), QColor(0xa89878), {4, 2}, {15, 17}, QColor(0x302818));
}

void draw_folder(QPainter& p) {
  const QPainterPath back = polygon({{1, 3}, {6, 3}, {7.5, 4.8}, {14.5, 4.8}, {14.5, 13.5}, {1, 13.5}});
  fill_gradient(p, back, QColor(0xf0cc70), QColor(0xd8a640), QColor(0xa87420), {1, 3}, {14, 14},
                QColor(0x704a10));
  const QPainterPath front = polygon({{3, 7}, {15.5, 7}, {13.5, 13.5}, {1, 13.5}});
  fill_gradient(p, front, QColor(0xfff0a8), QColor(0xf4cc5c), QColor(0xd09a30), {3, 7}, {13, 14},
                QColor(0x704a10));
}

void draw_disk(QPainter& p) {
  fill_gradient(p, polygon({{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}),
                QColor(0x7aa4ec), QColor(0x3a66c0), QColor(0x1c3a80), {1, 1}, {15, 15},
                QColor(0x0c1a40));
  fill_gradient(p, rect_path(4, 1.5, 7.5, 5), QColor(0xf4f4f4), QColor(0xc8ccd4), QColor(0x8890a0),
                {4, 1}, {11, 7}, QColor(0x404650));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3a4050));
  p.drawRect(QRectF(8.6, 2.5, 1.8, 3));
  fill_gradient(p, rect_path(3.5, 8.5, 9, 6), QColor(0xffffff), QColor(0xf4f4ee), QColor(0xd8d8cc),
                {3, 8}, {12, 15}, QColor(0x606060));
  p.setPen(hairline(QColor(0xa0a8b8), 0.8));
  p.drawLine(QPointF(5, 10.8), QPointF(11, 10.8));
  p.drawLine(QPointF(5, 12.6), QPointF(11, 12.6));
}

void draw_book(QPainter& p) {
  const QPainterPath cover = polygon({{0.6, 4}, {8, 5.6}, {15.4, 4}, {15.4, 14}, {8, 15.4}, {0.6, 14}});
  fill_gradient(p, cover, QColor(0xd86050), QColor(0xa8302a), QColor(0x6a1410), {0, 4}, {16, 15},
                QColor(0x400a08));
  const QPainterPath left = polygon({{1.6, 2}, {8, 3.8}, {8, 14}, {1.6, 12.4}});
  const QPainterPath right = mirrored_x(left, 8);
  fill_gradient(p, left, QColor(0xffffff), QColor(0xf6f0e0), QColor(0xd8ccb0), {1, 2}, {8, 14},
                QColor(0x7a6a50));
  fill_gradient(p, right, QColor(0xffffff), QColor(0xf6f0e0), QColor(0xd8ccb0), {8, 2}, {15, 14},
                QColor(0x7a6a50));
  // A star on the right page, lines on the left.
  p.setPen(hairline(QColor(0xa09478), 0.8));
  for (int i = 0; i < 3; ++i)
    p.drawLine(QPointF(3, 5.6 + i * 2.4), QPointF(6.8, 6.6 + i * 2.4));
  fill_gradient(p, star_path({11.4, 8.2}, 3.4, 1.4, 5, -pi / 2), QColor(0xfff4b0), QColor(0xf0c030),
                QColor(0xb07810), {8, 5}, {14, 11}, QColor(0x604008));
}

void draw_emblem(QPainter& p) {
  Material sword = material(Stuff::Metal, 0.4);
  sword.glow = 0;
  sword.gems = 0;
  sword.small = true;
  p.save();
  p.translate(16, 15);
  p.rotate(-45);
  p.scale(0.36, 0.36);
  p.translate(-22, -44);
  draw_weapon(p, 5, sword, 0);
  p.restore();
  Material shield = material(Stuff::Metal, 0.5);
  shield.glow = 0;
  shield.gems = 1;
  shield.small = true;
  p.save();
  p.translate(16, 18);
  p.scale(0.27, 0.27);
  p.translate(-23, -44);
  draw_shield(p, shield, 0);
  p.restore();
}

void draw_resistance(QPainter& p, int which) {
  switch (which) {
    case 0: {  // organic: a leaf
      QPainterPath leaf;
      leaf.moveTo(5, 27);
      leaf.cubicTo(5, 13, 13, 5, 28, 4);
      leaf.cubicTo(28, 18, 20, 27, 5, 27);
      leaf.closeSubpath();
      fill_gradient(p, leaf, QColor(0xb4f08c), QColor(0x4cb03c), QColor(0x1e6a1e), {6, 4}, {28, 27},
                    QColor(0x0e3a0e));
      QPainterPath vein;
      vein.moveTo(3, 29);
      vein.quadTo(13, 18, 25, 7);
      vein.moveTo(12, 20);
      vein.lineTo(11, 13);
      vein.moveTo(17, 15);
      vein.lineTo(16.5, 9);
      vein.moveTo(12, 20);
      vein.lineTo(19, 20.5);
      vein.moveTo(17, 15);
      vein.lineTo(23, 15);
      p.setPen(design_pen(QColor(0x1a5a1a), 1.1));
      p.drawPath(vein);
      break;
    }
    case 1: {  // flame
      QPainterPath f;
      f.moveTo(16, 30);
      f.cubicTo(8, 30, 5, 23, 8, 16);
      f.cubicTo(9, 19, 11, 20, 12.5, 20);
      f.cubicTo(10, 13, 14, 7, 19, 2.5);
      f.cubicTo(18, 10, 26, 13, 26, 21);
      f.cubicTo(26, 27, 22, 30, 16, 30);
      f.closeSubpath();
      fill_gradient(p, f, QColor(0xffd040), QColor(0xf07820), QColor(0xc02010), {16, 30}, {16, 3},
                    QColor(0x701008));
      fill_gradient(p, transformed(f, {16, 29}, 0, 0.5), QColor(0xfffff0), QColor(0xffe870),
                    QColor(0xffb030), {16, 29}, {16, 16}, with_alpha(QColor(0xc06010), 0));
      break;
    }
    case 2: {  // ice: a snowflake
      const QPainterPath flake = transformed(glyph_snowflake(), {20, 20}, 0, 0.92, {-4, -4});
      fill_gradient(p, flake, QColor(0xf0fcff), QColor(0x8cd4f4), QColor(0x3a8cc8), {4, 4}, {28, 28},
                    QColor(0x184870));
      break;
    }
    case 3: {  // poison: a drop with bubbles
      QPainterPath d;
      d.moveTo(15, 3);
      d.cubicTo(19, 10, 25, 14, 25, 20.5);
      d.cubicTo(25, 26.5, 20.5, 30, 15, 30);
      d.cubicTo(9.5, 30, 5, 26.5, 5, 20.5);
      d.cubicTo(5, 14, 11, 10, 15, 3);
      d.closeSubpath();
      fill_gradient(p, d, QColor(0xd8f870), QColor(0x7cc020), QColor(0x3a6a10), {6, 5}, {24, 30},
                    QColor(0x3a1050));
      for (const auto& [c, r] : {std::pair{QPointF(26, 8), 2.8}, std::pair{QPointF(28.5, 14.5), 1.8},
                                 std::pair{QPointF(11, 22), 2.2}}) {
        p.setPen(hairline(QColor(0x3a1050), 0.9));
        p.setBrush(c.x() < 20 ? QColor(255, 255, 255, 150) : QColor(0xa070d0));
        p.drawEllipse(c, r, r);
      }
      p.setBrush(Qt::NoBrush);
      break;
    }
    default: {  // lightning
      const QPainterPath bolt =
          polygon({{19.5, 2}, {6.5, 18}, {14.5, 18}, {10.5, 30}, {25.5, 12.5}, {17.5, 12.5}, {22, 2}});
      fill_gradient(p, bolt, QColor(0xfffcc0), QColor(0xf8d820), QColor(0xd08a10), {8, 2}, {24, 30},
                    QColor(0x704008));
      break;
    }
  }
}

void draw_archer(QPainter& p) {
  // Dusk sky, stars and a pale moon.
  QLinearGradient sky(QPointF(0, 0), QPointF(0, 280));
  sky.setColorAt(0.0, QColor(0x0e1838));
  sky.setColorAt(0.45, QColor(0x2c3a78));
  sky.setColorAt(0.75, QColor(0x8a5a8a));
  sky.setColorAt(0.92, QColor(0xe89a5a));
  sky.setColorAt(1.0, QColor(0xf4c27a));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRect(QRectF(0, 0, 160, 280));
  Lcg random(20240611u);
  for (int i = 0; i < 40; ++i) {
    const double x = random.unit() * 160;
    const double y = random.unit() * 130;
    const double r = 0.35 + random.unit() * 0.75;
    p.setBrush(QColor(255, 255, 240, 120 + static_cast<int>(random.unit() * 120)));
    p.drawEllipse(QPointF(x, y), r, r);
  }
  QRadialGradient moon_glow(QPointF(46, 54), 30);
  moon_glow.setColorAt(0, QColor(255, 250, 220, 120));
  moon_glow.setColorAt(1, QColor(255, 250, 220, 0));
  p.setBrush(moon_glow);
  p.drawEllipse(QPointF(46, 54), 30, 30);
  p.setBrush(QColor(0xfff6dc));
  p.drawPath(ellipse_path({46, 54}, 14, 14).subtracted(ellipse_path({53, 49}, 12, 12)));

  // Far hills.
  QPainterPath far;
  far.moveTo(0, 226);
  far.cubicTo(30, 210, 60, 222, 90, 214);
  far.cubicTo(120, 206, 140, 216, 160, 210);
  far.lineTo(160, 280);
  far.lineTo(0, 280);
  far.closeSubpath();
  p.setBrush(QColor(0x4a3454));
  p.drawPath(far);

  const QColor shadow(0x141018);
  p.setBrush(shadow);
  // The hill the archer stands on.
  QPainterPath hill;
  hill.moveTo(0, 252);
  hill.quadTo(80, 236, 160, 248);
  hill.lineTo(160, 280);
  hill.lineTo(0, 280);
  hill.closeSubpath();
  p.drawPath(hill);
  // Grass tufts.
  Lcg grass(77u);
  for (int i = 0; i < 26; ++i) {
    const double x = grass.unit() * 160;
    const double t = x / 160;
    const double base = (1 - t) * (1 - t) * 252 + 2 * t * (1 - t) * 236 + t * t * 248 + 1.5;
    const double h = 3 + grass.unit() * 6;
    p.drawPath(polygon({{x - 1.2, base}, {x + (grass.unit() - 0.5) * 4, base - h}, {x + 1.2, base}}));
  }

  // The figure, facing left, drawing the bow.
  QPainterPath figure;
  figure.addEllipse(QPointF(92, 72), 10.5, 11.5);
  // Hood's tail.
  figure.addPath(polygon({{96, 62}, {112, 80}, {100, 80}}));
  // Neck and body.
  QPainterPath body;
  body.moveTo(86, 82);
  body.lineTo(97, 82);
  body.cubicTo(104, 88, 106, 96, 104, 110);
  body.cubicTo(103, 126, 101, 140, 101, 152);
  body.lineTo(83, 152);
  body.cubicTo(82, 138, 80, 120, 79, 106);
  body.cubicTo(78, 94, 80, 86, 86, 82);
  body.closeSubpath();
  figure.addPath(body);
  // Cloak flowing behind.
  QPainterPath cloak;
  cloak.moveTo(98, 86);
  cloak.cubicTo(118, 110, 126, 160, 134, 206);
  cloak.cubicTo(124, 200, 116, 198, 108, 200);
  cloak.cubicTo(106, 170, 104, 140, 99, 120);
  cloak.closeSubpath();
  figure.addPath(cloak);
  // Tunic skirt.
  figure.addPath(polygon({{82, 148}, {102, 148}, {108, 172}, {78, 172}}));
  // Legs: the front one forward, the back one bent behind.
  QPainterPath legs;
  legs.moveTo(88, 160);
  legs.lineTo(78, 204);
  legs.lineTo(70, 244);
  legs.moveTo(98, 160);
  legs.lineTo(110, 200);
  legs.lineTo(116, 244);
  figure.addPath(stroked(legs, 11));
  figure.addPath(polygon({{60, 248}, {74, 236}, {78, 248}}));
  figure.addPath(polygon({{112, 249}, {120, 236}, {128, 249}}));
  // Bow arm stretched to the left, draw arm bent back past the face.
  QPainterPath arms;
  arms.moveTo(84, 96);
  arms.lineTo(42, 98);
  arms.moveTo(100, 96);
  arms.lineTo(118, 90);
  arms.lineTo(100, 85);
  figure.addPath(stroked(arms, 7.5));
  figure.addEllipse(QPointF(41, 98), 4.2, 4.6);
  // Quiver on the back with arrow ends.
  figure.addPath(QTransform().translate(108, 92).rotate(20).map(rect_path(-5, 0, 10, 46, 2)));
  for (int i = 0; i < 3; ++i) {
    QPainterPath nock;
    nock.moveTo(108 + i * 3.2 - 3, 94);
    nock.lineTo(104 + i * 3.2 - 3, 80 - i * 2);
    figure.addPath(stroked(nock, 1.6));
  }
  figure.setFillRule(Qt::WindingFill);
  p.drawPath(figure);

  // The bow: a drawn recurve held at the left hand.
  QPainterPath bow;
  bow.moveTo(58, 24);
  bow.quadTo(50, 28, 46, 40);
  bow.cubicTo(38, 60, 36, 84, 38, 98);
  bow.cubicTo(36, 112, 38, 136, 46, 156);
  bow.quadTo(50, 168, 58, 172);
  p.drawPath(stroked(bow, 4.2));
  // The string, pulled back to the draw hand.
  p.setPen(QPen(QColor(0x2a2430), 1.1));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(57, 25), QPointF(101, 86));
  p.drawLine(QPointF(57, 171), QPointF(101, 86));
  // The arrow on the string.
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  QPainterPath shaft;
  shaft.moveTo(101, 86);
  shaft.lineTo(24, 96.5);
  p.drawPath(stroked(shaft, 2.0, Qt::FlatCap));
  p.drawPath(polygon({{14, 98}, {26, 92.5}, {25, 100.5}}));
  p.drawPath(polygon({{101, 86}, {108, 81}, {105, 87}}));
  p.drawPath(polygon({{101, 86}, {109, 89}, {104, 89.5}}));

  // A rim of light from the setting sun along the figure's back.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(232, 154, 90, 110), 1.2));
  QPainterPath rim;
  rim.moveTo(99, 62);
  rim.quadTo(103, 70, 101, 80);
  p.drawPath(rim);
}

}  // namespace brennick::art::detail
