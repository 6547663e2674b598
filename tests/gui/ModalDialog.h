#pragma once
// Answers modal dialogs from inside a test. A dialog's exec() runs its own
// event loop, so the answer is given by a timer that waits for the expected
// dialog to become the active modal widget. A test never blocks: when the
// expected dialog does not show within the time limit, whatever modal dialog
// is open is closed and the test fails.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace tarvo::test {

// Calls `answer` with the next modal dialog of type T (and of `objectName`,
// when given) as soon as it is the active modal widget.
template <typename T>
void answerModal(std::function<void(T*)> answer, const char* objectName = nullptr, int timeoutMs = 5000) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, objectName, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        T* dialog = qobject_cast<T*>(modal);
        if (dialog != nullptr && (objectName == nullptr || dialog->objectName() == QLatin1String(objectName))) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected modal dialog did not show" << (objectName != nullptr ? objectName : "");
            if (modal != nullptr) modal->close();
        }
    });
    timer->start();
}

} // namespace tarvo::test
