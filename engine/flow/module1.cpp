#include "engine/flow/module1.h"

#include <cmath>
#include <limits>

namespace flow {

namespace {
constexpr int kErrOverflow = 6;
constexpr int kErrTypeMismatch = 13;

// The loader takes a clip id's whole-number value; a fraction rounds half to even. Clips are
// numbered, so a text names none of them.
int resourceNumber(const tk::Value& id, int& error) {
    if (id.isText()) {
        error = tk::kErrResourceNotFound;
        return 0;
    }
    const double rounded = std::nearbyint(id.number());
    if (!(rounded >= std::numeric_limits<int>::min() &&
          rounded <= std::numeric_limits<int>::max())) {
        error = std::isnan(rounded) ? kErrTypeMismatch : kErrOverflow;
        return 0;
    }
    return static_cast<int>(rounded);
}
}  // namespace

void Module1::PlayClip(const tk::Value& id, const std::string& resourceType) {
    int error = 0;
    const int number = resourceNumber(id, error);
    if (error == 0) {
        tk::Resource resource = host_.LoadResData(number, resourceType);
        if (resource.error != 0) {
            error = resource.error;  // the buffer keeps the clip that may still be playing
        } else {
            clipBuffer = std::move(resource.bytes);
            if (clipBuffer.empty()) {
                error = tk::kErrSubscriptOutOfRange;  // nothing to hand over: stay silent
            } else {
                host_.playWaveImage(clipBuffer);
            }
        }
    }
    if (error == tk::kErrResourceNotFound)
        host_.MsgBox(kMissingResourceMessage);
}

}  // namespace flow
