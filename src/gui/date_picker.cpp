#include "gui/date_picker.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/pay_period.h"

namespace {

QDate qdate(corvella::Date d) {
    return QDate(d.year, d.month, d.day);
}

}  // namespace

DatePickerDialog::DatePickerDialog(const QString& name, const QString& okText, corvella::Date start,
                                   corvella::CalendarRange range,
                                   std::function<void(corvella::Date)> pick, QWidget* parent)
    : QDialog(parent), pick_(std::move(pick)) {
    setObjectName(name);
    setWindowTitle(QStringLiteral("Date"));
    setModal(true);
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("DTPicker1"));
    calendar_->setDateRange(qdate(range.first), qdate(range.last));
    calendar_->setSelectedDate(qdate(start));
    calendar_->setGridVisible(true);
    // Written at once: closing by the close box keeps the date last chosen.
    connect(calendar_, &QCalendarWidget::selectionChanged, this, &DatePickerDialog::chosen);
    connect(calendar_, &QCalendarWidget::clicked, this, &DatePickerDialog::chosen);
    connect(calendar_, &QCalendarWidget::activated, this, [this] {
        chosen();
        accept();
    });

    auto* ok = new QPushButton(okText, this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        chosen();
        accept();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    layout->addLayout(buttons);
}

void DatePickerDialog::chosen() {
    const QDate d = calendar_->selectedDate();
    pick_(corvella::Date{d.year(), d.month(), d.day()});
}
