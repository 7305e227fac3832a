#include "gui/tax_info_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string_view>

#include "gui/bound_widgets.h"

using namespace corvella;
using namespace corvella::gui;

namespace {

const QStringList kCounts = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
const QStringList kStatuses = {"Single", "Married"};

QGroupBox* listFrame(const QString& title, QWidget* list) {
    auto* g = new QGroupBox(title);
    auto* l = new QVBoxLayout(g);
    l->addWidget(list);
    return g;
}

template <size_t N>
QStringList texts(const std::string_view (&list)[N]) {
    QStringList l;
    for (std::string_view t : list) l << QString::fromUtf8(t.data(), qsizetype(t.size()));
    return l;
}

// A caption for the control under or beside it, which it names to a screen reader.
QLabel* captionFor(const QString& text, QWidget* control) {
    auto* l = new QLabel(text);
    l->setBuddy(control);
    return l;
}

// An amount box with its unit to the right.
QWidget* withUnit(QWidget* box, const QString& unit) {
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(box, 1);
    l->addWidget(new QLabel(unit));
    return w;
}

}  // namespace

TaxInfoDialog::TaxInfoDialog(Session& s, QWidget* parent)
    : ScreenWindow(
          s, &s.taxInfo(), [&s] { return static_cast<const void*>(s.loadedTaxInfo()); },
          [&s] { s.taxInfoClose(); }, parent),
      model_(&s.taxInfo()) {
    setObjectName("frmTaxInfo");
    setWindowTitle("User Info");
    FrmTaxInfo& m = *model_;
    const ModelGuard guard = this->guard();

    auto edit = [&](TextBox& box, const char* name, bool amount = false) {
        auto* e = new BoundLineEdit(box, name);
        e->setGuard(guard);
        amount = amount || box.numericOnly;
        e->setSelectAllOnFocus(amount);
        if (amount)
            e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("99999.99")) + 16);
        edits_.push_back(e);
        return e;
    };
    auto list = [&](TextBox& box, const char* name, const QStringList& items, const char* tip) {
        auto* c = new BoundComboBox(box, name, items);
        c->setGuard(guard);
        c->setToolTip(tip);
        lists_.push_back(c);
        return c;
    };
    auto check = [&](CheckBox& box, const char* name, const char* text) {
        auto* c = new BoundCheckBox(box, name, text);
        connect(c, &QCheckBox::clicked, this, [this, c] {
            if (!alive()) return;
            c->toggleModel();  // the K plan unit boxes clear each other in their handlers
            refresh();
        });
        checks_.push_back(c);
        return c;
    };

    // Filing status, federal and state.
    auto* fed = new QGroupBox("FEDERAL STATUS");
    auto* fedL = new QHBoxLayout(fed);
    fedL->addWidget(
        listFrame("Exemptions", list(m.cboDepend, "cboDepend", kCounts, "Set Exemptions")));
    fedL->addWidget(listFrame("Status", list(m.cboStatus, "cboStatus", kStatuses, "Set Status")));
    auto* st = new QGroupBox("STATE && CITY STATUS");
    auto* stL = new QHBoxLayout(st);
    stL->addWidget(
        listFrame("Exemptions", list(m.cboDepend2, "cboDepend2", kCounts, "Set Exemptions")));
    stL->addWidget(listFrame("Status", list(m.cboStatus2, "cboStatus2", kStatuses, "Set Status")));

    // The employee's Form W-4. The extra withholding of either version is "Additional
    // Federal Withholdings" below.
    auto* w4 = new QGroupBox("Form W-4");
    w4->setObjectName("fraW4");
    auto* w4L = new QGridLayout(w4);
    auto* version = list(m.cboW4Version, "cboW4Version", texts(kW4Versions),
                         "The form the employee filed.\nFor one of 2019 or earlier, its "
                         "allowances and status are FEDERAL STATUS.");
    version->setAccessibleName("Form W-4 version");
    connect(version, &QComboBox::activated, this, [this] {
        if (!alive()) return;
        model_->cboW4Version_Click();
        refresh();
    });
    auto* w4Status = list(m.cboW4Status, "cboW4Status", texts(kW4Statuses),
                          "Step 1(c) of a form of 2020 or later");
    w4Status->setAccessibleName("Form W-4 filing status");
    auto* step2 = check(m.ckW4Step2, "ckW4Step2", "Step 2: multiple jobs or spouse works");
    step2->setAccessibleName("Form W-4 Step 2: multiple jobs or spouse works");
    auto* step3 = edit(m.txtW4Step3, "txtW4Step3", true);
    step3->setAccessibleName("Form W-4 Step 3 credits, dollars a year");
    auto* step4a = edit(m.txtW4Step4a, "txtW4Step4a", true);
    step4a->setAccessibleName("Form W-4 Step 4(a) other income, dollars a year");
    auto* step4b = edit(m.txtW4Step4b, "txtW4Step4b", true);
    step4b->setAccessibleName("Form W-4 Step 4(b) deductions, dollars a year");
    w4L->addWidget(captionFor("Version", version), 0, 0);
    w4L->addWidget(version, 1, 0);
    w4L->addWidget(captionFor("Filing status", w4Status), 0, 1);
    w4L->addWidget(w4Status, 1, 1);
    w4L->addWidget(step2, 1, 2);
    w4L->addWidget(captionFor("Step 3 credits (a year)", step3), 2, 0);
    w4L->addWidget(withUnit(step3, "$"), 3, 0);
    w4L->addWidget(captionFor("Step 4(a) other income (a year)", step4a), 2, 1);
    w4L->addWidget(withUnit(step4a, "$"), 3, 1);
    w4L->addWidget(captionFor("Step 4(b) deductions (a year)", step4b), 2, 2);
    w4L->addWidget(withUnit(step4b, "$"), 3, 2);
    for (int c = 0; c < 3; ++c) w4L->setColumnStretch(c, 1);

    // The name in its parts and box 13, for the employee's Form W-2.
    auto* w2 = new QGroupBox("Form W-2");
    w2->setObjectName("fraW2");
    auto* w2L = new QGridLayout(w2);
    auto* first = edit(m.txtW2First, "txtW2First");
    auto* middle = edit(m.txtW2Middle, "txtW2Middle");
    middle->setMaximumWidth(middle->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 16);
    auto* last = edit(m.txtW2Last, "txtW2Last");
    auto* suffix = edit(m.txtW2Suffix, "txtW2Suffix");
    suffix->setMaximumWidth(suffix->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 16);
    // Names on the left, box 13 on the right: the group sits beside Form W-4 and the
    // window must still fit a small screen.
    for (auto* name : {first, last})
        name->setMaximumWidth(name->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12);
    w2L->addWidget(captionFor("First name", first), 0, 0);
    w2L->addWidget(first, 1, 0);
    w2L->addWidget(captionFor("Middle", middle), 0, 1);
    w2L->addWidget(middle, 1, 1);
    w2L->addWidget(captionFor("Last name", last), 2, 0);
    w2L->addWidget(last, 3, 0);
    w2L->addWidget(captionFor("Suffix", suffix), 2, 1);
    w2L->addWidget(suffix, 3, 1);
    // Boxes 15 and 20 below the names.
    auto* state = edit(m.txtW2State, "txtW2State");
    state->setMaximumWidth(state->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 16);
    auto* locality = edit(m.txtW2Locality, "txtW2Locality");
    locality->setMaximumWidth(locality->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12);
    w2L->addWidget(captionFor("Locality", locality), 4, 0);
    w2L->addWidget(locality, 5, 0);
    w2L->addWidget(captionFor("State", state), 4, 1);
    w2L->addWidget(state, 5, 1);
    w2L->addWidget(check(m.ckW2Statutory, "ckW2Statutory", "Statutory employee"), 0, 2, 2, 1);
    w2L->addWidget(check(m.ckW2Retirement, "ckW2Retirement", "Retirement plan"), 1, 2, 2, 1);
    w2L->addWidget(check(m.ckW2ThirdPartySick, "ckW2ThirdPartySick", "Third-party sick pay"), 2, 2,
                   2, 1);
    w2L->setColumnStretch(0, 1);

    // Pay frequency and the exemption flags.
    auto* freq = new QGroupBox;
    freq->setObjectName("fraFrequency");
    auto* freqL = new QVBoxLayout(freq);
    optWeek_ = new QRadioButton("Weekly");
    optWeek_->setObjectName("optWeek");
    optBiWeek_ = new QRadioButton("Bi-Weekly");
    optBiWeek_->setObjectName("optBiWeek");
    freqL->addWidget(optWeek_);
    freqL->addWidget(optBiWeek_);
    freqL->addStretch();
    connect(optWeek_, &QRadioButton::clicked, this, [this] {
        if (!alive()) return;
        model_->optWeek.value = -1;
        model_->optBiWeek.value = 0;
        refresh();
    });
    connect(optBiWeek_, &QRadioButton::clicked, this, [this] {
        if (!alive()) return;
        model_->optWeek.value = 0;
        model_->optBiWeek.value = -1;
        refresh();
    });
    auto* flags = new QGroupBox;
    flags->setObjectName("fraExempt");
    auto* flagsL = new QGridLayout(flags);
    flagsL->addWidget(check(m.ckSelfEmp, "ckSelfEmp", "Self Employed"), 0, 0);
    flagsL->addWidget(check(m.ckFedExemp, "ckFedExemp", "Federal Tax Exempt"), 1, 0);
    flagsL->addWidget(check(m.ckNonCity, "ckNonCity", "NON-CITY Resident"), 0, 1);
    flagsL->addWidget(check(m.ckSSMediExemp, "ckSSMediExemp", "Soc. Sec.  Medicare Tax Exempt"), 1,
                      1);

    // The employee as the check names it.
    auto* who = new QGroupBox;
    who->setObjectName("fraEmployee");
    auto* whoL = new QGridLayout(who);
    auto* name = edit(m.txtName, "txtName");
    name->setPlaceholderText("Employee's Name");
    auto* addr = edit(m.txtAddress, "txtAddress");
    addr->setPlaceholderText("Employee's Address for Check");
    auto* city = edit(m.txtStateCityZip, "txtStateCityZip");
    city->setPlaceholderText("City, State Zip Code");
    auto* ssn = edit(m.txtSSnum, "txtSSnum");
    ssn->setPlaceholderText("Soc Sec #");
    whoL->addWidget(name, 0, 0);
    whoL->addWidget(ssn, 0, 1);
    whoL->addWidget(addr, 1, 0, 1, 2);
    whoL->addWidget(city, 2, 0, 1, 2);
    whoL->setColumnStretch(0, 3);
    whoL->setColumnStretch(1, 1);

    // The standing deductions: a name box over an amount box, K plan with its units.
    auto* ded = new QGroupBox;
    ded->setObjectName("fraDeductions");
    auto* dedL = new QGridLayout(ded);
    int col = 0;
    auto cell = [&](QWidget* top, QWidget* bottom) {
        dedL->addWidget(top, 0, col);
        dedL->addWidget(bottom, 1, col);
        dedL->setColumnStretch(col, 1);
        ++col;
    };
    cell(edit(m.txtTax8, "txtTax8"), withUnit(edit(m.txtPension, "txtPension"), "%"));
    {
        auto* kplan = new QLabel("K Plan");
        kplan->setAlignment(Qt::AlignCenter);
        auto* w = new QWidget;
        auto* l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(edit(m.txtKplan, "txtKplan"), 1);
        l->addWidget(check(m.ckKpFix, "ckKpFix", "$"));
        l->addWidget(check(m.ckKpPer, "ckKpPer", "%"));
        cell(kplan, w);
    }
    cell(edit(m.txtTax7, "txtTax7"), withUnit(edit(m.txtDues, "txtDues"), "$"));
    cell(edit(m.txtTax6, "txtTax6"), withUnit(edit(m.txtBond, "txtBond"), "$"));
    cell(edit(m.txtTax9, "txtTax9"), withUnit(edit(m.txtMisc, "txtMisc"), "$"));
    cell(edit(m.txtTax5, "txtTax5"), withUnit(edit(m.txtMuni, "txtMuni"), "$"));

    // Cafeteria plan, rates and the additional federal withholding.
    auto* pay = new QGroupBox;
    pay->setObjectName("fraRates");
    auto* payL = new QGridLayout(pay);
    // Captions on one line: a wrapped one asks for its height only once the width is
    // known, and the dialog, sized before that, squeezed the lists at the top to make room.
    auto captioned = [&](int c, const char* caption, QWidget* w) {
        auto* cap = new QLabel(caption);
        payL->addWidget(cap, 0, c);
        payL->addWidget(w, 1, c);
        payL->setColumnStretch(c, 1);
    };
    {
        auto* w = new QWidget;
        auto* l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(edit(m.txtCafe, "txtCafe"), 1);
        l->addWidget(check(m.ckCafeState, "ckCafeState", "Deduct State"));
        captioned(0, "Cafeteria Plan", w);
    }
    captioned(1, "Hourly Rate 1", withUnit(edit(m.txtHourRate, "txtHourRate"), "$"));
    captioned(2, "Hourly Rate 2", withUnit(edit(m.txtHourRate2, "txtHourRate2"), "$"));
    captioned(3, "Tips Rate", withUnit(edit(m.txtTipsRate, "txtTipsRate"), "$"));
    captioned(4, "Additional Federal Withholdings", edit(m.txtFedAddL, "txtFedAddL"));
    payL->setAlignment(Qt::AlignBottom);

    auto* cmdOk = new QPushButton("Save");
    cmdOk->setObjectName("cmdOk");
    cmdOk->setDefault(true);
    auto* command1 = new QPushButton("Close");
    command1->setObjectName("Command1");
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    auto* top = new QGridLayout;
    top->addWidget(fed, 0, 0);
    top->addWidget(st, 0, 1);
    top->addWidget(freq, 1, 0);
    top->addWidget(flags, 1, 1);
    // The folder's setting, not the employee's: beside the buttons, apart from the profile.
    auto* taxYear = list(m.cboTaxYear, "cboTaxYear", texts(kTaxYearChoices),
                         "The working folder's setting, for every employee:\n"
                         "\"2015\" computes 2015 payroll whatever the date;\n"
                         "\"By the week-ending date\" uses the figures of that date's year.");
    taxYear->setAccessibleName("Tax year of the working folder");
    auto* taxYearCaption = captionFor("Tax year", taxYear);
    taxYearCaption->setToolTip(taxYear->toolTip());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(taxYearCaption);
    buttons->addWidget(taxYear);
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(command1);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    auto* forms = new QHBoxLayout;
    forms->addWidget(w4, 3);
    forms->addWidget(w2, 2);
    root->addLayout(forms);
    root->addWidget(who);
    root->addWidget(ded);
    root->addWidget(pay);
    root->addLayout(buttons);

    refresh();
}

void TaxInfoDialog::refresh() {
    for (auto* e : edits_) e->pull();
    for (auto* c : lists_) c->pull();
    for (auto* c : checks_) c->pull();
    optWeek_->setChecked(model_->optWeek.selected());
    optBiWeek_->setChecked(model_->optBiWeek.selected());
    optWeek_->setVisible(model_->optWeek.visible);
    optBiWeek_->setVisible(model_->optBiWeek.visible);
}

void TaxInfoDialog::pushAll() {
    for (auto* e : edits_) e->push();
    for (auto* c : lists_) c->push();
}

void TaxInfoDialog::cmdOk_Click() {
    if (!alive()) return;
    pushAll();
    const bool saved = session_.taxInfoSave();  // a refusal has shown its message
    if (!saved) {
        if (alive()) refresh();
        return;
    }
    finish();
}

void TaxInfoDialog::Command1_Click() {
    close();
}
