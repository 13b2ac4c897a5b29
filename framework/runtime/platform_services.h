#pragma once

#include <functional>
#include <string>

namespace bitcalc::framework {

// The few things the program asks of the desktop outside its own window.
// Each goes through a replaceable handler so that tests can watch the calls
// instead of opening a browser or sounding the bell.

using TOpenUrlHandler = std::function<void(const std::string& url)>;
using TBeepHandler = std::function<void()>;

// Opens url (UTF-8) with the desktop's default handler for its scheme.
void OpenUrl(const std::string& url);
// Sounds the desktop's default beep.
void Beep();

// Install a handler and return the one it replaces, so that the caller can
// put it back. An empty handler makes the service do nothing.
TOpenUrlHandler SetOpenUrlHandler(TOpenUrlHandler handler);
TBeepHandler SetBeepHandler(TBeepHandler handler);

}  // namespace bitcalc::framework
