#include "rtf/reader.h"

#include "rtf/field_instruction.h"

#include <algorithm>
#include <utility>

namespace rtf {

namespace {

constexpr int kMaxFallbackCount = 16;
constexpr qsizetype kMaxInstruction = 4096; // a field instruction longer than this is no link

} // namespace

Reader::Reader(QTextDocument& doc) : m_fonts(m_info), m_out(doc, m_fonts, m_colors, m_info) {
    m_stack.reserve(kMaxDepth + 1);
    m_stack.emplace_back();
}

void Reader::run(Bytes data) {
    Tokenizer tokens(data);
    for (Token t = tokens.next(); t.kind != TokenKind::End; t = tokens.next()) {
        switch (t.kind) {
        case TokenKind::GroupStart:
            onGroupStart();
            break;
        case TokenKind::GroupEnd:
            if (!onGroupEnd()) return m_out.finish(); // the document's own group closed
            break;
        case TokenKind::Word:
            onWord(t);
            break;
        case TokenKind::Symbol:
            onSymbol(t.symbol);
            break;
        case TokenKind::HexByte:
            onByte(t.byte);
            break;
        case TokenKind::Text:
            onText(t.text);
            break;
        case TokenKind::End:
            break;
        }
    }
    m_out.finish(); // truncated input: keep what was read
}

bool Reader::inText() const {
    const GroupState& s = m_stack.back();
    return s.destination == Destination::Text && !s.chars.hidden;
}

// Bytes standing in for a \u character are dropped, each control word or byte counting one.
bool Reader::takeFallback() {
    if (m_fallbackLeft == 0) return false;
    --m_fallbackLeft;
    return true;
}

void Reader::onGroupStart() {
    m_fallbackLeft = 0;
    if (m_stack.size() > kMaxDepth)
        ++m_flattened;
    else
        m_stack.push_back(m_stack.back());
}

bool Reader::onGroupEnd() {
    m_fallbackLeft = 0;
    if (m_flattened > 0) {
        --m_flattened;
        return true;
    }
    if (m_stack.size() <= 1) return false;
    const Destination ended = state().destination;
    if (ended == Destination::FontTable) m_fonts.commit();
    m_stack.pop_back();
    // The field's result, in a later group of the same field, shows the link's target.
    if (ended == Destination::FieldInstruction && state().destination == Destination::Text)
        state().chars.href = HyperlinkTarget(m_instruction);
    return m_stack.size() > 1; // the base state below the document's group stays
}

void Reader::onWord(const Token& t) {
    if (takeFallback()) return;
    Control control = LookupControl(t.name);
    if (state().destination == Destination::Skip) {
        // \* marks destinations we may not know; field instructions we do.
        if (std::exchange(state().starred, false) && control == Control::FieldInstruction)
            startFieldInstruction();
        return;
    }
    switch (control) {
    case Control::FieldInstruction:
        return startFieldInstruction();
    case Control::FontTable:
        state().destination = Destination::FontTable;
        return;
    case Control::ColorTable:
        state().destination = Destination::ColorTable;
        return;
    case Control::SkippedDestination:
        state().destination = Destination::Skip;
        return;
    case Control::FallbackCount:
        state().fallbackCount = std::clamp(t.param, 0, kMaxFallbackCount);
        return;
    default:
        break;
    }
    switch (state().destination) {
    case Destination::Text:
        return onTextWord(control, t);
    case Destination::FontTable:
        return onFontTableWord(control, t);
    case Destination::ColorTable:
        return onColorTableWord(control, t);
    case Destination::FieldInstruction:
    case Destination::Skip:
        return;
    }
}

void Reader::onFontTableWord(Control control, const Token& t) {
    if (control == Control::Font)
        m_fonts.setNumber(t.param);
    else if (control == Control::Unicode)
        onUnicode(t);
    else if (t.name == "fcharset")
        m_fonts.setCharset(t.param);
}

void Reader::onColorTableWord(Control control, const Token& t) {
    if (control == Control::Red)
        m_colors.setRed(t.param);
    else if (control == Control::Green)
        m_colors.setGreen(t.param);
    else if (control == Control::Blue)
        m_colors.setBlue(t.param);
}

void Reader::onTextWord(Control control, const Token& t) {
    GroupState& s = state();
    if (ApplyCharControl(control, t, s.chars) || ApplyParaControl(control, t, s.para)) return;
    switch (control) {
    case Control::ParagraphEnd:
        return m_out.endParagraph(s.para);
    case Control::Unicode:
        return onUnicode(t);
    case Control::Special:
        if (!s.chars.hidden) m_out.pushChar(SpecialCharacter(t.name), s.chars, s.para);
        return;
    default:
        return onDocumentWord(control, t);
    }
}

void Reader::onDocumentWord(Control control, const Token& t) {
    switch (control) {
    case Control::Ansi:
        m_info.codePage = kDefaultCodePage;
        return;
    case Control::AnsiCodePage:
        m_info.codePage = t.param > 0 ? t.param : kDefaultCodePage;
        return;
    case Control::Mac:
        m_info.codePage = 10000;
        return;
    case Control::Pc:
        m_info.codePage = 437;
        return;
    case Control::Pca:
        m_info.codePage = 850;
        return;
    case Control::DefaultFont:
        m_info.defaultFont = std::max(t.param, 0);
        return;
    default:
        return;
    }
}

void Reader::startFieldInstruction() {
    state().destination = Destination::FieldInstruction;
    m_instruction.clear();
}

void Reader::appendInstruction(std::string_view text) {
    const qsizetype room = kMaxInstruction - m_instruction.size();
    m_instruction.append(text.data(), std::min(room, qsizetype(text.size())));
}

void Reader::onUnicode(const Token& t) {
    GroupState& s = state();
    if (auto c = UnicodeValue(t)) {
        if (s.destination == Destination::FontTable)
            m_fonts.pushChar(*c);
        else if (!s.chars.hidden)
            m_out.pushChar(*c, s.chars, s.para);
    }
    m_fallbackLeft = s.fallbackCount;
}

void Reader::onSymbol(char c) {
    if (takeFallback() || state().destination == Destination::Skip) return;
    if (c == '*') {
        state().destination = Destination::Skip;
        state().starred = true;
        return;
    }
    if (c == '\\' || c == '{' || c == '}') return onText({&c, 1}); // escaped, so plain text
    if (!inText()) return;
    GroupState& s = state();
    switch (c) {
    case '~':
        return m_out.pushChar(0x00A0, s.chars, s.para);
    case '-':
        return m_out.pushChar(0x00AD, s.chars, s.para);
    case '_':
        return m_out.pushChar(0x2011, s.chars, s.para);
    default:
        return;
    }
}

void Reader::onByte(std::uint8_t b) {
    if (takeFallback()) return;
    const char c = static_cast<char>(b);
    switch (state().destination) {
    case Destination::FontTable:
        return m_fonts.pushByte(b);
    case Destination::FieldInstruction:
        return appendInstruction({&c, 1});
    case Destination::Text:
        if (!state().chars.hidden) m_out.pushBytes({&c, 1}, state().chars, state().para);
        return;
    default:
        return;
    }
}

void Reader::onText(std::string_view text) {
    while (!text.empty() && takeFallback())
        text.remove_prefix(1);
    if (text.empty()) return;
    switch (state().destination) {
    case Destination::FontTable:
        return m_fonts.pushText(text);
    case Destination::ColorTable:
        return m_colors.pushText(text);
    case Destination::FieldInstruction:
        return appendInstruction(text);
    case Destination::Text:
        if (!state().chars.hidden) m_out.pushBytes(text, state().chars, state().para);
        return;
    case Destination::Skip:
        return;
    }
}

} // namespace rtf
