#include "rtf/control_words.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <utility>

namespace rtf {

namespace {

// Indents and spacing beyond 22 inches are nonsense; clamping keeps layout sane.
constexpr int kMaxTwips = 22 * 1440;
constexpr int kMaxHalfPoints = 3276;

const std::unordered_map<std::string_view, char32_t>& Specials() {
    static const std::unordered_map<std::string_view, char32_t> table = {
        {"tab", U'\t'},        {"cell", U'\t'},     {"line", 0x2028},    {"emdash", 0x2014},
        {"endash", 0x2013},    {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
        {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},    {"ltrmark", 0x200E},
        {"rtlmark", 0x200F},   {"zwbo", 0x200B},    {"zwnbo", 0xFEFF}};
    return table;
}

// Destinations whose text is not part of the document even without a leading \*.
constexpr std::string_view kSkipped[] = {"aftncn",     "aftnsep",      "aftnsepc",
                                         "annotation", "atnauthor",    "atndate",
                                         "atnid",      "author",       "bkmkend",
                                         "bkmkstart",  "buptim",       "colorschememapping",
                                         "comment",    "company",      "creatim",
                                         "datastore",  "datafield",    "doccomm",
                                         "docvar",     "falt",         "filetbl",
                                         "footer",     "footerf",      "footerl",
                                         "footerr",    "footnote",     "formfield",
                                         "ftncn",      "ftnsep",       "ftnsepc",
                                         "generator",  "header",       "headerf",
                                         "headerl",    "headerr",      "info",
                                         "keywords",   "latentstyles", "listoverridetable",
                                         "listtable",  "manager",      "nonshppict",
                                         "objclass",   "objdata",      "objname",
                                         "operator",   "panose",       "pgdsctbl",
                                         "pict",       "pn",           "printim",
                                         "private",    "revtbl",       "revtim",
                                         "rsidtbl",    "shpinst",      "stylesheet",
                                         "subject",    "template",     "themedata",
                                         "title",      "userprops",    "xmlnstbl",
                                         "xe",         "tc",           "rxe",
                                         "txe"};

// clang-format off
constexpr std::pair<std::string_view, Control> kWords[] = {
    {"fonttbl", Control::FontTable}, {"colortbl", Control::ColorTable},
    {"fldinst", Control::FieldInstruction},
    {"ansi", Control::Ansi}, {"ansicpg", Control::AnsiCodePage}, {"mac", Control::Mac},
    {"pc", Control::Pc}, {"pca", Control::Pca}, {"deff", Control::DefaultFont},
    {"plain", Control::Plain}, {"b", Control::Bold}, {"i", Control::Italic},
    {"ul", Control::Underline}, {"uld", Control::Underline}, {"uldb", Control::Underline},
    {"uldash", Control::Underline}, {"uldashd", Control::Underline}, {"ulw", Control::Underline},
    {"ulth", Control::Underline}, {"ulwave", Control::Underline},
    {"ulnone", Control::UnderlineNone}, {"strike", Control::Strike}, {"striked", Control::Strike},
    {"v", Control::Hidden}, {"fs", Control::FontSize}, {"f", Control::Font},
    {"cf", Control::Foreground}, {"cb", Control::Background}, {"highlight", Control::Background},
    {"chcbpat", Control::Background}, {"super", Control::Super}, {"sub", Control::Sub},
    {"nosupersub", Control::NoSuperSub},
    {"pard", Control::Pard}, {"ql", Control::AlignLeft}, {"qc", Control::AlignCenter},
    {"qr", Control::AlignRight}, {"qj", Control::AlignJustify}, {"qd", Control::AlignJustify},
    {"li", Control::LeftIndent}, {"lin", Control::LeftIndent}, {"ri", Control::RightIndent},
    {"rin", Control::RightIndent}, {"fi", Control::FirstIndent}, {"sb", Control::SpaceBefore},
    {"sa", Control::SpaceAfter},
    {"par", Control::ParagraphEnd}, {"sect", Control::ParagraphEnd},
    {"page", Control::ParagraphEnd}, {"row", Control::ParagraphEnd},
    {"u", Control::Unicode}, {"uc", Control::FallbackCount},
    {"red", Control::Red}, {"green", Control::Green}, {"blue", Control::Blue}};
// clang-format on

std::unordered_map<std::string_view, Control> BuildTable() {
    std::unordered_map<std::string_view, Control> t(std::begin(kWords), std::end(kWords));
    for (std::string_view name : kSkipped)
        t.emplace(name, Control::SkippedDestination);
    for (const auto& special : Specials())
        t.emplace(special.first, Control::Special);
    return t;
}

// A toggle word without parameter or with a non-zero one switches the property on.
bool Toggle(const Token& t) {
    return !t.hasParam || t.param != 0;
}

int Twips(const Token& t) {
    return std::clamp(t.param, -kMaxTwips, kMaxTwips);
}

int Index(const Token& t) {
    return std::max(t.param, 0);
}

} // namespace

Control LookupControl(std::string_view name) {
    static const std::unordered_map<std::string_view, Control> table = BuildTable();
    auto it = table.find(name);
    return it == table.end() ? Control::Unknown : it->second;
}

char32_t SpecialCharacter(std::string_view name) {
    auto it = Specials().find(name);
    return it == Specials().end() ? 0 : it->second;
}

std::optional<char32_t> UnicodeValue(const Token& t) {
    std::int64_t v = t.param < 0 ? std::int64_t(t.param) + 0x10000 : t.param;
    if (v < 0 || v > 0x10FFFF) return std::nullopt;
    return char32_t(v);
}

bool ApplyCharControl(Control control, const Token& t, CharState& chars) {
    switch (control) {
    case Control::Plain:
        chars = CharState{};
        return true;
    case Control::Bold:
        chars.bold = Toggle(t);
        return true;
    case Control::Italic:
        chars.italic = Toggle(t);
        return true;
    case Control::Underline:
        chars.underline = Toggle(t);
        return true;
    case Control::UnderlineNone:
        chars.underline = false;
        return true;
    case Control::Strike:
        chars.strike = Toggle(t);
        return true;
    case Control::Hidden:
        chars.hidden = Toggle(t);
        return true;
    case Control::FontSize:
        chars.halfPoints =
            t.hasParam && t.param > 0 ? std::min(t.param, kMaxHalfPoints) : kDefaultHalfPoints;
        return true;
    case Control::Font:
        chars.font = Index(t);
        return true;
    case Control::Foreground:
        chars.foreground = Index(t);
        return true;
    case Control::Background:
        chars.background = Index(t);
        return true;
    case Control::Super:
        chars.vertical = QTextCharFormat::AlignSuperScript;
        return true;
    case Control::Sub:
        chars.vertical = QTextCharFormat::AlignSubScript;
        return true;
    case Control::NoSuperSub:
        chars.vertical = QTextCharFormat::AlignNormal;
        return true;
    default:
        return false;
    }
}

bool ApplyParaControl(Control control, const Token& t, ParaState& para) {
    switch (control) {
    case Control::Pard:
        para = ParaState{};
        return true;
    case Control::AlignLeft:
        para.alignment = Qt::AlignLeft;
        return true;
    case Control::AlignCenter:
        para.alignment = Qt::AlignHCenter;
        return true;
    case Control::AlignRight:
        para.alignment = Qt::AlignRight;
        return true;
    case Control::AlignJustify:
        para.alignment = Qt::AlignJustify;
        return true;
    case Control::LeftIndent:
        para.leftIndent = Twips(t);
        return true;
    case Control::RightIndent:
        para.rightIndent = Twips(t);
        return true;
    case Control::FirstIndent:
        para.firstIndent = Twips(t);
        return true;
    case Control::SpaceBefore:
        para.spaceBefore = Twips(t);
        return true;
    case Control::SpaceAfter:
        para.spaceAfter = Twips(t);
        return true;
    default:
        return false;
    }
}

} // namespace rtf
