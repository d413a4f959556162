#pragma once
// The view of one metafile document: the picture stretched or at its own proportions,
// zoom, scrolling, and the select mode's record outline.

#include "metaview/view_layout.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <cstdint>

namespace metaview {
class ViewerDocument;
}

/// Zoom mode (1) or select mode (0), shared by every view of the process.
extern bool g_bZoomMode;

class CKelvane : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CKelvane(metaview::ViewerDocument& doc, QWidget* parent = nullptr);
    ~CKelvane() override;

    metaview::ViewerDocument& GetDocument() const { return m_doc; }

    /// Fits the picture to the client area again (after loading, Paste and resizing).
    void ComputeLayout();
    metaview::ViewSize FittedSize() const { return m_fitted; }
    metaview::ViewSize ZoomedSize() const;
    /// Where the picture was (or will be) drawn, in content coordinates.
    emf::RectL DrawingRect() const;

    bool FixedAspect() const { return m_bFixedAspect; }
    void ToggleFixedAspect();
    int Zoom() const { return m_nZoom; }
    void ZoomIn();
    void ZoomOut();
    /// Select mode's click at a point of the viewport: outlines the smallest drawing record
    /// there, or hides the outline when none is there.
    void SelectAt(QPoint point);

    /// Switches every view between zoom mode and select mode, with its mouse pointer.
    static void SetZoomMode(bool zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;

private:
    void onDocumentUpdated(bool pictureReplaced);
    void updateScrollBars();
    void applyCursor();
    QPoint scrollOffset() const;
    /// The part of the drawing rectangle the cache holds: all of it, or for a very large
    /// zoomed picture only what is visible.
    QRect cacheArea() const;
    void renderCache(const QRect& area);

    metaview::ViewerDocument& m_doc;
    bool m_bFixedAspect = false;
    int m_nZoom = 1;
    emf::RectL m_frame;
    metaview::ViewSize m_fitted;
    metaview::ViewSize m_client;

    struct CacheKey {
        QRect area;
        emf::RectL drawn;
        std::uint64_t version = UINT64_MAX;
        bool operator==(const CacheKey& o) const {
            return area == o.area && drawn.left == o.drawn.left && drawn.top == o.drawn.top &&
                   drawn.right == o.drawn.right && drawn.bottom == o.drawn.bottom &&
                   version == o.version;
        }
    };
    QImage m_cache;
    CacheKey m_cacheKey;
};
