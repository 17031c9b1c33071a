// The controls of one dialog or property page as a presenter sees them: addressed by their
// control ids, texts as CP932 bytes. Each platform view implements it over its real controls;
// tests use an in-memory fake. Presenters hold the logic, views only forward events.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"

namespace mogura {

// What a control reports to its dialog.
enum class ControlEvent { Clicked, SelectionChanged, DoubleClicked, TextChanged };

// A date field with its own tick box: unticked means "no date"; the date stays shown.
struct DateField {
  DateTime date;
  bool ticked = false;
};

class DialogControls {
 public:
  virtual ~DialogControls() = default;

  virtual std::string text(int id) const = 0;
  virtual void setText(int id, std::string_view text) = 0;
  // Check boxes and radio buttons.
  virtual bool checked(int id) const = 0;
  virtual void setChecked(int id, bool on) = 0;
  virtual bool enabled(int id) const = 0;
  virtual void enable(int id, bool on) = 0;
  virtual void show(int id, bool on) = 0;
  // Moves the keyboard focus to the control (and selects an edit box's text).
  virtual void focus(int id) = 0;

  // Drop-down lists and list boxes: their entries in order, the chosen one (-1: none).
  virtual void setItems(int id, const std::vector<std::string>& items) = 0;
  virtual std::vector<std::string> items(int id) const = 0;
  virtual int selection(int id) const = 0;
  virtual void select(int id, int index) = 0;

  // An up-down control's range; it writes its value into its buddy number box.
  virtual void setRange(int id, int low, int high) = 0;
  // The most characters an edit box accepts.
  virtual void limitText(int id, int characters) = 0;

  virtual DateField date(int id) const = 0;
  virtual void setDate(int id, const DateField& field) = 0;
};

}  // namespace mogura
