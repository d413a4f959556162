#include "metaview/emf_view.h"

#include "metaview/hit_test.h"
#include "metaview/viewer_document.h"
#include "metaview/viewer_icons.h"

#include "emf/player/device_context.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <set>

bool g_bZoomMode = false;

namespace {

// Above this many pixels a zoomed picture is drawn only where it is visible.
constexpr qint64 kMaxCachePixels = 16 * 1024 * 1024;

std::set<CKelvane*>& AllViews() {
    static std::set<CKelvane*> views;
    return views;
}

QRect ToQRect(const emf::RectL& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

} // namespace

CKelvane::CKelvane(metaview::ViewerDocument& doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc) {
    AllViews().insert(this);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(palette);
    applyCursor();
    connect(&doc, &metaview::ViewerDocument::Updated, this, &CKelvane::onDocumentUpdated);
}

CKelvane::~CKelvane() {
    AllViews().erase(this);
}

void CKelvane::ComputeLayout() {
    m_frame = m_doc.Data().HasPicture() ? m_doc.Data().Header().rclFrame : emf::RectL{};
    m_client = {viewport()->width(), viewport()->height()};
    m_fitted = metaview::FittedSize(m_frame, m_client);
    updateScrollBars();
}

metaview::ViewSize CKelvane::ZoomedSize() const {
    return {m_fitted.width * m_nZoom, m_fitted.height * m_nZoom};
}

emf::RectL CKelvane::DrawingRect() const {
    return metaview::DrawingRect(m_client, ZoomedSize(), m_bFixedAspect);
}

void CKelvane::ToggleFixedAspect() {
    m_bFixedAspect = !m_bFixedAspect;
    const auto policy = m_bFixedAspect ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    ComputeLayout();
    viewport()->update();
}

void CKelvane::ZoomIn() {
    if (m_nZoom >= metaview::kMaxZoom) return;
    ++m_nZoom;
    updateScrollBars();
    viewport()->update();
}

void CKelvane::ZoomOut() {
    if (m_nZoom <= metaview::kMinZoom) return;
    --m_nZoom;
    updateScrollBars();
    viewport()->update();
}

void CKelvane::SelectAt(QPoint point) {
    CEMFData& metafile = m_doc.Data();
    if (!metafile.HasPicture()) return;
    const QPoint p = point + scrollOffset();
    const auto inPicture =
        metaview::MapToBounds({p.x(), p.y()}, DrawingRect(), metafile.Header().rclBounds);
    const auto hit =
        inPicture ? metaview::SmallestRecordAt(metafile.Picture(), *inPicture) : std::nullopt;
    if (hit) {
        metafile.SetSelection(*hit);
    } else {
        if (!metafile.SelectionShown()) return;
        metafile.HideSelection();
    }
    m_doc.UpdateAllViews();
}

void CKelvane::SetZoomMode(bool zoom) {
    g_bZoomMode = zoom;
    for (CKelvane* view : AllViews())
        view->applyCursor();
}

void CKelvane::applyCursor() {
    viewport()->setCursor(g_bZoomMode ? metaview::ZoomCursor() : QCursor(Qt::ArrowCursor));
}

QPoint CKelvane::scrollOffset() const {
    if (!m_bFixedAspect) return {};
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CKelvane::updateScrollBars() {
    const metaview::ViewSize zoomed = ZoomedSize();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, metaview::ScrollRange(zoomed.width, m_client.width));
    v->setRange(0, metaview::ScrollRange(zoomed.height, m_client.height));
    h->setPageStep(std::max(1, m_client.width));
    v->setPageStep(std::max(1, m_client.height));
    h->setSingleStep(20);
    v->setSingleStep(20);
}

void CKelvane::onDocumentUpdated(bool pictureReplaced) {
    if (pictureReplaced) ComputeLayout();
    viewport()->update();
}

void CKelvane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ComputeLayout();
}

void CKelvane::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    ComputeLayout();
}

void CKelvane::scrollContentsBy(int, int) {
    viewport()->update();
}

void CKelvane::mousePressEvent(QMouseEvent* event) {
    const bool left = event->button() == Qt::LeftButton;
    const bool right = event->button() == Qt::RightButton;
    if (g_bZoomMode) {
        if (left) ZoomIn();
        if (right) ZoomOut();
    } else if (left) {
        SelectAt(event->position().toPoint());
    } else if (right && m_doc.Data().HasPicture() && m_doc.Data().SelectionShown()) {
        m_doc.Data().HideSelection();
        m_doc.UpdateAllViews();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

QRect CKelvane::cacheArea() const {
    const QRect drawn = ToQRect(DrawingRect());
    if (qint64(drawn.width()) * drawn.height() <= kMaxCachePixels) return drawn;
    return drawn.intersected(QRect(scrollOffset(), viewport()->size()));
}

void CKelvane::renderCache(const QRect& area) {
    m_cache = QImage(area.size(), QImage::Format_RGB32);
    m_cache.fill(Qt::white);
    QPainter painter(&m_cache);
    painter.translate(-area.topLeft());
    emf::DeviceContext dc(painter);
    m_doc.Data().Draw(dc, DrawingRect());
}

void CKelvane::paintEvent(QPaintEvent*) {
    if (!m_doc.Data().HasPicture()) return;
    const QRect area = cacheArea();
    if (area.isEmpty()) return;
    const CacheKey key{area, DrawingRect(), m_doc.Version()};
    if (!(key == m_cacheKey)) {
        renderCache(area);
        m_cacheKey = key;
    }
    QPainter painter(viewport());
    painter.drawImage(area.topLeft() - scrollOffset(), m_cache);
}
