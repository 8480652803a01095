#pragma once

#include "core/pages/PageId.h"
#include "gui/widgets/HandlerGuard.h"

#include <QList>
#include <QMainWindow>

class QMenu;
class QTabWidget;

namespace kelvora {

class ClientsPage;
class ClipboardTarget;
class DiaryPage;
class LedgerPage;
class MainMenu;
class MainModel;
class OfficePage;
class PageBase;
class UserPort;

// The main window: the page control with the five pages, the menu, the status
// bar and the shared right-click menu, and the start-up, show and close wiring.
// Every page's controls and handlers live in its page class; every step of
// start-up, show and close is the model's.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(MainModel& model, UserPort& port, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The start-up sequence. False when the program must end at once.
    bool FormCreate();
    // Set by FormShow when the start-up password was refused.
    bool refused() const { return m_refused; }

    MainModel& model() { return m_model; }
    HandlerGuard& guard() { return m_guard; }

    QTabWidget* PageControl = nullptr;
    QMenu* PopupMenu1 = nullptr;
    MainMenu* MainMenu1 = nullptr;
    // The pages in tab order. Without a database the first four are stand-ins.
    PageBase* TabDiary = nullptr;
    PageBase* TabClients = nullptr;
    PageBase* TabExpenses = nullptr;
    PageBase* TabIncome = nullptr;
    PageBase* TabOffice = nullptr;
    // The pages as what they are; null for a stand-in.
    DiaryPage* diaryPage() const;
    ClientsPage* clientsPage() const;
    LedgerPage* expensesPage() const;
    LedgerPage* incomePage() const;
    OfficePage* officePage() const;

    void Exit1Click();
    void Change1Click();
    void PageControlChange(int index);
    void ClientHeadClick();
    void PopUpCopyClick();
    void PopUpCutClick();
    void PopUpPasteClick();
    void Delete1Click();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildPages();
    void addPage(PageBase* page, const QString& caption);
    void buildPopupMenu();
    void fitToScreen();
    void FormShow();
    void commitOpenEditors();
    void runClipboardCommand(void (ClipboardTarget::*command)());

    MainModel& m_model;
    HandlerGuard m_guard;
    QList<PageBase*> m_pages;
    ClipboardTarget* m_popupTarget = nullptr;
    int m_referenceWidth = 0;
    int m_lastPage = 0;
    bool m_shown = false;
    bool m_refused = false;
    bool m_destroyed = false;
};

} // namespace kelvora
