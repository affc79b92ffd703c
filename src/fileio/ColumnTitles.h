#pragma once
// How the columns of T, M and S are titled where people see them: the grids (title, designed
// width, bold, check box), the goods sheets the program writes (title row, widths), the import
// mapping and its report, and "tevo-cli scales". The imports read the titles back from the
// program's own sheets, so they are one list for all of them. Where people see a title it is
// shown in the language of the program (`title`); the sheets the program writes keep the
// Russian titles (`fileTitle`), whatever the language, so that every copy of the program and
// other programs read them back alike.
#include <QString>
#include <QVector>

namespace tevo {

struct ColumnTitle {
    QString name;   // the column, as store/Schema names it
    QString title;  // its title as shown, in the language of the program
    int width = 64; // designed width in the grid, in pixels
    bool bold = false;
    bool checkBox = false; // a "T"/"F" truth value shown as a check box
    QString fileTitle;     // its title in the files the program writes (Russian under any language)
};

QVector<ColumnTitle> goodsColumnTitles();
QVector<ColumnTitle> messagesColumnTitles();
QVector<ColumnTitle> scalesColumnTitles();
// The title of `column` in table "T", "M" or "S" (case-insensitive); an unknown column is
// titled by its name, 64 pixels wide.
ColumnTitle columnTitle(const QString &table, const QString &column);

} // namespace tevo
