// Coverage-guided fuzzing of the engine: the input bytes become a sequence of
// clicks, copies and key-downs; the record must stay consistent after every
// event and no exception may escape a handler.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "entry/invariants.h"
#include "entry/saved_record.h"
#include "record/calculator.h"
#include "tests/support/event_bytes.h"

namespace {

[[noreturn]] void Stop(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orvane::NoDisplay sink;
    orvane::Calculator calculator(sink);
    calculator.Form_Load();
    std::size_t at = 0;
    while (at < size) {
        try {
            at += orvane::RunEventFromBytes(calculator, data + at, size - at);
        } catch (const std::exception& e) {
            Stop("exception escaped an event handler", e.what());
        } catch (...) {
            Stop("exception escaped an event handler", "unknown");
        }
        const std::string violation = orvane::FindInvariantViolation(calculator);
        if (!violation.empty()) Stop("invariant broken", violation);
    }
    // The same bytes as a kept record's body, sealed, so that what is fuzzed
    // is the reader and the checks behind it: a record taken back must save
    // as one that is taken back again.
    const std::string body(reinterpret_cast<const char*>(data), size);
    if (orvane::RestoreRecord(calculator, orvane::SealRecord(body))) {
        orvane::NoDisplay other;
        orvane::Calculator again(other);
        if (!orvane::RestoreRecord(again, orvane::SaveRecord(calculator)))
            Stop("a record taken back", body);
    }
    return 0;
}
