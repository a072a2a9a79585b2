#include "engine/gl/particle_start_markers.h"

namespace voltaris {

// Not drawn yet: the start markers arrive with the top-view editing of the particle.
void DrawParticleStartMarkers(const GraphEngine&, const SceneState&) {}

}  // namespace voltaris
