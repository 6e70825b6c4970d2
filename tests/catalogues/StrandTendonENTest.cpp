#include <gtest/gtest.h>

#include "catalogues/StrandTendonEN.h"

using catalogues::strandTendonValues;

namespace {

core::StrandTendonBasis tendon(const char* strand, int n, double k7 = 0.75, double k8 = 0.85) {
    return {strand, n, k7, k8, "60"};
}

TEST(StrandTendonEN, AreaAndStressOfEveryStrand) {
    const struct {
        const char* what;
        core::StrandTendonBasis in;
        const char *Fk, *Gk0;
    } cases[] = {
        // 0.85 x 1640 lands a hair below 1394 in doubles and still counts as 1394.
        {"12 x 15.7", tendon("Y1860S7 15.7", 12), "18", "1394"},
        {"19 x 15.2", tendon("Y1860S7 15.2", 19), "26.41", "1394"},
        {"7 x 12.5: 1389.25 rounded down", tendon("Y1860S7 12.5", 7), "6.51", "1389"},
        {"1 x 12.9", tendon("Y1860S7 12.9", 1), "1", "1394"},
        {"55 x 15.3", tendon("Y1860S7 15.3", 55), "77", "1390"},
        {"3 x Y1770S7 15.7", tendon("Y1770S7 15.7", 3), "4.5", "1326"},
        {"k7 0.7: 0.7 x 1860 governs", tendon("Y1860S7 15.7", 12, 0.7), "18", "1302"},
        {"k8 0.8: 0.8 x 1640", tendon("Y1860S7 15.7", 12, 0.75, 0.8), "18", "1312"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto v = strandTendonValues(c.in);
        ASSERT_TRUE(v);
        const auto texts = catalogues::tendonFieldTexts(*v);
        EXPECT_EQ(texts.Fk, c.Fk);
        EXPECT_EQ(texts.Gk0, c.Gk0);
        EXPECT_LE(v->Gk0, v->sigma_pm0 + 1e-9);
        EXPECT_GT(v->sigma_pmax, v->sigma_pm0);
    }
    EXPECT_FALSE(strandTendonValues(tendon("Y1860S7 15.0", 12)));
}

TEST(StrandTendonEN, Refusals) {
    const std::string count = "Polje -Broj uzadi- mora biti ceo broj od 1 do 55 !";
    const struct {
        double n;
        std::string refusal;
    } cases[] = {{0, count}, {1, ""}, {55, ""}, {56, count}, {12.5, count}};
    for (const auto& c : cases) EXPECT_EQ(catalogues::strandCountRefusal(c.n).value_or(""), c.refusal) << c.n;
    auto in = tendon("Y1860S7 15.7", 12);
    in.k8 = 1.2;
    EXPECT_EQ(catalogues::strandTendonRefusal(in), "Polje -k8- mora imati vrednost vecu od 0, najvise 1 !");
}

}  // namespace
