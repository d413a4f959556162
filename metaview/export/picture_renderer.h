#pragma once
// Draws a view's picture into an image off the user-interface thread, so that a picture
// that takes seconds to draw never freezes the window.

#include "metaview/document/emf_data.h"

#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace metaview {

/// What a view shows: the part of the drawing rectangle it caches, the drawing rectangle and
/// the document's version.
struct PictureKey {
    QRect area;
    QRect drawn;
    std::uint64_t version = UINT64_MAX;
    bool operator==(const PictureKey&) const = default;
};

/// The document drawn into area (content coordinates) on white, the picture filling drawn.
QImage RenderPicture(const CEMFData& data, const PictureKey& key);

/// Renders one request at a time on a pooled thread. A request made while one runs waits
/// and replaces any older waiting request, so at most one stale picture is ever drawn.
class PictureRenderer {
public:
    /// ready runs on the thread that owns the renderer, with the key the image was made for.
    explicit PictureRenderer(std::function<void(const PictureKey&, const QImage&)> ready);
    /// Results of a render still running are dropped.
    ~PictureRenderer();
    PictureRenderer(const PictureRenderer&) = delete;
    PictureRenderer& operator=(const PictureRenderer&) = delete;

    /// data is a copy the render owns: the document may change meanwhile.
    void Request(CEMFData data, const PictureKey& key);
    bool Busy() const { return m_running; }

private:
    struct Channel;
    void start(CEMFData data, const PictureKey& key);
    void finished(const PictureKey& key, const QImage& image);

    std::function<void(const PictureKey&, const QImage&)> m_ready;
    std::shared_ptr<Channel> m_channel;
    bool m_running = false;
    std::optional<std::pair<CEMFData, PictureKey>> m_waiting;
};

} // namespace metaview
