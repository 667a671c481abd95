#include "common/Messages.h"

namespace korv {

const std::array<QString, MessageTable::Count>& MessageTable::builtIn()
{
    static const std::array<QString, Count> table = {
        QStringLiteral("Os valores dos limites estão incorretos!"),
        QStringLiteral("O valor da Correção de zero está fora dos limites!"),
        QStringLiteral("Erro de comunicação!"),
        QStringLiteral("Atenção"),
        QStringLiteral("Erro na configuração da porta serial!"),
        QStringLiteral("Erro de escrita!"),
        QStringLiteral("Não foi digitado valor da faixa!"),
        QStringLiteral("Tipo de saída: "),
        QStringLiteral("4 - 20 mA"),
        QStringLiteral("0 - 10 V"),
        QStringLiteral("0 - 5 V"),
        QStringLiteral("Desconhecido"),
        QStringLiteral("Número de série: "),
        QStringLiteral("Versão de Firmware incompatível!"),
        QStringLiteral("Versão do Firmware: "),
        QStringLiteral("Modelo: "),
        QStringLiteral("Envio OK"),
        QStringLiteral("Leitura OK"),
        QStringLiteral("0 - 50 mV"),
        QStringLiteral("Termopar K"),
        QStringLiteral("Termopar J"),
        QStringLiteral("Termopar R"),
        QStringLiteral("Termopar S"),
        QStringLiteral("Termopar T"),
        QStringLiteral("Termopar N"),
        QStringLiteral("Termopar E"),
        QStringLiteral("Termopar B"),
        QStringLiteral("Pt100 (0,00385)"),
        QStringLiteral("0 - 10 V"),
        QStringLiteral("0 - 20 mA"),
        QStringLiteral("4 - 20 mA"),
        QStringLiteral("Última Leitura de Umidade = "),
        QStringLiteral("Última Leitura de Temperatura = "),
        QStringLiteral("Procurando Transmissor..."),
        QStringLiteral("Enviando Configuração..."),
        QStringLiteral("Lendo Configuração..."),
        QStringLiteral("Medida de Umidade"),
        QStringLiteral("Umidade Relativa"),
        QStringLiteral("Umidade Absoluta"),
        QStringLiteral("Ponto de Orvalho"),
        QStringLiteral("a"),
    };
    return table;
}

MessageTable::MessageTable()
    : working_(builtIn())
{
}

QString MessageTable::text(int number) const
{
    if (number < 0 || number >= Count)
        return {};
    return working_[static_cast<size_t>(number)];
}

void MessageTable::set(int number, const QString& text)
{
    if (number >= 0 && number < Count)
        working_[static_cast<size_t>(number)] = text;
}

void MessageTable::reset()
{
    working_ = builtIn();
}

}  // namespace korv
