// The viewer's windows on an X display, found by their title, their pixels read
// back, and closed as a window manager closes them. Include after Qt and
// GoogleTest: Xlib's macros clash.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

namespace pyk::test {

// The display, with X errors ignored: the program's own windows may go away
// between finding and reading them, and the calls that then fail say so.
inline Display* OpenDisplay() {
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  return XOpenDisplay(nullptr);
}

// Every mapped window titled title under w, depth first, added to found.
inline void FindTitledWindows(Display* d, ::Window w, const std::string& title, std::vector<::Window>& found) {
  char* name = nullptr;
  XWindowAttributes a;
  if (XFetchName(d, w, &name) != 0 && name != nullptr && title == name && XGetWindowAttributes(d, w, &a) != 0 &&
      a.map_state == IsViewable) {
    found.push_back(w);
  }
  if (name != nullptr) XFree(name);
  ::Window root, parent, *children = nullptr;
  unsigned n = 0;
  if (XQueryTree(d, w, &root, &parent, &children, &n) == 0) return;
  for (unsigned i = 0; i < n; ++i) FindTitledWindows(d, children[i], title, found);
  if (children != nullptr) XFree(children);
}

// The first mapped window titled "Pyknoscope" under w, or 0.
inline ::Window FindViewerWindow(Display* d, ::Window w) {
  std::vector<::Window> found;
  FindTitledWindows(d, w, "Pyknoscope", found);
  return found.empty() ? 0 : found.front();
}

// Whether the window announces itself as a dialog (_NET_WM_WINDOW_TYPE).
inline bool IsDialogWindow(Display* d, ::Window w) {
  const Atom type = XInternAtom(d, "_NET_WM_WINDOW_TYPE", False);
  const Atom dialog = XInternAtom(d, "_NET_WM_WINDOW_TYPE_DIALOG", False);
  Atom actual = 0, *atoms = nullptr;
  int format = 0;
  unsigned long count = 0, after = 0;
  bool found = false;
  if (XGetWindowProperty(d, w, type, 0, 16, False, XA_ATOM, &actual, &format, &count, &after,
                         reinterpret_cast<unsigned char**>(&atoms)) == Success && atoms != nullptr) {
    for (unsigned long i = 0; i < count && actual == XA_ATOM && format == 32; ++i) found = found || atoms[i] == dialog;
    XFree(atoms);
  }
  return found;
}

// Asks the window to close, as a window manager's close button does.
inline void CloseAsWindowManager(Display* d, ::Window w) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, w, False, NoEventMask, &e);
  XFlush(d);
}

// Calls pixel(r, g, b) for the window's pixels row by row until it returns
// false; false when the window cannot be read.
template <class Pixel>
bool ScanWindow(Display* d, ::Window w, Pixel&& pixel) {
  XWindowAttributes a;
  if (XGetWindowAttributes(d, w, &a) == 0) return false;
  XImage* img = XGetImage(d, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (img == nullptr) return false;
  bool more = true;
  for (int y = 0; y < a.height && more; ++y) {
    for (int x = 0; x < a.width && more; ++x) {
      const unsigned long p = XGetPixel(img, x, y);
      more = pixel(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF));
    }
  }
  XDestroyImage(img);
  return true;
}

}  // namespace pyk::test
