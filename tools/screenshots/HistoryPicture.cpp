#include "HistoryPicture.h"

#include "app/record/HistoryWindow.h"
#include "app/shared/FileDialogs.h"
#include "common/MessageBoxes.h"
#include "core/history/HistoryStore.h"

#include <QCoreApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace korv;
using namespace korv::history;

namespace {

constexpr int PaintDelayMs = 400;

struct NoDialogs final : FileDialogs {
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, FileKind) override { return {}; }
};

QJsonObject headRail(const QString& model, const QString& sensor, int upper)
{
    return { { QStringLiteral("format"), 1 }, { QStringLiteral("family"), QStringLiteral("head-rail") },
        { QStringLiteral("model"), model }, { QStringLiteral("unit"), QStringLiteral("C") },
        { QStringLiteral("sensor"), sensor }, { QStringLiteral("lower"), 0 }, { QStringLiteral("upper"), upper },
        { QStringLiteral("zeroCorrection"), 0 }, { QStringLiteral("sensorFailure"), QStringLiteral("maximum") },
        { QStringLiteral("mainsFilter"), 60 } };
}

// A morning at one bench: units searched, read, reconfigured, one that did not answer.
QList<Event> morning()
{
    struct Step {
        int minute;
        const char* command;
        const char* serial;
        Outcome outcome;
        const char* text;
    };
    const Step steps[] = {
        { 0, "startup-search", "204518", Outcome::Done, "" },
        { 2, "read", "204518", Outcome::Done, "" },
        { 6, "send", "204518", Outcome::Done, "Configuração enviada." },
        { 9, "read", "204518", Outcome::Done, "" },
        { 15, "read", "", Outcome::Failed, "Erro de comunicação!" },
        { 17, "startup-search", "198022", Outcome::Done, "" },
        { 21, "send", "198022", Outcome::Stopped, "Cancelado." },
        { 24, "send", "198022", Outcome::Done, "Configuração enviada." },
        { 31, "calibration-backup", "198022", Outcome::Done, "" },
    };
    QList<Event> events;
    const QDateTime start(QDate(2025, 3, 14), QTime(11, 5), Qt::UTC);
    for (const Step& step : steps) {
        Event event = newEvent(WindowFrontEnd, QString::fromUtf8(step.command), QStringLiteral("/dev/ttyUSB0"));
        event.time = start.addSecs(step.minute * 60);
        event.utcOffsetSeconds = -3 * 3600;
        event.bench = QStringLiteral("bancada-02");
        event.user = QStringLiteral("tecnico");
        event.programVersion = QStringLiteral("1.39");
        event.outcome = step.outcome;
        event.resultText = QString::fromUtf8(step.text);
        event.unit.serialNumber = QString::fromUtf8(step.serial);
        if (!event.unit.serialNumber.isEmpty()) {
            const bool galvanic = event.unit.serialNumber == u"198022";
            event.unit.model = galvanic ? QStringLiteral("OrvGalDin") : QStringLiteral("OrvHead");
            event.unit.firmware = galvanic ? 112 : 131;
            event.unit.outputType = QStringLiteral("4 a 20 mA");
            Snapshot found { { { 1, 0x0412 }, { 4, 0 }, { 5, 1000 }, { 6, 0 }, { 7, 0 } }, {},
                headRail(event.unit.model, QStringLiteral("Pt100"), 100) };
            event.asFound = found;
            event.asLeft = found;
            if (event.command == u"send" && step.outcome == Outcome::Done) {
                event.asLeft->registers[1] = 0x0413;
                event.asLeft->registers[5] = 2500;
                event.asLeft->configuration = headRail(event.unit.model, QStringLiteral("K"), 250);
                event.written.confirmed = { 1, 5 };
            }
        }
        events << event;
    }
    return events;
}

}  // namespace

int saveHistoryPicture(const QString& path)
{
    QTemporaryDir folder;
    Store store(folder.filePath(QStringLiteral("history.sqlite")), QStringLiteral("picture"));
    for (const Event& event : morning()) {
        if (!store.record(event)) {
            std::fprintf(stderr, "%s\n", qPrintable(store.problem()));
            return 1;
        }
    }
    RecordingMessageBoxes boxes;
    NoDialogs dialogs;
    HistoryWindow window(store, boxes, dialogs);
    window.show();
    // The newest send that changed a unit, the second row from the top.
    window.view()->selectRow(1);
    int result = 1;
    QTimer::singleShot(PaintDelayMs, &window, [&] {
        result = window.grab().save(path, "PNG") ? 0 : 1;
        if (result != 0)
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        QCoreApplication::exit(result);
    });
    QCoreApplication::exec();
    return result;
}
