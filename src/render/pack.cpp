#include "render/pack.h"

#include <array>
#include <cstring>
#include <filesystem>

namespace vellamor::render {

namespace {

constexpr char kMagic[4] = {'V', 'R', 'G', 'F'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderSize = 20; // magic, version, flags, count, index size, index crc
constexpr std::size_t kMinEntrySize = 1 + 1 + 1 + 4 + 4;

std::uint32_t get32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t get16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
void put32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void put16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::string key(ResourceKind kind, std::string_view name) {
    std::string k(1, static_cast<char>(kind));
    k += lowerName(name);
    return k;
}

bool validName(std::string_view name) {
    if (name.empty() || name.size() > 255) return false;
    for (char c : name)
        if (c < 0x20 || c > 0x7e) return false;
    return true;
}

bool validKind(std::uint8_t k) { return k >= 1 && k <= 4; }

bool fail(std::string* error, std::string text) {
    if (error) *error = std::move(text);
    return false;
}

} // namespace

std::string lowerName(std::string_view name) {
    std::string s(name);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xff] ^ (crc >> 8);
    return ~crc;
}

std::optional<Pack> Pack::open(const std::string& path, std::string* error) {
    Pack pack;
    pack.path_ = path;
    pack.file_.reset(std::fopen(path.c_str(), "rb"));
    if (!pack.file_) {
        fail(error, "cannot open " + path);
        return std::nullopt;
    }
    std::FILE* f = pack.file_.get();
    if (std::fseek(f, 0, SEEK_END) != 0) {
        fail(error, "cannot read " + path);
        return std::nullopt;
    }
    const long end = std::ftell(f);
    std::rewind(f);
    if (end < 0 || static_cast<unsigned long>(end) < kHeaderSize ||
        static_cast<unsigned long>(end) > 0xffffffffUL) {
        fail(error, "not a resource pack (too short or too long): " + path);
        return std::nullopt;
    }
    const auto fileSize = static_cast<std::uint64_t>(end);

    std::uint8_t header[kHeaderSize];
    if (std::fread(header, 1, kHeaderSize, f) != kHeaderSize ||
        std::memcmp(header, kMagic, 4) != 0) {
        fail(error, "not a resource pack: " + path);
        return std::nullopt;
    }
    if (get16(header + 4) != kVersion) {
        fail(error, "unknown resource pack version: " + path);
        return std::nullopt;
    }
    const std::uint32_t count = get32(header + 8);
    const std::uint32_t indexSize = get32(header + 12);
    const std::uint32_t indexCrc = get32(header + 16);
    if (indexSize > fileSize - kHeaderSize || std::uint64_t(count) * kMinEntrySize > indexSize) {
        fail(error, "truncated resource pack index: " + path);
        return std::nullopt;
    }
    Bytes index(indexSize);
    if (indexSize && std::fread(index.data(), 1, indexSize, f) != indexSize) {
        fail(error, "truncated resource pack index: " + path);
        return std::nullopt;
    }
    if (crc32(index.data(), index.size()) != indexCrc) {
        fail(error, "damaged resource pack index: " + path);
        return std::nullopt;
    }

    const std::uint64_t dataStart = kHeaderSize + indexSize;
    std::size_t pos = 0;
    pack.entries_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (indexSize - pos < kMinEntrySize) {
            fail(error, "damaged resource pack index: " + path);
            return std::nullopt;
        }
        const std::uint8_t kind = index[pos];
        const std::size_t len = index[pos + 1];
        if (!validKind(kind) || len == 0 || indexSize - pos < 2 + len + 8) {
            fail(error, "damaged resource pack index: " + path);
            return std::nullopt;
        }
        std::string name(reinterpret_cast<const char*>(&index[pos + 2]), len);
        const std::uint32_t offset = get32(&index[pos + 2 + len]);
        const std::uint32_t size = get32(&index[pos + 6 + len]);
        pos += 2 + len + 8;
        if (!validName(name) || offset < dataStart || std::uint64_t(offset) + size > fileSize) {
            fail(error, "resource outside the pack or badly named: " + path);
            return std::nullopt;
        }
        const auto k = key(static_cast<ResourceKind>(kind), name);
        if (!pack.byKey_.emplace(k, pack.entries_.size()).second) {
            fail(error, "resource named twice in the pack: " + name);
            return std::nullopt;
        }
        pack.entries_.push_back({static_cast<ResourceKind>(kind), std::move(name), offset, size});
    }
    if (pos != indexSize) {
        fail(error, "damaged resource pack index: " + path);
        return std::nullopt;
    }
    return pack;
}

const Pack::Entry* Pack::find(ResourceKind kind, std::string_view name) const {
    const auto it = byKey_.find(key(kind, name));
    return it == byKey_.end() ? nullptr : &entries_[it->second];
}

bool Pack::contains(ResourceKind kind, std::string_view name) const {
    return find(kind, name) != nullptr;
}

std::optional<Bytes> Pack::read(ResourceKind kind, std::string_view name) const {
    const Entry* e = find(kind, name);
    if (!e || !file_) return std::nullopt;
    Bytes data(e->size);
    std::FILE* f = file_.get();
    if (std::fseek(f, static_cast<long>(e->offset), SEEK_SET) != 0) return std::nullopt;
    if (e->size && std::fread(data.data(), 1, e->size, f) != e->size) return std::nullopt;
    return data;
}

std::vector<std::string> Pack::names(ResourceKind kind) const {
    std::vector<std::string> out;
    for (const auto& e : entries_)
        if (e.kind == kind) out.push_back(e.name);
    return out;
}

bool PackWriter::add(ResourceKind kind, std::string_view name, Bytes data) {
    if (!validName(name) || !validKind(static_cast<std::uint8_t>(kind))) return false;
    if (!byKey_.emplace(key(kind, name), items_.size()).second) return false;
    items_.push_back({kind, std::string(name), std::move(data)});
    return true;
}

bool PackWriter::write(const std::string& path, std::string* error) const {
    Bytes index;
    std::uint64_t indexSize = 0;
    for (const auto& it : items_) indexSize += 2 + it.name.size() + 8;
    std::uint64_t offset = kHeaderSize + indexSize;
    for (const auto& it : items_) {
        if (offset + it.data.size() > 0xffffffffULL)
            return fail(error, "resource pack larger than 4 GB: " + path);
        index.push_back(static_cast<std::uint8_t>(it.kind));
        index.push_back(static_cast<std::uint8_t>(it.name.size()));
        index.insert(index.end(), it.name.begin(), it.name.end());
        put32(index, static_cast<std::uint32_t>(offset));
        put32(index, static_cast<std::uint32_t>(it.data.size()));
        offset += it.data.size();
    }
    Bytes header(kMagic, kMagic + 4);
    put16(header, kVersion);
    put16(header, 0);
    put32(header, static_cast<std::uint32_t>(items_.size()));
    put32(header, static_cast<std::uint32_t>(index.size()));
    put32(header, crc32(index.data(), index.size()));

    const std::string tmp = path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return fail(error, "cannot write " + tmp);
    bool ok = std::fwrite(header.data(), 1, header.size(), f) == header.size() &&
              std::fwrite(index.data(), 1, index.size(), f) == index.size();
    for (const auto& it : items_)
        ok = ok && (it.data.empty() ||
                    std::fwrite(it.data.data(), 1, it.data.size(), f) == it.data.size());
    ok = (std::fflush(f) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    std::error_code ec;
    if (ok) std::filesystem::rename(tmp, path, ec);
    if (!ok || ec) {
        std::filesystem::remove(tmp, ec);
        return fail(error, "cannot write " + path);
    }
    return true;
}

} // namespace vellamor::render
