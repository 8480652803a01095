#include "gui/app/TMainForm.h"

#include "core/app/AppInfo.h"
#include "core/app/MainModel.h"
#include "core/ledger/GstRate.h"
#include "core/settings/ColourScheme.h"
#include "gui/app/MainMenu.h"
#include "gui/dialogs/calculators/LoansMenu.h"
#include "gui/dialogs/diary/TCalForm.h"
#include "gui/dialogs/security/TPasswordDlg.h"
#include "gui/dialogs/selection/TFilterForm.h"
#include "gui/pages/ClientsPage.h"
#include "gui/pages/ClipboardTarget.h"
#include "gui/pages/DiaryPage.h"
#include "gui/pages/LedgerPage.h"
#include "gui/pages/NoDataPage.h"
#include "gui/pages/OfficePage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

namespace kelvora {

TMainForm::TMainForm(MainModel& model, UserPort&, QWidget* parent)
    : QMainWindow(parent), m_model(model), m_guard(model.reporter())
{
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    setFont(font);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setDocumentMode(true);
    setCentralWidget(PageControl);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(true);
    buildPopupMenu();
    resize(1344, 704 + 60);
}

TMainForm::~TMainForm()
{
    if (!m_destroyed) {
        m_destroyed = true;
        m_model.destroy();
    }
}

bool TMainForm::FormCreate()
{
    if (m_model.startUp() == MainModel::StartUp::Quit)
        return false;

    MainMenu1 = new MainMenu(menuBar());
    connect(MainMenu1->Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(MainMenu1->Change1, &QAction::triggered, this, &TMainForm::Change1Click);
    connect(MainMenu1->GSTApplyRate1, &QAction::triggered, this, [this] {
        m_guard.run([this] { gstrate::GSTApplyRate1Click(m_model.settings(), m_model.port()); });
    });
    addLoansMenu(menuBar(), m_model.settings(), m_model.regional(), m_model.folders(), m_guard, this,
                 [this] { return m_model.today(); });
    connect(MainMenu1->Calendar1, &QAction::triggered, this, [this] { TCalForm::Calendar1Click(m_model, this); });
    using FilterClick = void (*)(MainModel&, HandlerGuard&, QWidget*);
    for (auto [action, tab, click] : {std::tuple{MainMenu1->DualFieldClientFiltering1, &TMainForm::TabClients,
                                                 FilterClick(&TFilterForm::DualFieldClientFiltering1Click)},
                                      {MainMenu1->ComplexExpenseFiltering, &TMainForm::TabExpenses,
                                       &TFilterForm::ComplexExpenseFilteringClick},
                                      {MainMenu1->ComplexIncomeFiltering, &TMainForm::TabIncome,
                                       &TFilterForm::ComplexIncomeFilteringClick}})
        connect(action, &QAction::triggered, this, [this, page = tab, run = click] {
            PageControl->setCurrentWidget(this->*page);
            run(m_model, m_guard, this);
        });
    buildPages();
    for (PageBase* page : std::as_const(m_pages))
        page->applyColourScheme(m_model.colourScheme());
    connect(PageControl, &QTabWidget::currentChanged, this, &TMainForm::PageControlChange);
    fitToScreen();
    return true;
}

void TMainForm::buildPages()
{
    if (m_model.hasDatabase()) {
        addPage(TabDiary = new DiaryPage(*m_model.diaryModel(), m_guard), QStringLiteral("Diary"));
        addPage(TabClients = new ClientsPage(*m_model.clientsModel(), m_guard,
                                             m_model.settings().pictureAutoDisplay()),
                QStringLiteral("Clients"));
        addPage(TabExpenses = new LedgerPage(*m_model.expensesModel(), m_guard), QStringLiteral("Expenses"));
        addPage(TabIncome = new LedgerPage(*m_model.incomeModel(), m_guard), QStringLiteral("Income"));
    } else {
        addPage(TabDiary = new NoDataPage(PageId::Diary, QStringLiteral("TabDiary"), m_guard),
                QStringLiteral("Diary"));
        addPage(TabClients = new NoDataPage(PageId::Clients, QStringLiteral("TabClients"), m_guard),
                QStringLiteral("Clients"));
        addPage(TabExpenses = new NoDataPage(PageId::Expenses, QStringLiteral("TabExpenses"), m_guard),
                QStringLiteral("Expenses"));
        addPage(TabIncome = new NoDataPage(PageId::Income, QStringLiteral("TabIncome"), m_guard),
                QStringLiteral("Income"));
    }
    addPage(TabOffice = new OfficePage(m_model.officeModel(), m_model.settings(), m_guard), QStringLiteral("Office"));
}

void TMainForm::addPage(PageBase* page, const QString& caption)
{
    PageControl->addTab(page, caption);
    m_pages.append(page);
    connect(page, &PageBase::popupRequested, this, [this](ClipboardTarget* target, const QPoint& pos) {
        m_popupTarget = target;
        PopupMenu1->popup(pos);
    });
    connect(page, &PageBase::diaryRequested, this, &TMainForm::ClientHeadClick);
}

DiaryPage* TMainForm::diaryPage() const
{
    return qobject_cast<DiaryPage*>(TabDiary);
}

ClientsPage* TMainForm::clientsPage() const
{
    return qobject_cast<ClientsPage*>(TabClients);
}

LedgerPage* TMainForm::expensesPage() const
{
    return qobject_cast<LedgerPage*>(TabExpenses);
}

LedgerPage* TMainForm::incomePage() const
{
    return qobject_cast<LedgerPage*>(TabIncome);
}

OfficePage* TMainForm::officePage() const
{
    return qobject_cast<OfficePage*>(TabOffice);
}

void TMainForm::buildPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(PopupMenu1->addAction(QStringLiteral("Copy")), &QAction::triggered, this, &TMainForm::PopUpCopyClick);
    connect(PopupMenu1->addAction(QStringLiteral("Cut")), &QAction::triggered, this, &TMainForm::PopUpCutClick);
    connect(PopupMenu1->addAction(QStringLiteral("Paste")), &QAction::triggered, this, &TMainForm::PopUpPasteClick);
    connect(PopupMenu1->addAction(QStringLiteral("Delete")), &QAction::triggered, this, &TMainForm::Delete1Click);
}

void TMainForm::fitToScreen()
{
    QScreen* screen = QApplication::primaryScreen();
    if (!screen)
        return;
    // A small screen gets a window that fits it rather than one running off its edges.
    const QRect available = screen->availableGeometry();
    resize(std::min(width(), available.width()), std::min(height(), available.height() - 40));
    QRect frame = frameGeometry();
    frame.moveCenter(available.center());
    move(frame.topLeft());
}

// ---- show, close, resize ---------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMainForm::FormShow()
{
    const bool allowed = m_model.show([this] {
        TPasswordDlg dialog(m_model.startupPassword(), m_model.colourScheme(), this);
        return dialog.ask();
    });
    if (!allowed) {
        // A refused password ends the program without the close steps.
        m_refused = true;
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    m_referenceWidth = width();
    PageControl->setCurrentWidget(TabDiary);
    setWindowTitle(m_model.windowCaption());
    if (DiaryPage* diary = diaryPage())
        diary->shown();
    if (ClientsPage* clients = clientsPage())
        clients->shown();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (m_refused) {
        event->accept();
        return;
    }
    // Pending text in an edit box reaches the model before anything is saved.
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    commitOpenEditors();
    bool mayClose = true;
    m_guard.run([&] { mayClose = m_model.closeSequence(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    if (!m_destroyed) {
        m_destroyed = true;
        m_model.destroy();
    }
}

void TMainForm::commitOpenEditors()
{
    for (PageBase* page : std::as_const(m_pages))
        page->commitOpenEditors();
}

void TMainForm::Exit1Click()
{
    // Exit saves exactly as closing the window does.
    close();
}

bool TMainForm::event(QEvent* event)
{
    // FormActivate: also when a modal window returns.
    if (event->type() == QEvent::WindowActivate)
        m_model.FormActivate();
    return QMainWindow::event(event);
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const int newWidth = width();
    if (m_referenceWidth <= 0 || newWidth == m_referenceWidth)
        return;
    for (PageBase* page : std::as_const(m_pages))
        page->scaleWidths(newWidth, m_referenceWidth);
    m_referenceWidth = newWidth;
}

// ---- handlers -------------------------------------------------------------------

void TMainForm::Change1Click()
{
    m_guard.run([this] { m_model.startupPassword().Change1Click(); });
}

void TMainForm::PageControlChange(int index)
{
    commitOpenEditors();
    bool clientsWanted = false;
    m_guard.run([&] {
        const auto left = static_cast<PageId>(m_lastPage);
        m_lastPage = index;
        m_model.setActivePage(static_cast<PageId>(index));
        m_model.leavePage(left);
        clientsWanted = m_model.pageChanged();
    });
    if (clientsWanted && PageControl->currentWidget() != TabClients) {
        PageControl->setCurrentWidget(TabClients); // its own page change finishes the work
        return;
    }
    if (auto* page = qobject_cast<PageBase*>(PageControl->widget(index)))
        page->pageShown();
}

void TMainForm::ClientHeadClick()
{
    PageControl->setCurrentWidget(TabDiary);
}

void TMainForm::runClipboardCommand(void (ClipboardTarget::*command)())
{
    ClipboardTarget* target = m_popupTarget;
    m_guard.run([&] {
        if (target)
            (target->*command)();
        m_model.afterClipboardCommand();
    });
}

void TMainForm::PopUpCopyClick()
{
    runClipboardCommand(&ClipboardTarget::clipboardCopy);
}

void TMainForm::PopUpCutClick()
{
    runClipboardCommand(&ClipboardTarget::clipboardCut);
}

void TMainForm::PopUpPasteClick()
{
    runClipboardCommand(&ClipboardTarget::clipboardPaste);
}

void TMainForm::Delete1Click()
{
    m_guard.run([this] { m_model.afterClipboardCommand(); });
}

} // namespace kelvora
