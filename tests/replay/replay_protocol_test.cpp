#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <vector>

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
                            "key a 0", "key 5 0 0", "key -5 0", "mnuEnd", "Command05x", "5",
                            "Command F9", "Command Ctrl+v", "Paste"}) {
        const ReplayRun run = Replay(std::string("Command4\n\n") + bad + "\nCommand5\n");
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_NE(run.err.find("line 3"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
        EXPECT_EQ(run.out.find("15"), std::string::npos) << "went on after the bad line: " << bad;
    }
}

// The window's commands by their keys as the table writes them, and a
// pasted text: all of it or, refused, nothing.
TEST(ReplayProtocol, CommandsAndPastes) {
    struct Row {
        const char* events;
        const char* last;
    };
    const Row rows[] = {
        {"Command S\nkey 51 0\nkey 48 0\n", "Sin30\t＝"},
        {"Command Shift+S\nCommand P\nCommand R\n", "Arcsinπ√\t＝"},
        {"Paste 2+3*4\nCommand =\n", "2+3*4\t14"},
        {"Paste (1+2) × 3 \n", "(1+2)*3\t＝"},
        {"Command4\nPaste 172 apples\n", "1\t＝"},
        {"Command4\nPaste 2)\n", "1\t＝"},
        {"Command4\nCommand F2\n", "1\t＝"},
        {"Paste 2*3\nCommand =\nCommand M\nCommand2\nCommand L\n", "M1\t＝\t6"},
        {"Paste 1+2\nmnuSikicopy\nCommand2\nCommand Ctrl+V\nCommand Shift+Insert\n", "1+21+2\t＝"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Replay(row.events, true).out.rfind(row.last, 0), 0u)
            << row.events << " gave " << Replay(row.events, true).out;
    }
}

// What the user types, copied, cleared and pasted back: the expression the
// same, and = the same answer. The expressions come from the seed sequences'
// entry keys, cut, repeated and shuffled.
TEST(ReplayRoundTrip, CopyClearPasteGivesTheSameExpressionAndAnswer) {
    std::ifstream seeds(ORVANE_SEED_SEQUENCES);
    std::vector<std::vector<int>> sequences;
    for (std::string line; std::getline(seeds, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream numbers(line);
        std::vector<int> keys;
        // Entry keys only: evaluation, correction and storing write displays
        // that no typing gives, such as the ")" evaluation owes a minus.
        for (int n; numbers >> n;) {
            if ((n >= 3 && n <= 19) || (n >= 27 && n <= 28) || (n >= 31 && n <= 42))
                keys.push_back(n);
        }
        sequences.push_back(keys);
    }
    ASSERT_GE(sequences.size(), 10u);
    const std::string memories =
        "Command5\nCommand16\nCommand6\nCommand1\nCommand25\nCommand26\nCommand2\n";
    std::mt19937 random(2026);
    for (int run = 0; run < 2000; ++run) {
        std::vector<int> keys = sequences[random() % sequences.size()];
        const std::vector<int>& other = sequences[random() % sequences.size()];
        keys.insert(keys.begin() + random() % (keys.size() + 1), other.begin(), other.end());
        std::shuffle(keys.begin() + random() % (keys.size() + 1), keys.end(), random);
        keys.resize(random() % (keys.size() + 1));
        std::string typed = memories;
        for (int key : keys) typed += "Command" + std::to_string(key) + "\n";
        const std::string once = Replay(typed + "mnuSikicopy\n", true).out;
        const std::string pasted =
            Replay(typed + "mnuSikicopy\nCommand2\nCommand Ctrl+V\n", true).out;
        const auto expression = [](const std::string& line) {
            return line.substr(0, line.find('\t'));
        };
        ASSERT_EQ(expression(pasted), expression(once)) << typed;
        ASSERT_EQ(Replay(typed + "mnuSikicopy\nCommand2\nCommand Ctrl+V\nCommand =\n", true).out,
                  Replay(typed + "mnuSikicopy\nCommand1\n", true).out)
            << typed;
    }
}

}  // namespace
}  // namespace orvane
