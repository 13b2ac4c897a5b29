// Starts a program itself and times it from the X server's side.
//
//   x11_probe startup [--timeout S] -- PROGRAM [ARGS...]
//     prints: map_ms M frame_ms F hwm_kib K
//   x11_probe latency [-n N] [--click X,Y] [--timeout S] -- PROGRAM [ARGS...]
//     prints: latency_ms L1 L2 ... LN
//
// Clock: CLOCK_MONOTONIC in this process, from just before fork(); the child
// execs the program directly, so no shell sits in between. Events are waited
// for with poll() on the X connection; an event's time is when poll() woke up
// for it.
//
// What the figures are:
//  - map: the MapNotify of the program's top-level window, the first mapped
//    child of the root that is not override-redirect and whose _NET_WM_PID is
//    the program's pid.
//  - frame: the first Damage event on that window. Qt creates its windows with
//    no background, so the server paints nothing there on map: the first
//    damage is the program's first flush of its backing store, its first
//    frame. The damage object is made at CreateNotify, before any drawing.
//  - hwm_kib: VmHWM (peak resident set) of the program, read once it has had
//    a settle time after its first frame.
//  - latency: from the XTEST key press leaving this process to the arrival of
//    the first Damage event after which the window's pixels differ from a
//    snapshot taken just before the key. Keys alternate between a digit and
//    BackSpace so that every key changes what is shown.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr xcb_keysym_t kBackSpace = 0xff08;

double NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

template <typename T>
std::unique_ptr<T, void (*)(void*)> Own(T* p) {
  return {p, std::free};
}

pid_t child = 0;

[[noreturn]] void Fail(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::fputs("x11_probe: ", stderr);
  std::vfprintf(stderr, format, args);
  std::fputc('\n', stderr);
  va_end(args);
  if (child > 0) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  std::exit(1);
}

struct Options {
  std::string mode;
  int samples = 21;
  int click_x = -1;
  int click_y = -1;
  double timeout_ms = 10000;
  double settle_ms = 300;
  char** program = nullptr;
};

class Probe {
 public:
  explicit Probe(const Options& o) : options_(o) {
    c_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c_)) Fail("cannot open the display");
    fcntl(xcb_get_file_descriptor(c_), F_SETFD, FD_CLOEXEC);
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    const auto* damage = xcb_get_extension_data(c_, &xcb_damage_id);
    const auto* xtest = xcb_get_extension_data(c_, &xcb_test_id);
    if (!damage || !damage->present) Fail("the X server has no DAMAGE extension");
    if (!xtest || !xtest->present) Fail("the X server has no XTEST extension");
    damage_event_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    damage_major_ = damage->major_opcode;
    // The extension must be told our version before it is used.
    std::free(xcb_damage_query_version_reply(c_, xcb_damage_query_version(c_, 1, 1), nullptr));
    auto atom = Own(xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, 11, "_NET_WM_PID"), nullptr));
    if (!atom) Fail("cannot intern _NET_WM_PID");
    net_wm_pid_ = atom->atom;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    auto* err = xcb_request_check(
        c_, xcb_change_window_attributes_checked(c_, root_, XCB_CW_EVENT_MASK, &mask));
    if (err) Fail("cannot watch the root window");
  }
  ~Probe() { xcb_disconnect(c_); }

  void Start() {
    t0_ = NowMs();
    child = fork();
    if (child < 0) Fail("fork: %s", std::strerror(errno));
    if (child == 0) {
      execvp(options_.program[0], options_.program);
      std::fprintf(stderr, "x11_probe: cannot run %s: %s\n", options_.program[0],
                   std::strerror(errno));
      _exit(127);
    }
  }

  void WaitForFrame() {
    const double deadline = t0_ + options_.timeout_ms;
    while (frame_ms_ < 0) {
      auto e = Own(NextEvent(deadline));
      if (!e) {
        Fail(window_ ? "the window was mapped but not painted within %.0f s"
                     : "no window of the program was mapped within %.0f s",
             options_.timeout_ms / 1e3);
      }
      Handle(e.get());
    }
    auto geometry = Own(xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window_), nullptr));
    if (!geometry) Fail("the window went away");
    width_ = geometry->width;
    height_ = geometry->height;
  }

  // Handles whatever comes for `ms` milliseconds.
  void Settle(double ms) {
    const double deadline = NowMs() + ms;
    while (auto e = Own(NextEvent(deadline))) Handle(e.get());
  }

  long PeakRssKib() const {
    const std::string path = "/proc/" + std::to_string(child) + "/status";
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "r"), std::fclose);
    char line[256];
    long kib = -1;
    while (f && std::fgets(line, sizeof line, f.get())) {
      if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
    }
    if (kib < 0) Fail("cannot read VmHWM from %s", path.c_str());
    return kib;
  }

  void Click(int x, int y) {
    auto origin = Own(xcb_translate_coordinates_reply(
        c_, xcb_translate_coordinates(c_, window_, root_, 0, 0), nullptr));
    if (!origin) Fail("the window went away");
    xcb_test_fake_input(c_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_,
                        int16_t(origin->dst_x + x), int16_t(origin->dst_y + y), 0);
    xcb_test_fake_input(c_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c_);
  }

  // Milliseconds from sending the key to the damage that changed the pixels.
  double TimeKey(xcb_keycode_t key) {
    const std::vector<uint8_t> before = Snapshot();
    // Events that came before the snapshot are already in it.
    while (auto e = Own(xcb_poll_for_queued_event(c_))) Handle(e.get());
    xcb_test_fake_input(c_, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c_, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c_);
    const double sent = NowMs();
    for (;;) {
      auto e = Own(NextEvent(sent + options_.timeout_ms));
      if (!e)
        Fail("keycode %d changed nothing on screen within %.0f s", key, options_.timeout_ms / 1e3);
      const double arrived = NowMs();
      if (Handle(e.get()) && Snapshot() != before) return arrived - sent;
    }
  }

  xcb_keycode_t Keycode(xcb_keysym_t sym) const {
    const xcb_setup_t* setup = xcb_get_setup(c_);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto map = Own(xcb_get_keyboard_mapping_reply(
        c_, xcb_get_keyboard_mapping(c_, setup->min_keycode, uint8_t(count)), nullptr));
    if (!map) Fail("cannot read the keyboard mapping");
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    for (int i = 0; i < count; ++i) {
      if (syms[i * map->keysyms_per_keycode] == sym) return xcb_keycode_t(setup->min_keycode + i);
    }
    Fail("no key produces keysym 0x%x", sym);
  }

  double map_ms() const { return map_ms_; }
  double frame_ms() const { return frame_ms_; }

 private:
  // The next event, or nullptr once `deadline` has passed.
  xcb_generic_event_t* NextEvent(double deadline) {
    for (;;) {
      if (auto* e = xcb_poll_for_event(c_)) return e;
      if (xcb_connection_has_error(c_)) Fail("lost the connection to the X server");
      int status = 0;
      if (waitpid(child, &status, WNOHANG) == child) {
        child = 0;
        if (WIFSIGNALED(status)) Fail("the program was killed by signal %d", WTERMSIG(status));
        Fail("the program exited early with code %d", WEXITSTATUS(status));
      }
      const double left = deadline - NowMs();
      if (left <= 0) return nullptr;
      xcb_flush(c_);
      // Wakes at least every 100 ms to notice a program that died.
      pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
      poll(&p, 1, int(std::ceil(std::min(left, 100.0))));
    }
  }

  // Bookkeeping for one event; true when it is damage on the program's window.
  bool Handle(const xcb_generic_event_t* e) {
    const double now = NowMs();
    const int type = e->response_type & 0x7f;
    if (type == 0) {
      // Damage on an input-only window is refused; those windows never draw.
      const auto* err = reinterpret_cast<const xcb_generic_error_t*>(e);
      if (err->major_code == damage_major_) return false;
      Fail("X error %d (request %d)", err->error_code, err->major_code);
    }
    if (type == XCB_CREATE_NOTIFY) {
      const auto* ev = reinterpret_cast<const xcb_create_notify_event_t*>(e);
      if (ev->parent == root_ && !ev->override_redirect) {
        xcb_damage_create(c_, xcb_generate_id(c_), ev->window,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
      }
    } else if (type == XCB_MAP_NOTIFY) {
      const auto* ev = reinterpret_cast<const xcb_map_notify_event_t*>(e);
      if (!window_ && !ev->override_redirect && PidOf(ev->window) == child) {
        window_ = ev->window;
        map_ms_ = now - t0_;
      }
    } else if (type == damage_event_) {
      const auto* ev = reinterpret_cast<const xcb_damage_notify_event_t*>(e);
      if (window_ && ev->drawable == window_) {
        if (frame_ms_ < 0) frame_ms_ = now - t0_;
        return true;
      }
    }
    return false;
  }

  pid_t PidOf(xcb_window_t w) {
    auto reply = Own(xcb_get_property_reply(
        c_, xcb_get_property(c_, 0, w, net_wm_pid_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) return -1;
    return pid_t(*static_cast<const uint32_t*>(xcb_get_property_value(reply.get())));
  }

  std::vector<uint8_t> Snapshot() {
    auto image = Own(xcb_get_image_reply(
        c_, xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, 0, 0, width_, height_, ~0u),
        nullptr));
    if (!image) Fail("cannot read the window's pixels");
    const uint8_t* data = xcb_get_image_data(image.get());
    return {data, data + xcb_get_image_data_length(image.get())};
  }

  const Options& options_;
  xcb_connection_t* c_ = nullptr;
  xcb_window_t root_ = 0;
  xcb_atom_t net_wm_pid_ = 0;
  uint8_t damage_event_ = 0;
  uint8_t damage_major_ = 0;
  double t0_ = 0;
  xcb_window_t window_ = 0;
  double map_ms_ = -1;
  double frame_ms_ = -1;
  uint16_t width_ = 0;
  uint16_t height_ = 0;
};

[[noreturn]] void Usage() {
  std::fputs(
      "usage: x11_probe startup [--timeout S] -- PROGRAM [ARGS...]\n"
      "       x11_probe latency [-n N] [--click X,Y] [--timeout S] -- PROGRAM [ARGS...]\n",
      stderr);
  std::exit(2);
}

Options Parse(int argc, char** argv) {
  if (argc < 2) Usage();
  Options o;
  o.mode = argv[1];
  if (o.mode != "startup" && o.mode != "latency") Usage();
  int i = 2;
  for (; i < argc && argv[i][0] == '-'; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") {
      ++i;
      break;
    }
    if (i + 1 >= argc) Usage();
    const char* value = argv[++i];
    if (arg == "-n") {
      o.samples = std::atoi(value);
    } else if (arg == "--timeout") {
      o.timeout_ms = std::atof(value) * 1e3;
    } else if (arg == "--click") {
      if (std::sscanf(value, "%d,%d", &o.click_x, &o.click_y) != 2) Usage();
    } else {
      Usage();
    }
  }
  if (i >= argc || o.samples < 1 || o.timeout_ms <= 0) Usage();
  o.program = argv + i;
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = Parse(argc, argv);
  Probe probe(options);
  probe.Start();
  probe.WaitForFrame();
  probe.Settle(options.settle_ms);

  if (options.mode == "startup") {
    std::printf("map_ms %.2f frame_ms %.2f hwm_kib %ld\n", probe.map_ms(), probe.frame_ms(),
                probe.PeakRssKib());
  } else {
    if (options.click_x >= 0) {
      probe.Click(options.click_x, options.click_y);
      probe.Settle(options.settle_ms);
    }
    const xcb_keycode_t backspace = probe.Keycode(kBackSpace);
    std::string line = "latency_ms";
    for (int i = 0; i < options.samples; ++i) {
      const xcb_keycode_t key = i % 2 ? backspace : probe.Keycode(xcb_keysym_t('1' + i / 2 % 9));
      char figure[32];
      std::snprintf(figure, sizeof figure, " %.2f", probe.TimeKey(key));
      line += figure;
      // Lets the rest of this key's painting land before the next snapshot.
      probe.Settle(100);
    }
    std::printf("%s\n", line.c_str());
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return 0;
}
