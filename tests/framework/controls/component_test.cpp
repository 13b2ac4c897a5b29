#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/component.h"

using namespace bitcalc::framework;

namespace {

// Records its own life and the notifications it receives.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::string name, std::vector<std::string>* log)
      : TComponent(owner), log_(log) {
    SetName(std::move(name));
  }
  ~Probe() override { log_->push_back("delete " + Name()); }
  bool loadingWhenLoaded = true;

 protected:
  void Loaded() override {
    loadingWhenLoaded = IsLoading();
    log_->push_back("loaded " + Name());
  }
  void Notification(TComponent* c, TComponentOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove) log_->push_back(Name() + " saw " + c->Name() + " go");
  }

 private:
  std::vector<std::string>* log_;
};

}  // namespace

TEST(Component, KeepsOwnedComponentsInCreationOrderAndFindsThemByName) {
  std::vector<std::string> log;
  Probe owner(nullptr, "Form1", &log);
  auto* a = new Probe(&owner, "Label1", &log);
  auto* b = new Probe(&owner, "Button1", &log);
  EXPECT_EQ(owner.Components(), (std::vector<TComponent*>{a, b}));
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_EQ(owner.FindComponent("button1"), b);
  EXPECT_EQ(owner.FindComponent("Missing"), nullptr);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, OwnerDeletesWhatItOwnsAndADeletedComponentLeavesItsOwner) {
  std::vector<std::string> log;
  {
    Probe owner(nullptr, "Form1", &log);
    auto* a = new Probe(&owner, "A", &log);
    new Probe(&owner, "B", &log);
    new Probe(a, "A1", &log);
    delete owner.FindComponent("B");
    EXPECT_EQ(owner.ComponentCount(), 1);
  }
  EXPECT_EQ(log, (std::vector<std::string>{"delete B", "delete Form1", "delete A", "delete A1"}));
}

TEST(Component, LoadingCoversTheOwnedComponentsAndLoadedFollowsInCreationOrder) {
  std::vector<std::string> log;
  Probe owner(nullptr, "Form1", &log);
  auto* a = new Probe(&owner, "A", &log);
  owner.BeginLoading();
  // Made while the owner loads: loading as well, as a layout's components are.
  auto* b = new Probe(&owner, "B", &log);
  EXPECT_TRUE(b->IsLoading());
  EXPECT_TRUE(owner.IsLoading());
  EXPECT_TRUE(a->IsLoading());
  owner.EndLoading();
  EXPECT_FALSE(b->IsLoading());
  EXPECT_FALSE(a->loadingWhenLoaded);
  EXPECT_EQ(log, (std::vector<std::string>{"loaded Form1", "loaded A", "loaded B"}));
}

TEST(Component, FreeNotificationTellsTheWatcherOnceAndNotAfterItIsWithdrawn) {
  std::vector<std::string> log;
  Probe watcher(nullptr, "Edit", &log);
  auto* watched = new Probe(nullptr, "Button", &log);
  auto* other = new Probe(nullptr, "Other", &log);
  watcher.FreeNotification(watched);
  watcher.FreeNotification(watched);
  watcher.FreeNotification(other);
  watcher.RemoveFreeNotification(other);
  delete watched;
  delete other;
  EXPECT_EQ(log, (std::vector<std::string>{"delete Button", "Edit saw Button go", "delete Other"}));
}

TEST(Component, AWatcherThatDiesFirstIsNotCalledLater) {
  std::vector<std::string> log;
  auto* watched = new Probe(nullptr, "Button", &log);
  {
    Probe watcher(nullptr, "Edit", &log);
    watcher.FreeNotification(watched);
  }
  delete watched;  // must not reach the dead watcher
  EXPECT_EQ(log.back(), "delete Button");
}
