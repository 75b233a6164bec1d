#include "gfx/Image.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

namespace gfx {

namespace {

constexpr uint32_t kMaxPngSide = 16384;
constexpr uint64_t kMaxPngPixels = 16u << 20;

[[noreturn]] void Fail(std::string_view name, const std::string& why) {
    throw std::runtime_error("cannot decode picture \"" + std::string(name) + "\": " + why);
}

}  // namespace

Bitmap DecodePng(const unsigned char* data, size_t size, std::string_view name) {
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0) Fail(name, "not a PNG file");
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) Fail(name, image.message);
    // A few header bytes can claim billions of pixels; no picture of ours is near this.
    if (image.width > kMaxPngSide || image.height > kMaxPngSide ||
        static_cast<uint64_t>(image.width) * image.height > kMaxPngPixels) {
        png_image_free(&image);
        Fail(name, "the picture is too large");
    }
    // RGBA bytes in memory are exactly 0xAABBGGRR on a little-endian machine;
    // the pixels are composed explicitly to stay independent of byte order.
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        const std::string why = image.message;
        png_image_free(&image);
        Fail(name, why);
    }
    Bitmap bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
    uint32_t* px = bitmap.Data();
    for (size_t i = 0, n = static_cast<size_t>(image.width) * image.height; i < n; ++i) {
        const unsigned char* p = &rgba[i * 4];
        px[i] = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    }
    return bitmap;
}

Bitmap LoadPng(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read picture \"" + path + "\"");
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return DecodePng(bytes.data(), bytes.size(), path);
}

std::vector<unsigned char> EncodePng(const Bitmap& bitmap) {
    std::vector<unsigned char> rgba(static_cast<size_t>(bitmap.Width()) * bitmap.Height() * 4);
    const uint32_t* px = bitmap.Data();
    for (size_t i = 0; i < rgba.size() / 4; ++i) {
        rgba[i * 4] = px[i] & 0xFF;
        rgba[i * 4 + 1] = (px[i] >> 8) & 0xFF;
        rgba[i * 4 + 2] = (px[i] >> 16) & 0xFF;
        rgba[i * 4 + 3] = px[i] >> 24;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bitmap.Width());
    image.height = static_cast<png_uint_32>(bitmap.Height());
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, rgba.data(), 0, nullptr))
        throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
    std::vector<unsigned char> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr))
        throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
    out.resize(size);
    return out;
}

void SavePng(const Bitmap& bitmap, const std::string& path) {
    const std::vector<unsigned char> bytes = EncodePng(bitmap);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write picture \"" + path + "\"");
}

}  // namespace gfx
