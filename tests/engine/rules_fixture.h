// A small table for the rule and action tests: a Klondike-like game with
// readable card names ("9H", "10S", "KD", "AC"; each trailing "'" one deck further,
// "--" a hole, a leading "#" a face-down card).
#pragma once

#include "engine/engine.h"
#include "recording_host.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <string_view>

namespace vellamor::testing {

inline int card(std::string_view name) {
    if (name == "--") return kHole;
    int deck = 0;
    while (!name.empty() && name.back() == '\'')
        ++deck, name.remove_suffix(1);
    const char s = name.back();
    const std::string_view r = name.substr(0, name.size() - 1);
    int rk = 0;
    if (r == "A")
        rk = 1;
    else if (r == "J")
        rk = 11;
    else if (r == "Q")
        rk = 12;
    else if (r == "K")
        rk = 13;
    else
        rk = std::stoi(std::string(r));
    const int suitIdx = s == 'H' ? 0 : s == 'D' ? 1 : s == 'C' ? 2 : 3;
    return cardCode(suitIdx, rk, deck);
}

class RulesFixture : public ::testing::Test {
protected:
    RecordingHost host;
    Engine e{&host};

    void SetUp() override { klondike(); }

    void set(int index, int value) { e.params.set(index, value); }
    void setRange(int base, int count, int value) {
        for (int i = 0; i < count; ++i)
            e.params.set(base + i, value);
    }

    // One deck, seven piles building down in alternating colours with Kings on
    // empty piles, four foundations up in suit from the Aces, unlimited passes.
    void klondike() {
        e.params.clear();
        set(prm::Cards, 52);
        set(prm::Tableaus, 7);
        set(prm::Foundations, 4);
        set(prm::Reserves, 0);
        set(prm::StockFaceDown, 1);
        set(prm::StockInPlay, 1);
        set(prm::WasteInPlay, 1);
        set(prm::StockTurnCount, 1);
        set(prm::Passes, -1);
        set(prm::TakeBlocks, -1);
        set(prm::AutoFaceUp, 1);
        set(prm::FoundationMax, 13);
        set(prm::TableauMax, -1);
        setRange(prm::TableauDirection, 7, 0);
        setRange(prm::TableauSuitRule, 7, 3);
        setRange(prm::TableauFill, 7, 13);
        setRange(prm::FoundationBase, 4, 1);
        setRange(prm::FoundationDirection, 4, 1);
        setRange(prm::FoundationSuitRule, 4, 0);
    }

    // Replaces a pile by the named cards, bottom first.
    void pile(PileId id, std::string_view cards) {
        Pile& p = e.table.pile(id);
        p.clear();
        std::istringstream in{std::string(cards)};
        for (std::string w; in >> w;) {
            bool up = true;
            if (w[0] == '#') up = false, w.erase(0, 1);
            const int c = card(w);
            p.push(c);
            e.cards.setFaceUp(c, up);
        }
    }
    void fila(int n, std::string_view cards) { pile(tableau(n - 1), cards); }
    void dest(int n, std::string_view cards) { pile(foundation(n - 1), cards); }
    void appogg(int n, std::string_view cards) { pile(reserve(n - 1), cards); }
};

} // namespace vellamor::testing
