#include "catalog_app/settings/prop_margin_page.h"

#include "catalog_app/ui/ui_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace settings_ui;

namespace {

std::array<std::int32_t, 6> Numbers(const FormMargins& m) {
    return {m.left, m.top, m.horizontalSpacing, m.verticalSpacing, m.columns, m.rows};
}

} // namespace

CPropMargin::CPropMargin(CFormSettings& settings, QWidget* parent)
    : CSettingsPage(parent), m_Settings(settings),
      m_pList(MakeReportList({QStringLiteral("Name"), QStringLiteral("Left margin"),
                              QStringLiteral("Top margin"), QStringLiteral("Horz. space"),
                              QStringLiteral("Vert. space"), QStringLiteral("Columns"),
                              QStringLiteral("Rows")},
                             this)),
      m_pSpacing(new QCheckBox(QStringLiteral("Enable\nspacing"), this)),
      m_pSet(MakeDisabledButton(QStringLiteral("set"), this)),
      m_pReset(MakeDisabledButton(QStringLiteral("reset"), this)),
      m_pProduct(MakeDisabledButton(QStringLiteral("Sheet product..."), this)),
      m_pNote(new QLabel(this)) {
    // Numbers are right-aligned: a stretched last column would push them off to the edge.
    m_pList->header()->setStretchLastSection(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pList);
    layout->addLayout(CreateFields());
    m_pNote->setWordWrap(true);
    layout->addWidget(m_pNote);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, &CPropMargin::OnSelectionChanged);
    connect(m_pProduct, &QPushButton::clicked, this, &CPropMargin::OnProduct);
    connect(m_pSet, &QPushButton::clicked, this, &CPropMargin::OnSet);
    connect(m_pReset, &QPushButton::clicked, this, &CPropMargin::OnReset);
}

QLayout* CPropMargin::CreateFields() {
    const char* labels[] = {
        "Left margin [mm]:",      "Top margin [mm]:", "Horizontal spacing [mm]:",
        "Vertical spacing [mm]:", "Columns [n]:",     "Rows [n]:"};
    auto* grid = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        m_Fields[i] = MakeDigitsField(this);
        auto* label = new QLabel(QString::fromLatin1(labels[i]), this);
        label->setBuddy(m_Fields[i]);
        grid->addWidget(label, i % 2, (i / 2) * 2);
        grid->addWidget(m_Fields[i], i % 2, (i / 2) * 2 + 1);
    }
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_pSet);
    buttons->addWidget(m_pReset);
    buttons->addWidget(m_pProduct);
    auto* row = new QHBoxLayout;
    row->addLayout(grid, 1);
    row->addWidget(m_pSpacing);
    row->addLayout(buttons);
    return row;
}

void CPropMargin::OnInitDialog() {
    m_Margins = m_Settings.CopyMargins();
    const QStringList names = ui::MediaTypeNames();
    for (int type = 0; type < int(m_Margins.size()) && type < names.size(); ++type) {
        m_pList->addTopLevelItem(new QTreeWidgetItem(QStringList{names[type]}));
        ShowRow(type);
    }
    SetHeaderWidths(m_pList, {{2, 0}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 3}});
    DescribeProductButton();
}

void CPropMargin::ShowRow(int type) {
    QTreeWidgetItem* item = m_pList->topLevelItem(type);
    const FormMargins& m = m_Margins[type];
    item->setIcon(0, FlagIcon(m.spacingEnabled != 0));
    const auto numbers = Numbers(m);
    for (int i = 0; i < 6; ++i) {
        item->setText(i + 1, QString::number(numbers[i]));
        item->setTextAlignment(i + 1, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void CPropMargin::OnSelectionChanged() {
    const QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    m_nSelected = selected.isEmpty() ? -1 : m_pList->indexOfTopLevelItem(selected.first());
    m_pSet->setEnabled(m_nSelected >= 0);
    m_pReset->setEnabled(m_nSelected >= 0);
    m_pProduct->setEnabled(m_nSelected >= 0);
    m_pNote->setText(OverlapNote());
    if (m_nSelected < 0) return;
    const FormMargins& m = m_Margins[m_nSelected];
    const auto numbers = Numbers(m);
    for (int i = 0; i < 6; ++i)
        m_Fields[i]->setText(QString::number(numbers[i]));
    m_pSpacing->setChecked(m.spacingEnabled != 0);
}

void CPropMargin::OnSet() {
    if (m_nSelected < 0) return;
    FormMargins& m = m_Margins[m_nSelected];
    m = {FieldNumber(m_Fields[0]),       FieldNumber(m_Fields[1]), FieldNumber(m_Fields[2]),
         FieldNumber(m_Fields[3]),       FieldNumber(m_Fields[4]), FieldNumber(m_Fields[5]),
         m_pSpacing->isChecked() ? 1 : 0};
    ShowRow(m_nSelected);
    m_pNote->setText(OverlapNote());
}

void CPropMargin::OnReset() {
    if (m_nSelected < 0) return;
    // The fields keep their text.
    m_Margins[m_nSelected] = FormMargins{};
    ShowRow(m_nSelected);
}

void CPropMargin::OnOK() {
    m_Settings.ReplaceMargins(m_Margins);
}
