#include "engine/form_wages.h"

namespace corvella {

// The same subtractions as the pay run's state, federal, Social Security and Medicare
// wages; the self-employed pay Social Security on their pay before the health insurance.
PeriodWages periodWages(const PeriodPay& p) {
    PeriodWages w;
    w.state = p.gross - p.misc - p.kplan;
    w.federal = w.state - p.pension - p.cafe;
    if (p.socialSecurityMedicareExempt) return w;
    w.socialSecurity = p.gross - p.cafe - (p.selfEmployed ? 0 : p.misc);
    w.medicare = p.gross - p.misc - p.cafe;
    return w;
}

}  // namespace corvella
