#pragma once
// Small factories for named controls: every control carries its designed name as object name.
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tevo {

QPushButton *namedButton(const char *name, const QString &caption);
QLineEdit *namedEdit(const char *name, const QString &text = {});
// A label for `buddy`, named after it ("<buddy>Label").
QLabel *buddyLabel(const QString &text, QWidget *buddy);
QFrame *namedPanel(const char *name);

// The top strip of the goods and messages tabs: a range edit with its label above and the
// "current" and "all" buttons under it, the write and read buttons, the stop button at the
// right and a thin progress bar across the bottom.
struct TransferStrip {
    QFrame *panel = nullptr;
    QLineEdit *range = nullptr;
    QPushButton *one = nullptr, *all = nullptr, *write = nullptr, *read = nullptr, *stop = nullptr;
    QProgressBar *progress = nullptr;
};

struct TransferStripNames {
    const char *panel, *range, *one, *all, *write, *read, *stop, *progress;
    QString oneCaption, writeCaption, readCaption;
};

TransferStrip makeTransferStrip(const TransferStripNames &names);

class TableGrid;
// A grid of the goods or messages tab: cream ground, teal titles with cream lettering.
TableGrid *makeCreamGrid(const QString &name);

} // namespace tevo
