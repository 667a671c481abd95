// The settings file and the port names it may hold: any bytes as the INI file, then the rules
// that pick the port to open; and the same bytes through the updater that writes the file back.
#include "core/files/Settings.h"
#include "core/files/SettingsText.h"
#include "core/link/LinkSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) { }

QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray withoutBlanks(const QByteArray& line)
{
    QByteArray out = line;
    out.replace(' ', "").replace('\t', "").replace('\r', "").replace('\v', "").replace('\f', "");
    return out;
}

// A line an update may change, remove or add: a key line of one of the program's keys, or the
// header of its section. Told apart from the updater's own reading by nothing but the key's
// letters, so that a line the updater wrongly took for one of its own still has to match.
bool mayChange(const QByteArray& line)
{
    const QByteArray bare = withoutBlanks(line).toLower();
    if (bare.isEmpty() || bare == "[parametros]")
        return true;
    const QByteArray key = bare.left(bare.indexOf('='));
    return bare.contains('=') && (key == "port" || key == "temperatura" || key == "rapida");
}

QList<QByteArray> untouchable(const QByteArray& text)
{
    QList<QByteArray> kept;
    for (const QByteArray& line : linesOf(text)) {
        if (!mayChange(line))
            kept << line;
    }
    return kept;
}

// The lines of `text` that are not the program's own are those of `updated`, byte for byte; only
// a last line without a line ending may have gained one (with its carriage return).
bool keptAsTheyWere(const QByteArray& text, const QByteArray& updated)
{
    const QList<QByteArray> before = untouchable(text);
    const QList<QByteArray> after = untouchable(updated);
    if (before.size() != after.size())
        return false;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const bool lastOpen = i == before.size() - 1 && !text.endsWith('\n') && text.endsWith(before[i]);
        if (after[i] != before[i] && !(lastOpen && after[i] == before[i] + '\r'))
            return false;
    }
    return true;
}

// The updater: any bytes in, the updated bytes out. Every line that is not the program's own
// comes out unchanged and in its place, the text then reads as the settings written, and a second
// update of it changes nothing.
void checkUpdate(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<korv::AppSettings> read = korv::settingsFromText(text);
    korv::AppSettings wanted = read.value_or(korv::AppSettings {});
    const unsigned choice = size > 0 ? data[size - 1] : 0;
    if (choice & 1)
        wanted.PortSetting = QStringLiteral("/dev/ttyUSB0");
    if (choice & 2)
        wanted.UnitSetting = (choice & 8) ? QStringLiteral(" F\"") : QStringLiteral("F");
    if (choice & 4)
        wanted.FastExchange = !wanted.FastExchange;
    if (choice & 16)
        wanted.PortSetting = QStringLiteral("\"COM3\"");
    const std::optional<QByteArray> updated = korv::updatedSettingsText(text, wanted);
    if (read.has_value() != updated.has_value())
        __builtin_trap();
    if (!updated)
        return;
    if (!keptAsTheyWere(text, *updated))
        __builtin_trap();
    const std::optional<korv::AppSettings> back = korv::settingsFromText(*updated);
    if (!back || back->PortSetting != wanted.PortSetting || back->UnitSetting != wanted.UnitSetting
        || back->FastExchange != wanted.FastExchange)
        __builtin_trap();
    if (korv::updatedSettingsText(*updated, wanted) != updated)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_settings";
    static char* argv[] = { name, nullptr };
    static QCoreApplication application(argc, argv);
    static QTemporaryDir dir;
    // A file that is no text is said on standard error at every run otherwise.
    static const QtMessageHandler previous = qInstallMessageHandler(quiet);
    (void)previous;
    const QString path = dir.filePath(QStringLiteral("OrvSetup.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const korv::AppSettings settings = korv::readSettings(path);
    const QString port = settings.portToOpen();
    // The port opened is always one the rules accept, whatever the file says.
    if (!korv::isUsablePortName(port))
        __builtin_trap();
    (void)korv::deviceNameFor(port);
    (void)korv::settingPortNumber(settings.PortSetting);
    (void)korv::comPortNumber(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    (void)settings.fahrenheit();
    checkUpdate(data, size);
    return 0;
}
