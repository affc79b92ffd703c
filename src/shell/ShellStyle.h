#pragma once
// Colours and fonts the windows share.
#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace tevo::style {

inline const QColor kPaleGreen(192, 220, 192); // window background
inline const QColor kCream(255, 251, 240);     // goods grid background, title lettering
inline const QColor kTeal(0, 128, 128);        // grid titles
inline const QColor kLime(0, 255, 0);
inline const QColor kYellow(255, 255, 0);

inline QFont windowFont() { return QFont(QStringLiteral("Verdana"), 8); }

// Pale green background for a window or a panel.
void paintPaleGreen(QWidget *w);
// Style sheet of a grid's column titles: teal with the given lettering colour, Verdana.
QString gridTitleStyle(const QColor &lettering);

} // namespace tevo::style
