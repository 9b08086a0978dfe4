#ifndef QXLANGUAGE_H
#define QXLANGUAGE_H

#include <QActionGroup>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

// The interface languages: the menu that lists them and the switch of the shared translator.
class QxLanguage : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxLanguage)

public:
    static QxLanguage *instance();

    QMenu *createLanguageMenu(QWidget *parent);
    void loadLanguage(const QString &locale);
    QString currentLanguage() const;

signals:
    void languageChanged(QString strLocale);

public slots:
    void OnChangeLanguage(QAction *action);

private:
    QxLanguage();

    QString systemLanguage() const;

    QStringList locales;
    QStringList nativeNames;
    QActionGroup actionGroup;
    int currentIndex = 0;
};

#endif
