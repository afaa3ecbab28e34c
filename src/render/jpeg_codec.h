// JPEG streams through libjpeg: decoding at best quality into 24-bit pixels, and
// the encoder the pack generator uses for the background pictures. No Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vellamor::render {

struct RgbImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels; // R, G, B per pixel, rows top to bottom, no padding
};

// nullopt when the data is not a JPEG stream libjpeg can decode (damaged or
// truncated streams included; libjpeg's warnings are not printed).
std::optional<RgbImage> decodeJpeg(const std::uint8_t* data, std::size_t size);
std::optional<RgbImage> decodeJpegFile(const std::string& path);
// Empty when the image is empty or encoding fails.
std::vector<std::uint8_t> encodeJpeg(const RgbImage& image, int quality = 90);

// A file is read as JPEG when its lower-cased name contains ".jpg", ".jpe" or ".jpeg".
bool isJpegName(const std::string& path);

} // namespace vellamor::render
