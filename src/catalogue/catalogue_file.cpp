#include "catalogue/catalogue_file.h"

#include "catalogue/shift.h"

#include <cstdio>
#include <memory>

namespace vellamor::catalogue {

std::string unshift(std::string_view stored) {
    std::string text(stored.size(), ' ');
    for (std::size_t i = 0; i < stored.size(); ++i)
        text[i] = unshiftChar(stored[i]);
    return text;
}

std::string shift(std::string_view text) {
    std::string stored(text.size(), ' ');
    for (std::size_t i = 0; i < text.size(); ++i)
        stored[i] = shiftChar(text[i]);
    return stored;
}

std::optional<CatalogueFile> CatalogueFile::read(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f) return std::nullopt;
    std::string content;
    char buf[1 << 16];
    for (;;) {
        const std::size_t n = std::fread(buf, 1, sizeof buf, f.get());
        content.append(buf, n);
        if (n < sizeof buf) break;
    }
    if (std::ferror(f.get())) return std::nullopt;
    return CatalogueFile(std::move(content));
}

std::vector<std::string_view> CatalogueFile::body(std::string_view header) const {
    std::vector<std::string_view> lines;
    forEachBodyLine(header, [&](std::string_view line) { lines.push_back(line); });
    return lines;
}

} // namespace vellamor::catalogue
