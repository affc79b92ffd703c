#include "shell/Controls.h"
#include "shell/ShellStyle.h"
#include "shell/TableGrid.h"

#include <QHeaderView>

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tevo {

QPushButton *namedButton(const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLineEdit *namedEdit(const char *name, const QString &text)
{
    auto *e = new QLineEdit(text);
    e->setObjectName(QLatin1String(name));
    return e;
}

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text);
    l->setObjectName(buddy->objectName() + QStringLiteral("Label"));
    l->setBuddy(buddy);
    return l;
}

QFrame *namedPanel(const char *name)
{
    auto *f = new QFrame;
    f->setObjectName(QLatin1String(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

TransferStrip makeTransferStrip(const TransferStripNames &n)
{
    TransferStrip s;
    s.panel = namedPanel(n.panel);
    // Empty until the user types a range (or the last one comes back): nothing is sent that
    // the user did not ask for; the example shows how a range is written.
    s.range = namedEdit(n.range, QString());
    s.range->setPlaceholderText(QStringLiteral("1-5, 7-8"));
    s.range->setToolTip(QCoreApplication::translate(
        "tevo::Controls",
        "Внимание, после запятых обязательно должны идти пробелы, после тире - не должно быть пробелов"));
    s.range->setFixedWidth(170);
    s.one = namedButton(n.one, n.oneCaption);
    s.all = namedButton(n.all, QCoreApplication::translate("tevo::Controls", "Все"));
    s.write = namedButton(n.write, n.writeCaption);
    s.read = namedButton(n.read, n.readCaption);
    s.stop = namedButton(n.stop, QCoreApplication::translate("tevo::Controls", "Прекратить обмен с весами"));
    s.progress = new QProgressBar;
    s.progress->setObjectName(QLatin1String(n.progress));
    s.progress->setRange(0, 100);
    s.progress->setValue(0);
    s.progress->setTextVisible(false);
    s.progress->setFixedHeight(8);

    auto *rangeColumn = new QVBoxLayout;
    rangeColumn->setSpacing(2);
    rangeColumn->addWidget(buddyLabel(QCoreApplication::translate("tevo::Controls", "Диапазон для загрузки"), s.range));
    rangeColumn->addWidget(s.range);
    auto *smallButtons = new QHBoxLayout;
    smallButtons->addWidget(s.one);
    smallButtons->addWidget(s.all);
    rangeColumn->addLayout(smallButtons);

    auto *row = new QHBoxLayout;
    row->addLayout(rangeColumn);
    row->addSpacing(12);
    row->addWidget(s.write, 0, Qt::AlignVCenter);
    row->addWidget(s.read, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(s.stop, 0, Qt::AlignVCenter);

    auto *strip = new QVBoxLayout(s.panel);
    strip->setContentsMargins(6, 4, 6, 2);
    strip->setSpacing(4);
    strip->addLayout(row);
    strip->addWidget(s.progress);
    return s;
}

TableGrid *makeCreamGrid(const QString &name)
{
    auto *grid = new TableGrid;
    grid->setObjectName(name);
    grid->horizontalHeader()->setStyleSheet(style::gridTitleStyle(style::kCream));
    QPalette p = grid->palette();
    p.setColor(QPalette::Base, style::kCream);
    grid->setPalette(p);
    return grid;
}

} // namespace tevo
