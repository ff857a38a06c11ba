#include "ui/fensterrahmen.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#ifdef VUN_MIT_XCB
#include <xcb/xcb.h>
#endif

namespace vun::ui {

namespace {

#ifdef VUN_MIT_XCB

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* antwort = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = antwort ? antwort->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(antwort);
    return a;
}

// The 32 bit values of a window property, at most `hoechstens` of them.
QList<uint32_t> werte(xcb_connection_t* c, xcb_window_t fenster, xcb_atom_t eigenschaft,
                      xcb_atom_t typ, uint32_t hoechstens) {
    QList<uint32_t> ergebnis;
    xcb_get_property_reply_t* antwort = xcb_get_property_reply(
        c, xcb_get_property(c, 0, fenster, eigenschaft, typ, 0, hoechstens), nullptr);
    if (antwort && antwort->format == 32) {
        const auto* daten = static_cast<const uint32_t*>(xcb_get_property_value(antwort));
        ergebnis = QList<uint32_t>(daten, daten + xcb_get_property_value_length(antwort) / 4);
    }
    free(antwort);
    return ergebnis;
}

// The frame the window manager set as a property of the window. Not shown yet, the window
// manager is asked for it first where it says it answers such requests.
QMargins gemeldeterRahmen(QWidget* fenster) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return {};
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(fenster->winId());
    const xcb_window_t wurzel = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t anfrage = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t rahmen = atom(c, "_NET_FRAME_EXTENTS");
    const bool fragen =
        !fenster->isVisible() && anfrage != XCB_ATOM_NONE &&
        werte(c, wurzel, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096).contains(anfrage);
    if (fragen) {
        xcb_client_message_event_t bitte{};
        bitte.response_type = XCB_CLIENT_MESSAGE;
        bitte.format = 32;
        bitte.window = id;
        bitte.type = anfrage;
        xcb_send_event(c, 0, wurzel,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&bitte));
        xcb_flush(c);
    }
    // The answer comes as the property; a window manager that says it answers but does not
    // costs the start a tenth of a second, no more.
    QElapsedTimer uhr;
    uhr.start();
    do {
        const QList<uint32_t> r = werte(c, id, rahmen, XCB_ATOM_CARDINAL, 4);
        if (r.size() == 4) { // left, right, top, bottom in device pixels
            const qreal skala = fenster->devicePixelRatioF();
            auto px = [skala](uint32_t wert) { return qRound(wert / skala); };
            return QMargins(px(r[0]), px(r[2]), px(r[1]), px(r[3]));
        }
        if (fragen)
            QThread::msleep(1);
    } while (fragen && uhr.elapsed() < 100);
    return {};
}

#else

QMargins gemeldeterRahmen(QWidget*) {
    return {};
}

#endif

} // namespace

QMargins fensterrahmen(QWidget* fenster) {
    const QMargins gemeldet = gemeldeterRahmen(fenster);
    if (!gemeldet.isNull() || !fenster->isVisible())
        return gemeldet;
    // Elsewhere Qt knows the frame of a shown window, once the window system told it.
    const QRect aussen = fenster->frameGeometry(), innen = fenster->geometry();
    return QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(),
                    aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
}

} // namespace vun::ui
