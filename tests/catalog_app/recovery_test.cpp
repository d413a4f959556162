// Unsaved work is kept: a recovery copy while there are changes, its offer after a crash,
// and a catalogue file that another window or program saved meanwhile.
#include "catalogue_fixture.h"

#include "catalog_app/frame/main_frame.h"
#include "catalog_app/panes/media_list_view.h"
#include "catalog_app/recovery/recovery_copy.h"

#include "catalog/catalogue.h"
#include "catalog/file/catalogue_file.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool WriteCatalogue(const QString& path, std::initializer_list<const char*> titles) {
    CCatalogue catalogue;
    for (const char* title : titles)
        AddMedium(catalogue, title, {100});
    return catalog::SaveCatalogueFile(catalogue, Native(path)).ok();
}

std::size_t MediaIn(const QString& path) {
    CCatalogue catalogue;
    catalog::LoadCatalogueFile(catalogue, Native(path));
    return catalogue.Media().Count();
}

class Recovery : public testing::Test {
protected:
    void SetUp() override {
        frame.show();
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        frame.SetRecoveryCopy(&copy);
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList CopiesInFolder() const {
        return QDir(Path("recovery")).entryList({QStringLiteral("*.mvr")}, QDir::Files);
    }
    // A copy left by a run that is gone: no lock holds it.
    void LeaveOrphan(const QString& source) {
        QDir().mkpath(Path("recovery"));
        ASSERT_TRUE(WriteCatalogue(Path("recovery/run-1-1.mvr"), {"Lost", "Work"}));
        QFile info(Path("recovery/run-1-1.source"));
        ASSERT_TRUE(info.open(QIODevice::WriteOnly));
        info.write(source.toUtf8() + "\n2026-12-01T10:20:30.000\n");
    }

    QTemporaryDir dir;
    CFakePrompts prompts;
    CMainFrame frame{&prompts};
    CRecoveryCopy copy{dir.filePath(QStringLiteral("recovery"))};
    const CFrameActions& a = frame.Actions();
};

TEST_F(Recovery, ACopyIsKeptWhileChangesAreUnsavedAndGoesWithTheSave) {
    ASSERT_TRUE(WriteCatalogue(Path("c.mvr"), {"One"}));
    ASSERT_TRUE(frame.OpenCatalogue(Path("c.mvr")));
    EXPECT_TRUE(CopiesInFolder().isEmpty());
    frame.MediaPane()->setFocus();
    a.mediaInsert->trigger();
    ASSERT_EQ(CopiesInFolder().size(), 1);
    const QString written = Path("recovery/") + CopiesInFolder().first();
    EXPECT_EQ(MediaIn(written), 2u);
    // This run is alive: its copy is nobody's leftover.
    EXPECT_TRUE(CRecoveryCopy(Path("recovery")).Orphans().empty());
    a.fileSave->trigger();
    EXPECT_TRUE(CopiesInFolder().isEmpty());
    a.mediaInsert->trigger();
    a.editUndo->trigger(); // back at the saved state
    EXPECT_TRUE(CopiesInFolder().isEmpty());
}

TEST_F(Recovery, ALeftCopyIsOfferedRestoredUnderItsFileAndThenRemoved) {
    const QString source = Path("music.mvr");
    LeaveOrphan(source);
    prompts.restoreAnswer = CPrompts::RestoreAnswer::Later;
    frame.OfferRecovery();
    ASSERT_EQ(prompts.restoreOffers, std::vector<QString>{source});
    EXPECT_EQ(CopiesInFolder().size(), 1); // kept for another start

    prompts.restoreAnswer = CPrompts::RestoreAnswer::Restore;
    frame.OfferRecovery();
    EXPECT_EQ(frame.Document().Catalogue().Media().Count(), 2u);
    EXPECT_EQ(frame.Document().GetPathName(), Native(source));
    EXPECT_TRUE(frame.isWindowModified());
    // Only this run's own copy of the restored changes is left.
    ASSERT_EQ(CopiesInFolder().size(), 1);
    EXPECT_NE(CopiesInFolder().first(), QStringLiteral("run-1-1.mvr"));
    EXPECT_TRUE(CRecoveryCopy(Path("recovery")).Orphans().empty());

    prompts.saveAnswer = CPrompts::SaveAnswer::Discard;
    frame.close(); // a normal close
    EXPECT_TRUE(CopiesInFolder().isEmpty());
}

TEST_F(Recovery, ADeclinedCopyIsRemoved) {
    LeaveOrphan({});
    prompts.restoreAnswer = CPrompts::RestoreAnswer::Discard;
    frame.OfferRecovery();
    EXPECT_EQ(prompts.restoreOffers, std::vector<QString>{QString()});
    EXPECT_TRUE(CopiesInFolder().isEmpty());
    EXPECT_EQ(frame.Document().Catalogue().Media().Count(), 0u);
}

TEST_F(Recovery, SaveAsksBeforeReplacingAFileSavedElsewhere) {
    const QString path = Path("shared.mvr");
    ASSERT_TRUE(WriteCatalogue(path, {"Mine"}));
    ASSERT_TRUE(frame.OpenCatalogue(path));
    frame.MediaPane()->setFocus();
    a.mediaInsert->trigger();
    QTest::qWait(20); // a later modification time
    ASSERT_TRUE(WriteCatalogue(path, {"Theirs", "Also theirs", "And more"}));

    // Coming back to the window tells it.
    QEvent activated(QEvent::ActivationChange);
    QApplication::sendEvent(&frame, &activated);
    EXPECT_TRUE(frame.windowTitle().contains(QStringLiteral("(changed on disk)")));
    EXPECT_TRUE(frame.statusBar()->currentMessage().contains(QStringLiteral("shared.mvr")));

    prompts.changedAnswer = CPrompts::ChangedAnswer::Cancel;
    a.fileSave->trigger();
    EXPECT_EQ(prompts.changedQuestions, 1);
    EXPECT_EQ(MediaIn(path), 3u);
    EXPECT_TRUE(frame.isWindowModified());

    prompts.changedAnswer = CPrompts::ChangedAnswer::Overwrite;
    a.fileSave->trigger();
    EXPECT_EQ(MediaIn(path), 2u);
    EXPECT_FALSE(frame.windowTitle().contains(QStringLiteral("changed on disk")));
    a.mediaInsert->trigger();
    a.fileSave->trigger(); // its own save is no change from elsewhere
    EXPECT_EQ(prompts.changedQuestions, 2);
    EXPECT_EQ(MediaIn(path), 3u);
}

// The real program, killed while it holds unsaved media: its copy survives, and the next
// start (here: another run over the same folder) finds it as left over.
TEST(RecoveryAfterKill, TheCopyOfAKilledRunIsFoundWithItsFile) {
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.mvr"));
    ASSERT_TRUE(WriteCatalogue(damaged, {"First", "Second", "Third"}));
    QFile cut(damaged);
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite) && cut.resize(cut.size() - 4));
    cut.close();

    QProcess melvara;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    melvara.setProcessEnvironment(env);
    melvara.start(QStringLiteral(KORVEL_MELVARA_BINARY), {damaged});
    ASSERT_TRUE(melvara.waitForStarted(10000));
    const QString folder = dir.filePath(QStringLiteral("data/Korvel-Software/MELVARA/recovery"));
    CRecoveryCopy next(folder);
    // The recovered media are unsaved: the copy appears while the program waits for the
    // user to read the message about the damaged file.
    QStringList copies;
    for (int waited = 0; waited < 15000 && copies.isEmpty(); waited += 50) {
        QTest::qWait(50);
        copies = QDir(folder).entryList({QStringLiteral("*.source")}, QDir::Files);
    }
    ASSERT_EQ(copies.size(), 1) << "no recovery copy appeared";
    EXPECT_TRUE(next.Orphans().empty()); // its run is still alive
    melvara.kill();
    ASSERT_TRUE(melvara.waitForFinished(10000));

    const auto orphans = next.Orphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0].sourcePath, QString()); // recovered into an untitled catalogue
    EXPECT_LE(std::abs(orphans[0].written.secsTo(QDateTime::currentDateTime())), 60);
    EXPECT_EQ(MediaIn(orphans[0].copyPath), 2u);
}

} // namespace
