#pragma once

#include <QObject>

class QAction;
class QMenuBar;

namespace kelvora {

// The main window's menu bar. Each item is an action named as the program
// knows it; the window connects what each one does.
class MainMenu : public QObject
{
    Q_OBJECT
public:
    explicit MainMenu(QMenuBar* bar);

    QAction* Exit1 = nullptr;   // "File" > "Exit"
    QAction* Calendar1 = nullptr; // "Calendar"
    QAction* Change1 = nullptr; // "Password" > "Change"
    QAction* GSTApplyRate1 = nullptr; // "Configure" > "GST Apply Rate"
    QAction* DualFieldClientFiltering1 = nullptr; // "Filter" > "Clients Dual Field Filtering"
    QAction* ComplexExpenseFiltering = nullptr;   // "Filter" > "Expenses Dual Field Filtering"
    QAction* ComplexIncomeFiltering = nullptr;    // "Filter" > "Income Dual Field Filtering"
};

} // namespace kelvora
