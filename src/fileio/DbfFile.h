#pragma once
// dBase III tables (.dbf) read and written as whole files: a 32-byte header (version, date of
// the last change, record count, header length, record length, language driver at offset
// 29), 32-byte field descriptors ended by 0x0D, then fixed-width records, each starting with
// a deletion flag ('*' deleted, ' ' live), and an end-of-file byte 0x1A.
//
// Written here rather than through shapelib: shapelib swaps the file's extension and probes
// for .cpg side files (its hooks carry no context to undo that), trims leading blanks off
// text, reads numbers through atof (a fraction or junk turns silently into a whole number or
// 0), cuts numbers that are too wide to their leading digits, trusts the header of a damaged
// file, and leaves the language-driver byte to the caller anyway.
#include <QByteArray>
#include <QString>
#include <QVector>

namespace tevo {

// The language-driver byte of "DB866ru0" (dBase, Russian, code page 866), and the other mark
// that also stands for code page 866.
inline constexpr quint8 kDbfDriverDb866ru0 = 0x26;
inline constexpr quint8 kDbfDriverCp866 = 0x65;
inline constexpr int kDbfLanguageDriverOffset = 29;

struct DbfField {
    QByteArray name; // as in the file, without the padding
    char type = 'C'; // 'C' character, 'N' numeric, 'F' float, 'D', 'L', 'M', …
    int width = 0;
    int decimals = 0;
    int offset = 0; // from the start of the record; byte 0 is the deletion flag
    bool isNumeric() const { return type == 'N' || type == 'F'; }
};

class DbfTable {
public:
    // Reads and checks a table. Throws FileError: "Cannot open file %s"; "File %s is not a
    // dBase table" for a header that does not describe one; "File %s is damaged: …" for a file
    // shorter than its header says.
    static DbfTable read(const QString &path);
    // The same checks on bytes in memory (`path` only names the file in messages).
    static DbfTable parse(const QByteArray &bytes, const QString &path);
    // An empty table layout (no records) with the given fields; offsets are worked out here.
    static DbfTable create(const QVector<DbfField> &fields, quint8 languageDriver);

    quint8 version() const { return static_cast<quint8>(m_header.at(0)); }
    quint8 languageDriver() const { return static_cast<quint8>(m_header.at(kDbfLanguageDriverOffset)); }
    const QByteArray &header() const { return m_header; } // the header and field descriptors as read
    const QVector<DbfField> &fields() const { return m_fields; }
    int fieldIndex(const QString &name) const; // case-insensitive; -1 when missing
    int recordLength() const { return m_recordLength; }
    int recordCount() const { return m_recordCount; }
    bool isDeleted(int record) const;
    // The field's bytes as stored (fixed width, blanks included).
    QByteArray rawValue(int record, int field) const;

    // Checks the header and field descriptors at the start of `bytes` (all of the header must
    // be there); the result has no records. Throws FileError as `read`.
    static DbfTable parseHeader(const QByteArray &bytes, const QString &path);

private:
    qint64 fileLength() const { return qint64(m_header.size()) + qint64(m_recordCount) * m_recordLength; }

    QByteArray m_header;
    QVector<DbfField> m_fields;
    int m_recordLength = 0;
    int m_recordCount = 0;
    QByteArray m_records; // recordCount × recordLength bytes
};

// Builds a table file with the header and fields of a layout table and new records.
class DbfWriter {
public:
    explicit DbfWriter(const DbfTable &layout);
    void setLanguageDriver(quint8 driver) { m_languageDriver = driver; }
    // A new live record of blanks; fill its fields with setField.
    void appendRecord();
    // Puts a value already laid out to the field's width (see dbfCharacterText/dbfNumberText).
    void setField(int field, const QByteArray &value);
    QByteArray bytes() const; // with today's date
    int recordCount() const { return m_count; }

private:
    QByteArray m_header;
    QVector<DbfField> m_fields;
    int m_recordLength;
    int m_count = 0;
    quint8 m_languageDriver;
    QByteArray m_records;
};

// Field contents laid out to the field's width; an empty result means the value does not fit.
QByteArray dbfCharacterText(const DbfField &field, const QByteArray &text); // left-aligned
QByteArray dbfNumberText(const DbfField &field, qint64 value);              // right-aligned
QByteArray dbfBlank(const DbfField &field);

// Text of a character field: trailing blanks (and NUL padding) removed, code page 866.
QString dbfReadCharacter(const QByteArray &raw);
// Text of a numeric field: blanks removed; a number whose fraction is all zeros loses it
// ("1550.00" gives "1550"); anything else is returned as it stands.
QString dbfReadNumber(const QByteArray &raw);

// Sets the language-driver byte of the table file at `path` to "DB866ru0" (0x26), leaving
// fields and records as they are. Throws FileError: "Cannot open file %s", "File %s is not a
// dBase table", "Unable to write to %s".
void setDbfLanguageDriver(const QString &path);

} // namespace tevo
