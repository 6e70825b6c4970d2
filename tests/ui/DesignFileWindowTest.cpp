// The Datoteka menu on the real main window: saving and opening designs
// through the dialogs, the caption, the question about unsaved changes, and
// the project data window.
#include <sys/resource.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "MessageBoxAnswerer.h"
#include "core/FieldTexts.h"
#include "ui/DesignFile.h"
#include "ui/TypedField.h"
#include "ui/frmPocetniParametriProracuna.h"

using core::Field;
using ui::frmPocetniParametriProracuna;

namespace {

const QString kCaption = "Parametri proracuna";

QLineEdit* field(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(name); }

void trigger(QWidget& w, const char* action) { w.findChild<QAction*>(action)->trigger(); }

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Answers the file dialogs that open while it lives, in turn: a path is chosen
// and accepted, an empty one cancels. Dialogs beyond the list are cancelled.
class FileDialogAnswerer : public QObject {
public:
    explicit FileDialogAnswerer(QStringList paths) : paths_(std::move(paths)) {
        connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
        timer_.start(10);
    }
    int shown = 0;
    QStringList titles;

private:
    void answer() {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (dialog != current_) {
            current_ = dialog;
            ++shown;
            titles << dialog->windowTitle();
        }
        const QString path = paths_.value(shown - 1);
        if (!path.isEmpty()) {
            // The name typed in full, as a user would. The dialog may still put
            // its proposed name there later: accept once the name has stayed a turn.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            if (name->text() != path) {
                name->setText(path);
            } else {
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            }
            return;
        }
        dialog->reject();
    }

    QStringList paths_;
    QTimer timer_;
    QPointer<QFileDialog> current_;
};

core::Design unusualDesign() {
    core::Design d = core::startupDesign();
    d.text(Field::M) = "0.80";
    d.text(Field::Mg) = ".8";
    d.text(Field::Mp) = "5.";
    d.text(Field::B1) = "";
    d.text(Field::Ek) = "73.4666666666667";
    d.project = {"Most", "Glavni nosac, presek u sredini raspona", "M. Petrovic", "prvi red\ndrugi red"};
    return d;
}

QString texts(QWidget& w) {
    QStringList list;
    for (int i = 0; i < core::kFieldCount; ++i) list << field(w, core::objectName(Field(i)).data())->text();
    return list.join('|');
}

QString texts(const core::Design& d) {
    QStringList list;
    for (const std::string& t : d.texts) list << QString::fromStdString(t);
    return list.join('|');
}

}  // namespace

class DesignFileWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString pathOf(const QString& name) const { return QDir(dir.path()).filePath(name); }

    // A window showing the start-up design opened from the file nosac1.prednap.
    void openStartupDesign(frmPocetniParametriProracuna& w) {
        const QString path = pathOf("nosac1.prednap");
        QVERIFY(writeFile(path, ui::designFileBytes(core::startupDesign())));
        QVERIFY(w.openDesignFile(path));
        QCOMPARE(w.windowTitle(), kCaption + " - nosac1.prednap");
    }

private slots:
    void fileMenuItems() {
        frmPocetniParametriProracuna w;
        auto* menu = w.findChild<QMenu*>("mnuDatoteka");
        QStringList items;
        for (QAction* a : menu->actions()) {
            items << (a->isSeparator() ? "-" : a->objectName() + " " + a->text() + " " + a->shortcut().toString());
        }
        QCOMPARE(items, (QStringList{"mnuDatotekaNovi Novi Ctrl+N", "mnuDatotekaOtvori Otvori... Ctrl+O",
                                     "mnuDatotekaSnimi Snimi Ctrl+S", "mnuDatotekaSnimiKao Snimi kao... Ctrl+Shift+S",
                                     "-", "mnuDatotekaPodaciOProjektu Podaci o projektu... ", "-",
                                     "mnuDatotekaPregledPreStampe Pregled pre stampe... ",
                                     "mnuDatotekaStampaj Stampaj... Ctrl+P", "mnuDatotekaIzveziUPdf Izvezi u PDF... ",
                                     "-", "mnuDatotekaKraj Kraj Ctrl+X"}));
    }

    // A file is checked against the typing rules of the real fields.
    void typingRulesOfTheFileAreThoseOfTheFields() {
        frmPocetniParametriProracuna w;
        int typed = 0;
        for (int i = 0; i < core::kFieldCount; ++i) {
            const auto f = static_cast<Field>(i);
            auto* edit = qobject_cast<ui::TypedField*>(field(w, core::objectName(f).data()));
            QCOMPARE(edit != nullptr, core::isTypedField(f));
            if (!edit) continue;
            ++typed;
            QCOMPARE(edit->kind(), core::fieldTyping(f).kind);
            QCOMPARE(edit->typingLimit(), core::fieldTyping(f).limit);
        }
        QCOMPARE(typed, 10);
    }

    void saveAsNamesTheDesignAndTheCaptionFollowsChanges() {
        frmPocetniParametriProracuna w;
        w.show();
        field(w, "txtMg")->setText("700");
        QCOMPARE(w.windowTitle(), kCaption);  // a design without a file shows no mark
        {
            FileDialogAnswerer dialogs({pathOf("nosac2")});  // the suffix comes from the dialog
            trigger(w, "mnuDatotekaSnimi");                 // asks for a name as Snimi kao does
            QCOMPARE(dialogs.titles, QStringList{"Snimanje projekta"});
        }
        const QString path = pathOf("nosac2.prednap");
        core::Design expected = core::startupDesign();
        expected.text(Field::Mg) = "700";
        QCOMPARE(readFile(path), ui::designFileBytes(expected));
        QCOMPARE(w.windowTitle(), kCaption + " - nosac2.prednap");

        field(w, "txtMg")->setText("701");
        QCOMPARE(w.windowTitle(), kCaption + " - nosac2.prednap*");
        field(w, "txtMg")->setText("700");  // back as saved
        QCOMPARE(w.windowTitle(), kCaption + " - nosac2.prednap");

        // Ctrl+S typed in a field saves to the design's file without a dialog.
        field(w, "txtMg")->setText("702");
        FileDialogAnswerer none({});
        QTest::keyClick(field(w, "txtMs"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(none.shown, 0);
        expected.text(Field::Mg) = "702";
        QCOMPARE(readFile(path), ui::designFileBytes(expected));
        QCOMPARE(w.windowTitle(), kCaption + " - nosac2.prednap");
    }

    void saveAsOverAnExistingFileAsksFirst() {
        frmPocetniParametriProracuna w;
        w.show();
        const QString path = pathOf("postoji.prednap");
        QVERIFY(writeFile(path, "staro"));
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        FileDialogAnswerer dialogs({path});
        trigger(w, "mnuDatotekaSnimiKao");
        QCOMPARE(answerer.texts(), QStringList{"Datoteka \"" + QDir::toNativeSeparators(path) +
                                               "\" vec postoji. Da li zelite da je zamenite ?"});
        QCOMPARE(readFile(path), ui::designFileBytes(core::startupDesign()));
    }

    void openThroughTheDialogShowsTheTextsAsTheyStand() {
        const QString path = pathOf("neobicno.prednap");
        QVERIFY(writeFile(path, ui::designFileBytes(unusualDesign())));
        frmPocetniParametriProracuna w;
        w.show();
        FileDialogAnswerer dialogs({path});
        trigger(w, "mnuDatotekaOtvori");
        QCOMPARE(dialogs.titles, QStringList{"Otvaranje projekta"});
        QCOMPARE(texts(w), texts(unusualDesign()));
        QVERIFY(w.projectData() == unusualDesign().project);
        QCOMPARE(w.windowTitle(), kCaption + " - neobicno.prednap");

        // Saved again, the file is the same byte for byte.
        QVERIFY(QFile::remove(path));
        trigger(w, "mnuDatotekaSnimi");
        QCOMPARE(readFile(path), ui::designFileBytes(unusualDesign()));

        // Novi: the start-up texts, no file, no project data.
        trigger(w, "mnuDatotekaNovi");
        QCOMPARE(texts(w), texts(core::startupDesign()));
        QVERIFY(w.projectData() == core::ProjectData{});
        QCOMPARE(w.windowTitle(), kCaption);
    }

    void refusedFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good = ui::designFileBytes(core::startupDesign());
        QTest::newRow("letters in a dimension")
            << QByteArray(good).replace(R"("b1": "40")", R"("b1": "4x0")") << "Polje b1: \"4x0\" nije broj.";
        QTest::newRow("truncated") << good.left(good.size() / 2) << "";
        QTest::newRow("garbage") << QByteArray("\x00\xff\x13\x37", 4)
                                 << "Datoteka nije projekat prethodnog naprezanja.";
        QTest::newRow("newer version") << QByteArray(good).replace(R"("formatVerzija": 1)", R"("formatVerzija": 7)")
                                       << "Projekat je zapisan u formatu verzije 7, a program cita verzije do 2.";
        QTest::newRow("missing input") << QByteArray(good).replace(R"("m": "0.8")", R"("n": "0.8")")
                                       << "Nedostaje polje m.";
    }

    void refusedFileChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        frmPocetniParametriProracuna w;
        w.show();
        openStartupDesign(w);
        field(w, "txtMg")->setText("700");
        const QString before = texts(w);
        const QString broken = pathOf("los.prednap");
        QVERIFY(writeFile(broken, bytes));

        MessageBoxAnswerer answerer;
        QVERIFY(!w.openDesignFile(broken));
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].title, QString("Upozorenje !"));
        QCOMPARE(answerer.seen[0].icon, QMessageBox::Critical);
        const QStringList lines = answerer.seen[0].text.split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], "Datoteku \"" + QDir::toNativeSeparators(broken) + "\" nije moguce otvoriti !");
        if (!reason.isEmpty()) QCOMPARE(lines[1], reason);
        QCOMPARE(texts(w), before);
        QCOMPARE(w.windowTitle(), kCaption + " - nosac1.prednap*");

        // The design still belongs to its own file.
        trigger(w, "mnuDatotekaSnimi");
        QCOMPARE(ui::readDesignFile(pathOf("nosac1.prednap")).design->text(Field::Mg), std::string("700"));
    }

    void unsavedChangesQuestion_data() {
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<QString>("command");  // a menu item, or "close" for the close box
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("mgAfter");
        QTest::addColumn<bool>("closed");
        for (bool withFile : {true, false}) {
            for (const char* command : {"mnuDatotekaNovi", "mnuDatotekaOtvori", "mnuDatotekaKraj", "close"}) {
                const QString c = command;
                const QString name = c + (withFile ? ", design with a file, " : ", design without a file, ");
                const bool leaves = c == "close";  // Kraj still asks its own question, answered No here
                const QString kept = c == "mnuDatotekaNovi" ? "617.51" : "700";
                QTest::newRow(qPrintable(name + "Yes")) << withFile << c << int(QMessageBox::Yes) << true << kept
                                                        << leaves;
                QTest::newRow(qPrintable(name + "No")) << withFile << c << int(QMessageBox::No) << false << kept
                                                       << leaves;
                QTest::newRow(qPrintable(name + "Cancel")) << withFile << c << int(QMessageBox::Cancel) << false
                                                           << "700" << false;
            }
        }
    }

    // Yes saves into the design's file, or through "Snimi kao..." into a new one.
    void unsavedChangesQuestion() {
        QFETCH(bool, withFile);
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(QString, mgAfter);
        QFETCH(bool, closed);
        frmPocetniParametriProracuna w;
        w.show();
        if (withFile) openStartupDesign(w);
        field(w, "txtMg")->setText("700");
        const QString file = pathOf(withFile ? "nosac1.prednap" : "novi.prednap");
        QFile::remove(pathOf("novi.prednap"));
        const QByteArray before = readFile(file);

        MessageBoxAnswerer answerer({QMessageBox::StandardButton(answer), QMessageBox::No});
        const bool savesAs = !withFile && answer == QMessageBox::Yes;
        FileDialogAnswerer dialogs({savesAs ? file : QString()});  // the open dialog, if it comes, is cancelled
        if (command == "close") {
            w.close();
        } else {
            trigger(w, qPrintable(command));
        }
        QVERIFY(!answerer.seen.isEmpty());
        QCOMPARE(answerer.seen[0].text, withFile ? QString("Sacuvati izmene u projektu nosac1.prednap ?")
                                                 : QString("Sacuvati izmene u projektu ?"));
        QCOMPARE(answerer.seen[0].icon, QMessageBox::Question);
        QCOMPARE(answerer.seen[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        const bool goesOn = answer != QMessageBox::Cancel;
        QCOMPARE(answerer.seen.size(), command == "mnuDatotekaKraj" && goesOn ? 2 : 1);
        QCOMPARE(dialogs.shown, (savesAs ? 1 : 0) + (command == "mnuDatotekaOtvori" && goesOn ? 1 : 0));
        QCOMPARE(readFile(file) != before, saved);
        QCOMPARE(field(w, "txtMg")->text(), mgAfter);
        QCOMPARE(w.isVisible(), !closed);
    }

    // A design nobody changed, or changed back, goes without a question; the
    // adopted cables are part of the design.
    void noQuestionWithoutChanges() {
        frmPocetniParametriProracuna w;
        w.show();
        MessageBoxAnswerer answerer(QMessageBox::No);
        field(w, "txtMg")->setText("700");
        field(w, "txtMg")->setText("617.51");
        trigger(w, "mnuDatotekaNovi");
        trigger(w, "mnuDatotekaKraj");  // only its own question
        QCOMPARE(answerer.texts(), QStringList{"Dali zelite da prekinete rad programa ?"});

        openStartupDesign(w);  // a file without changes
        trigger(w, "mnuDatotekaNovi");
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(w.windowTitle(), kCaption);

        openStartupDesign(w);
        w.setAdoptedCables(7);
        QCOMPARE(w.windowTitle(), kCaption + " - nosac1.prednap*");
        w.setAdoptedCables(std::nullopt);
        QCOMPARE(w.windowTitle(), kCaption + " - nosac1.prednap");
        trigger(w, "mnuDatotekaNovi");
        w.close();  // the close box of an unchanged design ends at once
        QCOMPARE(answerer.seen.size(), 1);
        QVERIFY(!w.isVisible());
    }

    void failedSaveKeepsTheDesignUnsaved() {
        QTemporaryDir folder;
        const QString path = QDir(folder.path()).filePath("nosac.prednap");
        QVERIFY(writeFile(path, ui::designFileBytes(core::startupDesign())));
        frmPocetniParametriProracuna w;
        w.show();
        QVERIFY(w.openDesignFile(path));
        field(w, "txtMg")->setText("700");
        QVERIFY(folder.remove());  // the folder is gone

        MessageBoxAnswerer answerer;
        trigger(w, "mnuDatotekaSnimi");
        QCOMPARE(answerer.texts(), QStringList{"Datoteku \"" + QDir::toNativeSeparators(path) +
                                               "\" nije moguce snimiti !"});
        QCOMPARE(w.windowTitle(), kCaption + " - nosac.prednap*");
    }

    // The disk fills up halfway through the file (here a file size limit
    // stands in for it): the old file stays whole and the design unsaved.
    void saveOnAFullDiskKeepsTheOldFile() {
        frmPocetniParametriProracuna w;
        w.show();
        openStartupDesign(w);
        const QByteArray old = readFile(pathOf("nosac1.prednap"));
        field(w, "txtMg")->setText("700");

        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = 100;  // bytes
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        MessageBoxAnswerer answerer;
        trigger(w, "mnuDatotekaSnimi");
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, previousHandler);

        QCOMPARE(answerer.texts(), QStringList{"Datoteku \"" + QDir::toNativeSeparators(pathOf("nosac1.prednap")) +
                                               "\" nije moguce snimiti !"});
        QCOMPARE(readFile(pathOf("nosac1.prednap")), old);
        QCOMPARE(w.windowTitle(), kCaption + " - nosac1.prednap*");
    }

    void projectDataWindow() {
        frmPocetniParametriProracuna w;
        w.show();
        openStartupDesign(w);
        auto fillAndPress = [&](const QString& note, const char* button) {
            QTimer::singleShot(0, [=] {
                auto* window = QApplication::activeModalWidget();
                QVERIFY(window && window->objectName() == "frmPodaciOProjektu");
                QCOMPARE(window->windowTitle(), QString("Podaci o projektu"));
                window->findChild<QLineEdit*>("txtProjekat")->setText("Most preko Save");
                window->findChild<QLineEdit*>("txtElement")->setText("Glavni nosac, presek u sredini raspona");
                window->findChild<QLineEdit*>("txtProjektant")->setText("M. Petrovic");
                window->findChild<QPlainTextEdit*>("txtNapomena")->setPlainText(note);
                window->findChild<QPushButton*>(button)->click();
                if (window->isVisible()) window->findChild<QPushButton*>("cmdOdustani")->click();
            });
            trigger(w, "mnuDatotekaPodaciOProjektu");
        };
        fillAndPress("prva\ndruga", "cmdOdustani");
        QVERIFY(w.projectData() == core::ProjectData{});
        QCOMPARE(w.windowTitle(), kCaption + " - nosac1.prednap");
        {
            MessageBoxAnswerer answerer;
            fillAndPress(QString(ui::kProjectNoteLimit + 1, 'x'), "cmdURedu");  // refused, then cancelled
            QCOMPARE(answerer.texts(), QStringList{"Podatak Napomena ima vise od 2000 znakova."});
            QVERIFY(w.projectData() == core::ProjectData{});
        }
        fillAndPress("prva\ndruga", "cmdURedu");
        const core::ProjectData expected{"Most preko Save", "Glavni nosac, presek u sredini raspona", "M. Petrovic",
                                       "prva\ndruga"};
        QVERIFY(w.projectData() == expected);
        QCOMPARE(w.windowTitle(), kCaption + " - nosac1.prednap*");
        trigger(w, "mnuDatotekaSnimi");
        QVERIFY(ui::readDesignFile(pathOf("nosac1.prednap")).design->project == expected);
    }
};

QTEST_MAIN(DesignFileWindowTest)
#include "DesignFileWindowTest.moc"
