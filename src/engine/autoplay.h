// Autoplay: the pass that moves cards to the foundations after every
// action while the autoplay command is on, or one move at a time in a tutor mode.
#pragma once

namespace vellamor {

class Engine;

// Whether a pass may run now: the deal has been shown, a game is in progress,
// and either the autoplay switch is on and the game offers it (parameter 20) or
// a tutor mode is active.
bool autoplayMayRun(const Engine& e);

// What one pass did.
struct AutoplayResult {
    int cardsMoved = 0;  // moves to the foundations (Dest_Autoplay)
    int cardsTurned = 0; // face-down tableau tops turned face up
    bool any() const { return cardsMoved + cardsTurned > 0; }
};

// One autoplay pass: sweeps over the reserves (repeated), the waste and the
// tableau until a sweep moves nothing; in a tutor mode it stops after one move.
// A won game is ended afterwards through PlayHooks::endGame.
AutoplayResult autoplayPassDetailed(Engine& e);
// The same; true when anything moved (the default PlayHooks::autoplayPass).
bool autoplayPass(Engine& e);

// Autoplay as it runs after a mouse up, a new deal or the autoplay command:
// the automatic refill, then pass and refill repeated while the pass moves
// cards (through the PlayHooks). Returns the number of cards moved.
int runAutoplay(Engine& e);

// The autoplay command: ticks or unticks the switch; switched on during a game,
// autoplay runs at once (returns the cards moved). Switching it also cancels
// every tutor mode. Storing the per-game setting is the caller's (catalogue).
int setAutoplay(Engine& e, bool on);

} // namespace vellamor
