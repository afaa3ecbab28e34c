#include "deal_fixture.h"
#include "engine/deal_internal.h"
#include "recording_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vellamor {
namespace {

using namespace vellamor::testing;

void expectEveryCardOnce(const Engine& e, int cards) {
    std::vector<int> all = cardsOnTable(e);
    std::sort(all.begin(), all.end());
    ASSERT_EQ(static_cast<int>(all.size()), cards);
    for (int i = 0; i < cards; ++i) ASSERT_EQ(all[i], i + 1);
}

TEST(Deal, KlondikeLikeGameDealsEveryCardWithItsFace) {
    Engine e;
    klondike(e);
    for (const char* number : {"0", "17", "8000000000001", "123456789"}) {
        SCOPED_TRACE(number);
        loadAndDeal(e, number);
        expectEveryCardOnce(e, 52);
        EXPECT_EQ(e.table.stock().size(), 24);
        for (CardCode c : e.table.stock()) EXPECT_FALSE(e.cards.faceUp(c));
        for (int i = 0; i < 7; ++i) {
            const Pile& p = e.table.tableau[i];
            ASSERT_EQ(p.size(), i + 1);
            for (int j = 0; j < p.size(); ++j) EXPECT_EQ(e.cards.faceUp(p[j]), j == i);
        }
    }
}

// Whatever the decks, jokers and short deck, every card of the array reaches the
// table exactly once.
TEST(Deal, EveryCardOnceForAnyDecksJokersAndShortDecks) {
    for (int decks = 1; decks <= 4; ++decks)
        for (int jokers : {0, 2, 4})
            for (int shortDeck : {0, 1, 2}) {
                SCOPED_TRACE(::testing::Message() << decks << " decks, " << jokers << " jokers, "
                                                  << "short deck " << shortDeck);
                const int perDeck = shortDeck == 0 ? 52 : shortDeck == 1 ? 32 : 28;
                const int total = decks * perDeck + jokers;
                Engine e;
                setParams(e, {{prm::Cards, 52 * decks}, {prm::UsesJokers, jokers ? 1 : 0},
                              {prm::Jokers, jokers}, {prm::ShortDeck, shortDeck},
                              {prm::Tableaus, 10}, {prm::StockCards, total % 10}});
                setRange(e, prm::TableauCards, 10, total / 10);
                setRange(e, prm::TableauFaceUp, 10, 1);
                loadAndDeal(e, "6022140857");
                std::vector<int> all = cardsOnTable(e);
                ASSERT_EQ(static_cast<int>(all.size()), total);
                std::sort(all.begin(), all.end());
                EXPECT_TRUE(std::adjacent_find(all.begin(), all.end()) == all.end());
                EXPECT_EQ(std::count_if(all.begin(), all.end(), isJoker), jokers);
            }
}

TEST(Deal, SameNumberSamePilesAndLeadingZerosDoNotMatter) {
    Engine a, b;
    spider(a);
    spider(b);
    loadAndDeal(a, "31415");
    loadAndDeal(b, "0000000031415");
    EXPECT_EQ(makeSnapshot(a.table, a.cards), makeSnapshot(b.table, b.cards));
    loadAndDeal(b, "99999999031415"); // cut to the last 13 digits: 9999999031415
    EXPECT_NE(makeSnapshot(a.table, a.cards), makeSnapshot(b.table, b.cards));
    loadAndDeal(a, "31415");
    loadAndDeal(b, "31415");
    EXPECT_EQ(makeSnapshot(a.table, a.cards), makeSnapshot(b.table, b.cards));
    expectEveryCardOnce(a, 104);
}

TEST(Deal, StockAreaReservesAndFacePatterns) {
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::StockCards, 10}, {prm::StockFaceDown, 0},
                  {prm::WasteCards, 3}, {prm::SecondWasteCards, 2}, {prm::Reserves, 2},
                  {prm::ReserveCards, 13}, {prm::ReserveFaceUp, 1}, {prm::ReserveCards + 1, 4},
                  {prm::ReserveFaceUp + 1, -1}, {prm::Tableaus, 4}});
    setRange(e, prm::TableauCards, 4, 5);
    setRange(e, prm::TableauFaceUp, 4, -3);
    loadAndDeal(e, "2718281828");
    expectEveryCardOnce(e, 52);
    const Table& t = e.table;
    for (CardCode c : t.stock()) EXPECT_TRUE(e.cards.faceUp(c)); // a face-up stock
    for (CardCode c : t.waste()) EXPECT_TRUE(e.cards.faceUp(c));
    EXPECT_EQ(t.waste().size(), 3);
    EXPECT_EQ(t.secondWaste().size(), 2);
    EXPECT_EQ(t.reserves[0].size(), 13);
    EXPECT_TRUE(e.cards.faceUp(t.reserves[0].top()));
    EXPECT_FALSE(e.cards.faceUp(t.reserves[0][11]));
    const Pile& r2 = t.reserves[1];
    for (int i = 0; i < 4; ++i) EXPECT_EQ(e.cards.faceUp(r2[i]), i % 2 == 0);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(e.cards.faceUp(t.tableau[3][i]), i == 0);
}

TEST(Deal, BaseCardsOfTheFoundations) {
    struct Case {
        int code;          // base-card code of foundation 2
        int expectedCard;  // on foundation 2, or 0 for "check by rank"
        int expectedRank;  // new base code of foundation 2
    };
    const Case cases[] = {
        {5, 13 + 5, 5},        // rank 5 in the suit of the foundation (diamonds)
        {113, 13, 13},         // code 113 - 100: the King of hearts
        {93, 14, 1},           // the Ace of the foundation's own suit
        {95, 26, 13},          // foundations 1-4: the Kings of deck 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        Engine e;
        setParams(e, {{prm::Cards, 52}, {prm::Foundations, 2}, {prm::StockCards, 51},
                      {prm::FoundationBaseCard + 1, c.code}});
        loadAndDeal(e, "4242");
        ASSERT_EQ(e.table.foundations[1].size(), 1);
        EXPECT_EQ(e.table.foundations[1].top(), c.expectedCard);
        EXPECT_TRUE(e.cards.faceUp(c.expectedCard));
        EXPECT_EQ(e.params[prm::FoundationBase + 1], c.expectedRank);
        EXPECT_EQ(e.table.stock().size(), 51);
        EXPECT_FALSE(e.table.stock().contains(c.expectedCard));
    }
}

TEST(Deal, BaseCardsChosenFromTheArray) {
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Foundations, 4}, {prm::StockCards, 48}});
    // Foundation 1 the first card, 2 a card of a new suit, 3 a new rank (not a King),
    // 4 the first 7.
    setParams(e, {{prm::FoundationBaseCard, 20}, {prm::FoundationBaseCard + 1, 21},
                  {prm::FoundationBaseCard + 2, 22}, {prm::FoundationBaseCard + 3, 57}});
    const DealArray order = buildDealArray(e, *gameNumberDigits("1001"));
    loadAndDeal(e, "1001");
    const auto& f = e.table.foundations;
    EXPECT_EQ(f[0].top(), order[0]);
    EXPECT_NE(suitIndex(f[1].top()), suitIndex(f[0].top()));
    EXPECT_NE(rank(f[2].top()), kKing);
    EXPECT_NE(rank(f[2].top()), rank(f[0].top()));
    EXPECT_NE(rank(f[2].top()), rank(f[1].top()));
    EXPECT_EQ(rank(f[3].top()), 7);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(e.params[prm::FoundationBase + k], rank(f[k].top()));

    // A new deal restores the loaded base codes before it places the cards again.
    loadAndDeal(e, "1002");
    EXPECT_EQ(rank(e.table.foundations[3].top()), 7);
    expectEveryCardOnce(e, 52);
}

TEST(Deal, RisingBasesAndCopiedBases) {
    Engine e;
    setParams(e, {{prm::Cards, 104}, {prm::Foundations, 8}, {prm::StockCards, 96},
                  {prm::FoundationBaseCard, 97}});
    loadAndDeal(e, "55");
    for (int k = 0; k < 8; ++k) {
        ASSERT_EQ(e.table.foundations[k].size(), 1);
        EXPECT_EQ(rank(e.table.foundations[k].top()), k + 2);
        EXPECT_EQ(e.params[prm::FoundationBase + k], k + 2);
    }
    expectEveryCardOnce(e, 104);

    // Code 92 places nothing and takes foundation 1's base as it stands at that point.
    Engine c;
    setParams(c, {{prm::Cards, 52}, {prm::Foundations, 2}, {prm::StockCards, 51},
                  {prm::FoundationBaseCard, 5}, {prm::FoundationBaseCard + 1, 92}});
    loadAndDeal(c, "55");
    EXPECT_EQ(c.table.foundations[0].text(), "005");
    EXPECT_TRUE(c.table.foundations[1].empty());
    EXPECT_EQ(c.params[prm::FoundationBase + 1], 5);
}

TEST(Deal, FoundationBaseStyles) {
    struct Case {
        int style;
        std::vector<int> baseOffsets; // base rank of foundations 1.. relative to the dealt card
    };
    // Offsets: the rank of foundation k minus the rank r of the dealt card, wrapped.
    const Case cases[] = {
        {1, {0, 0, 0, 0, 0, 0, 0, 0}},
        {4, {0, 0, 0, 0, 1, 1, 1, 1}},
        {6, {0, -1, -2, -3, -4, -5, -6, -7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        Engine e;
        setParams(e, {{prm::Cards, 104}, {prm::Foundations, 8}, {prm::StockCards, 103},
                      {prm::FoundationBaseStyle, c.style}});
        loadAndDeal(e, "12121212");
        const int r = rank(e.table.foundations[0].top());
        ASSERT_EQ(e.table.foundations[0].size(), 1);
        for (int k = 0; k < 8; ++k) {
            const int expected = ((r - 1 + c.baseOffsets[k]) % 13 + 13) % 13 + 1;
            EXPECT_EQ(e.params[prm::FoundationBase + k], expected) << k;
        }
    }

    // Style 5: every card of the same rank follows onto foundations 2, 3, …
    Engine e;
    setParams(e, {{prm::Cards, 104}, {prm::Foundations, 8}, {prm::StockCards, 96},
                  {prm::FoundationBaseStyle, 5}});
    loadAndDeal(e, "777");
    const int r = rank(e.table.foundations[0].top());
    for (int k = 0; k < 8; ++k) {
        ASSERT_EQ(e.table.foundations[k].size(), 1) << k;
        EXPECT_EQ(rank(e.table.foundations[k].top()), r);
    }
    expectEveryCardOnce(e, 104);

    // Style 8: foundation 5 takes r, 1-4 the rank above, 6-9 the rank below.
    Engine s8;
    setParams(s8, {{prm::Cards, 104}, {prm::Foundations, 9}, {prm::StockCards, 103},
                   {prm::FoundationBaseStyle, 8}});
    loadAndDeal(s8, "3");
    const int r8 = rank(s8.table.foundations[4].top());
    EXPECT_EQ(s8.params[prm::FoundationBase + 4], r8);
    EXPECT_EQ(s8.params[prm::FoundationBase], nextRank(r8));
    EXPECT_EQ(s8.params[prm::FoundationBase + 8], prevRank(r8));

    // Style 3: base rank follows the bottom card of the reserve of the same number.
    Engine s3;
    setParams(s3, {{prm::Cards, 52}, {prm::Foundations, 2}, {prm::Reserves, 2},
                   {prm::ReserveCards, 26}, {prm::ReserveCards + 1, 26},
                   {prm::FoundationBaseStyle, 3}});
    loadAndDeal(s3, "3");
    for (int k = 0; k < 2; ++k)
        EXPECT_EQ(s3.params[prm::FoundationBase + k], nextRank(rank(s3.table.reserves[k].base())));
}

TEST(Deal, FillCodeNinetyOneFollowsTheFoundationBase) {
    Engine e;
    klondike(e);
    setRange(e, prm::TableauFill, 7, 91);
    e.params.set(prm::FoundationBaseStyle, 1);
    e.params.set(prm::StockCards, 23);
    loadAndDeal(e, "606");
    const int base = e.params[prm::FoundationBase];
    for (int i = 0; i < 7; ++i) EXPECT_EQ(e.params[prm::TableauFill + i], prevRank(base));
    // The saved fill codes come back for the next deal.
    e.params.restoreRanges();
    EXPECT_EQ(e.params[prm::TableauFill], 91);
}

TEST(Deal, FreeingScansMoveAcesAndScore) {
    for (int byPile : {0, 1}) {
        SCOPED_TRACE(byPile);
        Engine e;
        setParams(e, {{prm::Cards, 52}, {prm::Foundations, 4}, {prm::Tableaus, 4},
                      {prm::FreeScanByPile, byPile}, {prm::FoundationBaseCard, 93}});
        setRange(e, prm::TableauCards, 4, 13);
        setRange(e, prm::FoundationBase, 4, 1);
        setRange(e, prm::FoundationDirection, 4, 1);
        loadAndDeal(e, "1357913");
        expectEveryCardOnce(e, 52);
        int onFoundations = 0;
        for (int k = 0; k < 4; ++k) {
            const Pile& f = e.table.foundations[k];
            ASSERT_FALSE(f.empty()); // each Ace lies somewhere in the tableau
            for (int j = 0; j < f.size(); ++j) {
                EXPECT_EQ(rank(f[j]), j + 1);
                EXPECT_EQ(suitIndex(f[j]), suitIndex(f[0]));
            }
            onFoundations += f.size();
        }
        // The Ace of hearts is foundation 1's base card; the game starts with the
        // score of the cards the deal put on the foundations.
        EXPECT_EQ(e.table.foundations[0].base(), 1);
        EXPECT_EQ(e.state.readInt(field::Score), -52 + 5 * onFoundations);
        for (int i = 0; i < 4; ++i)
            for (CardCode c : e.table.tableau[i]) EXPECT_NE(rank(c), kAce);
    }
}

TEST(Deal, FreedAcesAreReplacedFromTheStock) {
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Foundations, 4}, {prm::Tableaus, 8},
                  {prm::StockCards, 20}, {prm::FoundationBaseCard, 96}});
    setRange(e, prm::TableauCards, 8, 4);
    setRange(e, prm::FoundationBase, 4, 1);
    loadAndDeal(e, "8080");
    expectEveryCardOnce(e, 52);
    int aces = 0;
    for (int k = 0; k < 4; ++k) aces += e.table.foundations[k].size();
    EXPECT_GT(aces, 0);
    EXPECT_EQ(e.table.stock().size(), 20 - aces);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(e.table.tableau[i].size(), 4);
}

TEST(Deal, KingsToTheBottomAndSpecialRearrangements) {
    Engine e;
    klondike(e);
    e.params.set(prm::KingsToBottom, 1);
    loadAndDeal(e, "13131313");
    for (int i = 0; i < 7; ++i) {
        const Pile& p = e.table.tableau[i];
        bool seenOther = false;
        for (CardCode c : p) {
            if (rank(c) != kKing) seenOther = true;
            else EXPECT_FALSE(seenOther) << "a King above another card in pile " << i + 1;
        }
    }

    Engine h;
    klondike(h);
    h.params.set(prm::Special, 22);
    loadAndDeal(h, "22");
    expectEveryCardOnce(h, 52);
    EXPECT_EQ(h.table.stock().base(), 13);
    EXPECT_EQ(h.table.tableau[0].top(), 12);
    EXPECT_TRUE(h.cards.faceUp(12));
}

TEST(Deal, SecondWasteCardAndNextCardToFoundation) {
    Engine e;
    setParams(e, {{prm::Cards, 52}, {prm::Foundations, 1}, {prm::StockCards, 50},
                  {prm::SecondWasteCard, 127}, {prm::NextCardToFoundation, 1}});
    loadAndDeal(e, "9");
    EXPECT_EQ(e.table.secondWaste().text(), "027");
    EXPECT_EQ(e.table.foundations[0].size(), 1);
    expectEveryCardOnce(e, 52);
}

TEST(Deal, AcesSortedOutOfTheReserveAndTheWaste) {
    int checkedWithAces = 0;
    for (const char* number : {"31415926535", "2718281828459", "1618033988749", "1414213562373",
                               "1732050807568", "2236067977499"}) {
        SCOPED_TRACE(number);
        Engine e;
        setParams(e, {{prm::Cards, 52}, {prm::Foundations, 4}, {prm::Reserves, 1},
                      {prm::ReserveCards, 13}, {prm::WasteCards, 39}, {prm::Special, 11}});
        loadAndDeal(e, number);
        expectEveryCardOnce(e, 52);
        int acesFromReserve = 0;
        for (int k = 1; k < 4; ++k) acesFromReserve += e.table.foundations[k].size();
        for (CardCode c : e.table.reserves[0]) EXPECT_NE(rank(c), kAce);
        EXPECT_EQ(e.table.reserves[0].size(), 13); // refilled by as many cards as it gave
        ASSERT_FALSE(e.table.foundations[0].empty());
        EXPECT_EQ(rank(e.table.foundations[0].top()), kAce);
        if (acesFromReserve > 0) {
            ++checkedWithAces;
            for (CardCode c : e.table.reserves[0]) EXPECT_TRUE(e.cards.faceUp(c));
        }
    }
    EXPECT_GT(checkedWithAces, 0);
}

TEST(Deal, DoubledBasesOfSpecialFifty) {
    Engine e;
    setParams(e, {{prm::Cards, 104}, {prm::Foundations, 8}, {prm::StockCards, 104},
                  {prm::Special, 50}});
    for (int k = 0; k < 4; ++k) e.params.set(prm::FoundationBase + k, k + 4); // 4 5 6 7
    loadAndDeal(e, "1");
    const int expected[4] = {8, 10, 12, 1};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(e.params[prm::FoundationBase + 4 + k], expected[k]);
}

TEST(NewGame, ResetsTheGameAndDeals) {
    RecordingHost host;
    Engine e(&host);
    klondike(e);
    e.params.saveRanges();
    e.game.moveCounter = 2;
    e.game.passNumber = 3;
    e.game.playMark = 1;
    e.game.specialCounters = {5, 6, 7, 8};
    e.stockDeals = 4;
    e.state.writeInt(field::Score, 99);
    e.flags.set(StateFlag::Won);
    e.table.reserves[0].push(52); // a leftover of the previous game
    e.state.write(field::GameNumber, "77");
    const IrregularOffsets before = e.game.irregular;
    ASSERT_TRUE(newGame(e, {.dealAnew = true, .randomNumber = true}));
    EXPECT_NE(e.game.irregular.rows, before.rows); // the untidy piles are drawn anew
    EXPECT_EQ(e.game.moveCounter, 0);
    EXPECT_EQ(e.game.passNumber, 1);
    EXPECT_EQ(e.game.playMark, -1);
    EXPECT_EQ(e.game.randomNumber, 1);
    EXPECT_EQ(e.game.specialCounters[0], 0);
    EXPECT_EQ(e.game.specialCounters[2], 7); // the deal of the games that use them sets these
    EXPECT_EQ(e.stockDeals, 0);
    EXPECT_EQ(e.state.readInt(field::Score), -52); // the position's score after the deal
    EXPECT_EQ(host.lastScore, -52);
    EXPECT_NE(e.state.read(field::GameNumber), "77");
    EXPECT_TRUE(e.flags.test(StateFlag::InProgress));
    EXPECT_TRUE(e.flags.test(StateFlag::ClockRuns));
    EXPECT_FALSE(e.flags.test(StateFlag::Won));
    EXPECT_TRUE(e.table.reserves[0].empty());
    expectEveryCardOnce(e, 52);
}

TEST(NewGame, NothingIsDealtWhenNoGameCanBeLoaded) {
    Engine e;
    int asked = 0;
    e.loadCurrentGame = [&asked](Engine&) {
        ++asked;
        return false;
    };
    e.table.stock().push(1);
    EXPECT_FALSE(newGame(e));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(cardsOnTable(e).empty());
    EXPECT_FALSE(e.flags.test(StateFlag::InProgress));

    // A loader that fills the parameters is used once; later deals restore them.
    e.loadCurrentGame = [&asked](Engine& en) {
        ++asked;
        klondike(en);
        en.params.saveRanges();
        return true;
    };
    EXPECT_TRUE(newGame(e));
    EXPECT_TRUE(newGame(e));
    EXPECT_EQ(asked, 2);
    expectEveryCardOnce(e, 52);
}

TEST(MixingRule, TakesCardsByTheRankOfTheFront) {
    // Ranks 1 2 3 4: p starts at rank(card 2) = 3 → 4; then front rank 1 + 2 (3 left) = 3 → past
    // the end → 0 → 1; then 2 + 3 = 5 → 0 → 2; last 3.
    std::array<CardCode, 16> cards{1, 2, 3, 4};
    detail::mixCards(cards, 4);
    EXPECT_EQ((std::vector<int>(cards.begin(), cards.begin() + 4)), (std::vector<int>{4, 1, 2, 3}));

    std::array<CardCode, 16> six{2, 1, 1 + 13, 5, 3, 4}; // ranks 2 1 1 5 3 4
    detail::mixCards(six, 6);
    // p = rank(six[3]) = 5 → card 4 (idx5); rest 2 1 14 5 3 (5 left, odd): 2+2 = 4 → 3;
    // rest 2 1 14 5 (even): 2+3 = 5 → 0 → 2; rest 1 14 5 (odd): 1+2 = 3 → 0 → 1;
    // rest 14 5 (even): 1+3 = 4 → 0 → 14; last 5.
    EXPECT_EQ((std::vector<int>(six.begin(), six.begin() + 6)),
              (std::vector<int>{4, 3, 2, 1, 14, 5}));
}

} // namespace
} // namespace vellamor
