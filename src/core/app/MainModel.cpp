#include "core/app/MainModel.h"

#include "core/base/KelvoraError.h"
#include "core/clients/ClientsModel.h"
#include "core/diary/DiaryModel.h"
#include "core/interaction/UserPort.h"
#include "core/ledger/LedgerModel.h"
#include "core/office/OfficeModel.h"
#include "core/store/Database.h"
#include "core/store/View.h"

#include <QDir>
#include <QFileInfo>


namespace kelvora {

const QString MainModel::kNobodyHome = QStringLiteral("Sorry, Nobody Home");
const QString MainModel::kQuitQuestion = QStringLiteral("Do you wish to Quit ?");

MainModel::MainModel(AppFolders folders, UserPort& port, Regional regional, Clock clock, QObject* parent)
    : QObject(parent), m_folders(std::move(folders)), m_port(port), m_regional(std::move(regional)),
      m_clock(std::move(clock)),
      m_settings(m_folders.settingsLocations(), m_regional, [this] { return today(); }),
      m_errorLog(m_folders.errorLogFile(), m_regional, [this] { return now(); }),
      m_reporter(port, [this](const QString& message, QString* reason) { return m_errorLog.append(message, reason); }),
      m_password(m_settings, port), m_toDo(m_folders.toDoFile()), m_important(m_folders.importantFile()),
      m_officeModel(std::make_unique<OfficeModel>(context(), m_important))
{
}

MainModel::~MainModel()
{
    closeDatabase();
}

void MainModel::closeDatabase()
{
    // The page models' views go before the connection they read from.
    m_incomeModel.reset();
    m_expensesModel.reset();
    m_clientsModel.reset();
    m_diaryModel.reset();
    m_db.reset();
}

View* MainModel::names()
{
    return m_clientsModel ? &m_clientsModel->view() : nullptr;
}

View* MainModel::expend()
{
    return m_expensesModel ? &m_expensesModel->view() : nullptr;
}

View* MainModel::income()
{
    return m_incomeModel ? &m_incomeModel->view() : nullptr;
}

View* MainModel::diary()
{
    return m_diaryModel ? &m_diaryModel->view() : nullptr;
}

PageModel* MainModel::pageModel(PageId page)
{
    switch (page) {
    case PageId::Diary: return m_diaryModel.get();
    case PageId::Clients: return m_clientsModel.get();
    case PageId::Expenses: return m_expensesModel.get();
    case PageId::Income: return m_incomeModel.get();
    case PageId::Office: return nullptr;
    }
    return nullptr;
}

MainModel::StartUp MainModel::startUp()
{
    if (!m_reporter.guarded([this] { m_settings.loadSettingsFile(); }))
        return StartUp::NoDatabase;
    if (const QString problem = m_settings.settingsFileProblem(); !problem.isEmpty()) {
        // Said before the user types anything: what is changed in this run
        // cannot be kept in that file.
        m_port.messageDlg(QStringLiteral("The settings file %1 cannot be used: %2.\r\nKelvora starts with the "
                                         "default settings and will not overwrite that file. Repair or move it "
                                         "to keep your settings.")
                              .arg(QDir::toNativeSeparators(m_folders.settingsFile()), problem),
                          MsgType::Warning, MsgButton::OK);
    }
    // A list file that cannot be read is reported and then left alone at close,
    // so its text is never replaced by an empty memo.
    m_reporter.guarded([this] { m_toDo.load(); });
    m_reporter.guarded([this] { m_important.load(); });
    if (!m_reporter.guarded([this] { m_settings.readSettingsKey(m_port); }))
        return StartUp::NoDatabase;
    m_scheme = ColourScheme::fromSettings(m_settings);

    if (!mayCreateDatabase())
        return nobodyHome(QStringLiteral("No database was found in %1, and none was made.")
                              .arg(QDir::toNativeSeparators(QDir::cleanPath(m_folders.dataFolder()))));
    try {
        openDatabase();
    } catch (const std::exception& e) {
        closeDatabase();
        return nobodyHome(QString::fromUtf8(e.what()));
    }
    return StartUp::Ready;
}

bool MainModel::mayCreateDatabase()
{
    if (QFileInfo::exists(m_folders.databaseFile()))
        return true;
    // A folder with Kelvora's other files but no database is more likely the
    // wrong or an unmounted folder than a new start.
    const bool newFolder = !QFileInfo::exists(m_folders.settingsFile()) && !QFileInfo::exists(m_folders.toDoFile()) &&
                           !QFileInfo::exists(m_folders.importantFile());
    if (newFolder)
        return true;
    const QString question = QStringLiteral("No database was found in %1. Create a new, empty one?")
                                 .arg(QDir::toNativeSeparators(QDir::cleanPath(m_folders.dataFolder())));
    return m_port.messageDlg(question, MsgType::Confirmation, MsgButton::Yes | MsgButton::No) == MsgButton::Yes;
}

MainModel::StartUp MainModel::nobodyHome(const QString& reason)
{
    // The reason goes to the log for whoever repairs the file; the user gets the
    // short word, and the reason too when the log could not keep it.
    const bool logged = m_reporter.log(reason);
    m_port.showMessage(logged ? kNobodyHome : kNobodyHome + QStringLiteral("\r\n") + reason);
    if (m_port.messageDlg(kQuitQuestion, MsgType::Confirmation, MsgButton::Yes | MsgButton::No) == MsgButton::Yes)
        return StartUp::Quit;
    return StartUp::NoDatabase;
}

void MainModel::openDatabase()
{
    m_db = std::make_unique<Database>(m_folders.databaseFile());
    const PageContext c = context();
    m_diaryModel = std::make_unique<DiaryModel>(c, *m_db, m_toDo);
    m_clientsModel = std::make_unique<ClientsModel>(c, *m_db);
    m_expensesModel = std::make_unique<LedgerModel>(c, *m_db, LedgerKind::Expenses);
    m_incomeModel = std::make_unique<LedgerModel>(c, *m_db, LedgerKind::Income);
    m_incomeModel->setExpensesForBalances(m_expensesModel.get());
    // The notes searches of the pages share the diary's search text.
    for (NotesSearch* search : {&m_clientsModel->notesSearch(), &m_expensesModel->notesSearch(),
                                &m_incomeModel->notesSearch()})
        search->shareSearchText([this] { return m_diaryModel->searchText(); },
                                [this](const QString& text) { m_diaryModel->setSearchText(text); });
}

bool MainModel::show(const std::function<bool()>& askPassword)
{
    if (hasDatabase()) {
        m_reporter.guarded([this] {
            m_expensesModel->findLastRef();
            m_incomeModel->findLastRef();
            m_clientsModel->refs().findLast();
        });
    }
    if (m_password.isSet() && askPassword && !askPassword())
        return false;
    if (hasDatabase())
        m_reporter.guarded([this] { m_diaryModel->NowBtnClick(); });
    m_settings.normaliseDateFormat();
    return true;
}

bool MainModel::closeSequence()
{
    // The records and the lists first: they are what the user typed. A failure
    // anywhere is gathered, and the rest is still saved.
    QStringList problems;
    const auto attempt = [&](const std::function<void()>& step) {
        const QString failure = m_reporter.collected(step);
        if (!failure.isEmpty())
            problems.append(failure);
    };
    for (PageModel* page : {pageModel(PageId::Diary), pageModel(PageId::Expenses), pageModel(PageId::Income),
                            pageModel(PageId::Clients)}) {
        if (page)
            attempt([page] { page->postPending(); });
    }
    attempt([this] { m_toDo.save(); });
    attempt([this] { m_important.save(); });
    attempt([this] { m_settings.saveSettingsFile(); });
    if (problems.isEmpty())
        return true;
    const QString question = QStringLiteral("Kelvora could not save everything:\r\n\r\n") +
                             problems.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\nQuit anyway?");
    return m_port.messageDlg(question, MsgType::Warning, MsgButton::Yes | MsgButton::No) == MsgButton::Yes;
}

bool MainModel::destroy()
{
    return m_settings.writeSettingsKey(m_port);
}

void MainModel::leavePage(PageId page)
{
    if (PageModel* model = pageModel(page))
        model->postPending();
}

bool MainModel::pageChanged()
{
    if (m_clientsModel)
        m_clientsModel->postPending();
    // Counted before asking: the answer itself moves to the Clients page.
    const bool first = m_pageChanges++ == 0;
    if (!first || !m_clientsModel || today().day() != 1)
        return false;
    if (m_port.messageDlg(QStringLiteral("Check for Birthdays within next Month ?"), MsgType::Confirmation,
                          MsgButton::Yes | MsgButton::No) != MsgButton::Yes)
        return false;
    m_clientsModel->tagTools().birthdaysWithinAMonth();
    return true;
}

void MainModel::SetPeriodAndYear()
{
    if (m_activePage == PageId::Expenses && m_expensesModel)
        m_expensesModel->SetPeriodAndYear();
    else if (m_activePage == PageId::Income && m_incomeModel)
        m_incomeModel->SetPeriodAndYear();
}

void MainModel::afterClipboardCommand()
{
    if (m_clientsModel)
        m_clientsModel->postPending();
}

QString MainModel::windowCaption() const
{
    return QStringLiteral(" Kelvora   -   Registered Owner : ") + m_settings.value(SettingKey::NameStr) +
           QStringLiteral("   ") + PageContext::dayText(today(), m_regional);
}

} // namespace kelvora
