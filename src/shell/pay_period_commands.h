#pragma once
// The week-ending date and saved pay periods: the date pickers on the main window's
// txtWeek and on the overtime calculator's date cells, "Save This Pay Period" and "Get
// Pay Period".
#include <filesystem>
#include <optional>
#include <string>

#include "shell/pay_runner.h"
#include "shell/workspace.h"
#include "store/pay_period.h"

namespace corvella {

class PayPeriodCommands {
  public:
    explicit PayPeriodCommands(Workspace& ws) : ws_(ws) {}

    // A click in txtWeek opens frmDateMain: the calendar's first date. A field that is not
    // a date of the calendar has become today's date.
    // The dates the pickers accept: 2015's, or every installed year's when the folder
    // takes the tax year from the week-ending date.
    CalendarRange calendar();
    Date openWeekPicker();
    // The calendar changed or clicked, or "Ok": the date into txtWeek in its short form.
    void pickWeek(Date d);
    // A click in the calculator's date cell `row` opens frmDate on it (DateCellIndex);
    // nothing when the calculator is closed or the row is not one of its cells.
    std::optional<Date> openCellPicker(int row);
    // The date into the cell frmDate was opened on.
    void pickCell(Date d);

    struct Saved {
        RunOutcome outcome = RunOutcome::Done;  // Refused or SaveFailed: a message says why
        std::string fileName;                   // the file written, without its folder
    };
    // "Save This Pay Period".
    Saved SavePayPeriod();
    // "Get Pay Period": the dialog, then the chosen file. False when cancelled (silently)
    // or when the file could not be read (a message names it); nothing then changes.
    bool LoadPayPeriod();
    // The steps after the dialog, with the file it chose.
    bool loadPayPeriodFile(const std::filesystem::path& file);

  private:
    Workspace& ws_;
    int DateCellIndex = 0;
};

}  // namespace corvella
