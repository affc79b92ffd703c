// The reader of delimited text and the guess of its separator (see DelimitedText.h).
#include "fileio/DelimitedText.h"

#include <QHash>

namespace tevo {

DelimitedText parseDelimitedText(const QString &text, QChar separator)
{
    DelimitedText out;
    const QChar *d = text.constData();
    const qsizetype n = text.size();
    qsizetype i = 0;
    int line = 1;
    const auto lineEnd = [&](qsizetype at) { return d[at] == QLatin1Char('\r') || d[at] == QLatin1Char('\n'); };
    // Steps over one line end at i (CR LF counts once) and counts the line.
    const auto skipLineEnd = [&] {
        if (d[i] == QLatin1Char('\r') && i + 1 < n && d[i + 1] == QLatin1Char('\n'))
            ++i;
        ++i;
        ++line;
    };
    while (i < n) {
        DelimitedRecord record;
        record.line = line;
        bool blank = true;
        for (;;) {
            QString field;
            if (i < n && d[i] == QLatin1Char('"')) {
                const int opened = line;
                ++i;
                bool closed = false;
                while (i < n) {
                    if (d[i] == QLatin1Char('"')) {
                        if (i + 1 < n && d[i + 1] == QLatin1Char('"')) {
                            field.append(QLatin1Char('"'));
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (lineEnd(i)) {
                        const bool crlf = d[i] == QLatin1Char('\r') && i + 1 < n && d[i + 1] == QLatin1Char('\n');
                        field.append(QLatin1Char('\n'));
                        i += crlf ? 2 : 1;
                        ++line;
                        continue;
                    }
                    field.append(d[i++]);
                }
                if (!closed && out.unclosedQuoteLine == 0)
                    out.unclosedQuoteLine = opened;
                // Whatever stands between the closing quote and the separator belongs to the field.
                while (i < n && d[i] != separator && !lineEnd(i))
                    field.append(d[i++]);
                blank = false;
            } else {
                const qsizetype start = i;
                while (i < n && d[i] != separator && !lineEnd(i))
                    ++i;
                field = text.mid(start, i - start);
                if (!field.isEmpty())
                    blank = false;
            }
            record.fields.append(field);
            if (i < n && d[i] == separator) {
                ++i;
                blank = false;
                continue;
            }
            break;
        }
        if (i < n)
            skipLineEnd();
        if (!blank)
            out.records.append(std::move(record));
    }
    return out;
}

QChar detectSeparator(const QString &text)
{
    // The first lines are enough, and keep the guess quick on a large file.
    QString head = text.left(qsizetype(64) * 1024);
    const QChar candidates[] = {QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char(',')};
    QChar best = QLatin1Char(';');
    int bestAgreeing = 0;
    for (const QChar separator : candidates) {
        DelimitedText parsed = parseDelimitedText(head, separator);
        if (parsed.records.size() > 50)
            parsed.records.resize(50);
        // The last record may be cut by the head.
        if (head.size() < text.size() && parsed.records.size() > 1)
            parsed.records.removeLast();
        QHash<int, int> counts;
        for (const DelimitedRecord &r : parsed.records)
            ++counts[int(r.fields.size())];
        int agreeing = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.key() > 1 && it.value() > agreeing)
                agreeing = it.value();
        if (agreeing > bestAgreeing) {
            bestAgreeing = agreeing;
            best = separator;
        }
    }
    return best;
}

} // namespace tevo
