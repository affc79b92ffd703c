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
    int SelectedScaleCount = 0;
    // Set until the first completed activation has minimized the main window.
    bool StartMinimized = true;

    void setSelectedScaleCount(int count)
    {
        SelectedScaleCount = count;
        emit selectedScaleCountChanged(count);
    }

signals:
    void selectedScaleCountChanged(int count);
};

} // namespace tevo
