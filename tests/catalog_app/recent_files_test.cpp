#include "common/recent_files.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RecentFiles, NewestFirstWithoutDuplicatesAndAtMostFour) {
    QTemporaryDir dir;
    CRecentFileList list;
    for (const char* name : {"a.mvr", "b.mvr", "c.mvr", "d.mvr", "e.mvr"})
        list.Add(dir.filePath(QString::fromLatin1(name)));
    ASSERT_EQ(list.Files().size(), 4);
    EXPECT_TRUE(list.Files().first().endsWith(QStringLiteral("e.mvr")));
    EXPECT_TRUE(list.Files().last().endsWith(QStringLiteral("b.mvr")));
    // The same file by another spelling moves to the front instead of appearing twice.
    list.Add(dir.path() + QStringLiteral("/./c.mvr"));
    EXPECT_EQ(list.Files().size(), 4);
    EXPECT_TRUE(list.Files().first().endsWith(QStringLiteral("c.mvr")));
    EXPECT_EQ(list.Files().filter(QStringLiteral("c.mvr")).size(), 1);
}

TEST(RecentFiles, KeptInTheRecentFileListSection) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    CRecentFileList list;
    list.Add(dir.filePath(QStringLiteral("one.mvr")));
    list.Add(dir.filePath(QStringLiteral("two.mvr")));
    list.Write(settings);
    EXPECT_TRUE(settings.value(QStringLiteral("Recent File List/File1"))
                    .toString()
                    .endsWith(QStringLiteral("two.mvr")));
    EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File3")));

    list.Remove(dir.filePath(QStringLiteral("two.mvr")));
    list.Write(settings);
    CRecentFileList again;
    again.Read(settings);
    ASSERT_EQ(again.Files().size(), 1);
    EXPECT_TRUE(again.Files().first().endsWith(QStringLiteral("one.mvr")));
}

TEST(RecentFiles, TwoRunsMergeTheirFiles) {
    QTemporaryDir dir;
    QSettings storeA(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    QSettings storeB(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    CRecentFileList first;
    CRecentFileList second;
    first.Read(storeA);
    second.Read(storeB);
    first.AddAndStore(storeA, dir.filePath(QStringLiteral("a.mvr")));
    first.AddAndStore(storeA, dir.filePath(QStringLiteral("b.mvr")));
    second.AddAndStore(storeB, dir.filePath(QStringLiteral("c.mvr")));
    ASSERT_EQ(second.Files().size(), 3);
    EXPECT_TRUE(second.Files().first().endsWith(QStringLiteral("c.mvr")));
    second.RemoveAndStore(storeB, dir.filePath(QStringLiteral("a.mvr")));
    first.Refresh(storeA);
    ASSERT_EQ(first.Files().size(), 2);
    EXPECT_TRUE(first.Files().last().endsWith(QStringLiteral("b.mvr")));
}

} // namespace
