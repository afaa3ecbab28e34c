#include "engine/param_names.h"

#include "engine/rule_params.h"

#include <algorithm>
#include <array>

namespace vellamor {

namespace {

constexpr int kAny = -32768;
constexpr int kTop = 32767;

// One row per name; groups give the number of piles. Kept in index order.
constexpr std::array kNames = {
    ParamName{"foundation-base-style", prm::FoundationBaseStyle, 1, 0, 8,
              "how the deal sets the foundation bases near its end (1-8)"},
    ParamName{"group-move-test", prm::GroupMoveTest, 1, 0, 12,
              "a block moved onto the tableau must form a sequence: 1 the pile's rules, "
              "10 in suit, 11 same colour, 12 only in pass 3"},
    ParamName{"tableau-style", prm::TableauStyle, 1, kAny, kTop, "tableau layout style"},
    ParamName{"foundation-style", prm::FoundationStyle, 1, kAny, kTop, "foundation layout style"},
    ParamName{"reserve-style", prm::ReserveStyle, 1, kAny, kTop, "reserve layout style"},
    ParamName{"per-pile-style", prm::PerPileStyle, 1, 0, 1,
              "1: tableau piles 1-7 style 2, piles 8-12 style 10"},
    ParamName{"stock-face-down", prm::StockFaceDown, 1, 0, 1, "1: the stock lies face down"},
    ParamName{"waste-face-down", prm::WasteFaceDown, 1, 0, 1, "the waste is drawn face down"},
    ParamName{"second-waste-face-down", prm::SecondWasteFaceDown, 1, 0, 1,
              "the second waste is drawn face down"},
    ParamName{"stock-in-play", prm::StockInPlay, 1, 0, 1, "1: the game has a stock"},
    ParamName{"waste-in-play", prm::WasteInPlay, 1, 0, 1,
              "1: a click on the stock turns cards onto the waste"},
    ParamName{"next-card-to-foundation", prm::NextCardToFoundation, 1, 0, 1,
              "1: after the deal the next card goes to foundation 1"},
    ParamName{"take-blocks", prm::TakeBlocks, 1, -19, 320,
              "how many tableau cards move at once: -1 any sequence, above 0 at most that "
              "many, -5 and -6 by free cells and spaces, -12, -13, -15..-18 special"},
    ParamName{"reserve-take-rule", prm::ReserveTakeRule, 1, -15, 0,
              "-11 any reserve card may be taken; -14, -15 special"},
    ParamName{"passes", prm::Passes, 1, -1, 99, "passes through the stock; -1 unlimited"},
    ParamName{"redeal-style", prm::RedealStyle, 1, 0, 99, "redeal style; 0 the plain redeal"},
    ParamName{
        "turn-over-when", prm::TurnOverWhen, 1, 0, 2,
        "a stock click turns cards over: 0 always, 1 onto an empty waste, 2 also from pass 3"},
    ParamName{"foundation-take-back", prm::FoundationTakeBack, 1, 0, 3,
              "cards may be taken off the foundations: 1 yes, 2 above the base, 3 jokers"},
    ParamName{"autoplay-available", prm::AutoplayAvailable, 1, 0, 1,
              "the autoplay command is available"},
    ParamName{"auto-moves-to-foundations", prm::AutoMovesToFoundations, 1, 0, 2,
              "automatic moves: 0 any foundation, 1 started ones, 2 never"},
    ParamName{"save-disabled", prm::SaveDisabled, 1, 0, 1, "saving and bookmarks are disabled"},
    ParamName{"cards-per-click", prm::StockTurnCount, 1, 0, 104,
              "cards a stock click turns onto the waste"},
    ParamName{"refill-code", prm::RefillCode, 1, 0, kTop, "automatic refill of emptied piles"},
    ParamName{"free-scan-by-pile", prm::FreeScanByPile, 1, 0, 1,
              "cards are freed after the deal pile by pile (1) or row by row (0)"},
    ParamName{"grid-rows", prm::GridRows, 1, 0, 40, "rows of a tableau grid"},
    ParamName{"grid-columns", prm::GridColumns, 1, 0, 40, "columns of a tableau grid"},
    ParamName{"rule70-columns", prm::Rule70Columns, 1, 0, 40, "grid columns of suit rule 70"},
    ParamName{"sort-foundations", prm::SortFoundations, 1, 0, 1,
              "foundations are sorted by card code after each move"},
    ParamName{"kings-to-bottom", prm::KingsToBottom, 1, 0, 1,
              "after the deal every King goes to the bottom of its tableau pile"},
    ParamName{"foundation-max", prm::FoundationMax, 1, 0, 320, "most cards on a foundation"},
    ParamName{"tableau-max", prm::TableauMax, 1, -1, 320,
              "most cards on a tableau pile; -1 unlimited"},
    ParamName{"deal-style", prm::DealStyle, 1, 0, 23, "deck preparation and dealing style"},
    ParamName{"stock-restriction", prm::StockRestriction, 1, 0, 3,
              "restriction on the tableau while the stock or the waste hold cards"},
    ParamName{"click-both-targets", prm::ClickBothTargets, 1, 0, 1,
              "double- and right-click look for foundations and tableau piles"},
    ParamName{"width-class", prm::WidthClass, 1, kAny, kTop, "width class of the layout"},
    ParamName{"pairing-total", prm::PairingTotal, 1, 0, 99, "pairing total of pairing games"},
    ParamName{"first-move-to-foundation", prm::FirstMoveToFoundation, 1, 0, 1,
              "the first move must go from the tableau to a foundation"},
    ParamName{"fill-after-first-move", prm::FillAfterFirstMove, 1, 0, 1,
              "after the first move every empty tableau pile gets a stock card"},
    ParamName{"auto-face-up", prm::AutoFaceUp, 1, 0, 1,
              "a face-down top card of the tableau turns up by itself"},
    ParamName{"uses-jokers", prm::UsesJokers, 1, 0, 1, "the game uses jokers"},
    ParamName{"hints-available", prm::HintsAvailable, 1, 0, 1,
              "the hint and demo commands are available"},
    ParamName{"score-adjustment", prm::ScoreAdjustment, 1, kAny, kTop,
              "the plain score adds 5 times this"},
    ParamName{"short-deck", prm::ShortDeck, 1, 0, 2, "1 removes ranks 2-6, 2 also the Kings"},
    ParamName{"face-style", prm::FaceStyle, 1, 0, 2,
              "card look: 1 all spades, 2 hearts and spades"},
    ParamName{"empty-foundation-test", prm::EmptyFoundationTest, 1, 0, 2,
              "extra test for a card on an empty foundation"},
    ParamName{"special-score", prm::SpecialScore, 1, kAny, kTop, "special score value"},
    ParamName{"target-score", prm::TargetScore, 1, kAny, kTop,
              "the game is won when the score reaches this"},
    ParamName{"special", prm::Special, 1, 0, 99, "special behaviour code; 0 a plain game"},

    ParamName{"foundation-base", prm::FoundationBase, 16, -1, 99,
              "what an empty foundation accepts: 1-13 that rank, -1 any card, other codes"},
    ParamName{"foundation-direction", prm::FoundationDirection, 16, 0, 2,
              "foundation building: 1 up, 0 down, 2 either"},
    ParamName{"foundation-suit-rule", prm::FoundationSuitRule, 16, 0, 999,
              "0 in suit, 1 same colour, 2 any suit, 3 alternating colours, 4 none, others"},
    ParamName{"foundation-base-card", prm::FoundationBaseCard, 16, 0, 312,
              "card the deal places on the foundation"},
    ParamName{"foundation-complete", prm::FoundationComplete, 16, -1, 320,
              "cards at which the foundation is shown complete; -1 foundation-max"},

    ParamName{"tableau-fill", prm::TableauFill, 40, -1, 99,
              "what an empty tableau pile accepts: 1-13 that rank, -1 any card, 0 nothing"},
    ParamName{"tableau-direction", prm::TableauDirection, 40, 0, 2,
              "tableau building: 1 up, 0 down, 2 either"},
    ParamName{"tableau-suit-rule", prm::TableauSuitRule, 40, 0, 999,
              "0 in suit, 1 same colour, 2 any suit, 3 alternating colours, 4 none, others"},
    ParamName{"tableau-wrap", prm::TableauWrap, 40, 0, 2,
              "1 building past the foundation base (King-Ace), 2 no wrap and no base test"},
    ParamName{"tableau-stock-deal", prm::TableauStockDeal, 40, 0, 16,
              "card the pile gets when the stock deals a row: 1 one card, 2 only with no "
              "space, 6 face down, 7 only while the pile holds cards"},

    ParamName{"reserve-rule", prm::ReserveRule, 12, 0, 999,
              "what a reserve accepts: 0 one card when empty (a free cell), 4 nothing, 12 any"},
    ParamName{"reserve-stock-deal", prm::ReserveStockDeal, 12, 0, 16,
              "card the reserve gets when the stock deals a row"},

    ParamName{"second-waste-card", prm::SecondWasteCard, 1, 0, 312,
              "card the deal puts on the second waste"},
    ParamName{"waste-handling", prm::WasteHandling, 1, kAny, kTop, "waste handling of families"},
    ParamName{"waste-handling-2", prm::WasteHandling2, 1, kAny, kTop,
              "4: the waste is not a target of automatic moves"},
    ParamName{"stock-area-arrangement", prm::StockAreaArrangement, 1, 0, 999,
              "layout arrangement of the stock and waste"},
    ParamName{"stock-area-row", prm::StockAreaRow, 1, 0, 9999, "layout row of the stock area"},
    ParamName{"foundation-arrangement", prm::FoundationArrangement, 1, 0, 999,
              "layout arrangement of the foundations"},
    ParamName{"foundation-row", prm::FoundationRow, 1, 0, 9999, "layout row of the foundations"},
    ParamName{"tableau-arrangement", prm::TableauArrangement, 1, 0, 999,
              "layout arrangement of the tableau"},
    ParamName{"tableau-row", prm::TableauRow, 1, 0, 9999, "layout row of the tableau"},
    ParamName{"grid-tableau-rows", prm::GridTableauRows, 1, 0, 40, "rows of a grid tableau"},
    ParamName{"reserve-arrangement", prm::ReserveArrangement, 1, 0, 999,
              "layout arrangement of the reserves"},
    ParamName{"reserve-row", prm::ReserveRow, 1, 0, 9999, "layout row of the reserves"},
    ParamName{"second-waste-arrangement", prm::SecondWasteArrangement, 1, 0, 999,
              "layout arrangement of the second waste"},
    ParamName{"second-waste-row", prm::SecondWasteRow, 1, 0, 9999,
              "layout row of the second waste"},
    ParamName{"stock-area-piles", prm::StockAreaPiles, 1, 0, 3, "piles of the stock area"},
    ParamName{"foundations", prm::Foundations, 1, 0, 16, "number of foundations"},
    ParamName{"tableau-piles", prm::Tableaus, 1, 0, 40, "number of tableau piles"},
    ParamName{"reserves", prm::Reserves, 1, 0, 12, "number of reserves"},
    ParamName{"second-wastes", prm::SecondWastes, 1, 0, 1, "number of second wastes"},
    ParamName{"cards", prm::Cards, 1, 0, 208, "cards of the decks: 52, 104, 156 or 208"},
    ParamName{"stock-cards", prm::StockCards, 1, 0, 212, "cards dealt to the stock"},
    ParamName{"waste-cards", prm::WasteCards, 1, 0, 212, "cards dealt face up to the waste"},
    ParamName{"jokers", prm::Jokers, 1, 0, 4, "number of jokers when uses-jokers is 1"},
    ParamName{"tableau-cards", prm::TableauCards, 40, 0, 1504,
              "cards dealt to the pile; 1001-1013, 1101-1412, 1501-1504 one chosen card"},
    ParamName{"tableau-face-up", prm::TableauFaceUp, 40, -3, 320,
              "top cards of the pile dealt face up; -1..-3 face patterns"},
    ParamName{"second-waste-cards", prm::SecondWasteCards, 1, 0, 212,
              "cards dealt face up to the second waste"},
    ParamName{"reserve-cards", prm::ReserveCards, 12, 0, 212, "cards dealt to the reserve"},
    ParamName{"reserve-face-up", prm::ReserveFaceUp, 12, -3, 320,
              "top cards of the reserve dealt face up"},
    ParamName{"foundation-rule-named", prm::FoundationRuleNamed, 1, -1, 999,
              "suit rule named for all foundations in the pile information; -1 each its own"},
    ParamName{"tableau-rule-named", prm::TableauRuleNamed, 1, -1, 999,
              "suit rule named for all tableau piles in the pile information; -1 each its own"},
    ParamName{"wizard-cards-per-click", 490, 1, 0, 9,
              "the rules wizard may change cards per click"},
    ParamName{"wizard-redeals", 491, 1, 0, 9, "the rules wizard may change the redeals"},
    ParamName{"wizard-empty-tableau", 492, 1, 0, 9,
              "the rules wizard may change the empty tableau rule"},
    ParamName{"wizard-tableau-direction", 493, 1, 0, 9,
              "the rules wizard may change the tableau direction"},
    ParamName{"wizard-tableau-method", 494, 1, 0, 9,
              "the rules wizard may change the tableau method"},
    ParamName{"wizard-foundation-direction", 495, 1, 0, 9,
              "the rules wizard may change the foundation direction"},
    ParamName{"wizard-foundation-method", 496, 1, 0, 9,
              "the rules wizard may change the foundation method"},
    ParamName{"game-time", 497, 1, 0, 2, "game time: 0 long, 1 medium, 2 quick"},
    ParamName{"difficulty", 498, 1, 0, 2, "difficulty: 0 easy, 1 medium, 2 hard"},
    ParamName{"skill", 499, 1, 0, 4,
              "0 difficult, 1 mostly skill, 2 moderate, 3 mostly chance, 4 chance only"},
    ParamName{"chance-of-winning", 500, 1, 0, 4,
              "0 very high, 1 high, 2 medium, 3 low, 4 very low"},
    ParamName{"tests-won", 501, 1, 0, kTop, "games won in the test runs"},
    ParamName{"tests-played", 502, 1, 0, kTop, "games played in the test runs"},
};

constexpr bool sortedAndDisjoint() {
    for (std::size_t i = 1; i < kNames.size(); ++i)
        if (kNames[i - 1].index + kNames[i - 1].count > kNames[i].index) return false;
    return kNames.back().index + kNames.back().count <= RuleParams::kSize;
}
static_assert(sortedAndDisjoint(), "parameter names must be in index order and not overlap");

} // namespace

std::span<const ParamName> paramNames() {
    return kNames;
}

const ParamName* findParamName(std::string_view name) {
    for (const ParamName& p : kNames)
        if (p.name == name) return &p;
    return nullptr;
}

const ParamName* paramNameOfIndex(int index) {
    const auto it = std::upper_bound(kNames.begin(), kNames.end(), index,
                                     [](int i, const ParamName& p) { return i < p.index; });
    if (it == kNames.begin()) return nullptr;
    const ParamName& p = *(it - 1);
    return index < p.index + p.count ? &p : nullptr;
}

std::string paramLabel(int index) {
    const ParamName* p = paramNameOfIndex(index);
    if (!p) return "#" + std::to_string(index);
    std::string label(p->name);
    if (p->isGroup()) label += ' ' + std::to_string(index - p->index + 1);
    return label;
}

} // namespace vellamor
