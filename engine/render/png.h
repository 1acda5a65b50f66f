// Frames written as PNG files: 8-bit RGB, no colour-space chunks, so that every viewer and
// browser reads the very values the renderer made.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/render/frame.h"

namespace tk {

std::vector<std::uint8_t> encodePng(const Frame& frame);

// The rows of a picture, each led by its filter byte, as a zlib stream.
using Deflate = std::vector<std::uint8_t> (*)(const std::vector<std::uint8_t>& raw);

// A picture with transparency (RGBA, 4 bytes a pixel, rows top to bottom) as an 8-bit RGBA PNG;
// its rows stored as they are unless a `deflate` is given (the files a site hands out).
std::vector<std::uint8_t> encodeRgbaPng(int width, int height, const std::uint8_t* rgba,
                                        Deflate deflate = nullptr);

// Writes bytes to a file; false when it cannot.
bool writeFile(const std::vector<std::uint8_t>& bytes, const std::string& path);

// Writes the frame to a file; false (and the file left alone or partial) when it cannot.
bool writePng(const Frame& frame, const std::string& path);

}  // namespace tk
