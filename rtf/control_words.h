#pragma once
// The control words the reader understands, and what they do to the group's state.

#include "rtf/reader_state.h"
#include "rtf/tokenizer.h"

#include <optional>
#include <string_view>

namespace rtf {

/// Control words grouped by the part of the reader that acts on them.
enum class Control {
    Unknown,
    // destinations
    FontTable,
    ColorTable,
    FieldInstruction,
    SkippedDestination,
    // document
    Ansi,
    AnsiCodePage,
    Mac,
    Pc,
    Pca,
    DefaultFont,
    // characters
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    FontSize,
    Font,
    Foreground,
    Background,
    Super,
    Sub,
    NoSuperSub,
    // paragraphs
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    // text
    ParagraphEnd,
    Unicode,
    FallbackCount,
    Special,
    // colour table
    Red,
    Green,
    Blue,
};

/// What a control word is; Control::Unknown for words that are ignored.
Control LookupControl(std::string_view name);

/// The character a Control::Special word stands for (\tab, \line, \emdash, ...).
char32_t SpecialCharacter(std::string_view name);

/// The character of \uN: a signed 16-bit value, or a code point above U+FFFF as some writers
/// put it; none when N is neither.
std::optional<char32_t> UnicodeValue(const Token& token);

/// Applies a character property; false when control is not one.
bool ApplyCharControl(Control control, const Token& token, CharState& chars);

/// Applies a paragraph property; false when control is not one.
bool ApplyParaControl(Control control, const Token& token, ParaState& para);

} // namespace rtf
