#include "desktop/sdl/sdl_library.h"

#include <dlfcn.h>

namespace tksdl {

namespace {

bool load(Sdl& api) {
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return false;
    bool all = true;
#define TKSDL_FIND(name)                                                           \
    api.name = reinterpret_cast<decltype(api.name)>(dlsym(library, "SDL_" #name)); \
    all = all && api.name != nullptr;
    TKSDL_FUNCTIONS(TKSDL_FIND)
#undef TKSDL_FIND
    return all;
}

}  // namespace

const Sdl* sdl() {
    static Sdl api;
    static const bool loaded = load(api);
    return loaded ? &api : nullptr;
}

}  // namespace tksdl
