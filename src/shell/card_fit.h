// The card size of a new game fitted to the screen: the window calls this at
// the start of every game, before the card pictures and the layout are made.
#pragma once

#include "render/card_size.h"

namespace vellamor {
class Engine;
}
namespace vellamor::render {
struct ImageChoice;
}

namespace vellamor::shell {

class ProgramHost;

// Fits `choice` to a screen `screenWidth` pixels wide for the engine's current
// game (its id and name in the state record, its width class in the rules),
// offers the advice through the show-once step of the settings file and keeps
// the state record's card size and set in step. True when the card pictures
// must be loaded again.
bool fitCardsForGame(render::ScreenFit& fit, render::ImageChoice& choice, Engine& engine, ProgramHost& host,
                     int screenWidth);

} // namespace vellamor::shell
