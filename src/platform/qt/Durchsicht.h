#pragma once
// Whether the window system shows the desktop through a window's transparent pixels. On X11
// that takes a compositing manager; without one a translucent window comes out black.

struct xcb_connection_t;

namespace kalvora {

// For the running application: a compositor on X11 (the owner of the selection
// _NET_WM_CM_S<screen>), always on Wayland, Windows and macOS, never offscreen.
bool DurchsichtMoeglich();

// Whether a compositing manager owns _NET_WM_CM_S<bildschirm> on this X connection; false
// where the program is built without xcb.
bool XMischerAktiv(xcb_connection_t* verbindung, int bildschirm);

}  // namespace kalvora
