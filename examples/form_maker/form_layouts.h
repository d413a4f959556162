#pragma once
// The forms Melvara ships: one or more for each media type, at the sizes of what is printed
// for that medium.

#include "examples/form_maker/form_canvas.h"

#include <vector>

namespace forms {

struct FormSpec {
    const char* file;            ///< file name in the forms folder
    const char16_t* description; ///< the picture's name in its header
    double width, height;        ///< mm
    void (*draw)(FormCanvas&);
};

/// Every form, in the order the forms folder lists them.
const std::vector<FormSpec>& Forms();

// Inserts for cases: booklets, tray card, J-card, DVD cover.
void DrawCdBooklet(FormCanvas& c);
void DrawMp3Booklet(FormCanvas& c);
void DrawCdTrayCard(FormCanvas& c);
void DrawCassetteJCard(FormCanvas& c);
void DrawDvdInsert(FormCanvas& c);
// Labels stuck on the medium: disc, record centre, MiniDisc, a plain label.
void DrawCdDiscLabel(FormCanvas& c);
void DrawLpCentreLabel(FormCanvas& c);
void DrawMiniDiscLabel(FormCanvas& c);
void DrawPlainLabel(FormCanvas& c);

/// The cut line around the whole form, drawn inside its frame.
void CutLine(FormCanvas& c);

} // namespace forms
