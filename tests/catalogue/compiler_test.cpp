// The catalogue compiler: what it accepts, what it refuses, and where it says so.
#include "gamec/compile.h"

#include <gtest/gtest.h>

namespace vellamor::gamec {
namespace {

// A complete small game: one deck, four piles of thirteen.
const std::string kBase = R"(id = 0
name = Base Game
category = 7
time = quick
difficulty = easy
skill = chance-only
chance = high
rules =
    First paragraph
    continues here.

    Second # not a comment.
cards = 52
foundations = 4
tableau-piles = 4
tableau-cards 1-4 = 13
tableau-face-up 1-4 = 1..4
)";

CompileResult run(std::vector<SourceText> sources) {
    return compile(sources);
}

std::string allErrors(const CompileResult& r) {
    std::string s;
    for (const auto& d : r.errors)
        s += d.text() + "\n";
    return s;
}

TEST(Compiler, ReadsHeaderParametersRangesAndRules) {
    const auto r =
        run({{"data/base.game", kBase + "lists = popular, children\ntested = 3 of 10\n"}});
    ASSERT_TRUE(r.ok()) << allErrors(r);
    ASSERT_EQ(r.games.size(), 1u);
    const auto& g = r.games[0];
    EXPECT_EQ(g.entry.name, "Base Game");
    EXPECT_EQ(g.entry.params[378], 52);
    EXPECT_EQ(g.entry.params[382], 13);
    EXPECT_EQ(g.entry.params[385], 13);
    EXPECT_EQ(g.entry.params[422], 1);
    EXPECT_EQ(g.entry.params[425], 4);
    EXPECT_EQ(g.entry.params[497], 2);
    EXPECT_EQ(g.entry.params[499], 4);
    EXPECT_EQ(g.entry.params[501], 3);
    EXPECT_EQ(g.entry.params[502], 10);
    EXPECT_EQ(g.rules, "First paragraph continues here.\n\nSecond # not a comment.");
    EXPECT_EQ(r.lists.popular, std::vector<int>{0});
    EXPECT_EQ(r.lists.children, std::vector<int>{0});
}

TEST(Compiler, ExtendsTakesParametersButNotIdentity) {
    const auto r = run({{"g/base.game", kBase + "lists = popular\ntested = 1 of 2\n"},
                        {"g/variant.game", "extends = base\nid = 1\nname = Variant\n"
                                           "rules = Its own text.\ntableau-face-up 2 = 5\n"}});
    ASSERT_TRUE(r.ok()) << allErrors(r);
    const auto& v = r.games[1];
    EXPECT_EQ(v.entry.id, 1);
    EXPECT_EQ(v.entry.category, 7);
    EXPECT_EQ(v.entry.params[382], 13);
    EXPECT_EQ(v.entry.params[423], 5);
    EXPECT_EQ(v.entry.params[501], 0);
    EXPECT_EQ(v.rules, "Its own text.");
    EXPECT_EQ(r.lists.popular, std::vector<int>{0});
}

TEST(Compiler, RefusesBadSourcesWithFileAndLine) {
    struct Case {
        std::string extra;    // appended to the base game
        std::string expected; // part of the message
    };
    const Case cases[] = {
        {"tablaeu-piles = 4\n", "base.game:18: unknown parameter name \"tablaeu-piles\""},
        {"foundations = 17\n", "base.game:18: value 17 of foundations is outside 0..16"},
        {"tableau-cards 1-4 = 1..3\n", "base.game:18: 3 values for 4 piles"},
        {"tableau-cards 41 = 1\n", "has piles 1-40 only"},
        {"tableau-fill = any\n", "needs pile numbers"},
        {"passes 2 = 1\n", "takes no pile numbers"},
        {"param 600 = 1\n", "outside 1-502"},
        {"param 12 = 40000\n", "16-bit"},
        {"difficulty = tough\n", "one of easy, medium, hard"},
        {"tableau-cards 4 = 12\n", "the deal places 51 cards, but the game has 52"},
        {"stock-cards = 1\n", "the deal places 53 cards"},
        {"tableau-cards 5 = 1\n", "tableau-cards 5 is set, but the game has 4"},
        {"cards = 100\n", "cards is 52, 104, 156 or 208"},
        {"just words\n", "expected \"name = value\""},
        {"    stray indent = 1\n", "indented text outside a rules block"},
        {"lists = favourites\n", "unknown list"},
    };
    for (const Case& c : cases) {
        const auto r = run({{"data/base.game", kBase + c.extra}});
        EXPECT_FALSE(r.ok()) << c.extra;
        EXPECT_NE(allErrors(r).find(c.expected), std::string::npos) << "for " << c.extra << "got:\n"
                                                                    << allErrors(r);
    }
}

TEST(Compiler, RefusesCatalogueLevelFaults) {
    std::string second = kBase;
    second.replace(second.find("Base Game"), 9, "base game"); // same name in other case
    auto r = run({{"a/one.game", kBase}, {"a/two.game", second}});
    EXPECT_NE(allErrors(r).find("id 0 is also the id of a/one.game"), std::string::npos)
        << allErrors(r);
    EXPECT_NE(allErrors(r).find("is also the name in a/one.game"), std::string::npos);

    std::string far = kBase;
    far.replace(0, 6, "id = 2");
    r = run({{"a/one.game", kBase}, {"a/far.game", far.replace(far.find("Base Game"), 9, "Far")}});
    EXPECT_NE(allErrors(r).find("no game has id 1"), std::string::npos) << allErrors(r);

    r = run({{"a/x.game", "extends = y\n"}, {"a/y.game", "extends = x\n"}});
    EXPECT_NE(allErrors(r).find("goes round in a circle"), std::string::npos) << allErrors(r);

    r = run({{"a/x.game", "extends = missing\n"}});
    EXPECT_NE(allErrors(r).find("names no source: missing.game"), std::string::npos);

    r = run({{"a/x.game", "id = 0\n"}});
    EXPECT_NE(allErrors(r).find("a/x.game: no name given"), std::string::npos) << allErrors(r);
    EXPECT_NE(allErrors(r).find("no rules text given"), std::string::npos);
}

TEST(Compiler, CountsCardsTakenByBaseCardsAndRemovedByShortDecks) {
    catalogue::CatalogueGame g;
    g.params[378] = 104;
    g.params[374] = 8;
    for (int k = 0; k < 8; ++k)
        g.params[103 + k] = 1; // the eight Aces
    g.params[379] = 96;
    EXPECT_EQ(countCards(g).deck, 104);
    EXPECT_EQ(countCards(g).dealt, 104);
    g.params[49] = 1; // ranks 2-6 out: 40 cards fewer
    EXPECT_EQ(countCards(g).deck, 64);
    g.params[46] = 1;
    g.params[381] = 2;
    EXPECT_EQ(countCards(g).deck, 66);
}

} // namespace
} // namespace vellamor::gamec
