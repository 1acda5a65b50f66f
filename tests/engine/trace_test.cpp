// Every script in tests/fixtures replayed by the headless driver: what it prints and the lines it
// cannot read, in order, must be what the script's .expected file holds. The comments in each
// script say what it plays. After a change that alters the states on purpose, rewrite the files
// and read the difference before committing it:
//   SMASHBOL_REWRITE_FIXTURES=1 build/tests/engine/engine_tests --gtest_filter=Trace.*
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/trace/trace.h"

namespace {

TEST(Trace, ReplaysEveryFixture) {
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SMASHBOL_FIXTURES)) {
        std::filesystem::path path = entry.path();
        if (path.extension() != ".trace")
            continue;
        SCOPED_TRACE(path.filename().string());
        std::ifstream script(path);
        std::ostringstream out;
        trace::Trace().run(script, out, out);
        path.replace_extension(".expected");
        if (std::getenv("SMASHBOL_REWRITE_FIXTURES"))
            std::ofstream(path) << out.str();
        std::stringstream want;
        want << std::ifstream(path).rdbuf();
        EXPECT_EQ(out.str(), want.str());  // a failure shows the lines that differ
        ++replayed;
    }
    EXPECT_GE(replayed, 10);
}

}  // namespace
