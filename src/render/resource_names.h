// Names and sizes shared by the pack generator and the loader: the card size
// classes, the pile-mark table, which names live in the extra-size pack, and
// the numbers of the backs and backgrounds the packs hold. No Qt.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vellamor::render {

struct CardSize {
    char letter = 'B';
    int width = 71, height = 96;
    friend bool operator==(const CardSize&, const CardSize&) = default;
};

// The six classes N, M, B, S, X and L (the tiny preview cards); nullopt otherwise.
std::optional<CardSize> cardSizeClass(char letter);
// N, M, S, X and L as above; any other letter gives the normal size B.
CardSize cardSizeOfLetter(char letter);
// The four sizes of the main pack's strips and the one of the extra-size pack.
inline constexpr std::string_view kMainSizes = "NMBS";
inline constexpr char kExtraSize = 'X';
// Pixel size of a custom card-set image of that class (5 × 12 cells); L has none.
std::optional<std::pair<int, int>> customSetImageSize(char letter);
// The class of a custom card-set image of exactly that size; nullopt for any other.
std::optional<char> sizeOfCustomSetImage(int width, int height);

// "C" + size + set + suit letter, the strip of one suit of a predefined set.
std::string faceStripName(char size, int set, int suit);
// "D" + size + back.
std::string backName(char size, int back);
std::string threeDigits(int n);

// The resource of a pile mark ("Foundation3" → "W" + size + "013"; "deck" →
// the back). Mark names are compared without case; nullopt for an unknown name.
std::optional<std::string> markResource(std::string_view markName, char size, int backNumber);
// The "W" suffixes of every pile mark the packs must hold.
inline constexpr std::array<std::string_view, 20> kMarkSuffixes = {
    "_WASTE", "_TABLEAU", "001", "003", "004", "005", "006", "008", "009", "010",
    "011",    "012",      "013", "014", "015", "016", "017", "018", "019", "020"};
inline constexpr std::array<std::string_view, 2> kMoreMarkSuffixes = {"021", "022"};

// Names beginning "WX", "DX", "SHADOW_X", "3D_BORDER_X" or "JOKER_X" live in the
// extra-size pack; the comparison ignores case.
bool inExtraSizePack(std::string_view name);

// The predefined card sets and the backs the packs hold (1 to 28; 11 is the default).
inline constexpr std::array<int, 4> kPredefinedSets = {1, 2, 3, 5};
inline constexpr int kBackCount = 28;
inline constexpr int kDefaultBack = 11;
// Tiled background pictures: 101-105 and 257-324; pictures above 499 are drawn once.
bool isTiledBackgroundNumber(int number);

// Pack file names relative to the program folder.
inline constexpr std::string_view kMainPack = "SOL.RGF";
inline constexpr std::string_view kExtraPack = "plus/soladd.rgf";
inline constexpr std::string_view kCardPack = "plus/c01.rgf";
inline constexpr std::string_view kDeckPack = "plus/d01.rgf";
inline constexpr std::string_view kBackgroundPack = "plus/b01.rgf";

// The WAVE resources of the sound events.
inline constexpr std::array<std::string_view, 21> kSoundNames = {
    "New",     "Redo",     "Restart", "Undo",    "Shuffle", "Autoplay", "Card_down",
    "Card_up", "Stock",    "Face_up", "Pairing", "Foundation", "Eddy",   "Tableau",
    "Redeal",  "About",    "Hi-Scor", "Scores",  "Won",     "Red_no_a", "Splash"};

} // namespace vellamor::render
