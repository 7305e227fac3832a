// The printouts through the session: the pay stub, the check screen, the offsets and
// the check, the ledger's printout; their refusals and cancels.
#include <gtest/gtest.h>

#include <regex>

#include "common/text_page.h"
#include "employee/company_header.h"
#include "engine/pay_run_fixture.h"
#include "print/check.h"

namespace corvella {
namespace {

// A golden page of tests/data with "-{N}" standing for N hyphens.
std::string goldenPage(const std::string& file) {
    const std::string golden = test::fixture(file);
    std::string out;
    const std::regex rule("-\\{([0-9]+)\\}");
    auto at = std::sregex_iterator(golden.begin(), golden.end(), rule);
    size_t from = 0;
    for (; at != std::sregex_iterator(); ++at) {
        out += golden.substr(from, static_cast<size_t>(at->position()) - from);
        out += std::string(std::stoul((*at)[1]), '-');
        from = static_cast<size_t>(at->position() + at->length());
    }
    return out + golden.substr(from);
}

class Printing : public test::PayRunFixture {
  protected:
    // A weekly employee at 12.00 and 10.00 an hour with tips at 2.00, no state or city
    // tax, with the company header in place.
    void openSample() {
        TaxProfile p = profileOf();
        p.HourRate = 12;
        p.HourRate2 = 10;
        p.TipsRate = 2;
        p.FedExemp = "1";
        p.EmpName = "Sample Employee";
        p.EmpAddress = "12 Main Street";
        p.EmpCityStateZip = "Albany, NY 12207";
        p.EmpSSN = "000-00-0000";
        auto st = noStateTax();
        openEmployee(p, &st, "Sample");
        writeFileAtomic(dir / "Header.sav", writeHeaderFile({"Acme Payroll", "1 Market Street",
                                                             "Albany, NY 12207", "12-3456789"}));
        s.main.setWeek("01/09/2015");
    }
    // Every earnings line used, "(2X)" for the 1x/2x hours.
    void runEverything() {
        s.main.opt1x.value = 0;
        s.main.opt2x.value = -1;
        ASSERT_EQ(
            run({{0, "40"}, {1, "5"}, {2, "2"}, {3, "3"}, {4, "8"}, {5, "4"}, {6, "25"}, {7, "6"}}),
            Session::RunOutcome::Done);
    }
    // The run posted to week 1 and the ledger saved.
    void post() {
        s.openLedger();
        ASSERT_TRUE(s.ledgerPost(1));
        ui.answers.push_back(Answer::Yes);
        ASSERT_TRUE(s.ledgerClose());
    }
    std::string printed() {
        return ui.printed.empty() ? "<nothing printed>" : plainText(ui.printed.back());
    }
};

TEST_F(Printing, StubWithEveryEarningsLine) {
    openSample();
    runEverything();
    post();
    ui.printerAnswers.push_back(true);
    ASSERT_TRUE(s.printStub()) << (ui.messages.empty() ? "" : ui.messages.back());
    EXPECT_EQ(printed(), goldenPage("pages/pay-stub-acme.txt"));
}

TEST_F(Printing, CheckWithItsTwoStubCopies) {
    openSample();
    runEverything();
    post();
    CheckScreen& c = s.openChecks();
    EXPECT_EQ(c.txtCheckDate.text, "01/09/2015");
    EXPECT_EQ(c.txtPayTo.text, "Sample Employee********");
    EXPECT_EQ(c.txtCheckAmt.text, "***643.88");
    EXPECT_EQ(c.txtDollars.text, " Six Hundred Forty Three and 88/100");
    c.txtMemo.text = "January";
    s.openOffsets();
    ui.printerAnswers.assign(2, true);
    ASSERT_TRUE(s.offsetPrintCheck());
    EXPECT_EQ(s.offsetDialog(), nullptr);  // closed once printed
    const std::string page = printed();
    EXPECT_EQ(page, goldenPage("pages/check-acme.txt"));

    // Offsets +3 and -4: the same page three columns to the right and four lines up,
    // which puts the date on the first line.
    s.openOffsets();
    s.offsetDialog()->cboHorz.text = "+3";
    s.offsetDialog()->cboVert.text = "-4";
    ASSERT_TRUE(s.offsetPrintCheck());
    std::string moved;
    size_t from = 4;  // the four empty lines above the date go
    for (size_t end; (end = page.find('\n', from)) != std::string::npos; from = end + 1) {
        const std::string line = page.substr(from, end - from);
        moved += (line.empty() ? "" : "   ") + line + "\n";
    }
    moved += page.substr(from);  // the document end
    EXPECT_EQ(printed(), moved);
    EXPECT_EQ(printed().substr(0, 110), std::string(109, ' ') + "0");
}

TEST_F(Printing, StubFillsTheEmptyBoxesWithZero) {
    openSample();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    ui.printerAnswers.push_back(true);
    ASSERT_TRUE(s.printStub());
    EXPECT_EQ(s.main.txtAmount[0].text, "40");
    for (int i = 1; i < 8; ++i) EXPECT_EQ(s.main.txtAmount[i].text, "0") << i;
    const std::string page = printed();
    EXPECT_NE(page.find("    Regular1 Earning         12.00               40.00          480.00\n"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("Albany, NY 12207                                                      "
                        "              12-3456789\n"),
              std::string::npos);
}

TEST_F(Printing, StubCancelsAndRefusalsPrintNothing) {
    openSample();
    runEverything();
    // The printer dialog cancelled: nothing printed, nothing said.
    EXPECT_FALSE(s.printStub());
    EXPECT_TRUE(ui.printed.empty());
    EXPECT_TRUE(ui.messages.empty());

    // An "O.T." box that is not a number.
    s.main.txtAmount[2].text = "1.2.3";
    ui.printerAnswers.push_back(true);
    EXPECT_FALSE(s.printStub());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages.back().find("\"1.2.3\" in the box O.T."), std::string::npos);
    s.main.txtAmount[2].text = "2";

    // A damaged company header.
    writeFileAtomic(dir / "Header.sav", "\"Acme Payroll\",");
    ui.printerAnswers.push_back(true);
    EXPECT_FALSE(s.printStub());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages.back().find("Header.sav is damaged"), std::string::npos);

    // A damaged ledger.
    writeFileAtomic(dir / "Header.sav", writeHeaderFile({"A", "B", "C", "D"}));
    writeFileAtomic(dir / "Sample.yrw", "\"01/09/2015\",x\r\n");
    ui.printerAnswers.push_back(true);
    EXPECT_FALSE(s.printStub());
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_NE(ui.messages.back().find("Sample.yrw is damaged at line 1"), std::string::npos);
    EXPECT_TRUE(ui.printed.empty());

    // Without a ledger the stub prints, with no year-to-date figures.
    std::filesystem::remove(dir / "Sample.yrw");
    ui.printerAnswers.push_back(true);
    EXPECT_TRUE(s.printStub());
    EXPECT_NE(printed().find("    YTD                      .00                 .00"),
              std::string::npos);
}

TEST_F(Printing, OffsetsAreKeptWithTheEmployee) {
    openSample();
    s.openChecks();
    PrinterOffsetDialog& d = s.openOffsets();
    EXPECT_EQ(d.cboHorz.text, "0");
    EXPECT_EQ(d.cboVert.text, "0");
    EXPECT_EQ(d.lbWeek.caption, "01/09/2015");
    d.cboHorz.text = "+2";
    d.cboVert.text = "-1";
    ASSERT_TRUE(s.offsetApply());
    EXPECT_EQ(dir.read("Sample.and").substr(0, 7), "2,-1,0\r");
    EXPECT_EQ(s.openOffsets().cboHorz.text, "2");
    EXPECT_EQ(s.offsetDialog()->cboVert.text, "-1");

    // Refused boxes name themselves and store nothing; a value off the list is taken.
    const struct {
        const char *horz, *vert, *named;
    } refused[] = {{"abc", "0", "Horizontal"}, {"1", "", "Vertical"}, {"1e9", "0", "Horizontal"}};
    for (const auto& r : refused) {
        s.offsetDialog()->cboHorz.text = r.horz;
        s.offsetDialog()->cboVert.text = r.vert;
        EXPECT_FALSE(s.offsetPrintCheck()) << r.horz << "," << r.vert;
        EXPECT_NE(ui.messages.back().find(r.named), std::string::npos) << ui.messages.back();
    }
    EXPECT_TRUE(ui.printed.empty());
    EXPECT_EQ(dir.read("Sample.and").substr(0, 7), "2,-1,0\r");
    s.offsetDialog()->cboHorz.text = "7";
    s.offsetDialog()->cboVert.text = "0";
    ASSERT_TRUE(s.offsetApply());
    s.offsetDialog()->cboHorz.text = "-3";
    s.offsetCancel();  // nothing stored
    EXPECT_EQ(s.openOffsets().cboHorz.text, "7");
    EXPECT_EQ(s.offsetDialog()->cboVert.text, "0");

    // An Apply whose save fails keeps nothing: a later save must not write its offsets.
    s.offsetDialog()->cboHorz.text = "9";
    s.taxInfo().txtHourRate.text = "1.2.3";
    EXPECT_FALSE(s.offsetApply());
    s.taxInfo().txtHourRate.text = "15";
    s.SaveEmployee();
    EXPECT_EQ(dir.read("Sample.and").substr(0, 6), "7,0,0\r");

    // Print Check tells a save that failed from a box refused (the command line's 5 and 4).
    s.offsetDialog()->cboHorz.text = "x";
    EXPECT_EQ(s.printCheck(), RunOutcome::Refused);
    s.offsetDialog()->cboHorz.text = "8";
    s.writeFaults().failAfterBytes = 0;
    EXPECT_EQ(s.printCheck(), RunOutcome::SaveFailed);
    s.writeFaults().failAfterBytes.reset();
}

TEST_F(Printing, NegativeNetPayIsZeroOnTheCheck) {
    TaxProfile p = profileOf();
    p.MuniDeduct = 500;
    p.EmpName = "Sample Employee";
    auto st = noStateTax();
    openEmployee(p, &st, "Low");
    ui.messages.clear();
    ASSERT_EQ(run({{0, "10"}}), Session::RunOutcome::Done);
    ASSERT_LT(s.result.run.NetPay, 0);
    // The run says so, naming the largest deduction, and its figures stand as computed.
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind("The net pay is below zero (-$", 0), 0u) << ui.messages[0];
    EXPECT_NE(ui.messages[0].find("(500.00)"), std::string::npos) << ui.messages[0];
    const CheckScreen& c = s.openChecks();
    EXPECT_EQ(s.result.run.NetPay, 0);
    EXPECT_EQ(c.txtCheckAmt.text, "000000.00");
    EXPECT_EQ(c.txtDollars.text, "Zero and No/100");
    s.openOffsets();
    ui.printerAnswers.push_back(true);
    ASSERT_TRUE(s.offsetPrintCheck());
    EXPECT_NE(printed().find("    *****Zero and No/100*****\n"), std::string::npos);
}

TEST_F(Printing, AMillionOrMoreIsTooLargeForWords) {
    openSample();
    ASSERT_EQ(run({{0, "200000"}}), Session::RunOutcome::Done);
    ASSERT_GE(s.result.run.NetPay, 1e6f);
    const CheckScreen& c = s.openChecks();
    EXPECT_EQ(c.txtDollars.text, "Dollar amount is too large");
    EXPECT_EQ(c.txtCheckAmt.text.size(), 10u) << c.txtCheckAmt.text;  // "1234567.89"
    EXPECT_EQ(c.txtCheckAmt.text.find('*'), std::string::npos);
    s.openOffsets();
    ui.printerAnswers.push_back(true);
    ASSERT_TRUE(s.offsetPrintCheck());
    EXPECT_NE(printed().find("    *****Dollar amount is too large*****\n"), std::string::npos);
}

// The last figure on the first line of `page` that holds `label`.
std::string lastFigure(const std::string& page, const std::string& label) {
    const auto at = page.find(label);
    if (at == std::string::npos) return "<no " + label + ">";
    const std::string line = page.substr(at, page.find('\n', at + 1) - at);
    return line.substr(line.find_last_of(' ') + 1);
}

// Whatever happened on the main window since the check screen opened, the check carries
// the payee and amount of the run shown now, the same as its two stubs.
TEST_F(Printing, ACheckAlwaysCarriesTheRunOnTheMainWindow) {
    openSample();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    const std::string first = s.openChecks().txtCheckAmt.text;
    s.openOffsets();
    ASSERT_EQ(run({{0, "10"}}), Session::RunOutcome::Done);
    // The run closed both: a window still open over them closes too.
    EXPECT_EQ(s.checkScreen(), nullptr);
    EXPECT_EQ(s.offsetDialog(), nullptr);
    const std::string net = s.main.lbNet.caption;
    s.openOffsets();
    ui.printerAnswers.push_back(true);
    ASSERT_TRUE(s.offsetPrintCheck()) << (ui.messages.empty() ? "" : ui.messages.back());
    const std::string page = printed();
    const std::string amount = s.checkScreen()->txtCheckAmt.text;
    EXPECT_NE(amount, first);
    EXPECT_NE(page.find(amount), std::string::npos);
    EXPECT_EQ(page.find(first), std::string::npos) << page;
    EXPECT_EQ(lastFigure(page, "\n    Current "), net.substr(net.find_first_not_of('$')));

    // Another employee: its own name on the check, never the one before.
    TaxProfile bob = profileOf();
    bob.EmpName = "Bob Diaz";
    bob.EmpSSN = "555-12-3456";
    openEmployee(bob, nullptr, "Bob");
    EXPECT_EQ(s.checkScreen(), nullptr);
    ASSERT_EQ(run({{0, "80"}}), Session::RunOutcome::Done);
    EXPECT_EQ(s.openChecks().txtPayTo.text.rfind("Bob Diaz", 0), 0u);
}

// Paper carries the open employee's own run and number: nothing is printed or posted
// from a run of another employee, from Clear, or from an Open without ADD.
TEST_F(Printing, PrintingAndPostingNeedARunOfTheOpenEmployee) {
    openSample();
    ASSERT_EQ(run({{0, "38"}, {7, "3"}}), Session::RunOutcome::Done);
    s.openChecks();
    TaxProfile bob = profileOf();
    bob.EmpName = "Bob Diaz";
    bob.EmpSSN = "555-12-3456";
    openEmployee(bob, nullptr, "Bob");

    struct Step {
        const char* what;
        std::function<void()> before;
    };
    const Step steps[] = {
        {"Open, no ADD", [] {}},
        {"ADD, then CLEAR",
         [&] {
             ASSERT_EQ(run({{0, "80"}}), Session::RunOutcome::Done);
             s.Clear_All();
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.before();
        ui.messages.clear();
        ui.printerAnswers.assign(3, true);
        EXPECT_FALSE(s.printStub());
        s.openOffsets();
        EXPECT_FALSE(s.offsetPrintCheck());
        EXPECT_TRUE(ui.printed.empty());
        s.openLedger();
        EXPECT_FALSE(s.ledgerPost(1));
        EXPECT_EQ(s.ledgerWindow()->rows[0].Date.text, "");
        ASSERT_EQ(ui.messages.size(), 3u);
        for (const std::string& m : ui.messages)
            EXPECT_NE(m.find("Press ADD"), std::string::npos) << m;
        ui.printerAnswers.clear();
    }

    // Bob's own run: his own number on the stub, none of Sample's tips.
    ASSERT_EQ(run({{0, "80"}}), Session::RunOutcome::Done);
    ui.printerAnswers.push_back(true);
    ASSERT_TRUE(s.printStub());
    const std::string stub = printed();
    // Only the last four digits: a stub does not need the whole number.
    EXPECT_NE(stub.find("***-**-3456"), std::string::npos) << stub;
    EXPECT_EQ(stub.find("555-12"), std::string::npos) << stub;
    EXPECT_EQ(stub.find("000-00-0000"), std::string::npos);
    EXPECT_EQ(lastFigure(stub, "    Tips "), ".00");
}

// The check's stubs show the year to date as the pay stub does, whatever was printed
// before: the ledger's totals from its rows.
TEST_F(Printing, TheChecksYearToDateIsThePayStubs) {
    openSample();
    runEverything();
    post();
    ASSERT_TRUE(s.openEmployee(dir / "Sample.use"));  // a fresh Open, nothing printed since
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    s.openChecks();
    s.openOffsets();
    ui.printerAnswers.assign(2, true);
    ASSERT_TRUE(s.offsetPrintCheck());
    const std::string check = printed();
    ASSERT_TRUE(s.printStub());
    const std::string stub = printed();
    for (const char* label :
         {"Federal Tax", "Social Security Tax", "Medicare Tax", "State Disability Ins"})
        EXPECT_EQ(lastFigure(check, label), lastFigure(stub, label)) << label;
    // Earnings, taxes, deductions and net pay (the stub adds the date).
    const auto ytd = [](const std::string& page) {
        const auto at = page.find("\n    YTD  ");
        return at == std::string::npos ? std::string() : page.substr(at, 90);
    };
    EXPECT_EQ(ytd(check), ytd(stub));
}

// Print Check shows the printer dialog every time, so the check-stock printer can be
// chosen; a cancel prints nothing and keeps the dialog open.
TEST_F(Printing, PrintCheckAsksForThePrinterEveryTime) {
    openSample();
    ASSERT_EQ(run({{0, "40"}}), Session::RunOutcome::Done);
    ui.printerAnswers.push_back(true);
    ASSERT_TRUE(s.printStub());
    s.openChecks();
    s.openOffsets();
    EXPECT_FALSE(s.offsetPrintCheck());  // no answer scripted: the dialog cancelled
    EXPECT_EQ(ui.printed.size(), 1u);
    EXPECT_NE(s.offsetDialog(), nullptr);
    ui.printerAnswers.push_back(true);
    EXPECT_TRUE(s.offsetPrintCheck());
    EXPECT_EQ(ui.printed.size(), 2u);
}

TEST_F(Printing, WeeklyLedgerPrintout) {
    openSample();
    runEverything();
    post();
    s.openLedger();
    EXPECT_FALSE(s.printLedger());  // the printer dialog cancelled
    EXPECT_TRUE(ui.printed.empty());
    ui.printerAnswers.push_back(true);
    ASSERT_TRUE(s.printLedger());
    EXPECT_TRUE(ui.printed.back().landscape);
    EXPECT_EQ(printed(), goldenPage("pages/weekly-ledger-acme.txt"));
}

}  // namespace
}  // namespace corvella
