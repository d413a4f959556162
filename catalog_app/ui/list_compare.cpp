#include "catalog_app/ui/list_compare.h"

#include "catalog/interpreter_list.h"
#include "catalog/media.h"

namespace {

unsigned char Lower(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

template <typename T> int Greater(T first, T second) {
    return first > second ? 1 : 0;
}

} // namespace

int CompareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = int(Lower(a[i])) - int(Lower(b[i]));
        if (d != 0) return d;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompareMedia(const CMedia& first, const CMedia& second, int column) {
    switch (column) {
    case 0:
        return Greater(first.MediaIndex(), second.MediaIndex());
    case 1:
        return CompareNoCase(first.Title1(), second.Title1());
    case 2:
        return CompareNoCase(first.Title2(), second.Title2());
    case 3:
        return Greater(first.TotalLength(), second.TotalLength());
    case 4:
        return Greater(first.CreationTime(), second.CreationTime());
    case 5:
        // The stored number, unsigned: a damaged negative type sorts last.
        return Greater(std::uint32_t(first.MediaType()), std::uint32_t(second.MediaType()));
    default:
        return 0;
    }
}

int CompareInterpreters(const CInterpreter& first, const CInterpreter& second, int column) {
    switch (column) {
    case 0:
        return Greater(first.InterpreterIndex(), second.InterpreterIndex());
    case 1:
        return CompareNoCase(first.Name(), second.Name());
    default:
        return 0;
    }
}
