#include "platform/qt/Durchsicht.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include <cstdlib>
#include <memory>

#if KALVORA_MIT_XCB
#include <xcb/xcb.h>
#endif

namespace kalvora {
#if KALVORA_MIT_XCB
namespace {

// The X screen of the display name ":0.1" is 1; without a screen part it is 0.
int XBildschirmnummer() {
    const QByteArray name = qgetenv("DISPLAY");
    const int doppelpunkt = name.lastIndexOf(':');
    const int punkt = name.lastIndexOf('.');
    if (doppelpunkt < 0 || punkt < doppelpunkt) return 0;
    bool ok = false;
    const int n = name.mid(punkt + 1).toInt(&ok);
    return ok && n >= 0 ? n : 0;
}

}  // namespace
#endif

bool XMischerAktiv(xcb_connection_t* verbindung, int bildschirm) {
#if KALVORA_MIT_XCB
    if (!verbindung || xcb_connection_has_error(verbindung)) return false;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(bildschirm);
    // Only an atom that exists: a compositor that ever ran has made it.
    const xcb_intern_atom_cookie_t frage =
        xcb_intern_atom(verbindung, 1, static_cast<uint16_t>(name.size()), name.constData());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(verbindung, frage, nullptr), &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> besitzer(
        xcb_get_selection_owner_reply(verbindung,
                                      xcb_get_selection_owner(verbindung, atom->atom), nullptr),
        &std::free);
    return besitzer && besitzer->owner != XCB_WINDOW_NONE;
#else
    (void)verbindung;
    (void)bildschirm;
    return false;
#endif
}

bool DurchsichtMoeglich() {
    const QString p = QGuiApplication::platformName();
    if (p.startsWith(QLatin1String("wayland")) || p == QLatin1String("windows") ||
        p == QLatin1String("cocoa"))
        return true;
    if (p != QLatin1String("xcb")) return false;  // offscreen, minimal, vnc …
#if KALVORA_MIT_XCB && QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 && XMischerAktiv(x11->connection(), XBildschirmnummer());
#else
    // Built without xcb the question cannot be asked; the window stays opaque, which is
    // readable with a compositor and without one.
    return false;
#endif
}

}  // namespace kalvora
