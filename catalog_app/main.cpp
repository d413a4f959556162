#include "catalog_app/cli/command_line.h"
#include "catalog_app/cli/print_label_command.h"
#include "catalog_app/cli/search_command.h"
#include "catalog_app/cli/sheet_command.h"
#include "catalog_app/cli/window_screenshot.h"
#include "catalog_app/dialogs/prompts.h"
#include "catalog_app/exchange/csv_exchange.h"
#include "catalog_app/frame/main_frame.h"
#include "catalog_app/recovery/recovery_copy.h"

#include "common/version_info.h"
#include "labels/form_settings.h"
#include "labels/sheets/sheet_database.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <iostream>

namespace {

QString FileVersion() {
    CFileVersionInfo info;
    info.Load();
    const std::uint32_t ms = info.GetFileVersionMS();
    const std::uint32_t ls = info.GetFileVersionLS();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ms >> 16)
        .arg(ms & 0xFFFF)
        .arg(ls >> 16)
        .arg(ls & 0xFFFF);
}

// --help and --version answer without a display.
int AnswerWithoutWindow(const StartRequest& request) {
    std::FILE* out = request.action == StartRequest::Action::Fail ? stderr : stdout;
    std::fputs(request.message.toLocal8Bit().constData(), out);
    std::fputc('\n', out);
    return request.action == StartRequest::Action::Fail ? 2 : 0;
}

void SetIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Korvel-Software"));
    QCoreApplication::setApplicationName(QStringLiteral("MELVARA"));
    QGuiApplication::setDesktopFileName(QStringLiteral("melvara"));
}

// A screenshot runs unattended: a message goes to stderr instead of waiting for a click.
class CConsolePrompts : public CDialogPrompts {
public:
    void Inform(QWidget*, const QString& message) override {
        std::fprintf(stderr, "melvara: %s\n", qPrintable(QString(message).replace('\n', ' ')));
    }
};

int RunWindow(int argc, char** argv, const StartRequest& request) {
    const bool screenshot = request.action == StartRequest::Action::Screenshot;
    if (screenshot) UseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    SetIdentity();
    // The print settings live for the whole run and go back to the store at a normal exit.
    CFormSettings formSettings;
    formSettings.LoadFormSettings();
    int result = 0;
    {
        CConsolePrompts console;
        CMainFrame frame(screenshot ? &console : nullptr);
        frame.SetFormSettings(&formSettings);
        // Only a window the user works in keeps a copy of unsaved changes.
        CRecoveryCopy recovery;
        if (!screenshot) frame.SetRecoveryCopy(&recovery);
        const bool opened = request.file.isEmpty() || frame.OpenCatalogue(request.file);
        if (!screenshot) {
            frame.show();
            QTimer::singleShot(0, &frame, &CMainFrame::OfferRecovery);
            result = app.exec();
        } else if (!opened) {
            result = 1;
        } else if (!SaveWindowScreenshot(frame, request.screenshot)) {
            std::fprintf(stderr, "melvara: cannot write %s\n", qPrintable(request.screenshot));
            result = 1;
        }
    }
    formSettings.SaveFormSettings();
    return result;
}

int RunPrintLabelCommand(int argc, char** argv, const LabelRequest& request) {
    // Labels print into a PDF file: no window, so never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetIdentity();
    CFormSettings formSettings;
    formSettings.LoadFormSettings();
    const QString error =
        PrintLabelCommand(request, formSettings, sheets::SheetDatabase::DefaultFolders());
    if (error.isEmpty()) return 0;
    std::fprintf(stderr, "melvara: %s\n", qPrintable(error));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const StartRequest request = ParseCommandLine(arguments, FileVersion());
    switch (request.action) {
    case StartRequest::Action::Run:
    case StartRequest::Action::Screenshot:
        return RunWindow(argc, argv, request);
    case StartRequest::Action::PrintLabel:
        return RunPrintLabelCommand(argc, argv, request.label);
    case StartRequest::Action::Search:
        return RunSearchCommand(request.searchText, request.file, std::cout, std::cerr);
    case StartRequest::Action::ListSheets: {
        // The search folders come from the XDG settings, which need an application object.
        QCoreApplication app(argc, argv);
        return RunListSheetsCommand(request.searchText, sheets::SheetDatabase::DefaultFolders(),
                                    std::cout, std::cerr);
    }
    case StartRequest::Action::ExportCsv:
        return csv::RunExportCommand(request.file, request.csv, std::cerr);
    default:
        return AnswerWithoutWindow(request);
    }
}
