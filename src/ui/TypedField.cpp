#include "ui/TypedField.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QKeyEvent>
#include <QPointer>
#include <QMenuBar>
#include <QTimer>

#include "core/basKontrola.h"
#include "ui/Messages.h"

namespace ui {
namespace {

// Keys that type no character keep their usual editing and navigation role.
bool isEditingKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

// The empty field that has just refused to lose the focus, until it has it back.
QPointer<TypedField> refusingField;

// While an empty field holds the focus, a mouse press elsewhere in its window
// neither moves the focus (the field takes it back) nor presses a button (the
// press and its release are swallowed). Menus and other windows (message
// boxes, the field's own context menu) stay reachable.
class EmptyFieldGuard : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::MouseButtonDblClick) {
            return false;
        }
        auto* target = qobject_cast<QWidget*>(watched);
        TypedField* field = refusingField;
        if (!field) field = qobject_cast<TypedField*>(QApplication::focusWidget());
        if (!target || !field || !field->text().isEmpty() || !field->isEnabled()) return false;
        if (target == field || field->isAncestorOf(target) || target->window() != field->window()) return false;
        for (QWidget* w = target; w; w = w->parentWidget()) {
            if (qobject_cast<QMenuBar*>(w)) return false;
        }
        return true;
    }
};

void installGuardOnce() {
    static EmptyFieldGuard* guard = nullptr;
    if (guard) return;
    guard = new EmptyFieldGuard;
    guard->setParent(qApp);
    qApp->installEventFilter(guard);
}

}  // namespace

TypedField::TypedField(NumberKind kind, int typingLimit, QWidget* parent)
    : QLineEdit(parent), kind_(kind), typingLimit_(typingLimit) {
    setAlignment(Qt::AlignRight);
    // Text arrives by typing or by a checked paste only: neither a drop nor an
    // input method's composition passes the key filter.
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    installGuardOnce();
}

bool TypedField::event(QEvent* e) {
    // A line edit claims Ctrl+X, Ctrl+C, Ctrl+V and the like for itself; here
    // they belong to the window (Ctrl+X is the exit command) or are refused.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->modifiers() & Qt::ControlModifier) {
            e->ignore();
            return false;
        }
    }
    // A line edit drops the selection of an unfocused field whenever its window
    // becomes active again; a field a check has selected keeps its selection
    // through the message that check shows.
    if (e->type() == QEvent::WindowActivate) return QWidget::event(e);
    return QLineEdit::event(e);
}

std::optional<QChar> TypedField::accepted(QChar typed) const {
    if (typed.unicode() > 127) return std::nullopt;
    const char c = static_cast<char>(typed.unicode());
    const core::KeyFilterResult r = kind_ == NumberKind::Whole
                                        ? core::FiltarCelogBroja(c)
                                        : core::FiltarDecimalnogBroja(c, text().toStdString());
    if (!r.accepted) return std::nullopt;
    return QChar(*r.accepted);
}

void TypedField::keyPressEvent(QKeyEvent* e) {
    // Shift+Insert pastes without a Ctrl key; like Ctrl+V it is a key the filter refuses.
    if (e->matches(QKeySequence::Paste)) {
        e->accept();
        beep();
        return;
    }
    if (isEditingKey(e->key())) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    QChar typed;
    if (e->key() == Qt::Key_Backspace) {
        typed = QChar(core::kBackspace);
    } else if (!e->text().isEmpty()) {
        typed = e->text().at(0);
    } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        typed = QChar('\r');
    } else if (e->key() == Qt::Key_Escape) {
        typed = QChar(0x1b);
    } else {
        QLineEdit::keyPressEvent(e);  // a key that types nothing: leave it to the line edit
        return;
    }
    e->accept();  // no typed key reaches the window: Enter and Escape press no button
    const std::optional<QChar> character = accepted(typed);
    if (!character) {
        beep();
        return;
    }
    if (typed != QChar(core::kBackspace) && typingLimit_ > 0 &&
        text().length() - selectedText().length() + 1 > typingLimit_) {
        return;
    }
    if (typed == QChar(core::kBackspace)) {
        backspace();
    } else {
        insert(QString(*character));
    }
}

void TypedField::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (refusingField == this) refusingField = nullptr;
    // A mouse click places the cursor after focusing; select once it is done.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
    selectAll();
}

void TypedField::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    const auto reason = e->reason();
    const bool byUser = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                        reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    QWidget* next = QApplication::focusWidget();
    if (!byUser || !text().isEmpty() || !isEnabled() || (next && next->window() != window())) return;
    refusingField = this;
    QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

bool TypedField::focusNextPrevChild(bool next) {
    if (text().isEmpty()) return true;  // stays in the field
    return QLineEdit::focusNextPrevChild(next);
}

void TypedField::pasteAsTyped(const QString& pasted) {
    if (pasted.isEmpty()) return;
    QString around = text();
    if (hasSelectedText()) around.remove(selectionStart(), selectedText().length());
    const auto typed = core::typedCharacters(kind_, typingLimit_, around.toStdString(), pasted.toStdString());
    if (!typed) {
        beep();
        return;
    }
    insert(QString::fromStdString(*typed));
}

void TypedField::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's Paste is the one action wired to the line edit's own paste.
    for (QAction* action : menu->actions()) {
        if (!disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) continue;
        action->setObjectName("edit-paste");
        connect(action, &QAction::triggered, this, [this] { pasteAsTyped(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(e->globalPos());
}

void TypedField::mouseReleaseEvent(QMouseEvent* e) {
    // The middle button pastes the selection of another window.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (e->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        deselect();
        setCursorPosition(cursorPositionAt(e->position().toPoint()));
        pasteAsTyped(clipboard->text(QClipboard::Selection));
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

}  // namespace ui
