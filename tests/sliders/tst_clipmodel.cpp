#include "editor/clipmodel.h"
#include "editor/edithistory.h"

#include <QTest>

using Ms = ClipModel::Ms;
using Edge = ClipModel::Edge;
using Fit = ClipModel::Fit;

Q_DECLARE_METATYPE(Fit)

// Each row: a clip on a file, one action, and the two numbers that every view then shows.
class TestClipModel : public QObject
{
    Q_OBJECT

private slots:
    void reset_data();
    void reset();
    void actions_data();
    void actions();
    void secondsRoundTrip_data();
    void secondsRoundTrip();
    void historySteps();
    void historyDepth();
};

void TestClipModel::reset_data()
{
    QTest::addColumn<Ms>("duration");
    QTest::addColumn<Ms>("end");

    QTest::newRow("shorter file: all of it, to the ms") << Ms(7800) << Ms(7800);
    QTest::newRow("just over half a second") << Ms(510) << Ms(510);
    QTest::newRow("exactly ten") << Ms(10000) << Ms(10000);
    QTest::newRow("longer file: ten seconds") << Ms(600000) << Ms(10000);
}

void TestClipModel::reset()
{
    QFETCH(Ms, duration);
    ClipModel clip;
    clip.reset(duration);
    QCOMPARE(clip.begin(), Ms(0));
    QTEST(clip.end(), "end");
    QVERIFY(clip.isValid());
}

enum class Action { PlaceBegin, PlaceEnd, MoveBegin, MoveEnd, Move, Set };
Q_DECLARE_METATYPE(Action)

void TestClipModel::actions_data()
{
    QTest::addColumn<Ms>("duration");
    QTest::addColumn<Ms>("begin");
    QTest::addColumn<Ms>("end");
    QTest::addColumn<Action>("action");
    QTest::addColumn<Ms>("a");
    QTest::addColumn<Ms>("b");
    QTest::addColumn<Ms>("newBegin");
    QTest::addColumn<Ms>("newEnd");
    QTest::addColumn<Fit>("fit");

    const Ms song = 180000;
    const Ms hour = 3600000;
    // Typed starts and ends are taken; the other edge makes room and the length is kept.
    QTest::newRow("start typed inside") << song << Ms(0) << Ms(10000) << Action::PlaceBegin
                                        << Ms(4000) << Ms(0) << Ms(4000) << Ms(10000) << Fit::Taken;
    QTest::newRow("start typed after the end takes the end along")
            << song << Ms(0) << Ms(10000) << Action::PlaceBegin << Ms(100000) << Ms(0) << Ms(100000)
            << Ms(110000) << Fit::Taken;
    QTest::newRow("start typed on the end")
            << song << Ms(0) << Ms(10000) << Action::PlaceBegin << Ms(10000) << Ms(0) << Ms(10000)
            << Ms(20000) << Fit::Taken;
    QTest::newRow("start typed just before the end keeps the shortest clip")
            << song << Ms(0) << Ms(10000) << Action::PlaceBegin << Ms(9950) << Ms(0) << Ms(9950)
            << Ms(10050) << Fit::Taken;
    QTest::newRow("start typed near the file's end is held back")
            << song << Ms(0) << Ms(10000) << Action::PlaceBegin << Ms(175000) << Ms(0) << Ms(170000)
            << song << Fit::HeldAtFileEnd;
    QTest::newRow("end typed inside") << song << Ms(5000) << Ms(10000) << Action::PlaceEnd
                                      << Ms(30000) << Ms(0) << Ms(5000) << Ms(30000) << Fit::Taken;
    QTest::newRow("end typed before the start takes the start back")
            << song << Ms(60000) << Ms(90000) << Action::PlaceEnd << Ms(40000) << Ms(0) << Ms(10000)
            << Ms(40000) << Fit::Taken;
    QTest::newRow("end typed near the file's start is held on")
            << song << Ms(60000) << Ms(90000) << Action::PlaceEnd << Ms(20000) << Ms(0) << Ms(0)
            << Ms(30000) << Fit::HeldAtFileStart;
    QTest::newRow("end typed just after the start")
            << song << Ms(5000) << Ms(9000) << Action::PlaceEnd << Ms(5040) << Ms(0) << Ms(4940)
            << Ms(5040) << Fit::Taken;
    QTest::newRow("typed past the file is held at its end")
            << Ms(7800) << Ms(0) << Ms(7800) << Action::PlaceEnd << Ms(9000) << Ms(0) << Ms(0)
            << Ms(7800) << Fit::Taken;
    // Drags and keys: an edge stops at the file's ends and at the shortest clip.
    QTest::newRow("begin dragged onto the end stops short of it")
            << song << Ms(3000) << Ms(6000) << Action::MoveBegin << Ms(9000) << Ms(0) << Ms(5900)
            << Ms(6000) << Fit::Taken;
    QTest::newRow("end dragged past the file's end")
            << song << Ms(3000) << Ms(6000) << Action::MoveEnd << Ms(900000) << Ms(0) << Ms(3000)
            << song << Fit::Taken;
    QTest::newRow("end dragged back onto the begin")
            << song << Ms(3000) << Ms(6000) << Action::MoveEnd << Ms(-9000) << Ms(0) << Ms(3000)
            << Ms(3100) << Fit::Taken;
    QTest::newRow("begin dragged before the file")
            << song << Ms(3000) << Ms(6000) << Action::MoveBegin << Ms(-9000) << Ms(0) << Ms(0)
            << Ms(6000) << Fit::Taken;
    // A band moved keeps its length to the millisecond, at any distance.
    QTest::newRow("band moved by more than its length")
            << song << Ms(0) << Ms(1000) << Action::Move << Ms(6000) << Ms(0) << Ms(6000)
            << Ms(7000) << Fit::Taken;
    QTest::newRow("short band on an hour's file")
            << hour << Ms(1200000) << Ms(1225000) << Action::Move << Ms(271698) << Ms(0)
            << Ms(1471698) << Ms(1496698) << Fit::Taken;
    QTest::newRow("band against the file's end")
            << song << Ms(100000) << Ms(110000) << Action::Move << Ms(900000) << Ms(0) << Ms(170000)
            << song << Fit::Taken;
    QTest::newRow("band against the file's start")
            << song << Ms(100000) << Ms(110000) << Action::Move << Ms(-900000) << Ms(0) << Ms(0)
            << Ms(10000) << Fit::Taken;
    // A pair from outside never makes an empty clip.
    QTest::newRow("empty pair") << song << Ms(0) << Ms(10000) << Action::Set << Ms(4000) << Ms(4000)
                                << Ms(4000) << Ms(4100) << Fit::Taken;
    QTest::newRow("reversed pair at the file's end")
            << song << Ms(0) << Ms(10000) << Action::Set << song << Ms(5000) << song - 100 << song
            << Fit::Taken;
    QTest::newRow("pair beyond the file") << song << Ms(0) << Ms(10000) << Action::Set << Ms(-5)
                                          << Ms(999999) << Ms(0) << song << Fit::Taken;
}

void TestClipModel::actions()
{
    QFETCH(Ms, duration);
    QFETCH(Ms, begin);
    QFETCH(Ms, end);
    QFETCH(Action, action);
    QFETCH(Ms, a);
    QFETCH(Ms, b);
    QFETCH(Fit, fit);

    ClipModel clip(duration, begin, end);
    const Ms length = clip.length();
    Fit got = Fit::Taken;
    switch (action) {
    case Action::PlaceBegin:
        got = clip.place(Edge::Begin, a);
        break;
    case Action::PlaceEnd:
        got = clip.place(Edge::End, a);
        break;
    case Action::MoveBegin:
        clip.moveEdge(Edge::Begin, a);
        break;
    case Action::MoveEnd:
        clip.moveEdge(Edge::End, a);
        break;
    case Action::Move:
        clip.move(a);
        QCOMPARE(clip.length(), length);
        break;
    case Action::Set:
        clip.set(a, b);
        break;
    }
    QTEST(clip.begin(), "newBegin");
    QTEST(clip.end(), "newEnd");
    QCOMPARE(got, fit);
    QVERIFY(clip.isValid());
}

// Times placed to the millisecond survive the trip through seconds as doubles.
void TestClipModel::secondsRoundTrip_data()
{
    QTest::addColumn<Ms>("ms");
    QTest::newRow("1.005 s") << Ms(1005);
    QTest::newRow("87.3 s") << Ms(87300);
    QTest::newRow("116.513 s") << Ms(116513);
    QTest::newRow("an hour less a ms") << Ms(3599999);
    QTest::newRow("24 h") << Ms(86400000);
}

void TestClipModel::secondsRoundTrip()
{
    QFETCH(Ms, ms);
    QCOMPARE(msOf(secondsOf(ms)), ms);
    QCOMPARE(msOf(secondsOf(ms) * 1000.0 / 1000.0), ms);
}

void TestClipModel::historySteps()
{
    const auto state = [](Ms begin, Ms end, int fade = 0, int volume = 100) {
        return EditState {ClipModel(60000, begin, end), fade, volume};
    };
    EditHistory history;
    QVERIFY(!history.undo(state(0, 10000)));

    // A drag: many changes from press to release make one step.
    history.begin(state(0, 10000));
    history.begin(state(500, 10500));
    history.end(state(2000, 12000));
    // A step that changed nothing is not kept.
    history.begin(state(2000, 12000));
    history.end(state(2000, 12000));
    // A fade-in edit.
    history.begin(state(2000, 12000));
    history.end(state(2000, 12000, 3));

    auto back = history.undo(state(2000, 12000, 3));
    QVERIFY(back);
    QCOMPARE(*back, state(2000, 12000));
    back = history.undo(*back);
    QVERIFY(back);
    QCOMPARE(*back, state(0, 10000));
    QVERIFY(!history.canUndo());

    auto again = history.redo(*back);
    QVERIFY(again);
    QCOMPARE(*again, state(2000, 12000));
    // A new edit after an undo drops what redo would have brought back.
    history.begin(*again);
    history.end(state(2000, 12000, 0, 150));
    QVERIFY(!history.canRedo());
    QVERIFY(!history.redo(state(2000, 12000, 0, 150)));

    // An undo closes a step still open, so the open change is undone first.
    history.begin(state(2000, 12000, 0, 150));
    back = history.undo(state(4000, 14000, 0, 150));
    QVERIFY(back);
    QCOMPARE(*back, state(2000, 12000, 0, 150));
}

void TestClipModel::historyDepth()
{
    EditHistory history;
    for (Ms i = 0; i <= Ms(EditHistory::depth) + 10; ++i) {
        history.begin({ClipModel(Ms(3600000), i, i + 1000), 0, 100});
        history.end({ClipModel(Ms(3600000), i + 1, i + 1001), 0, 100});
    }
    int steps = 0;
    EditState state {ClipModel(Ms(3600000), 0, 0), 0, 100};
    while (const auto back = history.undo(state)) {
        state = *back;
        ++steps;
    }
    QCOMPARE(steps, int(EditHistory::depth));
    QVERIFY(steps >= 100);
}

QTEST_APPLESS_MAIN(TestClipModel)
#include "tst_clipmodel.moc"
