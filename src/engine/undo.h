// The undo and redo commands. Positions, not moves, are taken back: each step
// restores the whole table, and its side effects put the pass number and the
// counters back with it.
#pragma once

namespace vellamor {

class Engine;

// Games whose foundation 1 takes discards keep it out of their undo steps.
bool discardsOnFirstFoundation(const Engine& engine);

// Both refuse with a beep (and change nothing) when no game is in progress,
// when there is nothing to take back or bring back, or when the Undo_Enabled
// preference does not allow it.
bool undo(Engine& engine);
bool redo(Engine& engine);

} // namespace vellamor
