#include "shell/payroll_run_screen.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/fileio.h"
#include "common/text_page.h"
#include "shell/session.h"
#include "test_support.h"

namespace corvella {
namespace {

namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The sample employee and two copies of it ("Ann", "Carl"), and "Dora" whose files cannot
// be read.
class PayrollRunScreenTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    ScriptedUi ui;
    std::unique_ptr<Session> s;

    PayrollRunScreenTest() {
        test::copyDataFolder(dir.path());
        for (const char* name : {"Ann", "Carl"})
            for (const char* ext : {".use", ".and", ".cfe", ".sta"})
                fs::copy_file(dir / (std::string("Sample") + ext), dir / (name + std::string(ext)));
        ui.date = {2015, 1, 9};
        s = std::make_unique<Session>(ui, dir.path());
        s->Form_Load();
        ui.messages.clear();
    }

    static size_t rowOf(const PayrollRunScreen& m, const std::string& name) {
        const auto& rows = m.rows();
        const auto it = std::find_if(rows.begin(), rows.end(),
                                     [&](const PayrollRunRow& r) { return r.name == name; });
        EXPECT_NE(it, rows.end()) << name;
        return static_cast<size_t>(it - rows.begin());
    }

    // What the main window's ADD shows for `name` with `hours` in the first box.
    std::array<std::string, 4> addedByHand(const std::string& name, const std::string& hours) {
        ScriptedUi other;
        other.date = ui.date;
        Session by(other, dir.path());
        by.Form_Load();
        EXPECT_TRUE(by.openListed(name));
        by.main.setWeek("1/9/2015");
        by.main.txtAmount[0].focusAndType(hours);
        EXPECT_EQ(by.Calcu_late(RunSave::None), Session::RunOutcome::Done);
        return {by.main.Label13.caption, by.main.lbTaxes.caption, by.main.lbDeduct.caption,
                by.main.lbNet.caption};
    }

    // The week-1 ledger date of `name` as a fresh session reads it from its files.
    std::string postedDate(const std::string& name, int week = 1) {
        ScriptedUi other;
        Session by(other, dir.path());
        by.Form_Load();
        EXPECT_TRUE(by.openListed(name));
        return by.ledger.rows[static_cast<size_t>(week - 1)].Date;
    }

    // Only the three that can be run, 40 hours each.
    PayrollRunScreen fortyEach() {
        dir.write("Dora.use", "\"Single\",not a number");
        PayrollRunScreen m(*s);
        for (const char* name : {"Ann", "Carl", "Sample"}) m.setBox(rowOf(m, name), 0, "40");
        return m;
    }
};

TEST_F(PayrollRunScreenTest, RowsAreTheEmployeeListInItsOrderAndFilter) {
    dir.write("Dora.use", "\"Single\",not a number");
    PayrollRunScreen m(*s, "a");  // every name holds an "a"
    std::vector<std::string> names;
    for (const auto& r : m.rows()) names.push_back(r.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann", "Carl", "Dora", "Sample"}));
    EXPECT_EQ(m.weekEnding(), "1/9/2015");
    EXPECT_EQ(m.rows()[0].frequency, "Weekly");
    for (const char* name : {"Ann", "Carl"}) m.setBox(rowOf(m, name), 0, "8");

    m.setFilter("CARL");
    std::vector<std::string> shown;
    for (const auto& r : m.rows())
        if (r.shown) shown.push_back(r.name);
    EXPECT_EQ(shown, std::vector<std::string>{"Carl"});
    const RunRequest q = m.request();
    ASSERT_EQ(q.entries.size(), 1u);
    EXPECT_EQ(q.entries[0].name, "Carl");
    EXPECT_TRUE(q.stubs && q.checks);
    // A row out of sight is out of the run: no figures, nothing in the totals.
    EXPECT_FALSE(m.rows()[rowOf(m, "Ann")].computed);
    EXPECT_EQ(m.totals().employees, 1);
    m.setFilter("");
    EXPECT_TRUE(m.rows()[rowOf(m, "Ann")].ready);
    EXPECT_EQ(m.totals().employees, 2);
}

TEST_F(PayrollRunScreenTest, FiguresFollowTheTypingAsTheMainWindowsAddShowsThem) {
    PayrollRunScreen m(*s);
    const size_t ann = rowOf(m, "Ann"), sample = rowOf(m, "Sample");
    // Nothing typed, nothing in the run: a week of nothing is never posted unasked.
    for (const auto& r : m.rows()) EXPECT_FALSE(r.include || r.computed) << r.name;
    EXPECT_EQ(m.totals().employees, 0);
    EXPECT_EQ(m.totals().net, "$.00");
    m.setBox(ann, 1, "x");  // all of it refused by the key filter: still out
    EXPECT_FALSE(m.rows()[ann].include);

    m.setBox(ann, 0, "4x0");  // the box's key filter keeps "40"
    EXPECT_EQ(m.rows()[ann].boxes[0], "40");
    EXPECT_TRUE(m.rows()[ann].include);
    const auto& a = m.rows()[ann];
    ASSERT_TRUE(a.ready) << a.reason;
    EXPECT_EQ((std::array<std::string, 4>{a.gross, a.taxes, a.deductions, a.net}),
              addedByHand("Ann", "40"));
    EXPECT_EQ(a.net, "$454.33");

    m.setBox(sample, 0, "20");
    const auto& b = m.rows()[sample];
    EXPECT_EQ((std::array<std::string, 4>{b.gross, b.taxes, b.deductions, b.net}),
              addedByHand("Sample", "20"));

    PayrollRunTotals t = m.totals();
    int64_t net = 0;
    for (const auto& r : m.rows()) net += r.ready ? r.cents.net : 0;
    EXPECT_EQ(t.cents.net, net);
    EXPECT_EQ(t.employees, 2);
    EXPECT_EQ(t.net, moneyCaption(net));

    // Left out: no figures, and out of the totals.
    const int64_t annNet = a.cents.net;
    m.setInclude(ann, false);
    EXPECT_FALSE(m.rows()[ann].computed);
    EXPECT_EQ(m.totals().cents.net, net - annNet);
    EXPECT_EQ(m.totals().employees, 1);
    // Typed again, it is back in the run.
    m.setBox(ann, 0, "41");
    EXPECT_TRUE(m.rows()[ann].include);
}

TEST_F(PayrollRunScreenTest, MoneyCaptionsAreTheCaptionsPattern) {
    const std::pair<int64_t, const char*> cases[] = {{0, "$.00"},
                                                     {5, "$.05"},
                                                     {45433, "$454.33"},
                                                     {123456789, "$1,234,567.89"},
                                                     {-310, "-$3.10"}};
    for (auto [cents, shown] : cases) EXPECT_EQ(moneyCaption(cents), shown) << cents;
}

TEST_F(PayrollRunScreenTest, EditsThatCannotBeUsedAreRefusedAndChangeNothing) {
    PayrollRunScreen m(*s);
    const size_t ann = rowOf(m, "Ann");
    ASSERT_TRUE(m.setRowWeek(ann, " 2 "));
    EXPECT_EQ(m.rows()[ann].week, "2");
    struct Case {
        const char* what;
        std::function<bool()> edit;
        const char* says;
    };
    const Case cases[] = {
        {"week 54", [&] { return m.setRowWeek(ann, "54"); }, "Week of Ann: \"54\""},
        {"week 0", [&] { return m.setRowWeek(ann, "0"); }, "Week of Ann"},
        {"week x", [&] { return m.setRowWeek(ann, "x"); }, "from 1 to 53"},
        {"date", [&] { return m.setWeekEnding("13/45/2015"); }, "Week ending: \"13/45/2015\""},
        {"no date", [&] { return m.setWeekEnding(""); }, "is not a date"},
        {"ledger week", [&] { return m.setWeek(54); }, "Ledger week: 54"},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        EXPECT_FALSE(c.edit()) << c.what;
        ASSERT_EQ(ui.messages.size(), 1u) << c.what;
        EXPECT_TRUE(contains(ui.messages[0], c.says)) << ui.messages[0];
        EXPECT_EQ(m.rows()[ann].week, "2") << c.what;
        EXPECT_EQ(m.weekEnding(), "1/9/2015") << c.what;
        EXPECT_EQ(m.week(), 1) << c.what;
    }
    // A date typed in another form is kept in the short form the main window shows.
    EXPECT_TRUE(m.setWeekEnding("01/16/2015"));
    EXPECT_EQ(m.weekEnding(), "1/16/2015");
}

TEST_F(PayrollRunScreenTest, PostAllWritesEveryLedgerAndSaysWhatItPosted) {
    PayrollRunScreen m = fortyEach();
    size_t calls = 0;
    const auto r = m.postAll([&](size_t done, size_t of) {
        ++calls;
        EXPECT_EQ(of, 3u);
        EXPECT_EQ(done, calls);
    });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->outcome, RunReport::Outcome::Posted);
    EXPECT_EQ(calls, 3u);
    for (const char* name : {"Ann", "Carl", "Sample"}) EXPECT_EQ(postedDate(name), "1/9/2015");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(contains(ui.messages[0], "Posted 3 employees for the week ending 1/9/2015"))
        << ui.messages[0];
    EXPECT_TRUE(contains(ui.messages[0], "Total net pay " + moneyCaption(3 * 45433)))
        << ui.messages[0];
    ASSERT_TRUE(m.lastPosted());

    // The same week again is refused for every row, unless it may be replaced.
    ui.messages.clear();
    const auto again = m.postAll();
    EXPECT_EQ(again->outcome, RunReport::Outcome::Refused);
    EXPECT_TRUE(contains(m.rows()[rowOf(m, "Ann")].reason, "Week 1 already holds a posting"));
    m.setReplace(true);
    EXPECT_EQ(m.postAll()->outcome, RunReport::Outcome::Posted);
}

TEST_F(PayrollRunScreenTest, ARefusedRunWritesNothingAndNamesWhoCannotBeRun) {
    PayrollRunScreen m = fortyEach();
    const size_t dora = rowOf(m, "Dora");
    m.setInclude(dora, true);
    EXPECT_TRUE(m.rows()[dora].computed);
    EXPECT_FALSE(m.rows()[dora].ready);
    EXPECT_FALSE(m.rows()[dora].reason.empty());
    EXPECT_EQ(m.totals().employees, 3);  // Dora is not counted

    const auto before = test::folderFiles(dir.path());
    const auto r = m.postAll();
    EXPECT_EQ(r->outcome, RunReport::Outcome::Refused);
    EXPECT_EQ(test::folderFiles(dir.path()), before);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(contains(ui.messages[0], "Nothing was written")) << ui.messages[0];
    EXPECT_TRUE(contains(ui.messages[0], "\n  Dora: ")) << ui.messages[0];
    EXPECT_FALSE(m.lastPosted());

    // Left out on purpose, the others are posted and Dora is named with why.
    ui.messages.clear();
    m.skipFailed = true;
    EXPECT_EQ(m.postAll()->outcome, RunReport::Outcome::Posted);
    EXPECT_TRUE(contains(ui.messages[0], "Posted 3 employees")) << ui.messages[0];
    EXPECT_TRUE(contains(ui.messages[0], "Left out, not posted (1 employee):\n  Dora: "))
        << ui.messages[0];
}

TEST_F(PayrollRunScreenTest, PrintAllIsOneJobWithAPagePerEmployeePosted) {
    PayrollRunScreen m = fortyEach();
    ui.printerAnswers = {true};
    EXPECT_FALSE(m.printAll(PrintKind::Stubs));  // nothing posted yet
    EXPECT_TRUE(ui.printed.empty());
    EXPECT_TRUE(contains(ui.messages.back(), "post the run first"));

    ASSERT_EQ(m.postAll()->outcome, RunReport::Outcome::Posted);
    for (PrintKind kind : {PrintKind::Stubs, PrintKind::Checks}) {
        ui.printed.clear();
        ui.printerAnswers = {true};
        EXPECT_TRUE(m.printAll(kind));
        ASSERT_EQ(ui.printed.size(), 1u);
        const std::string text = plainText(ui.printed[0]);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 3);
        EXPECT_TRUE(contains(text, kind == PrintKind::Checks ? "454.33" : "Employee"));
    }
    // The printer dialog cancelled: nothing printed.
    ui.printed.clear();
    EXPECT_FALSE(m.printAll(PrintKind::Stubs));
    EXPECT_TRUE(ui.printed.empty());
}

TEST_F(PayrollRunScreenTest, HoursSavedAreTheRowsInTheRunAndLoadBackTheSame) {
    PayrollRunScreen m(*s);
    const size_t ann = rowOf(m, "Ann"), carl = rowOf(m, "Carl");
    m.setBox(ann, 0, "40");
    m.setBox(ann, 3, "2.5");
    m.setOt2x(ann, true);
    ASSERT_TRUE(m.setRowWeek(ann, "7"));
    m.setBox(carl, 0, "12");
    m.setBox(rowOf(m, "Sample"), 0, "3");
    m.setInclude(rowOf(m, "Sample"), false);  // typed, but out of the run: not saved
    const auto text = m.hoursText();
    ASSERT_TRUE(text);
    dir.write("HOURS.csv", *text);

    PayrollRunScreen back(*s, "Sample");
    back.setBox(rowOf(back, "Sample"), 0, "99");
    ASSERT_TRUE(back.loadHoursFile(dir / "HOURS.csv"));
    EXPECT_EQ(back.filter(), "");
    for (size_t i = 0; i < m.rows().size(); ++i) {
        const auto &a = m.rows()[i], &b = back.rows()[i];
        EXPECT_EQ(b.include, a.include) << a.name;
        EXPECT_TRUE(b.shown) << a.name;
        if (!a.include) continue;
        EXPECT_EQ(b.boxes, a.boxes) << a.name;
        EXPECT_EQ(b.ot2x, a.ot2x) << a.name;
        EXPECT_EQ(b.week, a.week) << a.name;
        EXPECT_EQ(b.net, a.net) << a.name;
    }
    EXPECT_EQ(back.totals().cents.net, m.totals().cents.net);
}

TEST_F(PayrollRunScreenTest, AnHoursFileThatCannotBeUsedChangesNothing) {
    PayrollRunScreen m(*s, "Ann");
    m.setBox(rowOf(m, "Ann"), 0, "40");
    const std::vector<PayrollRunRow> before = m.rows();
    const std::string header = "name,box0,box1,box2,box3,box4,box5,box6,box7,ot2x,row\r\n";
    struct Case {
        const char* what;
        std::string bytes;
        const char* says;
    };
    const Case cases[] = {
        {"unknown name", header + "Ann,8,,,,,,,,,\r\nBobb,8,,,,,,,,,\r\n",
         "HOURS.csv, line 3: no employee \"Bobb\" in this folder"},
        {"not an hours file", "hello\r\n", "HOURS.csv"},
        {"no employee", header, "names no employee"},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        EXPECT_FALSE(m.loadHours(c.bytes, "HOURS.csv")) << c.what;
        ASSERT_EQ(ui.messages.size(), 1u) << c.what;
        EXPECT_TRUE(contains(ui.messages[0], c.says)) << c.what << ": " << ui.messages[0];
        EXPECT_TRUE(contains(ui.messages[0], "Nothing was loaded")) << ui.messages[0];
        EXPECT_EQ(m.filter(), "Ann");
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(m.rows()[i].boxes, before[i].boxes) << c.what;
            EXPECT_EQ(m.rows()[i].include, before[i].include) << c.what;
            EXPECT_EQ(m.rows()[i].shown, before[i].shown) << c.what;
        }
    }
    ui.messages.clear();
    EXPECT_FALSE(m.saveHoursFile(dir / "Sample.use"));
    EXPECT_TRUE(contains(ui.messages[0], "Sample.use is one of the folder's data files"));
}

}  // namespace
}  // namespace corvella
