#pragma once

#include <optional>
#include <string>

#include "core/DesignInput.h"
#include "core/LossInputs.h"

// The time-dependent losses at the tendon at t = infinity and the efficiency
// m = 1 - Delta sigma_p,c+s+r / Gko they leave. The design gives its values in
// the program's units (cm, cm2, cm4, kNm, MPa); the formulas work in mm, N and
// MPa, and the result gives each value in the unit its comment states.

namespace core {

// What the losses need of the design.
struct LossDesign {
    SectionDimensions section;  // cm
    double ek = 0;              // tendon below the centroid, cm
    double Fk = 0;              // steel area of one cable, cm2
    double Gk0 = 0;             // initial stress in the steel, MPa
    double n = 0;               // the adopted number of cables
    double Mg = 0, Mp = 0;      // kNm, their sum the default M_QP
};

struct LossResult {
    // the concrete
    double fck = 0, fcm = 0;  // MPa
    double Ecm = 0;           // GPa
    // the section and the tendon
    double Ac = 0;          // cm2
    double Ic = 0;          // cm4
    double zcp = 0;         // cm
    double u = 0;           // cm
    double h0 = 0;          // mm
    double Ap = 0;          // n Fk, cm2
    double Zk0 = 0;         // one cable, kN
    double P0 = 0;          // n Zko, kN
    double M_QP = 0;        // the moment used, kNm
    double sigma_c_QP = 0;  // concrete at the tendon, MPa, compression positive
    // creep (Annex B)
    double alpha1 = 0, alpha2 = 0;  // for fcm above 35 MPa
    double phi_RH = 0, beta_fcm = 0;
    double t0 = 0;  // adjusted for the cement class, days
    double beta_t0 = 0;
    double phi = 0;  // phi(inf, t0)
    // shrinkage (3.1.4)
    double beta_RH = 0, eps_cd0 = 0, kh = 0, eps_cd_inf = 0, eps_ca_inf = 0, eps_cs = 0;
    // relaxation (3.3.2)
    double mu = 0;         // Gko / fpk
    double rho1000 = 0;    // %
    double dsigma_pr = 0;  // MPa, at 500 000 h
    // Expression (5.46)
    double dsigma_p = 0;   // Delta sigma_p,c+s+r, MPa
    double dP = 0;         // kN
    double m = 0;
    std::string mText;     // m rounded down to two decimals, as the field takes it
};

// The whole outline of the section, cm: the three rectangles stacked on one
// axis, each flange's underside and top where it stands out of the web (or the
// web out of it); a flange of zero thickness or width is no part of it.
double sectionOutline(const SectionDimensions& s);

// What the losses need of the design in v, with n of its cables.
LossDesign lossDesign(const DesignValues& v, double n);

// M_QP as the inputs give it, kNm.
double quasiPermanentMoment(const LossInputs& in, const LossDesign& d);

// Nothing when the inputs can be computed, otherwise the message saying why not.
std::optional<std::string> lossInputRefusal(const LossInputs& in, const LossDesign& d);

// For inputs that lossInputRefusal accepts.
LossResult computeLosses(const LossInputs& in, const LossDesign& d);

// Nothing when m may be written, otherwise what is wrong with the loss.
std::optional<std::string> lossResultRefusal(const LossResult& r);

}  // namespace core
