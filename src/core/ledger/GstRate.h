#pragma once

#include <QString>

namespace kelvora {

class Settings;
class UserPort;

// The GST rate both ledger pages use: one text, shown in the rate boxes of
// both pages and kept as ApplyRate.
namespace gstrate {

// ApplyIncChange: whichever box changed, the rate becomes the text of the
// Expenses page's box; the Income page's box only shows it.
void ApplyIncChange(Settings& settings, const QString& applyText);
// "Configure" > "GST Apply Rate": asks for the rate; Cancel gives "10".
void GSTApplyRate1Click(Settings& settings, UserPort& port);

} // namespace gstrate

} // namespace kelvora
