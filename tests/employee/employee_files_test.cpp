#include "employee/employee_files.h"

#include <gtest/gtest.h>

#include <string>

#include "common/errors.h"
#include "test_support.h"
#include "tools/overtime.h"

namespace corvella {
namespace {

size_t lineCount(const std::string& bytes) {
    size_t n = 0;
    for (size_t p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", p + 2)) ++n;
    return n;
}

// The records of one employee as the session holds them.
struct Employee {
    TaxProfile p;
    OvertimeData ot;
    OvertimeScreen screen;
    StateSettings s;
    EmployeeExtras x;

    static Employee created() {
        Employee e;
        e.p = TaxProfile::resetValues();
        e.x = EmployeeExtras::newEmployee();
        e.screen.ClearAll(e.ot, e.p.weekly());
        return e;
    }
    std::string use() const {
        return writeUseFile(p, ot, s, x, screen.txtAnnual.text, screen.txtApPercent.text);
    }
    std::string ovw() const { return writeOvertimeFile(ot, overtimeRowCount(p.weekly())); }
    // Reads the four members as the loader does, then refills the calculator's boxes.
    void readAll(const std::string& use, const std::string& and_, const std::string& cfe,
                 const std::string& ov) {
        readUseFile(use, "Sample.use", p, ot, s, x);
        readAndFile(and_, "Sample.and", p, s, x);
        readCfeFile(cfe, "Sample.cfe", p);
        readOvertimeFile(ov, p.weekly() ? "Sample.ovw" : "Sample.ovb", overtimeRowCount(p.weekly()),
                         ot);
        screen.FillInOT(ot, p.weekly());
    }
};

TEST(EmployeeFiles, NewEmployeeFilesHaveTheirLayout) {
    Employee e = Employee::created();
    EXPECT_EQ(e.use(), test::fixture("use/new-employee.use"));
    EXPECT_EQ(writeAndFile(e.p, e.s, e.x), test::fixture("and/new-employee.and"));
    EXPECT_EQ(writeCfeFile(e.p), "0,0,0\r\n");

    const std::string ovw = e.ovw();
    EXPECT_EQ(lineCount(ovw), 106u);
    EXPECT_EQ(ovw.substr(0, 7), "\"\"\r\n0\r\n");
    EXPECT_EQ(lineCount(writeOvertimeFile(e.ot, overtimeRowCount(false))), 54u);
}

TEST(EmployeeFiles, NewEmployeeReadBackWritesTheSameBytes) {
    for (bool weekly : {true, false}) {
        SCOPED_TRACE(weekly ? "weekly" : "bi-weekly");
        Employee e = Employee::created();
        if (!weekly) {
            e.p.WeeklyFlag = 0;
            e.p.BiWeeklyFlag = -1;
        }
        const std::string use = e.use(), and_ = writeAndFile(e.p, e.s, e.x),
                          cfe = writeCfeFile(e.p), ov = e.ovw();
        EXPECT_EQ(lineCount(ov), weekly ? 106u : 54u);

        Employee back;  // fresh records, as at program start
        back.readAll(use, and_, cfe, ov);
        EXPECT_EQ(back.p.WeeklyFlag, weekly ? -1 : 0);
        EXPECT_EQ(back.p.BiWeeklyFlag, weekly ? 0 : -1);
        EXPECT_EQ(back.p.KPlanPerFlag, 1);
        EXPECT_EQ(back.p.EmpAddress, "Employee's Address for Check");
        EXPECT_EQ(back.p.EmpCityStateZip, "City, State Zip Code");
        EXPECT_EQ(back.ot.AnnualSalary, 11440.0f);
        EXPECT_EQ(back.ot.OtAmount[0], "0");

        EXPECT_EQ(back.use(), use);
        EXPECT_EQ(writeAndFile(back.p, back.s, back.x), and_);
        EXPECT_EQ(writeCfeFile(back.p), cfe);
        EXPECT_EQ(back.ovw(), ov);
    }
}

TEST(EmployeeFiles, FilledProfileRoundTrips) {
    Employee e = Employee::created();
    TaxProfile& p = e.p;
    p.EmpName = "José Núñez";
    p.EmpAddress = "12 Rue Française";
    p.EmpCityStateZip = "Green Bay, WI 54301";
    p.EmpSSN = "123-45-6789";
    p.FedExemp = "3";
    p.FedStatus = "Married";
    p.HourRate = 12.75f;
    p.HourRate2 = 19.125f;
    p.TipsRate = 2.13f;
    p.PensionPct = 4.6f;
    p.MuniDeduct = 25;
    p.BondDeduct = 0.5f;
    p.MiscDeduct = 88.01f;
    p.DuesDeduct = 12.34f;
    p.KPlanAmt = 150;
    p.KPlanPerFlag = 0;
    p.KPlanFixFlag = 1;
    p.NonCityFlag = 1;
    p.CafeAmt = 40.5f;
    p.CafeStateFlag = 1;
    p.SelfEmpFlag = 1;
    p.WeeklyFlag = 0;
    p.BiWeeklyFlag = -1;
    p.DedCaption9 = "Dental Café";
    e.s.WisconAprilFlag = 1;
    e.s.SpouseFlag = 1;
    e.s.CalAllow = 134.2f;
    e.s.RoundStateFlag = 1;
    e.s.AlabamaFlag = 1;
    e.s.NCFlag = 1;
    e.x.HorzOffset = -120;
    e.x.VertOffset = 60;
    e.ot.OtEarned = 750;
    e.ot.OtPercent = 0.0151f;
    e.screen.txtAnnual.text = "50000";
    e.screen.txtApPercent.text = "10";
    e.ot.OtWeekEnding[0] = "01/02/2015";
    e.ot.OtAmount[0] = "500";
    e.ot.OtAmount[26] = "250.5";

    const std::string use = e.use(), and_ = writeAndFile(e.p, e.s, e.x), cfe = writeCfeFile(p),
                      ov = e.ovw();
    EXPECT_NE(and_.find("\"Jos\xE9 N\xFA\xF1"
                        "ez\""),
              std::string::npos)
        << "names are written in single bytes";
    EXPECT_NE(use.find("50000,10,0.02\r\n"), std::string::npos);

    Employee back;
    back.readAll(use, and_, cfe, ov);
    EXPECT_EQ(back.p.EmpName, "José Núñez");
    EXPECT_EQ(back.p.EmpAddress, "12 Rue Française");
    EXPECT_EQ(back.p.DedCaption9, "Dental Café");
    EXPECT_EQ(back.p.FedStatus, "Married");
    EXPECT_EQ(back.p.HourRate, 12.75f);
    EXPECT_EQ(back.p.TipsRate, 2.13f);
    EXPECT_EQ(back.p.BondDeduct, 0.5f);
    EXPECT_EQ(back.p.KPlanFixFlag, 1);
    EXPECT_EQ(back.p.KPlanPerFlag, 0);
    EXPECT_EQ(back.p.BiWeeklyFlag, -1);
    EXPECT_EQ(back.p.CafeAmt, 40.5f);
    EXPECT_EQ(back.p.CafeStateFlag, 1);
    EXPECT_EQ(back.p.SelfEmpFlag, 1);
    EXPECT_EQ(back.s.WisconAprilFlag, 1);
    EXPECT_EQ(back.s.CalAllow, 134.2f);
    EXPECT_EQ(back.s.NCFlag, 1);
    EXPECT_EQ(back.x.HorzOffset, -120.0f);
    EXPECT_EQ(back.ot.AnnualSalary, 50000.0f);
    EXPECT_EQ(back.ot.ApprovedPercent, 10.0f);
    EXPECT_EQ(back.ot.OtPercent, 0.02f);
    EXPECT_EQ(back.ot.OtWeekEnding[0], "01/02/2015");
    EXPECT_EQ(back.ot.OtAmount[26], "250.5");

    EXPECT_EQ(back.use(), use);
    EXPECT_EQ(writeAndFile(back.p, back.s, back.x), and_);
    EXPECT_EQ(writeCfeFile(back.p), cfe);
    EXPECT_EQ(back.ovw(), ov);
}

TEST(EmployeeFiles, UseLineOneAndTwo) {
    struct Case {
        float otPercent;
        const char* annualBox;
        const char* percentBox;
        const char* line2;
    } cases[] = {
        {0.015f, "50000", "10", "50000,10,0.01"},  // 0.0149999997 as held
        {0.0151f, "50000", "10", "50000,10,0.02"},
        {0.0512f, "40000", "2.5", "40000,2.5,0.05"},
        {0.025f, "40000.00", "2", "40000,2,0.03"},
        {1.5f, " 1 2 000", "5%", "12000,5,1.5"},
        {0, "", "abc", "0,0,0"},
        {-0.004f, "$100", "-3", "0,-3,0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line2);
        Employee e = Employee::created();
        e.ot.OtEarned = 1234.5f;
        e.ot.OtMaxAllowed = 5000;  // never written: recomputed before use
        e.ot.OtAvailable = 3765.5f;
        e.ot.OtPercent = c.otPercent;
        const std::string use = writeUseFile(e.p, e.ot, e.s, e.x, c.annualBox, c.percentBox);
        EXPECT_EQ(use.substr(0, use.find("\r\n", use.find("\r\n") + 2) + 2),
                  "1234.5,0,0\r\n" + std::string(c.line2) + "\r\n");
    }
}

TEST(EmployeeFiles, OvertimeAmountsAreWrittenAsNumbersAndReadAsTexts) {
    OvertimeData ot;
    ot.OtWeekEnding[0] = "01/09/2015";
    ot.OtAmount[0] = "12.50";
    ot.OtAmount[1] = "";
    ot.OtAmount[2] = "$40";
    ot.OtAmount[3] = " 7 5.5x";
    ot.OtAmount[4] = ".25";
    const std::string bytes = writeOvertimeFile(ot, 27);
    const std::string head =
        "\"01/09/2015\"\r\n12.5\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n75.5\r\n\"\"\r\n0.25\r\n";
    EXPECT_EQ(bytes.substr(0, head.size()), head);

    OvertimeData back;
    readOvertimeFile(bytes, "Sample.ovb", 27, back);
    EXPECT_EQ(back.OtWeekEnding[0], "01/09/2015");
    EXPECT_EQ(back.OtAmount[0], "12.5");
    EXPECT_EQ(back.OtAmount[2], "0");
    EXPECT_EQ(back.OtAmount[4], "0.25");
    EXPECT_EQ(back.OtAmount[27], "") << "rows beyond the mode are left alone";
}

TEST(EmployeeFiles, ReservedFieldsKeepWhatWasRead) {
    // The fields kept but never used, in odd spellings and with single-byte letters.
    const std::string use = test::fixture("use/reserved-fields.use");
    const std::string and_ = test::fixture("and/reserved-fields.and");

    Employee e;
    readUseFile(use, "Sample.use", e.p, e.ot, e.s, e.x);
    readAndFile(and_, "Sample.and", e.p, e.s, e.x);
    EXPECT_EQ(e.s.WisconAprilFlag, 1);
    EXPECT_EQ(e.x.useReserved[0], "\"a, b\"");
    EXPECT_EQ(e.x.useReserved[3], "-.5");
    EXPECT_EQ(e.x.useReserved[14], "9");
    EXPECT_EQ(e.s.CalAllow, 120.5f);
    EXPECT_EQ(e.x.andLine6[0], "\"Z\xFC\"");

    EXPECT_EQ(writeUseFile(e.p, e.ot, e.s, e.x, "11440", "0"), use);
    EXPECT_EQ(writeAndFile(e.p, e.s, e.x), and_);
}

TEST(EmployeeFiles, LeadingPointAndTruthValuesAreRead) {
    TaxProfile p;
    readCfeFile(".5,#TRUE#,1\r\n", "Sample.cfe", p);
    EXPECT_EQ(p.CafeAmt, 0.5f);
    EXPECT_EQ(p.CafeStateFlag, -1);
    EXPECT_EQ(p.SelfEmpFlag, 1);
}

struct BadFile {
    const char* name;
    std::string bytes;
    int line;
};

void readAny(const BadFile& f, Employee& e) {
    std::string n = f.name;
    std::string ext = n.substr(n.find('.'));
    if (ext == ".use") readUseFile(f.bytes, n, e.p, e.ot, e.s, e.x);
    if (ext == ".and") readAndFile(f.bytes, n, e.p, e.s, e.x);
    if (ext == ".cfe") readCfeFile(f.bytes, n, e.p);
    if (ext == ".ovw") readOvertimeFile(f.bytes, n, 53, e.ot);
}

TEST(EmployeeFiles, DamagedFilesThrowNamingFileAndLineAndChangeNothing) {
    Employee good = Employee::created();
    good.p.HourRate = 9;
    good.ot.OtAmount[0] = "5";
    const std::string use = good.use();
    const std::string and_ = writeAndFile(good.p, good.s, good.x);
    const std::string ovw = good.ovw();
    auto firstLines = [](const std::string& b, int n) {
        size_t p = 0;
        for (int i = 0; i < n; ++i) p = b.find("\r\n", p) + 2;
        return b.substr(0, p);
    };
    auto replaceLine = [](std::string b, int line, const std::string& with) {
        size_t p = 0;
        for (int i = 1; i < line; ++i) p = b.find("\r\n", p) + 2;
        return b.replace(p, b.find("\r\n", p) - p, with);
    };
    const BadFile cases[] = {
        {"Sample.use", firstLines(use, 8), 9},
        {"Sample.use", "", 1},
        {"Sample.use", replaceLine(use, 3, "\"abc\",0,0"), 3},
        {"Sample.use", replaceLine(use, 6, "0,0,\"x\""), 6},
        {"Sample.use", replaceLine(use, 2, "11440,12a,0"), 2},
        {"Sample.and", firstLines(and_, 4), 5},
        {"Sample.and", replaceLine(and_, 9, "yes,0"), 9},
        {"Sample.cfe", "\"x\",0,0\r\n", 1},
        {"Sample.cfe", "5,0\r\n", 1},  // the line is a field short
        {"Sample.ovw", firstLines(ovw, 10), 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " line " + std::to_string(c.line));
        Employee e = good;
        try {
            readAny(c, e);
            ADD_FAILURE() << "no ReadError";
        } catch (const ReadError& err) {
            EXPECT_EQ(err.file, c.name);
            EXPECT_EQ(err.line, c.line);
        }
        EXPECT_EQ(e.use(), use);
        EXPECT_EQ(writeAndFile(e.p, e.s, e.x), and_);
        EXPECT_EQ(e.ovw(), ovw);
    }
}

}  // namespace
}  // namespace corvella
