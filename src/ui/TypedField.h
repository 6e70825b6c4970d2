#pragma once

#include <QLineEdit>

#include <optional>

#include "core/Typing.h"

// A text field the user types numbers into. Every typed character passes the
// key filter (refused ones beep), the typing limit bounds typing only (a
// longer text the program writes is shown whole), receiving the focus selects
// the whole text, and a field left empty keeps the focus. A pasted text is
// taken only when typing it would be; nothing is dropped into the field.

namespace ui {

using NumberKind = core::NumberKind;

class TypedField : public QLineEdit {
    Q_OBJECT
public:
    TypedField(NumberKind kind, int typingLimit, QWidget* parent = nullptr);

    NumberKind kind() const { return kind_; }
    int typingLimit() const { return typingLimit_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // The character the key filter puts in the field for a typed one, if any.
    std::optional<QChar> accepted(QChar typed) const;
    // Puts a pasted text in as if it were typed, or refuses it whole with the beep.
    void pasteAsTyped(const QString& pasted);

    NumberKind kind_;
    int typingLimit_;
};

}  // namespace ui
