#pragma once

// Drives a modal dialog that a click is about to open: the test arms it,
// then clicks; once the dialog runs its own loop, drive acts on it as a
// person would (and must close it).

#include <QtCore/QTimer>
#include <QtWidgets/QApplication>

#include <functional>
#include <memory>

template <class Dialog>
void DriveNextModal(std::function<void(Dialog&)> drive)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, drive] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        // Ten seconds at most: a dialog that never comes fails the test, not the run.
        if (!dialog && ++*tries < 2000) return;
        timer->stop();
        timer->deleteLater();
        if (dialog) drive(*dialog);
    });
    timer->start();
}
