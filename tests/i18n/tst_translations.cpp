#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QStringList locales = {QStringLiteral("fr"),
                             QStringLiteral("de"),
                             QStringLiteral("es"),
                             QStringLiteral("it"),
                             QStringLiteral("ja"),
                             QStringLiteral("zh_CN"),
                             QStringLiteral("zh_TW"),
                             QStringLiteral("ar")};

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

struct TsFile
{
    QString language;
    QList<Message> messages;
    QString error;
};

QString tsPath(const QString &locale)
{
    return QStringLiteral(TS_DIR "/ringtone_%1.ts").arg(locale);
}

void readMessage(QXmlStreamReader &xml, const QString &context, TsFile &file)
{
    Message message {context, {}, {}, {}};
    while (xml.readNextStartElement()) {
        // Two texts in one message are what a careless merge leaves: lrelease keeps one of them
        // and the other's translation is lost without a word.
        if (xml.name() == QLatin1String("source") && !message.source.isNull()) {
            file.error = QStringLiteral("two sources in one message: ") + message.source;
            xml.skipCurrentElement();
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else {
            xml.skipCurrentElement();
        }
    }
    file.messages.append(message);
}

void readContext(QXmlStreamReader &xml, TsFile &file)
{
    QString context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            readMessage(xml, context, file);
        else
            xml.skipCurrentElement();
    }
}

TsFile readTs(const QString &path)
{
    TsFile file;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        file.error = in.errorString();
        return file;
    }
    QXmlStreamReader xml(&in);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("TS")) {
        file.language = xml.attributes().value(QLatin1String("language")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("context"))
                readContext(xml, file);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        file.error = xml.errorString();
    else if (file.language.isNull())
        file.error = QStringLiteral("no TS root element");
    return file;
}

// The parts of a text that code or markup depends on, in sorted order so that a
// translation may move them.
QStringList tokens(const QString &text, const QRegularExpression &pattern)
{
    QStringList found;
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

const QRegularExpression placeholder(QStringLiteral("%\\d+"));
const QRegularExpression tag(QStringLiteral("<[^>]*>"));
const QRegularExpression filePattern(QStringLiteral("\\*\\.[\\w*]+"));
// An ampersand before a visible character marks a menu accelerator.
const QRegularExpression mnemonic(QStringLiteral("&[^&\\s]"));

// Text that code joins to a translation keeps its separating space, whatever bidi marks
// surround it.
bool endsWithSpace(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[\\x{200e}\\x{200f}\\x{202a}-\\x{202e}]")));
    return text.endsWith(QLatin1Char(' '));
}

QString describe(const Message &m)
{
    return QStringLiteral("[%1] \"%2\"").arg(m.context, m.source.left(60));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageFinished_data();
    void everyMessageFinished();
    void markupSurvives_data();
    void markupSurvives();
    void sameMessagesInEveryFile();
};

void TestTranslations::everyMessageFinished_data()
{
    QTest::addColumn<QString>("locale");
    for (const QString &locale : locales)
        QTest::newRow(qPrintable(locale)) << locale;
}

void TestTranslations::everyMessageFinished()
{
    QFETCH(QString, locale);
    const TsFile file = readTs(tsPath(locale));
    QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
    QCOMPARE(file.language, locale);
    QVERIFY(!file.messages.isEmpty());
    for (const Message &m : file.messages) {
        // Outdated entries are dropped by lupdate -no-obsolete, never kept as such.
        QVERIFY2(m.type.isEmpty(), qPrintable(m.type + QLatin1Char(' ') + describe(m)));
        QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(describe(m)));
    }
}

void TestTranslations::markupSurvives_data()
{
    everyMessageFinished_data();
}

void TestTranslations::markupSurvives()
{
    QFETCH(QString, locale);
    const TsFile file = readTs(tsPath(locale));
    QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
    for (const Message &m : file.messages) {
        const QByteArray what = describe(m).toUtf8();
        QVERIFY2(tokens(m.translation, placeholder) == tokens(m.source, placeholder),
                 what.constData());
        QVERIFY2(tokens(m.translation, tag) == tokens(m.source, tag), what.constData());
        QVERIFY2(tokens(m.translation, filePattern) == tokens(m.source, filePattern),
                 what.constData());
        if (endsWithSpace(m.source))
            QVERIFY2(endsWithSpace(m.translation), what.constData());
        if (m.source.contains(mnemonic))
            QVERIFY2(m.translation.count(mnemonic) == 1, what.constData());
    }
}

void TestTranslations::sameMessagesInEveryFile()
{
    QMap<QString, QStringList> keysByLocale;
    for (const QString &locale : locales) {
        const TsFile file = readTs(tsPath(locale));
        QVERIFY2(file.error.isEmpty(), qPrintable(locale + QLatin1String(": ") + file.error));
        QStringList keys;
        for (const Message &m : file.messages)
            keys << m.context + QLatin1Char('\n') + m.source;
        keys.sort();
        keysByLocale.insert(locale, keys);
    }
    const QStringList reference = keysByLocale.value(locales.constFirst());
    for (const QString &locale : locales) {
        const QStringList keys = keysByLocale.value(locale);
        for (const QString &key : reference)
            QVERIFY2(keys.contains(key), qPrintable(locale + QLatin1String(" lacks ") + key));
        QCOMPARE(keys, reference);
    }
}

QTEST_APPLESS_MAIN(TestTranslations)
#include "tst_translations.moc"
