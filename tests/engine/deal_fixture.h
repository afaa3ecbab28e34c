// Small helpers to set up an engine with a handful of rule parameters and deal.
#pragma once

#include "engine/deal.h"
#include "engine/engine.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace vellamor::testing {

using ParamList = std::initializer_list<std::pair<int, int>>;

inline void setParams(Engine& e, ParamList params) {
    for (auto [index, value] : params) e.params.set(index, value);
}

// Per-pile entries: `count` entries from `base` all set to `value`.
inline void setRange(Engine& e, int base, int count, int value) {
    for (int i = 0; i < count; ++i) e.params.set(base + i, value);
}

inline void loadAndDeal(Engine& e, const std::string& number) {
    e.params.saveRanges();
    e.state.write(field::GameNumber, number);
    newGame(e);
}

// Every code that lies anywhere on the table, holes left out.
inline std::vector<int> cardsOnTable(const Engine& e) {
    std::vector<int> out;
    for (int line = 0; line < kPileLines; ++line)
        for (CardCode c : e.table.line(line))
            if (c != kHole) out.push_back(c);
    return out;
}

inline std::vector<int> arrayCards(const DealArray& d) {
    std::vector<int> out;
    for (int i = 0; i < d.size(); ++i) out.push_back(d[i]);
    return out;
}

// Klondike-like: 7 tableau piles of 1..7 cards with the top face up, 24 in the stock.
inline void klondike(Engine& e) {
    setParams(e, {{prm::Cards, 52}, {prm::Tableaus, 7}, {prm::Foundations, 4}, {prm::StockCards, 24},
                  {prm::StockFaceDown, 1}});
    for (int i = 0; i < 7; ++i) {
        e.params.set(prm::TableauCards + i, i + 1);
        e.params.set(prm::TableauFaceUp + i, 1);
    }
    setRange(e, prm::FoundationBase, 4, 1);
    setRange(e, prm::FoundationDirection, 4, 1);
}

// Spider-like: 10 piles (6,6,6,6,5,…) of two decks, 50 in the stock.
inline void spider(Engine& e) {
    setParams(e, {{prm::Cards, 104}, {prm::Tableaus, 10}, {prm::Foundations, 8},
                  {prm::StockCards, 50}, {prm::StockFaceDown, 1}});
    for (int i = 0; i < 10; ++i) {
        e.params.set(prm::TableauCards + i, i < 4 ? 6 : 5);
        e.params.set(prm::TableauFaceUp + i, 1);
    }
}

} // namespace vellamor::testing
