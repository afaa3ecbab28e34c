#include "engine/actions_mouse.h"

#include "engine/actions.h"
#include "engine/engine.h"
#include "engine/family_hooks.h"
#include "engine/rule_codes.h"
#include "engine/rules.h"

#include <algorithm>
#include <array>

namespace vellamor {

long long overlapArea(const Rect& a, const Rect& b) {
    const long long w = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
    const long long h = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

int PlayerInput::cardInHand() const {
    return e_.game.cardInHand;
}
int PlayerInput::selection() const {
    return e_.game.selection;
}

void PlayerInput::mouseDown(MouseButton button, bool ctrl, int x, int y) {
    TMainGame& g = e_.game;
    if (g.tutorMode != 0) e_.play.hooks->cancelTutor(e_);
    if (!e_.flags.test(StateFlag::InProgress)) return;
    g.dragMoved = 0;
    g.lastClickX = static_cast<TMainGame::i16>(x);
    g.lastClickY = static_cast<TMainGame::i16>(y);
    if (e_.flags.test(StateFlag::DoubleClick)) {
        e_.flags.clear(StateFlag::DoubleClick);
        return;
    }
    if (g.cardInHand) return;

    const Hit hit = geo_.hitTest(x, y);
    if (hit.pile && families::mouseDown(e_, hit.card, *hit.pile, button == MouseButton::Right))
        return;

    // Click-to-move: a second click anywhere drops the selection at the mouse up.
    if (g.clickToMove && g.selection) {
        if (hit.card == g.selection) {
            g.selection = 0;
            g.selectionStep = 0;
            return;
        }
        g.selectionStep = 2;
        secondClick_ = true;
        return;
    }

    if (button == MouseButton::Right) {
        const Preferences& p = e_.play.prefs;
        if (!ctrl) {
            if ((p.rightClickToFoundations || p.rightClickToTableaus) && hit.card &&
                !rightClickMove(e_, hit.card))
                e_.host().beep();
            return;
        }
        if (!hit.pile) {
            if (p.showMainPopupMenu) e_.host().popupMenu(x, y);
            return;
        }
        if (p.showPartialHiddenCard) {
            // A face-up card inside a tableau pile, or any card of a reserve
            // fanned as style 1 or 2.
            const int style = e_.params[prm::ReserveStyle];
            const bool faceUp = hit.card && e_.cards.faceUp(hit.card);
            const bool inside =
                faceUp && ((hit.pile->kind == PileKind::Tableau &&
                            e_.table.pile(*hit.pile).top() != hit.card) ||
                           (hit.pile->kind == PileKind::Reserve && (style == 1 || style == 2)));
            if (inside)
                e_.host().revealCard(hit.card);
            else
                e_.host().beep();
        }
        return;
    }
    if (!hit.pile) return;
    if (hit.pile->kind == PileKind::Stock) {
        stockClick(e_);
        return;
    }
    if (hit.pile->kind == PileKind::Waste && e_.table.waste().empty()) {
        if (e_.params[prm::RedealStyle] >= 1 && e_.table.stock().empty())
            moveCard(e_, 0, "Mazzo_Redeal");
        return;
    }
    if (!pickUpOrSelect(hit, x, y)) e_.host().beep();
}

bool PlayerInput::pickUpOrSelect(const Hit& hit, int x, int y) {
    if (!hit.card) return false;
    switch (pickUp(e_, hit.card)) {
    case PickUp::TurnedUp: return true;
    case PickUp::No: return false;
    case PickUp::Yes: break;
    }
    TMainGame& g = e_.game;
    if (g.clickToMove) {
        g.selection = static_cast<TMainGame::i16>(hit.card);
        g.selectionStep = 1;
        return true;
    }
    g.cardInHand = static_cast<TMainGame::i16>(hit.card);
    grab_ = {x - hit.cardPos.x, y - hit.cardPos.y};
    g.dragOffsetX = static_cast<TMainGame::i16>(grab_.x);
    g.dragOffsetY = static_cast<TMainGame::i16>(grab_.y);
    savedTable_ = e_.table;
    savedCards_ = e_.cards;
    if (g.tutorMode == 0) e_.host().sound("Card_up");
    return true;
}

void PlayerInput::mouseMove(int x, int y) {
    if (e_.game.cardInHand) {
        e_.game.dragMoved = 1;
        return;
    }
    e_.game.pointerX = static_cast<TMainGame::i16>(x);
    e_.game.pointerY = static_cast<TMainGame::i16>(y);
}

void PlayerInput::putBack() {
    if (!(e_.table == savedTable_) || !(e_.cards == savedCards_)) {
        e_.table = savedTable_;
        e_.cards = savedCards_;
    }
}

bool PlayerInput::mouseUp(int x, int y) {
    TMainGame& g = e_.game;
    bool moved = false;
    if (g.stockPressed) moved = releaseStock(e_);

    const Rect bottom{x - grab_.x, y - grab_.y, geo_.cardWidth(), geo_.cardHeight()};
    bool dropped = false;
    if (g.cardInHand) {
        const int card = g.cardInHand;
        if (g.dragMoved) dropped = drop(card, bottom);
        if (!dropped) {
            putBack();
            if (g.tutorMode == 0) e_.host().sound("Card_down");
        }
        moved = dropped || moved;
    } else if (secondClick_) {
        secondClick_ = false;
        const int card = g.selection;
        g.selection = 0;
        g.selectionStep = 0;
        const Rect at{x - geo_.cardWidth() / 2, y - geo_.cardHeight() / 2, geo_.cardWidth(),
                      geo_.cardHeight()};
        moved = drop(card, at) || moved;
        if (!moved) e_.host().beep();
    }
    if (moved && e_.flags.test(StateFlag::Won)) e_.play.hooks->endGame(e_);
    g.cardInHand = 0;
    g.lastCardMoved = 0;
    if (!e_.flags.test(StateFlag::InProgress)) return moved;
    families::refill(e_);
    if (e_.play.prefs.autoplay && e_.params[prm::AutoplayAvailable] != 0) {
        while (e_.play.hooks->autoplayPass(e_))
            families::refill(e_);
    }
    return moved;
}

bool PlayerInput::drop(int card, Rect bottom) {
    struct Candidate {
        long long area;
        PileId pile;
    };
    std::array<Candidate, 3 + kFoundationCount + kTableauCount + kReserveCount> list{};
    int n = 0;
    const bool firstMoveRule =
        e_.params[prm::FirstMoveToFoundation] == 1 && e_.game.moveCounter == 0;
    const bool rule129 = e_.params[prm::TableauSuitRule] == suit::UpDownInSuitWrapStockEmpty &&
                         !e_.table.stock().empty();
    bool tableauOverlapped = false;
    const auto consider = [&](PileId p) {
        const auto rect = geo_.topCardRect(p);
        if (!rect) return;
        const long long area = overlapArea(*rect, bottom);
        if (area <= 0) return;
        if (p.kind == PileKind::Tableau && rule129) {
            tableauOverlapped = true;
            return;
        }
        list[n++] = {area, p};
    };
    for (int f = 0; f < e_.foundationCount(); ++f)
        consider(foundation(f));
    if (!firstMoveRule) {
        for (int i = 0; i < e_.tableauCount(); ++i)
            consider(tableau(i));
        for (int r = 0; r < e_.reserveCount(); ++r)
            consider(reserve(r));
        if (e_.params[prm::WasteHandling2] != 4) consider(kWaste);
    }
    std::sort(list.begin(), list.begin() + n, [](const Candidate& a, const Candidate& b) {
        if (a.area != b.area) return a.area > b.area;
        if (a.pile.kind != b.pile.kind) return a.pile.kind > b.pile.kind;
        return a.pile.index > b.pile.index;
    });
    const MovingBlock m = movingBlock(e_, card);
    for (int i = 0; i < std::min(n, 4); ++i) {
        const PileId p = list[i].pile;
        if (!pileAccepts(e_, p, m)) continue;
        const bool moved = moveCard(e_, card, p.kind == PileKind::Waste ? "Stock02" : pileName(p));
        if (moved && e_.game.tutorMode != 3) e_.game.playMark = 1;
        if (moved) return true;
    }
    if (tableauOverlapped && e_.game.tutorMode == 0)
        e_.host().message("Building on the tableau is allowed only when the stock is empty.");
    return false;
}

bool PlayerInput::doubleClick() {
    const Hit hit = geo_.hitTest(e_.game.lastClickX, e_.game.lastClickY);
    if (!hit.card || (hit.pile && hit.pile->kind == PileKind::Stock)) return false;
    return doubleClickMove(e_, hit.card);
}

void PlayerInput::keyPress(char key) {
    switch (key) {
    case ' ':
        stockClick(e_);
        releaseStock(e_);
        break;
    case 27: e_.host().leaveFullScreen(); break;
    case 'm':
    case 'M':
        if (e_.params[prm::HintsAvailable] == 1) e_.play.hooks->showLegalMove(e_);
        break;
    default: break;
    }
}

} // namespace vellamor
