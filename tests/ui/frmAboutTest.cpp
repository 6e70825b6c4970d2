#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/frmAbout.h"

// CTest runs this at several screen scalings (QT_SCALE_FACTOR): the fonts'
// metrics change with it, the window's layout does not.
class frmAboutTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextShowsWhole() {
        ui::frmAbout about;
        about.show();
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            const int needed =
                label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            QVERIFY2(needed <= label->height(),
                     qPrintable(QString("%1 needs %2 px, has %3").arg(label->objectName()).arg(needed).arg(label->height())));
        }
        for (const QPushButton* button : about.findChildren<QPushButton*>()) {
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text().remove('&')) < button->width(),
                     qPrintable(button->objectName()));
        }
    }

    void titleStaysBoldAndLarge() {
        ui::frmAbout about;
        const QLabel* title = about.findChild<QLabel*>("lblTitle");
        QCOMPARE(title->text(), QString("Proracun sile prethodnog naprezanja."));
        QVERIFY(title->font().bold());
        QVERIFY2(title->font().pointSizeF() >= 9, qPrintable(QString::number(title->font().pointSizeF())));
    }
};

QTEST_MAIN(frmAboutTest)
#include "frmAboutTest.moc"
