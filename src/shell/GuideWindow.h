#pragma once
// The user guide inside the program ("Помощь"): the shipped HTML guide in a text browser, with
// its chapters as a list of contents, a search field and the guide's own links and pictures, so
// that no web browser is needed. Links inside the guide (its chapters, its example files) open
// here; a link to anything else goes to the system's viewer through Dialogs.
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace tevo {

class GuideWindow : public QWidget {
    Q_OBJECT
public:
    explicit GuideWindow(QWidget *parent = nullptr);

    // Shows the guide file (an HTML file; its pictures are found beside it) from its start.
    void openGuide(const QString &path);

    // The chapter list ("GuideContents"), the search field ("GuideSearch") and the text ("GuideText").
    QListWidget *contents() const { return m_contents; }
    QLineEdit *searchField() const { return m_search; }
    QTextBrowser *browser() const { return m_browser; }

    // Finds the next place holding the search text, from the start again after the last one;
    // false, with "Не найдено" beside the field, when the guide has none.
    bool findNext();

private:
    void onLinkClicked(const QUrl &url);
    void fillContents(const QString &path);

    QListWidget *m_contents = nullptr;
    QLineEdit *m_search = nullptr;
    QLabel *m_searchResult = nullptr;
    QTextBrowser *m_browser = nullptr;
    QUrl m_guide;
};

} // namespace tevo
