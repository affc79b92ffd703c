#pragma once
// The import window ("Импорт товаров из файла…", "Импорт сообщений из файла…"): another
// program's table (CSV or TXT, an Excel workbook, a dBase table) shown before anything changes.
// The detected text encoding may be changed, the sheet chosen, the column of the file for each
// field of the table chosen (found by the header row's titles or remembered for the file's
// name), and a price column marked as currency units or kopecks. The first rows are shown as
// they will be stored, and every line that cannot be stored is listed with its place and the
// reason. "Загрузить" applies the plan in one transaction, all or nothing, and may remember the
// mapping for files named like this one (fileio/RememberedMappings).
#include "session/TabularImport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace tevo {

class Store;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // `import` is the file read, with its mapping chosen (remembered or found).
    ImportDialog(Store &store, TabularImport import, QWidget *parent = nullptr);

    const TabularImport &import() const { return m_import; }
    // The rows the preview shows at most.
    static constexpr int kPreviewRows = 20;

    // Applies the plan (the "Загрузить" button): the end text or the failure in a box; the
    // window closes when the import was done.
    void apply();

private:
    void fillChoices();
    void fillMapping();
    void replan();
    void sourceChosen(const QString &field);
    void encodingChosen(int index);
    void sheetChosen(int index);

    Store &m_store;
    TabularImport m_import;
    QLabel *m_fileLabel = nullptr;
    QComboBox *m_encodingBox = nullptr;
    QComboBox *m_sheetBox = nullptr;
    QLabel *m_mappingFromLabel = nullptr;
    QTableWidget *m_mappingTable = nullptr;
    QTableWidget *m_previewTable = nullptr;
    QListWidget *m_problemList = nullptr;
    QLabel *m_summaryLabel = nullptr;
    QCheckBox *m_rememberBox = nullptr;
    QLineEdit *m_patternEdit = nullptr;
    QPushButton *m_applyButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    bool m_filling = false;
};

} // namespace tevo
