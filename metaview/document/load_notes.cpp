#include "metaview/document/load_notes.h"

namespace metaview {

std::string LoadNoteText(const emf::LoadNotes& notes) {
    std::string text;
    if (notes.recordCountDiffers) text += "Note: the header's record count is wrong.\n";
    if (notes.byteCountDiffers) text += "Note: the header's byte count is wrong.\n";
    if (!notes.damage.empty()) text += "Note: the records end early: " + notes.damage + "\n";
    if (notes.eofAdded) text += "Note: EMR_EOF was missing and has been added.\n";
    if (notes.ignoredBytes > 0)
        text += "Note: " + std::to_string(notes.ignoredBytes) + " bytes were ignored.\n";
    return text;
}

} // namespace metaview
