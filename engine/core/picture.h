// A picture handle. Assigning one control's picture to another shares the same image, and two
// handles compare equal only when they share it: the animations tell their frames apart this way.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tk {

constexpr float kTwipsPerPixel = 15.0f;

// One image as the program carries it: RGBA, 4 bytes a pixel, rows top to bottom.
struct Image {
    std::string owner;  // the control or window the picture is stored with ("n", "Picture4")
    int widthPx = 0;
    int heightPx = 0;
    const std::uint8_t* rgba = nullptr;  // may be null where only the size matters (tests)
};

class Picture {
  public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const Image> image) : image_(std::move(image)) {}

    bool empty() const { return !image_; }
    int widthPx() const { return image_ ? image_->widthPx : 0; }
    int heightPx() const { return image_ ? image_->heightPx : 0; }
    float widthTwips() const { return static_cast<float>(widthPx()) * kTwipsPerPixel; }
    float heightTwips() const { return static_cast<float>(heightPx()) * kTwipsPerPixel; }
    const Image* image() const { return image_.get(); }
    const std::string& owner() const;

    // Identity, not content: the standing frame `n` and `man`'s start picture are alike
    // pixel for pixel and still two pictures.
    friend bool operator==(const Picture& a, const Picture& b) { return a.image_ == b.image_; }

  private:
    std::shared_ptr<const Image> image_;
};

inline const std::string& Picture::owner() const {
    static const std::string none;
    return image_ ? image_->owner : none;
}

}  // namespace tk
