#pragma once

#include "core/format/Regional.h"
#include "core/settings/AppFolders.h"

#include <QDate>
#include <QMenu>
#include <QString>
#include <functional>

class QDialog;
class QMenuBar;

namespace kelvora {

class CalculatorReportRunner;
class HandlerGuard;
class Settings;

// The "Loans" menu of the main window: each item opens its calculator, modal, and
// destroys it on closing. The menu keeps what outlives a calculator window for the
// rest of the run (the loan schedule's alternate repayment).
class LoansMenu : public QMenu
{
    Q_OBJECT

public:
    using Clock = std::function<QDate()>;
    // How a calculator window is shown; by default modally (exec()).
    using Show = std::function<void(QDialog&)>;

    LoansMenu(Settings& settings, const Regional& regional, const AppFolders& folders, HandlerGuard& guard,
              QWidget* parent, Clock today = {});

    void Borrow1Click();
    void BorrowDetail1Click();
    void Invest1Click();
    void RisingAnnuity1Click();
    void SinkingAnnuity1Click();

    // The alternate repayment of the loan schedule, remembered while the program runs.
    QString alternateRepayment() const { return m_alternateRepayment; }

    void setShow(Show show) { m_show = std::move(show); }
    // Reports go to this runner instead of the preview (tests).
    void setReportRunner(CalculatorReportRunner* runner) { m_runner = runner; }

private:
    template <typename Form, typename... Extra> void open(Extra&... extra);

    Settings& m_settings;
    Regional m_regional;
    AppFolders m_folders;
    HandlerGuard& m_guard;
    Clock m_today;
    QString m_alternateRepayment;
    Show m_show;
    CalculatorReportRunner* m_runner = nullptr;
};

// Adds the "Loans" menu to the main window's menu bar and returns it.
LoansMenu* addLoansMenu(QMenuBar* bar, Settings& settings, const Regional& regional,
                        const AppFolders& folders, HandlerGuard& guard, QWidget* parent,
                        LoansMenu::Clock today = {});

} // namespace kelvora
