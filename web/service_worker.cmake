# Writes the site's service worker, sw.js, from its template: the list of every other file in
# SITE, and the build's name, the first 16 hex digits of a SHA-256 over those files, each given
# as a line "NAME SHA256-OF-ITS-BYTES". The worker computes the same over what it fetched, so a
# build is kept whole or not at all. Run again over a changed site, it names a new build.
#   cmake -DSITE=build-web/site -DTEMPLATE=web/page/sw.js -P web/service_worker.cmake
if(NOT IS_DIRECTORY "${SITE}" OR NOT EXISTS "${TEMPLATE}")
    message(FATAL_ERROR "usage: cmake -DSITE=<site folder> -DTEMPLATE=<sw.js template> -P service_worker.cmake")
endif()
file(GLOB names RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM names sw.js)
list(SORT names)
set(lines "")
set(FILES "")
foreach(name ${names})
    file(SHA256 "${SITE}/${name}" hash)
    string(APPEND lines "${name} ${hash}\n")
    string(APPEND FILES "${name} ")
endforeach()
string(SHA256 whole "${lines}")
string(SUBSTRING "${whole}" 0 16 BUILD)
string(STRIP "${FILES}" FILES)
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
