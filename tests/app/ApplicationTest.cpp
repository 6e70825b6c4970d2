#include <QApplication>
#include <QCommandLineParser>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/Application.h"
#include "ui/Messages.h"
#include "ui/ReportFile.h"
#include "ui/frmAbout.h"
#include "ui/frmPocetniParametriProracuna.h"

namespace {

// Runs `open`, which shows a modal window, and while it is up reads it with
// `read` and closes it by pressing its button with the given text.
void whileShowing(const std::function<void()>& open, const std::function<void(QWidget*)>& read,
                  const QString& closeWith) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        seen = true;
        read(modal);
        for (QPushButton* button : modal->findChildren<QPushButton*>()) {
            if (button->text() == closeWith) return button->click();
        }
        modal->close();  // never leave the test waiting on a window
    });
    open();
    QVERIFY(seen);
}

QString buttonTexts(QWidget* window) {
    QStringList texts;
    for (const QPushButton* button : window->findChildren<QPushButton*>()) texts << button->text();
    texts.sort();
    return texts.join('|');
}

// Whether a process is waiting, and the processor time it has used so far: a
// program that has shown its window sits in its event loop, asleep, using no
// time.
struct ProcessState {
    char state = '?';
    qint64 cpuTicks = -1;
};

ProcessState processState(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return {};
    const QList<QByteArray> fields = stat.readAll().split(')').last().split(' ');
    return {fields.value(1).isEmpty() ? '?' : fields.value(1).at(0), fields.value(12).toLongLong() + fields.value(13).toLongLong()};
}

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::setUpApplication(); }

    void iconEverywhere() {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48, 64}) QVERIFY2(!icon.pixmap(size).isNull(), qPrintable(QString::number(size)));
        ui::frmAbout about;
        const QLabel* picture = about.findChild<QLabel*>("picIcon");
        QVERIFY(picture);
        QVERIFY(!picture->pixmap().isNull());
        QVERIFY(!about.windowIcon().isNull());
    }

    void matchesItsDesktopEntry() {
        QCOMPARE(QGuiApplication::desktopFileName(), QString("org.prednaprezanje.prednaprezanje"));
    }

    void fileDialogSpeaksTheProgramsLanguage() {
        ui::SaveDialog dialog("Snimi", "rezultat.txt", "Tekst (*.txt)", "txt");
        QMap<QString, QString> labels;
        QString buttons;
        whileShowing([&] { QCOMPARE(dialog.ask(nullptr), QString()); },
                     [&](QWidget* modal) {
                         for (const QLabel* label : modal->findChildren<QLabel*>()) labels[label->objectName()] = label->text();
                         buttons = buttonTexts(modal->findChild<QDialogButtonBox*>());
                     },
                     "Odustani");
        QCOMPARE(labels.value("lookInLabel"), QString("Trazi u:"));
        QCOMPARE(labels.value("fileNameLabel"), QString("&Naziv datoteke:"));
        QCOMPARE(labels.value("fileTypeLabel"), QString("Vrsta datoteka:"));
        QCOMPARE(buttons, QString("&Snimi|Odustani"));
    }

    void messageBoxButtons_data() {
        QTest::addColumn<QMessageBox::StandardButtons>("shown");
        QTest::addColumn<QString>("texts");
        QTest::newRow("Yes, No") << QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No) << "&Da|&Ne";
        QTest::newRow("OK") << QMessageBox::StandardButtons(QMessageBox::Ok) << "U redu";
        QTest::newRow("Save, Cancel") << QMessageBox::StandardButtons(QMessageBox::Save | QMessageBox::Cancel)
                                      << "Odustani|Snimi";
    }

    void messageBoxButtons() {
        QFETCH(QMessageBox::StandardButtons, shown);
        QFETCH(QString, texts);
        QMessageBox box(QMessageBox::Question, "Izlaz ?", "Dali zelite da prekinete rad programa ?", shown);
        QString seen;
        whileShowing([&] { box.exec(); }, [&](QWidget* modal) { seen = buttonTexts(modal); }, texts.section('|', 0, 0));
        QCOMPARE(seen, texts);
    }

    void programsOwnMessagesToo() {
        QString seen;
        whileShowing([] { ui::showWarning(nullptr, "Dopusteni naponi su prekoraceni !"); },
                     [&](QWidget* modal) { seen = buttonTexts(modal); }, "U redu");
        QCOMPARE(seen, QString("U redu"));
    }

    void textFieldMenu() {
        ui::frmPocetniParametriProracuna window;
        auto* field = window.findChild<QLineEdit*>("txtMg");
        QVERIFY(field);
        std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) texts << action->text().section('\t', 0, 0);
        }
        QCOMPARE(texts, QStringList({"&Opozovi", "&Ponovi", "Ise&ci", "&Kopiraj", "&Nalepi", "Obrisi", "Izaberi sve"}));
    }

    void printDialogs() {
        QPrinter printer;
        QPrintDialog print(&printer);
        QCOMPARE(print.windowTitle(), QString("Stampaj"));
        QCOMPARE(buttonTexts(&print).split('|').filter("Stampaj"), QStringList("&Stampaj"));
        QVERIFY(buttonTexts(&print).split('|').contains("Odustani"));
        QPrintPreviewDialog preview(&printer);
        QCOMPARE(preview.windowTitle(), QString("Pregled pre stampe"));
    }

    void commandLineHelp() {
        QCommandLineParser parser;
        parser.addHelpOption();
        parser.addVersionOption();
        const QString help = parser.helpText();
        for (const char* text : {"Upotreba: ", "[opcije]", "Opcije:", "Prikazuje pomoc za komandnu liniju.",
                                 "Prikazuje verziju programa."}) {
            QVERIFY2(help.contains(text), qPrintable(help));
        }
        QVERIFY(!parser.parse({"prednaprezanje", "--nema"}));
        QCOMPARE(parser.errorText(), QString("Nepoznata opcija 'nema'."));
    }

    // The real program, started as a desktop starts it, shows its window
    // without a word on stderr; it is stopped once it sits idle in its loop.
    void startsSilently() {
        QTemporaryDir runtime;  // a desktop session provides one, 0700
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(PREDNAPREZANJE_EXECUTABLE, QStringList());
        QVERIFY(program.waitForStarted());

        ProcessState last;
        int idleSamples = 0;
        QDeadlineTimer deadline(30000);
        while (idleSamples < 5 && !deadline.hasExpired() && program.state() == QProcess::Running) {
            QTest::qWait(50);
            const ProcessState now = processState(program.processId());
            idleSamples = now.state == 'S' && now.cpuTicks == last.cpuTicks ? idleSamples + 1 : 0;
            last = now;
        }
        QCOMPARE(program.state(), QProcess::Running);  // it did not fall over on the way
        QCOMPARE(idleSamples, 5);
        program.kill();
        program.waitForFinished();
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), QString());
    }
};

QTEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"
