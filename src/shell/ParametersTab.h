#pragma once
// The parameters tab: print settings and shop header, logo, barcode, general values (with the
// language of the texts, read at the next start: session/Language), the
// "Поддержка" group (version, data folder, the guide), the weighing state and the sales totals. It gives and takes the
// settings and the header as values, shows the weighing state and the totals it is given, and says which of its buttons
// was clicked; the exchange glue decides what that starts.
#include "commands/ScaleReadouts.h"
#include "commands/SettingsPackets.h"
#include "session/Language.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tevo {

class LcdIndicator;

class ParametersTab : public QWidget {
    Q_OBJECT
public:
    explicit ParametersTab(QWidget *parent = nullptr);

    // The settings as the controls hold them now; throws ConversionError for a text that is
    // not a whole number and InputError when no label format is chosen.
    ScaleSettings settings() const;
    void setSettings(const ScaleSettings &settings);
    // A line read with all 28 characters is kept whole, one more than may be typed.
    ShopHeader header() const;
    void setHeader(const ShopHeader &header);

    // A header line is empty (or blanks only): the scale would print it blank.
    bool headerHasEmptyLine() const;

    // What the tab keeps from one run to the next (WorkProperties): the texts as they stand,
    // so a value that is not (yet) a number comes back as it was typed.
    struct Kept {
        QString department;
        QString printShift;
        QString autoPrintWeight;
        int labelFormatPosition = 0; // 1-based; 0: none chosen
        int barcodePosition = -1;    // 0-based; -1: none chosen
        quint8 printOptions = 0;     // one bit per check box, as the settings packet has them
        ShopHeader header;
        Language::Choice language = Language::Choice::System; // " Общие ": "Язык"
    };
    Kept kept() const;
    // Positions the lists do not have leave no item chosen.
    void restore(const Kept &kept);

    void showWeighingState(const WeighingState &state);
    void showTotals(const SalesTotals &totals);

    // "Изменение цены", the first print option.
    bool priceChangeTicked() const;
    // "Быстрый обмен".
    bool fastExchangeTicked() const;
    void setFastExchangeTicked(bool on);
    bool changedOnlyTicked() const;
    void setChangedOnlyTicked(bool on);

    // The logo picture, shown scaled to fit with its proportions kept.
    const QImage &logoImage() const { return m_logoImage; }
    void setLogoImage(const QImage &image);

signals:
    void writeSettingsClicked();
    void readSettingsClicked();
    void writeClockClicked();
    void openLogoClicked();
    void writeLogoClicked();
    void readStateClicked();
    void readTotalsClicked();
    void priceChangeToggled(bool on);
    void fastExchangeToggled(bool on);
    void changedOnlyToggled(bool on);

private:
    QWidget *buildButtonStrip();
    QWidget *buildHeaderPanel();
    QWidget *buildPrintGroup();
    QWidget *buildLogoGroup();
    QWidget *buildBarcodeGroup();
    QWidget *buildGeneralGroup();
    QWidget *buildSupportGroup();
    QWidget *buildStateGroup();
    QWidget *buildTotalsGroup();
    void setHeaderLine(QLineEdit *edit, const QString &text);

    QPushButton *m_writeSettingsButton = nullptr;
    QPushButton *m_readSettingsButton = nullptr;
    QPushButton *m_writeClockButton = nullptr;
    QComboBox *m_labelFormatCombo = nullptr;
    QLineEdit *m_headerLine1Edit = nullptr;
    QLineEdit *m_headerLine2Edit = nullptr;
    QCheckBox *m_printOptionBoxes[8] = {}; // by bit
    QLabel *m_logoLabel = nullptr;
    QToolButton *m_openLogoButton = nullptr;
    QToolButton *m_writeLogoButton = nullptr;
    QComboBox *m_barcodeCombo = nullptr;
    QLineEdit *m_departmentEdit = nullptr;
    QLineEdit *m_printShiftEdit = nullptr;
    QLineEdit *m_autoPrintWeightEdit = nullptr;
    QCheckBox *m_fastExchangeBox = nullptr;
    QCheckBox *m_changedOnlyBox = nullptr;
    QComboBox *m_languageCombo = nullptr;
    QPushButton *m_readStateButton = nullptr;
    LcdIndicator *m_weightReadout = nullptr;
    LcdIndicator *m_priceReadout = nullptr;
    LcdIndicator *m_costReadout = nullptr;
    LcdIndicator *m_pluReadout = nullptr;
    QLineEdit *m_totalWeightEdit = nullptr;
    QLineEdit *m_totalSumEdit = nullptr;
    QLineEdit *m_salesCountEdit = nullptr;
    QLineEdit *m_weightAllPluEdit = nullptr;
    QLineEdit *m_sumAllPluEdit = nullptr;
    QLineEdit *m_salesCountAllPluEdit = nullptr;
    QLineEdit *m_runCounterEdit = nullptr;
    QLineEdit *m_labelCounterEdit = nullptr;
    QLineEdit *m_freePluEdit = nullptr;
    QLineEdit *m_freeMessagesEdit = nullptr;
    QPushButton *m_readTotalsButton = nullptr;
    QImage m_logoImage;
};

} // namespace tevo
