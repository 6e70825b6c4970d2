#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "MessageBoxAnswerer.h"
#include "ui/ReportFile.h"
#include "ui/ResultList.h"
#include "ui/frmKablovi.h"
#include "ui/frmKontrolaNapona.h"
#include "ui/frmPocetniParametriProracuna.h"

namespace {

QString text(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(name)->text(); }

void type(QWidget& w, const char* name, const QString& value) { w.findChild<QLineEdit*>(name)->setText(value); }

void press(QWidget& w, const char* name) { w.findChild<QPushButton*>(name)->click(); }

QStringList rows(QWidget& w, int column = 0) {
    QStringList list;
    auto* tree = w.findChild<QTreeWidget*>();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) list << tree->topLevelItem(i)->text(column);
    return list;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers the next save dialog, once it shows, with a file name, or cancels it.
void answerSaveDialog(const QString& path) {
    auto* timer = new QTimer;
    auto* turns = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, turns, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        // A dialog that never takes the name is answered anyway: the test fails, it does not hang.
        if (!path.isEmpty() && ++*turns < 300) {
            // The dialog applies its proposed name asynchronously, and
            // selectFile leaves a focused name field alone: type the name
            // until the dialog holds it, then accept on a later turn.
            const QString selected = dialog->selectedFiles().value(0);
            if (selected != path && selected != path + ".txt") {
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                return;
            }
        }
        timer->stop();
        timer->deleteLater();
        delete turns;
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    timer->start(10);
}

}  // namespace

class ReportWindowsTest : public QObject {
    Q_OBJECT

    // One folder for every save: the dialog remembers the last folder it
    // visited, and one that vanished between tests would leave it behind.
    QTemporaryDir dir;

private slots:
    void cableWindowOpensWithTheStartingForce() {
        ui::frmPocetniParametriProracuna main;
        ui::frmKablovi w(main.fields(), &main);
        QCOMPARE(text(w, "txtNk0"), QString("2477.05"));
        QCOMPARE(text(w, "txtSilaUJednomKablu"), QString("486.74"));
        QCOMPARE(text(w, "txtBrojKablova"), QString("5.1"));
        QCOMPARE(text(w, "txtEkscentricitetKablova"), QString("75.5"));
        QCOMPARE(rows(w).size(), 36);
        QCOMPARE(w.windowTitle(), QString("Proracun kablova"));
        QVERIFY(w.findChild<QPushButton*>("cmdProracun")->isEnabled());
    }

    void typedForces_data() {
        QTest::addColumn<QString>("force");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("fieldAfter");
        QTest::addColumn<QString>("countAfter");
        QTest::newRow("admissible") << "2800" << true << "2800" << "5.8";
        QTest::newRow("above the upper limit") << "3000" << false << "2477.04" << "5.1";
        QTest::newRow("below the lower limit") << "2000" << false << "2477.04" << "5.1";
        QTest::newRow("lone point") << "." << false << "2477.04" << "5.1";
    }

    void typedForces() {
        QFETCH(QString, force);
        QFETCH(bool, accepted);
        QFETCH(QString, fieldAfter);
        QFETCH(QString, countAfter);
        ui::frmPocetniParametriProracuna main;
        ui::frmKablovi w(main.fields(), &main);
        type(w, "txtNk0", force);
        MessageBoxAnswerer answerer;
        press(w, "cmdProracun");
        QCOMPARE(answerer.texts(), accepted ? QStringList{} : QStringList{"Vrednost Nko izlazi van dozvoljenih granica !"});
        QCOMPARE(text(w, "txtNk0"), fieldAfter);
        QCOMPARE(text(w, "txtBrojKablova"), countAfter);
        QCOMPARE(rows(w)[22], accepted ? "Nko= " + force + " [kN]" : QString("Nko= 2477.05 [kN]"));
    }

    void exceededStateWithAnEmptyRange() {
        ui::frmPocetniParametriProracuna main;
        main.fields().setText(core::Field::Mg, "300");
        ui::frmKablovi w(main.fields(), &main);
        const QString exceeded = "DOPUSTENI NAPONI SU PREKORACENI !";
        QCOMPARE(w.windowTitle(), exceeded);
        QCOMPARE(w.findChild<QLabel*>("Label5")->text(), exceeded);
        QVERIFY(!w.findChild<QLineEdit*>("txtNk0")->isEnabled());
        QVERIFY(!w.findChild<QPushButton*>("cmdProracun")->isEnabled());
        QVERIFY(w.findChild<QPushButton*>("cmdSnimi")->isEnabled());
        auto* list = w.findChild<QTreeWidget*>();
        QCOMPARE(list->palette().color(QPalette::Text), QColor(255, 0, 0));
        // Each row says red too, so a row that paints its own colour cannot show black.
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QCOMPARE(list->topLevelItem(i)->foreground(0).color(), QColor(255, 0, 0));
        }
    }

    void noLowerLimitProposesTheSmallestPositiveForce() {
        ui::frmPocetniParametriProracuna main;
        for (auto f : {core::Field::Mg, core::Field::Mp, core::Field::Ms}) main.fields().setText(f, "0");
        ui::frmKablovi w(main.fields(), &main);
        QVERIFY(w.findChild<QPushButton*>("cmdProracun")->isEnabled());
        QCOMPARE(text(w, "txtNk0"), QString("0.01"));
        QCOMPARE(text(w, "txtBrojKablova"), QString("0"));
    }

    void undefinedCableCountShowsNoInfinity() {
        ui::frmPocetniParametriProracuna main;
        main.fields().setText(core::Field::Fk, "0");
        ui::frmKablovi w(main.fields(), &main);
        const QString all = rows(w).join('\n') + text(w, "txtNk0") + text(w, "txtBrojKablova");
        QVERIFY2(!all.contains("inf") && !all.contains("nan"), qPrintable(all));
        // Shown whole: cut to its end, "nedefinisano" would read "definisano".
        auto* field = w.findChild<QLineEdit*>("txtBrojKablova");
        QCOMPARE(field->text(), QString("nedefinisano"));
        QVERIFY(field->fontMetrics().horizontalAdvance(field->text()) < field->width() - 4);
    }

    void savingAfterARejectedForceWritesTheLastList() {
        ui::frmPocetniParametriProracuna main;
        ui::frmKablovi w(main.fields(), &main);
        type(w, "txtNk0", "2800");
        press(w, "cmdProracun");
        type(w, "txtNk0", "3000");
        {
            MessageBoxAnswerer answerer;
            press(w, "cmdProracun");
        }
        const QString path = dir.filePath("rezultati");
        answerSaveDialog(path);
        press(w, "cmdSnimi");
        const QByteArray saved = readFile(path + ".txt");  // the default suffix is added
        QVERIFY2(saved.contains("Nko= 2800 [kN]\r\n"), saved.constData());
        QCOMPARE(saved.count("\r\n"), 36);
        QVERIFY(saved.endsWith("Kb2= 39.44 [cm]\r\n"));

        answerSaveDialog(QString());  // cancelling the second save leaves the first file
        press(w, "cmdSnimi");
        QCOMPARE(readFile(path + ".txt"), saved);
    }

    void stressWindow() {
        ui::frmPocetniParametriProracuna main;
        ui::frmKontrolaNapona w(main.fields(), &main);
        QCOMPARE(text(w, "txtNk0"), QString("2477.05"));
        QCOMPARE(text(w, "txtNkbes"), QString("1981.63"));
        QCOMPARE(text(w, "txtEkscentricitetKablova"), QString("75.5"));
        QCOMPARE(rows(w), (QStringList{"Gb1,0=15.28 [MPa]", "Gb2,0=-1.89 [MPa]", "Gb1,bes=-1.8 [MPa]",
                                       "Gb2,bes=12.51 [MPa]"}));
        QCOMPARE(w.windowTitle(), QString("Kontrola napona"));

        type(w, "txtNk0", "2800");
        press(w, "cmdProracun");
        QCOMPARE(text(w, "txtNkbes"), QString("2240"));
        QCOMPARE(rows(w)[3], QString("Gb2,bes=11.87 [MPa]"));

        type(w, "txtNk0", "2000");
        MessageBoxAnswerer answerer;
        press(w, "cmdProracun");
        QCOMPARE(text(w, "txtNk0"), QString("2477.04"));
        QCOMPARE(text(w, "txtNkbes"), QString("2240"));

        QLabel* limits = w.findChild<QLabel*>("Label8");
        QCOMPARE(limits->toolTip(), QString("Granice sile prethodnog naprezanja"));
        w.show();
        QTest::mouseClick(limits, Qt::LeftButton);
        QCOMPARE(answerer.seen.last().title, QString("Sila prethodnog naprezanja"));
        QCOMPARE(answerer.seen.last().icon, QMessageBox::Information);
        QVERIFY(answerer.seen.last().text.startsWith("Granice sile prethodnog naprezanja:\r\n1) Nk0<= 3013.04 [kN]"));
    }

    // The cable inside the kern: condition 4 bounds the force from above, so the
    // windows propose its lower limit 3258.14, not 3472.11 beyond the upper one.
    void cableInsideTheKernInBothWindows() {
        ui::frmPocetniParametriProracuna main;
        main.fields().setText(core::Field::Ms, "100");
        main.fields().setText(core::Field::Ek, "30");
        ui::frmKablovi cables(main.fields(), &main);
        QCOMPARE(text(cables, "txtNk0"), QString("3258.15"));
        QVERIFY(cables.findChild<QPushButton*>("cmdProracun")->isEnabled());
        QCOMPARE(rows(cables)[8], QString("1/Nk0>=m*[(ek-kb1)/(maxM-Wb2*Gbdbes)]= 0.000288009824  Nk0<= 3472.1 [kN]"));
        MessageBoxAnswerer answerer;
        for (const char* force : {"3400", "3472.1"}) {
            type(cables, "txtNk0", force);
            press(cables, "cmdProracun");
        }
        type(cables, "txtNk0", "3473");
        press(cables, "cmdProracun");
        QCOMPARE(answerer.texts(), QStringList{"Vrednost Nko izlazi van dozvoljenih granica !"});
        QCOMPARE(text(cables, "txtNk0"), QString("3258.14"));

        ui::frmKontrolaNapona stresses(main.fields(), &main);
        QCOMPARE(text(stresses, "txtNk0"), QString("3258.15"));
        QCOMPARE(stresses.windowTitle(), QString("Kontrola napona"));
        stresses.show();
        QTest::mouseClick(stresses.findChild<QLabel*>("Label8"), Qt::LeftButton);
        QVERIFY(answerer.seen.last().text.endsWith("2) Nk0>= -11176.75 [kN]\r\n3) Nk0>= 3258.14 [kN]\r\n"
                                                   "4) Nk0<= 3472.1 [kN]"));
    }

    // With the start-up moments the top fibre is over its limit at every force.
    void cableInsideTheKernUnderTheFullMoment() {
        ui::frmPocetniParametriProracuna main;
        main.fields().setText(core::Field::Ek, "30");
        ui::frmKontrolaNapona w(main.fields(), &main);
        QCOMPARE(w.windowTitle(), QString("DOPUSTENI NAPONI SU PREKORACENI !"));
        QVERIFY(!w.findChild<QPushButton*>("cmdProracun")->isEnabled());
    }

    void copiedRowsAreTheRowsAsTheFileHoldsThem() {
        ui::frmPocetniParametriProracuna main;
        ui::frmKablovi cables(main.fields(), &main);
        const QString copied = cables.findChild<ui::ResultList*>()->asText();
        QCOMPARE(copied.count("\r\n"), 36);
        QVERIFY(copied.startsWith("Staticki uticaji\r\nMmin= 617.51 [kNm]\r\n"));

        ui::frmKontrolaNapona stresses(main.fields(), &main);
        QVERIFY(stresses.findChild<ui::ResultList*>()->asText().startsWith(
            "Gb1,0=15.28 [MPa] <= 19.5 [MPa] = Gbd,o\r\n"));
    }

    void replacingAFileIsAskedFirst_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("Yes replaces") << true;
        QTest::newRow("No goes back to the dialog") << false;
    }

    void replacingAFileIsAskedFirst() {
        QFETCH(bool, replace);
        QTemporaryDir dir;
        const QString path = dir.filePath("Rezultati proracuna.txt");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        ui::SaveDialog dialog("Snimanje rezultata proracuna", "Rezultati proracuna", ".txt (*.txt)", "txt");
        QWidget parent;
        MessageBoxAnswerer answerer(replace ? QMessageBox::Yes : QMessageBox::No);
        answerSaveDialog(path);
        QTimer cancelTheDialogShownAgain;
        connect(&cancelTheDialogShownAgain, &QTimer::timeout, [&] {
            if (answerer.seen.isEmpty()) return;
            cancelTheDialogShownAgain.stop();
            answerSaveDialog(QString());
        });
        if (!replace) cancelTheDialogShownAgain.start(5);

        QCOMPARE(dialog.ask(&parent), replace ? path : QString());
        QCOMPARE(answerer.texts(), QStringList{"Datoteka \"" + QDir::toNativeSeparators(path) +
                                               "\" vec postoji. Da li zelite da je zamenite ?"});
        QCOMPARE(answerer.seen[0].title, QString("Snimanje rezultata proracuna"));
    }

    void failedSaveWarnsAndKeepsTheOldFile_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing folder") << "nema";
        QTest::newRow("a file where the folder should be") << "old.txt";
        QTest::newRow("read-only location, for root too") << "/proc";
    }

    void failedSaveWarnsAndKeepsTheOldFile() {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        const QString old = dir.filePath("old.txt");
        QFile f(old);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old");
        f.close();
        MessageBoxAnswerer answerer;
        QWidget parent;
        QVERIFY(!ui::writeFileSafely(&parent, QDir(dir.path()).filePath(folder) + "/report.txt", "new"));
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].title, QString("Upozorenje !"));
        QVERIFY(answerer.seen[0].text.contains("report.txt"));
        QCOMPARE(readFile(old), QByteArray("old"));

        QVERIFY(ui::writeFileSafely(&parent, old, "new"));  // replaced only when complete
        QCOMPARE(readFile(old), QByteArray("new"));
    }

    // The toolkit's dialog would grey its Save button out for a name longer
    // than the file system allows, and the save would just not happen.
    void aNameTooLongToSaveIsWarnedAbout_data() {
        QTest::addColumn<bool>("cables");
        QTest::newRow("cable calculation") << true;
        QTest::newRow("stress check") << false;
    }

    void aNameTooLongToSaveIsWarnedAbout() {
        QFETCH(bool, cables);
        ui::frmPocetniParametriProracuna main;
        std::unique_ptr<QDialog> window;
        if (cables) {
            window = std::make_unique<ui::frmKablovi>(main.fields(), &main);
        } else {
            window = std::make_unique<ui::frmKontrolaNapona>(main.fields(), &main);
        }
        const QString name = QString(300, 'a') + ".txt";
        bool saveUsable = false;
        QTimer typeAndSave;
        connect(&typeAndSave, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            typeAndSave.stop();
            dialog->setDirectory(dir.path());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
            QPushButton* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
            saveUsable = save->isEnabled();
            save->click();
            if (!saveUsable) dialog->reject();
        });
        typeAndSave.start(10);
        MessageBoxAnswerer answerer;
        press(*window, "cmdSnimi");
        QVERIFY(saveUsable);
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].title, QString("Upozorenje !"));
        QCOMPARE(answerer.seen[0].text,
                 "Datoteku \"" + QDir::toNativeSeparators(dir.filePath(name)) + "\" nije moguce snimiti !");
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "ReportWindowsTest.moc"
