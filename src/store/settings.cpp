#include "store/settings.h"

#include "store/text_util.h"

#include <array>
#include <charconv>

namespace vellamor::store {

namespace defaults {
std::string cardsShadowedDefault(const Settings& s) {
    return s.text(key::Cards_Animate);
}
std::string modernPlatformDefault(const Settings&) {
    return "Y";
}
std::string cardSetDefault(const Settings& s) {
    return s.context().colourBits <= 8 ? "3" : "1";
}
std::string documentsFolderDefault(const Settings& s) {
    return s.context().documentsFolder;
}
std::string mainWindowWidthDefault(const Settings& s) {
    return std::to_string(s.context().screenWidth - 150);
}
std::string mainWindowHeightDefault(const Settings& s) {
    return std::to_string(s.context().screenHeight - 150);
}
std::string windowLeftDefault(const Settings& s) {
    return std::to_string(s.context().windowLeft);
}
std::string windowTopDefault(const Settings& s) {
    return std::to_string(s.context().windowTop);
}
std::string windowWidthDefault(const Settings& s) {
    return std::to_string(s.context().windowWidth);
}
std::string windowHeightDefault(const Settings& s) {
    return std::to_string(s.context().windowHeight);
}
std::string demoWindowTopDefault(const Settings& s) {
    return std::to_string(s.context().mainWindowHeight - s.context().demoWindowHeight - 15);
}
} // namespace defaults

namespace {

constexpr const SettingKey* kTable[] = {
    &key::AutoPlay,
    &key::Automatic_FaceUp,
    &key::Deal_Animation,
    &key::Redeal_Animation,
    &key::Cards_Animate,
    &key::Cards_Shadowed,
    &key::Show_Partial_Hidden_Card,
    &key::ShowPilesSize,
    &key::Piles_TT,
    &key::Show_ToolTips,
    &key::VertScrollBar,
    &key::Show_Main_Popup_Menu,
    &key::Show_Score,
    &key::Show_Time,
    &key::Statusbar,
    &key::ToolBar_Visible,
    &key::ToolBar_Flat,
    &key::ToolBar_Large,
    &key::ToolBar_XP,
    &key::RightClick_To_Foundations,
    &key::RightClick_To_Tableaus,
    &key::DoubleClick_To_Foundations,
    &key::DoubleClick_To_Tableaus,
    &key::Move_Cards_DragAndDrop,
    &key::Fade_Background,
    &key::Random_Card,
    &key::Random_Deck,
    &key::Random_Background,
    &key::Sounds_Enabled,
    &key::Sounds_About,
    &key::Sounds_Autoplay,
    &key::Sounds_CardDown,
    &key::Sounds_CardUp,
    &key::Sounds_FaceUp,
    &key::Sounds_Foundation,
    &key::Sounds_GameWon,
    &key::Sounds_HiScores,
    &key::Sounds_NewHiScores,
    &key::Sounds_Pairing,
    &key::Sounds_Redeal,
    &key::Sounds_Redeal_Without_Animation,
    &key::Sounds_Redo,
    &key::Sounds_Restart,
    &key::Sounds_Shuffle,
    &key::Sounds_Splash,
    &key::Sounds_Stock,
    &key::Sounds_Tableau,
    &key::Sounds_Undo,
    &key::Sounds_NewGame,
    &key::ConfirmQuit,
    &key::ConfirmQuitGame,
    &key::ConfirmSaveAndExit,
    &key::ConfirmEnterHiScores,
    &key::Disable_Statistics,
    &key::Tips_StartUp,
    &key::Open_Preview_Game,
    &key::Open_Show_Won_Lost,
    &key::Show_Stat_Progression,
    &key::Series_Random,
    &key::MainWindowState_Maximized,
    &key::Full_Screen,
    &key::CardCounter_Visible,
    &key::CardCounter_HighLight,
    &key::CardCounter_Inverse,
    &key::CardCounter_Stock,
    &key::CardCounter_Tableau,
    &key::Game,
    &key::Game_name,
    &key::Game_TreeType,
    &key::Game_TreeNum,
    &key::Game_TreePos,
    &key::UserDefault,
    &key::Language,
    &key::Card,
    &key::Card_Size,
    &key::Back_Card,
    &key::Customized_Cards_Set,
    &key::Additional_Cards_Set,
    &key::Customized_Cards_Set_Old_Big,
    &key::Additional_Cards_Set_Old_Big,
    &key::Customized_Deck,
    &key::Additional_Deck,
    &key::Customized_Background,
    &key::Additional_Background,
    &key::Background_Col,
    &key::Background_Fixed_Col,
    &key::Background_bmp,
    &key::Background_def,
    &key::Cursor,
    &key::Speed_Move_Card,
    &key::Undo_Enabled,
    &key::AutoPlay_All_Games,
    &key::HighLights_Foundations_Mark,
    &key::HighLights_Foundations_Color,
    &key::Winning_Animations,
    &key::Winning_Animations_Time,
    &key::ConfirmSaveAndExitType,
    &key::Dir_Save,
    &key::Tips_Num,
    &key::Series_Num,
    &key::Series_TreeNum,
    &key::Series_Name,
    &key::MainWindowState_Left,
    &key::MainWindowState_Top,
    &key::MainWindowState_Width,
    &key::MainWindowState_Height,
    &key::CardCounter_Left,
    &key::CardCounter_Top,
    &key::Cribbage_Square_Form_Left,
    &key::Cribbage_Square_Form_Top,
    &key::Games_Fast_Search_Left,
    &key::Games_Fast_Search_Top,
    &key::Games_Fast_Search_Width,
    &key::Games_Fast_Search_Height,
    &key::Games_Fast_Search_Type,
    &key::Games_Fast_Search_Stay_On_Top,
    &key::Random_Game_Type,
    &key::Series_Form_Left,
    &key::Series_Form_Top,
    &key::Tutor_Demo_Form_Left,
    &key::Tutor_Demo_Form_Top,
    &key::Players_Names_V01,
    &key::Plus_Date,
    &key::User001,
    &key::User002,
    &key::User003,
    &key::User004,
    &key::User005,
    &key::User006,
    &key::User007,
    &key::User008,
    &key::User009,
    &key::User010,
    &key::User011,
    &key::User012,
    &key::User013,
    &key::User014,
    &key::User015,
    &key::User016,
    &key::User017,
    &key::User018,
    &key::User019,
    &key::User020,
    &key::Num_Players,
    &key::Player_1,
    &key::Player_2,
    &key::Player_3,
    &key::Same_Game_Num,
    &key::Stat_Score_1,
    &key::Stat_Score_2,
    &key::Stat_Score_3,
    &key::Stat_Played_1,
    &key::Stat_Played_2,
    &key::Stat_Played_3,
    &key::Stat_Won_1,
    &key::Stat_Won_2,
    &key::Stat_Won_3,
    &key::Stat_Time_1,
    &key::Stat_Time_2,
    &key::Stat_Time_3,
    &key::Games,
    &key::Screen_Under_256_Colors,
    &key::Msg_Cards_Medium_640x480,
    &key::Msg_Cards_Medium_800x600,
    &key::Msg_Cards_Large,
    &key::Msg_Extra_Large_Cards,
    &key::Dir_Save_Custom_Decks,
    &key::Full_Screen_Help,
};

long long parseInteger(std::string_view t, long long def) {
    t = trimBlanks(t);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    long long value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return def;
    return value;
}

} // namespace

std::span<const SettingKey* const> allSettingKeys() {
    return kTable;
}

const SettingKey* findSettingKey(std::string_view sec, std::string_view name) {
    for (const SettingKey* k : kTable)
        if (equalNoCase(k->section, sec) && equalNoCase(k->name, name)) return k;
    return nullptr;
}

const SettingKey* userKey(int n) {
    static constexpr std::array<const SettingKey*, 20> users = {
        &key::User001, &key::User002, &key::User003, &key::User004, &key::User005,
        &key::User006, &key::User007, &key::User008, &key::User009, &key::User010,
        &key::User011, &key::User012, &key::User013, &key::User014, &key::User015,
        &key::User016, &key::User017, &key::User018, &key::User019, &key::User020};
    return n >= 1 && n <= 20 ? users[static_cast<std::size_t>(n - 1)] : nullptr;
}

const SettingKey* playerKey(int n) {
    static constexpr std::array<const SettingKey*, 3> players = {&key::Player_1, &key::Player_2,
                                                                 &key::Player_3};
    return n >= 1 && n <= 3 ? players[static_cast<std::size_t>(n - 1)] : nullptr;
}

const SettingKey* playerStatKey(std::string_view what, int n) {
    if (n < 1 || n > 3) return nullptr;
    std::string name = "Stat_" + std::string(what) + "_" + std::to_string(n);
    return findSettingKey(section::kMultiPlayerMode, name);
}

Settings::Settings(std::string path, StoreHost* host, SettingContext context)
    : IniFile(std::move(path), host), context_(std::move(context)) {}

Settings::Settings(const DataFolder& folder, StoreHost* host, SettingContext context,
                   std::string_view fileName)
    : Settings(folder.file(trimRightBlanks(fileName)), host, std::move(context)) {}

std::string Settings::defaultOf(const SettingKey& k) const {
    return k.computed ? k.computed(*this) : std::string(k.value);
}

std::string Settings::text(const SettingKey& k) const {
    if (!keyExists(k.section, k.name)) return defaultOf(k);
    return readString(k.section, k.name, "");
}

bool Settings::flag(const SettingKey& k) const {
    return text(k) == "Y";
}

long long Settings::integer(const SettingKey& k) const {
    return readInteger(k.section, k.name, parseInteger(defaultOf(k), 0));
}

bool Settings::boolean(const SettingKey& k) const {
    return readBool(k.section, k.name, parseInteger(defaultOf(k), 0) != 0);
}

bool Settings::setText(const SettingKey& k, std::string_view value) {
    return writeString(k.section, k.name, value);
}

bool Settings::setFlag(const SettingKey& k, bool on) {
    return writeString(k.section, k.name, on ? "Y" : "N");
}

bool Settings::setInteger(const SettingKey& k, long long value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    if (value < 0) digits.insert(0, 1, '-');
    return writeString(k.section, k.name, digits);
}

bool Settings::setBoolean(const SettingKey& k, bool value) {
    return writeBool(k.section, k.name, value);
}

void showAdviceOnce(const std::string& settingsPath, StoreHost& host, std::string_view text,
                    std::string_view keyName, int page) {
    {
        IniFile ini(settingsPath, &host);
        if (ini.readString(section::kShowMessages, keyName, "Y") == "N") return;
    }
    if (host.showAdvice(text, page)) {
        IniFile ini(settingsPath, &host);
        if (ini.writeString(section::kShowMessages, keyName, "N")) ini.commit();
    }
}

bool confirmOnce(const std::string& settingsPath, StoreHost& host, std::string_view text,
                 std::string_view keyName, bool withCancel) {
    {
        IniFile ini(settingsPath, &host);
        if (ini.readString(section::kShowConfirmations, keyName, "Y") == "N") return true;
    }
    AdviceAnswer answer = host.askAdvice(text, withCancel);
    if (answer.ticked) {
        IniFile ini(settingsPath, &host);
        if (ini.writeString(section::kShowConfirmations, keyName, "N")) ini.commit();
    }
    return answer.ok;
}

void convertSettingsAtStartUp(const DataFolder& folder, StoreHost& host) {
    if (!folder.has(file::kStatScr)) return;
    Settings settings(folder, &host);
    for (const SettingKey* k : {&key::Cards_Animate, &key::ConfirmQuit}) {
        if (settings.readString(k->section, k->name, "") == "S") settings.setFlag(*k, true);
    }
    settings.commit();
}

} // namespace vellamor::store
