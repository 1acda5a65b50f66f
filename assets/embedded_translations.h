// The translations the program carries (embedded_translations.cpp in the build tree, compiled
// from po/*.po by msgfmt at build time). Czech, the game's own language, needs none.
#pragma once

#include <span>

#include "engine/core/translation.h"

namespace assets {

std::span<const tk::EmbeddedCatalogue> translationCatalogues();

// The translation for a language code ("en"), or Czech for "cs" and any code without one.
tk::Translation translationFor(std::string_view code);

// Whether the game speaks this language: "cs" or a translation's code.
bool speaks(std::string_view code);

// The translation to show: `chosen` when not empty, else the one the environment asks for
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
tk::Translation chosenTranslation(std::string_view chosen);

}  // namespace assets
