#pragma once
// What the print job tests share: a catalogue file, a settings store, forms built record by
// record, and the words of a printed PDF with their positions.

#include "labels/form_settings.h"

#include "emf/emf_builder.h"

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <string>
#include <vector>

/// A word of a PDF page as pdftotext -bbox reports it, in millimetres from the top left.
struct PdfWord {
    int page = 0;
    double left = 0, top = 0, right = 0, bottom = 0;
    QString text;
};

/// The words of every page; none when pdftotext cannot be run.
std::optional<std::vector<PdfWord>> ReadPdfWords(const QString& pdf);
/// The first word with that text, or nullptr.
const PdfWord* FindWord(const std::vector<PdfWord>& words, const QString& text);
/// The number of pages of the PDF (0 when unreadable).
int PdfPageCount(const QString& pdf);

/// A form whose logical unit is 0.01 mm; texts are drawn top-left aligned, 3 mm high.
class FormBuilder {
public:
    FormBuilder(std::int32_t widthMm, std::int32_t heightMm);
    /// A Unicode text record (the kind placeholders live in) at x, y in 0.01 mm.
    FormBuilder& Text(std::int32_t x, std::int32_t y, std::u16string_view text);
    /// Writes the form and returns its path.
    QString Save(const QString& path) const;

private:
    emf::EmfBuilder m_builder;
};

class LabelFixture {
public:
    LabelFixture();

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    /// A catalogue of count media (indexes 0..count-1) of the type, each with three tracks,
    /// saved as catalogue.mvr.
    QString WriteCatalogue(int count, std::int32_t mediaType = 0);
    void SetForm(int type, std::optional<QString> path) { m_settings.SetFormPath(type, path); }
    void SetMargins(int type, const FormMargins& margins);

    CFormSettings& Settings() { return m_settings; }

private:
    QTemporaryDir m_dir;
    QSettings m_store;
    CFormSettings m_settings;
};
