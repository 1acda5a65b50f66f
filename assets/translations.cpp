#include <cstdlib>
#include <string>

#include "assets/embedded_translations.h"

namespace assets {

tk::Translation translationFor(std::string_view code) {
    for (const tk::EmbeddedCatalogue& catalogue : translationCatalogues()) {
        if (catalogue.code == code)
            return tk::Translation(std::string(code), catalogue.mo);
    }
    return {};
}

bool speaks(std::string_view code) {
    return code == "cs" || translationFor(code).code() == code;
}

tk::Translation chosenTranslation(std::string_view chosen) {
    if (!chosen.empty())
        return translationFor(chosen);
    return translationFor(
        tk::pickLanguage(tk::wishesOfEnvironment(std::getenv), translationCatalogues()));
}

}  // namespace assets
