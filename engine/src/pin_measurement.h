#pragma once

#include "run_context.h"

namespace quillon::engine {

// The measurement M over two pins (shaft) or between two pins (hub) laid in opposite gaps: inv(αt)
// and the pressure angle at the pin centre into the run state, M into its field.
void measurePins(RunContext& run);

}  // namespace quillon::engine
