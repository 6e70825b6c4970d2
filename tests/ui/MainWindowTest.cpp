#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "MessageBoxAnswerer.h"
#include "core/DesignInput.h"
#include "ui/frmPocetniParametriProracuna.h"

using ui::frmPocetniParametriProracuna;

namespace {

const QString kDimension = "Vrednosti polja d3 i b moraju biti razlicita od nule !";
const QString kRangeM = "Koeficijent efikasnosti prethodnog naprezanja moze imati vrednost izmedju 0 i 1 !";
const QString kExceeded = "Dopusteni naponi su prekoraceni !";

QLineEdit* field(QWidget& w, const char* name) { return w.findChild<QLineEdit*>(name); }

void trigger(QWidget& w, const char* action) { w.findChild<QAction*>(action)->trigger(); }

// Closes whatever modal window a command opened, once it is showing, and
// records its objectName.
class WindowCloser : public QObject {
public:
    WindowCloser() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || qobject_cast<QMessageBox*>(w)) return;
            opened << w->objectName();
            w->close();
        });
        timer_.start(5);
    }
    QStringList opened;

private:
    QTimer timer_;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startupTexts() {
        frmPocetniParametriProracuna w;
        QCOMPARE(w.windowTitle(), QString("Parametri proracuna"));
        for (int i = 0; i < core::kFieldCount; ++i) {
            const auto f = static_cast<core::Field>(i);
            QLineEdit* e = field(w, core::objectName(f).data());
            QVERIFY2(e, core::objectName(f).data());
            QCOMPARE(e->text(), QString::fromLatin1(core::startupText(f).data()));
            QCOMPARE(e->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        }
        QVERIFY(!field(w, "txtGbd0")->isEnabled());
        QVERIFY(field(w, "txtMg")->isEnabled());
    }

    void commands_data() {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("afterwards");

        QTest::newRow("empty b, cross-section") << "txtB" << "" << "mnuProracunPoprecniPresek"
                                               << QStringList{kDimension} << "" << "124";
        QTest::newRow("empty b, cable types") << "txtB" << "" << "mnuDefinisiVrstaKablova"
                                             << QStringList{kDimension} << "" << "124";
        QTest::newRow("empty b, strand tendons") << "txtB" << "" << "mnuDefinisiUzadEN" << QStringList{kDimension}
                                                << "" << "124";
        QTest::newRow("empty b, cables") << "txtB" << "" << "mnuProracunKablovi" << QStringList{kDimension}
                                        << "" << "124";
        QTest::newRow("empty b, stress check") << "txtB" << "" << "mnuProracunKontrolaNapona"
                                              << QStringList{kDimension} << "" << "124";
        QTest::newRow("empty b, Magnel") << "txtB" << "" << "mnuProracunManjelovDijagram"
                                        << QStringList{kDimension} << "" << "124";
        QTest::newRow("m 1.5 refused by cables") << "txtKoeficijentEfikasnostiPN" << "1.5" << "mnuProracunKablovi"
                                                << QStringList{kRangeM} << "" << "0.8";
        QTest::newRow("light dead load refused by Magnel") << "txtMg" << "300" << "mnuProracunManjelovDijagram"
                                                          << QStringList{kExceeded} << "" << "300";
        QTest::newRow("empty d1 silently") << "txtD1" << "" << "mnuProracunPoprecniPresek" << QStringList{} << ""
                                          << "";
        QTest::newRow("cables open") << "txtMg" << "617.51" << "mnuProracunKablovi" << QStringList{}
                                    << "frmKablovi" << "617.51";
        QTest::newRow("stress check opens") << "txtMg" << "617.51" << "mnuProracunKontrolaNapona" << QStringList{}
                                           << "frmKontrolaNapona" << "617.51";
        QTest::newRow("help opens") << "txtMg" << "617.51" << "mnuPomocPomoc" << QStringList{} << "frmPomoc"
                                   << "617.51";
        QTest::newRow("about opens") << "txtMg" << "617.51" << "mnuOProgramuOProgramu" << QStringList{}
                                    << "frmAbout" << "617.51";
    }

    void commands() {
        QFETCH(QString, fieldName);
        QFETCH(QString, typed);
        QFETCH(QString, action);
        QFETCH(QStringList, messages);
        QFETCH(QString, opened);
        QFETCH(QString, afterwards);

        frmPocetniParametriProracuna w;
        w.show();
        field(w, qPrintable(fieldName))->setText(typed);
        MessageBoxAnswerer answerer;
        WindowCloser closer;
        trigger(w, qPrintable(action));
        QCOMPARE(answerer.texts(), messages);
        for (const auto& seen : answerer.seen) {
            QCOMPARE(seen.title, QString("Upozorenje !"));
            QCOMPARE(seen.icon, QMessageBox::Critical);
        }
        QCOMPARE(closer.opened, opened.isEmpty() ? QStringList{} : QStringList{opened});
        QCOMPARE(field(w, qPrintable(fieldName))->text(), afterwards);
    }

    void restoredFieldHasTheFocusSelected() {
        frmPocetniParametriProracuna w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        field(w, "txtB")->setText("");
        MessageBoxAnswerer answerer;
        trigger(w, "mnuProracunPoprecniPresek");
        // The window takes the keyboard back itself: nothing else reactivates it here.
        QTRY_VERIFY(field(w, "txtB")->hasFocus());
        QCOMPARE(field(w, "txtB")->selectedText(), QString("124"));
    }

    void exitAnsweredNoChangesNothing() {
        frmPocetniParametriProracuna w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        MessageBoxAnswerer answerer(QMessageBox::No);
        QLineEdit* mg = field(w, "txtMg");
        mg->setFocus();
        mg->selectAll();
        QTest::keyClick(mg, Qt::Key_X, Qt::ControlModifier);  // Ctrl+X in a field asks, and cuts nothing
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].title, QString("Izlaz ?"));
        QCOMPARE(answerer.seen[0].text, QString("Dali zelite da prekinete rad programa ?"));
        QCOMPARE(answerer.seen[0].icon, QMessageBox::Question);
        QCOMPARE(mg->text(), QString("617.51"));
        trigger(w, "mnuDatotekaKraj");
        QCOMPARE(answerer.seen.size(), 2);
        QVERIFY(w.isVisible());
    }

    void typingRulesInTheRealFields() {
        frmPocetniParametriProracuna w;
        w.show();
        QLineEdit* mg = field(w, "txtMg");
        mg->setFocus();
        mg->selectAll();
        QTest::keyClicks(mg, "12.3.4");
        QCOMPARE(mg->text(), QString("12.34"));
        QLineEdit* b = field(w, "txtB");
        b->setFocus();
        b->selectAll();
        QTest::keyClicks(b, "1.2345");
        QCOMPARE(b->text(), QString("123"));
        QCOMPARE(field(w, "txtMp")->text(), QString("1355.19"));  // longer than its limit, shown whole
    }

    void helpLines() {
        frmPocetniParametriProracuna w;
        w.show();
        QStringList lines;
        QTimer::singleShot(0, [&] {
            auto* list = QApplication::activeModalWidget()->findChild<QListWidget*>("lstPomoc");
            for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
            QApplication::activeModalWidget()->close();
        });
        trigger(w, "mnuPomocPomoc");
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[3], QString());
        QCOMPARE(lines[8], QString("       efikasnosti prethodnog naprezanja.            "));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
