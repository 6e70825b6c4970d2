#include "catalogues/AllowableStressTable.h"

#include "core/NumberText.h"

namespace catalogues {
namespace {

using R = StressTableRow;

const std::array<StressTableRowData, kStressTableRowCount> kRows = {{
    {R::Pritisak111, "Pritisak111", "1.11. Za sve konstrukcije osim iz tacke 1.12.",
     {"13.0", "14.5", "16.0", "17.2", "18.5", "19.5", "20.5"}},
    {R::Pritisak112, "Pritisak112", "1.12. Za pretezno dinamicki opterecene konstrukcije",
     {"11.5", "12.7", "14.0", "15.2", "16.5", "17.5", "18.5"}},
    {R::Pritisak113, "Pritisak113", "1.13. Ivicni pritisak pri prednaprezanju",
     {"15.0", "17.2", "19.5", "21.2", "23.0", "24.5", "26.0"}},
    {R::CentricniPritisak121, "CentricniPritisak121", "1.21. Za sve konstrukcije osim iz tacke 1.22.",
     {"9.0", "10.0", "11.0", "11.7", "12.5", "13.2", "14.0"}},
    {R::CentricniPritisak122, "CentricniPritisak122", "1.22. Za pretezno dinamicki opterecene konstrukcije",
     {"8.0", "9.0", "10", "10.7", "11.5", "12.2", "13.0"}},
    {R::Zatezanje211, "Zatezanje211", "2.11. Za sve konstrukcije osim iz tacke 2.12.",
     {"1.5", "1.65", "1.8", "1.95", "2.1", "2.25", "2.4"}},
    {R::Zatezanje212, "Zatezanje212", "2.12. Pretezno dinamicki opterecene konstrukcije",
     {"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0"}},
    {R::Zatezanje22, "Zatezanje22", "2.2. Ivicno zatezanje pri prednaprezanju za sve kon.",
     {"2.5", "2.75", "3", "3.25", "3.5", "3.75", "4.0"}},
}};

std::string cell(StressTableRow row, int classIndex) {
    return std::string(stressTableRow(row).cells[static_cast<size_t>(classIndex)]);
}

// The first class from MB30 up whose cell in the row equals the value, or -1.
int firstClassHolding(StressTableRow row, double value) {
    for (int c = 0; c < kConcreteClassCount; ++c) {
        if (core::numericValue(cell(row, c)) == value) return c;
    }
    return -1;
}

}  // namespace

const std::array<StressTableRowData, kStressTableRowCount>& stressTableRows() { return kRows; }

const StressTableRowData& stressTableRow(StressTableRow row) { return kRows[static_cast<size_t>(row)]; }

std::string cellName(StressTableRow row, int classIndex) {
    return "txtMB" + std::to_string(kConcreteClasses[static_cast<size_t>(classIndex)]) +
           std::string(stressTableRow(row).suffix);
}

void writeChosenStresses(const StressChoice& choice, core::MainFields& main) {
    using core::Field;
    main.setText(Field::Gbdbes, cell(choice.serviceCompression, choice.classIndex));
    main.setText(Field::Gbd0, cell(R::Pritisak113, choice.classIndex));
    main.setText(Field::Gbzbes, cell(choice.serviceTension, choice.classIndex));
    main.setText(Field::Gbz0, cell(R::Zatezanje22, choice.classIndex));
}

StressChoice choiceMatching(StressChoice current, const core::MainFields& main) {
    const double Gbdbes = core::numericValue(main.text(core::Field::Gbdbes));
    const double Gbzbes = core::numericValue(main.text(core::Field::Gbzbes));
    const struct {
        StressTableRow row;
        double value;
    } searches[] = {
        {R::Pritisak111, Gbdbes}, {R::Pritisak112, Gbdbes}, {R::Zatezanje211, Gbzbes}, {R::Zatezanje212, Gbzbes}};
    for (const auto& s : searches) {
        const int hit = firstClassHolding(s.row, s.value);
        if (hit < 0) continue;
        current.classIndex = hit;
        if (s.row == R::Pritisak111 || s.row == R::Pritisak112) {
            current.serviceCompression = s.row;
        } else {
            current.serviceTension = s.row;
        }
    }
    return current;
}

std::optional<Refusal> KontrolaProizvoljnogNapona(std::string_view Gbd0, std::string_view Gbdbes) {
    const double a = core::numericValue(Gbd0);
    const double b = core::numericValue(Gbdbes);
    if (a != 0 && b != 0) return std::nullopt;
    return Refusal{"Dopusteni naponi pritiska nemogu imati vrednost nula !",
                   a == 0 ? core::Field::Gbd0 : core::Field::Gbdbes};
}

}  // namespace catalogues
