#include "core/protocol/SendReport.h"

#include <QCoreApplication>

namespace korv {

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(korv::SendReport)
};
}  // namespace

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
    return { Tr::tr("Atenção: o envio parou no meio; o transmissor ficou configurado só em parte."),
        Tr::tr("Registros já escritos: %1.").arg(registerList(outcome.confirmed)),
        Tr::tr("Registros enviados sem confirmação (podem ter mudado): %1.").arg(registerList(outcome.unconfirmed)),
        Tr::tr("Envie a configuração de novo, ou leia-a para ver o que ele guarda agora.") };
}

}  // namespace korv
