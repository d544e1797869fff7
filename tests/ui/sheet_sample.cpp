// Writes a sample mixing sheet as a PDF, for looking at the page:
// sheet_sample <output.pdf> [water|special|no-schedule|lines N]
#include <QGuiApplication>
#include <QPdfWriter>

#include "sheet_samples.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        qWarning("usage: sheet_sample <output.pdf> [water|special|no-schedule|lines N]");
        return 2;
    }
    const QString kind = args.value(2, QStringLiteral("water"));
    MixingSheet sheet;
    if (kind == QLatin1String("special")) {
        sheet = sheet_samples::showcase(true, true);
    } else if (kind == QLatin1String("no-schedule")) {
        sheet = sheet_samples::showcase(false, false);
    } else if (kind == QLatin1String("lines")) {
        sheet = sheet_samples::longPlan(args.value(3).toInt(), true, true);
    } else {
        sheet = sheet_samples::showcase(false, true);
    }
    QPdfWriter writer(args.at(1));
    return renderMixingSheet(writer, sheet) ? 0 : 1;
}
