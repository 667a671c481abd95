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
</TS>
