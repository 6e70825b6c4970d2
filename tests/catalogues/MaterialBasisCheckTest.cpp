#include <gtest/gtest.h>

#include "catalogues/MaterialBasisCheck.h"

using catalogues::CableFieldTexts;
using catalogues::givesFieldTexts;
using catalogues::StressFieldTexts;

namespace {

core::ConcreteENBasis c40At7Days() {
    core::ConcreteENBasis b;
    b.concreteClass = "C40/50";
    b.transferAge = 7;
    return b;
}

TEST(MaterialBasisCheck, StressBasis) {
    using core::ServiceCompressionRow;
    using core::ServiceTensionRow;
    const core::MbTableBasis mb40{40, ServiceCompressionRow::Row111, ServiceTensionRow::Row211};
    const core::MbTableBasis mb40Dynamic{40, ServiceCompressionRow::Row112, ServiceTensionRow::Row212};
    core::ConcreteENBasis unknownClass = c40At7Days();
    unknownClass.concreteClass = "C40/55";
    core::ConcreteENBasis refusedK6 = c40At7Days();
    refusedK6.k6 = 0;
    const struct {
        const char* what;
        core::StressBasis basis;
        StressFieldTexts texts;
        bool gives;
    } cases[] = {
        {"no basis", core::BasisNotGiven{}, {"1", "2", "3", "4"}, true},
        {"custom values", core::CustomStressBasis{}, {"1", "2", "3", "4"}, true},
        {"MB40, 1.11, 2.11", mb40, {"19.5", "3", "16.0", "1.8"}, true},
        {"MB40 read as numbers only", mb40, {"19.5", "3", "16", "1.8"}, false},
        {"MB40, 1.12, 2.12", mb40Dynamic, {"19.5", "3", "14.0", "0.0"}, true},
        {"MB40, 1.12, 2.12 against the 1.11 values", mb40Dynamic, {"19.5", "3", "16.0", "1.8"}, false},
        {"no class MB42", core::MbTableBasis{42}, {"19.5", "3", "16.0", "1.8"}, false},
        {"C40/50 at 7 days", c40At7Days(), {"17.62", "2.73", "24", "3.5"}, true},
        {"C40/50 at 7 days, Gbd0 rounded up", c40At7Days(), {"17.63", "2.73", "24", "3.5"}, false},
        {"C40/50 at 7 days, Gbzbes edited", c40At7Days(), {"17.62", "2.73", "24", "3.50"}, false},
        {"a class Table 3.1 does not have", unknownClass, {"17.62", "2.73", "24", "3.5"}, false},
        {"a factor the window refuses", refusedK6, {"0", "2.73", "24", "3.5"}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(givesFieldTexts(c.basis, c.texts), c.gives) << c.what;
}

TEST(MaterialBasisCheck, CableBasis) {
    core::StrandTendonBasis tendon;  // 12 x Y1860S7 15.7
    tendon.ek = "60";
    core::StrandTendonBasis tooMany = tendon;
    tooMany.strands = 56;
    const struct {
        const char* what;
        core::CableBasis basis;
        CableFieldTexts texts;
        bool gives;
    } cases[] = {
        {"no basis", core::BasisNotGiven{}, {"1", "2", "3"}, true},
        {"custom cable", core::CustomCableBasis{}, {"1", "2", "3"}, true},
        {"D, DU at 0.8, the recommended ek", core::ImsCableBasis{"DDU", 0.8}, {"4.618", "1054", "73.5"}, true},
        {"D, DU at 0.8, ek typed", core::ImsCableBasis{"DDU", 0.8}, {"4.618", "1054", "60"}, true},
        {"D, DU at 0.8, Gko edited", core::ImsCableBasis{"DDU", 0.8}, {"4.618", "1055", "73.5"}, false},
        {"A at 0.92", core::ImsCableBasis{"A", 0.92}, {"1.178", "1155", "73.5"}, true},
        {"a coefficient the window refuses", core::ImsCableBasis{"A", 0.79}, {"1.178", "1107.3", "73.5"}, false},
        {"an unknown type", core::ImsCableBasis{"K", 0.8}, {"1.178", "1122", "73.5"}, false},
        {"12 x 15.7", tendon, {"18", "1394", "60"}, true},
        {"12 x 15.7, ek edited", tendon, {"18", "1394", "60.0"}, false},
        {"12 x 15.7, Fk of 13 strands", tendon, {"19.5", "1394", "60"}, false},
        {"56 strands", tooMany, {"84", "1394", "60"}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(givesFieldTexts(c.basis, c.texts), c.gives) << c.what;
}

}  // namespace
