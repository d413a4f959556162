#pragma once
// What playing noticed that the picture cannot show: parts left out because their data is
// damaged or because the device cannot do what they ask.

#include <string>
#include <vector>

namespace emf {

struct PlayNotes {
    int damagedImages = 0;      ///< embedded bitmaps (DIB, JPEG, PNG) that could not be decoded
    int skippedFloodFills = 0;  ///< flood fills on a device whose pixels cannot be read
    int skippedPlusRecords = 0; ///< GDI+ records unknown, unsupported or damaged

    /// One sentence per kind of note, for the user; empty when there is nothing to say.
    std::vector<std::string> Sentences() const;
};

} // namespace emf
