#pragma once
// The viewer's loaded metafile with its per-record inspection state.

#include "emf/enh_metafile.h"
#include "emf/player/device_context.h"
#include "metaview/document/archive.h"
#include "metaview/document/record_entries.h"

#include <QRectF>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// What drawing plays: the whole picture, the play list, or the records stepped so far.
enum PlayMode : std::uint32_t { PlayWholeFile = 0, PlayPlayList = 1, PlayStepping = 2 };

/// One picture, a play flag and a general mark per entry (by position: the records in
/// enumeration order, 0 = EMR_HEADER, each comment followed by its EMF+ records), the play
/// mode and the selection rectangle. The flags are sized by the records actually
/// enumerated, never by the header's record count.
class CEMFData {
public:
    using Flags = std::vector<std::int32_t>;

    /// Builds the picture from a file's bytes (EMF, WMF or placeable WMF) and adopts it;
    /// false with the reason in error when no picture results (the old one stays).
    bool LoadFromArchive(std::vector<std::byte> file, std::string& error);
    /// Adopts a picture: every play flag 1, every mark 0; play mode and selection stay.
    void SetMetafile(const emf::EnhMetaFile& picture);

    bool HasPicture() const { return m_picture.has_value(); }
    /// The picture; only while HasPicture().
    const emf::EnhMetaFile& Picture() const { return *m_picture; }
    /// The header fields; all zero without a picture.
    const emf::EnhMetaHeader& Header() const { return m_header; }
    /// The ANSI description ("app\0picture\0\0"), empty when the picture has none.
    const std::string& Description() const { return m_description; }
    /// The picture name inside the description; empty when there is none.
    std::string_view PictureName() const;
    /// The number of entries: records and EMF+ records.
    std::size_t RecordCount() const { return m_playFlags.size(); }
    /// The entries, by position.
    const metaview::RecordEntries& Entries() const { return m_entries; }

    PlayMode GetPlayMode() const { return m_playMode; }
    void SetPlayMode(PlayMode mode) { m_playMode = mode; }

    /// Flag access by record position; a position past the records reads 0 and sets nothing.
    bool PlayFlag(std::size_t pos) const { return pos < m_playFlags.size() && m_playFlags[pos]; }
    void SetPlayFlag(std::size_t pos, bool on);
    bool GeneralMark(std::size_t pos) const { return pos < m_marks.size() && m_marks[pos]; }
    void SetGeneralMark(std::size_t pos, bool on);
    void ClearPlayFlags();
    void SetAllPlayFlags();
    void ClearGeneralMarks();
    /// Sets the play flag of the lowest record whose flag is clear; its position, or -1.
    std::int32_t PlayNextRecord();
    Flags CopyPlayFlags() const { return m_playFlags; }
    /// Overwrites the play flags from a saved copy, as far as both reach.
    void RestorePlayFlags(const Flags& saved);

    /// Stores the rectangle (reference device units) and shows it.
    void SetSelection(const emf::RectL& rect);
    void HideSelection() { m_selectionShown = false; }
    bool SelectionShown() const { return m_selectionShown; }
    const emf::RectL& Selection() const { return m_selection; }
    /// The selection mapped into a drawing rectangle; none when the header's frame,
    /// device size or millimetre size makes the mapping undefined.
    std::optional<emf::RectL> SelectionIn(const emf::RectL& rect) const;
    /// Selects a box found on a drawing of the picture into rect (device pixels), kept in
    /// reference device units from the frame's corner so that SelectionIn outlines it
    /// there at any size. False, nothing changed, where that mapping is undefined.
    bool SelectDrawn(const QRectF& box, const emf::RectL& rect);

    /// Writes the picture's bytes (saveCopy), or a new EMF of the header, the records
    /// whose play flag is set and EMR_EOF, with nRecords and nBytes of what was written.
    bool StoreToArchive(metaview::ByteSink& sink, bool saveCopy) const;

    /// Draws into rect by the play mode: the whole picture, or only the records whose play
    /// flag is set (the others have no effect at all); then outlines the selection under
    /// R2_NOTXORPEN while it is shown. The play call's result; 0 without a picture.
    int Draw(emf::DeviceContext& dc, const emf::RectL& rect) const;

private:
    bool StoreDrawnRecords(metaview::ByteSink& sink) const;
    struct FrameScale {
        std::int64_t cx, cy;
    };
    std::optional<FrameScale> frameScale() const;

    std::optional<emf::EnhMetaFile> m_picture;
    emf::EnhMetaHeader m_header;
    std::string m_description;
    PlayMode m_playMode = PlayWholeFile;
    metaview::RecordEntries m_entries;
    Flags m_playFlags;
    Flags m_marks;
    emf::RectL m_selection;
    bool m_selectionShown = false;
};
