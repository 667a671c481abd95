#pragma once

#include "core/link/Frame.h"
#include "core/link/LinkEvent.h"

#include <QByteArray>
#include <QString>

// Frames and what came back for them, told in the technician's words: the frame monitor shows
// them line by line and the connection check explains a failed exchange with them.
namespace korv::frame {

// "50 00 02 00 00"
QString hex(const QByteArray& bytes);
QString hex(const Bytes& bytes);

// What came back for a frame, taken apart byte by byte. Whether the exchange counts is judge()'s
// decision; this only says where it went wrong.
struct Reply {
    enum class Echo {
        None,  // nothing at all came back
        Partial,  // the start of the echo, then nothing
        Differs,  // bytes that are not the frame sent
        Ok,
    };
    enum class Answer {
        None,  // the echo and nothing after it
        Partial,
        Refused,  // the transmitter's "?"
        Mismatch,  // five bytes that do not answer this frame
        Value,  // a read answered: `value`
        Confirmed,  // a write repeated byte for byte
    };
    Echo echo = Echo::None;
    Answer answer = Answer::None;
    qint16 value = 0;
    int answerBytes = 0;  // how many bytes followed a complete echo
};
Reply readReply(const Bytes& sent, const QByteArray& received);

// "leitura do registro 2", "leitura da memória 60", "escrita no registro 15: -3"
QString describeCommand(const Bytes& sent);
// "eco ok; valor 4660 (0x1234)", "nada voltou (sem eco)", "eco ok; recusado pelo transmissor (?)"
QString describeReply(const Bytes& sent, const QByteArray& received);

// One line of the frame monitor, without its time.
struct MonitorLine {
    QString direction;  // "TX", "RX", or "--" for what happened to the port
    QString bytes;
    QString meaning;
};
MonitorLine monitorLine(const LinkEvent& event);

}  // namespace korv::frame
