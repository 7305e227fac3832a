#pragma once
// City and non-resident city tax: files, screens (working copies) and computation.
#include <array>
#include <string>

#include "city/city_table.h"
#include "common/controls.h"

namespace corvella {

// <name>.cti: 21 lines. Reading fills the table in file order and throws ReadError.
void readCityFile(const std::string& bytes, const std::string& fileName, CityTable& t);
std::string writeCityFile(const CityTable& t);
// <name>.nci: 9 lines.
void readNonCityFile(const std::string& bytes, const std::string& fileName, NonCityTable& t);
std::string writeNonCityFile(const NonCityTable& t);

// "City (Local) Tax Tables" (DialogCity). Every text box has the numeric key filter.
class DialogCity {
  public:
    explicit DialogCity(CityTable& table);
    DialogCity(const DialogCity&) = delete;
    DialogCity& operator=(const DialogCity&) = delete;

    std::array<TextBox, 10> txtCityMinBS, txtCityAmtBS, txtCityPerBS;
    std::array<TextBox, 10> txtCityMinBM, txtCityAmtBM, txtCityPerBM;
    std::array<TextBox, 10> txtCitySgExp, txtCityMarExp;
    CheckBox ckNoLocalTax;

    void refreshFromTable();  // every box and ckNoLocalTax from the table
    void CheckFor();          // empty boxes get the defaults
    void fillVar();           // boxes into the table; throws ConversionError naming the box
    void cmdDefault_Click();  // "&New York"
    void cmdClearMe_Click();  // "CLEAR ALL"

  private:
    void onNoLocalTaxChanged();
    CityTable& table_;
};

// "NON City Resident" (DialogNonCity).
class DialogNonCity {
  public:
    explicit DialogNonCity(NonCityTable& table);
    std::array<TextBox, 8> txtNonMinBi, txtNonExpBi, txtNonMinWk, txtNonExpWk;
    TextBox txtNonPer;

    void refreshFromTable();
    void fillEmptyWithDefaults();
    void fillVar();  // throws ConversionError naming the box
    void cmdDefault_Click();

  private:
    NonCityTable& table_;
};

struct CityTaxInput {
    float StateWages = 0;
    std::string StateStatus;   // "Single" selects the single table
    bool biWeekly = false;     // BiWeeklyFlag -1
    bool weekly = false;       // WeeklyFlag -1
    bool nonResident = false;  // NonCityFlag 1
};

// GetCityTax: resident or non-resident. `cityAllowance` is the run's value (set at the
// allowance step; the non-resident computation replaces it); `cityTax` is 0 on entry.
void GetCityTax(const CityTable& city, const NonCityTable& nonCity, const CityTaxInput& in,
                float& cityAllowance, float& cityTax);

}  // namespace corvella
