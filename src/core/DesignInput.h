#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/Design.h"

// The seventeen inputs of one design as fields: MainFields is the way the
// checks and the calculation windows reach them, so the same code runs
// against the main window, where the user edits them, and against stored
// texts without a window.

namespace core {

// The objectName of the main-window field that holds the value.
std::string_view objectName(Field field);

// The text the main window starts with.
std::string_view startupText(Field field);

// Every field in the order the main window fills them at start-up.
const Field* startupOrder();

class MainFields {
public:
    virtual ~MainFields() = default;
    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, const std::string& text) = 0;
    virtual void focus(Field field) = 0;
    virtual void select(Field field) = 0;  // whole text selected
    // A modal warning: critical icon, one OK button, title "Upozorenje !".
    virtual void warn(const std::string& message) = 0;
};

// The design whose texts the fields show now; every other part as `rest` has it.
Design designOf(const MainFields& fields, Design rest);

// Puts the design's texts into the fields, in the order the main window fills them at start-up.
void show(const Design& design, MainFields& fields);

// The fields of a design without a window, the start-up design unless
// another is given. Focus and selection have nowhere to go; a warning is
// dropped unless a subclass keeps it.
class StoredFields : public MainFields {
public:
    explicit StoredFields(Design design = startupDesign()) : design_(std::move(design)) {}
    std::string text(Field field) const override { return design_.text(field); }
    void setText(Field field, const std::string& text) override { design_.text(field) = text; }
    void focus(Field) override {}
    void select(Field) override {}
    void warn(const std::string&) override {}

    const Design& design() const { return design_; }

private:
    Design design_;
};

struct SectionDimensions {
    double b = 0;   // web height between the flanges, cm
    double b1 = 0;  // bottom flange width, cm
    double b2 = 0;  // top flange width, cm
    double d1 = 0;  // bottom flange thickness, cm
    double d2 = 0;  // top flange thickness, cm
    double d3 = 0;  // web width, cm
};

struct AllowableStresses {
    double Gbd0 = 0;    // compression at transfer, MPa
    double Gbz0 = 0;    // tension at transfer, MPa (magnitude)
    double Gbdbes = 0;  // compression in service, MPa
    double Gbzbes = 0;  // tension in service, MPa (magnitude)
};

struct CableCharacteristics {
    double Fk = 0;   // cm2
    double Gk0 = 0;  // MPa
    double ek = 0;   // cm, below the centroid
};

// The numeric values of all seventeen fields, read at one moment.
struct DesignValues {
    SectionDimensions section;
    double Mg = 0, Mp = 0, Ms = 0;  // kNm
    double m = 0;
    AllowableStresses allowable;
    CableCharacteristics cable;
};

DesignValues readDesignValues(const MainFields& fields);

}  // namespace core
