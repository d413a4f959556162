#include "labels/sheets/template_reader.h"

#include <QXmlStreamReader>

#include <optional>

namespace sheets {
namespace {

using Attributes = QXmlStreamAttributes;

// Reading stops at the first problem of a template; its text becomes the refusal's reason.
struct Problem {
    QString reason;
};

double Length(const Attributes& a, const char* name, bool required = true) {
    const QStringView text = a.value(QLatin1String(name));
    if (text.isEmpty()) {
        if (required) throw Problem{QStringLiteral("%1 is missing").arg(QLatin1String(name))};
        return 0;
    }
    const auto mm = ParseLength(text);
    if (!mm || *mm < 0)
        throw Problem{QStringLiteral("%1=\"%2\" is not a length").arg(QLatin1String(name), text)};
    return *mm;
}

int Count(const Attributes& a, const char* name) {
    bool ok = false;
    const int n = a.value(QLatin1String(name)).toInt(&ok);
    if (!ok || n < 1 || n > 1000)
        throw Problem{QStringLiteral("%1=\"%2\" is not a count of labels")
                          .arg(QLatin1String(name), a.value(QLatin1String(name)))};
    return n;
}

void ReadShape(const QXmlStreamReader& xml, SheetTemplate& s) {
    using Shape = SheetTemplate::Shape;
    const Attributes a = xml.attributes();
    const QStringView kind = xml.name().mid(6);
    if (kind == u"rectangle") {
        s.shape = Shape::Rectangle;
        s.width = Length(a, "width"), s.height = Length(a, "height");
    } else if (kind == u"ellipse") {
        s.shape = Shape::Ellipse;
        s.width = Length(a, "width"), s.height = Length(a, "height");
    } else if (kind == u"round") {
        s.shape = Shape::Round;
        s.width = s.height = 2 * Length(a, "radius");
    } else if (kind == u"cd") {
        // A disc may be cut straight at its sides: width and height then say so.
        s.shape = Shape::Disc;
        const double diameter = 2 * Length(a, "radius");
        s.width = a.hasAttribute(QLatin1String("width")) ? Length(a, "width") : diameter;
        s.height = a.hasAttribute(QLatin1String("height")) ? Length(a, "height") : diameter;
    } else if (kind == u"continuous") {
        throw Problem{QStringLiteral("continuous tape, not a sheet of labels")};
    } else {
        throw Problem{QStringLiteral("labels of shape \"%1\" are not known").arg(kind)};
    }
}

void ReadLayout(const Attributes& a, SheetTemplate& s) {
    s.columns = Count(a, "nx"), s.rows = Count(a, "ny");
    s.left = Length(a, "x0"), s.top = Length(a, "y0");
    // One column or row needs no pitch, and some files leave it out then.
    s.horizontalPitch = Length(a, "dx", s.columns > 1);
    s.verticalPitch = Length(a, "dy", s.rows > 1);
}

void ReadPaper(const Attributes& a, const PaperSizes& papers, SheetTemplate& s) {
    s.paper = a.value(QLatin1String("size")).toString();
    if (s.paper == u"Other" || s.paper.isEmpty()) {
        s.paperWidth = Length(a, "width", false), s.paperHeight = Length(a, "height", false);
    } else if (const auto found = papers.constFind(s.paper); found != papers.cend()) {
        s.paperWidth = found->first, s.paperHeight = found->second;
    }
}

QString Description(const Attributes& a) {
    const QStringView translated = a.value(QLatin1String("_description"));
    return (translated.isEmpty() ? a.value(QLatin1String("description")) : translated).toString();
}

// The body of one Template element, read to its end even after a problem so the next
// template starts in the right place; the first problem is thrown then.
void ReadBody(QXmlStreamReader& xml, SheetTemplate& s) {
    int labels = 0, layouts = 0;
    std::optional<Problem> first;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) --depth;
        if (token != QXmlStreamReader::StartElement) continue;
        ++depth;
        try {
            if (xml.name().startsWith(u"Label-")) {
                if (++labels > 1)
                    throw Problem{QStringLiteral("several kinds of label on one sheet")};
                ReadShape(xml, s);
            } else if (xml.name() == u"Layout") {
                if (++layouts > 1)
                    throw Problem{QStringLiteral("several layouts on one sheet; only one grid "
                                                 "of labels can be placed")};
                ReadLayout(xml.attributes(), s);
            }
        } catch (const Problem& problem) {
            if (!first) first = problem;
        }
    }
    if (xml.hasError()) return;
    if (first) throw *first;
    if (labels == 0) throw Problem{QStringLiteral("no label is described")};
    if (layouts == 0) throw Problem{QStringLiteral("the label has no layout")};
}

void ReadTemplate(QXmlStreamReader& xml, const PaperSizes& papers, TemplateFile& file) {
    const Attributes a = xml.attributes();
    TemplateEntry entry;
    SheetTemplate& s = entry.sheet;
    s.brand = a.value(QLatin1String("brand")).toString().trimmed();
    s.part = a.value(QLatin1String("part")).toString().trimmed();
    s.description = Description(a);
    entry.equiv = a.value(QLatin1String("equiv")).toString().trimmed();
    try {
        if (s.brand.isEmpty() || s.part.isEmpty()) {
            xml.skipCurrentElement();
            throw Problem{QStringLiteral("brand or part is missing")};
        }
        if (!entry.equiv.isEmpty()) {
            xml.skipCurrentElement();
        } else {
            ReadBody(xml, s);
            ReadPaper(a, papers, s);
        }
        if (!xml.hasError()) file.entries.push_back(std::move(entry));
    } catch (const Problem& problem) {
        file.refusals.push_back({s.Name().trimmed(), problem.reason});
    }
}

} // namespace

TemplateFile ReadTemplateFile(const QByteArray& bytes, const PaperSizes& papers,
                              const QString& fileName) {
    TemplateFile file;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Template")
            ReadTemplate(xml, papers, file);
    }
    if (xml.hasError())
        file.refusals.push_back({fileName, QStringLiteral("damaged at line %1: %2")
                                               .arg(xml.lineNumber())
                                               .arg(xml.errorString())});
    return file;
}

PaperSizes ReadPaperSizes(const QByteArray& bytes) {
    PaperSizes papers;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Paper-size")
            continue;
        const Attributes a = xml.attributes();
        const auto w = ParseLength(a.value(QLatin1String("width")));
        const auto h = ParseLength(a.value(QLatin1String("height")));
        if (w && h) papers.insert(a.value(QLatin1String("id")).toString(), {*w, *h});
    }
    return papers;
}

} // namespace sheets
