#include "core/basKontrola.h"

#include "core/EdgeStresses.h"
#include "core/ForceBounds.h"
#include "core/NumberText.h"
#include "core/SectionProperties.h"

namespace core {
namespace {

constexpr const char* kDimensionMessage = "Vrednosti polja d3 i b moraju biti razlicita od nule !";
constexpr const char* kStressesMessage = "Polje -Dopusteni napon u betonu- mora biti korektno popunjeno !";
constexpr const char* kSteelMessage = "Polje -Karakteristike celika- mora biti korektno popunjeno !";
constexpr const char* kEfficiencyEmptyMessage = "Polje -Efikasnost PN- mora biti korektno popunjeno !";
constexpr const char* kEfficiencyZeroMessage = "Polje -Efikasnost PN- mora imati vrednost izmedju 0 i 1 !";
constexpr const char* kEccentricityMessage = "Polje -Ekscentricitet kablova- mora biti korektno popunjeno !";
constexpr const char* kEfficiencyRangeMessage =
    "Koeficijent efikasnosti prethodnog naprezanja moze imati vrednost izmedju 0 i 1 !";
constexpr const char* kExceededMessage = "Dopusteni naponi su prekoraceni !";

constexpr const char* kStartupM = "0.8";

bool empty(const MainFields& f, Field field) { return f.text(field).empty(); }

double value(const MainFields& f, Field field) { return numericValue(f.text(field)); }

void restore(MainFields& f, Field field) {
    f.setText(field, std::string(startupText(field)));
    f.focus(field);
    f.select(field);
}

}  // namespace

bool KontrolaDimenzija(MainFields& f) {
    bool result = true;
    if (empty(f, Field::B) || empty(f, Field::D3)) {
        f.warn(kDimensionMessage);
        result = false;
        // With both empty only d3 comes back; b waits for the next run.
        restore(f, empty(f, Field::D3) ? Field::D3 : Field::B);
    } else if (value(f, Field::D3) == 0 || value(f, Field::B) == 0) {
        f.warn(kDimensionMessage);
        result = false;
        restore(f, value(f, Field::D3) != 0 ? Field::B : Field::D3);
    }
    for (Field flange : {Field::B1, Field::B2, Field::D1, Field::D2}) {
        if (empty(f, flange)) result = false;
    }
    return result;
}

bool KontrolaPopunjenosti(MainFields& f) {
    bool result = true;
    if (empty(f, Field::Gbd0) || empty(f, Field::Gbdbes) || empty(f, Field::Gbz0) || empty(f, Field::Gbzbes)) {
        f.warn(kStressesMessage);
        result = false;
    }
    if (empty(f, Field::Fk) || empty(f, Field::Gk0)) {
        f.warn(kSteelMessage);
        result = false;
    }
    const char* efficiencyMessage = nullptr;
    if (empty(f, Field::M)) {
        efficiencyMessage = kEfficiencyEmptyMessage;
    } else if (value(f, Field::M) == 0) {
        efficiencyMessage = kEfficiencyZeroMessage;
    }
    if (efficiencyMessage) {
        f.warn(efficiencyMessage);
        result = false;
        f.setText(Field::M, kStartupM);
        f.select(Field::M);  // the focus stays where it is
    }
    return result;
}

bool KontrolaPopunjenostiIEkscentriciteta(MainFields& f) {
    bool result = KontrolaPopunjenosti(f);
    const SectionDimensions s = readDesignValues(f).section;
    if (eccentricityExceedsYb1(value(f, Field::Ek), s)) {
        f.warn(kEccentricityMessage);
        result = false;
    }
    return result;
}

bool KontrolaMomenata(MainFields& f) {
    return !empty(f, Field::Mg) && !empty(f, Field::Mp) && !empty(f, Field::Ms);
}

bool KontrolaKoeficijentaEfikasnosti(MainFields& f) {
    if (!empty(f, Field::M) && value(f, Field::M) <= 1 && value(f, Field::M) >= 0) return true;
    f.warn(kEfficiencyRangeMessage);
    f.focus(Field::M);
    f.setText(Field::M, kStartupM);
    f.select(Field::M);
    return false;
}

bool KontrolaDopustenihNapona(MainFields& f) {
    const DesignValues v = readDesignValues(f);
    return !allowableStressesExceeded(v, computeForceBounds(v));
}

bool mayOpenPoprecniPresek(MainFields& f) { return KontrolaDimenzija(f); }

bool mayOpenVrstaKablova(MainFields& f) { return KontrolaDimenzija(f); }

bool mayOpenKablovi(MainFields& f) {
    if (!KontrolaDimenzija(f)) return false;
    // Every check runs, even after one has failed: each reports its own findings.
    bool ok = KontrolaKoeficijentaEfikasnosti(f);
    ok = KontrolaPopunjenosti(f) && ok;
    ok = KontrolaPopunjenostiIEkscentriciteta(f) && ok;
    ok = KontrolaMomenata(f) && ok;
    return ok;
}

bool mayOpenKontrolaNapona(MainFields& f) { return mayOpenKablovi(f); }

bool mayOpenMagnelovDijagram(MainFields& f) {
    if (!KontrolaDimenzija(f)) return false;
    bool ok = KontrolaPopunjenostiIEkscentriciteta(f);
    ok = KontrolaPopunjenosti(f) && ok;
    ok = KontrolaMomenata(f) && ok;
    if (!ok) return false;
    if (KontrolaDopustenihNapona(f)) return true;
    f.warn(kExceededMessage);
    return false;
}

}  // namespace core
