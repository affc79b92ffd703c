#pragma once
// The automatic-loading dialog: the watched file, the check period and the three switches.
// Closing it, in any way, stores the settings and sets the watch timer; a watched-file name
// that Windows-1251 cannot hold is refused and the dialog stays open.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tevo {

class AutoLoader;

class AutoLoadDialog : public QDialog {
    Q_OBJECT
public:
    explicit AutoLoadDialog(QWidget *parent = nullptr);

    // The loader whose settings the dialog edits; its creation step runs here.
    void setLoader(AutoLoader *loader);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onBrowseClicked();
    void fillFromLoader();
    bool fileNameStorable();

    AutoLoader *m_loader = nullptr;
    QLineEdit *m_fileEdit = nullptr;
    QPushButton *m_browseButton = nullptr;
    QSpinBox *m_periodSpin = nullptr;
    QCheckBox *m_loadToScalesBox = nullptr;
    QCheckBox *m_enableBox = nullptr;
    QCheckBox *m_changedOnlyBox = nullptr;
    QCheckBox *m_clearBox = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace tevo
