// The viewer's top-level window on an X display, found by its title, and its
// pixels read back. Include after Qt and GoogleTest: Xlib's macros clash.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>

namespace pyk::test {

// The first mapped window titled "Pyknoscope" under w, depth first, or 0.
inline ::Window FindViewerWindow(Display* d, ::Window w) {
  char* name = nullptr;
  if (XFetchName(d, w, &name) != 0 && name != nullptr) {
    const bool match = std::string(name) == "Pyknoscope";
    XFree(name);
    XWindowAttributes a;
    if (match && XGetWindowAttributes(d, w, &a) != 0 && a.map_state == IsViewable) return w;
  }
  ::Window root, parent, *children = nullptr;
  unsigned n = 0;
  if (XQueryTree(d, w, &root, &parent, &children, &n) == 0) return 0;
  ::Window found = 0;
  for (unsigned i = 0; i < n && found == 0; ++i) found = FindViewerWindow(d, children[i]);
  if (children != nullptr) XFree(children);
  return found;
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
