#include "field/gl/traced_lines.h"

namespace voltaris {

// Not drawn yet: the equipotential lines, field lines and particle paths arrive with their
// tracers and stores.
void DrawTracedLines(const GraphEngine&, const SceneState&) {}

}  // namespace voltaris
