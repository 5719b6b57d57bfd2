#include "app/QtWorkIndicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "view/Progress.h"

namespace tess {

QtWorkIndicator::QtWorkIndicator(State& state, std::function<void()> tick, QWidget* parent)
    : QWidget(parent), state_(state), tick_(std::move(tick)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    what_ = new QLabel(this);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancelWork");
    row->addWidget(what_);
    row->addWidget(cancel_);
    timer_ = new QTimer(this);
    timer_->setInterval(50);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (sync()) tick_();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        state_.work.cancel();
        cancel_->setEnabled(false);
    });
    hide();
}

bool QtWorkIndicator::sync() {
    const WorkUnderWay& work = state_.work;
    if (!work.running()) {
        timer_->stop();
        hide();
        return false;
    }
    what_->setText(QString::fromUtf8((work.what + "…").c_str()));
    cancel_->setEnabled(!work.progress->cancelled());
    showProgress(state_.progress, ProgressPhase::Reading, static_cast<std::int64_t>(work.progress->share() * 1000), 1000);
    if (!timer_->isActive()) timer_->start();
    show();
    return true;
}

}  // namespace tess
