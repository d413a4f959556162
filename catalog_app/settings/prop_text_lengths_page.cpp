#include "catalog_app/settings/prop_text_lengths_page.h"

#include "catalog_app/ui/ui_text.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace settings_ui;

namespace {

// The placeholder list and its descriptions, in PlaceholderKind order.
const char* const kPlaceholders[][2] = {
    {"#X", "Zero based media index"},
    {"#I", "One based track index"},
    {"#M", "Total recorded media length"},
    {"#T", "Total recorded track length"},
    {"#D", "Media creation date"},
    {"#L", "Media title string"},
    {"#N", "Track title string"},
    {"#P", "Interpreter"},
    {"#C", "Combination of track title string and interpreter"},
};
constexpr int kEntries = EndOfKinds;

} // namespace

CPropLength::CPropLength(CFormSettings& settings, QWidget* parent)
    : CSettingsPage(parent), m_Settings(settings), m_pTypes(new QListWidget(this)),
      m_pList(MakeReportList(
          {QStringLiteral("Syntax"), QStringLiteral("Length"), QStringLiteral("Description")},
          this)),
      m_pClip(new QCheckBox(QStringLiteral("Enable text clipping"), this)),
      m_pLength(MakeDigitsField(this)), m_pSet(MakeDisabledButton(QStringLiteral("set"), this)),
      m_pReset(MakeDisabledButton(QStringLiteral("reset"), this)),
      m_pResetAll(MakeDisabledButton(QStringLiteral("reset all"), this)) {
    m_pTypes->setSortingEnabled(true);
    m_pTypes->setMaximumWidth(130);
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_pTypes);
    lists->addWidget(m_pList, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(CreateFields());
    connect(m_pTypes, &QListWidget::itemSelectionChanged, this, &CPropLength::OnTypeChanged);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, &CPropLength::OnPlaceholderChanged);
    connect(m_pSet, &QPushButton::clicked, this, &CPropLength::OnSet);
    connect(m_pReset, &QPushButton::clicked, this, &CPropLength::OnReset);
    connect(m_pResetAll, &QPushButton::clicked, this, &CPropLength::OnResetAll);
}

QLayout* CPropLength::CreateFields() {
    auto* form = new QFormLayout;
    form->addRow(m_pClip);
    form->addRow(QStringLiteral("Maximum text length [mm]:"), m_pLength);
    auto* row = new QHBoxLayout;
    row->addLayout(form, 1);
    row->addWidget(m_pSet);
    row->addWidget(m_pReset);
    row->addWidget(m_pResetAll);
    return row;
}

void CPropLength::OnInitDialog() {
    m_Lengths = m_Settings.CopyLengths();
    const QStringList names = ui::MediaTypeNames();
    for (int type = 0; type < int(m_Lengths.size()) && type < names.size(); ++type) {
        auto* item = new QListWidgetItem(names[type]);
        item->setData(Qt::UserRole, type);
        m_pTypes->addItem(item); // the list sorts itself; the item knows its type
    }
    SetHeaderWidths(m_pList, {{1, 10}, {1, 10}, {3, 0}});
}

TextLengths* CPropLength::Selected() {
    return m_nType >= 0 ? &m_Lengths[m_nType] : nullptr;
}

void CPropLength::OnTypeChanged() {
    const QList<QListWidgetItem*> selected = m_pTypes->selectedItems();
    m_nType = selected.isEmpty() ? -1 : selected.first()->data(Qt::UserRole).toInt();
    m_pResetAll->setEnabled(m_nType >= 0);
    m_pList->clear();
    OnPlaceholderChanged();
    if (m_nType < 0) return;
    for (const auto& [syntax, description] : kPlaceholders)
        m_pList->addTopLevelItem(new QTreeWidgetItem(
            QStringList{QString::fromLatin1(syntax), QString(), QString::fromLatin1(description)}));
    for (int entry = 0; entry < kEntries; ++entry)
        ShowRow(entry);
}

// Row i shows entry i of the record: the page edits entry i as placeholder kind i.
void CPropLength::ShowRow(int entry) {
    QTreeWidgetItem* item = m_pList->topLevelItem(entry);
    const TextLengths* lengths = Selected();
    if (!item || !lengths) return;
    item->setIcon(0, FlagIcon(lengths->clip[entry] == 1));
    item->setText(1, QString::number(lengths->maxLength[entry]));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
}

void CPropLength::OnPlaceholderChanged() {
    const QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    m_nSelected = selected.isEmpty() ? -1 : m_pList->indexOfTopLevelItem(selected.first());
    m_pSet->setEnabled(m_nSelected >= 0);
    m_pReset->setEnabled(m_nSelected >= 0);
    const TextLengths* lengths = Selected();
    if (m_nSelected < 0 || !lengths) return;
    m_pClip->setChecked(lengths->clip[m_nSelected] == 1);
    m_pLength->setText(QString::number(std::uint32_t(lengths->maxLength[m_nSelected])));
}

void CPropLength::OnSet() {
    TextLengths* lengths = Selected();
    if (m_nSelected < 0 || !lengths) return;
    lengths->clip[m_nSelected] = m_pClip->isChecked() ? 1 : 0;
    lengths->maxLength[m_nSelected] = FieldNumber(m_pLength);
    ShowRow(m_nSelected);
}

void CPropLength::OnReset() {
    TextLengths* lengths = Selected();
    if (m_nSelected < 0 || !lengths) return;
    lengths->clip[m_nSelected] = 0;
    lengths->maxLength[m_nSelected] = 0;
    ShowRow(m_nSelected);
}

void CPropLength::OnResetAll() {
    TextLengths* lengths = Selected();
    if (!lengths) return;
    for (int entry = 0; entry < kEntries; ++entry) {
        lengths->clip[entry] = 0;
        lengths->maxLength[entry] = 0;
        ShowRow(entry);
    }
}

void CPropLength::OnOK() {
    m_Settings.ReplaceLengths(m_Lengths);
}
