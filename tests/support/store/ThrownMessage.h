#pragma once

#include "core/base/KelvoraError.h"

#include <QString>

namespace kelvora::test {

// The message of the error an action throws, or "<nothing thrown>", so a test
// states the refusal it expects in one comparison.
template <class Error = KelvoraError, class Action> QString thrownMessage(Action&& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.message();
    }
    return QStringLiteral("<nothing thrown>");
}

} // namespace kelvora::test
