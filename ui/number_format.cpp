#include "ui/number_format.h"

#include <QLocale>

gypsomix::NumberFormat regionalNumberFormat() {
    const QLocale locale = QLocale::system();
    gypsomix::NumberFormat format;
    format.decimal = locale.decimalPoint().toStdString();
    format.group = locale.groupSeparator().toStdString();
    return format;
}
