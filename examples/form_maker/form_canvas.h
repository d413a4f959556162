#pragma once
// Drawing a print form in millimetres: a thin layer over the metafile builder whose logical
// unit is 0.01 mm, so the frame is the form's true size and every text is clipped to a box
// inside it.

#include "emf/emf_builder.h"

#include <string>
#include <string_view>

namespace forms {

/// A box in millimetres: left, top, width, height.
struct Box {
    double x = 0, y = 0, w = 0, h = 0;
    double Right() const { return x + w; }
    double Bottom() const { return y + h; }
};

enum class Align { Left, Centre, Right };

/// Text direction: along the page, or turned a quarter for spines (reading upwards or
/// downwards).
enum class Turn { None, Up, Down };

class FormCanvas {
public:
    /// A form of width x height mm; description is the picture's name in the header.
    FormCanvas(double width, double height, std::u16string_view description);

    double Width() const { return m_width; }
    double Height() const { return m_height; }

    /// Pen for lines and outlines, width in mm; grey 0..255.
    void Pen(double width, int grey = 0);
    /// The font of the texts that follow: em height in mm.
    void Font(double height, bool bold = false, Turn turn = Turn::None);
    void Line(double x1, double y1, double x2, double y2);
    /// An outline, not filled.
    void Rectangle(const Box& box);
    void Circle(double cx, double cy, double radius);
    /// One text item clipped to box: its top edge at the box's top (for turned text, at
    /// the box's side the glyphs' tops face).
    void Text(const Box& box, std::u16string_view text, Align align = Align::Left);

    std::vector<std::byte> Build() const { return m_builder.Build(); }

private:
    void Select(std::uint32_t handle, std::uint32_t& current);

    emf::EmfBuilder m_builder;
    double m_width, m_height;
    Turn m_turn = Turn::None;
    std::uint32_t m_align = 0xFFFFFFFF;
    std::uint32_t m_pen = 0, m_font = 0; ///< the selected object of each kind
    std::uint32_t m_nextHandle = 1;
};

/// "#N07": a placeholder letter with its two-digit number.
std::u16string Placeholder(char16_t letter, int n);

} // namespace forms
