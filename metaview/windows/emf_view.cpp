#include "metaview/windows/emf_view.h"

#include "metaview/document/viewer_document.h"
#include "metaview/ui/viewer_icons.h"
#include "metaview/windows/hit_test.h"

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
// Pictures of more records are drawn off the user-interface thread; smaller ones draw in
// well under a frame, where a busy note would only flicker.
constexpr std::size_t kBackgroundRecords = 20000;

std::set<CKelvane*>& AllViews() {
    static std::set<CKelvane*> views;
    return views;
}

QRect ToQRect(const emf::RectL& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

} // namespace

CKelvane::CKelvane(metaview::ViewerDocument& doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc),
      m_renderer([this](const metaview::PictureKey& key, const QImage& image) {
          pictureReady(key, image);
      }) {
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

void CKelvane::ZoomIn(std::optional<QPoint> at) {
    if (m_nZoom < metaview::kMaxZoom) zoomTo(m_nZoom + 1, at);
}

void CKelvane::ZoomOut(std::optional<QPoint> at) {
    if (m_nZoom > metaview::kMinZoom) zoomTo(m_nZoom - 1, at);
}

// The point keeps its place in the picture, as a fraction of the drawing rectangle, and the
// scroll bars move it back under the pointer as far as their ranges allow.
void CKelvane::zoomTo(int zoom, std::optional<QPoint> at) {
    const QPoint pointer = at.value_or(viewport()->rect().center());
    const emf::RectL before = DrawingRect();
    const QPointF content = QPointF(pointer + scrollOffset());
    const double fx = (content.x() - before.left) / std::max(1, before.right - before.left);
    const double fy = (content.y() - before.top) / std::max(1, before.bottom - before.top);
    m_nZoom = zoom;
    updateScrollBars();
    const emf::RectL after = DrawingRect();
    horizontalScrollBar()->setValue(
        qRound(after.left + fx * (after.right - after.left) - pointer.x()));
    verticalScrollBar()->setValue(
        qRound(after.top + fy * (after.bottom - after.top) - pointer.y()));
    viewport()->update();
}

void CKelvane::SelectAt(QPoint point) {
    CEMFData& metafile = m_doc.Data();
    if (!metafile.HasPicture()) return;
    const emf::RectL drawn = DrawingRect();
    // The pixel's centre, in the coordinates the picture is drawn in.
    const QPointF p = QPointF(point + scrollOffset()) + QPointF(0.5, 0.5);
    const auto hit = metaview::SmallestRecordAt(metafile, drawn, p);
    if (!hit || !metafile.SelectDrawn(*hit, drawn)) {
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
        const QPoint at = event->position().toPoint();
        if (left) ZoomIn(at);
        if (right) ZoomOut(at);
    } else if (left) {
        SelectAt(event->position().toPoint());
    } else if (right && m_doc.Data().HasPicture() && m_doc.Data().SelectionShown()) {
        m_doc.Data().HideSelection();
        m_doc.UpdateAllViews();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

metaview::PictureKey CKelvane::currentKey() const {
    const QRect drawn = ToQRect(DrawingRect());
    const QRect area = qint64(drawn.width()) * drawn.height() <= kMaxCachePixels
                           ? drawn
                           : drawn.intersected(QRect(scrollOffset(), viewport()->size()));
    return {area, drawn, m_doc.Version()};
}

bool CKelvane::PictureReady() const {
    return !m_doc.Data().HasPicture() || m_cacheKey == currentKey();
}

void CKelvane::pictureReady(const metaview::PictureKey& key, const QImage& image) {
    if (!m_renderer.Busy()) applyCursor();
    if (!(key == currentKey())) return; // a newer picture is on its way
    m_cache = image;
    m_cacheKey = key;
    viewport()->update();
}

void CKelvane::drawBusyNote(QPainter& painter) {
    const QString text = QStringLiteral("Drawing the picture...");
    const QRect box = painter.fontMetrics().boundingRect(text).adjusted(-8, -4, 8, 4);
    const QRect placed = box.translated(QPoint(8, 8) - box.topLeft());
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(QColor(0xFF, 0xFF, 0xE0));
    painter.drawRoundedRect(placed, 4, 4);
    painter.setPen(Qt::black);
    painter.drawText(placed, Qt::AlignCenter, text);
}

void CKelvane::paintEvent(QPaintEvent*) {
    const CEMFData& metafile = m_doc.Data();
    if (!metafile.HasPicture()) return;
    const metaview::PictureKey key = currentKey();
    if (key.area.isEmpty()) return;
    if (!(key == m_cacheKey)) {
        if (metafile.RecordCount() < kBackgroundRecords) {
            m_cache = metaview::RenderPicture(metafile, key);
            m_cacheKey = key;
        } else if (!(key == m_requestedKey)) {
            m_requestedKey = key;
            m_renderer.Request(metafile, key);
            viewport()->setCursor(Qt::BusyCursor);
        }
    }
    QPainter painter(viewport());
    // While a new picture is drawn the old one stands in for it, stretched to the new place.
    const QRect target = key.area.translated(-scrollOffset());
    if (m_cacheKey == key)
        painter.drawImage(target.topLeft(), m_cache);
    else if (!m_cache.isNull())
        painter.drawImage(target, m_cache);
    if (!(m_cacheKey == key)) drawBusyNote(painter);
}
