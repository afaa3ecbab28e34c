#include "store/file_util.h"
#include "store/ini_file.h"
#include "store/settings.h"
#include "store/text_util.h"
#include "store_fixture.h"

#include <set>
#include <sys/stat.h>

namespace vellamor::store {
namespace {

using testing::FileSizeLimit;
using testing::readFile;
using testing::RecordingHost;
using testing::TempFolder;
using testing::writeFile;

TEST(IniFile, NamesMatchWithoutCaseAndBothSpellingsMeetInOneKey) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    writeFile(path, "[PREFERENCE]\r\nbackground_DEF=Y\r\n");
    {
        IniFile ini(path);
        EXPECT_EQ(ini.readString("Preference", "Background_def", "N"), "Y");
        ASSERT_TRUE(ini.writeString("Preference", "Show_Main_PopUp_Menu", "N"));
        ASSERT_TRUE(ini.writeString("preference", "show_main_popup_menu", "Y"));
        ASSERT_TRUE(ini.writeString("Preference", "Background_Def", "N"));
        EXPECT_EQ(ini.readString("Preference", "Show_Main_Popup_Menu", "?"), "Y");
        ASSERT_TRUE(ini.commit());
    }
    // The key keeps the spelling it had in the file; one line per key.
    EXPECT_EQ(readFile(path), "[PREFERENCE]\r\nbackground_DEF=N\r\nShow_Main_PopUp_Menu=Y\r\n");
}

TEST(IniFile, ValuesAreKeptAsWrittenAndOtherLinesSurvive) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    // LF line ends, a comment, a line without "=", no final line end.
    writeFile(path, "; note\n[A]\nx= spaced value \ny=b=c\ngarbage line\n\n[B]\nz=1");
    IniFile ini(path);
    EXPECT_EQ(ini.readString("A", "x", ""), " spaced value ");
    EXPECT_EQ(ini.readString("A", "y", ""), "b=c");
    EXPECT_EQ(ini.readString("A", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.readString("C", "x", "dflt"), "dflt");
    EXPECT_EQ(ini.keys("A"), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"A", "B"}));
    ASSERT_TRUE(ini.writeString("A", "new", "v"));
    ASSERT_TRUE(ini.writeString("Fresh", "k", "1"));
    ASSERT_TRUE(ini.commit());
    EXPECT_EQ(readFile(path), "; note\r\n[A]\r\nx= spaced value \r\ny=b=c\r\ngarbage line\r\n"
                              "new=v\r\n\r\n[B]\r\nz=1\r\n\r\n[Fresh]\r\nk=1\r\n");
}

TEST(IniFile, Integers) {
    TempFolder dir;
    writeFile(dir / "Cfg.dat",
              "[P]\r\nCard=003\r\nneg=-30\r\nbig=2147483663\r\nword=abc\r\nblank=\r\npad= 12 \r\n"
              "mixed=12x\r\non=1\r\n");
    IniFile ini(dir / "Cfg.dat");
    struct Case {
        const char* key;
        long long expected;
    };
    for (Case c : {Case{"Card", 3}, Case{"neg", -30}, Case{"big", 2147483663LL}, Case{"word", 77},
                   Case{"blank", 77}, Case{"pad", 12}, Case{"mixed", 77}, Case{"none", 77}}) {
        EXPECT_EQ(ini.readInteger("P", c.key, 77), c.expected) << c.key;
    }
    EXPECT_TRUE(ini.readBool("P", "on", false));
    EXPECT_TRUE(ini.readBool("P", "Card", false)); // any number but 0
}

TEST(IniFile, MissingFileGivesDefaultsAndIsNotCreatedByReading) {
    TempFolder dir;
    {
        IniFile ini(dir / "Cfg.dat");
        EXPECT_EQ(ini.readString("Preference", "Game_name", "Spider"), "Spider");
        EXPECT_TRUE(ini.commit());
    }
    EXPECT_FALSE(fileExists(dir / "Cfg.dat"));
}

TEST(IniFile, InputThatWouldBreakTheFileIsRefused) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    writeFile(path, "[A]\r\nk=1\r\n");
    RecordingHost host;
    IniFile ini(path, &host);
    struct Case {
        const char *section, *key, *value;
    };
    const Case bad[] = {{"A", "a=b", "1"}, {"A", "k", "1\r\n[B]"}, {"A", "k", "x\ny"},
                        {"A]", "k", "1"},  {"", "k", "1"},         {"A", "", "1"},
                        {"A", " k", "1"},  {"A", "[k", "1"},       {"A", ";k", "1"}};
    for (const Case& c : bad)
        EXPECT_FALSE(ini.writeString(c.section, c.key, c.value)) << c.key;
    EXPECT_EQ(host.messages.size(), std::size(bad));
    EXPECT_FALSE(ini.dirty());
    EXPECT_EQ(readFile(path), "[A]\r\nk=1\r\n");
}

TEST(IniFile, FailedWriteKeepsTheOldFileAndIsReported) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    const std::string old = "[A]\r\nk=" + std::string(200, 'x') + "\r\n";
    writeFile(path, old);
    RecordingHost host;
    {
        IniFile ini(path, &host);
        ini.writeString("A", "k", std::string(300, 'y'));
        {
            FileSizeLimit limit(100);
            EXPECT_FALSE(ini.commit());
        }
        EXPECT_EQ(readFile(path), old);
        EXPECT_TRUE(testing::leftoverTemps(dir.path()).empty());
        EXPECT_TRUE(ini.dirty()); // still pending: the destructor tries once more
    }
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find(path), std::string::npos);
    // The destructor's commit ran without the limit and succeeded.
    EXPECT_EQ(readFile(path), "[A]\r\nk=" + std::string(300, 'y') + "\r\n");
    EXPECT_TRUE(testing::leftoverTemps(dir.path()).empty());
}

TEST(IniFile, UnreadableFileIsNeverOverwritten) {
    if (testing::runningAsRoot()) GTEST_SKIP() << "root reads files whatever their permissions";
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    writeFile(path, "[A]\r\nk=1\r\n");
    ::chmod(path.c_str(), 0200);
    RecordingHost host;
    {
        IniFile ini(path, &host);
        EXPECT_EQ(ini.readString("A", "k", "d"), "d");
        ini.writeString("A", "other", "2");
        EXPECT_FALSE(ini.commit());
        ini.deleteKey("A", "other");
    }
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(readFile(path), "[A]\r\nk=1\r\n");
    EXPECT_FALSE(host.messages.empty());
}

TEST(IniFile, BinaryGarbageIsToleratedAndKept) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    std::replace(garbage.begin(), garbage.end(), '\n', 'n'); // one long line, kept intact
    std::replace(garbage.begin(), garbage.end(), '\r', 'r');
    garbage[0] = 'g'; // not a header, not a comment
    writeFile(path, garbage);
    {
        IniFile ini(path);
        EXPECT_EQ(ini.readInteger("Preference", "Game", 18), 18);
        ASSERT_TRUE(ini.writeString("Preference", "Game", "5"));
    }
    const std::string now = readFile(path);
    EXPECT_EQ(now.substr(0, garbage.size()), garbage);
    EXPECT_EQ(IniFile(path).readInteger("Preference", "Game", 18), 5);
}

TEST(SettingsTable, EveryKeyOnceWithADefaultOfItsType) {
    std::set<std::string> seen;
    Settings s("/nonexistent/Cfg.dat", nullptr);
    for (const SettingKey* k : allSettingKeys()) {
        std::string id;
        for (char c : std::string(k->section) + "/" + std::string(k->name))
            id += lowerAscii(c);
        EXPECT_TRUE(seen.insert(id).second) << "twice: " << id;
        const std::string d = s.defaultOf(*k);
        switch (k->type) {
        case SettingType::Flag: EXPECT_TRUE(d == "Y" || d == "N") << id << "=" << d; break;
        case SettingType::Integer:
        case SettingType::Boolean: EXPECT_EQ(std::to_string(std::stoll(d)), d) << id; break;
        case SettingType::Text:
        case SettingType::Date: break;
        }
        EXPECT_EQ(findSettingKey(k->section, k->name), k);
    }
    EXPECT_EQ(findSettingKey("preference", "show_main_popup_menu"), &key::Show_Main_Popup_Menu);
    EXPECT_EQ(userKey(20), &key::User020);
    EXPECT_EQ(userKey(21), nullptr);
    EXPECT_EQ(playerStatKey("Won", 3), &key::Stat_Won_3);
}

TEST(SettingsTable, ComputedDefaults) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    SettingContext ctx;
    ctx.screenWidth = 1280;
    ctx.screenHeight = 1024;
    ctx.colourBits = 8;
    ctx.documentsFolder = "/home/ann/Documents/";
    ctx.mainWindowHeight = 700;
    ctx.demoWindowHeight = 100;
    Settings s(path, nullptr, ctx);
    EXPECT_EQ(s.integer(key::MainWindowState_Width), 1130);
    EXPECT_EQ(s.integer(key::MainWindowState_Height), 874);
    EXPECT_EQ(s.integer(key::Card), 3);
    EXPECT_EQ(s.text(key::Dir_Save), "/home/ann/Documents/");
    EXPECT_EQ(s.integer(key::Tutor_Demo_Form_Top), 585);
    EXPECT_TRUE(s.flag(key::Cards_Shadowed)); // follows Cards_Animate (default Y)
    EXPECT_TRUE(s.flag(key::ToolBar_XP));
    s.setFlag(key::Cards_Animate, false);
    EXPECT_FALSE(s.flag(key::Cards_Shadowed));
    s.setFlag(key::Cards_Shadowed, true);
    EXPECT_TRUE(s.flag(key::Cards_Shadowed));
    EXPECT_EQ(Settings(path, nullptr, SettingContext{}).integer(key::Card), 1);
}

TEST(SettingsTable, TypedWritesAndReads) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    {
        Settings s(path, nullptr);
        EXPECT_EQ(s.text(key::Game_name), "Spider");
        EXPECT_EQ(s.integer(key::Game_TreeNum), -30);
        EXPECT_EQ(s.integer(key::Background_Col), 2147483663LL);
        EXPECT_FALSE(s.boolean(key::Games_Fast_Search_Stay_On_Top));
        s.setInteger(key::Card, 3, 3);
        s.setBoolean(key::Games_Fast_Search_Stay_On_Top, true);
        s.setText(key::Game_name, "Klondike");
        s.setFlag(key::Sounds_Enabled, false);
    } // committed when it goes
    EXPECT_EQ(readFile(path),
              "[Preference]\r\nCard=003\r\nGame_name=Klondike\r\nSounds_Enabled=N\r\n"
              "\r\n[Settings]\r\nGames_Fast_Search_Stay_On_Top=1\r\n");
    Settings s(path, nullptr);
    EXPECT_EQ(s.integer(key::Card), 3);
    EXPECT_TRUE(s.boolean(key::Games_Fast_Search_Stay_On_Top));
    // A flag is on only when its text is exactly "Y".
    s.setText(key::Sounds_Enabled, "y");
    EXPECT_FALSE(s.flag(key::Sounds_Enabled));
}

TEST(AdviceOnce, SilencedOnlyByAnExactN) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    RecordingHost host;
    for (const char* stored : {"N", "n", "Y", ""}) {
        writeFile(path, std::string("[Show_Messages]\r\nMsg_Cards_Large=") + stored + "\r\n");
        host.advice.clear();
        showAdviceOnce(path, host, "Large cards do not fit.", "Msg_Cards_Large", 1);
        EXPECT_EQ(host.advice.size(), std::string(stored) == "N" ? 0u : 1u) << stored;
    }
    EXPECT_EQ(host.pages.back(), 1);
}

TEST(AdviceOnce, TickingTheBoxSilencesIt) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    RecordingHost host;
    showAdviceOnce(path, host, "text", "Screen_Under_256_Colors", 0);
    EXPECT_FALSE(fileExists(path)); // not ticked: nothing written
    host.tickNext = true;
    showAdviceOnce(path, host, "text", "Screen_Under_256_Colors", 0);
    showAdviceOnce(path, host, "text", "Screen_Under_256_Colors", 0);
    EXPECT_EQ(host.advice.size(), 2u);
    EXPECT_EQ(readFile(path), "[Show_Messages]\r\nScreen_Under_256_Colors=N\r\n");
}

TEST(ConfirmOnce, TickedAndCancelledReturnsFalseOnceThenTrueWithoutAsking) {
    TempFolder dir;
    const std::string path = dir / "Cfg.dat";
    RecordingHost host;
    host.answer = AdviceAnswer{false, true};
    EXPECT_FALSE(confirmOnce(path, host, "Save custom decks here?", "Dir_Save_Custom_Decks"));
    EXPECT_TRUE(confirmOnce(path, host, "Save custom decks here?", "Dir_Save_Custom_Decks"));
    EXPECT_EQ(host.asked.size(), 1u);
    host.answer = AdviceAnswer{true, false};
    EXPECT_TRUE(confirmOnce(path, host, "full screen", "Full_Screen_Help", false));
    EXPECT_EQ(host.cancelShown, (std::vector<bool>{true, false}));
    host.answer = AdviceAnswer{false, false};
    EXPECT_FALSE(confirmOnce(path, host, "full screen", "Full_Screen_Help"));
}

TEST(StartUpConversion, OldValueSBecomesYOnlyWhenHiScoresExist) {
    TempFolder dir;
    DataFolder folder(dir.path());
    RecordingHost host;
    const std::string before = "[Preference]\r\nCards_Animate=S\r\nConfirmQuit=S\r\nAutoPlay=S\r\n";
    writeFile(folder.settings(), before);
    convertSettingsAtStartUp(folder, host);
    EXPECT_EQ(readFile(folder.settings()), before);
    writeFile(dir / "STAT_SCR.DAT", "[Version]\r\nVersion=0300\r\n");
    convertSettingsAtStartUp(folder, host);
    EXPECT_EQ(readFile(folder.settings()),
              "[Preference]\r\nCards_Animate=Y\r\nConfirmQuit=Y\r\nAutoPlay=S\r\n");
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
} // namespace vellamor::store
