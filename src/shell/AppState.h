#pragma once
// The small pieces of state the main window owns and others read: the number of selected
// scales (rows of S whose U is true) and the one-shot minimize of the first activation.
#include <QObject>

namespace tevo {

class AppState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Recounted when the main window becomes active and when the scales dialog closes; read by
    // every exchange starter.
    int selectedScaleCount() const { return m_selectedScaleCount; }
    void setSelectedScaleCount(int count)
    {
        m_selectedScaleCount = count;
        emit selectedScaleCountChanged(count);
    }

    // True until the first completed activation has minimized the main window.
    bool startMinimized() const { return m_startMinimized; }
    void setStartMinimized(bool on) { m_startMinimized = on; }

signals:
    void selectedScaleCountChanged(int count);

private:
    int m_selectedScaleCount = 0;
    bool m_startMinimized = true;
};

} // namespace tevo
