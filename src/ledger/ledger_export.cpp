#include "ledger/ledger_export.h"

#include <dlfcn.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <vector>

#include "common/errors.h"
#include "common/number.h"

namespace corvella {

namespace {

// libxlsxwriter, and the crypto library it needs, cost every command a few milliseconds
// of loading at start; only an export uses them, so they are opened then, once.
// clang-format off
#define CORVELLA_XLSX_FUNCTIONS(X)                                                          \
    X(workbook_new) X(workbook_add_worksheet) X(workbook_add_format) X(workbook_close)     \
    X(format_set_bold) X(format_set_font_color) X(format_set_num_format)                  \
    X(worksheet_write_blank) X(worksheet_write_number) X(worksheet_write_string)          \
    X(worksheet_set_landscape) X(worksheet_freeze_panes) X(worksheet_set_column)          \
    X(worksheet_set_header_opt) X(worksheet_set_footer_opt) X(worksheet_fit_to_pages)     \
    X(worksheet_set_margins) X(worksheet_center_horizontally) X(lxw_strerror)
// clang-format on

struct XlsxLibrary {
#define CORVELLA_XLSX_MEMBER(name) decltype(&::name) name = nullptr;
    CORVELLA_XLSX_FUNCTIONS(CORVELLA_XLSX_MEMBER)
#undef CORVELLA_XLSX_MEMBER
};

XlsxLibrary openXlsxLibrary() {
    void* handle = ::dlopen(CORVELLA_XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        throw Error(std::string("the spreadsheet library ") + CORVELLA_XLSXWRITER_SONAME +
                    " cannot be opened (" + (why ? why : "unknown reason") +
                    "): install the package libxlsxwriter4");
    }
    XlsxLibrary lib;
#define CORVELLA_XLSX_LOAD(name)                                                           \
    lib.name = reinterpret_cast<decltype(&::name)>(::dlsym(handle, #name));                \
    if (!lib.name)                                                                         \
        throw Error(std::string("the spreadsheet library ") + CORVELLA_XLSXWRITER_SONAME + \
                    " has no " #name ": install the package libxlsxwriter4");
    CORVELLA_XLSX_FUNCTIONS(CORVELLA_XLSX_LOAD)
#undef CORVELLA_XLSX_LOAD
    return lib;
}

// Throws Error when the library cannot be opened; tried again on the next call.
const XlsxLibrary& xlsx() {
    static const XlsxLibrary lib = openXlsxLibrary();
    return lib;
}

constexpr int kColumnsUsed = 16;  // A to P

// One cell: a text that reads as a number is written as that number, shown with two
// decimals, so the spreadsheet can total it; any other text as text.
struct Sheet {
    lxw_worksheet* ws;
    lxw_format* number;
    std::array<size_t, kColumnsUsed> widths{};

    void put(int row, int col, const std::string& text, lxw_format* fmt = nullptr,
             lxw_format* numberFmt = nullptr) {
        widths[static_cast<size_t>(col)] = std::max(widths[static_cast<size_t>(col)], text.size());
        if (text.empty()) {
            if (fmt)
                xlsx().worksheet_write_blank(ws, static_cast<lxw_row_t>(row),
                                             static_cast<lxw_col_t>(col), fmt);
            return;
        }
        const bool plain = text.find_first_of("eE") == std::string::npos;
        if (auto v = strictNumber(text); v && plain)
            xlsx().worksheet_write_number(ws, static_cast<lxw_row_t>(row),
                                          static_cast<lxw_col_t>(col), *v,
                                          numberFmt ? numberFmt : number);
        else
            xlsx().worksheet_write_string(ws, static_cast<lxw_row_t>(row),
                                          static_cast<lxw_col_t>(col), text.c_str(), fmt);
    }
};

lxw_format* font(lxw_workbook* wb, bool bold, lxw_color_t color, bool twoDecimals) {
    lxw_format* f = xlsx().workbook_add_format(wb);
    if (bold) xlsx().format_set_bold(f);
    xlsx().format_set_font_color(f, color);
    if (twoDecimals) xlsx().format_set_num_format(f, "0.00");
    return f;
}

// A footer text: '&' starts a code there, so a literal one is doubled.
std::string footerText(const std::string& s) {
    std::string out;
    for (char c : s) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}

}  // namespace

void writeLedgerWorkbook(const LedgerWindow& w, const LedgerExportInfo& info,
                         const std::filesystem::path& path) {
    const std::string shown = path.filename().string();
    lxw_workbook* wb = xlsx().workbook_new(path.c_str());
    if (!wb) throw WriteError(shown, "the workbook cannot be created");
    lxw_worksheet* ws = xlsx().workbook_add_worksheet(wb, nullptr);
    constexpr lxw_color_t kRed = 0xFF0000, kBlue = 0x0000FF;
    lxw_format* number = xlsx().workbook_add_format(wb);
    xlsx().format_set_num_format(number, "0.00");
    lxw_format* heading = font(wb, true, kRed, false);
    lxw_format* totalText = font(wb, true, kBlue, false);
    lxw_format* totalNumber = font(wb, true, kBlue, true);
    lxw_format* blockValue = font(wb, false, kBlue, true);
    lxw_format* blockValueText = font(wb, false, kBlue, false);
    Sheet sheet{ws, number, {}};

    xlsx().worksheet_set_landscape(ws);
    // Row 1: the headings, bold red.
    std::vector<std::string> headings = {"Date", "Federal", "Soc Sec", "Medicare", "State", "City"};
    for (const auto& h : w.headings) headings.push_back(h.caption);
    for (const char* h : {"Kplan", "Tips", "OT", "Net", "Gross"}) headings.push_back(h);
    for (int c = 0; c < kColumnsUsed; ++c)
        sheet.put(0, c, headings[static_cast<size_t>(c)], heading, heading);

    // The data rows, then the totals row right after them.
    using C = LedgerColumn;
    const auto& order = kLedgerColumnOrder;
    const int rows = Ledger::rowCount(info.weekly);
    for (int i = 0; i < rows; ++i) {
        const LedgerWindowRow& r = w.rows[static_cast<size_t>(i)];
        sheet.put(i + 1, 0, r.Date.text);
        for (int k = 0; k < 15; ++k) sheet.put(i + 1, k + 1, r.cell(order[k]).text);
    }
    // Sheet row 54 weekly, 28 bi-weekly: written after the data rows, over the last
    // period's row (the ledger file keeps that period).
    const int totalsRow = rows;
    sheet.put(totalsRow, 0, "TOTALS=", totalText, totalNumber);
    for (int k = 0; k < 15; ++k)
        sheet.put(totalsRow, k + 1, w.total(order[k]).text, totalText, totalNumber);

    // The SDI, SUI, cafeteria and tips block: labels bold red, values blue.
    const int block = info.weekly ? 55 : 30;  // sheet rows 56-57 weekly, 31-32 bi-weekly
    const int blockColumns = info.weekly ? 7 : 6;
    const char* labels[] = {"", "", "SDI", "SUI", "Cafe", "Tips", ""};
    const std::string values[] = {
        "", "", w.totSDI.text, w.totSUI.text, w.totCafe.text, w.total(C::Tips).text, ""};
    for (int c = 0; c < blockColumns; ++c) {
        sheet.put(block, c, labels[c], heading, heading);
        sheet.put(block + 1, c, values[c], blockValueText, blockValue);
    }

    xlsx().worksheet_freeze_panes(ws, 1, 0);
    // No autofit in the library: each column as wide as its longest text.
    for (int c = 0; c < kColumnsUsed; ++c)
        xlsx().worksheet_set_column(
            ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
            static_cast<double>(std::max<size_t>(sheet.widths[static_cast<size_t>(c)], 4) + 2),
            nullptr);

    const std::string footer = "&L" + footerText(info.employee + "    " + info.ssn) +
                               "&CCorvella 2013\xC2\xAE&R" + footerText(kExportNotice);
    lxw_header_footer_options edge = {};
    edge.margin = 0.001;  // the library takes no 0: a thousandth of an inch is as good
    xlsx().worksheet_set_header_opt(ws, "", &edge);
    xlsx().worksheet_set_footer_opt(ws, footer.c_str(), &edge);
    xlsx().worksheet_fit_to_pages(ws, 1, 1);
    xlsx().worksheet_set_margins(ws, 0, 0, 0, 0);
    xlsx().worksheet_center_horizontally(ws);

    const lxw_error err = xlsx().workbook_close(wb);
    if (err != LXW_NO_ERROR) throw WriteError(shown, xlsx().lxw_strerror(err));
}

}  // namespace corvella
