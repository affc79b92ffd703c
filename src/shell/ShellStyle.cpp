#include "shell/ShellStyle.h"

#include <QPalette>
#include <QWidget>

namespace tevo::style {

void paintPaleGreen(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kPaleGreen);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QString gridTitleStyle(const QColor &lettering)
{
    return QStringLiteral("QHeaderView::section { background-color: %1; color: %2; font-family: Verdana; "
                          "padding: 2px; border: 1px solid %3; }")
        .arg(kTeal.name(), lettering.name(), kTeal.darker(140).name());
}

} // namespace tevo::style
