// The whole calculation over arbitrary numeric inputs: section, bounds,
// stresses, cable count, both reports and both drawings. No row or drawing
// text ever holds "inf", "nan" or a byte beyond ASCII, the reports always
// have 36 and 4 rows, and every drawn coordinate is finite. For a design an
// engineer could enter, a force is admissible exactly when the four edge
// stresses it causes are within the allowable ones, outside the band of
// rounding at a limit.
#include <algorithm>
#include <cmath>
#include <string>

#include "FakeFields.h"
#include "FuzzInput.h"
#include "core/CableCount.h"
#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "core/Tolerance.h"
#include "core/NumberText.h"
#include "drawing/CrossSectionDrawing.h"
#include "drawing/MagnelDiagram.h"
#include "reports/Reports.h"

namespace {

void checkText(const std::string& text) {
    FUZZ_REQUIRE(isPrintableAscii(text));
    FUZZ_REQUIRE(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos);
}

void checkDrawing(const drawing::Drawing& list) {
    for (const drawing::Primitive& p : list) {
        if (const auto* line = std::get_if<drawing::Line>(&p)) {
            FUZZ_REQUIRE(std::isfinite(line->from.x) && std::isfinite(line->from.y));
            FUZZ_REQUIRE(std::isfinite(line->to.x) && std::isfinite(line->to.y));
        } else if (const auto* dot = std::get_if<drawing::Dot>(&p)) {
            FUZZ_REQUIRE(std::isfinite(dot->at.x) && std::isfinite(dot->at.y));
        } else {
            const auto& text = std::get<drawing::Text>(p);
            FUZZ_REQUIRE(std::isfinite(text.at.x) && std::isfinite(text.at.y));
            checkText(text.text);
        }
    }
}

// Any number folded into [from, to).
double within(double x, double from, double to) {
    if (!std::isfinite(x)) x = 0;
    return from + std::fmod(std::fabs(x), to - from);
}

void checkForceRule(FuzzInput& in) {
    core::DesignValues v;
    v.section = {within(in.number(), 1, 300), within(in.number(), 0, 300), within(in.number(), 0, 300),
                 within(in.number(), 0, 50), within(in.number(), 0, 50), within(in.number(), 1, 100)};
    v.Mg = within(in.number(), 0, 1e4);
    v.Mp = within(in.number(), 0, 1e4);
    v.Ms = within(in.number(), 0, 1e4);
    v.m = within(in.number(), 0.01, 1);
    v.allowable = {within(in.number(), 0, 40), within(in.number(), 0, 5), within(in.number(), 0, 40),
                   within(in.number(), 0, 5)};
    const core::ForceBounds f = core::computeForceBounds(v);
    v.cable.ek = within(in.number(), 0, f.section.yb1);
    const core::ForceBounds bounds = core::computeForceBounds(v);
    const double N = within(in.number(), 0, 1e5);

    const core::EdgeStresses s = core::computeEdgeStresses(v, N);
    const core::AllowableStresses& g = v.allowable;
    const core::SectionInMetres& w = bounds.working;
    // The stresses at play: each edge stress is a prestress part less a moment part.
    const double prestress = std::fabs(N / bounds.section.A * 1e4 * 1e-3) *
                             (2 + v.cable.ek / (w.kb1 * 1e2) + v.cable.ek / (w.kb2 * 1e2));
    const double moments = bounds.Mmax * (1 / w.Wb1 + 1 / w.Wb2) * 1e-3;
    const double scale = 1 + prestress + moments + g.Gbd0 + g.Gbz0 + g.Gbdbes + g.Gbzbes;
    const double margin =
        std::min({g.Gbd0 - s.Gb1_0, s.Gb2_0 + g.Gbz0, s.Gb1_bes + g.Gbzbes, g.Gbdbes - s.Gb2_bes});
    if (!std::isfinite(margin) || std::fabs(margin) < 1e-6 * scale) return;
    for (double limit : bounds.limits()) {
        if (std::fabs(N - limit) <= 2 * core::toleranceAt(N, limit)) return;  // a force at a limit
    }
    FUZZ_REQUIRE((core::checkAdmissibleNk0(bounds, N) == core::Nk0Check::Admissible) == (margin > 0));
    FUZZ_REQUIRE(core::edgeStressesExceeded(s, g) == (margin < 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    FakeFields fields;
    // Numbers as the fields would hold them, written by the program itself.
    for (int i = 0; i < core::kFieldCount && !in.empty(); ++i) {
        if (in.byte() & 1) fields.setText(static_cast<core::Field>(i), core::numberToText(in.number()));
    }
    const std::string force = core::numberToText(in.number());

    const core::DesignValues v = core::readDesignValues(fields);
    const core::StartingStressCheck start = core::startingStressCheck(v);
    const auto cable = reports::cableRows(fields, v, start.bounds, start.forceText);
    FUZZ_REQUIRE(cable.size() == reports::kCableRowCount);
    for (const std::string& row : cable) checkText(row);
    for (const std::string& row : reports::cableRows(fields, v, start.bounds, force)) checkText(row);

    const core::StressRecheck recheck = core::recheckStresses(v, force);
    const auto stress = reports::stressRows(fields, recheck.check == core::Nk0Check::Admissible ? recheck.stresses
                                                                                              : start.stresses);
    FUZZ_REQUIRE(stress.size() == reports::kStressRowCount);
    for (const std::string& line : reports::stressFileLines(stress)) checkText(line);
    std::string message = reports::forceLimitsMessage(core::computeForceBounds(v));
    std::erase_if(message, [](char c) { return c == '\r' || c == '\n'; });  // its line breaks
    checkText(message);

    checkDrawing(drawing::crossSectionDrawing(v));
    checkDrawing(drawing::magnelDiagram(v));
    checkForceRule(in);
    return 0;
}
