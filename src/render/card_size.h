// Fitting the card size to the screen at the start of each game: a game whose
// layout needs a medium or a wide table gets smaller cards on a narrow screen,
// and the player's own size comes back at the next game that has room for it.
// Plain logic on the image choice, without a window, so it can be tested alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vellamor::render {

struct ImageChoice;
class ImageHost;

// The card set in force before the cards were made smaller for the screen.
struct SavedCardSet {
    char cardSize = 'B';
    int cardSet = 1;
    bool customizedSet = false, additionalSet = false;
    std::string customizedSetName, additionalSetName;
};

// What fitting remembers from one game to the next; the window keeps one for the run.
struct ScreenFit {
    std::optional<SavedCardSet> saved; // set while the cards are smaller than the player's choice
    int game = -1;                     // the game choice the adjusted flag belongs to
    bool adjusted = false;             // this game choice was already fitted
    bool shown640 = false;             // the 640 × 480 advice was offered in this run
    bool shownOther = false;           // one of the other three was offered in this run
};

enum class SizeAdvice { None, Medium640, Medium800, Large, ExtraLarge };

struct FitResult {
    char sizeBefore = 'B';
    bool sizeChanged = false;      // the card images must be loaded again
    bool customizeAllowed = true;  // false while the cards are kept smaller for this game
    SizeAdvice advice = SizeAdvice::None; // to offer now (already limited to once per run)
};

// Game width classes (rule parameter 40).
inline constexpr int kMediumWidth = 1, kWideWidth = 2;

// Runs the restore, save and reduce steps for the game `gameId` of width class
// `widthClass` on a screen `screenWidth` pixels wide. The card-set names and
// their "_Old_Big" copies are written through `host` (Preference section).
FitResult fitCardsToScreen(ScreenFit& fit, ImageChoice& choice, int gameId, int widthClass, int screenWidth,
                           ImageHost& host);

// The advice text with the game's name in it, and its settings key (section Show_Messages).
std::string sizeAdviceText(SizeAdvice advice, std::string_view gameName);
std::string_view sizeAdviceKey(SizeAdvice advice);

} // namespace vellamor::render
