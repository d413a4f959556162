#pragma once
// Assembles an enhanced metafile from records: the header (bounds, frame, nBytes, nRecords,
// nHandles, description, reference device) is computed when the bytes are built, and an
// EMR_EOF is appended when the last record is not one.

#include "emf/enh_metafile.h"
#include "emf/reference_device.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace emf {

/// LOGFONTW fields ([MS-EMF] 2.2.13) for EMR_EXTCREATEFONTINDIRECTW.
struct LogFontW {
    std::int32_t height = 0, width = 0, escapement = 0, orientation = 0, weight = 400;
    std::uint8_t italic = 0, underline = 0, strikeOut = 0, charSet = 0;
    std::uint8_t outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0;
    std::u16string faceName; ///< at most 31 units are kept
};

/// A rectangle in device pixels (inclusive) as a frame in 0.01 mm (inclusive) on the device.
RectL DeviceToFrame(const RectL& pixels, const ReferenceDevice& device);

/// Builds EMF bytes from records. The typed helpers add their extent, in logical units, to
/// the bounds: right while the mapping is the identity; call SetBounds otherwise.
class EmfBuilder {
public:
    EmfBuilder() = default;

    void SetDevice(const ReferenceDevice& device) { m_device = device; }
    /// Fixes rclBounds instead of the union of the extents added so far.
    void SetBounds(const RectL& bounds) { m_bounds = bounds, m_boundsFixed = true; }
    /// Fixes rclFrame instead of the bounds converted to 0.01 mm with the device.
    void SetFrame(const RectL& frame) { m_frame = frame, m_frameFixed = true; }
    void SetDescription(std::u16string_view application, std::u16string_view picture);
    /// Palette entries written into the appended EMR_EOF.
    void SetPalette(std::vector<PaletteEntry> entries) { m_palette = std::move(entries); }
    /// Widens the computed bounds by a rectangle (inclusive) in device units.
    void IncludeInBounds(const RectL& rect);

    /// Appends a record: type, size, then params padded with zeros to a multiple of 4.
    /// Object-creating records (pen, brush, font, palette...) raise nHandles to their index.
    void AddRecord(std::uint32_t type, Bytes params);

    void SetMapMode(std::uint32_t mode);
    void SetWindowExtEx(SizeL ext);
    void SetWindowOrgEx(PointL org);
    void SetViewportExtEx(SizeL ext);
    void SetViewportOrgEx(PointL org);
    void SetBkMode(std::uint32_t mode);
    void SetTextAlign(std::uint32_t align);
    void SetTextColor(std::uint32_t colorref);
    void SetBkColor(std::uint32_t colorref);
    void SaveDC();
    void RestoreDC(std::int32_t level);
    void CreatePen(std::uint32_t handle, std::uint32_t style, std::int32_t width,
                   std::uint32_t colorref);
    void CreateBrushIndirect(std::uint32_t handle, std::uint32_t style, std::uint32_t colorref,
                             std::uint32_t hatch = 0);
    void ExtCreateFontIndirectW(std::uint32_t handle, const LogFontW& font);
    void SelectObject(std::uint32_t handle);
    void DeleteObject(std::uint32_t handle);
    void MoveToEx(PointL p);
    void LineTo(PointL p);
    void Rectangle(const RectL& box);
    void Ellipse(const RectL& box);
    void Polyline16(std::span<const PointS> points);
    void Polygon16(std::span<const PointS> points);
    /// EMR_EXTTEXTOUTW at reference point p; rect is the rectangle of ETO_CLIPPED or
    /// ETO_OPAQUE in options; dx, when given, the advance of each character.
    void ExtTextOutW(PointL p, std::u16string_view text, std::uint32_t options = 0,
                     const RectL& rect = {0, 0, -1, -1}, std::span<const std::int32_t> dx = {});
    /// EMR_EXTTEXTOUTA at reference point p; text is Windows-1252 bytes.
    void ExtTextOutA(PointL p, std::string_view text, std::uint32_t options = 0);

    /// Records added so far, header and appended EOF not counted.
    std::uint32_t RecordCount() const { return m_records; }
    /// The complete metafile.
    std::vector<std::byte> Build() const;
    /// The complete metafile, read back as a picture.
    PictureResult Picture() const;

private:
    void AddTextOut(std::uint32_t type, PointL p, Bytes text, std::uint32_t chars,
                    std::uint32_t options, const RectL& rect,
                    std::span<const std::int32_t> dx = {});
    void AddPoly16(std::uint32_t type, std::span<const PointS> points);
    std::vector<std::byte> HeaderRecord() const;
    RectL Frame() const;

    ReferenceDevice m_device = kReferenceDevice;
    RectL m_bounds{0, 0, -1, -1};
    bool m_boundsFixed = false, m_boundsEmpty = true;
    RectL m_frame;
    bool m_frameFixed = false;
    std::u16string m_description;
    std::vector<PaletteEntry> m_palette;
    std::vector<std::byte> m_body;
    std::uint32_t m_records = 0;
    std::uint32_t m_handles = 1; // index 0 is the metafile itself
    bool m_endsWithEof = false;
};

} // namespace emf
