#pragma once
// The part of a device context that SaveDC saves and RestoreDC restores.

#include "emf/player/gdi_types.h"

#include <QPainterPath>
#include <QPointF>
#include <QRegion>
#include <QTransform>
#include <optional>

namespace emf {

enum GraphicsMode : int { GM_COMPATIBLE = 1, GM_ADVANCED = 2 };
enum PolyFillMode : int { ALTERNATE = 1, WINDING = 2 };
enum ArcDirection : int { AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2 };

/// A path being recorded between BeginPath and EndPath, in device coordinates.
struct PathState {
    QPainterPath path;
    bool open = false;         ///< between BeginPath and EndPath
    bool closed = false;       ///< EndPath seen: ready to fill, stroke or select
    bool figureClosed = false; ///< CloseFigure seen: the next piece starts a new figure
};

struct DcState {
    int mapMode = MM_TEXT;
    QPointF windowOrg, viewportOrg;
    QSizeF windowExt{1, 1}, viewportExt{1, 1};
    QTransform world;
    int graphicsMode = GM_COMPATIBLE;

    HGDIOBJ pen, brush, font, palette;
    COLORREF textColor = 0, bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    std::uint32_t textAlign = 0;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    int stretchMode = 1;
    int arcDirection = AD_COUNTERCLOCKWISE;
    float miterLimit = 10;
    QPointF brushOrg;
    QPointF currentPos; ///< logical units

    std::optional<QRegion> clip;       ///< device pixels; none = everything
    std::optional<QRegion> metaRegion; ///< device pixels; none = everything
    PathState path;
};

} // namespace emf
