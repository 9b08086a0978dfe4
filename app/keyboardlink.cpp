#include "keyboardlink.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const char linkProperty[] = "vardelKeyboardLink";

// The skin's own focus colour: amber, bright on the window's dark blue.
const QColor focusInk(255, 200, 60);

class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Link)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return KeyboardLink::spokenText(label());
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            KeyboardLink::follow(label());
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }
};

QAccessibleInterface *linkInterface(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(linkProperty).toBool())
        return new AccessibleLink(label);
    return nullptr;
}

// Around the words, where they sit in the label, rather than the label's whole width.
QRect ringRect(const QLabel *label)
{
    const QSize words = label->sizeHint().boundedTo(label->size());
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(), words, label->rect())
            .adjusted(0, 0, -1, -1);
}

QTextDocument *parsed(const QLabel *label, QTextDocument &document)
{
    document.setHtml(label->text());
    return &document;
}

} // namespace

KeyboardLink::KeyboardLink(QLabel *label)
    : QObject(label)
{ }

void KeyboardLink::attach(QLabel *label)
{
    static const bool installed = [] {
        QAccessible::installFactory(linkInterface);
        return true;
    }();
    (void)installed;
    label->setProperty(linkProperty, true);
    // Setting its text made the label known as plain text already: Qt keeps the first
    // interface it made for an object, so that one gives way.
    QAccessibleInterface *known = QAccessible::queryAccessibleInterface(label);
    if (known && !dynamic_cast<AccessibleLink *>(known))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    // The label's own keyboard links would add a second stop inside it, and one that shows no
    // focus: the label itself is the stop, and the mouse still clicks the link.
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(new KeyboardLink(label));
}

QString KeyboardLink::spokenText(const QLabel *label)
{
    QTextDocument document;
    QString text = parsed(label, document)->toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    return text.simplified();
}

QString KeyboardLink::target(const QLabel *label)
{
    QTextDocument document;
    for (QTextBlock block = parsed(label, document)->begin(); block.isValid();
         block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString href = fragment.fragment().charFormat().anchorHref();
            if (!href.isEmpty())
                return href;
        }
    }
    return {};
}

void KeyboardLink::follow(QLabel *label)
{
    emit label->linkActivated(target(label));
}

bool KeyboardLink::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = static_cast<QLabel *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        follow(label);
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        label->update();
        return false;
    case QEvent::Paint:
        // Drawn first: the label paints its words over it and fills no background.
        if (label->hasFocus()) {
            QPainter painter(label);
            painter.setPen(focusInk);
            painter.drawRect(ringRect(label));
        }
        return false;
    default:
        return false;
    }
}
