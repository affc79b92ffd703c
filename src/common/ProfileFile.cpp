#include "common/ProfileFile.h"

#include "common/Codepage.h"
#include "common/Convert.h"
#include "common/Error.h"
#include "common/TextDecoding.h"
#include "common/WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
// The texts of this unit, translated under the context "ProfileFile".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ProfileFile)
};
} // namespace

namespace tevo {
namespace {

constexpr int kMaxValueLength = 2047;

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QStringView trimmedView(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s.at(b)))
        ++b;
    while (e > b && isBlank(s.at(e - 1)))
        --e;
    return s.mid(b, e - b);
}

QString trimBlanks(const QString &s)
{
    const QStringView t = trimmedView(s);
    return t.size() == s.size() ? s : t.toString();
}

QString foldName(const QString &name) { return trimBlanks(name).toCaseFolded(); }

// A line break inside a value or a name would make new lines (even new sections) of the file.
QString oneLine(QString s)
{
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

QString unableToWrite(const QString &path) { return Tr::tr("Unable to write to %1").arg(path); }

} // namespace

ProfileFile::ProfileFile(const QString &path) : m_path(path) {}

void ProfileFile::clear()
{
    m_preamble.clear();
    m_sections.clear();
    m_index.clear();
}

bool ProfileFile::load(QString *error)
{
    clear();
    const QFileInfo info(m_path);
    if (!info.exists())
        return true;
    QFile f(m_path);
    if (info.isDir() || !f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = Tr::tr("Cannot open file %1").arg(m_path);
        return false;
    }
    parse(f.readAll());
    if (f.error() != QFileDevice::NoError) {
        clear();
        if (error)
            *error = Tr::tr("Cannot open file %1").arg(m_path);
        return false;
    }
    return true;
}

void ProfileFile::loadOrThrow()
{
    QString error;
    if (!load(&error))
        throw FileError(error);
}

void ProfileFile::parse(const QByteArray &bytes)
{
    clear();
    const QStringList lines = splitTextLines(decodeOutsideText(bytes));
    Section *current = nullptr;
    int number = 0;
    for (const QString &raw : lines) {
        ++number;
        const QStringView t = trimmedView(raw);
        if (t.startsWith(QLatin1Char('['))) {
            const qsizetype close = t.lastIndexOf(QLatin1Char(']'));
            if (close > 0) {
                Section s;
                s.name = trimmedView(t.mid(1, close - 1)).toString();
                s.header = raw;
                s.number = number;
                m_sections.append(std::move(s));
                current = &m_sections.last();
                continue;
            }
        }
        if (!current) {
            m_preamble.append(raw);
            continue;
        }
        Line line;
        line.text = raw;
        line.number = number;
        if (!t.isEmpty() && !t.startsWith(QLatin1Char(';'))) {
            const qsizetype eq = raw.indexOf(QLatin1Char('='));
            if (eq > 0) {
                const QStringView rawKey = QStringView(raw).left(eq);
                const QStringView key = trimmedView(rawKey);
                if (!key.isEmpty()) {
                    line.keyBegin = key.data() - raw.constData();
                    line.keyEnd = line.keyBegin + key.size();
                    line.valueBegin = eq + 1;
                }
            }
        }
        current->lines.append(std::move(line));
    }
    reindex();
}

void ProfileFile::reindex()
{
    m_index.clear();
    for (int i = 0; i < m_sections.size(); ++i)
        m_index[foldName(m_sections[i].name)].append(i);
}

QVector<int> ProfileFile::sectionsNamed(const QString &section) const { return m_index.value(foldName(section)); }

const ProfileFile::Line *ProfileFile::findKey(const QString &section, const QString &key) const
{
    const QStringView k = trimmedView(key);
    for (int si : sectionsNamed(section)) {
        for (const Line &line : m_sections[si].lines) {
            if (line.isKey() && line.key().compare(k, Qt::CaseInsensitive) == 0)
                return &line;
        }
    }
    return nullptr;
}

bool ProfileFile::sectionExists(const QString &section) const
{
    for (int si : sectionsNamed(section)) {
        for (const Line &line : m_sections[si].lines) {
            if (line.isKey())
                return true;
        }
    }
    return false;
}

QStringList ProfileFile::sections() const
{
    QStringList names;
    QHash<QString, bool> seen;
    for (const Section &s : m_sections) {
        const QString f = foldName(s.name);
        if (!seen.contains(f)) {
            seen.insert(f, true);
            names.append(s.name);
        }
    }
    return names;
}

QStringList ProfileFile::keys(const QString &section) const
{
    QStringList names;
    for (int si : sectionsNamed(section)) {
        for (const Line &line : m_sections[si].lines) {
            if (line.isKey() && !names.contains(line.key(), Qt::CaseInsensitive))
                names.append(line.key().toString());
        }
    }
    return names;
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Line *line = findKey(section, key);
    if (!line)
        return defaultValue;
    QStringView v = trimmedView(line->value());
    if (v.size() >= 2) {
        const QChar q = v.front();
        if ((q == QLatin1Char('"') || q == QLatin1Char('\'')) && v.back() == q)
            v = v.mid(1, v.size() - 2);
    }
    return v.left(kMaxValueLength).toString();
}

int ProfileFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    if (!findKey(section, key))
        return defaultValue;
    return strToIntDef(readString(section, key), defaultValue);
}

int ProfileFile::lineOf(const QString &section, const QString &key) const
{
    const Line *line = findKey(section, key);
    return line ? line->number : 0;
}

int ProfileFile::sectionLine(const QString &section) const
{
    const QVector<int> named = sectionsNamed(section);
    return named.isEmpty() ? 0 : m_sections[named.first()].number;
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString k = trimBlanks(oneLine(key));
    const QString v = oneLine(value);
    const QVector<int> named = sectionsNamed(section);
    for (int si : named) {
        for (Line &line : m_sections[si].lines) {
            if (line.isKey() && line.key().compare(k, Qt::CaseInsensitive) == 0) {
                const QString existing = line.key().toString();
                line.text = existing + QLatin1Char('=') + v;
                line.keyBegin = 0;
                line.keyEnd = existing.size();
                line.valueBegin = existing.size() + 1;
                line.number = 0;
                return;
            }
        }
    }
    Line line;
    line.text = k + QLatin1Char('=') + v;
    line.keyBegin = 0;
    line.keyEnd = k.size();
    line.valueBegin = k.size() + 1;
    if (!named.isEmpty()) {
        // After the last line of the section that is not blank.
        QVector<Line> &lines = m_sections[named.first()].lines;
        qsizetype at = lines.size();
        while (at > 0 && trimmedView(lines[at - 1].text).isEmpty())
            --at;
        lines.insert(at, std::move(line));
        return;
    }
    Section s;
    s.name = trimBlanks(oneLine(section));
    s.header = QLatin1Char('[') + s.name + QLatin1Char(']');
    s.lines.append(std::move(line));
    const QString folded = foldName(s.name);
    m_sections.append(std::move(s));
    m_index[folded].append(m_sections.size() - 1);
}

void ProfileFile::deleteKey(const QString &section, const QString &key)
{
    const QStringView k = trimmedView(key);
    for (int si : sectionsNamed(section)) {
        QVector<Line> &lines = m_sections[si].lines;
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [&](const Line &l) {
                                       return l.isKey() && l.key().compare(k, Qt::CaseInsensitive) == 0;
                                   }),
                    lines.end());
    }
}

void ProfileFile::deleteSection(const QString &section)
{
    const QString f = foldName(section);
    m_sections.erase(std::remove_if(m_sections.begin(), m_sections.end(),
                                    [&](const Section &s) { return foldName(s.name) == f; }),
                     m_sections.end());
    reindex();
}

QByteArray ProfileFile::toBytes() const
{
    QString text;
    const auto add = [&text](const QString &line) {
        text += line;
        text += QLatin1String("\r\n");
    };
    for (const QString &line : m_preamble)
        add(line);
    for (const Section &s : m_sections) {
        add(s.header);
        for (const Line &line : s.lines)
            add(line.text);
    }
    return toCp1251(text);
}

bool ProfileFile::save(QString *error) const
{
    QFile f(m_path);
    const QByteArray bytes = toBytes();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size() || !f.flush()) {
        if (error)
            *error = unableToWrite(m_path);
        return false;
    }
    f.close();
    if (f.error() != QFileDevice::NoError) {
        if (error)
            *error = unableToWrite(m_path);
        return false;
    }
    return true;
}

bool ProfileFile::saveAtomically(QString *error) const
{
    const QFileInfo info(m_path);
    if (info.isDir() || (info.exists() && !info.isWritable())) {
        if (error)
            *error = unableToWrite(m_path);
        return false;
    }
    if (!replaceFileWhole(m_path, toBytes())) {
        if (error)
            *error = unableToWrite(m_path);
        return false;
    }
    return true;
}

void ProfileFile::saveAtomicallyOrThrow() const
{
    QString error;
    if (!saveAtomically(&error))
        throw FileError(error);
}

} // namespace tevo
