// The plain score kept in the state record.
#pragma once

namespace vellamor {

class Engine;

long long currentScore(const Engine& engine);
void setScore(Engine& engine, long long score);

// Adds 5 × n to the score (score mode "01"), stores it and shows it; used when
// the deal itself moves cards to the foundations.
void addToScore(Engine& engine, int n);

} // namespace vellamor
