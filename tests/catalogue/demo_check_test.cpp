// Every game of data/games under the demo: on 20 game numbers the demo ends by
// itself (won, or "End of the Game Demo" when no move is left or the position
// comes back) within a bounded number of moves, every move it makes passes the
// rule tests of play at the moment it is made, and no card is lost or doubled.
#include "engine/actions.h"
#include "engine/deal.h"
#include "engine/demo.h"
#include "engine/engine.h"
#include "engine/rules.h"
#include "gamec/compile.h"

#include <array>
#include <gtest/gtest.h>

namespace vellamor {
namespace {

constexpr int kMaxDemoMoves = 5000;

const gamec::CompileResult& sources() {
    static const gamec::CompileResult result =
        gamec::compileFolder(std::string(VELLAMOR_SOURCE_DIR) + "/data/games");
    return result;
}

std::array<int, kMaxCard + 1> census(const Engine& e) {
    std::array<int, kMaxCard + 1> n{};
    for (int line = 0; line < kPileLines; ++line)
        for (CardCode c : e.table.line(line))
            ++n[c];
    n[kHole] = 0;
    return n;
}

// Checks each move against the rules before the demo makes it.
class Referee final : public DemoHost {
public:
    Referee(const Engine& e, std::string what) : e_(e), what_(std::move(what)) {}
    void requestStep(int) override {}
    void aboutToMove(const Hint& h) override {
        ++moves;
        switch (h.kind) {
        case HintKind::Stock:
            EXPECT_TRUE(h.card == 0) << what_;
            break;
        case HintKind::TurnUp: {
            const auto at = e_.table.locate(h.card);
            ASSERT_TRUE(at && at->kind == PileKind::Tableau) << what_;
            EXPECT_EQ(e_.table.pile(*at).top(), h.card) << what_;
            EXPECT_FALSE(e_.cards.faceUp(h.card)) << what_;
            break;
        }
        case HintKind::Refill:
        case HintKind::Click: {
            // The family's own rules decide; the card must be a top card where the hint says.
            const auto at = e_.table.locate(h.card);
            ASSERT_TRUE(at && *at == h.from) << what_ << ": card " << h.card;
            EXPECT_EQ(e_.table.pile(*at).top(), h.card) << what_;
            break;
        }
        case HintKind::Move: {
            const MovingBlock m = movingBlock(e_, h.card);
            ASSERT_TRUE(m.from) << what_ << ": card " << h.card << " lies nowhere";
            EXPECT_EQ(*m.from, h.from) << what_;
            EXPECT_TRUE(e_.cards.faceUp(h.card)) << what_ << ": card " << h.card;
            EXPECT_NE(h.target, *m.from) << what_;
            EXPECT_TRUE(pileAccepts(e_, h.target, m))
                << what_ << ": " << pileName(h.target) << " refuses card " << h.card;
            std::array<PileId, 69> targets{};
            const int n = automaticTargets(e_, h.card, {true, true, true, h.autoplay}, targets);
            EXPECT_NE(std::find(targets.begin(), targets.begin() + n, h.target),
                      targets.begin() + n)
                << what_ << ": the automatic move would not take card " << h.card << " to "
                << pileName(h.target);
            break;
        }
        }
    }
    int moves = 0;

private:
    const Engine& e_;
    std::string what_;
};

TEST(DemoCheck, EveryGameEndsWithinBoundedMovesAndOnlyLegalMoves) {
    ASSERT_TRUE(sources().errors.empty());
    int played = 0, won = 0;
    for (const gamec::CompiledGame& g : sources().games) {
        Engine e;
        for (int i = 0; i < RuleParams::kSize; ++i)
            e.params.set(i, g.entry.params[i]);
        e.params.saveRanges();
        if (e.params[prm::HintsAvailable] != 1) continue; // no demo in this game
        for (int k = 0; k < 20; ++k) {
            const std::string number = std::to_string(1000003ull * k + 17);
            const auto digits = gameNumberDigits(number);
            ASSERT_TRUE(digits);
            e.state.write(field::GameNumber, gameNumberText(*digits));
            ASSERT_TRUE(newGame(e)) << g.entry.name;
            e.game.dealShown = 1;
            const auto before = census(e);
            const std::string what = g.entry.name + " #" + number;
            Referee referee(e, what);
            const DemoRun run = runDemo(e, kMaxDemoMoves, &referee);
            EXPECT_FALSE(run.capped) << what << " did not end within " << kMaxDemoMoves;
            EXPECT_TRUE(run.won || run.noMove || run.repeated) << what;
            EXPECT_EQ(run.moves, referee.moves) << what;
            EXPECT_EQ(census(e), before) << what << ": cards lost or doubled";
            EXPECT_EQ(e.game.tutorMode, 0) << what;
            ++played;
            won += run.won;
            e.params.restoreRanges();
        }
    }
    EXPECT_GT(played, 0);
    RecordProperty("demos", played);
    RecordProperty("won", won);
}

} // namespace
} // namespace vellamor
