#include "core/DesignInput.h"

#include <iterator>

#include "core/NumberText.h"

namespace core {
namespace {

struct FieldInfo {
    std::string_view objectName;
    std::string_view startupText;
};

constexpr FieldInfo kFields[] = {
    {"txtB1", "40"},
    {"txtB2", "40"},
    {"txtD3", "15"},
    {"txtD1", "23"},
    {"txtD2", "23"},
    {"txtB", "124"},
    {"txtMg", "617.51"},
    {"txtMp", "1355.19"},
    {"txtMs", "567.71"},
    {"txtKoeficijentEfikasnostiPN", "0.8"},
    {"txtEkscentricitetKablova", "75.5"},
    {"txtGbd0", "19.5"},
    {"txtGbz0", "3"},
    {"txtGbdBes", "16"},
    {"txtGbzBes", "1.8"},
    {"txtFk", "4.618"},
    {"txtGk0", "1054"},
};
static_assert(std::size(kFields) == kFieldCount, "a row for every field");

constexpr Field kStartupOrder[] = {
    Field::B1, Field::B2, Field::D3, Field::D1, Field::D2, Field::B,
    Field::Mg, Field::Mp, Field::Ms, Field::M, Field::Ek,
    Field::Gbd0, Field::Gbdbes, Field::Gbz0, Field::Gbzbes, Field::Fk, Field::Gk0,
};
static_assert(std::size(kStartupOrder) == kFieldCount, "every field in the start-up order");

}  // namespace

std::string_view objectName(Field field) { return kFields[static_cast<int>(field)].objectName; }

std::string_view startupText(Field field) { return kFields[static_cast<int>(field)].startupText; }

const Field* startupOrder() { return kStartupOrder; }

Design designOf(const MainFields& fields, Design rest) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        rest.text(field) = fields.text(field);
    }
    return rest;
}

void show(const Design& design, MainFields& fields) {
    const Field* order = startupOrder();
    for (int i = 0; i < kFieldCount; ++i) fields.setText(order[i], design.text(order[i]));
}

DesignValues readDesignValues(const MainFields& fields) {
    auto value = [&](Field f) { return numericValue(fields.text(f)); };
    DesignValues v;
    v.section = {value(Field::B), value(Field::B1), value(Field::B2),
                 value(Field::D1), value(Field::D2), value(Field::D3)};
    v.Mg = value(Field::Mg);
    v.Mp = value(Field::Mp);
    v.Ms = value(Field::Ms);
    v.m = value(Field::M);
    v.allowable = {value(Field::Gbd0), value(Field::Gbz0), value(Field::Gbdbes), value(Field::Gbzbes)};
    v.cable = {value(Field::Fk), value(Field::Gk0), value(Field::Ek)};
    return v;
}

}  // namespace core
