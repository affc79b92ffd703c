#pragma once
// The goods tab: the transfer strip over the goods grid, whose number column takes a typed
// goods number (the number search), and the hidden line buffer of the imports.
#include "shell/NumberSearch.h"
#include "shell/TransferTab.h"

class QPlainTextEdit;

namespace tevo {

class GoodsTab : public TransferTab {
    Q_OBJECT
public:
    GoodsTab(Table &goods, OperationGuard &guard, QWidget *parent = nullptr);

    // The goods number typed so far.
    const QString &numberSearchText() const { return m_numberSearch.text(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A character typed into the grid; true when the number search took it.
    bool takeSearchKey(QKeyEvent *event);

    NumberSearch m_numberSearch;
    QPlainTextEdit *m_lineBuffer = nullptr;
};

} // namespace tevo
