#include "ui/widgets/canvas_geometry.h"

namespace brelo {

bool clipSegment(QPointF &p, QPointF &q, const QRectF &rect)
{
    const double dx = q.x() - p.x();
    const double dy = q.y() - p.y();
    struct Edge {
        double dir, room, at;
        bool vertical;
    };
    const Edge edges[] = {
        {-dx, p.x() - rect.left(), rect.left(), true},
        {dx, rect.right() - p.x(), rect.right(), true},
        {-dy, p.y() - rect.top(), rect.top(), false},
        {dy, rect.bottom() - p.y(), rect.bottom(), false},
    };
    double t0 = 0.0;
    double t1 = 1.0;
    const Edge *enter = nullptr;
    const Edge *leave = nullptr;
    for (const Edge &edge : edges) {
        if (edge.dir == 0.0) {
            if (edge.room < 0.0)
                return false;
            continue;
        }
        const double t = edge.room / edge.dir;
        if (edge.dir < 0.0 && t > t0) {
            t0 = t;
            enter = &edge;
        } else if (edge.dir > 0.0 && t < t1) {
            t1 = t;
            leave = &edge;
        }
        if (t0 > t1)
            return false;
    }
    const QPointF start = p;
    const auto onEdge = [&](const Edge &edge) {
        return edge.vertical ? QPointF(edge.at, start.y() + (edge.at - start.x()) * dy / dx)
                             : QPointF(start.x() + (edge.at - start.y()) * dx / dy, edge.at);
    };
    if (enter)
        p = onEdge(*enter);
    if (leave)
        q = onEdge(*leave);
    return true;
}

} // namespace brelo
