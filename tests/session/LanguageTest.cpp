// The language of the texts: the choice kept in the work properties file, else the messages
// locale by the environment's order (Russian for any locale but Ukrainian and English, C
// included), and the translations built into the program.
#include "session/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tevo;

namespace {

// Sets the locale variables for one case and puts the old values back.
class LocaleEnvironment {
public:
    LocaleEnvironment()
    {
        for (const char *name : kNames)
            m_saved.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
    }
    ~LocaleEnvironment()
    {
        for (const Saved &s : m_saved)
            s.set ? qputenv(s.name, s.value) : qunsetenv(s.name);
    }
    void set(const char *lcAll, const char *lcMessages, const char *lang, const char *language)
    {
        const char *values[] = {lcAll, lcMessages, lang, language};
        for (int i = 0; i < 4; ++i)
            values[i] ? qputenv(kNames[i], values[i]) : qunsetenv(kNames[i]);
    }

private:
    static constexpr const char *kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    struct Saved {
        const char *name;
        QByteArray value;
        bool set;
    };
    QVector<Saved> m_saved;
};

} // namespace

TEST(Language, TheChoiceWinsOverTheLocaleAndAnyOtherLocaleThanUkrainianOrEnglishIsRussian)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ScaleTevo_workProp.ini"));
    using C = Language::Choice;
    const struct {
        const char *file; // the work properties file; nullptr: none
        const char *lcAll;
        const char *lcMessages;
        const char *lang;
        const char *language;
        const char *expected;
    } cases[] = {
        {nullptr, nullptr, nullptr, "uk_UA.UTF-8", nullptr, "uk"},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", nullptr, "en"},
        {nullptr, nullptr, nullptr, "ru_RU.UTF-8", nullptr, "ru"},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", nullptr, "ru"},
        {nullptr, nullptr, nullptr, nullptr, nullptr, "ru"},
        {nullptr, "C.UTF-8", nullptr, "uk_UA.UTF-8", nullptr, "ru"},     // LC_ALL first
        {nullptr, "C", nullptr, nullptr, "uk:en", "ru"},                 // LANGUAGE does not count under C
        {nullptr, nullptr, "en_GB.UTF-8", "uk_UA.UTF-8", nullptr, "en"}, // LC_MESSAGES before LANG
        {nullptr, nullptr, nullptr, "ru_UA.UTF-8", "uk:ru", "uk"},       // LANGUAGE first under a locale
        {nullptr, nullptr, nullptr, "uk", nullptr, "uk"},
        {nullptr, nullptr, nullptr, "en@quot", nullptr, "en"},
        {"[Parameters]\r\nLanguage=en\r\n", nullptr, nullptr, "uk_UA.UTF-8", nullptr, "en"},
        {"[Parameters]\r\nLanguage=UK \r\n", "C.UTF-8", nullptr, nullptr, nullptr, "uk"},
        {"[Parameters]\r\nLanguage=ru\r\n", nullptr, nullptr, "en_US.UTF-8", nullptr, "ru"},
        {"[Parameters]\r\nLanguage=system\r\n", nullptr, nullptr, "en_US.UTF-8", nullptr, "en"},
        {"[Parameters]\r\nLanguage=klingon\r\n", nullptr, nullptr, "uk_UA.UTF-8", nullptr, "uk"}, // unknown: system
        {"\xFF\xFE[Parameters\r\nLanguage", "C.UTF-8", nullptr, nullptr, nullptr, "ru"},
    };
    for (const auto &c : cases) {
        QFile::remove(file);
        if (c.file) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.file);
        }
        LocaleEnvironment environment;
        environment.set(c.lcAll, c.lcMessages, c.lang, c.language);
        EXPECT_EQ(Language::chosen(file), QLatin1String(c.expected))
            << (c.file ? c.file : "no file") << " LC_ALL=" << (c.lcAll ? c.lcAll : "")
            << " LANG=" << (c.lang ? c.lang : "");
    }
    for (const C choice : {C::System, C::Russian, C::Ukrainian, C::English})
        EXPECT_EQ(Language::choiceOf(Language::codeOf(choice)), choice);
}

TEST(Language, TheTranslationsAreBuiltIntoTheProgram)
{
    const char *const context = "tevo::Operations";
    const char *const source = "импорт товаров из файла";
    for (const auto &[language, expected] :
         {std::pair{"uk", "імпорт товарів з файлу"}, std::pair{"en", "import of goods from a file"},
          std::pair{"ru", "импорт товаров из файла"}}) {
        Language installed;
        EXPECT_TRUE(installed.install(QLatin1String(language))) << language;
        EXPECT_EQ(QCoreApplication::translate(context, source), QString::fromUtf8(expected)) << language;
    }
    EXPECT_EQ(QCoreApplication::translate(context, source), QString::fromUtf8(source)) << "removed with its owner";
}
