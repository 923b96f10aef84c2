// The catalogue of our pictures: which file is drawn how, at what size, and
// the files' encodings.
#include "assets/art.h"

#include <QBuffer>
#include <QImageWriter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <array>
#include <functional>
#include <map>
#include <mutex>
#include <optional>

#include "assets/art_paint.h"
#include "data/vocabulary.h"

namespace brennick::art {

namespace {

using detail::Material;
using detail::Stuff;

// Skill pictures, in class order.
constexpr const auto& class_names = kClassNames;
constexpr int skills_per_class = kSkillPicturesPerClass;

enum class Shape {
  Amulet,
  Armlet,
  Armour,
  Boots,
  Gauntlets,
  Orb,
  Ring,
  Robe,
  Sheltom,
  Shield,
  Weapon,
};

struct ItemKind {
  const char* name;  // as the file names spell it
  int count;
  Shape shape;
  int weapon_kind;  // 0..7 for weapons
  QSize size;
};

// Item pictures, in the order of the start-up check. Sizes are those of the
// picture boxes that show them: armour and robes 66x88, shields 46x88,
// orbs, boots, gauntlets and armlets 44x44, amulets, rings and sheltoms
// 22x22; weapons stand upright in 44x88.
const std::array<ItemKind, 18>& item_kinds() {
  // How each series of kItemPictures looks, in the same order.
  struct Look {
    Shape shape;
    int weapon_kind;
    QSize size;
  };
  static const Look looks[] = {
      {Shape::Amulet, -1, {22, 22}},
      {Shape::Armlet, -1, {44, 44}},
      {Shape::Armour, -1, {66, 88}},
      {Shape::Weapon, 0, {44, 88}},
      {Shape::Boots, -1, {44, 44}},
      {Shape::Weapon, 1, {44, 88}},
      {Shape::Weapon, 3, {44, 88}},
      {Shape::Gauntlets, -1, {44, 44}},
      {Shape::Weapon, 4, {44, 88}},
      {Shape::Weapon, 7, {44, 88}},
      {Shape::Orb, -1, {44, 44}},
      {Shape::Ring, -1, {22, 22}},
      {Shape::Robe, -1, {66, 88}},
      {Shape::Weapon, 2, {44, 88}},
      {Shape::Sheltom, -1, {22, 22}},
      {Shape::Shield, -1, {46, 88}},
      {Shape::Weapon, 5, {44, 88}},
      {Shape::Weapon, 6, {44, 88}},
  };
  static_assert(std::size(looks) == kItemPictures.size());
  static const std::array<ItemKind, 18> kinds = [] {
    std::array<ItemKind, 18> k{};
    for (std::size_t i = 0; i < k.size(); ++i)
      k[i] = {kItemPictures[i].stem.data(), kItemPictures[i].count, looks[i].shape, looks[i].weapon_kind, looks[i].size};
    return k;
  }();
  return kinds;
}

enum class Single {
  Active,
  Axe,
  Bow,
  Claw,
  TwoHandBig,
  Javelin,
  Mace,
  Passive,
  Shield,
  Spear,
  Off,
  On,
  Sword,
  Wand,
  Archer,
};

struct SingleFile {
  const char* name;
  Single what;
  QSize size;
};

// The single pictures, in the order of the start-up check: the skill kind
// markers and switches (16x16), the weapon-kind and shield pictures (16x16),
// a large two-hand marker (32x32) and the About window's picture.
const std::array<SingleFile, 15>& single_files() {
  static const std::array<SingleFile, 15> files{{
      {"active.bmp", Single::Active, {16, 16}},
      {"axe.bmp", Single::Axe, {16, 16}},
      {"bow.bmp", Single::Bow, {16, 16}},
      {"claw.bmp", Single::Claw, {16, 16}},
      {"Hbig.bmp", Single::TwoHandBig, {32, 32}},
      {"jav.bmp", Single::Javelin, {16, 16}},
      {"mace.bmp", Single::Mace, {16, 16}},
      {"passive.bmp", Single::Passive, {16, 16}},
      {"shield.bmp", Single::Shield, {16, 16}},
      {"spear.bmp", Single::Spear, {16, 16}},
      {"off.bmp", Single::Off, {16, 16}},
      {"on.bmp", Single::On, {16, 16}},
      {"sword.bmp", Single::Sword, {16, 16}},
      {"wand.bmp", Single::Wand, {16, 16}},
      {"archer_big.bmp", Single::Archer, {160, 280}},
  }};
  return files;
}

// What a file name stands for.
struct Entry {
  enum class Type { Skill, Item, Single } type = Type::Single;
  int index = 0;   // class, item kind or single picture
  int number = 0;  // 1-based number in its set
  QSize size;
};

std::optional<Entry> parse(const QString& file_name) {
  const QString lower = file_name.toLower();
  const auto& singles = single_files();
  for (std::size_t i = 0; i < singles.size(); ++i) {
    if (lower == QString::fromLatin1(singles[i].name).toLower())
      return Entry{Entry::Type::Single, static_cast<int>(i), 0, singles[i].size};
  }
  static const QRegularExpression pattern(QStringLiteral("^([a-z]+)_([0-9]+)\\.(bmp|jpg)$"));
  const QRegularExpressionMatch match = pattern.match(lower);
  if (!match.hasMatch()) return std::nullopt;
  const QString stem = match.captured(1);
  const QString digits = match.captured(2);
  const bool jpeg = match.captured(3) == QLatin1String("jpg");
  const int n = digits.toInt();
  if (jpeg) {
    for (std::size_t c = 0; c < class_names.size(); ++c) {
      if (stem != QString::fromLatin1(class_names[c].data(), static_cast<qsizetype>(class_names[c].size())).toLower()) continue;
      if (n < 1 || n > skills_per_class || digits.size() != 2) return std::nullopt;
      return Entry{Entry::Type::Skill, static_cast<int>(c), n, {40, 40}};
    }
    return std::nullopt;
  }
  const auto& kinds = item_kinds();
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    if (stem != QString::fromLatin1(kinds[k].name).toLower()) continue;
    const bool two_digits = kinds[k].shape != Shape::Sheltom;
    if (n < 1 || n > kinds[k].count) return std::nullopt;
    if (digits != (two_digits ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'))
                              : QString::number(n)))
      return std::nullopt;
    return Entry{Entry::Type::Item, static_cast<int>(k), n, kinds[k].size};
  }
  return std::nullopt;
}

QImage opaque(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

Material icon_material(double rank) {
  Material m = detail::material(Stuff::Metal, rank);
  m.small = true;
  m.glow = 0;
  m.gems = 0;
  return m;
}

// Paints a drawer's design box centred and as large as fits into `box`.
void fitted(QPainter& p, QSizeF design, QSizeF box, const std::function<void()>& draw) {
  const double factor = std::min(box.width() / design.width(), box.height() / design.height());
  p.save();
  p.translate((box.width() - design.width() * factor) / 2,
              (box.height() - design.height() * factor) / 2);
  p.scale(factor, factor);
  draw();
  p.restore();
}

void draw_item(QPainter& p, const ItemKind& kind, int n) {
  const double rank = detail::rank_of(n, kind.count);
  const int variant = (n - 1) % 3;
  const Stuff stuff = kind.shape == Shape::Robe ? Stuff::Cloth : Stuff::Metal;
  const Material m = detail::material(stuff, rank);
  switch (kind.shape) {
    case Shape::Amulet:
      return detail::draw_amulet(p, m, variant);
    case Shape::Armlet:
      return detail::draw_armlet(p, m, variant);
    case Shape::Armour:
      return detail::draw_armour(p, m, variant);
    case Shape::Boots:
      return detail::draw_boots(p, m, variant);
    case Shape::Gauntlets:
      return detail::draw_gauntlets(p, m, variant);
    case Shape::Orb:
      return detail::draw_orb(p, m, variant);
    case Shape::Ring:
      return detail::draw_ring(p, m, variant);
    case Shape::Robe:
      return detail::draw_robe(p, m, variant);
    case Shape::Sheltom:
      return detail::draw_sheltom(p, n, false);
    case Shape::Shield:
      return detail::draw_shield(p, m, variant);
    case Shape::Weapon:
      return detail::draw_weapon(p, kind.weapon_kind, m, variant);
  }
}

void draw_single(QPainter& p, Single what) {
  switch (what) {
    case Single::Active:
      return detail::draw_kind_marker(p, true);
    case Single::Passive:
      return detail::draw_kind_marker(p, false);
    case Single::On:
      return detail::draw_switch(p, true);
    case Single::Off:
      return detail::draw_switch(p, false);
    case Single::Axe:
      return detail::draw_weapon_kind(p, 0);
    case Single::Bow:
      return detail::draw_weapon_kind(p, 1);
    case Single::Spear:
      return detail::draw_weapon_kind(p, 2);
    case Single::Claw:
      return detail::draw_weapon_kind(p, 3);
    case Single::Javelin:
      return detail::draw_weapon_kind(p, 4);
    case Single::Sword:
      return detail::draw_weapon_kind(p, 5);
    case Single::Wand:
      return detail::draw_weapon_kind(p, 6);
    case Single::Mace:
      return detail::draw_weapon_kind(p, 7);
    case Single::Shield:
      return detail::draw_shield_kind(p);
    case Single::TwoHandBig:
      return detail::draw_two_hand(p);
    case Single::Archer:
      return detail::draw_archer(p);
  }
}

// The design box of each single picture's drawer.
QSizeF single_design(Single what) {
  switch (what) {
    case Single::Archer:
      return {160, 280};
    default:
      return {16, 16};
  }
}

}  // namespace

QColor transparent_key() { return QColor(0xf0, 0xf0, 0xf0); }

QStringList all_picture_files() {
  QStringList files;
  for (const std::string& name : picture_files()) files << QString::fromStdString(name);
  return files;
}

QSize picture_size(const QString& file_name) {
  const std::optional<Entry> entry = parse(file_name);
  return entry ? entry->size : QSize();
}

QImage picture(const QString& file_name) {
  const std::optional<Entry> entry = parse(file_name);
  if (!entry) return {};
  switch (entry->type) {
    case Entry::Type::Skill:
      return opaque(detail::render(entry->size, Qt::black, {40, 40}, [&](QPainter& p) {
        detail::draw_skill(p, entry->index, entry->number - 1);
      }));
    case Entry::Type::Item: {
      const ItemKind& kind = item_kinds()[static_cast<std::size_t>(entry->index)];
      return opaque(detail::render(entry->size, transparent_key(), QSizeF(entry->size),
                                   [&](QPainter& p) { draw_item(p, kind, entry->number); }));
    }
    case Entry::Type::Single: {
      const Single what = single_files()[static_cast<std::size_t>(entry->index)].what;
      return opaque(detail::render(entry->size, transparent_key(), single_design(what),
                                   [&](QPainter& p) { draw_single(p, what); }));
    }
  }
  return {};
}

QImage keyed(const QImage& image) {
  if (image.isNull()) return {};
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = out.pixel(0, out.height() - 1) | 0xff000000u;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((line[x] | 0xff000000u) == key && qAlpha(line[x]) == 255) line[x] = 0;
    }
  }
  return out;
}

Icon weapon_kind_icon(int kind) {
  return static_cast<Icon>(static_cast<int>(Icon::KindAxe) + std::clamp(kind, 0, 7));
}

QSize icon_size(Icon id) {
  switch (id) {
    case Icon::Application:
    case Icon::ResistOrganic:
    case Icon::ResistFlame:
    case Icon::ResistIce:
    case Icon::ResistPoison:
    case Icon::ResistLightning:
      return {32, 32};
    case Icon::UndeadNote:
      return {19, 19};
    default:
      return {16, 16};
  }
}

namespace {

QImage draw_icon(Icon id, double scale) {
  const QSize design_size = icon_size(id);
  const QSize size = scale == 1.0 ? design_size
                                  : QSize(std::max(1, static_cast<int>(std::lround(design_size.width() * scale))),
                                          std::max(1, static_cast<int>(std::lround(design_size.height() * scale))));
  const QSizeF box(design_size);
  const auto draw = [&](QPainter& p) {
    const Material m = icon_material(0.55);
    Material cloth = detail::material(Stuff::Cloth, 0.6);
    cloth.small = true;
    cloth.glow = 0;
    cloth.gems = 0;
    switch (id) {
      case Icon::Open:
        return detail::draw_folder(p);
      case Icon::Save:
        return detail::draw_disk(p);
      case Icon::Skills:
        return detail::draw_book(p);
      case Icon::Armour:
        return fitted(p, {66, 88}, box, [&] { detail::draw_armour(p, m, 0); });
      case Icon::Robe:
        return fitted(p, {66, 88}, box, [&] { detail::draw_robe(p, cloth, 0); });
      case Icon::Shield:
        return detail::draw_shield_kind(p);
      case Icon::Orb:
        return fitted(p, {44, 44}, box, [&] { detail::draw_orb(p, m, 0); });
      case Icon::Armlets:
        return fitted(p, {44, 44}, box, [&] { detail::draw_armlet(p, m, 0); });
      case Icon::Gauntlets:
        return fitted(p, {44, 44}, box, [&] { detail::draw_gauntlets(p, m, 0); });
      case Icon::Boots:
        return fitted(p, {44, 44}, box, [&] { detail::draw_boots(p, m, 0); });
      case Icon::Weapon:
        return detail::draw_weapons(p);
      case Icon::Ring:
        return fitted(p, {22, 22}, box, [&] { detail::draw_ring(p, m, 0); });
      case Icon::Amulet:
        // Closer in than the picture: the pendant and the lower chain.
        return fitted(p, {18, 18}, box, [&] {
          p.translate(-2, -3.5);
          Material chained = m;
          chained.has_trim = true;
          detail::draw_amulet(p, chained, 0);
        });
      case Icon::Sheltom:
        return fitted(p, {22, 22}, box, [&] { detail::draw_sheltom(p, 9, true); });
      case Icon::Application:
        return detail::draw_emblem(p);
      case Icon::KindAxe:
      case Icon::KindBow:
      case Icon::KindScythe:
      case Icon::KindClaw:
      case Icon::KindJavelin:
      case Icon::KindSword:
      case Icon::KindWand:
      case Icon::KindMace:
        return detail::draw_weapon_kind(p, static_cast<int>(id) - static_cast<int>(Icon::KindAxe));
      case Icon::RedDot:
        return detail::draw_dot(p, false);
      case Icon::GreenDot:
        return detail::draw_dot(p, true);
      case Icon::UndeadNote:
        return detail::draw_undead(p);
      case Icon::OneHand:
        return detail::draw_one_hand(p);
      case Icon::TwoHand:
        return detail::draw_two_hand(p);
      case Icon::ResistOrganic:
      case Icon::ResistFlame:
      case Icon::ResistIce:
      case Icon::ResistPoison:
      case Icon::ResistLightning:
        return detail::draw_resistance(
            p, static_cast<int>(id) - static_cast<int>(Icon::ResistOrganic));
      case Icon::Undo:
        return detail::draw_undo_arrow(p, false);
      case Icon::Redo:
        return detail::draw_undo_arrow(p, true);
    }
  };
  return detail::render(size, Qt::transparent, box, draw);
}

}  // namespace

QImage icon(Icon id, double scale) {
  // Each icon is drawn once at its design size: the windows show the same
  // small icons in many places (every item browser, the menus' dots). The
  // larger sizes go into the program's icons, which keep them themselves.
  if (scale != 1.0) return draw_icon(id, scale);
  static std::mutex mutex;
  static std::map<int, QImage> drawn;
  const std::lock_guard<std::mutex> lock(mutex);
  auto it = drawn.find(static_cast<int>(id));
  if (it == drawn.end()) it = drawn.emplace(static_cast<int>(id), draw_icon(id, scale)).first;
  return it->second;
}

QByteArray encode_bmp24(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int width = rgb.width();
  const int height = rgb.height();
  const quint32 row_bytes = (static_cast<quint32>(width) * 3 + 3) & ~3u;
  const quint32 data_size = row_bytes * static_cast<quint32>(height);
  const quint32 header_size = 14 + 40;
  QByteArray out;
  out.reserve(static_cast<int>(header_size + data_size));
  const auto put16 = [&out](quint32 v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
  };
  const auto put32 = [&](quint32 v) {
    put16(v & 0xffff);
    put16(v >> 16);
  };
  // File header.
  out.append("BM", 2);
  put32(header_size + data_size);
  put32(0);
  put32(header_size);
  // Info header.
  put32(40);
  put32(static_cast<quint32>(width));
  put32(static_cast<quint32>(height));
  put16(1);   // planes
  put16(24);  // bits per pixel
  put32(0);   // uncompressed
  put32(data_size);
  put32(2835);  // 72 dots per inch
  put32(2835);
  put32(0);
  put32(0);
  for (int y = height - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      out.append(static_cast<char>(qBlue(line[x])));
      out.append(static_cast<char>(qGreen(line[x])));
      out.append(static_cast<char>(qRed(line[x])));
    }
    for (quint32 pad = static_cast<quint32>(width) * 3; pad < row_bytes; ++pad) out.append('\0');
  }
  return out;
}

QByteArray encode_jpeg(const QImage& image) {
  QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  rgb.setDotsPerMeterX(2835);
  rgb.setDotsPerMeterY(2835);
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(jpeg_quality);
  if (!writer.write(rgb)) return {};
  return out;
}

QByteArray picture_file(const QString& file_name) {
  const QImage image = picture(file_name);
  if (image.isNull()) return {};
  return file_name.toLower().endsWith(QLatin1String(".jpg")) ? encode_jpeg(image)
                                                              : encode_bmp24(image);
}

// patch.dat: the bitmap patcher writes this content over the first bytes of
// every bitmap below the folder the user names. It is a complete 24-bit BMP
// of 2x2 mid-grey pixels, 70 bytes: 54 bytes of headers that declare a 2x2
// picture and a file size of 70, then two rows of two pixels padded to four
// bytes. A patched bitmap therefore opens afterwards as that small grey
// square, whatever bytes of the old picture follow the patch.
QByteArray patch_data() {
  QImage grey(2, 2, QImage::Format_RGB32);
  grey.fill(QColor(0x80, 0x80, 0x80));
  return encode_bmp24(grey);
}

}  // namespace brennick::art
