#pragma once
// One copy per user, by a lock that the operating system holds for the process and drops
// when it ends, however it ends (flock on POSIX, LockFileEx on Windows). The lock file's
// content means nothing: an empty, garbled or foreign file left behind never keeps the
// user out, and there is nothing to take over after a crash.

#include "platform/platform.h"

#include <QStringList>

#include <optional>

namespace velmoor {

class LockFileInstanceQuery : public InstanceQuery {
public:
    // Tried in order: the first path at which a lock file can be opened decides. When
    // none can (every path blocked by a folder or by permissions), the program runs.
    explicit LockFileInstanceQuery(QStringList lockPaths);
    ~LockFileInstanceQuery() override;
    LockFileInstanceQuery(const LockFileInstanceQuery &) = delete;
    LockFileInstanceQuery &operator=(const LockFileInstanceQuery &) = delete;

    bool PrevInstance() override;
    // The lock held by this process, or "" when it holds none.
    QString heldPath() const { return m_held; }

    // The user's runtime folder when it is really theirs, then a folder of the user's own
    // (created for the user alone): never a folder that other users share.
    static QStringList defaultLockPaths(const QString &applicationName);

private:
    enum class Outcome { Locked, HeldElsewhere, Unusable };
    Outcome tryLock(const QString &path);

    QStringList m_paths;
    QString m_held;
    qintptr m_handle = -1;
    std::optional<bool> m_answer;
};

// A folder for this user alone: created with owner-only permissions when missing; "" when
// it exists but belongs to someone else.
QString privateFolder(const QString &path);

} // namespace velmoor
