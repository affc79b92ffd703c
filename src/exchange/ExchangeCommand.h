#pragma once
// What a command gives the exchange engine: the steps it runs for each record, the request of
// a step, and what a reply means. The engine owns everything else: polling, the ready answer,
// acknowledgement and refusal, gathering, pacing and the end.
#include "exchange/ExchangeReport.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

namespace tevo {

enum class ProgressBar { Goods, Messages }; // pbT, pbM; also the table the grid follows

// What a command says of the reply gathered so far.
enum class StepOutcome {
    Incomplete, // more bytes are due: keep gathering
    StepDone,   // the step is done: the scale goes on with its next step or record
    Finished,   // the scale's part ends here (the closing request of a messages read)
};

class ExchangeCommand {
public:
    virtual ~ExchangeCommand() = default;
    // The request of a step for a record number (0 for commands without records), built when
    // the scale answers ready, so edits made meanwhile go out. An empty request sends nothing.
    // May throw tevo::Error: the exchange ends with its text.
    virtual QByteArray buildRequest(CommandState state, int number) = 0;
    // The reply gathered so far; its byte 0 is the acknowledgement 0xAA. May throw
    // tevo::Error (a reply that cannot be stored): the exchange ends with its text.
    virtual StepOutcome takeReply(CommandState state, int number, const QByteArray &reply) = 0;
    // Whether the scale (0-based position in S) takes the record; a record it does not take is
    // skipped for that scale and never sent to it.
    virtual bool scaleTakes(CommandState state, int number, int scaleRow)
    {
        (void)state, (void)number, (void)scaleRow;
        return true;
    }
    // Whether the scale already holds the record as it would be sent ("Только изменённые"):
    // asked only for a scale that takes it, while the engine sends changed records only; a
    // record it holds is not sent to it and counts as held.
    virtual bool scaleHolds(CommandState state, int number, int scaleRow)
    {
        (void)state, (void)number, (void)scaleRow;
        return false;
    }
    // A record of the plan is done for one scale: acknowledged (`request` the bytes it took)
    // or, for a read, its reply gathered whole. May throw tevo::Error as takeReply does.
    virtual void recordDone(CommandState state, int number, int scaleRow, const QByteArray &request,
                            const QByteArray &reply)
    {
        (void)state, (void)number, (void)scaleRow, (void)request, (void)reply;
    }
    // The scale refused a record of the plan. May throw tevo::Error: the exchange ends.
    virtual void recordRefused(CommandState state, int number, int scaleRow)
    {
        (void)state, (void)number, (void)scaleRow;
    }
    // A request for a record of the plan went unanswered (its deadline passed, or the exchange
    // or the scale's part ended while it was out): the scale may or may not have taken it.
    // Errors thrown are passed over.
    virtual void recordUnanswered(CommandState state, int number, int scaleRow)
    {
        (void)state, (void)number, (void)scaleRow;
    }
};

// Which scales a starter requires.
enum class ScaleRule { AtLeastOne, ExactlyOne };

// Everything the engine needs to run one exchange.
struct ExchangePlan {
    ExchangeCommand *command = nullptr;
    QVector<CommandState> steps; // the steps each scale runs, for every record
    QVector<int> records;        // record numbers in the order sent; empty: the steps alone
    bool closingRecord = false;  // the last record is a closing request: not counted or reported
    ScaleRule rule = ScaleRule::AtLeastOne;
    QString countError;               // the error text when the rule fails
    int pollInterval = 0;             // Timer1's interval from now on; 0 leaves it
    bool firstPollToEveryRow = false; // the first poll goes to every row of S, selected or not
    std::optional<ProgressBar> bar;   // the progress bar and the table the grid follows
    int progressMaximum = 0;          // the bar's maximum (the range size)
    // "Только изменённые": a goods or messages write sends each scale only the records the
    // command says it does not hold as they are (ExchangeCommand::scaleHolds).
    bool changedOnly = false;
};

} // namespace tevo
