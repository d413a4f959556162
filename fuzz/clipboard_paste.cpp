// Reads arbitrary bytes as both clipboard blocks. What decodes must paste into a catalogue
// and copy out again to a block that decodes to the same medium.
#include "catalog/file/clipboard_paste.h"
#include "catalog/catalogue_edit.h"
#include "catalog/file/clipboard_format.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span block(reinterpret_cast<const std::byte*>(data), size);
    CCatalogue catalogue;
    CMedia* target = catalogue.Media().AddMedia("m", "", 0, 0, {});
    catalog::CatalogueEdit edit(catalogue);
    if (const auto track = catalog::DecodeTrackClip(block))
        catalog::PasteTrack(edit, *target, *track, 1);
    if (const auto media = catalog::DecodeMediaClip(block)) {
        CMedia* pasted = catalog::PasteMedia(edit, *media);
        const auto again = catalog::DecodeMediaClip(
            catalog::EncodeMediaClip(catalog::MediaClipOf(*pasted, catalogue.Interpreters())));
        if (!again || again->tracks.size() != media->tracks.size() ||
            again->title1 != media->title1 || again->information != media->information)
            __builtin_trap();
        catalog::MediaClipText(*again);
    }
    return 0;
}
