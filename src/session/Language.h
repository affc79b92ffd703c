#pragma once
// The language of the program's texts, for the window and tevo-cli alike: Russian (the texts as
// written, no translation), Ukrainian or English. The user's choice in the parameters tab's
// " Общие " group is kept in ScaleTevo_workProp.ini ([Parameters] Language=system|ru|uk|en);
// "as the system" takes the language of the messages locale (LC_ALL, LC_MESSAGES, LANG, and
// LANGUAGE unless the locale is C), and any locale other than Ukrainian or English gives
// Russian. A change takes effect at the next start.
//
// The translations of the program are built into it (translations/*.ts, compiled at build time
// into the resource folder ":/i18n"); the toolkit's own (qtbase_*.qm, the standard buttons and
// menus) come from the system's Qt translations folder.
#include <QString>
#include <QTranslator>

namespace tevo {

class ProfileFile;

class Language {
public:
    enum class Choice { System, Russian, Ukrainian, English };

    static constexpr const char *kSection = "Parameters";
    static constexpr const char *kKey = "Language";

    // "system", "ru", "uk", "en"; an unknown code reads as System.
    static QString codeOf(Choice choice);
    static Choice choiceOf(const QString &code);

    // The choice kept in the work properties file at `path`; a missing file or key is System.
    static Choice readChoice(const QString &path);
    static void writeChoice(ProfileFile &file, Choice choice);

    // The messages locale as the environment names it ("uk_UA.UTF-8", "C"; empty when unset).
    static QString messagesLocale();
    // The language the texts are shown in for a choice and a messages locale: "ru", "uk" or "en".
    static QString languageFor(Choice choice, const QString &messagesLocale);

    // The language the choice kept at `workPropertiesPath` and the environment give.
    static QString chosen(const QString &workPropertiesPath);

    // Installs the translations of `language` ("ru", "uk", "en") in the application, which must
    // exist and outlive this object; returns false when the program's own translation for Ukrainian
    // or English could not be loaded (the texts then stay Russian).
    bool install(const QString &language);

    Language() = default;
    ~Language();
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

private:
    QTranslator m_program;
    QTranslator m_toolkit;
    bool m_programInstalled = false;
    bool m_toolkitInstalled = false;
};

} // namespace tevo
