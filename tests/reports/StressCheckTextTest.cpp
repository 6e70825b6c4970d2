#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/EdgeStresses.h"
#include "reports/StressCheckText.h"

namespace {

using core::Field;

struct Design {
    const char* name;
    std::vector<std::pair<Field, const char*>> changes;  // from the start-up texts
    double Nk0;
};

core::DesignValues valuesOf(const Design& d) {
    core::StoredFields fields;
    for (const auto& [field, text] : d.changes) fields.setText(field, text);
    return core::readDesignValues(fields);
}

// Reads the numbers back out of "G=(a/b*(1+c/d)-e/f)*10^-3= r [MPa]" (bottom
// edge) or "G=(e/f+a/b*(1-c/d))*10^-3= r [MPa]" (top edge) and works the
// expression out by hand.
bool handCalculation(const std::string& line, bool bottom, double& worked, double& printed) {
    const std::string expression = line.substr(line.find('=') + 1);
    double a, b, c, d, e, f;
    const int read = bottom ? std::sscanf(expression.c_str(), "(%lf/%lf*(1+%lf/%lf)-%lf/%lf)*10^-3= %lf", &a, &b, &c,
                                          &d, &e, &f, &printed)
                            : std::sscanf(expression.c_str(), "(%lf/%lf+%lf/%lf*(1-%lf/%lf))*10^-3= %lf", &e, &f, &a,
                                          &b, &c, &d, &printed);
    if (read != 7) return false;
    worked = ((a / b) * (1 + (bottom ? c / d : -c / d)) + (bottom ? -e / f : e / f)) * 1e-3;
    return true;
}

}  // namespace

// The values put in are those of the formula, edge by edge and time by time:
// worked out by hand they give the printed result up to the rounding of what was put in.
TEST(StressFormulas, NumbersPutInGiveTheResult) {
    const Design designs[] = {
        {"start-up section, force 2800", {}, 2800},
        {"T-section, flange on top", {{Field::D1, "0"}, {Field::B1, "0"}, {Field::Ek, "40"}}, 1500},
        {"wide bottom flange", {{Field::B1, "90"}, {Field::D1, "30"}, {Field::Mg, "300"}}, 4100},
        {"cable above the centroid", {{Field::Ek, "-12.5"}, {Field::M, "0.85"}}, 900},
    };
    for (const Design& d : designs) {
        SCOPED_TRACE(d.name);
        const core::DesignValues v = valuesOf(d);
        const core::ForceBounds bounds = core::computeForceBounds(v);
        const core::EdgeStresses s = core::computeEdgeStresses(v, d.Nk0, core::MeanStress::OverSquareMetres);
        const auto formulas = reports::stressFormulas(v, bounds, s);
        const double stresses[] = {s.Gb1_0, s.Gb2_0, s.Gb1_bes, s.Gb2_bes};
        for (int i = 0; i < 4; ++i) {
            double worked = 0, printed = 0;
            ASSERT_TRUE(handCalculation(formulas[i].numbers, i % 2 == 0, worked, printed)) << formulas[i].numbers;
            EXPECT_NEAR(printed, stresses[i], 0.005) << formulas[i].numbers;
            EXPECT_NEAR(worked, stresses[i], 1e-4 * std::max(1.0, std::fabs(stresses[i]))) << formulas[i].numbers;
        }
    }
}

// The start-up section at 2800 kN, whose stresses are published as 17.82,
// -2.69, 0.23 and 11.87 MPa.
TEST(StressFormulas, StartUpSectionAt2800) {
    core::StoredFields fields;
    const core::DesignValues v = core::readDesignValues(fields);
    const auto s = core::computeEdgeStresses(v, 2800, core::MeanStress::OverSquareMetres);
    const auto f = reports::stressFormulas(v, core::computeForceBounds(v), s);
    const char* expected[][2] = {
        {"Gb1,0=(Nk0/A*(1+ek/kb2)-Mmin/Wb1)*10^-3",
         "Gb1,0=(2800/0.37*(1+75.5/39.4421)-617.51/0.145936)*10^-3= 17.82 [MPa]"},
        {"Gb2,0=(Mmin/Wb2+Nk0/A*(1-ek/kb1))*10^-3",
         "Gb2,0=(617.51/0.145936+2800/0.37*(1-75.5/39.4421))*10^-3= -2.69 [MPa]"},
        {"Gb1,bes=(Nkbes/A*(1+ek/kb2)-Mmax/Wb1)*10^-3",
         "Gb1,bes=(2240/0.37*(1+75.5/39.4421)-2540.41/0.145936)*10^-3= 0.23 [MPa]"},
        {"Gb2,bes=(Mmax/Wb2+Nkbes/A*(1-ek/kb1))*10^-3",
         "Gb2,bes=(2540.41/0.145936+2240/0.37*(1-75.5/39.4421))*10^-3= 11.87 [MPa]"},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f[i].symbols, expected[i][0]);
        EXPECT_EQ(f[i].numbers, expected[i][1]);
    }
    EXPECT_EQ(reports::stressValuesLine(v, core::computeForceBounds(v)),
              "Vrednosti u naponima: A= 0.37 [m2], ek= 75.5 [cm], kb1= 39.4421 [cm], kb2= 39.4421 [cm], "
              "Wb1= 0.145936 [m3], Wb2= 0.145936 [m3]");
}
