#include "catalog_app/frame/command_rules.h"

#include <gtest/gtest.h>

namespace {

CommandState State(ActivePane pane, bool medium, bool track = false, bool mediaClip = false,
                   bool trackClip = false) {
    return CommandState{pane, medium, track, mediaClip, trackClip};
}

TEST(CommandRules, AfterStartNothingThatNeedsAMediumIsAvailable) {
    const CommandState start = State(ActivePane::Media, false);
    for (Command c : {Command::DeleteMedia, Command::EditMedia, Command::AppendTrack,
                      Command::Print, Command::PrintPreview, Command::ReorderUp,
                      Command::ReorderDown, Command::Copy, Command::Cut, Command::Paste})
        EXPECT_FALSE(IsCommandAvailable(c, start)) << int(c);
    EXPECT_TRUE(IsCommandAvailable(Command::InsertMedia, start));
}

TEST(CommandRules, MediaPaneActsOnTheCurrentMedium) {
    const CommandState s = State(ActivePane::Media, true, true);
    for (Command c :
         {Command::DeleteMedia, Command::EditMedia, Command::AppendTrack, Command::Print,
          Command::ReorderUp, Command::ReorderDown, Command::Copy, Command::Cut})
        EXPECT_TRUE(IsCommandAvailable(c, s)) << int(c);
    // Track commands belong to the track pane even when it has a current track.
    for (Command c : {Command::InsertTrack, Command::DeleteTrack, Command::EditTrack})
        EXPECT_FALSE(IsCommandAvailable(c, s)) << int(c);
}

TEST(CommandRules, TrackPaneNeedsACurrentTrackAndNeverHandlesMedia) {
    const CommandState noTrack = State(ActivePane::Track, true, false);
    const CommandState withTrack = State(ActivePane::Track, true, true);
    for (Command c : {Command::InsertTrack, Command::DeleteTrack, Command::EditTrack,
                      Command::ReorderUp, Command::ReorderDown, Command::Copy, Command::Cut}) {
        EXPECT_FALSE(IsCommandAvailable(c, noTrack)) << int(c);
        EXPECT_TRUE(IsCommandAvailable(c, withTrack)) << int(c);
    }
    for (Command c : {Command::InsertMedia, Command::DeleteMedia, Command::EditMedia,
                      Command::Print, Command::PrintPreview})
        EXPECT_FALSE(IsCommandAvailable(c, withTrack)) << int(c);
    EXPECT_TRUE(IsCommandAvailable(Command::AppendTrack, noTrack));
}

TEST(CommandRules, PasteNeedsTheFormatOfTheActivePane) {
    EXPECT_TRUE(IsCommandAvailable(Command::Paste, State(ActivePane::Media, true, false, true)));
    EXPECT_FALSE(
        IsCommandAvailable(Command::Paste, State(ActivePane::Media, true, false, false, true)));
    // Media paste also into an empty catalogue, where no medium can be current.
    EXPECT_TRUE(IsCommandAvailable(Command::Paste, State(ActivePane::Media, false, false, true)));
    EXPECT_FALSE(
        IsCommandAvailable(Command::Paste, State(ActivePane::Track, false, false, false, true)));
    EXPECT_TRUE(
        IsCommandAvailable(Command::Paste, State(ActivePane::Track, true, false, false, true)));
    EXPECT_FALSE(IsCommandAvailable(Command::Paste, State(ActivePane::Track, true, true, true)));
}

TEST(CommandRules, SearchPaneOnlyLeavesTheDocumentsAppendTrack) {
    const CommandState s = State(ActivePane::Search, true, true, true, true);
    EXPECT_TRUE(IsCommandAvailable(Command::AppendTrack, s));
    for (Command c : {Command::InsertMedia, Command::Copy, Command::Paste, Command::ReorderUp,
                      Command::EditTrack})
        EXPECT_FALSE(IsCommandAvailable(c, s)) << int(c);
}

TEST(CommandRules, SplitIsNeverAvailable) {
    for (ActivePane pane : {ActivePane::Media, ActivePane::Track, ActivePane::Search})
        EXPECT_FALSE(IsCommandAvailable(Command::Split, State(pane, true, true, true, true)));
}

} // namespace
