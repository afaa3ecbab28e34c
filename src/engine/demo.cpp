#include "engine/demo.h"

#include "engine/engine.h"

#include <algorithm>

namespace vellamor {

bool Demo::start(DemoHost& host) {
    if (!e_.flags.test(StateFlag::InProgress)) return false;
    host_ = &host;
    if (e_.game.tutorMode == 1) hideLegalMove(e_);
    e_.game.tutorMode = 3;
    e_.game.hintPending = 0;
    e_.game.demoMoves = 0;
    moves_ = 0;
    noMove_ = repeated_ = false;
    seen_.clear();
    seen_.insert(positionKey());
    host_->showMoveCount(0);
    host_->describe("");
    phase_ = Phase::Find;
    host_->requestStep(kDemoStartMs);
    return true;
}

void Demo::stop() {
    if (e_.game.tutorMode == 3) e_.game.tutorMode = 0;
}

void Demo::finish() {
    phase_ = Phase::Idle;
    if (e_.game.tutorMode == 3) e_.game.tutorMode = 0;
    if (host_) host_->finished();
}

void Demo::find() {
    if (e_.game.tutorMode != 3 || !e_.flags.test(StateFlag::InProgress) ||
        e_.flags.test(StateFlag::Won) || (maxMoves_ > 0 && moves_ >= maxMoves_)) {
        finish();
        return;
    }
    const std::optional<Hint> hint =
        e_.game.cardInHand ? std::nullopt : findHint(e_, /*demo=*/true);
    if (!hint) {
        noMove_ = true;
        e_.hintHistory.clear();
        host_->describe("End of the Game Demo");
        finish();
        return;
    }
    hint_ = *hint;
    recordHint(e_, hint_);
    host_->describe(hintDescription(e_, hint_));
    phase_ = Phase::Make;
    host_->requestStep(kDemoDescriptionMs);
}

void Demo::step() {
    switch (phase_) {
    case Phase::Idle: return;
    case Phase::Find: find(); return;
    case Phase::Make:
        if (e_.game.tutorMode != 3 || !e_.flags.test(StateFlag::InProgress)) {
            finish();
            return;
        }
        host_->aboutToMove(hint_);
        made_ = makeHint(e_, hint_);
        phase_ = Phase::After;
        host_->requestStep(kDemoAfterMoveMs);
        return;
    case Phase::After:
        if (made_) {
            ++moves_;
            e_.game.demoMoves = static_cast<TMainGame::i16>(std::min(moves_, 32767));
            host_->showMoveCount(moves_);
        }
        if (!made_ || e_.game.tutorMode != 3 || !e_.flags.test(StateFlag::InProgress) ||
            e_.flags.test(StateFlag::Won)) {
            noMove_ = !made_;
            finish();
            return;
        }
        // A position seen before: the demo goes round in a circle (a stock
        // turned over and over without a move between) and stops.
        if (!seen_.insert(positionKey()).second) {
            repeated_ = noMove_ = true;
            e_.hintHistory.clear();
            host_->describe("End of the Game Demo");
            finish();
            return;
        }
        find();
        return;
    }
}

std::uint64_t Demo::positionKey() const {
    std::uint64_t h = 1469598103934665603ull;
    const auto mix = [&h](std::uint64_t v) {
        h ^= v;
        h *= 1099511628211ull;
    };
    for (int line = 0; line < kPileLines; ++line) {
        const Pile& p = e_.table.line(line);
        mix(0x100u + static_cast<std::uint64_t>(p.size()));
        for (int j = 0; j < p.size(); ++j)
            mix(static_cast<std::uint64_t>(p[j]) * 2u + (e_.cards.faceUp(p[j]) ? 1u : 0u));
    }
    // The pass number counts only while passes are limited: with unlimited
    // passes a stock turned over without a move between comes back to the
    // same position.
    if (e_.params[prm::Passes] != -1)
        mix(static_cast<std::uint64_t>(e_.game.passNumber) + 0x10000u);
    mix(static_cast<std::uint64_t>(e_.stockDeals) + 0x20000u);
    return h;
}

namespace {

class ImmediateHost final : public DemoHost {
public:
    explicit ImmediateHost(DemoHost* observer) : observer_(observer) {}
    void requestStep(int) override { pending = true; }
    void describe(std::string_view text) override {
        if (observer_) observer_->describe(text);
    }
    void showMoveCount(int n) override {
        if (observer_) observer_->showMoveCount(n);
    }
    void aboutToMove(const Hint& h) override {
        if (observer_) observer_->aboutToMove(h);
    }
    void finished() override {
        if (observer_) observer_->finished();
    }
    bool pending = false;

private:
    DemoHost* observer_;
};

} // namespace

DemoRun runDemo(Engine& e, int maxMoves, DemoHost* observer) {
    Demo demo(e);
    demo.setMaxMoves(maxMoves);
    ImmediateHost host(observer);
    DemoRun run;
    if (!demo.start(host)) return run;
    while (host.pending && demo.running()) {
        host.pending = false;
        demo.step();
    }
    run.moves = demo.moves();
    run.won = e.flags.test(StateFlag::Won);
    run.noMove = demo.endedWithoutMove() && !demo.endedByRepetition();
    run.repeated = demo.endedByRepetition();
    run.capped = maxMoves > 0 && demo.moves() >= maxMoves && !run.noMove && !run.repeated;
    return run;
}

} // namespace vellamor
