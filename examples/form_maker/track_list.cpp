#include "examples/form_maker/track_list.h"

namespace forms {
namespace {

// A track line: its title (or title / interpreter) and, at the right, its length.
void TrackLine(FormCanvas& canvas, const Box& line, int track, const TrackStyle& style) {
    // "120:05" and a little air.
    const double timeWidth = style.times ? 3.4 * style.font : 0;
    canvas.Text({line.x, line.y, line.w - timeWidth, line.h},
                Placeholder(style.combined ? u'C' : u'N', track));
    if (style.times)
        canvas.Text({line.Right() - timeWidth, line.y, timeWidth, line.h}, Placeholder(u'T', track),
                    Align::Right);
}

} // namespace

void TrackColumns(FormCanvas& canvas, const Box& area, int first, int rows, int columns,
                  const TrackStyle& style, double gap) {
    canvas.Font(style.font);
    const double width = (area.w - gap * (columns - 1)) / columns;
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            TrackLine(canvas,
                      {area.x + c * (width + gap), area.y + r * style.pitch, width, style.pitch},
                      first + c * rows + r, style);
}

void TitleLines(FormCanvas& canvas, const Box& first, double firstFont, const Box& second,
                double secondFont, Align align) {
    canvas.Font(firstFont, true);
    canvas.Text(first, Placeholder(u'L', 1), align);
    canvas.Font(secondFont);
    canvas.Text(second, Placeholder(u'L', 2), align);
}

void FooterLine(FormCanvas& canvas, const Box& box, double font) {
    canvas.Font(font);
    const double third = box.w / 3;
    canvas.Text({box.x, box.y, third, box.h}, Placeholder(u'X', -1), Align::Left);
    canvas.Text({box.x + third, box.y, third, box.h}, Placeholder(u'D', -1), Align::Centre);
    canvas.Text({box.x + 2 * third, box.y, third, box.h}, Placeholder(u'M', -1), Align::Right);
}

} // namespace forms
