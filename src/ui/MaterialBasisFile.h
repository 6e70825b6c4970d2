#pragma once

#include <QJsonObject>
#include <QString>

#include "core/MaterialBasis.h"

// The bases of a design's allowable stresses ("osnovaNapona") and cable
// ("osnovaKabla") in a design file: one object each, its kind under "vrsta"
// and the choices of the window that wrote the fields beside it. A design
// whose basis is not given has no such key.

namespace ui {

inline constexpr char kStressBasisKey[] = "osnovaNapona";
inline constexpr char kCableBasisKey[] = "osnovaKabla";

// Not for BasisNotGiven, which is written as no key.
QJsonObject basisObject(const core::StressBasis& basis);
QJsonObject basisObject(const core::CableBasis& basis);

// The basis an object names, or nothing and the reason in `error`: an unknown
// kind, class, row, cement, strand or key, a missing or non-numeric value.
// Whether it gives the design's field texts is for the caller to check. The
// tendon's ek is the design's own field text, `ek`.
bool readBasis(const QJsonValue& value, core::StressBasis& basis, QString& error);
bool readBasis(const QJsonValue& value, const std::string& ek, core::CableBasis& basis, QString& error);

}  // namespace ui
