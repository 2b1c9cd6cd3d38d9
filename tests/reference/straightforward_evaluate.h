#pragma once

#include <optional>

#include "record/calculator_state.h"

namespace orvane::testing {

// What the evaluate key showed: the captions it set, if any.
struct EvaluateOutcome {
    std::optional<Text> label1;
    std::optional<Text> label2;
};

// The evaluate key done the plain way, one slot at a time, exactly as the
// behaviour is written: every search walks the slots, every sweep visits
// every slot of its range. The engine's faster evaluation must leave the
// record and the displays exactly as this does, failures and quirks included.
EvaluateOutcome StraightforwardEvaluateKey(CalculatorState& state);

}  // namespace orvane::testing
