#pragma once

class QMenuBar;

namespace orvane {

// Gives the menus of the menu bar and their items, found by their object
// names, a name and a description of their own for screen readers, in the
// user's language. The captions on screen stay as they are; Qt would
// otherwise offer only the caption as the name and no description at all.
void DescribeMenus(QMenuBar* bar);

}  // namespace orvane
