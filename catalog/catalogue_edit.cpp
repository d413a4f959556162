#include "catalog/catalogue_edit.h"

#include "catalog/file/clipboard_paste.h"

#include <algorithm>
#include <iterator>
#include <list>
#include <tuple>
#include <utility>

namespace catalog {
namespace {

std::size_t HeapBytes(const CCountedString& text) {
    return text.Length() > 20 ? text.Length() : 0;
}

// A list node: the record plus two links.
template <class T> constexpr std::size_t kNode = sizeof(T) + 2 * sizeof(void*);

std::size_t HeldBytes(const CTrack& track) {
    return kNode<CTrack> + HeapBytes(track.TitleString());
}

std::size_t HeldBytes(const std::list<CTrack>& tracks) {
    std::size_t bytes = 0;
    for (const CTrack& track : tracks)
        bytes += HeldBytes(track);
    return bytes;
}

std::size_t HeldBytes(const CMedia& media) {
    return kNode<CMedia> + HeapBytes(media.Title1String()) + HeapBytes(media.Title2String()) +
           media.Information().size() + HeldBytes(media.Tracks());
}

std::size_t HeldBytes(const CInterpreter& entry) {
    return kNode<CInterpreter> + HeapBytes(entry.NameString());
}

// Values exchanged with the record's fields on every flip.
template <class... T> class SwapChange final : public CatalogueEdit::Change {
public:
    SwapChange(T&... fields) : m_Fields(fields...), m_Saved(fields...) {}
    void Flip() override {
        [this]<std::size_t... I>(std::index_sequence<I...>) {
            (std::swap(std::get<I>(m_Fields), std::get<I>(m_Saved)), ...);
        }
        (std::index_sequence_for<T...>{});
    }

private:
    std::tuple<T&...> m_Fields;
    std::tuple<T...> m_Saved;
};

// Records that are in their list or held here: a flip takes them out (front to back,
// each remembering the record after it) or puts them back (back to front, so every
// remembered neighbour is in place again when its turn comes).
template <class T> class PresenceChange final : public CatalogueEdit::Change {
public:
    using Iterator = typename std::list<T>::iterator;
    PresenceChange(std::list<T>& list, std::vector<Iterator> records)
        : m_List(list), m_Records(std::move(records)), m_Next(m_Records.size()) {}
    void Flip() override {
        if (m_bOut) {
            for (std::size_t i = m_Records.size(); i-- > 0;)
                m_List.splice(m_Next[i], m_Held, m_Records[i]);
        } else {
            for (std::size_t i = 0; i < m_Records.size(); ++i) {
                m_Next[i] = std::next(m_Records[i]);
                m_Held.splice(m_Held.end(), m_List, m_Records[i]);
            }
        }
        m_bOut = !m_bOut;
    }

private:
    std::list<T>& m_List;
    std::list<T> m_Held;
    std::vector<Iterator> m_Records;
    std::vector<Iterator> m_Next;
    bool m_bOut = false;
};

// A record's place in its list and its index, exchanged on every flip.
template <class T> class PlaceChange final : public CatalogueEdit::Change {
public:
    using Iterator = typename std::list<T>::iterator;
    PlaceChange(std::list<T>& list, Iterator record, std::uint32_t& index)
        : m_List(list), m_Record(record), m_Next(std::next(record)), m_Index(index),
          m_nSaved(index) {}
    void Flip() override {
        const Iterator next = std::next(m_Record);
        m_List.splice(m_Next, m_List, m_Record);
        m_Next = next;
        std::swap(m_Index, m_nSaved);
    }

private:
    std::list<T>& m_List;
    Iterator m_Record;
    Iterator m_Next;
    std::uint32_t& m_Index;
    std::uint32_t m_nSaved;
};

// A medium's whole track list and total; the track cursor restarts.
class TracksChange final : public CatalogueEdit::Change {
public:
    TracksChange(std::list<CTrack>& tracks, MinSecLength& total,
                 std::list<CTrack>::iterator& cursor)
        : m_Tracks(tracks), m_Total(total), m_Cursor(cursor), m_Saved(tracks),
          m_nSavedTotal(total) {}
    void Flip() override {
        m_Tracks.swap(m_Saved);
        std::swap(m_Total, m_nSavedTotal);
        m_Cursor = m_Tracks.end();
    }
    const std::list<CTrack>& Saved() const { return m_Saved; }

private:
    std::list<CTrack>& m_Tracks;
    MinSecLength& m_Total;
    std::list<CTrack>::iterator& m_Cursor;
    std::list<CTrack> m_Saved;
    MinSecLength m_nSavedTotal;
};

// The iterator of a record known by address; new records usually sit at the end.
template <class T> typename std::list<T>::iterator IteratorOf(std::list<T>& list, const T* record) {
    auto it = std::find_if(list.rbegin(), list.rend(), [&](const T& r) { return &r == record; });
    return std::prev(it.base());
}

} // namespace

CatalogueEdit::CatalogueEdit(CCatalogue& catalogue) : m_Catalogue(catalogue) {}

CatalogueEdit::~CatalogueEdit() = default;

void CatalogueEdit::Log(std::unique_ptr<Change> change, std::size_t bytes) {
    m_Changes.push_back(std::move(change));
    m_nBytes += bytes + sizeof(Change) + 4 * sizeof(void*);
}

CMedia* CatalogueEdit::AddMedia(std::string_view title1, std::string_view title2,
                                std::int32_t mediaType, std::int32_t creationTime,
                                std::string information) {
    std::list<CMedia>& list = m_Catalogue.Media().m_Media;
    CMedia* media = m_Catalogue.Media().AddMedia(title1, title2, mediaType, creationTime,
                                                 std::move(information));
    Log(std::make_unique<PresenceChange<CMedia>>(list, std::vector{IteratorOf(list, media)}),
        HeldBytes(*media));
    m_TracksCovered.insert(media);
    m_Focus = {media};
    return media;
}

CMedia* CatalogueEdit::EditMedia(CMedia& media, std::string_view title1, std::string_view title2,
                                 std::int32_t mediaType, std::int32_t creationTime,
                                 std::string information) {
    const std::size_t bytes = HeapBytes(media.m_Title1) + HeapBytes(media.m_Title2) +
                              media.m_Information.size() + sizeof(CMedia);
    Log(std::make_unique<
            SwapChange<CCountedString, CCountedString, std::int32_t, std::int32_t, std::string>>(
            media.m_Title1, media.m_Title2, media.m_nMediaType, media.m_CreationTime,
            media.m_Information),
        bytes);
    media.SetData(title1, title2, media.MediaIndex(), mediaType, creationTime,
                  std::move(information));
    m_Focus = {&media};
    return &media;
}

void CatalogueEdit::DeleteMedia(std::span<CMedia* const> media) {
    const std::unordered_set<const CMedia*> doomed(media.begin(), media.end());
    std::list<CMedia>& list = m_Catalogue.Media().m_Media;
    std::vector<std::list<CMedia>::iterator> records;
    std::size_t bytes = 0;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (!doomed.contains(&*it)) continue;
        records.push_back(it);
        bytes += HeldBytes(*it);
    }
    if (records.empty()) return;
    m_Focus.clear();
    for (const auto& record : records)
        m_Focus.push_back(&*record);
    auto change = std::make_unique<PresenceChange<CMedia>>(list, std::move(records));
    change->Flip();
    Log(std::move(change), bytes);
    ResetCursors();
}

void CatalogueEdit::MoveMedia(const CMedia& media, bool towardBack) {
    // The move changes at most the medium with that index and one list neighbour of it.
    CMediaList& mediaList = m_Catalogue.Media();
    std::list<CMedia>& list = mediaList.m_Media;
    const auto it = mediaList.FindIt(media.MediaIndex());
    if (it == list.end()) return;
    auto logPlace = [&](std::list<CMedia>::iterator record) {
        Log(std::make_unique<PlaceChange<CMedia>>(list, record, record->m_nMediaIndex), 0);
    };
    if (it != list.begin()) logPlace(std::prev(it));
    logPlace(it);
    if (std::next(it) != list.end()) logPlace(std::next(it));
    mediaList.MoveMedia(media.MediaIndex(), towardBack);
    m_Focus = {&*it};
}

void CatalogueEdit::SaveTracks(CMedia& media) {
    m_Focus = {&media};
    if (!m_TracksCovered.insert(&media).second) return;
    auto change =
        std::make_unique<TracksChange>(media.m_Tracks, media.m_TotalLength, media.m_TrackCursor);
    const std::size_t bytes = HeldBytes(change->Saved());
    Log(std::move(change), bytes);
}

CTrack* CatalogueEdit::AddTrack(CMedia& media, std::string_view title, MinSecLength length,
                                std::uint32_t interpreter, std::uint32_t position) {
    SaveTracks(media);
    return media.AddTrack(title, length, interpreter, position);
}

CTrack* CatalogueEdit::EditTrack(CMedia& media, std::string_view title, MinSecLength length,
                                 std::uint32_t interpreter, std::uint32_t trackIndex) {
    if (!media.FindTrack(trackIndex)) return nullptr;
    SaveTracks(media);
    return media.EditTrack(title, length, interpreter, trackIndex);
}

void CatalogueEdit::DeleteTracks(CMedia& media, std::span<const CTrack* const> tracks) {
    if (tracks.empty()) return;
    SaveTracks(media);
    // Each deletion renumbers the later tracks; the records themselves stay put, so every
    // remaining one is deleted by the index it has at that moment.
    for (const CTrack* track : tracks)
        media.DeleteTrack(track->TrackIndex());
}

void CatalogueEdit::MoveTrack(CMedia& media, std::uint32_t trackIndex, bool towardFront) {
    SaveTracks(media);
    media.MoveTrack(trackIndex, towardFront);
}

CInterpreter* CatalogueEdit::FindOrAddInterpreter(std::string_view name) {
    CInterpreterList& interpreters = m_Catalogue.Interpreters();
    const std::size_t before = interpreters.Count();
    CInterpreter* entry = interpreters.FindOrAddInterpreter(name);
    TakeOverAddedInterpreter(entry->InterpreterIndex(), before);
    return entry;
}

void CatalogueEdit::TakeOverAddedInterpreter(std::uint32_t interpreterIndex,
                                             std::size_t countBefore) {
    CInterpreterList& interpreters = m_Catalogue.Interpreters();
    CInterpreter* entry = interpreters.FindInterpreter(interpreterIndex);
    if (!entry || interpreters.Count() != countBefore + 1) return;
    std::list<CInterpreter>& list = interpreters.m_Entries;
    Log(std::make_unique<PresenceChange<CInterpreter>>(list, std::vector{IteratorOf(list, entry)}),
        HeldBytes(*entry));
}

std::uint32_t CatalogueEdit::InterpreterFor(std::string_view name) {
    name = name.substr(0, name.find('\0'));
    if (name.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos) return NO_INTERPRETER;
    return FindOrAddInterpreter(name)->InterpreterIndex();
}

CInterpreter* CatalogueEdit::RenameInterpreter(std::uint32_t interpreterIndex,
                                               std::string_view name) {
    CInterpreter* entry = m_Catalogue.Interpreters().FindInterpreter(interpreterIndex);
    if (!entry) return nullptr;
    Log(std::make_unique<SwapChange<CCountedString>>(entry->m_Name), HeldBytes(*entry));
    entry->m_Name.SetText(name);
    return entry;
}

void CatalogueEdit::DeleteInterpreter(std::uint32_t interpreterIndex) {
    std::list<CInterpreter>& list = m_Catalogue.Interpreters().m_Entries;
    std::vector<std::list<CInterpreter>::iterator> records;
    std::size_t bytes = 0;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->InterpreterIndex() != interpreterIndex) continue;
        records.push_back(it);
        bytes += HeldBytes(*it);
    }
    if (records.empty()) return;
    auto change = std::make_unique<PresenceChange<CInterpreter>>(list, std::move(records));
    change->Flip();
    Log(std::move(change), bytes);
    ResetCursors();
}

std::size_t CatalogueEdit::ClearUnusedInterpreters() {
    std::unordered_set<std::uint32_t> used;
    for (const CMedia& media : m_Catalogue.Media())
        for (const CTrack& track : media.Tracks())
            used.insert(track.InterpreterIndex());
    std::vector<std::uint32_t> unused;
    for (const CInterpreter& entry : m_Catalogue.Interpreters())
        if (!used.contains(entry.InterpreterIndex())) unused.push_back(entry.InterpreterIndex());
    for (std::uint32_t index : unused)
        DeleteInterpreter(index);
    return unused.size();
}

void CatalogueEdit::Undo() {
    for (auto it = m_Changes.rbegin(); it != m_Changes.rend(); ++it)
        (*it)->Flip();
    ResetCursors();
}

void CatalogueEdit::Redo() {
    for (const auto& change : m_Changes)
        change->Flip();
    ResetCursors();
}

// Records left and came back: no iteration may continue over them.
void CatalogueEdit::ResetCursors() {
    CMediaList& media = m_Catalogue.Media();
    media.m_Next = media.m_Media.end();
    media.m_pCurrent = nullptr;
    media.m_pTrackOwner = nullptr;
    m_Catalogue.Interpreters().m_Cursor = m_Catalogue.Interpreters().m_Entries.end();
}

} // namespace catalog
