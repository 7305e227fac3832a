#pragma once
// Which wages a pay period's pre-tax deductions reduce, as the pay run withholds by them:
// the year-end forms add these up row by row, so that their wages agree with the tax
// that was withheld on them.
#include <cstdint>

namespace corvella {

// One pay period's amounts in cents, as posted.
struct PeriodPay {
    int64_t gross = 0;    // tips included
    int64_t tips = 0;     // the tips part of gross
    int64_t misc = 0;     // health insurance: before every tax
    int64_t kplan = 0;    // 401(k): before income taxes only
    int64_t pension = 0;  // before federal income tax
    int64_t cafe = 0;     // cafeteria plan: before federal, Social Security and Medicare
    bool selfEmployed = false;
    bool socialSecurityMedicareExempt = false;
};

struct PeriodWages {
    int64_t federal = 0;         // federal income tax wages (W-2 box 1)
    int64_t state = 0;           // state and local income tax wages
    int64_t socialSecurity = 0;  // before the wage base; tips included
    int64_t medicare = 0;
};

PeriodWages periodWages(const PeriodPay& p);

}  // namespace corvella
