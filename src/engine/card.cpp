#include "engine/card.h"

#include <array>
#include <cstdio>

namespace vellamor {

namespace {
constexpr std::array<const char*, 4> kSuitPrefix = {"CUORI_", "QUADR_", "FIORI_", "PICCH_"};
constexpr std::array<const char*, 13> kRankName = {"A",  "02", "03", "04", "05", "06", "07",
                                                   "08", "09", "10", "J",  "Q",  "K"};
} // namespace

std::string cardResourceName(int code) {
    if (isJoker(code)) return "JOKER";
    if (!isCard(code)) return {};
    return std::string(kSuitPrefix[suitIndex(code)]) + kRankName[rank(code) - 1];
}

std::string cardRecordText(int code, bool faceUp) {
    std::string text = cardResourceName(code);
    text.resize(15, ' ');
    text += isJoker(code) ? '4' : static_cast<char>('1' + suitIndex(code));
    text += codeText(code);
    text += faceUp ? '1' : '0';
    return text;
}

std::string codeText(int code) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", code < 0 ? 0 : code % 1000);
    return buf;
}

} // namespace vellamor
