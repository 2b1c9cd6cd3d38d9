#pragma once

class QCoreApplication;

namespace orvane {

// Puts what screen readers say of the window (names and descriptions of the
// controls) into the user's language, as the system locale's list of
// languages asks: the first language the program has is taken, English being
// the language of the source texts. The captions, tooltips and messages on
// screen are the same in every language.
void InstallTranslations(QCoreApplication& app);

}  // namespace orvane
