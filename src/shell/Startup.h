#pragma once
// What the program does before it makes its windows: its names, the toolkit's Russian texts,
// the common error box and, installed, the first start in the user's data folder. tevo and the
// screenshot tool start the same way.
class QTranslator;

namespace tevo {

// The application object must exist; the translator must live as long as it.
void prepareStart(QTranslator &translator);

// "--help" (-h) and "--version" (-v) among the arguments: the text printed on standard output,
// and true, before any application object exists (no display is needed); false otherwise, and
// the program starts its window.
bool answeredCommandLine(int argc, char **argv);

} // namespace tevo
