#include "catalog_app/settings/settings_sheet.h"

#include "catalog_app/settings/prop_margin_page.h"
#include "catalog_app/settings/prop_paths_page.h"
#include "catalog_app/settings/prop_text_lengths_page.h"

#include "labels/form_settings.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CSettingsSheet::CSettingsSheet(CFormSettings& settings, QWidget* parent)
    : QDialog(parent), m_Settings(settings), m_pPages(new QTabWidget(this)),
      m_pPaths(new CPropPath(settings, this)), m_pMargins(new CPropMargin(settings, this)),
      m_pLengths(new CPropLength(settings, this)) {
    // Another window may have changed the settings since: the pages show the latest.
    settings.RefreshFormSettings();
    setWindowTitle(QStringLiteral("Settings"));
    m_pPages->addTab(m_pPaths, QStringLiteral("Paths"));
    m_pPages->addTab(m_pMargins, QStringLiteral("Margins"));
    m_pPages->addTab(m_pLengths, QStringLiteral("Text lengths"));
    // A page is filled when it is first shown; the first one is shown at once.
    m_pPaths->EnsureInitialised();
    connect(m_pPages, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto* page = qobject_cast<CSettingsPage*>(m_pPages->widget(index)))
            page->EnsureInitialised();
    });
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    // No page ever marks itself changed, so Apply stays unavailable.
    buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSettingsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pPages);
    layout->addWidget(buttons);
    resize(640, 460);
}

void CSettingsSheet::accept() {
    for (CSettingsPage* page :
         {static_cast<CSettingsPage*>(m_pPaths), static_cast<CSettingsPage*>(m_pMargins),
          static_cast<CSettingsPage*>(m_pLengths)})
        if (page->IsInitialised()) page->OnOK();
    // What OK changed is stored at once, value by value, so that a second window running
    // at the same time neither loses it nor overwrites it later with its own old copy.
    m_Settings.WriteChangedSettings();
    QDialog::accept();
}
