#pragma once
// What tevo-cli tells of an exchange: the progress on standard error while it runs (a bar
// redrawn in place when standard error is a terminal, plain lines otherwise), and at the end
// one line per scale with the end text, or the same report as JSON, and the exit status.
#include "exchange/ExchangeReport.h"

#include <QElapsedTimer>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <cstdio>

namespace tevo {
class ExchangeEngine;
}

namespace tevo::cli {

// The exit statuses.
enum Status : int {
    kDone = 0,     // every scale finished everything
    kFailure = 1,  // the database, the file system, an interruption
    kBadInput = 2, // a range, a file, a scale name, a value that cannot go to a scale
    kNotAll = 3,   // some scale refused, did not answer or could not be reached
};

// The status of an exchange that ended: kNotAll exactly when the window would show its warning
// instead of the success text (a scale refused a record of a write or a step, or stopped
// answering); a read of a number the scale does not hold is no refusal.
int exitStatusOf(const ExchangeReport &report);

// One line per scale (the window's status-bar lines), then the end text.
QStringList reportLines(const ExchangeReport &report);

// The report as JSON: command state, end, failure, and every scale with its counts, refused
// numbers and steps, and its line.
QJsonObject reportJson(const ExchangeReport &report);

// The name of a step in JSON ("goods-write", "header-read", …).
QString stepName(CommandState state);

// The progress of the running exchange on standard error.
class Progress : public QObject {
    Q_OBJECT
public:
    Progress(ExchangeEngine &engine, FILE *out, bool terminal);
    ~Progress() override;
    // Clears the bar before the report is printed.
    void finish();

private:
    void changed(const ScaleStatus &status);
    void draw();

    ExchangeEngine &m_engine;
    FILE *m_out;
    bool m_terminal;
    QTimer m_timer;
    QHash<int, ScaleStatus> m_scales; // by row
    QHash<int, QString> m_printed;    // the last plain line of each scale
    bool m_dirty = false;
    bool m_barShown = false;
};

} // namespace tevo::cli
