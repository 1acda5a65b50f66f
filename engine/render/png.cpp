#include "engine/render/png.h"

#include <array>
#include <fstream>

namespace tk {

namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBigEndian(out, crc32(out.data() + start, out.size() - start));
}

// The rows as a zlib stream of stored (uncompressed) blocks: plain, exact and quick.
std::vector<std::uint8_t> zlibStored(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    constexpr std::size_t kBlock = 65535;
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min(kBlock, raw.size() - pos);
        const bool last = pos + n == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(n));
        out.push_back(static_cast<std::uint8_t>(n >> 8));
        out.push_back(static_cast<std::uint8_t>(~n));
        out.push_back(static_cast<std::uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                   raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian(out, b << 16 | a);
    return out;
}

// The PNG around rows of raw samples, each row led by its filter byte; colour type 2 is RGB,
// 6 RGBA.
std::vector<std::uint8_t> wrapPng(int width, int height, std::uint8_t colourType,
                                  const std::vector<std::uint8_t>& raw,
                                  Deflate deflate = zlibStored) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(width));
    putBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(),
                  {8, colourType, 0, 0, 0});  // 8 bits, deflate, no filter or interlace
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", deflate(raw));
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Frame& frame) {
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(frame.height) * (1 + frame.width * 3));
    for (int y = 0; y < frame.height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < frame.width; ++x) {
            const Pixel p = frame.at(x, y);
            raw.push_back(static_cast<std::uint8_t>(p >> 16));
            raw.push_back(static_cast<std::uint8_t>(p >> 8));
            raw.push_back(static_cast<std::uint8_t>(p));
        }
    }
    return wrapPng(frame.width, frame.height, 2, raw);
}

std::vector<std::uint8_t> encodeRgbaPng(int width, int height, const std::uint8_t* rgba,
                                        Deflate deflate) {
    std::vector<std::uint8_t> raw;
    const std::size_t row = static_cast<std::size_t>(width) * 4;
    raw.reserve(static_cast<std::size_t>(height) * (1 + row));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgba + y * row, rgba + (y + 1) * row);
    }
    return wrapPng(width, height, 6, raw, deflate ? deflate : zlibStored);
}

bool writeFile(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

bool writePng(const Frame& frame, const std::string& path) {
    return writeFile(encodePng(frame), path);
}

}  // namespace tk
