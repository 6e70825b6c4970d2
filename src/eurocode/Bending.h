#pragma once

// The bending resistance of a bonded prestressed I-section at the ultimate
// limit state (6.1) by strain compatibility: the rectangular stress block of
// the concrete (3.1.7(3)) and the design stress-strain law of the strand
// (3.3.6(7)). The section and the results are in cm, cm2, MPa and kNm, as the
// rest of the program has them; the computation itself runs in mm, N and MPa.

namespace eurocode {

// 1.35 MG + 1.5 MQ, kNm: EN 1990 (6.10) with the recommended partial factors
// of the permanent (MG) and the variable (MQ) moment.
double MEd(double MG, double MQ);

double fpd(double fp01k, double gamma_s);  // fp0.1k / gamma_s, MPa (3.3.6(6))

// The upper branch of the strand's design law (3.3.6(7), Figure 3.10).
enum class UpperBranch {
    Horizontal,  // fpd from the yield strain on, no strain limit
    Inclined,    // from (fpd / Ep, fpd) to (eps_ud, fpk / gamma_s)
};

struct StrandDesignLaw {
    double fpd = 0;     // MPa
    double fpud = 0;    // fpk / gamma_s, MPa: the inclined branch ends there
    double Ep = 0;      // MPa
    UpperBranch branch = UpperBranch::Horizontal;
    double eps_ud = 0.02;
};

// The stress at a strain, MPa. A strand carries no compression, so a
// shortening gives 0; past eps_ud the inclined branch stays at fpk / gamma_s.
double sigma_p(double eps_p, const StrandDesignLaw& law);

// The I-section from the top edge down, cm; a flange of zero thickness makes
// a T-section or a rectangle.
struct ISection {
    double b2 = 0, d2 = 0;  // top flange width and thickness
    double d3 = 0, b = 0;   // web width and height
    double b1 = 0, d1 = 0;  // bottom flange width and thickness
};

double height(const ISection& s);  // d2 + b + d1

// Area of the section from the top edge down to the depth y, and its first
// moment about the top edge; constant below the bottom edge.
double Ac(const ISection& s, double y);
double Sc(const ISection& s, double y);

struct BendingProblem {
    ISection section;           // cm
    double dp = 0;              // depth of the tendon below the top edge, cm
    double Ap = 0;              // cm2
    double fck = 0;             // MPa
    double alpha_cc = 1.0;
    double gamma_c = 1.5;
    StrandDesignLaw strand;
    double eps_p0 = 0;          // prestrain of the strand, sigma_pm,inf / Ep
};

enum class BendingStatus {
    Computed,
    NeutralAxisBelowTendon,  // x >= dp: the tendon is not in the tension zone
    NoEquilibrium,           // the whole section in compression is too weak for the strands
};

struct BendingResistance {
    BendingStatus status = BendingStatus::Computed;
    double fcd = 0;        // MPa
    double fpd = 0;        // MPa
    double lambda = 0;     // depth of the block over x
    double eta = 0;        // share of fcd in the block
    double eps_cu3 = 0;
    // The rest only when computed.
    double x = 0;          // depth of the neutral axis, cm
    double x_dp = 0;       // x / dp
    double Ac = 0;         // area of the block, cm2
    double z_c = 0;        // depth of the block's centroid, cm
    double eps_p = 0;      // strain of the strand
    double sigma_p = 0;    // MPa
    bool yields = false;   // eps_p >= fpd / Ep
    double Fp = 0;         // Ap sigma_p, kN
    double z = 0;          // dp - z_c, cm
    double MRd = 0;        // kNm
};

// Positive Ap, fcd, fpd, Ep and section height are taken for granted.
BendingResistance bendingResistance(const BendingProblem& p);

}  // namespace eurocode
