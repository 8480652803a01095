#include <QtTest>

#include "core/settings/PasswordFixtures.h"
#include "core/settings/PasswordHash.h"

using namespace kelvora;
using namespace kelvora::test;

Q_DECLARE_METATYPE(kelvora::PasswordForm)

class tst_PasswordHash : public QObject
{
    Q_OBJECT

private slots:
    void forms_data();
    void forms();
    void matches_data();
    void matches();
    void newHashHasCurrentForm();
};

void tst_PasswordHash::forms_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<PasswordForm>("form");
    QTest::addColumn<bool>("rehash");
    QTest::newRow("empty") << "" << PasswordForm::None << false;
    QTest::newRow("plain") << "Secret" << PasswordForm::Plain << true;
    QTest::newRow("plain with dollars") << "pa$$word" << PasswordForm::Plain << true;
    QTest::newRow("sha256") << kShaSecret << PasswordForm::Sha256 << true;
    QTest::newRow("sha256 in capitals") << kShaSecret.toUpper().replace("SHA256", "sha256") << PasswordForm::Unreadable
                                        << false;
    QTest::newRow("sha256 cut short") << kShaSecret.chopped(1) << PasswordForm::Unreadable << false;
    QTest::newRow("sha256 not hex") << "sha256$zz$00" << PasswordForm::Unreadable << false;
    QTest::newRow("argon2id") << kArgonSecret << PasswordForm::Argon2id << false;
    QTest::newRow("argon2id, older lower limits") << kArgonSecretWeak << PasswordForm::Argon2id << true;
    // Never written by the program; checking it would take seconds.
    QTest::newRow("argon2id above our limits") << kArgonSecretHeavy << PasswordForm::Unreadable << false;
    QTest::newRow("argon2id, 4e9 passes")
        << "$argon2id$v=19$m=8,t=4294967295,p=1$+pS4+4DM6b8VdZH9LdfQ3g$r7PAOYIekOMJons/8JEqao/NSgfu7eOaraUoqoT3Nvo"
        << PasswordForm::Unreadable << false;
    QTest::newRow("argon2id cut short") << kArgonSecret.left(40) << PasswordForm::Unreadable << false;
    QTest::newRow("argon2id with a space after") << kArgonSecret + " " << PasswordForm::Unreadable << false;
    QTest::newRow("argon2i") << kArgon2iSecret << PasswordForm::Unreadable << false;
}

void tst_PasswordHash::forms()
{
    QFETCH(QString, stored);
    QFETCH(PasswordForm, form);
    QFETCH(bool, rehash);
    QCOMPARE(passwordForm(stored), form);
    QCOMPARE(passwordNeedsRehash(stored), rehash);
}

void tst_PasswordHash::matches_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("expected");
    const struct
    {
        const char* name;
        QString stored;
        QString password;
    } forms[] = {{"plain", kAccented, kAccented},
                 {"sha256", kShaAccented, kAccented},
                 {"argon2id", kArgonAccented, kAccented},
                 {"argon2id, older limits", kArgonSecretWeak, "Secret"}};
    for (const auto& f : forms) {
        const QString& pw = f.password;
        QTest::addRow("%s, same", f.name) << f.stored << pw << true;
        QTest::addRow("%s, other case", f.name) << f.stored << pw.toLower() << false;
        QTest::addRow("%s, cut short", f.name) << f.stored << pw.chopped(1) << false;
        QTest::addRow("%s, one more", f.name) << f.stored << pw + "1" << false;
        QTest::addRow("%s, empty", f.name) << f.stored << "" << false;
    }
    QTest::newRow("sha256 text typed") << kShaSecret << kShaSecret << false;
    QTest::newRow("argon2id text typed") << kArgonSecret << kArgonSecret << false;
    QTest::newRow("no password, empty") << "" << "" << false;
    // Marked as a hash, so it is no older plain password either.
    QTest::newRow("unreadable, itself typed") << "sha256$zz$00" << "sha256$zz$00" << false;
    QTest::newRow("argon2id above limits, right") << kArgonSecretHeavy << "Secret" << false;
    QTest::newRow("argon2i, right") << kArgon2iSecret << "Secret" << false;
}

void tst_PasswordHash::matches()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, expected);
    QCOMPARE(passwordMatches(typed, stored), expected);
}

void tst_PasswordHash::newHashHasCurrentForm()
{
    const QString a = hashPassword(kAccented);
    const QString b = hashPassword(kAccented);
    QVERIFY2(a.startsWith(kCurrentArgonPrefix), qPrintable(a));
    const QRegularExpression saltAndHash("^[A-Za-z0-9+/]{22}\\$[A-Za-z0-9+/]{43}$");
    QVERIFY2(saltAndHash.match(a.mid(kCurrentArgonPrefix.size())).hasMatch(), qPrintable(a));
    QVERIFY2(a != b, "two hashes of one password share their salt");
    QCOMPARE(passwordForm(a), PasswordForm::Argon2id);
    QVERIFY(!passwordNeedsRehash(a));
    QVERIFY(passwordMatches(kAccented, a));
    // Its UTF-8 bytes taken one character each.
    QVERIFY(!passwordMatches(QString::fromLatin1("S\xc3\xa9" "cret 1"), a));
}

QTEST_GUILESS_MAIN(tst_PasswordHash)
#include "tst_PasswordHash.moc"
