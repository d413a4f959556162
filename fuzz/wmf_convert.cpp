// Converts arbitrary bytes as a Windows metafile (plain, or placeable when the key leads). What
// converts must be a sound picture; one converted from records (not an embedded EMF given
// back) must have header counts that agree with what was written.
#include "emf/enh_metafile.h"
#include "emf/wmf/wmf_context.h"
#include "emf/wmf/wmf_converter.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const emf::Bytes file(reinterpret_cast<const std::byte*>(data), size);
    const bool placeable = emf::ReadU32(file, 0) == emf::kPlaceableWmfKey;
    const emf::Bytes wmf = placeable ? emf::PlaceableWmfBody(file) : file;
    const emf::PictureResult r = placeable ? emf::ConvertPlaceableWmf(file) : emf::ConvertWmf(wmf);
    if (!r) return 0;
    const emf::EnhMetaFile& p = *r.picture;
    if (!p.Notes().damage.empty()) __builtin_trap();
    if (!emf::EmbeddedEmf(wmf) &&
        (p.Header().nRecords != p.Records().size() || p.Header().nBytes != p.Data().size()))
        __builtin_trap();
    return 0;
}
