// Reads arbitrary bytes as a gLabels template file and as a paper-sizes file, and turns every
// product read into a stored sheet.

#include "labels/sheets/template_reader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const sheets::PaperSizes papers = sheets::ReadPaperSizes(bytes);
    const sheets::TemplateFile file = sheets::ReadTemplateFile(bytes, papers, QStringLiteral("x"));
    for (const sheets::TemplateEntry& e : file.entries) {
        const sheets::SheetTemplate& s = e.sheet;
        if (s.columns < 1 || s.rows < 1 || !std::isfinite(s.width) || s.width < 0)
            std::abort(); // only a grid of labels is ever accepted
        const FormMargins m = sheets::ToFormMargins(s);
        if (m.left < 0 || m.horizontalSpacing < 0 || !std::isfinite(sheets::RoundingError(s)))
            std::abort();
        (void)s.SizeText();
    }
    return 0;
}
