#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "FakeFields.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "reports/Reports.h"

using core::Field;

namespace {

std::vector<std::string> cableRowsFor(const FakeFields& fields, std::string_view force) {
    const core::DesignValues v = core::readDesignValues(fields);
    return reports::cableRows(fields, v, core::computeForceBounds(v), force);
}

// CR and LF made visible, so a failure shows where the line ends differ.
std::string visible(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "<CR>";
        else if (c == '\n') out += "<LF>\n";
        else out += c;
    }
    return out;
}

TEST(CableReport, StartupDesignFileByteForByte) {
    const FakeFields fields;
    const std::string expected =
        "Staticki uticaji\r\n"
        "Mmin= 617.51 [kNm]\r\n"
        "Mmax= 2540.41 [kNm]\r\n"
        "\r\n"
        "Granice pocetne sile prethodnog naprezanja\r\n"
        "1/Nk0>=(ek+kb2)/(minM+Wb1*Gbd0)= 0.000331890225  Nk0<= 3013.04 [kN]\r\n"
        "1/Nk0>=(ek-kb1)/(minM+Wb2*Gbz0)= 0.000341678573  Nk0<= 2926.73 [kN]\r\n"
        "1/Nk0<=m*[(ek+kb2)/(maxM-Wb1*Gbzbes)]= 0.000403708222  Nk0>= 2477.04 [kN]\r\n"
        "1/Nk0<=m*[(ek-kb1)/(maxM-Wb2*Gbdbes)]= 0.001404131414  Nk0>= 712.18 [kN]\r\n"
        "\r\n"
        "Koeficijent efikasnosti prethodnog naprezanja\r\n"
        "m= 0.8\r\n"
        "\r\n"
        "Ekscentricitet kablova\r\n"
        "ek= 75.5 [cm]\r\n"
        "\r\n"
        "Karakteristike jednog kabla\r\n"
        "Fk= 4.618 [cm2]\r\n"
        "Gko= 1054 [MPa]\r\n"
        "Zko= 486.74 [kN]\r\n"
        "\r\n"
        "Pocetna sila prethodnog naprezanja\r\n"
        "Nko= 2477.05 [kN]\r\n"
        "\r\n"
        "Broj kablova\r\n"
        "n= 5.1 [komada]\r\n"
        "\r\n"
        "Geometrijske karakteristike poprecnog preseka\r\n"
        "A= 3700.00 [cm2]\r\n"
        "Yb1= 85.00 [cm]\r\n"
        "Yb2= 85.00 [cm]\r\n"
        "Ib= 12404533.33 [cm4]\r\n"
        "Wb1= 145935.69 [cm3]\r\n"
        "Wb2= 145935.69 [cm3]\r\n"
        "Kb1= 39.44 [cm]\r\n"
        "Kb2= 39.44 [cm]\r\n";
    const auto rows = cableRowsFor(fields, "2477.05");
    ASSERT_EQ(rows.size(), 36u);
    EXPECT_EQ(visible(reports::textFile(rows)), visible(expected));
}

struct RowCase {
    const char* name;
    std::vector<std::pair<Field, const char*>> texts;
    const char* force;
    int row;  // 1-based
    const char* expected;
};

TEST(CableReport, RowsCopyTextsAndFollowTheForce) {
    const RowCase cases[] = {
        {"typed force with a trailing point", {}, "2500.", 23, "Nko= 2500. [kN]"},
        {"count for a typed force", {}, "2800", 26, "n= 5.8 [komada]"},
        {"m typed with a trailing zero", {{Field::M, "0.80"}}, "2477.05", 12, "m= 0.80"},
        {"m typed without a leading zero", {{Field::M, ".8"}}, "2477.05", 12, "m= .8"},
        {"ek copied", {{Field::Ek, "60"}}, "2477.05", 15, "ek= 60 [cm]"},
        {"moment half rounds away from zero", {{Field::Mg, "12.345"}}, "1", 2, "Mmin= 12.35 [kNm]"},
        {"lone point as force counts as zero cables", {}, ".", 26, "n= 0 [komada]"},
        {"no cable force gives no count", {{Field::Fk, "0"}}, "2800", 26, "n= nedefinisano [komada]"},
    };
    for (const auto& c : cases) {
        FakeFields fields;
        for (const auto& [f, t] : c.texts) fields.setText(f, t);
        EXPECT_EQ(cableRowsFor(fields, c.force)[c.row - 1], c.expected) << c.name;
    }
}

TEST(CableReport, ConditionValueBelowOneTenThousandthInExponentForm) {
    FakeFields fields;  // a large force range: the first limit above 10000 kN
    fields.with(Field::Gbd0, "200");
    const std::string row = cableRowsFor(fields, "1")[5];
    EXPECT_NE(row.find("E-05  Nk0<= "), std::string::npos) << row;
}

bool showsInfOrNan(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

// A condition whose eccentricity term is negative bounds the force from the
// other side, and its row says so; every other row keeps its relation on Nk0,
// also a lower limit below zero, which admits every force just as no limit
// does. A negative moment-and-stress term turns the relation on 1/Nk0 round.
TEST(CableReport, RowsStateTheSideEachConditionBoundsTheForceFrom) {
    const struct {
        const char* name;
        const char* ek;
        const char* Ms;
        std::vector<std::string> rows;  // rows 6 to 9
    } cases[] = {
        {"cable below the kern", "75.5", "567.71",
         {"1/Nk0>=(ek+kb2)/(minM+Wb1*Gbd0)= 0.000331890225  Nk0<= 3013.04 [kN]",
          "1/Nk0>=(ek-kb1)/(minM+Wb2*Gbz0)= 0.000341678573  Nk0<= 2926.73 [kN]",
          "1/Nk0<=m*[(ek+kb2)/(maxM-Wb1*Gbzbes)]= 0.000403708222  Nk0>= 2477.04 [kN]",
          "1/Nk0<=m*[(ek-kb1)/(maxM-Wb2*Gbdbes)]= 0.001404131414  Nk0>= 712.18 [kN]"}},
        {"cable inside the kern", "30", "100",
         {"1/Nk0>=(ek+kb2)/(minM+Wb1*Gbd0)= 0.000200510963  Nk0<= 4987.26 [kN]",
          "1/Nk0>=(ek-kb1)/(minM+Wb2*Gbz0)= -8.9471475E-05  Nk0>= -11176.75 [kN]",
          "1/Nk0<=m*[(ek+kb2)/(maxM-Wb1*Gbzbes)]= 0.000306923636  Nk0>= 3258.14 [kN]",
          "1/Nk0>=m*[(ek-kb1)/(maxM-Wb2*Gbdbes)]= 0.000288009824  Nk0<= 3472.1 [kN]"}},
    };
    for (const auto& c : cases) {
        FakeFields fields;
        fields.with(Field::Ek, c.ek).with(Field::Ms, c.Ms);
        const auto rows = cableRowsFor(fields, "1");
        EXPECT_EQ(std::vector<std::string>(rows.begin() + 5, rows.begin() + 9), c.rows) << c.name;
    }
    FakeFields inside;
    inside.with(Field::Ek, "30").with(Field::Ms, "100");
    EXPECT_EQ(visible(reports::forceLimitsMessage(core::computeForceBounds(core::readDesignValues(inside)))),
              visible("Granice sile prethodnog naprezanja:\r\n1) Nk0<= 4987.26 [kN]\r\n2) Nk0>= -11176.75 [kN]\r\n"
                      "3) Nk0>= 3258.14 [kN]\r\n4) Nk0<= 3472.1 [kN]"));
}

TEST(UndefinedLowerLimits, RowsShowNoInfOrNan) {
    FakeFields fields;  // m = 0: conditions 3 and 4 have no finite limits
    fields.with(Field::M, "0");
    const core::DesignValues v = core::readDesignValues(fields);
    const core::ForceBounds bounds = core::computeForceBounds(v);
    const std::string force = core::startingForceText(bounds);
    const auto rows = reports::cableRows(fields, v, bounds, force);
    EXPECT_EQ(rows[7], "1/Nk0<=m*[(ek+kb2)/(maxM-Wb1*Gbzbes)]= 0  Nk0>= nedefinisano [kN]");
    EXPECT_EQ(rows[22], "Nko= 0.01 [kN]");
    EXPECT_EQ(rows[25], "n= 0 [komada]");
    EXPECT_EQ(reports::cableRows(fields, v, bounds, "nedefinisano")[25], "n= nedefinisano [komada]");
    EXPECT_FALSE(showsInfOrNan(reports::textFile(rows))) << reports::textFile(rows);

    const auto stress = reports::stressRows(fields, core::startingStressCheck(v).stresses);
    EXPECT_FALSE(showsInfOrNan(reports::textFile(reports::stressFileLines(stress))));
    EXPECT_FALSE(showsInfOrNan(reports::forceLimitsMessage(bounds)));
}

TEST(TextFile, LinesEndInCrLfAndStayAscii) {
    const struct {
        const char* name;
        std::vector<std::string> lines;
        std::string expected;
    } cases[] = {
        {"empty lines kept, last line ended", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        {"no lines, no bytes", {}, ""},
        {"two-byte character", {"m= 0,8\xC2\xB5"}, "m= 0,8?\r\n"},
        {"three-byte character between ASCII", {"x\xE2\x82\xACy"}, "x?y\r\n"},
        {"line breaks inside a row", {"ek= 1\n2 [cm]", "a\r\nb"}, "ek= 1?2 [cm]\r\na??b\r\n"},
        {"tab and delete", {"m=\t0.8\x7F"}, "m=?0.8?\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(visible(reports::textFile(c.lines)), visible(c.expected)) << c.name;
    }
}

TEST(StressReport, StartupDesignFileByteForByte) {
    const FakeFields fields;
    const core::DesignValues v = core::readDesignValues(fields);
    const auto rows = reports::stressRows(fields, core::startingStressCheck(v).stresses);
    EXPECT_EQ(visible(reports::textFile(reports::stressFileLines(rows))),
              visible("Gb1,0=15.28 [MPa] <= 19.5 [MPa] = Gbd,o\r\n"
                      "Gb2,0=-1.89 [MPa] >= -3 [MPa] = -Gbz,o\r\n"
                      "Gb1,bes=-1.8 [MPa] >= -1.8 [MPa] = -Gbz,bes\r\n"
                      "Gb2,bes=12.51 [MPa] <= 16 [MPa] = Gbd,bes\r\n"));
}

TEST(StressReport, TableTextsKeptAndNegatedLimitsWritten) {
    FakeFields fields;
    fields.with(Field::Gbd0, "15.0").with(Field::Gbz0, "2.5").with(Field::Gbzbes, "0.0").with(Field::Gbdbes, "13.0");
    const core::DesignValues v = core::readDesignValues(fields);
    const auto rows = reports::stressRows(fields, core::computeEdgeStresses(v, 2800));
    EXPECT_EQ(rows[0].allowable, "<= 15.0 [MPa] = Gbd,o");
    EXPECT_EQ(rows[1].allowable, ">= -2.5 [MPa] = -Gbz,o");
    EXPECT_EQ(rows[2].allowable, ">= 0 [MPa] = -Gbz,bes");
    EXPECT_EQ(rows[3].allowable, "<= 13.0 [MPa] = Gbd,bes");

    const core::DesignValues start = core::readDesignValues(FakeFields());
    const auto r = core::recheckStresses(start, "2800");
    const auto typed = reports::stressRows(FakeFields(), r.stresses);
    EXPECT_EQ(typed[0].stress + typed[1].stress + typed[2].stress + typed[3].stress,
              "Gb1,0=17.82 [MPa]Gb2,0=-2.69 [MPa]Gb1,bes=0.23 [MPa]Gb2,bes=11.87 [MPa]");
}

TEST(StressReport, ForceLimitsMessage) {
    const auto bounds = core::computeForceBounds(core::readDesignValues(FakeFields()));
    EXPECT_EQ(visible(reports::forceLimitsMessage(bounds)),
              visible("Granice sile prethodnog naprezanja:\r\n1) Nk0<= 3013.04 [kN]\r\n2) Nk0<= 2926.73 [kN]\r\n"
                      "3) Nk0>= 2477.04 [kN]\r\n4) Nk0>= 712.18 [kN]"));
}

}  // namespace
