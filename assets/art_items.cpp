// Silhouettes of the armour-class items and the sheltoms.
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>

#include "assets/art_paint.h"

namespace brennick::art::detail {

namespace {

constexpr double pi = std::numbers::pi;

QPainterPath polygon_path(QPointF centre, double radius, int corners, double turn,
                          double squash = 1.0) {
  QPolygonF poly;
  for (int i = 0; i < corners; ++i) {
    const double a = turn + 2 * pi * i / corners;
    poly << QPointF(centre.x() + radius * std::cos(a), centre.y() + radius * squash * std::sin(a));
  }
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c) {
  QPainterPath path;
  path.moveTo(a);
  path.lineTo(b);
  path.lineTo(c);
  path.closeSubpath();
  return path;
}

// Gems of the material along the given spots: the first for one gem, all
// three for three.
void inlay(QPainter& p, const Material& m, const std::array<QPointF, 3>& spots,
           double big, double little) {
  if (m.gems >= 1) draw_gem(p, spots[0], big, m.gem);
  if (m.gems >= 3) {
    draw_gem(p, spots[1], little, m.gem);
    draw_gem(p, spots[2], little, m.gem);
  }
}

Material leather_of(const Material& m) {
  Material l = material(Stuff::Leather, m.rank * 0.6);
  l.small = m.small;
  return l;
}

}  // namespace

void draw_armour(QPainter& p, const Material& m, int variant) {
  draw_glow(p, {33, 42}, 46, m);

  QPainterPath pauldron;
  pauldron.moveTo(21, 12);
  pauldron.cubicTo(11, 9, 3, 15, 3, 31);
  pauldron.cubicTo(8, 33, 15, 32, 20, 28);
  pauldron.closeSubpath();
  const QPainterPath pauldron_r = mirrored_x(pauldron, 33);

  QPainterPath torso;
  torso.moveTo(19, 12);
  torso.lineTo(26, 9);
  torso.cubicTo(29, 17, 37, 17, 40, 9);
  torso.lineTo(47, 12);
  torso.cubicTo(52, 24, 50, 42, 45, 56);
  torso.lineTo(21, 56);
  torso.cubicTo(16, 42, 14, 24, 19, 12);
  torso.closeSubpath();

  // Tassets below the belt: the side plates, then the middle one over them.
  QPainterPath tasset;
  tasset.moveTo(20, 59);
  tasset.lineTo(30, 59);
  tasset.lineTo(29, 79);
  tasset.lineTo(14, 76);
  tasset.closeSubpath();
  fill_shaded(p, tasset, m, {14, 59}, {30, 80});
  fill_shaded(p, mirrored_x(tasset, 33), m, {36, 59}, {52, 80});
  QPainterPath middle;
  middle.moveTo(27.5, 59);
  middle.lineTo(38.5, 59);
  middle.lineTo(37.5, 83);
  middle.lineTo(28.5, 83);
  middle.closeSubpath();
  fill_shaded(p, middle, m, {28, 59}, {38, 84});
  if (!m.small) {
    p.setPen(hairline(with_alpha(m.edge, 150)));
    p.drawLine(QPointF(15.5, 68), QPointF(29.5, 70));
    p.drawLine(QPointF(50.5, 68), QPointF(36.5, 70));
    p.drawLine(QPointF(28, 71), QPointF(38, 71));
  }

  fill_shaded(p, torso, m, {18, 10}, {48, 58});
  fill_shaded(p, pauldron, m, {4, 11}, {20, 33});
  fill_shaded(p, pauldron_r, m, {46, 11}, {62, 33});

  if (variant == 1) {
    // Spiked shoulders.
    for (const double x : {8.0, 14.0}) {
      const QPainterPath spike = triangle({x - 2.2, 15.5 + (x - 8) * -0.4}, {x - 1, 6 + (x - 8) * -0.2},
                                          {x + 2.2, 13.5 + (x - 8) * -0.4});
      fill_shaded(p, spike, m, {x - 2, 6}, {x + 2, 16});
      fill_shaded(p, mirrored_x(spike, 33), m, {66 - x - 2, 6}, {66 - x + 2, 16});
    }
  } else if (variant == 2 && !m.small) {
    // Layered shoulders.
    p.setPen(hairline(m.edge));
    QPainterPath layer;
    layer.moveTo(6, 22);
    layer.quadTo(12, 18, 20, 20);
    layer.moveTo(4.5, 27);
    layer.quadTo(12, 24, 20, 25);
    p.drawPath(layer);
    p.drawPath(mirrored_x(layer, 33));
  }

  if (!m.small) {
    // Chest: the ridge and the two breast plates.
    QPainterPath chest;
    chest.moveTo(22, 31);
    chest.quadTo(28, 37, 33, 33);
    chest.quadTo(38, 37, 44, 31);
    p.setPen(hairline(with_alpha(m.edge, 170)));
    p.drawPath(chest);
    p.setPen(hairline(with_alpha(m.light, 200)));
    p.drawLine(QPointF(33, 18), QPointF(33, 52));
    // Ribs of the belly plate.
    p.setPen(hairline(with_alpha(m.edge, 110)));
    p.drawLine(QPointF(22.5, 44), QPointF(43.5, 44));
    p.drawLine(QPointF(23.5, 50), QPointF(42.5, 50));
  }

  draw_trim(p, scaled(torso, {33, 33}, 0.88), m, 1.3);
  if (m.has_trim) {
    QPainterPath edge;
    edge.moveTo(5, 29);
    edge.cubicTo(9, 31, 15, 30, 19.5, 27);
    draw_trim(p, edge, m, 1.4);
    draw_trim(p, mirrored_x(edge, 33), m, 1.4);
  }

  // Belt with its buckle.
  const Material leather = leather_of(m);
  fill_shaded(p, rect_path(19, 54, 28, 6, 1.5), leather, {19, 54}, {19, 60});
  Material buckle = material(Stuff::Metal, 0.2);
  if (m.has_trim) buckle.base = m.trim, buckle.light = m.trim.lighter(140), buckle.dark = m.trim.darker(170);
  fill_shaded(p, rect_path(29.5, 53.5, 7, 7, 1.2), buckle, {29.5, 53.5}, {36.5, 60.5});
  p.setPen(hairline(buckle.dark));
  p.drawRect(QRectF(31.5, 55.5, 3, 3));

  inlay(p, m, {QPointF(33, 25), QPointF(25, 40), QPointF(41, 40)}, 3.4, 2.3);
}

void draw_robe(QPainter& p, const Material& m, int variant) {
  draw_glow(p, {33, 46}, 46, m);

  // Hood lying on the shoulders, behind the collar.
  fill_gradient(p, ellipse_path({33, 10}, 12, 7), m.base, m.dark, m.edge, {33, 3}, {33, 17},
                m.edge);

  QPainterPath sleeve;
  sleeve.moveTo(20, 14);
  sleeve.cubicTo(12, 18, 6, 34, 3, 52);
  sleeve.lineTo(15, 57);
  sleeve.cubicTo(17, 45, 20, 35, 23, 28);
  sleeve.closeSubpath();
  fill_shaded(p, sleeve, m, {4, 14}, {22, 56});
  fill_shaded(p, mirrored_x(sleeve, 33), m, {44, 14}, {62, 56});
  // Cuffs.
  QPainterPath cuff;
  cuff.moveTo(3.6, 49);
  cuff.lineTo(15.6, 54);
  draw_trim(p, cuff, m, 2.2);
  draw_trim(p, mirrored_x(cuff, 33), m, 2.2);

  QPainterPath body;
  body.moveTo(23, 9);
  body.lineTo(43, 9);
  body.cubicTo(50, 12, 49, 20, 46, 28);
  body.cubicTo(50, 50, 56, 70, 60, 84);
  body.quadTo(33, 88, 6, 84);
  body.cubicTo(10, 70, 16, 50, 20, 28);
  body.cubicTo(17, 20, 16, 12, 23, 9);
  body.closeSubpath();
  fill_shaded(p, body, m, {16, 8}, {56, 86});

  if (!m.small) {
    // Folds.
    p.setPen(hairline(with_alpha(m.edge, 120)));
    p.drawLine(QPointF(22, 50), QPointF(15, 82));
    p.drawLine(QPointF(44, 50), QPointF(51, 82));
  }

  // The panel down the front.
  QPainterPath panel;
  panel.moveTo(29.5, 20);
  panel.lineTo(36.5, 20);
  panel.lineTo(40, 86.2);
  panel.quadTo(33, 86.8, 26, 86.2);
  panel.closeSubpath();
  const QColor panel_light = m.has_trim ? m.trim.lighter(115) : mix(m.light, Qt::white, 0.3);
  const QColor panel_dark = m.has_trim ? m.trim.darker(160) : m.base;
  fill_gradient(p, panel, panel_light, mix(panel_light, panel_dark, 0.5), panel_dark, {27, 20},
                {40, 86}, m.edge);
  if (variant == 1 && !m.small) {
    p.setPen(Qt::NoPen);
    p.setBrush(m.dark);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(33, 52 + i * 7), 1.1, 1.1);
    p.setBrush(Qt::NoBrush);
  }

  // The collar opening.
  QPainterPath collar;
  collar.moveTo(25.5, 9);
  collar.lineTo(33, 22);
  collar.lineTo(40.5, 9);
  collar.closeSubpath();
  fill_gradient(p, collar, m.edge, m.edge, m.dark, {33, 9}, {33, 22}, m.edge);
  draw_trim(p, [] {
    QPainterPath v;
    v.moveTo(25.5, 9);
    v.lineTo(33, 22);
    v.lineTo(40.5, 9);
    return v;
  }(), m, 1.4);

  // Sash.
  QPainterPath sash;
  sash.moveTo(19.8, 38);
  sash.quadTo(33, 42.5, 46.2, 38);
  sash.lineTo(46.8, 43.5);
  sash.quadTo(33, 48, 19.2, 43.5);
  sash.closeSubpath();
  const QColor sash_colour = m.has_trim ? mix(m.trim, m.base, 0.35) : m.dark;
  fill_gradient(p, sash, sash_colour.lighter(130), sash_colour, sash_colour.darker(150), {20, 38},
                {20, 46}, m.edge);

  if (variant == 2) {
    // A short mantle over the shoulders.
    QPainterPath mantle;
    mantle.moveTo(20, 12);
    mantle.quadTo(33, 7, 46, 12);
    mantle.cubicTo(51, 16, 52, 22, 50, 26);
    mantle.quadTo(33, 33, 16, 26);
    mantle.cubicTo(14, 22, 15, 16, 20, 12);
    mantle.closeSubpath();
    Material dark = m;
    dark.light = m.base;
    dark.base = m.dark;
    dark.dark = m.edge;
    fill_shaded(p, mantle, dark, {20, 8}, {46, 30});
    draw_trim(p, scaled(mantle, {33, 19}, 0.82), m, 1.0);
    fill_gradient(p, collar, m.edge, m.edge, m.dark, {33, 9}, {33, 22}, m.edge);
  }

  // Hem.
  QPainterPath hem;
  hem.moveTo(7.5, 81.5);
  hem.quadTo(33, 85.5, 58.5, 81.5);
  draw_trim(p, hem, m, 2.0);

  inlay(p, m, {QPointF(33, 21), QPointF(21, 41.5), QPointF(45, 41.5)}, 2.8, 2.0);
}

void draw_shield(QPainter& p, const Material& m, int variant) {
  draw_glow(p, {23, 42}, 34, m);
  QPainterPath shape;
  if (variant == 0) {  // kite
    shape.moveTo(23, 3);
    shape.cubicTo(38, 3, 43, 7, 43, 22);
    shape.cubicTo(43, 48, 33, 68, 23, 85);
    shape.cubicTo(13, 68, 3, 48, 3, 22);
    shape.cubicTo(3, 7, 8, 3, 23, 3);
  } else if (variant == 1) {  // tower
    shape.moveTo(5, 7);
    shape.quadTo(23, 1, 41, 7);
    shape.lineTo(42, 68);
    shape.quadTo(23, 89, 4, 68);
  } else {  // heater
    shape.moveTo(4, 5);
    shape.quadTo(23, 9, 42, 5);
    shape.lineTo(42, 40);
    shape.cubicTo(42, 62, 31, 76, 23, 85);
    shape.cubicTo(15, 76, 4, 62, 4, 40);
  }
  shape.closeSubpath();
  fill_shaded(p, shape, m, {4, 4}, {42, 84});

  const QPainterPath rim = scaled(shape, {23, 42}, 0.84);
  if (m.has_trim) {
    draw_trim(p, rim, m, 1.8);
  } else {
    p.setPen(hairline(with_alpha(m.edge, 160)));
    p.drawPath(rim);
  }

  const QColor device_light = m.has_trim ? m.trim.lighter(130) : m.light;
  const QColor device_dark = m.has_trim ? m.trim.darker(170) : m.dark;
  const QColor device_mid = mix(device_light, device_dark, 0.45);
  if (variant == 0) {
    QPainterPath cross;
    cross.addRect(QRectF(20.5, 13, 5, 52));
    cross.addRect(QRectF(10, 28, 26, 5));
    cross = cross.simplified();
    fill_gradient(p, cross, device_light, device_mid, device_dark, {10, 13}, {36, 65}, m.edge);
  } else if (variant == 1) {
    QPainterPath chevron;
    for (const double y : {24.0, 42.0}) {
      chevron.moveTo(8, y + 12);
      chevron.lineTo(23, y);
      chevron.lineTo(38, y + 12);
      chevron.lineTo(38, y + 18);
      chevron.lineTo(23, y + 6);
      chevron.lineTo(8, y + 18);
      chevron.closeSubpath();
    }
    fill_gradient(p, chevron, device_light, device_mid, device_dark, {8, 24}, {38, 60}, m.edge);
  } else {
    fill_gradient(p, ellipse_path({23, 36}, 9, 9), device_light, device_mid, device_dark, {15, 28},
                  {31, 44}, m.edge);
    fill_gradient(p, ellipse_path({23, 36}, 5, 5), m.light, m.base, m.dark, {19, 32}, {27, 40},
                  m.edge);
  }
  const double gem_y = variant == 0 ? 30.5 : 36;
  inlay(p, m, {QPointF(23, gem_y), QPointF(23, 15), QPointF(23, 62)}, 3.4, 2.4);
}

void draw_orb(QPainter& p, const Material& m, int variant) {
  const Material glass = material(Stuff::Glass, m.rank);
  Material glow = m;
  glow.glow = std::max(m.glow, 0.25);
  glow.glow_color = glass.light;
  draw_glow(p, {22, 19}, 22, glow);

  // The stand: a foot and three claws holding the sphere.
  fill_shaded(p, ellipse_path({22, 39.5}, 11, 3.2), m, {11, 36}, {33, 43});

  QRadialGradient g(QPointF(17, 13), 17);
  g.setColorAt(0.0, mix(glass.light, Qt::white, 0.6));
  g.setColorAt(0.35, glass.light);
  g.setColorAt(0.75, glass.base);
  g.setColorAt(1.0, glass.dark);
  p.setPen(hairline(glass.edge));
  p.setBrush(g);
  p.drawEllipse(QPointF(22, 19), 14, 14);
  p.setBrush(Qt::NoBrush);

  // What swirls inside.
  p.setPen(design_pen(with_alpha(mix(glass.light, Qt::white, 0.4), 170), 1.4));
  if (variant == 0) {
    p.drawArc(QRectF(13, 10, 18, 18), 30 * 16, 130 * 16);
    p.drawArc(QRectF(15, 12, 14, 14), 210 * 16, 130 * 16);
  } else if (variant == 1) {
    QPainterPath star;
    for (int i = 0; i < 4; ++i) {
      const double a = pi / 4 + i * pi / 2;
      star.moveTo(22, 19);
      star.lineTo(22 + 7 * std::cos(a), 19 + 7 * std::sin(a));
    }
    p.drawPath(star);
    p.drawEllipse(QPointF(22, 19), 2.5, 2.5);
  } else {
    p.drawEllipse(QPointF(22, 19), 12, 4);
  }
  // Highlight.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(16.5, 12.5), 3.2, 2.2);
  p.setBrush(Qt::NoBrush);

  QPainterPath claw;
  claw.moveTo(14, 38);
  claw.cubicTo(8, 34, 6, 28, 9.5, 24);
  fill_shaded(p, stroked(claw, 2.6), m, {6, 24}, {14, 38});
  fill_shaded(p, stroked(mirrored_x(claw, 22), 2.6), m, {30, 24}, {38, 38});
  QPainterPath front;
  front.moveTo(22, 38);
  front.lineTo(22, 32);
  fill_shaded(p, stroked(front, 2.8), m, {20, 31}, {24, 38});
  if (m.has_trim) {
    p.setPen(design_pen(m.trim, 1.2));
    p.drawArc(QRectF(11.5, 37, 21, 5), 180 * 16, 180 * 16);
  }
}

void draw_boots(QPainter& p, const Material& m, int variant) {
  draw_glow(p, {22, 22}, 24, m);
  const Material leather = leather_of(m);

  // Sole and heel.
  QPainterPath sole;
  sole.moveTo(9, 36);
  sole.lineTo(41.5, 36);
  sole.quadTo(43.5, 40, 40, 41.5);
  sole.lineTo(9, 41.5);
  sole.closeSubpath();
  fill_shaded(p, sole, leather, {9, 36}, {9, 42});

  QPainterPath boot;
  boot.moveTo(12, 3);
  boot.lineTo(28, 3);
  boot.lineTo(28, 23);
  boot.cubicTo(30, 26, 38, 27, 41, 31);
  boot.quadTo(43, 34, 41.5, 37);
  boot.lineTo(10, 37);
  boot.quadTo(9, 30, 11, 22);
  boot.closeSubpath();
  fill_shaded(p, boot, m, {10, 3}, {40, 38});

  // Shin guard and toe cap.
  QPainterPath shin;
  shin.moveTo(14.5, 8);
  shin.lineTo(27, 8);
  shin.lineTo(26.5, 25);
  shin.quadTo(21, 28.5, 15.5, 25);
  shin.closeSubpath();
  fill_shaded(p, shin, m, {14, 8}, {27, 28});
  QPainterPath toe;
  toe.moveTo(31, 27.2);
  toe.cubicTo(37, 28, 41.5, 31, 41.3, 36.5);
  toe.lineTo(31, 36.5);
  toe.closeSubpath();
  fill_shaded(p, toe, m, {31, 27}, {42, 37});

  if (variant == 0 && !m.small) {
    p.setPen(design_pen(leather.dark, 1.5));
    p.drawLine(QPointF(12, 30), QPointF(28.5, 30));
  } else if (variant == 1) {
    // A spur at the heel.
    QPainterPath spur;
    spur.moveTo(10, 33);
    spur.lineTo(4, 32);
    fill_shaded(p, stroked(spur, 1.6), m, {4, 32}, {10, 34});
    fill_shaded(p, ellipse_path({3.8, 32}, 1.8, 1.8), m, {2, 30}, {6, 34});
  } else if (variant == 2) {
    // A small wing at the top.
    QPainterPath wing;
    wing.moveTo(28, 6);
    wing.cubicTo(33, 3, 38, 2, 41, 1.5);
    wing.cubicTo(38, 5, 35, 9, 28, 12);
    wing.closeSubpath();
    fill_shaded(p, wing, m, {28, 1}, {41, 12});
  }

  // Cuff.
  const QPainterPath cuff = rect_path(10.5, 2, 19, 6, 2);
  if (m.has_trim)
    fill_gradient(p, cuff, m.trim.lighter(130), m.trim, m.trim.darker(170), {10, 2}, {10, 8},
                  m.edge);
  else
    fill_shaded(p, cuff, leather, {10, 2}, {10, 8});
  inlay(p, m, {QPointF(20.5, 16), QPointF(36, 32.5), QPointF(20.5, 5)}, 2.5, 1.7);
}

void draw_gauntlets(QPainter& p, const Material& m, int variant) {
  draw_glow(p, {22, 22}, 24, m);

  QPainterPath cuff;
  cuff.moveTo(12.5, 30);
  cuff.lineTo(31.5, 30);
  cuff.lineTo(36, 42);
  cuff.lineTo(8, 42);
  cuff.closeSubpath();
  fill_shaded(p, cuff, m, {8, 30}, {36, 42});

  constexpr std::array<double, 4> finger_top{6.0, 3.5, 4.5, 7.5};
  for (int i = 0; i < 4; ++i) {
    const double x = 12.4 + i * 4.95;
    fill_shaded(p, rect_path(x, finger_top[i], 4.5, 16 - finger_top[i], 2.1), m,
                {x, finger_top[i]}, {x + 4.5, 16});
    if (!m.small) {
      p.setPen(hairline(with_alpha(m.edge, 150)));
      const double joint = (finger_top[i] + 14) / 2;
      p.drawLine(QPointF(x + 0.8, joint), QPointF(x + 3.7, joint));
    }
  }

  // The thumb, leaning out from the base of the hand.
  const QPainterPath thumb =
      QTransform().translate(12, 29).rotate(-32).translate(-12, -29).map(rect_path(8.6, 16, 5.4, 14, 2.7));
  fill_shaded(p, thumb, m, {4, 14}, {13, 30});

  QPainterPath hand;
  hand.moveTo(12, 14);
  hand.lineTo(32.5, 14);
  hand.lineTo(32.5, 27);
  hand.quadTo(32.5, 32, 27.5, 32);
  hand.lineTo(17, 32);
  hand.quadTo(12, 32, 12, 27);
  hand.closeSubpath();
  fill_shaded(p, hand, m, {12, 14}, {32, 32});

  // Knuckle plate.
  const QPainterPath knuckles = rect_path(11.5, 12.5, 21.5, 4.2, 1.8);
  if (m.has_trim)
    fill_gradient(p, knuckles, m.trim.lighter(130), m.trim, m.trim.darker(170), {11, 12},
                  {11, 17}, m.edge);
  else
    fill_shaded(p, knuckles, m, {11, 12}, {11, 17});

  if (variant == 1) {
    // Spikes at the cuff.
    const QPainterPath spike = triangle({8.8, 33}, {4.5, 31}, {9.6, 36.5});
    fill_shaded(p, spike, m, {4, 31}, {10, 37});
    fill_shaded(p, mirrored_x(spike, 22), m, {34, 31}, {40, 37});
  } else if (variant == 2 && !m.small) {
    p.setPen(Qt::NoPen);
    p.setBrush(m.light);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(12.5 + i * 6.3, 38.5), 1.0, 1.0);
    p.setBrush(Qt::NoBrush);
  }
  if (m.has_trim) {
    QPainterPath band;
    band.moveTo(12.8, 31.5);
    band.lineTo(31.2, 31.5);
    draw_trim(p, band, m, 1.6);
  }
  inlay(p, m, {QPointF(22.2, 23.5), QPointF(16, 37), QPointF(28, 37)}, 3.0, 1.8);
}

void draw_armlet(QPainter& p, const Material& m, int variant) {
  draw_glow(p, {22, 22}, 24, m);
  // A bracer, leaning a little: wide where it meets the elbow, narrow at the
  // wrist.
  p.save();
  p.translate(22, 22);
  p.rotate(-20);
  p.translate(-22, -22);
  const QRectF opening(11.5, 3.5, 21, 6);

  // A flared guard over the elbow, behind the opening.
  QPainterPath fin;
  fin.moveTo(27, 6);
  fin.quadTo(34, 3, 39, -1);
  fin.quadTo(37, 8, 32.2, 15);
  fin.closeSubpath();
  fill_shaded(p, fin, m, {27, -1}, {39, 15});

  QPainterPath body;
  body.moveTo(11.5, 6.5);
  body.arcTo(opening, 180, 180);
  body.lineTo(28.5, 37);
  body.quadTo(22, 41, 15.5, 37);
  body.closeSubpath();
  fill_shaded(p, body, m, {11, 6}, {33, 40});

  // The inside, seen through the top opening.
  QLinearGradient inside(QPointF(0, 3.5), QPointF(0, 9.5));
  inside.setColorAt(0, m.edge);
  inside.setColorAt(1, m.dark);
  p.setPen(hairline(m.edge));
  p.setBrush(inside);
  p.drawEllipse(opening);
  p.setBrush(Qt::NoBrush);
  p.setPen(hairline(with_alpha(m.light, 200)));
  p.drawArc(opening, 200 * 16, 140 * 16);

  const QColor band_colour = m.has_trim ? m.trim : m.dark;
  QPainterPath bands;
  bands.moveTo(12, 13.5);
  bands.quadTo(22, 18, 32, 13.5);
  bands.moveTo(14.9, 32.5);
  bands.quadTo(22, 36.3, 29.1, 32.5);
  p.setPen(design_pen(band_colour, 2.2));
  p.drawPath(bands);
  if (variant == 1 && !m.small) {
    p.setPen(Qt::NoPen);
    p.setBrush(m.light);
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(16 + i * 6, 24 + (i == 1 ? 1.2 : 0)), 1.0, 1.0);
    p.setBrush(Qt::NoBrush);
  } else if (variant == 2) {
    QPainterPath ridge;
    ridge.moveTo(22, 17);
    ridge.lineTo(22, 34);
    fill_shaded(p, stroked(ridge, 3.0, Qt::FlatCap), m, {20, 17}, {24, 34});
  }
  if (m.gems == 0) {
    fill_shaded(p, ellipse_path({22, 24.5}, 2.4, 2.4), m, {19.5, 22}, {24.5, 27});
  }
  inlay(p, m, {QPointF(22, 24.5), QPointF(15.5, 23), QPointF(28.5, 23)}, 3.0, 1.8);
  p.restore();
}

void draw_amulet(QPainter& p, const Material& m, int variant) {
  Material glow = m;
  glow.glow_color = material(Stuff::Glass, m.rank).light;
  draw_glow(p, {11, 15}, 10, glow);

  QPainterPath chain;
  chain.moveTo(3, -1);
  chain.quadTo(5.5, 8, 11, 10);
  chain.quadTo(16.5, 8, 19, -1);
  p.setPen(design_pen(m.has_trim ? m.trim.darker(120) : m.dark, m.small ? 1.8 : 1.1));
  p.drawPath(chain);

  QPainterPath pendant;
  if (variant == 0) {
    pendant = ellipse_path({11, 15.2}, 5.4, 5.4);
  } else if (variant == 1) {
    pendant.moveTo(11, 9.2);
    pendant.cubicTo(16.5, 13, 16.5, 20.5, 11, 21.3);
    pendant.cubicTo(5.5, 20.5, 5.5, 13, 11, 9.2);
    pendant.closeSubpath();
  } else {
    pendant.moveTo(11, 9);
    pendant.lineTo(16.8, 15.2);
    pendant.lineTo(11, 21.4);
    pendant.lineTo(5.2, 15.2);
    pendant.closeSubpath();
  }
  Material frame = m;
  if (m.has_trim) {
    frame.light = m.trim.lighter(130);
    frame.base = m.trim;
    frame.dark = m.trim.darker(170);
  }
  fill_shaded(p, pendant, frame, {5, 9}, {17, 21});
  draw_gem(p, {11, 15.4}, 3.1, material(Stuff::Glass, m.rank).base);
}

void draw_ring(QPainter& p, const Material& m, int variant) {
  Material glow = m;
  glow.glow_color = material(Stuff::Glass, m.rank).light;
  draw_glow(p, {11, 11}, 11, glow);

  // Plain metal for the simplest rings, then silver, then gold.
  Material band = m;
  if (m.has_trim) {
    const QColor metal = m.rank < 0.6 ? QColor(0xc4c8d0) : m.trim;
    band.light = metal.lighter(140);
    band.base = metal;
    band.dark = metal.darker(180);
    band.edge = metal.darker(260);
  }
  QPainterPath ring = ellipse_path({11, 14}, 8, 5.6);
  ring = ring.subtracted(ellipse_path({11, 14.6}, 5.4, 3.4));
  fill_shaded(p, ring, band, {3, 9}, {19, 20});

  const QColor stone = material(Stuff::Glass, m.rank).base;
  if (m.rank < 0.12) {
    // A plain signet.
    fill_shaded(p, rect_path(7.5, 5.8, 7, 4.4, 1.2), band, {7.5, 6}, {14.5, 10});
    return;
  }
  // Setting with prongs, then the stone.
  fill_shaded(p, triangle({6.5, 9.5}, {15.5, 9.5}, {11, 12.5}), band, {6, 9}, {16, 13});
  if (variant == 1) {
    QPainterPath cut = rect_path(7.3, 3.6, 7.4, 6.6, 0.8);
    QLinearGradient g(QPointF(7, 3.5), QPointF(15, 10));
    g.setColorAt(0, mix(stone, Qt::white, 0.7));
    g.setColorAt(0.5, stone);
    g.setColorAt(1, mix(stone, Qt::black, 0.55));
    p.setPen(hairline(mix(stone, Qt::black, 0.75), 0.8));
    p.setBrush(g);
    p.drawPath(cut);
    p.setBrush(Qt::NoBrush);
    p.setPen(hairline(QColor(255, 255, 255, 150), 0.6));
    p.drawRect(QRectF(9, 5.2, 4, 3.4));
  } else {
    draw_gem(p, {11, 7}, 3.6, stone);
  }
}

void draw_sheltom(QPainter& p, int number, bool small) {
  // Lucidy, Sereno, Fadeo, Sparky, Raident, Transparo, Murky, Devine, Celesto.
  static constexpr std::array<QRgb, 9> colours{0xf2efd8, 0x38b898, 0xa98ae0, 0xf0d020, 0xff6a1c,
                                               0x78e4f4, 0x667840, 0xffc850, 0x2f4ee0};
  const int index = std::clamp(number, 1, 9) - 1;
  const QColor colour(colours[static_cast<std::size_t>(index)]);
  const double rank = index / 8.0;
  const QPointF c(11, 11);

  if (index >= 5) {
    Material glow;
    glow.glow = 0.3 + 0.7 * (index - 5) / 3.0;
    glow.glow_color = mix(colour, Qt::white, 0.3);
    draw_glow(p, c, 11, glow);
  }

  QPainterPath outline;
  QPainterPath table;
  switch (index % 3) {
    case 0:  // round brilliant
      outline = polygon_path(c, 9, 8, pi / 8);
      table = polygon_path(c + QPointF(-0.6, -0.6), 4.6, 8, pi / 8);
      break;
    case 1:  // hexagon
      outline = polygon_path(c, 9.4, 6, -pi / 2, 0.95);
      table = polygon_path(c + QPointF(-0.6, -0.6), 4.8, 6, -pi / 2, 0.95);
      break;
    default:  // tall diamond
      outline = polygon_path(c, 10, 4, -pi / 2, 1.0);
      outline = QTransform().translate(11, 11).scale(0.78, 1).translate(-11, -11).map(outline);
      table = polygon_path(c + QPointF(-0.4, -0.8), 4.4, 4, -pi / 2, 1.0);
      table = QTransform().translate(11, 11).scale(0.78, 1).translate(-11, -11).map(table);
      break;
  }
  fill_gradient(p, outline, mix(colour, Qt::white, 0.55), colour, mix(colour, Qt::black, 0.55),
                {3, 3}, {19, 19}, mix(colour, Qt::black, 0.78));
  if (!small) {
    // Facets from the table's corners to the girdle.
    const QPolygonF outer = outline.toFillPolygon();
    const QPolygonF inner = table.toFillPolygon();
    p.setPen(hairline(with_alpha(mix(colour, Qt::black, 0.6), 140), 0.7));
    const int corners = std::min(outer.size(), inner.size()) - 1;
    for (int i = 0; i < corners; ++i) p.drawLine(inner[i], outer[i]);
  }
  fill_gradient(p, table, mix(colour, Qt::white, 0.85), mix(colour, Qt::white, 0.4), colour,
                {6, 6}, {15, 15}, with_alpha(mix(colour, Qt::black, 0.6), 160));
  // Sparkle, larger for the rarer stones.
  const double s = 1.5 + 2.0 * rank;
  QPainterPath sparkle;
  sparkle.moveTo(7.5, 7.2 - s);
  sparkle.quadTo(7.5, 7.2, 7.5 + s, 7.2);
  sparkle.quadTo(7.5, 7.2, 7.5, 7.2 + s);
  sparkle.quadTo(7.5, 7.2, 7.5 - s, 7.2);
  sparkle.quadTo(7.5, 7.2, 7.5, 7.2 - s);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawPath(sparkle);
  p.setBrush(Qt::NoBrush);
}

}  // namespace brennick::art::detail
