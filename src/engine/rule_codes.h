// Named values of the rule parameters that the building rules and the player
// actions switch on: suit rules, empty-pile codes, reserve rules, count-test and
// group-move codes.
#pragma once

namespace vellamor {

// Suit rules of foundations (parameter 87 + k) and tableau piles (215 + i).
namespace suit {
enum Code : int {
    InSuit = 0,
    SameColour = 1,
    AnySuit = 2,
    AlternateColours = 3,
    NoBuilding = 4,
    SuitOfBottomRankAfterPrevious = 5, // suit of the foundation's bottom card
    EmptyOnly = 6,                     // standard test; a pile holding cards takes nothing
    WhileFirstPileAndStockEmpty = 7,
    QueenOnEmpty = 10, // foundations: only a Queen, only when empty
    InSuitNoQueenOnKingOrJack = 11,
    Anything = 12,
    StepTwo = 14,
    StepThree = 15,
    StepFour = 16,
    NotFromTableau = 17,
    NotFromTableauOntoCards = 18,
    NotFromTableauOrReserve = 19,
    UpAceOnKing = 20,
    AnyOtherSuit = 21,
    TableauTopSuit = 22, // foundations: the family test on the tableau tops
    UpInSuitWhileWasteEmpty = 23,
    InSuitNoQueenKingSwap = 24,
    TwoInSuitByDirection = 25,
    UpDownWhileShort = 26,
    AlternateNotFromFoundationOrReserve = 27,
    UpDownNoWrap = 28,
    InSuitByFoundationCount = 29,
    UpDownByPileDirection = 30,
    DownInSuit = 31,
    UpInSuit = 32,
    NotFromTableauOntoShortPile = 33,
    DownAnySuitSingleOnCards = 34,
    UpDownWrap = 35,
    DownFromBaseAfterPrevious = 36,
    Doubling = 37,
    KingRowFill = 38,
    UpNoCourtAceFirst = 39,
    StockDealRank = 40,
    TwoUpWrapGroup = 41,
    UpInSuitKingWhenPartnerKing = 42,
    TwoUpInSuit = 43,
    UpNoKingAceFirst = 44,
    KingRowFillDown = 45,
    UpNoCourtFromBase = 46,
    DownNoQueenFromBase = 47,
    QueenRowFill = 48,
    UpNoCourtFromBaseWhilePile = 49,
    DownNoQueenWhileUpperPile = 50,
    UpNoCourtFromBaseSuitOfPile = 51,
    DownNoQueenSuitOfUpperPile = 52,
    UpAfterFirstFoundationFull = 53,
    DownFillNotFromPiles = 54,
    UpSameColourWasteFirst = 55,
    SameRankFromLaterPile = 56,
    UpDownWrapStockEmpty = 57,
    PairedFoundations = 58,
    TwoInSuitOrWrap = 61,
    UpDownInSuitNoWrap = 60,
    PairedFoundationsToo = 64,
    UpDownWrapOnCards = 68,
    EmptyPileAnyCard = 69,
    GridNeighbour = 70,
    RankOfPile = 73,
    AnyLowerRank = 76,
    FourOfEachRank = 77,
    UpInSuitAceOnKing = 78,
    UpWithReserveAtTwelve = 79,
    TableauUpDownWrapNotFromTableau = 80,
    ReserveUpDownWrapNotFromTableau = 81,
    InSuitWhileStockAndWasteEmpty = 82,
    DownToPileNumber = 83,
    SuitCycleUp = 86,
    SuitCycleDown = 87,
    StepFromFirstFoundation = 91,
    AcesOnly = 92,
    InSuitGroupOnEmpty = 96,
    SumOfPartner = 97,
    SevenAfterAce = 98,
    UpInSuitToPileNumber = 104,
    DownInSuitWrap = 105,
    TwoUpInSuitFromBase = 106,
    UpDownInSuitStockEmpty = 108,
    UpAfterPreviousFull = 118,
    KingOfPartnerSuit = 120,
    DownInSuitJackFirst = 121,
    BaseRankAlternating = 123,
    CentreAndWings = 124,
    SameRank = 126,
    UpInSuitTwoDecks = 127,
    UpDownInSuitWrapStockEmpty = 129,
    UpAfterPreviousFullAceFirst = 132,
    TwoDownWrap = 133,
};
} // namespace suit

// Empty-pile codes: foundation base codes (parameter 55 + k) and tableau fill
// codes (135 + i). 1-13 a card of that rank.
namespace empty {
enum Code : int {
    AnyCard = -1,
    Nothing = 0,
    BalanceAce = 81,
    RunsOnly = 82,   // completed runs only (any suits by the pile's rule)
    RunsInSuit = 83, // completed runs only, in suit
    BalanceKing = 84,
    BalanceAceSuits = 85,
    SingleCard = 86,
    FromStockGroup = 87,
    NotFromTableau = 88,
    BalanceTwo = 90,
    SameRankAsOthers = 92,
    SameRankFirstFromReserve = 93,
    RunsDownInSuit = 95, // completed runs, King on top
    FromReserveOrWaste = 96,
    RunsInSuitToo = 97,
    RunsAlternatingColours = 98,
    RunsNeighbours = 99,
};
} // namespace empty

// Reserve rules (parameter 335 + r).
namespace reserve_rule {
enum Code : int {
    FreeCell = 0,
    Nothing = 4,
    KingWhileFirstShort = 8,
    CourtCard = 9,
    Anything = 12,
    CardWhileFirstShort = 13,
    FamilyRule = 81,
    FromWaste = 85,
    Jack = 88,
    Queen = 89,
    King = 90,
    RowTestFrees = 103,
    AcesAlternating = 107,
    QueenOfFoundationSuit = 119,
    UpInSuit = 145,
    GameSpecific = 146,
    FromStockGroupEarlyPasses = 154,
    WhileStockAndTableauFull = 161,
};
} // namespace reserve_rule

// Count test (parameter 14).
namespace count_rule {
enum Code : int {
    TopOnly = 0,
    AnyBlock = -1,
    FreeCellsAndPiles = -5,
    FreeCellsAndPilesPlain = -6,
    KingBlockOrSingle = -12,
    SingleOrWholePile = -13,
    RowOfTen = -15,
    BetweenHoles = -16,
    Draw = -17,
    ThreeRows = -18,
    AnyBlockToo = -19,
};
} // namespace count_rule

// Group-move test (parameter 2).
namespace group_rule {
enum Code : int {
    None = 0,
    PileRule = 1,
    InSuit = 10,
    SameColour = 11,
    LastPassOnly = 12,
};
} // namespace group_rule

} // namespace vellamor
