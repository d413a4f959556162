#include "emf/player/pen_brush.h"
#include "emf/player/gdi_objects.h"

#include <algorithm>

namespace emf {

namespace {

// R2_BLACK and R2_WHITE draw their own colour whatever the pen or brush holds.
QColor MixColor(COLORREF c, int rop2) {
    if (rop2 == R2_BLACK) return Qt::black;
    if (rop2 == R2_WHITE) return Qt::white;
    return ToQColor(c);
}

// Cosmetic dash patterns, in pixels as the platform draws them.
QList<qreal> CosmeticDashes(std::uint32_t style) {
    switch (style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE:
        return {1, 1};
    default:
        return {};
    }
}

Qt::PenCapStyle CapOf(std::uint32_t style) {
    switch (style & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE:
        return Qt::SquareCap;
    case PS_ENDCAP_FLAT:
        return Qt::FlatCap;
    default:
        return Qt::RoundCap;
    }
}

Qt::PenJoinStyle JoinOf(std::uint32_t style) {
    switch (style & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL:
        return Qt::BevelJoin;
    case PS_JOIN_MITER:
        return Qt::MiterJoin;
    default:
        return Qt::RoundJoin;
    }
}

void ApplyDashes(QPen& qp, const LogPen& lp, double scale, double width) {
    const std::uint32_t style = lp.style & PS_STYLE_MASK;
    QList<qreal> dashes;
    if (style == PS_USERSTYLE) {
        // User lengths are logical units for geometric pens, pixels for cosmetic ones.
        const double unit = lp.cosmetic ? 1 : scale;
        for (double d : lp.dashes)
            dashes.append(std::max(d * unit / width, 0.01));
        if (dashes.size() % 2) dashes.append(dashes.back());
    } else if (lp.cosmetic || width <= 1.5) {
        for (qreal d : CosmeticDashes(style))
            dashes.append(d / width);
    } else if (style >= PS_DASH && style <= PS_DASHDOTDOT) {
        static const Qt::PenStyle qt[] = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                          Qt::DashDotDotLine};
        qp.setStyle(qt[style - PS_DASH]);
        return;
    }
    if (!dashes.isEmpty()) qp.setDashPattern(dashes);
}

} // namespace

QPen MakeDevicePen(const HGDIOBJ& pen, double deviceScale, double miterLimit, int rop2) {
    const LogPen* lp = As<LogPen>(pen);
    if (!lp || (lp->style & PS_STYLE_MASK) == PS_NULL) return QPen(Qt::NoPen);
    const bool onePixel = lp->cosmetic || lp->width <= 0;
    const double width = onePixel ? 1.0 : std::max(1.0, lp->width * deviceScale);
    QPen qp(MixColor(lp->color, rop2), width);
    qp.setCapStyle(onePixel ? Qt::FlatCap : CapOf(lp->style));
    qp.setJoinStyle(onePixel ? Qt::MiterJoin : JoinOf(lp->style));
    qp.setMiterLimit(std::max(1.0, miterLimit));
    ApplyDashes(qp, *lp, deviceScale, width);
    return qp;
}

namespace {

Qt::BrushStyle HatchOf(std::uint32_t hatch) {
    static const Qt::BrushStyle styles[] = {Qt::HorPattern,   Qt::VerPattern,
                                            Qt::FDiagPattern, Qt::BDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch < 6 ? styles[hatch] : Qt::SolidPattern;
}

QImage ColouredMono(const QImage& pattern, COLORREF fg, COLORREF bg) {
    QImage img = pattern.convertToFormat(QImage::Format_Mono);
    img.setColorTable({ToQColor(fg).rgb(), ToQColor(bg).rgb()});
    return img;
}

} // namespace

QBrush MakeDeviceBrush(const HGDIOBJ& brush, COLORREF textColor, COLORREF bkColor, int rop2) {
    const LogBrush* lb = As<LogBrush>(brush);
    if (!lb) return QBrush(Qt::NoBrush);
    switch (lb->style) {
    case BS_SOLID:
        return QBrush(MixColor(lb->color, rop2));
    case BS_HATCHED:
        return QBrush(MixColor(lb->color, rop2), HatchOf(lb->hatch));
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
        if (lb->pattern.isNull()) return QBrush(Qt::NoBrush);
        return QBrush(lb->mono ? ColouredMono(lb->pattern, textColor, bkColor) : lb->pattern);
    default:
        return QBrush(Qt::NoBrush);
    }
}

} // namespace emf
