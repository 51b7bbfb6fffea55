<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Professional Edition 4.0.5</source>
        <translation>Edición Profesional 4.0.5</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>Ayuda (léame)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>Failed to start %1: %2
</source>
        <translation>No se pudo iniciar %1: %2
</translation>
    </message>
    <message>
        <source>Stopped by user at %1
</source>
        <translation>Detenido por el usuario a las %1
</translation>
    </message>
    <message>
        <source>Completed successfully in %1
</source>
        <translation>Completado correctamente en %1
</translation>
    </message>
    <message>
        <source>Failed with exit code %1
</source>
        <translation>Error con código de salida %1
</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</source>
        <translation>Pone las capas de marca de agua de un proyecto y un subtítulo en cada vídeo indicado y lo convierte. Una carpeta equivale a los archivos multimedia que contiene. Las salidas que ya existen no se tocan, así que ejecutar de nuevo la misma orden reanuda un lote interrumpido.</translation>
    </message>
    <message>
        <source>The watermark project (.qpj) to apply.</source>
        <translation>El proyecto de marca de agua (.qpj) que se aplica.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>A subtitle file to burn into every video.</source>
        <translation>Un archivo de subtítulos que se incrusta en cada vídeo.</translation>
    </message>
    <message>
        <source>name or file</source>
        <translation>nombre o archivo</translation>
    </message>
    <message>
        <source>The folder for the outputs. Default: your output folder.</source>
        <translation>La carpeta de las salidas. Por defecto: su carpeta de salida.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>How many files are converted at once. Default: your setting.</source>
        <translation>Cuántos archivos se convierten a la vez. Por defecto: su ajuste.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>número</translation>
    </message>
    <message>
        <source>Print the engine command lines and run nothing.</source>
        <translation>Mostrar las líneas de orden del motor sin ejecutar nada.</translation>
    </message>
    <message>
        <source>Report progress and results as one JSON object per line.</source>
        <translation>Informar del progreso y los resultados como un objeto JSON por línea.</translation>
    </message>
    <message>
        <source>The size of the video the layers were placed on, for projects that do not record it.</source>
        <translation>El tamaño del vídeo sobre el que se colocaron las capas, para proyectos que no lo guardan.</translation>
    </message>
    <message>
        <source>width x height</source>
        <translation>ancho x alto</translation>
    </message>
    <message>
        <source>Video files and folders of video files.</source>
        <translation>Archivos de vídeo y carpetas de archivos de vídeo.</translation>
    </message>
    <message>
        <source>FILE_OR_FOLDER...</source>
        <translation>ARCHIVO_O_CARPETA...</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--jobs necesita un número entero de 1 o más, no «%1».</translation>
    </message>
    <message>
        <source>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</source>
        <translation>--canvas necesita un tamaño como 1920x1080, no «%1».</translation>
    </message>
    <message>
        <source>No files to convert were given.</source>
        <translation>No se indicó ningún archivo para convertir.</translation>
    </message>
    <message>
        <source>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</source>
        <translation>Un contenedor (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), el nombre de un ajuste de formato guardado o un archivo INI de formato de salida. Por defecto: su formato de salida actual.</translation>
    </message>
    <message>
        <source>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</source>
        <translation>Graba en la imagen la N-ésima pista de subtítulos de cada vídeo, contando desde 1 (pistas de texto y pistas de imágenes de DVD, Blu-ray o DVB). Un vídeo sin esa pista falla, salvo que se indique --subtitle-track-optional.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Skip the videos that have no such subtitle track instead of failing them.</source>
        <translation>Omite los vídeos que no tienen esa pista de subtítulos en lugar de darlos por fallidos.</translation>
    </message>
    <message>
        <source>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--subtitle-track necesita un número de pista de 1 o más, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give either --subtitle or --subtitle-track, not both.</source>
        <translation>Indique --subtitle o --subtitle-track, no ambos.</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1: %2% (%3 left)</source>
        <translation>%1: %2 % (quedan %3)</translation>
    </message>
    <message>
        <source>Converted %1 to %2</source>
        <translation>%1 convertido en %2</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>%1 omitido: %2</translation>
    </message>
    <message>
        <source>Failed %1: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
    <message>
        <source>Stopped %1</source>
        <translation>%1 detenido</translation>
    </message>
    <message>
        <source>Converted %1, skipped %2, failed %3</source>
        <translation>Convertidos %1, omitidos %2, fallidos %3</translation>
    </message>
    <message>
        <source>, planned %1</source>
        <translation>, planificados %1</translation>
    </message>
    <message>
        <source>, stopped %1</source>
        <translation>, detenidos %1</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>its output would replace the file itself; choose another output folder</source>
        <translation>la salida reemplazaría el propio archivo; elija otra carpeta de salida</translation>
    </message>
    <message>
        <source>its output exists</source>
        <translation>su salida ya existe</translation>
    </message>
    <message>
        <source>another runner is converting it</source>
        <translation>otro proceso lo está convirtiendo</translation>
    </message>
    <message>
        <source>it is not a media file that can be read</source>
        <translation>no es un archivo multimedia legible</translation>
    </message>
    <message>
        <source>it has no video picture to draw on</source>
        <translation>no tiene imagen de vídeo sobre la que dibujar</translation>
    </message>
    <message>
        <source>the conversion could not be planned</source>
        <translation>no se pudo planificar la conversión</translation>
    </message>
    <message>
        <source>the engine failed: %1</source>
        <translation>el motor falló: %1</translation>
    </message>
    <message>
        <source>it has no subtitle track %1</source>
        <translation>no tiene la pista de subtítulos %1</translation>
    </message>
</context>
<context>
    <name>BatchSetup</name>
    <message>
        <source>No output folder is set; give one with --output.</source>
        <translation>No hay carpeta de salida definida; indique una con --output.</translation>
    </message>
    <message>
        <source>The subtitle %1 does not exist.</source>
        <translation>El subtítulo %1 no existe.</translation>
    </message>
    <message>
        <source>The output folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta de salida %1.</translation>
    </message>
    <message>
        <source>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</source>
        <translation>El proyecto %1 no guarda el tamaño del vídeo sobre el que se colocaron sus capas; indíquelo con --canvas, por ejemplo --canvas 1920x1080.</translation>
    </message>
    <message>
        <source>Layer %1 of the project cannot be used: %2</source>
        <translation>La capa %1 del proyecto no se puede usar: %2</translation>
    </message>
    <message>
        <source>%1 is neither a container name, nor a saved format preset, nor an output-format file.</source>
        <translation>%1 no es un nombre de contenedor, ni un ajuste de formato guardado, ni un archivo de formato de salida.</translation>
    </message>
    <message>
        <source>The output format %1 cannot be used: %2</source>
        <translation>No se puede usar el formato de salida %1: %2</translation>
    </message>
</context>
<context>
    <name>BurnInSubtitle</name>
    <message>
        <source>Subtitle left out of the picture: %1</source>
        <translation>Subtítulos omitidos de la imagen: %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted here</source>
        <translation>%1 no se puede convertir aquí</translation>
    </message>
    <message>
        <source>the cache folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta de caché %1</translation>
    </message>
    <message>
        <source>%1 could not be converted</source>
        <translation>No se pudo convertir %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>the edited subtitles</source>
        <translation>los subtítulos en edición</translation>
    </message>
    <message>
        <source>%1 is not a subtitle file libass can read</source>
        <translation>%1 no es un archivo de subtítulos que libass pueda leer</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 ya no existe</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2</source>
        <translation>la pista de subtítulos %1 de %2</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 no tiene la pista de subtítulos %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>la pista de subtítulos %1 de %2 no se puede decodificar</translation>
    </message>
</context>
<context>
    <name>CanvasHistory</name>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
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
        <translation>Archivo de origen</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Watermark layers: %1</source>
        <translation>Capas de marca de agua: %1</translation>
    </message>
    <message>
        <source>Subtitle burned in: %1</source>
        <translation>Subtítulos incrustados: %1</translation>
    </message>
    <message>
        <source>Picture cropped</source>
        <translation>Imagen recortada</translation>
    </message>
    <message>
        <source>Picture turned</source>
        <translation>Imagen girada</translation>
    </message>
    <message>
        <source>Picture flipped</source>
        <translation>Imagen volteada</translation>
    </message>
    <message>
        <source>Size of the output file</source>
        <translation>Tamaño del archivo de salida</translation>
    </message>
    <message>
        <source>Size of the source file</source>
        <translation>Tamaño del archivo de origen</translation>
    </message>
    <message>
        <source>Unfinished file kept: %1</source>
        <translation>Archivo sin terminar conservado: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>Stopped by user</source>
        <translation>Detenido por el usuario</translation>
    </message>
    <message>
        <source>The engine did not report how the conversion ended.</source>
        <translation>El motor no informó cómo terminó la conversión.</translation>
    </message>
    <message>
        <source>no work could be planned for this file</source>
        <translation>no se pudo planificar ningún trabajo para este archivo</translation>
    </message>
    <message>
        <source>no part to cut could be worked out (is the length of the file known?)</source>
        <translation>no se pudo determinar ninguna parte que cortar (¿se conoce la duración del archivo?)</translation>
    </message>
    <message>
        <source>the merge could not be prepared (its list file could not be written)</source>
        <translation>no se pudo preparar la unión (no se pudo escribir su archivo de lista)</translation>
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
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Añadir vídeo</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Añadir subtítulos</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Abrir archivo de subtítulos</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Archivo de subtítulos(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Brindle 4.x later Project(*.qpj)</source>
        <translation>Proyecto de Brindle 4.x o posterior(*.qpj)</translation>
    </message>
    <message>
        <source>Open Brindle Project</source>
        <translation>Abrir proyecto de Brindle</translation>
    </message>
    <message>
        <source>The project could not be opened; the layers are kept as they were.
%1
%2</source>
        <translation>No se pudo abrir el proyecto; las capas se mantienen como estaban.
%1
%2</translation>
    </message>
    <message>
        <source>Save Brindle Project</source>
        <translation>Guardar proyecto de Brindle</translation>
    </message>
    <message>
        <source>The project could not be saved.
%1
%2</source>
        <translation>No se pudo guardar el proyecto.
%1
%2</translation>
    </message>
    <message>
        <source>No layer was added: the file gives no picture.
%1</source>
        <translation>No se añadió ninguna capa: el archivo no proporciona ninguna imagen.
%1</translation>
    </message>
    <message>
        <source>No layer was added.
%1</source>
        <translation>No se añadió ninguna capa.
%1</translation>
    </message>
    <message>
        <source>These layers of the project could not be shown:
%1</source>
        <translation>Estas capas del proyecto no se pudieron mostrar:
%1</translation>
    </message>
</context>
<context>
    <name>FilterGraph</name>
    <message>
        <source>The text layer image %1 could not be saved</source>
        <translation>No se pudo guardar la imagen de la capa de texto %1</translation>
    </message>
</context>
<context>
    <name>FollowupWork</name>
    <message>
        <source>No part to cut could be worked out for %1.</source>
        <translation>No se pudo determinar ninguna parte que cortar para %1.</translation>
    </message>
    <message>
        <source>The merge of %1 could not be prepared.</source>
        <translation>No se pudo preparar la unión de %1.</translation>
    </message>
</context>
<context>
    <name>FormatPresets</name>
    <message>
        <source>The value &quot;%1&quot; of %2 is not valid.</source>
        <translation>El valor &quot;%1&quot; de %2 no es válido.</translation>
    </message>
    <message>
        <source>Please enter a name for the format options.</source>
        <translation>Introduzca un nombre para las opciones de formato.</translation>
    </message>
    <message>
        <source>A name must not begin with a dot.</source>
        <translation>Un nombre no puede empezar por un punto.</translation>
    </message>
    <message>
        <source>A name must not contain slashes or control characters.</source>
        <translation>Un nombre no puede contener barras ni caracteres de control.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>El nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is not a format options file.</source>
        <translation>El archivo no es un archivo de opciones de formato.</translation>
    </message>
    <message>
        <source>The file lacks the setting %1.</source>
        <translation>Al archivo le falta el ajuste %1.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>The unfinished output was kept as %1</source>
        <translation>La salida sin terminar se conservó como %1</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Posición y tamaño</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Mantener proporción</translation>
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
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Motion and time</source>
        <translation>Movimiento y tiempo</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fundido</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrada y salida</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>Marca de agua</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrada y salida</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fundido</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Until the end of the video</source>
        <translation>Hasta el final del vídeo</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Aceleración por hardware</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>Codificación por hardware</translation>
    </message>
    <message>
        <source>Check for Hardware Encoders</source>
        <translation>Buscar codificadores por hardware</translation>
    </message>
    <message>
        <source>Found: %1.</source>
        <translation>Encontrados: %1.</translation>
    </message>
    <message>
        <source>No hardware encoder was found; videos are encoded in software.</source>
        <translation>No se encontró ningún codificador por hardware; los vídeos se codifican por software.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindle Professional Edition 4.0.5</source>
        <translation>Brindle Edición Profesional 4.0.5</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Banda sonora</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Añadir archivo</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Información del medio</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Listo para convertir</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Añadir archivo de subtítulos</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>Debe reiniciar Brindle para cambiar al nuevo idioma.
¿Desea reiniciar ahora?</translation>
    </message>
    <message>
        <source>Add media file to list</source>
        <translation>Primero añada un archivo multimedia a la lista</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Todos los archivos multimedia compatibles</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Todos los archivos de vídeo compatibles</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Todos los archivos de audio compatibles</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Show Log…</source>
        <translation>Mostrar registro…</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>No encontrado: %1</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Todos los archivos de imagen compatibles</translation>
    </message>
    <message>
        <source>This file is still being converted. Stop its work and remove it?</source>
        <translation>Este archivo aún se está convirtiendo. ¿Detener su trabajo y quitarlo?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>These files were not started:</source>
        <translation>Estos archivos no se iniciaron:</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Completed with warnings</source>
        <translation>Completado con advertencias</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>No iniciado</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Información del medio</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Códec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Fotogramas por segundo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a media file.</source>
        <translation>No se pudo leer &quot;%1&quot; como archivo multimedia.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Ubicación: %1</translation>
    </message>
</context>
<context>
    <name>MergeTab</name>
    <message>
        <source>Source File</source>
        <translation>Archivo de origen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Añadir cabecera</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Añadir cierre</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Información del medio</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Añadir archivo multimedia</translation>
    </message>
</context>
<context>
    <name>MusicTab</name>
    <message>
        <source>Source File</source>
        <translation>Archivo de origen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Añadir archivo de música</translation>
    </message>
</context>
<context>
    <name>OutputClaim</name>
    <message>
        <source>The lock file %1 could not be made.</source>
        <translation>No se pudo crear el archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>The output %1 was not claimed.</source>
        <translation>La salida %1 no se reservó.</translation>
    </message>
    <message>
        <source>The finished file could not be moved to %1: %2</source>
        <translation>No se pudo mover el archivo terminado a %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No output folder is set. Choose the folder the converted files go to.</source>
        <translation>No hay carpeta de salida. Elija la carpeta donde irán los archivos convertidos.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>La carpeta de salida «%1» no es una ruta completa. Elija una carpeta.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>La carpeta de salida «%1» es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>No se puede crear la carpeta de salida «%1».</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be written to.</source>
        <translation>No se puede escribir en la carpeta de salida «%1».</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Desplazar tiempos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas las filas</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Filas seleccionadas</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>A partir de la selección</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Inicio y fin</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Solo inicio</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Solo fin</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The subtitles appear earlier</source>
        <translation>Los subtítulos aparecen antes</translation>
    </message>
    <message>
        <source>The subtitles appear later</source>
        <translation>Los subtítulos aparecen después</translation>
    </message>
    <message>
        <source>No line is affected.</source>
        <translation>Ninguna línea se ve afectada.</translation>
    </message>
    <message>
        <source>Line %1 ends at %2.</source>
        <translation>La línea %1 termina en %2.</translation>
    </message>
    <message>
        <source>Line %1 starts at %2.</source>
        <translation>La línea %1 empieza en %2.</translation>
    </message>
    <message>
        <source>After the shift: %1, earlier.</source>
        <translation>Tras el desplazamiento: %1, antes.</translation>
    </message>
    <message>
        <source>After the shift: %1, later.</source>
        <translation>Tras el desplazamiento: %1, después.</translation>
    </message>
    <message>
        <source>After the shift: %1, unchanged.</source>
        <translation>Tras el desplazamiento: %1, sin cambios.</translation>
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
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copiar tiempo</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>start time</source>
        <translation>hora de inicio</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>hora de fin</translation>
    </message>
    <message>
        <source>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</source>
        <translation>Capa %1: %2 %3 es de un día o más, lo que un proyecto no puede guardar; se guardó como %4.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</source>
        <translation>Capa %1: «%2» debe ser un número entero, no «%3».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</source>
        <translation>Capa %1: «%2» debe ser un número, no «%3».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</source>
        <translation>Capa %1: «%2» debe ser una hora con la forma HH:mm:ss:zzz, no «%3».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</source>
        <translation>Capa %1: «%2» debe ser un color con la forma aarrggbb, no «%3».</translation>
    </message>
    <message>
        <source>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</source>
        <translation>Capa %1: el valor «%3» de «%2» está fuera de rango.</translation>
    </message>
    <message>
        <source>Layer %1 has no &quot;%2&quot; element.</source>
        <translation>La capa %1 no tiene el elemento «%2».</translation>
    </message>
    <message>
        <source>Layer %1 gives only one side of its canvas size.</source>
        <translation>La capa %1 solo indica un lado del tamaño de su lienzo.</translation>
    </message>
    <message>
        <source>The file is not a readable project (line %1, column %2): %3</source>
        <translation>El archivo no es un proyecto legible (línea %1, columna %2): %3</translation>
    </message>
    <message>
        <source>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</source>
        <translation>No es un proyecto de Brindle: su elemento raíz es «%1» en lugar de «Layers».</translation>
    </message>
    <message>
        <source>The project holds an element &quot;%1&quot; where a layer was expected.</source>
        <translation>El proyecto contiene un elemento «%1» donde se esperaba una capa.</translation>
    </message>
    <message>
        <source>Layer %1 names a canvas size different from the layers before it.</source>
        <translation>La capa %1 indica un tamaño de lienzo distinto del de las capas anteriores.</translation>
    </message>
    <message>
        <source>The project %1 could not be opened: %2</source>
        <translation>No se pudo abrir el proyecto %1: %2</translation>
    </message>
    <message>
        <source>The project could not be saved to %1: %2</source>
        <translation>No se pudo guardar el proyecto en %1: %2</translation>
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
        <translation>Otro</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Opciones de formato</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Modo de calidad de vídeo</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Códec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Mantener anchura y altura</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Mantener velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Mantener códec de audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volumen (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 alta</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 baja</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The output format cannot be saved to %1.</source>
        <translation>No se puede guardar el formato de salida en %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Opciones (*.ini)</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; cannot be used.
%2</source>
        <translation>Las opciones de formato &quot;%1&quot; no se pueden usar.
%2</translation>
    </message>
    <message>
        <source>Name of the format options:</source>
        <translation>Nombre de las opciones de formato:</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; exist already. Do you want to replace them?</source>
        <translation>Las opciones de formato &quot;%1&quot; ya existen. ¿Desea reemplazarlas?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>The format options cannot be saved to %1.</source>
        <translation>No se pueden guardar las opciones de formato en %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>¿Seguro que desea eliminar las opciones de formato?</translation>
    </message>
    <message>
        <source>The format options cannot be deleted from %1.</source>
        <translation>No se pueden eliminar las opciones de formato de %1.</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copiar tiempo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Cambiar tamaño</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Add Video</source>
        <translation>Añadir vídeo</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>¿Seguro que desea eliminar la capa?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>Opciones</translation>
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
        <translation>Cambiar tamaño</translation>
    </message>
</context>
<context>
    <name>RecordLayer</name>
    <message>
        <source>The text layer &quot;%1&quot; draws nothing.</source>
        <translation>La capa de texto «%1» no dibuja nada.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: %2</source>
        <translation>No se pudo leer la imagen %1: %2</translation>
    </message>
    <message>
        <source>The video %1 has no picture that could be read.</source>
        <translation>El vídeo %1 no tiene ninguna imagen legible.</translation>
    </message>
    <message>
        <source>A layer of kind %1 cannot be drawn over a video.</source>
        <translation>Una capa de tipo %1 no se puede dibujar sobre un vídeo.</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Buscar\Reemplazar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar por</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas las filas</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Filas seleccionadas</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>A partir de la selección</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
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
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Número de partes</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Duración de cada clip</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Recortar una sección</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
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
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primario</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secundario</translation>
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
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A style name must not be empty or contain a comma.</source>
        <translation>El nombre de un estilo no puede estar vacío ni contener comas.</translation>
    </message>
    <message>
        <source>A style named &quot;%1&quot; exists already.</source>
        <translation>Ya existe un estilo llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The last style cannot be deleted.</source>
        <translation>El último estilo no se puede eliminar.</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Abrir archivo de estilos o archivo ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Archivo de estilos|ASS(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Guardar archivo de estilos</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Archivo de estilos(*.sty)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; the styles are unchanged.</source>
        <translation>No se pudo leer &quot;%1&quot;; los estilos no han cambiado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no styles; the styles are unchanged.</source>
        <translation>&quot;%1&quot; no contiene estilos; los estilos no han cambiado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Sample subtitle</source>
        <translation>Subtítulo de ejemplo</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Add subtitle</source>
        <translation>Añadir subtítulo</translation>
    </message>
    <message>
        <source>Delete subtitle</source>
        <translation>Eliminar subtítulo</translation>
    </message>
    <message>
        <source>Change styles</source>
        <translation>Cambiar estilos</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Guardado en %1.</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>¿Seguro que desea eliminar el subtítulo?</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Desplazar tiempos</translation>
    </message>
    <message>
        <source>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</source>
        <translation>Filas desplazadas: %1. Detenidas para no quedar por debajo de cero ni terminar antes de empezar: %2.</translation>
    </message>
    <message>
        <source>Lines shifted: %1.</source>
        <translation>Filas desplazadas: %1.</translation>
    </message>
    <message>
        <source>No line contains &quot;%1&quot;.</source>
        <translation>Ninguna fila contiene «%1».</translation>
    </message>
    <message>
        <source>Replace text</source>
        <translation>Reemplazar texto</translation>
    </message>
    <message>
        <source>Lines changed: %1.</source>
        <translation>Filas cambiadas: %1.</translation>
    </message>
    <message>
        <source>Edit start time</source>
        <translation>Editar inicio</translation>
    </message>
    <message>
        <source>Edit end time</source>
        <translation>Editar fin</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Editar subtítulo</translation>
    </message>
</context>
<context>
    <name>SubtitleSession</name>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>No se pudo leer %1 como subtítulos.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Añadir a la pista de subtítulos</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Abrir archivo de subtítulos</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Archivo de subtítulos(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Guardar archivo ASS</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
</context>
<context>
    <name>SubtitleTable</name>
    <message>
        <source>Start Time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
</context>
<context>
    <name>SubtitleTrack</name>
    <message>
        <source>Track %1</source>
        <translation>Pista %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminada</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forzada</translation>
    </message>
    <message>
        <source>pictures, cannot be edited</source>
        <translation>imágenes, no editables</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>the streams of %1 cannot be read</source>
        <translation>no se pueden leer los flujos de %1</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 no tiene la pista de subtítulos %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>la pista de subtítulos %1 de %2 no se puede decodificar</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 holds pictures, not text</source>
        <translation>la pista de subtítulos %1 de %2 contiene imágenes, no texto</translation>
    </message>
    <message>
        <source>no line of subtitle track %1 of %2 could be decoded</source>
        <translation>no se pudo decodificar ninguna línea de la pista de subtítulos %1 de %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>no decodificable</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackButton</name>
    <message>
        <source>From the video</source>
        <translation>Del vídeo</translation>
    </message>
    <message>
        <source>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</source>
        <translation>Graba en la imagen una pista de subtítulos que contiene el vídeo. Las pistas de texto se pueden editar aquí; las pistas de imágenes se graban tal cual.</translation>
    </message>
    <message>
        <source>The video carries no subtitle tracks</source>
        <translation>El vídeo no contiene pistas de subtítulos</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackChoice</name>
    <message>
        <source>This FFmpeg cannot decode %1 subtitles.</source>
        <translation>Este FFmpeg no puede decodificar subtítulos %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Pista de subtítulos</translation>
    </message>
    <message>
        <source>The subtitle track cannot be read.
%1</source>
        <translation>No se puede leer la pista de subtítulos.
%1</translation>
    </message>
    <message>
        <source>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</source>
        <translation>La pista de subtítulos %1 del vídeo se graba como imágenes; no se pueden editar.</translation>
    </message>
    <message>
        <source>%1 (track %2).ass</source>
        <translation>%1 (pista %2).ass</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Buscar\Reemplazar</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
</context>
<context>
    <name>UnfinishedOutput</name>
    <message>
        <source>unfinished</source>
        <translation>sin terminar</translation>
    </message>
</context>
<context>
    <name>UnsavedSubtitles</name>
    <message>
        <source>Save ASS File</source>
        <translation>Guardar archivo ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Archivo ASS(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle lines of %1 were changed and not saved.</source>
        <translation>Las líneas de subtítulos de %1 se modificaron y no se guardaron.</translation>
    </message>
    <message>
        <source>Save the changes before going on?</source>
        <translation>¿Guardar los cambios antes de continuar?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Activar fondo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondeo</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Gradient Text</source>
        <translation>Texto degradado</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Resplandor</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Sin contorno</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Contorno simple</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Contorno doble</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Contorno degradado</translation>
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
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Efecto de texto</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Color del contorno 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Grosor 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Opacidad 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Color del contorno 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Grosor 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Opacidad 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Activar sombra</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Color de la sombra</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacidad</translation>
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
        <translation>Escriba aquí su propio texto</translation>
    </message>
    <message>
        <source>Text Options</source>
        <translation>Opciones de texto</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Efecto de texto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
