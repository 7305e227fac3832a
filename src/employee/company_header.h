#pragma once
// The company header printed on pay stubs and ledger printouts: one per installation,
// kept in Header.sav in the working folder next to the employee files.
#include <string>

namespace corvella {

inline constexpr const char* kHeaderFileName = "Header.sav";

struct CompanyHeader {
    std::string Company;
    std::string Address;
    std::string ZipLine;   // city, state and zip code
    std::string IdNumber;  // the employer's identification number
};

// Header.sav: one line of four texts, Company, Address, ZipLine, IdNumber. Reading fills
// the fields in that order and throws ReadError at a missing or unreadable field, with
// the fields before it already filled.
void readHeaderFile(const std::string& bytes, const std::string& fileName, CompanyHeader& h);
std::string writeHeaderFile(const CompanyHeader& h);

// Empty fields get the texts the header dialog shows: "Company", "Address", "Zip Code",
// "ID Number".
void fillHeaderDefaults(CompanyHeader& h);

}  // namespace corvella
