#pragma once

#include "emulator/TransmitterEmulator.h"

#include <QList>
#include <QTest>

// One late answer at one register during a send, at 400, 600 and 1500 ms, in both exchanges: the
// rows and the judgement shared by the command line's and the window's matrix.
namespace korv::test::late {

struct Unit {
    int modelCode;
    const char* name;
    QList<int> sample;  // one register of each send step
};

inline const QList<Unit> Units { { 0, "OrvHead", { 11, 1, 15 } }, { 4, "Orv-Hu", { 9, 1, 14 } },
    { 6, "OrvAmbient", { 9, 1, 15 } } };

// Rows unit, address, lateMs, fast. The suite's sample takes the two exchanges in turn, so that
// every register and every delay meets both; KORV_FAULT_MATRIX=full (scripts/faults.sh) takes every
// register a send touches with both.
inline void addRows()
{
    const bool full = qgetenv("KORV_FAULT_MATRIX") == "full";
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<bool>("fast");
    const QList<int> delays { 400, 600, 1500 };
    for (int u = 0; u < Units.size(); ++u) {
        const QList<int> addresses = full ? QList<int> { 0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 14, 15 } : Units[u].sample;
        for (int a = 0; a < addresses.size(); ++a) {
            for (int d = 0; d < delays.size(); ++d) {
                for (bool fast : { false, true }) {
                    if (full || fast == ((a + d) % 2 == 1))
                        QTest::addRow(
                            "%s r%d %d ms %s", Units[u].name, addresses[a], delays[d], fast ? "fast" : "default")
                            << u << addresses[a] << delays[d] << fast;
                }
            }
        }
    }
}

inline QList<qint16> parameters(const emu::TransmitterEmulator& emulator)
{
    QList<qint16> values;
    for (int address = 0; address < 32; ++address)
        values << emulator.parameter(address);
    return values;
}

// Every register that changed is among those the program named; at 400 ms, where the late answer
// is the only one (the step's next attempt is answered on time), the command is done. Later, the
// transmitter is still busy with the late answer while the step's retries go out, so a step of one
// write may run out of attempts, but never silently. The line is what scripts/faults.sh counts.
inline bool judge(const char* front, const QList<qint16>& before, const QList<qint16>& after, const QList<int>& named,
    bool done, const QString& shown)
{
    QFETCH(int, unit);
    QFETCH(int, address);
    QFETCH(int, lateMs);
    QFETCH(bool, fast);
    int changed = 0;
    int reported = 0;
    for (int a = 0; a < after.size(); ++a) {
        if (after[a] != before[a]) {
            ++changed;
            reported += done || named.contains(a) ? 1 : 0;
        }
    }
    qInfo("matrix %s %s %s r%d %d ms: done=%d changed=%d reported=%d", front, fast ? "fast" : "default",
        Units[unit].name, address, lateMs, done ? 1 : 0, changed, reported);
    [&] {
        QVERIFY2(reported == changed, qPrintable(shown));
        QVERIFY2(done || lateMs > 400, qPrintable(shown));
    }();
    return !QTest::currentTestFailed();
}

}  // namespace korv::test::late
