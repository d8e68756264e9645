#pragma once

#include "quillon/engine/spline_kind.h"

namespace quillon::strength {

// The diameters of the mating pair that the check needs, mm.
struct MatingGeometry {
    double da1 = 0;  // the shaft's tip diameter
    double da2 = 0;  // the hub's tip diameter (the bore's smallest diameter)
    double df1 = 0;  // the shaft's root diameter (torsion)

    friend bool operator==(const MatingGeometry&, const MatingGeometry&) = default;
};

// The pair around the calculated spline of the kind: its own tip (and, for a shaft, its own root)
// diameter from the calculation; the mating part's from the DIN 5480 reference diameter dB:
//   shaft: da1 = ownTip,        da2 = dB − 2·m,    df1 = ownRoot
//   hub:   da1 = dB − 0.2·m,    da2 = ownTip,      df1 = dB − 2·m − 2·cn·m (ownRoot unused)
// m module, cn clearance coefficient.
MatingGeometry matingGeometry(engine::SplineKind kind, double m, double dB, double cn,
                              double ownTip, double ownRoot);

}  // namespace quillon::strength
