// What the program says about a pile: the five texts of the status bar (name,
// piles of that kind, cards, how it is built, redeals), the small panel beside
// the pointer and the labels of "Show piles' info". Everything is made from the
// rule parameters and the position; the optional pile-text file `solr.dat`
// beside the program may replace the texts of particular piles of a game.
//
// The texts are made on every pointer move over the table: each call builds a
// few short strings and nothing else.
#pragma once

#include "engine/pile.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellamor {
class Engine;
}

namespace vellamor::catalogue {

// ---- the building sentence ----------------------------------------------------

// "Build down in alternating colors (ex. 10 [d] on Jack [c][s])". Suit rules
// 0-3 give a sentence in that form (direction 0 down, 1 up, 2 up or down);
// suit rule 4 gives "The top card is available for play to the foundations ";
// any other rule or direction gives a single blank. An override other than -1
// stands for the pile's own suit rule (the games' "rule named" parameters).
// The marks [h] [d] [c] [s] are drawn as suit symbols where the text is shown.
std::string buildingSentence(int suitRule, int direction, int override = -1);

// ---- the pile-text file ---------------------------------------------------------

inline constexpr std::string_view kPileTextFileName = "solr.dat";

// The file's lines are "key=value", key and value each scrambled on its own:
// the bytes of a fixed 15-byte key are added to the characters, modulo 256,
// the key starting again after its last byte. The '=' stays plain.
std::string scramble(std::string_view plain);
std::string unscramble(std::string_view stored);
// One line of the file, without its line end.
std::string scrambledEntry(std::string_view key, std::string_view value);

// The kind letter of a pile in the file's keys: S stock, W waste and second
// waste, F foundation, T tableau, R reserve.
char pileTextKind(PileKind kind);
// The pile's number in the file's keys: the stock and the waste 1, the second
// waste 2, the others their number from 1.
int pileTextNumber(PileId pile);

// The entries of one game. Keys, 8 characters, begin with the game id as four
// digits and the kind letter: "0029T003" the building sentence of tableau pile
// 3, "0029T000" that of every tableau pile without its own, "0029TD03" the
// name of tableau pile 3, a comma and the two-character piles-of-the-kind text.
class PileTexts {
public:
    // Loads the entries of game `id` from the file at `path`. Lines of other
    // games and damaged lines are passed over; a missing or unreadable file
    // leaves no entries. False when the file could not be read.
    bool load(const std::string& path, int id);
    void clear();

    int gameId() const { return id_; }
    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }

    // The pile's own building sentence, else the kind's "000" one; null for none.
    const std::string* sentence(PileId pile) const;
    // The pile's "D" entry (name, comma, piles text); null for none.
    const std::string* naming(PileId pile) const;

    // For the tests: adds an entry by its plain key, as if read from the file.
    void add(std::string key, std::string value);

private:
    const std::string* find(std::string_view key) const;
    int id_ = -1;
    std::vector<std::pair<std::string, std::string>> entries_; // plain key, plain value
};

// ---- pile information ---------------------------------------------------------------

// The five texts of the status bar for a pile.
struct PileStatus {
    std::string name;    // "Tableau"
    std::string piles;   // piles of that kind: "7"
    std::string cards;   // "1 card", "12 cards"
    std::string rule;    // how it is built, or what a click on it does
    std::string redeals; // "Unlimited redeals", "No redeal", "1/2 redeals"
};

// "1 card" or "n cards".
std::string cardCountText(int n);
// The cards the pile holds; the holes of a grid tableau are not counted.
int pileCardCount(const Engine& engine, PileId pile);
// The rule text before the pile-text file is consulted.
std::string pileRuleText(const Engine& engine, PileId pile);
// The redeal field of the status bar.
std::string redealText(const Engine& engine);
// The value beside "Redeals:" in the pointer panel: "Unlimited", "1/2" or "none".
std::string redealsLeftText(const Engine& engine);

// The five texts for a pile of the game in play, with the entries of the
// pile-text file (null or empty: the made texts) laid over them.
PileStatus pileStatus(const Engine& engine, PileId pile, const PileTexts* texts = nullptr);

// The panel beside the pointer: "Tableau (7)" over "12 cards"; for the stock a
// second panel "Redeals:" with its value.
struct PointerPanelTexts {
    std::string heading;
    std::string cards;
    bool showRedeals = false;
    std::string redealsCaption; // "Redeals:"
    std::string redeals;
};
PointerPanelTexts pointerPanelTexts(const Engine& engine, PileId pile,
                                    const PileTexts* texts = nullptr);

// A label of "Show piles' info": the pile's short name ("Found.", and at a card
// width of 70 or less "Tabl." and "Res.") and its card count.
struct PileLabel {
    PileId pile;
    std::string name;
    std::string cards;
};
PileLabel pileLabel(const Engine& engine, PileId pile, int cardWidth,
                    const PileTexts* texts = nullptr);
// The piles that get a label: the tableau piles, reserves and foundations of
// the game, and the stock, waste and second waste when they are shown.
std::vector<PileId> labelledPiles(const Engine& engine);

} // namespace vellamor::catalogue
