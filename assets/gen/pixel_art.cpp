#include "assets/gen/pixel_art.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace assetgen {

namespace {

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) {
        s.pop_back();
    }
    return s;
}

bool isSkippable(const std::string& line) {
    const auto first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}

class ArtReader {
  public:
    ArtReader(const std::string& text, std::string fileName) : fileName_(std::move(fileName)) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            lines_.push_back(trimRight(line));
        }
    }

    std::vector<ArtPicture> read() {
        std::istringstream words;
        std::string keyword;
        while (nextEntry(words, keyword)) {
            if (keyword == "legend") {
                readLegend(legend_);
            } else if (keyword == "picture") {
                readPicture(words);
            } else if (keyword == "copy" || keyword == "mirror" || keyword == "variant") {
                // Another picture made from one read before: the same, flipped left to right,
                // or in the colours of a legend that follows.
                std::string name, from;
                words >> name >> from;
                ArtPicture made = source(from);
                made.name = name;
                if (keyword == "mirror") {
                    for (std::string& row : made.rows)
                        row.assign(row.rbegin(), row.rend());
                } else if (keyword == "variant") {
                    readLegend(made.legend);
                }
                pictures_.push_back(std::move(made));
            } else {
                fail("unknown keyword '" + keyword + "'");
            }
        }
        return pictures_;
    }

  private:
    // The next line that is not blank or a comment: its first word, and the rest in `words`.
    bool nextEntry(std::istringstream& words, std::string& first) {
        while (next_ < lines_.size()) {
            const std::string& line = lines_[next_++];
            if (isSkippable(line))
                continue;
            words.clear();
            words.str(line);
            words >> first;
            return true;
        }
        return false;
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error(fileName_ + ":" + std::to_string(next_) + ": " + what);
    }

    // Legend lines until "end": a character, then three levels or the word "transparent".
    void readLegend(std::map<char, Rgba>& legend) {
        std::istringstream words;
        std::string symbol;
        while (nextEntry(words, symbol)) {
            if (symbol == "end") {
                return;
            }
            if (symbol.size() != 1) {
                fail("a legend entry starts with one character");
            }
            std::string first;
            words >> first;
            if (first == "transparent") {
                legend[symbol[0]] = kClear;
                continue;
            }
            int r = 0, g = 0, b = 0;
            try {
                r = std::stoi(first);
            } catch (const std::exception&) {
                fail("a legend entry needs three levels 0 to 255");
            }
            if (!(words >> g >> b) || r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255) {
                fail("a legend entry needs three levels 0 to 255");
            }
            legend[symbol[0]] = rgb(r, g, b);
        }
        fail("legend without end");
    }

    void readPicture(std::istringstream& words) {
        ArtPicture picture;
        if (!(words >> picture.name >> picture.width >> picture.height) || picture.width <= 0 ||
            picture.height <= 0) {
            fail("expected: picture NAME WIDTH HEIGHT");
        }
        picture.legend = legend_;
        for (int row = 0; row < picture.height; ++row) {
            if (next_ >= lines_.size()) {
                fail("picture " + picture.name + " has too few rows");
            }
            const std::string& line = lines_[next_++];
            if (static_cast<int>(line.size()) != picture.width) {
                fail("row " + std::to_string(row) + " of " + picture.name + " is " +
                     std::to_string(line.size()) + " wide, not " + std::to_string(picture.width));
            }
            for (char c : line) {
                if (!picture.legend.contains(c)) {
                    fail(std::string("character '") + c + "' is not in the legend");
                }
            }
            picture.rows.push_back(line);
        }
        pictures_.push_back(std::move(picture));
    }

    ArtPicture source(const std::string& name) const {
        for (const ArtPicture& p : pictures_) {
            if (p.name == name) {
                return p;
            }
        }
        fail("no picture named '" + name + "' above this line");
    }

    std::string fileName_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::map<char, Rgba> legend_;
    std::vector<ArtPicture> pictures_;
};

}  // namespace

Canvas ArtPicture::render() const {
    Canvas canvas(width, height, kClear);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            canvas.set(x, y,
                       legend.at(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]));
        }
    }
    return canvas;
}

std::vector<ArtPicture> parseArt(const std::string& text, const std::string& fileName) {
    return ArtReader(text, fileName).read();
}

std::vector<ArtPicture> loadArtFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseArt(text.str(), path);
}

}  // namespace assetgen
