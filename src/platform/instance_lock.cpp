#include "platform/instance_lock.h"

#include <QSocketNotifier>

#include <cstdio>

namespace velmoor {

InstanceGuard::InstanceGuard(QString name) : m_name(std::move(name))
{}

bool InstanceGuard::PrevInstance()
{
    if (!m_answer) {
        QString why;
        const Outcome outcome = take(why);
        m_answer = outcome == Outcome::HeldByAnotherCopy;
        if (outcome == Outcome::Unusable)
            std::fprintf(stderr, "velmoor: cannot make sure that only one copy runs (%s); starting anyway.\n",
                         qPrintable(why));
    }
    return *m_answer;
}

} // namespace velmoor
