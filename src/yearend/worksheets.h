#pragma once
// The year-end worksheets from the ledgers: a Form W-2 per employee with the W-3 totals,
// and Form 941 for a quarter. Amounts in cents; rates and the wage base from the year's
// figures.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/ports.h"
#include "federal/tax_year.h"
#include "store/company_file.h"
#include "yearend/year_rows.h"

namespace corvella {

struct W2Coded {
    std::string code;  // box 12's letter code, or box 14's label
    int64_t cents = 0;
};

struct W2Form {
    std::string name;  // the employee's file name
    std::string employeeName, address, cityStateZip;
    std::string ssn;  // as typed: mask it wherever it need not be whole
    int64_t box1 = 0, box2 = 0, box3 = 0, box4 = 0, box5 = 0, box6 = 0, box7 = 0;
    std::vector<W2Coded> box12, box14;
    bool statutory = false, retirementPlan = false, thirdPartySick = false;
    std::string box15;  // the state's two letters; the employer's state id is the company's
    int64_t box16 = 0, box17 = 0, box18 = 0, box19 = 0;
    std::string box20;  // the locality's name
};

struct W3Totals {
    int count = 0;
    int64_t box1 = 0, box2 = 0, box3 = 0, box4 = 0, box5 = 0, box6 = 0, box7 = 0;
    int64_t box16 = 0, box17 = 0, box18 = 0, box19 = 0;
};

struct W2Worksheet {
    int year = 0;
    CompanyFacts employer;
    std::vector<W2Form> forms;  // employees paid in the year, in the folder's order
    W3Totals w3;
    std::vector<std::string> warnings;
};

W2Worksheet w2Worksheet(int year, const TaxYear& figures, const CompanyFacts& employer,
                        const std::vector<EmployeeYear>& employees,
                        std::vector<std::string> warnings = {});

struct WagesAndTax {
    int64_t wages = 0, tax = 0;
};

struct DailyLiability {
    Date date;
    int64_t cents = 0;
};

struct Form941 {
    int year = 0, quarter = 0;
    CompanyFacts employer;
    int line1 = 0;
    int64_t line2 = 0, line3 = 0;
    WagesAndTax line5a, line5b, line5c, line5d;  // line5b's wages are the tips
    int64_t line5e = 0, line6 = 0, line7 = 0, line10 = 0, line12 = 0;
    // Monthly depositors: each month's liability and their total (line 12's).
    std::array<int64_t, 3> months{};
    int64_t monthsTotal = 0;
    // Semiweekly depositors (Schedule B): the liability of each pay date, by date.
    std::vector<DailyLiability> daily;
    std::vector<std::string> warnings;
};

// Rows by their date: those of the quarter's three months. Throws Error for a quarter
// other than 1 to 4.
Form941 form941Worksheet(int year, int quarter, const TaxYear& figures,
                         const CompanyFacts& employer, const std::vector<EmployeeYear>& employees,
                         std::vector<std::string> warnings = {});

// Amounts as the command line and the spreadsheet give them: "1234.50", "-0.03".
std::string plainCents(int64_t cents);

}  // namespace corvella
