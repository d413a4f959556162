#include "metaview/document/emr_type_table.h"

namespace {

constexpr GeometryKind N = GeometryNone;
constexpr GeometryKind P = GeometryPoint;
constexpr GeometryKind R = GeometryRect;

} // namespace

// [MS-EMF] 2.1.1: names and numbers of the record types up to EMR_POLYTEXTOUTW.
const std::array<metaview::EMRTypeRow, metaview::kEMRTypeCount> EMRTypeTable = {{
    {"EMR_HEADER", 1, N},
    {"EMR_POLYBEZIER", 2, R},
    {"EMR_POLYGON", 3, R},
    {"EMR_POLYLINE", 4, R},
    {"EMR_POLYBEZIERTO", 5, R},
    {"EMR_POLYLINETO", 6, R},
    {"EMR_POLYPOLYLINE", 7, R},
    {"EMR_POLYPOLYGON", 8, R},
    {"EMR_SETWINDOWEXTEX", 9, N},
    {"EMR_SETWINDOWORGEX", 10, N},
    {"EMR_SETVIEWPORTEXTEX", 11, N},
    {"EMR_SETVIEWPORTORGEX", 12, N},
    {"EMR_SETBRUSHORGEX", 13, N},
    {"EMR_EOF", 14, N},
    {"EMR_SETPIXELV", 15, P},
    {"EMR_SETMAPPERFLAGS", 16, N},
    {"EMR_SETMAPMODE", 17, N},
    {"EMR_SETBKMODE", 18, N},
    {"EMR_SETPOLYFILLMODE", 19, N},
    {"EMR_SETROP2", 20, N},
    {"EMR_SETSTRETCHBLTMODE", 21, N},
    {"EMR_SETTEXTALIGN", 22, N},
    {"EMR_SETCOLORADJUSTMENT", 23, N},
    {"EMR_SETTEXTCOLOR", 24, N},
    {"EMR_SETBKCOLOR", 25, N},
    {"EMR_OFFSETCLIPRGN", 26, P},
    {"EMR_MOVETOEX", 27, P},
    {"EMR_SETMETARGN", 28, N},
    {"EMR_EXCLUDECLIPRECT", 29, R},
    {"EMR_INTERSECTCLIPRECT", 30, R},
    {"EMR_SCALEVIEWPORTEXTEX", 31, N},
    {"EMR_SCALEWINDOWEXTEX", 32, N},
    {"EMR_SAVEDC", 33, N},
    {"EMR_RESTOREDC", 34, N},
    {"EMR_SETWORLDTRANSFORM", 35, N},
    {"EMR_MODIFYWORLDTRANSFORM", 36, N},
    {"EMR_SELECTOBJECT", 37, N},
    {"EMR_CREATEPEN", 38, N},
    {"EMR_CREATEBRUSHINDIRECT", 39, N},
    {"EMR_DELETEOBJECT", 40, N},
    {"EMR_ANGLEARC", 41, P},
    {"EMR_ELLIPSE", 42, R},
    {"EMR_RECTANGLE", 43, R},
    {"EMR_ROUNDRECT", 44, R},
    {"EMR_ARC", 45, R},
    {"EMR_CHORD", 46, R},
    {"EMR_PIE", 47, R},
    {"EMR_SELECTPALETTE", 48, N},
    {"EMR_CREATEPALETTE", 49, N},
    {"EMR_SETPALETTEENTRIES", 50, N},
    {"EMR_RESIZEPALETTE", 51, N},
    {"EMR_REALIZEPALETTE", 52, N},
    {"EMR_EXTFLOODFILL", 53, P},
    {"EMR_LINETO", 54, P},
    {"EMR_ARCTO", 55, R},
    {"EMR_POLYDRAW", 56, R},
    {"EMR_SETARCDIRECTION", 57, N},
    {"EMR_SETMITERLIMIT", 58, N},
    {"EMR_BEGINPATH", 59, N},
    {"EMR_ENDPATH", 60, N},
    {"EMR_CLOSEFIGURE", 61, N},
    {"EMR_FILLPATH", 62, R},
    {"EMR_STROKEANDFILLPATH", 63, R},
    {"EMR_STROKEPATH", 64, R},
    {"EMR_FLATTENPATH", 65, N},
    {"EMR_WIDENPATH", 66, N},
    {"EMR_SELECTCLIPPATH", 67, N},
    {"EMR_ABORTPATH", 68, N},
    {"EMR_GDICOMMENT", 70, N},
    {"EMR_FILLRGN", 71, R},
    {"EMR_FRAMERGN", 72, R},
    {"EMR_INVERTRGN", 73, R},
    {"EMR_PAINTRGN", 74, R},
    {"EMR_EXTSELECTCLIPRGN", 75, N},
    {"EMR_BITBLT", 76, R},
    {"EMR_STRETCHBLT", 77, R},
    {"EMR_MASKBLT", 78, R},
    {"EMR_PLGBLT", 79, R},
    {"EMR_SETDIBITSTODEVICE", 80, R},
    {"EMR_STRETCHDIBITS", 81, R},
    {"EMR_EXTCREATEFONTINDIRECTW", 82, N},
    {"EMR_EXTTEXTOUTA", 83, R},
    {"EMR_EXTTEXTOUTW", 84, R},
    {"EMR_POLYBEZIER16", 85, R},
    {"EMR_POLYGON16", 86, R},
    {"EMR_POLYLINE16", 87, R},
    {"EMR_POLYBEZIERTO16", 88, R},
    {"EMR_POLYLINETO16", 89, R},
    {"EMR_POLYPOLYLINE16", 90, R},
    {"EMR_POLYPOLYGON16", 91, R},
    {"EMR_POLYDRAW16", 92, R},
    {"EMR_CREATEMONOBRUSH", 93, N},
    {"EMR_CREATEDIBPATTERNBRUSHPT", 94, N},
    {"EMR_EXTCREATEPEN", 95, N},
    {"EMR_POLYTEXTOUTA", 96, R},
    {"EMR_POLYTEXTOUTW", 97, R},
}};

std::int32_t FindEMRType(std::uint32_t type) {
    for (std::size_t i = 0; i < EMRTypeTable.size(); ++i)
        if (EMRTypeTable[i].type == type) return static_cast<std::int32_t>(i);
    return -1;
}

namespace metaview {

std::string_view EMRTypeName(std::uint32_t type) {
    const std::int32_t pos = FindEMRType(type);
    return pos < 0 ? kUnknownRecord : EMRTypeTable[static_cast<std::size_t>(pos)].name;
}

bool HasRectGeometry(std::uint32_t type) {
    const std::int32_t pos = FindEMRType(type);
    return pos >= 0 && EMRTypeTable[static_cast<std::size_t>(pos)].geometry == GeometryRect;
}

} // namespace metaview
