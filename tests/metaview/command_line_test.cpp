#include "metaview/export/command_line.h"

#include "emf/emf_builder.h"
#include "test_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

namespace {

using testing::HasSubstr;
using testing::StartsWith;
using testing_metaview::ReadAll;
using testing_metaview::ScratchDir;
using testing_metaview::ShapesEmf;
using testing_metaview::WriteAll;

struct CliRun {
    int code = -1;
    std::string out, err;
};

CliRun Kelvane(std::vector<std::string> args) {
    std::ostringstream out, err;
    CliRun r;
    r.code = metaview::RunCommandLine(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(CommandLine, UsageVersionAndMistakes) {
    const CliRun none = Kelvane({});
    EXPECT_EQ(none.code, 0);
    EXPECT_THAT(none.out, StartsWith("Usage: kelvane"));
    EXPECT_EQ(Kelvane({"--help"}).out, none.out);
    EXPECT_EQ(Kelvane({"--version"}).out, "Korvel-Software Kelvane 0.9.0.2\n");
    for (auto args : {std::vector<std::string>{"--info"},
                      {"--records", "a", "b"},
                      {"--convert", "a"},
                      {"--frobnicate"}}) {
        const CliRun bad = Kelvane(args);
        EXPECT_EQ(bad.code, 2) << args[0];
        EXPECT_THAT(bad.err, HasSubstr("Usage:"));
        EXPECT_EQ(bad.out, "");
    }
}

TEST(CommandLine, InfoAndRecordsOfABuiltPicture) {
    ScratchDir dir;
    WriteAll(dir / "s.emf", ShapesEmf());
    const CliRun info = Kelvane({"--info", (dir / "s.emf").string()});
    EXPECT_EQ(info.code, 0) << info.err;
    const auto rows = Lines(info.out);
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows[17], "EMF+ records:\tEMF only");
    EXPECT_EQ(rows[0], "EMF created in:\tKelvane tests");
    EXPECT_EQ(rows[9], "Number of records:\t7");

    const CliRun records = Kelvane({"--records", (dir / "s.emf").string()});
    EXPECT_EQ(records.code, 0) << records.err;
    const auto lines = Lines(records.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0],
              "0\tEMR_HEADER\t0\t" + std::to_string(testing_metaview::U32At(ShapesEmf(), 4)));
    EXPECT_EQ(lines[4], "4\tEMR_RECTANGLE\t42\t24");
    EXPECT_EQ(lines[6], "6\tEMR_EOF\t13\t20");
}

TEST(CommandLine, DescriptionsPrintAsUtf8OnOneLine) {
    emf::EmfBuilder b;
    b.SetDescription(u"Grüße\tvom\nTest", u"€");
    ScratchDir dir;
    WriteAll(dir / "d.emf", b.Build());
    const auto rows = Lines(Kelvane({"--info", (dir / "d.emf").string()}).out);
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows[0], "EMF created in:\tGr\u00fc\u00dfe vom Test");
    EXPECT_EQ(rows[1], "EMF picture name:\t\u20ac");
}

TEST(CommandLine, UnknownTypesAndLyingHeadersAreShownAsTheyAre) {
    std::vector<std::byte> file = ShapesEmf();
    file[4 * 0 + 52] = std::byte{99}; // nRecords
    const std::uint32_t headerSize = testing_metaview::U32At(file, 4);
    file[headerSize] = std::byte{118}; // EMR_SETMAPMODE becomes EMR_GRADIENTFILL's number
    ScratchDir dir;
    WriteAll(dir / "odd.emf", file);
    const CliRun records = Kelvane({"--records", (dir / "odd.emf").string()});
    EXPECT_EQ(records.code, 0) << records.err;
    EXPECT_EQ(Lines(records.out).at(1), "1\tUnknown Record\t-1\t12");
    EXPECT_THAT(records.err, HasSubstr("record count"));
}

TEST(CommandLine, ConvertWritesWhatTheFileLoadsAs) {
    ScratchDir dir;
    WriteAll(dir / "s.emf", ShapesEmf());
    const CliRun run = Kelvane({"--convert", (dir / "s.emf").string(), (dir / "out.emf").string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(ReadAll(dir / "out.emf"), ShapesEmf());
}

TEST(CommandLine, UnreadableFilesFailWithAMessage) {
    ScratchDir dir;
    WriteAll(dir / "junk.emf", std::vector<std::byte>(100, std::byte{0x42}));
    for (const char* name : {"junk.emf", "missing.emf"}) {
        const CliRun run = Kelvane({"--info", (dir / name).string()});
        EXPECT_EQ(run.code, 1);
        EXPECT_THAT(run.err, HasSubstr(name));
        EXPECT_EQ(run.out, "");
    }
    const CliRun convert =
        Kelvane({"--convert", (dir / "junk.emf").string(), (dir / "o.emf").string()});
    EXPECT_EQ(convert.code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "o.emf"));
}

TEST(CommandLine, OutputThatCannotBeWrittenIsAFailure) {
    ScratchDir dir;
    WriteAll(dir / "s.emf", ShapesEmf());
    std::ostream broken(nullptr); // every write fails, as on a full disk
    std::ostringstream err;
    const std::vector<std::string> args = {"--records", (dir / "s.emf").string()};
    EXPECT_EQ(metaview::RunCommandLine(args, broken, err), 1);
    EXPECT_THAT(err.str(), HasSubstr("could not be written"));
}

// The program itself: no display, the same output as the function behind it.
TEST(CommandLine, TheProgramRunsWithoutADisplay) {
    ScratchDir dir;
    WriteAll(dir / "s.emf", ShapesEmf());
    const std::string command =
        std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + KELVANE_EXE +
        " --records '" + (dir / "s.emf").string() + "' 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    std::array<char, 256> buf;
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe))
        out.append(buf.data(), n);
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_EQ(out, Kelvane({"--records", (dir / "s.emf").string()}).out);
    EXPECT_NE(std::system((std::string(KELVANE_EXE) + " --info /nonexistent 2>/dev/null").c_str()),
              0);
}

} // namespace
