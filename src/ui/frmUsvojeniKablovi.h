#pragma once

#include <optional>

#include "core/DesignInput.h"
#include "core/ForceBounds.h"
#include "ui/FixedDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace ui {

class TypedField;

// The number of cables the engineer adopts: the smallest admissible one, as
// the design gives it, or one typed, shown against the whole numbers of
// cables whose force is admissible.
class frmUsvojeniKablovi : public FixedDialog {
    Q_OBJECT
public:
    // `adopted` is the design's count; none for the smallest admissible one.
    frmUsvojeniKablovi(const core::MainFields& fields, std::optional<int> adopted, QWidget* parent = nullptr);

    // The count as it stands once "U redu" closed the window.
    std::optional<int> adopted() const;

private:
    std::optional<int> typedCount() const;
    void followSmallest(bool follow);
    void showAdoption();
    void uRedu();

    core::ForceBounds bounds_;
    double Zk0_ = 0;
    QString smallestText_;  // the smallest admissible count, empty when there is none
    TypedField* count_;
    QCheckBox* smallest_;
    QLineEdit* force_;
    QLineEdit* range_;
    QLabel* verdict_;
};

}  // namespace ui
