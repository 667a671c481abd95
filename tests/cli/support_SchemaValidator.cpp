#include "SchemaValidator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace korv::test::schemas {

namespace {

constexpr int AnswerTimeoutMs = 30000;

class Validator;
Validator& validator();

class Validator {
public:
    QString ask(const QByteArray& request)
    {
        if (!start())
            return failure_;
        process_.write(request + '\n');
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(AnswerTimeoutMs)) {
                failure_ = QStringLiteral("the schema validator stopped answering: %1")
                               .arg(QString::fromUtf8(process_.readAllStandardError()));
                return failure_;
            }
        }
        const QString answer = QString::fromUtf8(process_.readLine()).trimmed();
        return answer == QLatin1String("ok") ? QString() : answer;
    }

    void stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.closeWriteChannel();
        if (!process_.waitForFinished(5000))
            process_.kill();
        process_.waitForFinished();
    }

private:
    bool start()
    {
        if (process_.state() == QProcess::Running)
            return true;
        if (!failure_.isEmpty())
            return false;
        // Debian's interpreter, where install-deps puts python3-jsonschema; any python3 otherwise.
        const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3"))
            ? QStringLiteral("/usr/bin/python3")
            : QStringLiteral("python3");
        process_.start(python, { QStringLiteral(KORV_SCHEMA_VALIDATOR), QStringLiteral(KORV_SCHEMA_DIR) });
        if (!process_.waitForStarted()) {
            failure_ = QStringLiteral("%1 did not start: %2").arg(python, process_.errorString());
            return false;
        }
        // Stopped while the application still exists: QProcess needs it to wait for the child.
        qAddPostRoutine([] { validator().stop(); });
        return true;
    }

    QProcess process_;
    // Why the validator cannot run (python3-jsonschema missing: scripts/install-deps.sh); every
    // later question gets the same answer at once.
    QString failure_;
};

Validator& validator()
{
    static Validator instance;
    return instance;
}

QString ask(const QJsonObject& request)
{
    return validator().ask(QJsonDocument(request).toJson(QJsonDocument::Compact));
}

}  // namespace

QString problem(const QString& schema, const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull())
        return QStringLiteral("not JSON: %1 in %2").arg(error.errorString(), QString::fromUtf8(json));
    return ask({ { QStringLiteral("schema"), schema },
        { QStringLiteral("document"),
            document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object()) } });
}

QString schemaProblem(const QString& file)
{
    return ask({ { QStringLiteral("checkSchema"), file } });
}

QStringList files()
{
    return QDir(QStringLiteral(KORV_SCHEMA_DIR)).entryList({ QStringLiteral("*.schema.json") }, QDir::Files);
}

QString forCommandLine(const QStringList& arguments)
{
    for (const QString& command : { QStringLiteral("identify"), QStringLiteral("read"), QStringLiteral("write"),
             QStringLiteral("verify"), QStringLiteral("check"), QStringLiteral("history") }) {
        if (arguments.contains(command))
            return command + QStringLiteral(".schema.json");
    }
    return QStringLiteral("common.schema.json#/$defs/errorDocument");
}

}  // namespace korv::test::schemas
