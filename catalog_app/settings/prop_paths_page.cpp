#include "catalog_app/settings/prop_paths_page.h"

#include "catalog_app/settings/form_chooser_dialog.h"
#include "catalog_app/settings/form_preview.h"
#include "catalog_app/ui/ui_text.h"
#include "labels/form_settings.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace settings_ui;

CPropPath::CPropPath(CFormSettings& settings, QWidget* parent)
    : CSettingsPage(parent), m_Settings(settings),
      m_pList(MakeReportList({QStringLiteral("Name"), QStringLiteral("Path")}, this)),
      m_pPath(new QLineEdit(this)), m_pBrowse(new QPushButton(QStringLiteral("Browse"), this)),
      m_pSet(MakeDisabledButton(QStringLiteral("set"), this)),
      m_pDelete(MakeDisabledButton(QStringLiteral("delete"), this)),
      m_pInstalled(new QPushButton(QStringLiteral("Installed forms..."), this)),
      m_pPreview(new CFormPreview(settings, this)) {
    auto* upper = new QHBoxLayout;
    upper->addWidget(m_pList, 1);
    upper->addWidget(m_pPreview, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper, 1);
    layout->addWidget(m_pPath);
    layout->addLayout(CreateButtons());
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, &CPropPath::OnSelectionChanged);
    // The preview follows the field: a row's path, a browsed or an installed form.
    connect(m_pPath, &QLineEdit::textChanged, m_pPreview, &CFormPreview::ShowForm);
}

QLayout* CPropPath::CreateButtons() {
    m_pInstalled->setToolTip(
        QStringLiteral("Choose one of the print forms that come with Melvara"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pBrowse);
    buttons->addWidget(m_pInstalled);
    buttons->addStretch();
    buttons->addWidget(m_pSet);
    buttons->addWidget(m_pDelete);
    connect(m_pBrowse, &QPushButton::clicked, this, &CPropPath::OnBrowse);
    connect(m_pInstalled, &QPushButton::clicked, this, &CPropPath::OnInstalled);
    connect(m_pSet, &QPushButton::clicked, this, &CPropPath::OnSet);
    connect(m_pDelete, &QPushButton::clicked, this, &CPropPath::OnDelete);
    return buttons;
}

void CPropPath::SetPreviewMedium(CCatalogue* catalogue, const CMedia* medium) {
    m_pPreview->SetMedium(catalogue, medium);
}

void CPropPath::SelectType(int type) {
    if (QTreeWidgetItem* item = m_pList->topLevelItem(type)) m_pList->setCurrentItem(item);
}

void CPropPath::OnInstalled() {
    CFormChooserDialog dialog(InstalledForms(), m_nSelected, m_Settings, this);
    // As with Browse, only the field takes the path.
    if (dialog.exec() == QDialog::Accepted && !dialog.SelectedPath().isEmpty())
        m_pPath->setText(dialog.SelectedPath());
}

void CPropPath::OnInitDialog() {
    const QStringList names = ui::MediaTypeNames();
    for (int type = 0; type < m_Settings.TypeCount() && type < names.size(); ++type) {
        const QString path = m_Settings.FormPath(type).value_or(QString());
        m_pList->addTopLevelItem(new QTreeWidgetItem(QStringList{names[type], path}));
    }
    SetHeaderWidths(m_pList, {{2, 0}, {14, 0}});
}

void CPropPath::OnSelectionChanged() {
    const QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    const bool any = !selected.isEmpty();
    m_pSet->setEnabled(any);
    m_pDelete->setEnabled(any);
    m_nSelected = any ? m_pList->indexOfTopLevelItem(selected.first()) : -1;
    m_SelectedPath = any ? selected.first()->text(1) : QString();
    // An empty path leaves what was typed, so it can be set on the next row.
    if (!m_SelectedPath.isEmpty()) m_pPath->setText(m_SelectedPath);
}

void CPropPath::OnBrowse() {
    QFileDialog dialog(this, QStringLiteral("Open"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("EMF"));
    dialog.setNameFilters({QStringLiteral("Enhanced Metafiles (*.EMF)"),
                           QStringLiteral("Windows Metafiles (*.WMF)"),
                           QStringLiteral("All Files (*)")});
    // Only the field takes the path; "set" puts it into the list.
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_pPath->setText(dialog.selectedFiles().constFirst());
}

void CPropPath::OnSet() {
    if (QTreeWidgetItem* item = m_pList->topLevelItem(m_nSelected))
        item->setText(1, m_pPath->text());
}

void CPropPath::OnDelete() {
    if (QTreeWidgetItem* item = m_pList->topLevelItem(m_nSelected)) item->setText(1, QString());
}

void CPropPath::OnOK() {
    for (int type = 0; type < m_pList->topLevelItemCount(); ++type) {
        const QString path = m_pList->topLevelItem(type)->text(1).trimmed();
        m_Settings.SetFormPath(type, path.isEmpty() ? std::nullopt : std::optional(path));
    }
}
