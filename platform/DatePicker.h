#pragma once
// The date picker of the dialogs: a QDateEdit showing a date only, in the
// short date form, with a drop-down month calendar, read and set as platform
// date values (TDateTime).
#include <QDate>
#include <QDateEdit>

// Sets up `picker` as a date picker for dates from `minimum` to 9999-12-31.
void SetupDatePicker(QDateEdit& picker, const QDate& minimum);
// The picked date as a platform date value.
double DatePickerValue(const QDateEdit& picker);
// Shows a platform date value; a date out of the picker's range shows as its
// nearest end.
void SetDatePickerValue(QDateEdit& picker, double value);
