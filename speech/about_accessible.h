#pragma once

class QWidget;

namespace orvane {

// The About box as a screen reader reads it, in the user's language: its
// title, its labels, and a description that says the version. Screen
// readers read out a dialog's description as it opens, but not labels of
// fewer than three words such as the version line, whose half-width
// katakana a voice for another language could only spell out anyway.
void DescribeAboutBox(QWidget* box);

}  // namespace orvane
