#pragma once

#include <QWidget>

namespace ui {

// The fixed sketch of the main window that names the section dimensions.
class MainWindowSketch : public QWidget {
public:
    explicit MainWindowSketch(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
