// The sound routine: what it plays, what it says, and what it keeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/catalog.h"
#include "flow/module1.h"
#include "tools/trace/scripted_host.h"

namespace {

using trace::ScriptedHost;

TEST(Module1, PlaysEveryClipFromItsOwnBuffer) {
    ScriptedHost host;
    flow::Module1 module1(host);
    for (int id = 1; id <= 8; ++id) {
        SCOPED_TRACE(id);
        module1.PlayClip(id, "RESTYPE");
        ASSERT_EQ(host.clips.back(), id);
        const auto wave = assets::clipWave(id);
        EXPECT_EQ(module1.buffer().size(), wave.size());
        EXPECT_EQ(host.waveSizes.back(), wave.size()) << "the whole wave image is handed over";
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST(Module1, FailuresKeepTheClipThatIsPlaying) {
    struct Row {
        const char* name;
        tk::Value id;
        const char* type;
        int scriptedError;  // -1: none scripted
        bool message;
        bool bufferKept;
    } rows[] = {
        {"clip 9 does not exist", 9, "RESTYPE", -1, true, true},
        {"clip 0 does not exist", 0, "RESTYPE", -1, true, true},
        {"another resource type", 1, "WAVE", -1, true, true},
        {"a clip named by text", "3", "RESTYPE", -1, true, true},
        {"any other load error is silent", 3, "RESTYPE", 7, false, true},
        {"an empty result is silent and empties the buffer", 3, "RESTYPE", 0, false, false},
        {"a number too large for an id is silent", 1e12, "RESTYPE", -1, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedHost host;
        flow::Module1 module1(host);
        module1.PlayClip(2, "RESTYPE");
        host.clearRecords();
        if (row.scriptedError >= 0)
            host.failNextLoad(row.scriptedError);
        module1.PlayClip(row.id, row.type);
        EXPECT_TRUE(host.clips.empty()) << "nothing new is played";
        EXPECT_EQ(host.messages, row.message
                                     ? std::vector<std::string>{flow::kMissingResourceMessage}
                                     : std::vector<std::string>{});
        EXPECT_EQ(module1.buffer().size(), row.bufferKept ? assets::clipWave(2).size() : 0u);
    }
}

TEST(Module1, TheStrokeCuesSingleIdTakesItsWholeValue) {
    struct Row {
        float id;
        int clip;
    } rows[] = {{1.0f, 1}, {4.0f, 4}, {2.5f, 2}, {3.5f, 4}};  // a fraction rounds half to even
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        ScriptedHost host;
        flow::Module1 module1(host);
        module1.PlayClip(tk::Value(row.id), "RESTYPE");
        EXPECT_EQ(host.clips, std::vector<int>{row.clip});
    }
}

}  // namespace
