// Draws one event's report into a PDF. The command line stays free of display libraries and hands
// the drawing to this program: the event as JSON on standard input, the PDF's path as argument,
// after it the language of the command line that asks ("--language en").
#include "core/history/HistoryEvent.h"
#include "i18n/Translation.h"
#include "report/UnitReport.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Fonts need Qt's platform layer, never a display: the page is drawn into a file.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments.at(1) == QLatin1String("--language")) {
        korv::useLanguage(arguments.at(2), {});
        arguments.remove(1, 2);
    }
    if (arguments.size() != 2) {
        err << QCoreApplication::translate(
            "korv::report", "Uso: korvsetup-report [--language CÓDIGO] ARQUIVO.pdf < evento.json\n");
        return 3;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        err << QCoreApplication::translate("korv::report", "A entrada não pôde ser lida.\n");
        return 3;
    }
    // An event is a few kilobytes; anything much larger is not one.
    constexpr qint64 MaximumEventBytes = 4 * 1024 * 1024;
    const QByteArray bytes = input.read(MaximumEventBytes + 1);
    QJsonParseError parseError {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (bytes.size() > MaximumEventBytes || !document.isObject()) {
        err << QCoreApplication::translate("korv::report", "A entrada não é um evento do registro.\n");
        return 3;
    }
    const QString problem
        = korv::report::writeUnitReport(korv::history::eventFromJson(document.object()), arguments.at(1));
    if (!problem.isEmpty()) {
        err << problem << '\n';
        return 2;
    }
    return 0;
}
