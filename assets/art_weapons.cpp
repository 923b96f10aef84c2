// Silhouettes of the eight weapon kinds, upright in a 44x88 box.
#include <QLinearGradient>

#include <array>
#include <cmath>
#include <numbers>

#include "assets/art_paint.h"

namespace brennick::art::detail {

namespace {

constexpr double pi = std::numbers::pi;

Material reshade(Material m, QColor base) {
  m.base = base;
  m.light = mix(base, Qt::white, 0.55);
  m.dark = mix(base, Qt::black, 0.5);
  m.edge = mix(base, Qt::black, 0.72);
  return m;
}

// Edged metal: the tier colour with a polished steel sheen.
Material blade_of(const Material& m) { return reshade(m, mix(m.base, QColor(0xc4ccd6), 0.38)); }

Material wood_of(const Material& m) {
  Material w = material(Stuff::Wood, m.rank);
  w.small = m.small;
  return w;
}

Material leather_of(const Material& m) {
  Material l = material(Stuff::Leather, m.rank * 0.6);
  l.small = m.small;
  return l;
}

// Trim-coloured fittings, or plain dark metal below the trim ranks.
Material fitting_of(const Material& m) {
  if (m.has_trim) return reshade(m, m.trim);
  return reshade(m, mix(m.base, Qt::black, 0.25));
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c) {
  QPainterPath path;
  path.moveTo(a);
  path.lineTo(b);
  path.lineTo(c);
  path.closeSubpath();
  return path;
}

// A vertical shaft from y0 to y1, `width` wide, centred on x.
void shaft(QPainter& p, const Material& m, double x, double y0, double y1, double width) {
  fill_shaded(p, rect_path(x - width / 2, y0, width, y1 - y0, width / 2.5), m,
              {x - width / 2, y0}, {x + width / 2, y0});
}

// Leather wrapped round a shaft between y0 and y1.
void wrap(QPainter& p, const Material& m, double x, double y0, double y1, double width) {
  const Material leather = leather_of(m);
  fill_shaded(p, rect_path(x - width / 2, y0, width, y1 - y0, 1), leather, {x - width / 2, y0},
              {x + width / 2, y0});
  if (m.small) return;
  p.setPen(hairline(with_alpha(leather.edge, 200), 0.8));
  for (double y = y0 + 2; y < y1 - 0.5; y += 2.5)
    p.drawLine(QPointF(x - width / 2, y + 1), QPointF(x + width / 2, y - 0.5));
}

void gem_if(QPainter& p, const Material& m, QPointF at, double radius) {
  if (m.gems >= 1) draw_gem(p, at, radius, m.gem);
}

void draw_axe(QPainter& p, const Material& m, int variant, double thick) {
  draw_glow(p, {16, 22}, 26, m);
  shaft(p, wood_of(m), 22, 8, 86, 4 * thick);
  wrap(p, m, 22, 66, 80, 4.6 * thick);
  const Material blade = blade_of(m);
  fill_shaded(p, triangle({20, 10}, {22, 1}, {24, 10}), blade, {20, 1}, {24, 10});

  QPainterPath head;
  if (variant == 2) {  // bearded
    head.moveTo(22, 12);
    head.lineTo(11, 9);
    head.cubicTo(6, 20, 4, 34, 6, 50);
    head.cubicTo(12, 43, 16, 32, 22, 30);
  } else {
    head.moveTo(22, 14);
    head.cubicTo(14, 12, 8, 7, 4, 4);
    head.cubicTo(1, 16, 1, 30, 4, 42);
    head.cubicTo(9, 38, 15, 34, 22, 34);
  }
  head.closeSubpath();
  fill_shaded(p, head, blade, {2, 4}, {22, 40});
  if (variant == 1) fill_shaded(p, mirrored_x(head, 22), blade, {22, 4}, {42, 40});
  if (!m.small) {
    // The honed edge.
    QPainterPath edge;
    if (variant == 2) {
      edge.moveTo(10.2, 11);
      edge.cubicTo(6, 21, 5, 34, 6.8, 47);
    } else {
      edge.moveTo(5, 6.5);
      edge.cubicTo(2.4, 17, 2.4, 29, 4.8, 39.5);
    }
    p.setPen(hairline(with_alpha(Qt::white, 190), 1.0));
    p.drawPath(edge);
    if (variant == 1) p.drawPath(mirrored_x(edge, 22));
  }
  const Material socket = fitting_of(m);
  fill_shaded(p, rect_path(18.6, 11, 6.8, 25, 1.5), socket, {18.6, 11}, {25.4, 11});
  gem_if(p, m, {22, 23.5}, 2.5);
}

void draw_bow(QPainter& p, const Material& m, int variant, double thick) {
  draw_glow(p, {26, 44}, 30, m);
  const Material stave = m.rank < 0.3 ? wood_of(m) : m;
  // String first, behind the stave.
  p.setPen(hairline(QColor(0xd8d0c0), m.small ? 1.0 : 0.9));
  p.drawLine(QPointF(15.5, 4), QPointF(15.5, 84));
  QPainterPath limb;
  limb.moveTo(15, 3);
  limb.cubicTo(32, 16, 33, 34, 31, 44);
  limb.cubicTo(33, 54, 32, 72, 15, 85);
  fill_shaded(p, stroked(limb, 4.0 * thick), stave, {14, 3}, {34, 85});
  if (variant == 1) {
    // Recurved tips.
    QPainterPath tip;
    tip.moveTo(15, 3);
    tip.quadTo(10.5, 1.5, 9.5, 5.5);
    fill_shaded(p, stroked(tip, 2.6 * thick), stave, {9, 1}, {15, 6});
    QPainterPath tip2;
    tip2.moveTo(15, 85);
    tip2.quadTo(10.5, 86.5, 9.5, 82.5);
    fill_shaded(p, stroked(tip2, 2.6 * thick), stave, {9, 82}, {15, 87});
  }
  if (m.has_trim) {
    p.setPen(design_pen(m.trim, 1.4 * thick));
    for (const double t : {0.22, 0.78}) {
      const QPointF at = limb.pointAtPercent(t);
      p.drawLine(at + QPointF(-2, 0), at + QPointF(2, 0));
    }
  }
  wrap(p, m, 31.2, 37, 51, 5 * thick);
  gem_if(p, m, {31.2, 44}, 2.2);
}

void draw_scythe(QPainter& p, const Material& m, int variant, double thick) {
  draw_glow(p, {16, 20}, 26, m);
  shaft(p, wood_of(m), 22.6, 6, 86, 3.2 * thick);
  wrap(p, m, 22.6, 44, 50, 3.8 * thick);
  wrap(p, m, 22.6, 70, 78, 3.8 * thick);
  const Material blade = blade_of(m);
  QPainterPath head;
  if (variant == 0) {  // scythe
    head.moveTo(23.5, 7);
    head.cubicTo(12, 3, 3, 10, 2, 28);
    head.cubicTo(7, 17, 14, 14, 23.5, 15);
    head.closeSubpath();
    fill_shaded(p, head, blade, {2, 4}, {23, 28});
    if (!m.small) {
      QPainterPath edge;
      edge.moveTo(21, 14.6);
      edge.cubicTo(14, 14, 7.5, 17, 2.6, 26);
      p.setPen(hairline(with_alpha(Qt::white, 190)));
      p.drawPath(edge);
    }
  } else if (variant == 1) {  // halberd
    fill_shaded(p, triangle({20.6, 14}, {22.6, 1}, {24.6, 14}), blade, {20, 1}, {25, 14});
    head.moveTo(22, 14);
    head.lineTo(12, 11);
    head.cubicTo(8.5, 18, 8.5, 27, 12, 34);
    head.lineTo(22, 31);
    head.closeSubpath();
    fill_shaded(p, head, blade, {8, 11}, {22, 34});
    fill_shaded(p, triangle({24, 17}, {33, 13}, {24, 24}), blade, {24, 13}, {33, 24});
  } else {  // glaive
    head.moveTo(22.6, 1.5);
    head.cubicTo(30, 12, 28.5, 24, 25.2, 33);
    head.lineTo(20.4, 33);
    head.cubicTo(18.6, 22, 18, 12, 22.6, 1.5);
    head.closeSubpath();
    fill_shaded(p, head, blade, {18, 1}, {30, 33});
    if (!m.small) {
      p.setPen(hairline(with_alpha(Qt::white, 170)));
      p.drawLine(QPointF(23, 6), QPointF(23.2, 30));
    }
  }
  const Material collar = fitting_of(m);
  const double collar_y = variant == 2 ? 33 : 15;
  fill_shaded(p, rect_path(20, collar_y, 5.2, 5, 1.2), collar, {20, collar_y},
              {25.2, collar_y});
  gem_if(p, m, {22.6, collar_y + 2.5}, 2.0);
}

void draw_claw(QPainter& p, const Material& m, int variant, double thick) {
  draw_glow(p, {22, 30}, 28, m);
  const Material blade = blade_of(m);
  std::array<double, 4> xs{};
  int count = 3;
  double width = 5.2;
  if (variant == 1) {
    xs = {16.5, 27.5, 0, 0};
    count = 2;
    width = 6.0;
  } else if (variant == 2) {
    xs = {13.5, 19.2, 24.9, 30.6};
    count = 4;
    width = 4.0;
  } else {
    xs = {15, 22, 29, 0};
  }
  for (int i = 0; i < count; ++i) {
    const double x = xs[static_cast<std::size_t>(i)];
    const double half = width / 2 * (m.small ? 1.3 : 1.0);
    QPainterPath b;
    if (variant == 1) {  // straight twin blades
      b.moveTo(x - half, 48);
      b.lineTo(x - half, 12);
      b.lineTo(x, 3);
      b.lineTo(x + half, 12);
      b.lineTo(x + half, 48);
    } else {  // hooked claws
      b.moveTo(x - half, 48);
      b.cubicTo(x - half, 30, x + 0.5, 16, x + 4, 4);
      b.cubicTo(x + 1.5, 18, x + half + 0.5, 32, x + half, 48);
    }
    b.closeSubpath();
    fill_shaded(p, b, blade, {x - 3, 4}, {x + 4, 48});
  }
  // The glove the blades grow from: knuckle plate, back of the hand, cuff.
  const Material fitting = fitting_of(m);
  QPainterPath back;
  back.moveTo(10, 52);
  back.lineTo(34, 52);
  back.lineTo(33, 64);
  back.quadTo(22, 68, 11, 64);
  back.closeSubpath();
  fill_shaded(p, back, m, {10, 52}, {34, 66});
  QPainterPath cuff;
  cuff.moveTo(11, 64);
  cuff.quadTo(22, 68, 33, 64);
  cuff.lineTo(35, 84);
  cuff.quadTo(22, 88, 9, 84);
  cuff.closeSubpath();
  fill_shaded(p, cuff, leather_of(m), {9, 64}, {35, 86});
  QPainterPath bands;
  bands.moveTo(10.4, 71);
  bands.quadTo(22, 75, 33.6, 71);
  bands.moveTo(9.4, 81);
  bands.quadTo(22, 85, 34.6, 81);
  p.setPen(design_pen(fitting.base, 1.8 * thick));
  p.drawPath(bands);
  fill_shaded(p, rect_path(8, 44, 28, 10, 4), m, {8, 44}, {8, 54});
  if (m.has_trim) {
    p.setPen(design_pen(m.trim, 1.3));
    p.drawLine(QPointF(10, 52.2), QPointF(34, 52.2));
  }
  gem_if(p, m, {22, 49}, 2.6);
}

void draw_javelin(QPainter& p, const Material& m, int variant, double thick) {
  draw_glow(p, {22, 14}, 20, m);
  shaft(p, wood_of(m), 22, 20, 86, 2.4 * thick);
  wrap(p, m, 22, 50, 58, 3.2 * thick);
  // Fletching at the tail.
  const Material fin = m.has_trim ? reshade(m, m.trim) : reshade(m, QColor(0xa04030));
  fill_shaded(p, triangle({21, 74}, {16.5, 86}, {21, 83}), fin, {16, 74}, {21, 86});
  fill_shaded(p, triangle({23, 74}, {27.5, 86}, {23, 83}), fin, {23, 74}, {28, 86});

  const Material blade = blade_of(m);
  QPainterPath head;
  if (variant == 1) {  // barbed
    head.moveTo(22, 2);
    head.lineTo(26.5, 17);
    head.lineTo(24, 15.5);
    head.lineTo(23.5, 24);
    head.lineTo(20.5, 24);
    head.lineTo(20, 15.5);
    head.lineTo(17.5, 17);
  } else if (variant == 2) {  // needle
    head.moveTo(22, 1);
    head.lineTo(24.2, 18);
    head.lineTo(22.8, 24);
    head.lineTo(21.2, 24);
    head.lineTo(19.8, 18);
  } else {  // leaf
    head.moveTo(22, 2);
    head.cubicTo(26.5, 8, 27.5, 15, 22.8, 24);
    head.lineTo(21.2, 24);
    head.cubicTo(16.5, 15, 17.5, 8, 22, 2);
  }
  head.closeSubpath();
  fill_shaded(p, head, blade, {17, 2}, {27, 24});
  if (!m.small) {
    p.setPen(hairline(with_alpha(Qt::white, 160), 0.8));
    p.drawLine(QPointF(22, 5), QPointF(22, 21));
  }
  fill_shaded(p, rect_path(20.2, 23, 3.6, 4.5, 1), fitting_of(m), {20, 23}, {24, 23});
  gem_if(p, m, {22, 53.8}, 1.9);
}

void draw_sword(QPainter& p, const Material& m, int variant, double thick) {
  draw_glow(p, {22, 32}, 30, m);
  (void)thick;
  const Material blade = blade_of(m);
  QPainterPath b;
  if (variant == 2) {  // sabre
    b.moveTo(28.5, 3);
    b.cubicTo(24, 18, 26, 44, 26, 61);
    b.lineTo(18.5, 61);
    b.cubicTo(18.5, 40, 19.5, 18, 28.5, 3);
  } else {
    const double w = variant == 1 ? 5.2 : 3.8;
    b.moveTo(22, 2.5);
    b.lineTo(22 + w, 12);
    b.lineTo(22 + w * (variant == 1 ? 0.85 : 1.0), 61);
    b.lineTo(22 - w * (variant == 1 ? 0.85 : 1.0), 61);
    b.lineTo(22 - w, 12);
  }
  b.closeSubpath();
  fill_shaded(p, b, blade, {16, 3}, {29, 60});
  if (!m.small) {
    p.setPen(hairline(with_alpha(blade.dark, 200), 1.0));
    if (variant == 2) {
      QPainterPath back;
      back.moveTo(25.8, 14);
      back.cubicTo(22.6, 26, 23.2, 44, 23.4, 57);
      p.drawPath(back);
    } else {
      p.drawLine(QPointF(22, 13), QPointF(22, 57));
      p.setPen(hairline(with_alpha(Qt::white, 170), 1.0));
      p.drawLine(QPointF(22.9, 13), QPointF(22.9, 57));
    }
  }
  // Guard, grip and pommel.
  const Material fitting = fitting_of(m);
  QPainterPath guard;
  if (variant == 1) {
    guard.moveTo(8, 58);
    guard.quadTo(22, 64, 36, 58);
    guard.lineTo(36, 61.5);
    guard.quadTo(22, 67.5, 8, 61.5);
    guard.closeSubpath();
  } else {
    guard = rect_path(10, 60, 24, 5, 2.2);
  }
  fill_shaded(p, guard, fitting, {8, 58}, {8, 66});
  wrap(p, m, 22, 65, 79, 4.4);
  fill_shaded(p, ellipse_path({22, 82.5}, 3.9, 3.9), fitting, {18, 79}, {26, 86});
  gem_if(p, m, {22, 62.6}, 2.1);
  if (m.gems >= 3) draw_gem(p, {22, 82.5}, 2.0, m.gem);
}

void draw_wand(QPainter& p, const Material& m, int variant, double thick) {
  const Material glass = material(Stuff::Glass, m.rank);
  Material glow = m;
  glow.glow = std::max(m.glow, 0.3);
  glow.glow_color = glass.light;
  draw_glow(p, {22, 12}, 18, glow);
  shaft(p, wood_of(m), 22, 22, 86, 2.6 * thick);
  wrap(p, m, 22, 50, 60, 3.4 * thick);
  const Material fitting = fitting_of(m);
  fill_shaded(p, rect_path(20.5, 84, 3, 3, 0.8), fitting, {20.5, 84}, {23.5, 84});

  if (variant == 0) {  // crescent
    QPainterPath moon = ellipse_path({22, 13}, 9.5, 9.5).subtracted(ellipse_path({22, 9}, 8.5, 8.5));
    fill_shaded(p, moon, fitting, {12, 8}, {32, 23});
    draw_gem(p, {22, 11}, 5, glass.base);
  } else if (variant == 1) {  // ring
    QPainterPath ring = ellipse_path({22, 12}, 9, 9).subtracted(ellipse_path({22, 12}, 6.6, 6.6));
    fill_shaded(p, ring, fitting, {13, 3}, {31, 21});
    draw_gem(p, {22, 12}, 4.4, glass.base);
  } else {  // prongs
    draw_gem(p, {22, 10}, 5.4, glass.base);
    QPainterPath prong;
    prong.moveTo(22, 22);
    prong.cubicTo(15, 20, 14, 12, 17, 5);
    fill_shaded(p, stroked(prong, 1.8 * thick), fitting, {14, 5}, {22, 22});
    fill_shaded(p, stroked(mirrored_x(prong, 22), 1.8 * thick), fitting, {22, 5}, {30, 22});
  }
  fill_shaded(p, rect_path(19.6, 20.5, 4.8, 4, 1.2), fitting, {19.6, 20.5}, {24.4, 20.5});
  if (m.gems >= 3) {
    draw_gem(p, {22, 49}, 1.8, m.gem);
    draw_gem(p, {22, 61}, 1.8, m.gem);
  }
}

void draw_mace(QPainter& p, const Material& m, int variant, double thick) {
  draw_glow(p, {22, 18}, 22, m);
  shaft(p, reshade(m, mix(m.base, QColor(0x55504a), 0.5)), 22, 28, 84, 3.6 * thick);
  wrap(p, m, 22, 64, 81, 4.4 * thick);
  const Material head = blade_of(m);
  const Material fitting = fitting_of(m);
  fill_shaded(p, ellipse_path({22, 84}, 2.8, 2.8), fitting, {19, 81}, {25, 87});

  if (variant == 0) {  // flanged
    QPainterPath flange;
    flange.moveTo(16.5, 8);
    flange.lineTo(7, 13);
    flange.lineTo(7, 24);
    flange.lineTo(16.5, 30);
    flange.closeSubpath();
    fill_shaded(p, flange, head, {7, 8}, {16, 30});
    fill_shaded(p, mirrored_x(flange, 22), head, {28, 8}, {37, 30});
    fill_shaded(p, rect_path(15.5, 6, 13, 25, 3), head, {15.5, 6}, {28.5, 31});
    fill_shaded(p, rect_path(20.4, 4, 3.2, 29, 1.2), head, {20.4, 4}, {23.6, 4});
  } else if (variant == 1) {  // spiked ball
    for (int i = 0; i < 8; ++i) {
      const double a = i * pi / 4;
      const QPointF c(22, 18);
      const QPointF tip = c + QPointF(15 * std::cos(a), 15 * std::sin(a));
      const QPointF s1 = c + QPointF(9 * std::cos(a - 0.28), 9 * std::sin(a - 0.28));
      const QPointF s2 = c + QPointF(9 * std::cos(a + 0.28), 9 * std::sin(a + 0.28));
      fill_shaded(p, triangle(s1, tip, s2), head, c + QPointF(-8, -8), c + QPointF(8, 8));
    }
    fill_shaded(p, ellipse_path({22, 18}, 10, 10), head, {13, 9}, {31, 27});
  } else {  // ribbed
    fill_shaded(p, ellipse_path({22, 18}, 9.5, 12), head, {12, 6}, {32, 30});
    if (!m.small) {
      p.setPen(hairline(with_alpha(head.edge, 190)));
      p.drawArc(QRectF(16, 6, 12, 24), 90 * 16, 180 * 16);
      p.drawArc(QRectF(16, 6, 12, 24), 270 * 16, 180 * 16);
      p.drawLine(QPointF(22, 6), QPointF(22, 30));
    }
    fill_shaded(p, ellipse_path({22, 5.2}, 2.6, 2.6), fitting, {19, 2}, {25, 8});
  }
  fill_shaded(p, rect_path(18, 29.5, 8, 4.5, 1.2), fitting, {18, 29.5}, {26, 29.5});
  gem_if(p, m, {22, 18}, 2.8);
}

}  // namespace

void draw_weapon(QPainter& p, int kind, const Material& m, int variant) {
  const double thick = m.small ? 1.9 : 1.0;
  switch (kind) {
    case 0:
      draw_axe(p, m, variant, thick);
      break;
    case 1:
      draw_bow(p, m, variant, thick);
      break;
    case 2:
      draw_scythe(p, m, variant, thick);
      break;
    case 3:
      draw_claw(p, m, variant, thick);
      break;
    case 4:
      draw_javelin(p, m, variant, thick);
      break;
    case 5:
      draw_sword(p, m, variant, thick);
      break;
    case 6:
      draw_wand(p, m, variant, thick);
      break;
    default:
      draw_mace(p, m, variant, thick);
      break;
  }
}

}  // namespace brennick::art::detail
