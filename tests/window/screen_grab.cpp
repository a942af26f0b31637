// Two pictures of the whole X display, taken some milliseconds apart, each written as a PNG, and the
// number of pixels that differ between them printed on stdout; or one picture and the number of
// near-white pixels (every channel 200 or more) inside a rectangle. The window checks use them to see
// whether the game's picture still changes on the screen, and whether something bright (a shot) is
// where they expect it; or one picture and the rectangle that holds every pixel that is not black
// (left top right bottom, the last two just past it), to see where the game's picture lies.
//   screen_grab FIRST.png SECOND.png MILLISECONDS
//   screen_grab --bright PICTURE.png LEFT TOP RIGHT BOTTOM
//   screen_grab --extent PICTURE.png
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/png_writer.h"

namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // 3 bytes a pixel, rows packed
};

bool Grab(Display* display, Picture& out) {
  const Window root = DefaultRootWindow(display);
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, root, &attributes) == 0) return false;
  XImage* image = XGetImage(display, root, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  out.width = attributes.width;
  out.height = attributes.height;
  out.rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
  unsigned char* p = out.rgb.data();
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      *p++ = static_cast<unsigned char>((pixel & image->red_mask) >> __builtin_ctzl(image->red_mask));
      *p++ = static_cast<unsigned char>((pixel & image->green_mask) >> __builtin_ctzl(image->green_mask));
      *p++ = static_cast<unsigned char>((pixel & image->blue_mask) >> __builtin_ctzl(image->blue_mask));
    }
  }
  XDestroyImage(image);
  return true;
}

// Written through the game's own PNG writer (5-6-5: enough to look at; the counts use the grab itself).
bool WritePng(const char* path, const Picture& picture) {
  std::vector<std::uint16_t> pixels(static_cast<std::size_t>(picture.width) * picture.height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const unsigned char* p = picture.rgb.data() + i * 3;
    pixels[i] = static_cast<std::uint16_t>(((p[0] >> 3) << 11) | ((p[1] >> 2) << 5) | (p[2] >> 3));
  }
  return plat::WritePngRgb565(path, pixels.data(), picture.width, picture.height, picture.width);
}

}  // namespace

long BrightPixels(const Picture& picture, int left, int top, int right, int bottom) {
  long count = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, picture.height); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, picture.width); ++x) {
      const unsigned char* p = picture.rgb.data() + (static_cast<std::size_t>(y) * picture.width + x) * 3;
      if (p[0] >= 200 && p[1] >= 200 && p[2] >= 200) ++count;
    }
  }
  return count;
}

// Every channel below 16 counts as black.
void PrintExtent(const Picture& picture) {
  int left = picture.width, top = picture.height, right = 0, bottom = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const unsigned char* p = picture.rgb.data() + (static_cast<std::size_t>(y) * picture.width + x) * 3;
      if (p[0] < 16 && p[1] < 16 && p[2] < 16) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x + 1);
      bottom = std::max(bottom, y + 1);
    }
  }
  std::printf("%d %d %d %d\n", left, top, right, bottom);
}

int main(int argc, char** argv) {
  const bool bright = argc == 7 && std::strcmp(argv[1], "--bright") == 0;
  const bool extent = argc == 3 && std::strcmp(argv[1], "--extent") == 0;
  if (argc != 4 && !bright && !extent) {
    std::fprintf(stderr, "usage: screen_grab FIRST.png SECOND.png MILLISECONDS\n"
                         "       screen_grab --bright PICTURE.png LEFT TOP RIGHT BOTTOM\n"
                         "       screen_grab --extent PICTURE.png\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "screen_grab: no X display\n");
    return 1;
  }
  if (bright || extent) {
    Picture picture;
    const bool grabbed = Grab(display, picture);
    XCloseDisplay(display);
    if (!grabbed || !WritePng(argv[2], picture)) {
      std::fprintf(stderr, "screen_grab: could not grab or write the picture\n");
      return 1;
    }
    if (extent) {
      PrintExtent(picture);
      return 0;
    }
    std::printf("%ld\n", BrightPixels(picture, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                                       std::atoi(argv[6])));
    return 0;
  }
  Picture first, second;
  bool grabbed = Grab(display, first);
  usleep(static_cast<useconds_t>(std::atoi(argv[3])) * 1000u);
  grabbed = grabbed && Grab(display, second);
  XCloseDisplay(display);
  if (!grabbed || !WritePng(argv[1], first) || !WritePng(argv[2], second)) {
    std::fprintf(stderr, "screen_grab: could not grab or write the pictures\n");
    return 1;
  }
  long changed = 0;
  for (std::size_t i = 0; i < first.rgb.size(); i += 3) {
    if (first.rgb[i] != second.rgb[i] || first.rgb[i + 1] != second.rgb[i + 1] || first.rgb[i + 2] != second.rgb[i + 2]) {
      ++changed;
    }
  }
  std::printf("%ld\n", changed);
  return 0;
}
