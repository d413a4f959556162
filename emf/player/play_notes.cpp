#include "emf/player/play_notes.h"

namespace emf {

namespace {

std::string Counted(int n, const char* one, const char* many) {
    return n == 1 ? one : std::to_string(n) + many;
}

} // namespace

std::vector<std::string> PlayNotes::Sentences() const {
    std::vector<std::string> out;
    if (damagedImages > 0)
        out.push_back(Counted(damagedImages, "an embedded image is damaged and was left out.",
                              " embedded images are damaged and were left out."));
    if (skippedFloodFills > 0)
        out.push_back(Counted(skippedFloodFills,
                              "a flood fill was left out: this device's pixels cannot be read.",
                              " flood fills were left out: this device's pixels cannot be read."));
    if (skippedPlusRecords > 0)
        out.push_back(Counted(skippedPlusRecords,
                              "an EMF+ record was skipped: unknown, unsupported or damaged.",
                              " EMF+ records were skipped: unknown, unsupported or damaged."));
    return out;
}

} // namespace emf
