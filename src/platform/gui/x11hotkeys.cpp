#include "platform/gui/x11hotkeys.h"

#include <QMetaObject>

#include <cstdlib>
#include <memory>

namespace {
constexpr xcb_keysym_t numLockKeysym = 0xff7f;
constexpr uint16_t modifierBits = 0xff; // the eight modifiers; buttons and group above them

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;
} // namespace

X11HotKeys::X11HotKeys(xcb_connection_t* connection) : connection_(connection) {
    if (connection_ && !xcb_connection_has_error(connection_)) {
        const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        if (screens.rem > 0)
            root_ = screens.data->root;
    }
}

X11HotKeys::~X11HotKeys() {
    release();
}

xcb_keysym_t X11HotKeys::keysymOf(int qtKey) {
    if (qtKey >= 'A' && qtKey <= 'Z')
        return xcb_keysym_t(qtKey - 'A' + 'a');
    if ((qtKey >= 0x20 && qtKey <= 0x7e) || (qtKey >= 0xa0 && qtKey <= 0xff))
        return xcb_keysym_t(qtKey);
    return 0;
}

namespace {
// The keycodes that type keysym in any column: the Latin letters may sit in the second group
// behind a Thai first one.
QList<xcb_keycode_t> keycodesOf(const xcb_setup_t* setup,
                                const xcb_get_keyboard_mapping_reply_t* mapping,
                                xcb_keysym_t keysym) {
    QList<xcb_keycode_t> codes;
    if (!mapping || mapping->keysyms_per_keycode == 0)
        return codes;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping);
    const int length = xcb_get_keyboard_mapping_keysyms_length(mapping);
    for (int i = 0; i < length; ++i) {
        const auto code = xcb_keycode_t(setup->min_keycode + i / mapping->keysyms_per_keycode);
        if (syms[i] == keysym && !codes.contains(code))
            codes << code;
    }
    return codes;
}

// The modifier that Num Lock sets; the second one where the keyboard does not say.
uint16_t numLockMask(xcb_connection_t* connection, const QList<xcb_keycode_t>& numLock) {
    const Reply<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (mapping && !numLock.isEmpty()) {
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(mapping.get());
        const int perModifier = mapping->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8; ++modifier) {
            for (int i = 0; i < perModifier; ++i) {
                if (numLock.contains(codes[modifier * perModifier + i]))
                    return uint16_t(1u << modifier);
            }
        }
    }
    return XCB_MOD_MASK_2;
}
} // namespace

QList<int> X11HotKeys::grab(const QList<int>& qtKeys, std::function<void(int)> pressed) {
    release();
    pressed_ = std::move(pressed);
    if (!root_ || xcb_connection_has_error(connection_))
        return qtKeys;
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const Reply<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection_,
        xcb_get_keyboard_mapping(connection_, setup->min_keycode,
                                 uint8_t(setup->max_keycode - setup->min_keycode + 1)),
        nullptr));
    numLock_ = numLockMask(connection_, keycodesOf(setup, mapping.get(), numLockKeysym));
    const uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, numLock_,
                              uint16_t(XCB_MOD_MASK_LOCK | numLock_)};
    QList<int> refused;
    for (int key : qtKeys) {
        const xcb_keysym_t keysym = keysymOf(key);
        const QList<xcb_keycode_t> codes =
            keysym ? keycodesOf(setup, mapping.get(), keysym) : QList<xcb_keycode_t>();
        QList<Grab> asked;
        QList<xcb_void_cookie_t> cookies;
        for (xcb_keycode_t code : codes) {
            for (uint16_t lock : locks) {
                const Grab one{code, uint16_t(XCB_MOD_MASK_CONTROL | lock)};
                asked << one;
                cookies << xcb_grab_key_checked(connection_, 0, root_, one.modifiers, one.keycode,
                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            }
        }
        // A grab another client holds fails with BadAccess; the key is then not had at all.
        QList<Grab> held;
        for (int i = 0; i < cookies.size(); ++i) {
            if (xcb_generic_error_t* error = xcb_request_check(connection_, cookies[i]))
                std::free(error);
            else
                held << asked[i];
        }
        if (codes.isEmpty() || held.size() < asked.size()) {
            ungrab(held);
            refused << key;
            continue;
        }
        grabs_ += held;
        for (xcb_keycode_t code : codes)
            keys_.insert(code, key);
    }
    xcb_flush(connection_);
    return refused;
}

void X11HotKeys::ungrab(const QList<Grab>& grabs) {
    for (const Grab& one : grabs)
        xcb_ungrab_key(connection_, one.keycode, root_, one.modifiers);
}

void X11HotKeys::release() {
    pressed_ = nullptr;
    keys_.clear();
    if (grabs_.isEmpty())
        return;
    if (!xcb_connection_has_error(connection_)) {
        ungrab(grabs_);
        xcb_flush(connection_);
    }
    grabs_.clear();
}

void X11HotKeys::abandon() {
    grabs_.clear();
    keys_.clear();
    pressed_ = nullptr;
    connection_ = nullptr;
    root_ = 0;
}

bool X11HotKeys::handle(const xcb_generic_event_t* event) {
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (press->event != root_)
        return false;
    const auto found = keys_.constFind(press->detail);
    const uint16_t modifiers = press->state & modifierBits & ~(XCB_MOD_MASK_LOCK | numLock_);
    if (found == keys_.constEnd() || modifiers != XCB_MOD_MASK_CONTROL)
        return false;
    // Out of the event filter first: what the key opens may run an event loop of its own.
    const int key = found.value();
    QMetaObject::invokeMethod(
        &calls_,
        [this, key] {
            if (pressed_)
                pressed_(key);
        },
        Qt::QueuedConnection);
    return true;
}

bool X11HotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    return eventType == "xcb_generic_event_t" &&
           handle(static_cast<const xcb_generic_event_t*>(message));
}
