#pragma once

#include <QLineEdit>
#include <QWidget>

#include "core/DesignInput.h"
#include "ui/WindowFields.h"

// A stand-in for the main window: the seventeen design fields, named and
// filled as the main window starts, reached through the same WindowFields.
class MainWindowFixture : public QWidget {
public:
    MainWindowFixture() : fields(this) {
        for (int i = 0; i < core::kFieldCount; ++i) {
            const auto field = static_cast<core::Field>(i);
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QString::fromLatin1(core::objectName(field).data(),
                                                    static_cast<qsizetype>(core::objectName(field).size())));
            edit->setText(QString::fromLatin1(core::startupText(field).data(),
                                              static_cast<qsizetype>(core::startupText(field).size())));
        }
    }

    MainWindowFixture& with(core::Field field, const char* text) {
        fields.setText(field, text);
        return *this;
    }

    ui::WindowFields fields;
};
