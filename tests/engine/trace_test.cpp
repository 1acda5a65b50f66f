// The headless driver: replays the fixtures and checks the state it prints, and survives any
// input.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tools/trace/trace.h"

namespace {

// The raw JSON text of one key's value in a flat or nested object ("man.Left" goes one level
// down).
std::string field(const std::string& json, const std::string& path) {
    const auto dot = path.find('.');
    if (dot != std::string::npos)
        return field(field(json, path.substr(0, dot)), path.substr(dot + 1));
    const std::string key = "\"" + path + "\":";
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (depth == 1 && c == '"' && json.compare(i, key.size(), key) == 0) {
            std::size_t end = i + key.size();
            int inner = 0;
            bool str = false;
            for (; end < json.size(); ++end) {
                const char d = json[end];
                if (str) {
                    if (d == '\\')
                        ++end;
                    else if (d == '"')
                        str = false;
                } else if (d == '"') {
                    str = true;
                } else if (d == '{' || d == '[') {
                    ++inner;
                } else if (d == '}' || d == ']') {
                    if (inner == 0)
                        break;
                    --inner;
                } else if (d == ',' && inner == 0) {
                    break;
                }
            }
            return json.substr(i + key.size(), end - i - key.size());
        }
        if (c == '"')
            inString = true;
        else if (c == '{' || c == '[')
            ++depth;
        else if (c == '}' || c == ']')
            --depth;
    }
    return "<missing " + path + ">";
}

struct Replay {
    std::vector<std::string> lines;
    std::string errors;
    int bad = 0;
};

Replay replay(const std::string& fixture) {
    std::ifstream in(std::string(SMASHBOL_FIXTURES) + "/" + fixture);
    EXPECT_TRUE(in) << fixture;
    trace::Trace t;
    std::ostringstream out, err;
    Replay r;
    r.bad = t.run(in, out, err);
    r.errors = err.str();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        r.lines.push_back(line);
    return r;
}

struct Expect {
    std::size_t line;
    const char* path;
    const char* json;
};

TEST(Trace, ReplaysTheFixtures) {
    struct Row {
        const char* fixture;
        std::size_t prints;
        std::vector<Expect> expects;
    } rows[] = {
        {"intro_then_easy.trace", 3, {{0, "clips", "[6]"},         {0, "menuVisible", "false"},
                                      {0, "Text1", "\"45\""},      {0, "nextHitter", "null"},
                                      {1, "clips", "[2]"},         {1, "windowHeightAdded", "200"},
                                      {1, "Text1", "\"50\""},      {1, "Timer4", "true"},
                                      {1, "ball.Top", "1050"},     {1, "man.Picture", "\"n\""},
                                      {1, "pc.Picture", "\"pn\""}, {2, "man.Left", "1777.5"},
                                      {2, "pc.Left", "1777.5"},    {2, "ball.Left", "1927.5"},
                                      {2, "ball.Top", "650"},      {2, "Label4Visible", "true"},
                                      {2, "pcStep", "\"45\""},     {2, "ballStepY", "80"},
                                      {2, "Timer1", "false"},      {2, "Timer4", "false"}}},
        {"set_won_at_six_four.trace",
         2,
         {{0, "clips", "[6,2,2]"},
          {0, "Timer1", "true"},
          {1, "Label9", "\"1\""},
          {1, "Label2", "\"0\""},
          {1, "Label4", "\"0\""},
          {1, "clips", "[8,7,2]"},
          {1, "sleeps", "[700]"},
          {1, "pcStep", "50"},
          {1, "ballStepX", "40"},
          {1, "ballDirX", "\"rovne\""},
          {1, "ball.Top", "3160"}}},
        {"pause_and_resume.trace",
         3,
         {{0, "Timer1", "false"},
          {0, "Timer2", "false"},
          {0, "ball.Top", "1100"},
          {1, "ball.Top", "1100"},
          {2, "Timer1", "true"},
          {2, "ball.Top", "1400"}}},
        {"match_played_out.trace",
         5,
         {{0, "Label9", "\"2\""},
          {0, "Label12", "\"\""},
          {1, "Label12", "\"Vyhrál jsi !!!!\""},
          {1, "Timer1", "false"},
          {1, "man.Visible", "false"},
          {1, "ball.Visible", "false"},
          {2, "Timer1", "true"},
          {2, "Timer2", "true"},
          {3, "Timer1", "false"},
          {4, "Timer1", "false"},
          {4, "clips", "[]"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fixture);
        const Replay r = replay(row.fixture);
        EXPECT_EQ(r.bad, 0) << r.errors;
        ASSERT_EQ(r.lines.size(), row.prints);
        for (const Expect& e : row.expects) {
            EXPECT_EQ(field(r.lines[e.line], e.path), e.json)
                << "print " << e.line << ", " << e.path;
        }
    }
}

TEST(Trace, ReportsEveryLineItCannotReadAndGoesOn) {
    const Replay r = replay("bad_input.trace");
    EXPECT_EQ(r.bad, 7);
    for (int line : {2, 3, 4, 5, 6, 7, 8}) {
        EXPECT_NE(r.errors.find("line " + std::to_string(line) + ":"), std::string::npos) << line;
    }
    ASSERT_EQ(r.lines.size(), 1u) << "the run went on to the print";
    EXPECT_EQ(field(r.lines[0], "clips"), "[6]");
}

TEST(Trace, PrintsEveryKeyOnce) {
    trace::Trace t;
    const std::string json = t.stateJson();
    for (const char* key : {"man",
                            "pc",
                            "ball",
                            "Label1",
                            "Label2",
                            "Label3",
                            "Label4",
                            "Label9",
                            "Label11",
                            "Label12",
                            "Label4Visible",
                            "Text1",
                            "windowEnlarged",
                            "manKeyDir",
                            "ballStepY",
                            "nextHitter",
                            "ballDirX",
                            "pcStep",
                            "ballStepX",
                            "pcMoveDir",
                            "ballDirY",
                            "Timer1",
                            "Timer2",
                            "Timer4",
                            "menuVisible",
                            "infoVisible",
                            "infoEnabled",
                            "windowHeightAdded",
                            "clips",
                            "sleeps",
                            "msgbox"}) {
        EXPECT_EQ(field(json, key).rfind("<missing", 0), std::string::npos) << key;
    }
    EXPECT_EQ(field(json, "man.BackColor"), "33023") << "RGB(255, 128, 0) as a number";
}

TEST(Trace, SurvivesRandomInput) {
    // Lines built from the script's own words and numbers, in any order, plus junk bytes.
    const std::vector<std::string> words = {"load",
                                            "print",
                                            "click splash",
                                            "click label",
                                            "menu easy",
                                            "menu med",
                                            "menu hard",
                                            "menu exit",
                                            "menu hra",
                                            "menu about",
                                            "keydown 37",
                                            "keydown 39",
                                            "keydown 80",
                                            "keyup 37",
                                            "tick1 7",
                                            "tick2 3",
                                            "tick4 11",
                                            "rnd 0.5 0.99",
                                            "set ball.Top -1",
                                            "set ball.Left 4000",
                                            "set pcStep \"abc\"",
                                            "set Label9.Caption \"2\"",
                                            "set man.Picture l2",
                                            "set ballStepX 2147483647",
                                            "set ballDirX \"left\"",
                                            "set nextHitter \"man\"",
                                            "tick1 99999999999999999999",
                                            "\x01\xff",
                                            "set",
                                            "set man.Left 1e39",
                                            "rnd nan",
                                            "keydown 70000"};
    std::mt19937 random(2002);
    std::ostringstream script;
    for (int i = 0; i < 3000; ++i)
        script << words[random() % words.size()] << "\n";
    std::istringstream in(script.str());
    trace::Trace t;
    std::ostringstream out, err;
    t.run(in, out, err);
    EXPECT_FALSE(out.str().empty());
    EXPECT_EQ(out.str().find("nan"), std::string::npos) << "no position became NaN";
}

}  // namespace
