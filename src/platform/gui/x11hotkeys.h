#pragma once

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <xcb/xcb.h>

// Ctrl+key grabs on the root window of one X connection, held whatever the lock keys say.
// Installed as a native event filter of the application it sees the grabbed presses; a
// connection of its own can hand its events to handle().
class X11HotKeys : public QAbstractNativeEventFilter {
public:
    explicit X11HotKeys(xcb_connection_t* connection);
    ~X11HotKeys() override;
    X11HotKeys(const X11HotKeys&) = delete;
    X11HotKeys& operator=(const X11HotKeys&) = delete;

    // Replaces the grabs of the last call; returns the keys the server refused (another client
    // holds them) or the keyboard does not have.
    QList<int> grab(const QList<int>& qtKeys, std::function<void(int)> pressed);
    void release();
    // The connection is closed and its grabs went with it: nothing is left to release.
    void abandon();

    // True for the press of a grabbed key; pressed then runs from the event loop.
    bool handle(const xcb_generic_event_t* event);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The keysym a Qt key types without Shift (Qt::Key_Q types q), 0 for keys beyond Latin-1.
    static xcb_keysym_t keysymOf(int qtKey);

private:
    struct Grab {
        xcb_keycode_t keycode;
        uint16_t modifiers;
    };
    void ungrab(const QList<Grab>& grabs);

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    uint16_t numLock_ = XCB_MOD_MASK_2;
    QList<Grab> grabs_;
    QHash<xcb_keycode_t, int> keys_; // grabbed keycode to its Qt key
    std::function<void(int)> pressed_;
    QObject calls_; // queued calls of pressed end with it
};
