// Card places within piles and the hit test. Both walk a pile from its bottom
// card up, adding the step of each card to the pile's base place.
#include "layout/card_position.h"

#include "engine/engine.h"
#include "layout/layout.h"

#include <algorithm>

namespace vellamor {

namespace {

using i16 = TMainGame::i16;

struct Spacing {
    char letter;
    i16 d1, d0, a1, a0, s6, g1, g2;
};
constexpr Spacing kSpacing[] = {
    {'X', 24, 6, 16, 4, 7, 12, 8}, {'S', 21, 5, 14, 4, 7, 12, 8}, {'B', 18, 4, 12, 4, 7, 12, 8},
    {'M', 14, 4, 10, 4, 5, 8, 6},  {'N', 11, 4, 9, 4, 5, 5, 4},   {'L', 3, 3, 3, 3, 3, 4, 3},
};
constexpr CardSize kSizes[] = {{'N', 49, 66}, {'M', 59, 80},  {'B', 71, 96},
                               {'S', 85, 115}, {'X', 102, 138}, {'L', 25, 32}};

Point basePlace(const Engine& e, PileId pile) {
    const TMainGame& g = e.game;
    switch (pile.kind) {
    case PileKind::Stock: return {g.stockX(0), g.stockY(0)};
    case PileKind::Waste: return {g.stockX(1), g.stockY(1)};
    case PileKind::SecondWaste: return {g.stockX(2), g.stockY(2)};
    case PileKind::Foundation: return {g.foundationX(pile.index), g.foundationY(pile.index)};
    case PileKind::Tableau: return {g.tableauX(pile.index), g.tableauY(pile.index)};
    case PileKind::Reserve: return {g.reserveX(pile.index), g.reserveY(pile.index)};
    }
    return {};
}

// How one style fans its cards: the step a card adds to the next card's place.
enum class Fan { None, Down, Across, Leftwards, Winding, Row };

Fan fanOf(PileKind kind, int style) {
    const bool tableau = kind == PileKind::Tableau;
    const bool reserve = kind == PileKind::Reserve;
    const bool foundation = kind == PileKind::Foundation;
    if (!tableau && !reserve && !foundation) return Fan::None;
    switch (style) {
    case 1: return Fan::Down;
    case 13: return tableau || reserve ? Fan::Down : Fan::None;
    case 12: return tableau ? Fan::Down : Fan::None;
    case 5: return reserve ? Fan::Down : Fan::None;
    case 7: return Fan::Down;
    case 2: return Fan::Across;
    case 4: return Fan::Across;
    case 6: return Fan::Across;
    case 10: return tableau ? Fan::Leftwards : Fan::None;
    case 8: return tableau ? Fan::Winding : Fan::None;
    case 9: return tableau ? Fan::Row : Fan::None;
    default: return Fan::None;
    }
}

// The distance card i (0 = bottom) puts between itself and the card above it.
int stepAfter(const Engine& e, PileKind kind, int style, const Pile& pile, int i) {
    const TMainGame& g = e.game;
    const int c = pile[i];
    const bool up = e.cards.faceUp(c) || (style == 12 && c == kHole);
    switch (style) {
    case 1:
    case 12:
    case 13: return up ? g.faceUpStep : g.faceDownStep;
    case 5: return kind == PileKind::Reserve ? g.squaredStep : 0;
    case 7: return i == 0 ? g.faceUpStep : 0; // only the bottom card shows below the rest
    case 2:
    case 10: return up ? g.faceUpStepAcross : g.faceDownStepAcross;
    case 4: return g.cardWidth + g.sideBySideGap;
    case 6: return g.style6Step;
    case 9: return g.cardWidth + 2;
    default: return 0;
    }
}

// The place of the next card of a fan, `step` further on.
void advance(Point& at, Fan fan, int step) {
    switch (fan) {
    case Fan::Down: at.y += step; break;
    case Fan::Across:
    case Fan::Row: at.x += step; break;
    case Fan::Leftwards: at.x -= step; break;
    default: break;
    }
}

// Place of the card at unit index j of the winding pile (tableau pile 1).
Point windingPlace(const Engine& e, const Pile& pile, int j, Point base) {
    const TMainGame& g = e.game;
    int holes = 0;
    for (int i = 0; i < std::min(j, pile.size()); ++i) holes += pile[i] == kHole;
    const int cell = g.cardWidth + g.windingGapAcross;
    int columns = e.params[45];
    if (columns == -1) columns = cell > 0 ? g.screenWidth / cell : 1;
    columns = std::max(columns, 1);
    const int col = holes % columns, row = holes / columns;
    int x = cell * col;
    if (row % 2 == 1) x = cell * (columns - 1) - x;
    return {base.x + x, base.y + (g.cardHeight + g.windingGapDown) * row};
}

bool inside(int x, int y, Point at, int w, int h) {
    return x >= at.x && x < at.x + w && y >= at.y && y < at.y + h;
}

bool shown(Point base) { return base.x > TMainGame::kHiddenX; }

} // namespace

CardSize cardSizeOf(char letter) {
    for (const CardSize& s : kSizes)
        if (s.letter == letter) return s;
    return kSizes[2];
}

void setCardSpacing(Engine& e, char letter) {
    const RuleParams& p = e.params;
    TMainGame& g = e.game;
    const CardSize size = cardSizeOf(letter);
    const Spacing* sp = &kSpacing[2];
    for (const Spacing& s : kSpacing)
        if (s.letter == size.letter) sp = &s;
    g.cardWidth = static_cast<i16>(size.width);
    g.cardHeight = static_cast<i16>(size.height);

    const int t = p[prm::TableauStyle], f = p[prm::FoundationStyle], r = p[prm::ReserveStyle];
    g.faceUpStep = g.faceDownStep = 0;
    if (t == 1 || t == 7 || t == 12 || r == 1 || r == 13) {
        int d1 = sp->d1, d0 = sp->d0;
        if (t == 12) {
            d1 = d1 * 5 / 2;
            d0 = d0 * 5 / 2;
        } else if (r == 13) {
            d1 *= 2;
            d0 *= 2;
        }
        g.faceUpStep = static_cast<i16>(d1);
        g.faceDownStep = static_cast<i16>(d0);
    }
    const bool across = t == 2 || p[prm::PerPileStyle] != 0 || r == 2 || f == 2;
    g.faceUpStepAcross = across ? sp->a1 : i16{0};
    g.faceDownStepAcross = across ? sp->a0 : i16{0};
    if (t == 6) g.style6Step = sp->s6;
    g.windingGapAcross = sp->g1;
    g.windingGapDown = sp->g2;
    if (size.letter == 'N' && p[prm::Special] == 32) g.windingGapAcross = g.windingGapDown = 3;
    g.squaredStep = 3;
    g.squaredStep2 = 3;
    g.sideBySideGap = 6;
}

int pileStyle(const Engine& e, PileId pile) {
    const RuleParams& p = e.params;
    switch (pile.kind) {
    case PileKind::Tableau: {
        const int style = p[prm::TableauStyle];
        if (style != 11) return style;
        if (p[prm::PerPileStyle] != 1) return 0;
        if (pile.index < 7) return 2;
        return pile.index < 12 ? 10 : 0;
    }
    case PileKind::Foundation: return p[prm::FoundationStyle];
    case PileKind::Reserve: return p[prm::ReserveStyle];
    default: return 0;
    }
}

int irregularOffset(const Engine& e, int pile, int r) {
    if (!e.play.prefs.irregularPiles) return 0;
    return e.game.irregular.offset(pile, r);
}

Point cardPosition(const Engine& e, PileId pileId, int above, bool oneMore) {
    const Pile& pile = e.table.pile(pileId);
    Point at = basePlace(e, pileId);
    const int n = pile.size();
    const int r = std::max(n - above, 1); // 1 = the bottom card
    const int counted = std::min(oneMore ? r : r - 1, n);
    const int style = pileStyle(e, pileId);
    const Fan fan = fanOf(pileId.kind, style);

    if (fan == Fan::Winding) return windingPlace(e, pile, oneMore ? n - above : n - 1 - above, at);
    for (int i = 0; i < counted; ++i) {
        const int step = stepAfter(e, pileId.kind, style, pile, i);
        advance(at, fan, step);
    }
    if (pileId.kind == PileKind::Tableau && style == 1)
        at.x += irregularOffset(e, pileId.index, oneMore ? r + 1 : r);
    return at;
}

bool placeOfCard(const Engine& e, int code, CardPlace& out) {
    auto look = [&](PileId id) {
        const int i = e.table.pile(id).find(code);
        if (i < 0) return false;
        out.pile = id;
        out.card = code;
        out.above = e.table.pile(id).size() - 1 - i;
        out.at = cardPosition(e, id, out.above);
        return true;
    };
    if (!isCard(code)) return false;
    for (int i = 0; i < e.tableauCount(); ++i)
        if (look(tableau(i))) return true;
    for (int i = 0; i < e.reserveCount(); ++i)
        if (look(reserve(i))) return true;
    for (int i = 0; i < kFoundationCount; ++i)
        if (look(foundation(i))) return true;
    return false;
}

namespace {

// The card of a fanned pile under the point, walking its cards from the bottom.
bool hitFannedPile(const Engine& e, PileId id, int x, int y, CardPlace& out, bool reportEmpty) {
    const Pile& pile = e.table.pile(id);
    const Point base = basePlace(e, id);
    if (!shown(base)) return false;
    const int W = e.game.cardWidth, H = e.game.cardHeight;
    const int n = pile.size();
    out.pile = id;
    if (n == 0) {
        out.card = kHole;
        out.above = 0;
        out.at = base;
        return reportEmpty && inside(x, y, base, W, H);
    }
    const int style = pileStyle(e, id);
    const Fan fan = fanOf(id.kind, style);

    if (fan == Fan::Winding) {
        for (int j = 0; j < n; ++j) {
            if (pile[j] == kHole) continue;
            const Point at = windingPlace(e, pile, j, base);
            if (!inside(x, y, at, W, H)) continue;
            out = {id, pile[j], n - 1 - j, at};
            return true;
        }
        return false;
    }

    const Point top = cardPosition(e, id, 0);
    // Untidy piles shift their cards by a few pixels either way.
    const bool untidy = id.kind == PileKind::Tableau && style == 1;
    const int slack = untidy ? 4 : 0;
    const int left = std::min(base.x, top.x) - slack, right = std::max(base.x, top.x) + W + slack;
    const int upper = std::min(base.y, top.y), lower = std::max(base.y, top.y) + H;
    if (x < left || x >= right || y < upper || y >= lower) return false;

    if (fan == Fan::None || style == 3) {
        out = {id, pile.top(), 0, top};
        return true;
    }
    Point at = base;
    for (int i = 0; i < n; ++i) {
        const bool isTop = i == n - 1;
        const int step = stepAfter(e, id.kind, style, pile, i);
        bool hit = false;
        switch (fan) {
        case Fan::Down: {
            const int cx = at.x + (untidy ? irregularOffset(e, id.index, i + 1) : 0);
            hit = x >= cx && x < cx + W && y >= at.y && y < at.y + (isTop ? H : step);
            break;
        }
        case Fan::Across:
        case Fan::Row:
            hit = y >= at.y && y < at.y + H && x >= at.x &&
                  x < at.x + (isTop ? W : std::min(step, W));
            break;
        case Fan::Leftwards:
            // Each card shows the strip at its right that the card above leaves free.
            hit = y >= at.y && y < at.y + H && x < at.x + W && x >= (isTop ? at.x : at.x + W - step);
            break;
        default: break;
        }
        if (hit) { // a hole in a row of fixed places reports the pile with no card
            out = {id, pile[i], n - 1 - i, at};
            return true;
        }
        advance(at, fan, step);
    }
    return false;
}

} // namespace

bool hitTest(const Engine& e, int x, int y, CardPlace& out, bool emptyTableau) {
    const int W = e.game.cardWidth, H = e.game.cardHeight;
    for (PileId id : {kStock, kWaste, kSecondWaste}) {
        const Point base = basePlace(e, id);
        if (!shown(base) || !inside(x, y, base, W, H)) continue;
        out = {id, e.table.pile(id).top(), 0, base};
        return true;
    }

    const int t = e.tableauCount();
    const bool backwards = e.params[prm::TableauStyle] == 4;
    for (int k = 0; k < t; ++k) {
        const int i = backwards ? t - 1 - k : k;
        if (hitFannedPile(e, tableau(i), x, y, out, emptyTableau)) return true;
    }

    for (int i = 0; i < kFoundationCount; ++i) {
        const PileId id = foundation(i);
        const Point base = basePlace(e, id);
        if (!shown(base)) continue;
        const Point at = cardPosition(e, id, 0);
        if (!inside(x, y, at, W, H)) continue;
        out = {id, e.table.pile(id).top(), 0, at};
        return true;
    }

    for (int i = 0; i < e.reserveCount(); ++i)
        if (hitFannedPile(e, reserve(i), x, y, out, emptyTableau)) return true;
    return false;
}

} // namespace vellamor
