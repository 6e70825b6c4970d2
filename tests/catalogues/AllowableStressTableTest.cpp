#include <gtest/gtest.h>

#include "catalogues/AllowableStressTable.h"
#include "core/FakeFields.h"

using catalogues::StressChoice;
using catalogues::StressTableRow;
using core::Field;

namespace {

TEST(StressTable, CellsKeepTheirTextsAndNames) {
    const struct {
        StressTableRow row;
        int classIndex;
        const char* name;
        const char* text;
    } cases[] = {
        {StressTableRow::Pritisak111, 0, "txtMB30Pritisak111", "13.0"},
        {StressTableRow::Pritisak112, 3, "txtMB45Pritisak112", "15.2"},
        {StressTableRow::CentricniPritisak121, 0, "txtMB30CentricniPritisak121", "9.0"},
        {StressTableRow::CentricniPritisak122, 2, "txtMB40CentricniPritisak122", "10"},
        {StressTableRow::Zatezanje211, 1, "txtMB35Zatezanje211", "1.65"},
        {StressTableRow::Zatezanje212, 6, "txtMB60Zatezanje212", "0.0"},
        {StressTableRow::Zatezanje22, 2, "txtMB40Zatezanje22", "3"},
        {StressTableRow::Zatezanje22, 6, "txtMB60Zatezanje22", "4.0"},
        {StressTableRow::Pritisak113, 6, "txtMB60Pritisak113", "26.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(catalogues::cellName(c.row, c.classIndex), c.name);
        EXPECT_EQ(catalogues::stressTableRow(c.row).cells[static_cast<size_t>(c.classIndex)], c.text) << c.name;
    }
}

TEST(StressTable, ChoiceWritesTheCellTextsUnchanged) {
    const struct {
        const char* what;
        StressChoice choice;
        const char* Gbdbes;
        const char* Gbd0;
        const char* Gbzbes;
        const char* Gbz0;
    } cases[] = {
        {"MB30 defaults", {0, StressTableRow::Pritisak111, StressTableRow::Zatezanje211}, "13.0", "15.0", "1.5", "2.5"},
        {"MB40 dynamic", {2, StressTableRow::Pritisak112, StressTableRow::Zatezanje212}, "14.0", "19.5", "0.0", "3"},
        {"MB60 static", {6, StressTableRow::Pritisak111, StressTableRow::Zatezanje211}, "20.5", "26.0", "2.4", "4.0"},
    };
    for (const auto& c : cases) {
        FakeFields main;
        catalogues::writeChosenStresses(c.choice, main);
        EXPECT_EQ(main.text(Field::Gbdbes), c.Gbdbes) << c.what;
        EXPECT_EQ(main.text(Field::Gbd0), c.Gbd0) << c.what;
        EXPECT_EQ(main.text(Field::Gbzbes), c.Gbzbes) << c.what;
        EXPECT_EQ(main.text(Field::Gbz0), c.Gbz0) << c.what;
    }
}

TEST(StressTable, CancelFindsTheChoiceBehindTheMainWindowValues) {
    const StressChoice fresh;
    const StressChoice odd{4, StressTableRow::Pritisak112, StressTableRow::Zatezanje212};
    const struct {
        const char* what;
        StressChoice before;
        const char* Gbdbes;
        const char* Gbzbes;
        StressChoice after;
    } cases[] = {
        {"MB40 values, 16 matches 16.0", fresh, "16", "1.8", {2, StressTableRow::Pritisak111, StressTableRow::Zatezanje211}},
        {"18.5: 1.12 of MB60 overrides 1.11 of MB50", fresh, "18.5", "7",
         {6, StressTableRow::Pritisak112, StressTableRow::Zatezanje211}},
        {"tension 0 ends at MB30", fresh, "18.5", "0", {0, StressTableRow::Pritisak112, StressTableRow::Zatezanje212}},
        {"values in no cell change nothing", odd, "33.3", "9.9", odd},
        {"only the tension hits", odd, "33.3", "2.25", {5, StressTableRow::Pritisak112, StressTableRow::Zatezanje211}},
    };
    for (const auto& c : cases) {
        FakeFields main;
        main.with(Field::Gbdbes, c.Gbdbes).with(Field::Gbzbes, c.Gbzbes);
        const StressChoice r = catalogues::choiceMatching(c.before, main);
        EXPECT_EQ(r.classIndex, c.after.classIndex) << c.what;
        EXPECT_EQ(r.serviceCompression, c.after.serviceCompression) << c.what;
        EXPECT_EQ(r.serviceTension, c.after.serviceTension) << c.what;
    }
}

TEST(StressTable, CustomCompressionStressesMustNotBeZero) {
    const struct {
        const char *Gbd0, *Gbdbes;
        bool passes;
        core::Field focused;
    } cases[] = {
        {"19.5", "16", true, {}},
        {"0", "0", false, core::Field::Gbd0},
        {"19.5", "0", false, core::Field::Gbdbes},
        {"0", "16", false, core::Field::Gbd0},
        {".", "16", false, core::Field::Gbd0},
    };
    for (const auto& c : cases) {
        const auto refusal = catalogues::KontrolaProizvoljnogNapona(c.Gbd0, c.Gbdbes);
        EXPECT_EQ(refusal.has_value(), !c.passes) << c.Gbd0 << " " << c.Gbdbes;
        if (!c.passes) {
            EXPECT_EQ(refusal->message, "Dopusteni naponi pritiska nemogu imati vrednost nula !");
            EXPECT_EQ(refusal->field, c.focused);
        }
    }
}

}  // namespace
