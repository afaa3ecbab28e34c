#include "engine/reshuffle.h"

namespace vellamor {

namespace {

template <class Step>
std::vector<CardCode> takeInSteps(std::span<const CardCode> cards, Step step) {
    std::vector<CardCode> left(cards.begin(), cards.end()), out;
    out.reserve(left.size());
    std::size_t i = left.size() / 2;
    while (!left.empty()) {
        if (i >= left.size()) i = 0;
        out.push_back(left[i]);
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
        i += step(out.size(), left.size());
    }
    return out;
}

} // namespace

std::vector<CardCode> reshuffle(std::span<const CardCode> gathered) {
    return takeInSteps(gathered, [](std::size_t taken, std::size_t) { return taken % 2 ? 2 : 5; });
}

std::vector<CardCode> reshuffleStock(std::span<const CardCode> stock) {
    return takeInSteps(stock, [](std::size_t, std::size_t left) { return left % 2 ? 3 : 5; });
}

} // namespace vellamor
