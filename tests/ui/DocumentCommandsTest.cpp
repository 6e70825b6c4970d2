#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "FakeFields.h"
#include "MessageBoxAnswerer.h"
#include "reports/CalculationDocument.h"
#include "ui/DocumentPages.h"
#include "ui/frmPocetniParametriProracuna.h"

namespace {

// Calls `handle` with each modal window other than a message box, once,
// while it lives; the handler closes or answers it.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> handle) : handle_(std::move(handle)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || qobject_cast<QMessageBox*>(modal)) return;
            seen << modal->metaObject()->className();
            handle_(modal);
        });
        timer_.start(10);
    }
    QStringList seen;

private:
    std::function<void(QWidget*)> handle_;
    QTimer timer_;
};

// Answers a save dialog with a file in `folder`: chooses it until the dialog
// has gone there (it does so asynchronously, keeping the name it proposes),
// then accepts the file the dialog holds and keeps its path in `accepted`.
// A dialog that never gets there is accepted anyway, so a failing test does not hang.
class SaveAnswer {
public:
    SaveAnswer(QString folder, QString* accepted, std::function<void()> beforeAccepting = {})
        : folder_(std::move(folder)), accepted_(accepted), beforeAccepting_(std::move(beforeAccepting)) {}

    void operator()(QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        const QString held = dialog->selectedFiles().value(0);
        if (QFileInfo(held).absolutePath() != folder_ && ++turns_ < 300) {
            return dialog->selectFile(folder_ + "/proracun.pdf");
        }
        *accepted_ = held;
        if (beforeAccepting_) beforeAccepting_();
        QMetaObject::invokeMethod(dialog, "accept");
    }

private:
    QString folder_;
    QString* accepted_;
    std::function<void()> beforeAccepting_;
    int turns_ = 0;
};

QAction* action(QWidget& main, const char* name) { return main.findChild<QAction*>(name); }

// Field and text pairs that change the start-up design.
using FieldTexts = QList<QPair<int, QString>>;

int pageCount(const QByteArray& pdf) {
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression(R"(/Type\s*/Page\b)")));
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

    // One folder for every save: the dialog remembers the last folder it visited.
    QTemporaryDir dir;

private slots:
    void refusedDesignShowsTheCheckAndOpensNothing_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("preview") << "mnuDatotekaPregledPreStampe";
        QTest::newRow("print") << "mnuDatotekaStampaj";
        QTest::newRow("PDF") << "mnuDatotekaIzveziUPdf";
    }

    void refusedDesignShowsTheCheckAndOpensNothing() {
        QFETCH(QString, item);
        ui::frmPocetniParametriProracuna main;
        main.fields().setText(core::Field::M, "2");  // the efficiency lies between 0 and 1
        MessageBoxAnswerer answerer;
        ModalWatcher watcher([](QWidget* modal) { modal->close(); });
        action(main, qPrintable(item))->trigger();
        QCOMPARE(answerer.texts(),
                 QStringList{"Koeficijent efikasnosti prethodnog naprezanja moze imati vrednost izmedju 0 i 1 !"});
        QCOMPARE(watcher.seen, QStringList{});
        QCOMPARE(main.fields().text(core::Field::M), std::string("0.8"));  // restored, as "Kablovi" restores it
    }

    void exportWritesTheWholeDocumentAsPdf() {
        ui::frmPocetniParametriProracuna main;
        QString path;
        ModalWatcher watcher{SaveAnswer(dir.path(), &path)};
        action(main, "mnuDatotekaIzveziUPdf")->trigger();
        QVERIFY(path.endsWith(".pdf"));
        const QByteArray pdf = readFile(path);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.endsWith("%%EOF\n"));
        QCOMPARE(pageCount(pdf), 3);
    }

    // The folder vanishes (a stick pulled out) between the choice and the writing.
    void failedExportWarnsAndLeavesNoFile() {
        ui::frmPocetniParametriProracuna main;
        const QString stick = dir.filePath("stick");
        QVERIFY(QDir().mkpath(stick));
        QString path;
        MessageBoxAnswerer answerer;
        ModalWatcher watcher{SaveAnswer(stick, &path, [&] { QDir(stick).removeRecursively(); })};
        action(main, "mnuDatotekaIzveziUPdf")->trigger();
        QVERIFY(path.startsWith(stick + "/"));
        QCOMPARE(answerer.texts(), QStringList{"Datoteku \"" + QDir::toNativeSeparators(path) + "\" nije moguce snimiti !"});
        QCOMPARE(answerer.seen[0].title, QString("Upozorenje !"));
        QVERIFY(!QFileInfo::exists(stick));
    }

    // The longest texts a design gives: undefined limits, an empty range, long project data.
    void everyDesignFitsFourPages_data() {
        QTest::addColumn<FieldTexts>("texts");
        using T = FieldTexts;
        const auto f = [](core::Field field) { return static_cast<int>(field); };
        QTest::newRow("start-up") << T{};
        QTest::newRow("no prestress in service") << T{{f(core::Field::M), "0"}};
        QTest::newRow("empty range") << T{{f(core::Field::Mg), "300"}};
        QTest::newRow("no cable force") << T{{f(core::Field::Fk), "0"}};
        QTest::newRow("cables at the kern, no limit from 2 and 4")
            << T{{f(core::Field::B), "60"},  {f(core::Field::D3), "30"}, {f(core::Field::D1), "0"},
                 {f(core::Field::D2), "0"},  {f(core::Field::B1), "30"}, {f(core::Field::B2), "30"},
                 {f(core::Field::Ek), "10"}, {f(core::Field::Mg), "100"}};
        QTest::newRow("widest texts") << T{{f(core::Field::Mg), "999999"}, {f(core::Field::Mp), "999999"},
                                           {f(core::Field::Ms), "999999"}, {f(core::Field::Gbd0), "0.0001"},
                                           {f(core::Field::Fk), "0.0001"}, {f(core::Field::Ek), "0.0001"}};
    }

    void everyDesignFitsFourPages() {
        QFETCH(FieldTexts, texts);
        FakeFields fields;
        for (const auto& [field, text] : texts) fields.setText(static_cast<core::Field>(field), text.toStdString());
        const std::string long_(300, 'W');
        const auto document =
            reports::calculationDocument(fields.design(), ui::documentHeader({long_, long_, long_, {}}));
        QVERIFY(pageCount(ui::documentPdf(document)) <= 4);
    }

    // A printer as a print dialog may leave it, at its own resolution.
    void printerGetsTheSameThreePages() {
        QPrinter printer;
        ui::preparePrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("stampa.pdf"));
        printer.setResolution(600);
        const FakeFields fields;
        QCOMPARE(ui::printDocument(printer, reports::calculationDocument(fields.design(), ui::documentHeader({}))), 3);
        QCOMPARE(printer.resolution(), 96);
        QCOMPARE(pageCount(readFile(dir.filePath("stampa.pdf"))), 3);
    }

    // The pages, each shown whole, in most of the screen.
    void previewShowsThreeWholePages() {
        ui::frmPocetniParametriProracuna main;
        int pages = 0;
        QPrintPreviewWidget::ZoomMode zoom = QPrintPreviewWidget::CustomZoom;
        QSize size;
        ModalWatcher watcher([&](QWidget* modal) {
            if (auto* preview = modal->findChild<QPrintPreviewWidget*>()) {
                pages = preview->pageCount();
                zoom = preview->zoomMode();
            }
            size = modal->size();
            modal->close();
        });
        action(main, "mnuDatotekaPregledPreStampe")->trigger();
        QCOMPARE(watcher.seen, QStringList{"QPrintPreviewDialog"});
        QCOMPARE(pages, 3);
        QCOMPARE(zoom, QPrintPreviewWidget::FitInView);
        const QSize screen = main.screen()->availableGeometry().size();
        QVERIFY2(size.width() >= 0.75 * screen.width() && size.height() >= 0.75 * screen.height(),
                 qPrintable(QString("%1x%2").arg(size.width()).arg(size.height())));
    }

    void printAsksForThePrinterFirst() {
        ui::frmPocetniParametriProracuna main;
        ModalWatcher watcher([](QWidget* modal) { modal->close(); });
        action(main, "mnuDatotekaStampaj")->trigger();
        QCOMPARE(watcher.seen, QStringList{"QPrintDialog"});
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"
