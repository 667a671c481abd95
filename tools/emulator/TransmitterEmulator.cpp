#include "emulator/TransmitterEmulator.h"

#include "emulator/FrameReader.h"
#include "emulator/PseudoTerminal.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <mutex>
#include <thread>

namespace korv::emu {

namespace {

// How long an answer may wait for a client that does not read before it is dropped.
constexpr int writeTimeoutMs = 1000;

}  // namespace

struct TransmitterEmulator::Impl {
    enum class Outcome { Served, Stopped, Closed };

    void serve();
    Outcome handle(const QByteArray& frame);
    void closeMidExchange();
    bool writeState(const QString& path, QString* error) const;
    void shutDown();

    mutable std::mutex mutex;  // guards everything below up to the terminal
    RegisterBank bank;
    Measurand measurand;
    FaultPlan faults;
    int lateAnswerDelayMs = 600;
    int answerDelayMs = 0;
    QList<QByteArray> frames;
    TraceFunction trace;
    QString statePath;
    QString linkPath;
    QString terminalPath;
    bool serving = false;

    // Owned by the serving thread while it runs, by the owning thread otherwise.
    PseudoTerminal terminal;
    WakePipe wake;
    std::thread thread;
};

void TransmitterEmulator::Impl::serve()
{
    FrameReader reader;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const WaitResult waited = waitForInput(terminal, wake);
        if (waited == WaitResult::Woken)
            return;
        if (waited == WaitResult::Hangup) {
            // Not expected while our own slave descriptor is open; do not spin if it happens.
            if (wake.sleep(10))
                return;
            continue;
        }
        const std::optional<QByteArray> bytes = terminal.read();
        if (!bytes) {
            closeMidExchange();
            return;
        }
        reader.feed(*bytes, clock.elapsed());
        while (const std::optional<QByteArray> frame = reader.takeFrame()) {
            switch (handle(*frame)) {
            case Outcome::Served:
                break;
            case Outcome::Stopped:
                return;
            case Outcome::Closed:
                closeMidExchange();
                return;
            }
        }
    }
}

TransmitterEmulator::Impl::Outcome TransmitterEmulator::Impl::handle(const QByteArray& frame)
{
    Reply reply;
    int answerDelay = 0;
    TraceFunction traceCall;
    QString saveTo;
    {
        std::lock_guard lock(mutex);
        frames.append(frame);
        reply = respond(frame, faults.take(frame), bank, measurand, lateAnswerDelayMs);
        answerDelay = answerDelayMs;
        traceCall = trace;
        if (reply.stored)
            saveTo = statePath;
    }
    if (reply.closePort)
        return Outcome::Closed;

    QByteArray sent;
    if (!reply.echo.isEmpty()) {
        // The interface echoes at once; the transmitter takes its time to answer.
        const int delay = std::max(reply.delayMs, reply.answer.isEmpty() ? 0 : answerDelay);
        if (delay > 0) {
            terminal.writeAll(reply.echo, writeTimeoutMs);
            if (wake.sleep(delay))
                return Outcome::Stopped;
            terminal.writeAll(reply.answer, writeTimeoutMs);
        } else {
            terminal.writeAll(reply.echo + reply.answer, writeTimeoutMs);
        }
        sent = reply.echo + reply.answer;
    }
    if (!saveTo.isEmpty()) {
        QString error;
        if (!writeState(saveTo, &error))
            qWarning("orv-emulator: the state file was not saved: %s", qUtf8Printable(error));
    }
    if (traceCall)
        traceCall(frame, sent);
    return Outcome::Served;
}

// The port vanishes as an unplugged adapter's does: the terminal and its link go away and the
// client's next read ends.
void TransmitterEmulator::Impl::closeMidExchange()
{
    {
        std::lock_guard lock(mutex);
        serving = false;
        removeLink(linkPath, terminalPath);
    }
    terminal.close();
}

bool TransmitterEmulator::Impl::writeState(const QString& path, QString* error) const
{
    QString text;
    {
        std::lock_guard lock(mutex);
        text = bank.toText();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(text.toUtf8());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void TransmitterEmulator::Impl::shutDown()
{
    if (thread.joinable()) {
        wake.wake();
        thread.join();
    }
    terminal.close();
    wake.close();
    std::lock_guard lock(mutex);
    if (serving)
        removeLink(linkPath, terminalPath);
    serving = false;
}

TransmitterEmulator::TransmitterEmulator(Seed seed)
    : d(std::make_unique<Impl>())
{
    d->bank.seed(seed);
}

TransmitterEmulator::~TransmitterEmulator()
{
    stop();
}

bool TransmitterEmulator::start(QString* error)
{
    if (isServing())
        return true;
    d->shutDown();  // the remains of a port closed mid-exchange
    if (!d->terminal.open(error))
        return false;
    if (!d->wake.open(error)) {
        d->terminal.close();
        return false;
    }
    {
        std::lock_guard lock(d->mutex);
        d->terminalPath = d->terminal.slavePath();
        if (!d->linkPath.isEmpty() && !pointLink(d->linkPath, d->terminalPath, error)) {
            d->terminal.close();
            d->wake.close();
            return false;
        }
        d->serving = true;
    }
    d->thread = std::thread([impl = d.get()] { impl->serve(); });
    return true;
}

void TransmitterEmulator::stop()
{
    d->shutDown();
}

bool TransmitterEmulator::isServing() const
{
    std::lock_guard lock(d->mutex);
    return d->serving;
}

bool TransmitterEmulator::restart(QString* error)
{
    stop();
    return start(error);
}

QString TransmitterEmulator::devicePath() const
{
    std::lock_guard lock(d->mutex);
    return d->linkPath.isEmpty() ? d->terminalPath : d->linkPath;
}

QString TransmitterEmulator::terminalPath() const
{
    std::lock_guard lock(d->mutex);
    return d->terminalPath;
}

bool TransmitterEmulator::setLinkPath(const QString& path, QString* error)
{
    std::lock_guard lock(d->mutex);
    if (path == d->linkPath && (!d->serving || path.isEmpty()))
        return true;
    if (d->serving) {
        if (!path.isEmpty() && !pointLink(path, d->terminalPath, error))
            return false;
        if (path != d->linkPath)
            removeLink(d->linkPath, d->terminalPath);
    } else if (!path.isEmpty() && !linkPathUsable(path, error)) {
        return false;
    }
    d->linkPath = path;
    return true;
}

void TransmitterEmulator::reseed(const Seed& seed)
{
    std::lock_guard lock(d->mutex);
    d->bank.seed(seed);
}

qint16 TransmitterEmulator::parameter(int address) const
{
    std::lock_guard lock(d->mutex);
    return d->bank.parameter(address);
}

void TransmitterEmulator::setParameter(int address, qint16 value)
{
    std::lock_guard lock(d->mutex);
    d->bank.setParameter(address, value);
}

qint16 TransmitterEmulator::memory(int address) const
{
    std::lock_guard lock(d->mutex);
    return d->bank.memory(address, d->measurand);
}

void TransmitterEmulator::pinMemory(int address, qint16 value)
{
    std::lock_guard lock(d->mutex);
    d->bank.pinMemory(address, value);
}

void TransmitterEmulator::unpinMemory(int address)
{
    std::lock_guard lock(d->mutex);
    d->bank.unpinMemory(address);
}

void TransmitterEmulator::setMeasurand(const Measurand& measurand)
{
    std::lock_guard lock(d->mutex);
    d->measurand = measurand;
}

Measurand TransmitterEmulator::measurand() const
{
    std::lock_guard lock(d->mutex);
    return d->measurand;
}

void TransmitterEmulator::setFault(Fault fault, int frames, int address, FaultFrames kind)
{
    std::lock_guard lock(d->mutex);
    d->faults.kind = kind;
    d->faults.fault = frames == 0 ? Fault::None : fault;
    d->faults.framesLeft = frames < 0 ? -1 : frames;
    d->faults.address = address < 0 ? AnyAddress : address & 0xFFFF;
}

Fault TransmitterEmulator::fault() const
{
    std::lock_guard lock(d->mutex);
    return d->faults.fault;
}

void TransmitterEmulator::setAnswerDelayMs(int ms)
{
    std::lock_guard lock(d->mutex);
    d->answerDelayMs = qMax(0, ms);
}

void TransmitterEmulator::setLateAnswerDelayMs(int ms)
{
    std::lock_guard lock(d->mutex);
    d->lateAnswerDelayMs = qMax(0, ms);
}

int TransmitterEmulator::framesReceived() const
{
    std::lock_guard lock(d->mutex);
    return static_cast<int>(d->frames.size());
}

QList<QByteArray> TransmitterEmulator::receivedFrames() const
{
    std::lock_guard lock(d->mutex);
    return d->frames;
}

void TransmitterEmulator::clearLog()
{
    std::lock_guard lock(d->mutex);
    d->frames.clear();
}

void TransmitterEmulator::setTrace(TraceFunction trace)
{
    std::lock_guard lock(d->mutex);
    d->trace = std::move(trace);
}

bool TransmitterEmulator::saveState(const QString& path, QString* error) const
{
    return d->writeState(path, error);
}

bool TransmitterEmulator::loadState(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    std::lock_guard lock(d->mutex);
    return d->bank.fromText(text, error);
}

void TransmitterEmulator::setStatePath(const QString& path)
{
    std::lock_guard lock(d->mutex);
    d->statePath = path;
}

}  // namespace korv::emu
