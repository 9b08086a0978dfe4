// A program that loads the library without a phone folder (the USB backend, with or without
// a usbmuxd daemon) and exits at once: no call may hang or report a phone, and the library's
// threads must end cleanly at exit.
#include "handvia.h"

#include <QTest>

namespace {

int ignoreEvent(int kind, const char *)
{
    return kind;
}

} // namespace

class TestHandviaExit : public QObject
{
    Q_OBJECT

private slots:
    void usbBackendWithoutPhone()
    {
        qunsetenv("HANDVIA_ROOT");
        HandviaApi *api = handvia_get_api();
        QVERIFY(api);
        QCOMPARE(api->set_event_callback(ignoreEvent), 0);
        char title[256], file[256];
        QVERIFY(api->get_ringtone(0, 0, title, sizeof title, file, sizeof file) < 0);
        QVERIFY(api->add_ringtone(0, "/dev/null", 10) < 0);
        QVERIFY(api->commit(0) < 0);
    }
};

QTEST_APPLESS_MAIN(TestHandviaExit)
#include "tst_handviaexit.moc"
