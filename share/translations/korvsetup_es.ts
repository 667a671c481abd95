<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
</context>
<context>
    <name>korv::AboutWindow</name>
    <message>
        <source>Sobre</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Configurador KOrvSetup</source>
        <translation>Configurador KOrvSetup</translation>
    </message>
    <message>
        <source>Versão </source>
        <translation>Versión </translation>
    </message>
</context>
<context>
    <name>korv::Cli</name>
    <message>
        <source>Use %1 --help para ver os comandos e as opções.</source>
        <translation>Use %1 --help para ver los comandos y las opciones.</translation>
    </message>
    <message>
        <source>A pasta %1 não existe ou não é uma pasta.</source>
        <translation>La carpeta %1 no existe o no es una carpeta.</translation>
    </message>
    <message>
        <source>FALHOU: </source>
        <translation>FALLÓ: </translation>
    </message>
    <message>
        <source>RECUSADO: </source>
        <translation>RECHAZADO: </translation>
    </message>
    <message>
        <source>O registro %1 não pôde ser salvo: %2</source>
        <translation>El registro %1 no se pudo guardar: %2</translation>
    </message>
    <message>
        <source>Unidades: %1 (certas: %2, com falha: %3); tempo médio %4 s.</source>
        <translation>Unidades: %1 (correctas: %2, con fallo: %3); tiempo medio %4 s.</translation>
    </message>
    <message>
        <source>Aguardando um transmissor em %1… (Ctrl+C termina)</source>
        <translation>Esperando un transmisor en %1… (Ctrl+C termina)</translation>
    </message>
    <message>
        <source>O comando foi interrompido por um sinal.</source>
        <translation>El comando fue interrumpido por una señal.</translation>
    </message>
    <message>
        <source>opção desconhecida: %1%2</source>
        <translation>opción desconocida: %1%2</translation>
    </message>
    <message>
        <source>falta o valor da opção %1</source>
        <translation>falta el valor de la opción %1</translation>
    </message>
    <message>
        <source>argumento inesperado: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>falta o comando (identify, read, write, verify, backup, bench, check, history ou report)</source>
        <translation>falta el comando (identify, read, write, verify, backup, bench, check, history o report)</translation>
    </message>
    <message>
        <source>comando desconhecido: %1</source>
        <translation>comando desconocido: %1</translation>
    </message>
    <message>
        <source>%1 precisa de exatamente um arquivo de configuração</source>
        <translation>%1 necesita exactamente un archivo de configuración</translation>
    </message>
    <message>
        <source>report precisa de exatamente um número de série</source>
        <translation>report necesita exactamente un número de serie</translation>
    </message>
    <message>
        <source>report precisa da opção --pdf ARQUIVO</source>
        <translation>report necesita la opción --pdf ARCHIVO</translation>
    </message>
    <message>
        <source>a opção --%1 só vale para o comando %2</source>
        <translation>la opción --%1 solo vale para el comando %2</translation>
    </message>
    <message>
        <source>a opção --json só vale para os comandos identify, read, write, verify, check e history</source>
        <translation>la opción --json solo vale para los comandos identify, read, write, verify, check y history</translation>
    </message>
    <message>
        <source>porta inválida: &quot;%1&quot; (use um caminho de dispositivo ou COMn)</source>
        <translation>puerto no válido: &quot;%1&quot; (use una ruta de dispositivo o COMn)</translation>
    </message>
    <message>
        <source>unidade inválida: &quot;%1&quot; (use C ou F)</source>
        <translation>unidad no válida: &quot;%1&quot; (use C o F)</translation>
    </message>
    <message>
        <source>use --json ou --csv, não os dois</source>
        <translation>use --json o --csv, no los dos</translation>
    </message>
    <message>
        <source>data inválida: &quot;%1&quot; (use AAAA-MM-DD)</source>
        <translation>fecha no válida: &quot;%1&quot; (use AAAA-MM-DD)</translation>
    </message>
    <message>
        <source>a opção --%1 precisa de um valor</source>
        <translation>la opción --%1 necesita un valor</translation>
    </message>
    <message>
        <source>a opção --dir precisa de uma pasta</source>
        <translation>la opción --dir necesita una carpeta</translation>
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
        <translation>Uso: %1 [--port PUERTO] COMANDO [opciones]

Configura un transmisor conectado al puerto serie, sin ventana.

Comandos:
  identify               número de serie, modelo, firmware y tipo de salida
  read [--unit C|F] [--json]
                         la configuración como la muestra la ventana, o en JSON
  write ARCHIVO          comprueba el archivo con los límites del transmisor y lo
                         escribe, leyendo de vuelta cada registro
  verify ARCHIVO         compara el transmisor con el archivo, sin escribir
  backup [--dir CARPETA] guarda la copia de la calibración (&lt;número de serie&gt;.txt);
                         nunca reemplaza una copia existente
  bench ARCHIVO [--backup-dir CARPETA] [--log ARCHIVO.csv]
                         producción: espera cada transmisor, escribe el archivo,
                         lo comprueba, lo registra y espera el cambio; Ctrl+C termina
  check                  verifica la conexión paso a paso (puerto, adaptador,
                         transmisor), con la corrección de cada fallo
  history [--serial NÚMERO] [--since AAAA-MM-DD] [--json|--csv]
                         los eventos registrados, del más nuevo al más antiguo
  report NÚMERO [--event ID] --pdf ARCHIVO
                         informe en PDF de un evento del transmisor (el más nuevo,
                         sin --event)

Opciones:
  --port PUERTO          el puerto como en el archivo de ajustes: una ruta de
                         dispositivo (/dev/ttyUSB0) o COMn; sin ella, el puerto guardado
  --unit C|F             unidad de temperatura de read; sin ella, la unidad guardada
                         (con --json, °C)
  --json                 el resultado en JSON (identify, read, write, verify, check,
                         history); la parte &quot;configuration&quot; de read es un archivo
                         de configuración
  --csv                  history escribe CSV
  --dir CARPETA          dónde guarda backup la copia; sin ella, la carpeta actual
  -h, --help             muestra este texto
  -v, --version          muestra la versión

Código de salida: 0 correcto; 1 el transmisor difiere del archivo (o no mantuvo un
valor escrito); 2 fallo de comunicación; 3 archivo o argumentos no válidos, o archivo
o comando que no sirve para este transmisor.

Cada comando que habla con un transmisor deja un evento en el registro (%2).
</translation>
    </message>
    <message>
        <source>O transmissor não foi identificado como um modelo conhecido: sua configuração não pode ser interpretada.</source>
        <translation>El transmisor no fue identificado como un modelo conocido: su configuración no se puede interpretar.</translation>
    </message>
    <message>
        <source>O modelo %1 não tem calibração para copiar.</source>
        <translation>El modelo %1 no tiene calibración para copiar.</translation>
    </message>
    <message>
        <source>Cópia da calibração salva em %1</source>
        <translation>Copia de la calibración guardada en %1</translation>
    </message>
    <message>
        <source>Não foi possível criar %1: %2</source>
        <translation>No se pudo crear %1: %2</translation>
    </message>
    <message>
        <source>%1 já existe, mas não pôde ser lido para comparar: %2; nada foi escrito.</source>
        <translation>%1 ya existe, pero no se pudo leer para comparar: %2; no se escribió nada.</translation>
    </message>
    <message>
        <source>%1 já existe com esta mesma calibração; nada foi escrito.</source>
        <translation>%1 ya existe con esta misma calibración; no se escribió nada.</translation>
    </message>
    <message>
        <source>%1 já existe com outra calibração e foi mantido como estava; nada foi escrito.</source>
        <translation>%1 ya existe con otra calibración y se mantuvo como estaba; no se escribió nada.</translation>
    </message>
    <message>
        <source>  %1: arquivo %2, transmissor %3</source>
        <translation>  %1: archivo %2, transmisor %3</translation>
    </message>
    <message>
        <source>registro %1</source>
        <translation>registro %1</translation>
    </message>
    <message>
        <source>registros %1, %2</source>
        <translation>registros %1, %2</translation>
    </message>
    <message>
        <source>valores do arquivo</source>
        <translation>valores del archivo</translation>
    </message>
    <message>
        <source>bits que a escrita não mantém</source>
        <translation>bits que la escritura no mantiene</translation>
    </message>
    <message>
        <source>registro 1</source>
        <translation>registro 1</translation>
    </message>
    <message>
        <source>o arquivo pede %1</source>
        <translation>el archivo pide %1</translation>
    </message>
    <message>
        <source>o par do transmissor não é o que os limites mostrados, %1, dão</source>
        <translation>el par del transmisor no es el que dan los límites mostrados, %1</translation>
    </message>
    <message>
        <source>a contagem do transmissor não é a que a correção mostrada, %1, dá</source>
        <translation>el conteo del transmisor no es el que da la corrección mostrada, %1</translation>
    </message>
    <message>
        <source> nesta versão de firmware</source>
        <translation> en esta versión de firmware</translation>
    </message>
    <message>
        <source>Uma escrita do arquivo mudaria:</source>
        <translation>Escribir el archivo cambiaría:</translation>
    </message>
    <message>
        <source>%1: os valores não cabem nos registros deste transmissor.</source>
        <translation>%1: los valores no caben en los registros de este transmisor.</translation>
    </message>
    <message>
        <source>registro %1 = %2</source>
        <translation>registro %1 = %2</translation>
    </message>
    <message>
        <source>registro %1 = %2: lido de volta %3</source>
        <translation>registro %1 = %2: leído de vuelta %3</translation>
    </message>
    <message>
        <source>registro %1 = %2: enviado sem confirmação, pode ter mudado</source>
        <translation>registro %1 = %2: enviado sin confirmación, puede haber cambiado</translation>
    </message>
    <message>
        <source> Registros</source>
        <translation> Registros</translation>
    </message>
    <message>
        <source> O registro %1 não foi confirmado; registros</source>
        <translation> El registro %1 no se confirmó; registros</translation>
    </message>
    <message>
        <source>%1%2 já escritos: %3; enviados sem confirmação (podem ter mudado): %4.</source>
        <translation>%1%2 ya escritos: %3; enviados sin confirmación (pueden haber cambiado): %4.</translation>
    </message>
    <message>
        <source>%1 O transmissor não manteve todos os valores escritos.</source>
        <translation>%1 El transmisor no mantuvo todos los valores escritos.</translation>
    </message>
    <message>
        <source>O transmissor confere com %1.</source>
        <translation>El transmisor coincide con %1.</translation>
    </message>
    <message>
        <source>O transmissor difere de %1:</source>
        <translation>El transmisor difiere de %1:</translation>
    </message>
    <message>
        <source>o programa korvsetup-report não foi encontrado</source>
        <translation>no se encontró el programa korvsetup-report</translation>
    </message>
    <message>
        <source>%1 não pôde ser iniciado: %2</source>
        <translation>%1 no se pudo iniciar: %2</translation>
    </message>
    <message>
        <source>%1 não terminou</source>
        <translation>%1 no terminó</translation>
    </message>
    <message>
        <source>%1 falhou</source>
        <translation>%1 falló</translation>
    </message>
    <message>
        <source>O registro não tem o evento %1 do número de série %2.</source>
        <translation>El registro no tiene el evento %1 del número de serie %2.</translation>
    </message>
    <message>
        <source>O registro não tem eventos do número de série %1.</source>
        <translation>El registro no tiene eventos del número de serie %1.</translation>
    </message>
    <message>
        <source>O relatório %1 não pôde ser salvo: %2</source>
        <translation>El informe %1 no se pudo guardar: %2</translation>
    </message>
    <message>
        <source>Relatório do evento %1 salvo em %2</source>
        <translation>Informe del evento %1 guardado en %2</translation>
    </message>
    <message>
        <source>código %1, que este transmissor não oferece</source>
        <translation>código %1, que este transmisor no ofrece</translation>
    </message>
    <message>
        <source>%1 já existe e %2; nada foi escrito.</source>
        <translation>%1 ya existe y %2; no se escribió nada.</translation>
    </message>
    <message>
        <source>Outro transmissor respondeu: o comando era para %1, mas %2 responde agora; o comando parou.</source>
        <translation>Otro transmisor respondió: el comando era para %1, pero ahora responde %2; el comando se detuvo.</translation>
    </message>
    <message>
        <source> Registros confirmados em %1: %2.</source>
        <translation> Registros confirmados en %1: %2.</translation>
    </message>
    <message>
        <source> Enviados a %1 ou a %2, sem saber a qual (podem ter mudado em qualquer um): %3.</source>
        <translation> Enviados a %1 o a %2, sin saber a cuál (pueden haber cambiado en cualquiera): %3.</translation>
    </message>
    <message>
        <source>Os eventos aguardam na fila do registro: o envio ao servidor não pôde ser iniciado (%1).</source>
        <translation>Los eventos esperan en la cola del registro: no se pudo iniciar el envío al servidor (%1).</translation>
    </message>
</context>
<context>
    <name>korv::ConnectionCheckWindow</name>
    <message>
        <source>Verificar conexão</source>
        <translation>Verificar conexión</translation>
    </message>
    <message>
        <source>&amp;Verificar de novo</source>
        <translation>&amp;Verificar de nuevo</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Porta: %1</source>
        <translation>Puerto: %1</translation>
    </message>
    <message>
        <source>Verificando…</source>
        <translation>Verificando…</translation>
    </message>
    <message>
        <source>Não verificado: antes, corrija o item marcado com ✗.</source>
        <translation>No verificado: antes, corrija el elemento marcado con ✗.</translation>
    </message>
    <message>
        <source>Tudo certo: o programa pode ler e configurar este transmissor.</source>
        <translation>Todo correcto: el programa puede leer y configurar este transmisor.</translation>
    </message>
    <message>
        <source>Corrija o item marcado com ✗ e clique em «Verificar de novo».</source>
        <translation>Corrija el elemento marcado con ✗ y haga clic en «Verificar de nuevo».</translation>
    </message>
</context>
<context>
    <name>korv::Core</name>
    <message>
        <source>nenhuma porta serial foi encontrada: ligue o adaptador USB-serial e verifique de novo.</source>
        <translation>no se encontró ningún puerto serie: conecte el adaptador USB-serie y verifique de nuevo.</translation>
    </message>
    <message>
        <source>portas encontradas: %1; escolha a certa nas opções de comunicação, ou ligue o adaptador e verifique de novo.</source>
        <translation>puertos encontrados: %1; elija el correcto en las opciones de comunicación, o conecte el adaptador y verifique de nuevo.</translation>
    </message>
    <message>
        <source>«%1» não é o nome de uma porta serial; %2</source>
        <translation>«%1» no es el nombre de un puerto serie; %2</translation>
    </message>
    <message>
        <source>%1 não existe; %2</source>
        <translation>%1 no existe; %2</translation>
    </message>
    <message>
        <source>Não é possível chegar a %1: uma pasta do caminho não deixa você entrar; use o caminho do próprio dispositivo, como /dev/ttyUSB0.</source>
        <translation>No es posible llegar a %1: una carpeta de la ruta no le deja entrar; use la ruta del propio dispositivo, como /dev/ttyUSB0.</translation>
    </message>
    <message>
        <source>%1 existe, mas não é um dispositivo de porta serial: escolha a porta certa nas opções de comunicação.</source>
        <translation>%1 existe, pero no es un dispositivo de puerto serie: elija el puerto correcto en las opciones de comunicación.</translation>
    </message>
    <message>
        <source>%1 existe (é o dispositivo %2).</source>
        <translation>%1 existe (es el dispositivo %2).</translation>
    </message>
    <message>
        <source>%1 existe.</source>
        <translation>%1 existe.</translation>
    </message>
    <message>
        <source>%1 não está entre as portas do sistema; %2</source>
        <translation>%1 no está entre los puertos del sistema; %2</translation>
    </message>
    <message>
        <source>; você está no grupo %1</source>
        <translation>; usted está en el grupo %1</translation>
    </message>
    <message>
        <source>Você pode ler e escrever em %1 (dono %2, grupo %3, permissões %4%5).</source>
        <translation>Puede leer y escribir en %1 (propietario %2, grupo %3, permisos %4%5).</translation>
    </message>
    <message>
        <source>Você não pode abrir %1: ela é do grupo %2 e o usuário %3 não está nele; entre no grupo com o comando «sudo adduser %3 %2» e depois saia e entre de novo na sessão.</source>
        <translation>No puede abrir %1: pertenece al grupo %2 y el usuario %3 no está en él; únase al grupo con el comando «sudo adduser %3 %2» y después cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>O usuário %1 já está no grupo %2, dono de %3, mas esta sessão começou antes disso: saia e entre de novo na sessão (ou reinicie o computador).</source>
        <translation>El usuario %1 ya está en el grupo %2, propietario de %3, pero esta sesión empezó antes de eso: cierre la sesión y vuelva a entrar (o reinicie el equipo).</translation>
    </message>
    <message>
        <source>Só o usuário %1 pode abrir %2 (permissões %3, grupo %4 sem acesso): peça ao administrador que dê a porta a um grupo com leitura e escrita, como dialout, e que ponha você nesse grupo.</source>
        <translation>Solo el usuario %1 puede abrir %2 (permisos %3, grupo %4 sin acceso): pida al administrador que asigne el puerto a un grupo con lectura y escritura, como dialout, y que lo incluya a usted en ese grupo.</translation>
    </message>
    <message>
        <source>%1 é sua, mas as permissões dela (%2) não deixam nem o dono abri-la: peça ao administrador que as corrija.</source>
        <translation>%1 es suyo, pero sus permisos (%2) no dejan ni al propietario abrirlo: pida al administrador que los corrija.</translation>
    </message>
    <message>
        <source>O sistema não deixa você abrir %1, embora as permissões (%2, dono %3, grupo %4) permitam: uma regra de segurança do sistema impede; fale com o administrador.</source>
        <translation>El sistema no le deja abrir %1, aunque los permisos (%2, propietario %3, grupo %4) lo permiten: una regla de seguridad del sistema lo impide; hable con el administrador.</translation>
    </message>
    <message>
        <source>Este sistema não diz de antemão quem pode abrir a porta; a abertura, adiante, mostra.</source>
        <translation>Este sistema no indica de antemano quién puede abrir el puerto; la apertura, más adelante, lo muestra.</translation>
    </message>
    <message>
        <source>Este sistema não diz quais programas estão com a porta aberta; a abertura, adiante, mostra se ela está livre.</source>
        <translation>Este sistema no indica qué programas tienen el puerto abierto; la apertura, más adelante, muestra si está libre.</translation>
    </message>
    <message>
        <source>1 processo</source>
        <translation>1 proceso</translation>
    </message>
    <message>
        <source>%1 processos</source>
        <translation>%1 procesos</translation>
    </message>
    <message>
        <source>; entre eles está %1, que costuma tomar portas seriais: se a porta não responder, pare-o com «%2»</source>
        <translation>; entre ellos está %1, que suele tomar los puertos serie: si el puerto no responde, deténgalo con «%2»</translation>
    </message>
    <message>
        <source>Nenhum outro programa visível está com %1 aberta (o sistema não deixou examinar %2%3).</source>
        <translation>Ningún otro programa visible tiene %1 abierto (el sistema no dejó examinar %2%3).</translation>
    </message>
    <message>
        <source>Nenhum outro programa está com %1 aberta.</source>
        <translation>Ningún otro programa tiene %1 abierto.</translation>
    </message>
    <message>
        <source>%1 (processo %2)</source>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message>
        <source> (%1 é um serviço do sistema: pare-o com «%2»)</source>
        <translation> (%1 es un servicio del sistema: deténgalo con «%2»)</translation>
    </message>
    <message>
        <source>O programa %1 está com %2 aberta: feche-o%3 e verifique de novo.</source>
        <translation>El programa %1 tiene %2 abierto: ciérrelo%3 y verifique de nuevo.</translation>
    </message>
    <message>
        <source>Os programas %1 estão com %2 aberta: feche-os%3 e verifique de novo.</source>
        <translation>Los programas %1 tienen %2 abierto: ciérrelos%3 y verifique de nuevo.</translation>
    </message>
    <message>
        <source>A porta não abriu (%1): feche qualquer outro programa que a use, desligue e ligue de novo o adaptador e verifique de novo.</source>
        <translation>El puerto no se abrió (%1): cierre cualquier otro programa que lo use, desconecte y vuelva a conectar el adaptador y verifique de nuevo.</translation>
    </message>
    <message>
        <source>A porta abriu a %1 baud, 8 bits, sem paridade e 1 bit de parada, com DTR ligado e RTS a cada quadro.</source>
        <translation>El puerto se abrió a %1 baudios, 8 bits, sin paridad y 1 bit de parada, con DTR activo y RTS en cada trama.</translation>
    </message>
    <message>
        <source>A porta desapareceu durante o teste: o adaptador foi desligado ou tem mau contato; ligue-o de novo e verifique de novo.</source>
        <translation>El puerto desapareció durante la prueba: el adaptador se desconectó o tiene un mal contacto; conéctelo de nuevo y verifique de nuevo.</translation>
    </message>
    <message>
        <source>Nada voltou pela linha: a interface de configuração não está alimentada, ou o cabo ou o adaptador não são os certos.</source>
        <translation>No volvió nada por la línea: la interfaz de configuración no está alimentada, o el cable o el adaptador no son los correctos.</translation>
    </message>
    <message>
        <source>Voltou %1 em vez do eco %2: confira se o cabo e o adaptador são os certos e se a interface está bem ligada.</source>
        <translation>Volvió %1 en lugar del eco %2: compruebe que el cable y el adaptador son los correctos y que la interfaz está bien conectada.</translation>
    </message>
    <message>
        <source>O quadro de teste voltou como eco: a interface de configuração está alimentada.</source>
        <translation>La trama de prueba volvió como eco: la interfaz de configuración está alimentada.</translation>
    </message>
    <message>
        <source>A interface devolveu o eco, mas nenhum transmissor respondeu: o transmissor não está alimentado ou não está ligado à interface.</source>
        <translation>La interfaz devolvió el eco, pero ningún transmisor respondió: el transmisor no está alimentado o no está conectado a la interfaz.</translation>
    </message>
    <message>
        <source>O transmissor recusou a leitura do registro %1 («?»): desligue e ligue o transmissor e verifique de novo.</source>
        <translation>El transmisor rechazó la lectura del registro %1 («?»): apague y encienda el transmisor y verifique de nuevo.</translation>
    </message>
    <message>
        <source>Chegou %1, que não responde ao pedido: pode haver ruído ou outro aparelho na linha; confira as ligações.</source>
        <translation>Llegó %1, que no responde a la petición: puede haber ruido u otro aparato en la línea; compruebe las conexiones.</translation>
    </message>
    <message>
        <source>Um transmissor respondeu à leitura do registro %1.</source>
        <translation>Un transmisor respondió a la lectura del registro %1.</translation>
    </message>
    <message>
        <source>A leitura da identificação falhou: verifique de novo e, se continuar, confira as ligações e a alimentação do transmissor.</source>
        <translation>La lectura de la identificación falló: verifique de nuevo y, si continúa, compruebe las conexiones y la alimentación del transmisor.</translation>
    </message>
    <message>
        <source>O transmissor respondeu (firmware %1, número de série %2), mas o modelo dele não é conhecido por este programa.</source>
        <translation>El transmisor respondió (firmware %1, número de serie %2), pero este programa no conoce su modelo.</translation>
    </message>
    <message>
        <source>%1 (%2), firmware %3, número de série %4</source>
        <translation>%1 (%2), firmware %3, número de serie %4</translation>
    </message>
    <message>
        <source>; esta versão de firmware permite ler, mas não enviar a configuração</source>
        <translation>; esta versión de firmware permite leer la configuración, pero no enviarla</translation>
    </message>
    <message>
        <source>A porta existe</source>
        <translation>El puerto existe</translation>
    </message>
    <message>
        <source>Você pode abrir a porta</source>
        <translation>Puede abrir el puerto</translation>
    </message>
    <message>
        <source>Nenhum outro programa usa a porta</source>
        <translation>Ningún otro programa usa el puerto</translation>
    </message>
    <message>
        <source>A porta abre a 9600 baud, 8N1</source>
        <translation>El puerto se abre a 9600 baudios, 8N1</translation>
    </message>
    <message>
        <source>A interface devolve o eco</source>
        <translation>La interfaz devuelve el eco</translation>
    </message>
    <message>
        <source>Um transmissor responde</source>
        <translation>Un transmisor responde</translation>
    </message>
    <message>
        <source>O transmissor se identifica</source>
        <translation>El transmisor se identifica</translation>
    </message>
    <message>
        <source>O sensor %1 não está na lista deste transmissor.</source>
        <translation>El sensor %1 no está en la lista de este transmisor.</translation>
    </message>
    <message>
        <source>Este transmissor (firmware %1) não mede ponto de orvalho.</source>
        <translation>Este transmisor (firmware %1) no mide punto de rocío.</translation>
    </message>
    <message>
        <source>O transmissor não foi identificado como um modelo conhecido.</source>
        <translation>El transmisor no fue identificado como un modelo conocido.</translation>
    </message>
    <message>
        <source>O arquivo é para um %1, mas o transmissor é um %2.</source>
        <translation>El archivo es para un %1, pero el transmisor es un %2.</translation>
    </message>
    <message>
        <source>&quot;minimum&quot; ou &quot;maximum&quot;</source>
        <translation>&quot;minimum&quot; o &quot;maximum&quot;</translation>
    </message>
    <message>
        <source>&quot;sensor&quot; deve ser um de: %1</source>
        <translation>&quot;sensor&quot; debe ser uno de: %1</translation>
    </message>
    <message>
        <source>&quot;mainsFilter&quot; deve ser 50 ou 60</source>
        <translation>&quot;mainsFilter&quot; debe ser 50 o 60</translation>
    </message>
    <message>
        <source>o modelo %1 não tem entrada de temperatura: em &quot;%2&quot; só vale &quot;sensorFailure&quot;</source>
        <translation>el modelo %1 no tiene entrada de temperatura: en &quot;%2&quot; solo vale &quot;sensorFailure&quot;</translation>
    </message>
    <message>
        <source>&quot;relative-humidity&quot; ou &quot;dew-point&quot;</source>
        <translation>&quot;relative-humidity&quot; o &quot;dew-point&quot;</translation>
    </message>
    <message>
        <source>o arquivo está vazio</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>não é um arquivo JSON válido: %1 (no byte %2)</source>
        <translation>no es un archivo JSON válido: %1 (en el byte %2)</translation>
    </message>
    <message>
        <source>o arquivo não contém um objeto JSON</source>
        <translation>el archivo no contiene un objeto JSON</translation>
    </message>
    <message>
        <source>a chave &quot;%1&quot; aparece mais de uma vez</source>
        <translation>la clave &quot;%1&quot; aparece más de una vez</translation>
    </message>
    <message>
        <source>falta a chave &quot;%1&quot;</source>
        <translation>falta la clave &quot;%1&quot;</translation>
    </message>
    <message>
        <source>formato %1 não suportado: este programa lê o formato %2</source>
        <translation>formato %1 no admitido: este programa lee el formato %2</translation>
    </message>
    <message>
        <source>&quot;family&quot; deve ser &quot;%1&quot;, &quot;%2&quot; ou &quot;%3&quot;</source>
        <translation>&quot;family&quot; debe ser &quot;%1&quot;, &quot;%2&quot; o &quot;%3&quot;</translation>
    </message>
    <message>
        <source>&quot;model&quot; deve ser um texto</source>
        <translation>&quot;model&quot; debe ser un texto</translation>
    </message>
    <message>
        <source>modelo desconhecido &quot;%1&quot;</source>
        <translation>modelo desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>o modelo %1 não pertence à família &quot;%2&quot;</source>
        <translation>el modelo %1 no pertenece a la familia &quot;%2&quot;</translation>
    </message>
    <message>
        <source>o arquivo não existe</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>o arquivo é grande demais (mais de %1 bytes)</source>
        <translation>el archivo es demasiado grande (más de %1 bytes)</translation>
    </message>
    <message>
        <source>é %1, não um arquivo comum</source>
        <translation>es %1, no un archivo normal</translation>
    </message>
    <message>
        <source>uma pasta</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>um FIFO</source>
        <translation>un FIFO</translation>
    </message>
    <message>
        <source>um dispositivo</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>um socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>um arquivo especial</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>não foi possível ler o arquivo: %1</source>
        <translation>no se pudo leer el archivo: %1</translation>
    </message>
    <message>
        <source>um objeto não termina (o arquivo está truncado?)</source>
        <translation>un objeto no termina (¿el archivo está truncado?)</translation>
    </message>
    <message>
        <source>uma lista não termina (o arquivo está truncado?)</source>
        <translation>una lista no termina (¿el archivo está truncado?)</translation>
    </message>
    <message>
        <source>um texto não termina (o arquivo está truncado?)</source>
        <translation>un texto no termina (¿el archivo está truncado?)</translation>
    </message>
    <message>
        <source>o arquivo termina no meio de um número (está truncado?)</source>
        <translation>el archivo termina en medio de un número (¿está truncado?)</translation>
    </message>
    <message>
        <source>falta &quot;:&quot; depois de um nome</source>
        <translation>falta &quot;:&quot; después de un nombre</translation>
    </message>
    <message>
        <source>falta &quot;,&quot; entre dois valores</source>
        <translation>falta &quot;,&quot; entre dos valores</translation>
    </message>
    <message>
        <source>número ilegal</source>
        <translation>número no válido</translation>
    </message>
    <message>
        <source>texto que não está em UTF-8</source>
        <translation>texto que no está en UTF-8</translation>
    </message>
    <message>
        <source>há conteúdo depois do fim do objeto</source>
        <translation>hay contenido después del final del objeto</translation>
    </message>
    <message>
        <source>conteúdo que não é JSON</source>
        <translation>contenido que no es JSON</translation>
    </message>
    <message>
        <source>chave desconhecida &quot;%1&quot;</source>
        <translation>clave desconocida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ser um número inteiro</source>
        <translation>&quot;%1&quot; debe ser un número entero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ser um número</source>
        <translation>&quot;%1&quot; debe ser un número</translation>
    </message>
    <message>
        <source>&quot;%1&quot; aceita no máximo duas casas decimais</source>
        <translation>&quot;%1&quot; admite como máximo dos decimales</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ser %2</source>
        <translation>&quot;%1&quot; debe ser %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ser um objeto</source>
        <translation>&quot;%1&quot; debe ser un objeto</translation>
    </message>
    <message>
        <source>a conexão traz uma senha, que o programa não usa: guarde-a no ~/.pgpass</source>
        <translation>la conexión incluye una contraseña, que el programa no usa: guárdela en ~/.pgpass</translation>
    </message>
    <message>
        <source>a conexão deve ser escrita com palavras-chave (host=… dbname=… user=…), não como URI</source>
        <translation>la conexión debe escribirse con palabras clave (host=… dbname=… user=…), no como URI</translation>
    </message>
    <message>
        <source>a conexão não pôde ser lida: cada valor segue sua palavra-chave e um &quot;=&quot;, e aspas abertas se fecham</source>
        <translation>la conexión no se pudo leer: cada valor sigue a su palabra clave y un &quot;=&quot;, y las comillas abiertas deben cerrarse</translation>
    </message>
    <message>
        <source>o valor de %1 não pode conter &quot;;&quot;</source>
        <translation>el valor de %1 no puede contener &quot;;&quot;</translation>
    </message>
    <message>
        <source>não é um arquivo de texto (é binário ou UTF-16)</source>
        <translation>no es un archivo de texto (es binario o UTF-16)</translation>
    </message>
    <message>
        <source>%1: [%2] %3 traz uma senha, que este arquivo não guarda; os eventos ficam só neste computador. Ponha a senha no ~/.pgpass e tire-a do arquivo.</source>
        <translation>%1: [%2] %3 incluye una contraseña, que este archivo no guarda; los eventos quedan solo en este equipo. Ponga la contraseña en ~/.pgpass y quítela del archivo.</translation>
    </message>
    <message>
        <source>%1: %2; valem as configurações padrão, e o arquivo não será alterado.</source>
        <translation>%1: %2; se usan los ajustes predeterminados, y el archivo no se modificará.</translation>
    </message>
    <message>
        <source>%1: %2; as configurações não foram salvas, e o arquivo não foi alterado.</source>
        <translation>%1: %2; los ajustes no se guardaron, y el archivo no se modificó.</translation>
    </message>
    <message>
        <source>Não foi possível salvar as configurações em %1: %2.</source>
        <translation>No se pudieron guardar los ajustes en %1: %2.</translation>
    </message>
    <message>
        <source>é um link para %1, que não existe</source>
        <translation>es un enlace a %1, que no existe</translation>
    </message>
    <message>
        <source>está vazio</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>não é uma cópia de calibração deste transmissor</source>
        <translation>no es una copia de calibración de este transmisor</translation>
    </message>
    <message>
        <source>leitura do registro %1</source>
        <translation>lectura del registro %1</translation>
    </message>
    <message>
        <source>leitura da memória %1</source>
        <translation>lectura de la memoria %1</translation>
    </message>
    <message>
        <source>escrita no registro %1: %2</source>
        <translation>escritura en el registro %1: %2</translation>
    </message>
    <message>
        <source>comando desconhecido %1</source>
        <translation>comando desconocido %1</translation>
    </message>
    <message>
        <source>nada voltou (sem eco)</source>
        <translation>no volvió nada (sin eco)</translation>
    </message>
    <message>
        <source>eco incompleto (%1 de %2 bytes)</source>
        <translation>eco incompleto (%1 de %2 bytes)</translation>
    </message>
    <message>
        <source>não é o eco do quadro enviado</source>
        <translation>no es el eco de la trama enviada</translation>
    </message>
    <message>
        <source>eco ok; sem resposta do transmissor</source>
        <translation>eco correcto; sin respuesta del transmisor</translation>
    </message>
    <message>
        <source>eco ok; resposta incompleta (%1 de %2 bytes)</source>
        <translation>eco correcto; respuesta incompleta (%1 de %2 bytes)</translation>
    </message>
    <message>
        <source>eco ok; recusado pelo transmissor (?)</source>
        <translation>eco correcto; rechazado por el transmisor (?)</translation>
    </message>
    <message>
        <source>eco ok; a resposta não corresponde ao pedido</source>
        <translation>eco correcto; la respuesta no corresponde a la petición</translation>
    </message>
    <message>
        <source>eco ok; valor %1 (0x%2)</source>
        <translation>eco correcto; valor %1 (0x%2)</translation>
    </message>
    <message>
        <source>eco ok; escrita confirmada</source>
        <translation>eco correcto; escritura confirmada</translation>
    </message>
    <message>
        <source>porta %1 aberta a %2 baud, 8N1</source>
        <translation>puerto %1 abierto a %2 baudios, 8N1</translation>
    </message>
    <message>
        <source>a porta %1 não abriu: %2</source>
        <translation>el puerto %1 no se abrió: %2</translation>
    </message>
    <message>
        <source>porta %1 fechada</source>
        <translation>puerto %1 cerrado</translation>
    </message>
    <message>
        <source>%1 não foi enviada: %2</source>
        <translation>%1 no se envió: %2</translation>
    </message>
    <message>
        <source> (%1 bytes atrasados de outra troca descartados antes do eco)</source>
        <translation> (%1 bytes atrasados de otro intercambio descartados antes del eco)</translation>
    </message>
    <message>
        <source>a porta %1 desapareceu (adaptador desligado?)</source>
        <translation>el puerto %1 desapareció (¿adaptador desconectado?)</translation>
    </message>
    <message>
        <source>%1 não é um arquivo.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>A pasta %1 não pôde ser criada.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>O registro %1 está danificado e não pôde ser posto de lado.</source>
        <translation>El registro %1 está dañado y no se pudo apartar.</translation>
    </message>
    <message>
        <source>O registro %1 estava danificado: foi guardado como %2 e um novo foi começado.</source>
        <translation>El registro %1 estaba dañado: se guardó como %2 y se empezó uno nuevo.</translation>
    </message>
    <message>
        <source>O Qt não tem o driver SQLite (pacote libqt6sql6-sqlite).</source>
        <translation>Qt no tiene el controlador SQLite (paquete libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>O registro %1 não pôde ser aberto: %2</source>
        <translation>No se pudo abrir el registro %1: %2</translation>
    </message>
    <message>
        <source>O registro %1 não pôde ser lido: %2</source>
        <translation>No se pudo leer el registro %1: %2</translation>
    </message>
    <message>
        <source>O registro %1 foi escrito por uma versão mais nova do programa (esquema %2) e ficou como estava; nada foi registrado.</source>
        <translation>El registro %1 fue escrito por una versión más nueva del programa (esquema %2) y se dejó como estaba; no se registró nada.</translation>
    </message>
    <message>
        <source>O registro %1 não pôde ser preparado: %2</source>
        <translation>No se pudo preparar el registro %1: %2</translation>
    </message>
    <message>
        <source>O evento não foi registrado em %1: %2</source>
        <translation>El evento no se registró en %1: %2</translation>
    </message>
    <message>
        <source>Concluído</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Falhou</source>
        <translation>Fallido</translation>
    </message>
    <message>
        <source>Interrompido</source>
        <translation>Interrumpido</translation>
    </message>
    <message>
        <source>Busca inicial</source>
        <translation>Búsqueda inicial</translation>
    </message>
    <message>
        <source>Ler configuração</source>
        <translation>Leer configuración</translation>
    </message>
    <message>
        <source>Enviar configuração</source>
        <translation>Enviar configuración</translation>
    </message>
    <message>
        <source>Enviar configuração do arquivo</source>
        <translation>Enviar configuración desde archivo</translation>
    </message>
    <message>
        <source>Cópia da calibração</source>
        <translation>Copia de la calibración</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Identificar</source>
        <translation>Identificar</translation>
    </message>
    <message>
        <source>Escrever configuração</source>
        <translation>Escribir configuración</translation>
    </message>
    <message>
        <source>Verificar configuração</source>
        <translation>Verificar configuración</translation>
    </message>
    <message>
        <source>Produção (bench)</source>
        <translation>Producción (bench)</translation>
    </message>
    <message>
        <source>nenhum</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>confirmados</source>
        <translation>confirmados</translation>
    </message>
    <message>
        <source>não mantidos</source>
        <translation>no mantenidos</translation>
    </message>
    <message>
        <source>sem confirmação</source>
        <translation>sin confirmación</translation>
    </message>
    <message>
        <source>não lido</source>
        <translation>no leído</translation>
    </message>
    <message>
        <source>incerto</source>
        <translation>incierto</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Número de série</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Modelo</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Tipo de saída</source>
        <translation>Tipo de salida</translation>
    </message>
    <message>
        <source>Comando</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Mensagem</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Código de saída</source>
        <translation>Código de salida</translation>
    </message>
    <message>
        <source>Usuário</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Bancada</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Versão do programa</source>
        <translation>Versión del programa</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Porta</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Registros escritos</source>
        <translation>Registros escritos</translation>
    </message>
    <message>
        <source>Identificador</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>1 evento aguarda para ser enviado</source>
        <translation>1 evento espera para ser enviado</translation>
    </message>
    <message>
        <source>%1 eventos aguardam para ser enviados</source>
        <translation>%1 eventos esperan para ser enviados</translation>
    </message>
    <message>
        <source>As tabelas do servidor do registro não puderam ser preparadas (%1)</source>
        <translation>No se pudieron preparar las tablas del servidor del registro (%1)</translation>
    </message>
    <message>
        <source>As tabelas do servidor do registro não puderam ser lidas (%1)</source>
        <translation>No se pudieron leer las tablas del servidor del registro (%1)</translation>
    </message>
    <message>
        <source>O servidor do registro foi preparado por uma versão mais nova do programa (esquema %1) e ficou como estava</source>
        <translation>El servidor del registro fue preparado por una versión más nueva del programa (esquema %1) y se dejó como estaba</translation>
    </message>
    <message>
        <source>O servidor do registro %1 (%2)</source>
        <translation>El servidor del registro %1 (%2)</translation>
    </message>
    <message>
        <source>recusou os eventos</source>
        <translation>rechazó los eventos</translation>
    </message>
    <message>
        <source>não respondeu</source>
        <translation>no respondió</translation>
    </message>
    <message>
        <source>Os eventos enviados ao servidor do registro não saíram da fila de %1 e serão enviados de novo</source>
        <translation>Los eventos enviados al servidor del registro no salieron de la cola de %1 y se enviarán de nuevo</translation>
    </message>
    <message>
        <source>O Qt não tem o driver PostgreSQL (pacote libqt6sql6-psql)</source>
        <translation>Qt no tiene el controlador PostgreSQL (paquete libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>O servidor do registro não respondeu (%1)</source>
        <translation>El servidor del registro no respondió (%1)</translation>
    </message>
    <message>
        <source>Os eventos não foram enviados ao servidor do registro: %1</source>
        <translation>Los eventos no se enviaron al servidor del registro: %1</translation>
    </message>
    <message>
        <source>O servidor do registro não foi usado: %1</source>
        <translation>No se usó el servidor del registro: %1</translation>
    </message>
    <message>
        <source>Atenção: o envio parou no meio; o transmissor ficou configurado só em parte.</source>
        <translation>Atención: el envío se detuvo a mitad; el transmisor quedó configurado solo en parte.</translation>
    </message>
    <message>
        <source>Registros já escritos: %1.</source>
        <translation>Registros ya escritos: %1.</translation>
    </message>
    <message>
        <source>Registros enviados sem confirmação (podem ter mudado): %1.</source>
        <translation>Registros enviados sin confirmación (pueden haber cambiado): %1.</translation>
    </message>
    <message>
        <source>Envie a configuração de novo, ou leia-a para ver o que ele guarda agora.</source>
        <translation>Envíe la configuración de nuevo, o léala para ver lo que el transmisor guarda ahora.</translation>
    </message>
</context>
<context>
    <name>korv::FileDialogs</name>
    <message>
        <source>Configuração (*.json);;Todos os arquivos (*)</source>
        <translation>Configuración (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Texto (*.txt);;Todos os arquivos (*)</source>
        <translation>Texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Planilha CSV (*.csv);;Todos os arquivos (*)</source>
        <translation>Hoja de cálculo CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Todos os arquivos (*)</source>
        <translation>PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>korv::FrameMonitorWindow</name>
    <message>
        <source>Monitor de comunicação</source>
        <translation>Monitor de comunicación</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Sentido</source>
        <translation>Sentido</translation>
    </message>
    <message>
        <source>Significado</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Quadros enviados e recebidos</source>
        <translation>Tramas enviadas y recibidas</translation>
    </message>
    <message>
        <source>&amp;Pausar</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Limpar</source>
        <translation>&amp;Limpiar</translation>
    </message>
    <message>
        <source>&amp;Salvar como texto…</source>
        <translation>&amp;Guardar como texto…</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>monitor aberto de novo; o que passou enquanto esteve fechado não foi registrado</source>
        <translation>monitor abierto de nuevo; lo que pasó mientras estuvo cerrado no se registró</translation>
    </message>
    <message>
        <source>&amp;Continuar</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Início: %1
</source>
        <translation>Inicio: %1
</translation>
    </message>
    <message>
        <source>Significado
</source>
        <translation>Significado
</translation>
    </message>
    <message>
        <source>Salvar o monitor como texto</source>
        <translation>Guardar el monitor como texto</translation>
    </message>
    <message>
        <source>Não foi possível salvar em %1: %2.</source>
        <translation>No se pudo guardar en %1: %2.</translation>
    </message>
    <message>
        <source>Salvo em %1.</source>
        <translation>Guardado en %1.</translation>
    </message>
    <message>
        <source>Pausado: %1 linha(s) em espera.</source>
        <translation>En pausa: %1 línea(s) en espera.</translation>
    </message>
    <message>
        <source>%1 linha(s).</source>
        <translation>%1 línea(s).</translation>
    </message>
</context>
<context>
    <name>korv::HistoryWindow</name>
    <message>
        <source>Registro</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Evento</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Número de série</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Modelo</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Comando</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Mensagem</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Bancada</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>Usuário</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Eventos</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Evento selecionado</source>
        <translation>Evento seleccionado</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Como encontrado</source>
        <translation>Como se encontró</translation>
    </message>
    <message>
        <source>Como deixado</source>
        <translation>Como se dejó</translation>
    </message>
    <message>
        <source>Como encontrado e como deixado</source>
        <translation>Como se encontró y como se dejó</translation>
    </message>
    <message>
        <source>&amp;Exportar CSV…</source>
        <translation>&amp;Exportar CSV…</translation>
    </message>
    <message>
        <source>&amp;Relatório…</source>
        <translation>&amp;Informe…</translation>
    </message>
    <message>
        <source>&amp;Fechar</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Todos os modelos</source>
        <translation>Todos los modelos</translation>
    </message>
    <message>
        <source>Todos os resultados</source>
        <translation>Todos los resultados</translation>
    </message>
    <message>
        <source>&amp;Desde</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>&amp;Até</source>
        <translation>&amp;Hasta</translation>
    </message>
    <message>
        <source>Como deixado difere de como encontrado</source>
        <translation>Como se dejó difiere de como se encontró</translation>
    </message>
    <message>
        <source>Registros</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Exportar o registro</source>
        <translation>Exportar el registro</translation>
    </message>
    <message>
        <source>Não foi possível salvar em %1: %2.</source>
        <translation>No se pudo guardar en %1: %2.</translation>
    </message>
    <message>
        <source>%1 eventos exportados para %2.</source>
        <translation>%1 eventos exportados a %2.</translation>
    </message>
    <message>
        <source>Salvar o relatório</source>
        <translation>Guardar el informe</translation>
    </message>
    <message>
        <source>Relatório salvo em %1.</source>
        <translation>Informe guardado en %1.</translation>
    </message>
    <message>
        <source>registro</source>
        <translation>registro</translation>
    </message>
    <message>
        <source>relatorio</source>
        <translation>informe</translation>
    </message>
    <message>
        <source>relatorio-%1</source>
        <translation>informe-%1</translation>
    </message>
    <message>
        <source>Desde</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Até</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Exportando %1…</source>
        <translation>Exportando %1…</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A exportação para %1 foi cancelada; nada foi salvo.</source>
        <translation>La exportación a %1 fue cancelada; no se guardó nada.</translation>
    </message>
</context>
<context>
    <name>korv::LanguageFile</name>
    <message>
        <source>%1: %2 (usando os textos embutidos)</source>
        <translation>%1: %2 (se usan los textos incorporados)</translation>
    </message>
</context>
<context>
    <name>korv::MainWindow</name>
    <message>
        <source>&amp;Arquivo</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Abrir configuração…</source>
        <translation>&amp;Abrir configuración…</translation>
    </message>
    <message>
        <source>&amp;Salvar configuração…</source>
        <translation>&amp;Guardar configuración…</translation>
    </message>
    <message>
        <source>Re&amp;gistro…</source>
        <translation>Re&amp;gistro…</translation>
    </message>
    <message>
        <source>Sai&amp;r</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Comunicação</source>
        <translation>&amp;Comunicación</translation>
    </message>
    <message>
        <source>&amp;Unidade de Temperatura</source>
        <translation>&amp;Unidad de temperatura</translation>
    </message>
    <message>
        <source>Comunicação &amp;rápida</source>
        <translation>Comunicación &amp;rápida</translation>
    </message>
    <message>
        <source>&amp;Verificar conexão…</source>
        <translation>&amp;Verificar conexión…</translation>
    </message>
    <message>
        <source>&amp;Monitor de comunicação</source>
        <translation>&amp;Monitor de comunicación</translation>
    </message>
    <message>
        <source>&amp;Idioma</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>A&amp;juda</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Tópicos da Ajuda</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;Sobre o KOrvSetup</source>
        <translation>&amp;Acerca de KOrvSetup</translation>
    </message>
    <message>
        <source>Passo %1 de %2…</source>
        <translation>Paso %1 de %2…</translation>
    </message>
    <message>
        <source>Abrir configuração</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Salvar configuração</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>Leia a configuração do transmissor antes de abrir ou salvar uma configuração.</source>
        <translation>Lea la configuración del transmisor antes de abrir o guardar una configuración.</translation>
    </message>
    <message>
        <source>Não foi possível salvar a configuração em %1: %2</source>
        <translation>No se pudo guardar la configuración en %1: %2</translation>
    </message>
    <message>
        <source>Tentativa %1 de %2…</source>
        <translation>Intento %1 de %2…</translation>
    </message>
    <message>
        <source>%1 (evento não registrado)</source>
        <translation>%1 (evento no registrado)</translation>
    </message>
    <message>
        <source>&amp;Ler Configuração</source>
        <translation>&amp;Leer configuración</translation>
    </message>
    <message>
        <source>&amp;Enviar Configuração</source>
        <translation>&amp;Enviar configuración</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Para o comando após a troca em curso (Esc)</source>
        <translation>Detiene el comando tras el intercambio en curso (Esc)</translation>
    </message>
    <message>
        <source>%1 (não encontrada)</source>
        <translation>%1 (no encontrado)</translation>
    </message>
</context>
<context>
    <name>korv::UnitReport</name>
    <message>
        <source>Relatório de configuração</source>
        <translation>Informe de configuración</translation>
    </message>
    <message>
        <source>&lt;p&gt;Nenhum registro do transmissor foi lido nem escrito.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se leyó ni se escribió ningún registro del transmisor.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Como encontrado: não lido. </source>
        <translation>Como se encontró: no leído. </translation>
    </message>
    <message>
        <source>Como deixado: não lido. </source>
        <translation>Como se dejó: no leído. </translation>
    </message>
    <message>
        <source>Registros sem confirmação (podem ter o valor enviado ou o anterior): %1. </source>
        <translation>Registros sin confirmación (pueden tener el valor enviado o el anterior): %1. </translation>
    </message>
    <message>
        <source>Registros: como encontrado e como deixado</source>
        <translation>Registros: como se encontraron y como se dejaron</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Como encontrado</source>
        <translation>Como se encontró</translation>
    </message>
    <message>
        <source>Como deixado</source>
        <translation>Como se dejó</translation>
    </message>
    <message>
        <source>Configuração: como encontrada e como deixada</source>
        <translation>Configuración: como se encontró y como se dejó</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Como encontrada</source>
        <translation>Como se encontró</translation>
    </message>
    <message>
        <source>Como deixada</source>
        <translation>Como se dejó</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Cópia da calibração&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Copia de la calibración&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;br/&gt;Conferido por: ______________________________ &amp;nbsp; Data: ____/____/________&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;br/&gt;Verificado por: ______________________________ &amp;nbsp; Fecha: ____/____/________&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Gerado em %1</source>
        <translation>Generado el %1</translation>
    </message>
    <message>
        <source>o relatório não pôde ser gerado</source>
        <translation>no se pudo generar el informe</translation>
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
        <translation>Uso: KOrvSetup [opciones de Qt, como -platform xcb]

Configura transmisores de temperatura y humedad por la interfaz RS-232: busca el
transmisor en el puerto guardado, lee, comprueba y envía su configuración.

  -h, --help       muestra este texto
  -v, --version    muestra la versión

Sin ventana: korvsetup-cli --help.
</translation>
    </message>
</context>
<context>
    <name>korv::report</name>
    <message>
        <source>Uso: korvsetup-report [--language CÓDIGO] ARQUIVO.pdf &lt; evento.json
</source>
        <translation>Uso: korvsetup-report [--language CÓDIGO] ARCHIVO.pdf &lt; evento.json
</translation>
    </message>
    <message>
        <source>A entrada não pôde ser lida.
</source>
        <translation>No se pudo leer la entrada.
</translation>
    </message>
    <message>
        <source>A entrada não é um evento do registro.
</source>
        <translation>La entrada no es un evento del registro.
</translation>
    </message>
</context>
</TS>
