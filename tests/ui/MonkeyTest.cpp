// Random user actions on the real windows from a fixed seed: typing any
// characters, Tab, clicks on any enabled control, menu commands, answers to
// every message box, saving into a temporary folder. The program must not
// crash or hang, no window may be left unusable, and a typed field only ever
// takes a character its key filter admits.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "MessageBoxAnswerer.h"
#include "OpenedWindow.h"
#include "core/FieldTexts.h"
#include "core/NumberText.h"
#include "core/Typing.h"
#include "ui/DesignFile.h"
#include "ui/TypedField.h"
#include "ui/frmPocetniParametriProracuna.h"

namespace {

using ui::TypedField;

// What a typed field may hold: what typing admits (digits, one point for a
// decimal) or a number the program wrote there.
bool holdsAdmittedText(const TypedField& field) {
    const std::string text = field.text().toStdString();
    if (text == core::kUndefinedText || core::isNumberText(text)) return true;
    std::string typed;
    for (char c : text) {
        const auto r = field.kind() == ui::NumberKind::Whole ? core::FiltarCelogBroja(c)
                                                             : core::FiltarDecimalnogBroja(c, typed);
        if (!r.accepted) return false;
        typed += *r.accepted;
    }
    return true;
}

// The text a line edit shows after `typed` replaces its selection or goes in at the cursor.
QString afterTyping(const QString& text, int selectionStart, int selectionLength, int cursor, QChar typed) {
    if (selectionStart >= 0) return text.left(selectionStart) + typed + text.mid(selectionStart + selectionLength);
    return text.left(cursor) + typed + text.mid(cursor);
}

// A picture, a whole PDF, a design that reads back, or a report of 36 or 4
// ASCII lines each ended by CR LF: never a truncated or mixed file.
bool isWholeSavedFile(const QString& path) {
    if (ui::readDesignFile(path).design) return true;  // either kind goes under either name
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\x89PNG")) return true;
    if (bytes.startsWith("%PDF-")) return bytes.endsWith("%%EOF\n");
    if (!bytes.endsWith("\r\n")) return false;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) > 127) return false;
    }
    const qsizetype lines = bytes.count("\r\n");
    return bytes.count('\n') == lines && (lines == 36 || lines == 4);
}

class Monkey : public QObject {
public:
    Monkey(QWidget* main, QString folder, quint32 seed, int steps)
        : main_(main), folder_(std::move(folder)), random_(seed), stepsLeft_(steps) {}

    void start() { QTimer::singleShot(0, this, [this] { step(); }); }
    bool done() const { return done_; }
    int windowsOpened() const { return windowsOpened_; }
    QStringList faults;

private:
    // The next step is scheduled before this one acts: an action that opens a
    // modal window returns only when it closes, and the steps in between run
    // in that window's own event loop.
    void step() {
        if (stepsLeft_-- <= 0) {
            unwind();
            return;
        }
        QTimer::singleShot(0, this, [this] { step(); });
        act();
        checkFields();
    }

    void act() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            QTest::keyClick(popup, chance(50) ? Qt::Key_Escape : Qt::Key_Down);
            if (chance(30)) QTest::keyClick(popup, Qt::Key_Return);
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) return answer(box);
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) return save(dialog);
        QWidget* window = modal ? modal : main_;
        if (!modal && !main_->isEnabled()) fault("the main window is disabled with no window above it");
        if (modal && modal != lastWindow_) ++windowsOpened_;
        lastWindow_ = modal;

        const int roll = pick(100);
        if (roll < 50) {
            type(window);
        } else if (roll < 62) {
            QTest::keyClick(target(window), chance(80) ? Qt::Key_Tab : Qt::Key_Backtab);
        } else if (roll < 90) {
            click(window);
        } else if (!modal) {
            menuCommand();
        } else if (chance(20)) {
            modal->close();  // the close box
        }
    }

    void answer(QMessageBox* box) {
        // Leaving the program would end the test; every other question gets any answer.
        const bool exitQuestion = box->windowTitle() == "Izlaz ?";
        QList<QAbstractButton*> buttons = box->buttons();
        QAbstractButton* button = exitQuestion ? box->button(QMessageBox::No) : buttons.at(pick(buttons.size()));
        button->click();
    }

    // A name in the temporary folder, one in a folder that does not exist, or
    // no name at all; a report, a design, or a file of the other kind.
    void save(QFileDialog* dialog) {
        const QString chosen = dialog->selectedFiles().value(0);
        const bool named = chosen.startsWith(folder_) || chosen.startsWith(missingFolder());
        const int roll = pick(100);
        if (roll < 15) {
            dialog->reject();
        } else if (named && roll < 70) {
            QMetaObject::invokeMethod(dialog, "accept");
        } else {
            const QString folder = chance(85) ? folder_ : missingFolder();
            const QString name = chance(50) ? QString("izvestaj%1.txt") : QString("projekat%1.prednap");
            dialog->selectFile(folder + "/" + name.arg(pick(3)));
        }
    }

    void type(QWidget* window) {
        QWidget* to = target(window);
        auto* field = qobject_cast<TypedField*>(to);
        const QString before = field ? field->text() : QString();
        const int selectionStart = field ? field->selectionStart() : -1;
        const int selectionLength = field ? static_cast<int>(field->selectedText().size()) : 0;
        const int cursor = field ? field->cursorPosition() : 0;

        const int roll = pick(100);
        if (roll < 70) {
            static const QString characters = "0123456789012345678901234567890123456789....--+eE ,abcxyzABZ!?/*()%&'\"";
            const QChar c = chance(95) ? characters.at(pick(characters.size())) : QChar(0x010D);  // c with caron
            const Qt::Key key = c.unicode() < 128 ? Qt::Key(QTest::asciiToKey(char(c.unicode()))) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, to, key, QString(c), Qt::NoModifier);
            if (field) checkTyped(field, before, selectionStart, selectionLength, cursor, c);
        } else if (roll < 85) {
            static const Qt::Key editing[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                                              Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End};
            QTest::keyClick(to, editing[pick(std::size(editing))]);
            if (field && field->text().size() > before.size()) fault("an editing key lengthened " + field->objectName());
        } else if (roll < 92) {
            QTest::keyClick(to, chance(50) ? Qt::Key_Return : Qt::Key_Escape);
        } else {
            // Control letters (Ctrl+X asks to leave) and access keys, of menus and of buttons.
            static const char letters[] = "xcvazdpok";
            QTest::keyClick(to, letters[pick(sizeof letters - 1)], chance(50) ? Qt::ControlModifier : Qt::AltModifier);
        }
    }

    // A comma typed into a decimal field goes in as the point.
    void checkTyped(TypedField* field, const QString& before, int selectionStart, int selectionLength, int cursor,
                    QChar c) {
        const QString after = field->text();
        if (after == before) return;
        const std::string text = before.toStdString();
        const char typed = c.unicode() < 128 ? char(c.unicode()) : '\0';
        const auto r = field->kind() == ui::NumberKind::Whole ? core::FiltarCelogBroja(typed)
                                                              : core::FiltarDecimalnogBroja(typed, text);
        if (!r.accepted ||
            after != afterTyping(before, selectionStart, selectionLength, cursor, QChar(*r.accepted))) {
            fault(QString("%1 took '%2': \"%3\" became \"%4\"").arg(field->objectName(), c, before, after));
        }
    }

    // A click, now and then a double or a right one, anywhere on a random enabled control.
    void click(QWidget* window) {
        QList<QWidget*> controls;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                 qobject_cast<QAbstractScrollArea*>(w) || !w->objectName().isEmpty();
            if (control && w->isVisible() && w->isEnabled() && w->window() == window) controls << w;
        }
        if (controls.isEmpty()) return;
        QWidget* w = controls.at(pick(controls.size()));
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) w = area->viewport();
        const QPoint at(pick(std::max(1, w->width())), pick(std::max(1, w->height())));
        const int roll = pick(100);
        if (roll < 85) {
            QTest::mouseClick(w, Qt::LeftButton, {}, at);
        } else if (roll < 95) {
            QTest::mouseDClick(w, Qt::LeftButton, {}, at);
        } else {
            // A right click opens a context menu; a field's own menu may paste
            // anything, which the field takes only as typing would.
            if (qobject_cast<QLineEdit*>(w)) {
                static const char* const clipboard[] = {"12", "6,5", " 6.5", "nan", "1\n2", "-3", "1e5", "99999999", ".5."};
                QApplication::clipboard()->setText(clipboard[pick(std::size(clipboard))]);
            }
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
            QApplication::sendEvent(w, &menu);
        }
    }

    void menuCommand() {
        QList<QAction*> commands;
        for (QAction* a : main_->findChildren<QAction*>()) {
            if (a->objectName().startsWith("mnu") && !a->menu() && a->isEnabled()) commands << a;
        }
        if (!commands.isEmpty()) commands.at(pick(commands.size()))->trigger();
    }

    void checkFields() {
        for (QWidget* w : QApplication::allWidgets()) {
            auto* field = qobject_cast<TypedField*>(w);
            if (field && !holdsAdmittedText(*field)) {
                fault(QString("%1 holds \"%2\"").arg(field->objectName(), field->text()));
            }
        }
        // Whatever the user did, the design can be saved and read back.
        for (int i = 0; i < core::kFieldCount; ++i) {
            const auto f = static_cast<core::Field>(i);
            for (auto* e : main_->findChildren<QLineEdit*>(QString::fromLatin1(core::objectName(f).data()))) {
                if (e->window() != main_) continue;
                if (const auto refusal = core::fieldTextRefusal(f, e->text().toStdString())) {
                    fault(QString::fromStdString(*refusal));
                }
            }
        }
    }

    // After the last step every open window is closed the way a user would.
    void unwind() {
        if (++unwindTurns_ > 500) {
            fault("a window cannot be closed");
            done_ = true;
            return;
        }
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* modal = QApplication::activeModalWidget();
        if (!popup && !modal) {
            done_ = true;
            return;
        }
        QTimer::singleShot(0, this, [this] { unwind(); });
        if (popup) {
            popup->close();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* no = box->button(QMessageBox::No);
            (no ? no : box->buttons().first())->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    void fault(const QString& what) {
        if (!faults.contains(what)) faults << what;
    }

    QWidget* target(QWidget* window) const {
        QWidget* focus = window->focusWidget();
        return focus ? focus : window;
    }
    QString missingFolder() const { return folder_ + "/nema"; }
    int pick(qsizetype n) { return static_cast<int>(random_.bounded(static_cast<quint32>(n))); }
    bool chance(int percent) { return pick(100) < percent; }

    QWidget* main_;
    QString folder_;
    QRandomGenerator random_;
    int stepsLeft_;
    int unwindTurns_ = 0;
    int windowsOpened_ = 0;
    QPointer<QWidget> lastWindow_;
    bool done_ = false;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomActionsLeaveEveryWindowUsable_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 20261208u, 4242u}) QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    void randomActionsLeaveEveryWindowUsable() {
        QFETCH(quint32, seed);
        const int steps = qEnvironmentVariableIntValue("MONKEY_STEPS") > 0 ? qEnvironmentVariableIntValue("MONKEY_STEPS")
                                                                           : 3000;
        QTemporaryDir folder;
        ui::frmPocetniParametriProracuna main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        Monkey monkey(&main, folder.path(), seed, steps);
        monkey.start();
        QTRY_VERIFY_WITH_TIMEOUT(monkey.done(), 240000);
        QVERIFY2(monkey.faults.isEmpty(), qPrintable(monkey.faults.mid(0, 10).join('\n')));
        // The run reached the windows and the files, not only the main window's fields.
        QVERIFY(monkey.windowsOpened() > 0);
        const QFileInfoList files = QDir(folder.path()).entryInfoList(QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QFileInfo& file : files) QVERIFY2(isWholeSavedFile(file.filePath()), qPrintable(file.fileName()));

        // Still usable: a field takes typing and a menu command opens its window.
        QVERIFY(main.isVisible() && main.isEnabled());
        {
            // An opened design may hold any texts a user could type: start afresh.
            MessageBoxAnswerer dropChanges(QMessageBox::No);
            main.findChild<QAction*>("mnuDatotekaNovi")->trigger();
        }
        QCOMPARE(main.findChild<QLineEdit*>("txtB")->text(), QString("124"));
        const OpenedWindow w = OpenedWindow::open([&] { main.findChild<QAction*>("mnuProracunPoprecniPresek")->trigger(); },
                                                  "pctPoprecniPresek");
        QVERIFY(w.opened);
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
