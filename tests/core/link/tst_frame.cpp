#include "core/link/Frame.h"
#include "core/protocol/RegisterAccess.h"

#include <QByteArray>
#include <QTest>

using namespace korv;

Q_DECLARE_METATYPE(korv::frame::AnswerCheck)

// Frames judged from the bytes on the line, without a port: what the exchange sent against what came
// back, echo first.
class FrameTest : public QObject {
    Q_OBJECT

    static frame::Bytes bytesOf(const QByteArray& hex)
    {
        const QByteArray raw = QByteArray::fromHex(hex);
        frame::Bytes out {};
        std::copy_n(reinterpret_cast<const quint8*>(raw.constData()), std::min<qsizetype>(raw.size(), frame::Size),
            out.begin());
        return out;
    }

private Q_SLOTS:
    void build()
    {
        QCOMPARE(frame::build('P', 2, 0), bytesOf("5000020000"));
        QCOMPARE(frame::build('Q', 15, -488), bytesOf("51000ffe18"));
        QCOMPARE(frame::build('R', 0x013C, 0x7FFF), bytesOf("52013c7fff"));
        const frame::Bytes answer = bytesOf("50000ffe18");
        QCOMPARE(frame::valueOf(answer.data()), qint16(-488));
    }

    void judge_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<frame::AnswerCheck>("check");
        QTest::addColumn<int>("status");
        const auto read = frame::AnswerCheck::CommandAndAddress;
        const auto write = frame::AnswerCheck::WholeFrame;
        QTest::newRow("read answered") << QByteArray("5000020000") << QByteArray("5000020000 500002007b") << read
                                       << int(Status::Ok);
        QTest::newRow("read answer carries its own data")
            << QByteArray("5000020000") << QByteArray("5000020000 5000021234") << read << int(Status::Ok);
        QTest::newRow("write answered") << QByteArray("51000f0007") << QByteArray("51000f0007 51000f0007") << write
                                        << int(Status::Ok);
        QTest::newRow("write answer with other data")
            << QByteArray("51000f0007") << QByteArray("51000f0007 51000f0008") << write << int(Status::NoAnswer);
        QTest::newRow("answer for another register")
            << QByteArray("5000020000") << QByteArray("5000020000 500003002d") << read << int(Status::NoAnswer);
        QTest::newRow("late answer of an earlier frame in the echo's place")
            << QByteArray("5000030000") << QByteArray("500002007b 5000030000") << read << int(Status::NoAnswer);
        QTest::newRow("late answer of the same register in the echo's place")
            << QByteArray("5000020000") << QByteArray("500002007b 5000020000") << read << int(Status::NoAnswer);
        QTest::newRow("echo of another frame")
            << QByteArray("5000030000") << QByteArray("5000020000 500003002d") << read << int(Status::NoAnswer);
        QTest::newRow("leftover bytes shift the frames")
            << QByteArray("5000020000") << QByteArray("007b 5000020000 500002") << read << int(Status::NoAnswer);
        QTest::newRow("a write's answer to a read")
            << QByteArray("5000010000") << QByteArray("5000010000 5100010081") << read << int(Status::NoAnswer);
        QTest::newRow("refusal fails the check")
            << QByteArray("5000400000") << QByteArray("5000400000 3f00400000") << read << int(Status::NoAnswer);
        QTest::newRow("refusal without a check")
            << QByteArray("5000400000") << QByteArray("3f00400000") << frame::AnswerCheck::None << int(Status::Refused);
        QTest::newRow("anything else without a check")
            << QByteArray("5000400000") << QByteArray("aa") << frame::AnswerCheck::None << int(Status::Ok);
        QTest::newRow("echo only") << QByteArray("5000020000") << QByteArray("5000020000") << read
                                   << int(Status::NoAnswer);
        QTest::newRow("nothing") << QByteArray("5000020000") << QByteArray() << read << int(Status::NoAnswer);
        QTest::newRow("nothing without a check")
            << QByteArray("5000020000") << QByteArray() << frame::AnswerCheck::None << int(Status::NoAnswer);
    }
    void judge()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QByteArray, received);
        QFETCH(frame::AnswerCheck, check);
        QFETCH(int, status);
        const QByteArray raw = QByteArray::fromHex(received.replace(' ', ""));
        QCOMPARE(frame::judge(bytesOf(sent), reinterpret_cast<const quint8*>(raw.constData()), int(raw.size()), check),
            Status(status));
    }
};

QTEST_GUILESS_MAIN(FrameTest)
#include "tst_frame.moc"
