#include "state/state_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/errors.h"
#include "state/dialog_state.h"
#include "test_support.h"

namespace corvella {
namespace {

// The "New York" figures as the screen stores them, with every other stored field set to
// something other than its zero so that a field left out or swapped shows.
struct NewYorkRecords {
    StateSettings s;
    StateProfileFields p;
    NewYorkRecords() {
        DialogState d(s);
        d.cmdDefault_Click();
        d.txtSDIpercent.text = "0.9";
        d.txtSUIpercent.text = "0.034";
        d.txtSDIwageBase.text = "100880";
        d.txtSUIwageBase.text = "7000";
        d.txtStateAdj.text = "-2.5";
        d.fillVari();
        s.SdiBaseFlag = 1;
        s.SuiBaseFlag = 0;
        s.AlabamaFlag = 1;
        s.ArizFlag = 1;
        s.LouisFlag = 0;
        s.IowaFlag = 1;
        s.MassFlag = 1;
        s.OregonFlag = 0;
        s.KentuckyFlag = 1;
        s.MissouriFlag = 1;
        p.StateExemp = 3;
        p.StateStatus = "Married";
        p.FedAddl = 12.5f;
        p.FedExempFlag = 1;
        p.SSMediExempFlag = 1;
    }
};

void expectSameStoredFields(const StateSettings& a, const StateSettings& b) {
    for (size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(a.StateMinBS[i], b.StateMinBS[i]);
        EXPECT_EQ(a.StateAmtBS[i], b.StateAmtBS[i]);
        EXPECT_EQ(a.StatePerBS[i], b.StatePerBS[i]);
        EXPECT_EQ(a.StateMinBM[i], b.StateMinBM[i]);
        EXPECT_EQ(a.StateAmtBM[i], b.StateAmtBM[i]);
        EXPECT_EQ(a.StatePerBM[i], b.StatePerBM[i]);
        EXPECT_EQ(a.StateSgExp[i], b.StateSgExp[i]);
        EXPECT_EQ(a.StateMarExp[i], b.StateMarExp[i]);
    }
    EXPECT_EQ(a.NoStateTaxFlag, b.NoStateTaxFlag);
    EXPECT_EQ(a.SdiRate, b.SdiRate);
    EXPECT_EQ(a.SuiRate, b.SuiRate);
    EXPECT_EQ(a.SdiWageBase, b.SdiWageBase);
    EXPECT_EQ(a.SuiWageBase, b.SuiWageBase);
    EXPECT_EQ(a.StateAddl, b.StateAddl);
    EXPECT_EQ(a.SdiBaseFlag, b.SdiBaseFlag);
    EXPECT_EQ(a.SuiBaseFlag, b.SuiBaseFlag);
    EXPECT_EQ(a.AlabamaFlag, b.AlabamaFlag);
    EXPECT_EQ(a.ArizFlag, b.ArizFlag);
    EXPECT_EQ(a.LouisFlag, b.LouisFlag);
    EXPECT_EQ(a.IowaFlag, b.IowaFlag);
    EXPECT_EQ(a.MassFlag, b.MassFlag);
    EXPECT_EQ(a.OregonFlag, b.OregonFlag);
    EXPECT_EQ(a.KentuckyFlag, b.KentuckyFlag);
    EXPECT_EQ(a.MissouriFlag, b.MissouriFlag);
}

TEST(StateFile, NewYorkFiguresGiveTwentyThreeLinesInTheFileLayout) {
    NewYorkRecords ny;
    const auto lines = test::crlfLines(writeStateFile(ny.s, ny.p));
    ASSERT_EQ(lines.size(), 23u);
    for (size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 5);
    }
    EXPECT_EQ(lines[0], "0,0,0.04,0,0,0.04");
    EXPECT_EQ(lines[3], "529,22.81,0.059,529,22.81,0.059");
    EXPECT_EQ(lines[7], "4085,256.42,0.0808,4085,255.19,0.0778");
    EXPECT_EQ(lines[10], "0");
    EXPECT_EQ(lines[11], "282.7,301.9");
    EXPECT_EQ(lines[20], "629.2,648.4");
    EXPECT_EQ(lines[21], "0.9,0.034,100880,7000,-2.5,1,0,1,1");
    EXPECT_EQ(lines[22], "1,0,1,3,\"Married\",1,12.5,1,0,1,1");
}

TEST(StateFile, ReadingBackGivesTheWrittenValues) {
    NewYorkRecords ny;
    StateSettings s;
    s.CalAllow = 7;  // kept in another file: reading must leave it alone
    s.UtahFlag = 1;
    StateProfileFields p;
    readStateFile(writeStateFile(ny.s, ny.p), "Sample.sta", s, p);
    expectSameStoredFields(s, ny.s);
    EXPECT_EQ(p.StateExemp, 3);
    EXPECT_EQ(p.StateStatus, "Married");
    EXPECT_EQ(p.FedAddl, 12.5f);
    EXPECT_EQ(p.FedExempFlag, 1);
    EXPECT_EQ(p.SSMediExempFlag, 1);
    EXPECT_EQ(s.CalAllow, 7.0f);
    EXPECT_EQ(s.UtahFlag, 1);
}

// A fresh record whose every figure differs from the New York file's, to see which
// fields a failed read has already replaced.
StateSettings oldRecord() {
    StateSettings s;
    s.StateMinBS.fill(1);
    s.StateMinBM.fill(1);
    s.StateSgExp.fill(-1);
    s.StateMarExp.fill(-1);
    s.SdiRate = -1;
    s.MissouriFlag = 5;
    return s;
}

TEST(StateFile, FileEndingAfterLineElevenKeepsWhatWasRead) {
    NewYorkRecords ny;
    ny.s.NoStateTaxFlag = 1;
    const std::string full = writeStateFile(ny.s, ny.p);
    size_t cut = 0;
    for (int i = 0; i < 11; ++i) cut = full.find("\r\n", cut) + 2;

    StateSettings s = oldRecord();
    StateProfileFields p;
    p.StateStatus = "Single";
    try {
        readStateFile(full.substr(0, cut), "Sample.sta", s, p);
        FAIL() << "no ReadError";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, "Sample.sta");
    }
    EXPECT_EQ(s.StateMinBS[3], 529.0f);
    EXPECT_EQ(s.StatePerBM[9], 0.0715f);
    EXPECT_EQ(s.NoStateTaxFlag, 1);
    EXPECT_EQ(s.StateSgExp[0], -1.0f);
    EXPECT_EQ(s.SdiRate, -1.0f);
    EXPECT_EQ(s.MissouriFlag, 5);
    EXPECT_EQ(p.StateStatus, "Single");
}

TEST(StateFile, TextWhereANumberBelongsIsAReadErrorAtThatLine) {
    NewYorkRecords ny;
    auto lines = test::crlfLines(writeStateFile(ny.s, ny.p));
    lines[4] = "813,abc,0.0645,813,39.58,0.0645";
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";

    StateSettings s = oldRecord();
    StateProfileFields p;
    try {
        readStateFile(bytes, ".sta", s, p);
        FAIL() << "no ReadError";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, ".sta");
        EXPECT_EQ(e.line, 5);
    }
    EXPECT_EQ(s.StateMinBS[3], 529.0f);
    EXPECT_EQ(s.StateMinBS[4], 813.0f);  // read before the bad field
    EXPECT_EQ(s.StateMinBM[4], 1.0f);    // after it: still the old value
}

// A table rate is a decimal fraction of the wages: 54 would take 54 times the wages.
TEST(StateFile, ATableRateOutsideZeroToOneIsDamage) {
    StateSettings s;
    StateProfileFields p;
    try {
        readStateFile(test::fixture("state/rate-54.sta"), "Sample.sta", s, p);
        FAIL() << "no ReadError";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, "Sample.sta");
        EXPECT_EQ(e.line, 3);
        EXPECT_EQ(e.problem, "the table rate 54 is outside 0 to 1");
    }

    const NewYorkRecords ny;
    const auto lines = test::crlfLines(writeStateFile(ny.s, ny.p));
    struct Case {
        const char* rate;
        bool reads;
    } cases[] = {{"54", false}, {"1.0001", false}, {"-0.01", false}, {"100", false},
                 {"0", true},   {"0.0815", true},  {"1", true},      {"", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        for (size_t at : {size_t{2}, size_t{5}}) {  // the single and the married column
            auto changed = lines;
            std::vector<std::string> fields;
            std::stringstream row(changed[6]);
            for (std::string f; std::getline(row, f, ',');) fields.push_back(f);
            fields[at] = c.rate;
            changed[6].clear();
            for (size_t k = 0; k < fields.size(); ++k) changed[6] += (k ? "," : "") + fields[k];
            std::string bytes;
            for (const auto& l : changed) bytes += l + "\r\n";
            StateSettings in;
            StateProfileFields pin;
            if (c.reads) {
                EXPECT_NO_THROW(readStateFile(bytes, "Sample.sta", in, pin));
                continue;
            }
            try {
                readStateFile(bytes, "Sample.sta", in, pin);
                ADD_FAILURE() << "no ReadError";
            } catch (const ReadError& e) {
                EXPECT_EQ(e.line, 7);
                EXPECT_NE(e.problem.find("table rate"), std::string::npos);
            }
        }
    }

    // Nor is one written.
    for (float rate : {54.0f, -0.01f, 1.5f}) {
        NewYorkRecords bad;
        bad.s.StatePerBM[9] = rate;
        EXPECT_THROW(writeStateFile(bad.s, bad.p), RangeError) << rate;
    }
}

TEST(StateFile, EmptyFileIsAReadError) {
    StateSettings s;
    StateProfileFields p;
    EXPECT_THROW(readStateFile("", "Sample.sta", s, p), ReadError);
}

}  // namespace
}  // namespace corvella
