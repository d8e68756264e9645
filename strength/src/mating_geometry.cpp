#include "quillon/strength/mating_geometry.h"

namespace quillon::strength {

MatingGeometry matingGeometry(engine::SplineKind kind, double m, double dB, double cn,
                              double ownTip, double ownRoot) {
    if (kind == engine::SplineKind::External) {
        return {ownTip, dB - 2 * m, ownRoot};
    }
    return {dB - 0.2 * m, ownTip, dB - 2 * m - 2 * cn * m};
}

}  // namespace quillon::strength
