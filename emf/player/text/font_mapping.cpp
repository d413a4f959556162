#include "emf/player/text/font_mapping.h"

#include "emf/player/record_reader.h"
#include "emf/record_types.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace emf {

namespace {

constexpr std::uint8_t FF_ROMAN = 0x10, FF_MODERN = 0x30, FF_MASK = 0xF0;

bool Installed(const QString& family) {
    thread_local QHash<QString, bool> cache;
    if (auto it = cache.find(family); it != cache.end()) return *it;
    return *cache.insert(family, QFontDatabase::hasFamily(family));
}

// Metric-compatible stand-ins installed with the system for the usual Windows faces.
QString SubstituteFace(const LogFont& f) {
    static const QHash<QString, QString> map = {
        {"arial", "Liberation Sans"},
        {"helvetica", "Liberation Sans"},
        {"ms sans serif", "Liberation Sans"},
        {"microsoft sans serif", "Liberation Sans"},
        {"system", "Liberation Sans"},
        {"ms shell dlg", "Liberation Sans"},
        {"ms shell dlg 2", "Liberation Sans"},
        {"arial narrow", "Liberation Sans Narrow"},
        {"times new roman", "Liberation Serif"},
        {"times", "Liberation Serif"},
        {"ms serif", "Liberation Serif"},
        {"courier new", "Liberation Mono"},
        {"courier", "Liberation Mono"},
        {"lucida console", "Liberation Mono"},
        {"consolas", "Liberation Mono"},
        {"tahoma", "DejaVu Sans"},
        {"verdana", "DejaVu Sans"},
        {"calibri", "Liberation Sans"},
        {"carlito", "Liberation Sans"},
        {"segoe ui", "Liberation Sans"},
        {"cambria", "Liberation Serif"},
        {"caladea", "Liberation Serif"},
        {"georgia", "Liberation Serif"},
        {"book antiqua", "Liberation Serif"},
        {"garamond", "Liberation Serif"},
        {"symbol", "Liberation Serif"},
    };
    const QString key = f.faceName.trimmed().toLower();
    if (auto it = map.find(key); it != map.end()) return *it;
    // A face the system lacks falls back by the family the font asked for.
    if (!key.isEmpty() && Installed(f.faceName)) return f.faceName;
    switch (f.pitchAndFamily & FF_MASK) {
    case FF_ROMAN:
        return "Liberation Serif";
    case FF_MODERN:
        return "Liberation Mono";
    default:
        return "Liberation Sans";
    }
}

// Em height per cell height of a face, measured once.
double EmPerCell(const QString& family) {
    thread_local QHash<QString, double> cache;
    if (auto it = cache.find(family); it != cache.end()) return *it;
    QFont probe(family);
    probe.setPixelSize(1000);
    const QFontMetricsF fm(probe);
    const double cell = fm.ascent() + fm.descent();
    const double ratio = cell > 0 ? 1000 / cell : 1;
    cache.insert(family, ratio);
    return ratio;
}

} // namespace

double EmHeight(const LogFont& font) {
    if (font.height < 0) return -double(font.height);
    const double cell = font.height == 0 ? 16 : font.height;
    return cell * EmPerCell(SubstituteFace(font));
}

QFont RealizeFont(const LogFont& f, double emPixels, double widthPixels) {
    QFont q(SubstituteFace(f));
    q.setPixelSize(std::max(1, int(std::lround(emPixels))));
    q.setWeight(QFont::Weight(std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000)));
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikeOut);
    q.setKerning(false);
    q.setHintingPreference(QFont::PreferNoHinting);
    if (widthPixels > 0) {
        const double natural = QFontMetricsF(q).averageCharWidth();
        if (natural > 0)
            q.setStretch(std::clamp(int(std::lround(100 * widthPixels / natural)), 1, 4000));
    }
    return q;
}

QStringList DrawingFaces(const EnhMetaFile& picture) {
    QStringList faces;
    for (const RecordView& record : picture.Records()) {
        if (record.type != EMR_EXTCREATEFONTINDIRECTW) continue;
        ByteReader r = record.params();
        r.skip(4); // the object index
        if (const std::optional<LogFont> font = ReadLogFontW(r))
            faces.append(SubstituteFace(*font));
    }
    return faces;
}

} // namespace emf
