#pragma once
// The date pickers frmDateMain (the main window's week ending) and frmDate (a date cell
// of the overtime calculator): a calendar limited to the dates it accepts, which writes
// the chosen date into its field at every change and click, and an OK button.
#include <QDialog>
#include <functional>

#include "common/ports.h"
#include "store/pay_period.h"

class QCalendarWidget;

class DatePickerDialog : public QDialog {
    Q_OBJECT
  public:
    // `start`: the calendar's first date, within `range`; `pick` writes a date into the
    // field.
    DatePickerDialog(const QString& name, const QString& okText, corvella::Date start,
                     corvella::CalendarRange range, std::function<void(corvella::Date)> pick,
                     QWidget* parent = nullptr);
    QCalendarWidget* calendar() const { return calendar_; }

  private:
    void chosen();

    QCalendarWidget* calendar_;
    std::function<void(corvella::Date)> pick_;
};
