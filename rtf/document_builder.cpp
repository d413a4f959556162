#include "rtf/document_builder.h"

#include <QTextDocument>

namespace rtf {

namespace {

constexpr double kTwipsPerPixel = 15.0; // 1440 twips per inch at 96 pixels per inch

bool IsDroppedByte(char c) {
    auto b = static_cast<unsigned char>(c);
    return b < 0x20 && b != '\t';
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument& doc, const FontTable& fonts,
                                 const ColorTable& colors, const DocumentInfo& info)
    : m_cursor(&doc), m_fonts(fonts), m_colors(colors), m_info(info) {
    // One edit block: otherwise every insert lays out its whole paragraph again.
    m_cursor.beginEditBlock();
}

DocumentBuilder::~DocumentBuilder() { m_cursor.endEditBlock(); }

void DocumentBuilder::pushBytes(std::string_view bytes, const CharState& chars,
                                const ParaState& para) {
    prepare(chars, para);
    const FontEntry* font = fontOf(chars);
    m_decoder.setCodePage(CodePageForCharset(font ? font->charset : 0, m_info.codePage), m_text);
    for (char c : bytes)
        if (!IsDroppedByte(c)) m_decoder.push(static_cast<std::uint8_t>(c));
}

void DocumentBuilder::pushChar(char32_t c, const CharState& chars, const ParaState& para) {
    prepare(chars, para);
    m_decoder.flushInto(m_text);
    if (c >= 0x20 || c == '\t') AppendCodePoint(m_text, c);
}

void DocumentBuilder::endParagraph(const ParaState& para) {
    flushRun();
    m_cursor.setBlockFormat(ToBlockFormat(para));
    m_cursor.insertBlock();
    m_blockHasText = false;
    m_endedParagraph = true;
}

void DocumentBuilder::finish() {
    flushRun();
    if (!m_blockHasText && m_endedParagraph)
        m_cursor.deletePreviousChar();
    else
        m_cursor.setBlockFormat(ToBlockFormat(m_lastPara));
}

void DocumentBuilder::prepare(const CharState& chars, const ParaState& para) {
    if (!(chars == m_chars)) {
        flushRun();
        m_chars = chars;
    }
    m_lastPara = para;
}

void DocumentBuilder::flushRun() {
    m_decoder.flushInto(m_text);
    if (m_text.isEmpty()) return;
    m_cursor.insertText(m_text, charFormat(m_chars));
    m_text.clear();
    m_blockHasText = true;
}

const FontEntry* DocumentBuilder::fontOf(const CharState& chars) const {
    return m_fonts.find(chars.font < 0 ? m_info.defaultFont : chars.font);
}

QTextCharFormat DocumentBuilder::charFormat(const CharState& chars) const {
    QTextCharFormat f;
    if (const FontEntry* font = fontOf(chars)) f.setFontFamilies(QStringList{font->name});
    f.setFontPointSize(chars.halfPoints / 2.0);
    f.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(chars.italic);
    f.setFontUnderline(chars.underline);
    f.setFontStrikeOut(chars.strike);
    f.setVerticalAlignment(chars.vertical);
    if (auto c = m_colors.at(chars.foreground)) f.setForeground(*c);
    if (auto c = m_colors.at(chars.background)) f.setBackground(*c);
    if (!chars.href.isEmpty()) {
        f.setAnchor(true);
        f.setAnchorHref(chars.href);
    }
    return f;
}

QTextBlockFormat ToBlockFormat(const ParaState& para) {
    QTextBlockFormat f;
    f.setAlignment(para.alignment);
    f.setLeftMargin(para.leftIndent / kTwipsPerPixel);
    f.setRightMargin(para.rightIndent / kTwipsPerPixel);
    f.setTextIndent(para.firstIndent / kTwipsPerPixel);
    f.setTopMargin(para.spaceBefore / kTwipsPerPixel);
    f.setBottomMargin(para.spaceAfter / kTwipsPerPixel);
    return f;
}

} // namespace rtf
