#include "core/calculators/LoanTexts.h"

namespace kelvora {

namespace {

const QString kEnd = QStringLiteral("\t\t\r\n");

// The pieces of the schedule's specifics up to the closing rule, which the two
// copy buttons end differently.
QString scheduleSpecificsBody(const LoanBoxTexts& b)
{
    return QStringLiteral(
               "Reducing Interest\r\n\r\nLOAN  REQUIREMENTS\r\nLoan Amount                      =  $") +
           b.EdPrinc + kEnd + QStringLiteral("Rate of Interest ( % )          =  ") + b.EdRate +
           QStringLiteral("%") + kEnd + QStringLiteral("Term ( Years )                    =  ") + b.EdTime +
           QStringLiteral("Years") + kEnd + QStringLiteral("Repayment Frequency      =  ") + b.Period + kEnd +
           QStringLiteral("Alternate Repayment         =  $") + b.AltRepayment + kEnd +
           QStringLiteral("Start Date                          =  ") + b.StartDate +
           QStringLiteral("\t\t\r\n\r\n") + QStringLiteral("LOAN  OUTCOMES") + QStringLiteral("\r\n") +
           QStringLiteral("Number of Repayments    =  ") + b.EdPays + kEnd +
           QStringLiteral("Repayment                        =  $") + b.EdR + kEnd +
           QStringLiteral("Total Interest Paid              =  ") + b.EdInt + kEnd +
           QStringLiteral("Average Interest                 =  ") + b.EdAI + kEnd +
           QStringLiteral("Average Annual Interest     =  ") + b.EdAAI + kEnd +
           QStringLiteral("Total Repayment                =  ") + b.EdTot + kEnd +
           QStringLiteral("Loan Terminates                =  ") + b.LoanTerminates + kEnd +
           QStringLiteral("------------------------------------------------------- ");
}

} // namespace

QString borrowSpecificsText(const LoanBoxTexts& b)
{
    return QStringLiteral(
               "Reducing Interest\r\n\r\nLOAN  REQUIREMENTS\r\nLoan Amount                       =  $") +
           b.EdPrinc + kEnd + QStringLiteral("Rate of Interest ( % )          =  ") + b.EdRate +
           QStringLiteral("%") + kEnd + QStringLiteral("Term ( Years )                    =  ") + b.EdTime +
           QStringLiteral("Years") + kEnd + QStringLiteral("Repayment Frequency      =  ") + b.Period +
           QStringLiteral("\t\t\r\n\r\n") + QStringLiteral("LOAN  OUTCOMES") + QStringLiteral("\r\n") +
           QStringLiteral("Number of Repayments     =  ") + b.EdPays + kEnd +
           QStringLiteral("Repayment                         =  ") + b.EdR + kEnd +
           QStringLiteral("Total Interest Paid               =  ") + b.EdInt + kEnd +
           QStringLiteral("Average Interest                 =  ") + b.EdAI + kEnd +
           QStringLiteral("Average Annual Interest     =  ") + b.EdAAI + kEnd +
           QStringLiteral("Total Repayment                =  ") + b.EdTot + kEnd +
           QStringLiteral("------------------------------------------------------ ") +
           QStringLiteral("\t\r\n");
}

QString scheduleSpecificsText(const LoanBoxTexts& b)
{
    return scheduleSpecificsBody(b) + QStringLiteral("\t\r\n");
}

QString scheduleCopyText(const LoanBoxTexts& b, const QStringList& scheduleLines)
{
    QString text = scheduleSpecificsBody(b) + QStringLiteral("\t\r\n\r\n");
    for (const QString& line : scheduleLines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace kelvora
