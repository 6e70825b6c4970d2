#pragma once

#include <QDialog>

namespace ui {

// The about window: title, version, and the system information button.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    void showSystemInfo();
};

}  // namespace ui
