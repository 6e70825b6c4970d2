// Any bytes offered as a design file: the reader never crashes, refuses with
// a reason, and whatever it accepts is written to bytes that read back to the
// same design.
#include "FuzzInput.h"
#include "ui/DesignFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ui::DesignFileReading reading = ui::parseDesignFile(bytes);
    if (!reading.design) {
        FUZZ_REQUIRE(!reading.error.isEmpty() && !reading.error.contains('\n'));
        return 0;
    }
    const QByteArray written = ui::designFileBytes(*reading.design);
    FUZZ_REQUIRE(!written.isEmpty());
    const ui::DesignFileReading again = ui::parseDesignFile(written);
    FUZZ_REQUIRE(again.design && *again.design == *reading.design);
    return 0;
}
