#include "search_view.h"

#include <QHeaderView>
#include <QStandardItemModel>

CSearchView::CSearchView(QWidget* parent)
    : CListPane(parent), m_pModel(new QStandardItemModel(0, 10, this)) {
    m_pModel->setHorizontalHeaderLabels(
        {QStringLiteral("Index"), QStringLiteral("Media Title"), QStringLiteral("Media Title"),
         QStringLiteral("Total"), QStringLiteral("Creation Time"), QStringLiteral("Media Type"),
         QStringLiteral("Track"), QStringLiteral("Title"), QStringLiteral("Total"),
         QStringLiteral("Interpreter")});
    setModel(m_pModel);
    header()->setSectionsClickable(false);
    SetColumnWidths({{1, 20, "000000"},
                     {2, 0},
                     {2, 0},
                     {1, 10, "000:00"},
                     {1, 0, "0000-00-00"},
                     {1, 0, "other media"},
                     {1, 20, "000000"},
                     {5, 0},
                     {1, 20, "000:00"},
                     {2, 0}});
}
