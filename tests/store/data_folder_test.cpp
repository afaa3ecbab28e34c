#include "store/data_folder.h"
#include "store/file_util.h"
#include "store/messages.h"
#include "store_fixture.h"

#include <sys/stat.h>

namespace vellamor::store {
namespace {

using testing::FileSizeLimit;
using testing::readFile;
using testing::RecordingHost;
using testing::TempFolder;
using testing::writeFile;

Environment envWithData(const std::string& dataHome) {
    return Environment{"", dataHome, "", ""};
}

TEST(DataFolder, PointerFileCases) {
    struct Case {
        const char* name;
        const char* pointer;  // null: no pointer file
        bool dataCfg;         // data/cfg.dat beside the program
        const char* expected; // "@P" = program folder, "@D" = default folder
        const char* written;  // expected pointer content afterwards (null: unchanged)
    };
    const Case cases[] = {
        {"first start", nullptr, false, "@D", "[Default Data Folder]\r\n"},
        {"first start with data beside", nullptr, true, "@Pdata/", "@Pdata/\r\n"},
        {"folder without slash", "/games/cards\r\n", false, "/games/cards/", nullptr},
        {"trailing blanks", "/games/cards/   \r\nignored\r\n", false, "/games/cards/", nullptr},
        {"empty file", "", false, "@D", nullptr},
        {"blank first line", "   \r\n/other/\r\n", false, "@D", nullptr},
        {"marker with more text", "[Default Data Folder] old\r\n", false, "@D", nullptr},
        {"LF only", "/x/y\n", false, "/x/y/", nullptr},
        {"relative folder", "mydata", false, "@Pmydata/", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder program, appData;
        RecordingHost host;
        const std::string pointer = program / "sol_fold.dat";
        if (c.pointer) writeFile(pointer, c.pointer);
        if (c.dataCfg) {
            ::mkdir((program / "data").c_str(), 0777);
            writeFile(program / "data/cfg.dat", "");
        }
        auto expand = [&](std::string s) {
            if (s.rfind("@P", 0) == 0) s = program.path() + s.substr(2);
            if (s.rfind("@D", 0) == 0) s = appData.path() + "Vellamor/" + s.substr(2);
            return s;
        };
        EXPECT_EQ(resolveDataFolder(program.path(), host, envWithData(appData.path())),
                  expand(c.expected));
        EXPECT_EQ(readFile(pointer),
                  c.written ? expand(c.written) : std::string(c.pointer ? c.pointer : ""));
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(DataFolder, DefaultFolderFromTheEnvironment) {
    EXPECT_EQ(defaultDataFolder("/opt/v/", Environment{"/home/ann", "", "", ""}),
              "/home/ann/.local/share/Vellamor/");
    EXPECT_EQ(defaultDataFolder("/opt/v/", Environment{"/home/ann", "/data/xdg", "", ""}),
              "/data/xdg/Vellamor/");
    // A relative XDG value is ignored; no usable location at all: beside the program.
    EXPECT_EQ(defaultDataFolder("/opt/v/", Environment{"/home/ann", "rel", "", ""}),
              "/home/ann/.local/share/Vellamor/");
    EXPECT_EQ(defaultDataFolder("/opt/v", Environment{}), "/opt/v/Data/");
}

TEST(DataFolder, PointerThatCannotBeWrittenIsReportedOnceAndTheDefaultUsed) {
    TempFolder program, appData;
    RecordingHost host;
    {
        FileSizeLimit limit(4); // the pointer line cannot be written
        EXPECT_EQ(resolveDataFolder(program.path(), host, envWithData(appData.path())),
                  appData.path() + "Vellamor/");
    }
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], msg::errorSavingFile(program / "sol_fold.dat"));
    EXPECT_FALSE(fileExists(program / "sol_fold.dat"));
    EXPECT_TRUE(testing::leftoverTemps(program.path()).empty());
}

TEST(DataFolder, ReadOnlyProgramFolder) {
    if (testing::runningAsRoot())
        GTEST_SKIP() << "root ignores folder permissions; the write "
                        "failure is covered by the size-limit test";
    TempFolder program, appData;
    RecordingHost host;
    ::chmod(program.path().c_str(), 0555);
    EXPECT_EQ(resolveDataFolder(program.path(), host, envWithData(appData.path())),
              appData.path() + "Vellamor/");
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST(DataFolder, SavingThePointerMovesTheFolder) {
    TempFolder program;
    RecordingHost host;
    ASSERT_TRUE(saveDataFolderPointer(program.path(), "/srv/cards/", host));
    EXPECT_EQ(readFile(program / "sol_fold.dat"), "/srv/cards/\r\n");
    EXPECT_EQ(resolveDataFolder(program.path(), host, Environment{}), "/srv/cards/");
    ASSERT_TRUE(saveDataFolderPointer(program.path(), "", host));
    EXPECT_EQ(readFile(program / "sol_fold.dat"), "[Default Data Folder]\r\n");
}

TEST(DataFolder, OpeningCreatesMissingParentsAndNamesMatchWithoutCase) {
    TempFolder program, appData;
    RecordingHost host;
    writeFile(program / "sol_fold.dat", appData.path() + "a/b/c\r\n");
    DataFolder folder = openDataFolder(program.path(), host, Environment{});
    EXPECT_EQ(folder.folder(), appData.path() + "a/b/c/");
    EXPECT_TRUE(folderExists(folder.folder()));
    EXPECT_EQ(folder.settings(), folder.folder() + "Cfg.dat");
    writeFile(folder.folder() + "STAT_SCR.DAT", "");
    EXPECT_EQ(folder.statScr(), folder.folder() + "STAT_SCR.DAT");
    EXPECT_TRUE(folder.has("stat_scr.dat"));
    EXPECT_EQ(folder.progression("Player 1"), folder.folder() + "Stat_prg_Player 1.dat");
    for (const char* bad : {"", ".", "..", "a/b"})
        EXPECT_FALSE(folder.progression(bad)) << bad;
}

TEST(DataFolder, PersonalDocumentsFolder) {
    TempFolder home;
    EXPECT_EQ(personalDocumentsFolder(Environment{home.path(), "", "", "/docs"}), "/docs/");
    EXPECT_EQ(personalDocumentsFolder(Environment{home.path(), "", "", ""}), home.path());
    ::mkdir((home / "Documents").c_str(), 0777);
    EXPECT_EQ(personalDocumentsFolder(Environment{home.path(), "", "", ""}), home / "Documents/");
    ::mkdir((home / ".config").c_str(), 0777);
    writeFile(home / ".config/user-dirs.dirs",
              "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    EXPECT_EQ(personalDocumentsFolder(Environment{home.path(), "", "", ""}), home / "Papers/");
    EXPECT_FALSE(personalDocumentsFolder(Environment{}));
    RecordingHost host;
    EXPECT_EQ(personalDocumentsFolder(Environment{}, host), "");
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(msg::kNoDocumentsFolder)});
}

} // namespace
} // namespace vellamor::store
