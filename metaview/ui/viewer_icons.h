#pragma once
// The viewer's small pictures, drawn in code: toolbar buttons, the zoom pointer and the
// play list's row images.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace metaview {

/// The toolbar pictures of the commands that have none among the shared icons.
enum class ViewerIcon { ClearPlayList, PlayComplete, PlayNext, PlayCurrentList, Select, Zoom };
QIcon MakeViewerIcon(ViewerIcon which);

/// A magnifying glass with a plus, its hot spot in the lens.
QCursor ZoomCursor();

/// A row image of the play list, 32 x 16: bit 0 in the play list, bit 1 generally marked.
QPixmap PlayListRowImage(int flags);

} // namespace metaview
