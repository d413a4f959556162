// What a Kelvane user waits for in the windows, timed: opening a picture of a million
// records until its window shows and until its picture shows, opening its play list, and
// repainting a corpus picture at 1600 x 1200 from the view's cache and without it.
//   QT_QPA_PLATFORM=offscreen build/bench/viewer_timing [CORPUS_FILE]

#include "emf/emf_builder.h"
#include "metaview/dialogs/play_list_dialog.h"
#include "metaview/document/viewer_document.h"
#include "metaview/windows/emf_view.h"
#include "metaview/windows/main_frame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QTreeView>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// About 50 MB: a million small polylines.
std::filesystem::path WriteLargeEmf() {
    emf::EmfBuilder b;
    for (int i = 0; i < 1'000'000; ++i) {
        const auto x = std::int16_t(i % 1000), y = std::int16_t(i % 700);
        const emf::PointS points[] = {{x, y},
                                      {std::int16_t(x + 9), y},
                                      {std::int16_t(x + 9), std::int16_t(y + 9)},
                                      {std::int16_t(x + 4), std::int16_t(y + 12)},
                                      {x, std::int16_t(y + 9)},
                                      {x, y}};
        b.Polyline16(points);
    }
    const std::vector<std::byte> bytes = b.Build();
    const auto path = std::filesystem::temp_directory_path() / "kelvane_timing_large.emf";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    std::printf("large picture: %.1f MB, 1000001 records and EOF\n", double(bytes.size()) / 1e6);
    return path;
}

// Wall time, and the process's processor time beside it: on a busy machine the first says
// how long a user waited, the second how much work it was.
struct Timer {
    QElapsedTimer wall;
    std::clock_t cpu = 0;
    void restart() {
        wall.start();
        cpu = std::clock();
    }
    Timer() { restart(); }
    std::string text() const {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%9.1f ms wall, %9.1f ms cpu",
                      double(wall.nsecsElapsed()) / 1e6,
                      double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
        return buf;
    }
};

void WaitUntil(const std::function<bool()>& done) {
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void TimeLargePicture(CMainFrame& frame) {
    const auto path = WriteLargeEmf();
    Timer t;
    CKelvane* view = frame.OpenDocumentFile(QString::fromStdString(path.string()));
    WaitUntil([&] { return view->isVisible(); });
    QCoreApplication::processEvents();
    std::printf("open a million records until the window shows: %s\n", t.text().c_str());
    WaitUntil([&] { return view->PictureReady(); });
    std::printf("            ... until the picture shows:         %s\n", t.text().c_str());

    t.restart();
    {
        CPlayListDlg list(view->GetDocument(), &frame);
        list.show();
        QCoreApplication::processEvents();
        std::printf("open its play list until it shows:               %s\n", t.text().c_str());
    }
    frame.MdiArea()->closeAllSubWindows();
    std::filesystem::remove(path);
}

void TimeRepaint(CMainFrame& frame, const QString& file) {
    if (!QFileInfo::exists(file)) {
        std::printf("repaint: %s is not there, skipped\n", qPrintable(file));
        return;
    }
    CKelvane* view = frame.OpenDocumentFile(file);
    if (!view) return;
    frame.MdiArea()->activeSubWindow()->showMaximized();
    QCoreApplication::processEvents();
    // Grow the main window until the view's client area is 1600 x 1200.
    frame.resize(frame.size() + QSize(1600, 1200) - view->viewport()->size());
    QCoreApplication::processEvents();
    constexpr int kRounds = 50;
    view->viewport()->repaint();
    Timer t;
    for (int i = 0; i < kRounds; ++i)
        view->viewport()->repaint();
    std::printf("repaint %dx%d from the cache, %d times:      %s\n", view->viewport()->width(),
                view->viewport()->height(), kRounds, t.text().c_str());
    t.restart();
    for (int i = 0; i < kRounds; ++i) {
        view->GetDocument().UpdateAllViews(); // the cached picture is old now
        view->viewport()->repaint();
    }
    std::printf("repaint without the cache, %d times:             %s (%s)\n", kRounds,
                t.text().c_str(), qPrintable(file.section('/', -1)));
}

} // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CMainFrame frame;
    frame.resize(1200, 900);
    frame.show();
    TimeLargePicture(frame);
    const QString corpus =
        argc > 1 ? QString::fromLocal8Bit(argv[1])
                 : QStringLiteral(KORVEL_CORPUS_DIR "/kakwa-libemf2svg/emf/test-068.emf");
    TimeRepaint(frame, corpus);
    return 0;
}
