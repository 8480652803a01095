#include "core/diary/EventLine.h"
#include "core/settings/Settings.h"
#include "support/ScriptedUserPort.h"

#include <QTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;

// The event countdown under the to-do list; today is 20 March 2012.
class tst_EventLine : public QObject
{
    Q_OBJECT

    ScriptedUserPort m_port;
    Regional m_regional = Regional::australian();
    Settings m_settings{SettingsLocations{}, m_regional, [] { return QDate(2012, 3, 20); }};
    std::unique_ptr<EventLine> m_line;

private slots:
    void init()
    {
        m_port = ScriptedUserPort();
        m_settings.setValue(SettingKey::Estr, QString());
        m_settings.setValue(SettingKey::Ehint, QString());
        m_line = std::make_unique<EventLine>(m_settings, m_port, m_regional, [] { return QDate(2012, 3, 20); });
    }

    void refresh_data()
    {
        QTest::addColumn<QString>("estr");
        QTest::addColumn<QString>("caption");
        QTest::newRow("five days ahead") << "25/03/2012" << "25/03/2012 - In 5 Days";
        QTest::newRow("two days past") << "18/03/2012" << "18/03/2012 - In -2 Days";
        QTest::newRow("as typed, next year") << "1/1/13" << "1/1/13 - In 287 Days";
    }

    void refresh()
    {
        QFETCH(QString, estr);
        QFETCH(QString, caption);
        m_settings.setValue(SettingKey::Estr, estr);
        m_settings.setValue(SettingKey::Ehint, QStringLiteral("Tax return due"));
        m_line->EventClick();
        QCOMPARE(m_line->caption(), caption);
        QCOMPARE(m_line->hint(), QStringLiteral("Tax return due ") + estr + QStringLiteral("\r\n Double click to change"));
    }

    void aFirstRunStartsTheEventToday()
    {
        m_line->EventClick();
        QCOMPARE(m_line->caption(), QStringLiteral("Event"));
        QCOMPARE(m_settings.value(SettingKey::Estr), QStringLiteral("20/03/2012"));
        m_line->EventClick();
        QCOMPARE(m_line->caption(), QStringLiteral("20/03/2012 - In 0 Days"));
    }

    void changeTheEvent()
    {
        m_settings.setValue(SettingKey::Estr, QStringLiteral("25/03/2012"));
        m_port.queueText(QStringLiteral("30/03/2012"));
        m_port.queueText(QStringLiteral("Holidays"));
        m_line->EventDblClick();
        QCOMPARE(m_port.log(), (QStringList{"InputBox: Event Date | Enter dd/mm/yyyy | 25/03/2012",
                                            "InputBox: Event Hint | Enter Hint | "}));
        QCOMPARE(m_line->caption(), QStringLiteral("30/03/2012  In 10 Days"));
        QCOMPARE(m_line->hint(), QStringLiteral("Holidays"));
        QCOMPARE(m_settings.value(SettingKey::Ehint), QStringLiteral("Holidays"));
        // An empty date is today.
        m_port.queueText(QString());
        m_port.queueCancel();
        m_line->EventDblClick();
        QCOMPARE(m_line->caption(), QStringLiteral("20/03/2012  In 0 Days"));
    }

    void anUnreadableDateIsRefusedAndTheEventKept()
    {
        m_settings.setValue(SettingKey::Estr, QStringLiteral("25/03/2012"));
        m_port.queueText(QStringLiteral("next friday"));
        m_line->EventDblClick();
        QCOMPARE(m_port.lastLine(), QStringLiteral("MessageDlg(Error): 'next friday' is not a valid date."));
        QCOMPARE(m_settings.value(SettingKey::Estr), QStringLiteral("25/03/2012"));
        QCOMPARE(m_line->caption(), QStringLiteral("Event"));
        // A stored date that cannot be read is said once and the line left alone.
        m_settings.setValue(SettingKey::Estr, QStringLiteral("31/02/2012"));
        m_line->EventClick();
        QCOMPARE(m_port.lastLine(), QStringLiteral("MessageDlg(Error): '31/02/2012' is not a valid date."));
        QCOMPARE(m_line->caption(), QStringLiteral("Event"));
    }
};

QTEST_GUILESS_MAIN(tst_EventLine)
#include "tst_EventLine.moc"
