#include "core/diagnostics/ConnectionCheck.h"

#include "common/StopRequest.h"
#include "core/CoreText.h"
#include "core/diagnostics/FrameDescription.h"
#include "core/link/Frame.h"
#include "core/link/LinkSettings.h"
#include "core/link/SerialLink.h"
#include "core/link/port/PortAccess.h"
#include "core/protocol/Identification.h"
#include "core/protocol/RegisterProtocol.h"

#include <QCoreApplication>

#include <algorithm>

namespace korv {

namespace {

using Id = CheckStep::Id;
using Outcome = CheckStep::Outcome;
using Finding = CheckStep::Finding;

constexpr Id AllSteps[] = { Id::PortExists, Id::MayOpen, Id::NotHeld, Id::Opens, Id::Echo, Id::Answer, Id::Identified };

// Services known to take serial ports for themselves, and how a technician stops them.
struct GreedyService {
    const char* name;
    const char* stopCommand;
};
constexpr GreedyService GreedyServices[] = {
    { "ModemManager", "sudo systemctl stop ModemManager" },
    { "brltty", "sudo systemctl stop brltty" },
};

#ifdef Q_OS_UNIX
QString octal(uint mode)
{
    return QStringLiteral("%1").arg(mode, 4, 8, QLatin1Char('0'));
}
#endif

// The end of the sentence about a missing port: which ports there are instead.
QString otherPorts(const QStringList& present)
{
    if (present.isEmpty())
        return CoreText::tr("nenhuma porta serial foi encontrada: ligue o adaptador USB-serial e verifique de novo.");
    return CoreText::tr("portas encontradas: %1; escolha a certa nas opções de comunicação, ou ligue o adaptador e "
                        "verifique de novo.")
        .arg(present.join(QStringLiteral(", ")));
}

class CheckRun {
public:
    CheckRun(const QString& port, const std::function<void(const CheckStep&)>& progress)
        : progress_(progress)
    {
        report.port = port;
        report.device = deviceNameFor(port);
        for (const Id id : AllSteps)
            report.steps.push_back({ id, Outcome::NotRun, Finding::None, {} });
    }

    bool pass(Id id, QString sentence) { return conclude(id, Outcome::Passed, Finding::None, std::move(sentence)); }
    bool skip(Id id, QString sentence) { return conclude(id, Outcome::Skipped, Finding::None, std::move(sentence)); }
    bool fail(Id id, Finding finding, QString sentence)
    {
        return conclude(id, Outcome::Failed, finding, std::move(sentence));
    }

    ConnectionReport report;

private:
    bool conclude(Id id, Outcome outcome, Finding finding, QString sentence)
    {
        CheckStep& step = report.steps[static_cast<size_t>(id)];
        step.outcome = outcome;
        step.finding = finding;
        step.sentence = std::move(sentence);
        if (progress_)
            progress_(step);
        return outcome != Outcome::Failed;
    }

    const std::function<void(const CheckStep&)>& progress_;
};

bool checkExists(CheckRun& run, const QStringList& present, DeviceNode& node)
{
    const QString& device = run.report.device;
    if (device.isEmpty()) {
        return run.fail(Id::PortExists, Finding::Missing,
            CoreText::tr("«%1» não é o nome de uma porta serial; %2").arg(run.report.port, otherPorts(present)));
    }
#ifdef Q_OS_UNIX
    node = inspectDevice(device);
    switch (node.state) {
    case DeviceNode::State::Missing:
        return run.fail(
            Id::PortExists, Finding::Missing, CoreText::tr("%1 não existe; %2").arg(device, otherPorts(present)));
    case DeviceNode::State::Unreachable:
        return run.fail(Id::PortExists, Finding::Unreachable,
            CoreText::tr("Não é possível chegar a %1: uma pasta do caminho não deixa você entrar; use o caminho do "
                         "próprio dispositivo, como /dev/ttyUSB0.")
                .arg(device));
    case DeviceNode::State::NotADevice:
        return run.fail(Id::PortExists, Finding::NotADevice,
            CoreText::tr("%1 existe, mas não é um dispositivo de porta serial: escolha a porta certa nas opções de "
                         "comunicação.")
                .arg(device));
    case DeviceNode::State::Present:
        break;
    }
    if (!node.target.isEmpty() && node.target != device)
        return run.pass(Id::PortExists, CoreText::tr("%1 existe (é o dispositivo %2).").arg(device, node.target));
    return run.pass(Id::PortExists, CoreText::tr("%1 existe.").arg(device));
#else
    Q_UNUSED(node);
    const bool listed = std::any_of(present.begin(), present.end(),
        [&](const QString& port) { return deviceNameFor(port).compare(device, Qt::CaseInsensitive) == 0; });
    if (!listed) {
        return run.fail(Id::PortExists, Finding::Missing,
            CoreText::tr("%1 não está entre as portas do sistema; %2").arg(run.report.port, otherPorts(present)));
    }
    return run.pass(Id::PortExists, CoreText::tr("%1 existe.").arg(run.report.port));
#endif
}

bool checkMayOpen(CheckRun& run, const DeviceNode& node)
{
#ifdef Q_OS_UNIX
    const QString& device = run.report.device;
    const UserAccount user = currentUser();
    switch (judgeAccess(node, user, systemAllowsReadWrite(device))) {
    case AccessFinding::Allowed: {
        const QString membership = user.sessionGroups.contains(node.groupId)
            ? CoreText::tr("; você está no grupo %1").arg(node.groupName)
            : QString();
        return run.pass(Id::MayOpen,
            CoreText::tr("Você pode ler e escrever em %1 (dono %2, grupo %3, permissões %4%5).")
                .arg(device, node.ownerName, node.groupName, octal(node.mode), membership));
    }
    case AccessFinding::JoinGroup:
        return run.fail(Id::MayOpen, Finding::JoinGroup,
            CoreText::tr("Você não pode abrir %1: ela é do grupo %2 e o usuário %3 não está nele; entre no grupo com "
                         "o comando «sudo adduser %3 %2» e depois saia e entre de novo na sessão.")
                .arg(device, node.groupName, user.name));
    case AccessFinding::LogInAgain:
        return run.fail(Id::MayOpen, Finding::LogInAgain,
            CoreText::tr("O usuário %1 já está no grupo %2, dono de %3, mas esta sessão começou antes disso: saia e "
                         "entre de novo na sessão (ou reinicie o computador).")
                .arg(user.name, node.groupName, device));
    case AccessFinding::OwnerOnly:
        return run.fail(Id::MayOpen, Finding::OwnerOnly,
            CoreText::tr("Só o usuário %1 pode abrir %2 (permissões %3, grupo %4 sem acesso): peça ao administrador "
                         "que dê a porta a um grupo com leitura e escrita, como dialout, e que ponha você nesse "
                         "grupo.")
                .arg(node.ownerName, device, octal(node.mode), node.groupName));
    case AccessFinding::OwnerLocked:
        return run.fail(Id::MayOpen, Finding::OwnerLocked,
            CoreText::tr("%1 é sua, mas as permissões dela (%2) não deixam nem o dono abri-la: peça ao "
                         "administrador que as corrija.")
                .arg(device, octal(node.mode)));
    case AccessFinding::Denied:
        return run.fail(Id::MayOpen, Finding::Denied,
            CoreText::tr("O sistema não deixa você abrir %1, embora as permissões (%2, dono %3, grupo %4) "
                         "permitam: uma regra de segurança do sistema impede; fale com o administrador.")
                .arg(device, octal(node.mode), node.ownerName, node.groupName));
    }
    return false;
#else
    Q_UNUSED(node);
    return run.skip(Id::MayOpen,
        CoreText::tr("Este sistema não diz de antemão quem pode abrir a porta; a abertura, adiante, mostra."));
#endif
}

bool checkNotHeld(CheckRun& run)
{
    const QString& device = run.report.device;
    const HolderSearch search = findPortHolders(device);
    if (!search.supported) {
        return run.skip(Id::NotHeld,
            CoreText::tr("Este sistema não diz quais programas estão com a porta aberta; a abertura, adiante, "
                         "mostra se ela está livre."));
    }
    if (search.holders.isEmpty()) {
        if (search.unreadable > 0) {
            const QString unseen = search.unreadable == 1 ? CoreText::tr("1 processo")
                                                          : CoreText::tr("%1 processos").arg(search.unreadable);
            QString suspect;
            for (const GreedyService& service : GreedyServices) {
                if (suspect.isEmpty() && search.unreadableNames.contains(QLatin1String(service.name))) {
                    suspect = CoreText::tr("; entre eles está %1, que costuma tomar portas seriais: se a porta não "
                                           "responder, pare-o com «%2»")
                                  .arg(QLatin1String(service.name), QLatin1String(service.stopCommand));
                }
            }
            return run.pass(Id::NotHeld,
                CoreText::tr("Nenhum outro programa visível está com %1 aberta (o sistema não deixou examinar %2%3).")
                    .arg(device, unseen, suspect));
        }
        return run.pass(Id::NotHeld, CoreText::tr("Nenhum outro programa está com %1 aberta.").arg(device));
    }
    QStringList names;
    QString stopHint;
    for (const PortHolder& holder : search.holders) {
        names << CoreText::tr("%1 (processo %2)").arg(holder.name).arg(holder.pid);
        for (const GreedyService& service : GreedyServices) {
            if (holder.name == QLatin1String(service.name) && stopHint.isEmpty()) {
                stopHint = CoreText::tr(" (%1 é um serviço do sistema: pare-o com «%2»)")
                               .arg(holder.name, QLatin1String(service.stopCommand));
            }
        }
    }
    const QString sentence = names.size() == 1
        ? CoreText::tr("O programa %1 está com %2 aberta: feche-o%3 e verifique de novo.")
        : CoreText::tr("Os programas %1 estão com %2 aberta: feche-os%3 e verifique de novo.");
    return run.fail(
        Id::NotHeld, Finding::HeldByOther, sentence.arg(names.join(QStringLiteral(", ")), device, stopHint));
}

void checkExchange(CheckRun& run, TransmitterSession& session)
{
    SerialLink& link = session.link();
    if (!link.Open()) {
        run.fail(Id::Opens, Finding::OpenFailed,
            CoreText::tr("A porta não abriu (%1): feche qualquer outro programa que a use, desligue e ligue de novo "
                         "o adaptador e verifique de novo.")
                .arg(link.ErrorText));
        return;
    }
    run.pass(Id::Opens,
        CoreText::tr("A porta abriu a %1 baud, 8 bits, sem paridade e 1 bit de parada, com DTR ligado e RTS a cada "
                     "quadro.")
            .arg(link.baud()));

    // Tried as every step of a command is: a single lost frame does not fail the check. A quit
    // stops it between two probes, as it stops a command.
    const frame::Bytes probe = frame::build(RegisterProtocol::ReadParameterCommand, ConnectionCheck::ProbeRegister, 0);
    QByteArray received;
    Status status = Status::NoAnswer;
    for (int attempt = 0; attempt < StepAttempts && status != Status::Ok && link.isOpen() && !StopRequest::requested();
         ++attempt) {
        link.transfer(probe, RegisterProtocol::ReadAnswerWaitMs, 2 * frame::Size);
        received = QByteArray(reinterpret_cast<const char*>(link.received()), link.receivedCount());
        status = frame::judge(probe, link.received(), link.receivedCount(), frame::AnswerCheck::CommandAndAddress);
    }
    const frame::Reply reply = frame::readReply(probe, received);
    const QString lostSentence = CoreText::tr("A porta desapareceu durante o teste: o adaptador foi desligado ou tem "
                                              "mau contato; ligue-o de novo e verifique de novo.");
    switch (reply.echo) {
    case frame::Reply::Echo::None:
        if (link.deviceLost()) {
            run.fail(Id::Echo, Finding::PortLost, lostSentence);
            return;
        }
        run.fail(Id::Echo, Finding::NoEcho,
            CoreText::tr("Nada voltou pela linha: a interface de configuração não está alimentada, ou o cabo ou o "
                         "adaptador não são os certos."));
        return;
    case frame::Reply::Echo::Partial:
    case frame::Reply::Echo::Differs:
        run.fail(Id::Echo, Finding::BadEcho,
            CoreText::tr("Voltou %1 em vez do eco %2: confira se o cabo e o adaptador são os certos e se a interface "
                         "está bem ligada.")
                .arg(frame::hex(received), frame::hex(probe)));
        return;
    case frame::Reply::Echo::Ok:
        run.pass(
            Id::Echo, CoreText::tr("O quadro de teste voltou como eco: a interface de configuração está alimentada."));
        break;
    }

    if (status != Status::Ok) {
        if (reply.answer == frame::Reply::Answer::None && link.deviceLost())
            run.fail(Id::Answer, Finding::PortLost, lostSentence);
        else if (reply.answer == frame::Reply::Answer::None)
            run.fail(Id::Answer, Finding::EchoOnly,
                CoreText::tr("A interface devolveu o eco, mas nenhum transmissor respondeu: o transmissor não está "
                             "alimentado ou não está ligado à interface."));
        else if (reply.answer == frame::Reply::Answer::Refused)
            run.fail(Id::Answer, Finding::Refused,
                CoreText::tr("O transmissor recusou a leitura do registro %1 («?»): desligue e ligue o transmissor e "
                             "verifique de novo.")
                    .arg(ConnectionCheck::ProbeRegister));
        else
            run.fail(Id::Answer, Finding::WrongAnswer,
                CoreText::tr("Chegou %1, que não responde ao pedido: pode haver ruído ou outro aparelho na linha; "
                             "confira as ligações.")
                    .arg(frame::hex(received.mid(frame::Size))));
        return;
    }
    run.pass(Id::Answer,
        CoreText::tr("Um transmissor respondeu à leitura do registro %1.").arg(ConnectionCheck::ProbeRegister));

    Status identified = retryStep(StepAttempts, [&] { return session.readSerialNumber(); });
    if (identified == Status::Ok)
        identified = retryStep(StepAttempts, [&] { return session.identify(); });
    if (identified != Status::Ok) {
        run.fail(Id::Identified, Finding::NotIdentified,
            CoreText::tr("A leitura da identificação falhou: verifique de novo e, se continuar, confira as ligações "
                         "e a alimentação do transmissor."));
        return;
    }
    const IdentificationRecord& record = session.identification();
    const QString firmware = firmwareText(record.FirmwareVersion);
    if (record.TransmitterModel == Model::Unknown) {
        run.fail(Id::Identified, Finding::UnknownModel,
            CoreText::tr("O transmissor respondeu (firmware %1, número de série %2), mas o modelo dele não é conhecido "
                         "por este programa.")
                .arg(firmware, record.SerialNumberText));
        return;
    }
    run.report.transmitter = record;
    QString sentence
        = CoreText::tr("%1 (%2), firmware %3, número de série %4")
              .arg(displayCaption(record.TransmitterModel), record.ModelString(), firmware, record.SerialNumberText);
    if (!firmwareCompatible(record.TransmitterModel, record.FirmwareVersion))
        sentence += CoreText::tr("; esta versão de firmware permite ler, mas não enviar a configuração");
    run.pass(Id::Identified, sentence + u'.');
}

}  // namespace

QString checkStepTitle(CheckStep::Id id)
{
    switch (id) {
    case Id::PortExists:
        return CoreText::tr("A porta existe");
    case Id::MayOpen:
        return CoreText::tr("Você pode abrir a porta");
    case Id::NotHeld:
        return CoreText::tr("Nenhum outro programa usa a porta");
    case Id::Opens:
        return CoreText::tr("A porta abre a 9600 baud, 8N1");
    case Id::Echo:
        return CoreText::tr("A interface devolve o eco");
    case Id::Answer:
        return CoreText::tr("Um transmissor responde");
    case Id::Identified:
        return CoreText::tr("O transmissor se identifica");
    }
    return {};
}

bool ConnectionReport::passed() const
{
    return !steps.empty() && failure() == nullptr
        && std::none_of(steps.begin(), steps.end(), [](const CheckStep& s) { return s.outcome == Outcome::NotRun; });
}

const CheckStep& ConnectionReport::step(CheckStep::Id id) const
{
    return steps.at(static_cast<size_t>(id));
}

const CheckStep* ConnectionReport::failure() const
{
    const auto failed
        = std::find_if(steps.begin(), steps.end(), [](const CheckStep& s) { return s.outcome == Outcome::Failed; });
    return failed == steps.end() ? nullptr : &*failed;
}

ConnectionCheck::ConnectionCheck(QString portName)
    : portName_(std::move(portName))
{
}

ConnectionReport ConnectionCheck::run(const std::function<void(const CheckStep&)>& progress)
{
    CheckRun run(portName_, progress);
    DeviceNode node;
    if (!checkExists(run, presentPorts_, node) || !checkMayOpen(run, node) || !checkNotHeld(run))
        return run.report;
    TransmitterSession session(portName_);
    session.setLinkThread(linkThread_);
    session.setLinkListener(listener_);
    checkExchange(run, session);
    session.dropLink();
    return run.report;
}

}  // namespace korv
