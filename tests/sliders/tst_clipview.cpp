#include "editor/clipview.h"

#include <QtTest>

using namespace clipview;

Q_DECLARE_METATYPE(clipview::Span)
Q_DECLARE_METATYPE(clipview::Edge)

namespace {

// An hour-long file; the strip is 530 pixels wide.
const Span hour {0.0, 3600.0};

bool same(Span a, Span b)
{
    return qFuzzyCompare(1.0 + a.from, 1.0 + b.from) && qFuzzyCompare(1.0 + a.to, 1.0 + b.to);
}

QByteArray text(Span s)
{
    return QByteArray::number(s.from, 'f', 6) + " .. " + QByteArray::number(s.to, 'f', 6);
}

} // namespace

class TestClipView : public QObject
{
    Q_OBJECT

private slots:
    void secondsUnderPixel_data();
    void secondsUnderPixel();
    void zoom_data();
    void zoom();
    void scroll_data();
    void scroll();
    void follow_data();
    void follow();
    void page_data();
    void page();
    void edges_data();
    void edges();
};

void TestClipView::secondsUnderPixel_data()
{
    QTest::addColumn<Span>("view");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("seconds");

    QTest::newRow("whole hour, left") << hour << 0.0 << 0.0;
    QTest::newRow("whole hour, right") << hour << 530.0 << 3600.0;
    QTest::newRow("one second, middle") << Span {100.0, 101.0} << 265.0 << 100.5;
    QTest::newRow("one second, one pixel") << Span {100.0, 101.0} << 1.0 << 100.0 + 1.0 / 530;
    QTest::newRow("ten seconds far in") << Span {3590.0, 3600.0} << 53.0 << 3591.0;
}

void TestClipView::secondsUnderPixel()
{
    QFETCH(Span, view);
    QFETCH(double, x);
    QFETCH(double, seconds);
    QCOMPARE(secondsAt(view, 530, x), seconds);
}

void TestClipView::zoom_data()
{
    QTest::addColumn<Span>("view");
    QTest::addColumn<double>("anchor");
    QTest::addColumn<double>("factor");
    QTest::addColumn<Span>("expected");

    QTest::newRow("in around the middle keeps it in the middle")
            << hour << 1800.0 << 0.5 << Span {900.0, 2700.0};
    QTest::newRow("in around a point a quarter along keeps it a quarter along")
            << Span {1000.0, 1400.0} << 1100.0 << 0.25 << Span {1075.0, 1175.0};
    QTest::newRow("in at the file's start stays at the start")
            << hour << 0.0 << 0.1 << Span {0.0, 360.0};
    QTest::newRow("in at the file's end stays at the end")
            << hour << 3600.0 << 0.1 << Span {3240.0, 3600.0};
    QTest::newRow("in stops at one second")
            << Span {10.0, 12.0} << 11.0 << 0.1 << Span {10.5, 11.5};
    QTest::newRow("out is kept inside the file, pushed off the start")
            << Span {2.0, 12.0} << 3.0 << 4.0 << Span {0.0, 40.0};
    QTest::newRow("out is kept inside the file, pushed off the end")
            << Span {3588.0, 3598.0} << 3597.0 << 4.0 << Span {3560.0, 3600.0};
    QTest::newRow("out past the whole file is the whole file")
            << Span {100.0, 2000.0} << 500.0 << 4.0 << hour;
    QTest::newRow("a file shorter than a second zooms no further")
            << Span {0.0, 0.8} << 0.4 << 0.5 << Span {0.0, 0.8};
}

void TestClipView::zoom()
{
    QFETCH(Span, view);
    QFETCH(double, anchor);
    QFETCH(double, factor);
    QFETCH(Span, expected);
    const Span file = view.to <= 0.8 ? Span {0.0, 0.8} : hour;
    const Span got = zoomed(view, file, anchor, factor);
    QVERIFY2(same(got, expected), text(got));
    // The whole file is exactly the whole file, so the strip can tell it is not zoomed.
    QCOMPARE(isWhole(got, file), same(expected, file));
}

void TestClipView::scroll_data()
{
    QTest::addColumn<Span>("view");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<Span>("expected");

    QTest::newRow("right") << Span {100.0, 110.0} << 5.0 << Span {105.0, 115.0};
    QTest::newRow("left") << Span {100.0, 110.0} << -5.0 << Span {95.0, 105.0};
    QTest::newRow("stops at the start") << Span {3.0, 13.0} << -5.0 << Span {0.0, 10.0};
    QTest::newRow("stops at the end") << Span {3585.0, 3595.0} << 60.0 << Span {3590.0, 3600.0};
    QTest::newRow("the whole file does not move") << hour << 60.0 << hour;
}

void TestClipView::scroll()
{
    QFETCH(Span, view);
    QFETCH(double, seconds);
    QFETCH(Span, expected);
    const Span got = scrolled(view, hour, seconds);
    QVERIFY2(same(got, expected), text(got));
}

void TestClipView::follow_data()
{
    QTest::addColumn<Span>("view");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<Span>("expected");

    QTest::newRow("in sight: unchanged") << Span {100.0, 110.0} << 105.0 << Span {100.0, 110.0};
    QTest::newRow("past the right: just enough, with the margin")
            << Span {100.0, 110.0} << 112.0 << Span {103.0, 113.0};
    QTest::newRow("in the left margin") << Span {100.0, 110.0} << 100.5 << Span {99.5, 109.5};
    QTest::newRow("at the file's end") << Span {100.0, 110.0} << 3600.0 << Span {3590.0, 3600.0};
}

void TestClipView::follow()
{
    QFETCH(Span, view);
    QFETCH(double, seconds);
    QFETCH(Span, expected);
    const Span got = showing(view, hour, seconds, 1.0);
    QVERIFY2(same(got, expected), text(got));
}

void TestClipView::page_data()
{
    QTest::addColumn<Span>("view");
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("now");
    QTest::addColumn<Span>("expected");

    const Span view {100.0, 110.0};
    QTest::newRow("inside: kept") << view << 104.0 << 105.0 << view;
    QTest::newRow("reaches the end: kept") << view << 109.9 << 110.0 << view;
    QTest::newRow("runs out: the next page") << view << 109.9 << 110.1 << Span {110.1, 120.1};
    QTest::newRow("last page held inside the file")
            << Span {3585.0, 3595.0} << 3594.9 << 3595.1 << Span {3590.0, 3600.0};
    QTest::newRow("out of sight before: kept") << view << 300.0 << 300.1 << view;
    QTest::newRow("jumps back before the view: kept") << view << 109.0 << 50.0 << view;
    QTest::newRow("whole file: kept") << hour << 3599.9 << 3600.5 << hour;
}

void TestClipView::page()
{
    QFETCH(Span, view);
    QFETCH(double, before);
    QFETCH(double, now);
    QFETCH(Span, expected);
    const Span got = paged(view, hour, before, now);
    QVERIFY2(same(got, expected), text(got));
}

void TestClipView::edges_data()
{
    QTest::addColumn<Span>("clip");
    QTest::addColumn<QString>("action");
    QTest::addColumn<Edge>("edge");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<Span>("expected");

    const Span clip {100.0, 110.0};
    QTest::newRow("begin 10 ms right")
            << clip << "move" << Edge::Begin << 0.01 << Span {100.01, 110.0};
    QTest::newRow("end 1 s left") << clip << "move" << Edge::End << -1.0 << Span {100.0, 109.0};
    // A clip is never shorter than a tenth of a second.
    QTest::newRow("begin stops short of the end")
            << clip << "move" << Edge::Begin << 30.0 << Span {109.9, 110.0};
    QTest::newRow("end stops short of the begin")
            << clip << "move" << Edge::End << -30.0 << Span {100.0, 100.1};
    QTest::newRow("begin stops at the file's start")
            << Span {0.005, 3.0} << "move" << Edge::Begin << -0.01 << Span {0.0, 3.0};
    QTest::newRow("end stops at the file's end")
            << Span {1.0, 3599.995} << "move" << Edge::End << 0.1 << Span {1.0, 3600.0};
    QTest::newRow("a drag leaves whole milliseconds")
            << clip << "move" << Edge::Begin << 0.0018867924 << Span {100.002, 110.0};
    QTest::newRow("hundreds of 10 ms steps stay on the millisecond")
            << Span {0.0, 20.0} << "steps" << Edge::Begin << 0.01 << Span {12.34, 20.0};
    QTest::newRow("begin put before the end")
            << clip << "place" << Edge::Begin << 105.4321 << Span {105.432, 110.0};
    QTest::newRow("begin put past the end takes the end along, length kept")
            << clip << "place" << Edge::Begin << 120.0 << Span {120.0, 130.0};
    QTest::newRow("end put before the begin takes the begin along, length kept")
            << clip << "place" << Edge::End << 50.0 << Span {40.0, 50.0};
    QTest::newRow("end put beyond the file stays in it")
            << clip << "place" << Edge::End << 4000.0 << Span {100.0, 3600.0};
    QTest::newRow("clip moved keeps its length")
            << Span {100.0, 112.345} << "shift" << Edge::Begin << 3.0004 << Span {103.0, 115.345};
    QTest::newRow("clip moved against the end stops there")
            << Span {3580.0, 3590.0} << "shift" << Edge::Begin << 30.0 << Span {3590.0, 3600.0};
    QTest::newRow("clip moved against the start stops there")
            << Span {5.0, 15.0} << "shift" << Edge::Begin << -30.0 << Span {0.0, 10.0};
}

void TestClipView::edges()
{
    QFETCH(Span, clip);
    QFETCH(QString, action);
    QFETCH(Edge, edge);
    QFETCH(double, seconds);
    QFETCH(Span, expected);
    Span got = clip;
    if (action == QLatin1String("move")) {
        got = movedEdge(clip, edge, seconds, hour);
    } else if (action == QLatin1String("steps")) {
        for (int i = 0; i < 1234; ++i)
            got = movedEdge(got, edge, seconds, hour);
        QCOMPARE(qint64(got.from * 1000 + 1e-6), qint64(12340));
    } else if (action == QLatin1String("place")) {
        got = placedEdge(clip, edge, seconds, hour);
    } else {
        got = movedClip(clip, seconds, hour);
    }
    QVERIFY2(same(got, expected), text(got));
}

QTEST_APPLESS_MAIN(TestClipView)
#include "tst_clipview.moc"
