#include "store/OperationGuard.h"

#include <QCoreApplication>

namespace {
// The texts of this unit, translated under the context "OperationGuard".
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(OperationGuard)
};
} // namespace

namespace tevo {
OperationGuard::Scope::Scope(OperationGuard &guard, const QString &what, bool stoppable) : m_guard(guard)
{
    m_refusal = guard.refusal();
    if (!m_refusal.isEmpty())
        return;
    guard.m_running = what.isEmpty() ? Tr::tr("операция с таблицами") : what;
    guard.m_stoppable = stoppable;
    m_held = true;
}

OperationGuard::Scope::~Scope()
{
    if (m_held) {
        m_guard.m_running.clear();
        m_guard.m_stoppable = false;
    }
}

QString OperationGuard::Scope::refusal() const { return m_refusal; }

QString OperationGuard::refusal() const
{
    if (m_ending)
        return Tr::tr("Программа завершает работу: команда не выполнена.");
    if (busy())
        return Tr::tr("Сейчас выполняется другая операция с таблицами: %1. Повторите команду, когда она "
                      "закончится.")
            .arg(m_running);
    return {};
}

} // namespace tevo
