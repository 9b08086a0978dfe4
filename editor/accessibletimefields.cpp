#include "accessibletimefields.h"

#include <QAccessibleWidget>
#include <QTimeEdit>

namespace {

double seconds(QTime time)
{
    return time.msecsSinceStartOfDay() / 1000.0;
}

class AccessibleTimeField : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleTimeField(QTimeEdit *field)
        : QAccessibleWidget(field, QAccessible::SpinBox)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return field()->text();
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return seconds(field()->time()); }
    QVariant minimumValue() const override { return seconds(field()->minimumTime()); }
    QVariant maximumValue() const override { return seconds(field()->maximumTime()); }
    QVariant minimumStepSize() const override { return 0.001; }

    // As if typed and left: the window takes the time (kept within the field's range) as one
    // edit.
    void setCurrentValue(const QVariant &value) override
    {
        const qint64 lastOfDay = 86399999;
        const qint64 ms = qBound(qint64(0), qRound64(value.toDouble() * 1000.0), lastOfDay);
        field()->setTime(QTime::fromMSecsSinceStartOfDay(int(ms)));
        emit field()->editingFinished();
    }

private:
    QTimeEdit *field() const { return static_cast<QTimeEdit *>(widget()); }
};

const char secondsProperty[] = "vardelReadsSeconds";

QAccessibleInterface *timeFieldInterface(const QString &, QObject *object)
{
    auto *field = qobject_cast<QTimeEdit *>(object);
    if (field && field->property(secondsProperty).toBool())
        return new AccessibleTimeField(field);
    return nullptr;
}

} // namespace

void readTimeInSeconds(QTimeEdit *field)
{
    static const bool installed = [] {
        QAccessible::installFactory(timeFieldInterface);
        return true;
    }();
    (void)installed;
    field->setProperty(secondsProperty, true);
    // Qt keeps the first interface it made for a widget; one made before this call gives way.
    QAccessibleInterface *known = QAccessible::queryAccessibleInterface(field);
    if (known && !dynamic_cast<AccessibleTimeField *>(known))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}
