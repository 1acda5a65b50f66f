// One run of the game: a host, the sound routine on it and the main window on both, built in
// that order and taken down in the reverse. The host's own arguments pass straight through.
#pragma once

#include <utility>

#include "engine/flow/main_window.h"
#include "engine/flow/module1.h"

namespace flow {

template <typename HostType>
struct Session {
    template <typename... HostArgs>
    explicit Session(HostArgs&&... hostArgs) : host(std::forward<HostArgs>(hostArgs)...) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    HostType host;
    Module1 module1{host};
    MainWindow form{host, module1};
};

}  // namespace flow
