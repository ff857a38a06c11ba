#include "ui/fensterrahmen.h"

#include <QAbstractNativeEventFilter>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>

#ifdef VUN_MIT_XCB
#include <xcb/xcb.h>
#endif

namespace vun::ui {

namespace {

#ifdef VUN_MIT_XCB

xcb_connection_t* verbindung() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

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

QMargins gemeldeterRahmen(QWidget* fenster) {
    xcb_connection_t* c = verbindung();
    if (!c)
        return {};
    const QList<uint32_t> r = werte(c, static_cast<xcb_window_t>(fenster->winId()),
                                    atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 4);
    if (r.size() != 4) // left, right, top, bottom in device pixels
        return {};
    const qreal skala = fenster->devicePixelRatioF();
    auto px = [skala](uint32_t wert) { return qRound(wert / skala); };
    return QMargins(px(r[0]), px(r[2]), px(r[1]), px(r[3]));
}

// Tells when the window manager sets the frame of one window: the X server reports every change
// of a property of the program's windows, and Qt hands each report here first.
class Rahmenmeldung : public QAbstractNativeEventFilter {
public:
    Rahmenmeldung(xcb_window_t fenster, xcb_atom_t rahmen, std::function<void()> gemeldet)
        : fenster_(fenster), rahmen_(rahmen), gemeldet_(std::move(gemeldet)) {
        qGuiApp->installNativeEventFilter(this);
    }
    ~Rahmenmeldung() override { qGuiApp->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& art, void* nachricht, qintptr*) override {
        if (art != "xcb_generic_event_t")
            return false;
        const auto* ereignis = static_cast<const xcb_generic_event_t*>(nachricht);
        if ((ereignis->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* aenderung = static_cast<const xcb_property_notify_event_t*>(nachricht);
        if (aenderung->window == fenster_ && aenderung->atom == rahmen_)
            gemeldet_();
        return false;
    }

private:
    xcb_window_t fenster_;
    xcb_atom_t rahmen_;
    std::function<void()> gemeldet_;
};

std::unique_ptr<Rahmenmeldung> rahmenmeldung(QWidget* fenster, std::function<void()> gemeldet) {
    xcb_connection_t* c = verbindung();
    if (!c)
        return nullptr;
    return std::make_unique<Rahmenmeldung>(static_cast<xcb_window_t>(fenster->winId()),
                                           atom(c, "_NET_FRAME_EXTENTS"), std::move(gemeldet));
}

// Whether the window manager says it answers a request for the frame; the request sent if so.
bool rahmenAnfragen(QWidget* fenster) {
    xcb_connection_t* c = verbindung();
    if (!c)
        return false;
    const xcb_window_t wurzel = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t anfrage = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (anfrage == XCB_ATOM_NONE ||
        !werte(c, wurzel, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096).contains(anfrage))
        return false;
    xcb_client_message_event_t bitte{};
    bitte.response_type = XCB_CLIENT_MESSAGE;
    bitte.format = 32;
    bitte.window = static_cast<xcb_window_t>(fenster->winId());
    bitte.type = anfrage;
    xcb_send_event(c, 0, wurzel,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&bitte));
    xcb_flush(c);
    return true;
}

#else

QMargins gemeldeterRahmen(QWidget*) {
    return {};
}

struct Rahmenmeldung {};

std::unique_ptr<Rahmenmeldung> rahmenmeldung(QWidget*, std::function<void()>) {
    return nullptr;
}

bool rahmenAnfragen(QWidget*) {
    return false;
}

#endif

// Elsewhere the first exposure of the shown window is the moment Qt knows its frame.
class Zeigmeldung : public QObject {
public:
    Zeigmeldung(QWindow* fenster, std::function<void()> gezeigt, QObject* eltern)
        : QObject(eltern), fenster_(fenster), gezeigt_(std::move(gezeigt)) {
        fenster_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (objekt == fenster_ && ereignis->type() == QEvent::Expose && fenster_->isExposed()) {
            fenster_->removeEventFilter(this);
            gezeigt_();
        }
        return false;
    }
    ~Zeigmeldung() override {
        if (fenster_)
            fenster_->removeEventFilter(this);
    }

private:
    QPointer<QWindow> fenster_;
    std::function<void()> gezeigt_;
};

} // namespace

QMargins fensterrahmen(QWidget* fenster) {
    const QMargins gemeldet = gemeldeterRahmen(fenster);
    if (!gemeldet.isNull() || !fenster->isVisible())
        return gemeldet;
    const QRect aussen = fenster->frameGeometry(), innen = fenster->geometry();
    return QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(),
                    aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
}

void rahmenErfragen(QWidget* fenster) {
    if (fenster->isVisible() || !gemeldeterRahmen(fenster).isNull())
        return;
    QEventLoop warten;
    const auto meldung = rahmenmeldung(fenster, [&warten] { warten.quit(); });
    // A window manager that says it answers but does not costs the start a tenth of a second.
    if (!meldung || !rahmenAnfragen(fenster))
        return;
    QTimer::singleShot(100, &warten, &QEventLoop::quit);
    warten.exec(QEventLoop::ExcludeUserInputEvents);
}

void beiRahmen(QWidget* fenster, int frist, std::function<void()> bekannt) {
    // Whatever listens lives as long as this, which the window or the time limit ends.
    auto* frei = new QObject(fenster);
    QTimer::singleShot(frist, frei, [frei] { delete frei; });
    if (auto meldung = rahmenmeldung(fenster, bekannt)) {
        QObject::connect(frei, &QObject::destroyed, [m = meldung.release()] { delete m; });
        return;
    }
    if (QWindow* griff = fenster->windowHandle())
        new Zeigmeldung(griff, std::move(bekannt), frei);
}

} // namespace vun::ui
