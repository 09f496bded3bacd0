#include "ui/windows/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

namespace cardova::ui {

namespace {
const QString kLockName = QStringLiteral("cardova.lock");
const QString kRequestName = QStringLiteral("cardova.show");
// How often a later start looks whether the running copy took its request.
constexpr int kPollMs = 20;
} // namespace

SingleInstance::SingleInstance(const QString &appDir, QObject *parent)
    : QObject(parent), appDir_(appDir), requestPath_(appDir + kRequestName), lock_(appDir + kLockName)
{
    // A running copy holds its lock however long it runs; only a lock whose
    // process is gone is stale.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    QDir().mkpath(appDir_);
    if (!lock_.tryLock(0))
        // Held by a running copy; a folder that takes no file stops nothing.
        return lock_.error() != QLockFile::LockFailedError;
    QFile::remove(requestPath_); // a request no copy answered
    watcher_ = new QFileSystemWatcher(QStringList{appDir_}, this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &SingleInstance::takeRequest);
    return true;
}

void SingleInstance::takeRequest()
{
    if (!QFile::exists(requestPath_))
        return;
    QFile::remove(requestPath_);
    Q_EMIT showRequested();
}

bool SingleInstance::askRunningToShow(int waitMs)
{
    QFile request(requestPath_);
    if (!request.open(QIODevice::WriteOnly))
        return false;
    request.close();
    const QDeadlineTimer deadline(waitMs);
    while (QFile::exists(requestPath_)) {
        if (deadline.hasExpired()) {
            QFile::remove(requestPath_);
            return false;
        }
        // Lets a running copy in this same process answer (tests).
        QCoreApplication::processEvents();
        QThread::msleep(kPollMs);
    }
    return true;
}

} // namespace cardova::ui
