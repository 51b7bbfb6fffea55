<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Professional Edition 4.0.5</source>
        <translation>Edição Profissional 4.0.5</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>Ajuda (leia-me)</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>Failed to start %1: %2
</source>
        <translation>Não foi possível iniciar %1: %2
</translation>
    </message>
    <message>
        <source>Stopped by user at %1
</source>
        <translation>Parado pelo usuário em %1
</translation>
    </message>
    <message>
        <source>Completed successfully in %1
</source>
        <translation>Concluído com sucesso em %1
</translation>
    </message>
    <message>
        <source>Failed with exit code %1
</source>
        <translation>Falhou com código de saída %1
</translation>
    </message>
</context>
<context>
    <name>BurnInSubtitle</name>
    <message>
        <source>Subtitle left out of the picture: %1</source>
        <translation>Legenda deixada fora da imagem: %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted here</source>
        <translation>%1 não pode ser convertido aqui</translation>
    </message>
    <message>
        <source>the cache folder %1 cannot be made</source>
        <translation>não é possível criar a pasta de cache %1</translation>
    </message>
    <message>
        <source>%1 could not be converted</source>
        <translation>%1 não pôde ser convertido</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 não pode ser lido</translation>
    </message>
    <message>
        <source>the edited subtitles</source>
        <translation>as legendas em edição</translation>
    </message>
    <message>
        <source>%1 is not a subtitle file libass can read</source>
        <translation>%1 não é um arquivo de legendas que a libass consiga ler</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 não existe mais</translation>
    </message>
</context>
<context>
    <name>CanvasHistory</name>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>Stopped by user</source>
        <translation>Parado pelo usuário</translation>
    </message>
    <message>
        <source>The engine did not report how the conversion ended.</source>
        <translation>O mecanismo não informou como a conversão terminou.</translation>
    </message>
    <message>
        <source>no work could be planned for this file</source>
        <translation>não foi possível planejar nenhum trabalho para este arquivo</translation>
    </message>
    <message>
        <source>no part to cut could be worked out (is the length of the file known?)</source>
        <translation>não foi possível determinar nenhuma parte para cortar (a duração do arquivo é conhecida?)</translation>
    </message>
    <message>
        <source>the merge could not be prepared (its list file could not be written)</source>
        <translation>não foi possível preparar a junção (o arquivo de lista não pôde ser gravado)</translation>
    </message>
</context>
<context>
    <name>ConvertList</name>
    <message>
        <source>Source File</source>
        <translation>Arquivo de origem</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FilterGraph</name>
    <message>
        <source>The text layer image %1 could not be saved</source>
        <translation>Não foi possível salvar a imagem da camada de texto %1</translation>
    </message>
</context>
<context>
    <name>FollowupWork</name>
    <message>
        <source>No part to cut could be worked out for %1.</source>
        <translation>Não foi possível determinar nenhuma parte para cortar em %1.</translation>
    </message>
    <message>
        <source>The merge of %1 could not be prepared.</source>
        <translation>Não foi possível preparar a junção de %1.</translation>
    </message>
</context>
<context>
    <name>FormatPresets</name>
    <message>
        <source>The value &quot;%1&quot; of %2 is not valid.</source>
        <translation>O valor &quot;%1&quot; de %2 não é válido.</translation>
    </message>
    <message>
        <source>Please enter a name for the format options.</source>
        <translation>Digite um nome para as opções de formato.</translation>
    </message>
    <message>
        <source>A name must not begin with a dot.</source>
        <translation>Um nome não pode começar com um ponto.</translation>
    </message>
    <message>
        <source>A name must not contain slashes or control characters.</source>
        <translation>Um nome não pode conter barras nem caracteres de controle.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>O nome é longo demais.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Não é possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is not a format options file.</source>
        <translation>O arquivo não é um arquivo de opções de formato.</translation>
    </message>
    <message>
        <source>The file lacks the setting %1.</source>
        <translation>Falta a configuração %1 no arquivo.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Parando…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>The unfinished output was kept as %1</source>
        <translation>A saída inacabada foi mantida como %1</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Posição e tamanho</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Manter proporção</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Motion and time</source>
        <translation>Movimento e tempo</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Esmaecer</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrada e saída</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetições</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Log: %1</source>
        <translation>Registro: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar tudo</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Tarefas</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Aceleração por hardware</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridade</translation>
    </message>
    <message>
        <source>Check HW</source>
        <translation>Verificar hardware</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Intel QSV</source>
        <translation>Intel QSV</translation>
    </message>
    <message>
        <source>AMD AMF</source>
        <translation>AMD AMF</translation>
    </message>
    <message>
        <source>Video Toolbox</source>
        <translation>Video Toolbox</translation>
    </message>
    <message>
        <source>NVIDIA</source>
        <translation>NVIDIA</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindle Professional Edition 4.0.5</source>
        <translation>Brindle Edição Profissional 4.0.5</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Juntar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Número de partes</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Duração de cada clipe</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Recortar um trecho</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Adicionar ao fluxo de legendas</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Trilha sonora</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca d&apos;água</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Adicionar arquivo</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Informações da mídia</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Pronto para converter</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Adicionar arquivo de legendas</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Excluir tudo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Adicionar abertura</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Adicionar encerramento</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Informações da mídia</translation>
    </message>
    <message>
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>É preciso reiniciar o Brindle para mudar para o novo idioma.
Deseja reiniciar agora?</translation>
    </message>
    <message>
        <source>Add media file to list</source>
        <translation>Adicione primeiro um arquivo de mídia à lista</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Adicionar arquivo de mídia</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Abrir arquivo de legendas</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Arquivo de legendas(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Salvar arquivo ASS</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Adicionar arquivo de música</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Na fila</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Todos os arquivos de mídia suportados</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Todos os arquivos de vídeo suportados</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Todos os arquivos de áudio suportados</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>Show Log…</source>
        <translation>Mostrar registro…</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Não encontrado: %1</translation>
    </message>
    <message>
        <source>This file is still being converted. Stop its work and remove it?</source>
        <translation>Este arquivo ainda está sendo convertido. Parar o trabalho e removê-lo?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>These files were not started:</source>
        <translation>Estes arquivos não foram iniciados:</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Parando…</translation>
    </message>
    <message>
        <source>Completed with warnings</source>
        <translation>Concluído com avisos</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Não iniciado</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Informações da mídia</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Taxa de bits</translation>
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
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a media file.</source>
        <translation>Não foi possível ler &quot;%1&quot; como arquivo de mídia.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Local: %1</translation>
    </message>
</context>
<context>
    <name>MergeTab</name>
    <message>
        <source>Source File</source>
        <translation>Arquivo de origem</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
</context>
<context>
    <name>MusicTab</name>
    <message>
        <source>Source File</source>
        <translation>Arquivo de origem</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No output folder is set. Choose the folder the converted files go to.</source>
        <translation>Nenhuma pasta de saída definida. Escolha a pasta para onde vão os arquivos convertidos.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>A pasta de saída “%1” não é um caminho completo. Escolha uma pasta.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>A pasta de saída “%1” é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Não é possível criar a pasta de saída “%1”.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be written to.</source>
        <translation>Não é possível gravar na pasta de saída “%1”.</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Deslocar tempos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Para frente</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Para trás</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas as linhas</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Linhas selecionadas</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>A partir da seleção</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tempos</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Início e fim</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Somente início</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Somente fim</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PanelWidget</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PlayerDock</name>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copiar tempo</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outra</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Opções de formato</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Modo de qualidade de vídeo</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Manter largura e altura</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Manter taxa de quadros</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Manter codec de áudio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volume (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 alta</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 baixa</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The output format cannot be saved to %1.</source>
        <translation>Não é possível salvar o formato de saída em %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Opções (*.ini)</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; cannot be used.
%2</source>
        <translation>As opções de formato &quot;%1&quot; não podem ser usadas.
%2</translation>
    </message>
    <message>
        <source>Name of the format options:</source>
        <translation>Nome das opções de formato:</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; exist already. Do you want to replace them?</source>
        <translation>As opções de formato &quot;%1&quot; já existem. Deseja substituí-las?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>The format options cannot be saved to %1.</source>
        <translation>Não é possível salvar as opções de formato em %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Tem certeza de que deseja excluir as opções de formato?</translation>
    </message>
    <message>
        <source>The format options cannot be deleted from %1.</source>
        <translation>Não é possível excluir as opções de formato de %1.</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copiar tempo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Add Video</source>
        <translation>Adicionar vídeo</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Adicionar imagem</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Tem certeza de que deseja excluir a camada?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Localizar\Substituir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir por</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas as linhas</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Linhas selecionadas</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>A partir da seleção</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SplitTab</name>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Editor de estilos</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primária</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundária</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margens</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alinhamento</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A style name must not be empty or contain a comma.</source>
        <translation>O nome do estilo não pode ser vazio nem conter vírgula.</translation>
    </message>
    <message>
        <source>A style named &quot;%1&quot; exists already.</source>
        <translation>Já existe um estilo chamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The last style cannot be deleted.</source>
        <translation>O último estilo não pode ser excluído.</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Abrir arquivo de estilos ou arquivo ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Arquivo de estilos|ASS(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Salvar arquivo de estilos</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Arquivo de estilos(*.sty)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; the styles are unchanged.</source>
        <translation>Não foi possível ler &quot;%1&quot;; os estilos não foram alterados.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no styles; the styles are unchanged.</source>
        <translation>&quot;%1&quot; não contém estilos; os estilos não foram alterados.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Não foi possível gravar &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Sample subtitle</source>
        <translation>Legenda de exemplo</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Add subtitle</source>
        <translation>Adicionar legenda</translation>
    </message>
    <message>
        <source>Delete subtitle</source>
        <translation>Excluir legenda</translation>
    </message>
    <message>
        <source>Change styles</source>
        <translation>Alterar estilos</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>Não foi possível ler %1 como legenda.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Salvo em %1.</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Salvar arquivo ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Arquivo ASS(*.ass)</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Tem certeza de que deseja excluir a legenda?</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Deslocar tempos</translation>
    </message>
    <message>
        <source>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</source>
        <translation>Linhas deslocadas: %1. Detidas para não ficar abaixo de zero nem terminar antes do início: %2.</translation>
    </message>
    <message>
        <source>Lines shifted: %1.</source>
        <translation>Linhas deslocadas: %1.</translation>
    </message>
    <message>
        <source>No line contains &quot;%1&quot;.</source>
        <translation>Nenhuma linha contém “%1”.</translation>
    </message>
    <message>
        <source>Replace text</source>
        <translation>Substituir texto</translation>
    </message>
    <message>
        <source>Lines changed: %1.</source>
        <translation>Linhas alteradas: %1.</translation>
    </message>
    <message>
        <source>Edit start time</source>
        <translation>Editar início</translation>
    </message>
    <message>
        <source>Edit end time</source>
        <translation>Editar fim</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Editar legenda</translation>
    </message>
</context>
<context>
    <name>SubtitleTab</name>
    <message>
        <source>Start Time</source>
        <translation>Tempo inicial</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Tempo final</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legenda</translation>
    </message>
</context>
<context>
    <name>SubtitleTable</name>
    <message>
        <source>Start Time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legenda</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Localizar\Substituir</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
</context>
<context>
    <name>UnfinishedOutput</name>
    <message>
        <source>unfinished</source>
        <translation>inacabado</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Ativar fundo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor do fundo</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Espessura</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arredondamento</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Gradient Text</source>
        <translation>Texto em degradê</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Sem contorno</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Contorno simples</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Contorno duplo</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Contorno em degradê</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Efeito de texto</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Cor do contorno 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Espessura 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Opacidade 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Cor do contorno 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Espessura 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Opacidade 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Ativar sombra</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Cor da sombra</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Espessura</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacidade</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
</context>
<context>
    <name>VTextPropSheetDialog</name>
    <message>
        <source>Enter your own content here</source>
        <translation>Digite seu próprio texto aqui</translation>
    </message>
    <message>
        <source>Text Options</source>
        <translation>Opções de texto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Efeito de texto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
