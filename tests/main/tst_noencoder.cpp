#include "mainfixture.h"

// Built into a folder without the encoder, as on an installation that lost it.
class TestNoEncoder : public QObject
{
    Q_OBJECT

private slots:
    void missingEncoderIsReported();

private:
    MainFixture f;
};

void TestNoEncoder::missingEncoderIsReported()
{
    MainFixture::isolateSettings();
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/ffmpeg")));
    f.open();
    f.loadAndWait(f.makeTone(QStringLiteral("song.wav"), 3.0));
    QCOMPARE(f.status(), QStringLiteral("The encoder could not be started."));
    QVERIFY(f.child<QPushButton>("btnGenerate")->isEnabled());
    QVERIFY(f.child<QPushButton>("btnPlay")->isEnabled());
    // Without a decoded sound there is nothing to suggest from, and the button says so.
    const auto *suggest = f.child<QPushButton>("btnSuggest");
    QTRY_VERIFY(suggest->toolTip().contains(QLatin1String("could not be analysed")));
    QVERIFY(!suggest->isEnabled());

    f.child<QLineEdit>("editOutputFolder")->setText(f.dir.path());
    f.child<QPushButton>("btnGenerate")->click();
    QTRY_VERIFY(f.generateIsBack());
    QCOMPARE(f.status(), QStringLiteral("The encoder could not be started."));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList {"song.wav"});
}

QTEST_MAIN(TestNoEncoder)
#include "tst_noencoder.moc"
