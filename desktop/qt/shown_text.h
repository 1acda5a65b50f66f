// A Czech text of the game as Qt shows it: in the language shown (see engine/core/translation.h).
// The front ends' own texts go through `shown(...)` too, which is what the translators' tools
// look for.
#pragma once

#include <QString>

#include <string_view>

#include "engine/core/translation.h"

namespace tkqt {

inline QString shown(std::string_view czech) {
    const std::string_view text = tk::tr(czech);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tkqt
