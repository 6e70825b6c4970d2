#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "MessageBoxAnswerer.h"
#include "ui/Messages.h"
#include "ui/TypedField.h"

using ui::NumberKind;
using ui::TypedField;

class TypedFieldTest : public QObject {
    Q_OBJECT

private slots:
    void keys_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");

        const int whole = int(NumberKind::Whole);
        const int decimal = int(NumberKind::Decimal);
        QTest::newRow("digits") << whole << 3 << "" << "124" << "124";
        QTest::newRow("point refused in a whole field") << whole << 3 << "" << "1.2" << "12";
        QTest::newRow("second point refused") << decimal << 6 << "" << "1..5" << "1.5";
        QTest::newRow("letters, minus and blanks refused") << decimal << 6 << "" << "a-1 e2" << "12";
        QTest::newRow("typing limit") << whole << 3 << "" << "1234" << "123";
        QTest::newRow("decimal typing limit") << decimal << 4 << "" << "0.855" << "0.85";
    }

    void keys() {
        QFETCH(int, kind);
        QFETCH(int, limit);
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        TypedField field(NumberKind(kind), limit);
        field.setText(start);
        field.show();
        QTest::keyClicks(&field, typed);
        QCOMPARE(field.text(), result);
    }

    void programTextLongerThanTheLimitIsShownWhole() {
        TypedField field(NumberKind::Decimal, 6);
        field.setText("1355.19");
        QCOMPARE(field.text(), QString("1355.19"));
        field.show();
        field.setCursorPosition(7);
        QTest::keyClick(&field, '5');
        QCOMPARE(field.text(), QString("1355.19"));
        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(field.text(), QString("1355.1"));
    }

    void replacingASelectionCountsTheResult() {
        TypedField field(NumberKind::Whole, 3);
        field.setText("124");
        field.show();
        field.selectAll();
        QTest::keyClick(&field, '9');
        QCOMPARE(field.text(), QString("9"));
    }

    void editingKeysStillWork() {
        TypedField field(NumberKind::Whole, 3);
        field.setText("124");
        field.show();
        field.setCursorPosition(0);
        QTest::keyClick(&field, Qt::Key_Delete);
        QTest::keyClick(&field, Qt::Key_End);
        QTest::keyClick(&field, '5');
        QCOMPARE(field.text(), QString("245"));
    }

    void controlCharactersAreRefused() {
        TypedField field(NumberKind::Decimal, 6);
        field.setText("617.51");
        field.show();
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field.text(), QString("617.51"));
    }

    void focusSelectsAndAnEmptyFieldKeepsIt() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new TypedField(NumberKind::Whole, 3);
        auto* second = new TypedField(NumberKind::Whole, 3);
        auto* button = new QPushButton("U redu");
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&] { ++clicks; });
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(button);
        first->setText("40");
        second->setText("23");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        first->setFocus();
        QTest::keyClick(first, Qt::Key_Tab);
        QVERIFY(second->hasFocus());
        QTRY_COMPARE(second->selectedText(), QString("23"));

        QTest::mouseClick(first, Qt::LeftButton);
        QVERIFY(first->hasFocus());
        QTRY_COMPARE(first->selectedText(), QString("40"));

        QTest::keyClick(first, Qt::Key_Backspace);
        QCOMPARE(first->text(), QString());
        QTest::keyClick(first, Qt::Key_Tab);
        QVERIFY(first->hasFocus());
        QTest::mouseClick(second, Qt::LeftButton);
        QTRY_VERIFY(first->hasFocus());
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(first->hasFocus());
        QCOMPARE(clicks, 0);

        QTest::keyClick(first, '7');
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    // A check writes a field, selects it without focusing it, and warns; the
    // window that gets the keyboard back must not drop that selection.
    void aSelectionWithoutFocusSurvivesAMessage() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* focused = new TypedField(NumberKind::Whole, 3);
        auto* selected = new TypedField(NumberKind::Decimal, 4);
        layout->addWidget(focused);
        layout->addWidget(selected);
        focused->setText("40");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        focused->setFocus();

        selected->setText("0.8");
        selected->selectAll();
        {
            MessageBoxAnswerer answerer;
            ui::showWarning(&window, "Polje -Efikasnost PN- mora imati vrednost izmedju 0 i 1 !");
        }
        QTRY_VERIFY(focused->hasFocus());
        QTest::qWait(20);
        QCOMPARE(selected->selectedText(), QString("0.8"));
    }
};

QTEST_MAIN(TypedFieldTest)
#include "TypedFieldTest.moc"
