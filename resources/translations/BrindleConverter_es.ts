<?xml version='1.0' encoding='utf-8'?>
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
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
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
        <source>Check HW</source>
        <translation>Comprobar hardware</translation>
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
        <source>Split</source>
        <translation>Dividir</translation>
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
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
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
        <source>Add to subtitle stream</source>
        <translation>Añadir a la pista de subtítulos</translation>
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
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>Debe reiniciar Brindle para cambiar al nuevo idioma.
¿Desea reiniciar ahora?</translation>
    </message>
</context>
</TS>