#include "store/file_util.h"
#include "store/messages.h"
#include "store/sectioned_file.h"
#include "store_fixture.h"

#include <sys/stat.h>

namespace vellamor::store {
namespace {

using testing::FileSizeLimit;
using testing::leftoverTemps;
using testing::readFile;
using testing::RecordingHost;
using testing::TempFolder;
using testing::writeFile;

// A statistics file of three sections as the program writes it.
const std::string kStat = "[Version]\r\nVersion=0300\r\n"
                          "\r\n[0018_Player 1]\r\nWon=0005\r\nLost=0012\r\nScore=  -120\r\n\r\n"
                          "[0019_Player 1]\r\nWon=0001\r\nLost=0000\r\n";

class SectionedFileTest : public ::testing::Test {
protected:
    std::string put(const std::string& content) {
        writeFile(path, content);
        return content;
    }
    TempFolder dir;
    std::string path = dir / "Stat.dat";
    RecordingHost host;
    SectionedFile file{path, host};
};

TEST_F(SectionedFileTest, FindsSectionsByExactHeaderLine) {
    put(kStat + "\r\n[X]\r\nName=see [0019_Player 1] here\r\n");
    EXPECT_EQ(file.findSection("Version"), 0);
    EXPECT_EQ(file.findSection("0018_Player 1"), static_cast<std::int64_t>(kStat.find("[0018")));
    EXPECT_EQ(file.findSection("0019_Player 1"), static_cast<std::int64_t>(kStat.find("[0019")));
    EXPECT_FALSE(file.findSection("0018_Player")); // a prefix is not the section
    EXPECT_FALSE(file.findSection("Player 1"));
    EXPECT_EQ(file.listSections(),
              (std::vector<std::string>{"Version", "0018_Player 1", "0019_Player 1", "X"}));
}

TEST_F(SectionedFileTest, HeaderAcrossTheBlockBoundaryIsFound) {
    const std::string header = "[0042_Player 2]";
    // Let the header start anywhere from well before to just after offset 8192.
    for (int start = 8192 - static_cast<int>(header.size()) - 3; start <= 8194; ++start) {
        SCOPED_TRACE(start);
        std::string content = "[Version]\r\nVersion=0300\r\n\r\n[Filler]\r\nF=";
        content += std::string(static_cast<std::size_t>(start) - content.size() - 2, 'x');
        content += "\r\n" + header + "\r\nWon=0007\r\n";
        put(content);
        EXPECT_EQ(file.findSection("0042_Player 2"), start);
        EXPECT_EQ(file.readKey("0042_Player 2", "Won", "").value, "0007");
    }
}

TEST_F(SectionedFileTest, ReadKey) {
    put(kStat);
    struct Case {
        const char *section, *key;
        bool found;
        const char* value;
    };
    const Case cases[] = {
        {"0018_Player 1", "Won", true, "0005"},     // first line of the body
        {"0018_Player 1", "Score", true, "  -120"}, // later line; leading blanks kept
        {"0019_Player 1", "Lost", true, "0000"},    // last line of the file
        {"0019_Player 1", "Score", false, "dflt"},  // belongs to another section
        {"0018_Player 1", "Wo", false, "dflt"},     {"0018_Player 1", "on", false, "dflt"},
        {"Nowhere", "Won", false, "dflt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        KeyRead r = file.readKey(c.section, c.key, "dflt");
        EXPECT_EQ(r.found, c.found);
        EXPECT_EQ(r.value, c.value);
    }
    put("[A]\r\nName=Ann   \r\n");
    EXPECT_EQ(file.readKey("A", "Name", "").value, "Ann"); // trailing blanks removed
}

TEST_F(SectionedFileTest, ReadKeysAndListKeys) {
    put("[A]\r\nOne=1\r\nTwo =2 \r\n\r\n Three = 3\r\n[B]\r\nFour=4\r\n");
    KeysRead r = file.readKeys("A", {"Two", "One", "Four"}, {"d2", "d1", "d4"});
    EXPECT_EQ(r.values, (std::vector<std::string>{"2 ", "1", "d4"}));
    EXPECT_FALSE(r.allFound);
    EXPECT_TRUE(file.readKeys("A", {"One", "Two"}, {"", ""}).allFound);
    EXPECT_EQ(file.listKeys("A"), (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_TRUE(file.listKeys("C").empty());
}

TEST_F(SectionedFileTest, MissingFileGivesDefaultsAndEmptyLists) {
    EXPECT_EQ(file.readKey("A", "k", "d").value, "d");
    EXPECT_EQ(file.readKeys("A", {"k"}, {"d"}).values, std::vector<std::string>{"d"});
    EXPECT_TRUE(file.listSections().empty());
    EXPECT_TRUE(file.listKeys("A").empty());
    EXPECT_FALSE(file.findSection("A"));
    EXPECT_FALSE(fileExists(path));
}

TEST_F(SectionedFileTest, WriteIntoAMissingSectionAppendsIt) {
    const std::string old = put(kStat);
    ASSERT_TRUE(file.writeKey("0020_Player 1", "Won", "0001"));
    EXPECT_EQ(readFile(path), old + "\r\n[0020_Player 1]\r\nWon=0001\r\n");
    // Into a missing file: the file is made, without an empty line in front.
    std::remove(path.c_str());
    ASSERT_TRUE(file.writeKey("A", "k", "v"));
    EXPECT_EQ(readFile(path), "[A]\r\nk=v\r\n");
}

TEST_F(SectionedFileTest, SameWidthWriteChangesOnlyThoseBytes) {
    const std::string old = put(kStat);
    ASSERT_TRUE(file.writeKey("0018_Player 1", "Lost", "0013"));
    const std::string now = readFile(path);
    ASSERT_EQ(now.size(), old.size());
    const std::size_t at = old.find("Lost=0012") + 5;
    for (std::size_t i = 0; i < old.size(); ++i)
        if (i < at || i >= at + 4) {
            ASSERT_EQ(now[i], old[i]) << "byte " << i;
        }
    EXPECT_EQ(now.substr(at, 4), "0013");
    EXPECT_TRUE(leftoverTemps(dir.path()).empty());
}

TEST_F(SectionedFileTest, NewKeyRewritesOnlyItsSection) {
    put(kStat);
    ASSERT_TRUE(file.writeKey("0018_Player 1", "Streak", "03"));
    EXPECT_EQ(readFile(path),
              "[Version]\r\nVersion=0300\r\n"
              "\r\n[0018_Player 1]\r\nWon=0005\r\nLost=0012\r\nScore=  -120\r\nStreak=03\r\n\r\n"
              "[0019_Player 1]\r\nWon=0001\r\nLost=0000\r\n");
    // A value of another width goes the same way, in its place.
    ASSERT_TRUE(file.writeKey("0018_Player 1", "Won", "12345"));
    EXPECT_EQ(file.listKeys("0018_Player 1"),
              (std::vector<std::string>{"Won", "Lost", "Score", "Streak"}));
    EXPECT_EQ(file.readKey("0018_Player 1", "Won", "").value, "12345");
    EXPECT_EQ(readFile(path).substr(readFile(path).find("[0019")),
              "[0019_Player 1]\r\nWon=0001\r\nLost=0000\r\n");
    EXPECT_TRUE(leftoverTemps(dir.path()).empty());
}

TEST_F(SectionedFileTest, LastSectionEndsWithItsBodyAndOneEmptyLine) {
    put(kStat);
    ASSERT_TRUE(file.writeKey("0019_Player 1", "Score", "000010"));
    EXPECT_EQ(readFile(path), kStat + "Score=000010\r\n\r\n");
    ASSERT_TRUE(file.rewriteSection("0019_Player 1", {"Won"}, {"0009"}));
    EXPECT_EQ(readFile(path),
              kStat.substr(0, kStat.find("[0019")) + "[0019_Player 1]\r\nWon=0009\r\n\r\n");
}

TEST_F(SectionedFileTest, EmptySectionRightBeforeTheNextOne) {
    put("[A]\r\n[B]\r\nk=1\r\n");
    EXPECT_FALSE(file.readKey("A", "k", "").found);
    ASSERT_TRUE(file.writeKey("A", "k", "2"));
    EXPECT_EQ(readFile(path), "[A]\r\nk=2\r\n\r\n[B]\r\nk=1\r\n");
}

TEST_F(SectionedFileTest, LineFeedOnlyAndMissingFinalLineEnd) {
    put("[Version]\nVersion=0300\n\n[A]\nWon=0005\nLost=0001\n[B]\nWon=0009");
    EXPECT_EQ(file.readKey("A", "Won", "").value, "0005");
    EXPECT_FALSE(file.readKey("A", "Lost", "").value.ends_with('\n'));
    EXPECT_EQ(file.readKey("B", "Won", "").value, "0009");
    ASSERT_TRUE(file.writeKey("A", "Won", "0006")); // same width: in place
    ASSERT_TRUE(file.writeKey("B", "Won", "0010"));
    ASSERT_TRUE(file.writeKey("A", "New", "x"));
    EXPECT_EQ(
        readFile(path),
        "[Version]\nVersion=0300\n\n[A]\nWon=0006\r\nLost=0001\r\nNew=x\r\n\r\n[B]\nWon=0010");
    // A header on the last line without its line end.
    put("[A]\r\nk=1\r\n\r\n[B]");
    EXPECT_EQ(file.findSection("B"), 12);
    ASSERT_TRUE(file.writeKey("B", "k", "2"));
    EXPECT_EQ(readFile(path), "[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n\r\n");
}

TEST_F(SectionedFileTest, TruncatedAndBinaryFilesDoNotLoseData) {
    std::string garbage;
    for (int i = 0; i < 20000; ++i)
        garbage += static_cast<char>((i * 131 + 7) % 256);
    const std::vector<std::string> contents = {
        "[Version]\r\nVersion=03", // cut in the middle of a line
        "[Vers",                   // cut in the middle of a header
        garbage,
        std::string("[A]\r\nk=\0\0\0\r\n", 12),
    };
    for (const std::string& content : contents) {
        SCOPED_TRACE(content.size());
        put(content);
        file.readKey("Version", "Version", "d");
        file.readKeys("A", {"k"}, {"d"});
        file.listSections();
        ASSERT_TRUE(file.writeKey("Fresh", "k", "v"));
        const std::string now = readFile(path);
        EXPECT_EQ(now.substr(0, content.size()), content);
        EXPECT_EQ(file.readKey("Fresh", "k", "").value, "v");
    }
}

TEST_F(SectionedFileTest, TenMegabyteFile) {
    std::string content = "[Version]\r\nVersion=0300\r\n";
    for (int i = 0; content.size() < 10'000'000; ++i)
        content += "\r\n[" + std::to_string(i) +
                   "]\r\nWon=0000\r\nLost=0000\r\nName=" + std::string(200, 'n') + "\r\n";
    content += "\r\n[Last]\r\nWon=0001\r\n";
    put(content);
    EXPECT_EQ(file.readKey("Last", "Won", "").value, "0001");
    ASSERT_TRUE(file.writeKey("Last", "Won", "0002"));
    ASSERT_TRUE(file.writeKey("Last", "Lost", "0003"));
    EXPECT_EQ(file.readKey("Last", "Won", "").value, "0002");
    EXPECT_EQ(file.readKey("Last", "Lost", "").value, "0003");
    EXPECT_EQ(readFile(path).substr(0, content.size() - 10),
              content.substr(0, content.size() - 10));
}

TEST_F(SectionedFileTest, InputThatWouldBreakTheFormatIsRefused) {
    const std::string old = put(kStat);
    struct Case {
        const char *section, *key, *value;
    };
    const Case bad[] = {
        {"0018_Player 1", "Won", "00\r\n[X]"},
        {"0018_Player 1", "Won", "a\nb"},
        {"0018_Player 1", "Won", "[0019_Player 1]"},
        {"0018_Player 1", "W=n", "1"},
        {"0018_Player 1", "", "1"},
        {"0018_Player 1", "[W]", "1"},
        {"0018_Player 1", " Won", "1"},
        {"A]B", "k", "1"},
        {"", "k", "1"},
        {"A\r\nB", "k", "1"},
    };
    for (const Case& c : bad) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "=" + c.value);
        EXPECT_FALSE(file.writeKey(c.section, c.key, c.value));
        EXPECT_FALSE(file.rewriteSection(c.section, {c.key}, {c.value}));
        EXPECT_FALSE(file.appendSection(c.section, {c.key}, {c.value}));
        EXPECT_FALSE(file.overwriteSectionLines(c.section, {c.key}, {c.value}));
    }
    EXPECT_FALSE(file.rewriteSection("A", {"k", "l"}, {"1"}));
    EXPECT_FALSE(file.appendSection("0018_Player 1", {"k"}, {"1"})); // exists already
    EXPECT_EQ(host.messages.size(), std::size(bad) * 4 + 2);
    EXPECT_EQ(readFile(path), old);
}

TEST_F(SectionedFileTest, OverwriteSectionLines) {
    const std::string old = put(kStat);
    ASSERT_TRUE(file.overwriteSectionLines("0018_Player 1", {"Won", "Lost"}, {"0006", "0013"}));
    std::string expected = old;
    expected.replace(expected.find("Won=0005"), 8, "Won=0006");
    expected.replace(expected.find("Lost=0012"), 9, "Lost=0013");
    EXPECT_EQ(readFile(path), expected);
    // Lines of another length do not spill into the next section.
    ASSERT_TRUE(file.overwriteSectionLines("0018_Player 1", {"Won"}, {"123456"}));
    EXPECT_EQ(file.listKeys("0018_Player 1"), (std::vector<std::string>{"Won", "Lost", "Score"}));
    EXPECT_EQ(file.readKey("0018_Player 1", "Won", "").value, "123456");
    EXPECT_EQ(file.readKey("0019_Player 1", "Won", "").value, "0001");
    ASSERT_TRUE(file.overwriteSectionLines("0021_Player 1", {"Won"}, {"0001"}));
    EXPECT_TRUE(readFile(path).ends_with("\r\n[0021_Player 1]\r\nWon=0001\r\n"));
}

TEST_F(SectionedFileTest, ReplaceAtColumn) {
    const std::string log = "20240101 Player 1    0018 Won\r\n"
                            "20240102 Ann         0018 Lost\r\n"
                            "20240103 Player 1    0019 Won\n"
                            "Player 1 at the start\r\n"
                            "short\r\n"
                            "20240104 Player 1    0020 Lost";
    put(log);
    std::vector<long> progress;
    ASSERT_TRUE(
        file.replaceAtColumn(10, "Player 1", "Bob     ", [&](long n) { progress.push_back(n); }));
    std::string expected = log;
    for (std::size_t at = expected.find(" Player 1    "); at != std::string::npos;
         at = expected.find(" Player 1    ", at))
        expected.replace(at + 1, 8, "Bob     ");
    EXPECT_EQ(readFile(path), expected);
    EXPECT_EQ(host.busyCalls, (std::vector<bool>{true, false}));
    // Another length moves the rest of the line.
    ASSERT_TRUE(file.replaceAtColumn(10, "Bob     ", "Christopher"));
    EXPECT_TRUE(readFile(path).starts_with("20240101 Christopher    0018 Won\r\n20240102 Ann"));
    // Progress at every tenth line.
    std::string many;
    for (int i = 0; i < 25; ++i)
        many += "x\r\n";
    put(many);
    progress.clear();
    ASSERT_TRUE(file.replaceAtColumn(1, "x", "y", [&](long n) { progress.push_back(n); }));
    EXPECT_EQ(progress, (std::vector<long>{10, 20}));
    std::remove(path.c_str());
    EXPECT_TRUE(file.replaceAtColumn(1, "x", "y"));
    EXPECT_FALSE(fileExists(path));
    EXPECT_TRUE(leftoverTemps(dir.path()).empty());
}

TEST_F(SectionedFileTest, HeldOpenHandleFollowsARewrite) {
    put(kStat);
    file.open(true);
    ASSERT_TRUE(file.writeKey("0018_Player 1", "Streak", "03")); // rewrites the file
    EXPECT_EQ(file.readKey("0018_Player 1", "Streak", "").value, "03");
    ASSERT_TRUE(file.writeKey("0018_Player 1", "Streak", "04")); // in place, same handle
    file.close();
    EXPECT_EQ(SectionedFile(path, host).readKey("0018_Player 1", "Streak", "").value, "04");
}

TEST_F(SectionedFileTest, FailedRewriteKeepsTheOldFile) {
    const std::string old = put(kStat);
    {
        FileSizeLimit limit(50); // the copy into the temporary file fails part-way
        EXPECT_FALSE(file.writeKey("0018_Player 1", "Streak", "03"));
        EXPECT_FALSE(file.replaceAtColumn(1, "[", "{"));
    }
    EXPECT_EQ(readFile(path), old);
    EXPECT_TRUE(leftoverTemps(dir.path()).empty());
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_TRUE(host.messages[0].starts_with(msg::kWriteError)) << host.messages[0];

    {
        FileSizeLimit limit(static_cast<rlim_t>(old.size()) + 5); // the appended section
        EXPECT_FALSE(file.writeKey("New section", "k", "v"));
    }
    EXPECT_EQ(readFile(path), old); // no half section left behind
}

TEST_F(SectionedFileTest, ReadOnlyFolder) {
    if (testing::runningAsRoot())
        GTEST_SKIP() << "root ignores folder permissions; the write "
                        "failure is covered by FailedRewriteKeepsTheOldFile";
    const std::string old = put(kStat);
    ::chmod(dir.path().c_str(), 0555);
    EXPECT_FALSE(file.writeKey("0018_Player 1", "Streak", "03"));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(readFile(path), old);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].starts_with(msg::kErrorCreatingTemp));
}

TEST_F(SectionedFileTest, FileThatCannotBeOpenedAbandonsTheOperation) {
    ::mkdir(path.c_str(), 0777); // a folder where the file should be
    EXPECT_THROW(file.readKey("A", "k", "d"), StoreError);
    try {
        file.writeKey("A", "k", "v");
        FAIL() << "no error";
    } catch (const StoreError& e) {
        EXPECT_EQ(std::string(e.what()), msg::cannotOpen(path));
    }
}

TEST(StatisticsFiles, MissingOnesAreCreated) {
    TempFolder dir;
    RecordingHost host;
    DataFolder folder(dir.path());
    writeFile(dir / "stat.dat", "[Version]\r\nVersion=0300\r\n\r\n[x]\r\nk=1\r\n");
    ASSERT_TRUE(ensureStatisticsFiles(folder, "Player 1", host));
    EXPECT_EQ(readFile(dir / "stat.dat"), "[Version]\r\nVersion=0300\r\n\r\n[x]\r\nk=1\r\n");
    EXPECT_FALSE(fileExists(dir / "Stat.dat") && !fileExists(dir / "stat.dat"));
    EXPECT_EQ(readFile(dir / "Stat_scr.dat"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(readFile(dir / "Series_scr.dat"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(readFile(dir / "Stat_glo.dat"), "[Version]\r\nVOvS=0300\r\n");
    EXPECT_TRUE(fileExists(dir / "Stat_prg_Player 1.dat"));
    EXPECT_EQ(readFile(dir / "Stat_prg_Player 1.dat"), "");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(ensureStatisticsFiles(folder, "a/b", host));
    EXPECT_EQ(host.messages.size(), 1u);
}

} // namespace
} // namespace vellamor::store
