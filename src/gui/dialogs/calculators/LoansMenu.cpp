#include "gui/dialogs/calculators/LoansMenu.h"

#include "core/calculators/CalculatorContext.h"
#include "gui/widgets/HandlerGuard.h"
#include "gui/dialogs/calculators/PreviewReportRunner.h"
#include "gui/dialogs/calculators/TAnnRForm.h"
#include "gui/dialogs/calculators/TAnnSForm.h"
#include "gui/dialogs/calculators/TBorrowDetailForm.h"
#include "gui/dialogs/calculators/TBorrowForm.h"
#include "gui/dialogs/calculators/TInvestForm.h"

#include <QAction>
#include <QMenuBar>

namespace kelvora {

LoansMenu::LoansMenu(Settings& settings, const Regional& regional, const AppFolders& folders,
                     HandlerGuard& guard, QWidget* parent, Clock today)
    : QMenu(QStringLiteral("Loans"), parent), m_settings(settings), m_regional(regional), m_folders(folders),
      m_guard(guard), m_today(std::move(today))
{
    setObjectName(QStringLiteral("Loans1"));
    struct Item
    {
        const char* name;
        const char* caption;
        const char* tip;
        void (LoansMenu::*handler)();
    };
    const Item items[] = {
        {"Borrow1", "Borrow", "Repayments of a loan with reducing interest", &LoansMenu::Borrow1Click},
        {"BorrowDetail1", "Borrow Detail", "Loan schedule: every repayment with its due date",
         &LoansMenu::BorrowDetail1Click},
        {"Invest1", "Invest", "Value of a sum earning compound interest", &LoansMenu::Invest1Click},
        {"RisingAnnuity1", "Rising Annuity", "Future value of regular payments into a fund",
         &LoansMenu::RisingAnnuity1Click},
        {"SinkingAnnuity1", "Sinking Annuity", "Regular payment needed to reach a future value",
         &LoansMenu::SinkingAnnuity1Click},
    };
    for (const Item& item : items) {
        QAction* action = addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setStatusTip(QString::fromLatin1(item.tip));
        connect(action, &QAction::triggered, this, [this, handler = item.handler] { (this->*handler)(); });
    }
}

template <typename Form, typename... Extra> void LoansMenu::open(Extra&... extra)
{
    m_guard.run([&] {
        PreviewReportRunner preview(m_folders, m_regional, m_guard.port());
        CalculatorReportRunner& reports = m_runner ? *m_runner : preview;
        const CalculatorContext context{m_settings, m_guard.port(), reports, m_regional, m_today};
        Form form(context, extra..., m_guard, parentWidget());
        preview.setParentWindow(&form);
        if (m_show)
            m_show(form);
        else
            form.exec();
    });
}

void LoansMenu::Borrow1Click()
{
    open<TBorrowForm>();
}

void LoansMenu::BorrowDetail1Click()
{
    open<TBorrowDetailForm>(m_alternateRepayment);
}

void LoansMenu::Invest1Click()
{
    open<TInvestForm>();
}

void LoansMenu::RisingAnnuity1Click()
{
    open<TAnnRForm>();
}

void LoansMenu::SinkingAnnuity1Click()
{
    open<TAnnSForm>();
}

LoansMenu* addLoansMenu(QMenuBar* bar, Settings& settings, const Regional& regional,
                        const AppFolders& folders, HandlerGuard& guard, QWidget* parent,
                        LoansMenu::Clock today)
{
    auto* menu = new LoansMenu(settings, regional, folders, guard, parent, std::move(today));
    bar->addMenu(menu);
    return menu;
}

} // namespace kelvora
