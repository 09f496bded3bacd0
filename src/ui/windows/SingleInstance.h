#pragma once
// One running copy of the program per account. Two copies over the same data
// folder would each keep and count the same game, the last to write
// overwriting the other's without a word.
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace cardova::ui {

// The copy that runs holds a lock file in the data folder. A later start
// leaves a request file beside it, which the running copy notices, removes,
// and answers by coming to the front; the later start then ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `appDir` is the data folder, ending in a separator.
    explicit SingleInstance(const QString &appDir, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this copy may run: it holds the lock from now on (a lock left
    // by a copy that ended without releasing it is taken over) and answers
    // later starts. Also true when the folder allows no lock at all: nothing
    // could be kept there either, and a program that will not start is worse.
    bool claim();
    // From a copy that may not run: asks the running one to come to the
    // front and waits up to `waitMs` for it to take the request. False when
    // no running copy answered (the request is then taken back).
    bool askRunningToShow(int waitMs);

Q_SIGNALS:
    void showRequested();

private:
    void takeRequest();

    QString appDir_;
    QString requestPath_;
    QLockFile lock_;
    QFileSystemWatcher *watcher_ = nullptr;
};

} // namespace cardova::ui
