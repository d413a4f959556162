#include "catalog_app/frame/command_rules.h"

namespace {

bool MediaPaneRule(Command command, const CommandState& s) {
    switch (command) {
    case Command::InsertMedia:
        return true;
    case Command::Paste:
        // A new, empty catalogue can receive media too.
        return s.clipboardHasMedia;
    case Command::InsertTrack:
    case Command::DeleteTrack:
    case Command::EditTrack:
        return false;
    default:
        return s.hasCurrentMedium;
    }
}

bool TrackPaneRule(Command command, const CommandState& s) {
    switch (command) {
    case Command::InsertTrack:
    case Command::DeleteTrack:
    case Command::EditTrack:
    case Command::ReorderUp:
    case Command::ReorderDown:
    case Command::Copy:
    case Command::Cut:
        return s.hasCurrentTrack;
    case Command::Paste:
        return s.hasCurrentMedium && s.clipboardHasTrack;
    case Command::AppendTrack:
        return s.hasCurrentMedium;
    default:
        // Media and print commands live in the media pane only.
        return false;
    }
}

bool SearchPaneRule(Command command, const CommandState& s) {
    // The result list handles none of these; only the document's Append track remains.
    return command == Command::AppendTrack && s.hasCurrentMedium;
}

} // namespace

bool IsCommandAvailable(Command command, const CommandState& state) {
    if (command == Command::Split) return false;
    switch (state.pane) {
    case ActivePane::Media:
        return MediaPaneRule(command, state);
    case ActivePane::Track:
        return TrackPaneRule(command, state);
    case ActivePane::Search:
        return SearchPaneRule(command, state);
    }
    return false;
}
