#pragma once

struct CFrameActions;

/// Gives the toolbar commands their pictures from the program's resources.
void SetToolbarIcons(CFrameActions& actions);
