#include "cli/CliTexts.h"

#include "core/families/headrail/HeadRailSensors.h"
#include "i18n/LanguageApply.h"

namespace korv::cli {

CliTexts::CliTexts(const QString& directory, const QString& fallbackDirectory)
    : language_(loadLanguage(messages_, directory, fallbackDirectory))
{
    applyLanguageMessages(language_, messages_);
}

QString CliTexts::caption(int line, const QString& builtIn) const
{
    // Captions carry the window's keyboard accelerators and padding, which mean nothing here.
    const QString text = language_.line(line).value_or(builtIn).remove(u'&').trimmed();
    return text.isEmpty() ? builtIn : text;
}

QString CliTexts::sensorSelection() const
{
    return caption(8, QStringLiteral("Seleção de Sensor"));
}

QString CliTexts::lowerLimit() const
{
    return caption(20, QStringLiteral("Limite Inferior"));
}

QString CliTexts::upperLimit() const
{
    return caption(21, QStringLiteral("Limite Superior"));
}

QString CliTexts::sensorRange() const
{
    return caption(22, QStringLiteral("Faixa do Sensor"));
}

QString CliTexts::minimumSpan() const
{
    return caption(23, QStringLiteral("Faixa Mínima"));
}

QString CliTexts::mainsFilter() const
{
    return caption(24, QStringLiteral("Otimização"));
}

QString CliTexts::sensorFailure() const
{
    return caption(26, QStringLiteral("Falha de Sensor"));
}

QString CliTexts::minimum() const
{
    return caption(28, QStringLiteral("Mínimo"));
}

QString CliTexts::maximum() const
{
    return caption(29, QStringLiteral("Máximo"));
}

QString CliTexts::zeroCorrection() const
{
    return caption(30, QStringLiteral("Correção do Zero"));
}

QString CliTexts::zeroMinimum() const
{
    return caption(31, QStringLiteral("Mín:"));
}

QString CliTexts::zeroMaximum() const
{
    return caption(32, QStringLiteral("Máx:"));
}

QString CliTexts::humidityInput() const
{
    return caption(60, QStringLiteral("Entrada de Umidade"));
}

QString CliTexts::temperatureInput() const
{
    return caption(61, QStringLiteral("Entrada de Temperatura"));
}

QString CliTexts::sensorName(int code) const
{
    return messages_[headrail::sensorMessage(code)];
}

}  // namespace korv::cli
