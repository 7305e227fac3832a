#include "store/w2_file.h"

#include "common/errors.h"
#include "common/field_range.h"
#include "common/linefile.h"
#include "common/stored_text.h"

namespace corvella {

namespace {

constexpr NumberField kStatutoryField{"statutory employee box", {0, 1}};
constexpr NumberField kRetirementField{"retirement plan box", {0, 1}};
constexpr NumberField kSickPayField{"third-party sick pay box", {0, 1}};

void checkWritten(const std::string& text, const char* field) {
    if (auto problem = storedTextProblem(text))
        throw RangeError("the " + std::string(field) + " \"" + text + "\" " + *problem);
}

}  // namespace

W2Facts readW2File(const std::string& bytes, const std::string& fileName) {
    FieldReader r(bytes, fileName);
    W2Facts w;
    w.first = r.text();
    const int line = r.line();
    w.middle = r.text();
    if (auto problem = middleInitialProblem(w.middle))
        throw ReadError(fileName, line, "the middle initial \"" + w.middle + "\" " + *problem);
    w.last = r.text();
    w.suffix = r.text();
    w.statutory = r.integer(kStatutoryField) != 0;
    w.retirementPlan = r.integer(kRetirementField) != 0;
    w.thirdPartySick = r.integer(kSickPayField) != 0;
    r.endLine();
    // Files written before the state and locality have one line.
    if (!r.atEnd()) {
        const int stateLine = r.line();
        w.state = r.text();
        if (auto problem = stateLettersProblem(w.state))
            throw ReadError(fileName, stateLine, "the state \"" + w.state + "\" " + *problem);
        w.locality = r.text();
        r.endLine();
    }
    r.expectEnd();
    return w;
}

std::string writeW2File(const W2Facts& w2) {
    checkWritten(w2.first, "first name");
    checkWritten(w2.last, "last name");
    checkWritten(w2.suffix, "suffix");
    if (auto problem = middleInitialProblem(w2.middle))
        throw RangeError("the middle initial \"" + w2.middle + "\" " + *problem);
    if (auto problem = stateLettersProblem(w2.state))
        throw RangeError("the state \"" + w2.state + "\" " + *problem);
    checkWritten(w2.locality, "locality");
    LineWriter w;
    w.text(w2.first).text(w2.middle).text(w2.last).text(w2.suffix);
    w.integer(w2.statutory ? 1 : 0, kStatutoryField)
        .integer(w2.retirementPlan ? 1 : 0, kRetirementField)
        .integer(w2.thirdPartySick ? 1 : 0, kSickPayField)
        .endLine();
    if (!w2.state.empty() || !w2.locality.empty()) w.text(w2.state).text(w2.locality).endLine();
    return w.bytes();
}

}  // namespace corvella
