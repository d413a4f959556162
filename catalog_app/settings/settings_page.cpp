#include "catalog_app/settings/settings_page.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTreeWidget>

#include <limits>

void CSettingsPage::EnsureInitialised() {
    if (m_bInitialised) return;
    m_bInitialised = true;
    OnInitDialog();
}

namespace settings_ui {

QIcon FlagIcon(bool on) {
    const int side = QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize);
    QPixmap image(side, side);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = side * 0.2, e = side - m;
    p.setPen(QPen(on ? QColor(0, 160, 0) : QColor(220, 0, 0), side / 6.0, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    if (on) {
        p.drawPolyline(
            QPolygonF({QPointF(m, side * 0.55), QPointF(side * 0.42, e), QPointF(e, m)}));
    } else {
        p.drawLine(QPointF(m, m), QPointF(e, e));
        p.drawLine(QPointF(m, e), QPointF(e, m));
    }
    return QIcon(image);
}

QTreeWidget* MakeReportList(const QStringList& headers, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->header()->setSectionsClickable(false);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(true);
    // The selection stays visible when the focus moves to the fields beside the list.
    QPalette palette = list->palette();
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     palette.brush(QPalette::Active, QPalette::Highlight));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     palette.brush(QPalette::Active, QPalette::HighlightedText));
    list->setPalette(palette);
    return list;
}

namespace {

// The widest row of the column with its icon and the style's cell padding.
int WidestRow(const QTreeWidget* list, int column) {
    const int icon = list->style()->pixelMetric(QStyle::PM_SmallIconSize) + 6;
    int widest = 0;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(item->text(column)) +
                                      (item->icon(column).isNull() ? 0 : icon));
    }
    return widest + 16;
}

} // namespace

void SetHeaderWidths(QTreeWidget* list, std::initializer_list<HeaderWidth> widths) {
    int column = 0;
    for (const HeaderWidth& w : widths) {
        const int text = list->fontMetrics().horizontalAdvance(list->headerItem()->text(column));
        // The style pads cells more than the native list did: keep headers and rows whole.
        list->setColumnWidth(
            column, std::max({w.factor * text + w.extra, list->header()->sectionSizeHint(column),
                              WidestRow(list, column)}));
        ++column;
    }
}

QLineEdit* MakeDigitsField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), field));
    field->setAlignment(Qt::AlignRight);
    field->setMaxLength(10);
    return field;
}

std::int32_t FieldNumber(const QLineEdit* field) {
    bool ok = false;
    const qulonglong value = field->text().toULongLong(&ok);
    if (!ok || value > qulonglong(std::numeric_limits<std::int32_t>::max())) return 0;
    return std::int32_t(value);
}

QPushButton* MakeDisabledButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setEnabled(false);
    return button;
}

} // namespace settings_ui
