#pragma once
// Windows profile (INI) files as the program and the users' tools know them: Windows-1251
// bytes, CR LF lines, "[section]" lines, "key=value" lines; sections and keys compared without
// regard to case; on reading, values trimmed and unquoted (a pair of ' or ") and cut at 2047
// characters; on writing, an existing key replaced in place, a new key added at the end of its
// section, a new section at the end of the file, nothing else touched.
// Files that start with a UTF-8 byte-order mark, or whose bytes are valid UTF-8 with non-ASCII
// ones, are read as UTF-8; what the program writes is Windows-1251.
#include <QString>
#include <QStringList>
#include <QVector>

namespace tevo {

class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(const QString &path);

    // Reads the file. A missing file gives an empty profile and true; a file that exists but
    // cannot be read gives false and the error text.
    bool load(QString *error = nullptr);
    // Reads the profile from bytes (used by load, the fuzzers and the tests).
    void parse(const QByteArray &bytes);

    const QString &path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

    bool sectionExists(const QString &section) const; // the section holds at least one key
    QStringList sections() const;
    QStringList keys(const QString &section) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    // A whole number: decimal, or hexadecimal after "0x"; a value that does not start with a
    // number, or a missing key, gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void deleteKey(const QString &section, const QString &key);
    void deleteSection(const QString &section);

    // The profile as file bytes: Windows-1251, CR LF.
    QByteArray toBytes() const;
    // Writes the file in place; false with "Unable to write to %s" on failure.
    bool save(QString *error = nullptr) const;
    // Writes a fresh file through a temporary file renamed into place, so a failure leaves the
    // old file whole; false with "Unable to write to %s" on failure.
    bool saveAtomically(QString *error = nullptr) const;

private:
    struct Line {
        QString text;    // the raw line as read (for lines kept unchanged)
        QString key;     // empty for section lines, comments and blank lines
        QString value;
        bool isSection = false;
        QString section; // the section name when isSection
    };
    int findSection(const QString &section) const;
    int findKey(int sectionLine, const QString &key) const;
    int sectionEnd(int sectionLine) const;

    QString m_path;
    QVector<Line> m_lines;
};

} // namespace tevo
