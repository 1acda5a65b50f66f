// The pictures carried inside the program, generated at build time from the sources in this
// folder, and the wave clips, made from their recipes at build time (or, in the page, at their
// first use). Nothing here touches the disk at run time.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace assets {

struct PictureAsset {
    std::string_view owner;  // "Form1", "Form1.Icon", "Picture4", "Picture1", "man", "n", ...
    int width;
    int height;
    const std::uint8_t* rgba;  // width * height * 4 bytes, rows top to bottom
};

// Every picture, in a fixed order (the contact sheet's order).
std::span<const PictureAsset> allPictures();

// The picture stored with that owner, or nullptr.
const PictureAsset* findPicture(std::string_view owner);

// The resource type the clips are stored under.
constexpr std::string_view kClipType = "RESTYPE";

// The complete wave image of clip 1 to 8; empty for any other number. In the page the first ask
// for a clip makes it (the intro's takes about a fifth of a second), every later one is at once.
std::span<const std::uint8_t> clipWave(int id);

}  // namespace assets
