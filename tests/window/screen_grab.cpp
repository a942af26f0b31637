// Two pictures of the whole X display, taken some milliseconds apart, each written as a PNG, and the
// number of pixels that differ between them printed on stdout; or one picture and the number of
// near-white pixels (every channel 200 or more) inside a rectangle. The window checks use them to see
// whether the game's picture still changes on the screen, and whether something bright (a shot) is
// where they expect it; or one picture and the rectangle that holds every pixel that is not black
// (left top right bottom, the last two just past it), to see where the game's picture lies; or, with
// --cover, a window of its own mapped over the whole display until it shows, then taken away, and how
// many pixels still differ from the picture taken before it once the display is back to that picture,
// or when SECONDS have passed (status 3 then); or, with --around, the same around a command of the
// check's own (the game's window hidden and brought back): the picture taken before it, the command
// run to its end (status 1 when it fails), then how many pixels differ once the display is back to
// that picture, or when SECONDS have passed since the command ended (status 3 then), and the
// milliseconds that took.
//   screen_grab FIRST.png SECOND.png MILLISECONDS
//   screen_grab --bright PICTURE.png LEFT TOP RIGHT BOTTOM
//   screen_grab --extent PICTURE.png
//   screen_grab --cover BEFORE.png COVERED.png AFTER.png SECONDS
//   screen_grab --around BEFORE.png AFTER.png SECONDS COMMAND [ARGUMENT...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
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
  // Each channel scaled to 0..255, whatever its width (a 16-bit display has 5 and 6).
  const auto level = [](unsigned long pixel, unsigned long mask) {
    const unsigned long top = mask >> __builtin_ctzl(mask);
    return static_cast<unsigned char>(((pixel & mask) >> __builtin_ctzl(mask)) * 255 / top);
  };
  unsigned char* p = out.rgb.data();
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      *p++ = level(pixel, image->red_mask);
      *p++ = level(pixel, image->green_mask);
      *p++ = level(pixel, image->blue_mask);
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

long Differing(const Picture& a, const Picture& b) {
  if (a.rgb.size() != b.rgb.size()) return -1;
  long count = 0;
  for (std::size_t i = 0; i < a.rgb.size(); i += 3) count += std::memcmp(&a.rgb[i], &b.rgb[i], 3) != 0;
  return count;
}

// Grabs until `done` says so or the seconds have passed; false on a failed grab or when time ran out.
template <typename Done>
bool GrabUntil(Display* display, Picture& picture, double seconds, Done done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    if (!Grab(display, picture)) return false;
    if (done(picture)) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    usleep(50000);
  }
}

// A magenta window over the whole display, mapped past the window manager (override-redirect: it takes
// no focus and needs no placing), as a menu or a notice would cover the game.
int Cover(Display* display, char** argv) {
  const double seconds = std::atof(argv[5]);
  Picture before, covered, after;
  if (!Grab(display, before) || !WritePng(argv[2], before)) return 1;
  const int screen = DefaultScreen(display);
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.background_pixel = (0xFFul << 16) | 0xFFul;  // 24-bit TrueColor: 0xFF00FF
  const Window cover = XCreateWindow(display, RootWindow(display, screen), 0, 0,
                                     static_cast<unsigned>(before.width), static_cast<unsigned>(before.height), 0,
                                     CopyFromParent, InputOutput, CopyFromParent,
                                     CWOverrideRedirect | CWBackPixel, &attributes);
  XMapRaised(display, cover);
  XSync(display, False);
  const auto magenta = [](const Picture& p) {
    const unsigned char* c = p.rgb.data() + (static_cast<std::size_t>(p.height / 2) * p.width + p.width / 2) * 3;
    return c[0] == 255 && c[1] == 0 && c[2] == 255;
  };
  const bool shown = GrabUntil(display, covered, seconds, magenta);
  XUnmapWindow(display, cover);
  XDestroyWindow(display, cover);
  XSync(display, False);
  if (!shown) {
    std::fprintf(stderr, "screen_grab: the covering window did not show\n");
    return 1;
  }
  WritePng(argv[3], covered);
  const bool back = GrabUntil(display, after, seconds, [&before](const Picture& p) { return Differing(before, p) == 0; });
  WritePng(argv[4], after);
  std::printf("%ld\n", Differing(before, after));
  return back ? 0 : 3;
}

bool RunToEnd(char** command) {
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    execvp(command[0], command);
    _exit(127);
  }
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int Around(Display* display, char** argv) {
  Picture before, after;
  if (!Grab(display, before) || !WritePng(argv[2], before)) return 1;
  if (!RunToEnd(argv + 5)) {
    std::fprintf(stderr, "screen_grab: %s failed\n", argv[5]);
    return 1;
  }
  const auto start = std::chrono::steady_clock::now();
  const bool back = GrabUntil(display, after, std::atof(argv[4]), [&before](const Picture& p) { return Differing(before, p) == 0; });
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  WritePng(argv[3], after);
  std::printf("%ld %lld\n", Differing(before, after), static_cast<long long>(ms.count()));
  return back ? 0 : 3;
}

int main(int argc, char** argv) {
  const bool cover = argc == 6 && std::strcmp(argv[1], "--cover") == 0;
  const bool around = argc >= 6 && std::strcmp(argv[1], "--around") == 0;
  if (cover || around) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    const int status = cover ? Cover(display, argv) : Around(display, argv);
    XCloseDisplay(display);
    return status;
  }
  const bool bright = argc == 7 && std::strcmp(argv[1], "--bright") == 0;
  const bool extent = argc == 3 && std::strcmp(argv[1], "--extent") == 0;
  if (argc != 4 && !bright && !extent) {
    std::fprintf(stderr, "usage: screen_grab FIRST.png SECOND.png MILLISECONDS\n"
                         "       screen_grab --bright PICTURE.png LEFT TOP RIGHT BOTTOM\n"
                         "       screen_grab --extent PICTURE.png\n"
                         "       screen_grab --cover BEFORE.png COVERED.png AFTER.png SECONDS\n"
                         "       screen_grab --around BEFORE.png AFTER.png SECONDS COMMAND [ARGUMENT...]\n");
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
