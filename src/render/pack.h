// Named-resource packs: the files that hold every picture, cursor and sound the
// program asks for by name (SOL.RGF, plus/*.rgf). Plain file reading, no Qt.
//
// A pack is an index of (kind, name, offset, size) entries followed by the data.
// Names are matched without regard to ASCII letter case. The index is read and
// checked once when the pack is opened; a truncated or damaged file is refused
// then, never later. The layout is described in docs/packs.md.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vellamor::render {

// Resource kinds. BITMAP holds PNG data, WAVE a RIFF/WAVE file, RCDATA a JPEG
// stream, CURSOR two little-endian 16-bit hot-spot coordinates and then PNG data.
enum class ResourceKind : std::uint8_t { Bitmap = 1, Wave = 2, RcData = 3, Cursor = 4 };

using Bytes = std::vector<std::uint8_t>;

class Pack {
public:
    // Opens the pack and reads its index. nullopt when the file is missing,
    // truncated or damaged; `error` (when given) then says why.
    static std::optional<Pack> open(const std::string& path, std::string* error = nullptr);

    Pack(Pack&&) noexcept = default;
    Pack& operator=(Pack&&) noexcept = default;

    const std::string& path() const { return path_; }
    bool contains(ResourceKind kind, std::string_view name) const;
    // The resource's data; nullopt when the pack has no such resource or the
    // file can no longer be read.
    std::optional<Bytes> read(ResourceKind kind, std::string_view name) const;
    // Names of all resources of a kind, as written, in index order.
    std::vector<std::string> names(ResourceKind kind) const;
    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        ResourceKind kind;
        std::string name;
        std::uint32_t offset, size;
    };
    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    Pack() = default;
    const Entry* find(ResourceKind kind, std::string_view name) const;

    std::string path_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> byKey_; // kind + lower-case name
};

// Builds a pack in memory and writes it in one go (temporary file, then rename).
class PackWriter {
public:
    // False when the name is empty, longer than 255 characters, not printable
    // ASCII, or already present for that kind (compared without case).
    bool add(ResourceKind kind, std::string_view name, Bytes data);
    bool write(const std::string& path, std::string* error = nullptr) const;
    std::size_t size() const { return items_.size(); }

private:
    struct Item {
        ResourceKind kind;
        std::string name;
        Bytes data;
    };
    std::vector<Item> items_;
    std::unordered_map<std::string, std::size_t> byKey_;
};

// Lower-case ASCII copy of a resource name.
std::string lowerName(std::string_view name);

// CRC-32 (IEEE), as used by the pack header for the index.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);

} // namespace vellamor::render
