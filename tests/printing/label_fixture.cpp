#include "label_fixture.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"
#include "emf/player/gdi_types.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

std::optional<std::vector<PdfWord>> ReadPdfWords(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0) return std::nullopt;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    int page = -1;
    const auto mm = [](const QString& pt) { return pt.toDouble() * 25.4 / 72; };
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        words.push_back({page, mm(m.captured(1)), mm(m.captured(2)), mm(m.captured(3)),
                         mm(m.captured(4)), m.captured(5)});
    }
    return words;
}

const PdfWord* FindWord(const std::vector<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words)
        if (w.text == text) return &w;
    return nullptr;
}

int PdfPageCount(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    if (!process.waitForFinished(20000)) return 0;
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).toInt();
}

FormBuilder::FormBuilder(std::int32_t widthMm, std::int32_t heightMm) {
    const std::int32_t w = widthMm * 100, h = heightMm * 100;
    m_builder.SetFrame({0, 0, w - 1, h - 1});
    m_builder.SetBounds({0, 0, w * 32 / 1000, h * 32 / 1000});
    // 0.01 mm logical units on the reference device of 1024 x 768 pixels over 320 x 240 mm.
    m_builder.SetMapMode(emf::MM_ANISOTROPIC);
    m_builder.SetWindowExtEx({32000, 24000});
    m_builder.SetViewportExtEx({1024, 768});
    emf::LogFontW font;
    font.height = -300;
    font.faceName = u"Liberation Sans";
    m_builder.ExtCreateFontIndirectW(1, font);
    m_builder.SelectObject(1);
    m_builder.SetBkMode(emf::TRANSPARENT);
    m_builder.SetTextAlign(emf::TA_TOP | emf::TA_LEFT);
}

FormBuilder& FormBuilder::Text(std::int32_t x, std::int32_t y, std::u16string_view text) {
    m_builder.ExtTextOutW({x, y}, text);
    return *this;
}

QString FormBuilder::Save(const QString& path) const {
    const auto bytes = m_builder.Build();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    return path;
}

LabelFixture::LabelFixture()
    : m_store(m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat),
      m_settings(&m_store) {
    m_settings.LoadFormSettings();
}

QString LabelFixture::WriteCatalogue(int count, std::int32_t mediaType) {
    CCatalogue catalogue;
    const auto band = catalogue.Interpreters().FindOrAddInterpreter("Band")->InterpreterIndex();
    for (int i = 0; i < count; ++i) {
        CMedia* m = catalogue.Media().AddMedia("Title" + std::to_string(i), "Second", mediaType,
                                               983966400 /* 2001-03-07 */, {});
        m->AddTrack("Intro", 345, band, TRACK_APPEND);
        m->AddTrack("Middle", 12005, band, TRACK_APPEND);
        m->AddTrack("Outro", 7, 99, TRACK_APPEND); // an interpreter that does not exist
    }
    const QString path = Path(QStringLiteral("catalogue.mvr"));
    catalog::SaveCatalogueFile(catalogue, QFile::encodeName(path).toStdString());
    return path;
}

void LabelFixture::SetMargins(int type, const FormMargins& margins) {
    auto table = m_settings.CopyMargins();
    table[type] = margins;
    m_settings.ReplaceMargins(table);
}
