// orvane-replay: drives the calculator engine headless. One event per line on
// standard input (CommandN, key CODE MASK, mnuSikicopy, mnuKotaecopy); one
// line of displays and clipboard per event on standard output.
#include <cstring>
#include <iostream>

#include "tools/replay/replay_session.h"

int main(int argc, char** argv) {
    bool lastOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--last") == 0) {
            lastOnly = true;
        } else {
            std::cerr << "usage: orvane-replay [--last] < events\n";
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    return orvane::ReplayEvents(std::cin, std::cout, std::cerr, lastOnly);
}
