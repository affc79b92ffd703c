#include "fileio/DbfFile.h"

#include "common/Codepage.h"
#include "common/Error.h"
#include "common/PacketBytes.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>

namespace {
// The texts of this unit, translated under the context "DbfFile".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DbfFile)
};
} // namespace

namespace tevo {
namespace {

constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr char kFieldTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;

QString notDbase(const QString &path) { return Tr::tr("File %1 is not a dBase table").arg(path); }

// The header length a header of kHeaderSize bytes states.
int statedHeaderLength(const QByteArray &head) { return PacketReader(head).unsigned16(8); }

// dBase III and the tables that keep its 32-byte field descriptors (dBase IV/5 and FoxPro
// with or without memo, Visual FoxPro). dBase II and dBase 7 lay fields out differently.
bool knownVersion(quint8 v) { return (v & 0x07) == 0x03 || v == 0x30 || v == 0x31 || v == 0x32 || v == 0xF5; }

void stampDate(QByteArray &header)
{
    const QDate today = QDate::currentDate();
    header[1] = static_cast<char>(qBound(0, today.year() - 1900, 255));
    header[2] = static_cast<char>(today.month());
    header[3] = static_cast<char>(today.day());
}

} // namespace

DbfTable DbfTable::parseHeader(const QByteArray &bytes, const QString &path)
{
    if (bytes.size() < kHeaderSize || !knownVersion(static_cast<quint8>(bytes.at(0))))
        throw FileError(notDbase(path));
    const PacketReader head(bytes);
    const int headerLength = head.unsigned16(8);
    const int recordLength = head.unsigned16(10);
    const quint32 recordCount = head.unsigned32(4);
    if (headerLength < kHeaderSize + kDescriptorSize + 1 || recordLength < 2)
        throw FileError(notDbase(path));
    if (bytes.size() < headerLength)
        throw FileError(Tr::tr("File %1 is damaged: it is shorter than its header states").arg(path));
    if (recordCount > quint32(INT_MAX))
        throw FileError(notDbase(path));

    DbfTable t;
    t.m_header = bytes.left(headerLength);
    t.m_recordLength = recordLength;
    t.m_recordCount = static_cast<int>(recordCount);
    int pos = kHeaderSize;
    int offset = 1;
    bool terminated = false;
    while (pos < headerLength) {
        if (bytes.at(pos) == kFieldTerminator) {
            terminated = true;
            break;
        }
        if (pos + kDescriptorSize > headerLength)
            break;
        const char *d = bytes.constData() + pos;
        DbfField f;
        int nameLength = 0;
        while (nameLength < 11 && d[nameLength] != '\0')
            ++nameLength;
        f.name = QByteArray(d, nameLength).trimmed();
        f.type = d[11];
        f.width = static_cast<quint8>(d[16]);
        f.decimals = static_cast<quint8>(d[17]);
        f.offset = offset;
        if (f.name.isEmpty() || f.width == 0)
            throw FileError(notDbase(path));
        offset += f.width;
        t.m_fields.append(f);
        pos += kDescriptorSize;
    }
    if (!terminated || t.m_fields.isEmpty() || offset > recordLength)
        throw FileError(notDbase(path));
    return t;
}

DbfTable DbfTable::parse(const QByteArray &bytes, const QString &path)
{
    DbfTable t = parseHeader(bytes, path);
    if (bytes.size() < t.fileLength())
        throw FileError(Tr::tr("File %1 is damaged: it holds fewer records than its header states").arg(path));
    t.m_records = bytes.mid(t.m_header.size(), qsizetype(t.fileLength() - t.m_header.size()));
    return t;
}

DbfTable DbfTable::read(const QString &path)
{
    QFile f(path);
    if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly))
        throw FileError(Tr::tr("Cannot open file %1").arg(path));
    QByteArray head = f.read(kHeaderSize);
    if (head.size() == kHeaderSize) {
        const int headerLength = statedHeaderLength(head);
        if (headerLength > kHeaderSize)
            head += f.read(headerLength - kHeaderSize);
    }
    DbfTable t = parseHeader(head, path);
    if (f.size() < t.fileLength())
        throw FileError(Tr::tr("File %1 is damaged: it holds fewer records than its header states").arg(path));
    const qint64 recordBytes = t.fileLength() - t.m_header.size();
    t.m_records = f.read(recordBytes);
    if (t.m_records.size() != recordBytes)
        throw FileError(Tr::tr("Cannot open file %1").arg(path));
    return t;
}

DbfTable DbfTable::create(const QVector<DbfField> &fields, quint8 languageDriver)
{
    DbfTable t;
    const int headerLength = kHeaderSize + kDescriptorSize * fields.size() + 1;
    QByteArray header(headerLength, '\0');
    header[0] = 0x03;
    stampDate(header);
    int offset = 1;
    for (int i = 0; i < fields.size(); ++i) {
        DbfField f = fields[i];
        f.offset = offset;
        offset += f.width;
        char *d = header.data() + kHeaderSize + kDescriptorSize * qsizetype(i);
        const QByteArray name = f.name.left(10);
        memcpy(d, name.constData(), name.size());
        d[11] = f.type;
        d[16] = static_cast<char>(f.width);
        d[17] = static_cast<char>(f.decimals);
        t.m_fields.append(f);
    }
    header[headerLength - 1] = kFieldTerminator;
    PacketWriter w(header);
    w.putLe(8, headerLength, 2);
    w.putLe(10, offset, 2);
    w.putByte(kDbfLanguageDriverOffset, languageDriver);
    t.m_header = w.bytes();
    t.m_recordLength = offset;
    return t;
}

int DbfTable::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (QString::fromLatin1(m_fields[i].name).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool DbfTable::isDeleted(int record) const { return m_records.at(qsizetype(record) * m_recordLength) == '*'; }

QByteArray DbfTable::rawValue(int record, int field) const
{
    const DbfField &f = m_fields.at(field);
    return m_records.mid(qsizetype(record) * m_recordLength + f.offset, f.width);
}

DbfWriter::DbfWriter(const DbfTable &layout)
    : m_header(layout.header()),
      m_fields(layout.fields()),
      m_recordLength(layout.recordLength()),
      m_languageDriver(layout.languageDriver())
{
    // This writer makes no index or memo files: the table flags may not promise one.
    m_header[28] = '\0';
}

void DbfWriter::appendRecord()
{
    m_records.append(m_recordLength, ' ');
    ++m_count;
}

void DbfWriter::setField(int field, const QByteArray &value)
{
    const DbfField &f = m_fields.at(field);
    Q_ASSERT(value.size() == f.width && m_count > 0);
    memcpy(m_records.data() + qsizetype(m_count - 1) * m_recordLength + f.offset, value.constData(),
           std::min<qsizetype>(value.size(), f.width));
}

QByteArray DbfWriter::bytes() const
{
    QByteArray header = m_header;
    stampDate(header);
    PacketWriter w(header);
    w.putLe(4, m_count, 4);
    w.putByte(kDbfLanguageDriverOffset, m_languageDriver);
    QByteArray out;
    out.reserve(header.size() + m_records.size() + 1);
    out += w.bytes();
    out += m_records;
    out += kEndOfFile;
    return out;
}

QByteArray dbfCharacterText(const DbfField &field, const QByteArray &text)
{
    if (text.size() > field.width)
        return {};
    QByteArray out = text;
    out.append(field.width - text.size(), ' ');
    return out;
}

QByteArray dbfNumberText(const DbfField &field, qint64 value)
{
    QByteArray digits = QByteArray::number(value);
    if (field.decimals > 0)
        digits += '.' + QByteArray(field.decimals, '0');
    if (digits.size() > field.width)
        return {};
    return QByteArray(field.width - digits.size(), ' ') + digits;
}

QByteArray dbfBlank(const DbfField &field) { return QByteArray(field.width, ' '); }

QString dbfReadCharacter(const QByteArray &raw)
{
    qsizetype end = raw.size();
    while (end > 0 && (raw.at(end - 1) == ' ' || raw.at(end - 1) == '\0'))
        --end;
    return fromCp866(raw.left(end));
}

QString dbfReadNumber(const QByteArray &raw)
{
    qsizetype b = 0, e = raw.size();
    while (b < e && (raw.at(b) == ' ' || raw.at(b) == '\0'))
        ++b;
    while (e > b && (raw.at(e - 1) == ' ' || raw.at(e - 1) == '\0'))
        --e;
    const QByteArray t = raw.mid(b, e - b);
    const qsizetype dot = t.indexOf('.');
    if (dot > 0) {
        const QByteArray whole = t.left(dot);
        const QByteArray fraction = t.mid(dot + 1);
        bool digits = false;
        bool ok = true;
        for (qsizetype i = 0; i < whole.size() && ok; ++i) {
            const char c = whole.at(i);
            if (c >= '0' && c <= '9')
                digits = true;
            else if (i != 0 || (c != '-' && c != '+'))
                ok = false;
        }
        for (char c : fraction)
            ok = ok && c == '0';
        if (ok && digits)
            return QString::fromLatin1(whole);
    }
    return fromCp866(t);
}

void setDbfLanguageDriver(const QString &path)
{
    QFile f(path);
    if (!f.exists() || QFileInfo(path).isDir())
        throw FileError(Tr::tr("Cannot open file %1").arg(path));
    if (!f.open(QIODevice::ReadWrite))
        throw FileError(Tr::tr("Unable to write to %1").arg(path));
    QByteArray head = f.read(kHeaderSize);
    if (head.size() == kHeaderSize && statedHeaderLength(head) > kHeaderSize)
        head += f.read(statedHeaderLength(head) - kHeaderSize);
    DbfTable::parseHeader(head, path);
    if (static_cast<quint8>(head.at(kDbfLanguageDriverOffset)) == kDbfDriverDb866ru0)
        return;
    const char driver = static_cast<char>(kDbfDriverDb866ru0);
    if (!f.seek(kDbfLanguageDriverOffset) || f.write(&driver, 1) != 1 || !f.flush())
        throw FileError(Tr::tr("Unable to write to %1").arg(path));
}

} // namespace tevo
