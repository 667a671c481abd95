#include "core/history/HistoryText.h"

#include "core/CoreText.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace korv::history {

namespace {

// Scalars as the configuration file writes them; a list as its compact JSON.
QString jsonValueText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Null:
        return QStringLiteral("null");
    default:
        return {};
    }
}

void flatten(const QJsonObject& object, const QString& prefix, QMap<QString, QString>& into)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = prefix.isEmpty() ? it.key() : prefix + u'.' + it.key();
        if (it.value().isObject())
            flatten(it.value().toObject(), key, into);
        else
            into.insert(key, jsonValueText(it.value()));
    }
}

// Keys of either map, in order: the configuration form's own keys sort alike on both sides.
template <typename Key> QList<Key> unitedKeys(const QList<Key>& a, const QList<Key>& b)
{
    QList<Key> keys = a + b;
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

}  // namespace

QString offsetText(int utcOffsetSeconds)
{
    const int minutes = std::abs(utcOffsetSeconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(QChar(utcOffsetSeconds < 0 ? u'-' : u'+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString benchTimeText(const QDateTime& utc, int utcOffsetSeconds)
{
    // The bench's wall clock, not the viewer's: a record read in another zone still says what the
    // technician's clock showed.
    const QDateTime local = utc.toOffsetFromUtc(utcOffsetSeconds);
    return QStringLiteral("%1 (%2)").arg(
        local.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")), offsetText(utcOffsetSeconds));
}

QString outcomeText(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Done:
        return CoreText::tr("Concluído");
    case Outcome::Failed:
        return CoreText::tr("Falhou");
    case Outcome::Stopped:
        return CoreText::tr("Interrompido");
    }
    return {};
}

QString commandText(const QString& command)
{
    // The window's commands and the command line's, by the names the record keeps for them.
    static const QHash<QString, const char*> captions {
        { QStringLiteral("startup-search"), QT_TRANSLATE_NOOP("korv::Core", "Busca inicial") },
        { QStringLiteral("read"), QT_TRANSLATE_NOOP("korv::Core", "Ler configuração") },
        { QStringLiteral("send"), QT_TRANSLATE_NOOP("korv::Core", "Enviar configuração") },
        { QStringLiteral("send-file"), QT_TRANSLATE_NOOP("korv::Core", "Enviar configuração do arquivo") },
        { QStringLiteral("calibration-backup"), QT_TRANSLATE_NOOP("korv::Core", "Cópia da calibração") },
        { QStringLiteral("calibration-apply"), QT_TRANSLATE_NOOP("korv::Core", "Calibração") },
        { QStringLiteral("identify"), QT_TRANSLATE_NOOP("korv::Core", "Identificar") },
        { QStringLiteral("write"), QT_TRANSLATE_NOOP("korv::Core", "Escrever configuração") },
        { QStringLiteral("verify"), QT_TRANSLATE_NOOP("korv::Core", "Verificar configuração") },
        { QStringLiteral("backup"), QT_TRANSLATE_NOOP("korv::Core", "Cópia da calibração") },
        { QStringLiteral("bench"), QT_TRANSLATE_NOOP("korv::Core", "Produção (bench)") },
    };
    const char* caption = captions.value(command, nullptr);
    return caption ? CoreText::tr(caption) : command;
}

QString registerListText(const QList<int>& registers)
{
    QStringList numbers;
    for (int address : registers)
        numbers << QString::number(address);
    return numbers.join(u' ');
}

QString writesText(const Writes& writes)
{
    if (writes.isEmpty())
        return CoreText::tr("nenhum");
    QStringList parts;
    const auto add = [&](const QString& label, const QList<int>& list) {
        if (!list.isEmpty())
            parts << label + u' ' + registerListText(list);
    };
    add(CoreText::tr("confirmados"), writes.confirmed);
    add(CoreText::tr("não mantidos"), writes.notKept);
    add(CoreText::tr("sem confirmação"), writes.unconfirmed);
    return parts.join(QStringLiteral("; "));
}

QString notReadText()
{
    return CoreText::tr("não lido");
}

QString uncertainText()
{
    return CoreText::tr("incerto");
}

QString registerValueText(int value)
{
    return QStringLiteral("%1 (0x%2)")
        .arg(value)
        .arg(QString::number(quint16(value), 16).rightJustified(4, u'0').toUpper());
}

QList<Field> eventFields(const Event& event)
{
    const auto orDash = [](const QString& text) { return text.isEmpty() ? QStringLiteral("—") : text; };
    QList<Field> fields {
        { CoreText::tr("Data"), benchTimeText(event.time, event.utcOffsetSeconds) },
        { CoreText::tr("Número de série"), orDash(event.unit.serialNumber) },
        { CoreText::tr("Modelo"), orDash(event.unit.model) },
        { CoreText::tr("Firmware"), event.unit.firmware ? QString::number(event.unit.firmware) : QStringLiteral("—") },
        { CoreText::tr("Tipo de saída"), orDash(event.unit.outputType) },
        { CoreText::tr("Comando"), commandText(event.command) },
        { CoreText::tr("Resultado"), outcomeText(event.outcome) },
    };
    if (!event.resultText.isEmpty())
        fields << Field { CoreText::tr("Mensagem"), event.resultText };
    if (event.frontEnd == CommandLineFrontEnd)
        fields << Field { CoreText::tr("Código de saída"), QString::number(event.exitCode) };
    fields << Field { CoreText::tr("Usuário"), event.user } << Field { CoreText::tr("Bancada"), event.bench }
           << Field { CoreText::tr("Versão do programa"), event.programVersion }
           << Field { CoreText::tr("Interface"), event.frontEnd } << Field { CoreText::tr("Porta"), orDash(event.port) }
           << Field { CoreText::tr("Registros escritos"), writesText(event.written) }
           << Field { CoreText::tr("Identificador"), event.id };
    return fields;
}

QString eventText(const Event& event)
{
    QStringList lines;
    for (const Field& field : eventFields(event))
        lines << field.label + QStringLiteral(": ") + field.value;
    return lines.join(u'\n');
}

QList<Comparison> registerComparison(const Event& event)
{
    const Snapshot none;
    const Snapshot& found = event.asFound ? *event.asFound : none;
    const Snapshot& left = event.asLeft ? *event.asLeft : none;
    const QList<int>& uncertain = left.uncertain;
    const QList<int> changed = event.asFound && event.asLeft ? changedRegisters(found, left) : QList<int>();
    QList<Comparison> rows;
    for (int address : unitedKeys(found.registers.keys(), left.registers.keys() + uncertain)) {
        Comparison row { QString::number(address), {}, {}, changed.contains(address) };
        if (found.registers.contains(address))
            row.found = registerValueText(found.registers.value(address));
        if (uncertain.contains(address))
            row.left = uncertainText();
        else if (left.registers.contains(address))
            row.left = registerValueText(left.registers.value(address));
        rows << row;
    }
    return rows;
}

QList<Comparison> configurationComparison(const Event& event)
{
    QMap<QString, QString> found;
    QMap<QString, QString> left;
    if (event.asFound)
        flatten(event.asFound->configuration, {}, found);
    if (event.asLeft)
        flatten(event.asLeft->configuration, {}, left);
    const bool both = !found.isEmpty() && !left.isEmpty();
    QList<Comparison> rows;
    for (const QString& key : unitedKeys(found.keys(), left.keys())) {
        const auto inFound = found.constFind(key);
        const auto inLeft = left.constFind(key);
        Comparison row { key, inFound == found.cend() ? QString() : *inFound,
            inLeft == left.cend() ? QString() : *inLeft, false };
        row.differs = both && (inFound == found.cend() || inLeft == left.cend() || *inFound != *inLeft);
        rows << row;
    }
    return rows;
}

QList<Comparison> calibrationComparison(const CalibrationChange& change)
{
    QList<Comparison> rows;
    for (const QString& key : unitedKeys(change.before.keys(), change.after.keys())) {
        const bool before = change.before.contains(key);
        const bool after = change.after.contains(key);
        rows << Comparison { key, before ? QString::number(change.before.value(key)) : QString(),
            after ? QString::number(change.after.value(key)) : QString(),
            before && after && change.before.value(key) != change.after.value(key) };
    }
    return rows;
}

}  // namespace korv::history
