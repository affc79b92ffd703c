#pragma once
// What the program does before it makes its windows: its names, the toolkit's Russian texts,
// the common error box and, installed, the first start in the user's data folder. tevo and the
// screenshot tool start the same way.
class QTranslator;

namespace tevo {

// The application object must exist; the translator must live as long as it.
void prepareStart(QTranslator &translator);

} // namespace tevo
