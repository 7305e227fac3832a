#include "employee/company_header.h"

#include "common/errors.h"
#include "common/fileio.h"
#include "common/linefile.h"

namespace corvella {

void readHeaderFile(const std::string& bytes, const std::string& fileName, CompanyHeader& h) {
    FieldReader r(bytes, fileName);
    h.Company = r.text();
    h.Address = r.text();
    h.ZipLine = r.text();
    h.IdNumber = r.text();
    r.endLine();
    r.expectEnd();
}

std::string writeHeaderFile(const CompanyHeader& h) {
    LineWriter w;
    w.text(h.Company).text(h.Address).text(h.ZipLine).text(h.IdNumber).endLine();
    return w.bytes();
}

void fillHeaderDefaults(CompanyHeader& h) {
    auto fill = [](std::string& field, const char* text) {
        if (field.empty()) field = text;
    };
    fill(h.Company, "Company");
    fill(h.Address, "Address");
    fill(h.ZipLine, "Zip Code");
    fill(h.IdNumber, "ID Number");
}

}  // namespace corvella
