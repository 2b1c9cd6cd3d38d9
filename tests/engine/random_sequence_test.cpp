#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "entry/invariants.h"
#include "tests/engine/key_sequence.h"
#include "tests/support/event_bytes.h"

namespace orvane::testing {
namespace {

// Random key sequences, seeded so that a failure can be replayed: the record
// and the displays must stay in step after every single event.
TEST(RandomSequences, KeepTheRecordConsistentAfterEveryEvent) {
    std::mt19937 random(20261207);
    for (int run = 0; run < 3000; ++run) {
        Keypad pad;
        std::vector<std::uint8_t> bytes(random() % 120 + 1);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        std::size_t at = 0;
        while (at < bytes.size()) {
            at += RunEventFromBytes(pad.calculator, bytes.data() + at, bytes.size() - at);
            const std::string violation = FindInvariantViolation(pad.calculator);
            ASSERT_EQ(violation, "") << "run " << run << " after byte " << at;
        }
    }
}

}  // namespace
}  // namespace orvane::testing
