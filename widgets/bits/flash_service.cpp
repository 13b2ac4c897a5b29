#include "widgets/bits/flash_service.h"

#include <QCoreApplication>
#include <algorithm>

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {
std::unique_ptr<TFlashService> g_service;
}

int TFlashService::TicksPerPhase(TFlashFreq f) {
  switch (f) {
    case ff8Hz:
      return 1;
    case ff4Hz:
      return 2;
    case ff2Hz:
      return 4;
    case ff1Hz:
      return 8;
    case ff05Hz:
      return 16;
  }
  return 8;
}

TFlashService::TFlashService() : timer_(std::make_unique<TTimer>(nullptr)) {
  timer_->SetInterval(kTickMs);
  timer_->OnTimer = [this](TObject*) { Tick(); };
}

TFlashService::~TFlashService() = default;

TFlashService* TFlashService::Instance() {
  return g_service.get();
}

TFlashService::Entry* TFlashService::Find(const TFlashTarget* control) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [control](const Entry& e) { return e.control == control; });
  return it == entries_.end() ? nullptr : &*it;
}

bool TFlashService::Contains(const TFlashTarget* control) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [control](const Entry& e) { return e.control == control; });
}

void TFlashService::Register(TFlashTarget* control, TFlashFreq f) {
  if (!g_service) g_service.reset(new TFlashService());
  TFlashService& s = *g_service;
  if (Entry* e = s.Find(control)) {
    e->freq = f;
    e->ticks_left = std::min(e->ticks_left, TicksPerPhase(f));
  } else {
    s.entries_.push_back({control, f, TicksPerPhase(f), true});
  }
  s.timer_->SetEnabled(true);
}

void TFlashService::Unregister(TFlashTarget* control) {
  if (!g_service) return;
  auto& list = g_service->entries_;
  list.erase(std::remove_if(list.begin(), list.end(),
                            [control](const Entry& e) { return e.control == control; }),
             list.end());
  // A tick that emptied the list ends the service itself once it is over.
  if (list.empty() && !g_service->ticking_) g_service.reset();
}

void TFlashService::ReleaseIfIdle() {
  if (g_service && g_service->entries_.empty()) g_service.reset();
}

void TFlashService::Tick() {
  ticking_ = true;
  // A control's flash painting may take controls off the list; walk a copy
  // and skip whatever has left.
  std::vector<TFlashTarget*> listed;
  for (const Entry& e : entries_) listed.push_back(e.control);
  for (TFlashTarget* control : listed) {
    Entry* e = Find(control);
    if (!e || --e->ticks_left > 0) continue;
    e->ticks_left = TicksPerPhase(e->freq);
    e->on = !e->on;
    control->FlashMessage(e->on);
  }
  ticking_ = false;
  if (entries_.empty()) {
    // The timer is running this very call, so it cannot be destroyed here.
    timer_->SetEnabled(false);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { ReleaseIfIdle(); }, Qt::QueuedConnection);
  }
}

}  // namespace bitcalc::widgets
