// The controls of a real dialog window for a presenter: each id is looked up among the
// window's children; texts are converted with code page 932 at this edge.
#pragma once

#include <windows.h>

#include <string>

#include "presenters/dialog_controls.h"

namespace mogura::win32 {

// The text of a window as the system holds it.
std::wstring WindowText(HWND window);

class Win32DialogControls : public DialogControls {
 public:
  explicit Win32DialogControls(HWND dialog) : dialog_(dialog) {}

  std::string text(int id) const override;
  void setText(int id, std::string_view text) override;
  bool checked(int id) const override;
  void setChecked(int id, bool on) override;
  bool enabled(int id) const override;
  void enable(int id, bool on) override;
  void show(int id, bool on) override;
  void focus(int id) override;
  void setItems(int id, const std::vector<std::string>& items) override;
  std::vector<std::string> items(int id) const override;
  int selection(int id) const override;
  void select(int id, int index) override;
  void setRange(int id, int low, int high) override;
  void limitText(int id, int characters) override;
  DateField date(int id) const override;
  void setDate(int id, const DateField& field) override;

 private:
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  HWND dialog_;
};

}  // namespace mogura::win32
