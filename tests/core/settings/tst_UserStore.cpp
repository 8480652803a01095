#include <QtTest>

#include "core/base/KelvoraError.h"
#include "core/settings/SettingsTestFiles.h"
#include "core/settings/UserStore.h"

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::writeBytes;

class tst_UserStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void absentFileAndValuesReadEmpty();
    void valuesLiveInSectionKelvora();
    void unreadableKeyRaises_data();
    void unreadableKeyRaises();
    void writeKeepsOtherValues();
    void writeOverFolderFails();

private:
    QString path() const { return m_dir->filePath("Marrowby/Kelvora.ini"); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_UserStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_UserStore::absentFileAndValuesReadEmpty()
{
    UserStore store(path());
    QCOMPARE(store.readValue("NameStr"), QString());
    QVERIFY(!QFileInfo::exists(path()));
}

void tst_UserStore::valuesLiveInSectionKelvora()
{
    {
        UserStore store(path());
        store.writeValue("NameStr", "Jo Bloggs");
        store.writeValue("Grad1Str", "16711680");
        store.commit();
    }
    QCOMPARE(readBytes(path()), QByteArray("[Kelvora]\nNameStr=Jo Bloggs\nGrad1Str=16711680\n"));
    UserStore again(path());
    QCOMPARE(again.readValue("namestr"), QString("Jo Bloggs"));
    QCOMPARE(again.readValue("EmailStr"), QString());
}

void tst_UserStore::unreadableKeyRaises_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not UTF-8") << false << "the file is not UTF-8 text";
    QTest::newRow("folder in its place") << true << "";
}

void tst_UserStore::unreadableKeyRaises()
{
    QFETCH(bool, folder);
    QFETCH(QString, reason);
    if (folder)
        QVERIFY(QDir().mkpath(path()));
    else
        QVERIFY(writeBytes(path(), "[Kelvora]\nNameStr=Caf\xe9\n"));
    UserStore store(path());
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            store.readValue("NameStr");
            QFAIL("an unreadable key was read");
        } catch (const KelvoraError& e) {
            QVERIFY2(e.message().startsWith("The user settings " + path() + " could not be read: "),
                     qPrintable(e.message()));
            if (!reason.isEmpty())
                QVERIFY2(e.message().endsWith(reason + "."), qPrintable(e.message()));
        }
    }
}

// Writing never drops what it cannot read as UTF-8: the old values stay, now in UTF-8.
void tst_UserStore::writeKeepsOtherValues()
{
    QVERIFY(writeBytes(path(), "[Kelvora]\nNameStr=Zo\xeb\nR1Str=Pay now\n"));
    UserStore store(path());
    store.writeValue("EmailStr", "zoe@example.com");
    store.commit();
    UserStore again(path());
    QCOMPARE(again.readValue("NameStr"), QString::fromUtf8("Zoë"));
    QCOMPARE(again.readValue("R1Str"), QString("Pay now"));
    QCOMPARE(again.readValue("EmailStr"), QString("zoe@example.com"));
}

void tst_UserStore::writeOverFolderFails()
{
    QVERIFY(QDir().mkpath(path()));
    UserStore store(path());
    store.writeValue("NameStr", "Jo");
    QVERIFY_THROWS_EXCEPTION(KelvoraError, store.commit());
    QVERIFY(QFileInfo(path()).isDir());
}

QTEST_GUILESS_MAIN(tst_UserStore)
#include "tst_UserStore.moc"
