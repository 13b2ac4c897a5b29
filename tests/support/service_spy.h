#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/runtime/platform_services.h"

// Stands in for the desktop services while it lives: counts beeps and
// records every URL the code under test asks to open, then puts back the
// handlers it replaced. Spies may nest; each restores what it found.
//
//   ServiceSpy spy;
//   ... press an invalid key ...
//   EXPECT_EQ(spy.Beeps(), 1);
class ServiceSpy {
 public:
  ServiceSpy()
      : previousOpenUrl_(bitcalc::framework::SetOpenUrlHandler(
            [this](const std::string& url) { urls_.push_back(url); })),
        previousBeep_(bitcalc::framework::SetBeepHandler([this] { ++beeps_; })) {}

  ~ServiceSpy() {
    bitcalc::framework::SetOpenUrlHandler(std::move(previousOpenUrl_));
    bitcalc::framework::SetBeepHandler(std::move(previousBeep_));
  }

  ServiceSpy(const ServiceSpy&) = delete;
  ServiceSpy& operator=(const ServiceSpy&) = delete;

  int Beeps() const { return beeps_; }
  const std::vector<std::string>& OpenedUrls() const { return urls_; }
  void Clear() {
    beeps_ = 0;
    urls_.clear();
  }

 private:
  std::vector<std::string> urls_;
  int beeps_ = 0;
  bitcalc::framework::TOpenUrlHandler previousOpenUrl_;
  bitcalc::framework::TBeepHandler previousBeep_;
};
