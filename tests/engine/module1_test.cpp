// The sound routine: what it plays, what it says, and what it keeps.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "assets/catalog.h"
#include "engine/flow/module1.h"
#include "tools/trace/scripted_host.h"

namespace {

TEST(Module1, PlaysAClipByItsWholeNumberAndKeepsTheOldOneOnAnyFailure) {
    struct Row {
        const char* name;
        tk::Value id;
        const char* type;
        int scriptedError;  // -1: none scripted
        int played;         // 0: none
        bool message;
        std::size_t buffer;  // the buffer afterwards, as a clip number; 0: empty
    } rows[] = {
        {"clip 1", 1, "RESTYPE", -1, 1, false, 1},
        {"clip 8", 8, "RESTYPE", -1, 8, false, 8},
        {"a single takes its whole value", 4.0f, "RESTYPE", -1, 4, false, 4},
        {"half rounds to even, down", 2.5f, "RESTYPE", -1, 2, false, 2},
        {"half rounds to even, up", 3.5f, "RESTYPE", -1, 4, false, 4},
        {"clip 9 does not exist", 9, "RESTYPE", -1, 0, true, 6},
        {"clip 0 does not exist", 0, "RESTYPE", -1, 0, true, 6},
        {"another resource type", 1, "WAVE", -1, 0, true, 6},
        {"a clip named by text", "3", "RESTYPE", -1, 0, true, 6},
        {"any other load error is silent", 3, "RESTYPE", 7, 0, false, 6},
        {"an empty result is silent and empties the buffer", 3, "RESTYPE", 0, 0, false, 0},
        {"a number too large for an id is silent", 1e12, "RESTYPE", -1, 0, false, 6},
        {"the lowest whole number is read, and is no clip", std::numeric_limits<int>::min(),
         "RESTYPE", -1, 0, true, 6},
        {"nor is the largest", std::numeric_limits<int>::max(), "RESTYPE", -1, 0, true, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        trace::ScriptedHost host;
        flow::Module1 module1(host);
        module1.PlayClip(6, "RESTYPE");
        host.clearRecords();
        if (row.scriptedError >= 0)
            host.failNextLoad(row.scriptedError);
        module1.PlayClip(row.id, row.type);
        EXPECT_EQ(host.clips, row.played ? std::vector<int>{row.played} : std::vector<int>{});
        EXPECT_EQ(host.loads.empty(),
                  row.id.isText() || row.id.number() > std::numeric_limits<int>::max())
            << "no load for a text or a number out of range";
        if (row.played) {
            EXPECT_EQ(host.waveSizes.back(), assets::clipWave(row.played).size()) << "all of it";
        }
        EXPECT_EQ(host.messages, row.message
                                     ? std::vector<std::string>{flow::kMissingResourceMessage}
                                     : std::vector<std::string>{});
        EXPECT_EQ(module1.buffer().size(),
                  row.buffer ? assets::clipWave(static_cast<int>(row.buffer)).size() : 0u);
    }
}

}  // namespace
