#pragma once
// The RTF interpreter: walks the tokens, keeps the group stack and feeds a DocumentBuilder.

#include "rtf/control_words.h"
#include "rtf/document_builder.h"
#include "rtf/tables.h"
#include "rtf/tokenizer.h"

#include <vector>

class QTextDocument;

namespace rtf {

/// Reads one RTF document into an empty QTextDocument.
class Reader {
public:
    explicit Reader(QTextDocument& doc);
    void run(Bytes data);

    /// Groups nested deeper than this are read as part of their parent.
    static constexpr std::size_t kMaxDepth = 1000;

private:
    GroupState& state() { return m_stack.back(); }
    bool inText() const;
    bool takeFallback();
    void onGroupStart();
    bool onGroupEnd();
    void onWord(const Token& t);
    void onTextWord(Control control, const Token& t);
    void onFontTableWord(Control control, const Token& t);
    void onColorTableWord(Control control, const Token& t);
    void onDocumentWord(Control control, const Token& t);
    void onUnicode(const Token& t);
    void startFieldInstruction();
    void appendInstruction(std::string_view text);
    void onSymbol(char c);
    void onByte(std::uint8_t b);
    void onText(std::string_view text);

    DocumentInfo m_info;
    FontTable m_fonts;
    ColorTable m_colors;
    DocumentBuilder m_out;
    std::vector<GroupState> m_stack;
    std::size_t m_flattened = 0; // open groups beyond kMaxDepth
    int m_fallbackLeft = 0;      // bytes of a \u character's fallback still to skip
    QByteArray m_instruction;    // of the field being read
};

} // namespace rtf
