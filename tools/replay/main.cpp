// orvane-replay: drives the calculator engine headless. One event per line on
// standard input (CommandN, key CODE MASK, mnuSikicopy, mnuKotaecopy, Command
// KEY for a command of the window by its key as the table writes it, Paste
// TEXT for the rest of the line pasted); one line of displays and clipboard
// per event on standard output, or with --spoken TRANSLATIONS what is said
// of each. --keys writes the window's commands instead.
#include <cstring>
#include <fstream>
#include <iostream>

#include "tools/replay/replay_session.h"

int main(int argc, char** argv) {
    bool lastOnly = false;
    const char* spoken = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--last") == 0) {
            lastOnly = true;
        } else if (std::strcmp(argv[i], "--keys") == 0) {
            orvane::WriteCommandKeys(std::cout);
            return 0;
        } else if (std::strcmp(argv[i], "--spoken") == 0 && i + 1 < argc) {
            spoken = argv[++i];
        } else {
            std::cerr
                << "usage: orvane-replay [--last | --spoken TRANSLATIONS] < events, or --keys\n";
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    if (spoken) {
        std::ifstream translations(spoken);
        return orvane::ReplaySpoken(std::cin, translations, std::cout, std::cerr);
    }
    return orvane::ReplayEvents(std::cin, std::cout, std::cerr, lastOnly);
}
