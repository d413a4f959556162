#pragma once

#include <cstdint>

/// The pane that receives routed commands (the last one that had the focus).
enum class ActivePane { Media, Track, Search };

/// Commands whose availability depends on the catalogue's state.
enum class Command : std::uint8_t {
    InsertMedia,
    DeleteMedia,
    EditMedia,
    AppendTrack,
    InsertTrack,
    DeleteTrack,
    EditTrack,
    ReorderUp,
    ReorderDown,
    Copy,
    Cut,
    Paste,
    Print,
    PrintPreview,
    Split,
};

/// What the availability of the commands is decided from.
struct CommandState {
    ActivePane pane = ActivePane::Media;
    bool hasCurrentMedium = false;  ///< the document's current row is not -1
    bool hasCurrentTrack = false;   ///< the track pane's current row is not -1
    bool clipboardHasMedia = false; ///< the media format is on the clipboard
    bool clipboardHasTrack = false; ///< the track format is on the clipboard
};

/// Whether the command may be chosen: the active pane's rule first, then the document's.
/// Rules only ever take a command away; the caller also takes away what nobody handles.
bool IsCommandAvailable(Command command, const CommandState& state);
