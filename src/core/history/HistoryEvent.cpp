#include "core/history/HistoryEvent.h"

#include <QJsonArray>
#include <QSysInfo>
#include <QUuid>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace korv::history {

namespace {

QJsonArray numbers(const QList<int>& list)
{
    QJsonArray array;
    for (int value : list)
        array.append(value);
    return array;
}

QList<int> numbersFrom(const QJsonValue& value)
{
    QList<int> list;
    for (const QJsonValue& item : value.toArray())
        list << item.toInt();
    return list;
}

QJsonObject intMap(const auto& map)
{
    QJsonObject object;
    for (auto it = map.begin(); it != map.end(); ++it) {
        if constexpr (std::is_same_v<std::decay_t<decltype(it.key())>, QString>)
            object.insert(it.key(), it.value());
        else
            object.insert(QString::number(it.key()), it.value());
    }
    return object;
}

QString loginName()
{
    for (const char* name : { "USER", "LOGNAME", "USERNAME" }) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
#ifdef Q_OS_UNIX
    // A service or a scheduled job has no such variables; the account it runs as is still known.
    if (const passwd* account = ::getpwuid(::geteuid()); account && account->pw_name)
        return QString::fromLocal8Bit(account->pw_name);
#endif
    return QStringLiteral("?");
}

}  // namespace

QString outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Done:
        return QStringLiteral("done");
    case Outcome::Failed:
        return QStringLiteral("failed");
    case Outcome::Stopped:
        return QStringLiteral("stopped");
    }
    return {};
}

std::optional<Outcome> outcomeNamed(const QString& name)
{
    for (Outcome outcome : { Outcome::Done, Outcome::Failed, Outcome::Stopped }) {
        if (outcomeName(outcome) == name)
            return outcome;
    }
    return std::nullopt;
}

QJsonObject snapshotJson(const std::optional<Snapshot>& snapshot)
{
    if (!snapshot)
        return {};
    return { { QStringLiteral("registers"), intMap(snapshot->registers) },
        { QStringLiteral("uncertain"), numbers(snapshot->uncertain) },
        { QStringLiteral("configuration"), snapshot->configuration } };
}

std::optional<Snapshot> snapshotFromJson(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    if (!object.contains(QStringLiteral("registers")))
        return std::nullopt;
    Snapshot snapshot;
    const QJsonObject registers = object.value(QStringLiteral("registers")).toObject();
    for (auto it = registers.begin(); it != registers.end(); ++it)
        snapshot.registers.insert(it.key().toInt(), it.value().toInt());
    snapshot.uncertain = numbersFrom(object.value(QStringLiteral("uncertain")));
    snapshot.configuration = object.value(QStringLiteral("configuration")).toObject();
    return snapshot;
}

QJsonObject writesJson(const Writes& writes)
{
    return { { QStringLiteral("confirmed"), numbers(writes.confirmed) },
        { QStringLiteral("notKept"), numbers(writes.notKept) },
        { QStringLiteral("unconfirmed"), numbers(writes.unconfirmed) } };
}

Writes writesFromJson(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    return { numbersFrom(object.value(QStringLiteral("confirmed"))),
        numbersFrom(object.value(QStringLiteral("notKept"))),
        numbersFrom(object.value(QStringLiteral("unconfirmed"))) };
}

QJsonObject calibrationJson(const std::optional<CalibrationChange>& change)
{
    if (!change)
        return {};
    return { { QStringLiteral("before"), intMap(change->before) }, { QStringLiteral("after"), intMap(change->after) },
        { QStringLiteral("backup"), change->backupText } };
}

std::optional<CalibrationChange> calibrationFromJson(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    if (!object.contains(QStringLiteral("before")))
        return std::nullopt;
    CalibrationChange change;
    const auto fill = [](const QJsonValue& from, QMap<QString, int>& to) {
        const QJsonObject values = from.toObject();
        for (auto it = values.begin(); it != values.end(); ++it)
            to.insert(it.key(), it.value().toInt());
    };
    fill(object.value(QStringLiteral("before")), change.before);
    fill(object.value(QStringLiteral("after")), change.after);
    change.backupText = object.value(QStringLiteral("backup")).toString();
    return change;
}

QJsonObject toJson(const Event& event)
{
    const auto nullable
        = [](const QJsonObject& object) { return object.isEmpty() ? QJsonValue() : QJsonValue(object); };
    return {
        { QStringLiteral("id"), event.id },
        { QStringLiteral("time"), event.time.toUTC().toString(Qt::ISODateWithMs) },
        { QStringLiteral("utcOffsetSeconds"), event.utcOffsetSeconds },
        { QStringLiteral("bench"), event.bench },
        { QStringLiteral("user"), event.user },
        { QStringLiteral("programVersion"), event.programVersion },
        { QStringLiteral("frontEnd"), event.frontEnd },
        { QStringLiteral("port"), event.port },
        { QStringLiteral("command"), event.command },
        { QStringLiteral("result"), outcomeName(event.outcome) },
        { QStringLiteral("exitCode"), event.exitCode },
        { QStringLiteral("resultText"), event.resultText },
        { QStringLiteral("serialNumber"), event.unit.serialNumber },
        { QStringLiteral("model"), event.unit.model },
        { QStringLiteral("firmware"), event.unit.firmware },
        { QStringLiteral("outputType"), event.unit.outputType },
        { QStringLiteral("asFound"), nullable(snapshotJson(event.asFound)) },
        { QStringLiteral("asLeft"), nullable(snapshotJson(event.asLeft)) },
        { QStringLiteral("written"), writesJson(event.written) },
        { QStringLiteral("calibration"), nullable(calibrationJson(event.calibration)) },
    };
}

Event eventFromJson(const QJsonObject& object)
{
    Event event;
    event.id = object.value(QStringLiteral("id")).toString();
    event.time = QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs).toUTC();
    event.utcOffsetSeconds = object.value(QStringLiteral("utcOffsetSeconds")).toInt();
    event.bench = object.value(QStringLiteral("bench")).toString();
    event.user = object.value(QStringLiteral("user")).toString();
    event.programVersion = object.value(QStringLiteral("programVersion")).toString();
    event.frontEnd = object.value(QStringLiteral("frontEnd")).toString();
    event.port = object.value(QStringLiteral("port")).toString();
    event.command = object.value(QStringLiteral("command")).toString();
    event.outcome = outcomeNamed(object.value(QStringLiteral("result")).toString()).value_or(Outcome::Failed);
    event.exitCode = object.value(QStringLiteral("exitCode")).toInt();
    event.resultText = object.value(QStringLiteral("resultText")).toString();
    event.unit.serialNumber = object.value(QStringLiteral("serialNumber")).toString();
    event.unit.model = object.value(QStringLiteral("model")).toString();
    event.unit.firmware = object.value(QStringLiteral("firmware")).toInt();
    event.unit.outputType = object.value(QStringLiteral("outputType")).toString();
    event.asFound = snapshotFromJson(object.value(QStringLiteral("asFound")));
    event.asLeft = snapshotFromJson(object.value(QStringLiteral("asLeft")));
    event.written = writesFromJson(object.value(QStringLiteral("written")));
    event.calibration = calibrationFromJson(object.value(QStringLiteral("calibration")));
    return event;
}

QList<int> changedRegisters(const Snapshot& found, const Snapshot& left)
{
    QList<int> changed;
    auto keys = found.registers.keys() + left.registers.keys();
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (int address : keys) {
        if (!found.registers.contains(address) || !left.registers.contains(address)
            || found.registers.value(address) != left.registers.value(address) || left.uncertain.contains(address))
            changed << address;
    }
    return changed;
}

Event newEvent(const QString& frontEnd, const QString& command, const QString& port)
{
    Event event;
    event.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QDateTime now = QDateTime::currentDateTime();
    event.time = now.toUTC();
    event.utcOffsetSeconds = now.offsetFromUtc();
    event.bench = QSysInfo::machineHostName();
    event.user = loginName();
    event.programVersion = QStringLiteral(KORV_VERSION);
    event.frontEnd = frontEnd;
    event.command = command;
    event.port = port;
    return event;
}

}  // namespace korv::history
