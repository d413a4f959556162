#pragma once
// The view of one metafile document: the picture stretched or at its own proportions,
// zoom, scrolling, and the select mode's record outline.

#include "metaview/export/picture_renderer.h"
#include "metaview/windows/view_layout.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <cstdint>
#include <optional>

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
    /// One zoom step in or out, keeping the picture's point under at (a viewport point; its
    /// centre when none) where it is.
    void ZoomIn(std::optional<QPoint> at = {});
    void ZoomOut(std::optional<QPoint> at = {});
    /// Select mode's click at a point of the viewport: outlines the smallest drawing record
    /// there, or hides the outline when none is there.
    void SelectAt(QPoint point);

    /// Switches every view between zoom mode and select mode, with its mouse pointer.
    static void SetZoomMode(bool zoom);

    /// Whether the picture shown is the current one (false while it is drawn off the
    /// user-interface thread).
    bool PictureReady() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;

private:
    void onDocumentUpdated(bool pictureReplaced);
    void updateScrollBars();
    void zoomTo(int zoom, std::optional<QPoint> at);
    void applyCursor();
    QPoint scrollOffset() const;
    /// What the view shows now: the part of the drawing rectangle it caches (all of it, or
    /// for a very large zoomed picture only what is visible) and the document's version.
    metaview::PictureKey currentKey() const;
    void pictureReady(const metaview::PictureKey& key, const QImage& image);
    void drawBusyNote(QPainter& painter);

    metaview::ViewerDocument& m_doc;
    bool m_bFixedAspect = false;
    int m_nZoom = 1;
    emf::RectL m_frame;
    metaview::ViewSize m_fitted;
    metaview::ViewSize m_client;

    QImage m_cache;
    metaview::PictureKey m_cacheKey;
    metaview::PictureKey m_requestedKey;
    metaview::PictureRenderer m_renderer;
};
