// Shared drawing tools of our pictures: tier materials, shading helpers and
// the drawers of every item silhouette. Each drawer paints into its own
// design box (given in its comment) with the painter already scaled, so the
// same silhouette serves the item pictures, the tool bar and the menus.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>

#include <cstdint>
#include <functional>

namespace brennick::art::detail {

// How an item of a given tier looks. rank runs from 0 (the first entry of a
// table) to 1 (the last); higher ranks get richer colours, trim, gems and a
// glow behind the item.
struct Material {
  double rank = 0;
  QColor base, light, dark, edge;
  QColor trim;
  bool has_trim = false;
  QColor gem;
  int gems = 0;           // 0, 1 or 3 inlaid gems
  double glow = 0;        // 0 .. 1
  QColor glow_color;
  bool small = false;     // drawn as an icon: fewer fine details
};

enum class Stuff { Metal, Cloth, Glass, Wood, Leather };

// Rank of entry n (1-based) of a table of `count` entries.
double rank_of(int n, int count);

// The material of a rank: metal goes iron, bronze, steel, azure, amethyst,
// crimson, gold; cloth goes linen, moss, sea, royal blue, purple, wine, ivory
// gold; glass is the colour of orbs and gems.
Material material(Stuff stuff, double rank);

// Deterministic small pseudo-random numbers (a fixed linear congruential
// generator), for star fields and such.
class Lcg {
 public:
  explicit Lcg(std::uint32_t seed) : state_(seed) {}
  std::uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  double unit() { return static_cast<double>(next() & 0xFFFF) / 65535.0; }

 private:
  std::uint32_t state_;
};

// An image of `size`, filled with `background` (transparent when its alpha is
// 0), with an antialiased painter scaled so that `design` fills the image.
QImage render(QSize size, QColor background, QSizeF design,
              const std::function<void(QPainter&)>& draw);

QColor mix(QColor a, QColor b, double t);
QColor with_alpha(QColor c, int alpha);

// A pen of `width` device pixels whatever the painter's scale.
QPen hairline(QColor c, double width = 1.0);
// A pen in design units.
QPen design_pen(QColor c, double width);

// Fills `path` with the material shaded from `lit` (light) to `shade`
// (dark) and outlines it.
void fill_shaded(QPainter& p, const QPainterPath& path, const Material& m, QPointF lit,
                 QPointF shade);
// The same with a plain brush gradient of three colours.
void fill_gradient(QPainter& p, const QPainterPath& path, QColor light, QColor mid, QColor dark,
                   QPointF lit, QPointF shade, QColor edge);
// A soft round glow of the material's glow colour behind an item.
void draw_glow(QPainter& p, QPointF centre, double radius, const Material& m);
// A round cut gem with a highlight.
void draw_gem(QPainter& p, QPointF centre, double radius, QColor colour);
// A line of trim along `path` when the material has trim.
void draw_trim(QPainter& p, const QPainterPath& path, const Material& m, double width);
// A path stroked to a solid shape of the given width.
QPainterPath stroked(const QPainterPath& path, double width,
                     Qt::PenCapStyle cap = Qt::RoundCap);
QPainterPath ellipse_path(QPointF c, double rx, double ry);
QPainterPath rect_path(double x, double y, double w, double h, double radius = 0);
// `path` scaled by `factor` about `centre`.
QPainterPath scaled(const QPainterPath& path, QPointF centre, double factor);
QPainterPath mirrored_x(const QPainterPath& path, double axis_x);

// Item silhouettes. `variant` (0, 1, 2) changes details between neighbouring
// entries of a table. Design boxes: armour and robe 66x88, shield 46x88,
// orb, boots, gauntlets and armlets 44x44, amulet, ring and sheltom 22x22.
void draw_armour(QPainter& p, const Material& m, int variant);
void draw_robe(QPainter& p, const Material& m, int variant);
void draw_shield(QPainter& p, const Material& m, int variant);
void draw_orb(QPainter& p, const Material& m, int variant);
void draw_boots(QPainter& p, const Material& m, int variant);
void draw_gauntlets(QPainter& p, const Material& m, int variant);
void draw_armlet(QPainter& p, const Material& m, int variant);
void draw_amulet(QPainter& p, const Material& m, int variant);
void draw_ring(QPainter& p, const Material& m, int variant);
// Sheltom 1..9, each of its own colour.
void draw_sheltom(QPainter& p, int number, bool small);

// Weapons stand upright, point or head at the top, in a 44x88 box.
// kind 0..7: Axe, Bow, Scythe, Claw, Javelin, Sword, Wand/Staff, Mace.
void draw_weapon(QPainter& p, int kind, const Material& m, int variant);

// A skill picture of class 0..7 and slot 0..15 in a 40x40 box.
void draw_skill(QPainter& p, int class_index, int slot);

// Markers and small pictures (design box in brackets).
void draw_switch(QPainter& p, bool on);           // 16x16
void draw_kind_marker(QPainter& p, bool active);  // 16x16
void draw_weapon_kind(QPainter& p, int kind);     // 16x16
void draw_weapons(QPainter& p);                   // 16x16
void draw_shield_kind(QPainter& p);               // 16x16
void draw_one_hand(QPainter& p);                  // 16x16
void draw_two_hand(QPainter& p);                  // 16x16
void draw_dot(QPainter& p, bool green);           // 16x16
void draw_undo_arrow(QPainter& p, bool redo);     // 16x16
void draw_undead(QPainter& p);                    // 19x19
void draw_archer(QPainter& p);                    // 160x280
void draw_folder(QPainter& p);                    // 16x16
void draw_disk(QPainter& p);                      // 16x16
void draw_book(QPainter& p);                      // 16x16
void draw_emblem(QPainter& p);                    // 32x32
void draw_resistance(QPainter& p, int which);     // 32x32, 0 organic .. 4 lightning

}  // namespace brennick::art::detail
