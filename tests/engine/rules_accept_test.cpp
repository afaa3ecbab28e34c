// The rule test and the acceptance of foundations, tableau piles and reserves.
#include "engine/rule_codes.h"
#include "engine/rules.h"
#include "rules_fixture.h"

namespace vellamor::testing {
namespace {

using Rules = RulesFixture;

TEST_F(Rules, TableauBuildsDownInAlternatingColoursWithKingsOnEmptyPiles) {
    fila(1, "10S");
    fila(2, "");
    fila(3, "#4H 9D");
    pile(kWaste, "9H 9C KH QD");
    EXPECT_TRUE(tableauAccepts(e, 0, card("9H")));
    EXPECT_FALSE(tableauAccepts(e, 0, card("9C")));
    EXPECT_TRUE(tableauAccepts(e, 1, card("KH")));
    EXPECT_FALSE(tableauAccepts(e, 1, card("QD")));
    // A face-down top card takes nothing.
    fila(4, "#8S");
    EXPECT_FALSE(tableauAccepts(e, 3, card("7D")));
}

TEST_F(Rules, TableauRespectsTheFoundationBaseUnlessWrapped) {
    fila(1, "AS");
    EXPECT_FALSE(tableauAccepts(e, 0, card("KH")));
    EXPECT_FALSE(tableauAccepts(e, 0, card("2H")));
    set(prm::TableauWrap, 1);
    EXPECT_TRUE(tableauAccepts(e, 0, card("KH")));
    // Wrap mark 2: no refusal at the base rank, but no King on an Ace either.
    set(prm::TableauWrap, 2);
    EXPECT_FALSE(tableauAccepts(e, 0, card("KH")));
    fila(1, "2S");
    EXPECT_TRUE(tableauAccepts(e, 0, card("AH")));
    // Building up: a 2 on an Ace with mark 2; a King takes an Ace without it.
    set(prm::TableauDirection, 1);
    fila(1, "AS");
    EXPECT_TRUE(tableauAccepts(e, 0, card("2H")));
    set(prm::TableauWrap, 0);
    fila(1, "KS");
    EXPECT_TRUE(tableauAccepts(e, 0, card("AH")));
    EXPECT_FALSE(tableauAccepts(e, 0, card("QH")));
    // Up or down takes both neighbours.
    set(prm::TableauDirection, 2);
    fila(1, "8S");
    EXPECT_TRUE(tableauAccepts(e, 0, card("9H")));
    EXPECT_TRUE(tableauAccepts(e, 0, card("7H")));
}

TEST_F(Rules, FoundationWrapsFromKingToAceUnlessTheBaseIsAce) {
    dest(1, "AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH");
    set(prm::FoundationMax, 14);
    EXPECT_FALSE(foundationAccepts(e, 0, card("AH'")));
    set(prm::Cards, 104);
    set(prm::FoundationBase, 7);
    EXPECT_TRUE(foundationAccepts(e, 0, card("AH'")));
    // The limit of parameter 34.
    set(prm::FoundationMax, 13);
    EXPECT_FALSE(foundationAccepts(e, 0, card("AH'")));
}

TEST_F(Rules, FoundationTakesTheBaseRankAndFollowsTheSuit) {
    EXPECT_TRUE(foundationAccepts(e, 0, card("AS")));
    EXPECT_FALSE(foundationAccepts(e, 0, card("2S")));
    dest(1, "AS");
    EXPECT_TRUE(foundationAccepts(e, 0, card("2S")));
    EXPECT_FALSE(foundationAccepts(e, 0, card("2C")));
    // Down from the Kings, Ace to King wrap unless the base is a King.
    set(prm::FoundationDirection, 0);
    set(prm::FoundationBase, 13);
    dest(1, "KS");
    EXPECT_TRUE(foundationAccepts(e, 0, card("QS")));
    dest(1, "AS");
    EXPECT_FALSE(foundationAccepts(e, 0, card("KS")));
    set(prm::FoundationBase, 5);
    EXPECT_TRUE(foundationAccepts(e, 0, card("KS")));
}

TEST_F(Rules, OnlySingleCardsGoToFoundationsAndRunFoundationsTakeNothing) {
    fila(1, "AS KH");
    EXPECT_FALSE(foundationAccepts(e, 0, movingBlock(e, card("AS"))));
    EXPECT_FALSE(pileAccepts(e, "Dest1", card("AS")));
    fila(1, "KH AS");
    EXPECT_TRUE(foundationAccepts(e, 0, movingBlock(e, card("AS"))));
    set(prm::FoundationBase, 83);
    EXPECT_FALSE(foundationAccepts(e, 0, card("AS")));
}

TEST_F(Rules, EmptyPileCodes) {
    fila(1, "");
    fila(2, "7S 6H 5C");
    appogg(1, "3D");
    pile(kWaste, "9C");
    set(prm::Reserves, 1);
    struct Case {
        int code;
        const char* card;
        bool accepted;
    } cases[] = {
        {-1, "5C", true},  {0, "9C", false},  {7, "7S", true},  {7, "6H", false},
        {86, "5C", true},  {86, "6H", false}, {87, "9C", true}, {87, "3D", false},
        {88, "3D", true},  {88, "5C", false}, {96, "3D", true}, {96, "9C", false},
        {82, "9C", false}, {83, "9C", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.code) + " " + c.card);
        set(prm::TableauFill, c.code);
        EXPECT_EQ(tableauAccepts(e, 0, card(c.card)), c.accepted);
    }
    // 96 takes the waste's card once every reserve is empty.
    set(prm::TableauFill, 96);
    appogg(1, "");
    EXPECT_TRUE(tableauAccepts(e, 0, card("9C")));
}

TEST_F(Rules, SameRankAsTheOtherBases) {
    setRange(prm::FoundationBase, 4, 92);
    EXPECT_TRUE(foundationAccepts(e, 1, card("7S")));
    dest(1, "7H");
    EXPECT_TRUE(foundationAccepts(e, 1, card("7S")));
    EXPECT_FALSE(foundationAccepts(e, 1, card("8S")));
    // 93: the very first base comes from a reserve.
    setRange(prm::FoundationBase, 4, 93);
    set(prm::Reserves, 1);
    dest(1, "");
    fila(1, "7S");
    appogg(1, "7C");
    EXPECT_FALSE(foundationAccepts(e, 1, card("7S")));
    EXPECT_TRUE(foundationAccepts(e, 1, card("7C")));
}

TEST_F(Rules, ColourBalanceCountsColoursAndSuits) {
    setRange(prm::FoundationBase, 4, 81); // Aces, two of each colour
    dest(1, "AH");
    dest(2, "AD");
    EXPECT_FALSE(foundationAccepts(e, 2, card("AH'")));
    EXPECT_TRUE(foundationAccepts(e, 2, card("AS")));
    EXPECT_FALSE(foundationAccepts(e, 2, card("2S")));
    // 85 also refuses a suit counted twice.
    setRange(prm::FoundationBase, 4, 85);
    dest(2, "AS");
    EXPECT_FALSE(foundationAccepts(e, 2, card("AS'")));
    EXPECT_TRUE(foundationAccepts(e, 2, card("AC")));
    EXPECT_TRUE(host.messages.empty());
    // A joker's suit is reported and the test goes on.
    set(prm::FoundationSuitRule + 3, suit::InSuitByFoundationCount);
    set(prm::FoundationBase + 3, 1);
    EXPECT_FALSE(foundationAccepts(e, 3, 209));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Error suit - 1");
}

TEST_F(Rules, GroupTestOnEmptyFoundations) {
    set(prm::EmptyFoundationTest, 1);
    setRange(prm::FoundationSuitRule, 4, 2);
    dest(1, "AH");
    dest(2, "AC");
    dest(3, "AS");
    EXPECT_TRUE(foundationAccepts(e, 3, card("AD")));
    EXPECT_FALSE(foundationAccepts(e, 3, card("AH'")));
}

TEST_F(Rules, ColourAlternationOfTheFoundations) {
    set(prm::EmptyFoundationTest, 2);
    EXPECT_TRUE(foundationAccepts(e, 2, card("AS")));
    dest(2, "AH");
    // Foundation 2 is red: 1 and 3 black, 4 red again.
    EXPECT_TRUE(foundationAccepts(e, 0, card("AS")));
    EXPECT_FALSE(foundationAccepts(e, 0, card("AD")));
    EXPECT_TRUE(foundationAccepts(e, 2, card("AC")));
    EXPECT_FALSE(foundationAccepts(e, 2, card("AD")));
    EXPECT_TRUE(foundationAccepts(e, 3, card("AD")));
    EXPECT_FALSE(foundationAccepts(e, 3, card("AC")));
}

TEST_F(Rules, StockRestrictionOfParameter37) {
    pile(kStock, "#2C #3C");
    pile(kWaste, "5D");
    fila(1, "AS");
    fila(2, "6C");
    fila(3, "6S");
    set(prm::StockRestriction, 1);
    EXPECT_FALSE(foundationAccepts(e, 0, card("AS")));
    EXPECT_TRUE(tableauAccepts(e, 1, card("5D")));
    // 2: the waste's cards go to piles 1 to 12 in turn, without any building test.
    set(prm::StockRestriction, 2);
    set(prm::WasteCards, 2);
    EXPECT_FALSE(tableauAccepts(e, 0, card("5D")));
    EXPECT_TRUE(tableauAccepts(e, 1, card("5D"))); // (2 - 1) mod 12 + 1 = pile 2
    EXPECT_FALSE(tableauAccepts(e, 2, card("5D")));
    EXPECT_FALSE(tableauAccepts(e, 2, card("AS")));
    // 3: the pile after the last of the fullest ones.
    set(prm::StockRestriction, 3);
    fila(2, "6C 9H");
    EXPECT_TRUE(tableauAccepts(e, 2, card("5D")));
    EXPECT_FALSE(tableauAccepts(e, 1, card("5D")));
}

TEST_F(Rules, AcceptsByName) {
    EXPECT_TRUE(pileAccepts(e, "Dest1", card("AH")));
    EXPECT_TRUE(pileAccepts(e, "Dest01", card("AH")));
    EXPECT_FALSE(pileAccepts(e, "Dest5", card("AH"))); // the game has four
    EXPECT_TRUE(pileAccepts(e, "Fila7", card("KH")));
    EXPECT_FALSE(pileAccepts(e, "Fila8", card("KH")));
    EXPECT_FALSE(pileAccepts(e, "Mazzo", card("KH")));
    EXPECT_FALSE(pileAccepts(e, "Mazzo_Vis", card("KH")));
    EXPECT_FALSE(pileAccepts(e, "Nothing", card("KH")));
    EXPECT_FALSE(pileAccepts(e, "Dest1", 0));
    EXPECT_FALSE(pileAccepts(e, "Dest1", 213));
}

TEST_F(Rules, ReserveRules) {
    set(prm::Reserves, 2);
    fila(1, "7C 6D");
    struct Case {
        int rule;
        const char* reserve2; // reserve 2 before the move
        const char* card;
        bool accepted;
    } cases[] = {
        {0, "", "QD", true},       {0, "9S", "QD", false},   {0, "", "7C", false},
        {4, "", "QD", false},      {12, "9S", "7C", true},   {8, "", "KS", true},
        {8, "", "QD", false},      {9, "", "JC", true},      {9, "", "4H", false},
        {88, "", "JC", true},      {89, "", "JC", false},    {90, "", "KS", true},
        {85, "9S", "QD", true},    {85, "", "6D", false},    {107, "", "AH", true},
        {107, "AS", "AH", true},   {107, "AC", "AS", false}, {145, "4H'", "5H", true},
        {145, "4H'", "5D", false}, {154, "", "QD", true},    {154, "", "6D", false},
        {146, "", "QD", true},     {200, "", "QD", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.rule) + " " + c.card);
        set(prm::ReserveRule + 1, c.rule);
        appogg(2, c.reserve2);
        const std::string_view name = c.card;
        pile(kWaste, name == "6D" || name == "7C" ? "" : name); // else from the tableau
        EXPECT_EQ(reserveAccepts(e, 1, card(c.card)), c.accepted);
    }
    // 161: only while the stock holds cards and no tableau pile is empty.
    set(prm::ReserveRule + 1, 161);
    set(prm::Tableaus, 1);
    appogg(2, "");
    EXPECT_FALSE(reserveAccepts(e, 1, card("QD")));
    pile(kStock, "#9D");
    EXPECT_TRUE(reserveAccepts(e, 1, card("QD")));
}

// One row per special suit rule: the target pile (tableau pile 2 or foundation
// 2), its cards, the moving card (from the waste unless named) and the answer.
struct SuitCase {
    int rule;
    bool foundationTarget;
    const char* target;
    const char* card;
    bool accepted;
};

class SpecialSuitRules : public RulesFixture, public ::testing::WithParamInterface<SuitCase> {};

TEST_P(SpecialSuitRules, Accepts) {
    const SuitCase& c = GetParam();
    set(prm::FoundationMax, 104);
    set(prm::Cards, 104);
    const int m = card(c.card);
    pile(kWaste, "QS'");
    e.table.waste().push(m);
    e.cards.setFaceUp(m, true);
    if (c.foundationTarget) {
        set(prm::FoundationSuitRule + 1, c.rule);
        dest(2, c.target);
        EXPECT_EQ(foundationAccepts(e, 1, m), c.accepted);
    } else {
        set(prm::TableauSuitRule + 1, c.rule);
        fila(2, c.target);
        EXPECT_EQ(tableauAccepts(e, 1, m), c.accepted);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpecialSuitRules,
    ::testing::Values(SuitCase{suit::NoBuilding, false, "9S", "8H", false},
                      SuitCase{suit::Anything, false, "9S", "2H", true},
                      SuitCase{suit::StepTwo, true, "QH", "AS", true},
                      SuitCase{suit::StepThree, true, "5H", "8S", true},
                      SuitCase{suit::StepThree, true, "5H", "7S", false},
                      SuitCase{suit::UpAceOnKing, true, "KH", "AS", true},
                      SuitCase{suit::InSuitNoQueenOnKingOrJack, true, "JH", "QH", false},
                      SuitCase{suit::AnyOtherSuit, false, "9S", "8S", false},
                      SuitCase{suit::AnyOtherSuit, false, "9S", "8C", true},
                      SuitCase{suit::NotFromTableau, false, "9S", "2H", true},
                      SuitCase{suit::TwoInSuitByDirection, false, "9S", "7S", true},
                      SuitCase{suit::UpDownNoWrap, false, "KS", "AH", false},
                      SuitCase{suit::UpDownNoWrap, false, "KS", "QH", true},
                      SuitCase{suit::UpDownInSuitNoWrap, false, "KS", "QH", false},
                      SuitCase{suit::UpDownWrap, false, "KS", "AH", true},
                      SuitCase{suit::Doubling, false, "7S", "AH", true},
                      SuitCase{suit::UpNoCourtAceFirst, false, "", "AH", true},
                      SuitCase{suit::UpNoCourtAceFirst, false, "JS", "QH", false},
                      SuitCase{suit::UpNoKingAceFirst, false, "--", "AH", true},
                      SuitCase{suit::TwoUpWrapGroup, true, "QH", "AH", true},
                      SuitCase{suit::TwoUpInSuit, true, "QH", "AH", false},
                      SuitCase{suit::SuitCycleUp, false, "5H", "6C", true},
                      SuitCase{suit::SuitCycleUp, false, "5H", "6D", false},
                      SuitCase{suit::SuitCycleUp, false, "", "AD", true},
                      SuitCase{suit::SuitCycleUp, false, "", "2D", false},
                      SuitCase{suit::SuitCycleDown, false, "5S", "4H", true},
                      SuitCase{suit::FourOfEachRank, true, "AH AS AD AC AH'", "2H", true},
                      SuitCase{suit::FourOfEachRank, true, "AH AS AD AC AH'", "AS'", false},
                      SuitCase{suit::FourOfEachRank, true, "", "AS", true},
                      SuitCase{suit::FourOfEachRank, true, "", "2S", false},
                      SuitCase{suit::UpInSuitAceOnKing, true, "KH", "AS", true},
                      SuitCase{suit::AcesOnly, true, "5H", "AS", true},
                      SuitCase{suit::SevenAfterAce, true, "AH", "7H", true},
                      SuitCase{suit::SevenAfterAce, true, "AH", "2H", false},
                      SuitCase{suit::DownInSuitJackFirst, false, "", "JH", true},
                      SuitCase{suit::SameRank, false, "8C", "8H", true},
                      SuitCase{suit::AnyLowerRank, false, "8C", "3H", true},
                      SuitCase{suit::AnyLowerRank, false, "8C", "9H", false},
                      SuitCase{suit::TwoDownWrap, false, "2C", "KH", true},
                      SuitCase{suit::TwoDownWrap, false, "9C", "7H", true},
                      SuitCase{suit::RankOfPile, false, "9C", "2H", true},
                      SuitCase{suit::RankOfPile, false, "9C", "3H", false},
                      SuitCase{suit::StepFromFirstFoundation, true, "", "AH", true},
                      SuitCase{suit::StepFromFirstFoundation, true, "KH", "2H", true},
                      SuitCase{suit::UpWithReserveAtTwelve, true, "5H", "6S", true},
                      SuitCase{62, false, "9S", "8H", true}, // left to the catalogue: standard test
                      SuitCase{62, false, "9S", "10H", false}));

TEST_F(Rules, GridNeighbourRule70) {
    set(prm::Tableaus, 12);
    set(prm::Rule70Columns, 4);
    setRange(prm::TableauSuitRule, 12, suit::GridNeighbour);
    for (int n : {1, 4, 6, 9})
        fila(n, n == 1 ? "2C" : n == 4 ? "3C" : n == 6 ? "4C" : "5C");
    EXPECT_TRUE(tableauAccepts(e, 4, card("4C")));
    EXPECT_TRUE(tableauAccepts(e, 4, card("2C")));
    EXPECT_TRUE(tableauAccepts(e, 4, card("5C")));
    EXPECT_FALSE(tableauAccepts(e, 4, card("3C")));
    set(prm::Rule70Columns, 0); // no grid: nothing, and no division by zero
    EXPECT_FALSE(tableauAccepts(e, 4, card("4C")));
}

TEST_F(Rules, RowFillWhileTheWasteHoldsCards) {
    set(prm::Tableaus, 8);
    setRange(prm::TableauSuitRule, 8, suit::KingRowFill);
    pile(kWaste, "KH 5S");
    fila(1, "KS");
    EXPECT_TRUE(tableauAccepts(e, 0, card("5S")));  // pile 2 is empty
    EXPECT_FALSE(tableauAccepts(e, 2, card("5S"))); // pile 3 is empty
    EXPECT_TRUE(tableauAccepts(e, 1, card("KH")));  // the first empty pile
    EXPECT_FALSE(tableauAccepts(e, 2, card("KH")));
    fila(1, "KS 7C");
    fila(4, "7C'");
    EXPECT_FALSE(tableauAccepts(e, 0, card("7C'"))); // never from the tableau
    // With the waste empty: on a lone King any card but a Queen or a King.
    pile(kWaste, "");
    fila(3, "KD");
    set(prm::Reserves, 3);
    appogg(1, "QD");
    appogg(2, "KH");
    appogg(3, "4D");
    EXPECT_FALSE(tableauAccepts(e, 2, card("QD")));
    EXPECT_FALSE(tableauAccepts(e, 2, card("KH")));
    EXPECT_TRUE(tableauAccepts(e, 2, card("4D")));
}

TEST_F(Rules, FoundationPairsOfRule58) {
    setRange(prm::FoundationSuitRule, 4, suit::PairedFoundations);
    set(prm::FoundationDirection + 2, 0);
    set(prm::FoundationDirection + 3, 0);
    dest(1, "AH");
    EXPECT_TRUE(foundationAccepts(e, 1, card("AD"))); // red like foundation 1
    EXPECT_FALSE(foundationAccepts(e, 1, card("AS")));
    EXPECT_FALSE(foundationAccepts(e, 2, card("KD"))); // the other pair is black
    EXPECT_TRUE(foundationAccepts(e, 2, card("KS")));
    EXPECT_TRUE(foundationAccepts(e, 0, card("2H")));
}

} // namespace
} // namespace vellamor::testing
