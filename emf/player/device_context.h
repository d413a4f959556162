#pragma once
// A device context with Windows GDI semantics over any QPainter (widget, image, printer).
// Its state (map mode, window/viewport, world transform, save stack, selected objects,
// text settings, clipping) lives here, apart from QPainter, and is applied per drawing call.

#include "emf/player/gdi_types.h"
#include "emf/player/play_notes.h"

#include <QPoint>
#include <QPointF>
#include <functional>
#include <memory>
#include <string_view>

class QPainter;
class QPaintDevice;

namespace emf {

class DcCore;

/// A GDI-style device context drawing through a QPainter.
class DeviceContext {
public:
    /// Draws through painter, which must stay active while the context lives; the painter's
    /// transform and clip at this point become the device's. The context then owns the
    /// painter's state (transform, clip, pen, brush, composition mode) until it ends.
    explicit DeviceContext(QPainter& painter);
    /// Opens its own painter on device for the context's lifetime.
    explicit DeviceContext(QPaintDevice* device);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    /// The painter the context draws through.
    QPainter& Painter();

    /// GetDeviceCaps: sizes and resolution of the paint device (a printer's page layout,
    /// an image's dots per metre); 0 for an unknown index.
    int GetDeviceCaps(int index) const;

    /// SetViewportOrg: moves the viewport origin (device units); returns the previous one.
    QPoint SetViewportOrg(int x, int y);
    /// SetWindowOrg: moves the window origin (logical units); returns the previous one.
    QPoint SetWindowOrg(int x, int y);
    /// SetMapMode: returns the previous map mode.
    int SetMapMode(int mode);
    /// SetWindowExt / SetViewportExt: extents for MM_ISOTROPIC and MM_ANISOTROPIC.
    SizeL SetWindowExt(int cx, int cy);
    SizeL SetViewportExt(int cx, int cy);

    /// SaveDC: pushes the state, returns the new level (1 for the first).
    int SaveDC();
    /// RestoreDC: a positive level restores that level, a negative one counts back.
    bool RestoreDC(int level);

    /// SelectObject: selects a pen, brush, font or region; returns the previous object of
    /// that kind (null for a region or a null handle).
    HGDIOBJ SelectObject(const HGDIOBJ& object);
    /// SelectPalette: bookkeeping only on a true-colour device; returns the previous one.
    HPALETTE SelectPalette(const HPALETTE& palette, bool forceBackground);
    /// RealizePalette: maps no colours on a true-colour device; returns 0.
    unsigned RealizePalette();

    int SetROP2(int mode);
    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    std::uint32_t SetTextAlign(std::uint32_t align);

    /// MoveToEx / LineTo in logical units.
    QPoint MoveTo(int x, int y);
    bool LineTo(int x, int y);
    /// Rectangle: outlined with the pen, filled with the brush, under the mix mode.
    bool Rectangle(int left, int top, int right, int bottom);

    /// ExtTextOutA: text bytes in Windows-1252; dx (one per byte, logical units) optional;
    /// rect used for ETO_OPAQUE and ETO_CLIPPED.
    bool ExtTextOutA(int x, int y, std::uint32_t options, const RectL* rect, std::string_view text,
                     const int* dx = nullptr);
    /// GetTextExtentPoint32A: the size of the Windows-1252 text in the current font, in
    /// logical units; agrees with what ExtTextOutA draws.
    bool GetTextExtentPoint32A(std::string_view text, SizeL& size) const;

    /// LPtoDP: a point in logical units as device pixels, under the current mapping.
    QPointF LPtoDP(QPointF logical) const;

    /// Whether pictures holding GDI+ records draw those or their GDI records; a new context
    /// starts with DrawsEmfPlusByDefault().
    void SetDrawEmfPlus(bool on);
    bool DrawsEmfPlus() const;
    /// Which EMF+ records to play, by their comment's offset in the picture and their index
    /// in it (the viewer's play list); none plays them all.
    void SetEmfPlusFilter(std::function<bool(std::size_t offset, std::size_t index)> filter);

    /// What playing has left out so far, and why.
    const PlayNotes& Notes() const;

    /// The player's internal state; for the record handlers.
    DcCore& Core() { return *m_core; }
    const DcCore& Core() const { return *m_core; }

private:
    std::unique_ptr<QPainter> m_ownPainter;
    std::unique_ptr<DcCore> m_core;
};

/// The process-wide choice every new device context starts with (on at start): the viewer's
/// option, or `--gdi-only`, so that everything that draws a picture draws it the same way.
void SetDrawEmfPlusByDefault(bool on);
bool DrawsEmfPlusByDefault();

/// CreatePen: a cosmetic pen of width 0 is one device pixel wide.
HPEN CreatePen(std::uint32_t style, int width, COLORREF color);
/// CreateSolidBrush.
HBRUSH CreateSolidBrush(COLORREF color);
/// CreatePalette from entries (bookkeeping on true-colour devices).
HPALETTE CreatePalette(const std::vector<PaletteEntry>& entries);
/// GetStockObject: one of the StockObject indices; null for an unknown index.
HGDIOBJ GetStockObject(int index);
/// DeleteObject: drops the handle; an object still selected stays alive until deselected.
bool DeleteObject(HGDIOBJ& object);

} // namespace emf
