// The whole calculation over arbitrary numeric inputs: section, bounds,
// stresses, cable count, both reports and both drawings. No row or drawing
// text ever holds "inf", "nan" or a byte beyond ASCII, the reports always
// have 36 and 4 rows, and every drawn coordinate is finite.
#include <cmath>
#include <string>

#include "FakeFields.h"
#include "FuzzInput.h"
#include "core/CableCount.h"
#include "core/EdgeStresses.h"
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
    return 0;
}
