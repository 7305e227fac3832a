#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

#include "engine/main_window.h"
#include "gui/about_dialog.h"
#include "gui/bound_widgets.h"
#include "gui/city_dialog.h"
#include "gui/company_dialog.h"
#include "gui/date_picker.h"
#include "gui/employee_list_panel.h"
#include "gui/form941_window.h"
#include "gui/header_dialog.h"
#include "gui/help_window.h"
#include "gui/icons.h"
#include "gui/leave_window.h"
#include "gui/ledger_frame.h"
#include "gui/noncity_dialog.h"
#include "gui/overtime_window.h"
#include "gui/payroll_run_window.h"
#include "gui/state_dialog.h"
#include "gui/tax_info_dialog.h"
#include "gui/w2_window.h"
#include "shell/messages.h"

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

QLabel* label(const QString& text, const QString& name, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

// A value caption: right-aligned so that the amounts line up on the decimal point.
QLabel* valueLabel(const QString& name, QWidget* parent, int minWidth = 96) {
    auto* l = label(QString(), name, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(minWidth);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    l->setPalette(pal);
    l->setContentsMargins(4, 1, 4, 1);
    return l;
}

void setText(QLabel* l, const std::string& text) {
    const QString t = q(text);
    if (l->text() != t) l->setText(t);
}

// A deduction name longer than its column shows its start and "…", the whole name in
// its tooltip, so that a long name never widens the window.
void setCaption(QLabel* l, const std::string& text) {
    const QString full = q(text);
    const QString shown = l->fontMetrics().elidedText(full, Qt::ElideRight, l->maximumWidth());
    if (l->text() != shown) l->setText(shown);
    const QString tip = shown == full ? QString() : full;
    if (l->toolTip() != tip) l->setToolTip(tip);
}

const char* const kHoursTips[8] = {"Pay rate 1",        "Pay rate 2",       "", "", "", "",
                                   "Use Dollar amount", "Use Dollar amount"};

}  // namespace

Form1::Form1(corvella::Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    setObjectName(QStringLiteral("Form1"));

    // The content keeps a readable width on wide screens and sits at the top.
    auto* content = new QWidget;
    content->setMaximumWidth(1400);
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(12, 8, 12, 12);
    outer->setSpacing(10);
    outer->addWidget(buildHeader());

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);

    auto* left = new QVBoxLayout;
    left->addWidget(buildHours());
    ckLouisPrior_ = new QCheckBox(QStringLiteral("Louisiana- Prior to July 1"), content);
    ckLouisPrior_->setObjectName(QStringLiteral("ckLouisPrior"));
    ckLouisPrior_->setToolTip(QStringLiteral("Check if calculating prior to April 1st 2005"));
    connect(ckLouisPrior_, &QCheckBox::toggled, this,
            [this](bool on) { session_.main.ckLouisPrior.set(on ? 1 : 0); });
    auto* louisiana = new QHBoxLayout;
    louisiana->setContentsMargins(12, 0, 0, 0);  // in line with the frames' contents
    louisiana->addWidget(ckLouisPrior_);
    left->addLayout(louisiana);
    left->addWidget(buildOvertimeTips(), 1);
    columns->addLayout(left, 5);

    auto* middle = new QVBoxLayout;
    middle->addWidget(buildTaxes(), 1);
    columns->addLayout(middle, 4);

    auto* right = new QVBoxLayout;
    right->addWidget(buildResults());
    right->addWidget(buildButtons());
    columns->addLayout(right, 4);
    outer->addLayout(columns);

    auto* central = new QWidget(this);
    auto* centring = new QHBoxLayout(central);
    centring->setContentsMargins(0, 0, 0, 0);
    centring->addStretch(0);
    centring->addWidget(content, 1, Qt::AlignTop);
    centring->addStretch(0);
    setCentralWidget(central);
    buildMenus();

    // Value captions keep their height when empty, so that nothing moves after a run.
    for (QLabel* l : findChildren<QLabel*>()) {
        if (l->frameShape() != QFrame::StyledPanel) continue;
        l->setText(QStringLiteral("0"));
        l->setMinimumHeight(l->sizeHint().height());
        l->clear();
    }
    QWidget::setTabOrder(txtAmount_[7], opt1x_);

    // The employees of the working folder, under the window (it may be moved or closed).
    auto* dock = new QDockWidget(QStringLiteral("Employees"), this);
    dock->setObjectName(QStringLiteral("dockEmployees"));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                      QDockWidget::DockWidgetClosable);
    employees_ = new corvella::gui::EmployeeListPanel(session_, dock);
    dock->setWidget(employees_);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    connect(employees_, &corvella::gui::EmployeeListPanel::openRequested, this, &Form1::openListed);
    // Roomy where the screen allows, never past its edge (a frame's width kept free).
    QSize opening = sizeHint().expandedTo(QSize(1040, 600));
    if (const QScreen* sc = screen())
        opening = opening.boundedTo(sc->availableGeometry().size() - QSize(16, 72));
    resize(opening.expandedTo(minimumSizeHint()));

    QPointer<Form1> self(this);
    session_.onChange([self] {
        if (self) self->refreshFromModel();
    });
    session_.Form_Load();
    refreshFromModel();
    txtAmount_[0]->setFocus();
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // What can wait until the window is on the screen: the program's icon (a search of the
    // desktop theme) and the employee list (it reads every employee of the folder).
    QTimer::singleShot(0, this, [this] {
        setWindowIcon(programIcon());
        logo_->setPixmap(programIcon().pixmap(48, 48));
        employees_->reload();
    });
}

// ------------------------------------------------------------------ building

QWidget* Form1::buildHeader() {
    auto* header = new QFrame(this);
    header->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(10, 6, 10, 6);
    grid->setHorizontalSpacing(12);

    auto* logo = new QLabel(header);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(48, 48);  // its picture comes once the window is shown
    logo_ = logo;
    grid->addWidget(logo, 0, 0, 2, 1);

    lbUser_ = label(QStringLiteral("USER"), QStringLiteral("lbUser"), header);
    QFont big = lbUser_->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    lbUser_->setFont(big);
    lbUser_->setMinimumWidth(220);
    grid->addWidget(lbUser_, 0, 1, 2, 1);

    grid->addWidget(label(QStringLiteral("WEEK ENDING:"), QStringLiteral("lbWeekEnding"), header),
                    0, 2);
    txtWeek_ = new QLineEdit(header);
    txtWeek_->setObjectName(QStringLiteral("txtWeek"));
    txtWeek_->setToolTip(QStringLiteral("Click for Date change"));
    txtWeek_->setReadOnly(true);
    txtWeek_->setMaxLength(10);
    txtWeek_->setFixedWidth(110);
    txtWeek_->setFocusPolicy(Qt::ClickFocus);
    txtWeek_->installEventFilter(this);
    grid->addWidget(txtWeek_, 1, 2);

    grid->setColumnStretch(3, 1);
    auto* fedTable =
        label(QStringLiteral("Federal Table: Cir E - Pub15"), QStringLiteral("lbFedTable"), header);
    fedTable->setToolTip(QStringLiteral("Latest Fed tax rate"));
    grid->addWidget(fedTable, 0, 4, Qt::AlignRight);
    lbTaxVer_ = label(QString(), QStringLiteral("lbTaxVer"), header);
    grid->addWidget(lbTaxVer_, 1, 4, Qt::AlignRight);
    lbTaxYear_ = label(QString(), QStringLiteral("lbTaxYear"), header);
    lbTaxYear_->setToolTip(QStringLiteral("The year whose federal figures the pay runs use"));
    grid->addWidget(lbTaxYear_, 1, 3, Qt::AlignRight);
    lbTableNotice_ = label(QString(), QStringLiteral("lbTableNotice"), header);
    QFont bold = lbTableNotice_->font();
    bold.setBold(true);
    lbTableNotice_->setFont(bold);
    grid->addWidget(lbTableNotice_, 0, 5, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    return header;
}

QGroupBox* Form1::buildHours() {
    auto* frame = new QGroupBox(QStringLiteral("Hours"), this);
    frame->setObjectName(QStringLiteral("frameHours"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(10);
    for (int i = 0; i < 8; ++i) {
        auto* caption =
            label(QString::fromLatin1(corvella::amountBoxCaption(i)), indexed("lbHours", i), frame);
        if (*kHoursTips[i]) caption->setToolTip(QString::fromLatin1(kHoursTips[i]));
        // The box and its key filter are the model's, like every other box.
        auto* box = new corvella::gui::BoundLineEdit(session_.main.txtAmount[i],
                                                     indexed("txtAmount", i), frame);
        box->setToolTip(QStringLiteral("Enter"));
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(110);
        box->setSelectAllOnFocus(true);
        caption->setBuddy(box);
        box->installEventFilter(this);
        txtAmount_[i] = box;
        grid->addWidget(caption, i, 0);
        grid->addWidget(box, i, 2);
    }
    // "(1X)" and "(2X)" beside the "O.T." box.
    auto* options = new QHBoxLayout;
    opt1x_ = new QRadioButton(QStringLiteral("(1X)"), frame);
    opt1x_->setObjectName(QStringLiteral("opt1x"));
    opt2x_ = new QRadioButton(QStringLiteral("(2X)"), frame);
    opt2x_->setObjectName(QStringLiteral("opt2x"));
    options->addWidget(opt1x_);
    options->addWidget(opt2x_);
    grid->addLayout(options, 2, 1);
    auto storeOptions = [this] {
        session_.main.opt1x.value = opt1x_->isChecked() ? -1 : 0;
        session_.main.opt2x.value = opt2x_->isChecked() ? -1 : 0;
    };
    connect(opt1x_, &QRadioButton::toggled, this, storeOptions);
    connect(opt2x_, &QRadioButton::toggled, this, storeOptions);
    grid->setColumnStretch(0, 1);
    return frame;
}

QGroupBox* Form1::buildOvertimeTips() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("frameOverTimeTips"));
    auto* grid = new QGridLayout(frame);
    lbTaxTag_[11] = label(QStringLiteral("OverTime"), indexed("lbTaxTag", 11), frame);
    lbOverT_ = valueLabel(QStringLiteral("lbOverT"), frame, 110);
    lbTaxTag_[17] = label(QStringLiteral("Tips"), indexed("lbTaxTag", 17), frame);
    lbTips_ = valueLabel(QStringLiteral("lbTips"), frame, 110);
    grid->addWidget(lbTaxTag_[11], 0, 0);
    grid->addWidget(lbOverT_, 0, 1);
    grid->addWidget(lbTaxTag_[17], 1, 0);
    grid->addWidget(lbTips_, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(2, 1);
    return frame;
}

QGroupBox* Form1::buildTaxes() {
    auto* frame = new QGroupBox(QStringLiteral("Taxes/Deductions"), this);
    frame->setObjectName(QStringLiteral("frameTaxes"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(6);
    int row = 0;
    for (int i = 0; i < 11; ++i, ++row) {
        lbTaxTag_[i] = label(QString(), indexed("lbTaxTag", i), frame);
        // Room for a name of about twenty-four characters; longer ones are cut short.
        lbTaxTag_[i]->setMaximumWidth(lbTaxTag_[i]->fontMetrics().horizontalAdvance(
                                          QStringLiteral("Additional Withholding")) +
                                      8);
        lbTaxDed_[i] = valueLabel(indexed("lbTaxDed", i), frame);
        grid->addWidget(lbTaxTag_[i], row, 0);
        grid->addWidget(lbTaxDed_[i], row, 1);
    }
    const std::pair<int, QLabel**> rest[] = {{14, &lbSDI_}, {15, &lbSUI_}, {16, &lbCafe_}};
    const char* names[] = {"lbSDI", "lbSUI", "lbCafe"};
    for (int k = 0; k < 3; ++k, ++row) {
        auto [tag, value] = rest[k];
        lbTaxTag_[tag] = label(QString(), indexed("lbTaxTag", tag), frame);
        *value = valueLabel(QString::fromLatin1(names[k]), frame);
        grid->addWidget(lbTaxTag_[tag], row, 0);
        grid->addWidget(*value, row, 1);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    return frame;
}

QGroupBox* Form1::buildResults() {
    auto* frame = new QGroupBox(QStringLiteral("Results"), this);
    frame->setObjectName(QStringLiteral("frameResults"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(12);
    lbTaxTag_[12] = label(QStringLiteral("GROSS PAY"), indexed("lbTaxTag", 12), frame);
    lbTaxTag_[13] = label(QStringLiteral("NET PAY"), indexed("lbTaxTag", 13), frame);
    Label13_ = valueLabel(QStringLiteral("Label13"), frame, 130);
    lbTaxes_ = valueLabel(QStringLiteral("lbTaxes"), frame, 130);
    lbDeduct_ = valueLabel(QStringLiteral("lbDeduct"), frame, 130);
    lbNet_ = valueLabel(QStringLiteral("lbNet"), frame, 130);
    QFont strong = lbNet_->font();
    strong.setBold(true);
    strong.setPointSizeF(strong.pointSizeF() * 1.2);
    for (QLabel* l : {Label13_, lbTaxes_, lbDeduct_, lbNet_}) l->setFont(strong);
    const std::pair<QWidget*, QLabel*> rows[] = {
        {lbTaxTag_[12], Label13_},
        {label(QStringLiteral("TAXES"), QStringLiteral("lbTaxesTag"), frame), lbTaxes_},
        {label(QStringLiteral("DEDUCTIONS"), QStringLiteral("lbDeductTag"), frame), lbDeduct_},
        {lbTaxTag_[13], lbNet_}};
    int row = 0;
    for (auto [tag, value] : rows) {
        grid->addWidget(tag, row, 0);
        grid->addWidget(value, row++, 1);
    }
    grid->setColumnStretch(0, 1);
    return frame;
}

QWidget* Form1::buildButtons() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    auto pictureButton = [](const char* name, const char* tip, Glyph g, QWidget* parent) {
        auto* b = new QToolButton(parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromLatin1(tip));
        b->setAccessibleName(QString::fromLatin1(tip));
        b->setIcon(buttonIcon(g));
        b->setIconSize(QSize(40, 40));
        b->setMinimumSize(56, 56);
        b->setAutoRaise(false);
        return b;
    };

    // Year to date, overtime, leave balances and the pay stub.
    auto* pictures = new QGroupBox(box);
    pictures->setObjectName(QStringLiteral("framePictures"));
    auto* row = new QHBoxLayout(pictures);
    QToolButton* year = pictureButton("cmdYear", "Year to Date", Glyph::YearToDate, pictures);
    connect(year, &QToolButton::clicked, this, &Form1::mnuYear_Click);
    row->addWidget(year);
    const std::tuple<const char*, const char*, Glyph, void (Form1::*)()> tools[] = {
        {"cmdOT", "OverTime", Glyph::Overtime, &Form1::mnuOtItem_Click},
        {"Command1", "Vacation", Glyph::Vacation, &Form1::mnuVac_Click}};
    for (auto [name, tip, glyph, slot] : tools) {
        QToolButton* b = pictureButton(name, tip, glyph, pictures);
        connect(b, &QToolButton::clicked, this, slot);
        row->addWidget(b);
    }
    QToolButton* print = pictureButton("cmdPrint", "Print", Glyph::Print, pictures);
    connect(print, &QToolButton::clicked, this, &Form1::cmdPrint_Click);
    row->addWidget(print);
    layout->addWidget(pictures);

    auto* clearAdd = new QGroupBox(QStringLiteral("    CLEAR               ADD"), box);
    clearAdd->setObjectName(QStringLiteral("frameClearAdd"));
    auto* pair = new QHBoxLayout(clearAdd);
    QToolButton* clear = pictureButton("cmdClear", "Clear", Glyph::Clear, clearAdd);
    QToolButton* add = pictureButton("cmdCal", "Results", Glyph::Add, clearAdd);
    for (QToolButton* b : {clear, add}) {
        b->setIconSize(QSize(48, 48));
        b->setMinimumSize(72, 64);
    }
    connect(clear, &QToolButton::clicked, this, &Form1::cmdClear_Click);
    connect(add, &QToolButton::clicked, this, &Form1::cmdCal_Click);
    // Each button under its word of the frame's title.
    const QFontMetrics fm(clearAdd->font());
    const QString title = clearAdd->title();
    const int clearCentre =
        fm.horizontalAdvance(title.left(title.indexOf(QLatin1String("CLEAR")))) +
        fm.horizontalAdvance(QStringLiteral("CLEAR")) / 2;
    const int addCentre = fm.horizontalAdvance(title.left(title.indexOf(QLatin1String("ADD")))) +
                          fm.horizontalAdvance(QStringLiteral("ADD")) / 2;
    const int width = clear->minimumWidth();
    pair->setContentsMargins(0, pair->contentsMargins().top(), 0, pair->contentsMargins().bottom());
    pair->setSpacing(0);
    pair->addSpacing(std::max(0, clearCentre - width / 2));
    pair->addWidget(clear);
    pair->addSpacing(std::max(8, addCentre - clearCentre - width));
    pair->addWidget(add);
    pair->addStretch();
    layout->addWidget(clearAdd);

    auto* savePrev = new QPushButton(QStringLiteral("Save This Pay Period"), box);
    savePrev->setObjectName(QStringLiteral("cmdSavePrev"));
    connect(savePrev, &QPushButton::clicked, this, &Form1::cmdSavePrev_Click);
    auto* period = new QPushButton(QStringLiteral("Get Pay Period"), box);
    period->setObjectName(QStringLiteral("cmdPeriod"));
    connect(period, &QPushButton::clicked, this, &Form1::cmdPeriod_Click);
    layout->addWidget(savePrev);
    layout->addWidget(period);
    layout->addStretch();
    return box;
}

QAction* Form1::addAction(QMenu* menu, const char* name, const char* text, const char* shortcut,
                          void (Form1::*slot)()) {
    auto* a = menu->addAction(QString::fromLatin1(text));
    a->setObjectName(QString::fromLatin1(name));
    if (*shortcut) {
        a->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        menuShortcuts_ << a->shortcut();
    }
    if (slot) connect(a, &QAction::triggered, this, slot);
    return a;
}

QAction* Form1::addLaterAction(QMenu* menu, const char* name, const char* text,
                               const char* shortcut) {
    QAction* a = addAction(menu, name, text, shortcut, nullptr);
    a->setEnabled(false);
    return a;
}

void Form1::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addAction(file, "mnuNew", "&New", "Ctrl+N", &Form1::mnuNew_Click);
    addAction(file, "mnuOpen", "&Open", "Ctrl+O", &Form1::mnuOpen_Click);
    addAction(file, "mnuSave", "&Save", "Ctrl+S", &Form1::mnuSave_Click);
    QAction* restore = addAction(file, "mnuRestoreBackup", "", "", nullptr);
    restore->setText(QString::fromUtf8("&Restore from Backup…"));
    connect(restore, &QAction::triggered, this, [this] {
        storeInputs();
        session_.mnuRestoreBackup_Click();
        refreshFromModel();
        closeStaleSettingsWindows(true);
    });
    file->addSeparator();
    addAction(file, "mnuChecks", "C&hecks", "Ctrl+H", &Form1::mnuChecks_Click);
    file->addSeparator();
    addAction(file, "mnuPrintSheetItem", "Print Sheet", "", &Form1::cmdPrint_Click);
    addAction(file, "mnuPrintItem", "&Print Image", "Ctrl+P", &Form1::mnuPrintImage_Click);
    file->addSeparator();
    addAction(file, "mnuClearIitem", "&Clear", "Ctrl+C", &Form1::cmdClear_Click);
    addAction(file, "mnuExitItem", "E&xit", "Ctrl+X", &Form1::mnuExit_Click);

    QMenu* forms = menuBar()->addMenu(QStringLiteral("Forms"));
    forms->setObjectName(QStringLiteral("mnuForms"));
    addAction(forms, "mnuVac", "&Vacation", "Ctrl+V", &Form1::mnuVac_Click);
    addAction(forms, "mnuOtItem", "OT %", "", &Form1::mnuOtItem_Click);
    addAction(forms, "mnuYear", "&Year to Date", "Ctrl+Y", &Form1::mnuYear_Click);
    addAction(forms, "mnuPayrollRun", "&Payroll Run", "", &Form1::mnuPayrollRun_Click);
    forms->addSeparator();
    addAction(forms, "mnuW2", "&W-2 and W-3", "", &Form1::mnuW2_Click);
    addAction(forms, "mnu941", "Form &941", "", &Form1::mnu941_Click);

    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    addAction(options, "mnuHeader", "H&eader", "Ctrl+E", &Form1::mnuHeader_Click);
    addAction(options, "mnuCompany", "C&ompany", "", &Form1::mnuCompany_Click);
    options->addSeparator();
    addAction(options, "mnuTaxInfoItem", "&User Info", "Ctrl+U", &Form1::mnuTaxInfo_Click);
    options->addSeparator();
    addAction(options, "mnuState", "S&tate Tax", "Ctrl+T", &Form1::mnuState_Click);
    addAction(options, "mnuCity", "C&ity Tax", "Ctrl+I", &Form1::mnuCity_Click);
    addAction(options, "mnuNonCity", "Non City Tax", "", &Form1::mnuNonCity_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addAction(help, "mnuHelpItem", "He&lp", "Ctrl+L", &Form1::mnuHelp_Click);
    help->addSeparator();
    addAction(help, "mnuAboutItem", "&About", "Ctrl+A", &Form1::mnuAbout_Click);
}

// ------------------------------------------------------------------ model <-> widgets

void Form1::refreshFromModel() {
    const corvella::MainWindow& m = session_.main;
    setWindowTitle(q(m.caption));
    // The label's design caption shows until an employee is named.
    setText(lbUser_,
            m.lbUser.caption.empty() && session_.CurrentUser.empty() ? "USER" : m.lbUser.caption);
    txtWeek_->setText(q(m.txtWeek.text));
    setText(lbTaxVer_, m.lbTaxVer.caption);
    setText(lbTaxYear_, m.lbTaxYear.caption);
    setText(lbTableNotice_, m.lbTableNotice.caption);
    for (auto* box : txtAmount_) box->pull();
    {
        const QSignalBlocker b1(opt1x_), b2(opt2x_);
        opt1x_->setChecked(m.opt1x.selected());
        opt2x_->setChecked(m.opt2x.selected());
    }
    {
        const QSignalBlocker b(ckLouisPrior_);
        ckLouisPrior_->setChecked(m.ckLouisPrior.checked());
    }
    ckLouisPrior_->setVisible(m.ckLouisPrior.visible);
    for (int i = 0; i < 18; ++i)
        if (lbTaxTag_[i]) setCaption(lbTaxTag_[i], m.lbTaxTag[i].caption);
    for (int i = 0; i < 11; ++i) setText(lbTaxDed_[i], m.lbTaxDed[i].caption);
    const std::pair<QLabel*, const corvella::Label*> values[] = {
        {lbSDI_, &m.lbSDI},     {lbSUI_, &m.lbSUI},     {lbCafe_, &m.lbCafe},
        {Label13_, &m.Label13}, {lbTaxes_, &m.lbTaxes}, {lbDeduct_, &m.lbDeduct},
        {lbNet_, &m.lbNet},     {lbOverT_, &m.lbOverT}, {lbTips_, &m.lbTips}};
    for (auto [widget, model] : values) setText(widget, model->caption);
}

void Form1::storeInputs() {
    for (auto* box : txtAmount_) box->push();
    session_.main.opt1x.value = opt1x_->isChecked() ? -1 : 0;
    session_.main.opt2x.value = opt2x_->isChecked() ? -1 : 0;
    session_.main.ckLouisPrior.set(ckLouisPrior_->isChecked() ? 1 : 0);
}

// Entry boxes: Enter and Down go to the next box (Enter wraps from 7 to 0), Up to the
// previous one. The menu's Ctrl shortcuts win over the boxes' keys, the editing keys
// aside.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == txtWeek_ && type == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // After the click is done: the picker is modal.
        QMetaObject::invokeMethod(this, &Form1::txtWeek_Click, Qt::QueuedConnection);
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    // In an entry box Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+V select all, copy, cut and paste
    // (through the box's key filter), although the same keys run a menu command elsewhere.
    for (const auto editing :
         {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste})
        if (key->matches(editing)) return QMainWindow::eventFilter(watched, event);
    if (key->modifiers() & Qt::ControlModifier) {
        for (const QKeySequence& s : menuShortcuts_) {
            if (s.matches(pressed) == QKeySequence::ExactMatch) {
                // Not taken by the box: the menu's shortcut runs (or, when its command
                // is disabled, nothing happens).
                event->ignore();
                return true;
            }
        }
    }
    if (type != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    const int index = static_cast<int>(std::find(txtAmount_.begin(), txtAmount_.end(), watched) -
                                       txtAmount_.begin());
    if (index >= 8) return QMainWindow::eventFilter(watched, event);
    int next = -1;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            next = (index + 1) % 8;
            break;
        case Qt::Key_Down:
            next = index < 7 ? index + 1 : index;
            break;
        case Qt::Key_Up:
            next = index > 0 ? index - 1 : index;
            break;
        default:
            return QMainWindow::eventFilter(watched, event);
    }
    if (next != index) txtAmount_[next]->setFocus(Qt::TabFocusReason);
    return true;
}

// ------------------------------------------------------------------ commands

void Form1::cmdCal_Click() {
    storeInputs();
    // The run reads the settings windows' screens as they stand, then discards them.
    const bool ran = session_.Calcu_late() != corvella::Session::RunOutcome::Refused;
    refreshFromModel();
    closeStaleSettingsWindows(ran);
    // Ready for the next period: what is typed replaces box 0, focused already or not.
    txtAmount_[0]->setFocus();
    txtAmount_[0]->selectAll();
}

void Form1::cmdClear_Click() {
    session_.Clear_All();
    refreshFromModel();
}

void Form1::mnuNew_Click() {
    storeInputs();
    const std::string before = session_.main.caption;
    session_.mnuNew_Click();
    refreshFromModel();
    if (session_.programEnded) return endProgram();
    closeStaleSettingsWindows(session_.main.caption != before);
    txtAmount_[0]->setFocus();
}

void Form1::mnuOpen_Click() {
    storeInputs();
    if (session_.mnuOpen_Click()) QDir::setCurrent(QString::fromStdString(session_.dir.string()));
    refreshFromModel();
    if (session_.programEnded) return endProgram();
    closeStaleSettingsWindows(true);  // the save window came first and discarded them
    txtAmount_[0]->setFocus();
}

void Form1::openListed(const QString& name) {
    storeInputs();
    if (session_.openListed(name.toStdString()))
        QDir::setCurrent(QString::fromStdString(session_.dir.string()));
    refreshFromModel();
    if (session_.programEnded) return endProgram();
    closeStaleSettingsWindows(true);  // the save window came first and discarded them
    employees_->reload();
    txtAmount_[0]->setFocus();
}

void Form1::mnuSave_Click() {
    storeInputs();
    session_.mnuSave_Click();
    refreshFromModel();
    if (session_.programEnded) return endProgram();
    closeStaleSettingsWindows(true);
}

void Form1::mnuExit_Click() {
    close();  // the close box's question and save window
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!ending_) {
        storeInputs();
        if (!session_.mnuExit_Click()) {  // cancelled: the program goes on
            event->ignore();
            return;
        }
    }
    ending_ = true;
    event->accept();
    emit programEnded();
}

void Form1::endProgram() {
    ending_ = true;
    close();
}

// A settings window whose screen the session has discarded shows stale values: close
// it. Its close does not cancel anything then, the screen being gone.
void Form1::closeStaleSettingsWindows(bool cityScreensGone) {
    if (stateWindow_ && session_.loadedStateScreen() != stateModel_) stateWindow_->close();
    if (cityScreensGone) {
        if (cityWindow_) cityWindow_->close();
        if (nonCityWindow_) nonCityWindow_->close();
    }
}

template <class Dialog>
void Form1::showSettingsWindow(QPointer<QDialog>& slot) {
    if (slot) {
        slot->raise();
        slot->activateWindow();
        return;
    }
    auto* dialog = new Dialog(session_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    slot = dialog;
    dialog->show();
}

void Form1::mnuHeader_Click() {
    auto* dialog = new HeaderDialog(session_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
    refreshFromModel();
}

void Form1::mnuCompany_Click() {
    auto* dialog = new CompanyDialog(session_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
}

void Form1::mnuTaxInfo_Click() {
    storeInputs();
    auto* dialog = new TaxInfoDialog(session_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
    refreshFromModel();
}

void Form1::mnuState_Click() {
    const bool wasOpen = stateWindow_;
    showSettingsWindow<StateDialog>(stateWindow_);
    if (!wasOpen && session_.stateScreenLoaded()) stateModel_ = &session_.stateScreen();
}

void Form1::mnuCity_Click() {
    showSettingsWindow<CityDialog>(cityWindow_);
}

void Form1::mnuNonCity_Click() {
    showSettingsWindow<NonCityDialog>(nonCityWindow_);
}

void Form1::mnuYear_Click() {
    storeInputs();
    // Every opening rebuilds the ledger from the file; a frame still open goes.
    auto* frame = new LedgerFrame(session_, this);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    ledgerWindow_ = frame;
    frame->show();
    frame->raise();
    frame->activateWindow();
}

void Form1::mnuHelp_Click() {
    if (!helpWindow_) {
        auto* help = new HelpWindow(session_.dir, this);
        help->setAttribute(Qt::WA_DeleteOnClose);
        helpWindow_ = help;
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void Form1::mnuAbout_Click() {
    AboutDialog about(this);
    about.exec();
}

// ------------------------------------------------------------------ overtime, leave, pay periods

void Form1::mnuOtItem_Click() {
    storeInputs();
    showSettingsWindow<OvertimeWindow>(overtimeWindow_);
}

void Form1::mnuVac_Click() {
    showSettingsWindow<LeaveWindow>(leaveWindow_);
}

// The run works in sessions of its own and leaves this one as it is: when it posts the
// employee open here, the next save here asks before it writes over the run's files.
void Form1::mnuPayrollRun_Click() {
    if (payrollRunWindow_) {
        payrollRunWindow_->raise();
        payrollRunWindow_->activateWindow();
        return;
    }
    auto* window = new corvella::gui::PayrollRunWindow(session_, employees_->filterText(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    payrollRunWindow_ = window;
    window->show();
    window->raise();
    window->activateWindow();
}

namespace {

// A worksheet window opened once: shown again, or made and shown. One closed is gone,
// though its deletion may still wait for the event loop.
template <class Window>
void showWorksheetWindow(QPointer<QDialog>& slot, corvella::Session& s, QWidget* parent) {
    if (slot && !slot->isVisible()) slot = nullptr;
    if (!slot) {
        auto* window = new Window(s, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
        slot = window;
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
}

}  // namespace

void Form1::mnuW2_Click() {
    showWorksheetWindow<corvella::gui::W2Window>(w2Window_, session_, this);
}

void Form1::mnu941_Click() {
    showWorksheetWindow<corvella::gui::Form941Window>(form941Window_, session_, this);
}

void Form1::txtWeek_Click() {
    const corvella::Date start = session_.openWeekPicker();
    refreshFromModel();
    DatePickerDialog picker(
        QStringLiteral("frmDateMain"), QStringLiteral("Ok"), start, session_.calendar(),
        [this](corvella::Date d) { session_.pickWeek(d); }, this);
    picker.exec();
    refreshFromModel();
}

void Form1::cmdSavePrev_Click() {
    storeInputs();
    const auto saved = session_.SavePayPeriod();
    refreshFromModel();
    if (saved.outcome == corvella::RunOutcome::Done)
        statusBar()->showMessage(
            QStringLiteral("Pay period saved as %1").arg(QString::fromStdString(saved.fileName)),
            8000);
}

void Form1::cmdPeriod_Click() {
    storeInputs();
    session_.LoadPayPeriod();
    refreshFromModel();
}
