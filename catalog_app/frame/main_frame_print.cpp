// Printing and the print settings: the commands go to the media pane's current medium and
// selection, with the print settings of the run.
#include "catalog_app/frame/main_frame.h"

#include "catalog_app/frame/print_commands.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/settings/prop_paths_page.h"
#include "catalog_app/settings/settings_sheet.h"

#include <QAction>

void CMainFrame::SetFormSettings(CFormSettings* settings) {
    m_pFormSettings = settings;
    m_pPrint = settings ? std::make_unique<CPrintCommands>(*settings, m_Prompts) : nullptr;
    if (m_pPrint) m_pPrint->SetOpenPaths([this](int type) { editSettingsAt(type); });
    m_Actions.filePrintSetup->setEnabled(settings != nullptr);
    m_Actions.settings->setEnabled(settings != nullptr);
    UpdateCommandUi();
}

std::vector<const CMedia*> CMainFrame::SelectedMedia() const {
    std::vector<const CMedia*> media;
    for (int row : m_pMediaView->SelectedRows())
        media.push_back(m_pMediaView->Model().MediaAt(row));
    return media;
}

void CMainFrame::connectPrintActions() {
    const CFrameActions& a = m_Actions;
    // Print and Print Preview are available only while the media pane is active.
    connect(a.filePrint, &QAction::triggered, this, [this] {
        if (m_pPrint && m_Active == ActivePane::Media)
            m_pPrint->OnFilePrint(this, m_Doc.Catalogue(), m_Doc.CurrentMedia(), SelectedMedia());
    });
    connect(a.filePrintPreview, &QAction::triggered, this, [this] {
        if (m_pPrint && m_Active == ActivePane::Media)
            m_pPrint->OnFilePrintPreview(this, m_Doc.Catalogue(), m_Doc.CurrentMedia(),
                                         SelectedMedia());
    });
    connect(a.filePrintSetup, &QAction::triggered, this, [this] {
        if (m_pPrint) m_pPrint->OnFilePrintSetup(this);
    });
    connect(a.settings, &QAction::triggered, this, [this] { editSettingsAt(-1); });
}

void CMainFrame::editSettingsAt(int type) {
    if (!m_pFormSettings) return;
    CSettingsSheet sheet(*m_pFormSettings, this);
    // The "Paths" page shows the form filled with the current medium, as it will print.
    sheet.PathsPage()->SetPreviewMedium(&m_Doc.Catalogue(), m_Doc.CurrentMedia());
    if (type >= 0) sheet.PathsPage()->SelectType(type);
    sheet.exec();
}
