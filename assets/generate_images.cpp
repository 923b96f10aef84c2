// brennick-imagegen OUTDIR: draws every picture of the images folder into
// OUTDIR/images/, writes OUTDIR/patch.dat, and the program's icon into
// OUTDIR/icons/. Runs headless (the offscreen
// platform) and writes the same bytes on every run; a file that already holds
// those bytes is left untouched.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "assets/art.h"

namespace {

// Writes `content` to `path` unless the file already holds exactly it.
bool write_file(const QString& path, const QByteArray& content) {
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content) return true;
  existing.close();
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(content) == content.size() && file.flush();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: brennick-imagegen OUTDIR\n");
    return 2;
  }
  const QDir out(args.at(1));
  if (!out.mkpath(QStringLiteral("images"))) {
    std::fprintf(stderr, "brennick-imagegen: cannot create %s\n",
                 qPrintable(QDir::toNativeSeparators(out.filePath(QStringLiteral("images")))));
    return 1;
  }
  int failures = 0;
  const QStringList files = brennick::art::all_picture_files();
  for (const QString& name : files) {
    const QByteArray content = brennick::art::picture_file(name);
    const QString path = out.filePath(QStringLiteral("images/") + name);
    if (content.isEmpty() || !write_file(path, content)) {
      std::fprintf(stderr, "brennick-imagegen: cannot write %s\n",
                   qPrintable(QDir::toNativeSeparators(path)));
      ++failures;
    }
  }
  const QString patch = out.filePath(QStringLiteral("patch.dat"));
  if (!write_file(patch, brennick::art::patch_data())) {
    std::fprintf(stderr, "brennick-imagegen: cannot write %s\n",
                 qPrintable(QDir::toNativeSeparators(patch)));
    ++failures;
  }
  // The program's icon for the desktop, in the sizes of the icon theme:
  // OUTDIR/icons/hicolor/NxN/apps/brennick.png.
  for (const int px : {16, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(px);
    const QString path = out.filePath(folder + QStringLiteral("/brennick.png"));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    const QImage image = brennick::art::icon(brennick::art::Icon::Application, px / 32.0);
    if (!out.mkpath(folder) || image.size() != QSize(px, px) || !image.save(&buffer, "PNG") ||
        !write_file(path, png)) {
      std::fprintf(stderr, "brennick-imagegen: cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
