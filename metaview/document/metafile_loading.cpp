#include "metaview/document/metafile_loading.h"

#include "metaview/document/archive.h"

#include "emf/byte_reader.h"
#include "emf/wmf/wmf_converter.h"

namespace metaview {

namespace {

emf::PictureResult Refused(std::string reason) {
    emf::PictureResult r;
    r.error = std::move(reason);
    return r;
}

} // namespace

emf::PictureResult LoadMetafileBytes(std::vector<std::byte> file) {
    if (file.size() < 4) return Refused("The file is too short to be a metafile.");
    switch (emf::ReadU32(file, 0)) {
    case kEmfFileKey:
        return emf::EnhMetaFile::FromBytes(std::move(file));
    case kWmfFileKey:
        return emf::ConvertWmf(file);
    case emf::kPlaceableWmfKey:
        return emf::ConvertPlaceableWmf(file);
    default:
        return Refused("The file is neither an enhanced metafile nor a Windows metafile.");
    }
}

emf::PictureResult LoadMetafileFile(const std::filesystem::path& path, std::string& error) {
    auto bytes = ReadFileBytes(path, error);
    if (!bytes) return {};
    emf::PictureResult result = LoadMetafileBytes(std::move(*bytes));
    if (!result) error = "\"" + path.string() + "\": " + result.error;
    return result;
}

} // namespace metaview
