#include "properties/HolidayReading.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QThread>
#include <QtCore/QTimer>
#include <QtWidgets/QProgressDialog>

#include <memory>

bool ReadHolidays(QWidget* parent, const std::vector<std::string>& files,
                  const std::function<bool(CIcalProgress*, CMessage*)>& read, CMessage* error)
{
    std::size_t bytes = 0;
    for (const std::string& file : files) {
        if (IsHolidayFileSource(file)) bytes += HolidayFileSize(file);
    }
    CIcalProgress progress;
    if (bytes < kThreadedHolidayBytes) return read(&progress, error);

    bool ok = false;
    CMessage why;
    std::unique_ptr<QThread> thread(QThread::create([&] { ok = read(&progress, &why); }));
    QProgressDialog dialog(QCoreApplication::translate("HolidayReading", "Reading the holiday files..."), QCoreApplication::translate("HolidayReading", "Cancel"), 0, 1000, parent);
    dialog.setWindowTitle(QCoreApplication::translate("HolidayReading", "Special Days"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog,
                     [&progress] { progress.m_bCancel.store(true); });
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (!dialog.wasCanceled()) dialog.setValue(progress.m_nPermille.load());
    });
    thread->start();
    dialog.show();
    poll.start();
    if (!thread->isFinished()) loop.exec();
    thread->wait();
    poll.stop();
    dialog.hide();
    if (error) *error = why;
    return ok;
}
