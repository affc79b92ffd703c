#pragma once
// What an exchange tells about each scale that takes part: how far it got, what it refused,
// whether it answers; and, at every end, the whole report. Plain values without any window,
// so the window and a command line show the same facts.
#include <QString>
#include <QVector>

namespace tevo {

// The command states of the protocol; the values are the state numbers of the command table.
enum class CommandState : int {
    None = 0,
    SettingsRead = 1,
    HeaderRead = 2,
    LogoRead = 3,
    CheckReply = 4,
    SettingsWrite = 10,
    HeaderWrite = 11,
    LogoWrite = 12,
    DateWrite = 20,
    TimeWrite = 21,
    GoodsRead = 30,
    GoodsWrite = 31,
    MessagesRead = 40,
    MessagesWrite = 41,
    // The records read back and compared with the tables, which stay as they are.
    GoodsVerify = 32,
    MessagesVerify = 42,
    TotalsRead = 85,
    StateRead = 89,
};

// One scale's part of an exchange, as it stands.
struct ScaleStatus {
    int row = 0;          // record number (1-based position) of the scale in S
    QString name;         // its NAME, or "Весы N" when it has none
    QString address;      // its address as stored: "IP:PORT", a serial line "COMn@speed"
    int done = 0;         // records dealt with (for commands without records: steps)
    int total = 0;        // records (or steps) of its part
    int taken = 0;        // of those, the ones it acknowledged (a write) or answered (a read)
    int skipped = 0;      // records its goods groups do not take (goods write)
    int held = 0;         // records it already held as they are ("Только изменённые"): not sent
    QVector<int> refused; // record numbers it refused (0xEE), in order
    QVector<CommandState> refusedSteps; // steps it refused, for commands without records
    int current = 0;                    // the record number it is at; 0 when none
    bool answered = false;              // it has sent something in this exchange
    bool silent = false;                // it has sent nothing for two seconds (or for the step timeout)
    bool finished = false;              // it has done its whole part
    bool timedOut = false;              // its part ended through the step timeout (no step finished for that long)
    // It kept answering but did not finish its step, also after the request was sent again
    // several times: it cannot do the command, and its part ended there.
    bool stuck = false;
    CommandState stuckStep = CommandState::None; // the step it did not finish
    int stuckRecord = 0;                         // the record number it was at (0: none)
    bool stopped = false;                        // the exchange was stopped or failed before it finished
    QString unreachable;                         // why no channel could serve it: out of the exchange from its start
};

struct ExchangeReport {
    enum class End {
        Finished, // every scale finished its part (or timed out, or did not finish a step)
        Stopped,  // "Прекратить обмен с весами", automatic loading, or a new start
        Failed,   // a request could not be built or a reply not stored: `failure` says why
    };
    // What a failure came from: a value that cannot go to a scale or be stored (a shelf life
    // that is not digits, a row missing), or the database, which may be busy with another
    // program's commit.
    enum class Failure { None, Data, Database, DatabaseBusy };
    CommandState command = CommandState::None; // the first step: it names the command
    End end = End::Finished;
    QString failure;
    Failure failureKind = Failure::None;
    int recordsDone = 0;         // distinct records taken by at least one scale
    bool changedOnly = false;    // a write of the records each scale does not hold as they are
    QVector<ScaleStatus> scales; // every scale that took part, in the order of S

    // Every scale finished every record and step, refused nothing, did not time out, did not
    // get stuck and could be reached.
    bool complete() const
    {
        if (end != End::Finished)
            return false;
        for (const ScaleStatus &s : scales)
            if (!s.finished || s.timedOut || s.stuck || !s.unreachable.isEmpty() || !s.refused.isEmpty()
                || !s.refusedSteps.isEmpty())
                return false;
        return true;
    }
};

} // namespace tevo
