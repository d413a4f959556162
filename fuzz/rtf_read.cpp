// Reads arbitrary bytes as RTF, writes the document back and reads that again.

#include "rtf/rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts in text formats need it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextDocument doc;
    rtf::Read(std::as_bytes(std::span(data, size)), doc);
    const QByteArray written = rtf::Write(doc);
    for (char c : written)
        if (static_cast<unsigned char>(c) >= 0x80) std::abort(); // must stay 7-bit
    QTextDocument copy;
    if (!rtf::Read(written, copy)) std::abort(); // our own output is always RTF
    return 0;
}
