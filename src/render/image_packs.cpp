#include "render/image_packs.h"

#include "render/jpeg_codec.h"
#include "render/resource_names.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace vellamor::render {

namespace {

std::string lowerText(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

QImage fromRgb(const RgbImage& rgb) {
    QImage img(rgb.width, rgb.height, QImage::Format_RGB32);
    for (int y = 0; y < rgb.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const std::uint8_t* src = rgb.pixels.data() + std::size_t(y) * std::size_t(rgb.width) * 3;
        for (int x = 0; x < rgb.width; ++x) row[x] = qRgb(src[3 * x], src[3 * x + 1], src[3 * x + 2]);
    }
    return img;
}

std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

QImage decodeBitmap(const Bytes& data) {
    QImage img;
    if (data.empty() || data.size() > 0x7fffffff) return img;
    img.loadFromData(data.data(), int(data.size()));
    return img;
}

QImage decodeJpegImage(const Bytes& data) {
    const auto rgb = decodeJpeg(data.data(), data.size());
    return rgb ? fromRgb(*rgb) : QImage();
}

QImage loadPictureFile(const std::string& path) {
    if (isJpegName(path)) {
        const auto rgb = decodeJpegFile(path);
        return rgb ? fromRgb(*rgb) : QImage();
    }
    QImage img;
    img.load(QString::fromStdString(path));
    return img;
}

std::optional<ImagePacks> ImagePacks::open(const std::string& programFolder, ImageHost& host) {
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const std::string path = folder + std::string(kMainPack);
    auto pack = Pack::open(path);
    if (!pack) {
        host.message("Can't find/load " + lowerText(path));
        return std::nullopt;
    }
    return ImagePacks(folder, std::move(*pack));
}

std::string ImagePacks::path(std::string_view relative) const { return folder_ + std::string(relative); }

bool ImagePacks::loadBitmap(QImage& out, std::string_view name) const {
    std::optional<Bytes> data;
    if (inExtraSizePack(name)) {
        if (const auto extra = Pack::open(path(kExtraPack))) data = extra->read(ResourceKind::Bitmap, name);
    } else {
        data = main_.read(ResourceKind::Bitmap, name);
    }
    if (!data) return false;
    QImage img = decodeBitmap(*data);
    if (img.isNull()) return false;
    out = std::move(img);
    return true;
}

bool ImagePacks::loadAddonBitmap(QImage& out, std::string_view name, std::string_view pack) const {
    const auto p = Pack::open(path(pack));
    if (!p) return false;
    const auto data = p->read(ResourceKind::Bitmap, name);
    if (!data) return false;
    QImage img = decodeBitmap(*data);
    if (img.isNull()) return false;
    out = std::move(img);
    return true;
}

bool ImagePacks::loadAddonJpeg(QImage& out, std::string_view name, std::string_view pack) const {
    const auto p = Pack::open(path(pack));
    if (!p) return false;
    const auto data = p->read(ResourceKind::RcData, name);
    if (!data) return false;
    QImage img = decodeJpegImage(*data);
    if (img.isNull()) return false;
    out = std::move(img);
    return true;
}

std::optional<Bytes> ImagePacks::wave(std::string_view name) const {
    return main_.read(ResourceKind::Wave, name);
}

std::optional<CursorImage> ImagePacks::cursor(std::string_view name) const {
    const auto data = main_.read(ResourceKind::Cursor, name);
    if (!data || data->size() < 5) return std::nullopt;
    CursorImage c;
    c.hotX = (*data)[0] | (*data)[1] << 8;
    c.hotY = (*data)[2] | (*data)[3] << 8;
    c.image = decodeBitmap(Bytes(data->begin() + 4, data->end()));
    if (c.image.isNull()) return std::nullopt;
    return c;
}

bool ImagePacks::extraPackOpens() const { return Pack::open(path(kExtraPack)).has_value(); }

std::string ImagePacks::indexFile(std::string_view kind, ImageHost& host) const {
    const std::string k = lowerText(std::string(kind));
    const char* file = k == "backgrounds" ? "b01.dat" : k == "decks" ? "d01.dat" : k == "cards" ? "c01.dat" : nullptr;
    if (!file) {
        host.message("File not found:");
        return {};
    }
    return folder_ + "plus/" + file;
}

std::string ImagePacks::resourceOfDisplayName(std::string_view display, std::string_view kind,
                                              ImageHost& host) const {
    const std::string file = indexFile(kind, host);
    if (file.empty() || display.empty()) return {};
    for (const std::string& line : readLines(file))
        if (line.size() >= display.size() && line.compare(line.size() - display.size(), display.size(), display) == 0)
            return line.substr(0, line.find('='));
    return {};
}

std::string ImagePacks::displayOfResourceName(std::string_view resource, std::string_view kind,
                                              ImageHost& host) const {
    const std::string file = indexFile(kind, host);
    if (file.empty() || resource.empty()) return {};
    for (const std::string& line : readLines(file))
        if (line.compare(0, resource.size(), resource) == 0) {
            const auto eq = line.find('=');
            return eq == std::string::npos ? std::string() : line.substr(eq + 1);
        }
    return {};
}

} // namespace vellamor::render
