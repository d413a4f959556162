#include "catalog_app/frame/help_index.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(HelpIndex, OpensTheFirstFolderThatHoldsTheIndexPage) {
    QTemporaryDir empty, pages;
    QFile index(pages.filePath(QStringLiteral("index.htm")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.close();
    QStringList opened;
    CHelpIndex help({empty.path(), pages.path()}, [&](const QString& p) { opened << p; });
    EXPECT_TRUE(help.Open());
    EXPECT_TRUE(help.Open());
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened.first(), QFileInfo(index).absoluteFilePath());
}

TEST(HelpIndex, MissingPagesDoNothingAndAreNotLookedForAgain) {
    QTemporaryDir dir;
    int opened = 0;
    CHelpIndex help({dir.path()}, [&](const QString&) { ++opened; });
    EXPECT_FALSE(help.Open());
    // Pages that turn up later are not found: the failure is remembered.
    QFile index(dir.filePath(QStringLiteral("index.htm")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.close();
    EXPECT_FALSE(help.Open());
    EXPECT_EQ(opened, 0);
}

TEST(HelpIndex, ShippedPagesAreComplete) {
    const QDir pages(QStringLiteral(KORVEL_TEST_DATA_DIR "/../../resources/help"));
    for (const char* page : {"index.htm", "catalogue.htm", "print_forms.htm", "label_sheets.htm",
                             "ready_forms.htm", "undo_and_exchange.htm"}) {
        QFile file(pages.filePath(QString::fromLatin1(page)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QString text = QString::fromUtf8(file.readAll());
        // Every link between the pages leads to a page that exists.
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
        for (const QRegularExpressionMatch& m : link.globalMatch(text))
            EXPECT_TRUE(pages.exists(m.captured(1)))
                << page << " -> " << m.captured(1).toStdString();
    }
}

} // namespace
