#include "store/company_file.h"

#include <iterator>

#include "common/errors.h"
#include "common/field_range.h"
#include "common/linefile.h"
#include "common/stored_text.h"

namespace corvella {

namespace {

constexpr std::string_view kDepositWords[] = {"monthly", "semiweekly"};
constexpr ChoiceField kDepositField{"deposit schedule", kDepositWords};

struct TextField {
    std::string CompanyFacts::*member;
    const char* name;
};
constexpr TextField kTexts[] = {
    {&CompanyFacts::legalName, "legal name"},
    {&CompanyFacts::tradeName, "trade name"},
    {&CompanyFacts::address, "address"},
    {&CompanyFacts::cityStateZip, "city, state and zip"},
    {&CompanyFacts::ein, "EIN"},
    {&CompanyFacts::stateId, "state employer account number"},
};

bool isEinField(const TextField& f) {
    return f.member == &CompanyFacts::ein;
}

bool einStored(const std::string& ein) {
    return ein.empty() || (ein.size() == 9 && einDigits(ein) == ein);
}

}  // namespace

std::optional<std::string> einDigits(std::string_view typed) {
    std::string digits;
    for (size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if (c >= '0' && c <= '9')
            digits += c;
        else if (!(c == '-' && i == 2 && typed.size() == 10))
            return std::nullopt;
    }
    if (digits.size() != 9) return std::nullopt;
    return digits;
}

std::string einText(const std::string& digits) {
    if (digits.size() != 9 || einDigits(digits) != digits) return digits;
    return digits.substr(0, 2) + "-" + digits.substr(2);
}

const char* depositScheduleWord(DepositSchedule d) {
    return kDepositWords[static_cast<size_t>(d)].data();
}

std::optional<DepositSchedule> depositScheduleOf(std::string_view word) {
    for (size_t i = 0; i < std::size(kDepositWords); ++i)
        if (word == kDepositWords[i]) return static_cast<DepositSchedule>(i);
    return std::nullopt;
}

CompanyFacts readCompanyFile(const std::string& bytes, const std::string& fileName) {
    FieldReader r(bytes, fileName);
    const int layoutLine = r.line();
    const std::string layout = r.raw();
    r.endLine();
    if (layout.empty() || layout.find_first_not_of("0123456789") != std::string::npos ||
        layout.size() > 4 || std::stoi(layout) < 1)
        throw ReadError(fileName, layoutLine,
                        "the layout number \"" + layout + "\" is not a whole number from 1");
    if (std::stoi(layout) > kCompanyLayout)
        throw ReadError(fileName, layoutLine,
                        "the file has layout " + layout +
                            ", from a later version of Corvella; open it with that version");
    CompanyFacts c;
    for (const TextField& f : kTexts) {
        const int line = r.line();
        c.*f.member = r.text();
        if (isEinField(f) && !einStored(c.ein))
            throw ReadError(fileName, line, "the EIN \"" + c.ein + "\" is not 9 digits");
    }
    c.deposit = *depositScheduleOf(r.text(kDepositField));
    r.endLine();
    r.expectEnd();
    return c;
}

std::string writeCompanyFile(const CompanyFacts& c) {
    for (const TextField& f : kTexts)
        if (auto problem = storedTextProblem(c.*f.member))
            throw RangeError("the " + std::string(f.name) + " \"" + c.*f.member + "\" " + *problem);
    if (!einStored(c.ein)) throw RangeError("the EIN \"" + c.ein + "\" is not 9 digits");
    LineWriter w;
    w.integer(kCompanyLayout).endLine();
    for (const TextField& f : kTexts) w.text(c.*f.member);
    w.text(depositScheduleWord(c.deposit), kDepositField).endLine();
    return w.bytes();
}

CompanyFacts companyFromHeader(const CompanyHeader& h) {
    // The heading window's placeholders (fillHeaderDefaults) are not the company's.
    CompanyHeader placeholders;
    fillHeaderDefaults(placeholders);
    auto fact = [](const std::string& text, const std::string& placeholder) {
        return text == placeholder ? std::string() : text;
    };
    CompanyFacts c;
    c.legalName = fact(h.Company, placeholders.Company);
    c.address = fact(h.Address, placeholders.Address);
    c.cityStateZip = fact(h.ZipLine, placeholders.ZipLine);
    c.ein = einDigits(h.IdNumber).value_or("");
    return c;
}

}  // namespace corvella
