#include "emf/player/dash_clip.h"

#include <cmath>
#include <optional>
#include <utility>

namespace emf {

namespace {

// Liang-Barsky: the parameter range of a -> b inside box, none when it misses.
std::optional<std::pair<double, double>> ClipSegment(QPointF a, QPointF b, const QRectF& box) {
    double t0 = 0, t1 = 1;
    const QPointF d = b - a;
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                         box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return std::nullopt;
    }
    return std::make_pair(t0, t1);
}

class PieceCollector {
public:
    explicit PieceCollector(std::vector<DashedPiece>& out) : m_out(out) {}

    void Add(QPointF from, QPointF to, double start, bool continues) {
        if (!continues) Flush();
        if (m_piece.elementCount() == 0) {
            m_piece.moveTo(from);
            m_start = start;
        }
        m_piece.lineTo(to);
    }
    void Flush() {
        if (m_piece.elementCount() > 0) m_out.push_back({m_piece, m_start});
        m_piece = QPainterPath();
    }

private:
    std::vector<DashedPiece>& m_out;
    QPainterPath m_piece;
    double m_start = 0;
};

} // namespace

std::vector<DashedPiece> PiecesWithin(const QPainterPath& device, const QRectF& box) {
    std::vector<DashedPiece> pieces;
    PieceCollector collect(pieces);
    for (const QPolygonF& figure : device.toSubpathPolygons()) {
        double along = 0;
        bool open = false; // the last segment reached its end inside the box
        for (qsizetype i = 1; i < figure.size(); ++i) {
            const QPointF a = figure[i - 1], b = figure[i];
            const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
            const auto part = ClipSegment(a, b, box);
            if (part) {
                const auto [t0, t1] = *part;
                collect.Add(a + t0 * (b - a), a + t1 * (b - a), along + t0 * length,
                            open && t0 == 0);
                open = t1 == 1;
            } else {
                open = false;
            }
            along += length;
        }
        collect.Flush();
    }
    return pieces;
}

} // namespace emf
