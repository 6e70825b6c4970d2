#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The seventeen inputs of one design. They live only as the texts of the main
// window's fields; MainFields is the way the checks and the calculation
// windows reach them, so the same code runs against the real window and
// against a fake in the tests.

namespace core {

enum class Field {
    B1, B2, D3, D1, D2, B,       // section dimensions, cm
    Mg, Mp, Ms,                  // bending moments, kNm
    M,                           // prestress efficiency coefficient
    Ek,                          // cable eccentricity below the centroid, cm
    Gbd0, Gbz0, Gbdbes, Gbzbes,  // allowable concrete stresses, MPa (magnitudes)
    Fk,                          // steel area of one cable, cm2
    Gk0,                         // initial stress in the cable steel, MPa
};

inline constexpr int kFieldCount = static_cast<int>(Field::Gk0) + 1;

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

// The seventeen texts without a window, from the start-up texts on. Focus and
// selection have nowhere to go; a warning is dropped unless a subclass keeps it.
class StoredFields : public MainFields {
public:
    StoredFields();
    std::string text(Field field) const override { return texts_[static_cast<std::size_t>(field)]; }
    void setText(Field field, const std::string& text) override { texts_[static_cast<std::size_t>(field)] = text; }
    void focus(Field) override {}
    void select(Field) override {}
    void warn(const std::string&) override {}

private:
    std::array<std::string, kFieldCount> texts_;
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
