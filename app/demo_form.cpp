#include "app/demo_form.h"

#include "framework/button.h"
#include "framework/edit.h"
#include "framework/label.h"
#include "framework/shape.h"

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
  BeginLoading();
  SetCaption("Binary calculator");
  SetBorderStyle(bsToolWindow);
  SetPosition(poScreenCenter);
  SetClientSize(320, 140);
  SetColor(clBtnFace);

  auto* frame = new TShape(this);
  frame->SetParent(this);
  frame->SetBounds(8, 8, 304, 124);
  frame->Pen().SetColor(clBtnShadow);
  frame->Brush().SetColor(clWhite);

  auto* label = new TLabel(this);
  label->SetParent(this);
  label->SetBounds(20, 20, 280, 16);
  label->SetCaption("Framework controls on Qt");

  auto* edit = new TEdit(this);
  edit->SetParent(this);
  edit->SetBounds(20, 48, 120, 24);
  edit->SetText("12345");

  auto* button = new TButton(this);
  button->SetParent(this);
  button->SetBounds(20, 90, 90, 28);
  button->SetCaption("&Reset");
  button->OnClick = [edit](TObject*) { edit->SetText("0"); };
  FinishCreation();
}
