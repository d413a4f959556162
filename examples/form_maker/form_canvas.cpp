#include "examples/form_maker/form_canvas.h"

#include "emf/byte_writer.h"
#include "emf/player/gdi_types.h"
#include "emf/record_types.h"

#include <cmath>

namespace forms {
namespace {

// 0.01 mm per logical unit: a reference device of 40 x 40 cm at 100 pixels per mm holds
// every form with room to spare.
constexpr emf::ReferenceDevice kFormDevice{{40000, 40000}, {400, 400}};

std::int32_t U(double mm) {
    return static_cast<std::int32_t>(std::lround(mm * 100));
}

emf::RectL Units(const Box& b) {
    return {U(b.x), U(b.y), U(b.Right()), U(b.Bottom())};
}

} // namespace

FormCanvas::FormCanvas(double width, double height, std::u16string_view description)
    : m_width(width), m_height(height) {
    m_builder.SetDevice(kFormDevice);
    m_builder.SetFrame({0, 0, U(width), U(height)});
    m_builder.SetBounds({0, 0, U(width) - 1, U(height) - 1});
    m_builder.SetDescription(u"Melvara", description);
    m_builder.SetBkMode(emf::TRANSPARENT);
    m_builder.SetTextColor(0);
    // A fill of an outline must never cover what was drawn before it.
    m_builder.SelectObject(0x80000000 | emf::NULL_BRUSH);
    // Nothing of the form can reach beyond its frame, whatever texts fill it.
    m_builder.AddRecord(emf::EMR_INTERSECTCLIPRECT,
                        emf::PackParams(emf::RectL{0, 0, U(width), U(height)}));
}

void FormCanvas::Select(std::uint32_t handle, std::uint32_t& current) {
    m_builder.SelectObject(handle);
    if (current) m_builder.DeleteObject(current);
    current = handle;
}

void FormCanvas::Pen(double width, int grey) {
    const std::uint32_t handle = m_nextHandle++;
    const std::uint32_t colour = std::uint32_t(grey) * 0x010101;
    m_builder.CreatePen(handle, emf::PS_SOLID, U(width), colour);
    Select(handle, m_pen);
}

void FormCanvas::Font(double height, bool bold, Turn turn) {
    emf::LogFontW font;
    font.height = -U(height);
    font.weight = bold ? 700 : 400;
    font.escapement = font.orientation = turn == Turn::Up ? 900 : turn == Turn::Down ? 2700 : 0;
    font.quality = 5; // cleartype-natural: outlines as drawn
    font.faceName = u"Arial";
    const std::uint32_t handle = m_nextHandle++;
    m_builder.ExtCreateFontIndirectW(handle, font);
    Select(handle, m_font);
    m_turn = turn;
}

void FormCanvas::Line(double x1, double y1, double x2, double y2) {
    m_builder.MoveToEx({U(x1), U(y1)});
    m_builder.LineTo({U(x2), U(y2)});
}

void FormCanvas::Rectangle(const Box& box) {
    m_builder.Rectangle(Units(box));
}

void FormCanvas::Circle(double cx, double cy, double r) {
    m_builder.Ellipse(Units({cx - r, cy - r, 2 * r, 2 * r}));
}

void FormCanvas::Text(const Box& box, std::u16string_view text, Align align) {
    // The reference point is the start of the line in reading direction; for turned text
    // the line runs along the box's height.
    const std::uint32_t horizontal = align == Align::Left    ? emf::TA_LEFT
                                     : align == Align::Right ? emf::TA_RIGHT
                                                             : emf::TA_CENTER;
    if (m_align != (horizontal | emf::TA_TOP)) {
        m_align = horizontal | emf::TA_TOP;
        m_builder.SetTextAlign(m_align);
    }
    double x = box.x, y = box.y;
    const double along = align == Align::Left ? 0 : align == Align::Right ? 1 : 0.5;
    if (m_turn == Turn::None) {
        x = box.x + along * box.w;
    } else if (m_turn == Turn::Up) {
        y = box.Bottom() - along * box.h;
    } else {
        x = box.Right(), y = box.y + along * box.h;
    }
    m_builder.ExtTextOutW({U(x), U(y)}, text, emf::ETO_CLIPPED, Units(box));
}

std::u16string Placeholder(char16_t letter, int n) {
    std::u16string text{u'#', letter};
    if (n >= 0) {
        text.push_back(char16_t(u'0' + n / 10 % 10));
        text.push_back(char16_t(u'0' + n % 10));
    }
    return text;
}

} // namespace forms
