#include "labels/form_settings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class FormSettingsTest : public ::testing::Test {
protected:
    std::unique_ptr<QSettings> Open() {
        return std::make_unique<QSettings>(dir.filePath("MELVARA.ini"), QSettings::IniFormat);
    }
    QTemporaryDir dir;
};

TEST_F(FormSettingsTest, EmptyStoreGivesDefaults) {
    auto store = Open();
    CFormSettings s(store.get());
    s.LoadFormSettings();
    ASSERT_EQ(s.TypeCount(), 7);
    for (int t = 0; t < 7; ++t) {
        EXPECT_FALSE(s.FormPath(t));
        EXPECT_EQ(s.Margins(t), (FormMargins{0, 0, 0, 0, 1, 1, 0}));
        const TextLengths& l = s.Lengths(t);
        for (int i = 0; i < TextLengths::kSlots; ++i) {
            EXPECT_EQ(l.maxLength[i], 0);
            EXPECT_EQ(l.clip[i], 0);
            EXPECT_EQ(l.kind[i], i <= 9 ? i : 0);
        }
    }
}

TEST_F(FormSettingsTest, ValuesSurviveExitAndStartIncludingReorderedKinds) {
    TextLengths lengths = TextLengths::Defaults();
    lengths.kind = {8, 7, 6, 5, 4, 3, 2, 1, 0, 9};
    lengths.maxLength[1] = 50;
    lengths.clip[1] = 1;
    {
        auto store = Open();
        CFormSettings s(store.get());
        s.LoadFormSettings();
        s.SetFormPath(5, QStringLiteral("/home/u/forms/mp3 label.emf"));
        auto margins = s.CopyMargins();
        margins[2] = {10, 15, 70, 37, 3, 8, 1};
        s.ReplaceMargins(margins);
        auto table = s.CopyLengths();
        table[2] = lengths;
        s.ReplaceLengths(table);
        s.SaveFormSettings();
    }
    auto store = Open();
    CFormSettings s(store.get());
    s.LoadFormSettings();
    EXPECT_EQ(s.FormPath(5), QStringLiteral("/home/u/forms/mp3 label.emf"));
    EXPECT_EQ(s.Margins(2), (FormMargins{10, 15, 70, 37, 3, 8, 1}));
    EXPECT_EQ(s.Lengths(2), lengths);
    EXPECT_EQ(s.Lengths(2).FindKind(7), 1);
}

TEST_F(FormSettingsTest, ClearedOrEmptyPathMeansNoForm) {
    {
        auto store = Open();
        store->setValue("Settings/Form Paths/LP", "");
        store->setValue("Settings/Form Paths/CD", "/forms/cd.emf");
        CFormSettings s(store.get());
        s.LoadFormSettings();
        EXPECT_FALSE(s.FormPath(4));
        EXPECT_TRUE(s.FormPath(0));
        s.SetFormPath(0, std::nullopt);
        s.SaveFormSettings();
    }
    auto store = Open();
    EXPECT_FALSE(store->contains("Settings/Form Paths/CD")); // deleted at exit, not left empty
    CFormSettings s(store.get());
    s.LoadFormSettings();
    EXPECT_FALSE(s.FormPath(0));
}

TEST_F(FormSettingsTest, BinaryValueOfWrongSizeOrTypeIsTakenAsAbsent) {
    auto store = Open();
    store->setValue("Settings/Form Margins/CD", QByteArray(27, '\x05'));
    store->setValue("Settings/Form Margins/MC", QByteArray(400, '\x05'));
    store->setValue("Settings/Form Margins/MD", QStringLiteral("1234567890123456789012345678"));
    store->setValue("Settings/Text Lengths/CD", QByteArray(191, '\x01'));
    CFormSettings s(store.get());
    s.LoadFormSettings();
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(s.Margins(t), FormMargins{});
    EXPECT_EQ(s.Lengths(0), TextLengths::Defaults());
}

TEST_F(FormSettingsTest, StoredLayoutIsLittleEndianInFieldOrder) {
    const auto m = ToBytes(FormMargins{1, 2, 3, 4, 5, 6, 0x01020304});
    EXPECT_EQ(m[0], std::byte{1});
    EXPECT_EQ(m[20], std::byte{6});
    EXPECT_EQ(m[24], std::byte{4});
    EXPECT_EQ(m[27], std::byte{1});

    TextLengths t = TextLengths::Defaults();
    t.maxLength[15] = 0x11;
    t.clip[0] = 1;
    const auto b = ToBytes(t);
    EXPECT_EQ(b[60], std::byte{0x11}); // last maximum length
    EXPECT_EQ(b[64], std::byte{1});    // first flag
    EXPECT_EQ(b[128 + 4 * 9], std::byte{9});
    EXPECT_EQ(TextLengthsFromBytes(b), t);
}

TEST_F(FormSettingsTest, ExitStampsTheVersionEvenWithoutChanges) {
    auto store = Open();
    CFormSettings s(store.get());
    s.SaveFormSettings(); // never loaded: nothing written
    EXPECT_FALSE(store->contains("Settings/VersionMS"));
    s.LoadFormSettings();
    s.SaveFormSettings();
    EXPECT_EQ(store->value("Settings/VersionMS").toUInt(), 0x00000009u);
    EXPECT_EQ(store->value("Settings/VersionLS").toUInt(), 0x00020002u);
    EXPECT_EQ(store->value("Settings/ProductMS").toUInt(), 0x82170001u);
    EXPECT_EQ(store->value("Settings/ProductLS").toUInt(), 0x00000005u);
}

// Two windows of the program over one store, each with its own copy of the settings.
TEST_F(FormSettingsTest, TwoRunsKeepWhatTheOtherWroteAndSeeIt) {
    auto storeA = Open();
    auto storeB = Open();
    CFormSettings first(storeA.get());
    CFormSettings second(storeB.get());
    first.LoadFormSettings();
    second.LoadFormSettings();

    first.SetFormPath(0, QStringLiteral("/forms/cd.emf"));
    auto margins = first.CopyMargins();
    margins[0] = {5, 6, 70, 37, 2, 8, 1};
    first.ReplaceMargins(margins);
    first.WriteChangedSettings(); // "Settings" closed with OK
    EXPECT_FALSE(first.HasUnwrittenChanges());

    // The second run changed one value of its own and has not written it yet.
    auto lengths = second.CopyLengths();
    lengths[3].maxLength[0] = 40;
    second.ReplaceLengths(lengths);
    second.RefreshFormSettings();
    EXPECT_EQ(second.FormPath(0), QStringLiteral("/forms/cd.emf"));
    EXPECT_EQ(second.Margins(0), margins[0]);
    EXPECT_EQ(second.Lengths(3).maxLength[0], 40); // its own change is not overwritten

    // The first run exits last: the other run's change, written at its exit, stays.
    second.SaveFormSettings();
    first.SaveFormSettings();
    auto store = Open();
    CFormSettings next(store.get());
    next.LoadFormSettings();
    EXPECT_EQ(next.FormPath(0), QStringLiteral("/forms/cd.emf"));
    EXPECT_EQ(next.Margins(0), margins[0]);
    EXPECT_EQ(next.Lengths(3).maxLength[0], 40);
    EXPECT_EQ(store->value("Settings/VersionMS").toUInt(), 0x00000009u);
}

TEST_F(FormSettingsTest, ExitWritesNoValueThisRunLeftAlone) {
    auto store = Open();
    CFormSettings s(store.get());
    s.LoadFormSettings();
    auto margins = s.CopyMargins();
    s.ReplaceMargins(margins); // the same values again: not a change
    s.SetFormPath(1, std::nullopt);
    auto other = Open();
    other->setValue("Settings/Form Paths/MC", "/elsewhere/mc.emf");
    other->sync();
    s.SaveFormSettings();
    store->sync();
    EXPECT_EQ(store->value("Settings/Form Paths/MC").toString(), "/elsewhere/mc.emf");
    EXPECT_FALSE(store->contains("Settings/Form Margins/CD"));
}

TEST(TextLengthsKinds, LookupStopsAtEndOfKinds) {
    TextLengths t = TextLengths::Defaults();
    EXPECT_EQ(t.FindKind(TitleInterpreterKind), 8);
    t.kind[3] = EndOfKinds;
    EXPECT_FALSE(t.FindKind(TrackLengthKind + 1)); // after the end marker
    TextLengths noEnd;
    noEnd.kind.fill(2);
    EXPECT_EQ(noEnd.FindKind(2), 0);
    EXPECT_FALSE(noEnd.FindKind(5)); // whole column scanned, no end marker, no match
}

} // namespace
