#pragma once

#include <QAccessibleWidget>
#include <QList>
#include <QString>
#include <QVariant>
#include <map>

#include "framework/controls/control.h"
#include "framework/values/geometry.h"

namespace bitcalc::framework {

// Makes Qt ask every control for its own interface (TControl::CreateAccessible).
// Called once at start-up, after the QApplication exists.
void InstallAccessibility();

// What assistive technology sees of a control: Qt's widget interface with the
// role the control plays and its name. The name is the one the window gives
// the control (QWidget::accessibleName), or else what the control itself
// shows (OwnName). Actions a control offers are carried out through the mouse
// path a click takes, so every rule and handler runs as for the user's click.
class TAccessibleControl : public QAccessibleWidget {
 public:
  TAccessibleControl(TControl* control, QAccessible::Role role);

  ~TAccessibleControl() override;

  QString text(QAccessible::Text t) const override;
  QAccessibleInterface* parent() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

 protected:
  TControl* Control() const { return static_cast<TControl*>(widget()); }
  // The name when the window gives none: the caption, up to its first code 0.
  virtual QString OwnName() const;
  // The child widgets assistive technology meets, by each one's presence:
  // decorations left out, a control that shows through its inner Qt widget
  // replaced by that widget.
  virtual QList<QWidget*> AccessibleChildWidgets() const;
  // A control whose parts are no widgets of their own (the cells of a grid,
  // the panels of a status bar) gives their number and makes part index, a
  // TAccessiblePart under parent (this interface), on request; the others
  // keep their child widgets.
  virtual int PartCount() const { return -1; }
  virtual QAccessibleInterface* CreatePart(QAccessibleInterface* /*parent*/, int /*index*/) const {
    return nullptr;
  }

 private:
  // The parts made so far, by index; Qt's registry owns them, and they go
  // with this interface.
  mutable std::map<int, QAccessible::Id> parts_;
};

// The interface that lists widget among its children: that of the nearest
// ancestor that is not shown through its inner widget.
QAccessibleInterface* AccessibleParentOf(const QWidget* widget);

// A left click at p (control coordinates): the pointer arriving there, a press
// and a release, sent through the application as the platform delivers them,
// so event filters, the click rule and the control's own handling all run.
void ClickControl(QWidget* control, TPoint p);

// A left-button drag from one point to another (control coordinates): press,
// one move, release, delivered as ClickControl delivers a click.
void DragControl(TControl* control, TPoint from, TPoint to);

// Whether assistive technology would hear of a change of control: one listens
// and the control is shown (it is hidden while its window is being built).
bool AccessibilityListens(const TControl* control);

// Tell assistive technology that control changed, when it listens.
void NotifyAccessibleState(TControl* control, QAccessible::State changed);
void NotifyAccessibleValue(TControl* control, const QVariant& value);
void NotifyAccessibleName(TControl* control);
void NotifyAccessibleDescription(TControl* control);
void NotifyAccessibleShown(TControl* control);

}  // namespace bitcalc::framework
