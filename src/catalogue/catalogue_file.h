// GAMES.DAT as text: its lines and the bodies of its sections. A section's body
// is every line after a line that begins with the header, up to the next line
// that begins with '['; a header that occurs twice gives both bodies in order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellamor::catalogue {

inline constexpr std::string_view kSect1 = "[Sect1]";
inline constexpr std::string_view kSect2 = "[Sect2]";
inline constexpr std::string_view kSectPopular = "[SectS]";
inline constexpr std::string_view kSectOriginal = "[SectO]";
inline constexpr std::string_view kSectChildren = "[SectK]";

class CatalogueFile {
public:
    // The whole file, or nullopt when it cannot be opened or read.
    static std::optional<CatalogueFile> read(const std::string& path);
    explicit CatalogueFile(std::string content) : content_(std::move(content)) {}

    // Calls fn(line) for every body line of the section, without its line end.
    template <class Fn> void forEachBodyLine(std::string_view header, Fn&& fn) const {
        bool inBody = false;
        std::size_t pos = 0;
        const std::string_view all = content_;
        while (pos < all.size()) {
            std::size_t end = all.find('\n', pos);
            if (end == std::string_view::npos) end = all.size();
            std::string_view line = all.substr(pos, end - pos);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            pos = end + 1;
            if (line.starts_with(header)) {
                inBody = true;
            } else if (!line.empty() && line.front() == '[') {
                inBody = false;
            } else if (inBody) {
                fn(line);
            }
        }
    }

    std::vector<std::string_view> body(std::string_view header) const;

private:
    std::string content_;
};

} // namespace vellamor::catalogue
