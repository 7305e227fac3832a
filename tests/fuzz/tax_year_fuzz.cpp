// A year's federal figures, FederalYYYY.txt. What reads writes and reads back the same,
// and withholding by it stays within 64 bits and never goes below zero, however far its
// figures and the form's go within their ranges.
#include "federal/tax_year.h"
#include "federal/withholding.h"
#include "fuzz_support.h"

using namespace corvella;

namespace {

constexpr int64_t kMostPeriodWage = 1000000000;    // 10,000,000.00
constexpr int64_t kMostYearAmount = 100000000000;  // 1,000,000,000.00

void checkWithholding(const TaxYear& t) {
    const int64_t wages[] = {0, 1, 100000, 15000000, kMostPeriodWage, -kMostPeriodWage};
    for (int64_t wage : wages)
        for (int periods : {1, t.periodsWeekly, t.periodsBiWeekly, 366})
            for (auto status : {W4Form::Status::SingleOrSeparate, W4Form::Status::MarriedJointly,
                                W4Form::Status::HeadOfHousehold})
                for (bool step2 : {false, true}) {
                    W4Form f;
                    f.status = status;
                    f.step2 = step2;
                    f.step4aCents = wage == kMostPeriodWage ? kMostYearAmount : 0;
                    f.step3Cents = wage == 100000 ? 50000 : 0;
                    FUZZ_CHECK(withholdingCents(t, wage, periods, f, 0) >= 0);
                    FUZZ_CHECK(withholdingCents(t, wage, periods, f, kMostPeriodWage) >=
                               kMostPeriodWage);
                    f.version = W4Form::Version::Before2020;
                    f.married = step2;
                    f.allowances = status == W4Form::Status::MarriedJointly ? 99 : 2;
                    FUZZ_CHECK(withholdingCents(t, wage, periods, f, 0) >= 0);
                }
    for (int64_t before : {int64_t{0}, t.additionalMedicareThresholdCents, kMostYearAmount})
        for (int64_t wage : wages) FUZZ_CHECK(additionalMedicareCents(t, wage, before) >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::input(data, size);
    fuzz::roundTrip(bytes, [](const std::string& b) {
        return writeTaxYearFile(readTaxYearFile(b, "Federal2026.txt"));
    });
    TaxYear t;
    try {
        t = readTaxYearFile(bytes, "Federal2026.txt");
    } catch (const ReadError&) {
        return 0;
    }
    checkWithholding(t);
    return 0;
}
