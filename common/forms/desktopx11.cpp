// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/desktopx11.h"

#include "forms/desktop.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace forms::x11 {

namespace {

// Every reply of xcb is the caller's to free.
struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

ReplyPtr<xcb_get_property_reply_t> propertyReply(xcb_connection_t *c,
                                                 xcb_get_property_cookie_t cookie)
{
    return ReplyPtr<xcb_get_property_reply_t>(xcb_get_property_reply(c, cookie, nullptr));
}

// The application's own connection, when it runs on X11.
xcb_connection_t *appConnection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

enum Atom {
    WmState,
    SkipTaskbar,
    SkipPager,
    Shaded,
    Hidden,
    MaximizedVert,
    MaximizedHorz,
    ActiveWindow,
    SupportingWmCheck,
    WmName,
    Utf8String,
    AtomCount
};

// Asked once, all in one round trip.
const std::array<xcb_atom_t, AtomCount> &atoms(xcb_connection_t *c)
{
    static const std::array<xcb_atom_t, AtomCount> interned = [c] {
        const std::array<const char *, AtomCount> names = {"_NET_WM_STATE",
                                                           "_NET_WM_STATE_SKIP_TASKBAR",
                                                           "_NET_WM_STATE_SKIP_PAGER",
                                                           "_NET_WM_STATE_SHADED",
                                                           "_NET_WM_STATE_HIDDEN",
                                                           "_NET_WM_STATE_MAXIMIZED_VERT",
                                                           "_NET_WM_STATE_MAXIMIZED_HORZ",
                                                           "_NET_ACTIVE_WINDOW",
                                                           "_NET_SUPPORTING_WM_CHECK",
                                                           "_NET_WM_NAME",
                                                           "UTF8_STRING"};
        std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
        for (int i = 0; i < AtomCount; ++i)
            cookies[i] = xcb_intern_atom(c, false, std::strlen(names[i]), names[i]);
        std::array<xcb_atom_t, AtomCount> values{};
        for (int i = 0; i < AtomCount; ++i) {
            const ReplyPtr<xcb_intern_atom_reply_t> reply(
                xcb_intern_atom_reply(c, cookies[i], nullptr));
            values[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        }
        return values;
    }();
    return interned;
}

// A request to the window manager about `window`, as the EWMH defines them.
void askWindowManager(xcb_connection_t *c, xcb_window_t window, xcb_atom_t type,
                      std::array<quint32, 5> data)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    std::memcpy(message.data.data32, data.data(), sizeof message.data.data32);
    xcb_send_event(c, false, rootWindow(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
}

// The source indication of a pager: the request comes from the user.
constexpr quint32 FromPager = 2;
constexpr quint32 RemoveState = 0;

// The name the running window manager gives itself, as the EWMH has it: on
// a window of its own that the root window names.
QByteArray windowManagerName(xcb_connection_t *c)
{
    const auto check =
        propertyReply(c, xcb_get_property(c, false, rootWindow(c), atoms(c)[SupportingWmCheck],
                                          XCB_ATOM_WINDOW, 0, 1));
    if (!check || check->format != 32 || xcb_get_property_value_length(check.get()) != 4)
        return {};
    const xcb_window_t wm = *static_cast<const xcb_window_t *>(xcb_get_property_value(check.get()));
    const auto name = propertyReply(
        c, xcb_get_property(c, false, wm, atoms(c)[WmName], atoms(c)[Utf8String], 0, 64));
    if (!name || name->format != 8)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(name.get())),
                      xcb_get_property_value_length(name.get()));
}

bool isPutAway(xcb_connection_t *c, xcb_window_t window)
{
    const auto reply = propertyReply(
        c, xcb_get_property(c, false, window, atoms(c)[WmState], XCB_ATOM_ATOM, 0, 64));
    if (!reply || reply->format != 32)
        return false;
    const auto *states = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::any_of(states, states + count, [c](xcb_atom_t state) {
        return state == atoms(c)[Shaded] || state == atoms(c)[Hidden] ||
               state == atoms(c)[MaximizedVert] || state == atoms(c)[MaximizedHorz];
    });
}

// An empty input shape: the pointer goes through the window to whatever
// stands below it.
void takeNoPointer(xcb_connection_t *c, xcb_window_t window)
{
    xcb_shape_rectangles(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED,
                         window, 0, 0, 0, nullptr);
    xcb_flush(c);
}

// Sees what the window manager does to the windows it watches: on X11 it
// writes the _NET_WM_STATE property of a window when it changes its state,
// and it puts a window into a frame of its own by reparenting it.
class Watch : public QAbstractNativeEventFilter
{
public:
    static Watch &instance()
    {
        static Watch watch;
        static const bool installed = (qGuiApp->installNativeEventFilter(&watch), true);
        Q_UNUSED(installed);
        return watch;
    }

    void whenPutAway(QWidget *window, std::function<void()> putAway)
    {
        m_putAway.push_back({window, std::move(putAway)});
    }

    // Once framed, the window and its frame take no pointer. Qt's flag for
    // it is not used: Qt would also keep the keys from the window, which is
    // where that window manager sends them.
    void framedTakeNoPointer(QWidget *window) { m_passing.push_back(window); }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        xcb_connection_t *c = appConnection();
        if (!c || type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        switch (event->response_type & 0x7F) {
        case XCB_PROPERTY_NOTIFY:
            stateChanged(c, reinterpret_cast<const xcb_property_notify_event_t *>(event));
            break;
        case XCB_REPARENT_NOTIFY:
            reparented(c, reinterpret_cast<const xcb_reparent_notify_event_t *>(event));
            break;
        }
        return false;
    }

private:
    void stateChanged(xcb_connection_t *c, const xcb_property_notify_event_t *notify)
    {
        if (notify->atom != atoms(c)[WmState])
            return;
        for (const PutAway &watched : m_putAway) {
            if (watched.window && watched.window->internalWinId() == notify->window &&
                isPutAway(c, notify->window))
                QTimer::singleShot(0, watched.window, watched.putAway);
        }
    }

    void reparented(xcb_connection_t *c, const xcb_reparent_notify_event_t *notify)
    {
        for (const QPointer<QWidget> &window : m_passing) {
            if (window && window->internalWinId() == notify->window &&
                notify->parent != rootWindow(c)) {
                takeNoPointer(c, notify->window);
                takeNoPointer(c, notify->parent);
            }
        }
    }

    struct PutAway
    {
        QPointer<QWidget> window;
        std::function<void()> putAway;
    };
    std::vector<PutAway> m_putAway;
    std::vector<QPointer<QWidget>> m_passing;
};

} // namespace

void restoreAndActivate(QWidget *window)
{
    xcb_connection_t *c = appConnection();
    if (!c)
        return;
    const xcb_window_t id = window->winId();
    askWindowManager(c, id, atoms(c)[WmState],
                     {RemoveState, atoms(c)[Shaded], atoms(c)[Hidden], FromPager, 0});
    askWindowManager(c, id, atoms(c)[WmState],
                     {RemoveState, atoms(c)[MaximizedVert], atoms(c)[MaximizedHorz], FromPager, 0});
    askWindowManager(c, id, atoms(c)[ActiveWindow], {FromPager, XCB_CURRENT_TIME, 0, 0, 0});
    xcb_flush(c);
}

void whenPutAway(QWidget *window, std::function<void()> putAway)
{
    if (appConnection())
        Watch::instance().whenPutAway(window, std::move(putAway));
}

void letPointerThrough(QWidget *backdrop)
{
    if (appConnection())
        Watch::instance().framedTakeNoPointer(backdrop);
}

QByteArray windowManagerName()
{
    xcb_connection_t *c = appConnection();
    return c ? windowManagerName(c) : QByteArray();
}

} // namespace forms::x11

namespace forms {

void keepOutOfSwitchers(QWidget *backdrop)
{
    using namespace x11;
    xcb_connection_t *c = appConnection();
    if (!c)
        return;
    const std::array<xcb_atom_t, 2> states = {atoms(c)[SkipTaskbar], atoms(c)[SkipPager]};
    xcb_change_property(c, XCB_PROP_MODE_APPEND, backdrop->winId(), atoms(c)[WmState],
                        XCB_ATOM_ATOM, 32, states.size(), states.data());
}

} // namespace forms
