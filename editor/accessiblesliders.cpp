#include "accessiblesliders.h"

#include "clipslider.h"
#include "volumelevels.h"
#include "volumeslider.h"
#include "volumeslidermath.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

#include <cmath>

namespace {

// A slider a screen reader can read; what it reads comes from the widget.
class AccessibleSlider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleSlider(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Slider)
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
            return valueText();
        return QAccessibleWidget::text(kind);
    }

protected:
    virtual QString valueText() const = 0;
};

// Read in the gain the volume label shows ("1x" reads 1), not the slider's hidden position.
class AccessibleVolume : public AccessibleSlider
{
public:
    using AccessibleSlider::AccessibleSlider;

    QVariant currentValue() const override { return shownGain(slider()->position()); }
    QVariant minimumValue() const override { return shownGain(int(volumeslider::rangeMin)); }
    QVariant maximumValue() const override { return shownGain(int(volumeslider::rangeMax)); }
    QVariant minimumStepSize() const override { return 0.1; }

    // As if the user had moved it to the nearest gain: the window takes it as one edit.
    void setCurrentValue(const QVariant &value) override
    {
        const int position = positionOfGain(value.toDouble());
        slider()->setPos(position);
        emit slider()->sliderMoved(position);
        emit slider()->editFinished();
    }

private:
    static double shownGain(int position) { return gainText(position).toDouble(); }
    static int positionOfGain(double gain)
    {
        int best = int(volumeslider::rangeMin);
        for (int position = best; position <= int(volumeslider::rangeMax); ++position) {
            if (std::abs(volumeGain(position) - gain) < std::abs(volumeGain(best) - gain))
                best = position;
        }
        return best;
    }
    CVolumeSlider *slider() const { return static_cast<CVolumeSlider *>(widget()); }
    QString valueText() const override { return gainText(slider()->position()) + QLatin1Char('x'); }
};

class AccessibleClip : public AccessibleSlider
{
public:
    using AccessibleSlider::AccessibleSlider;

    QVariant currentValue() const override { return strip()->clip().from; }
    QVariant minimumValue() const override { return strip()->range().from; }
    QVariant maximumValue() const override { return strip()->range().to; }
    QVariant minimumStepSize() const override { return 0.001; }
    // The clip is edited through the time fields and the strip's keys, which keep it whole.
    void setCurrentValue(const QVariant &) override { }

private:
    CClipSlider *strip() const { return static_cast<CClipSlider *>(widget()); }
    QString valueText() const override
    {
        const clipview::Span clip = strip()->clip();
        return QCoreApplication::translate("MainDialog", "From %1 s to %2 s, %3 s long")
                .arg(clip.from, 0, 'f', 3)
                .arg(clip.to, 0, 'f', 3)
                .arg(clip.to - clip.from, 0, 'f', 3);
    }
};

QAccessibleInterface *sliderInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("CVolumeSlider"))
        return new AccessibleVolume(widget);
    if (className == QLatin1String("CClipSlider"))
        return new AccessibleClip(widget);
    return nullptr;
}

} // namespace

void installAccessibleSliders()
{
    static const bool installed = [] {
        QAccessible::installFactory(sliderInterface);
        return true;
    }();
    (void)installed;
}
