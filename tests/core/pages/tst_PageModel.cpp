#include "core/base/KelvoraError.h"
#include "core/clients/ClientsModel.h"
#include "core/settings/Settings.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/ScriptedUserPort.h"
#include "support/store/TempDatabase.h"

#include <QTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDatabase;

// The grid commands and pending posts every page shares, shown on the client
// page, whose picture commands ride on the same set-and-post step.
class tst_PageModel : public QObject
{
    Q_OBJECT

    ScriptedUserPort m_port;
    Settings m_settings;
    Regional m_regional = Regional::australian();
    std::unique_ptr<TempDatabase> m_temp;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<ClientsModel> m_model;

    PageContext context()
    {
        return {m_port, m_settings, m_regional, [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); }};
    }

private slots:
    void init()
    {
        m_port = ScriptedUserPort();
        m_temp = std::make_unique<TempDatabase>();
        m_db = m_temp->open();
        m_model = std::make_unique<ClientsModel>(context(), *m_db);
        View& names = m_model->view();
        names.append();
        names.setField(u"Surname", QStringLiteral("Bailey"));
        names.post();
    }
    void cleanup()
    {
        m_model.reset();
        m_db.reset();
        m_temp.reset();
    }

    void gridClipboardCommands()
    {
        View& names = m_model->view();
        m_model->gridCopy(QStringLiteral("Surname"));
        QCOMPARE(m_port.clipboard, QStringLiteral("Bailey"));
        m_model->gridCut(QStringLiteral("Surname"));
        QVERIFY(names.isNull(u"Surname"));
        QCOMPARE(names.state(), View::State::Browse);
        m_port.clipboard = QStringLiteral("Carmody");
        m_model->gridPaste(QStringLiteral("Surname"));
        QCOMPARE(names.asText(u"Surname"), QStringLiteral("Carmody"));
        // A clipboard text longer than the field is refused and the record stays as it was.
        m_port.clipboard = QString(40, QLatin1Char('z'));
        QVERIFY_THROWS_EXCEPTION(KelvoraError, m_model->gridPaste(QStringLiteral("Surname")));
        QCOMPARE(names.asText(u"Surname"), QStringLiteral("Carmody"));
        QCOMPARE(names.state(), View::State::Browse);
        // A refused paste into a record the user is already editing keeps what was typed.
        names.edit();
        names.setField(u"FirstName", QStringLiteral("Joyce"));
        QVERIFY_THROWS_EXCEPTION(KelvoraError, m_model->gridPaste(QStringLiteral("Surname")));
        QCOMPARE(names.state(), View::State::Edit);
        QCOMPARE(names.asText(u"FirstName"), QStringLiteral("Joyce"));
        m_model->postPending();
        QCOMPARE(names.state(), View::State::Browse);
    }

    void pictureClipboardCommands()
    {
        View& names = m_model->view();
        const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a") + QByteArray("rest of a picture\0with a nul", 28);
        m_port.clipboardImage = png;
        m_model->picturePaste();
        QCOMPARE(names.asBlob(u"Pix"), png);
        QCOMPARE(names.state(), View::State::Browse);
        m_port.clipboardImage.clear();
        m_model->pictureCut();
        QCOMPARE(m_port.clipboardImage, png);
        QVERIFY(names.isNull(u"Pix"));
        // Nothing on the clipboard: the record is left alone.
        m_port.clipboardImage.clear();
        m_model->picturePaste();
        QVERIFY(names.isNull(u"Pix"));
    }

    void aNewRecordTypedIntoIsPostedAnUntouchedOneIsNot()
    {
        View& names = m_model->view();
        names.append();
        m_model->postPending();
        QCOMPARE(names.state(), View::State::Insert);
        names.setField(u"Surname", QStringLiteral("Dunn"));
        m_model->postPending();
        QCOMPARE(names.state(), View::State::Browse);
        QCOMPARE(names.asInteger(u"Ref"), 2);
    }
};

QTEST_GUILESS_MAIN(tst_PageModel)
#include "tst_PageModel.moc"
