// The validation checks over arbitrary field texts: every command finishes,
// a field the checks rewrite gets its start-up text, and a command that lets
// its window open leaves the fields the calculation needs filled.
#include <string>

#include "FakeFields.h"
#include "FuzzInput.h"
#include "core/NumberText.h"
#include "core/basKontrola.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    FakeFields fields;
    for (int i = 0; i < core::kFieldCount && !in.empty(); ++i) {
        if (in.byte() & 1) fields.setText(static_cast<core::Field>(i), in.text(12));
    }
    const FakeFields before = fields;
    bool (*const commands[])(core::MainFields&) = {
        core::mayOpenPoprecniPresek, core::mayOpenVrstaKablova, core::mayOpenKablovi,
        core::mayOpenKontrolaNapona, core::mayOpenMagnelovDijagram,
    };
    const bool opens = commands[in.byte() % 5](fields);

    for (int i = 0; i < core::kFieldCount; ++i) {
        const auto f = static_cast<core::Field>(i);
        if (fields.text(f) != before.text(f)) FUZZ_REQUIRE(fields.text(f) == core::startupText(f));
    }
    if (opens) {
        for (auto f : {core::Field::B, core::Field::D3, core::Field::B1, core::Field::B2, core::Field::D1,
                       core::Field::D2}) {
            FUZZ_REQUIRE(!fields.text(f).empty());
        }
        FUZZ_REQUIRE(core::numericValue(fields.text(core::Field::B)) != 0);
        FUZZ_REQUIRE(core::numericValue(fields.text(core::Field::D3)) != 0);
    }
    return 0;
}
