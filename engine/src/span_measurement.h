#pragma once

#include "run_context.h"

namespace quillon::engine {

// The span measurement W over k teeth (shaft) or tooth spaces (hub), evaluated on the virtual spur
// spline in the normal section: z' and k into the run state, W into its field as "0.000".
void measureSpan(RunContext& run);

}  // namespace quillon::engine
