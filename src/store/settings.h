// The settings file `Cfg.dat`: the table of every key the program reads or
// writes, with its type and its default, and the typed access through that
// table, so that no caller keeps a default of its own. Also the advice and
// confirmation boxes that the user can silence for good, and the conversion of
// old values at start-up.
#pragma once

#include "store/data_folder.h"
#include "store/ini_file.h"
#include "store/store_host.h"

#include <span>
#include <string>
#include <string_view>

namespace vellamor::store {

enum class SettingType {
    Flag,    // "Y" or "N"; on when the text equals "Y"
    Integer, // decimal text
    Text,    // kept as written
    Boolean, // "1" or "0"
    Date,    // "yyyymmdd"
};

// What computed defaults are derived from: facts of the display and of the
// windows at the moment of the read. The window fills what it knows.
struct SettingContext {
    int screenWidth = 1024;
    int screenHeight = 768;
    int colourBits = 24;         // colour depth of the display; 8 or fewer: 256 colours or fewer
    std::string documentsFolder; // personal documents folder, ending in "/"
    // Current geometry of the window whose own position keys are read (the
    // fast search window serves its present place as the default).
    int windowLeft = 0, windowTop = 0, windowWidth = 0, windowHeight = 0;
    int mainWindowHeight = 0; // for the demo window's first place
    int demoWindowHeight = 0;
};

class Settings;
using ComputedDefault = std::string (*)(const Settings&);

struct SettingKey {
    std::string_view section;
    std::string_view name;
    SettingType type;
    std::string_view value;             // the default, when not computed
    ComputedDefault computed = nullptr; // the function that computes the default
};

namespace section {
inline constexpr std::string_view kPreference = "Preference";
inline constexpr std::string_view kSettings = "Settings";
inline constexpr std::string_view kParameters = "Parameters";
inline constexpr std::string_view kUsers = "Users";
inline constexpr std::string_view kMultiPlayerMode = "Multi_Player_Mode";
inline constexpr std::string_view kAutoplay = "Autoplay";
inline constexpr std::string_view kShowMessages = "Show_Messages";
inline constexpr std::string_view kShowConfirmations = "Show_Confirmations";
// Lists kept by the favourites, last played games and game numbers.
inline constexpr std::string_view kFavoriteGames = "Favorite Games";
inline constexpr std::string_view kFavouriteGamesOld = "Favourite Games"; // read at start-up only
inline constexpr std::string_view kLastPlayedGames = "Last Played Games";
inline constexpr std::string_view kGameNumbers = "Game_Numbers";
} // namespace section

// The computed defaults.
namespace defaults {
std::string cardsShadowedDefault(const Settings& s);  // the value read for Cards_Animate
std::string modernPlatformDefault(const Settings& s); // "Y": this platform counts as modern
std::string cardSetDefault(const Settings& s);        // 1, or 3 on 256 colours or fewer
std::string documentsFolderDefault(const Settings& s);
std::string mainWindowWidthDefault(const Settings& s);  // screen width - 150
std::string mainWindowHeightDefault(const Settings& s); // screen height - 150
std::string windowLeftDefault(const Settings& s);
std::string windowTopDefault(const Settings& s);
std::string windowWidthDefault(const Settings& s);
std::string windowHeightDefault(const Settings& s);
std::string demoWindowTopDefault(const Settings& s); // main height - demo height - 15
} // namespace defaults

// Every key of the settings file. The constant is named as the key; keys the
// program writes in another letter case (Show_Main_PopUp_Menu, Game_Name,
// Background_Def) are the same key, since names match without regard to case.
namespace key {
inline constexpr SettingKey AutoPlay{section::kPreference, "AutoPlay", SettingType::Flag, "Y"};
inline constexpr SettingKey Automatic_FaceUp{section::kPreference, "Automatic_FaceUp",
                                             SettingType::Flag, "Y"};
inline constexpr SettingKey Deal_Animation{section::kPreference, "Deal_Animation",
                                           SettingType::Flag, "Y"};
inline constexpr SettingKey Redeal_Animation{section::kPreference, "Redeal_Animation",
                                             SettingType::Flag, "Y"};
inline constexpr SettingKey Cards_Animate{section::kPreference, "Cards_Animate", SettingType::Flag,
                                          "Y"};
inline constexpr SettingKey Cards_Shadowed{section::kPreference, "Cards_Shadowed",
                                           SettingType::Flag, "", &defaults::cardsShadowedDefault};
inline constexpr SettingKey Show_Partial_Hidden_Card{
    section::kPreference, "Show_Partial_Hidden_Card", SettingType::Flag, "Y"};
inline constexpr SettingKey ShowPilesSize{section::kPreference, "ShowPilesSize", SettingType::Flag,
                                          "N"};
inline constexpr SettingKey Piles_TT{section::kPreference, "Piles_TT", SettingType::Flag, "N"};
inline constexpr SettingKey Show_ToolTips{section::kPreference, "Show_ToolTips", SettingType::Flag,
                                          "Y"};
inline constexpr SettingKey VertScrollBar{section::kPreference, "VertScrollBar", SettingType::Flag,
                                          "Y"};
inline constexpr SettingKey Show_Main_Popup_Menu{section::kPreference, "Show_Main_Popup_Menu",
                                                 SettingType::Flag, "Y"};
inline constexpr SettingKey Show_Score{section::kPreference, "Show_Score", SettingType::Flag, "Y"};
inline constexpr SettingKey Show_Time{section::kPreference, "Show_Time", SettingType::Flag, "Y"};
inline constexpr SettingKey Statusbar{section::kPreference, "Statusbar", SettingType::Flag, "",
                                      &defaults::modernPlatformDefault};
inline constexpr SettingKey ToolBar_Visible{section::kPreference, "ToolBar_Visible",
                                            SettingType::Flag, "Y"};
inline constexpr SettingKey ToolBar_Flat{section::kPreference, "ToolBar_Flat", SettingType::Flag,
                                         "Y"};
inline constexpr SettingKey ToolBar_Large{section::kPreference, "ToolBar_Large", SettingType::Flag,
                                          "", &defaults::modernPlatformDefault};
inline constexpr SettingKey ToolBar_XP{section::kPreference, "ToolBar_XP", SettingType::Flag, "",
                                       &defaults::modernPlatformDefault};
inline constexpr SettingKey RightClick_To_Foundations{
    section::kPreference, "RightClick_To_Foundations", SettingType::Flag, "Y"};
inline constexpr SettingKey RightClick_To_Tableaus{section::kPreference, "RightClick_To_Tableaus",
                                                   SettingType::Flag, "Y"};
inline constexpr SettingKey DoubleClick_To_Foundations{
    section::kPreference, "DoubleClick_To_Foundations", SettingType::Flag, "Y"};
inline constexpr SettingKey DoubleClick_To_Tableaus{section::kPreference, "DoubleClick_To_Tableaus",
                                                    SettingType::Flag, "N"};
inline constexpr SettingKey Move_Cards_DragAndDrop{section::kPreference, "Move_Cards_DragAndDrop",
                                                   SettingType::Flag, "Y"};
inline constexpr SettingKey Fade_Background{section::kPreference, "Fade_Background",
                                            SettingType::Flag, "Y"};
inline constexpr SettingKey Random_Card{section::kPreference, "Random_Card", SettingType::Flag,
                                        "N"};
inline constexpr SettingKey Random_Deck{section::kPreference, "Random_Deck", SettingType::Flag,
                                        "N"};
inline constexpr SettingKey Random_Background{section::kPreference, "Random_Background",
                                              SettingType::Flag, "N"};
inline constexpr SettingKey Sounds_Enabled{section::kPreference, "Sounds_Enabled",
                                           SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_About{section::kPreference, "Sounds_About", SettingType::Flag,
                                         "Y"};
inline constexpr SettingKey Sounds_Autoplay{section::kPreference, "Sounds_Autoplay",
                                            SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_CardDown{section::kPreference, "Sounds_CardDown",
                                            SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_CardUp{section::kPreference, "Sounds_CardUp", SettingType::Flag,
                                          "Y"};
inline constexpr SettingKey Sounds_FaceUp{section::kPreference, "Sounds_FaceUp", SettingType::Flag,
                                          "Y"};
inline constexpr SettingKey Sounds_Foundation{section::kPreference, "Sounds_Foundation",
                                              SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_GameWon{section::kPreference, "Sounds_GameWon",
                                           SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_HiScores{section::kPreference, "Sounds_HiScores",
                                            SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_NewHiScores{section::kPreference, "Sounds_NewHiScores",
                                               SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_Pairing{section::kPreference, "Sounds_Pairing",
                                           SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_Redeal{section::kPreference, "Sounds_Redeal", SettingType::Flag,
                                          "Y"};
inline constexpr SettingKey Sounds_Redeal_Without_Animation{
    section::kPreference, "Sounds_Redeal_Without_Animation", SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_Redo{section::kPreference, "Sounds_Redo", SettingType::Flag,
                                        "Y"};
inline constexpr SettingKey Sounds_Restart{section::kPreference, "Sounds_Restart",
                                           SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_Shuffle{section::kPreference, "Sounds_Shuffle",
                                           SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_Splash{section::kPreference, "Sounds_Splash", SettingType::Flag,
                                          "Y"};
inline constexpr SettingKey Sounds_Stock{section::kPreference, "Sounds_Stock", SettingType::Flag,
                                         "Y"};
inline constexpr SettingKey Sounds_Tableau{section::kPreference, "Sounds_Tableau",
                                           SettingType::Flag, "Y"};
inline constexpr SettingKey Sounds_Undo{section::kPreference, "Sounds_Undo", SettingType::Flag,
                                        "Y"};
inline constexpr SettingKey Sounds_NewGame{section::kPreference, "Sounds_NewGame",
                                           SettingType::Flag, "N"};
inline constexpr SettingKey ConfirmQuit{section::kPreference, "ConfirmQuit", SettingType::Flag,
                                        "N"};
inline constexpr SettingKey ConfirmQuitGame{section::kPreference, "ConfirmQuitGame",
                                            SettingType::Flag, "N"};
inline constexpr SettingKey ConfirmSaveAndExit{section::kPreference, "ConfirmSaveAndExit",
                                               SettingType::Flag, "N"};
inline constexpr SettingKey ConfirmEnterHiScores{section::kPreference, "ConfirmEnterHiScores",
                                                 SettingType::Flag, "Y"};
inline constexpr SettingKey Disable_Statistics{section::kPreference, "Disable_Statistics",
                                               SettingType::Flag, "N"};
inline constexpr SettingKey Tips_StartUp{section::kPreference, "Tips_StartUp", SettingType::Flag,
                                         "N"};
inline constexpr SettingKey Open_Preview_Game{section::kPreference, "Open_Preview_Game",
                                              SettingType::Flag, "Y"};
inline constexpr SettingKey Open_Show_Won_Lost{section::kPreference, "Open_Show_Won_Lost",
                                               SettingType::Flag, "N"};
inline constexpr SettingKey Show_Stat_Progression{section::kPreference, "Show_Stat_Progression",
                                                  SettingType::Flag, "Y"};
inline constexpr SettingKey Series_Random{section::kPreference, "Series_Random", SettingType::Flag,
                                          "N"};
inline constexpr SettingKey MainWindowState_Maximized{
    section::kPreference, "MainWindowState_Maximized", SettingType::Flag, "Y"};
inline constexpr SettingKey Full_Screen{section::kPreference, "Full_Screen", SettingType::Flag,
                                        "N"};
inline constexpr SettingKey CardCounter_Visible{section::kPreference, "CardCounter_Visible",
                                                SettingType::Flag, "N"};
inline constexpr SettingKey CardCounter_HighLight{section::kPreference, "CardCounter_HighLight",
                                                  SettingType::Flag, "Y"};
inline constexpr SettingKey CardCounter_Inverse{section::kPreference, "CardCounter_Inverse",
                                                SettingType::Flag, "N"};
inline constexpr SettingKey CardCounter_Stock{section::kPreference, "CardCounter_Stock",
                                              SettingType::Flag, "N"};
inline constexpr SettingKey CardCounter_Tableau{section::kPreference, "CardCounter_Tableau",
                                                SettingType::Flag, "Y"};
inline constexpr SettingKey Game{section::kPreference, "Game", SettingType::Integer, "18"};
inline constexpr SettingKey Game_name{section::kPreference, "Game_name", SettingType::Text,
                                      "Spider"};
inline constexpr SettingKey Game_TreeType{section::kPreference, "Game_TreeType",
                                          SettingType::Integer, "0"};
inline constexpr SettingKey Game_TreeNum{section::kPreference, "Game_TreeNum", SettingType::Integer,
                                         "-30"};
inline constexpr SettingKey Game_TreePos{section::kPreference, "Game_TreePos", SettingType::Integer,
                                         "-1"};
inline constexpr SettingKey UserDefault{section::kPreference, "UserDefault", SettingType::Text, ""};
inline constexpr SettingKey Language{section::kPreference, "Language", SettingType::Integer,
                                     "20000"};
inline constexpr SettingKey Card{section::kPreference, "Card", SettingType::Integer, "",
                                 &defaults::cardSetDefault};
inline constexpr SettingKey Card_Size{section::kPreference, "Card_Size", SettingType::Text, "B"};
inline constexpr SettingKey Back_Card{section::kPreference, "Back_Card", SettingType::Integer,
                                      "11"};
inline constexpr SettingKey Customized_Cards_Set{section::kPreference, "Customized_Cards_Set",
                                                 SettingType::Text, ""};
inline constexpr SettingKey Additional_Cards_Set{section::kPreference, "Additional_Cards_Set",
                                                 SettingType::Text, ""};
inline constexpr SettingKey Customized_Cards_Set_Old_Big{
    section::kPreference, "Customized_Cards_Set_Old_Big", SettingType::Text, ""};
inline constexpr SettingKey Additional_Cards_Set_Old_Big{
    section::kPreference, "Additional_Cards_Set_Old_Big", SettingType::Text, ""};
inline constexpr SettingKey Customized_Deck{section::kPreference, "Customized_Deck",
                                            SettingType::Text, ""};
inline constexpr SettingKey Additional_Deck{section::kPreference, "Additional_Deck",
                                            SettingType::Text, ""};
inline constexpr SettingKey Customized_Background{section::kPreference, "Customized_Background",
                                                  SettingType::Text, ""};
inline constexpr SettingKey Additional_Background{section::kPreference, "Additional_Background",
                                                  SettingType::Text, ""};
inline constexpr SettingKey Background_Col{section::kPreference, "Background_Col",
                                           SettingType::Integer, "2147483663"};
inline constexpr SettingKey Background_Fixed_Col{section::kPreference, "Background_Fixed_Col",
                                                 SettingType::Integer, "32768"};
inline constexpr SettingKey Background_bmp{section::kPreference, "Background_bmp",
                                           SettingType::Text, ""};
inline constexpr SettingKey Background_def{section::kPreference, "Background_def",
                                           SettingType::Flag, "N"};
inline constexpr SettingKey Cursor{section::kPreference, "Cursor", SettingType::Integer, "10"};
inline constexpr SettingKey Speed_Move_Card{section::kPreference, "Speed_Move_Card",
                                            SettingType::Integer, "10"};
inline constexpr SettingKey Undo_Enabled{section::kPreference, "Undo_Enabled", SettingType::Integer,
                                         "0"};
inline constexpr SettingKey AutoPlay_All_Games{section::kPreference, "AutoPlay_All_Games",
                                               SettingType::Integer, "1"};
inline constexpr SettingKey HighLights_Foundations_Mark{
    section::kPreference, "HighLights_Foundations_Mark", SettingType::Integer, "0"};
inline constexpr SettingKey HighLights_Foundations_Color{
    section::kPreference, "HighLights_Foundations_Color", SettingType::Integer, "0"};
inline constexpr SettingKey Winning_Animations{section::kPreference, "Winning_Animations",
                                               SettingType::Text, "(Random)"};
inline constexpr SettingKey Winning_Animations_Time{section::kPreference, "Winning_Animations_Time",
                                                    SettingType::Integer, "30"};
inline constexpr SettingKey ConfirmSaveAndExitType{section::kPreference, "ConfirmSaveAndExitType",
                                                   SettingType::Integer, "0"};
inline constexpr SettingKey Dir_Save{section::kPreference, "Dir_Save", SettingType::Text, "",
                                     &defaults::documentsFolderDefault};
inline constexpr SettingKey Tips_Num{section::kPreference, "Tips_Num", SettingType::Integer, "0"};
inline constexpr SettingKey Series_Num{section::kPreference, "Series_Num", SettingType::Integer,
                                       "0"};
inline constexpr SettingKey Series_TreeNum{section::kPreference, "Series_TreeNum",
                                           SettingType::Integer, "-10"};
inline constexpr SettingKey Series_Name{section::kPreference, "Series_Name", SettingType::Text, ""};
inline constexpr SettingKey MainWindowState_Left{section::kPreference, "MainWindowState_Left",
                                                 SettingType::Integer, "50"};
inline constexpr SettingKey MainWindowState_Top{section::kPreference, "MainWindowState_Top",
                                                SettingType::Integer, "50"};
inline constexpr SettingKey MainWindowState_Width{section::kPreference, "MainWindowState_Width",
                                                  SettingType::Integer, "",
                                                  &defaults::mainWindowWidthDefault};
inline constexpr SettingKey MainWindowState_Height{section::kPreference, "MainWindowState_Height",
                                                   SettingType::Integer, "",
                                                   &defaults::mainWindowHeightDefault};
inline constexpr SettingKey CardCounter_Left{section::kPreference, "CardCounter_Left",
                                             SettingType::Integer, "-1"};
inline constexpr SettingKey CardCounter_Top{section::kPreference, "CardCounter_Top",
                                            SettingType::Integer, "-1"};
inline constexpr SettingKey Cribbage_Square_Form_Left{
    section::kPreference, "Cribbage_Square_Form_Left", SettingType::Integer, "-1"};
inline constexpr SettingKey Cribbage_Square_Form_Top{
    section::kPreference, "Cribbage_Square_Form_Top", SettingType::Integer, "-1"};
inline constexpr SettingKey Games_Fast_Search_Left{section::kSettings, "Games_Fast_Search_Left",
                                                   SettingType::Integer, "",
                                                   &defaults::windowLeftDefault};
inline constexpr SettingKey Games_Fast_Search_Top{section::kSettings, "Games_Fast_Search_Top",
                                                  SettingType::Integer, "",
                                                  &defaults::windowTopDefault};
inline constexpr SettingKey Games_Fast_Search_Width{section::kSettings, "Games_Fast_Search_Width",
                                                    SettingType::Integer, "",
                                                    &defaults::windowWidthDefault};
inline constexpr SettingKey Games_Fast_Search_Height{section::kSettings, "Games_Fast_Search_Height",
                                                     SettingType::Integer, "",
                                                     &defaults::windowHeightDefault};
inline constexpr SettingKey Games_Fast_Search_Type{section::kSettings, "Games_Fast_Search_Type",
                                                   SettingType::Integer, "0"};
inline constexpr SettingKey Games_Fast_Search_Stay_On_Top{
    section::kSettings, "Games_Fast_Search_Stay_On_Top", SettingType::Boolean, "0"};
inline constexpr SettingKey Random_Game_Type{section::kSettings, "Random_Game_Type",
                                             SettingType::Integer, "2"};
inline constexpr SettingKey Series_Form_Left{section::kSettings, "Series_Form_Left",
                                             SettingType::Integer, "-1"};
inline constexpr SettingKey Series_Form_Top{section::kSettings, "Series_Form_Top",
                                            SettingType::Integer, "-1"};
inline constexpr SettingKey Tutor_Demo_Form_Left{section::kSettings, "Tutor_Demo_Form_Left",
                                                 SettingType::Integer, "10"};
inline constexpr SettingKey Tutor_Demo_Form_Top{section::kSettings, "Tutor_Demo_Form_Top",
                                                SettingType::Integer, "",
                                                &defaults::demoWindowTopDefault};
inline constexpr SettingKey Players_Names_V01{section::kParameters, "Players_Names_V01",
                                              SettingType::Flag, "N"};
inline constexpr SettingKey Plus_Date{section::kParameters, "Plus_Date", SettingType::Date, ""};
inline constexpr SettingKey User001{section::kUsers, "User001", SettingType::Text, ""};
inline constexpr SettingKey User002{section::kUsers, "User002", SettingType::Text, ""};
inline constexpr SettingKey User003{section::kUsers, "User003", SettingType::Text, ""};
inline constexpr SettingKey User004{section::kUsers, "User004", SettingType::Text, ""};
inline constexpr SettingKey User005{section::kUsers, "User005", SettingType::Text, ""};
inline constexpr SettingKey User006{section::kUsers, "User006", SettingType::Text, ""};
inline constexpr SettingKey User007{section::kUsers, "User007", SettingType::Text, ""};
inline constexpr SettingKey User008{section::kUsers, "User008", SettingType::Text, ""};
inline constexpr SettingKey User009{section::kUsers, "User009", SettingType::Text, ""};
inline constexpr SettingKey User010{section::kUsers, "User010", SettingType::Text, ""};
inline constexpr SettingKey User011{section::kUsers, "User011", SettingType::Text, ""};
inline constexpr SettingKey User012{section::kUsers, "User012", SettingType::Text, ""};
inline constexpr SettingKey User013{section::kUsers, "User013", SettingType::Text, ""};
inline constexpr SettingKey User014{section::kUsers, "User014", SettingType::Text, ""};
inline constexpr SettingKey User015{section::kUsers, "User015", SettingType::Text, ""};
inline constexpr SettingKey User016{section::kUsers, "User016", SettingType::Text, ""};
inline constexpr SettingKey User017{section::kUsers, "User017", SettingType::Text, ""};
inline constexpr SettingKey User018{section::kUsers, "User018", SettingType::Text, ""};
inline constexpr SettingKey User019{section::kUsers, "User019", SettingType::Text, ""};
inline constexpr SettingKey User020{section::kUsers, "User020", SettingType::Text, ""};
inline constexpr SettingKey Num_Players{section::kMultiPlayerMode, "Num_Players",
                                        SettingType::Integer, "2"};
inline constexpr SettingKey Player_1{section::kMultiPlayerMode, "Player_1", SettingType::Text, ""};
inline constexpr SettingKey Player_2{section::kMultiPlayerMode, "Player_2", SettingType::Text, ""};
inline constexpr SettingKey Player_3{section::kMultiPlayerMode, "Player_3", SettingType::Text, ""};
inline constexpr SettingKey Same_Game_Num{section::kMultiPlayerMode, "Same_Game_Num",
                                          SettingType::Flag, "N"};
inline constexpr SettingKey Stat_Score_1{section::kMultiPlayerMode, "Stat_Score_1",
                                         SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Score_2{section::kMultiPlayerMode, "Stat_Score_2",
                                         SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Score_3{section::kMultiPlayerMode, "Stat_Score_3",
                                         SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Played_1{section::kMultiPlayerMode, "Stat_Played_1",
                                          SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Played_2{section::kMultiPlayerMode, "Stat_Played_2",
                                          SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Played_3{section::kMultiPlayerMode, "Stat_Played_3",
                                          SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Won_1{section::kMultiPlayerMode, "Stat_Won_1",
                                       SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Won_2{section::kMultiPlayerMode, "Stat_Won_2",
                                       SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Won_3{section::kMultiPlayerMode, "Stat_Won_3",
                                       SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Time_1{section::kMultiPlayerMode, "Stat_Time_1",
                                        SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Time_2{section::kMultiPlayerMode, "Stat_Time_2",
                                        SettingType::Integer, "0"};
inline constexpr SettingKey Stat_Time_3{section::kMultiPlayerMode, "Stat_Time_3",
                                        SettingType::Integer, "0"};
inline constexpr SettingKey Games{section::kAutoplay, "Games", SettingType::Text, ""};
inline constexpr SettingKey Screen_Under_256_Colors{
    section::kShowMessages, "Screen_Under_256_Colors", SettingType::Flag, "Y"};
inline constexpr SettingKey Msg_Cards_Medium_640x480{
    section::kShowMessages, "Msg_Cards_Medium_640x480", SettingType::Flag, "Y"};
inline constexpr SettingKey Msg_Cards_Medium_800x600{
    section::kShowMessages, "Msg_Cards_Medium_800x600", SettingType::Flag, "Y"};
inline constexpr SettingKey Msg_Cards_Large{section::kShowMessages, "Msg_Cards_Large",
                                            SettingType::Flag, "Y"};
inline constexpr SettingKey Msg_Extra_Large_Cards{section::kShowMessages, "Msg_Extra_Large_Cards",
                                                  SettingType::Flag, "Y"};
inline constexpr SettingKey Dir_Save_Custom_Decks{section::kShowConfirmations,
                                                  "Dir_Save_Custom_Decks", SettingType::Flag, "Y"};
inline constexpr SettingKey Full_Screen_Help{section::kShowConfirmations, "Full_Screen_Help",
                                             SettingType::Flag, "Y"};
} // namespace key

// The whole table, in file order of sections.
std::span<const SettingKey* const> allSettingKeys();
// The table entry of a key (names compared without regard to case), or null.
const SettingKey* findSettingKey(std::string_view section, std::string_view name);
// User001 .. User020 (n = 1..20); Player_1 .. Player_3 and the running totals
// of the multi-player mode (n = 1..3). Null outside the range.
const SettingKey* userKey(int n);
const SettingKey* playerKey(int n);
const SettingKey* playerStatKey(std::string_view what, int n); // "Score", "Played", "Won", "Time"

// The settings file opened for a group of reads and writes, with the typed
// access through the key table.
class Settings : public IniFile {
public:
    Settings(std::string path, StoreHost* host, SettingContext context = {});
    // Data folder + the settings file name (held in the state record, "Cfg.dat").
    Settings(const DataFolder& folder, StoreHost* host, SettingContext context = {},
             std::string_view fileName = file::kSettings);

    const SettingContext& context() const { return context_; }

    std::string defaultOf(const SettingKey& k) const;
    std::string text(const SettingKey& k) const;
    bool flag(const SettingKey& k) const; // the text equals "Y"
    long long integer(const SettingKey& k) const;
    bool boolean(const SettingKey& k) const;

    bool setText(const SettingKey& k, std::string_view value);
    bool setFlag(const SettingKey& k, bool on); // "Y" / "N"
    // Decimal text, zero-padded to `width` digits when given (`Card` uses 3).
    bool setInteger(const SettingKey& k, long long value, int width = 0);
    bool setBoolean(const SettingKey& k, bool value);

private:
    SettingContext context_;
};

// Shows the advice box unless `Show_Messages`/key holds "N"; when the user
// ticks "&Don't show this message box again", the key becomes "N".
void showAdviceOnce(const std::string& settingsPath, StoreHost& host, std::string_view text,
                    std::string_view key, int page);
// Asks with the OK/Cancel advice box unless `Show_Confirmations`/key holds "N"
// (then true at once). A ticked check box writes "N" whatever the button.
// Returns false when the user chose Cancel (or closed the box), else true.
bool confirmOnce(const std::string& settingsPath, StoreHost& host, std::string_view text,
                 std::string_view key, bool withCancel = true);

// Start-up conversion of old values, run by the main window's creation after
// the hi-score file's own conversion: only when `Stat_scr.dat` exists, the
// values "S" of `Cards_Animate` and `ConfirmQuit` are rewritten as "Y".
void convertSettingsAtStartUp(const DataFolder& folder, StoreHost& host);

} // namespace vellamor::store
