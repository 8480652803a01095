#pragma once

namespace kelvora {

// Base to a real exponent, as every calculator raises (1 + r) to the number of
// periods. Never fails: an exponent of 0 gives 1 (0 to the 0 included), a base of
// 0 gives 0, a negative base takes the sign of the exponent rounded to a whole
// number (ties to even) while the magnitude uses the exponent as given, and a
// result beyond the range of the type gives 0.
long double RaiseToPower(long double base, long double exponent);

} // namespace kelvora
