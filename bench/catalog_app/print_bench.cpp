// What a user waits for when printing labels: one label into a PDF from the command line,
// the whole process from start to exit, and a job of 100 labels (five sheets of 24).
#include "catalog_app/cli/print_label_command.h"
#include "labels/form_settings.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <QGuiApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kForm = QStringLiteral(KORVEL_EXAMPLES_DIR "/forms/cd_label.emf");

QTemporaryDir& Folder() {
    static QTemporaryDir dir;
    return dir;
}

// 100 CDs of 12 tracks each.
const QString& Catalogue() {
    static const QString path = [] {
        CCatalogue catalogue;
        for (int i = 0; i < 10; ++i)
            catalogue.Interpreters().FindOrAddInterpreter("Interpreter " + std::to_string(i));
        for (int m = 0; m < 100; ++m) {
            CMedia* media = catalogue.Media().AddMedia("Medium title " + std::to_string(m),
                                                       "Second line", 0, 1000000000 + m, {});
            for (int t = 0; t < 12; ++t)
                media->AddTrack("Track title " + std::to_string(t), 345, std::uint32_t(t % 10),
                                TRACK_APPEND);
        }
        const QString file = Folder().filePath(QStringLiteral("labels.mvr"));
        if (!catalog::SaveCatalogueFile(catalogue, file.toStdString()).ok()) std::abort();
        return file;
    }();
    return path;
}

void BM_OneLabelFromTheCommandLine(benchmark::State& state) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), Folder().filePath(QStringLiteral("config")));
    const QStringList arguments = {
        QStringLiteral("--print-label"), Catalogue(),
        QStringLiteral("--media"),       QStringLiteral("7"),
        QStringLiteral("--form"),        kForm,
        QStringLiteral("--margins"),     QStringLiteral("10,15,70,37,3,8"),
        QStringLiteral("--pdf"),         Folder().filePath("one.pdf")};
    for (auto _ : state) {
        QProcess melvara;
        melvara.setProcessEnvironment(env);
        melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY), arguments);
        if (!melvara.waitForFinished(30000) || melvara.exitCode() != 0) {
            state.SkipWithError("melvara --print-label failed");
            break;
        }
    }
}
BENCHMARK(BM_OneLabelFromTheCommandLine)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_HundredLabelsInOneJob(benchmark::State& state) {
    QSettings store(Folder().filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    CFormSettings settings(&store);
    settings.LoadFormSettings();
    settings.SetFormPath(0, kForm);
    LabelRequest request;
    request.catalogue = Catalogue();
    request.media = QStringLiteral("0-99");
    request.pdf = Folder().filePath(QStringLiteral("hundred.pdf"));
    request.margins = QStringLiteral("10,15,70,37,3,8");
    for (auto _ : state) {
        if (!PrintLabelCommand(request, settings).isEmpty()) {
            state.SkipWithError("the job failed");
            break;
        }
    }
}
BENCHMARK(BM_HundredLabelsInOneJob)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    return 0;
}
