#include "MemoryRegisters.h"

#include "core/protocol/RegisterProtocol.h"

#include <algorithm>

namespace korv::test {

namespace {

Status nextScripted(QMap<int, QList<Status>>& script, int address)
{
    const auto it = script.find(address);
    return it == script.end() || it->isEmpty() ? Status::Ok : it->takeFirst();
}

}  // namespace

Status MemoryRegisters::read(char command, const QMap<int, qint16>& store, qint16 address, qint16& value)
{
    const int number = static_cast<int>(reads.size());
    reads << QLatin1Char(command) + QString::number(address);
    if (failEveryRead || failingReads.contains(number))
        return Status::NoAnswer;
    const Status status = nextScripted(scriptedReads, address);
    if (status != Status::Ok)
        return status;
    if (refuseUnknown && !store.contains(address))
        return Status::Refused;
    value = store.value(address, 0);
    return Status::Ok;
}

Status MemoryRegisters::ReadParameter(qint16 address, qint16& value)
{
    return read(RegisterProtocol::ReadParameterCommand, parameters, address, value);
}

Status MemoryRegisters::ReadMemory(qint16 address, qint16& value)
{
    return read(RegisterProtocol::ReadMemoryCommand, memory, address, value);
}

Status MemoryRegisters::WriteParameter(qint16 address, qint16 value)
{
    if (beforeWrite)
        beforeWrite();
    Status status = Status::NoAnswer;
    if (failingWrites > 0)
        --failingWrites;
    else
        status = nextScripted(scriptedWrites, address);
    attempts << Write { address, value, status };
    if (status != Status::Ok)
        return status;
    writes << qMakePair(int { address }, int { value });
    if (!notKept.contains(address))
        parameters[address] = value;
    else if (reportNotKept)
        reportNotKept();
    return Status::Ok;
}

QStringList MemoryRegisters::written() const
{
    QStringList out;
    for (const auto& [address, value] : writes)
        out << QStringLiteral("%1=%2").arg(address).arg(value);
    return out;
}

QList<int> MemoryRegisters::writtenRegisters() const
{
    QList<int> out;
    for (const auto& write : writes)
        out << write.first;
    return out;
}

int MemoryRegisters::readsOf(int address) const
{
    return static_cast<int>(std::count_if(
        reads.cbegin(), reads.cend(), [address](const QString& read) { return read.mid(1).toInt() == address; }));
}

QList<int> MemoryRegisters::touched() const
{
    QList<int> out;
    const auto touch = [&out](int address) {
        if (!out.contains(address))
            out << address;
    };
    for (const QString& read : reads)
        touch(read.mid(1).toInt());
    for (const Write& write : attempts)
        touch(write.address);
    return out;
}

}  // namespace korv::test
