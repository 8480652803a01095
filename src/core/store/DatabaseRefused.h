#pragma once

#include "core/base/KelvoraError.h"

namespace kelvora {

// The database file cannot be used: it cannot be opened, is not a database, or
// lacks one of the four tables or one of their fields. Start-up answers it with
// "Sorry, Nobody Home"; the message says what is wrong for the error log.
class DatabaseRefused : public KelvoraError
{
public:
    using KelvoraError::KelvoraError;
};

} // namespace kelvora
