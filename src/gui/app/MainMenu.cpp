#include "gui/app/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kelvora {

namespace {
template <class Menu> QAction* item(Menu* menu, const char* caption, const char* name, const char* hint)
{
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(QString::fromLatin1(hint));
    return action;
}
} // namespace

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar)
{
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    Exit1 = item(file, "Exit", "Exit1", "Save everything and close Kelvora");
    Calendar1 = item(bar, "Calendar", "Calendar1", "Access a spare calendar");
    QMenu* configure = bar->addMenu(QStringLiteral("Configure"));
    configure->setObjectName(QStringLiteral("Configure1"));
    GSTApplyRate1 = item(configure, "GST Apply Rate", "GSTApplyRate1", "Set the GST rate the ledger buttons use");
    QMenu* filter = bar->addMenu(QStringLiteral("Filter"));
    filter->setObjectName(QStringLiteral("Filter1"));
    DualFieldClientFiltering1 = item(filter, "Clients Dual Field Filtering", "DualFieldClientFiltering1", "");
    ComplexExpenseFiltering =
        item(filter, "Expenses Dual Field Filtering", "ComplexExpenseFiltering", "Filtering on two fields.");
    ComplexIncomeFiltering =
        item(filter, "Income Dual Field Filtering", "ComplexIncomeFiltering", "Filtering on two fields.");
    QMenu* password = bar->addMenu(QStringLiteral("Password"));
    Change1 = item(password, "Change", "Change1", "Simple access password");
}

} // namespace kelvora
