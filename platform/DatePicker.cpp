#include "platform/DatePicker.h"

#include "platform/DateTime.h"

void SetupDatePicker(QDateEdit& picker, const QDate& minimum) {
    picker.setCalendarPopup(true);
    picker.setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    picker.setDateRange(minimum, QDate(9999, 12, 31));
}

double DatePickerValue(const QDateEdit& picker) {
    const QDate d = picker.date();
    return EncodeDate(d.year(), d.month(), d.day());
}

void SetDatePickerValue(QDateEdit& picker, double value) {
    int y = 0, m = 0, d = 0;
    DecodeDate(value, y, m, d);
    QDate date(y, m, d);
    if (!date.isValid() || date < picker.minimumDate()) date = picker.minimumDate();
    if (date > picker.maximumDate()) date = picker.maximumDate();
    picker.setDate(date);
}
