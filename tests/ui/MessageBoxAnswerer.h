#pragma once

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
    };

    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer_(answer) {
        connect(&timer_, &QTimer::timeout, this, [this] { this->answer(); });
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
        seen.append({box->windowTitle(), box->text(), box->icon()});
        QAbstractButton* button = box->button(answer_);
        if (!button) button = box->buttons().value(0);
        button->click();
    }

    QMessageBox::StandardButton answer_;
    QTimer timer_;
    QPointer<QMessageBox> last_;
};
