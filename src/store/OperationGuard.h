#pragma once
// One long table operation at a time. The table rebuilds, the imports, an automatic load and
// the deletion of a grid row (with its question) may each process window events or wait in a
// message box while they work; the guard keeps another of them from starting meanwhile.
// Whoever wants to run one takes a Scope: when another operation holds the guard, the Scope is
// empty and tells which operation is running, and the caller refuses (a menu command says so,
// the automatic-loading tick simply tries again at its next tick). Once the program is ending,
// no new operation starts.
// An exchange with the scales that reads or writes goods or messages holds the guard too, so
// that no rebuild or import changes the rows under it; it is the one holder another operation
// may end: an automatic load stops it (as it stops any exchange) and then takes the guard.
#include <QString>

namespace tevo {

class OperationGuard {
public:
    class Scope {
    public:
        // Takes the guard for the operation `what` (a lower-case phrase such as "импорт
        // товаров из файла") when it is free.
        // `stoppable`: the holder is an exchange with the scales, which an automatic load may
        // stop before it takes the guard.
        Scope(OperationGuard &guard, const QString &what, bool stoppable = false);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

        explicit operator bool() const { return m_held; }
        // Why the operation cannot start now; empty when the Scope holds the guard.
        QString refusal() const;

    private:
        OperationGuard &m_guard;
        bool m_held = false;
        QString m_refusal;
    };

    bool busy() const { return !m_running.isEmpty(); }
    // Why no operation can start now ("" when one can).
    QString refusal() const;
    // The operation that holds the guard ("" when free).
    const QString &running() const { return m_running; }
    // The holder is an exchange that may be stopped to free the guard.
    bool heldByStoppable() const { return busy() && m_stoppable; }

    // The program is ending: no operation starts from now on.
    void end() { m_ending = true; }
    bool ending() const { return m_ending; }

private:
    QString m_running;
    bool m_stoppable = false;
    bool m_ending = false;
};

} // namespace tevo
