#include "session/Language.h"

#include "common/ProfileFile.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace tevo {
namespace {

struct Code {
    Language::Choice choice;
    const char *code;
};
const Code kCodes[] = {{Language::Choice::System, "system"},
                       {Language::Choice::Russian, "ru"},
                       {Language::Choice::Ukrainian, "uk"},
                       {Language::Choice::English, "en"}};

// The language part of a locale name: "uk" of "uk_UA.UTF-8", "c" of "C.UTF-8".
QString languagePart(const QString &name)
{
    QString part = name.trimmed();
    for (const QChar stop : {QLatin1Char('_'), QLatin1Char('.'), QLatin1Char('@'), QLatin1Char('-')}) {
        const qsizetype at = part.indexOf(stop);
        if (at >= 0)
            part.truncate(at);
    }
    return part.toLower();
}

} // namespace

QString Language::codeOf(Choice choice)
{
    for (const Code &c : kCodes)
        if (c.choice == choice)
            return QLatin1String(c.code);
    return QStringLiteral("system");
}

Language::Choice Language::choiceOf(const QString &code)
{
    const QString wanted = code.trimmed().toLower();
    for (const Code &c : kCodes)
        if (wanted == QLatin1String(c.code))
            return c.choice;
    return Choice::System;
}

Language::Choice Language::readChoice(const QString &path)
{
    ProfileFile file(path);
    if (!file.load())
        return Choice::System;
    return choiceOf(file.readString(QLatin1String(kSection), QLatin1String(kKey)));
}

void Language::writeChoice(ProfileFile &file, Choice choice)
{
    file.writeString(QLatin1String(kSection), QLatin1String(kKey), codeOf(choice));
}

QString Language::messagesLocale()
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(name);
        if (!locale.isEmpty())
            break;
    }
    // As gettext does: LANGUAGE, a list of languages by preference, counts unless the locale is C.
    const QString part = languagePart(locale);
    if (part.isEmpty() || part == QLatin1String("c") || part == QLatin1String("posix"))
        return locale;
    const QString preferred = qEnvironmentVariable("LANGUAGE").section(QLatin1Char(':'), 0, 0);
    return preferred.isEmpty() ? locale : preferred;
}

QString Language::languageFor(Choice choice, const QString &messagesLocale)
{
    switch (choice) {
    case Choice::Russian:
        return QStringLiteral("ru");
    case Choice::Ukrainian:
        return QStringLiteral("uk");
    case Choice::English:
        return QStringLiteral("en");
    case Choice::System:
        break;
    }
    const QString part = languagePart(messagesLocale);
    if (part == QLatin1String("uk") || part == QLatin1String("en"))
        return part;
    return QStringLiteral("ru");
}

QString Language::chosen(const QString &workPropertiesPath)
{
    return languageFor(readChoice(workPropertiesPath), messagesLocale());
}

bool Language::install(const QString &language)
{
    bool loaded = true;
    if (language != QLatin1String("ru")) {
        loaded = m_program.load(QStringLiteral("tevo_") + language, QStringLiteral(":/i18n"));
        if (loaded)
            m_programInstalled = QCoreApplication::installTranslator(&m_program);
    }
    // The toolkit's own texts (dialog buttons, context menus) in the same language.
    if (m_toolkit.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_toolkitInstalled = QCoreApplication::installTranslator(&m_toolkit);
    return loaded;
}

Language::~Language()
{
    if (m_programInstalled)
        QCoreApplication::removeTranslator(&m_program);
    if (m_toolkitInstalled)
        QCoreApplication::removeTranslator(&m_toolkit);
}

} // namespace tevo
