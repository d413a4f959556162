#include "catalog_app/frame/toolbar_icons.h"

#include "catalog_app/frame/frame_actions.h"

#include <QAction>
#include <QIcon>

void SetToolbarIcons(CFrameActions& a) {
    const std::pair<QAction*, const char*> icons[] = {
        {a.fileNew, "new"},
        {a.fileOpen, "open"},
        {a.fileSave, "save"},
        {a.editUndo, "undo"},
        {a.editRedo, "redo"},
        {a.editCut, "cut"},
        {a.editCopy, "copy"},
        {a.editPaste, "paste"},
        {a.mediaRefresh, "refresh"},
        {a.mediaInsert, "insert_media"},
        {a.trackAppend, "append_track"},
        {a.reorderDown, "reorder_down"},
        {a.reorderUp, "reorder_up"},
        {a.filePrint, "print"},
        {a.helpAbout, "about"},
        {a.search, "search"},
    };
    for (const auto& [action, name] : icons)
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name))));
}
