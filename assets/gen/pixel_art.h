// Text pixel art: one character a pixel, each file opening with a legend that gives every
// character its colour. A file holds one or more pictures that share its legend:
//
//   # comment
//   legend
//   . 255 112 0   court surface behind the player
//   _ transparent
//   end
//   picture n 20 26        (then exactly 26 rows of 20 characters)
//   copy man n             (a second picture with the same pixels)
//   mirror l1 r1           (r1 flipped left to right)
//   variant pn pc          (pc's pixels, with some characters given other colours)
//   G 0 150 0
//   end
#pragma once

#include <map>
#include <string>
#include <vector>

#include "assets/gen/canvas.h"

namespace assetgen {

struct ArtPicture {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;
    std::map<char, Rgba> legend;

    Canvas render() const;
};

// Reads every picture of one art file; throws std::runtime_error naming the file and line of
// the first fault (unknown character, wrong row length, missing rows, unknown source picture).
std::vector<ArtPicture> parseArt(const std::string& text, const std::string& fileName);
std::vector<ArtPicture> loadArtFile(const std::string& path);

}  // namespace assetgen
