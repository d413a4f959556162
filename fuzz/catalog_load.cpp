// Loads arbitrary bytes as a catalogue. What loads must save back to the very bytes it came
// from; the loaded records must then survive a search and the add operations.
#include "catalog/catalogue.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CCatalogue catalogue;
    const bool ok = catalogue.Load(std::span(reinterpret_cast<const std::byte*>(data), size)).ok();
    std::vector<std::byte> saved;
    catalogue.Save(saved);
    if (ok && size > 0 && (saved.size() > size || std::memcmp(saved.data(), data, saved.size())))
        __builtin_trap();
    catalogue.Search("a");
    catalogue.Media().AddMedia("x", "y", 0, 0, {});
    catalogue.Interpreters().FindOrAddInterpreter("z");
    if (CMedia* first = catalogue.Media().FirstMedia()) {
        first->AddTrack("t", 590, 0, 2);
        first->MoveTrack(2, true);
        first->DeleteTrack(1);
    }
    return 0;
}
