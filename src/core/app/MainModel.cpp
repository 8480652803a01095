#include "core/app/MainModel.h"

#include "core/app/KelvoraError.h"
#include "core/dates/DateTimeFormat.h"
#include "core/dates/PeriodAndYear.h"
#include "core/interaction/UserPort.h"
#include "core/settings/ListFile.h"
#include "core/store/ColumnEntryDefaults.h"
#include "core/store/Database.h"
#include "core/store/RefNumbering.h"
#include "core/store/Transaction.h"
#include "core/store/View.h"

#include <cmath>

namespace kelvora {

const QString MainModel::kNobodyHome = QStringLiteral("Sorry, Nobody Home");
const QString MainModel::kQuitQuestion = QStringLiteral("Do you wish to Quit ?");
const QString MainModel::kWrongPassword = QStringLiteral("You MUST enter the correct PASSWORD.");
const QString MainModel::kLoginFailed = QStringLiteral("Login Failed");
const QString MainModel::kNoAltF4 = QStringLiteral("You are NOT permitted to close the form this way.");

namespace {
const QString kLongDate = QStringLiteral("dddd d mmmm yyyy");
} // namespace

MainModel::MainModel(AppFolders folders, UserPort& port, Regional regional, Clock clock, QObject* parent)
    : QObject(parent), m_folders(std::move(folders)), m_port(port), m_regional(std::move(regional)),
      m_clock(std::move(clock)),
      m_settings(m_folders.settingsLocations(), m_regional, [this] { return today(); }),
      m_errorLog(m_folders.errorLogFile(), m_regional, [this] { return now(); })
{
}

MainModel::~MainModel()
{
    // Views go before the connection they read from.
    m_income.reset();
    m_expend.reset();
    m_names.reset();
    m_diary.reset();
    m_db.reset();
}

void MainModel::reportError(const QString& message)
{
    m_errorLog.append(message);
    m_port.messageDlg(message, MsgType::Error, MsgButton::OK);
}

bool MainModel::guarded(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const KelvoraError& e) {
        reportError(e.message());
    } catch (const std::exception& e) {
        reportError(QString::fromUtf8(e.what()));
    }
    return false;
}

MainModel::StartUp MainModel::startUp()
{
    if (!guarded([this] { m_settings.loadSettingsFile(); }))
        return StartUp::NoDatabase;
    // A list file that cannot be read is reported and then left alone at close,
    // so its text is never replaced by an empty memo.
    m_toDoLoaded = guarded([this] { m_toDo = ListFile::load(m_folders.toDoFile()); });
    m_importantLoaded = guarded([this] { m_important = ListFile::load(m_folders.importantFile()); });
    emit listsChanged();
    if (!guarded([this] { m_settings.readSettingsKey(m_port); }))
        return StartUp::NoDatabase;

    try {
        openDatabase();
    } catch (const std::exception& e) {
        // The reason goes to the log for whoever repairs the file; the user gets the short word.
        m_errorLog.append(QString::fromUtf8(e.what()));
        m_income.reset();
        m_expend.reset();
        m_names.reset();
        m_diary.reset();
        m_db.reset();
        m_port.showMessage(kNobodyHome);
        if (m_port.messageDlg(kQuitQuestion, MsgType::Confirmation, MsgButton::Yes | MsgButton::No) == MsgButton::Yes)
            return StartUp::Quit;
        return StartUp::NoDatabase;
    }
    return StartUp::Ready;
}

void MainModel::openDatabase()
{
    m_db = std::make_unique<Database>(m_folders.databaseFile());
    m_diary = std::make_unique<View>(*m_db, TableId::Diary);
    m_names = std::make_unique<View>(*m_db, TableId::Names);
    m_expend = std::make_unique<View>(*m_db, TableId::Expense);
    m_income = std::make_unique<View>(*m_db, TableId::Income);

    m_diary->setOrder(QStringLiteral("Date"));
    m_names->setOrder(QStringLiteral("Surname;FirstName;Company;EntryDate"));
    m_expend->setOrder(QStringLiteral("Date;Bus;Expense;Supplier;Invoice"));
    m_income->setOrder(QStringLiteral("Date;Bus;Incom;Sourc;Ref"));

    RefNumbering::attachNames(*m_names, m_lastClientRef);
    RefNumbering::attachExpend(*m_expend, m_lastExpenseRef);
    RefNumbering::attachIncome(*m_income, m_lastIncomeRef);
}

bool MainModel::show(const std::function<bool()>& askPassword)
{
    if (hasDatabase()) {
        const bool found = guarded([this] {
            RefNumbering::FindLastExpenseRef(*m_expend, m_lastExpenseRef);
            RefNumbering::FindLastIncomeRef(*m_income, m_lastIncomeRef);
            RefNumbering::FindLastClientRef(*m_names, m_lastClientRef);
        });
        if (!found)
            return true;
    }
    if (m_settings.hasStartupPassword() && askPassword && !askPassword())
        return false;
    if (hasDatabase())
        guarded([this] { calendarChange(today()); });
    m_settings.normaliseDateFormat();
    return true;
}

void MainModel::postIfPending(View* view)
{
    // A new record the user typed into is kept too: closing must not lose it.
    if (!view)
        return;
    if (view->state() == View::State::Edit || (view->state() == View::State::Insert && view->isModified()))
        view->post();
}

void MainModel::closeSequence()
{
    m_settings.saveSettingsFile();
    postIfPending(m_diary.get());
    postIfPending(m_expend.get());
    postIfPending(m_income.get());
    postIfPending(m_names.get());
    if (m_toDoLoaded)
        ListFile::save(m_folders.toDoFile(), m_toDo);
    if (m_importantLoaded)
        ListFile::save(m_folders.importantFile(), m_important);
}

namespace {
// Sets one field of the current record and posts it. A value the field refuses
// leaves the record as it was; an edit the user had already begun stays open.
void setFieldAndPost(View& view, QStringView field, const Value& value)
{
    const bool startedHere = view.state() == View::State::Browse;
    view.edit();
    try {
        view.setField(field, value);
    } catch (...) {
        if (startedHere)
            view.cancel();
        throw;
    }
    view.post();
}
} // namespace

void MainModel::gridCopy(View& view, const QString& field)
{
    if (view.currentRow() < 0 || field.isEmpty())
        return;
    m_port.setClipboardText(view.asText(field));
}

void MainModel::gridCut(View& view, const QString& field)
{
    if (view.currentRow() < 0 || field.isEmpty())
        return;
    m_port.setClipboardText(view.asText(field));
    setFieldAndPost(view, field, Value());
}

void MainModel::gridPaste(View& view, const QString& field)
{
    if (view.currentRow() < 0 || field.isEmpty())
        return;
    setFieldAndPost(view, field, Value::text(m_port.clipboardText()));
}

void MainModel::pictureCopy()
{
    if (!m_names || m_names->currentRow() < 0)
        return;
    const QByteArray picture = m_names->asBlob(u"Pix");
    if (!picture.isEmpty())
        m_port.setClipboardPicture(picture);
}

void MainModel::pictureCut()
{
    if (!m_names || m_names->currentRow() < 0 || m_names->isNull(u"Pix"))
        return;
    pictureCopy();
    setFieldAndPost(*m_names, u"Pix", Value());
}

void MainModel::picturePaste()
{
    if (!m_names || m_names->currentRow() < 0)
        return;
    const QByteArray picture = m_port.clipboardPicture();
    if (!picture.isEmpty())
        setFieldAndPost(*m_names, u"Pix", Value::blob(picture));
}

void MainModel::gridColumnEntered(View& view, const QString& field)
{
    ColumnEntryDefaults::columnEntered(view, field, m_port, today());
    // The diary's calendar follows the date of the row entered.
    if (&view == m_diary.get()) {
        const QDate date = view.asDate(u"Date");
        if (date.isValid() && date != m_calendarDate)
            calendarChange(date);
    }
}

void MainModel::afterClipboardCommand()
{
    postIfPending(m_names.get());
}

bool MainModel::destroy()
{
    return m_settings.writeSettingsKey(m_port);
}

bool MainModel::acceptStartupPassword(const QString& typed)
{
    if (!typed.isEmpty() && m_settings.startupPasswordMatches(typed))
        return true;
    m_port.messageDlg(kWrongPassword, MsgType::Warning, MsgButton::OK);
    return false;
}

void MainModel::refuseStartupPassword()
{
    m_port.messageDlg(kLoginFailed, MsgType::Information, MsgButton::OK);
}

void MainModel::startupPasswordAltF4()
{
    m_port.messageDlg(kNoAltF4, MsgType::Error, MsgButton::OK);
}

void MainModel::changePassword()
{
    const QString current = m_port.inputBox(QStringLiteral("Enter Your Current Password"),
                                            QStringLiteral("Enter (CASE SENSITIVE) Password"), QString());
    if (!m_settings.startupPasswordMatches(current)) {
        m_port.messageDlg(QStringLiteral("The Password given is incorrect"), MsgType::Information, MsgButton::OK);
        return;
    }
    const QString first = m_port.inputBox(QStringLiteral("Enter New (case sensitive) Password"),
                                          QStringLiteral("Enter New Password"), QString());
    const QString second = m_port.inputBox(QStringLiteral("Confirm (case sensitive) New Password"),
                                           QStringLiteral("Re-Enter New Password"), QString());
    if (first != second) {
        m_port.messageDlg(QStringLiteral("The Password Was NOT changed "), MsgType::Information, MsgButton::OK);
        return;
    }
    m_settings.setStartupPassword(first);
    m_port.messageDlg(QStringLiteral("The Password has been changed.\r\n\r\nAn empty or a non-existant password stops "
                                     "the software startup prompt from appearing.\r\nie NO Password is set."),
                      MsgType::Information, MsgButton::OK);
}

void MainModel::leavePage(Page page)
{
    switch (page) {
    case Page::Diary: postIfPending(m_diary.get()); break;
    case Page::Clients: postIfPending(m_names.get()); break;
    case Page::Expenses: postIfPending(m_expend.get()); break;
    case Page::Income: postIfPending(m_income.get()); break;
    case Page::Office: break;
    }
}

void MainModel::pageChanged()
{
    postIfPending(m_names.get());
}

void MainModel::SetPeriodAndYear()
{
    View* view = m_activePage == Page::Expenses ? m_expend.get() : m_activePage == Page::Income ? m_income.get() : nullptr;
    if (!view || view->currentRow() < 0)
        return;
    const bool inserting = view->state() == View::State::Insert;
    if (!inserting && view->isNull(u"Date")) {
        m_port.messageDlg(QStringLiteral("Enter Date"), MsgType::Information, MsgButton::OK);
        return;
    }
    const auto codes = computePeriodAndYear(view->asDate(u"Date"), m_settings.value(QStringLiteral("Period")),
                                            m_settings.value(QStringLiteral("FiscalYr")));
    if (!codes || inserting)
        return;
    view->edit();
    view->setField(u"Period", codes->periodCode);
    view->setField(u"Year", codes->yearCode);
    view->post();
}

void MainModel::calendarChange(const QDate& date)
{
    if (!m_diary || !date.isValid())
        return;
    m_calendarDate = date;
    View& diary = *m_diary;
    const bool found = diary.locate(u"Date", Value::text(date.toString(Qt::ISODate)));
    if (!found || diary.asDate(u"Date") != date) {
        diary.append();
        try {
            diary.setField(u"Date", date);
            diary.post();
        } catch (...) {
            // The day may exist in the table while a selection hides it; the
            // new record is not kept half-made.
            diary.cancel();
            throw;
        }
    }
    emit calendarDateChanged(date);
}

QString MainModel::windowCaption() const
{
    return QStringLiteral(" Kelvora   -   Registered Owner : ") + m_settings.value(QStringLiteral("NameStr")) +
           QStringLiteral("   ") + formatDate(kLongDate, today(), m_regional);
}

QString MainModel::calendarHeading() const
{
    return QStringLiteral("Todays Date ") + formatDate(kLongDate, today(), m_regional);
}

QString MainModel::todayHeading() const
{
    return formatDate(kLongDate, today(), m_regional);
}

QString MainModel::officeHeading() const
{
    return QStringLiteral("Business   Particulars   ") + formatDate(kLongDate, today(), m_regional);
}

QString MainModel::diaryHeading(const QDate& calendarDate) const
{
    return QStringLiteral("Diary for ") + formatDate(QStringLiteral("dddd d MMMM YYYY"), calendarDate, m_regional);
}

int MainModel::scaledWidth(int width, int newWidth, int referenceWidth)
{
    if (referenceWidth <= 0)
        return width;
    return int(std::lround(double(width) * double(newWidth) / double(referenceWidth)));
}

} // namespace kelvora
