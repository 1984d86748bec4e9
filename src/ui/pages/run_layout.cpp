#include "ui/pages/run_layout.h"

#include "core/drawing/paraxial_rays.h"

namespace brelo {

std::optional<LayoutLabelEdges> drawRunLayout(Canvas &canvas, const OpticsRun &run, char decimalSeparator)
{
    // Without the builder's numbers there is no trace: the schematic rays stay.
    const bool traced = run.rays && run.paraxialRays && run.builder;
    const std::optional<LayoutLabelEdges> edges =
        dessin(canvas, run.layout, run.result.state, run.scaleSetting, run.rays && !traced, decimalSeparator);
    if (edges && traced)
        drawParaxialRays(canvas, run.builder->trace, fieldEdgeAngle(*run.builder), run.scaleSetting);
    return edges;
}

} // namespace brelo
