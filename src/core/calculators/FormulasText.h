#pragma once

#include <QString>

namespace kelvora {

// The Help menu's "Formulas" text: the formulas the calculators work by.
inline const QString kFormulasText =
    QStringLiteral("FORMULAS :\r\n\r\nAnnuities and loan formula used :-\r\n\r\n"
                   "Borrowing : Payment = P * (R / (1 - (1 + R) ^ -n))\r\n\r\n"
                   "Investing : Amount = P * ((1 + R) ^ n)\r\n\r\n"
                   "Annuity - Rising : FV = PMT * (((1 + R) ^ n - 1) / R)\r\n\r\n"
                   "Annuity - Sinking : PMT = FV * (R / ((1 + R) ^ n - 1))");

} // namespace kelvora
