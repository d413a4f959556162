#include "rtf/rtf.h"

#include "rtf/code_page.h"
#include "rtf/reader.h"
#include "rtf/writer.h"

#include <QTextDocument>

#include <string_view>

namespace rtf {

namespace {

std::string_view AsChars(std::span<const std::byte> data) {
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

// Where the RTF group starts, or npos when text is not RTF. Leading white space is allowed.
std::size_t RtfStart(std::string_view text) {
    std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || !text.substr(start).starts_with("{\\rtf"))
        return std::string_view::npos;
    return start;
}

QString DecodePlainText(std::string_view bytes) {
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    }
    QString text;
    ByteDecoder decoder;
    for (char c : bytes)
        decoder.push(static_cast<std::uint8_t>(c));
    decoder.flushInto(text);
    return text;
}

void ReadPlainText(std::string_view bytes, QTextDocument& doc) {
    QString text = DecodePlainText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.remove(QChar(0));
    doc.setPlainText(text);
}

} // namespace

bool Read(std::span<const std::byte> data, QTextDocument& doc) {
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false); // also clears the history
    doc.clear();
    const std::size_t start = RtfStart(AsChars(data));
    const bool isRtf = start != std::string_view::npos;
    if (isRtf)
        Reader(doc).run(data.subspan(start));
    else
        ReadPlainText(AsChars(data), doc);
    doc.setUndoRedoEnabled(undo);
    doc.setModified(false);
    return isRtf;
}

bool Read(const QByteArray& data, QTextDocument& doc) {
    return Read(std::as_bytes(std::span(data.constData(), std::size_t(data.size()))), doc);
}

QByteArray Write(const QTextDocument& doc) {
    return Writer(doc).run();
}

} // namespace rtf
