#include "emf/wmf_converter.h"

namespace emf {

PictureResult ConvertWmf(Bytes) {
    PictureResult result;
    result.error = "WMF conversion is not available yet";
    return result;
}

Bytes PlaceableWmfBody(Bytes file) {
    if (file.size() < kPlaceableHeaderSize) return {};
    const std::uint64_t words = ReadU32(file, kPlaceableHeaderSize + 6);
    const std::size_t available = file.size() - kPlaceableHeaderSize;
    return file.subspan(kPlaceableHeaderSize,
                        static_cast<std::size_t>(std::min<std::uint64_t>(2 * words, available)));
}

} // namespace emf
