// A save that the disk refuses half-way (here a file-size limit, as a full
// disk would) warns and leaves the old file exactly as it was, for a report
// that fits the file's buffer, for a picture, and for a file larger than the buffer.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

#include "MessageBoxAnswerer.h"
#include "ui/DrawingSurface.h"
#include "ui/ReportFile.h"
#include "ui/frmMagnelovDijagram.h"
#include "ui/frmPocetniParametriProracuna.h"

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Files this process writes may grow to `bytes` while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

}  // namespace

class SaveLimitTest : public QObject {
    Q_OBJECT

private slots:
    void aSaveCutShortKeepsTheOldFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        ui::frmPocetniParametriProracuna main;
        ui::frmMagnelovDijagram window(main.fields(), &main);
        const QByteArray png = window.findChild<ui::DrawingSurface*>()->png();
        QTest::newRow("a report") << QByteArray("Gb1,0=15.28 [MPa] <= 19.5 [MPa] = Gbd,o\r\n");
        QTest::newRow("a picture") << png;
        QTest::newRow("larger than the buffer") << QByteArray(64 * 1024, 'x');
    }

    void aSaveCutShortKeepsTheOldFile() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("stari.txt");
        const QByteArray old("12 bytes old");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        MessageBoxAnswerer answerer;
        QWidget parent;
        {
            const FileSizeLimit limit(8);
            QVERIFY(!ui::writeFileSafely(&parent, path, bytes));
            QVERIFY(!ui::writeFileSafely(&parent, dir.filePath("novi.txt"), bytes));
        }
        QCOMPARE(answerer.texts(),
                 (QStringList{"Datoteku \"" + QDir::toNativeSeparators(path) + "\" nije moguce snimiti !",
                              "Datoteku \"" + QDir::toNativeSeparators(dir.filePath("novi.txt")) +
                                  "\" nije moguce snimiti !"}));
        QCOMPARE(readFile(path), old);
        QVERIFY(!QFile::exists(dir.filePath("novi.txt")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"stari.txt"});  // nothing half-written left

        QVERIFY(ui::writeFileSafely(&parent, path, bytes));  // without the limit it is saved whole
        QCOMPARE(readFile(path), bytes);
    }
};

QTEST_MAIN(SaveLimitTest)
#include "SaveLimitTest.moc"
