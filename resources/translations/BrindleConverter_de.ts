<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Professional Edition 4.0.5</source>
        <translation>Profi-Edition 4.0.5</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>Hilfe (Liesmich)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>Failed to start %1: %2
</source>
        <translation>%1 konnte nicht gestartet werden: %2
</translation>
    </message>
    <message>
        <source>Stopped by user at %1
</source>
        <translation>Vom Benutzer angehalten um %1
</translation>
    </message>
    <message>
        <source>Completed successfully in %1
</source>
        <translation>Erfolgreich abgeschlossen in %1
</translation>
    </message>
    <message>
        <source>Failed with exit code %1
</source>
        <translation>Fehlgeschlagen mit Exitcode %1
</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</source>
        <translation>Setzt die Wasserzeichen-Ebenen eines Projekts und einen Untertitel auf jedes angegebene Video und konvertiert es. Ordner stehen für die Mediendateien darin. Bereits vorhandene Ausgaben bleiben unberührt, daher setzt derselbe Befehl einen unterbrochenen Stapel fort.</translation>
    </message>
    <message>
        <source>The watermark project (.qpj) to apply.</source>
        <translation>Das anzuwendende Wasserzeichen-Projekt (.qpj).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>A subtitle file to burn into every video.</source>
        <translation>Eine Untertiteldatei, die in jedes Video eingebrannt wird.</translation>
    </message>
    <message>
        <source>name or file</source>
        <translation>Name oder Datei</translation>
    </message>
    <message>
        <source>The folder for the outputs. Default: your output folder.</source>
        <translation>Der Ordner für die Ausgaben. Vorgabe: Ihr Ausgabeordner.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>How many files are converted at once. Default: your setting.</source>
        <translation>Wie viele Dateien gleichzeitig konvertiert werden. Vorgabe: Ihre Einstellung.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Print the engine command lines and run nothing.</source>
        <translation>Die Befehlszeilen der Engine ausgeben und nichts ausführen.</translation>
    </message>
    <message>
        <source>Report progress and results as one JSON object per line.</source>
        <translation>Fortschritt und Ergebnisse als ein JSON-Objekt pro Zeile melden.</translation>
    </message>
    <message>
        <source>The size of the video the layers were placed on, for projects that do not record it.</source>
        <translation>Die Größe des Videos, auf dem die Ebenen platziert wurden, für Projekte, die sie nicht speichern.</translation>
    </message>
    <message>
        <source>width x height</source>
        <translation>Breite x Höhe</translation>
    </message>
    <message>
        <source>Video files and folders of video files.</source>
        <translation>Videodateien und Ordner mit Videodateien.</translation>
    </message>
    <message>
        <source>FILE_OR_FOLDER...</source>
        <translation>DATEI_ODER_ORDNER...</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--jobs braucht eine ganze Zahl ab 1, nicht „%1“.</translation>
    </message>
    <message>
        <source>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</source>
        <translation>--canvas braucht eine Größe wie 1920x1080, nicht „%1“.</translation>
    </message>
    <message>
        <source>No files to convert were given.</source>
        <translation>Es wurden keine Dateien zum Konvertieren angegeben.</translation>
    </message>
    <message>
        <source>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</source>
        <translation>Ein Container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), der Name einer gespeicherten Formatvorlage oder eine INI-Datei mit einem Ausgabeformat. Vorgabe: Ihr aktuelles Ausgabeformat.</translation>
    </message>
    <message>
        <source>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</source>
        <translation>Brennt die N-te Untertitelspur jedes Videos ein, gezählt ab 1 (Textspuren sowie Bildspuren von DVD, Blu-ray oder DVB). Ein Video ohne diese Spur schlägt fehl, außer --subtitle-track-optional ist angegeben.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Skip the videos that have no such subtitle track instead of failing them.</source>
        <translation>Videos ohne diese Untertitelspur überspringen, statt sie fehlschlagen zu lassen.</translation>
    </message>
    <message>
        <source>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--subtitle-track braucht eine Spurnummer ab 1, nicht „%1“.</translation>
    </message>
    <message>
        <source>Give either --subtitle or --subtitle-track, not both.</source>
        <translation>Entweder --subtitle oder --subtitle-track angeben, nicht beide.</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1: %2% (%3 left)</source>
        <translation>%1: %2% (noch %3)</translation>
    </message>
    <message>
        <source>Converted %1 to %2</source>
        <translation>%1 nach %2 konvertiert</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>%1 übersprungen: %2</translation>
    </message>
    <message>
        <source>Failed %1: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Stopped %1</source>
        <translation>%1 angehalten</translation>
    </message>
    <message>
        <source>Converted %1, skipped %2, failed %3</source>
        <translation>Konvertiert %1, übersprungen %2, fehlgeschlagen %3</translation>
    </message>
    <message>
        <source>, planned %1</source>
        <translation>, geplant %1</translation>
    </message>
    <message>
        <source>, stopped %1</source>
        <translation>, angehalten %1</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>its output would replace the file itself; choose another output folder</source>
        <translation>die Ausgabe würde die Datei selbst ersetzen; wählen Sie einen anderen Ausgabeordner</translation>
    </message>
    <message>
        <source>its output exists</source>
        <translation>die Ausgabe existiert bereits</translation>
    </message>
    <message>
        <source>another runner is converting it</source>
        <translation>ein anderer Lauf konvertiert sie gerade</translation>
    </message>
    <message>
        <source>it is not a media file that can be read</source>
        <translation>es ist keine lesbare Mediendatei</translation>
    </message>
    <message>
        <source>it has no video picture to draw on</source>
        <translation>es hat kein Videobild, auf das gezeichnet werden kann</translation>
    </message>
    <message>
        <source>the conversion could not be planned</source>
        <translation>die Konvertierung konnte nicht geplant werden</translation>
    </message>
    <message>
        <source>the engine failed: %1</source>
        <translation>die Engine ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>it has no subtitle track %1</source>
        <translation>es hat keine Untertitelspur %1</translation>
    </message>
</context>
<context>
    <name>BatchSetup</name>
    <message>
        <source>No output folder is set; give one with --output.</source>
        <translation>Es ist kein Ausgabeordner eingestellt; geben Sie einen mit --output an.</translation>
    </message>
    <message>
        <source>The subtitle %1 does not exist.</source>
        <translation>Der Untertitel %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The output folder %1 could not be made.</source>
        <translation>Der Ausgabeordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</source>
        <translation>Das Projekt %1 speichert nicht die Größe des Videos, auf dem seine Ebenen platziert wurden; geben Sie sie mit --canvas an, zum Beispiel --canvas 1920x1080.</translation>
    </message>
    <message>
        <source>Layer %1 of the project cannot be used: %2</source>
        <translation>Ebene %1 des Projekts ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>%1 is neither a container name, nor a saved format preset, nor an output-format file.</source>
        <translation>%1 ist weder ein Containername noch eine gespeicherte Formatvorlage noch eine Ausgabeformat-Datei.</translation>
    </message>
    <message>
        <source>The output format %1 cannot be used: %2</source>
        <translation>Das Ausgabeformat %1 ist nicht verwendbar: %2</translation>
    </message>
</context>
<context>
    <name>BurnInSubtitle</name>
    <message>
        <source>Subtitle left out of the picture: %1</source>
        <translation>Untertitel nicht ins Bild übernommen: %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted here</source>
        <translation>%1 kann hier nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>the cache folder %1 cannot be made</source>
        <translation>der Zwischenspeicherordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 could not be converted</source>
        <translation>%1 konnte nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the edited subtitles</source>
        <translation>die bearbeiteten Untertitel</translation>
    </message>
    <message>
        <source>%1 is not a subtitle file libass can read</source>
        <translation>%1 ist keine Untertiteldatei, die libass lesen kann</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2</source>
        <translation>Untertitelspur %1 von %2</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 hat keine Untertitelspur %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>Untertitelspur %1 von %2 kann nicht dekodiert werden</translation>
    </message>
</context>
<context>
    <name>CanvasHistory</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
</context>
<context>
    <name>ConversionListModel</name>
    <message>
        <source>Source File</source>
        <translation>Quelldatei</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Watermark layers: %1</source>
        <translation>Wasserzeichen-Ebenen: %1</translation>
    </message>
    <message>
        <source>Subtitle burned in: %1</source>
        <translation>Eingebrannte Untertitel: %1</translation>
    </message>
    <message>
        <source>Picture cropped</source>
        <translation>Bild zugeschnitten</translation>
    </message>
    <message>
        <source>Picture turned</source>
        <translation>Bild gedreht</translation>
    </message>
    <message>
        <source>Picture flipped</source>
        <translation>Bild gespiegelt</translation>
    </message>
    <message>
        <source>Size of the output file</source>
        <translation>Größe der Ausgabedatei</translation>
    </message>
    <message>
        <source>Size of the source file</source>
        <translation>Größe der Quelldatei</translation>
    </message>
    <message>
        <source>Unfinished file kept: %1</source>
        <translation>Unfertige Datei behalten: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>Stopped by user</source>
        <translation>Vom Benutzer angehalten</translation>
    </message>
    <message>
        <source>The engine did not report how the conversion ended.</source>
        <translation>Die Engine hat nicht gemeldet, wie die Konvertierung endete.</translation>
    </message>
    <message>
        <source>no work could be planned for this file</source>
        <translation>für diese Datei ließ sich keine Arbeit planen</translation>
    </message>
    <message>
        <source>no part to cut could be worked out (is the length of the file known?)</source>
        <translation>es ließ sich kein Teil zum Schneiden bestimmen (ist die Länge der Datei bekannt?)</translation>
    </message>
    <message>
        <source>the merge could not be prepared (its list file could not be written)</source>
        <translation>die Zusammenführung ließ sich nicht vorbereiten (ihre Listendatei konnte nicht geschrieben werden)</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
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
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Untertitel hinzufügen</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Untertiteldatei öffnen</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Untertiteldatei(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Brindle 4.x later Project(*.qpj)</source>
        <translation>Brindle-Projekt ab 4.x(*.qpj)</translation>
    </message>
    <message>
        <source>Open Brindle Project</source>
        <translation>Brindle-Projekt öffnen</translation>
    </message>
    <message>
        <source>The project could not be opened; the layers are kept as they were.
%1
%2</source>
        <translation>Das Projekt konnte nicht geöffnet werden; die Ebenen bleiben unverändert.
%1
%2</translation>
    </message>
    <message>
        <source>Save Brindle Project</source>
        <translation>Brindle-Projekt speichern</translation>
    </message>
    <message>
        <source>The project could not be saved.
%1
%2</source>
        <translation>Das Projekt konnte nicht gespeichert werden.
%1
%2</translation>
    </message>
    <message>
        <source>No layer was added: the file gives no picture.
%1</source>
        <translation>Es wurde keine Ebene hinzugefügt: Die Datei liefert kein Bild.
%1</translation>
    </message>
    <message>
        <source>No layer was added.
%1</source>
        <translation>Es wurde keine Ebene hinzugefügt.
%1</translation>
    </message>
    <message>
        <source>These layers of the project could not be shown:
%1</source>
        <translation>Diese Ebenen des Projekts können nicht angezeigt werden:
%1</translation>
    </message>
</context>
<context>
    <name>FilterGraph</name>
    <message>
        <source>The text layer image %1 could not be saved</source>
        <translation>Das Bild der Textebene %1 konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>FollowupWork</name>
    <message>
        <source>No part to cut could be worked out for %1.</source>
        <translation>Für %1 ließ sich kein Teil zum Schneiden bestimmen.</translation>
    </message>
    <message>
        <source>The merge of %1 could not be prepared.</source>
        <translation>Die Zusammenführung von %1 ließ sich nicht vorbereiten.</translation>
    </message>
</context>
<context>
    <name>FormatPresets</name>
    <message>
        <source>The value &quot;%1&quot; of %2 is not valid.</source>
        <translation>Der Wert „%1“ von %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Please enter a name for the format options.</source>
        <translation>Bitte geben Sie einen Namen für die Formatoptionen ein.</translation>
    </message>
    <message>
        <source>A name must not begin with a dot.</source>
        <translation>Ein Name darf nicht mit einem Punkt beginnen.</translation>
    </message>
    <message>
        <source>A name must not contain slashes or control characters.</source>
        <translation>Ein Name darf keine Schrägstriche oder Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is not a format options file.</source>
        <translation>Die Datei ist keine Formatoptionen-Datei.</translation>
    </message>
    <message>
        <source>The file lacks the setting %1.</source>
        <translation>In der Datei fehlt die Einstellung %1.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>The unfinished output was kept as %1</source>
        <translation>Die unfertige Ausgabe wurde als %1 behalten</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Position und Größe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Seitenverhältnis beibehalten</translation>
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
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Motion and time</source>
        <translation>Bewegung und Zeit</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Ein und aus</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>endless</source>
        <comment>a loop count of 0</comment>
        <translation>endlos</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Ein und aus</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Überblendung</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Until the end of the video</source>
        <translation>Bis zum Ende des Videos</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Log: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Hardwarebeschleunigung</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Hardware-Kodierung</translation>
    </message>
    <message>
        <source>Check for Hardware Encoders</source>
        <translation>Nach Hardware-Encodern suchen</translation>
    </message>
    <message>
        <source>Found: %1.</source>
        <translation>Gefunden: %1.</translation>
    </message>
    <message>
        <source>No hardware encoder was found; videos are encoded in software.</source>
        <translation>Kein Hardware-Encoder gefunden; Videos werden per Software kodiert.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindle Professional Edition 4.0.5</source>
        <translation>Brindle Profi-Edition 4.0.5</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenfügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Tonspur</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Zur Konvertierung bereit</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Untertiteldatei hinzufügen</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>Brindle muss neu gestartet werden, um die neue Sprache zu verwenden.
Jetzt neu starten?</translation>
    </message>
    <message>
        <source>Add media file to list</source>
        <translation>Bitte zuerst eine Mediendatei zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In Warteschlange</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Alle unterstützten Mediendateien</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Alle unterstützten Videodateien</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Alle unterstützten Audiodateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Show Log…</source>
        <translation>Protokoll anzeigen…</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Nicht gefunden: %1</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Alle unterstützten Bilddateien</translation>
    </message>
    <message>
        <source>This file is still being converted. Stop its work and remove it?</source>
        <translation>Diese Datei wird noch umgewandelt. Die Arbeit daran anhalten und sie entfernen?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>These files were not started:</source>
        <translation>Diese Dateien wurden nicht begonnen:</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>Completed with warnings</source>
        <translation>Mit Warnungen abgeschlossen</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Nicht begonnen</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a media file.</source>
        <translation>„%1“ konnte nicht als Mediendatei gelesen werden.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Ort: %1</translation>
    </message>
</context>
<context>
    <name>MergeTab</name>
    <message>
        <source>Source File</source>
        <translation>Quelldatei</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Vorspann hinzufügen</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Abspann hinzufügen</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Medieninformationen</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Mediendatei hinzufügen</translation>
    </message>
</context>
<context>
    <name>MusicTab</name>
    <message>
        <source>Source File</source>
        <translation>Quelldatei</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Musikdatei hinzufügen</translation>
    </message>
</context>
<context>
    <name>OutputClaim</name>
    <message>
        <source>The lock file %1 could not be made.</source>
        <translation>Die Sperrdatei %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The output %1 was not claimed.</source>
        <translation>Die Ausgabe %1 wurde nicht reserviert.</translation>
    </message>
    <message>
        <source>The finished file could not be moved to %1: %2</source>
        <translation>Die fertige Datei konnte nicht nach %1 verschoben werden: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No output folder is set. Choose the folder the converted files go to.</source>
        <translation>Es ist kein Ausgabeordner festgelegt. Wählen Sie den Ordner für die umgewandelten Dateien.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>Der Ausgabeordner „%1“ ist kein vollständiger Pfad. Wählen Sie einen Ordner.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>Der Ausgabeordner „%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ausgabeordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be written to.</source>
        <translation>In den Ausgabeordner „%1“ kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Zeiten verschieben</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Anwenden auf</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Alle Zeilen</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Ausgewählte Zeilen</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Ab der Auswahl</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Anfangs- und Endzeiten</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Nur Anfangszeiten</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Nur Endzeiten</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The subtitles appear earlier</source>
        <translation>Die Untertitel erscheinen früher</translation>
    </message>
    <message>
        <source>The subtitles appear later</source>
        <translation>Die Untertitel erscheinen später</translation>
    </message>
    <message>
        <source>No line is affected.</source>
        <translation>Keine Zeile ist betroffen.</translation>
    </message>
    <message>
        <source>Line %1 ends at %2.</source>
        <translation>Zeile %1 endet bei %2.</translation>
    </message>
    <message>
        <source>Line %1 starts at %2.</source>
        <translation>Zeile %1 beginnt bei %2.</translation>
    </message>
    <message>
        <source>After the shift: %1, earlier.</source>
        <translation>Nach der Verschiebung: %1, früher.</translation>
    </message>
    <message>
        <source>After the shift: %1, later.</source>
        <translation>Nach der Verschiebung: %1, später.</translation>
    </message>
    <message>
        <source>After the shift: %1, unchanged.</source>
        <translation>Nach der Verschiebung: %1, unverändert.</translation>
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
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Zeit kopieren</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</source>
        <translation>Ebene %1: %2 %3 ist ein Tag oder länger, was ein Projekt nicht speichern kann; gespeichert wurde %4.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</source>
        <translation>Ebene %1: „%2“ muss eine ganze Zahl sein, nicht „%3“.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</source>
        <translation>Ebene %1: „%2“ muss eine Zahl sein, nicht „%3“.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</source>
        <translation>Ebene %1: „%2“ muss eine Zeit der Form HH:mm:ss:zzz sein, nicht „%3“.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</source>
        <translation>Ebene %1: „%2“ muss eine Farbe der Form aarrggbb sein, nicht „%3“.</translation>
    </message>
    <message>
        <source>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</source>
        <translation>Ebene %1: Der Wert „%3“ von „%2“ liegt außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>Layer %1 has no &quot;%2&quot; element.</source>
        <translation>Ebene %1 hat kein Element „%2“.</translation>
    </message>
    <message>
        <source>Layer %1 gives only one side of its canvas size.</source>
        <translation>Ebene %1 gibt nur eine Seite ihrer Leinwandgröße an.</translation>
    </message>
    <message>
        <source>The file is not a readable project (line %1, column %2): %3</source>
        <translation>Die Datei ist kein lesbares Projekt (Zeile %1, Spalte %2): %3</translation>
    </message>
    <message>
        <source>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</source>
        <translation>Dies ist kein Brindle-Projekt: Das oberste Element ist „%1“ statt „Layers“.</translation>
    </message>
    <message>
        <source>The project holds an element &quot;%1&quot; where a layer was expected.</source>
        <translation>Das Projekt enthält ein Element „%1“, wo eine Ebene erwartet wurde.</translation>
    </message>
    <message>
        <source>Layer %1 names a canvas size different from the layers before it.</source>
        <translation>Ebene %1 nennt eine andere Leinwandgröße als die Ebenen davor.</translation>
    </message>
    <message>
        <source>The project %1 could not be opened: %2</source>
        <translation>Das Projekt %1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The project could not be saved to %1: %2</source>
        <translation>Das Projekt konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Weitere</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Formatoptionen</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Videoqualitätsmodus</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Breite und Höhe beibehalten</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Bildrate beibehalten</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Audiocodec beibehalten</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Lautstärke (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 hoch</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 niedrig</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The output format cannot be saved to %1.</source>
        <translation>Das Ausgabeformat kann nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Optionen (*.ini)</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; cannot be used.
%2</source>
        <translation>Die Formatoptionen „%1“ können nicht verwendet werden.
%2</translation>
    </message>
    <message>
        <source>Name of the format options:</source>
        <translation>Name der Formatoptionen:</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; exist already. Do you want to replace them?</source>
        <translation>Die Formatoptionen „%1“ gibt es bereits. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>The format options cannot be saved to %1.</source>
        <translation>Die Formatoptionen können nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Möchten Sie die Formatoptionen wirklich löschen?</translation>
    </message>
    <message>
        <source>The format options cannot be deleted from %1.</source>
        <translation>Die Formatoptionen können nicht aus %1 gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Zeit kopieren</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Add Video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Soll die Ebene wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
</context>
<context>
    <name>RecordLayer</name>
    <message>
        <source>The text layer &quot;%1&quot; draws nothing.</source>
        <translation>Die Textebene „%1“ zeichnet nichts.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: %2</source>
        <translation>Das Bild %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The video %1 has no picture that could be read.</source>
        <translation>Das Video %1 hat kein lesbares Bild.</translation>
    </message>
    <message>
        <source>A layer of kind %1 cannot be drawn over a video.</source>
        <translation>Eine Ebene der Art %1 kann nicht über ein Video gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Suchen\Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Anwenden auf</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Alle Zeilen</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Ausgewählte Zeilen</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Ab der Auswahl</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SplitTab</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Anzahl der Teile</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Dauer jedes Clips</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Abschnitt ausschneiden</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Stil-Editor</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primär</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Sekundär</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A style name must not be empty or contain a comma.</source>
        <translation>Ein Stilname darf nicht leer sein und kein Komma enthalten.</translation>
    </message>
    <message>
        <source>A style named &quot;%1&quot; exists already.</source>
        <translation>Ein Stil namens „%1“ ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The last style cannot be deleted.</source>
        <translation>Der letzte Stil kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Stildatei oder ASS-Datei öffnen</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Stil-|ASS-Datei(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Stildatei speichern</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Stildatei(*.sty)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; the styles are unchanged.</source>
        <translation>„%1“ konnte nicht gelesen werden; die Stile bleiben unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no styles; the styles are unchanged.</source>
        <translation>„%1“ enthält keine Stile; die Stile bleiben unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>„%1“ konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Sample subtitle</source>
        <translation>Beispieluntertitel</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Add subtitle</source>
        <translation>Untertitel hinzufügen</translation>
    </message>
    <message>
        <source>Delete subtitle</source>
        <translation>Untertitel löschen</translation>
    </message>
    <message>
        <source>Change styles</source>
        <translation>Stile ändern</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Gespeichert in %1.</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Untertitel wirklich löschen?</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Zeiten verschieben</translation>
    </message>
    <message>
        <source>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</source>
        <translation>Verschobene Zeilen: %1. Davon angehalten, damit sie nicht unter null fallen oder vor ihrem Anfang enden: %2.</translation>
    </message>
    <message>
        <source>Lines shifted: %1.</source>
        <translation>Verschobene Zeilen: %1.</translation>
    </message>
    <message>
        <source>No line contains &quot;%1&quot;.</source>
        <translation>Keine Zeile enthält „%1“.</translation>
    </message>
    <message>
        <source>Replace text</source>
        <translation>Text ersetzen</translation>
    </message>
    <message>
        <source>Lines changed: %1.</source>
        <translation>Geänderte Zeilen: %1.</translation>
    </message>
    <message>
        <source>Edit start time</source>
        <translation>Anfangszeit ändern</translation>
    </message>
    <message>
        <source>Edit end time</source>
        <translation>Endzeit ändern</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Text ändern</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Untertitel ändern</translation>
    </message>
</context>
<context>
    <name>SubtitleSession</name>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>%1 konnte nicht als Untertitel gelesen werden.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SubtitleTab</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Zum Untertitelstream hinzufügen</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Untertiteldatei öffnen</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Untertiteldatei(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>ASS-Datei speichern</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Nicht gespeicherte Änderungen</translation>
    </message>
</context>
<context>
    <name>SubtitleTable</name>
    <message>
        <source>Start Time</source>
        <translation>Anfangszeit</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
</context>
<context>
    <name>SubtitleTrack</name>
    <message>
        <source>Track %1</source>
        <translation>Spur %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>erzwungen</translation>
    </message>
    <message>
        <source>pictures, cannot be edited</source>
        <translation>Bilder, nicht bearbeitbar</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the streams of %1 cannot be read</source>
        <translation>die Datenströme von %1 können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 hat keine Untertitelspur %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>Untertitelspur %1 von %2 kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 holds pictures, not text</source>
        <translation>Untertitelspur %1 von %2 enthält Bilder, keinen Text</translation>
    </message>
    <message>
        <source>no line of subtitle track %1 of %2 could be decoded</source>
        <translation>keine Zeile der Untertitelspur %1 von %2 konnte dekodiert werden</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>nicht dekodierbar</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackButton</name>
    <message>
        <source>From the video</source>
        <translation>Aus dem Video</translation>
    </message>
    <message>
        <source>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</source>
        <translation>Eine Untertitelspur des Videos einbrennen. Textspuren lassen sich hier bearbeiten; Bildspuren werden so eingebrannt, wie sie sind.</translation>
    </message>
    <message>
        <source>The video carries no subtitle tracks</source>
        <translation>Das Video enthält keine Untertitelspuren</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackChoice</name>
    <message>
        <source>This FFmpeg cannot decode %1 subtitles.</source>
        <translation>Dieses FFmpeg kann %1-Untertitel nicht dekodieren.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Untertitelspur</translation>
    </message>
    <message>
        <source>The subtitle track cannot be read.
%1</source>
        <translation>Die Untertitelspur kann nicht gelesen werden.
%1</translation>
    </message>
    <message>
        <source>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</source>
        <translation>Untertitelspur %1 des Videos wird als Bilder eingebrannt; sie lassen sich nicht bearbeiten.</translation>
    </message>
    <message>
        <source>%1 (track %2).ass</source>
        <translation>%1 (Spur %2).ass</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Suchen\Ersetzen</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Anfangszeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
</context>
<context>
    <name>UnfinishedOutput</name>
    <message>
        <source>unfinished</source>
        <translation>unfertig</translation>
    </message>
</context>
<context>
    <name>UnsavedSubtitles</name>
    <message>
        <source>Save ASS File</source>
        <translation>ASS-Datei speichern</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>ASS-Datei(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle lines of %1 were changed and not saved.</source>
        <translation>Die Untertitelzeilen von %1 wurden geändert und nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save the changes before going on?</source>
        <translation>Änderungen speichern, bevor es weitergeht?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Hintergrund aktivieren</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rundung</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Gradient Text</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Leuchten</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Ohne Kontur</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Einfache Kontur</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Doppelte Kontur</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Verlaufskontur</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Texteffekt</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Konturfarbe 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Stärke 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Deckkraft 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Konturfarbe 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Stärke 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Deckkraft 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Schatten aktivieren</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Deckkraft</translation>
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
        <translation>Geben Sie hier Ihren eigenen Text ein</translation>
    </message>
    <message>
        <source>Text Options</source>
        <translation>Textoptionen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Texteffekt</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
