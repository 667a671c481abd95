#include "core/protocol/SendReport.h"

#include "core/CoreText.h"

namespace korv {

QString registerList(const std::vector<qint16>& addresses)
{
    if (addresses.empty())
        return QStringLiteral("nenhum");
    QStringList numbers;
    for (qint16 address : addresses)
        numbers << QString::number(address);
    return numbers.join(QStringLiteral(", "));
}

QStringList partialSendNotice(const std::vector<WrittenRegister>& written)
{
    const WriteOutcome outcome = writeOutcome(written);
    if (outcome.empty())
        return {};
    return { CoreText::tr("Atenção: o envio parou no meio; o transmissor ficou configurado só em parte."),
        CoreText::tr("Registros já escritos: %1.").arg(registerList(outcome.confirmed)),
        CoreText::tr("Registros enviados sem confirmação (podem ter mudado): %1.")
            .arg(registerList(outcome.unconfirmed)),
        CoreText::tr("Envie a configuração de novo, ou leia-a para ver o que ele guarda agora.") };
}

}  // namespace korv
