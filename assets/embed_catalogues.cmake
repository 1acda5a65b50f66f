# Writes the compiled message catalogues into one C++ source: cmake -DOUTPUT=<file.cpp>
# -DCATALOGUES="en=<en.mo>;..." -P embed_catalogues.cmake
set(arrays "")
set(rows "")
foreach(entry IN LISTS CATALOGUES)
    string(REGEX MATCH "^([a-zA-Z_]+)=(.*)$" matched "${entry}")
    set(code ${CMAKE_MATCH_1})
    file(READ "${CMAKE_MATCH_2}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){24})" "\\1\n    " bytes "${bytes}")
    string(APPEND arrays "const std::uint8_t k_${code}[] = {\n    ${bytes}\n};\n")
    string(APPEND rows "    {\"${code}\", k_${code}},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made at build time from po/*.po: do not edit.
#include \"assets/embedded_translations.h\"

#include <cstdint>

namespace assets {
namespace {
${arrays}
const tk::EmbeddedCatalogue kCatalogues[] = {
${rows}};
}  // namespace

std::span<const tk::EmbeddedCatalogue> translationCatalogues() { return kCatalogues; }

}  // namespace assets
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
