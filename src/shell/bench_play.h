// Plays moves on the window's table as the mouse would (the benchmark's 100 moves).
#pragma once

namespace vellamor::shell {
class TfrmMain;
// Makes `n` moves (drags between tableau piles, else stock clicks, else a new
// deal) through the window's mouse handling; returns the moves made.
int playMoves(TfrmMain& window, int n);
} // namespace vellamor::shell
