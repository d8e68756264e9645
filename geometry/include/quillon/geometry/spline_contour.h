#pragma once

#include <vector>

#include "quillon/geometry/contour_segment.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::geometry {

// Half a pitch of the exact contour, from the body's centre on +Y clockwise to the middle of the
// next gap: outer arc, (hub: fillet), involute, radial flank below the base circle, (shaft:
// fillet), inner arc. Pieces of no length are left out.
std::vector<ContourSegment> halfPitch(const ToothForm& form);

// One pitch, counter-clockwise: the whole outer arc of the body on +Y, its left flank, the gap and
// the right flank of the next body, ending where that body's outer arc begins. Arcs that continue
// one another are joined.
std::vector<ContourSegment> pitchContour(const ToothForm& form);

// The closed contour: z pitches, counter-clockwise.
std::vector<ContourSegment> splineContour(const ToothForm& form);

}  // namespace quillon::geometry
