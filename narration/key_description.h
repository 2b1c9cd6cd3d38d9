#pragma once

#include <string>

#include "narration/spoken_text.h"

namespace orvane {

// What a keypad button's description says, in the user's language: what it
// does, ending with the keyboard key that does the same ("Key: S"), so that
// where-am-I and Tab teach the keys. The keys are those of Form_KeyDown's
// table and of the window's commands.
std::u16string ButtonDescription(const SpokenText& words, int number);

}  // namespace orvane
