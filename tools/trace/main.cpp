#include <iostream>

#include "tools/trace/trace.h"

int main() {
    std::ios::sync_with_stdio(false);
    trace::Trace t;
    const int bad = t.run(std::cin, std::cout, std::cerr);
    return bad == 0 ? 0 : 1;
}
