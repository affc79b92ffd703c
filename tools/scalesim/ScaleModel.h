#pragma once
// The scale's side of the exchange, without any transport: bytes from the PC go in, the
// scale's answers come out. The PC polls with 0x01; the scale answers ready (0x80, or
// 0x01 0x80 when told to) and then takes one request: a command byte and its fixed payload.
// It stores what is written to it and answers reads from what it holds; a read of a goods
// or message number it does not hold is refused with 0xEE, as is an unknown command byte,
// and so is any request it is told to refuse.
// Bytes that arrive while no poll has been answered are not a request and are dropped; a
// stray 0x01 among them is a poll like any other.
#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace tevo::sim {

// Total length (command byte included) of each request the scale knows; 0 for others.
int requestLength(uchar command);

struct StoredGoods {
    QByteArray record; // the 85-byte write request as it arrived (offset 0 = 0x82)
    qint32 sum = 0;    // sales totals the scale has gathered for the goods
    qint32 weight = 0;
    qint32 count = 0;
};

// Requests the scale refuses (0xEE) whatever it holds, or takes in and never answers.
struct Refusal {
    uchar command = 0;      // the request byte
    QList<quint32> numbers; // the goods or message numbers refused; empty: every request
    bool once = false;      // each number (or the command) is refused the first time only
    QList<quint32> used;    // numbers already refused once (0 for a command without numbers)
};

// "goods:3,17", "header", … (see tools/scalesim/README.md); throws tevo::InputError.
Refusal parseRefusal(const QString &text, bool once);

struct ScaleOptions {
    bool readyPrefix = false; // answer a poll with 0x01 0x80
    bool silent = false;      // swallow everything, answer nothing
    bool garbage = false;     // answer with junk of the same length, see ScaleModel::junk
    int ignorePolls = 0;      // leave every n-th poll unanswered, as a busy scale does; 0: none
};

class ScaleModel {
public:
    // One answer the scale sends.
    struct Reply {
        enum Kind { Ready, Answer }; // ready to a poll, or the answer to a request
        Kind kind;
        QByteArray bytes;
        uchar command = 0; // the request answered (Answer only)
    };

    explicit ScaleModel(ScaleOptions options = {});

    // From now on refuse the requests the refusal names.
    void addRefusal(const Refusal &refusal) { m_refusals.append(refusal); }
    // From now on take in the requests it names and answer nothing, as a scale whose firmware
    // does not know the command.
    void addUnanswered(const Refusal &requests) { m_unanswered.append(requests); }

    // A new connection: forget a half-received request and the last ready answer; what the
    // scale holds stays.
    void resetLink();

    // Takes the next bytes from the PC; returns the answers in the order they are due.
    QList<Reply> feedReplies(const QByteArray &bytes);
    // The same, joined into one byte string.
    QByteArray feed(const QByteArray &bytes);

    // What the scale holds. Keys are goods (PLU) and message numbers.
    QMap<quint32, StoredGoods> goods;
    QMap<quint16, QByteArray> messages; // 400 bytes: 8 lines of 50 scale characters
    QByteArray settings;                // 9 bytes after the command byte
    QByteArray header;                  // 56 bytes
    QByteArray logo;                    // 512 bytes
    QByteArray date;                    // 6 digit values, as sent (empty until set)
    QByteArray time;                    // 6 digit values, as sent (empty until set)
    QByteArray weighingState;           // 15 bytes after 0xAA
    QByteArray totals;                  // 40 bytes after 0xAA

    int requestCount() const { return m_requests; } // complete requests taken
    int pollCount() const { return m_polls; }       // polls seen, also while silent
    int changeCount() const { return m_changes; }   // requests that changed what it holds
    // One line per request taken, e.g. "stored goods 7", "read message 3 refused".
    QStringList takeLog();

    // The goods read reply for a stored record: 0xAA + 101 bytes.
    static QByteArray goodsReply(quint32 plu, const StoredGoods &g);
    // Junk that the PC must ignore: never 0xAA, 0xEE or 0x80 first, never 0x80 second.
    static QByteArray junk(int length, quint32 &seed);

    // The stored contents as JSON, and back (see tools/scalesim/README.md for the format).
    QJsonObject toJson() const;
    // Throws tevo::InputError on a malformed document.
    void loadJson(const QJsonObject &doc);

private:
    QByteArray answer(const QByteArray &request);
    // Whether one of the list names the request (once-only entries count it as used); the log
    // says `verb` and the request.
    bool names(QList<Refusal> &list, const QByteArray &request, const char *verb);

    ScaleOptions m_options;
    QList<Refusal> m_refusals;
    QList<Refusal> m_unanswered;
    bool m_ready = false; // a poll has been answered, a request may follow
    QByteArray m_pending; // the request being gathered
    int m_requests = 0;
    int m_changes = 0;
    int m_polls = 0;
    quint32 m_seed = 12345;
    QStringList m_log;
};

} // namespace tevo::sim
