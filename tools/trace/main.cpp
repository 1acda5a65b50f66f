#include <iostream>

#include "assets/embedded_translations.h"
#include "tools/trace/trace.h"

int main() {
    std::ios::sync_with_stdio(false);
    // A shot shows the words of the language the environment asks for, as the window does.
    tk::showLanguage(assets::chosenTranslation(""));
    trace::Trace t;
    const int bad = t.run(std::cin, std::cout, std::cerr);
    return bad == 0 ? 0 : 1;
}
