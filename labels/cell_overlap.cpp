#include "labels/cell_overlap.h"

namespace {

QString Millimetres(std::int64_t hundredths) {
    return QString::number(hundredths / 100.0, 'g', 5);
}

} // namespace

CellOverlap FormOverlapsCells(const FrameRect& f, const FormMargins& s) {
    if (!s.spacingEnabled) return {};
    const std::int64_t width = std::int64_t(f.right) - f.left;
    const std::int64_t height = std::int64_t(f.bottom) - f.top;
    return {s.columns > 1 && width > std::int64_t(s.horizontalSpacing) * 100,
            s.rows > 1 && height > std::int64_t(s.verticalSpacing) * 100};
}

QString CellOverlapMessage(const QString& typeName, const FrameRect& f, const FormMargins& s) {
    const CellOverlap overlap = FormOverlapsCells(f, s);
    if (!overlap) return {};
    const QString direction = overlap.across && overlap.down
                                  ? QStringLiteral("the next column and row")
                              : overlap.across ? QStringLiteral("the next column")
                                               : QStringLiteral("the next row");
    return QStringLiteral("The %1 form (%2 x %3 mm) is larger than one cell of its sheet "
                          "(%4 x %5 mm apart): its labels would overlap %6.")
        .arg(typeName, Millimetres(std::int64_t(f.right) - f.left),
             Millimetres(std::int64_t(f.bottom) - f.top), QString::number(s.horizontalSpacing),
             QString::number(s.verticalSpacing), direction);
}
