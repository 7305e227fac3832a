// The company's and an employee's year-end facts files: what they read back, the EIN
// rule, and the damage they refuse.
#include <gtest/gtest.h>

#include "common/errors.h"
#include "store/company_file.h"
#include "store/w2_file.h"

namespace corvella {
namespace {

// Reads `bytes` with `read`, expecting a ReadError that names the file and says `said`.
template <class Read>
void expectRefused(Read read, const char* bytes, const char* file, const char* said) {
    SCOPED_TRACE(bytes);
    try {
        read(bytes, file);
        ADD_FAILURE() << "read";
    } catch (const ReadError& e) {
        EXPECT_EQ(e.file, file);
        EXPECT_NE(std::string(e.what()).find(said), std::string::npos) << e.what();
    }
}

TEST(CompanyFile, WhatIsWrittenReadsBackTheSame) {
    const CompanyFacts facts[] = {
        CompanyFacts{},
        CompanyFacts{.legalName = "Acme Tools, Inc.",
                     .tradeName = "Acme",
                     .address = "12 Main St.",
                     .cityStateZip = "Albany, NY 12207",
                     .ein = "123456789",
                     .stateId = "NY-0042",
                     .deposit = DepositSchedule::Semiweekly},
        CompanyFacts{.legalName = "Café Müller"},
    };
    for (const CompanyFacts& c : facts)
        EXPECT_EQ(readCompanyFile(writeCompanyFile(c), "Company.sav"), c);
    EXPECT_EQ(writeCompanyFile(facts[1]),
              "1\r\n\"Acme Tools, Inc.\",\"Acme\",\"12 Main St.\",\"Albany, NY 12207\","
              "\"123456789\",\"NY-0042\",\"semiweekly\"\r\n");
}

TEST(CompanyFile, DamageAndLaterLayoutsAreRefusedNamingTheLineAndField) {
    const struct {
        const char* bytes;
        const char* said;
    } cases[] = {
        {"1\r\n\"A\",\"\",\"\",\"\",\"12345678\",\"\",\"monthly\"\r\n", "line 2: the EIN"},
        {"1\r\n\"A\",\"\",\"\",\"\",\"12-3456789\",\"\",\"monthly\"\r\n", "the EIN"},
        {"1\r\n\"A\",\"\",\"\",\"\",\"\",\"\",\"weekly\"\r\n", "deposit schedule"},
        {"1\r\n\"A\",\"\",\"\",\"\",\"\",\"monthly\"\r\n", "line 2"},
        {"1\r\n\"A\",\"\",\"\",\"\",\"\",\"\",\"monthly\",\"x\"\r\n", "line 2"},
        {"2\r\n\"A\",\"\",\"\",\"\",\"\",\"\",\"monthly\"\r\n", "later version of Corvella"},
        {"one\r\n\"A\",\"\",\"\",\"\",\"\",\"\",\"monthly\"\r\n", "line 1: the layout number"},
        {"0\r\n", "line 1: the layout number"},
        {"1\r\n", "ends early"},
        {"", "ends early"},
        {"1\r\n\"A\",\"\",\"\",\"\",\"\",\"\",\"monthly\"\r\nmore\r\n", "line 3"},
    };
    for (const auto& c : cases) expectRefused(readCompanyFile, c.bytes, "Company.sav", c.said);
}

TEST(CompanyFile, TextsTheFileCannotKeepAreNotWritten) {
    EXPECT_THROW(writeCompanyFile(CompanyFacts{.legalName = "Acme \"Tools\""}), RangeError);
    EXPECT_THROW(writeCompanyFile(CompanyFacts{.address = "12 Main St.\nSuite 4"}), RangeError);
    EXPECT_THROW(writeCompanyFile(CompanyFacts{.ein = "12345"}), RangeError);
}

TEST(Ein, NineDigitsWithOrWithoutTheHyphen) {
    const struct {
        const char* typed;
        const char* digits;  // null: refused
    } cases[] = {
        {"123456789", "123456789"}, {"12-3456789", "123456789"},
        {"12345678", nullptr},      {"1234567890", nullptr},
        {"123-456789", nullptr},    {"12-345-6789", nullptr},
        {"12 3456789", nullptr},    {"1234567-89", nullptr},
        {"AB-CDEFGHI", nullptr},    {"", nullptr},
        {"-123456789", nullptr},    {"12--3456789", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto digits = einDigits(c.typed);
        if (c.digits) {
            ASSERT_TRUE(digits);
            EXPECT_EQ(*digits, c.digits);
        } else {
            EXPECT_FALSE(digits);
        }
    }
    EXPECT_EQ(einText("123456789"), "12-3456789");
    EXPECT_EQ(einText(""), "");
}

TEST(CompanyFile, TheFirstFactsComeFromTheHeadingWithoutItsPlaceholders) {
    const struct {
        CompanyHeader heading;
        CompanyFacts facts;
    } cases[] = {
        {{"Acme", "12 Main St.", "Albany, NY 12207", "12-3456789"},
         {.legalName = "Acme",
          .address = "12 Main St.",
          .cityStateZip = "Albany, NY 12207",
          .ein = "123456789"}},
        {{"Acme", "Address", "Zip Code", "ID Number"}, {.legalName = "Acme"}},
        {{"Company", "", "", "NY 1234"}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(companyFromHeader(c.heading), c.facts);
}

TEST(W2File, WhatIsWrittenReadsBackTheSame) {
    const W2Facts facts[] = {
        W2Facts{},
        W2Facts{.first = "Mary",
                .middle = "J",
                .last = "O'Brien-Smith",
                .suffix = "Jr.",
                .statutory = true,
                .retirementPlan = false,
                .thirdPartySick = true},
        W2Facts{.first = "Zoë", .middle = "É", .retirementPlan = true},
        W2Facts{.first = "Ann", .state = "OH", .locality = "Columbus"},
        W2Facts{.locality = "Saint-Étienne Township"},
    };
    for (const W2Facts& w : facts) EXPECT_EQ(readW2File(writeW2File(w), "E.w2i"), w);
    EXPECT_EQ(writeW2File(facts[1]), "\"Mary\",\"J\",\"O'Brien-Smith\",\"Jr.\",1,0,1\r\n");
    // The state and locality make a second line, only when there is one to keep.
    EXPECT_EQ(writeW2File(facts[3]), "\"Ann\",\"\",\"\",\"\",0,0,0\r\n\"OH\",\"Columbus\"\r\n");
}

TEST(W2File, DamageIsRefusedNamingTheLineAndField) {
    const struct {
        const char* bytes;
        const char* said;
    } cases[] = {
        {"\"Mary\",\"JK\",\"Smith\",\"\",0,0,0\r\n", "middle initial \"JK\""},
        {"\"Mary\",\"7\",\"Smith\",\"\",0,0,0\r\n", "middle initial"},
        {"\"Mary\",\"\",\"Smith\",\"\",2,0,0\r\n", "statutory employee box"},
        {"\"Mary\",\"\",\"Smith\",\"\",0,-1,0\r\n", "retirement plan box"},
        {"\"Mary\",\"\",\"Smith\",\"\",0,0,x\r\n", "line 1"},
        {"\"Mary\",\"\",\"Smith\",\"\",0,0\r\n", "line 1"},
        {"\"Mary\",\"\",\"Smith\",\"\",0,0,0,0\r\n", "line 1"},
        {"\"Ma\"ry\",\"\",\"Smith\",\"\",0,0,0\r\n", "quote"},
        {"\"Mary\",\"\",\"Smith\",\"\",0,0,0\r\nmore\r\n", "line 2"},
        {"\"Mary\",\"\",\"Smith\",\"\",0,0,0\r\n\"Ohio\",\"\"\r\n", "state \"Ohio\""},
        {"\"Mary\",\"\",\"Smith\",\"\",0,0,0\r\n\"oh\",\"\"\r\n", "state \"oh\""},
        {"\"Mary\",\"\",\"Smith\",\"\",0,0,0\r\n\"OH\",\"X\"\r\nmore\r\n", "line 3"},
    };
    for (const auto& c : cases) expectRefused(readW2File, c.bytes, "E.w2i", c.said);
    EXPECT_THROW(writeW2File(W2Facts{.middle = "JK"}), RangeError);
    EXPECT_THROW(writeW2File(W2Facts{.last = "Smith\r\n"}), RangeError);
    EXPECT_THROW(writeW2File(W2Facts{.first = "\"Bud\""}), RangeError);
    EXPECT_THROW(writeW2File(W2Facts{.state = "Ohio"}), RangeError);
}

}  // namespace
}  // namespace corvella
