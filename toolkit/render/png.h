// Frames written as PNG files: 8-bit RGB, no colour-space chunks, so that every viewer and
// browser reads the very values the renderer made.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/render/frame.h"

namespace tk {

std::vector<std::uint8_t> encodePng(const Frame& frame);

// A picture with transparency (RGBA, 4 bytes a pixel, rows top to bottom) as an 8-bit RGBA PNG.
std::vector<std::uint8_t> encodeRgbaPng(int width, int height, const std::uint8_t* rgba);

// Writes bytes to a file; false when it cannot.
bool writeFile(const std::vector<std::uint8_t>& bytes, const std::string& path);

// Writes the frame to a file; false (and the file left alone or partial) when it cannot.
bool writePng(const Frame& frame, const std::string& path);

}  // namespace tk
