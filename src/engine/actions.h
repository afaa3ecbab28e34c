// Player actions: the one move operation that makes every change to the table,
// the stock click, the automatic move of a double-click or right-click, and
// picking a card up. The mouse state machine is in actions_mouse.h.
#pragma once

#include "engine/pile.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellamor {

class Engine;

// What the move operation is asked to do.
enum class ActionKind {
    ToPile,            // a pile name: the card and the cards above it go there
    ToFoundationAuto,  // Dest_Autoplay + number: the same, made by autoplay
    DealToWaste,       // Mazzo_Vis
    DealToSecondWaste, // Mazzo_Waste
    Redeal,            // Mazzo_Redeal
    AddTableaus,       // Add_Tableaus
    AddTableausLast,   // Add_Tableaus_Last
    FillTableaus,      // Fill_Tableaus
    AddTableau,        // Add_Tableau_ + number
    AddReserves,       // Add_Reserves
    AddReserve,        // Add_Reserve_ + number
    ToSecondWaste,     // Waste
    ToWaste,           // Stock02
    Family,            // Selezionate_Dest, Selezionate_Fila, Stock_To_Pile_Monte_Carlo,
                       // Selezionate_Dest_Deck
};

struct Action {
    ActionKind kind = ActionKind::ToPile;
    PileId pile{}; // ToPile, ToFoundationAuto, AddTableau, AddReserve
    std::string name;
};

// Reads an action name; nullopt when it names no action.
std::optional<Action> parseAction(std::string_view name);

// The move operation: performs the action with the card (the stock's top card
// for stock actions) and runs the after-action sequence. Returns whether
// something was done. It does not test whether the target accepts the card;
// the callers ask the building rules first.
bool moveCard(Engine& e, int card, std::string_view action);
bool moveCard(Engine& e, int card, const Action& action);

// The count test as the player meets it: records the block's top card as the
// last card moved and, for the draw rule (-17), shows its messages or performs
// the draw. Returns whether the block may be taken.
bool takeBlock(Engine& e, int card, bool toEmptyTableau);

// The stock click (left button on the stock, or space). Returns whether
// something was done; a click that only pressed the empty stock returns false
// and leaves the stock pressed until releaseStock.
bool stockClick(Engine& e);
// The mouse up that ends a stock click: when the stock is shown pressed,
// releases it and performs the redeal. Returns whether something was done.
bool releaseStock(Engine& e);

// Which targets an automatic move tries.
struct AutoTargets {
    bool foundations = true;
    bool tableau = true;
    bool reserves = true;
    bool autoplay = false; // foundation moves are made as Dest_Autoplay
};
// The automatic move of a double-click, right-click or autoplay.
bool automaticMove(Engine& e, int card, const AutoTargets& targets);
// The targets that the automatic move would try for the card, in its order,
// without moving anything (the hints and the demo): the source must let the
// card go and each target must accept it. Writes at most out.size() targets
// and returns how many; a pending hint does not restrict them.
int automaticTargets(const Engine& e, int card, const AutoTargets& targets,
                     std::span<PileId> out);
// The automatic move with the targets that the preferences choose.
bool doubleClickMove(Engine& e, int card);
bool rightClickMove(Engine& e, int card);

// Whether the source pile lets the card (with the cards above it) be picked up
// by a mouse down; performs nothing but the count test's own actions.
enum class PickUp { No, Yes, TurnedUp };
PickUp pickUp(Engine& e, int card);

// Turns a face-down tableau top card face up (one undo step, the "Face_up" sound).
bool turnFaceUp(Engine& e, int card);

// Completed runs of 13 cards on tableau pile `index` go to an empty foundation
// whose base code takes runs. Returns whether a run moved.
bool collectRun(Engine& e, int index);

} // namespace vellamor

namespace vellamor {
// What the actions take over from the preferences at each new game: the
// click-to-move mode in force for the whole game.
void beginPlay(Engine& e);
} // namespace vellamor
