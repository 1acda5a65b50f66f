#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

#include "assets/embedded_translations.h"
#include "tools/trace/trace.h"

namespace {

constexpr const char* kUsage =
    "usage: smashbol-trace                 play your own script from standard input\n"
    "       smashbol-trace --replay FILE   check a player's recording, then replay it\n"
    "       smashbol-trace --check FILE    only check it (FILE - is standard input)\n";

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A shot shows the words of the language the environment asks for, as the window does.
    tk::showLanguage(assets::chosenTranslation(""));
    trace::Trace t;
    if (argc == 1)
        return t.run(std::cin, std::cout, std::cerr) == 0 ? 0 : 1;
    const std::string_view mode = argv[1];
    if (argc != 3 || (mode != "--replay" && mode != "--check")) {
        std::cerr << kUsage;
        return mode == "--help" && argc == 2 ? 0 : 2;
    }
    const std::string_view name = argv[2];
    if (name == "-")
        return t.replay(std::cin, "standard input", std::cout, std::cerr, mode == "--check");
    std::error_code error;
    std::ifstream file(argv[2], std::ios::binary);
    if (!file || std::filesystem::is_directory(argv[2], error)) {
        std::cerr << name << ": cannot be read\n";
        return 2;
    }
    return t.replay(file, name, std::cout, std::cerr, mode == "--check");
}
