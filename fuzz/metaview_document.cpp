// Outside bytes opened as a viewer document, with every inspection the viewer offers run
// over them; what is saved as seen must load again.

#include "metaview/document/emf_data.h"
#include "metaview/document/file_info.h"
#include "metaview/document/record_format.h"

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

void Inspect(const CEMFData& data) {
    metaview::FileInformationRows(data.Header(), data.Description());
    std::vector<std::string> lines;
    for (const auto& record : data.Picture().Records())
        for (auto form : {metaview::ParameterForm::Hex, metaview::ParameterForm::Dec,
                          metaview::ParameterForm::Char})
            FormatRecordParameters(record.data, form, lines);
}

std::vector<std::byte> SavedAsSeen(CEMFData& data) {
    for (std::size_t i = 0; i < data.RecordCount(); ++i)
        data.SetPlayFlag(i, i % 3 != 1);
    std::ostringstream out;
    metaview::StreamSink sink(out);
    if (!data.StoreToArchive(sink, false)) __builtin_trap();
    const std::string s = out.str();
    std::vector<std::byte> bytes(s.size());
    std::memcpy(bytes.data(), s.data(), s.size());
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::byte> bytes(size);
    if (size) std::memcpy(bytes.data(), data, size);
    CEMFData doc;
    std::string error;
    if (!doc.LoadFromArchive(std::move(bytes), error)) return 0;
    Inspect(doc);
    CEMFData again;
    if (!again.LoadFromArchive(SavedAsSeen(doc), error)) __builtin_trap();
    return 0;
}
