#include "catalogue/categories.h"

#include <array>

namespace vellamor::catalogue {

namespace {
constexpr std::array kCategories = {
    Category{2, "Canfield type", "TREE5_CANFIELD_TYPE"},
    Category{3, "Forty Thieves type", "TREE5_FORTYTHIEVES_TYPE"},
    Category{4, "FreeCell type", "TREE5_FREECELL_TYPE"},
    Category{5, "Klondike type", "TREE5_KLONDIKE_TYPE"},
    Category{6, "Pairing games type", "TREE5_PAIRING_TYPE"},
    Category{7, "Simple games type", "TREE5_SIMPLEGAMES_TYPE"},
    Category{8, "Spider type", "TREE5_SPIDER_TYPE"},
    Category{9, "One-Deck games type", "TREE5_1DECK_TYPE"},
    Category{10, "Two-Deck games type", "TREE5_2DECK_TYPE"},
    Category{11, "Fan games type", "TREE5_FAN_TYPE"},
    Category{12, "Baker's Dozen type", "TREE5_BAKERSDOZEN_TYPE"},
    Category{13, "Row games type", "TREE5_ROW_TYPE"},
    Category{14, "Puzzle games type", "TREE5_PUZZLE_TYPE"},
    Category{15, "Adding games type", "TREE5_ADDITION_TYPE"},
    Category{16, "Memory games type", "TREE5_MEMORY_TYPE"},
    Category{17, "Beleaguered Castle type", "TREE5_BELEAGUEREDCASTLE_TYPE"},
    Category{18, "Queen of Italy type", "TREE5_QUEENOFITALY_TYPE"},
    Category{19, "Yukon type", "TREE5_YUKON_TYPE"},
    Category{20, "Mathematical games", "TREE5_MATHEMATICAL_TYPE"},
    Category{21, "Sir Tommy type", "TREE5_SIRTOMMY_TYPE"},
    Category{22, "Non-Builders games", "TREE5_NONBUILDERS_TYPE"},
    Category{23, "Stripped Deck games type", "TREE5_STRIPPEDDECK_TYPE"},
    Category{24, "Four Seasons type", "TREE5_FOURSEASONS_TYPE"},
    Category{25, "Faerie Queen type", "TREE5_FAERIEQUEEN_TYPE"},
    Category{26, "Flower Garden type", "TREE5_FLOWERGARDEN_TYPE"},
    Category{27, "Sly Fox type", "TREE5_SLYFOX_TYPE"},
    Category{kCustomCategory, "Customized games", "TREE5_CUSTOMIZED_GAMES"},
};
} // namespace

std::span<const Category> categories() {
    return kCategories;
}

const Category* findCategory(int number) {
    for (const Category& c : kCategories)
        if (c.number == number) return &c;
    return nullptr;
}

std::string_view categoryText(int number) {
    const Category* c = findCategory(number);
    return c ? c->text : std::string_view{};
}

std::string_view categoryIconName(int number) {
    const Category* c = findCategory(number);
    return c ? c->icon : std::string_view{};
}

} // namespace vellamor::catalogue
