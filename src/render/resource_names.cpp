#include "render/resource_names.h"

#include "render/pack.h"

namespace vellamor::render {

std::optional<CardSize> cardSizeClass(char letter) {
    switch (letter) {
    case 'N': return CardSize{'N', 49, 66};
    case 'M': return CardSize{'M', 59, 80};
    case 'B': return CardSize{'B', 71, 96};
    case 'S': return CardSize{'S', 85, 115};
    case 'X': return CardSize{'X', 102, 138};
    case 'L': return CardSize{'L', 25, 32};
    default: return std::nullopt;
    }
}

CardSize cardSizeOfLetter(char letter) {
    return cardSizeClass(letter).value_or(CardSize{});
}

std::optional<std::pair<int, int>> customSetImageSize(char letter) {
    if (letter == 'L') return std::nullopt;
    const auto s = cardSizeClass(letter);
    if (!s) return std::nullopt;
    return std::pair{s->width * 5, s->height * 12};
}

std::optional<char> sizeOfCustomSetImage(int width, int height) {
    for (char c : std::string_view("NMBSX")) {
        const auto s = customSetImageSize(c);
        if (s->first == width && s->second == height) return c;
    }
    return std::nullopt;
}

std::string threeDigits(int n) {
    if (n < 0 || n > 999) return "***";
    std::string s = std::to_string(n);
    return std::string(3 - s.size(), '0') + s;
}

std::string faceStripName(char size, int set, int suit) {
    static constexpr char kSuits[] = {'H', 'D', 'C', 'S'};
    return std::string("C") + size + threeDigits(set) + kSuits[suit & 3];
}

std::string backName(char size, int back) { return std::string("D") + size + threeDigits(back); }

std::optional<std::string> markResource(std::string_view markName, char size, int backNumber) {
    const std::string m = lowerName(markName);
    const std::string w = std::string("W") + size;
    if (m == "deck") return backName(size, backNumber);
    if (m == "stockvisible") return w + "_WASTE";
    if (m == "firsttableauall" || m == "foundation") return w + "004";
    if (m == "stockup") return w + "022";
    if (m == "stockdown") return w + "005";
    if (m == "stockstop") return w + "008";
    if (m == "foundationa") return w + "010";
    if (m == "foundation2") return w + "012";
    if (m == "foundation11") return w + "006";
    if (m == "foundation12") return w + "003";
    if (m == "foundation13") return w + "011";
    if (m == "position") return w + "_TABLEAU";
    if (m == "emptyposition") return w + "001";
    if (m == "emptypositionjqk") return w + "009";
    if (m.size() > 10 && m.rfind("foundation", 0) == 0) {
        const std::string_view rest = std::string_view(m).substr(10);
        if (rest.size() == 1 && rest[0] >= '3' && rest[0] <= '9')
            return w + threeDigits(10 + (rest[0] - '0'));
        if (rest == "10") return w + "020";
    }
    return std::nullopt;
}

bool inExtraSizePack(std::string_view name) {
    const std::string n = lowerName(name);
    for (std::string_view p : {"wx", "dx", "shadow_x", "3d_border_x", "joker_x"})
        if (n.rfind(p, 0) == 0) return true;
    return false;
}

bool isTiledBackgroundNumber(int number) {
    return (number >= 101 && number <= 105) || (number >= 257 && number <= 324);
}

} // namespace vellamor::render
