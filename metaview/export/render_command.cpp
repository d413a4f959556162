#include "metaview/export/render_command.h"

#include "metaview/document/archive.h"
#include "metaview/document/metafile_loading.h"
#include "metaview/export/picture_export.h"
#include "metaview/export/png_file.h"

#include "emf/player/device_context.h"
#include "emf/player/text/font_mapping.h"

#include <QFileInfo>

#include <unistd.h>

#include <charconv>
#include <csignal>
#include <cstring>
#include <sstream>

namespace metaview {

namespace {

constexpr int kDefaultWidth = 800;
constexpr int kMaxSide = 16384;
constexpr int kMaxTimeout = 3600;

enum class Format { None, Png, Bmp, Svg, Pdf };

struct RenderOptions {
    std::string input, output;
    Format format = Format::None;
    int width = 0, size = 0, timeout = 0;
    bool gdiOnly = false;
};

bool ParseNumber(const std::string& text, int max, int& number) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    return ec == std::errc() && end == text.data() + text.size() && number >= 1 && number <= max;
}

Format FormatOption(const std::string& option) {
    if (option == "--png") return Format::Png;
    if (option == "--bmp") return Format::Bmp;
    if (option == "--svg") return Format::Svg;
    if (option == "--pdf") return Format::Pdf;
    return Format::None;
}

// One option and its value; false with a message for anything else.
bool ParseOption(const std::string& option, const std::string& value, RenderOptions& o,
                 std::string& error) {
    if (const Format format = FormatOption(option); format != Format::None) {
        if (o.format != Format::None) return error = "give only one output file.", false;
        o.format = format;
        o.output = value;
        return true;
    }
    int* number = option == "--width"     ? &o.width
                  : option == "--size"    ? &o.size
                  : option == "--timeout" ? &o.timeout
                                          : nullptr;
    if (!number) return error = "unknown option " + option + ".", false;
    const int max = number == &o.timeout ? kMaxTimeout : kMaxSide;
    if (!ParseNumber(value, max, *number))
        return error = option + " takes a number from 1 to " + std::to_string(max) + ".", false;
    return true;
}

// FILE followed by option pairs.
bool ParseOptions(std::span<const std::string> args, RenderOptions& o, std::string& error) {
    if (args.empty()) return error = "--render needs a FILE.", false;
    o.input = args[0];
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (args[i] == "--gdi-only") {
            o.gdiOnly = true;
            --i; // a switch without a value
            continue;
        }
        if (i + 1 >= args.size()) return error = args[i] + " needs a value.", false;
        if (!ParseOption(args[i], args[i + 1], o, error)) return false;
    }
    if (o.format == Format::None)
        return error = "give one of --png, --bmp, --svg or --pdf with the output file.", false;
    if (o.width > 0 && o.size > 0) return error = "give --width or --size, not both.", false;
    const bool raster = o.format == Format::Png || o.format == Format::Bmp;
    if (!raster && (o.width > 0 || o.size > 0))
        return error = "SVG and PDF take the picture's own size; leave out --width and --size.",
               false;
    return true;
}

// Ends the process when drawing takes longer than allowed, before any output file exists:
// a file manager's thumbnailer must never hang on a hostile picture. An alarm rather than a
// thread, which would cost every thumbnail its start and join. An alarm still pending is
// that of a render that started this one again (with the system's fonts) and keeps its time.
class Watchdog {
public:
    explicit Watchdog(int seconds) : m_armed(seconds > 0) {
        if (!m_armed) return;
        std::signal(SIGALRM, &Expired);
        const unsigned pending = ::alarm(unsigned(seconds));
        if (pending > 0 && pending < unsigned(seconds)) ::alarm(pending);
    }
    ~Watchdog() {
        if (m_armed) ::alarm(0);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    static void Expired(int) {
        constexpr char kMessage[] = "kelvane: the picture took too long to draw.\n";
        [[maybe_unused]] const auto written = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
        std::_Exit(1);
    }
    bool m_armed;
};

// zlib's fastest level: pictures of flat colour come out about a tenth larger than at
// its default, in half the time, which is what a thumbnailer run once per picture waits for.
constexpr int kPngLevel = 1;

QByteArray EncodeBmp(const QImage& image) {
    std::vector<std::byte> rows;
    std::ostringstream bytes;
    StreamSink sink(bytes);
    if (!WriteBitmapFile(BitmapPixelsFromImage(image, rows), sink)) return {};
    return QByteArray::fromStdString(bytes.str());
}

// The output file's bytes; empty when the picture could not be drawn.
QByteArray Draw(const emf::EnhMetaFile& picture, const RenderOptions& o, emf::PlayNotes& notes) {
    const QString title = QFileInfo(QString::fromStdString(o.input)).completeBaseName();
    if (o.format == Format::Svg) return PictureToSvg(picture, title, &notes);
    if (o.format == Format::Pdf) return PictureToPdf(picture, title, &notes);
    const QSize size =
        RasterSize(PictureSizeMm(picture.Header()), o.width > 0 ? o.width : kDefaultWidth, o.size);
    const QImage image = PictureToImage(picture, size, &notes);
    if (image.isNull()) return {};
    return o.format == Format::Png ? EncodePngFile(image, kPngLevel) : EncodeBmp(image);
}

// --gdi-only for one run; the process's choice is put back afterwards.
class DrawChoice {
public:
    explicit DrawChoice(bool plus) : m_before(emf::DrawsEmfPlusByDefault()) {
        emf::SetDrawEmfPlusByDefault(plus);
    }
    ~DrawChoice() { emf::SetDrawEmfPlusByDefault(m_before); }
    DrawChoice(const DrawChoice&) = delete;
    DrawChoice& operator=(const DrawChoice&) = delete;

private:
    bool m_before;
};

// A rendering can be made again from its picture, and a thumbnailer's output is a file it
// reads back at once: what matters is that it is whole or absent, not that it is on disk.
bool WriteFile(const std::string& path, const QByteArray& bytes, std::string& error) {
    AtomicFile file(path, AtomicFile::Durability::Cached);
    if (file.Write(std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size())))) &&
        file.Commit())
        return true;
    error = file.Error();
    return false;
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

QSize RasterSize(const QSizeF& mm, int width, int longestSide) {
    const double aspect = mm.height() / mm.width();
    const auto side = [](double pixels) {
        return int(std::clamp(std::round(pixels), 1.0, double(kMaxSide)));
    };
    if (longestSide <= 0) return QSize(width, side(width * aspect));
    if (aspect <= 1) return QSize(longestSide, side(longestSide * aspect));
    return QSize(side(longestSide / aspect), longestSide);
}

int RunRender(std::span<const std::string> args, std::ostream& err) {
    RenderOptions options;
    std::string error;
    if (!ParseOptions(args, options, error)) {
        err << "kelvane: " << error << "\n";
        return 2;
    }
    QByteArray bytes;
    emf::PlayNotes notes;
    const DrawChoice choice(!options.gdiOnly);
    {
        const Watchdog watchdog(options.timeout);
        // The picture alone: the viewer's record list would only delay a thumbnail.
        const emf::PictureResult picture = LoadMetafileFile(options.input, error);
        if (!picture) {
            err << "kelvane: " << error << "\n";
            return 1;
        }
        // The faces first: a picture that needs the system's fonts then starts again at
        // once, not after most of its drawing.
        emf::DrawingFaces(*picture.picture);
        bytes = Draw(*picture.picture, options, notes);
    }
    // What drawing left out (a damaged embedded image, say) is a note, as damage is on --info.
    for (const std::string& sentence : notes.Sentences())
        err << "note: " << sentence << "\n";
    if (bytes.isEmpty()) {
        err << "kelvane: the picture could not be drawn.\n";
        return 1;
    }
    if (WriteFile(options.output, bytes, error)) return 0;
    err << "kelvane: " << error << "\n";
    return 1;
}

} // namespace metaview
