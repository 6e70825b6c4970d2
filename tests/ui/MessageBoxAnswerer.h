#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers every modal message box that opens while it lives, pressing the
// given button, and records what each box said.
class MessageBoxAnswerer : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    explicit MessageBoxAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok)
        : MessageBoxAnswerer(QList<QMessageBox::StandardButton>{button}) {}

    // One answer per box in turn; the last one answers every box after it.
    explicit MessageBoxAnswerer(QList<QMessageBox::StandardButton> answers) : answers_(std::move(answers)) {
        connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
        timer_.start(5);
    }

    QStringList texts() const {
        QStringList list;
        for (const Seen& s : seen) list << s.text;
        return list;
    }

    QList<Seen> seen;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == last_) return;
        last_ = box;
        seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        QAbstractButton* button = box->button(answers_.value(seen.size() - 1, answers_.last()));
        if (!button) button = box->buttons().value(0);
        button->click();
    }

    QList<QMessageBox::StandardButton> answers_;
    QTimer timer_;
    QPointer<QMessageBox> last_;
};
