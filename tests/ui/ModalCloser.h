#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTimer>

// Waits for a modal window of the given objectName and closes it with its
// "U redu" button, noting that it came.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(const QString& windowName) : name_(windowName) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != name_) return;
            opened = true;
            modal->findChild<QPushButton*>("cmdURedu")->click();
        });
        timer_.start(5);
    }

    bool opened = false;

private:
    QString name_;
    QTimer timer_;
};
