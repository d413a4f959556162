// Labels stuck on the medium itself; sizes and their sources are in the help page.
#include "examples/form_maker/form_layouts.h"
#include "examples/form_maker/track_list.h"

#include <algorithm>
#include <cmath>

namespace forms {
namespace {

// A centred box between y0 and y0 + h that fits inside the circle, less a margin at each end.
Box CircleBand(double cx, double cy, double r, double y0, double h, double margin) {
    const double far = std::max(std::abs(y0 - cy), std::abs(y0 + h - cy));
    const double half = std::sqrt(std::max(0.0, r * r - far * far)) - margin;
    return {cx - half, y0, 2 * half, h};
}

void RoundOutline(FormCanvas& c, double cx, double cy, double r, double hole) {
    c.Pen(0.3, 120);
    c.Circle(cx, cy, r - 0.15);
    c.Circle(cx, cy, hole + 0.15);
}

} // namespace

// Disc label: 117 mm across with a 41 mm hole; titles above the hole, tracks below.
void DrawCdDiscLabel(FormCanvas& c) {
    constexpr double cx = 58.5, cy = 58.5, r = 58.5, hole = 20.5;
    RoundOutline(c, cx, cy, r, hole);
    TitleLines(c, CircleBand(cx, cy, r, 9, 6.5, 4), 5, CircleBand(cx, cy, r, 16.5, 5, 4), 3.6);
    c.Font(2.8);
    c.Text(CircleBand(cx, cy, hole + 14, 30, 4, 2), Placeholder(u'X', -1), Align::Centre);
    c.Text({7, 56.5, 30, 4}, Placeholder(u'D', -1), Align::Left);
    c.Text({80, 56.5, 30, 4}, Placeholder(u'M', -1), Align::Right);
    // Two columns below the hole, as wide as the circle leaves the lowest line: 16 titles.
    const TrackStyle style{2.5, 3.2, false, false};
    const Box block = CircleBand(cx, cy, r, 81.5, 8 * style.pitch, 3);
    TrackColumns(c, block, 1, 8, 2, style, 3);
}

// Record centre label, 100 mm across with the 7.24 mm spindle hole.
void DrawLpCentreLabel(FormCanvas& c) {
    constexpr double cx = 50, cy = 50, r = 50, hole = 3.62;
    RoundOutline(c, cx, cy, r, hole);
    TitleLines(c, CircleBand(cx, cy, r, 13.5, 5.5, 3), 4.4, CircleBand(cx, cy, r, 20, 4, 3), 3.2);
    c.Font(2.6);
    c.Text(CircleBand(cx, cy, r, 26, 3.6, 3), Placeholder(u'X', -1), Align::Centre);
    c.Text({9, 48.2, 35, 3.6}, Placeholder(u'D', -1), Align::Left);
    c.Text({56, 48.2, 35, 3.6}, Placeholder(u'M', -1), Align::Right);
    const TrackStyle style{2.4, 3.3, true, true};
    TrackColumns(c, CircleBand(cx, cy, r, 56, 10 * style.pitch, 4), 1, 10, 1, style);
}

// MiniDisc: the face label (52 x 38 mm) above the spine label (68 x 4.5 mm).
void DrawMiniDiscLabel(FormCanvas& c) {
    c.Pen(0.3, 120);
    c.Rectangle({8.15, 0.15, 51.7, 37.7});
    c.Rectangle({0.15, 41.65, 67.7, 4.2});
    TitleLines(c, {10, 2, 48, 4.6}, 3.6, {10, 6.8, 48, 3.4}, 2.6);
    c.Pen(0.15);
    c.Line(10, 10.6, 58, 10.6);
    TrackColumns(c, {10, 11.6, 48, 20.3}, 1, 7, 2, {2.1, 2.9, false, false}, 2);
    c.Font(2.1);
    c.Text({10, 33.4, 23, 3}, Placeholder(u'D', -1));
    c.Text({35, 33.4, 23, 3}, Placeholder(u'M', -1), Align::Right);
    c.Font(2.6, true);
    c.Text({1.5, 42.3, 44, 3.2}, Placeholder(u'L', 1));
    c.Font(2.4);
    c.Text({46.5, 42.4, 20, 3.1}, Placeholder(u'L', 2));
}

// A plain 100 x 50 mm label for whatever the other media are.
void DrawPlainLabel(FormCanvas& c) {
    CutLine(c);
    TitleLines(c, {4, 3, 92, 5.5}, 4.2, {4, 9, 92, 4}, 3.0, Align::Left);
    c.Pen(0.2);
    c.Line(4, 13.8, 96, 13.8);
    TrackColumns(c, {4, 15, 92, 28.8}, 1, 9, 2, {2.3, 3.2, true, true});
    FooterLine(c, {4, 45, 92, 3.4}, 2.2);
}

const std::vector<FormSpec>& Forms() {
    static const std::vector<FormSpec> forms = {
        {"cd_booklet.emf", u"CD booklet front", 120, 120, DrawCdBooklet},
        {"cd_tray_card.emf", u"CD tray card with spines", 151, 118, DrawCdTrayCard},
        {"cd_disc_label.emf", u"CD disc label", 117, 117, DrawCdDiscLabel},
        {"mc_j_card.emf", u"Cassette J-card", 101.6, 101.6, DrawCassetteJCard},
        {"md_label.emf", u"MiniDisc label and spine", 68, 46, DrawMiniDiscLabel},
        {"dvd_insert.emf", u"DVD case insert", 273, 183, DrawDvdInsert},
        {"lp_centre_label.emf", u"Record centre label", 100, 100, DrawLpCentreLabel},
        {"mp3_booklet.emf", u"MP3 media booklet", 120, 120, DrawMp3Booklet},
        {"plain_label.emf", u"Plain label", 100, 50, DrawPlainLabel},
    };
    return forms;
}

} // namespace forms
