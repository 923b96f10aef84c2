// Tier materials and the shading helpers shared by every drawer.
#include "assets/art_paint.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

namespace brennick::art::detail {

namespace {

struct Stop {
  double at;
  QRgb colour;
};

using Ramp = std::array<Stop, 7>;

// Metal: iron, bronze, steel, azure, amethyst, crimson, gold.
constexpr Ramp metal_ramp{{{0.00, 0x6f6a64},
                           {0.17, 0xa06a34},
                           {0.33, 0x8796a8},
                           {0.50, 0x3d78c8},
                           {0.67, 0x8a4bc4},
                           {0.83, 0xb8282e},
                           {1.00, 0xe3b230}}};
// Cloth: linen, moss, sea, royal blue, purple, wine, ivory.
constexpr Ramp cloth_ramp{{{0.00, 0xa89c84},
                           {0.17, 0x6d8a45},
                           {0.33, 0x2f8f8c},
                           {0.50, 0x3150b0},
                           {0.67, 0x7a3aa8},
                           {0.83, 0x9c2040},
                           {1.00, 0xe8dcb0}}};
// Glass and gems: smoke, aqua, emerald, sapphire, violet, ruby, sun.
constexpr Ramp glass_ramp{{{0.00, 0x8a94a0},
                           {0.17, 0x5cc0d0},
                           {0.33, 0x2fb870},
                           {0.50, 0x3a6ef0},
                           {0.67, 0xa050f0},
                           {0.83, 0xe03050},
                           {1.00, 0xffc830}}};

QColor on_ramp(const Ramp& ramp, double t) {
  t = std::clamp(t, 0.0, 1.0);
  for (std::size_t i = 1; i < ramp.size(); ++i) {
    if (t <= ramp[i].at) {
      const double span = ramp[i].at - ramp[i - 1].at;
      return mix(QColor(ramp[i - 1].colour), QColor(ramp[i].colour),
                 (t - ramp[i - 1].at) / span);
    }
  }
  return QColor(ramp.back().colour);
}

}  // namespace

QColor mix(QColor a, QColor b, double t) {
  const auto lerp = [t](int x, int y) {
    return static_cast<int>(std::lround(x + (y - x) * t));
  };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QColor with_alpha(QColor c, int alpha) {
  c.setAlpha(std::clamp(alpha, 0, 255));
  return c;
}

double rank_of(int n, int count) {
  if (count <= 1) return 1.0;
  return static_cast<double>(n - 1) / static_cast<double>(count - 1);
}

Material material(Stuff stuff, double rank) {
  Material m;
  m.rank = std::clamp(rank, 0.0, 1.0);
  switch (stuff) {
    case Stuff::Metal:
      m.base = on_ramp(metal_ramp, m.rank);
      break;
    case Stuff::Cloth:
      m.base = on_ramp(cloth_ramp, m.rank);
      break;
    case Stuff::Glass:
      m.base = on_ramp(glass_ramp, m.rank);
      break;
    case Stuff::Wood:
      m.base = mix(QColor(0x8a5a32), QColor(0x4a2a18), m.rank);
      break;
    case Stuff::Leather:
      m.base = mix(QColor(0x7a5030), QColor(0x3a2418), m.rank);
      break;
  }
  m.light = mix(m.base, Qt::white, 0.5);
  m.dark = mix(m.base, Qt::black, 0.5);
  m.edge = mix(m.base, Qt::black, 0.72);
  m.has_trim = m.rank >= 0.3;
  m.trim = m.rank < 0.6 ? QColor(0xc8a050) : (m.rank < 0.9 ? QColor(0xf2cc50) : QColor(0xfff0b0));
  m.gem = on_ramp(glass_ramp, std::fmod(m.rank + 0.5, 1.0) * 0.8 + 0.2);
  m.gems = m.rank >= 0.8 ? 3 : (m.rank >= 0.45 ? 1 : 0);
  m.glow = m.rank >= 0.6 ? 0.25 + 0.75 * (m.rank - 0.6) / 0.4 : 0.0;
  m.glow_color = mix(on_ramp(glass_ramp, m.rank), Qt::white, 0.25);
  return m;
}

QImage render(QSize size, QColor background, QSizeF design,
              const std::function<void(QPainter&)>& draw) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.setDotsPerMeterX(2835);
  image.setDotsPerMeterY(2835);
  image.fill(background.alpha() == 0 ? QColor(Qt::transparent) : background);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.scale(size.width() / design.width(), size.height() / design.height());
  draw(p);
  p.end();
  return image;
}

QPen hairline(QColor c, double width) {
  QPen pen(c, width);
  pen.setCosmetic(true);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

QPen design_pen(QColor c, double width) {
  QPen pen(c, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void fill_gradient(QPainter& p, const QPainterPath& path, QColor light, QColor mid, QColor dark,
                   QPointF lit, QPointF shade, QColor edge) {
  QLinearGradient g(lit, shade);
  g.setColorAt(0.0, light);
  g.setColorAt(0.5, mid);
  g.setColorAt(1.0, dark);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(path);
  p.setBrush(Qt::NoBrush);
  p.setPen(hairline(edge));
  p.drawPath(path);
}

void fill_shaded(QPainter& p, const QPainterPath& path, const Material& m, QPointF lit,
                 QPointF shade) {
  fill_gradient(p, path, m.light, m.base, m.dark, lit, shade, m.edge);
}

void draw_glow(QPainter& p, QPointF centre, double radius, const Material& m) {
  if (m.glow <= 0) return;
  QRadialGradient g(centre, radius);
  g.setColorAt(0.0, with_alpha(m.glow_color, static_cast<int>(230 * m.glow)));
  g.setColorAt(0.55, with_alpha(m.glow_color, static_cast<int>(110 * m.glow)));
  g.setColorAt(1.0, with_alpha(m.glow_color, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  p.setBrush(Qt::NoBrush);
}

void draw_gem(QPainter& p, QPointF centre, double radius, QColor colour) {
  QRadialGradient g(centre + QPointF(-radius * 0.35, -radius * 0.35), radius * 1.4);
  g.setColorAt(0.0, mix(colour, Qt::white, 0.75));
  g.setColorAt(0.45, colour);
  g.setColorAt(1.0, mix(colour, Qt::black, 0.6));
  p.setPen(hairline(mix(colour, Qt::black, 0.75), 0.8));
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 0.28, radius * 0.22);
  p.setBrush(Qt::NoBrush);
}

void draw_trim(QPainter& p, const QPainterPath& path, const Material& m, double width) {
  if (!m.has_trim) return;
  p.setBrush(Qt::NoBrush);
  p.setPen(design_pen(m.trim, width));
  p.drawPath(path);
}

QPainterPath stroked(const QPainterPath& path, double width, Qt::PenCapStyle cap) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(cap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(path).simplified();
}

QPainterPath ellipse_path(QPointF c, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(c, rx, ry);
  return path;
}

QPainterPath rect_path(double x, double y, double w, double h, double radius) {
  QPainterPath path;
  if (radius > 0)
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
  else
    path.addRect(QRectF(x, y, w, h));
  return path;
}

QPainterPath scaled(const QPainterPath& path, QPointF centre, double factor) {
  QTransform t;
  t.translate(centre.x(), centre.y());
  t.scale(factor, factor);
  t.translate(-centre.x(), -centre.y());
  return t.map(path);
}

QPainterPath mirrored_x(const QPainterPath& path, double axis_x) {
  QTransform t;
  t.translate(2 * axis_x, 0);
  t.scale(-1, 1);
  return t.map(path);
}

}  // namespace brennick::art::detail
