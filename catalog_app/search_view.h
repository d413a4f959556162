#pragma once

#include "list_pane.h"

class QStandardItemModel;

/// The lower pane: the hits of the last search, one row per medium and per track hit.
class CSearchView : public CListPane {
    Q_OBJECT
public:
    explicit CSearchView(QWidget* parent = nullptr);

private:
    QStandardItemModel* m_pModel;
};
