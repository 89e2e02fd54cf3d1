<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>O Ostrel Windows Data Recovery encontra ficheiros eliminados e perdidos em discos rígidos, cartões de memória, unidades USB e imagens de disco, incluindo em partições formatadas ou perdidas, e copia-os para uma pasta à sua escolha. Apenas lê o disco de onde recupera os dados e nunca escreve nele.</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>Para saber mais, visite:</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>Filtro avançado</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>A recuperar dados, aguarde...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>A recuperar: %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>A libertar dados, aguarde...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>Sem acesso</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>Os dispositivos marcados com «Sem acesso» só podem ser lidos com direitos de administrador. Para os analisar, inicie o programa a partir da sua entrada no menu (pede a sua palavra-passe) ou execute-o como root.</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>FileBrowserDelegate</name>
    <message>
        <source>View&gt;</source>
        <translation>Ver&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data de modificação</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho do ficheiro</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>Parar a análise?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>Se parar, os ficheiros perdidos poderão não ser todos encontrados.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>Recomenda-se recuperar os ficheiros encontrados antes de voltar.</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>Os ficheiros encontrados não serão guardados se voltar agora ao início.</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>Voltar ao início?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>Por exemplo: doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo de ficheiro</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>Ver ficheiros eliminados</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation>Ambiente de trabalho</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Reciclagem</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>Unidades locais</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>Unidades locais (%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>Unidades externas (%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>Indicar uma localização</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Rótulo: %1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>Disco: %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Dispositivo: %1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>Sistema de ficheiros: %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>Selecione uma localização onde procurar os dados perdidos</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>Não sabe onde perdeu os dados? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Analisar disco&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Procurar dados perdidos</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>Não é possível analisar este caminho. Verifique as permissões de leitura do disco ou selecione outro caminho.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>A ler dados do disco, aguarde...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>O que são &quot;ficheiros sem nome&quot;?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>O que é uma &quot;partição perdida&quot;?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>O que é uma &quot;partição não montada&quot;?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>O que é uma &quot;partição não alocada&quot;?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>Os modos de análise avançados encontram mais ficheiros perdidos. No entanto, alguns destes ficheiros perderam o nome e o caminho originais. Podem ser exatamente os ficheiros de que precisa.</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>As partições podem perder-se depois de eliminadas ou formatadas. Estes ficheiros podem ser exatamente os de que precisa.</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>Uma partição pode aparecer como não montada se estiver oculta ou não tiver letra de unidade.</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>Uma partição eliminada não é recriada e o espaço em disco fica não alocado. Estes ficheiros podem ser exatamente os de que precisa.</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir pasta de registos</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation>Não foi possível abrir um gestor de ficheiros. Os ficheiros de registo estão em:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>Da última vez, o programa fechou inesperadamente. Enviar o relatório de falha e os registos para nos ajudar a resolver o problema?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Não enviar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>Pode recuperar primeiro os ficheiros encontrados</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>Feche os outros programas enquanto utiliza esta ferramenta</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>Utilização da RAM</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>Memória insuficiente, análise em pausa</translation>
    </message>
</context>
<context>
    <name>ModifiedDateComboBox</name>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data de modificação</translation>
    </message>
</context>
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>Unidades locais</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>Unidades externas</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>Disco do sistema</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>Partição perdida</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>Partição não montada</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>Partição não alocada</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Ambiente de trabalho</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Reciclagem</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>Nome do ficheiro perdido</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>Caminho do ficheiro perdido</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Ficheiro não guardado</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Ficheiro sem extensão</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os ficheiros</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>Unidade USB</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>Ligue o cartão SD ao computador.</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>Ligue o cartão SD ao computador através de um leitor de cartões.</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>A sua unidade não é detetada?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. Desligue todos os dispositivos externos e tente novamente.</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. Ligue apenas o dispositivo externo a analisar. Tente novamente noutra porta USB.</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Ainda com problemas? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contacte-nos &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Percebi</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>Verificar a ligação do disco</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>Verificar o estado do disco</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Ainda com problemas? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contacte-nos &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>Para recuperar dados de uma câmara digital, retire o cartão SD e ligue-o ao computador através de um leitor de cartões.</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>Se nenhuma destas soluções resultar, experimente outro leitor de cartões ou outro computador.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;Em bom estado&lt;/b&gt;&lt;br/&gt;O disco está ligado e em bom estado. Se continuar a não ser detetado, &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contacte-nos&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;Sem suporte&lt;/b&gt;&lt;br/&gt;Se o cartão SD deixou de ser reconhecido, pode estar danificado.</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>Se o leitor de cartões não for reconhecido, experimente outra porta USB ou uma porta na parte de trás do computador.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;Não alocado&lt;/b&gt;&lt;br/&gt;Analise primeiro o espaço não alocado do cartão, na página do disco inteiro («Analisar disco»). Crie um novo volume no cartão só depois de recuperar os seus ficheiros: criá-lo escreve no cartão.</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>Abra a &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Gestão de discos&lt;/a&gt; e verifique o estado do cartão SD da seguinte forma:</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>Abra a ferramenta de discos do seu ambiente de trabalho, ou execute &lt;b&gt;lsblk&lt;/b&gt; num terminal, e verifique o estado do cartão SD da seguinte forma:</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>Este ficheiro não permite pré-visualização.</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>Abra-o depois da &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recuperação&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::QObject</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>Ocultar ficheiros de 0 KB</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>Ocultar ficheiros de sistema</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>Ocultar ficheiros temporários</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>Ocultar cache do navegador</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Ficheiro sem extensão</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Ficheiro não guardado</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Semana passada</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mês passado</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanel</name>
    <message>
        <source>Preview</source>
        <translation>Pré-visualizar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data de modificação</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>Alguns discos estão desligados.
Volte a ligá-los e repita a análise e a exportação.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Discos desligados: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>Ver dados recuperados</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>Recuperação parada.</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>Recuperação incompleta.</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>Recuperação concluída com êxito.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>Não foi possível abrir nenhum gestor de ficheiros. Os ficheiros recuperados estão em:
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>Ficheiros recuperados de forma incompleta (parte dos dados pode estar errada ou em falta): %1</translation>
    </message>
</context>
<context>
    <name>RecoveryCompletionHandler</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The scanned disk has been disconnected. Please reconnect the disk and scan the data again.</source>
        <translation>O disco analisado foi desligado. Volte a ligá-lo e analise novamente os dados.</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>O disco de destino foi desligado. Exporte novamente os dados.</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>O disco de destino da exportação está cheio. Liberte espaço nele ou escolha outra localização e, em seguida, exporte os dados novamente.</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>A analisar dados, aguarde...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>A procurar ficheiros, aguarde...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>Nenhum ficheiro encontrado, tente novamente.</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>Nenhum ficheiro encontrado...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. Aguarde até a análise terminar e tente novamente.</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. Experimente reduzir os filtros.</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. Tente novamente depois de a análise terminar.</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. Confirme que escreveu as palavras corretamente.</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. O nome do ficheiro pode ter-se perdido. &lt;a href=&quot;123&quot;&gt;Procure-o aqui&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>A filtrar dados, aguarde...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>Sair do programa?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>Os ficheiros encontrados não serão guardados se sair agora.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Caminho/tipo de ficheiro&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>Se ainda se lembra da localização do ficheiro perdido, procure-o pelo caminho. Caso contrário, procure-o pelo tipo de ficheiro.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>Se forem encontrados muitos ficheiros, a pesquisa ajuda a localizar rapidamente os que precisa.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Anterior&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Ver ficheiros encontrados&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>Verifique e selecione os dados que pretende recuperar.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Anterior&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Recuperar dados&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>Clique no botão para recuperar os dados perdidos.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Anterior&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>A ler dados do disco, aguarde...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>A atualização das informações das unidades pode demorar algum tempo.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;A unidade continua sem aparecer?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>Selecione os ficheiros que pretende recuperar.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>Selecionar agora</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 é só de leitura. Selecione outra localização para guardar os dados.</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>Selecionar outra localização</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>Guardar os dados em %1 (onde foram perdidos) irá substituí-los e levar à sua perda definitiva.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Guardar mesmo assim</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>Não há espaço suficiente em %1. Liberte espaço nesta unidade e tente novamente, ou selecione outra localização para guardar os dados.</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>Tem a certeza de que pretende parar a recuperação?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1: %2 disponíveis</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Selecionado: %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>Disco %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>Selecione um cartão SD para recuperar os dados perdidos</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>Ligue o cartão SD ao computador através de um leitor de cartões para recuperar fotografias e vídeos perdidos de câmaras digitais (Sony, Canon, Nikon, etc.), câmaras de ação (ins360, GoPro, DJI, etc.), drones de várias marcas, câmaras de automóvel e de videovigilância.</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Nenhum cartão SD detetado? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Obter ajuda&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Procurar dados perdidos</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>Análise concluída</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>Verifique e recupere já os seus dados!</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>Alguns discos foram desligados durante a análise.
Se não encontrar os dados perdidos, volte a ligá-los e repita a análise.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Discos desligados: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Tamanho: %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Ficheiros: %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>Ver ficheiros encontrados</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>A analisar dados, aguarde...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Análise concluída</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>Análise parada!</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>Análise rápida - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>Análise em pausa - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>Análise avançada - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>Análise profunda - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>Ficheiros encontrados: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>Selecionados: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>%1 (%2) item encontrado.</numerusform>
            <numerusform>%1 (%2) itens encontrados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>Nenhum ficheiro encontrado...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>Utilize os filtros para encontrar os ficheiros de que precisa por tipo, tamanho, data de modificação e outros atributos.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>StandInRecoveryStorageModule</name>
    <message>
        <source>Scan results</source>
        <translation>Resultados da análise</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>Os ficheiros encontrados aparecem aqui.</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Sair do programa?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>Selecione uma localização a analisar</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>A lista de discos, partições e pastas aparece aqui.</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>Recuperação de dados</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>Disco rígido</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>Recuperação avançada</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>Cartão SD</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Sair do programa?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Passo 1:&lt;/font&gt; Recuperação do disco rígido</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>Ajuda a recuperar os dados perdidos do seu PC.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Passo 2:&lt;/font&gt; Selecionar uma localização</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>Selecione uma localização onde procurar os dados perdidos.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Anterior&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Passo 3:&lt;/font&gt; Procurar dados perdidos</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>Clique no botão para procurar os dados perdidos.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Anterior&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>A verificar...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Lembrar mais tarde</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>A versão atual está atualizada.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Não foi possível obter as informações de atualização. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Está disponível uma nova versão!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versão: %1 | Tamanho: %2 | Data de lançamento: %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>Selecione um disco rígido e analise os dados</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Recomenda-se analisar todo o disco rígido nas seguintes situações:&lt;/p&gt;1. Não sabe em que disco os dados foram perdidos.&lt;br/&gt;2. Faltam várias partições depois de formatar ou eliminar uma partição.</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Não encontra um disco rígido ligado? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Obter ajuda&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>Iniciar análise</translation>
    </message>
</context>
</TS>
