// Our pictures: the files the build draws into images/, their sizes and
// formats, the lookup by file name, determinism, and the icons the windows
// draw from code.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

#include "assets/art.h"

using namespace brennick::art;

namespace {

QString images_dir() { return QCoreApplication::applicationDirPath() + QStringLiteral("/images"); }

QByteArray read_all(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

quint32 le32(const QByteArray& bytes, int at) {
  return static_cast<quint8>(bytes[at]) | static_cast<quint8>(bytes[at + 1]) << 8 |
         static_cast<quint8>(bytes[at + 2]) << 16 |
         static_cast<quint32>(static_cast<quint8>(bytes[at + 3])) << 24;
}

quint16 le16(const QByteArray& bytes, int at) {
  return static_cast<quint16>(static_cast<quint8>(bytes[at]) |
                              static_cast<quint8>(bytes[at + 1]) << 8);
}

// The size of each picture as the boxes of the windows show it.
QSize expected_size(const QString& name) {
  const QString lower = name.toLower();
  if (lower.endsWith(QLatin1String(".jpg"))) return {40, 40};
  static const std::map<QString, QSize> by_kind{
      {"armor", {66, 88}},  {"robe", {66, 88}},   {"shield", {46, 88}},  {"orb", {44, 44}},
      {"boots", {44, 44}},  {"gaunts", {44, 44}}, {"armlet", {44, 44}},  {"amulet", {22, 22}},
      {"ring", {22, 22}},   {"sheltom", {22, 22}}, {"axe", {44, 88}},    {"bow", {44, 88}},
      {"scythe", {44, 88}}, {"claw", {44, 88}},   {"javelin", {44, 88}}, {"sword", {44, 88}},
      {"wand", {44, 88}},   {"mace", {44, 88}}};
  const int underscore = lower.indexOf(QLatin1Char('_'));
  if (underscore > 0 && lower != QLatin1String("archer_big.bmp"))
    return by_kind.at(lower.left(underscore));
  if (lower == QLatin1String("archer_big.bmp")) return {160, 280};
  if (lower == QLatin1String("hbig.bmp")) return {32, 32};
  return {16, 16};
}

QByteArray digest(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  return QCryptographicHash::hash(
      QByteArrayView(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes()),
      QCryptographicHash::Sha1);
}

// Share of pixels that differ between two images of one size.
double difference(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32);
  const QImage y = b.convertToFormat(QImage::Format_RGB32);
  int differing = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col)
      if (x.pixel(col, row) != y.pixel(col, row)) ++differing;
  return static_cast<double>(differing) / (x.width() * x.height());
}

// Mean HSV saturation (0..255) of the pixels that are not background.
double mean_saturation(const QImage& image) {
  const QRgb key = transparent_key().rgb();
  double sum = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != key) {
        sum += QColor(image.pixel(x, y)).hsvSaturation();
        ++n;
      }
  return n == 0 ? 0 : sum / n;
}

QString generator() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/brennick-imagegen");
}

}  // namespace

class ArtTest : public QObject {
  Q_OBJECT

 private slots:
  void list_follows_the_start_up_check();
  void every_file_exists_and_loads_at_its_size();
  void files_on_disk_are_what_the_code_draws();
  void bmp_files_are_24_bit_uncompressed();
  void lookup_ignores_case_and_rejects_unknown_names();
  void renders_are_byte_identical();
  void tiers_and_slots_differ();
  void higher_tiers_are_richer_in_colour();
  void item_pictures_have_a_plain_key_background();
  void icons_are_transparent_and_distinct();
  void bmp_encoding_pads_rows_and_stores_bottom_up();
  void jpeg_encoding_keeps_the_picture();
  void patch_file_is_a_small_valid_bitmap();
  void generator_writes_every_file_and_only_when_changed();
  void generator_rejects_bad_arguments();
};

void ArtTest::list_follows_the_start_up_check() {
  const QStringList files = all_picture_files();
  QCOMPARE(files.size(), 128 + 312 + 15);
  // Skill pictures first, class by class.
  QCOMPARE(files.at(0), QStringLiteral("Fighter_01.jpg"));
  QCOMPARE(files.at(15), QStringLiteral("Fighter_16.jpg"));
  QCOMPARE(files.at(31), QStringLiteral("Archer_16.jpg"));
  QCOMPARE(files.at(127), QStringLiteral("Priestess_16.jpg"));
  // Then the item pictures, kind by kind in the check's order.
  QCOMPARE(files.at(128), QStringLiteral("Amulet_01.bmp"));
  QCOMPARE(files.at(128 + 18), QStringLiteral("Armlet_01.bmp"));
  const std::vector<std::pair<QString, int>> counts{
      {"Amulet", 18}, {"Armlet", 17}, {"Armor", 18},   {"Axe", 17},    {"Boots", 17},
      {"Bow", 19},    {"Claw", 17},   {"Gaunts", 17},  {"Javelin", 18}, {"Mace", 18},
      {"Orb", 18},    {"Ring", 18},   {"Robe", 18},    {"Scythe", 18}, {"Sheltom", 9},
      {"Shield", 17}, {"Sword", 20},  {"wand", 18}};
  int at = 128;
  for (const auto& [kind, count] : counts) {
    for (int n = 1; n <= count; ++n, ++at) {
      const QString number = kind == QLatin1String("Sheltom")
                                 ? QString::number(n)
                                 : QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
      QCOMPARE(files.at(at), kind + QLatin1Char('_') + number + QStringLiteral(".bmp"));
    }
  }
  // Then the single pictures.
  const QStringList singles{"active.bmp", "axe.bmp",     "bow.bmp",     "claw.bmp", "Hbig.bmp",
                            "jav.bmp",    "mace.bmp",    "passive.bmp", "shield.bmp",
                            "spear.bmp",  "off.bmp",     "on.bmp",      "sword.bmp", "wand.bmp",
                            "archer_big.bmp"};
  QCOMPARE(files.mid(at), singles);
  // No two names are the same file on a platform that ignores letter case.
  QSet<QString> lower;
  for (const QString& f : files) lower.insert(f.toLower());
  QCOMPARE(lower.size(), files.size());
}

void ArtTest::every_file_exists_and_loads_at_its_size() {
  const QDir dir(images_dir());
  for (const QString& name : all_picture_files()) {
    const QString path = dir.filePath(name);
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), expected_size(name));
    QCOMPARE(picture_size(name), expected_size(name));
  }
}

void ArtTest::files_on_disk_are_what_the_code_draws() {
  // The build writes exactly the bytes the library produces now.
  const QDir dir(images_dir());
  for (const QString& name : all_picture_files())
    QVERIFY2(read_all(dir.filePath(name)) == picture_file(name), qPrintable(name));
}

void ArtTest::bmp_files_are_24_bit_uncompressed() {
  const QDir dir(images_dir());
  for (const QString& name : all_picture_files()) {
    if (!name.endsWith(QLatin1String(".bmp"))) {
      QVERIFY(read_all(dir.filePath(name)).startsWith("\xFF\xD8"));  // JPEG start marker
      continue;
    }
    const QByteArray bytes = read_all(dir.filePath(name));
    const QSize size = expected_size(name);
    const int row = (size.width() * 3 + 3) / 4 * 4;
    QVERIFY(bytes.startsWith("BM"));
    QCOMPARE(static_cast<qsizetype>(le32(bytes, 2)), bytes.size());
    QCOMPARE(le32(bytes, 10), 54u);                                   // pixel data offset
    QCOMPARE(static_cast<int>(le32(bytes, 18)), size.width());
    QCOMPARE(static_cast<int>(le32(bytes, 22)), size.height());       // positive: bottom-up
    QCOMPARE(le16(bytes, 28), quint16(24));
    QCOMPARE(le32(bytes, 30), 0u);                                    // no compression
    QCOMPARE(bytes.size(), 54 + row * size.height());
  }
}

void ArtTest::lookup_ignores_case_and_rejects_unknown_names() {
  QCOMPARE(digest(picture("ARMOR_03.BMP")), digest(picture("Armor_03.bmp")));
  QCOMPARE(digest(picture("Wand_01.bmp")), digest(picture("wand_01.bmp")));
  QCOMPARE(digest(picture("sheltom_3.bmp")), digest(picture("Sheltom_3.bmp")));
  QCOMPARE(digest(picture("archer_16.JPG")), digest(picture("Archer_16.jpg")));
  QCOMPARE(digest(picture("HBIG.bmp")), digest(picture("Hbig.bmp")));
  QCOMPARE(picture_size("ON.BMP"), QSize(16, 16));

  const QStringList unknown{
      "",               "Armor_19.bmp",   "Armor_00.bmp",   "Armor_3.bmp",    "Armor_003.bmp",
      "Armor_03.jpg",   "Sheltom_0.bmp",  "Sheltom_01.bmp", "Sheltom_10.bmp", "Sword_21.bmp",
      "Bow_20.bmp",     "Fighter_17.jpg", "Fighter_00.jpg", "Fighter_1.jpg",  "Fighter_01.bmp",
      "Wizard_01.jpg",  "on.jpg",         "images/on.bmp",  " on.bmp",        "on.bmp.bmp",
      "Armor-03.bmp",   "Armor_-3.bmp",   "patch.dat"};
  for (const QString& name : unknown) {
    QVERIFY2(picture(name).isNull(), qPrintable(name));
    QVERIFY2(!picture_size(name).isValid(), qPrintable(name));
    QVERIFY2(picture_file(name).isEmpty(), qPrintable(name));
  }
  // The last entry of each table exists, the one after it does not.
  QVERIFY(!picture("Sword_20.bmp").isNull());
  QVERIFY(!picture("Bow_19.bmp").isNull());
  QVERIFY(!picture("Sheltom_9.bmp").isNull());
  QVERIFY(!picture("Priestess_16.jpg").isNull());
}

void ArtTest::renders_are_byte_identical() {
  for (const QString& name : all_picture_files()) {
    const QImage first = picture(name);
    const QImage second = picture(name);
    QVERIFY2(first == second, qPrintable(name));
    QVERIFY2(picture_file(name) == picture_file(name), qPrintable(name));
  }
  for (int i = 0; i < icon_count; ++i) {
    const Icon id = static_cast<Icon>(i);
    QVERIFY(icon(id) == icon(id));
  }
  QCOMPARE(patch_data(), patch_data());
}

void ArtTest::tiers_and_slots_differ() {
  // Within each kind every entry looks different from every other, and the
  // first and last entries of a table differ in much of the picture.
  QHash<QString, QSet<QByteArray>> seen;
  QHash<QString, int> count;
  for (const QString& name : all_picture_files()) {
    const int underscore = name.indexOf(QLatin1Char('_'));
    if (underscore < 0 || name == QLatin1String("archer_big.bmp")) continue;
    const QString kind = name.endsWith(QLatin1String(".jpg")) ? QStringLiteral("skill")
                                                               : name.left(underscore);
    seen[kind].insert(digest(picture(name)));
    ++count[kind];
  }
  for (auto it = count.cbegin(); it != count.cend(); ++it)
    QVERIFY2(seen[it.key()].size() == it.value(), qPrintable(it.key()));
  QCOMPARE(count[QStringLiteral("skill")], 128);

  const std::vector<std::pair<QString, QString>> extremes{
      {"Armor_01.bmp", "Armor_18.bmp"}, {"Robe_01.bmp", "Robe_18.bmp"},
      {"Shield_01.bmp", "Shield_17.bmp"}, {"Orb_01.bmp", "Orb_18.bmp"},
      {"Sword_01.bmp", "Sword_20.bmp"}, {"Ring_01.bmp", "Ring_18.bmp"},
      {"Sheltom_1.bmp", "Sheltom_9.bmp"}};
  for (const auto& [low, high] : extremes)
    QVERIFY2(difference(picture(low), picture(high)) > 0.2, qPrintable(low + " " + high));
  // Skill tiers show in the frame: the same class's first and last picture
  // differ along the border too.
  const QImage tier1 = picture("Knight_01.jpg");
  const QImage tier4 = picture("Knight_16.jpg");
  QVERIFY(tier1.pixel(1, 20) != tier4.pixel(1, 20));
  // Classes differ in colour: the same slot of two classes.
  QVERIFY(difference(picture("Fighter_05.jpg"), picture("Magician_05.jpg")) > 0.5);
}

void ArtTest::higher_tiers_are_richer_in_colour() {
  // Metal goes from plain iron to coloured and gilded pieces.
  for (const auto& [low, high] : std::vector<std::pair<QString, QString>>{
           {"Armor_01.bmp", "Armor_18.bmp"}, {"Shield_01.bmp", "Shield_17.bmp"},
           {"Boots_01.bmp", "Boots_17.bmp"}, {"Gaunts_01.bmp", "Gaunts_17.bmp"},
           {"Axe_01.bmp", "Axe_17.bmp"}, {"Mace_01.bmp", "Mace_18.bmp"}}) {
    const double a = mean_saturation(picture(low));
    const double b = mean_saturation(picture(high));
    QVERIFY2(b > a + 40, qPrintable(QStringLiteral("%1 %2: %3 %4").arg(low, high).arg(a).arg(b)));
  }
}

void ArtTest::item_pictures_have_a_plain_key_background() {
  const QRgb key = transparent_key().rgb();
  for (const QString& name : all_picture_files()) {
    if (name.endsWith(QLatin1String(".jpg")) || name == QLatin1String("archer_big.bmp")) continue;
    const QImage image = picture(name);
    QVERIFY2(image.pixel(0, image.height() - 1) == key, qPrintable(name));
    // Something is drawn: the middle of the picture is not background.
    bool drawn = false;
    for (int x = 0; x < image.width() && !drawn; ++x)
      drawn = image.pixel(x, image.height() / 2) != key;
    QVERIFY2(drawn, qPrintable(name));
  }
  // keyed() turns the background transparent and keeps the item.
  const QImage armour = keyed(picture("Armor_05.bmp"));
  QCOMPARE(armour.size(), QSize(66, 88));
  QCOMPARE(qAlpha(armour.pixel(0, 0)), 0);
  QCOMPARE(qAlpha(armour.pixel(65, 87)), 0);
  QCOMPARE(qAlpha(armour.pixel(33, 30)), 255);
  // A picture without a plain background keeps everything.
  const QImage skill = keyed(picture("Archer_16.jpg"));
  int transparent = 0;
  for (int y = 0; y < skill.height(); ++y)
    for (int x = 0; x < skill.width(); ++x)
      if (qAlpha(skill.pixel(x, y)) == 0) ++transparent;
  QVERIFY(transparent < skill.width() * skill.height() / 20);
  QVERIFY(keyed(QImage()).isNull());
}

void ArtTest::icons_are_transparent_and_distinct() {
  QSet<QByteArray> seen;
  for (int i = 0; i < icon_count; ++i) {
    const Icon id = static_cast<Icon>(i);
    const QImage image = icon(id);
    QCOMPARE(image.size(), icon_size(id));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    // Not empty and not a speck: solid pixels spread over most of the box.
    int opaque = 0;
    QRect solid;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) == 255) {
          ++opaque;
          solid |= QRect(x, y, 1, 1);
        }
    const QString which = QString::number(i);
    QVERIFY2(opaque >= image.width() * image.height() / 20, qPrintable(which));
    // (Tall items such as the shield are narrow.)
    QVERIFY2(std::max(solid.width(), solid.height()) >= image.width() * 2 / 3, qPrintable(which));
    QVERIFY2(std::min(solid.width(), solid.height()) >= image.width() / 3, qPrintable(which));
    seen.insert(digest(image));
  }
  QCOMPARE(seen.size(), icon_count);

  QCOMPARE(icon_size(Icon::Open), QSize(16, 16));
  QCOMPARE(icon_size(Icon::KindMace), QSize(16, 16));
  QCOMPARE(icon_size(Icon::RedDot), QSize(16, 16));
  QCOMPARE(icon_size(Icon::UndeadNote), QSize(19, 19));
  QCOMPARE(icon_size(Icon::OneHand), QSize(16, 16));
  QCOMPARE(icon_size(Icon::ResistIce), QSize(32, 32));
  // Weapon kinds in the order of the weapon lists.
  QCOMPARE(weapon_kind_icon(0), Icon::KindAxe);
  QCOMPARE(weapon_kind_icon(2), Icon::KindScythe);
  QCOMPARE(weapon_kind_icon(6), Icon::KindWand);
  QCOMPARE(weapon_kind_icon(7), Icon::KindMace);
  // The requirement dots: red and green where the dot is.
  const QRgb red = icon(Icon::RedDot).pixel(9, 9);
  const QRgb green = icon(Icon::GreenDot).pixel(9, 9);
  QVERIFY(qRed(red) > 2 * qGreen(red));
  QVERIFY(qGreen(green) > 2 * qRed(green));
}

void ArtTest::bmp_encoding_pads_rows_and_stores_bottom_up() {
  QImage image(3, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(1, 0, qRgb(0, 255, 0));
  image.setPixel(2, 0, qRgb(0, 0, 255));
  image.setPixel(0, 1, qRgb(1, 2, 3));
  image.setPixel(1, 1, qRgb(4, 5, 6));
  image.setPixel(2, 1, qRgb(7, 8, 9));
  const QByteArray bmp = encode_bmp24(image);
  // Rows of 9 bytes padded to 12.
  QCOMPARE(bmp.size(), 54 + 2 * 12);
  QCOMPARE(le32(bmp, 34), 24u);
  // The bottom row comes first, blue-green-red.
  QCOMPARE(bmp.mid(54, 12), QByteArray("\x03\x02\x01\x06\x05\x04\x09\x08\x07\0\0\0", 12));
  QCOMPARE(bmp.mid(66, 12), QByteArray("\x00\x00\xff\x00\xff\x00\xff\x00\x00\0\0\0", 12));
  const QImage back = QImage::fromData(bmp, "BMP");
  QCOMPARE(back.size(), QSize(3, 2));
  QCOMPARE(back.pixel(0, 0), qRgb(255, 0, 0));
  QCOMPARE(back.pixel(2, 1), qRgb(7, 8, 9));
  // A width whose rows need no padding.
  QImage four(4, 1, QImage::Format_RGB32);
  four.fill(Qt::white);
  QCOMPARE(encode_bmp24(four).size(), 54 + 12);
}

void ArtTest::jpeg_encoding_keeps_the_picture() {
  const QImage drawn = picture("Magician_07.jpg");
  const QImage back = QImage::fromData(encode_jpeg(drawn), "JPEG");
  QCOMPARE(back.size(), QSize(40, 40));
  // Lossy, but close: the mean error per channel is small.
  double error = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const QRgb a = drawn.pixel(x, y);
      const QRgb b = back.pixel(x, y);
      error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    }
  }
  QVERIFY(error / (40 * 40 * 3) < 8.0);
}

void ArtTest::patch_file_is_a_small_valid_bitmap() {
  const QByteArray patch = patch_data();
  QCOMPARE(patch.size(), 70);
  QVERIFY(patch.startsWith("BM"));
  QCOMPARE(le32(patch, 2), 70u);
  const QImage image = QImage::fromData(patch, "BMP");
  QCOMPARE(image.size(), QSize(2, 2));
  QCOMPARE(image.pixel(1, 1), qRgb(0x80, 0x80, 0x80));
  // The build put it beside the executable.
  QCOMPARE(read_all(QCoreApplication::applicationDirPath() + QStringLiteral("/patch.dat")), patch);
  // A longer bitmap patched with it still opens, as the patch's picture.
  QByteArray old = picture_file("Armor_01.bmp");
  old.replace(0, patch.size(), patch);
  QCOMPARE(QImage::fromData(old, "BMP").size(), QSize(2, 2));
}

void ArtTest::generator_writes_every_file_and_only_when_changed() {
  QTemporaryDir out;
  QVERIFY(out.isValid());
  QProcess run;
  run.start(generator(), {out.path()});
  QVERIFY(run.waitForFinished(120000));
  QCOMPARE(run.exitStatus(), QProcess::NormalExit);
  QCOMPARE(run.exitCode(), 0);
  const QDir images(out.filePath(QStringLiteral("images")));
  for (const QString& name : all_picture_files())
    QVERIFY2(read_all(images.filePath(name)) == picture_file(name), qPrintable(name));
  QCOMPARE(images.entryList(QDir::Files).size(), all_picture_files().size());
  QCOMPARE(read_all(out.filePath(QStringLiteral("patch.dat"))), patch_data());

  // A damaged file is written again; an intact one is left alone.
  const QString damaged = images.filePath(QStringLiteral("Ring_05.bmp"));
  const QString intact = images.filePath(QStringLiteral("Ring_06.bmp"));
  {
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("not a picture");
  }
  const QDateTime long_ago(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
  {
    QFile file(intact);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(long_ago, QFileDevice::FileModificationTime));
  }
  run.start(generator(), {out.path()});
  QVERIFY(run.waitForFinished(120000));
  QCOMPARE(run.exitCode(), 0);
  QCOMPARE(read_all(damaged), picture_file(QStringLiteral("Ring_05.bmp")));
  QCOMPARE(read_all(intact), picture_file(QStringLiteral("Ring_06.bmp")));
  QCOMPARE(QFileInfo(intact).lastModified().toUTC(), long_ago);
}

void ArtTest::generator_rejects_bad_arguments() {
  QProcess run;
  run.start(generator(), {});
  QVERIFY(run.waitForFinished(60000));
  QCOMPARE(run.exitCode(), 2);
  run.start(generator(), {QStringLiteral("a"), QStringLiteral("b")});
  QVERIFY(run.waitForFinished(60000));
  QCOMPARE(run.exitCode(), 2);
}

QTEST_MAIN(ArtTest)
#include "art_test.moc"
