#pragma once

#include <QAccessibleInterface>
#include <QString>

#include "framework/controls/control.h"
#include "framework/values/geometry.h"

namespace bitcalc::framework {

// A part of a control that is no widget of its own (a cell of a grid, a panel
// of a status bar), seen by assistive technology as a child of the control's
// interface (TAccessibleControl::CreatePart). It stands for whatever sits at
// its index, so it stays right when the control rebuilds its parts.
class TAccessiblePart : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TAccessiblePart(QAccessibleInterface* parent, int index, QAccessible::Role role);

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_->window(); }
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return role_; }
  QAccessible::State state() const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  QStringList actionNames() const override { return {}; }
  void doAction(const QString&) override {}
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 protected:
  TControl* Control() const { return static_cast<TControl*>(parent_->object()); }
  int Index() const { return index_; }
  // Where the part lies, in the control's coordinates.
  virtual TRect Bounds() const = 0;
  virtual QString Name() const = 0;

 private:
  QAccessibleInterface* parent_;
  int index_;
  QAccessible::Role role_;
};

}  // namespace bitcalc::framework
