// A text pasted into a typed field, in every window, is taken only when typing
// it would be: the same key filter, the comma as the point, the typing limit.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <functional>
#include <memory>

#include "ui/TypedField.h"
#include "ui/frmDopusteniNaponUBetonu.h"
#include "ui/frmKablovi.h"
#include "ui/frmKontrolaNapona.h"
#include "ui/frmPocetniParametriProracuna.h"
#include "ui/frmProizvoljanDopusteniNapon.h"
#include "ui/frmProizvoljanKabel.h"
#include "ui/frmVrstaKablova.h"

using ui::NumberKind;
using ui::TypedField;

namespace {

using WindowMaker = std::function<std::unique_ptr<QWidget>(ui::frmPocetniParametriProracuna&)>;

template <class Window>
WindowMaker maker() {
    return [](ui::frmPocetniParametriProracuna& main) -> std::unique_ptr<QWidget> {
        return std::make_unique<Window>(main.fields(), &main);
    };
}

// Pastes through the field's own context menu, as a user does.
void pasteFromMenu(TypedField* field, const QString& text) {
    QApplication::clipboard()->setText(text);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(field, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* paste = menu->findChild<QAction*>("edit-paste");
    QVERIFY(paste);
    paste->trigger();
    menu->close();
}

}  // namespace

class PasteTest : public QObject {
    Q_OBJECT

private slots:
    void pastedTexts_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("asWhole");    // what a whole-number field then holds, or "" for refused
        QTest::addColumn<QString>("asDecimal");  // the same for a decimal field
        QTest::newRow("digits") << "12" << "12" << "12";
        QTest::newRow("a decimal") << "6.5" << "" << "6.5";
        QTest::newRow("a comma as the point") << "6,5" << "" << "6.5";
        QTest::newRow("a leading blank") << " 6.5" << "" << "";
        QTest::newRow("a trailing blank") << "12 " << "" << "";
        QTest::newRow("not a number") << "nan" << "" << "";
        QTest::newRow("a line break") << "1\n2" << "" << "";
        QTest::newRow("a sign") << "-23" << "" << "";
        QTest::newRow("an exponent") << "1e5" << "" << "";
        QTest::newRow("two points") << "1.2.3" << "" << "";
        QTest::newRow("a point and a comma") << "1.2,3" << "" << "";
        QTest::newRow("a letter beyond ASCII") << QString::fromUtf8("1\u00b5") << "" << "";
        QTest::newRow("longer than any field takes") << "12345678" << "" << "";
    }

    void pastedTexts() {
        QFETCH(QString, pasted);
        QFETCH(QString, asWhole);
        QFETCH(QString, asDecimal);
        const WindowMaker windows[] = {
            [](ui::frmPocetniParametriProracuna&) { return std::unique_ptr<QWidget>(); },  // the main window itself
            maker<ui::frmKablovi>(),
            maker<ui::frmKontrolaNapona>(),
            maker<ui::frmProizvoljanDopusteniNapon>(),
            maker<ui::frmProizvoljanKabel>(),
            maker<ui::frmVrstaKablova>(),
            maker<ui::frmDopusteniNaponUBetonu>(),
        };
        int fields = 0;
        for (const WindowMaker& make : windows) {
            ui::frmPocetniParametriProracuna main;
            std::unique_ptr<QWidget> window = make(main);
            QWidget* shown = window ? window.get() : &main;
            shown->show();
            for (TypedField* field : shown->findChildren<TypedField*>()) {
                if (!field->isEnabled() || field->window() != shown) continue;
                ++fields;
                const QString expected = field->kind() == NumberKind::Whole ? asWhole : asDecimal;
                const bool fits = field->typingLimit() == 0 || expected.size() <= field->typingLimit();
                field->setFocus();
                field->setText("");
                pasteFromMenu(field, pasted);
                QCOMPARE(field->text(), fits ? expected : QString());
                if (expected.isEmpty()) continue;
                field->setText(expected);  // a second paste of the same: one point at most, and the limit
                field->setCursorPosition(int(expected.size()));
                pasteFromMenu(field, pasted);
                const bool again = !expected.contains(QChar(0x2e)) &&
                                   (field->typingLimit() == 0 || 2 * expected.size() <= field->typingLimit());
                QCOMPARE(field->text(), again ? expected + expected : expected);
            }
        }
        QVERIFY(fields >= 15);
    }

    void aCommaTypedIntoADecimalFieldIsThePoint() {
        TypedField decimal(NumberKind::Decimal, 6);
        TypedField whole(NumberKind::Whole, 3);
        for (TypedField* field : {&decimal, &whole}) {
            field->show();
            QTest::keyClicks(field, "61,7,5");
        }
        QCOMPARE(decimal.text(), QString("61.75"));
        QCOMPARE(whole.text(), QString("617"));
    }

    void pasteKeysAreRefusedLikeOtherControlKeys() {
        TypedField field(NumberKind::Decimal, 6);
        field.setText("617.51");
        field.show();
        QApplication::clipboard()->setText("1\n2");
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(field.text(), QString("617.51"));
        QVERIFY(!field.acceptDrops());
    }
};

QTEST_MAIN(PasteTest)
#include "PasteTest.moc"
