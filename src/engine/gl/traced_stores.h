#pragma once
#include "field/line_store.h"
#include "particle/path_store.h"

namespace voltaris {

// The stores the 3D engine's thread rebuilds and both views draw: equipotential lines, field
// lines and particle paths.
struct TracedStores {
    LineStore& equipotentials;
    LineStore& fieldLines;
    PathStore& paths;
};

// The process-wide stores of the program, allocated on first use and kept until it ends.
TracedStores ProcessTracedStores();

}  // namespace voltaris
