// Entering a value into a main-window control as the user does, through
// its widget: a text box takes the text as typed (the edit signal fires), a
// number field the value, a list the row (the user's choice signal fires),
// a check box is clicked when it is to change.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <QWidget>

namespace brennick::gui_test {

// False when the widget is of no kind a value can be entered into.
inline bool enter_as_user(QWidget* widget, const QString& value) {
  if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
    spin->setValue(value.toInt());
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
    emit edit->textEdited(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setCurrentIndex(value.toInt());
    emit combo->activated(value.toInt());
  } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    if (check->isChecked() != (value == "1")) check->click();
  } else {
    return false;
  }
  return true;
}

}  // namespace brennick::gui_test
