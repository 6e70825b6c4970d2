#include "core/BendingInputsCheck.h"

#include <cmath>

#include "core/NumberText.h"

namespace core {

namespace {

constexpr double kMPaPerGPa = 1e3;

std::string field(const char* name) { return std::string("Polje -") + name + "- mora "; }

std::optional<BendingRefusal> refused(BendingInput input, std::string message) {
    return BendingRefusal{input, std::move(message)};
}

}  // namespace

std::optional<BendingRefusal> bendingRefusal(double n, double Fk, const BendingInputs& in) {
    if (!(n >= 1) || std::floor(n) != n) {
        return refused(BendingInput::Cables, field("Broj kablova") + "biti ceo broj, najmanje 1 !");
    }
    if (!(n * Fk > 0)) return refused(BendingInput::Cables, "Povrsina kablova Ap = n x Fk mora biti veca od 0 !");
    return bendingInputsRefusal(in);
}

std::optional<BendingRefusal> bendingInputsRefusal(const BendingInputs& in) {
    using I = BendingInput;
    if (in.fck && !(*in.fck > 0 && *in.fck <= kMaxBendingFck)) {
        return refused(I::fck, field("fck") + "imati vrednost vecu od 0, najvise 90 MPa !");
    }
    if (!(in.alpha_cc > 0 && in.alpha_cc <= 1)) {
        return refused(I::alpha_cc, field("alpha_cc") + "imati vrednost vecu od 0, najvise 1 !");
    }
    // A partial factor below 1 would make a design value larger than the characteristic one.
    if (!(in.gamma_c >= 1)) return refused(I::gamma_c, field("gamma_c") + "imati vrednost najmanje 1 !");
    if (in.fp01k && !(*in.fp01k > 0)) return refused(I::fp01k, field("fp0.1k") + "imati vrednost vecu od 0 !");
    if (in.fpk && in.fp01k && !(*in.fpk >= *in.fp01k)) {
        return refused(I::fpk, field("fpk") + "imati vrednost najmanje fp0.1k = " + numberToText(*in.fp01k) + " MPa !");
    }
    if (in.fpk && !(*in.fpk > 0)) return refused(I::fpk, field("fpk") + "imati vrednost vecu od 0 !");
    if (!(in.gamma_s >= 1)) return refused(I::gamma_s, field("gamma_s") + "imati vrednost najmanje 1 !");
    if (!(in.Ep > 0)) return refused(I::Ep, field("Ep") + "imati vrednost vecu od 0 !");
    if (in.branch == eurocode::UpperBranch::Inclined) {
        // The inclined branch rises from the yield strain fpd / Ep to eps_ud.
        const double eps_yield = in.fp01k ? eurocode::fpd(*in.fp01k, in.gamma_s) / (in.Ep * kMPaPerGPa) : 0;
        const std::string bound = in.fp01k ? "fpd / Ep = " + roundedText(eps_yield, 6) : "0";
        if (!(in.eps_ud > eps_yield)) {
            return refused(I::eps_ud, field("eps_ud") + "imati vrednost vecu od " + bound + " !");
        }
    }
    return std::nullopt;
}

}  // namespace core
