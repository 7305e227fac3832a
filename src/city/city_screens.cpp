#include "city/city.h"
#include "common/number.h"

namespace corvella {

namespace {

// The tables an empty box falls back on. New York differs only in line 7.
struct CityDefaults {
    std::array<float, 10> minBS, minBM, amt, per, sgExp, marExp;
};

constexpr CityDefaults kCityDefaults{
    {0, 308, 334, 557, 962, 2308, 999999, 999999, 999999, 999999},
    {0, 308, 334, 577, 962, 2308, 999999, 999999, 999999, 999999},
    {0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f, 0, 0, 0, 0},
    {0.019f, 0.0265f, 0.031f, 0.037f, 0.039f, 0.04f, 0, 0, 0, 0},
    {192.3f, 230.8f, 269.3f, 307.8f, 346.3f, 384.8f, 423.3f, 461.8f, 500.3f, 538.8f},
    {211.5f, 250, 288.5f, 327, 365.5f, 404, 442.5f, 481, 519.5f, 558},
};

constexpr CityDefaults newYorkTable() {
    CityDefaults t = kCityDefaults;
    t.minBS[6] = t.minBM[6] = 19231;
    t.amt[6] = 757.73f;
    t.per[6] = 0.0425f;
    return t;
}
constexpr CityDefaults kNewYork = newYorkTable();

struct NonCityDefaults {
    std::array<float, 8> minBi, expBi, minWk, expWk;
    float rate;
};

constexpr NonCityDefaults kNonCityDefaults{
    {0, 145, 385, 769, 1154, 999999, 999999, 999999},
    {0, 115, 77, 38, 0, 0, 0, 0},
    {0, 78, 192, 385, 577, 999999, 999999, 999999},
    {0, 58, 38, 19, 0, 0, 0, 0},
    0.0045f,
};

std::string boxName(const char* array, int i) {
    return std::string(array) + "(" + std::to_string(i) + ")";
}

void fillIfEmpty(TextBox& box, float v) {
    if (box.text.empty()) box.text = floatText(v);
}

CityTable asTable(const CityDefaults& d) {
    CityTable t;
    t.CityMinBS = d.minBS;
    t.CityMinBM = d.minBM;
    t.CityAmtBS = t.CityAmtBM = d.amt;
    t.CityPerBS = t.CityPerBM = d.per;
    t.CitySgExp = d.sgExp;
    t.CityMarExp = d.marExp;
    return t;
}

void fillBoxes(DialogCity& d, const CityTable& t) {
    for (int i = 0; i < 10; ++i) {
        d.txtCityMinBS[i].text = floatText(t.CityMinBS[i]);
        d.txtCityAmtBS[i].text = floatText(t.CityAmtBS[i]);
        d.txtCityPerBS[i].text = floatText(t.CityPerBS[i]);
        d.txtCityMinBM[i].text = floatText(t.CityMinBM[i]);
        d.txtCityAmtBM[i].text = floatText(t.CityAmtBM[i]);
        d.txtCityPerBM[i].text = floatText(t.CityPerBM[i]);
        d.txtCitySgExp[i].text = floatText(t.CitySgExp[i]);
        d.txtCityMarExp[i].text = floatText(t.CityMarExp[i]);
    }
}

}  // namespace

// ---- DialogCity ----

DialogCity::DialogCity(CityTable& table) : table_(table) {
    for (auto* column : {&txtCityMinBS, &txtCityAmtBS, &txtCityPerBS, &txtCityMinBM, &txtCityAmtBM,
                         &txtCityPerBM, &txtCitySgExp, &txtCityMarExp})
        for (TextBox& b : *column) b.numericOnly = true;
    ckNoLocalTax.onChange = [this] { onNoLocalTaxChanged(); };
}

void DialogCity::refreshFromTable() {
    fillBoxes(*this, table_);
    ckNoLocalTax.set(table_.NoLocalTaxFlag != 0 ? 1 : 0);
    // The box may have been checked already, in which case setting it ran no handler.
    if (ckNoLocalTax.checked()) cmdClearMe_Click();
}

void DialogCity::CheckFor() {
    const CityDefaults& d = kCityDefaults;
    for (int i = 0; i < 10; ++i) {
        fillIfEmpty(txtCityMinBS[i], d.minBS[i]);
        fillIfEmpty(txtCityAmtBS[i], d.amt[i]);
        fillIfEmpty(txtCityPerBS[i], d.per[i]);
        fillIfEmpty(txtCityMinBM[i], d.minBM[i]);
        fillIfEmpty(txtCityAmtBM[i], d.amt[i]);
        fillIfEmpty(txtCityPerBM[i], d.per[i]);
        fillIfEmpty(txtCitySgExp[i], d.sgExp[i]);
        fillIfEmpty(txtCityMarExp[i], d.marExp[i]);
    }
}

void DialogCity::fillVar() {
    // All boxes are converted before any is stored: one bad box leaves the table whole.
    CityTable t;
    for (int i = 0; i < 10; ++i) {
        t.CityMinBS[i] = strictFloat(txtCityMinBS[i].text, boxName("txtCityMinBS", i));
        t.CityAmtBS[i] = strictFloat(txtCityAmtBS[i].text, boxName("txtCityAmtBS", i));
        t.CityPerBS[i] = strictFloat(txtCityPerBS[i].text, boxName("txtCityPerBS", i));
        t.CityMinBM[i] = strictFloat(txtCityMinBM[i].text, boxName("txtCityMinBM", i));
        t.CityAmtBM[i] = strictFloat(txtCityAmtBM[i].text, boxName("txtCityAmtBM", i));
        t.CityPerBM[i] = strictFloat(txtCityPerBM[i].text, boxName("txtCityPerBM", i));
    }
    for (int i = 0; i < 10; ++i) {
        t.CitySgExp[i] = strictFloat(txtCitySgExp[i].text, boxName("txtCitySgExp", i));
        t.CityMarExp[i] = strictFloat(txtCityMarExp[i].text, boxName("txtCityMarExp", i));
    }
    t.NoLocalTaxFlag = ckNoLocalTax.value;
    table_ = t;
}

void DialogCity::cmdDefault_Click() {
    ckNoLocalTax.set(0);
    fillBoxes(*this, asTable(kNewYork));
}

void DialogCity::cmdClearMe_Click() {
    for (int i = 0; i < 10; ++i) {
        txtCityMinBS[i].text = txtCityMinBM[i].text = "999999";
        for (auto* column : {&txtCityAmtBS, &txtCityPerBS, &txtCityAmtBM, &txtCityPerBM,
                             &txtCitySgExp, &txtCityMarExp})
            (*column)[i].text = "0";
    }
}

void DialogCity::onNoLocalTaxChanged() {
    if (ckNoLocalTax.checked())
        cmdClearMe_Click();
    else
        fillBoxes(*this, table_);
}

// ---- DialogNonCity ----

DialogNonCity::DialogNonCity(NonCityTable& table) : table_(table) {
    for (auto* column : {&txtNonMinBi, &txtNonExpBi, &txtNonMinWk, &txtNonExpWk})
        for (TextBox& b : *column) b.numericOnly = true;
    txtNonPer.numericOnly = true;
}

void DialogNonCity::refreshFromTable() {
    for (int i = 0; i < 8; ++i) {
        txtNonMinBi[i].text = floatText(table_.NonMinBi[i]);
        txtNonExpBi[i].text = floatText(table_.NonExpBi[i]);
        txtNonMinWk[i].text = floatText(table_.NonMinWk[i]);
        txtNonExpWk[i].text = floatText(table_.NonExpWk[i]);
    }
    txtNonPer.text = floatText(table_.NonRate);
}

void DialogNonCity::fillEmptyWithDefaults() {
    const NonCityDefaults& d = kNonCityDefaults;
    for (int i = 0; i < 8; ++i) {
        fillIfEmpty(txtNonMinBi[i], d.minBi[i]);
        fillIfEmpty(txtNonExpBi[i], d.expBi[i]);
        fillIfEmpty(txtNonMinWk[i], d.minWk[i]);
        fillIfEmpty(txtNonExpWk[i], d.expWk[i]);
    }
    fillIfEmpty(txtNonPer, d.rate);
}

void DialogNonCity::fillVar() {
    NonCityTable t;
    for (int i = 0; i < 8; ++i) {
        t.NonMinBi[i] = strictFloat(txtNonMinBi[i].text, boxName("txtNonMinBi", i));
        t.NonExpBi[i] = strictFloat(txtNonExpBi[i].text, boxName("txtNonExpBi", i));
        t.NonMinWk[i] = strictFloat(txtNonMinWk[i].text, boxName("txtNonMinWk", i));
        t.NonExpWk[i] = strictFloat(txtNonExpWk[i].text, boxName("txtNonExpWk", i));
    }
    t.NonRate = strictFloat(txtNonPer.text, "txtNonPer");
    table_ = t;
}

void DialogNonCity::cmdDefault_Click() {
    const NonCityDefaults& d = kNonCityDefaults;
    for (int i = 0; i < 8; ++i) {
        txtNonMinBi[i].text = floatText(d.minBi[i]);
        txtNonExpBi[i].text = floatText(d.expBi[i]);
        txtNonMinWk[i].text = floatText(d.minWk[i]);
        txtNonExpWk[i].text = floatText(d.expWk[i]);
    }
    txtNonPer.text = floatText(d.rate);
}

}  // namespace corvella
