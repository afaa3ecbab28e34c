#include "shell/tutor.h"

#include "engine/autoplay.h"
#include "engine/engine.h"
#include "engine/hints.h"
#include "layout/card_position.h"
#include "layout/table_geometry.h"
#include "shell/demo_window.h"
#include "shell/hint_arrow.h"
#include "shell/main_window.h"
#include "shell/table_view.h"

#include <QAction>
#include <QTimer>

namespace vellamor::shell {

Tutor::Tutor(TfrmMain& w) : w_(w) {
    demo_ = new TfrmDemo(&w, w.engine());
    arrow_ = new HintArrow(w.table());
    demo_->onPlay = [this] { demoCommand(); };
    demo_->onClosed = [this] { cancelTutor(); };
    demo_->onStep = [this] {
        w_.redrawTable();
        w_.showScore();
    };
    demo_->onFinished = [this] {
        if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(true);
        w_.redrawTable();
        updateCommands();
    };
}

Tutor::~Tutor() = default;

Engine& Tutor::engine() {
    return w_.engine();
}

void Tutor::autoplayCommand(bool checked) {
    Engine& e = engine();
    if (e.game.tutorMode != 0) cancelTutor();
    const int moved = setAutoplay(e, checked);
    if (moved > 0) w_.redrawTable();
    w_.showScore();
}

void Tutor::showLegalMoveCommand() {
    Engine& e = engine();
    if (e.params[prm::HintsAvailable] != 1) return;
    if (demo_->isVisible()) demo_->close(); // ends the demo
    arrow_->hideArrow();
    if (showLegalMove(e)) showArrow();
}

void Tutor::showArrow() {
    const Engine& e = engine();
    const std::optional<Hint> h = shownHint(e);
    if (!h) return;
    const LayoutGeometry geo(e);
    const int W = geo.cardWidth(), H = geo.cardHeight();
    const auto centre = [&](PileId p) -> std::optional<QPointF> {
        const auto r = geo.topCardRect(p);
        if (!r) return std::nullopt;
        return QPointF(r->x + r->w / 2.0, r->y + r->h / 2.0);
    };
    std::optional<QPointF> from, to;
    if (h->kind == HintKind::Stock) {
        to = centre(kStock);
        if (to) from = centre(kWaste);
        if (to && (!from || *from == *to)) from = *to + QPointF(0, 1.5 * H);
    } else {
        to = centre(h->target);
        CardPlace place;
        if (placeOfCard(e, h->card, place)) {
            const double step = e.params[prm::TableauStyle] == 12 ? e.game.faceUpStep / 4.0
                                                                  : e.game.faceUpStep / 2.0;
            const bool top = e.table.pile(place.pile).top() == h->card;
            from = QPointF(place.at.x + W / 2.0, place.at.y + (top ? H / 2.0 : step));
        } else {
            from = centre(h->from);
        }
    }
    if (from && to) arrow_->showArrow(*from, *to);
}

void Tutor::demoCommand() {
    Engine& e = engine();
    if (e.params[prm::HintsAvailable] != 1 || demo_->demo().running()) return;
    if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(false);
    demo_->showForDemo();
    if (!e.flags.test(StateFlag::InProgress)) w_.mnuNewClick();
    demo_->pressPlay();
    arrow_->hideArrow();
    if (!demo_->demo().start(*demo_)) {
        if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(true);
    }
}

void Tutor::cancelTutor() {
    if (cancelling_) return;
    cancelling_ = true;
    Engine& e = engine();
    cancelTutorMode(e);
    arrow_->hideArrow();
    if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(e.params[prm::HintsAvailable] == 1);
    if (demo_->isVisible()) demo_->close();
    cancelling_ = false;
}

void Tutor::timerTick() {
    if (tutorTick(engine())) arrow_->hideArrow();
}

void Tutor::tableRedrawn() {
    arrow_->hideArrow();
}

void Tutor::gameDealt() {
    Engine& e = engine();
    e.game.dealShown = 1;
    QTimer::singleShot(800, &w_, [this] {
        if (runAutoplay(engine()) > 0) w_.redrawTable();
        w_.showScore();
    });
}

void Tutor::updateCommands() {
    const Engine& e = engine();
    if (QAction* a = w_.action("mnuAutoplay")) {
        a->setEnabled(e.params[prm::AutoplayAvailable] != 0);
        a->setChecked(e.play.prefs.autoplay);
    }
    const bool hints = e.params[prm::HintsAvailable] == 1;
    if (QAction* a = w_.action("mnuShowLegalMove")) a->setEnabled(hints);
    if (QAction* a = w_.action("mnuGameDemo")) a->setEnabled(hints && !demo_->demo().running());
}

} // namespace vellamor::shell
