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
        <translation>Read the transmitter's configuration before opening or saving a configuration.</translation>
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
</TS>
