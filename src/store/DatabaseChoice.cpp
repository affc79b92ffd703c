#include "store/DatabaseChoice.h"

#include "common/AppPaths.h"
#include "common/Error.h"
#include "common/ProfileFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
// The texts of this unit, translated under the context "DatabaseChoice".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DatabaseChoice)
};
} // namespace

namespace tevo {
namespace {
const QString kSection = QStringLiteral("Database");
const QString kKey = QStringLiteral("Server");

// The text of a Database.ini that names no server: the file, what is wrong, what to do.
[[noreturn]] void unusable(const QString &path, const QString &what)
{
    throw DatabaseError(Tr::tr("Файл %1 не называет сервер базы данных: %2. Нужна строка Server= в разделе "
                               "[Database], например:\n[Database]\nServer=host=сервер dbname=tevo user=kassa\n"
                               "Исправьте файл или удалите его, чтобы работать с файлом базы данных этого "
                               "компьютера.")
                            .arg(path, what));
}
} // namespace

DatabaseLocation chosenDatabase()
{
    const QString path = besideProgram(QLatin1String(kDatabaseChoiceFileName));
    if (!QFileInfo::exists(path))
        return DatabaseLocation::file(besideProgram(QLatin1String(kDatabaseFileName)));
    ProfileFile choice(path);
    choice.loadOrThrow();
    QString section;
    for (const QString &s : choice.sections())
        if (s.compare(kSection, Qt::CaseInsensitive) == 0)
            section = s;
    if (section.isEmpty())
        unusable(path, Tr::tr("в нём нет раздела [Database]"));
    QString key;
    for (const QString &k : choice.keys(section))
        if (k.compare(kKey, Qt::CaseInsensitive) == 0)
            key = k;
    if (key.isEmpty()) {
        const QStringList keys = choice.keys(section);
        unusable(path,
                 keys.isEmpty()
                     ? Tr::tr("раздел [Database] пуст")
                     : Tr::tr("в разделе [Database] нет строки Server= (есть: %1)").arg(keys.join(QStringLiteral(", "))));
    }
    const QString server = choice.readString(section, key).trimmed();
    if (server.isEmpty())
        unusable(path, Tr::tr("строка Server= пуста"));
    return DatabaseLocation::server(server);
}

QString databaseChoiceWarning()
{
    const QString path = besideProgram(QLatin1String(kDatabaseChoiceFileName));
    const QFileInfo info(path);
    if (!info.exists() || !(info.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther)))
        return {};
    ServerConnection c;
    try {
        c = ServerConnection::parse(chosenDatabase().connectionString());
    } catch (const Error &) {
        return {};
    }
    bool password = !c.password.isEmpty();
    for (const auto &o : c.options)
        password = password || o.first.contains(QLatin1String("password"));
    if (!password)
        return {};
    return Tr::tr("В файле %1 записан пароль сервера базы данных, а читать файл могут и другие пользователи "
                  "этого компьютера. Сделайте файл доступным только себе (chmod 600) или перенесите пароль "
                  "в ~/.pgpass.")
        .arg(path);
}

} // namespace tevo
