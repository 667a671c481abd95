#include "core/SendReport.h"

#include <QList>

namespace korv {

QStringList partialSendNotice(const std::vector<WrittenRegister>& written)
{
    QList<int> addresses;
    for (const WrittenRegister& w : written) {
        if (!addresses.contains(w.address))
            addresses << w.address;
    }
    if (addresses.isEmpty())
        return {};
    QStringList numbers;
    for (int address : addresses)
        numbers << QString::number(address);
    return { QStringLiteral("Atenção: o envio parou no meio; o transmissor ficou configurado só em parte."),
        QStringLiteral("Registros já escritos: %1.").arg(numbers.join(QStringLiteral(", "))),
        QStringLiteral("Envie a configuração de novo, ou leia-a para ver o que ele guarda agora.") };
}

}  // namespace korv
