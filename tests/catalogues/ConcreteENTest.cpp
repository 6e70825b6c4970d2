#include <gtest/gtest.h>

#include <cmath>

#include "catalogues/ConcreteEN.h"

using catalogues::concreteENValues;
using core::ConcreteENBasis;
using eurocode::CementClass;

namespace {

ConcreteENBasis concrete(const char* name, int age, CementClass cement) {
    ConcreteENBasis b;
    b.concreteClass = name;
    b.transferAge = age;
    b.cement = cement;
    return b;
}

ConcreteENBasis withFckT(ConcreteENBasis b, double fckT) {
    b.fckT = fckT;
    return b;
}

ConcreteENBasis withFactors(ConcreteENBasis b, double k6, double k1, bool noTension) {
    b.k6 = k6;
    b.k1 = k1;
    b.noTensionAtTransfer = b.noTensionInService = noTension;
    return b;
}

TEST(ConcreteEN, ValuesAndFieldTexts) {
    constexpr double kTyped = NAN;  // no beta_cc: fck(t) comes from tests
    const struct {
        const char* what;
        ConcreteENBasis in;
        double beta, fck_t, fctm_t;
        catalogues::StressFieldTexts texts;
    } cases[] = {  // beta_cc, fck(t) and fctm(t) to four significant digits at least
        // 0.6 x 29.3824 = 17.629 and fctm = 3.5088 are rounded down, not to the nearest;
        // 0.6 x 40 = 23.999999999999996 counts as 24.
        {"C40/50 at 7 days, cement N", concrete("C40/50", 7, CementClass::N), 0.7788, 29.38, 2.733,
         {"17.62", "2.73", "24", "3.5"}},
        // The published hollow-core check: 0.6 fck(t) = 21, fctm = 3.20996, written 3.2.
        {"fck(t) = 35 from tests at 2 days", withFckT(concrete("C40/50", 2, CementClass::N), 35), kTyped, 35,
         3.20996, {"21", "3.2", "24", "3.5"}},
        {"fck(t) = 55 from tests: fctm above C50/60", withFckT(concrete("C70/85", 5, CementClass::R), 55), kTyped,
         55, 4.2143, {"33", "4.21", "42", "4.61"}},
        {"C30/37 at 28 days", concrete("C30/37", 28, CementClass::N), 1.0, 30, 2.8965, {"18", "2.89", "18", "2.89"}},
        {"C90/105 at 90 days, cement S: fck itself", concrete("C90/105", 90, CementClass::S), 1.1830, 90, 5.0446,
         {"54", "5.04", "54", "5.04"}},
        {"C20/25 at 4 days, cement S", concrete("C20/25", 4, CementClass::S), 0.53506, 6.9815, 1.1827,
         {"4.18", "1.18", "12", "2.21"}},
        {"C60/75 at 10 days, R, k6 0.7, k1 0.45, no tension",
         withFactors(concrete("C60/75", 10, CementClass::R), 0.7, 0.45, true), 0.87401, 51.4326, 3.8061,
         {"36", "0", "27", "0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto v = concreteENValues(c.in);
        ASSERT_TRUE(v);
        if (std::isnan(c.beta)) {
            EXPECT_FALSE(v->beta_cc);
        } else {
            ASSERT_TRUE(v->beta_cc);
            EXPECT_NEAR(*v->beta_cc, c.beta, 5e-5);
            EXPECT_NEAR(v->fcm_t, *v->beta_cc * v->fcm, 1e-12);
        }
        EXPECT_NEAR(v->fck_t, c.fck_t, 5e-3);
        if (c.in.transferAge < 28 || c.in.fckT) {
            EXPECT_NEAR(v->fcm_t - v->fck_t, 8, 1e-12);
        }
        EXPECT_NEAR(v->fctm_t, c.fctm_t, 5e-4);
        EXPECT_EQ(catalogues::stressFieldTexts(*v), c.texts);
    }
    EXPECT_FALSE(concreteENValues(concrete("C40/55", 7, CementClass::N)));
}

TEST(ConcreteEN, Refusals) {
    const auto c40 = concrete("C40/50", 7, CementClass::N);
    auto age = [&](int t) {
        auto b = c40;
        b.transferAge = t;
        return b;
    };
    const std::string ageMessage =
        "Polje -Starost pri prenosu- mora biti ceo broj dana, najmanje 4 "
        "(za 3 dana i manje fck(t) se odredjuje ispitivanjem i zadaje) !";
    const std::string typedAgeMessage = "Polje -Starost pri prenosu- mora biti ceo broj dana, najmanje 1 !";
    const std::string fckTMessage = "Polje -fck(t)- mora imati vrednost vecu od 0, najvise fck = 40 MPa !";
    auto factor = [](const char* k) {
        return std::string("Polje -") + k + "- mora imati vrednost vecu od 0, najvise 1 !";
    };
    const struct {
        const char* what;
        ConcreteENBasis in;
        std::string refusal;  // empty: accepted
    } cases[] = {
        {"4 days", age(4), ""},
        {"3 days", age(3), ageMessage},
        {"0 days", age(0), ageMessage},
        {"3 days with fck(t) typed", withFckT(age(3), 20), ""},
        {"1 day with fck(t) typed", withFckT(age(1), 20), ""},
        {"0 days with fck(t) typed", withFckT(age(0), 20), typedAgeMessage},
        {"fck(t) equal to fck", withFckT(c40, 40), ""},
        {"fck(t) above fck", withFckT(c40, 40.01), fckTMessage},
        {"fck(t) zero", withFckT(c40, 0), fckTMessage},
        {"k6 and k1 of 1", withFactors(c40, 1, 1, false), ""},
        {"k6 zero", withFactors(c40, 0, 0.6, false), factor("k6")},
        {"k1 above 1", withFactors(c40, 0.6, 1.01, false), factor("k1")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(catalogues::concreteENRefusal(c.in).value_or(""), c.refusal);
    }
    EXPECT_EQ(catalogues::transferAgeRefusal(4.5, false), ageMessage);
    EXPECT_EQ(catalogues::factorRefusal("k6", -0.1), factor("k6"));
}

}  // namespace
