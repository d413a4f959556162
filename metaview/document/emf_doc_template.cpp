#include "metaview/document/emf_doc_template.h"

#include <algorithm>
#include <cctype>

namespace {

std::string_view NthLine(std::string_view text, int n) {
    for (; n > 0; --n) {
        const std::size_t lf = text.find('\n');
        if (lf == std::string_view::npos) return {};
        text.remove_prefix(lf + 1);
    }
    return text.substr(0, text.find('\n'));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

namespace metaview {

std::string InsertFilterWildcard(std::string_view extensions) {
    const std::size_t semi = extensions.find(';');
    if (semi == std::string_view::npos) return std::string(extensions);
    std::string out(extensions.substr(0, semi + 1));
    out += '*';
    out += extensions.substr(semi + 1);
    return out;
}

} // namespace metaview

std::string CEMFDocTemplate::GetDocString(DocStringIndex index) {
    const std::string_view text = NthLine(kDocString, index);
    return index == filterExt ? metaview::InsertFilterWildcard(text) : std::string(text);
}

CEMFDocTemplate::Match CEMFDocTemplate::MatchDocType(std::string_view path,
                                                     std::span<const std::string> openPaths) {
    const auto open = std::find(openPaths.begin(), openPaths.end(), path);
    if (open != openPaths.end()) return {yesAlreadyOpen, open - openPaths.begin()};
    const std::string filter = GetDocString(filterExt);
    const std::size_t dot = path.rfind('.');
    if (filter.empty() || dot == std::string_view::npos) return {};
    const std::string_view ext = path.substr(dot);
    const std::size_t semi = filter.find(";*");
    const std::string_view first = std::string_view(filter).substr(0, semi);
    const std::string_view second =
        semi == std::string::npos ? std::string_view() : std::string_view(filter).substr(semi + 2);
    if (EqualsNoCase(ext, first) || (!second.empty() && EqualsNoCase(ext, second)))
        return {yesAttemptNative};
    return {};
}
