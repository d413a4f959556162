#include "metaview/ui/viewer_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace metaview {

namespace {

const QColor kInk(0x20, 0x30, 0x60);
const QColor kGreen(0x20, 0x90, 0x40);
const QColor kRed(0xC0, 0x30, 0x30);

QPixmap Canvas(int width, int height, QPainter& painter) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    painter.begin(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    return pixmap;
}

// A right-pointing play triangle inside the box.
void Triangle(QPainter& p, const QRectF& box, const QColor& color) {
    QPainterPath path;
    path.moveTo(box.left(), box.top());
    path.lineTo(box.right(), box.center().y());
    path.lineTo(box.left(), box.bottom());
    path.closeSubpath();
    p.fillPath(path, color);
}

void ListLines(QPainter& p, int count) {
    p.setPen(QPen(kInk, 1.5));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(1, 3.5 + 4 * i), QPointF(7, 3.5 + 4 * i));
}

void Lens(QPainter& p, const QPointF& centre, double radius) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(0xE0, 0xF0, 0xFF));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
    const double d = radius * 0.72;
    p.drawLine(centre + QPointF(d, d), centre + QPointF(d + 4.5, d + 4.5));
}

void DrawIcon(QPainter& p, ViewerIcon which) {
    switch (which) {
    case ViewerIcon::ClearPlayList:
        ListLines(p, 3);
        p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 5), QPointF(15, 11));
        p.drawLine(QPointF(15, 5), QPointF(9, 11));
        break;
    case ViewerIcon::PlayComplete:
        Triangle(p, QRectF(2, 2, 12, 12), kGreen);
        break;
    case ViewerIcon::PlayNext:
        Triangle(p, QRectF(1, 3, 9, 10), kGreen);
        p.fillRect(QRectF(11, 3, 3, 10), kInk);
        break;
    case ViewerIcon::PlayCurrentList:
        ListLines(p, 3);
        Triangle(p, QRectF(9, 4, 6, 8), kGreen);
        break;
    case ViewerIcon::Select: {
        QPainterPath arrow;
        arrow.moveTo(3, 1);
        arrow.lineTo(3, 14);
        arrow.lineTo(6.5, 10.5);
        arrow.lineTo(9, 15);
        arrow.lineTo(11, 14);
        arrow.lineTo(8.5, 9.5);
        arrow.lineTo(13, 9.5);
        arrow.closeSubpath();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        break;
    }
    case ViewerIcon::Zoom:
        Lens(p, QPointF(6.5, 6.5), 4.8);
        break;
    }
}

} // namespace

QIcon MakeViewerIcon(ViewerIcon which) {
    QPainter painter;
    QPixmap pixmap = Canvas(16, 16, painter);
    DrawIcon(painter, which);
    painter.end();
    return QIcon(pixmap);
}

QCursor ZoomCursor() {
    QPainter painter;
    QPixmap pixmap = Canvas(32, 32, painter);
    painter.scale(1.5, 1.5);
    Lens(painter, QPointF(8, 8), 6);
    painter.setPen(QPen(kInk, 1.5));
    painter.drawLine(QPointF(5, 8), QPointF(11, 8));
    painter.drawLine(QPointF(8, 5), QPointF(8, 11));
    painter.end();
    return QCursor(pixmap, 12, 12);
}

QPixmap PlayListRowImage(int flags) {
    QPainter painter;
    QPixmap pixmap = Canvas(32, 16, painter);
    // Left half: the general mark; right half: the play flag.
    if (flags & 2) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xE8, 0xA0, 0x20));
        painter.drawRoundedRect(QRectF(3, 3, 10, 10), 2, 2);
    }
    if (flags & 1)
        Triangle(painter, QRectF(19, 3, 9, 10), kGreen);
    else {
        painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(19.5, 4.5, 8, 8));
    }
    painter.end();
    return pixmap;
}

} // namespace metaview
