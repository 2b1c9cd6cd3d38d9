#include <gtest/gtest.h>

#include <sstream>

#include "tools/replay/replay_session.h"

namespace orvane {
namespace {

struct ReplayRun {
    int status;
    std::string out;
    std::string err;
};

ReplayRun Replay(const std::string& input, bool lastOnly = false) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = ReplayEvents(in, out, err, lastOnly);
    return {status, out.str(), err.str()};
}

const std::string kStartLine = "式\t＝\tMemory 1\tMemory 2\t\n";

TEST(ReplayProtocol, PrintsTheStartAndOneLinePerEvent) {
    const ReplayRun run = Replay("Command5\nCommand14\nCommand6\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kStartLine +
                           "2\t＝\tMemory 1\tMemory 2\t\n"
                           "2+\t＝\tMemory 1\tMemory 2\t\n"
                           "2+3\t＝\tMemory 1\tMemory 2\t\n");
}

TEST(ReplayProtocol, LastPrintsOnlyTheFinalLine) {
    EXPECT_EQ(Replay("Command5\nCommand14\nCommand6\nCommand16\nCommand7\n", true).out,
              "2+3*4\t＝\tMemory 1\tMemory 2\t\n");
    EXPECT_EQ(Replay("", true).out, kStartLine);
}

TEST(ReplayProtocol, SkipsBlankAndCommentLines) {
    const ReplayRun run = Replay("\n# a comment\n   \nCommand4\n\n", false);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kStartLine + "1\t＝\tMemory 1\tMemory 2\t\n");
}

TEST(ReplayProtocol, KeysAndCopiesReachTheCalculator) {
    const ReplayRun run = Replay("key 56 1\nkey 49 0\nkey 187 1\nkey 50 0\nkey 57 1\nmnuSikicopy\n", true);
    EXPECT_EQ(run.out, "(1+2)\t＝\tMemory 1\tMemory 2\t(1+2)\n");
    EXPECT_EQ(Replay("mnuKotaecopy\n", true).out, "式\t＝\tMemory 1\tMemory 2\t＝\n");
}

TEST(ReplayProtocol, UnavailableButtonsDoNothing) {
    for (const char* button : {"Command20", "Command21", "Command43", "Command44", "Command45"}) {
        EXPECT_EQ(Replay(std::string("Command4\n") + button + "\n", true).out,
                  "1\t＝\tMemory 1\tMemory 2\t\n")
            << button;
    }
}

TEST(ReplayProtocol, RejectsAnythingElseNamingTheLine) {
    for (const char* bad : {"Command0", "Command46", "command5", "Command5 x", "Command", "key 5",
                            "key a 0", "key 5 0 0", "key -5 0", "mnuEnd", "Command05x", "5"}) {
        const ReplayRun run = Replay(std::string("Command4\n\n") + bad + "\nCommand5\n");
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
        EXPECT_EQ(run.out.find("15"), std::string::npos) << "went on after the bad line: " << bad;
    }
}

}  // namespace
}  // namespace orvane
