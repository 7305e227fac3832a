#pragma once
// The windows "W-2 and W-3" and "Form 941" (Forms menu) as models: the boxes that choose
// a worksheet, and the worksheet last made from them as the texts the windows show. The
// commands that make it are WorksheetCommands' (shell/worksheet_commands.h).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/controls.h"
#include "common/ports.h"
#include "yearend/worksheets.h"

namespace corvella {

// The year a W-2 window opens on: today's, or in January the year before, whose forms
// are then due.
int defaultW2Year(Date today);
// The quarter a Form 941 window opens on: the last one that has ended. As {year, quarter}.
std::pair<int, int> default941Quarter(Date today);

// A column of the W-2 table: its caption and, as its tip, the caption of its box.
struct W2Column {
    const char* caption;
    const char* tip;
};
inline constexpr size_t kW2Columns = 15;
const std::array<W2Column, kW2Columns>& w2TableColumns();

struct W2Row {
    std::array<std::string, kW2Columns> cells;
    bool totals = false;  // the W-3's
};

struct W2Screen {
    TextBox txtW2Year;
    // "Show Social Security numbers": off, every number is masked; a change shows the
    // same worksheet again.
    CheckBox ckShowSsn;
    Label lbW2Shown;          // what the table holds, or how to fill it
    std::vector<W2Row> rows;  // one per W-2, then the W-3's totals
    std::vector<std::string> warnings;

    explicit W2Screen(Date today);
    W2Screen(const W2Screen&) = delete;
    W2Screen& operator=(const W2Screen&) = delete;

    void show(W2Worksheet w);
    // The worksheet the rows show; nothing before the first.
    const std::optional<W2Worksheet>& worksheet() const { return worksheet_; }

  private:
    void fillRows();
    std::optional<W2Worksheet> worksheet_;
};

// A line of the Form 941 list.
struct WorksheetLine {
    std::string caption;  // its line number and caption
    std::string amount;   // empty for a heading
};

struct Form941Screen {
    TextBox txt941Year, txt941Quarter;
    Label lb941Shown;
    // Lines 1 to 12, then line 16: the months' liabilities or Schedule B's pay dates.
    std::vector<WorksheetLine> lines;
    std::vector<std::string> warnings;

    explicit Form941Screen(Date today);

    void show(Form941 f);
    const std::optional<Form941>& worksheet() const { return worksheet_; }

  private:
    std::optional<Form941> worksheet_;
};

}  // namespace corvella
