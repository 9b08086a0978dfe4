#ifndef CLIPSLIDER_H
#define CLIPSLIDER_H

#include <QImage>
#include <QWidget>

// The strip that shows the waveform, the selected clip as a band and the play position as a
// red line. Only the user's mouse actions emit; the slots never do, so the window can answer
// edits of its time fields with setClip without a loop.
class CClipSlider : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CClipSlider)

public:
    explicit CClipSlider(QWidget *parent = nullptr);
    ~CClipSlider() override;

    // Kept as a copy and drawn stretched over the whole strip from the next paint on.
    void setWaveImage(const QImage &image);
    // Cuts each corner off along a 45-degree line of `size` pixels; not redone on resize.
    void setCornerCut(int size);

    int positionPixel() const { return m_positionPixel; }
    int beginPixel() const { return m_beginPixel; }
    int endPixel() const { return m_endPixel; }

public slots:
    void setRange(double dMin, double dMax);
    void setPos(double dPos);
    void setClip(double dMin, double dMax);
    void getPos(double &dPos);
    void getClip(double &dMin, double &dMax);

signals:
    void posChanged(double dPos);
    void clipChanged(double dMin, double dMax);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum DragMode { DragNone, DragBegin, DragBand, DragEnd, DragPosition };

    void computePixels();
    void clipFromPixels();
    void positionFromPixel();
    void dragTo(int x);
    QImage bandImage() const;

    double m_rangeMin = 0.0;
    double m_rangeMax = 1000.0;
    double m_position = 500.0;
    double m_clipBegin = 100.0;
    double m_clipEnd = 200.0;
    int m_positionPixel = 0;
    int m_beginPixel = 0;
    int m_endPixel = 0;
    int m_lastX = -1;
    DragMode m_dragMode = DragNone;
    QImage m_waveImage;
};

#endif
