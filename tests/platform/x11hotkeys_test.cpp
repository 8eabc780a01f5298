#include "platform/gui/x11hotkeys.h"
#include "support/testmain.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTimer>

#include <cstdlib>
#include <memory>

// Runs against the X display named by TABULOX_X11_TEST_DISPLAY (an Xvfb of its own: the test
// grabs keys and types on it), and is skipped without one.
class X11HotKeysTest : public testing::Test {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keyHeldByAnotherClientIsRefused();
    void pressReachesTheGrabWhileAnotherWindowHasTheFocus();

private:
    struct Client {
        xcb_connection_t* connection = nullptr;
        ~Client() {
            if (connection)
                xcb_disconnect(connection);
        }
    };
    void type(const QString& keys);
    // The events of the focused window's client: key presses made with Ctrl held.
    void readWindowEvents();

    QByteArray display_;
    QString xdotool_;
    std::unique_ptr<Client> mine_;  // the program's connection
    std::unique_ptr<Client> other_; // another program with a focused window
    xcb_window_t window_ = 0;
    int windowCtrlPresses_ = 0;
    int windowPresses_ = 0;
};

void X11HotKeysTest::initTestCase() {
    display_ = qgetenv("TABULOX_X11_TEST_DISPLAY");
    if (display_.isEmpty())
        QSKIP("TABULOX_X11_TEST_DISPLAY names no X display to grab keys on (an Xvfb)");
    xdotool_ = QStandardPaths::findExecutable("xdotool");
}

void X11HotKeysTest::init() {
    mine_ = std::make_unique<Client>();
    other_ = std::make_unique<Client>();
    mine_->connection = xcb_connect(display_.constData(), nullptr);
    other_->connection = xcb_connect(display_.constData(), nullptr);
    QVERIFY(!xcb_connection_has_error(mine_->connection));
    QVERIFY(!xcb_connection_has_error(other_->connection));

    xcb_connection_t* c = other_->connection;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    window_ = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_KEY_PRESS;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 200, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK,
                      &events);
    xcb_map_window(c, window_);
    xcb_generic_error_t* error = xcb_request_check(
        c, xcb_set_input_focus_checked(c, XCB_INPUT_FOCUS_POINTER_ROOT, window_, XCB_CURRENT_TIME));
    QVERIFY(!error);
    windowPresses_ = windowCtrlPresses_ = 0;
}

void X11HotKeysTest::cleanup() {
    other_.reset();
    mine_.reset();
}

void X11HotKeysTest::type(const QString& keys) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromLocal8Bit(display_));
    process.setProcessEnvironment(environment);
    process.start(xdotool_, QStringList{"key"} + keys.split(' '));
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
}

void X11HotKeysTest::readWindowEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(other_->connection)) {
        if ((event->response_type & 0x7f) == XCB_KEY_PRESS) {
            ++windowPresses_;
            if (reinterpret_cast<xcb_key_press_event_t*>(event)->state & XCB_MOD_MASK_CONTROL)
                ++windowCtrlPresses_;
        }
        std::free(event);
    }
}

void X11HotKeysTest::keyHeldByAnotherClientIsRefused() {
    X11HotKeys other(other_->connection);
    QCOMPARE(other.grab({Qt::Key_S}, [](int) {}), QList<int>{});
    X11HotKeys hotKeys(mine_->connection);
    QCOMPARE(hotKeys.grab({Qt::Key_Q, Qt::Key_S, Qt::Key_F1}, [](int) {}),
             (QList<int>{Qt::Key_S, Qt::Key_F1}));
    other.release();
    QCOMPARE(hotKeys.grab({Qt::Key_Q, Qt::Key_S}, [](int) {}), QList<int>{});
    // Now the other one finds it held.
    QCOMPARE(other.grab({Qt::Key_S, Qt::Key_D}, [](int) {}), QList<int>{Qt::Key_S});
}

void X11HotKeysTest::pressReachesTheGrabWhileAnotherWindowHasTheFocus() {
    if (xdotool_.isEmpty())
        QSKIP("no xdotool to type on the display");
    X11HotKeys hotKeys(mine_->connection);
    QList<int> pressed;
    QCOMPARE(hotKeys.grab({Qt::Key_Q, Qt::Key_D}, [&pressed](int key) { pressed << key; }),
             QList<int>{});
    QTimer pump;
    connect(&pump, &QTimer::timeout, this, [&] {
        while (xcb_generic_event_t* event = xcb_poll_for_event(mine_->connection)) {
            hotKeys.handle(event);
            std::free(event);
        }
    });
    pump.start(5);

    type("ctrl+q");
    QTRY_COMPARE(pressed, QList<int>{Qt::Key_Q});
    // With Caps Lock and Num Lock on as well.
    type("Caps_Lock ctrl+d Caps_Lock");
    type("Num_Lock ctrl+q Num_Lock");
    QTRY_COMPARE(pressed, (QList<int>{Qt::Key_Q, Qt::Key_D, Qt::Key_Q}));
    // Other keys still go to the focused window, the grabbed ones never.
    type("q ctrl+x");
    QTRY_COMPARE((readWindowEvents(), windowCtrlPresses_), 1);
    QVERIFY(windowPresses_ >= 2);

    hotKeys.release();
    type("ctrl+q");
    QTRY_COMPARE((readWindowEvents(), windowCtrlPresses_), 2);
    QTest::qWait(50);
    QCOMPARE(pressed.size(), 3);
}

TABULOX_TEST(X11HotKeysTest)
#include "x11hotkeys_test.moc"
