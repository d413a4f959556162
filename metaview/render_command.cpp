#include "metaview/render_command.h"

#include "emf/player/metafile_player.h"
#include "metaview/emf_doc.h"

#include <QSaveFile>

#include <charconv>
#include <cstring>

namespace metaview {

namespace {

constexpr int kDefaultWidth = 800;
constexpr int kMaxWidth = 16384;

struct RenderOptions {
    std::string input, png, bmp;
    int width = kDefaultWidth;
};

bool ParseWidth(const std::string& text, int& width) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), width);
    return ec == std::errc() && end == text.data() + text.size() && width >= 1 &&
           width <= kMaxWidth;
}

// FILE followed by option pairs; false with a message for anything else.
bool ParseOptions(std::span<const std::string> args, RenderOptions& o, std::string& error) {
    if (args.empty()) return error = "--render needs a FILE.", false;
    o.input = args[0];
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return error = args[i] + " needs a value.", false;
        const std::string& value = args[i + 1];
        if (args[i] == "--png")
            o.png = value;
        else if (args[i] == "--bmp")
            o.bmp = value;
        else if (args[i] != "--width")
            return error = "unknown option " + args[i] + ".", false;
        else if (!ParseWidth(value, o.width))
            return error = "--width takes a number from 1 to 16384.", false;
    }
    if (o.png.empty() == o.bmp.empty()) return error = "give one of --png OUT or --bmp OUT.", false;
    return true;
}

bool WritePng(const QImage& image, const std::string& path, std::string& error) {
    QSaveFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit()) return true;
    error = "cannot write " + path + ": " + file.errorString().toStdString();
    return false;
}

bool WriteBmp(const QImage& image, const std::string& path, std::string& error) {
    std::vector<std::byte> rows;
    return WriteBitmapFile(BitmapPixelsFromImage(image, rows), path, error);
}

} // namespace

BitmapPixels BitmapPixelsFromImage(const QImage& image, std::vector<std::byte>& rows) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<std::uint32_t>(rgb.width());
    const auto height = static_cast<std::uint32_t>(rgb.height());
    const std::size_t stride = std::size_t(width) * 4; // 32-bit rows need no padding
    rows.resize(stride * height);
    // Format_RGB32 is B,G,R,unused in memory on little-endian machines, as a DIB wants.
    for (std::uint32_t y = 0; y < height; ++y)
        std::memcpy(rows.data() + stride * (height - 1 - y), rgb.constScanLine(int(y)), stride);
    const auto ppm = static_cast<std::uint32_t>(std::max(0, rgb.dotsPerMeterX()));
    return {width, height, 32, ppm, rows};
}

int RunRender(std::span<const std::string> args, std::ostream& err) {
    RenderOptions options;
    std::string error;
    if (!ParseOptions(args, options, error)) {
        err << "kelvane: " << error << "\n";
        return 2;
    }
    CEMFDoc doc;
    if (!doc.OnOpenDocument(options.input, error)) {
        err << "kelvane: " << error << "\n";
        return 1;
    }
    const QImage image = emf::RenderToImage(doc.Data().Picture(), options.width);
    if (image.isNull()) {
        err << "kelvane: the picture could not be drawn.\n";
        return 1;
    }
    const bool written = options.png.empty() ? WriteBmp(image, options.bmp, error)
                                             : WritePng(image, options.png, error);
    if (written) return 0;
    err << "kelvane: " << error << "\n";
    return 1;
}

} // namespace metaview
