// Inserts that go into cases; sizes and their sources are in the help page on print forms.
#include "examples/form_maker/form_layouts.h"
#include "examples/form_maker/track_list.h"

namespace forms {
namespace {

constexpr int kFoldGrey = 150;

void Fold(FormCanvas& c, double x) {
    c.Pen(0.15, kFoldGrey);
    c.Line(x, 0.3, x, c.Height() - 0.3);
}

} // namespace

void CutLine(FormCanvas& c) {
    // The pen is centred on the outline: half its width inside keeps all of it in the frame.
    c.Pen(0.3, 120);
    c.Rectangle({0.15, 0.15, c.Width() - 0.3, c.Height() - 0.3});
}

// Jewel case booklet front, 120 x 120 mm: titles and 48 tracks in two columns.
void DrawCdBooklet(FormCanvas& c) {
    CutLine(c);
    TitleLines(c, {6, 6, 108, 7.5}, 6, {6, 14.5, 108, 5.5}, 4.2);
    c.Pen(0.2);
    c.Line(6, 22, 114, 22);
    TrackColumns(c, {6, 24.5, 108, 84}, 1, 24, 2, {2.6, 3.5, true, true});
    c.Line(6, 110.5, 114, 110.5);
    FooterLine(c, {6, 112, 108, 4}, 2.6);
}

// The same booklet for MP3 media: 75 tracks in three columns, titles only.
void DrawMp3Booklet(FormCanvas& c) {
    CutLine(c);
    TitleLines(c, {6, 6, 108, 7.5}, 6, {6, 14.5, 108, 5.5}, 4.2);
    c.Pen(0.2);
    c.Line(6, 22, 114, 22);
    TrackColumns(c, {6, 24, 108, 85.8}, 1, 26, 3, {2.3, 3.3, true, false}, 3);
    c.Line(6, 110.5, 114, 110.5);
    FooterLine(c, {6, 112, 108, 4}, 2.6);
}

// Tray card, 151 x 118 mm: the back (138 mm) between two spines of 6.5 mm.
void DrawCdTrayCard(FormCanvas& c) {
    CutLine(c);
    Fold(c, 6.5);
    Fold(c, 144.5);
    TitleLines(c, {10, 4.5, 131, 6}, 4.6, {10, 11, 131, 4.5}, 3.2);
    c.Pen(0.2);
    c.Line(10, 16.5, 141, 16.5);
    TrackColumns(c, {10, 18.5, 131, 91}, 1, 26, 2, {2.5, 3.5, true, true}, 5);
    c.Line(10, 110.5, 141, 110.5);
    FooterLine(c, {10, 112, 131, 3.6}, 2.5);
    // The left spine reads upwards, the right one downwards, as on a shop's shelf.
    c.Font(3.4, true, Turn::Up);
    c.Text({1.4, 40, 4.2, 75}, Placeholder(u'L', 1));
    c.Font(3.0, false, Turn::Up);
    c.Text({1.6, 3, 4, 35}, Placeholder(u'X', -1), Align::Right);
    c.Font(3.4, true, Turn::Down);
    c.Text({145.4, 3, 4.2, 75}, Placeholder(u'L', 1));
    c.Font(3.0, false, Turn::Down);
    c.Text({145.4, 80, 4, 35}, Placeholder(u'X', -1), Align::Right);
}

// Three-panel cassette J-card, 101.6 x 101.6 mm: flap 25.4, spine 12.7, front 63.5.
void DrawCassetteJCard(FormCanvas& c) {
    CutLine(c);
    Fold(c, 25.4);
    Fold(c, 38.1);
    TitleLines(c, {41, 4, 57.5, 5.5}, 4.2, {41, 10, 57.5, 4}, 3.0);
    c.Pen(0.2);
    c.Line(41, 15.5, 98.5, 15.5);
    TrackColumns(c, {41, 17, 57.5, 76.8}, 1, 24, 1, {2.3, 3.2, true, true});
    c.Line(41, 94.5, 98.5, 94.5);
    c.Font(2.3);
    c.Text({41, 96, 28, 3.4}, Placeholder(u'D', -1));
    c.Text({70.5, 96, 28, 3.4}, Placeholder(u'M', -1), Align::Right);
    // Spine: the titles read upwards, one line each.
    c.Font(3.6, true, Turn::Up);
    c.Text({26.6, 3, 4.8, 95.6}, Placeholder(u'L', 1));
    c.Font(3.0, false, Turn::Up);
    c.Text({32.2, 30, 4.2, 68.6}, Placeholder(u'L', 2));
    c.Text({32.2, 3, 4.2, 25}, Placeholder(u'X', -1), Align::Right);
    // Flap: what the medium is, for the back of the case.
    c.Font(2.6);
    c.Text({2, 4, 21.4, 3.6}, Placeholder(u'X', -1));
    c.Text({2, 9, 21.4, 3.6}, Placeholder(u'D', -1));
    c.Text({2, 14, 21.4, 3.6}, Placeholder(u'M', -1));
}

// DVD case insert, 273 x 183 mm: back 129.5, spine 14, front 129.5.
void DrawDvdInsert(FormCanvas& c) {
    CutLine(c);
    Fold(c, 129.5);
    Fold(c, 143.5);
    TitleLines(c, {8, 8, 113.5, 6.5}, 5, {8, 15.5, 113.5, 5}, 3.6);
    c.Pen(0.2);
    c.Line(8, 22, 121.5, 22);
    TrackColumns(c, {8, 25, 113.5, 132}, 1, 30, 2, {3.0, 4.4, true, true}, 5);
    c.Line(8, 160, 121.5, 160);
    FooterLine(c, {8, 162, 113.5, 4.5}, 3.0);
    c.Font(5.5, true, Turn::Down);
    c.Text({133.2, 8, 7.2, 115}, Placeholder(u'L', 1));
    c.Font(4, false, Turn::Down);
    c.Text({134.2, 128, 5.5, 47}, Placeholder(u'X', -1), Align::Right);
    TitleLines(c, {150, 62, 116, 11.5}, 9, {150, 75, 116, 8}, 6);
    c.Font(3.6);
    c.Text({150, 160, 116, 5}, Placeholder(u'D', -1), Align::Centre);
    c.Text({150, 166, 116, 5}, Placeholder(u'M', -1), Align::Centre);
}

} // namespace forms
