// The status bar's report on work under way away from the window (a file
// being read, a tool running): what it is and a Cancel button. While it
// runs it fills the progress bar a few times a second and holds back the
// commands that would change the document.
#pragma once

#include <functional>

#include <QWidget>

#include "state/State.h"

class QLabel;
class QPushButton;
class QTimer;

namespace tess {

class QtWorkIndicator : public QWidget {
    Q_OBJECT
public:
    // `tick` shows the progress in the window; it runs while work goes on.
    QtWorkIndicator(State& state, std::function<void()> tick, QWidget* parent);

    // Shows the work under way, or hides; true while work runs.
    bool sync();
    QPushButton* cancelButton() const { return cancel_; }

private:
    State& state_;
    std::function<void()> tick_;
    QLabel* what_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace tess
