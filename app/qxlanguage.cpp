#include "qxlanguage.h"

#include "app/translator.h"

#include <QAction>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

QxLanguage::QxLanguage()
    : actionGroup(this)
{ }

QxLanguage *QxLanguage::instance()
{
    static QxLanguage language;
    return &language;
}

QMenu *QxLanguage::createLanguageMenu(QWidget *parent)
{
    currentIndex = 0;
    auto *menu = new QMenu(tr("Language"), parent);
    connect(&actionGroup, &QActionGroup::triggered, this, &QxLanguage::OnChangeLanguage);

    // Native names are shown as they are, whatever the current language.
    locales << QStringLiteral("en") << QStringLiteral("fr") << QStringLiteral("de")
            << QStringLiteral("es") << QStringLiteral("it") << QStringLiteral("ja")
            << QStringLiteral("zh_CN") << QStringLiteral("zh_TW") << QStringLiteral("ar");
    for (const char *name : {"English",
                             "Français",
                             "Deutsch",
                             "Español",
                             "Italiano",
                             "日本語",
                             "简体中文",
                             "繁體中文",
                             "العربية"})
        nativeNames << QString::fromUtf8(name);

    for (int i = 0; i < locales.size(); ++i) {
        auto *action = new QAction(nativeNames.at(i), this);
        action->setCheckable(true);
        action->setData(locales.at(i));
        menu->addAction(action);
        actionGroup.addAction(action);
    }
    QAction *english = actionGroup.actions().constFirst();
    english->setChecked(true);
    english->setEnabled(false);
    return menu;
}

QString QxLanguage::systemLanguage() const
{
    const QString name = QLocale::system().name();
    if (locales.contains(name))
        return name;
    const int underscore = name.indexOf(QLatin1Char('_'));
    if (underscore > 0 && locales.contains(name.left(underscore)))
        return name.left(underscore);
    return QStringLiteral("en");
}

void QxLanguage::loadLanguage(const QString &locale)
{
    const QString language = locale.isEmpty() ? systemLanguage() : locale;
    if (g_translator)
        (void)g_translator->load(QStringLiteral(":/translations/ringtone_") + language);
    // Arabic mirrors every window: labels right of their fields, menus opening leftwards.
    QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    emit languageChanged(language);

    // The current language cannot be picked again; every other entry can.
    const QList<QAction *> actions = actionGroup.actions();
    for (int i = 0; i < actions.size(); ++i) {
        const bool current = actions.at(i)->data().toString() == language;
        if (current)
            currentIndex = i;
        actions.at(i)->setChecked(current);
        actions.at(i)->setEnabled(!current);
    }
}

QString QxLanguage::currentLanguage() const
{
    return locales.value(currentIndex, QStringLiteral("en"));
}

void QxLanguage::OnChangeLanguage(QAction *action)
{
    loadLanguage(action->data().toString());
}
