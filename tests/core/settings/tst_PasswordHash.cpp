#include <QtTest>

#include "core/settings/PasswordHash.h"

using namespace kelvora;

class tst_PasswordHash : public QObject
{
    Q_OBJECT

private slots:
    void hashHasTheStoredForm();
    void matches_data();
    void matches();
};

void tst_PasswordHash::hashHasTheStoredForm()
{
    const QString a = hashPassword("Secret");
    const QString b = hashPassword("Secret");
    QVERIFY(QRegularExpression("^sha256\\$[0-9a-f]{32}\\$[0-9a-f]{64}$").match(a).hasMatch());
    QVERIFY(!a.contains("Secret"));
    QVERIFY2(a != b, "two hashes of one password share their salt");
    QVERIFY(isPasswordHash(a));
}

void tst_PasswordHash::matches_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("expected");
    const QString hash = hashPassword(QString::fromUtf8("Sécret 1"));
    QTest::newRow("hash, same") << hash << QString::fromUtf8("Sécret 1") << true;
    QTest::newRow("hash, other case") << hash << QString::fromUtf8("sécret 1") << false;
    QTest::newRow("hash, prefix") << hash << QString::fromUtf8("Sécret") << false;
    QTest::newRow("hash, empty") << hash << "" << false;
    QTest::newRow("plain, same") << "Secret" << "Secret" << true;
    QTest::newRow("plain, other case") << "Secret" << "secret" << false;
    // Looks like a hash but is not one: an older plain password, compared as it is.
    QTest::newRow("malformed hash is plain") << "sha256$zz$00" << "sha256$zz$00" << true;
    QTest::newRow("hash text typed") << hash << hash << false;
}

void tst_PasswordHash::matches()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, expected);
    QCOMPARE(passwordMatches(typed, stored), expected);
}

QTEST_GUILESS_MAIN(tst_PasswordHash)
#include "tst_PasswordHash.moc"
