#pragma once

#include "core/DesignInput.h"

// The validation checks the menu commands run before a calculation window
// opens. Each check reads the fields it needs, shows its own messages, may
// restore a field, and returns true when it passes.

namespace core {

bool KontrolaDimenzija(MainFields& f);
bool KontrolaPopunjenosti(MainFields& f);
bool KontrolaPopunjenostiIEkscentriciteta(MainFields& f);
bool KontrolaMomenata(MainFields& f);
bool KontrolaKoeficijentaEfikasnosti(MainFields& f);
// Passes when the edge stresses at minNko stay within the allowable ones.
bool KontrolaDopustenihNapona(MainFields& f);

// The menu commands' checks, in their order; true when the window may open.
bool mayOpenPoprecniPresek(MainFields& f);
bool mayOpenVrstaKablova(MainFields& f);
bool mayOpenKablovi(MainFields& f);
bool mayOpenKontrolaNapona(MainFields& f);
// Also shows "Dopusteni naponi su prekoraceni !" when the feasibility check fails.
bool mayOpenMagnelovDijagram(MainFields& f);

}  // namespace core
