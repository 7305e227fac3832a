// The Company window and User Info's Form W-2 group through the session: what Save
// writes, and the boxes it refuses without writing anything.
#include <gtest/gtest.h>

#include "engine/pay_run_fixture.h"

namespace corvella {
namespace {

class FactsScreens : public test::PayRunFixture {
  protected:
    bool lastMessageSays(const std::string& what) const {
        return !ui.messages.empty() && ui.messages.back().find(what) != std::string::npos;
    }
};

TEST_F(FactsScreens, CompanyStartsFromTheHeadingAndSavesItsOwnFile) {
    s.store().saveHeader({"Acme Tools", "12 Main St.", "Albany, NY 12207", "12-3456789"});
    const std::string heading = dir.read("Header.sav");
    CompanyScreen& c = s.companyScreen();
    EXPECT_EQ(c.txtLegalName.text, "Acme Tools");
    EXPECT_EQ(c.txtCoAddress.text, "12 Main St.");
    EXPECT_EQ(c.txtCoCityStateZip.text, "Albany, NY 12207");
    EXPECT_EQ(c.txtEin.text, "12-3456789");
    EXPECT_EQ(c.cboDepositSchedule.text, "Monthly");

    c.txtTradeName.text = "Acme";
    c.txtEin.text = "987654321";
    c.txtStateId.text = "NY-0042";
    c.cboDepositSchedule.text = "Semiweekly";
    ASSERT_TRUE(s.companySave());
    s.companyClose();
    EXPECT_EQ(s.companyFacts(), (CompanyFacts{.legalName = "Acme Tools",
                                              .tradeName = "Acme",
                                              .address = "12 Main St.",
                                              .cityStateZip = "Albany, NY 12207",
                                              .ein = "987654321",
                                              .stateId = "NY-0042",
                                              .deposit = DepositSchedule::Semiweekly}));
    EXPECT_EQ(dir.read("Header.sav"), heading);
    // The saved facts come back, not the heading's.
    EXPECT_EQ(s.companyScreen().txtEin.text, "98-7654321");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FactsScreens, CompanyRefusesABoxNamingItAndWritesNothing) {
    const struct {
        TextBox CompanyScreen::*box;
        const char* text;
        const char* said;
    } cases[] = {
        {&CompanyScreen::txtEin, "12-345678", "Company, EIN is not 9 digits"},
        {&CompanyScreen::txtEin, "12 3456789", "Company, EIN is not 9 digits"},
        {&CompanyScreen::txtLegalName, "Acme \"Tools\"", "Company, Legal name holds a double"},
        {&CompanyScreen::txtCoAddress, "12 Main\nSuite 4", "Company, Address holds a line break"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CompanyScreen& screen = s.companyScreen();
        screen.*c.box = TextBox{c.text};
        EXPECT_FALSE(s.companySave());
        EXPECT_TRUE(lastMessageSays(c.said)) << (ui.messages.empty() ? "" : ui.messages.back());
        EXPECT_FALSE(std::filesystem::exists(dir / kCompanyFileName));
        s.companyClose();
    }
}

TEST_F(FactsScreens, ADamagedCompanyFileIsNamedAndReplacedOnlyBySave) {
    writeFileAtomic(dir / kCompanyFileName, "1\r\n\"Acme\",\"\"\r\n");
    CompanyScreen& c = s.companyScreen();
    EXPECT_TRUE(lastMessageSays(kCompanyFileName));
    EXPECT_EQ(dir.read(kCompanyFileName), "1\r\n\"Acme\",\"\"\r\n");
    c.txtLegalName.text = "Acme";
    ASSERT_TRUE(s.companySave());
    EXPECT_EQ(s.companyFacts().legalName, "Acme");
}

TEST_F(FactsScreens, TheW2GroupIsSavedWithTheProfileOnlyOnceItHoldsAnything) {
    openEmployee(profileOf());
    ASSERT_TRUE(s.taxInfoSave());
    EXPECT_FALSE(std::filesystem::exists(dir / "Emp.w2i"));

    FrmTaxInfo& f = s.taxInfo();
    f.txtW2First.text = "Mary";
    f.txtW2Middle.text = "J";
    f.txtW2Last.text = "Smith";
    f.ckW2Retirement.set(1);
    ASSERT_TRUE(s.taxInfoSave());
    EXPECT_EQ(dir.read("Emp.w2i"), "\"Mary\",\"J\",\"Smith\",\"\",0,1,0\r\n");

    // Read again when the employee is opened again, and shown in the group.
    ASSERT_TRUE(s.openEmployee(dir / "Emp.use"));
    ASSERT_TRUE(s.w2());
    EXPECT_EQ(s.w2()->last, "Smith");
    EXPECT_EQ(s.taxInfo().txtW2First.text, "Mary");
    EXPECT_TRUE(s.taxInfo().ckW2Retirement.checked());
}

TEST_F(FactsScreens, TheW2GroupRefusesABoxNamingItAndWritesNothing) {
    openEmployee(profileOf());
    const auto before = test::folderFiles(dir.path());
    const struct {
        TextBox FrmTaxInfo::*box;
        const char* text;
        const char* said;
    } cases[] = {
        {&FrmTaxInfo::txtW2Middle, "JK", "User Info, Form W-2, Middle initial is not one letter"},
        {&FrmTaxInfo::txtW2Middle, "7", "Middle initial is not one letter"},
        {&FrmTaxInfo::txtW2Last, "Smith\r\nJones", "Form W-2, Last name holds a line break"},
        {&FrmTaxInfo::txtW2First, "\"Bud\"", "Form W-2, First name holds a double quote"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FrmTaxInfo& f = s.taxInfo();
        f.*c.box = TextBox{c.text};
        EXPECT_FALSE(s.taxInfoSave());
        EXPECT_TRUE(lastMessageSays(c.said)) << (ui.messages.empty() ? "" : ui.messages.back());
        EXPECT_EQ(test::folderFiles(dir.path()), before);
        s.taxInfoClose();
    }
}

}  // namespace
}  // namespace corvella
