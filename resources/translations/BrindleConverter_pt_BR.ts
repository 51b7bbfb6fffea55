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
        <source>Help (read me)</source>
        <translation>Ajuda (leia-me)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
    <name>BatchCommandLine</name>
    <message>
        <source>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</source>
        <translation>Aplica as camadas de marca d&apos;água de um projeto e uma legenda a cada vídeo informado e o converte. Uma pasta representa os arquivos de mídia que contém. Saídas que já existem não são alteradas, então executar o mesmo comando de novo retoma um lote interrompido.</translation>
    </message>
    <message>
        <source>The watermark project (.qpj) to apply.</source>
        <translation>O projeto de marca d&apos;água (.qpj) a aplicar.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>A subtitle file to burn into every video.</source>
        <translation>Um arquivo de legendas a gravar em cada vídeo.</translation>
    </message>
    <message>
        <source>name or file</source>
        <translation>nome ou arquivo</translation>
    </message>
    <message>
        <source>The folder for the outputs. Default: your output folder.</source>
        <translation>A pasta das saídas. Padrão: sua pasta de saída.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>pasta</translation>
    </message>
    <message>
        <source>How many files are converted at once. Default: your setting.</source>
        <translation>Quantos arquivos são convertidos ao mesmo tempo. Padrão: sua configuração.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>quantidade</translation>
    </message>
    <message>
        <source>Print the engine command lines and run nothing.</source>
        <translation>Mostrar as linhas de comando do mecanismo sem executar nada.</translation>
    </message>
    <message>
        <source>Report progress and results as one JSON object per line.</source>
        <translation>Informar o progresso e os resultados como um objeto JSON por linha.</translation>
    </message>
    <message>
        <source>The size of the video the layers were placed on, for projects that do not record it.</source>
        <translation>O tamanho do vídeo em que as camadas foram posicionadas, para projetos que não o registram.</translation>
    </message>
    <message>
        <source>width x height</source>
        <translation>largura x altura</translation>
    </message>
    <message>
        <source>Video files and folders of video files.</source>
        <translation>Arquivos de vídeo e pastas de arquivos de vídeo.</translation>
    </message>
    <message>
        <source>FILE_OR_FOLDER...</source>
        <translation>ARQUIVO_OU_PASTA...</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--jobs precisa de um número inteiro igual ou maior que 1, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</source>
        <translation>--canvas precisa de um tamanho como 1920x1080, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No files to convert were given.</source>
        <translation>Nenhum arquivo para converter foi informado.</translation>
    </message>
    <message>
        <source>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</source>
        <translation>Um contêiner (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), o nome de uma predefinição de formato salva ou um arquivo INI de formato de saída. Padrão: seu formato de saída atual.</translation>
    </message>
    <message>
        <source>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</source>
        <translation>Grava na imagem a N-ésima faixa de legendas de cada vídeo, contando a partir de 1 (faixas de texto e faixas de imagens de DVD, Blu-ray ou DVB). Um vídeo sem essa faixa falha, a menos que --subtitle-track-optional seja indicado.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Skip the videos that have no such subtitle track instead of failing them.</source>
        <translation>Pula os vídeos que não têm essa faixa de legendas em vez de considerá-los falhos.</translation>
    </message>
    <message>
        <source>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--subtitle-track precisa de um número de faixa igual ou maior que 1, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give either --subtitle or --subtitle-track, not both.</source>
        <translation>Indique --subtitle ou --subtitle-track, não ambos.</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1: %2% (%3 left)</source>
        <translation>%1: %2% (faltam %3)</translation>
    </message>
    <message>
        <source>Converted %1 to %2</source>
        <translation>%1 convertido em %2</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>%1 ignorado: %2</translation>
    </message>
    <message>
        <source>Failed %1: %2</source>
        <translation>%1 falhou: %2</translation>
    </message>
    <message>
        <source>Stopped %1</source>
        <translation>%1 interrompido</translation>
    </message>
    <message>
        <source>Converted %1, skipped %2, failed %3</source>
        <translation>Convertidos %1, ignorados %2, com falha %3</translation>
    </message>
    <message>
        <source>, planned %1</source>
        <translation>, planejados %1</translation>
    </message>
    <message>
        <source>, stopped %1</source>
        <translation>, interrompidos %1</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>its output would replace the file itself; choose another output folder</source>
        <translation>a saída substituiria o próprio arquivo; escolha outra pasta de saída</translation>
    </message>
    <message>
        <source>its output exists</source>
        <translation>a saída já existe</translation>
    </message>
    <message>
        <source>another runner is converting it</source>
        <translation>outra execução já o está convertendo</translation>
    </message>
    <message>
        <source>it is not a media file that can be read</source>
        <translation>não é um arquivo de mídia legível</translation>
    </message>
    <message>
        <source>it has no video picture to draw on</source>
        <translation>não tem imagem de vídeo sobre a qual desenhar</translation>
    </message>
    <message>
        <source>the conversion could not be planned</source>
        <translation>não foi possível planejar a conversão</translation>
    </message>
    <message>
        <source>the engine failed: %1</source>
        <translation>o mecanismo falhou: %1</translation>
    </message>
    <message>
        <source>it has no subtitle track %1</source>
        <translation>ele não tem a faixa de legendas %1</translation>
    </message>
</context>
<context>
    <name>BatchSetup</name>
    <message>
        <source>No output folder is set; give one with --output.</source>
        <translation>Nenhuma pasta de saída definida; informe uma com --output.</translation>
    </message>
    <message>
        <source>The subtitle %1 does not exist.</source>
        <translation>A legenda %1 não existe.</translation>
    </message>
    <message>
        <source>The output folder %1 could not be made.</source>
        <translation>Não foi possível criar a pasta de saída %1.</translation>
    </message>
    <message>
        <source>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</source>
        <translation>O projeto %1 não registra o tamanho do vídeo em que suas camadas foram posicionadas; informe-o com --canvas, por exemplo --canvas 1920x1080.</translation>
    </message>
    <message>
        <source>Layer %1 of the project cannot be used: %2</source>
        <translation>A camada %1 do projeto não pode ser usada: %2</translation>
    </message>
    <message>
        <source>%1 is neither a container name, nor a saved format preset, nor an output-format file.</source>
        <translation>%1 não é um nome de contêiner, nem uma predefinição de formato salva, nem um arquivo de formato de saída.</translation>
    </message>
    <message>
        <source>The output format %1 cannot be used: %2</source>
        <translation>O formato de saída %1 não pode ser usado: %2</translation>
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
    <message>
        <source>subtitle track %1 of %2</source>
        <translation>a faixa de legendas %1 de %2</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 não tem a faixa de legendas %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>a faixa de legendas %1 de %2 não pode ser decodificada</translation>
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
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
</context>
<context>
    <name>ConversionListModel</name>
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
    <message>
        <source>Watermark layers: %1</source>
        <translation>Camadas de marca d&apos;água: %1</translation>
    </message>
    <message>
        <source>Subtitle burned in: %1</source>
        <translation>Legenda embutida: %1</translation>
    </message>
    <message>
        <source>Picture cropped</source>
        <translation>Imagem recortada</translation>
    </message>
    <message>
        <source>Picture turned</source>
        <translation>Imagem girada</translation>
    </message>
    <message>
        <source>Picture flipped</source>
        <translation>Imagem espelhada</translation>
    </message>
    <message>
        <source>Size of the output file</source>
        <translation>Tamanho do arquivo de saída</translation>
    </message>
    <message>
        <source>Size of the source file</source>
        <translation>Tamanho do arquivo de origem</translation>
    </message>
    <message>
        <source>Unfinished file kept: %1</source>
        <translation>Arquivo inacabado mantido: %1</translation>
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
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
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
        <source>Add Subtitle</source>
        <translation>Adicionar legenda</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar à esquerda</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar à direita</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Espelhar horizontalmente</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Espelhar verticalmente</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Abrir arquivo de legenda</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Arquivo de legenda(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Brindle 4.x later Project(*.qpj)</source>
        <translation>Projeto Brindle 4.x ou posterior(*.qpj)</translation>
    </message>
    <message>
        <source>Open Brindle Project</source>
        <translation>Abrir projeto Brindle</translation>
    </message>
    <message>
        <source>The project could not be opened; the layers are kept as they were.
%1
%2</source>
        <translation>Não foi possível abrir o projeto; as camadas foram mantidas como estavam.
%1
%2</translation>
    </message>
    <message>
        <source>Save Brindle Project</source>
        <translation>Salvar projeto Brindle</translation>
    </message>
    <message>
        <source>The project could not be saved.
%1
%2</source>
        <translation>Não foi possível salvar o projeto.
%1
%2</translation>
    </message>
    <message>
        <source>No layer was added: the file gives no picture.
%1</source>
        <translation>Nenhuma camada foi adicionada: o arquivo não fornece imagem.
%1</translation>
    </message>
    <message>
        <source>No layer was added.
%1</source>
        <translation>Nenhuma camada foi adicionada.
%1</translation>
    </message>
    <message>
        <source>These layers of the project could not be shown:
%1</source>
        <translation>Estas camadas do projeto não puderam ser exibidas:
%1</translation>
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
    <message>
        <source>endless</source>
        <comment>a loop count of 0</comment>
        <translation>infinito</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Marca d&apos;água</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
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
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Esmaecer</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidade</translation>
    </message>
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
    <message>
        <source>Until the end of the video</source>
        <translation>Até o fim do vídeo</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de término</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
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
    <message>
        <source>Hardware encoding</source>
        <translation>Codificação por hardware</translation>
    </message>
    <message>
        <source>Check for Hardware Encoders</source>
        <translation>Procurar codificadores de hardware</translation>
    </message>
    <message>
        <source>Found: %1.</source>
        <translation>Encontrados: %1.</translation>
    </message>
    <message>
        <source>No hardware encoder was found; videos are encoded in software.</source>
        <translation>Nenhum codificador de hardware foi encontrado; os vídeos são codificados por software.</translation>
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
        <source>Split</source>
        <translation>Dividir</translation>
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
        <source>All Supported Image Files</source>
        <translation>Todos os arquivos de imagem suportados</translation>
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
        <source>Add Media File</source>
        <translation>Adicionar arquivo de mídia</translation>
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
        <source>Add Music File</source>
        <translation>Adicionar arquivo de música</translation>
    </message>
</context>
<context>
    <name>OutputClaim</name>
    <message>
        <source>The lock file %1 could not be made.</source>
        <translation>Não foi possível criar o arquivo de bloqueio %1.</translation>
    </message>
    <message>
        <source>The output %1 was not claimed.</source>
        <translation>A saída %1 não foi reservada.</translation>
    </message>
    <message>
        <source>The finished file could not be moved to %1: %2</source>
        <translation>Não foi possível mover o arquivo pronto para %1: %2</translation>
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
    <message>
        <source>The subtitles appear earlier</source>
        <translation>As legendas aparecem mais cedo</translation>
    </message>
    <message>
        <source>The subtitles appear later</source>
        <translation>As legendas aparecem mais tarde</translation>
    </message>
    <message>
        <source>No line is affected.</source>
        <translation>Nenhuma linha é afetada.</translation>
    </message>
    <message>
        <source>Line %1 ends at %2.</source>
        <translation>A linha %1 termina em %2.</translation>
    </message>
    <message>
        <source>Line %1 starts at %2.</source>
        <translation>A linha %1 começa em %2.</translation>
    </message>
    <message>
        <source>After the shift: %1, earlier.</source>
        <translation>Após o deslocamento: %1, mais cedo.</translation>
    </message>
    <message>
        <source>After the shift: %1, later.</source>
        <translation>Após o deslocamento: %1, mais tarde.</translation>
    </message>
    <message>
        <source>After the shift: %1, unchanged.</source>
        <translation>Após o deslocamento: %1, inalterado.</translation>
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
    <name>ProjectFile</name>
    <message>
        <source>start time</source>
        <translation>hora de início</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>hora de término</translation>
    </message>
    <message>
        <source>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</source>
        <translation>Camada %1: %2 %3 é de um dia ou mais, o que um projeto não consegue guardar; foi salvo como %4.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</source>
        <translation>Camada %1: &quot;%2&quot; deve ser um número inteiro, não &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</source>
        <translation>Camada %1: &quot;%2&quot; deve ser um número, não &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</source>
        <translation>Camada %1: &quot;%2&quot; deve ser um horário no formato HH:mm:ss:zzz, não &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</source>
        <translation>Camada %1: &quot;%2&quot; deve ser uma cor no formato aarrggbb, não &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</source>
        <translation>Camada %1: o valor &quot;%3&quot; de &quot;%2&quot; está fora do intervalo.</translation>
    </message>
    <message>
        <source>Layer %1 has no &quot;%2&quot; element.</source>
        <translation>A camada %1 não tem o elemento &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Layer %1 gives only one side of its canvas size.</source>
        <translation>A camada %1 informa apenas um lado do tamanho da tela.</translation>
    </message>
    <message>
        <source>The file is not a readable project (line %1, column %2): %3</source>
        <translation>O arquivo não é um projeto legível (linha %1, coluna %2): %3</translation>
    </message>
    <message>
        <source>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</source>
        <translation>Este não é um projeto do Brindle: o elemento raiz é &quot;%1&quot; em vez de &quot;Layers&quot;.</translation>
    </message>
    <message>
        <source>The project holds an element &quot;%1&quot; where a layer was expected.</source>
        <translation>O projeto contém um elemento &quot;%1&quot; onde era esperada uma camada.</translation>
    </message>
    <message>
        <source>Layer %1 names a canvas size different from the layers before it.</source>
        <translation>A camada %1 informa um tamanho de tela diferente do das camadas anteriores.</translation>
    </message>
    <message>
        <source>The project %1 could not be opened: %2</source>
        <translation>Não foi possível abrir o projeto %1: %2</translation>
    </message>
    <message>
        <source>The project could not be saved to %1: %2</source>
        <translation>Não foi possível salvar o projeto em %1: %2</translation>
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
    <name>RecordLayer</name>
    <message>
        <source>The text layer &quot;%1&quot; draws nothing.</source>
        <translation>A camada de texto &quot;%1&quot; não desenha nada.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: %2</source>
        <translation>Não foi possível ler a imagem %1: %2</translation>
    </message>
    <message>
        <source>The video %1 has no picture that could be read.</source>
        <translation>O vídeo %1 não tem imagem legível.</translation>
    </message>
    <message>
        <source>A layer of kind %1 cannot be drawn over a video.</source>
        <translation>Uma camada do tipo %1 não pode ser desenhada sobre um vídeo.</translation>
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
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
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
        <source>Saved to %1.</source>
        <translation>Salvo em %1.</translation>
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
    <name>SubtitleSession</name>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>Não foi possível ler %1 como legenda.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleTab</name>
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
        <source>Open Subtitle File</source>
        <translation>Abrir arquivo de legenda</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Arquivo de legenda(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Salvar arquivo ASS</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Alterações não salvas</translation>
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
    <name>SubtitleTrack</name>
    <message>
        <source>Track %1</source>
        <translation>Faixa %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forçada</translation>
    </message>
    <message>
        <source>pictures, cannot be edited</source>
        <translation>imagens, não editáveis</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>não é possível abrir %1</translation>
    </message>
    <message>
        <source>the streams of %1 cannot be read</source>
        <translation>não é possível ler os fluxos de %1</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 não tem a faixa de legendas %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>a faixa de legendas %1 de %2 não pode ser decodificada</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 holds pictures, not text</source>
        <translation>a faixa de legendas %1 de %2 contém imagens, não texto</translation>
    </message>
    <message>
        <source>no line of subtitle track %1 of %2 could be decoded</source>
        <translation>nenhuma linha da faixa de legendas %1 de %2 pôde ser decodificada</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>não decodificável</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackButton</name>
    <message>
        <source>From the video</source>
        <translation>Do vídeo</translation>
    </message>
    <message>
        <source>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</source>
        <translation>Grava na imagem uma faixa de legendas que o vídeo contém. Faixas de texto podem ser editadas aqui; faixas de imagens são gravadas como estão.</translation>
    </message>
    <message>
        <source>The video carries no subtitle tracks</source>
        <translation>O vídeo não contém faixas de legendas</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackChoice</name>
    <message>
        <source>This FFmpeg cannot decode %1 subtitles.</source>
        <translation>Este FFmpeg não consegue decodificar legendas %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Faixa de legendas</translation>
    </message>
    <message>
        <source>The subtitle track cannot be read.
%1</source>
        <translation>Não é possível ler a faixa de legendas.
%1</translation>
    </message>
    <message>
        <source>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</source>
        <translation>A faixa de legendas %1 do vídeo é gravada como imagens; elas não podem ser editadas.</translation>
    </message>
    <message>
        <source>%1 (track %2).ass</source>
        <translation>%1 (faixa %2).ass</translation>
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
    <name>UnsavedSubtitles</name>
    <message>
        <source>Save ASS File</source>
        <translation>Salvar arquivo ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Arquivo ASS(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle lines of %1 were changed and not saved.</source>
        <translation>As linhas de legenda de %1 foram alteradas e não foram salvas.</translation>
    </message>
    <message>
        <source>Save the changes before going on?</source>
        <translation>Salvar as alterações antes de continuar?</translation>
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
