// Our own pictures, drawn by code.
//
// Every picture file of the images folder and every icon the windows use is
// drawn here with QPainter into a QImage: shapes, gradients and paths only,
// never text (fonts differ between machines), so the same sources give the
// same pixels on every build. `brennick-imagegen` writes the picture files at
// build time; the windows call `icon()` for the pictures they draw from code.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace brennick::art {

// The pictures of the images folder, in the order the start-up check looks
// for them: 128 skill pictures, the item pictures, the single pictures.
QStringList all_picture_files();

// The picture of a file of the images folder ("Armor_03.bmp",
// "Archer_16.jpg", "Sheltom_4.bmp", "on.bmp", ...). Letter case does not
// matter. A name that is not one of all_picture_files() gives a null image.
// Pictures are opaque (Format_RGB32). Those shown "transparent" by the
// windows have a plain background of transparent_key(), which is also the
// colour of their bottom-left pixel.
QImage picture(const QString& file_name);

// The size picture() draws the file at; an invalid size for unknown names.
QSize picture_size(const QString& file_name);

// The plain background colour of the item, kind and switch pictures.
QColor transparent_key();

// A copy of `image` with every pixel of its bottom-left pixel's colour made
// fully transparent: how a picture box drawn "with transparency" shows one
// of our pictures.
QImage keyed(const QImage& image);

// Pictures the windows draw from code; they have real transparency.
enum class Icon {
  // tool bar and menus, 16x16
  Open,
  Save,
  Skills,
  Armour,
  Robe,
  Shield,
  Orb,
  Armlets,
  Gauntlets,
  Boots,
  Weapon,
  Ring,
  Amulet,
  Sheltom,
  // the window icon, 32x32
  Application,
  // weapon kinds in the order of the weapon lists, 16x16
  KindAxe,
  KindBow,
  KindScythe,
  KindClaw,
  KindJavelin,
  KindSword,
  KindWand,
  KindMace,
  // requirement marks of the weapon menu, 16x16
  RedDot,
  GreenDot,
  // the undead-note marker beside the Holy Valor buff, 19x19
  UndeadNote,
  // the one-hand and two-hand markers of the result panels, 16x16
  OneHand,
  TwoHand,
  // resistance icons of the item browsers, 32x32
  ResistOrganic,
  ResistFlame,
  ResistIce,
  ResistPoison,
  ResistLightning,
  // undo and redo of the tool bar and the Edit menu, 16x16
  Undo,
  Redo,
};
inline constexpr int icon_count = static_cast<int>(Icon::Redo) + 1;

// The icon of a weapon kind 0..7 (Axe .. Mace, the rows of the weapon lists).
Icon weapon_kind_icon(int kind);

// `scale` draws the icon that much larger (icon_size(id) * scale, rounded),
// from its shapes: crisp at every zoom and screen scale.
QImage icon(Icon id, double scale = 1.0);
QSize icon_size(Icon id);

// A 24-bit uncompressed BMP file of `image` (bottom-up rows, BGR, rows padded
// to four bytes, 2835 pixels per metre); alpha is dropped.
QByteArray encode_bmp24(const QImage& image);

// A JPEG file of `image` at quality jpeg_quality.
inline constexpr int jpeg_quality = 92;
QByteArray encode_jpeg(const QImage& image);

// The file of `file_name` as the images folder holds it (BMP or JPEG by its
// extension); empty for unknown names.
QByteArray picture_file(const QString& file_name);

// The content of patch.dat; see the comment at its definition.
QByteArray patch_data();

}  // namespace brennick::art
