// Build tool: renders an SVG icon into the PNG sizes of the hicolor theme.
// icon_tool ICON.svg HICOLOR_DIR CONTEXT SIZE...  writes HICOLOR_DIR/NxN/CONTEXT/ICON.png

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool RenderIcon(QSvgRenderer& svg, int size, const QString& path) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG");
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fputs("usage: icon_tool ICON.svg HICOLOR_DIR CONTEXT SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "icon_tool: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString name = QFileInfo(args[1]).completeBaseName() + QStringLiteral(".png");
    for (qsizetype i = 4; i < args.size(); ++i) {
        const int size = args[i].toInt();
        const QString path =
            QStringLiteral("%1/%2x%2/%3/%4").arg(args[2]).arg(size).arg(args[3], name);
        if (size < 1 || !RenderIcon(svg, size, path)) {
            std::fprintf(stderr, "icon_tool: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
