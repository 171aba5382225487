#pragma once

#include <QList>
#include <QSignalSpy>

namespace Testing {

// The first argument of every emission a spy recorded, read as T and compared as a number.
template <typename T = int>
QList<int> firstArguments(const QSignalSpy& spy)
{
    QList<int> values;
    for (const QList<QVariant>& arguments : spy)
        values.append(static_cast<int>(arguments.first().value<T>()));
    return values;
}

} // namespace Testing
