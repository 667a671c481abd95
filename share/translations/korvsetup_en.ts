<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
</context>
<context>
    <name>korv::AboutWindow</name>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Configurador KOrvSetup</source>
        <translation>KOrvSetup Configurator</translation>
    </message>
    <message>
        <source>Versão </source>
        <translation>Version </translation>
    </message>
</context>
<context>
    <name>korv::Cli</name>
    <message>
        <source>Use %1 --help para ver os comandos e as opções.</source>
        <translation>Use %1 --help to see the commands and options.</translation>
    </message>
    <message>
        <source>A pasta %1 não existe ou não é uma pasta.</source>
        <translation>The folder %1 does not exist or is not a folder.</translation>
    </message>
    <message>
        <source>FALHOU: </source>
        <translation>FAILED: </translation>
    </message>
    <message>
        <source>RECUSADO: </source>
        <translation>REFUSED: </translation>
    </message>
    <message>
        <source>O registro %1 não pôde ser salvo: %2</source>
        <translation>The log %1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Unidades: %1 (certas: %2, com falha: %3); tempo médio %4 s.</source>
        <translation>Units: %1 (good: %2, failed: %3); average time %4 s.</translation>
    </message>
    <message>
        <source>Aguardando um transmissor em %1… (Ctrl+C termina)</source>
        <translation>Waiting for a transmitter on %1… (Ctrl+C ends)</translation>
    </message>
    <message>
        <source>O comando foi interrompido por um sinal.</source>
        <translation>The command was interrupted by a signal.</translation>
    </message>
    <message>
        <source>opção desconhecida: %1%2</source>
        <translation>unknown option: %1%2</translation>
    </message>
    <message>
        <source>falta o valor da opção %1</source>
        <translation>missing value for the option %1</translation>
    </message>
    <message>
        <source>argumento inesperado: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>falta o comando (identify, read, write, verify, backup, bench, check, history ou report)</source>
        <translation>missing command (identify, read, write, verify, backup, bench, check, history or report)</translation>
    </message>
    <message>
        <source>comando desconhecido: %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>%1 precisa de exatamente um arquivo de configuração</source>
        <translation>%1 needs exactly one configuration file</translation>
    </message>
    <message>
        <source>report precisa de exatamente um número de série</source>
        <translation>report needs exactly one serial number</translation>
    </message>
    <message>
        <source>report precisa da opção --pdf ARQUIVO</source>
        <translation>report needs the option --pdf FILE</translation>
    </message>
    <message>
        <source>a opção --%1 só vale para o comando %2</source>
        <translation>the option --%1 only applies to the command %2</translation>
    </message>
    <message>
        <source>a opção --json só vale para os comandos identify, read, write, verify, check e history</source>
        <translation>the option --json only applies to the commands identify, read, write, verify, check and history</translation>
    </message>
    <message>
        <source>porta inválida: &quot;%1&quot; (use um caminho de dispositivo ou COMn)</source>
        <translation>invalid port: &quot;%1&quot; (use a device path or COMn)</translation>
    </message>
    <message>
        <source>unidade inválida: &quot;%1&quot; (use C ou F)</source>
        <translation>invalid unit: &quot;%1&quot; (use C or F)</translation>
    </message>
    <message>
        <source>use --json ou --csv, não os dois</source>
        <translation>use --json or --csv, not both</translation>
    </message>
    <message>
        <source>data inválida: &quot;%1&quot; (use AAAA-MM-DD)</source>
        <translation>invalid date: &quot;%1&quot; (use YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>a opção --%1 precisa de um valor</source>
        <translation>the option --%1 needs a value</translation>
    </message>
    <message>
        <source>a opção --dir precisa de uma pasta</source>
        <translation>the option --dir needs a folder</translation>
    </message>
    <message>
        <source>Uso: %1 [--port PORTA] COMANDO [opções]

Configura um transmissor ligado à porta serial, sem janela.

Comandos:
  identify               número de série, modelo, firmware e tipo de saída
  read [--unit C|F] [--json]
                         a configuração como a janela a mostra, ou em JSON
  write ARQUIVO          confere o arquivo com os limites do transmissor e o escreve,
                         lendo de volta cada registro
  verify ARQUIVO         compara o transmissor com o arquivo, sem escrever
  backup [--dir PASTA]   salva a cópia da calibração (&lt;número de série&gt;.txt);
                         nunca substitui uma cópia existente
  bench ARQUIVO [--backup-dir PASTA] [--log ARQUIVO.csv]
                         produção: espera cada transmissor, escreve o arquivo,
                         confere, registra e espera a troca; Ctrl+C termina
  check                  verifica a conexão passo a passo (porta, adaptador,
                         transmissor), com a correção de cada falha
  history [--serial NÚMERO] [--since AAAA-MM-DD] [--json|--csv]
                         os eventos registrados, do mais novo ao mais antigo
  report NÚMERO [--event ID] --pdf ARQUIVO
                         relatório em PDF de um evento do transmissor (o mais novo,
                         sem --event)

Opções:
  --port PORTA           a porta como no arquivo de configurações: um caminho de
                         dispositivo (/dev/ttyUSB0) ou COMn; sem ela, a porta salva
  --unit C|F             unidade de temperatura de read; sem ela, a unidade salva
                         (com --json, °C)
  --json                 o resultado em JSON (identify, read, write, verify, check,
                         history); a parte &quot;configuration&quot; de read é um arquivo
                         de configuração
  --csv                  history escreve CSV
  --dir PASTA            onde backup salva a cópia; sem ela, a pasta atual
  -h, --help             mostra este texto
  -v, --version          mostra a versão

Código de saída: 0 certo; 1 o transmissor difere do arquivo (ou não manteve um valor
escrito); 2 falha de comunicação; 3 arquivo ou argumentos inválidos, ou arquivo ou
comando que não serve para este transmissor.

Cada comando que fala com um transmissor deixa um evento no registro (%2).
</source>
        <translation>Usage: %1 [--port PORT] COMMAND [options]

Configures a transmitter connected to the serial port, without a window.

Commands:
  identify               serial number, model, firmware and output type
  read [--unit C|F] [--json]
                         the configuration as the window shows it, or in JSON
  write FILE             checks the file against the transmitter&apos;s limits and writes it,
                         reading back each register
  verify FILE            compares the transmitter with the file, without writing
  backup [--dir FOLDER]  saves the calibration backup (&lt;serial number&gt;.txt);
                         never replaces an existing backup
  bench FILE [--backup-dir FOLDER] [--log FILE.csv]
                         production: waits for each transmitter, writes the file,
                         verifies it, records it and waits for the next unit; Ctrl+C ends
  check                  checks the connection step by step (port, adapter,
                         transmitter), with the fix for each failure
  history [--serial NUMBER] [--since YYYY-MM-DD] [--json|--csv]
                         the recorded events, newest first
  report NUMBER [--event ID] --pdf FILE
                         PDF report of an event of the transmitter (the newest,
                         without --event)

Options:
  --port PORT            the port as in the settings file: a device path
                         (/dev/ttyUSB0) or COMn; without it, the saved port
  --unit C|F             temperature unit of read; without it, the saved unit
                         (with --json, °C)
  --json                 the result in JSON (identify, read, write, verify, check,
                         history); the &quot;configuration&quot; part of read is a
                         configuration file
  --csv                  history writes CSV
  --dir FOLDER           where backup saves the backup; without it, the current folder
  -h, --help             shows this text
  -v, --version          shows the version

Exit code: 0 success; 1 the transmitter differs from the file (or did not keep a
written value); 2 communication failure; 3 invalid file or arguments, or a file or
command that does not suit this transmitter.

Each command that talks to a transmitter leaves an event in the record (%2).
</translation>
    </message>
    <message>
        <source>O transmissor não foi identificado como um modelo conhecido: sua configuração não pode ser interpretada.</source>
        <translation>The transmitter was not identified as a known model: its configuration cannot be interpreted.</translation>
    </message>
    <message>
        <source>O modelo %1 não tem calibração para copiar.</source>
        <translation>The model %1 has no calibration to back up.</translation>
    </message>
    <message>
        <source>Cópia da calibração salva em %1</source>
        <translation>Calibration backup saved to %1</translation>
    </message>
    <message>
        <source>Não foi possível criar %1: %2</source>
        <translation>Could not create %1: %2</translation>
    </message>
    <message>
        <source>%1 já existe, mas não pôde ser lido para comparar: %2; nada foi escrito.</source>
        <translation>%1 already exists, but could not be read for comparison: %2; nothing was written.</translation>
    </message>
    <message>
        <source>%1 já existe com esta mesma calibração; nada foi escrito.</source>
        <translation>%1 already exists with this same calibration; nothing was written.</translation>
    </message>
    <message>
        <source>%1 já existe com outra calibração e foi mantido como estava; nada foi escrito.</source>
        <translation>%1 already exists with a different calibration and was kept as it was; nothing was written.</translation>
    </message>
    <message>
        <source>  %1: arquivo %2, transmissor %3</source>
        <translation>  %1: file %2, transmitter %3</translation>
    </message>
    <message>
        <source>registro %1</source>
        <translation>register %1</translation>
    </message>
    <message>
        <source>registros %1, %2</source>
        <translation>registers %1, %2</translation>
    </message>
    <message>
        <source>valores do arquivo</source>
        <translation>values from the file</translation>
    </message>
    <message>
        <source>bits que a escrita não mantém</source>
        <translation>bits that the write does not keep</translation>
    </message>
    <message>
        <source>registro 1</source>
        <translation>register 1</translation>
    </message>
    <message>
        <source>o arquivo pede %1</source>
        <translation>the file asks for %1</translation>
    </message>
    <message>
        <source>o par do transmissor não é o que os limites mostrados, %1, dão</source>
        <translation>the transmitter&apos;s pair is not the one that the limits shown, %1, give</translation>
    </message>
    <message>
        <source>a contagem do transmissor não é a que a correção mostrada, %1, dá</source>
        <translation>the transmitter&apos;s count is not the one that the correction shown, %1, gives</translation>
    </message>
    <message>
        <source> nesta versão de firmware</source>
        <translation> in this firmware version</translation>
    </message>
    <message>
        <source>Uma escrita do arquivo mudaria:</source>
        <translation>Writing the file would change:</translation>
    </message>
    <message>
        <source>%1: os valores não cabem nos registros deste transmissor.</source>
        <translation>%1: the values do not fit in this transmitter&apos;s registers.</translation>
    </message>
    <message>
        <source>registro %1 = %2</source>
        <translation>register %1 = %2</translation>
    </message>
    <message>
        <source>registro %1 = %2: lido de volta %3</source>
        <translation>register %1 = %2: read back %3</translation>
    </message>
    <message>
        <source>registro %1 = %2: enviado sem confirmação, pode ter mudado</source>
        <translation>register %1 = %2: sent without confirmation, may have changed</translation>
    </message>
    <message>
        <source> Registros</source>
        <translation> Registers</translation>
    </message>
    <message>
        <source> O registro %1 não foi confirmado; registros</source>
        <translation> Register %1 was not confirmed; registers</translation>
    </message>
    <message>
        <source>%1%2 já escritos: %3; enviados sem confirmação (podem ter mudado): %4.</source>
        <translation>%1%2 already written: %3; sent without confirmation (may have changed): %4.</translation>
    </message>
    <message>
        <source>%1 O transmissor não manteve todos os valores escritos.</source>
        <translation>%1 The transmitter did not keep all the written values.</translation>
    </message>
    <message>
        <source>O transmissor confere com %1.</source>
        <translation>The transmitter matches %1.</translation>
    </message>
    <message>
        <source>O transmissor difere de %1:</source>
        <translation>The transmitter differs from %1:</translation>
    </message>
    <message>
        <source>o programa korvsetup-report não foi encontrado</source>
        <translation>the program korvsetup-report was not found</translation>
    </message>
    <message>
        <source>%1 não pôde ser iniciado: %2</source>
        <translation>%1 could not be started: %2</translation>
    </message>
    <message>
        <source>%1 não terminou</source>
        <translation>%1 did not finish</translation>
    </message>
    <message>
        <source>%1 falhou</source>
        <translation>%1 failed</translation>
    </message>
    <message>
        <source>O registro não tem o evento %1 do número de série %2.</source>
        <translation>The record has no event %1 for serial number %2.</translation>
    </message>
    <message>
        <source>O registro não tem eventos do número de série %1.</source>
        <translation>The record has no events for serial number %1.</translation>
    </message>
    <message>
        <source>O relatório %1 não pôde ser salvo: %2</source>
        <translation>The report %1 could not be saved: %2</translation>
    </message>
    <message>
        <source>Relatório do evento %1 salvo em %2</source>
        <translation>Report of event %1 saved to %2</translation>
    </message>
    <message>
        <source>código %1, que este transmissor não oferece</source>
        <translation>code %1, which this transmitter does not offer</translation>
    </message>
    <message>
        <source>%1 já existe e %2; nada foi escrito.</source>
        <translation>%1 already exists and %2; nothing was written.</translation>
    </message>
    <message>
        <source>Outro transmissor respondeu: o comando era para %1, mas %2 responde agora; o comando parou.</source>
        <translation>Another transmitter answered: the command was for %1, but %2 answers now; the command stopped.</translation>
    </message>
    <message>
        <source> Registros confirmados em %1: %2.</source>
        <translation> Registers confirmed on %1: %2.</translation>
    </message>
    <message>
        <source> Enviados a %1 ou a %2, sem saber a qual (podem ter mudado em qualquer um): %3.</source>
        <translation> Sent to %1 or to %2, not knowing which (they may have changed on either): %3.</translation>
    </message>
    <message>
        <source>Os eventos aguardam na fila do registro: o envio ao servidor não pôde ser iniciado (%1).</source>
        <translation>The events wait in the record&apos;s queue: sending them to the server could not be started (%1).</translation>
    </message>
</context>
<context>
    <name>korv::ConnectionCheckWindow</name>
    <message>
        <source>Verificar conexão</source>
        <translation>Check connection</translation>
    </message>
    <message>
        <source>&amp;Verificar de novo</source>
        <translation>&amp;Check again</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Porta: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>Verificando…</source>
        <translation>Checking…</translation>
    </message>
    <message>
        <source>Não verificado: antes, corrija o item marcado com ✗.</source>
        <translation>Not checked: first correct the item marked with ✗.</translation>
    </message>
    <message>
        <source>Tudo certo: o programa pode ler e configurar este transmissor.</source>
        <translation>All good: the program can read and configure this transmitter.</translation>
    </message>
    <message>
        <source>Corrija o item marcado com ✗ e clique em «Verificar de novo».</source>
        <translation>Correct the item marked with ✗ and click «Check again».</translation>
    </message>
</context>
<context>
    <name>korv::Core</name>
    <message>
        <source>nenhuma porta serial foi encontrada: ligue o adaptador USB-serial e verifique de novo.</source>
        <translation>no serial port was found: plug in the USB-serial adapter and check again.</translation>
    </message>
    <message>
        <source>portas encontradas: %1; escolha a certa nas opções de comunicação, ou ligue o adaptador e verifique de novo.</source>
        <translation>ports found: %1; choose the right one in the communication options, or plug in the adapter and check again.</translation>
    </message>
    <message>
        <source>«%1» não é o nome de uma porta serial; %2</source>
        <translation>«%1» is not the name of a serial port; %2</translation>
    </message>
    <message>
        <source>%1 não existe; %2</source>
        <translation>%1 does not exist; %2</translation>
    </message>
    <message>
        <source>Não é possível chegar a %1: uma pasta do caminho não deixa você entrar; use o caminho do próprio dispositivo, como /dev/ttyUSB0.</source>
        <translation>%1 cannot be reached: a folder on the path does not let you in; use the path of the device itself, such as /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>%1 existe, mas não é um dispositivo de porta serial: escolha a porta certa nas opções de comunicação.</source>
        <translation>%1 exists, but is not a serial port device: choose the right port in the communication options.</translation>
    </message>
    <message>
        <source>%1 existe (é o dispositivo %2).</source>
        <translation>%1 exists (it is the device %2).</translation>
    </message>
    <message>
        <source>%1 existe.</source>
        <translation>%1 exists.</translation>
    </message>
    <message>
        <source>%1 não está entre as portas do sistema; %2</source>
        <translation>%1 is not among the system&apos;s ports; %2</translation>
    </message>
    <message>
        <source>; você está no grupo %1</source>
        <translation>; you are in the group %1</translation>
    </message>
    <message>
        <source>Você pode ler e escrever em %1 (dono %2, grupo %3, permissões %4%5).</source>
        <translation>You can read and write %1 (owner %2, group %3, permissions %4%5).</translation>
    </message>
    <message>
        <source>Você não pode abrir %1: ela é do grupo %2 e o usuário %3 não está nele; entre no grupo com o comando «sudo adduser %3 %2» e depois saia e entre de novo na sessão.</source>
        <translation>You cannot open %1: it belongs to the group %2 and the user %3 is not in it; join the group with the command «sudo adduser %3 %2», then log out and log in again.</translation>
    </message>
    <message>
        <source>O usuário %1 já está no grupo %2, dono de %3, mas esta sessão começou antes disso: saia e entre de novo na sessão (ou reinicie o computador).</source>
        <translation>The user %1 is already in the group %2, which owns %3, but this session started before that: log out and log in again (or restart the computer).</translation>
    </message>
    <message>
        <source>Só o usuário %1 pode abrir %2 (permissões %3, grupo %4 sem acesso): peça ao administrador que dê a porta a um grupo com leitura e escrita, como dialout, e que ponha você nesse grupo.</source>
        <translation>Only the user %1 can open %2 (permissions %3, group %4 without access): ask the administrator to give the port to a group with read and write access, such as dialout, and to put you in that group.</translation>
    </message>
    <message>
        <source>%1 é sua, mas as permissões dela (%2) não deixam nem o dono abri-la: peça ao administrador que as corrija.</source>
        <translation>%1 is yours, but its permissions (%2) do not let even the owner open it: ask the administrator to correct them.</translation>
    </message>
    <message>
        <source>O sistema não deixa você abrir %1, embora as permissões (%2, dono %3, grupo %4) permitam: uma regra de segurança do sistema impede; fale com o administrador.</source>
        <translation>The system does not let you open %1, although the permissions (%2, owner %3, group %4) allow it: a security rule of the system prevents it; talk to the administrator.</translation>
    </message>
    <message>
        <source>Este sistema não diz de antemão quem pode abrir a porta; a abertura, adiante, mostra.</source>
        <translation>This system does not tell in advance who may open the port; opening it, further on, shows it.</translation>
    </message>
    <message>
        <source>Este sistema não diz quais programas estão com a porta aberta; a abertura, adiante, mostra se ela está livre.</source>
        <translation>This system does not tell which programs have the port open; opening it, further on, shows whether it is free.</translation>
    </message>
    <message>
        <source>1 processo</source>
        <translation>1 process</translation>
    </message>
    <message>
        <source>%1 processos</source>
        <translation>%1 processes</translation>
    </message>
    <message>
        <source>; entre eles está %1, que costuma tomar portas seriais: se a porta não responder, pare-o com «%2»</source>
        <translation>; among them is %1, which tends to take serial ports: if the port does not answer, stop it with «%2»</translation>
    </message>
    <message>
        <source>Nenhum outro programa visível está com %1 aberta (o sistema não deixou examinar %2%3).</source>
        <translation>No other visible program has %1 open (the system did not allow examining %2%3).</translation>
    </message>
    <message>
        <source>Nenhum outro programa está com %1 aberta.</source>
        <translation>No other program has %1 open.</translation>
    </message>
    <message>
        <source>%1 (processo %2)</source>
        <translation>%1 (process %2)</translation>
    </message>
    <message>
        <source> (%1 é um serviço do sistema: pare-o com «%2»)</source>
        <translation> (%1 is a system service: stop it with «%2»)</translation>
    </message>
    <message>
        <source>O programa %1 está com %2 aberta: feche-o%3 e verifique de novo.</source>
        <translation>The program %1 has %2 open: close it%3 and check again.</translation>
    </message>
    <message>
        <source>Os programas %1 estão com %2 aberta: feche-os%3 e verifique de novo.</source>
        <translation>The programs %1 have %2 open: close them%3 and check again.</translation>
    </message>
    <message>
        <source>A porta não abriu (%1): feche qualquer outro programa que a use, desligue e ligue de novo o adaptador e verifique de novo.</source>
        <translation>The port did not open (%1): close any other program that uses it, unplug and plug the adapter back in, and check again.</translation>
    </message>
    <message>
        <source>A porta abriu a %1 baud, 8 bits, sem paridade e 1 bit de parada, com DTR ligado e RTS a cada quadro.</source>
        <translation>The port opened at %1 baud, 8 data bits, no parity and 1 stop bit, with DTR on and RTS at each frame.</translation>
    </message>
    <message>
        <source>A porta desapareceu durante o teste: o adaptador foi desligado ou tem mau contato; ligue-o de novo e verifique de novo.</source>
        <translation>The port disappeared during the test: the adapter was unplugged or has a loose contact; plug it in again and check again.</translation>
    </message>
    <message>
        <source>Nada voltou pela linha: a interface de configuração não está alimentada, ou o cabo ou o adaptador não são os certos.</source>
        <translation>Nothing came back on the line: the configuration interface is not powered, or the cable or the adapter is not the right one.</translation>
    </message>
    <message>
        <source>Voltou %1 em vez do eco %2: confira se o cabo e o adaptador são os certos e se a interface está bem ligada.</source>
        <translation>%1 came back instead of the echo %2: check that the cable and the adapter are the right ones and that the interface is properly connected.</translation>
    </message>
    <message>
        <source>O quadro de teste voltou como eco: a interface de configuração está alimentada.</source>
        <translation>The test frame came back as an echo: the configuration interface is powered.</translation>
    </message>
    <message>
        <source>A interface devolveu o eco, mas nenhum transmissor respondeu: o transmissor não está alimentado ou não está ligado à interface.</source>
        <translation>The interface returned the echo, but no transmitter answered: the transmitter is not powered or not connected to the interface.</translation>
    </message>
    <message>
        <source>O transmissor recusou a leitura do registro %1 («?»): desligue e ligue o transmissor e verifique de novo.</source>
        <translation>The transmitter refused to read register %1 («?»): switch the transmitter off and on and check again.</translation>
    </message>
    <message>
        <source>Chegou %1, que não responde ao pedido: pode haver ruído ou outro aparelho na linha; confira as ligações.</source>
        <translation>%1 arrived, which does not answer the request: there may be noise or another device on the line; check the connections.</translation>
    </message>
    <message>
        <source>Um transmissor respondeu à leitura do registro %1.</source>
        <translation>A transmitter answered the read of register %1.</translation>
    </message>
    <message>
        <source>A leitura da identificação falhou: verifique de novo e, se continuar, confira as ligações e a alimentação do transmissor.</source>
        <translation>Reading the identification failed: check again and, if it persists, check the connections and the transmitter&apos;s power supply.</translation>
    </message>
    <message>
        <source>O transmissor respondeu (firmware %1, número de série %2), mas o modelo dele não é conhecido por este programa.</source>
        <translation>The transmitter answered (firmware %1, serial number %2), but its model is not known to this program.</translation>
    </message>
    <message>
        <source>%1 (%2), firmware %3, número de série %4</source>
        <translation>%1 (%2), firmware %3, serial number %4</translation>
    </message>
    <message>
        <source>; esta versão de firmware permite ler, mas não enviar a configuração</source>
        <translation>; this firmware version allows reading the configuration, but not sending it</translation>
    </message>
    <message>
        <source>A porta existe</source>
        <translation>The port exists</translation>
    </message>
    <message>
        <source>Você pode abrir a porta</source>
        <translation>You may open the port</translation>
    </message>
    <message>
        <source>Nenhum outro programa usa a porta</source>
        <translation>No other program uses the port</translation>
    </message>
    <message>
        <source>A porta abre a 9600 baud, 8N1</source>
        <translation>The port opens at 9600 baud, 8N1</translation>
    </message>
    <message>
        <source>A interface devolve o eco</source>
        <translation>The interface returns the echo</translation>
    </message>
    <message>
        <source>Um transmissor responde</source>
        <translation>A transmitter answers</translation>
    </message>
    <message>
        <source>O transmissor se identifica</source>
        <translation>The transmitter identifies itself</translation>
    </message>
    <message>
        <source>O sensor %1 não está na lista deste transmissor.</source>
        <translation>The sensor %1 is not in this transmitter&apos;s list.</translation>
    </message>
    <message>
        <source>Este transmissor (firmware %1) não mede ponto de orvalho.</source>
        <translation>This transmitter (firmware %1) does not measure dew point.</translation>
    </message>
    <message>
        <source>O transmissor não foi identificado como um modelo conhecido.</source>
        <translation>The transmitter was not identified as a known model.</translation>
    </message>
    <message>
        <source>O arquivo é para um %1, mas o transmissor é um %2.</source>
        <translation>The file is for a %1, but the transmitter is a %2.</translation>
    </message>
    <message>
        <source>&quot;minimum&quot; ou &quot;maximum&quot;</source>
        <translation>&quot;minimum&quot; or &quot;maximum&quot;</translation>
    </message>
    <message>
        <source>&quot;sensor&quot; deve ser um de: %1</source>
        <translation>&quot;sensor&quot; must be one of: %1</translation>
    </message>
    <message>
        <source>&quot;mainsFilter&quot; deve ser 50 ou 60</source>
        <translation>&quot;mainsFilter&quot; must be 50 or 60</translation>
    </message>
    <message>
        <source>o modelo %1 não tem entrada de temperatura: em &quot;%2&quot; só vale &quot;sensorFailure&quot;</source>
        <translation>the model %1 has no temperature input: in &quot;%2&quot; only &quot;sensorFailure&quot; is allowed</translation>
    </message>
    <message>
        <source>&quot;relative-humidity&quot; ou &quot;dew-point&quot;</source>
        <translation>&quot;relative-humidity&quot; or &quot;dew-point&quot;</translation>
    </message>
    <message>
        <source>o arquivo está vazio</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>não é um arquivo JSON válido: %1 (no byte %2)</source>
        <translation>not a valid JSON file: %1 (at byte %2)</translation>
    </message>
    <message>
        <source>o arquivo não contém um objeto JSON</source>
        <translation>the file does not contain a JSON object</translation>
    </message>
    <message>
        <source>a chave &quot;%1&quot; aparece mais de uma vez</source>
        <translation>the key &quot;%1&quot; appears more than once</translation>
    </message>
    <message>
        <source>falta a chave &quot;%1&quot;</source>
        <translation>the key &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>formato %1 não suportado: este programa lê o formato %2</source>
        <translation>format %1 not supported: this program reads format %2</translation>
    </message>
    <message>
        <source>&quot;family&quot; deve ser &quot;%1&quot;, &quot;%2&quot; ou &quot;%3&quot;</source>
        <translation>&quot;family&quot; must be &quot;%1&quot;, &quot;%2&quot; or &quot;%3&quot;</translation>
    </message>
    <message>
        <source>&quot;model&quot; deve ser um texto</source>
        <translation>&quot;model&quot; must be a text</translation>
    </message>
    <message>
        <source>modelo desconhecido &quot;%1&quot;</source>
        <translation>unknown model &quot;%1&quot;</translation>
    </message>
    <message>
        <source>o modelo %1 não pertence à família &quot;%2&quot;</source>
        <translation>the model %1 does not belong to the family &quot;%2&quot;</translation>
    </message>
    <message>
        <source>o arquivo não existe</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>o arquivo é grande demais (mais de %1 bytes)</source>
        <translation>the file is too large (more than %1 bytes)</translation>
    </message>
    <message>
        <source>é %1, não um arquivo comum</source>
        <translation>it is %1, not a regular file</translation>
    </message>
    <message>
        <source>uma pasta</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>um FIFO</source>
        <translation>a FIFO</translation>
    </message>
    <message>
        <source>um dispositivo</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>um socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>um arquivo especial</source>
        <translation>a special file</translation>
    </message>
    <message>
        <source>não foi possível ler o arquivo: %1</source>
        <translation>the file could not be read: %1</translation>
    </message>
    <message>
        <source>um objeto não termina (o arquivo está truncado?)</source>
        <translation>an object does not end (is the file truncated?)</translation>
    </message>
    <message>
        <source>uma lista não termina (o arquivo está truncado?)</source>
        <translation>a list does not end (is the file truncated?)</translation>
    </message>
    <message>
        <source>um texto não termina (o arquivo está truncado?)</source>
        <translation>a text does not end (is the file truncated?)</translation>
    </message>
    <message>
        <source>o arquivo termina no meio de um número (está truncado?)</source>
        <translation>the file ends in the middle of a number (is it truncated?)</translation>
    </message>
    <message>
        <source>falta &quot;:&quot; depois de um nome</source>
        <translation>missing &quot;:&quot; after a name</translation>
    </message>
    <message>
        <source>falta &quot;,&quot; entre dois valores</source>
        <translation>missing &quot;,&quot; between two values</translation>
    </message>
    <message>
        <source>número ilegal</source>
        <translation>invalid number</translation>
    </message>
    <message>
        <source>texto que não está em UTF-8</source>
        <translation>text that is not in UTF-8</translation>
    </message>
    <message>
        <source>há conteúdo depois do fim do objeto</source>
        <translation>there is content after the end of the object</translation>
    </message>
    <message>
        <source>conteúdo que não é JSON</source>
        <translation>content that is not JSON</translation>
    </message>
    <message>
        <source>chave desconhecida &quot;%1&quot;</source>
        <translation>unknown key &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ser um número inteiro</source>
        <translation>&quot;%1&quot; must be a whole number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ser um número</source>
        <translation>&quot;%1&quot; must be a number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aceita no máximo duas casas decimais</source>
        <translation>&quot;%1&quot; accepts at most two decimal places</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ser %2</source>
        <translation>&quot;%1&quot; must be %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ser um objeto</source>
        <translation>&quot;%1&quot; must be an object</translation>
    </message>
    <message>
        <source>a conexão traz uma senha, que o programa não usa: guarde-a no ~/.pgpass</source>
        <translation>the connection carries a password, which the program does not use: keep it in ~/.pgpass</translation>
    </message>
    <message>
        <source>a conexão deve ser escrita com palavras-chave (host=… dbname=… user=…), não como URI</source>
        <translation>the connection must be written with keywords (host=… dbname=… user=…), not as a URI</translation>
    </message>
    <message>
        <source>a conexão não pôde ser lida: cada valor segue sua palavra-chave e um &quot;=&quot;, e aspas abertas se fecham</source>
        <translation>the connection could not be read: each value follows its keyword and an &quot;=&quot;, and opened quotes must be closed</translation>
    </message>
    <message>
        <source>o valor de %1 não pode conter &quot;;&quot;</source>
        <translation>the value of %1 cannot contain &quot;;&quot;</translation>
    </message>
    <message>
        <source>não é um arquivo de texto (é binário ou UTF-16)</source>
        <translation>it is not a text file (it is binary or UTF-16)</translation>
    </message>
    <message>
        <source>%1: [%2] %3 traz uma senha, que este arquivo não guarda; os eventos ficam só neste computador. Ponha a senha no ~/.pgpass e tire-a do arquivo.</source>
        <translation>%1: [%2] %3 carries a password, which this file does not keep; the events stay on this computer only. Put the password in ~/.pgpass and remove it from the file.</translation>
    </message>
    <message>
        <source>%1: %2; valem as configurações padrão, e o arquivo não será alterado.</source>
        <translation>%1: %2; the default settings apply, and the file will not be changed.</translation>
    </message>
    <message>
        <source>%1: %2; as configurações não foram salvas, e o arquivo não foi alterado.</source>
        <translation>%1: %2; the settings were not saved, and the file was not changed.</translation>
    </message>
    <message>
        <source>Não foi possível salvar as configurações em %1: %2.</source>
        <translation>Could not save the settings to %1: %2.</translation>
    </message>
    <message>
        <source>é um link para %1, que não existe</source>
        <translation>it is a link to %1, which does not exist</translation>
    </message>
    <message>
        <source>está vazio</source>
        <translation>is empty</translation>
    </message>
    <message>
        <source>não é uma cópia de calibração deste transmissor</source>
        <translation>is not a calibration backup of this transmitter</translation>
    </message>
    <message>
        <source>leitura do registro %1</source>
        <translation>read of register %1</translation>
    </message>
    <message>
        <source>leitura da memória %1</source>
        <translation>read of memory %1</translation>
    </message>
    <message>
        <source>escrita no registro %1: %2</source>
        <translation>write to register %1: %2</translation>
    </message>
    <message>
        <source>comando desconhecido %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>nada voltou (sem eco)</source>
        <translation>nothing came back (no echo)</translation>
    </message>
    <message>
        <source>eco incompleto (%1 de %2 bytes)</source>
        <translation>incomplete echo (%1 of %2 bytes)</translation>
    </message>
    <message>
        <source>não é o eco do quadro enviado</source>
        <translation>not the echo of the frame sent</translation>
    </message>
    <message>
        <source>eco ok; sem resposta do transmissor</source>
        <translation>echo ok; no answer from the transmitter</translation>
    </message>
    <message>
        <source>eco ok; resposta incompleta (%1 de %2 bytes)</source>
        <translation>echo ok; incomplete answer (%1 of %2 bytes)</translation>
    </message>
    <message>
        <source>eco ok; recusado pelo transmissor (?)</source>
        <translation>echo ok; refused by the transmitter (?)</translation>
    </message>
    <message>
        <source>eco ok; a resposta não corresponde ao pedido</source>
        <translation>echo ok; the answer does not match the request</translation>
    </message>
    <message>
        <source>eco ok; valor %1 (0x%2)</source>
        <translation>echo ok; value %1 (0x%2)</translation>
    </message>
    <message>
        <source>eco ok; escrita confirmada</source>
        <translation>echo ok; write confirmed</translation>
    </message>
    <message>
        <source>porta %1 aberta a %2 baud, 8N1</source>
        <translation>port %1 opened at %2 baud, 8N1</translation>
    </message>
    <message>
        <source>a porta %1 não abriu: %2</source>
        <translation>port %1 did not open: %2</translation>
    </message>
    <message>
        <source>porta %1 fechada</source>
        <translation>port %1 closed</translation>
    </message>
    <message>
        <source>%1 não foi enviada: %2</source>
        <translation>%1 was not sent: %2</translation>
    </message>
    <message>
        <source> (%1 bytes atrasados de outra troca descartados antes do eco)</source>
        <translation> (%1 late bytes from another exchange discarded before the echo)</translation>
    </message>
    <message>
        <source>a porta %1 desapareceu (adaptador desligado?)</source>
        <translation>port %1 disappeared (adapter unplugged?)</translation>
    </message>
    <message>
        <source>%1 não é um arquivo.</source>
        <translation>%1 is not a file.</translation>
    </message>
    <message>
        <source>A pasta %1 não pôde ser criada.</source>
        <translation>The folder %1 could not be created.</translation>
    </message>
    <message>
        <source>O registro %1 está danificado e não pôde ser posto de lado.</source>
        <translation>The record %1 is damaged and could not be set aside.</translation>
    </message>
    <message>
        <source>O registro %1 estava danificado: foi guardado como %2 e um novo foi começado.</source>
        <translation>The record %1 was damaged: it was kept as %2 and a new one was started.</translation>
    </message>
    <message>
        <source>O Qt não tem o driver SQLite (pacote libqt6sql6-sqlite).</source>
        <translation>Qt does not have the SQLite driver (package libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>O registro %1 não pôde ser aberto: %2</source>
        <translation>The record %1 could not be opened: %2</translation>
    </message>
    <message>
        <source>O registro %1 não pôde ser lido: %2</source>
        <translation>The record %1 could not be read: %2</translation>
    </message>
    <message>
        <source>O registro %1 foi escrito por uma versão mais nova do programa (esquema %2) e ficou como estava; nada foi registrado.</source>
        <translation>The record %1 was written by a newer version of the program (schema %2) and was left as it was; nothing was recorded.</translation>
    </message>
    <message>
        <source>O registro %1 não pôde ser preparado: %2</source>
        <translation>The record %1 could not be prepared: %2</translation>
    </message>
    <message>
        <source>O evento não foi registrado em %1: %2</source>
        <translation>The event was not recorded in %1: %2</translation>
    </message>
    <message>
        <source>Concluído</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Falhou</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Interrompido</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Busca inicial</source>
        <translation>Startup search</translation>
    </message>
    <message>
        <source>Ler configuração</source>
        <translation>Read configuration</translation>
    </message>
    <message>
        <source>Enviar configuração</source>
        <translation>Send configuration</translation>
    </message>
    <message>
        <source>Enviar configuração do arquivo</source>
        <translation>Send configuration from file</translation>
    </message>
    <message>
        <source>Cópia da calibração</source>
        <translation>Calibration backup</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Identificar</source>
        <translation>Identify</translation>
    </message>
    <message>
        <source>Escrever configuração</source>
        <translation>Write configuration</translation>
    </message>
    <message>
        <source>Verificar configuração</source>
        <translation>Verify configuration</translation>
    </message>
    <message>
        <source>Produção (bench)</source>
        <translation>Production (bench)</translation>
    </message>
    <message>
        <source>nenhum</source>
        <translation>none</translation>
    </message>
    <message>
        <source>confirmados</source>
        <translation>confirmed</translation>
    </message>
    <message>
        <source>não mantidos</source>
        <translation>not kept</translation>
    </message>
    <message>
        <source>sem confirmação</source>
        <translation>unconfirmed</translation>
    </message>
    <message>
        <source>não lido</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>incerto</source>
        <translation>uncertain</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Número de série</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Modelo</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Tipo de saída</source>
        <translation>Output type</translation>
    </message>
    <message>
        <source>Comando</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Mensagem</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Código de saída</source>
        <translation>Exit code</translation>
    </message>
    <message>
        <source>Usuário</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Bancada</source>
        <translation>Bench</translation>
    </message>
    <message>
        <source>Versão do programa</source>
        <translation>Program version</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Porta</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Registros escritos</source>
        <translation>Registers written</translation>
    </message>
    <message>
        <source>Identificador</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>1 evento aguarda para ser enviado</source>
        <translation>1 event is waiting to be sent</translation>
    </message>
    <message>
        <source>%1 eventos aguardam para ser enviados</source>
        <translation>%1 events are waiting to be sent</translation>
    </message>
    <message>
        <source>As tabelas do servidor do registro não puderam ser preparadas (%1)</source>
        <translation>The record server&apos;s tables could not be prepared (%1)</translation>
    </message>
    <message>
        <source>As tabelas do servidor do registro não puderam ser lidas (%1)</source>
        <translation>The record server&apos;s tables could not be read (%1)</translation>
    </message>
    <message>
        <source>O servidor do registro foi preparado por uma versão mais nova do programa (esquema %1) e ficou como estava</source>
        <translation>The record server was prepared by a newer version of the program (schema %1) and was left as it was</translation>
    </message>
    <message>
        <source>O servidor do registro %1 (%2)</source>
        <translation>The record server %1 (%2)</translation>
    </message>
    <message>
        <source>recusou os eventos</source>
        <translation>refused the events</translation>
    </message>
    <message>
        <source>não respondeu</source>
        <translation>did not answer</translation>
    </message>
    <message>
        <source>Os eventos enviados ao servidor do registro não saíram da fila de %1 e serão enviados de novo</source>
        <translation>The events sent to the record server did not leave the queue of %1 and will be sent again</translation>
    </message>
    <message>
        <source>O Qt não tem o driver PostgreSQL (pacote libqt6sql6-psql)</source>
        <translation>Qt does not have the PostgreSQL driver (package libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>O servidor do registro não respondeu (%1)</source>
        <translation>The record server did not answer (%1)</translation>
    </message>
    <message>
        <source>Os eventos não foram enviados ao servidor do registro: %1</source>
        <translation>The events were not sent to the record server: %1</translation>
    </message>
    <message>
        <source>O servidor do registro não foi usado: %1</source>
        <translation>The record server was not used: %1</translation>
    </message>
    <message>
        <source>Atenção: o envio parou no meio; o transmissor ficou configurado só em parte.</source>
        <translation>Warning: sending stopped halfway; the transmitter was only partly configured.</translation>
    </message>
    <message>
        <source>Registros já escritos: %1.</source>
        <translation>Registers already written: %1.</translation>
    </message>
    <message>
        <source>Registros enviados sem confirmação (podem ter mudado): %1.</source>
        <translation>Registers sent without confirmation (they may have changed): %1.</translation>
    </message>
    <message>
        <source>Envie a configuração de novo, ou leia-a para ver o que ele guarda agora.</source>
        <translation>Send the configuration again, or read it to see what the transmitter holds now.</translation>
    </message>
</context>
<context>
    <name>korv::FileDialogs</name>
    <message>
        <source>Configuração (*.json);;Todos os arquivos (*)</source>
        <translation>Configuration (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>Texto (*.txt);;Todos os arquivos (*)</source>
        <translation>Text (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Planilha CSV (*.csv);;Todos os arquivos (*)</source>
        <translation>CSV spreadsheet (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Todos os arquivos (*)</source>
        <translation>PDF (*.pdf);;All files (*)</translation>
    </message>
</context>
<context>
    <name>korv::FrameMonitorWindow</name>
    <message>
        <source>Monitor de comunicação</source>
        <translation>Communication monitor</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Sentido</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Significado</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>Quadros enviados e recebidos</source>
        <translation>Frames sent and received</translation>
    </message>
    <message>
        <source>&amp;Pausar</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Limpar</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>&amp;Salvar como texto…</source>
        <translation>&amp;Save as text…</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>monitor aberto de novo; o que passou enquanto esteve fechado não foi registrado</source>
        <translation>monitor opened again; what passed while it was closed was not recorded</translation>
    </message>
    <message>
        <source>&amp;Continuar</source>
        <translation>&amp;Resume</translation>
    </message>
    <message>
        <source>Início: %1
</source>
        <translation>Start: %1
</translation>
    </message>
    <message>
        <source>Significado
</source>
        <translation>Meaning
</translation>
    </message>
    <message>
        <source>Salvar o monitor como texto</source>
        <translation>Save the monitor as text</translation>
    </message>
    <message>
        <source>Não foi possível salvar em %1: %2.</source>
        <translation>Could not save to %1: %2.</translation>
    </message>
    <message>
        <source>Salvo em %1.</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <source>Pausado: %1 linha(s) em espera.</source>
        <translation>Paused: %1 line(s) waiting.</translation>
    </message>
    <message>
        <source>%1 linha(s).</source>
        <translation>%1 line(s).</translation>
    </message>
</context>
<context>
    <name>korv::HistoryWindow</name>
    <message>
        <source>Registro</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Evento</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Número de série</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Modelo</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Comando</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Mensagem</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Bancada</source>
        <translation>Bench</translation>
    </message>
    <message>
        <source>Usuário</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Eventos</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Evento selecionado</source>
        <translation>Selected event</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Como encontrado</source>
        <translation>As found</translation>
    </message>
    <message>
        <source>Como deixado</source>
        <translation>As left</translation>
    </message>
    <message>
        <source>Como encontrado e como deixado</source>
        <translation>As found and as left</translation>
    </message>
    <message>
        <source>&amp;Exportar CSV…</source>
        <translation>&amp;Export CSV…</translation>
    </message>
    <message>
        <source>&amp;Relatório…</source>
        <translation>&amp;Report…</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Todos os modelos</source>
        <translation>All models</translation>
    </message>
    <message>
        <source>Todos os resultados</source>
        <translation>All results</translation>
    </message>
    <message>
        <source>&amp;Desde</source>
        <translation>&amp;Since</translation>
    </message>
    <message>
        <source>&amp;Até</source>
        <translation>&amp;Until</translation>
    </message>
    <message>
        <source>Como deixado difere de como encontrado</source>
        <translation>As left differs from as found</translation>
    </message>
    <message>
        <source>Registros</source>
        <translation>Registers</translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Exportar o registro</source>
        <translation>Export the record</translation>
    </message>
    <message>
        <source>Não foi possível salvar em %1: %2.</source>
        <translation>Could not save to %1: %2.</translation>
    </message>
    <message>
        <source>%1 eventos exportados para %2.</source>
        <translation>%1 events exported to %2.</translation>
    </message>
    <message>
        <source>Salvar o relatório</source>
        <translation>Save the report</translation>
    </message>
    <message>
        <source>Relatório salvo em %1.</source>
        <translation>Report saved to %1.</translation>
    </message>
    <message>
        <source>registro</source>
        <translation>record</translation>
    </message>
    <message>
        <source>relatorio</source>
        <translation>report</translation>
    </message>
    <message>
        <source>relatorio-%1</source>
        <translation>report-%1</translation>
    </message>
    <message>
        <source>Desde</source>
        <translation>Since</translation>
    </message>
    <message>
        <source>Até</source>
        <translation>Until</translation>
    </message>
    <message>
        <source>Exportando %1…</source>
        <translation>Exporting %1…</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A exportação para %1 foi cancelada; nada foi salvo.</source>
        <translation>The export to %1 was cancelled; nothing was saved.</translation>
    </message>
</context>
<context>
    <name>korv::LanguageFile</name>
    <message>
        <source>%1: %2 (usando os textos embutidos)</source>
        <translation>%1: %2 (using the built-in texts)</translation>
    </message>
</context>
<context>
    <name>korv::MainWindow</name>
    <message>
        <source>&amp;Arquivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Abrir configuração…</source>
        <translation>&amp;Open configuration…</translation>
    </message>
    <message>
        <source>&amp;Salvar configuração…</source>
        <translation>&amp;Save configuration…</translation>
    </message>
    <message>
        <source>Re&amp;gistro…</source>
        <translation>Re&amp;cord…</translation>
    </message>
    <message>
        <source>Sai&amp;r</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Comunicação</source>
        <translation>&amp;Communication</translation>
    </message>
    <message>
        <source>&amp;Unidade de Temperatura</source>
        <translation>&amp;Temperature Unit</translation>
    </message>
    <message>
        <source>Comunicação &amp;rápida</source>
        <translation>&amp;Fast communication</translation>
    </message>
    <message>
        <source>&amp;Verificar conexão…</source>
        <translation>&amp;Check connection…</translation>
    </message>
    <message>
        <source>&amp;Monitor de comunicação</source>
        <translation>Communication &amp;monitor</translation>
    </message>
    <message>
        <source>&amp;Idioma</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>A&amp;juda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Tópicos da Ajuda</source>
        <translation>Help &amp;Topics</translation>
    </message>
    <message>
        <source>&amp;Sobre o KOrvSetup</source>
        <translation>&amp;About KOrvSetup</translation>
    </message>
    <message>
        <source>Passo %1 de %2…</source>
        <translation>Step %1 of %2…</translation>
    </message>
    <message>
        <source>Abrir configuração</source>
        <translation>Open configuration</translation>
    </message>
    <message>
        <source>Salvar configuração</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <source>Leia a configuração do transmissor antes de abrir ou salvar uma configuração.</source>
        <translation>Read the transmitter&apos;s configuration before opening or saving a configuration.</translation>
    </message>
    <message>
        <source>Não foi possível salvar a configuração em %1: %2</source>
        <translation>Could not save the configuration to %1: %2</translation>
    </message>
    <message>
        <source>Tentativa %1 de %2…</source>
        <translation>Attempt %1 of %2…</translation>
    </message>
    <message>
        <source>%1 (evento não registrado)</source>
        <translation>%1 (event not recorded)</translation>
    </message>
    <message>
        <source>&amp;Ler Configuração</source>
        <translation>&amp;Read Configuration</translation>
    </message>
    <message>
        <source>&amp;Enviar Configuração</source>
        <translation>&amp;Send Configuration</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Para o comando após a troca em curso (Esc)</source>
        <translation>Stops the command after the exchange under way (Esc)</translation>
    </message>
    <message>
        <source>%1 (não encontrada)</source>
        <translation>%1 (not found)</translation>
    </message>
</context>
<context>
    <name>korv::UnitReport</name>
    <message>
        <source>Relatório de configuração</source>
        <translation>Configuration report</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nenhum registro do transmissor foi lido nem escrito.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No register of the transmitter was read or written.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Como encontrado: não lido. </source>
        <translation>As found: not read. </translation>
    </message>
    <message>
        <source>Como deixado: não lido. </source>
        <translation>As left: not read. </translation>
    </message>
    <message>
        <source>Registros sem confirmação (podem ter o valor enviado ou o anterior): %1. </source>
        <translation>Unconfirmed registers (they may hold the value sent or the previous one): %1. </translation>
    </message>
    <message>
        <source>Registros: como encontrado e como deixado</source>
        <translation>Registers: as found and as left</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Como encontrado</source>
        <translation>As found</translation>
    </message>
    <message>
        <source>Como deixado</source>
        <translation>As left</translation>
    </message>
    <message>
        <source>Configuração: como encontrada e como deixada</source>
        <translation>Configuration: as found and as left</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Como encontrada</source>
        <translation>As found</translation>
    </message>
    <message>
        <source>Como deixada</source>
        <translation>As left</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>After</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Cópia da calibração&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Calibration backup&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;br/&gt;Conferido por: ______________________________ &amp;nbsp; Data: ____/____/________&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;br/&gt;Checked by: ______________________________ &amp;nbsp; Date: ____/____/________&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Gerado em %1</source>
        <translation>Generated on %1</translation>
    </message>
    <message>
        <source>o relatório não pôde ser gerado</source>
        <translation>the report could not be generated</translation>
    </message>
</context>
<context>
    <name>korv::main</name>
    <message>
        <source>Uso: KOrvSetup [opções do Qt, como -platform xcb]

Configura transmissores de temperatura e umidade pela interface RS-232: procura o
transmissor na porta salva, lê, confere e envia sua configuração.

  -h, --help       mostra este texto
  -v, --version    mostra a versão

Sem janela: korvsetup-cli --help.
</source>
        <translation>Usage: KOrvSetup [Qt options, such as -platform xcb]

Configures temperature and humidity transmitters through the RS-232 interface: looks for
the transmitter on the saved port, reads, checks and sends its configuration.

  -h, --help       shows this text
  -v, --version    shows the version

Without a window: korvsetup-cli --help.
</translation>
    </message>
</context>
<context>
    <name>korv::report</name>
    <message>
        <source>Uso: korvsetup-report [--language CÓDIGO] ARQUIVO.pdf &lt; evento.json
</source>
        <translation>Usage: korvsetup-report [--language CODE] FILE.pdf &lt; event.json
</translation>
    </message>
    <message>
        <source>A entrada não pôde ser lida.
</source>
        <translation>The input could not be read.
</translation>
    </message>
    <message>
        <source>A entrada não é um evento do registro.
</source>
        <translation>The input is not an event of the record.
</translation>
    </message>
</context>
</TS>
