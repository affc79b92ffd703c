#include "shell/GuideWindow.h"

#include "shell/Dialogs.h"
#include "shell/ShellStyle.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace tevo {
namespace {

const char *const kTitle = QT_TRANSLATE_NOOP("tevo::GuideWindow", "Руководство пользователя Tevo");
const char *const kFindCaption = QT_TRANSLATE_NOOP("tevo::GuideWindow", "Найти");
const char *const kSearchPlaceholder = QT_TRANSLATE_NOOP("tevo::GuideWindow", "Поиск в руководстве");
const char *const kNotFound = QT_TRANSLATE_NOOP("tevo::GuideWindow", "Не найдено");

// The guide's text without its tags, for a chapter's title.
QString plainText(const QString &html)
{
    QString text = html;
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    QTextDocument doc;
    doc.setHtml(text); // the entities («, &amp;) as letters
    return doc.toPlainText().simplified();
}

} // namespace

GuideWindow::GuideWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("GuideWindow"));
    setWindowTitle(tr(kTitle));
    setFont(style::windowFont());
    resize(1000, 720);

    m_contents = new QListWidget;
    m_contents->setObjectName(QStringLiteral("GuideContents"));
    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("GuideText"));
    m_browser->setOpenLinks(false); // each link is decided in onLinkClicked
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("GuideSearch"));
    m_search->setPlaceholderText(tr(kSearchPlaceholder));
    m_search->setClearButtonEnabled(true);
    auto *findButton = new QPushButton(tr(kFindCaption));
    findButton->setObjectName(QStringLiteral("GuideFindNext"));
    m_searchResult = new QLabel;
    m_searchResult->setObjectName(QStringLiteral("GuideSearchResult"));

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(findButton);
    searchRow->addWidget(m_searchResult);
    auto *splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 740});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(splitter, 1);

    connect(m_browser, &QTextBrowser::anchorClicked, this, &GuideWindow::onLinkClicked);
    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { m_browser->scrollToAnchor(item->data(Qt::UserRole).toString()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_browser->scrollToAnchor(item->data(Qt::UserRole).toString()); });
    connect(m_search, &QLineEdit::returnPressed, this, &GuideWindow::findNext);
    connect(findButton, &QPushButton::clicked, this, &GuideWindow::findNext);
    connect(m_search, &QLineEdit::textChanged, m_searchResult, &QLabel::clear);
}

void GuideWindow::openGuide(const QString &path)
{
    m_guide = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    m_browser->setSource(m_guide);
    fillContents(path);
}

// The chapters are the guide's second-level headings that carry an anchor.
void GuideWindow::fillContents(const QString &path)
{
    m_contents->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // the text browser shows what it could read
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression heading(QStringLiteral("<h2[^>]*\\bid=\"([^\"]+)\"[^>]*>(.*?)</h2>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        auto *item = new QListWidgetItem(plainText(m.captured(2)), m_contents);
        item->setData(Qt::UserRole, m.captured(1));
    }
}

bool GuideWindow::findNext()
{
    const QString text = m_search->text();
    if (text.isEmpty())
        return false;
    if (m_browser->find(text))
        return true;
    // From the start again.
    QTextCursor start = m_browser->textCursor();
    start.movePosition(QTextCursor::Start);
    m_browser->setTextCursor(start);
    if (m_browser->find(text))
        return true;
    m_searchResult->setText(tr(kNotFound));
    return false;
}

void GuideWindow::onLinkClicked(const QUrl &url)
{
    const QUrl target = m_browser->source().resolved(url);
    if (target.isLocalFile() && target.path() == m_guide.path()) {
        // A chapter of the guide.
        if (target.hasFragment())
            m_browser->scrollToAnchor(target.fragment());
        return;
    }
    if (target.isLocalFile() && target.path().endsWith(QLatin1String(".html"), Qt::CaseInsensitive)) {
        m_browser->setSource(target);
        return;
    }
    // An example file, a web page: the system's viewer.
    Dialogs::openDocument(target);
}

} // namespace tevo
