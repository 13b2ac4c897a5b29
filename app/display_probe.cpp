#include "app/display_probe.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QtGlobal>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "app/startup_text.h"

namespace bitcalc::app {

namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

class TSocket {
 public:
  explicit TSocket(int fd) : fd_(fd) {}
  ~TSocket() {
    if (fd_ >= 0) close(fd_);
  }
  TSocket(const TSocket&) = delete;
  TSocket& operator=(const TSocket&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// A Unix socket by path; a leading '\0' in the name selects Linux's
// abstract namespace, where X servers listen besides the file system.
bool ConnectsToUnixSocket(const std::string& name) {
  sockaddr_un address{};
  if (name.empty() || name.size() >= sizeof(address.sun_path)) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, name.data(), name.size());
  const TSocket s(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  const auto length =
      socklen_t(offsetof(sockaddr_un, sun_path) + name.size() + (name[0] == '\0' ? 0 : 1));
  return s.fd() >= 0 && connect(s.fd(), reinterpret_cast<const sockaddr*>(&address), length) == 0;
}

bool ConnectsToTcp(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
  bool connected = false;
  for (addrinfo* a = found; a && !connected; a = a->ai_next) {
    const TSocket s(socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol));
    connected = s.fd() >= 0 && connect(s.fd(), a->ai_addr, a->ai_addrlen) == 0;
  }
  freeaddrinfo(found);
  return connected;
}

std::optional<int> DisplayNumber(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return {};
  if (text.size() > 5) return {};
  return std::stoi(text);
}

// DISPLAY is [host]:number[.screen]; an empty host or "unix" means the local
// socket, any other host a TCP port from 6000 up.
bool XServerAnswers(const std::string& display) {
  const std::size_t colon = display.rfind(':');
  if (colon == std::string::npos) return false;
  const std::string host = display.substr(0, colon);
  const std::string rest = display.substr(colon + 1);
  const std::optional<int> number = DisplayNumber(rest.substr(0, rest.find('.')));
  if (!number) return false;
  if (!host.empty() && host[0] == '/') return ConnectsToUnixSocket(host);
  if (host.empty() || host == "unix") {
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(*number);
    return ConnectsToUnixSocket(std::string(1, '\0') + path) || ConnectsToUnixSocket(path);
  }
  return ConnectsToTcp(host, 6000 + *number);
}

bool WaylandCompositorAnswers(const std::string& display) {
  if (display[0] == '/') return ConnectsToUnixSocket(display);
  const std::string runtime = Env("XDG_RUNTIME_DIR");
  return !runtime.empty() && ConnectsToUnixSocket(runtime + "/" + display);
}

}  // namespace

std::string UnreachableDisplay() {
  if (!Env("QT_QPA_PLATFORM").empty()) return {};
  const std::string x = Env("DISPLAY");
  const std::string wayland = Env("WAYLAND_DISPLAY");
  if (x.empty() && wayland.empty())
    return StartupText(QT_TRANSLATE_NOOP(
        "bitcalc", "cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set"));
  if ((!wayland.empty() && WaylandCompositorAnswers(wayland)) || XDisplayAnswers()) return {};
  if (wayland.empty())
    return StartupText(QT_TRANSLATE_NOOP("bitcalc", "cannot open display '%1'"), {x});
  if (x.empty())
    return StartupText(QT_TRANSLATE_NOOP("bitcalc", "cannot open Wayland display '%1'"), {wayland});
  return StartupText(
      QT_TRANSLATE_NOOP("bitcalc", "cannot open display '%1', nor Wayland display '%2'"),
      {x, wayland});
}

bool XDisplayAnswers() {
  const std::string x = Env("DISPLAY");
  return !x.empty() && XServerAnswers(x);
}

}  // namespace bitcalc::app
