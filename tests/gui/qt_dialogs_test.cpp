// The file dialogs' start folders: the open dialog starts in the program's
// folder every time, the save dialog where the last build was saved.
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/qt_dialogs.h"

using namespace brennick;

class QtDialogsTest : public QObject {
  Q_OBJECT

  // Runs `act` on the file dialog as soon as it is shown.
  static void when_shown(std::function<void(QFileDialog*)> act) {
    QTimer::singleShot(0, [act] {
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        act(dialog);
      } else {
        when_shown(act);
      }
    });
  }

  static QString folder_of(QFileDialog* dialog) { return QDir(dialog->directory()).canonicalPath(); }

 private slots:
  void openStartsInTheProgramFolderSaveWhereLastSaved() {
    QTemporaryDir program, elsewhere;
    QVERIFY(program.isValid() && elsewhere.isValid());
    const QString build = elsewhere.filePath("a.brk");
    QFile f(build);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString program_dir = QDir(program.path()).canonicalPath();
    const QString other_dir = QDir(elsewhere.path()).canonicalPath();

    QtDialogs dialogs;
    dialogs.set_initial_folder(program.path());
    QString seen;
    when_shown([&](QFileDialog* d) {
      seen = folder_of(d);
      d->selectFile(build);
      QMetaObject::invokeMethod(d, "accept");
    });
    const auto opened = dialogs.open_file("Load Character", "*.brk|*.brk");
    QCOMPARE(seen, program_dir);
    QVERIFY(opened.has_value());
    QCOMPARE(QFileInfo(QString::fromStdString(*opened)).canonicalFilePath(), QFileInfo(build).canonicalFilePath());

    // A file opened elsewhere does not move the next open dialog.
    when_shown([&](QFileDialog* d) {
      seen = folder_of(d);
      d->reject();
    });
    QVERIFY(!dialogs.open_file("Load Character", "*.brk|*.brk").has_value());
    QCOMPARE(seen, program_dir);

    // The save dialog starts in the program's folder, then where the user saved.
    when_shown([&](QFileDialog* d) {
      seen = folder_of(d);
      d->selectFile(elsewhere.filePath("b.brk"));
      QMetaObject::invokeMethod(d, "accept");
    });
    QVERIFY(dialogs.save_file("Save Character", "*.brk|*.brk", ".brk").has_value());
    QCOMPARE(seen, program_dir);
    when_shown([&](QFileDialog* d) {
      seen = folder_of(d);
      d->reject();
    });
    QVERIFY(!dialogs.save_file("Save Character", "*.brk|*.brk", ".brk").has_value());
    QCOMPARE(seen, other_dir);
    when_shown([&](QFileDialog* d) {
      seen = folder_of(d);
      d->reject();
    });
    QVERIFY(!dialogs.open_file("Load Character", "*.brk|*.brk").has_value());
    QCOMPARE(seen, program_dir);
  }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
