#pragma once

#include <QString>
#include <QStringList>

namespace kelvora {

// The texts of a borrowing window's boxes, as the loan specifics quote them.
struct LoanBoxTexts
{
    QString EdPrinc, EdRate, EdTime, Period, AltRepayment, StartDate;
    QString EdPays, EdR, EdInt, EdAI, EdAAI, EdTot, LoanTerminates;
};

// The borrowing calculator's loan specifics for the clipboard.
QString borrowSpecificsText(const LoanBoxTexts& boxes);
// The loan schedule's loan specifics for the clipboard.
QString scheduleSpecificsText(const LoanBoxTexts& boxes);
// The loan schedule's specifics followed by the whole schedule, every line ended.
QString scheduleCopyText(const LoanBoxTexts& boxes, const QStringList& scheduleLines);

} // namespace kelvora
