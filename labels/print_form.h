#pragma once
// A print form: an enhanced metafile drawn in any drawing program, played record by record
// with its "#" text items replaced by the bound medium's data.

#include "emf/enh_metafile.h"
#include "emf/player/metafile_player.h"
#include "labels/form_settings.h"

#include <QRect>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CCatalogue;
class CMELVARADoc;
class CMedia;
class CTrack;
class CInterpreter;

/// What a text record of a form becomes.
struct FormText {
    enum Action { PlayUnchanged, Drop, Draw };
    Action action = PlayUnchanged;
    PlaceholderKind kind = EndOfKinds;
    std::string text; ///< Windows-1252 bytes to draw (before clipping), for Draw
};

class CPrintForm {
public:
    /// Tracks 1..99 are reachable through placeholders.
    static constexpr int kSlots = 100;

    /// An empty form; clipping reads the text lengths of settings.
    explicit CPrintForm(const CFormSettings& settings);

    /// Opens the file as an enhanced metafile (a WMF file does not open).
    bool LoadForm(const std::string& path);
    /// Binds the document's current medium, its first 99 tracks and their interpreters.
    void BindMedium(CMELVARADoc& document);
    /// Binds the catalogue's medium (none for nullptr); a job of several labels rebinds
    /// the form for each.
    void BindMedium(CCatalogue& catalogue, const CMedia* medium);
    /// Plays the form into rect; nonzero when the enumeration ran to its end, 0 without form.
    int PlayForm(emf::DeviceContext& dc, const QRect& rect);

    /// The form's header (its frame gives the printed size); none until loaded.
    const std::optional<emf::EnhMetaHeader>& Header() const { return m_header; }

    /// The placeholder decision for a text item given the low bytes of its UTF-16 units.
    FormText ResolveText(const std::vector<std::uint8_t>& lowBytes) const;
    /// Shortens text to the configured width of kind; measure gives a text's width in
    /// logical units.
    std::string ClipText(PlaceholderKind kind, std::string text,
                         const std::function<std::uint32_t(const std::string&)>& measure) const;

private:
    bool ReadFormHeader();
    bool CreateFormPalette();
    bool OnFormRecord(emf::DeviceContext& dc, emf::HandleTable& table,
                      const emf::RecordView& record, int nHandles) const;
    void DrawPlaceholder(emf::DeviceContext& dc, const emf::RecordView& record,
                         const FormText& placeholder) const;
    std::string PlaceholderText(PlaceholderKind kind, unsigned n) const;

    const CFormSettings& m_settings;
    std::optional<emf::EnhMetaFile> m_metafile;
    std::optional<emf::EnhMetaHeader> m_header;
    std::vector<emf::PaletteEntry> m_paletteEntries;
    emf::HPALETTE m_palette;
    const CMedia* m_medium = nullptr;
    std::array<const CTrack*, kSlots> m_tracks{};
    std::array<const CInterpreter*, kSlots> m_interpreters{};
    int m_mediaType = 0;
};
