#include "support_appfixture.h"

#include "app/FileDialogs.h"
#include "app/FrameMonitorWindow.h"
#include "cli/Cli.h"
#include "core/files/FileSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace korv;

namespace {

// The backup of the emulated transmitter, named by its serial number.
const QString BackupName = QStringLiteral("00123045.txt");

enum class SavePath { WindowConfiguration, MonitorText, SettingsAtExit, CommandLineBackup };

struct FixedFileDialogs final : FileDialogs {
    QString path;
    QString openFileName(QWidget*, const QString&, const QString&) override { return path; }
    QString saveFileName(QWidget*, const QString&, const QString&, FileKind) override { return path; }
};

// A disk that takes no more than `bytes` of any file, for as long as this lives: the system's
// file-size limit, with the signal it would send ignored, so that a write past it fails as a
// write on a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = previous_;
        lowered.rlim_cur = static_cast<rlim_t>(bytes);
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &previous_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_ {};
};

// Every entry of a folder, with the bytes of each regular file.
QMap<QString, QByteArray> folderContents(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    const QDir dir(folder);
    for (const QFileInfo& entry :
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        QFile file(entry.filePath());
        contents[entry.fileName()]
            = entry.isFile() && !entry.isSymLink() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("-");
    }
    return contents;
}

struct CliResult {
    int code = -1;
    QString err;
};

CliResult runCli(AppFixture& app, const QStringList& arguments)
{
    app.form->session().link().Close();
    CliResult result;
    QString out;
    QTextStream outStream(&out);
    QTextStream errStream(&result.err);
    const cli::Environment environment { app.settingsPath(), app.dir.path() };
    result.code
        = cli::run(QStringList { QStringLiteral("korvsetup-cli") } + arguments, environment, outStream, errStream);
    return result;
}

QStringList warningsSeen;

void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        warningsSeen << text;
}

// One save of a file the program writes, set up in a folder of its own with an earlier file where
// the save replaces one.
class Attempt {
public:
    explicit Attempt(SavePath path)
        : path_(path)
    {
        app_.fileDialogs = &dialogs_;
        switch (path_) {
        case SavePath::WindowConfiguration:
            target_ = app_.dir.filePath(QStringLiteral("cfg3.json"));
            writeEarlier("{ \"earlier\": true }\n");
            ready_ = app_.start(seedFor(0, 130));
            app_.read();
            break;
        case SavePath::MonitorText:
            target_ = app_.dir.filePath(QStringLiteral("mon.txt"));
            writeEarlier("an earlier trace\n");
            monitor_ = std::make_unique<FrameMonitorWindow>(app_.boxes, dialogs_);
            ready_ = true;
            break;
        case SavePath::SettingsAtExit:
            target_ = app_.settingsPath();
            app_.startWithSettings("[Parametros]\nPort=/dev/korv-none\nTemperatura=C\n; bench 3\n");
            // A change the window must write at exit.
            app_.form->ui.FastExchangeItem->trigger();
            ready_ = true;
            break;
        case SavePath::CommandLineBackup:
            target_ = app_.dir.filePath(BackupName);
            ready_ = app_.start(seedFor(0, 130));
            break;
        }
        dialogs_.path = target_;
        app_.boxes.clear();
    }

    bool ready() const { return ready_; }
    QString folder() const { return app_.dir.path(); }
    QString target() const { return target_; }

    // Whether the program said the save was done, what it told the user, and the exit code of the
    // command line.
    struct Told {
        bool saved = false;
        QStringList texts;
        int exitCode = -1;
    };
    Told save()
    {
        Told told;
        warningsSeen.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
        switch (path_) {
        case SavePath::WindowConfiguration:
            app_.form->SalvarConfig1Click();
            told.saved = app_.boxes.shown.isEmpty();
            break;
        case SavePath::MonitorText:
            told.saved = monitor_->saveAsText();
            break;
        case SavePath::SettingsAtExit:
            app_.form->close();
            told.saved = !warningsSeen.join(u'|').contains(target_);
            break;
        case SavePath::CommandLineBackup: {
            const CliResult result = runCli(app_, { QStringLiteral("backup") });
            told.saved = result.code == 0;
            told.exitCode = result.code;
            told.texts << result.err;
            break;
        }
        }
        qInstallMessageHandler(previous);
        told.texts << app_.boxTexts() << warningsSeen;
        return told;
    }

private:
    void writeEarlier(const QByteArray& bytes)
    {
        QFile file(target_);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    SavePath path_;
    AppFixture app_;
    FixedFileDialogs dialogs_;
    std::unique_ptr<FrameMonitorWindow> monitor_;
    QString target_;
    bool ready_ = false;
};

}  // namespace

// Every file the program writes goes through one save routine: on a disk that takes fewer bytes
// than the file needs (none, or all but the last), whatever was there stays byte for byte, no part
// of the new file is left behind, and the user is told where the save failed.
class FileSaveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failedSaveKeepsWhatWasThere_data()
    {
        QTest::addColumn<SavePath>("path");
        QTest::addColumn<int>("exitCode");  // the command line's on failure; -1 for the window
        QTest::addColumn<qint64>("fewestBytes");  // the smallest limit tried
        QTest::newRow("window: configuration file") << SavePath::WindowConfiguration << -1 << qint64(0);
        QTest::newRow("monitor: text") << SavePath::MonitorText << -1 << qint64(0);
        QTest::newRow("window: settings at exit") << SavePath::SettingsAtExit << -1 << qint64(0);
        // The command line opens the port under the limit too, and its lock file needs a few bytes.
        QTest::newRow("command line: backup") << SavePath::CommandLineBackup << 2 << qint64(100);
    }
    void failedSaveKeepsWhatWasThere()
    {
        QFETCH(SavePath, path);
        QFETCH(int, exitCode);
        QFETCH(qint64, fewestBytes);
        qint64 size = 0;
        {
            Attempt whole(path);
            QVERIFY(whole.ready());
            const QMap<QString, QByteArray> before = folderContents(whole.folder());
            const Attempt::Told told = whole.save();
            QVERIFY2(told.saved, qPrintable(told.texts.join(u'|')));
            QMap<QString, QByteArray> after = folderContents(whole.folder());
            after.removeIf([&](QMap<QString, QByteArray>::iterator entry) {
                return before.contains(entry.key()) && before.value(entry.key()) == entry.value();
            });
            QCOMPARE(after.size(), 1);
            size = after.first().size();
        }
        QVERIFY(size > fewestBytes + 1);
        for (const qint64 limit : { size - 1, fewestBytes }) {
            Attempt attempt(path);
            QVERIFY(attempt.ready());
            const QMap<QString, QByteArray> before = folderContents(attempt.folder());
            Attempt::Told told;
            {
                FileSizeLimit disk(limit);
                told = attempt.save();
            }
            QVERIFY2(!told.saved, qPrintable(QStringLiteral("%1 bytes").arg(limit)));
            QCOMPARE(folderContents(attempt.folder()), before);
            const QString text = told.texts.join(u'|');
            QVERIFY2(text.contains(attempt.target()), qPrintable(text));
            QCOMPARE(told.exitCode, exitCode);
        }
    }

    // The rules of the routine itself where a file is already at the path, and the permissions of
    // what it creates.
    void saveFileRules_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<SaveMode>("mode");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QByteArray>("atTarget");  // the bytes then at the file the path names
        QTest::addColumn<int>("permissions");  // of that file; -1 when none is there
        const QByteArray earlier("earlier");
        const QByteArray saved("saved");
        QTest::newRow("new file") << "" << SaveMode::Replace << int(SaveResult::Saved) << "" << saved << 0640;
        QTest::newRow("new backup") << "" << SaveMode::CreateNew << int(SaveResult::Saved) << "" << saved << 0640;
        QTest::newRow("replaced, its mode kept")
            << "file 0604" << SaveMode::Replace << int(SaveResult::Saved) << "" << saved << 0604;
        QTest::newRow("backup never replaced")
            << "file 0604" << SaveMode::CreateNew << int(SaveResult::AlreadyExists) << "" << earlier << 0604;
        QTest::newRow("through a link") << "link" << SaveMode::Replace << int(SaveResult::Saved) << "" << saved << 0604;
        QTest::newRow("through a link to no file")
            << "dangling link" << SaveMode::Replace << int(SaveResult::Saved) << "" << saved << 0640;
        QTest::newRow("backup never through a link")
            << "dangling link" << SaveMode::CreateNew << int(SaveResult::AlreadyExists) << "" << QByteArray() << -1;
        QTest::newRow("never over a FIFO") << "fifo" << SaveMode::Replace << int(SaveResult::Failed)
                                           << "é um FIFO, não um arquivo comum" << QByteArray() << -1;
        QTest::newRow("never over a folder") << "folder" << SaveMode::Replace << int(SaveResult::Failed)
                                             << "é uma pasta, não um arquivo comum" << QByteArray() << -1;
    }
    void saveFileRules()
    {
        QFETCH(QString, existing);
        QFETCH(SaveMode, mode);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        QFETCH(QByteArray, atTarget);
        QFETCH(int, permissions);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved.txt"));
        const QString target
            = existing.contains(QLatin1String("link")) ? dir.filePath(QStringLiteral("target.txt")) : path;
        if (existing.contains(QLatin1String("link")))
            QVERIFY(QFile::link(QStringLiteral("target.txt"), path));
        if (existing == QLatin1String("file 0604") || existing == QLatin1String("link")) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier");
            file.close();
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0604), 0);
        } else if (existing == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        } else if (existing == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        }
        const mode_t umask = ::umask(027);
        const SaveResult result = saveFile(path, "saved", mode);
        ::umask(umask);
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.reason, reason);
        QCOMPARE(QFileInfo(path).isSymLink(), existing.contains(QLatin1String("link")));
        struct stat info { };
        const bool isFile = ::stat(QFile::encodeName(target).constData(), &info) == 0 && S_ISREG(info.st_mode);
        QCOMPARE(isFile ? int(info.st_mode & 07777) : -1, permissions);
        if (isFile) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), atTarget);
        }
        // Nothing but what the row set up and the saved file.
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).size(),
            existing.contains(QLatin1String("link")) && isFile ? 2 : 1);
    }

    // A backup name taken by something that is no backup file is said as what it is; it is never
    // opened as a file (a FIFO would hang the command, a device never end) and stays as it was.
    void backupNameTakenByNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        QTest::newRow("FIFO") << "fifo"
                              << "é um FIFO, não um arquivo comum";
        QTest::newRow("folder") << "folder"
                                << "é uma pasta, não um arquivo comum";
        QTest::newRow("link to /dev/zero") << "zero"
                                           << "é um dispositivo, não um arquivo comum";
        QTest::newRow("link to no file") << "dangling"
                                         << "é um link para ";
        QTest::newRow("larger than a backup") << "large"
                                              << "o arquivo é grande demais";
    }
    void backupNameTakenByNoFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        AppFixture app;
        QVERIFY(app.start(seedFor(0, 130)));
        const QString path = app.dir.filePath(BackupName);
        const QByteArray path8 = QFile::encodeName(path);
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(path8.constData(), 0644), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (kind == QLatin1String("zero"))
            QCOMPARE(::symlink("/dev/zero", path8.constData()), 0);
        else if (kind == QLatin1String("dangling"))
            QCOMPARE(::symlink("gone.txt", path8.constData()), 0);
        else
            QVERIFY(QFile(path).open(QIODevice::WriteOnly) && ::truncate(path8.constData(), 65 * 1024) == 0);
        const QMap<QString, QByteArray> before = folderContents(app.dir.path());
        const CliResult result = runCli(app, { QStringLiteral("backup") });
        QCOMPARE(result.code, 3);
        QVERIFY2(result.err.startsWith(
                     QStringLiteral("%1 já existe, mas não pôde ser lido para comparar: %2").arg(path, told)),
            qPrintable(result.err));
        QCOMPARE(folderContents(app.dir.path()), before);
    }
};

QTEST_MAIN(FileSaveTest)
#include "tst_filesave.moc"
