// brennick-imagegen OUTDIR: draws every picture of the images folder into
// OUTDIR/images/ and writes OUTDIR/patch.dat. Runs headless (the offscreen
// platform) and writes the same bytes on every run; a file that already holds
// those bytes is left untouched.
#include <QByteArray>
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
  return failures == 0 ? 0 : 1;
}
