#include "shell/LockIndicators.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace zelt {

namespace {

constexpr int kRefreshMilliseconds = 250;

QLabel* MakePane(QStatusBar* statusBar, const char* objectName, const char* text) {
    auto* pane = new QLabel(statusBar);
    pane->setObjectName(QString::fromLatin1(objectName));
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    // Wide enough for its text, so the panes do not jump when a lock changes.
    const int width = pane->fontMetrics().horizontalAdvance(QString::fromLatin1(text)) + 12;
    pane->setMinimumWidth(width);
    pane->setProperty("indicatorText", QString::fromLatin1(text));
    statusBar->addPermanentWidget(pane);
    return pane;
}

void Show(QLabel* pane, bool on) {
    const QString text = on ? pane->property("indicatorText").toString() : QString();
    if (pane->text() != text) {
        pane->setText(text);
    }
}

} // namespace

LockIndicators::LockIndicators(QStatusBar* statusBar, LockKeyProvider provider)
    : QObject(statusBar), provider_(std::move(provider)),
      caps_(MakePane(statusBar, "capIndicator", kCapsIndicator)),
      num_(MakePane(statusBar, "numIndicator", kNumIndicator)),
      scroll_(MakePane(statusBar, "scrlIndicator", kScrollIndicator)), timer_(new QTimer(this)) {
    if (!provider_) {
        provider_ = QueryLockKeys;
    }
    connect(timer_, &QTimer::timeout, this, &LockIndicators::Refresh);
    timer_->start(kRefreshMilliseconds);
    Refresh();
}

void LockIndicators::Refresh() {
    const LockKeys keys = provider_();
    Show(caps_, keys.capsLock);
    Show(num_, keys.numLock);
    Show(scroll_, keys.scrollLock);
}

} // namespace zelt
