#pragma once
// The overtime calculator "OverTime Percentage" (Form2): the salary and percentage boxes,
// the rows of week-ending dates and overtime amounts, and the results, over the stored
// overtime values of the employee.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/controls.h"
#include "employee/overtime_data.h"

namespace corvella {

// Why TOTAL did not compute.
struct OvertimeRefusal {
    enum Kind {
        Attention,   // salary or percentage empty, or both zero
        NotANumber,  // a box holds text that is not a number
        NoSalary,    // the salary is 0 while the percentage is not
        TooLarge,    // a result beyond what the figures can hold
    } kind = Attention;
    std::string box;   // the caption of the box at fault, as the window shows it
    std::string text;  // its text
};

// The calculator window's boxes (Form2): salary, percentage, and the rows.
struct OvertimeScreen {
    TextBox txtAnnual = TextBox::numeric();
    TextBox txtApPercent = TextBox::numeric();
    std::array<TextBox, kOtRows> Text1{};  // week ending
    std::array<TextBox, kOtRows> txtOT{};  // overtime amount
    TextBox txtPercent;                    // the percent reached, shown only
    Label lbEarned, lbMax, lbAvail;        // "$#,###.#0"
    Label lbWk, lb_OT;                     // the main window's week ending and overtime pay

    OvertimeScreen();

    // Puts the stored values into the boxes (FillInOT).
    void FillInOT(const OvertimeData& d, bool weekly);
    // A new employee: empty dates and "0" amounts, salary 11440, percent 0 (ClearAll).
    void ClearAll(OvertimeData& d, bool weekly);

    // TOTAL without its save: checks the boxes, then computes the results into `d` and
    // shows them. Nothing changes when it refuses.
    std::optional<OvertimeRefusal> TOTAL(OvertimeData& d, bool weekly);
    // The salary, percentage and amount boxes are numbers or empty (empty amounts count 0).
    std::optional<OvertimeRefusal> checkNumbers(bool weekly) const;
    // "&New Week": every row of the mode takes the next row's date and amount; the last
    // gets an empty date and "0".
    void NewWeek(bool weekly);
    // "&Undo" after the files were read again: the rows and the two boxes from `d`.
    void Undo(const OvertimeData& d, bool weekly);
    // The results of `d` in their captions.
    void showResults(const OvertimeData& d);

    // The boxes as they stand are what the employee's files hold (at opening, after a
    // save or Undo); changed() compares with them.
    void markUnchanged() { unchanged_ = boxTexts(); }
    bool changed() const { return boxTexts() != unchanged_; }

  private:
    std::vector<std::string> boxTexts() const;
    std::vector<std::string> unchanged_;
};

// The rows the window shows: weekly 53, bi-weekly 26 (the 27th is kept out of sight).
inline int overtimeVisibleRows(bool weekly) {
    return weekly ? 53 : 26;
}

// Moving between the calculator's cells with the keyboard.
enum class OtColumn { Date, Amount };
enum class OtKey { Enter, Up, Down, Left, Right };
struct OtCell {
    OtColumn column = OtColumn::Date;
    int row = 0;
    bool operator==(const OtCell&) const = default;
};
// Where `key` moves the focus from `from`: the cell itself when the key does nothing
// there, nothing when the key is not the calculator's (the box handles it).
std::optional<OtCell> overtimeKeyTarget(OtCell from, OtKey key, bool weekly);

}  // namespace corvella
