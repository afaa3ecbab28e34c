// The mouse and the keys on the table: a state machine that turns raw events
// into picking up, dropping, stock clicks and automatic moves. Where things lie
// on the table comes from a geometry interface that the layout implements.
#pragma once

#include "engine/geometry.h"
#include "engine/pile.h"
#include "engine/table.h"

#include <optional>

namespace vellamor {

class Engine;

// Area in which two rectangles overlap (0 when they do not).
long long overlapArea(const Rect& a, const Rect& b);

// What lies under a point of the table.
struct Hit {
    int card = 0;               // the card under the pointer, 0 when none
    std::optional<PileId> pile; // the pile under the pointer
    Point cardPos;              // top-left corner of that card
    Point pilePos;              // top-left corner of that pile
};

class TableGeometry {
public:
    virtual ~TableGeometry() = default;
    virtual Hit hitTest(int x, int y) const = 0;
    // The rectangle of the pile's top card (of the pile's place when empty);
    // nullopt when the pile is not shown.
    virtual std::optional<Rect> topCardRect(PileId pile) const = 0;
    virtual int cardWidth() const = 0;
    virtual int cardHeight() const = 0;
};

enum class MouseButton { Left, Right };

class PlayerInput {
public:
    PlayerInput(Engine& engine, const TableGeometry& geometry) : e_(engine), geo_(geometry) {}

    void mouseDown(MouseButton button, bool ctrl, int x, int y);
    void mouseMove(int x, int y);
    // Returns whether a move was made.
    bool mouseUp(int x, int y);
    bool doubleClick();
    void keyPress(char key);

    // Drops the card in hand with its bottom card's top-left corner at (x, y);
    // the block moves to the best accepting pile. Returns whether it moved.
    bool drop(int card, Rect bottomCard);

    int cardInHand() const;
    int selection() const;

private:
    bool pickUpOrSelect(const Hit& hit, int x, int y);
    void putBack();

    Engine& e_;
    const TableGeometry& geo_;
    Point grab_;       // pointer offset inside the block
    Table savedTable_; // the position at the mouse down, for a cancelled drag
    CardRecords savedCards_;
    bool secondClick_ = false; // click-to-move: the next mouse up drops the selection
};

} // namespace vellamor
