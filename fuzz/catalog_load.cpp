// Loads arbitrary bytes as a catalogue, then saves and searches what was read.
#include "catalog/catalogue.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CCatalogue catalogue;
    catalogue.Load(std::span(reinterpret_cast<const std::byte*>(data), size));
    std::vector<std::byte> saved;
    catalogue.Save(saved);
    catalogue.Search("a");
    catalogue.Media().AddMedia("x", "y", 0, 0, {});
    catalogue.Interpreters().FindOrAddInterpreter("z");
    return 0;
}
