#pragma once

#include <QDialog>

namespace ui {

// The help window: a fixed text describing the workflow.
class frmPomoc : public QDialog {
    Q_OBJECT
public:
    explicit frmPomoc(QWidget* parent = nullptr);
};

}  // namespace ui
