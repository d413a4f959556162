#include "metaview/document/emf_data.h"

#include "emf/player/metafile_player.h"

namespace {

QRect ToQRect(const emf::RectL& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The selection outline: a dark red rectangle that, drawn under R2_NOTXORPEN, stays visible
// on any picture and disappears when drawn a second time.
void DrawSelection(emf::DeviceContext& dc, const emf::RectL& box) {
    const emf::COLORREF red = emf::RGB(128, 0, 0);
    emf::HGDIOBJ pen = emf::CreatePen(emf::PS_SOLID, 0, red);
    emf::HGDIOBJ brush = emf::CreateSolidBrush(red);
    emf::HGDIOBJ oldPen = dc.SelectObject(pen);
    emf::HGDIOBJ oldBrush = dc.SelectObject(brush);
    const int oldRop = dc.SetROP2(emf::R2_NOTXORPEN);
    dc.Rectangle(box.left, box.top, box.right, box.bottom);
    dc.SetROP2(oldRop);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    emf::DeleteObject(pen);
    emf::DeleteObject(brush);
}

} // namespace

int CEMFData::Draw(emf::DeviceContext& dc, const emf::RectL& rect) const {
    if (!m_picture) return 0;
    emf::HPALETTE previous;
    if (!m_picture->PaletteEntries().empty()) {
        previous = dc.SelectPalette(emf::CreatePalette(m_picture->PaletteEntries()), false);
        dc.RealizePalette();
    }
    bool result = false;
    if (m_playMode == PlayWholeFile) {
        result = emf::PlayEnhMetaFile(dc, *m_picture, ToQRect(rect));
    } else {
        // A comment's EMF+ records play by their own flags, once the comment's is set.
        dc.SetEmfPlusFilter([this](std::size_t offset, std::size_t index) {
            const auto pos = m_entries.PositionOfPlus(offset, index);
            return pos && PlayFlag(*pos);
        });
        std::size_t cursor = 0;
        result = emf::EnumEnhMetaFile(
            dc, *m_picture,
            [this, &cursor](emf::DeviceContext& d, emf::HandleTable& table,
                            const emf::RecordView& record, int nHandles) {
                if (PlayFlag(m_entries.PositionOfRecord(cursor++)))
                    emf::PlayEnhMetaFileRecord(d, table, record, nHandles);
                return true;
            },
            ToQRect(rect));
        dc.SetEmfPlusFilter(nullptr);
    }
    if (m_selectionShown)
        if (const auto box = SelectionIn(rect)) DrawSelection(dc, *box);
    if (previous) dc.SelectPalette(previous, false);
    return result ? 1 : 0;
}
