#pragma once
// One copy per user and machine, by a name that the operating system holds for the running
// copy and drops when it ends, however it ends. On Linux the name is a socket in the
// abstract namespace, on Windows a mutex in the session's namespace: neither is a file, so
// no clean-up of a folder removes it, no folder's owner or place decides who gets it, and
// the environment (XDG_RUNTIME_DIR, HOME) does not change it. The name is made of the
// application id and the user's identity.

#include "platform/platform.h"

#include <QString>

#include <memory>
#include <optional>

class QSocketNotifier;

namespace velmoor {

class InstanceGuard : public InstanceQuery {
public:
    explicit InstanceGuard(QString name);
    ~InstanceGuard() override;
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    // Takes the name on the first call. When it cannot be taken for a reason other than
    // another copy of this user's (the system refuses, or another user holds this user's
    // name), the program runs, unguarded, and says so on standard error.
    bool PrevInstance() override;
    bool holds() const { return m_handle != -1; }

    // The application id and this user: the user id on Linux, the account name on Windows.
    static QString nameFor(const QString &applicationId);

private:
    enum class Outcome { Taken, HeldByAnotherCopy, Unusable };
    Outcome take(QString &why);

    QString m_name;
    qintptr m_handle = -1;
    std::unique_ptr<QSocketNotifier> m_callers;
    std::optional<bool> m_answer;
};

} // namespace velmoor
