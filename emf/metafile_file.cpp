#include "emf/metafile_file.h"

#include "emf/wmf/wmf_converter.h"

namespace emf {

PictureResult ReadMetafileFile(std::vector<std::byte> file) {
    switch (ReadU32(file, 0)) {
    case kEmfFileKey:
        return EnhMetaFile::FromBytes(std::move(file));
    case kWmfFileKey:
        return ConvertWmf(file);
    case kPlaceableWmfKey:
        return ConvertPlaceableWmf(file);
    default:
        return PictureResult{std::nullopt, "neither an enhanced metafile nor a Windows metafile"};
    }
}

} // namespace emf
