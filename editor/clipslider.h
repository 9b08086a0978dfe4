#ifndef CLIPSLIDER_H
#define CLIPSLIDER_H

#include "editor/clipslidermath.h"
#include "editor/clipview.h"

#include <QBasicTimer>
#include <QImage>
#include <QPolygonF>
#include <QWidget>

#include <functional>

// The strip that shows the waveform, the selected clip as a band and the play position as a
// red line. Only the user's mouse, wheel and key actions emit; the slots never do, so the window
// can answer edits of its time fields with setClip without a loop.
//
// The range is the whole file; the strip shows a view of it, the whole range unless the user
// zooms in. The clip and the play position are always seconds of the file, wherever the view.
class CClipSlider : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CClipSlider)

public:
    explicit CClipSlider(QWidget *parent = nullptr);
    ~CClipSlider() override;

    // Kept as a copy and drawn stretched over the whole strip from the next paint on.
    void setWaveImage(const QImage &image);
    QImage waveImage() const;
    // Cuts each corner off along a 45-degree line of `size` pixels; not redone on resize.
    void setCornerCut(int size);

    // The view: the stretch of the range that the strip shows. setView keeps it inside the
    // range and at least one second long, and emits nothing.
    void setView(double from, double to);
    double viewStart() const { return m_view.from; }
    double viewEnd() const { return m_view.to; }
    bool isZoomed() const;

    // The edge that the arrow keys move: the one last dragged, typed or placed.
    clipview::Edge activeEdge() const { return m_activeEdge; }
    void setActiveEdge(clipview::Edge edge) { m_activeEdge = edge; }
    // Where [ and ] put the clip's edges; the play line when none is given. The window hands in
    // the player's own position, which runs ahead of the play line during a preview.
    void setPlayPositionSource(std::function<double()> source);
    // Moves the play line during a preview; a zoomed view turns to the next page when the line
    // runs out of it.
    void followPos(double seconds);

    int positionPixel() const { return m_positionPixel; }
    int beginPixel() const { return m_beginPixel; }
    int endPixel() const { return m_endPixel; }

public slots:
    void setRange(double dMin, double dMax);
    clipview::Span range() const { return {m_rangeMin, m_rangeMax}; }
    clipview::Span clip() const { return {m_clipBegin, m_clipEnd}; }
    void setPos(double dPos);
    void setClip(double dMin, double dMax);
    void getPos(double &dPos);
    void getClip(double &dMin, double &dMax);

signals:
    void posChanged(double dPos);
    void clipChanged(double dMin, double dMax);
    // A drag of an edge or the band has ended, or a key has moved the clip: one edit is done.
    void clipEditFinished();
    // The user zoomed or scrolled; the window draws the waveform of the new view.
    void viewChanged(double from, double to);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    enum DragMode { DragNone, DragBegin, DragBand, DragEnd, DragPosition };

    clipslider::Band shownBand() const;
    void computePixels();
    void positionFromPixel();
    void dragTo(int x);
    void dragInSeconds(int x);
    void scrollWhileDragging();
    void applyClip(clipview::Span clip);
    void applyView(clipview::Span view);
    bool zoomKey(QKeyEvent *event);
    bool clipKey(QKeyEvent *event);
    double playPosition() const;
    double pixelSeconds() const;
    QString toolTipAt(int x) const;
    void paintStrip(QPainter &painter) const;
    void cutCorners(QPainter &painter) const;
    void paintBand(QPainter &painter) const;
    QPolygonF cutOutline() const;
    void paintActiveEdge(QPainter &painter) const;
    void paintZoomMark(QPainter &painter) const;

    double m_rangeMin = 0.0;
    double m_rangeMax = 1000.0;
    clipview::Span m_view {0.0, 1000.0};
    double m_position = 500.0;
    double m_clipBegin = 100.0;
    double m_clipEnd = 200.0;
    int m_positionPixel = 0;
    int m_beginPixel = 0;
    int m_endPixel = 0;
    int m_lastX = -1;
    DragMode m_dragMode = DragNone;
    QImage m_waveImage;
    clipview::Edge m_activeEdge = clipview::Edge::Begin;
    std::function<double()> m_playPositionSource;
    int m_pointerX = 0;
    int m_pressX = 0;
    clipview::Span m_pressClip {0.0, 0.0};
    clipview::Span m_pressView {0.0, 0.0};
    QBasicTimer m_scrollTimer;
    int m_cornerCut = 0;
};

#endif
