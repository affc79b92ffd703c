#pragma once
// What the program does before it makes its windows: its names, the language of its texts,
// the common error box and, installed, the first start in the user's data folder. tevo and the
// screenshot tool start the same way.
#include <QString>

namespace tevo {

class Language;

// The application object must exist; `language` must live as long as it. The texts are in
// `languageCode` ("ru", "uk", "en") when given, else in the language chosen in the parameters
// tab or the system's (session/Language).
void prepareStart(Language &language, const QString &languageCode = {});

// "--help" (-h) and "--version" (-v) among the arguments: the text printed on standard output,
// and true, before any application object exists (no display is needed); false otherwise, and
// the program starts its window.
bool answeredCommandLine(int argc, char **argv);

} // namespace tevo
