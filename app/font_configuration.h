#pragma once

namespace orvane {

// Loads the system's font configuration for the whole program, before Qt
// would, and more cheaply (see the definition). Call once, first thing in
// main(); the fonts and rules in force are exactly those Qt would load.
void LoadFontConfiguration();

}  // namespace orvane
