#include "render/jpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace vellamor::render {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(err->jump, 1);
}
void onMessage(j_common_ptr) {}

} // namespace

std::optional<RgbImage> decodeJpeg(const std::uint8_t* data, std::size_t size) {
    if (!data || size < 4 || size > 0x7fffffffu) return std::nullopt;
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.output_message = onMessage;
    // Everything that must survive a longjmp lives outside this frame's registers.
    auto* image = new RgbImage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    jpeg_start_decompress(&info);
    if (info.output_components != 3 || info.output_width == 0 || info.output_height == 0 ||
        info.output_width > 16384 || info.output_height > 16384) {
        jpeg_destroy_decompress(&info);
        delete image;
        return std::nullopt;
    }
    image->width = static_cast<int>(info.output_width);
    image->height = static_cast<int>(info.output_height);
    const std::size_t stride = std::size_t(image->width) * 3;
    image->pixels.resize(stride * std::size_t(image->height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    RgbImage out = std::move(*image);
    delete image;
    return out;
}

std::optional<RgbImage> decodeJpegFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    return decodeJpeg(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> encodeJpeg(const RgbImage& image, int quality) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * std::size_t(image.height) * 3)
        return {};
    jpeg_compress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.output_message = onMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = std::size_t(image.width) * 3;
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(image.pixels.data() + stride * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

bool isJpegName(const std::string& path) {
    std::string s = path;
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s.find(".jpg") != std::string::npos || s.find(".jpe") != std::string::npos;
}

} // namespace vellamor::render
