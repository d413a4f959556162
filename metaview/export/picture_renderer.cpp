#include "metaview/export/picture_renderer.h"

#include "emf/player/device_context.h"

#include <QCoreApplication>
#include <QPainter>
#include <QThreadPool>

#include <mutex>

namespace metaview {

QImage RenderPicture(const CEMFData& data, const PictureKey& key) {
    QImage image(key.area.size(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-key.area.topLeft());
    emf::DeviceContext dc(painter);
    const QRect& d = key.drawn;
    data.Draw(dc, {d.left(), d.top(), d.left() + d.width(), d.top() + d.height()});
    return image;
}

// The link from a pooled thread back to its renderer; cut when the renderer goes, so a
// finishing render never reaches a destroyed view.
struct PictureRenderer::Channel {
    std::mutex mutex;
    PictureRenderer* owner = nullptr;
};

PictureRenderer::PictureRenderer(std::function<void(const PictureKey&, const QImage&)> ready)
    : m_ready(std::move(ready)), m_channel(std::make_shared<Channel>()) {
    m_channel->owner = this;
}

PictureRenderer::~PictureRenderer() {
    std::lock_guard lock(m_channel->mutex);
    m_channel->owner = nullptr;
}

void PictureRenderer::Request(CEMFData data, const PictureKey& key) {
    if (m_running) {
        m_waiting.emplace(std::move(data), key);
        return;
    }
    start(std::move(data), key);
}

void PictureRenderer::start(CEMFData data, const PictureKey& key) {
    m_running = true;
    QThreadPool::globalInstance()->start([channel = m_channel, data = std::move(data), key] {
        const QImage image = RenderPicture(data, key);
        std::lock_guard lock(channel->mutex);
        if (!channel->owner) return;
        // The result goes to the user-interface thread, where the owner lives and dies.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [weak = std::weak_ptr<Channel>(channel), key, image] {
                if (auto c = weak.lock(); c && c->owner) c->owner->finished(key, image);
            },
            Qt::QueuedConnection);
    });
}

void PictureRenderer::finished(const PictureKey& key, const QImage& image) {
    m_running = false;
    if (m_waiting) {
        auto [data, next] = std::move(*m_waiting);
        m_waiting.reset();
        start(std::move(data), next);
    }
    m_ready(key, image);
}

} // namespace metaview
