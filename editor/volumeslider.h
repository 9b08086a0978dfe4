#ifndef VOLUMESLIDER_H
#define VOLUMESLIDER_H

#include <QPixmap>
#include <QRect>
#include <QWidget>

// The image-drawn volume slider: 0 .. 200 units, 100 in the middle meaning unchanged.
// Reports each user step through sliderMoved; setPos never emits.
class CVolumeSlider : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CVolumeSlider)

public:
    explicit CVolumeSlider(QWidget *parent = nullptr);
    ~CVolumeSlider() override;

    // The position truncated toward zero.
    int position() const;
    int thumbX() const { return m_thumbX; }

public slots:
    void setPos(double dPos);

signals:
    void sliderMoved(int position);
    // A press has been released or a key has moved the thumb: one edit is done.
    void editFinished();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void positionFromThumb();
    void tellScreenReader();
    int logicalX(int x) const;

    double m_rangeMin;
    double m_rangeMax;
    double m_position = 100.0;
    int m_thumbX = 0;
    int m_lastX = -1;
    int m_dragging = 0;
    QRect m_track;
};

#endif
