// Converts arbitrary bytes as a Windows metafile (plain, or placeable when the key leads). What
// converts must be a picture whose header counts agree with what was written.
#include "emf/enh_metafile.h"
#include "emf/wmf_converter.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const emf::Bytes bytes(reinterpret_cast<const std::byte*>(data), size);
    const bool placeable = emf::ReadU32(bytes, 0) == emf::kPlaceableWmfKey;
    const emf::PictureResult r = emf::ConvertWmf(placeable ? emf::PlaceableWmfBody(bytes) : bytes);
    if (!r) return 0;
    const emf::EnhMetaFile& p = *r.picture;
    if (p.Header().nRecords != p.Records().size() || p.Header().nBytes != p.Data().size() ||
        !p.Notes().damage.empty())
        __builtin_trap();
    return 0;
}
