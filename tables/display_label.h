#pragma once

namespace orvane {

// The four displays of the calculator window, as the engine shows them and
// the tables name them.
enum class Label { Expression = 1, Answer = 2, Memory1 = 3, Memory2 = 4 };

}  // namespace orvane
