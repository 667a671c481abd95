#include "support_appfixture.h"

#include "app/diagnostics/FrameMonitorWindow.h"
#include "app/shared/FileDialogs.h"
#include "cli/Cli.h"
#include "core/files/FileSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace korv;

namespace {

enum class SavePath { WindowConfiguration, MonitorText, SettingsAtExit, CommandLineBackup };

struct FixedFileDialogs final : FileDialogs {
    QString path;
    QString openFileName(QWidget*, const QString&, const QString&) override { return path; }
    QString saveFileName(QWidget*, const QString&, const QString&, FileKind) override { return path; }
};

// Every entry of a folder, with the bytes of each regular file.
QMap<QString, QByteArray> folderContents(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    for (const QFileInfo& entry :
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        QFile file(entry.filePath());
        contents[entry.fileName()]
            = entry.isFile() && !entry.isSymLink() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("-");
    }
    return contents;
}

// Puts `occupant` at `path`: "fifo", "folder", "->" and the target of a link, or the text of a file.
bool occupy(const QString& path, const QString& occupant)
{
    if (occupant == u"fifo")
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    if (occupant == u"folder")
        return QDir().mkpath(path);
    if (occupant.startsWith(u"->"))
        return QFile::link(occupant.mid(2), path);
    QFile file(path);
    const QByteArray bytes = occupant.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList warningsSeen;

struct Attempt {
    bool ready = true;
    QString target;
    QMap<QString, QByteArray> before, after;  // the folder's contents
    QString told;  // boxes, warnings and the command line's standard error
    int exitCode = -1;  // the command line's
};

// One save in a folder of its own, with any `occupant` at the target beforehand. With a `limit`, no
// file may grow past that many bytes during the save: the system's file-size limit with its signal
// ignored, so that a write past it fails as a write on a full disk does.
Attempt attemptSave(SavePath path, qint64 limit, const QString& occupant = {})
{
    Attempt attempt;
    AppFixture app;
    FixedFileDialogs dialogs;
    app.fileDialogs = &dialogs;
    std::unique_ptr<FrameMonitorWindow> monitor;
    std::function<void()> save;
    switch (path) {
    case SavePath::WindowConfiguration:
        attempt.target = app.dir.filePath(QStringLiteral("cfg3.json"));
        attempt.ready = app.start(seedFor(0, 130));
        app.read();
        save = [&] { app.form->onSaveConfiguration(); };
        break;
    case SavePath::MonitorText:
        attempt.target = app.dir.filePath(QStringLiteral("mon.txt"));
        monitor = std::make_unique<FrameMonitorWindow>(app.boxes, dialogs);
        save = [&] { monitor->saveAsText(); };
        break;
    case SavePath::SettingsAtExit:
        attempt.target = app.settingsPath();
        app.startWithSettings("[Parametros]\nPort=/dev/korv-none\nTemperatura=C\n; bench 3\n");
        app.form->ui.FastExchangeItem->trigger();  // a change to write at exit
        save = [&] { app.form->close(); };
        break;
    case SavePath::CommandLineBackup:
        attempt.target = app.dir.filePath(QStringLiteral("00123045.txt"));  // the emulator's serial number
        attempt.ready = app.start(seedFor(0, 130));
        save = [&] {
            app.form->session().link().Close();  // one device, one program
            QString out;
            QTextStream outStream(&out);
            QTextStream errStream(&attempt.told);
            cli::Environment environment;
            environment.settingsPath = app.settingsPath();
            environment.languageDirectory = app.dir.path();
            environment.historyPath = app.historyPath();
            attempt.exitCode = cli::run(
                { QStringLiteral("korvsetup-cli"), QStringLiteral("backup") }, environment, outStream, errStream);
        };
        break;
    }
    attempt.ready &= occupant.isEmpty() || occupy(attempt.target, occupant);
    dialogs.path = attempt.target;
    app.boxes.clear();
    attempt.before = folderContents(app.dir.path());
    warningsSeen.clear();
    const QtMessageHandler previousHandler
        = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
              if (type == QtWarningMsg)
                  warningsSeen << text;
          });
    rlimit previous {};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit lowered { limit < 0 ? previous.rlim_cur : rlim_t(limit), previous.rlim_max };
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &lowered);
    if (attempt.ready)
        save();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    qInstallMessageHandler(previousHandler);
    attempt.after = folderContents(app.dir.path());
    attempt.told += (app.boxTexts() + warningsSeen).join(u'|');
    return attempt;
}

}  // namespace

class FileSaveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every file the program writes goes through one save routine: on a disk that takes fewer bytes
    // than the file needs (none, or all but the last), whatever was there stays byte for byte, no
    // part of the new file is left behind, and the user is told which file was not saved.
    void failedSaveKeepsWhatWasThere_data()
    {
        QTest::addColumn<SavePath>("path");
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<int>("exitCode");  // the command line's on failure; -1 for the window
        QTest::addColumn<qint64>("fewestBytes");  // the smallest limit tried
        QTest::newRow("window: configuration file") << SavePath::WindowConfiguration << "{ \"earlier\": true }\n"
                                                    << -1 << qint64(0);
        QTest::newRow("monitor: text") << SavePath::MonitorText << "an earlier trace\n" << -1 << qint64(0);
        QTest::newRow("window: settings at exit") << SavePath::SettingsAtExit << "" << -1 << qint64(0);
        // The command line opens the port under the limit too, and its lock file needs a few bytes.
        QTest::newRow("command line: backup") << SavePath::CommandLineBackup << "" << 2 << qint64(100);
    }
    void failedSaveKeepsWhatWasThere()
    {
        QFETCH(SavePath, path);
        QFETCH(QString, earlier);
        QFETCH(int, exitCode);
        QFETCH(qint64, fewestBytes);
        Attempt whole = attemptSave(path, -1, earlier);
        QVERIFY(whole.ready);
        QVERIFY2(whole.told.isEmpty() && whole.exitCode <= 0, qPrintable(whole.told));
        whole.after.removeIf([&](auto entry) {
            return whole.before.contains(entry.key()) && whole.before.value(entry.key()) == entry.value();
        });
        QCOMPARE(whole.after.keys(), QStringList { QFileInfo(whole.target).fileName() });
        const qint64 size = whole.after.first().size();
        QVERIFY(size > fewestBytes + 1);
        for (const qint64 limit : { size - 1, fewestBytes }) {
            const Attempt cut = attemptSave(path, limit, earlier);
            QVERIFY(cut.ready);
            QCOMPARE(cut.after, cut.before);
            QVERIFY2(
                cut.told.contains(cut.target), qPrintable(QStringLiteral("%1 bytes: %2").arg(limit).arg(cut.told)));
            QCOMPARE(cut.exitCode, exitCode);
        }
    }

    // A backup name taken by something that is no backup file is said as what it is; it is never
    // opened as a file (a FIFO would hang the command, a device never end) and stays as it was.
    void backupNameTakenByNoFile_data()
    {
        QTest::addColumn<QString>("occupant");
        QTest::addColumn<QString>("told");
        QTest::newRow("FIFO") << QStringLiteral("fifo") << "é um FIFO, não um arquivo comum";
        QTest::newRow("link to /dev/zero") << QStringLiteral("->/dev/zero") << "é um dispositivo, não um arquivo comum";
        QTest::newRow("link to no file") << QStringLiteral("->gone.txt") << "é um link para ";
        QTest::newRow("64 KiB and a byte") << QString(64 * 1024 + 1, u'1') << "o arquivo é grande demais";
    }
    void backupNameTakenByNoFile()
    {
        QFETCH(QString, occupant);
        QFETCH(QString, told);
        const Attempt attempt = attemptSave(SavePath::CommandLineBackup, -1, occupant);
        QVERIFY(attempt.ready);
        QCOMPARE(attempt.exitCode, 3);
        QVERIFY2(attempt.told.startsWith(
                     QStringLiteral("%1 já existe, mas não pôde ser lido para comparar: %2").arg(attempt.target, told)),
            qPrintable(attempt.told));
        QCOMPARE(attempt.after, attempt.before);
    }

    // The routine itself, where something is already at the path (behind a link or not), and the
    // permissions of what it creates.
    void saveFileRules_data()
    {
        QTest::addColumn<bool>("link");  // the path is a link to "target.txt"
        QTest::addColumn<QString>("existing");  // at the target: a file of mode 0604, "fifo", "folder" or nothing
        QTest::addColumn<SaveMode>("mode");
        QTest::addColumn<QString>("result");  // "saved", "exists" or the reason of a failure
        QTest::addColumn<int>("permissions");  // of the file then at the target; -1 when none is there
        QTest::newRow("new file") << false << "" << SaveMode::Replace << "saved" << 0640;
        QTest::newRow("replaced, its mode kept") << false << "earlier" << SaveMode::Replace << "saved" << 0604;
        QTest::newRow("backup never replaced") << false << "earlier" << SaveMode::CreateNew << "exists" << 0604;
        QTest::newRow("through a link") << true << "earlier" << SaveMode::Replace << "saved" << 0604;
        QTest::newRow("through a link to no file") << true << "" << SaveMode::Replace << "saved" << 0640;
        QTest::newRow("backup never through a link") << true << "" << SaveMode::CreateNew << "exists" << -1;
        QTest::newRow("never over a FIFO")
            << false << "fifo" << SaveMode::Replace << "é um FIFO, não um arquivo comum" << -1;
        QTest::newRow("never over a folder")
            << false << "folder" << SaveMode::Replace << "é uma pasta, não um arquivo comum" << -1;
    }
    void saveFileRules()
    {
        QFETCH(bool, link);
        QFETCH(QString, existing);
        QFETCH(SaveMode, mode);
        QFETCH(QString, result);
        QFETCH(int, permissions);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved.txt"));
        const QString target = link ? dir.filePath(QStringLiteral("target.txt")) : path;
        const QByteArray target8 = QFile::encodeName(target);
        QVERIFY(!link || occupy(path, QStringLiteral("->target.txt")));
        QVERIFY(existing.isEmpty() || occupy(target, existing));
        QVERIFY(existing != u"earlier" || ::chmod(target8.constData(), 0604) == 0);
        const mode_t umask = ::umask(027);
        const SaveResult saved = saveFile(path, "saved", mode);
        ::umask(umask);
        const QString outcomes[] = { QStringLiteral("saved"), QStringLiteral("exists"), QString() };
        QCOMPARE(outcomes[saved.outcome] + saved.reason, result);
        QCOMPARE(QFileInfo(path).isSymLink(), link);
        struct stat info { };
        const bool isFile = ::stat(target8.constData(), &info) == 0 && S_ISREG(info.st_mode);
        QCOMPARE(isFile ? int(info.st_mode & 07777) : -1, permissions);
        QFile file(target);
        if (isFile && file.open(QIODevice::ReadOnly))
            QCOMPARE(file.readAll(), QByteArray(saved.saved() ? "saved" : "earlier"));
        // Nothing but what the row set up and the saved file.
        QCOMPARE(folderContents(dir.path()).size(), link && isFile ? 2 : 1);
    }
};

QTEST_MAIN(FileSaveTest)
#include "tst_filesave.moc"
