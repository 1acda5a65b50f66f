// Every script in tests/fixtures replayed by the headless driver: what it prints and the lines it
// cannot read, in order, must be what the script's .expected file holds. The comments in each
// script say what it plays. After a change that alters the states on purpose, rewrite the files
// and read the difference before committing it:
//   SMASHBOL_REWRITE_FIXTURES=1 build/tests/engine/engine_tests --gtest_filter=Trace.*
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/trace/trace.h"

namespace {

std::vector<std::string> linesOf(std::istream&& in) {
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Where two printed states part: the field that differs, for a readable failure.
std::string difference(const std::string& got, const std::string& want) {
    std::size_t at = 0;
    while (at < got.size() && at < want.size() && got[at] == want[at])
        ++at;
    const std::size_t field =
        want.rfind(",\"", at) == std::string::npos ? 0 : want.rfind(",\"", at);
    return "expected " + want.substr(field, at - field + 30) + "\n     got " +
           got.substr(field, at - field + 30);
}

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
        const auto got = linesOf(std::istringstream(out.str()));
        const auto want = linesOf(std::ifstream(path));
        EXPECT_EQ(got.size(), want.size()) << "lines printed";
        for (std::size_t i = 0; i < std::min(got.size(), want.size()); ++i)
            EXPECT_TRUE(got[i] == want[i])
                << "line " << i + 1 << ": " << difference(got[i], want[i]);
        ++replayed;
    }
    EXPECT_GE(replayed, 10);
}

}  // namespace
