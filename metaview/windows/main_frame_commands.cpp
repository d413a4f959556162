// The commands of the active view and document: play list, paste, modes and dialogs.
#include "metaview/windows/main_frame.h"

#include "metaview/dialogs/bitmap_export_dialog.h"
#include "metaview/dialogs/file_info_dialog.h"
#include "metaview/dialogs/play_list_dialog.h"
#include "metaview/dialogs/record_step_dialog.h"
#include "metaview/document/viewer_document.h"
#include "metaview/export/metafile_clipboard.h"
#include "metaview/windows/emf_view.h"

#include "common/about_box.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace {

void PlayCompleteFile(metaview::ViewerDocument& doc) {
    doc.Data().SetPlayMode(PlayWholeFile);
    doc.Data().SetAllPlayFlags();
    doc.UpdateAllViews();
}

void ClearPlayList(metaview::ViewerDocument& doc) {
    doc.Data().SetPlayMode(PlayPlayList);
    doc.Data().ClearPlayFlags();
    doc.UpdateAllViews();
}

void PlayNextRecord(metaview::ViewerDocument& doc) {
    doc.Data().PlayNextRecord();
    doc.UpdateAllViews();
}

// Paste adopts the clipboard's picture; title, path and save options stay. The picture is
// no longer the file's, so a save or a close is the user's decision.
void Paste(metaview::ViewerDocument& doc) {
    auto picture = metaview::ClipboardMetafile();
    if (!picture) return;
    doc.Data().SetMetafile(*picture);
    doc.SetModifiedFlag();
    doc.UpdateAllViews(true);
}

} // namespace

namespace metaview {

QString BitmapName(const ViewerDocument& doc) {
    if (doc.PathName().isEmpty()) return doc.Title() + QStringLiteral(".bmp");
    const QFileInfo file(doc.PathName());
    return file.dir().filePath(file.completeBaseName() + QStringLiteral(".bmp"));
}

} // namespace metaview

void CMainFrame::connectViewActions() {
    const CViewerActions& a = m_Actions;
    // A document command acts on the active document; the menus offer it only then.
    auto onDocument = [this](QAction* action, void (*command)(metaview::ViewerDocument&)) {
        connect(action, &QAction::triggered, this, [this, command] {
            if (metaview::ViewerDocument* doc = activeDocument()) command(*doc);
            UpdateCommandUi();
        });
    };
    onDocument(a.playCompleteFile, PlayCompleteFile);
    onDocument(a.clearPlayList, ClearPlayList);
    onDocument(a.playNextRecord, PlayNextRecord);
    onDocument(a.editPaste, Paste);
    onDocument(a.askSaveOption, [](metaview::ViewerDocument& doc) {
        doc.Doc().m_bAskSaveOption = !doc.Doc().m_bAskSaveOption;
    });
    connect(a.drawEmfPlus, &QAction::toggled, this, &CMainFrame::setDrawEmfPlus);
    auto onView = [this](QAction* action, auto command) {
        connect(action, &QAction::triggered, this, [this, command] {
            if (CKelvane* view = ActiveView()) command(*this, *view);
            UpdateCommandUi();
        });
    };
    onView(a.fixedAspect, [](CMainFrame&, CKelvane& view) { view.ToggleFixedAspect(); });
    onView(a.viewPlayList, [](CMainFrame& frame, CKelvane& view) {
        CPlayListDlg dialog(view.GetDocument(), &frame);
        dialog.exec();
    });
    onView(a.playCurrentList, [](CMainFrame& frame, CKelvane& view) {
        CRecordStepDlg dialog(view.GetDocument(), &frame);
        dialog.exec();
    });
    connect(a.selectMode, &QAction::triggered, this, [] { CKelvane::SetZoomMode(false); });
    connect(a.zoomMode, &QAction::triggered, this, [] { CKelvane::SetZoomMode(true); });
    connect(a.showFileInfo, &QAction::triggered, this, &CMainFrame::showFileInfo);
    connect(a.fileSaveBitmap, &QAction::triggered, this, &CMainFrame::saveBitmap);
}

void CMainFrame::about() {
    CAboutBox box(QStringLiteral("About Korvel-Software Kelvane"),
                  QStringLiteral("Korvel-Software Kelvane, the metafile viewer and inspector. "
                                 "File version %1.%2.%3.%4, product version %5.%6.%7.%8"),
                  this);
    box.exec();
}

void CMainFrame::showFileInfo() {
    metaview::ViewerDocument* doc = activeDocument();
    if (!doc || !doc->Data().HasPicture()) return;
    CFileInfoDlg dialog(doc->Data(), this);
    dialog.exec();
}

// The menu item is always there; without a picture it does nothing.
void CMainFrame::saveBitmap() {
    metaview::ViewerDocument* doc = activeDocument();
    if (!doc || !doc->Data().HasPicture()) return;
    CBitmapExportDlg dialog(doc->Data(), this);
    dialog.m_strFileName = metaview::BitmapName(*doc);
    dialog.exec();
}
