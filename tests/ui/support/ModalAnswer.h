#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace zelt::test {

// Answers the next modal window as soon as it is open, so that a test can drive code that opens
// a real dialog without ever blocking: the answer runs from the dialog's own event loop. If no
// modal window appears within the time limit the answer is not given and the test fails on
// what it then finds.
inline void AnswerNextModal(std::function<void(QWidget*)> answer, int limitMilliseconds = 5000) {
    constexpr int kStep = 10;
    auto* timer = new QTimer(qApp);
    timer->setInterval(kStep);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, waited = 0, answer = std::move(answer), limitMilliseconds]() mutable {
                         if (QWidget* modal = QApplication::activeModalWidget()) {
                             timer->stop();
                             timer->deleteLater();
                             answer(modal);
                         } else if ((waited += kStep) > limitMilliseconds) {
                             timer->stop();
                             timer->deleteLater();
                         }
                     });
    timer->start();
}

} // namespace zelt::test
