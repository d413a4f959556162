#include "emf/player/gdi_objects.h"
#include "emf/player/device_context.h"

#include <array>

namespace emf {

QColor ToQColor(COLORREF c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

namespace {

HGDIOBJ StockBrush(COLORREF c, std::uint32_t style = BS_SOLID) {
    return MakeObject(LogBrush{style, c, 0, {}, false});
}

HGDIOBJ StockPen(COLORREF c, std::uint32_t style = PS_SOLID) {
    return MakeObject(LogPen{style, 0, c, {}, false});
}

HGDIOBJ StockFont(const char* face, int height, int weight) {
    LogFont f;
    f.height = height;
    f.weight = weight;
    f.faceName = QString::fromLatin1(face);
    return MakeObject(f);
}

std::array<HGDIOBJ, 20> MakeStockObjects() {
    std::array<HGDIOBJ, 20> s;
    s[WHITE_BRUSH] = StockBrush(RGB(255, 255, 255));
    s[LTGRAY_BRUSH] = StockBrush(RGB(192, 192, 192));
    s[GRAY_BRUSH] = StockBrush(RGB(128, 128, 128));
    s[DKGRAY_BRUSH] = StockBrush(RGB(64, 64, 64));
    s[BLACK_BRUSH] = StockBrush(RGB(0, 0, 0));
    s[NULL_BRUSH] = StockBrush(0, BS_NULL);
    s[WHITE_PEN] = StockPen(RGB(255, 255, 255));
    s[BLACK_PEN] = StockPen(RGB(0, 0, 0));
    s[NULL_PEN] = StockPen(0, PS_NULL);
    s[OEM_FIXED_FONT] = StockFont("Courier New", 12, 400);
    s[ANSI_FIXED_FONT] = StockFont("Courier New", 13, 400);
    s[ANSI_VAR_FONT] = StockFont("MS Sans Serif", 13, 400);
    s[SYSTEM_FONT] = StockFont("System", 16, 700);
    s[DEVICE_DEFAULT_FONT] = StockFont("System", 16, 700);
    s[DEFAULT_PALETTE] = MakeObject(LogPalette{});
    s[SYSTEM_FIXED_FONT] = StockFont("Courier New", 16, 400);
    s[DEFAULT_GUI_FONT] = StockFont("MS Shell Dlg", -11, 400);
    s[DC_BRUSH] = StockBrush(RGB(255, 255, 255));
    s[DC_PEN] = StockPen(RGB(0, 0, 0));
    return s;
}

} // namespace

HGDIOBJ StockObjectAt(std::uint32_t index) {
    static const std::array<HGDIOBJ, 20> stock = MakeStockObjects();
    return index < stock.size() ? stock[index] : nullptr;
}

HGDIOBJ GetStockObject(int index) {
    return index < 0 ? nullptr : StockObjectAt(index);
}

HPEN CreatePen(std::uint32_t style, int width, COLORREF color) {
    return MakeObject(LogPen{style & PS_STYLE_MASK, double(std::max(width, 0)), color, {}, false});
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return StockBrush(color);
}

HPALETTE CreatePalette(const std::vector<PaletteEntry>& entries) {
    return MakeObject(LogPalette{entries});
}

bool DeleteObject(HGDIOBJ& object) {
    if (!object) return false;
    object.reset();
    return true;
}

} // namespace emf
