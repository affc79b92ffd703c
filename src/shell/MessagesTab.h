#pragma once
// The messages tab: the transfer strip over the messages grid.
#include "shell/TransferTab.h"

namespace tevo {

class MessagesTab : public TransferTab {
    Q_OBJECT
public:
    MessagesTab(Table &messages, OperationGuard &guard, QWidget *parent = nullptr);
};

} // namespace tevo
