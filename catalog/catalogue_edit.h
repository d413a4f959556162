#pragma once

#include "catalog/catalogue.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace catalog {

/// One undoable step: runs the catalogue's record operations and logs, for each, what
/// its inverse needs. Undo gives back exactly what was there (list order, indexes, texts,
/// information bytes, totals); Redo does the same forward. Removed records stay alive
/// inside the step, so undoing a deletion brings back the very same objects.
///
/// Undo and Redo are valid only while the catalogue is in the state the step left it in
/// (after its own operations, or after its Undo); an undo history guarantees that.
class CatalogueEdit {
public:
    explicit CatalogueEdit(CCatalogue& catalogue);
    ~CatalogueEdit();
    CatalogueEdit(const CatalogueEdit&) = delete;
    CatalogueEdit& operator=(const CatalogueEdit&) = delete;

    CMedia* AddMedia(std::string_view title1, std::string_view title2, std::int32_t mediaType,
                     std::int32_t creationTime, std::string information);
    CMedia* EditMedia(CMedia& media, std::string_view title1, std::string_view title2,
                      std::int32_t mediaType, std::int32_t creationTime, std::string information);
    /// Removes the media (any order, duplicates ignored) in one pass over the list.
    void DeleteMedia(std::span<CMedia* const> media);
    /// CMediaList::MoveMedia on the medium's index.
    void MoveMedia(const CMedia& media, bool towardBack);

    CTrack* AddTrack(CMedia& media, std::string_view title, MinSecLength length,
                     std::uint32_t interpreter, std::uint32_t position);
    CTrack* EditTrack(CMedia& media, std::string_view title, MinSecLength length,
                      std::uint32_t interpreter, std::uint32_t trackIndex);
    /// Deletes the tracks of the medium, each by the index it has when its turn comes.
    void DeleteTracks(CMedia& media, std::span<const CTrack* const> tracks);
    void MoveTrack(CMedia& media, std::uint32_t trackIndex, bool towardFront);

    CInterpreter* FindOrAddInterpreter(std::string_view name);
    /// The index of the interpreter with that name (added when new), as paste takes it:
    /// catalog::NO_INTERPRETER for a blank name, which would otherwise become a nameless entry.
    std::uint32_t InterpreterFor(std::string_view name);
    /// Logs the interpreter with that index as added by this step, when the list grew by
    /// it since countBefore (a dialog added it on its own before the step's other changes).
    void TakeOverAddedInterpreter(std::uint32_t interpreterIndex, std::size_t countBefore);
    CInterpreter* RenameInterpreter(std::uint32_t interpreterIndex, std::string_view name);
    void DeleteInterpreter(std::uint32_t interpreterIndex);
    /// Deletes every interpreter no track refers to; returns how many.
    std::size_t ClearUnusedInterpreters();

    void Undo();
    void Redo();

    /// Nothing was changed (an edit that found nothing to do).
    bool IsEmpty() const { return m_Changes.empty(); }
    /// About how much memory the step holds (removed records and saved values).
    std::size_t Bytes() const { return m_nBytes; }
    /// The media the step worked on, for the views to select again: the one changed or
    /// added last, or every deleted one; none for interpreter changes. After an undo or
    /// redo some may be out of the catalogue (a view then shows no row for them).
    const std::vector<CMedia*>& FocusMedia() const { return m_Focus; }
    CCatalogue& Catalogue() { return m_Catalogue; }

    /// One logged change: flipping it once undoes it, flipping it again redoes it.
    class Change {
    public:
        virtual ~Change() = default;
        virtual void Flip() = 0;
    };

private:
    void Log(std::unique_ptr<Change> change, std::size_t bytes);
    void SaveTracks(CMedia& media);
    void ResetCursors();

    CCatalogue& m_Catalogue;
    std::vector<std::unique_ptr<Change>> m_Changes;
    std::size_t m_nBytes = 0;
    std::vector<CMedia*> m_Focus;
    // Media whose tracks this step saved already, or which it added (their tracks need no
    // saving: the medium leaves and comes back whole).
    std::unordered_set<const CMedia*> m_TracksCovered;
};

} // namespace catalog
