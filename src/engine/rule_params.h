// The rule parameter vector: 503 signed 16-bit values that describe the game in play.
#pragma once

#include <array>
#include <cstdint>

namespace vellamor {

class RuleParams {
public:
    static constexpr int kSize = 503;

    // Reads outside 0-502 give 0, so that a per-pile base + index never reads
    // past the vector.
    int operator[](int i) const { return i >= 0 && i < kSize ? values_[i] : 0; }
    int get(int i) const { return (*this)[i]; }
    void set(int i, int v) {
        if (i >= 0 && i < kSize) values_[i] = static_cast<std::int16_t>(v);
    }
    void clear() { values_.fill(0); }

    // A game is loaded when the card count is set.
    bool holdsGame() const;

    // The deal rewrites the foundation bases (55-70) and the tableau fill codes
    // (135-174); the loader saves them once, every new deal restores them.
    void saveRanges();
    void restoreRanges();

    friend bool operator==(const RuleParams&, const RuleParams&) = default;

private:
    std::array<std::int16_t, kSize> values_{};
    std::array<std::int16_t, 16> savedBases_{};
    std::array<std::int16_t, 40> savedFills_{};
};

// Indexes of the rule parameters that the engine reads. Per-pile entries are
// the base index plus the 0-based pile index.
namespace prm {
inline constexpr int FoundationBaseStyle = 1;
inline constexpr int GroupMoveTest = 2;
inline constexpr int TableauStyle = 3;
inline constexpr int FoundationStyle = 4;
inline constexpr int ReserveStyle = 5;
inline constexpr int PerPileStyle = 6;
inline constexpr int StockFaceDown = 7;
inline constexpr int WasteFaceDown = 8;
inline constexpr int SecondWasteFaceDown = 9;
inline constexpr int StockInPlay = 10;
inline constexpr int WasteInPlay = 11;
inline constexpr int NextCardToFoundation = 13;
inline constexpr int TakeBlocks = 14;
inline constexpr int ReserveTakeRule = 15;
inline constexpr int Passes = 16;
inline constexpr int RedealStyle = 17;
inline constexpr int TurnOverWhen = 18;
inline constexpr int FoundationTakeBack = 19;
inline constexpr int AutoplayAvailable = 20;
inline constexpr int AutoMovesToFoundations = 22;
inline constexpr int SaveDisabled = 23;
inline constexpr int StockTurnCount = 24;
inline constexpr int RefillCode = 25;
inline constexpr int FreeScanByPile = 26;
inline constexpr int GridRows = 27;
inline constexpr int GridColumns = 28;
inline constexpr int Rule70Columns = 30;
inline constexpr int SortFoundations = 32;
inline constexpr int KingsToBottom = 33;
inline constexpr int FoundationMax = 34;
inline constexpr int TableauMax = 35;
inline constexpr int DealStyle = 36;
inline constexpr int StockRestriction = 37;
inline constexpr int ClickBothTargets = 39;
inline constexpr int WidthClass = 40;
inline constexpr int PairingTotal = 41;
inline constexpr int FirstMoveToFoundation = 42;
inline constexpr int FillAfterFirstMove = 43;
inline constexpr int AutoFaceUp = 44;
inline constexpr int UsesJokers = 46;
inline constexpr int HintsAvailable = 47;
inline constexpr int ScoreAdjustment = 48;
inline constexpr int ShortDeck = 49;
inline constexpr int FaceStyle = 50;
inline constexpr int EmptyFoundationTest = 51;
inline constexpr int SpecialScore = 52;
inline constexpr int TargetScore = 53;
inline constexpr int Special = 54;

inline constexpr int FoundationBase = 55;      // + foundation index, 16 entries
inline constexpr int FoundationDirection = 71;
inline constexpr int FoundationSuitRule = 87;
inline constexpr int FoundationBaseCard = 103;
inline constexpr int FoundationComplete = 119;

inline constexpr int TableauFill = 135;        // + tableau index, 40 entries
inline constexpr int TableauDirection = 175;
inline constexpr int TableauSuitRule = 215;
inline constexpr int TableauWrap = 255;
inline constexpr int TableauStockDeal = 295;
inline constexpr int TableauCards = 382;
inline constexpr int TableauFaceUp = 422;

inline constexpr int ReserveRule = 335;        // + reserve index, 12 entries
inline constexpr int ReserveStockDeal = 347;
inline constexpr int ReserveCards = 463;
inline constexpr int ReserveFaceUp = 475;

inline constexpr int SecondWasteCard = 359;
inline constexpr int WasteHandling = 360;
inline constexpr int WasteHandling2 = 361;
inline constexpr int StockAreaArrangement = 362;
inline constexpr int StockAreaRow = 363;
inline constexpr int FoundationArrangement = 364;
inline constexpr int FoundationRow = 365;
inline constexpr int TableauArrangement = 366;
inline constexpr int TableauRow = 367;
inline constexpr int GridTableauRows = 368;
inline constexpr int ReserveArrangement = 369;
inline constexpr int ReserveRow = 370;
inline constexpr int SecondWasteArrangement = 371;
inline constexpr int SecondWasteRow = 372;
inline constexpr int StockAreaPiles = 373;
inline constexpr int Foundations = 374;
inline constexpr int Tableaus = 375;
inline constexpr int Reserves = 376;
inline constexpr int SecondWastes = 377;
inline constexpr int Cards = 378;
inline constexpr int StockCards = 379;
inline constexpr int WasteCards = 380;
inline constexpr int Jokers = 381;
inline constexpr int SecondWasteCards = 462;
inline constexpr int FoundationRuleNamed = 487;
inline constexpr int TableauRuleNamed = 488;
inline constexpr int FirstFigure = 497;
inline constexpr int LastFigure = 502;
} // namespace prm

} // namespace vellamor
