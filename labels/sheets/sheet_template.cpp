#include "labels/sheets/sheet_template.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace sheets {
namespace {

struct Unit {
    const char* name;
    double mm;
};

// gLabels' own units: 72 points to the inch, 12 points to the pica.
constexpr double kLongestLength = 10000; // mm

constexpr Unit kUnits[] = {
    {"pt", 25.4 / 72}, {"in", 25.4}, {"mm", 1.0}, {"cm", 10.0}, {"pc", 25.4 / 6}};

std::int32_t WholeMillimetres(double mm) {
    return static_cast<std::int32_t>(
        std::clamp(std::lround(mm), 0L, long(std::numeric_limits<std::int32_t>::max())));
}

QString Number(double mm) {
    return QString::number(mm, 'f', 1).remove(QRegularExpression(QStringLiteral("\\.0$")));
}

} // namespace

QString SheetTemplate::SizeText() const {
    if ((shape == Shape::Round || shape == Shape::Disc) && width == height)
        return QStringLiteral("Ø %1 mm").arg(Number(width));
    return QStringLiteral("%1 x %2 mm").arg(Number(width), Number(height));
}

FormMargins ToFormMargins(const SheetTemplate& s) {
    return {WholeMillimetres(s.left),
            WholeMillimetres(s.top),
            WholeMillimetres(s.horizontalPitch),
            WholeMillimetres(s.verticalPitch),
            s.columns,
            s.rows,
            1};
}

double RoundingError(const SheetTemplate& s) {
    const FormMargins m = ToFormMargins(s);
    const double x = std::abs(m.left + (s.columns - 1) * double(m.horizontalSpacing) -
                              (s.left + (s.columns - 1) * s.horizontalPitch));
    const double y = std::abs(m.top + (s.rows - 1) * double(m.verticalSpacing) -
                              (s.top + (s.rows - 1) * s.verticalPitch));
    const double first = std::max(std::abs(m.left - s.left), std::abs(m.top - s.top));
    return std::max({x, y, first});
}

std::optional<double> ParseLength(QStringView text) {
    QStringView t = text.trimmed();
    double factor = 25.4 / 72;
    for (const Unit& unit : kUnits) {
        if (t.endsWith(QLatin1String(unit.name))) {
            factor = unit.mm;
            t.chop(2);
            break;
        }
    }
    bool ok = false;
    const double mm = t.trimmed().toDouble(&ok) * factor;
    // Nothing printed is longer than a few metres; beyond that the file is wrong, and the
    // placement arithmetic must not be fed numbers it cannot hold.
    if (!ok || !std::isfinite(mm) || std::abs(mm) > kLongestLength) return std::nullopt;
    return mm;
}

} // namespace sheets
