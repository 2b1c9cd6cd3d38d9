#pragma once

class QWidget;

namespace orvane {

struct AboutLines;

// The About box as a screen reader reads it, in the user's language: its
// title, its labels, and a description that says the version and every
// other line. Screen readers read out a dialog's description as it opens,
// but its loose labels instead when any has three words or more, which
// would leave out the version line and, in Japanese, every line; so the
// labels are tied to the box. The version line's half-width katakana a
// voice for another language could only spell out anyway.
void DescribeAboutBox(QWidget* box, const AboutLines& about);

}  // namespace orvane
