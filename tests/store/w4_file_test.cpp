// An employee's Form W-4 file: what it reads back, and the damage it refuses.
#include "store/w4_file.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace corvella {
namespace {

TEST(W4File, WhatIsWrittenReadsBackTheSame) {
    const W4Form forms[] = {
        W4Form{},
        W4Form{.version = W4Form::Version::Before2020},
        W4Form{.status = W4Form::Status::HeadOfHousehold,
               .step2 = true,
               .step3Cents = 150050,
               .step4aCents = 600000,
               .step4bCents = 1200025},
    };
    for (const W4Form& f : forms) EXPECT_EQ(readW4File(writeW4File(f), "E.w4"), f);
    EXPECT_EQ(writeW4File(forms[2]), "\"2020\",\"hoh\",1,1500.50,6000,12000.25\r\n");
}

TEST(W4File, DamageIsRefusedNamingTheLineAndTheField) {
    const struct {
        const char* bytes;
        const char* said;
    } cases[] = {
        {"\"2020\",\"single\",0,-5,0,0\r\n", "the Step 3 credits -5 is outside 0 to"},
        {"\"2020\",\"single\",0,1.005,0,0\r\n", "\"1.005\" is not an amount in dollars and cents"},
        {"\"2020\",\"widowed\",0,0,0,0\r\n", "widowed"},
        {"\"2018\",\"single\",0,0,0,0\r\n", "2018"},
        {"\"2020\",\"single\",2,0,0,0\r\n", "Step 2 box"},
        {"\"2020\",\"single\",0,0,0,0,7\r\n", "line 1"},
        {"\"2020\",\"single\",0,0,0\r\n", "line 1"},
        {"\"2020\",\"single\",0,0,0,0\r\nmore\r\n", "line 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        try {
            readW4File(c.bytes, "E.w4");
            ADD_FAILURE() << "read";
        } catch (const ReadError& e) {
            EXPECT_EQ(e.file, "E.w4");
            EXPECT_NE(std::string(e.what()).find(c.said), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(writeW4File(W4Form{.step3Cents = -1}), RangeError);
}

}  // namespace
}  // namespace corvella
