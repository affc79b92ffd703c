#pragma once
// The about box.
#include <QDialog>

namespace tevo {

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);
};

} // namespace tevo
