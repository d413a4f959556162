#include "metaview/export/command_line.h"

#include "common/version_info.h"
#include "emf/cp1252.h"
#include "metaview/document/emf_doc.h"
#include "metaview/document/emr_type_table.h"
#include "metaview/document/file_info.h"
#include "metaview/document/load_notes.h"
#include "metaview/document/plus_inspection.h"
#include "metaview/export/render_command.h"

#include <QString>

namespace metaview {

namespace {

constexpr const char* kUsage =
    "Usage: kelvane [FILE...]\n"
    "   or: kelvane [OPTION]\n"
    "Views and inspects enhanced metafiles (EMF); Windows metafiles (WMF) are converted.\n"
    "Without an option the viewer's window opens, with each FILE in a window of its own.\n"
    "\n"
    "  --screenshot OUT.png [FILE...]\n"
    "                          open the window with the files, save a picture of it, end\n"
    "  --info FILE             print the file information, one \"label<TAB>value\" a line\n"
    "  --records FILE          print every record: position, type name, ID, size; each\n"
    "                          EMF+ record follows its comment: position.index, name,\n"
    "                          flags, size\n"
    "  --convert FILE OUT.emf  write the enhanced metafile that FILE loads as\n"
    "  --render FILE --png OUT [--width N | --size N]\n"
    "  --render FILE --bmp OUT [--width N | --size N]\n"
    "                          draw the picture N pixels wide (800 unless given), or\n"
    "                          N pixels along its longest side\n"
    "  --render FILE --svg OUT\n"
    "  --render FILE --pdf OUT draw the picture at its own size as SVG or PDF\n"
    "  --render ... --timeout S  give up after S seconds, leaving no output file\n"
    "  --render ... --gdi-only draw a picture holding EMF+ records from its EMF records\n"
    "  --help                  print this text\n"
    "  --version               print the version\n";

// ANSI text as UTF-8 for the terminal; control characters would break the line format.
std::string Printable(const std::string& ansi) {
    std::u16string text = emf::FromCp1252(ansi);
    for (char16_t& c : text)
        if (c < 0x20 || c == 0x7F) c = u' ';
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

bool Open(const std::string& path, CEMFDoc& doc, std::ostream& err) {
    std::string error;
    if (doc.OnOpenDocument(path, error)) return true;
    err << "kelvane: " << error << "\n";
    return false;
}

void PrintInfo(const CEMFData& data, std::ostream& out) {
    for (const FileInfoRow& row : FileInformationRows(data.Header(), data.Description()))
        out << row.label << '\t' << Printable(row.value) << '\n';
    for (const FileInfoRow& row : PlusInformationRows(data.Picture()))
        out << row.label << '\t' << row.value << '\n';
}

// An EMF+ record follows its comment: position.index, name, flags, size.
void PrintRecords(const CEMFData& data, std::ostream& out) {
    const auto& records = data.Picture().Records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        out << i << '\t' << EMRTypeName(records[i].type) << '\t' << FindEMRType(records[i].type)
            << '\t' << records[i].size << '\n';
        for (const PlusRecordRow& row : PlusRecordRows(records[i]))
            out << i << '.' << row.index << '\t' << row.name << (row.damaged ? " (damaged)" : "")
                << "\tflags=" << HexWord(row.flags) << '\t' << row.size << '\n';
    }
}

int Inspect(const std::string& option, const std::string& path, std::ostream& out,
            std::ostream& err) {
    CEMFDoc doc;
    if (!Open(path, doc, err)) return 1;
    if (option == "--info")
        PrintInfo(doc.Data(), out);
    else
        PrintRecords(doc.Data(), out);
    err << LoadNoteText(doc.Data().Picture().Notes());
    if (out.flush()) return 0;
    err << "kelvane: the output could not be written.\n";
    return 1;
}

int Convert(const std::string& path, const std::string& target, std::ostream& err) {
    CEMFDoc doc;
    if (!Open(path, doc, err)) return 1;
    std::string error;
    if (doc.OnSaveDocument(target, error)) return 0;
    err << "kelvane: " << error << "\n";
    return 1;
}

void PrintVersion(std::ostream& out) {
    CFileVersionInfo version;
    version.Load();
    const std::uint32_t ms = version.GetFileVersionMS(), ls = version.GetFileVersionLS();
    out << "Korvel-Software Kelvane " << (ms >> 16) << '.' << (ms & 0xFFFF) << '.' << (ls >> 16)
        << '.' << (ls & 0xFFFF) << '\n';
}

int UsageError(const std::string& what, std::ostream& err) {
    err << "kelvane: " << what << "\n" << kUsage;
    return 2;
}

} // namespace

int RunCommandLine(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        if (args.size() > 1) return UsageError("--help takes no argument.", err);
        out << kUsage;
        return 0;
    }
    const std::string& option = args[0];
    if (option == "--version" && args.size() == 1) {
        PrintVersion(out);
        return 0;
    }
    if ((option == "--info" || option == "--records") && args.size() == 2)
        return Inspect(option, args[1], out, err);
    if (option == "--convert" && args.size() == 3) return Convert(args[1], args[2], err);
    if (option == "--render") return RunRender(args.subspan(1), err);
    if (option == "--screenshot") return UsageError("--screenshot needs OUT.png.", err);
    return UsageError("wrong use of " + option + ".", err);
}

bool WantsWindows(std::span<const std::string> args) {
    if (args.empty()) return true;
    if (args[0] == "--screenshot") return args.size() >= 2;
    // "--" ends the options: what follows are file names, even when they start with "-".
    return args[0] == "--" || !args[0].starts_with("-");
}

ViewerStart ParseViewerStart(std::span<const std::string> args) {
    ViewerStart start;
    if (!args.empty() && args[0] == "--screenshot") {
        start.screenshot = args[1];
        args = args.subspan(2);
    }
    if (!args.empty() && args[0] == "--") args = args.subspan(1);
    start.files.assign(args.begin(), args.end());
    return start;
}

} // namespace metaview
