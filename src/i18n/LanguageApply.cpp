#include "i18n/LanguageApply.h"

#include <optional>

#include <initializer_list>

namespace korv {

namespace {

using TargetTable = std::array<LanguageLineTarget, LanguageLineCount>;

void captions(TargetTable& table, int line, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        table[static_cast<size_t>(line)].objectNames.append(QLatin1String(name));
}

void messages(TargetTable& table, int firstLine, int firstMessage, int count)
{
    for (int i = 0; i < count; ++i)
        table[static_cast<size_t>(firstLine + i)].message = firstMessage + i;
}

TargetTable buildTargets()
{
    TargetTable t;
    captions(t, 0, { "Arquivo1" });
    captions(t, 1, { "Sair1" });
    captions(t, 2, { "Opes1" });
    captions(t, 3, { "Comunic1" });
    captions(t, 4, { "UnidadeTemp1" });
    captions(t, 5, { "Ajuda1" });
    captions(t, 6, { "Topicos1" });
    captions(t, 7, { "Sobre1" });
    captions(t, 8, { "SensorRadioGroup" });
    messages(t, 9, Msg::FirstSensorName, 10);
    // One text for the matching control of the head/rail page, the humidity page (its humidity and
    // temperature halves) and the ambient page.
    captions(t, 19, { "GroupBox2", "EscFaixaRHLb", "EscFaixaTempLb", "GroupBox10" });
    captions(t, 20, { "Label2LimMin", "LimInfRHLb", "LimInfTempLb", "TempLowLimitLabel" });
    captions(t, 21, { "Label1LimMax", "LimSupRHLb", "LimSupTempLb", "TempHighLimitLabel" });
    captions(t, 22, { "Label3FaixaSen", "FaixaSensRHLb", "FaixaSensTempLb", "SensorRangeLabel" });
    captions(t, 23, { "Label4FaixaMin", "FaixaMinRHLb", "FaixaMinTempLb", "MinSensorRangeLabel" });
    captions(t, 24, { "GroupBox3" });
    captions(t, 25, { "Label5Rede" });
    captions(t, 26, { "GroupBox4", "FalhaSensRHLb", "FalhaSensTempLb", "GroupBox1" });
    captions(t, 27, { "Label6SelecOut", "EstadoRHLb", "EstadoTempLb", "SelectLabel" });
    captions(t, 28, { "Forca_SaidaMin", "MinRHRadioButton", "MinTempRadioButton", "MinFailOptionRadioButton" });
    captions(t, 29, { "Forca_SaidaMax", "MaxRHRadioButton", "MaxTempRadioButton", "MaxFailOptionRadioButton" });
    captions(t, 30, { "Corrzero", "ZeroRHLb", "ZeroTempLb", "GroupBox12" });
    captions(t, 31, { "Label1", "MinRHLb", "MinTempLb", "ZeroAdjustMinLabel" });
    captions(t, 32, { "Label2", "MaxRHLb", "MaxTempLb", "ZeroAdjustMaxLabel" });
    captions(t, 33, { "GroupBox5", "GroupBox11", "GroupBox9" });
    captions(t, 34, { "Ler_Config" });
    captions(t, 35, { "Enviar_Config" });
    messages(t, 36, Msg::LimitsIncorrect, 18);
    // Lines 54 to 56 belong to the About box; the names of the isolated rail inputs (entries 28 to
    // 30) have no line at all and always keep their built-in texts.
    messages(t, 57, Msg::LiveHumidityPrefix, 3);
    captions(t, 60, { "UmidadeGroupBox" });
    captions(t, 61, { "TemperaturaGroupBox" });
    messages(t, 65, Msg::SendingConfiguration, 7);
    return t;
}

}  // namespace

const std::array<LanguageLineTarget, LanguageLineCount>& languageLineTargets()
{
    static const TargetTable table = buildTargets();
    return table;
}

void applyLanguageMessages(const LanguageLines& language, MessageTable& messages)
{
    if (!language.loaded)
        return;
    const auto& targets = languageLineTargets();
    for (int line = 0; line < LanguageLineCount; ++line) {
        // A file shorter than the layout keeps the built-in text for every line it lacks, rather
        // than giving up on the lines it does have.
        const std::optional<QString> text = language.line(line);
        const int message = targets[static_cast<size_t>(line)].message;
        if (text && message >= 0)
            messages.set(message, *text);
    }
}

void forEachLanguageCaption(const LanguageLines& language,
    const std::function<void(const QStringList& objectNames, const QString& text)>& caption)
{
    if (!language.loaded)
        return;
    const auto& targets = languageLineTargets();
    for (int line = 0; line < LanguageLineCount; ++line) {
        const std::optional<QString> text = language.line(line);
        const QStringList& names = targets[static_cast<size_t>(line)].objectNames;
        if (text && !names.isEmpty())
            caption(names, *text);
    }
}

LanguageLines loadLanguage(MessageTable& messages, const QString& directory, const QString& fallbackDirectory)
{
    messages.reset();
    return loadLanguageFile(directory, fallbackDirectory);
}

}  // namespace korv
