#include "catalogue/catalogue_writer.h"

#include "catalogue/catalogue_file.h"
#include "catalogue/shift.h"
#include "engine/param_names.h"

#include <cstdio>

namespace vellamor::catalogue {

namespace {

constexpr const char* kEol = "\r\n";

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string digits3(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", v < 0 ? 0 : v % 1000);
    return buf;
}

// Characters outside the printable range cannot be shifted and read back.
std::string printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 127) c = '?';
    return text;
}

} // namespace

std::string entryText(const CatalogueGame& game) {
    std::string entry = digits3(game.category) + ' ' + digits3(game.id);
    entry += game.skipped ? '9' : '0';
    entry += game.wideOnly ? '1' : '0';
    entry += game.isNew ? '1' : '0';
    entry += padded(printable(game.name), 50);
    return entry;
}

std::string writeCatalogue(std::span<const CatalogueGame> games, const CatalogueLists& lists) {
    std::string out;
    out.reserve(600 * (17 + 11 * games.size()));
    out += kSect1;
    out += kEol;
    for (const CatalogueGame& g : games)
        out += shift(entryText(g)) + kEol;

    out += kSect2;
    out += kEol;
    for (int k = 1; k < RuleParams::kSize; ++k) {
        char index[8];
        std::snprintf(index, sizeof index, "%04d", k);
        // Positions 5-16 are not read; they carry the parameter's name for people.
        std::string line = index + std::string(" ") + shift(padded(paramLabel(k), 11));
        for (const CatalogueGame& g : games)
            line += shift(padded(std::to_string(g.params[k]), 10) + ' ');
        out += line + kEol;
    }

    auto idSection = [&](std::string_view header, const std::vector<int>& ids) {
        out += header;
        out += kEol;
        for (int id : ids)
            out += shift(std::to_string(id)) + kEol;
    };
    idSection(kSectPopular, lists.popular);
    idSection(kSectOriginal, lists.original);
    idSection(kSectChildren, lists.children);
    return out;
}

} // namespace vellamor::catalogue
