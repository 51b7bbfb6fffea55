<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Professional Edition 4.0.5</source>
        <translation>Edizione Professionale 4.0.5</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>Guida (leggimi)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>Failed to start %1: %2
</source>
        <translation>Impossibile avviare %1: %2
</translation>
    </message>
    <message>
        <source>Stopped by user at %1
</source>
        <translation>Interrotto dall&apos;utente a %1
</translation>
    </message>
    <message>
        <source>Completed successfully in %1
</source>
        <translation>Completato con successo in %1
</translation>
    </message>
    <message>
        <source>Failed with exit code %1
</source>
        <translation>Non riuscito con codice di uscita %1
</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</source>
        <translation>Applica i livelli di filigrana di un progetto e un sottotitolo a ogni video indicato e lo converte. Una cartella indica i file multimediali che contiene. Le uscite già presenti non vengono toccate, quindi rieseguire lo stesso comando riprende un lotto interrotto.</translation>
    </message>
    <message>
        <source>The watermark project (.qpj) to apply.</source>
        <translation>Il progetto di filigrana (.qpj) da applicare.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>A subtitle file to burn into every video.</source>
        <translation>Un file di sottotitoli da imprimere in ogni video.</translation>
    </message>
    <message>
        <source>name or file</source>
        <translation>nome o file</translation>
    </message>
    <message>
        <source>The folder for the outputs. Default: your output folder.</source>
        <translation>La cartella delle uscite. Predefinita: la cartella di uscita.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>How many files are converted at once. Default: your setting.</source>
        <translation>Quanti file vengono convertiti contemporaneamente. Predefinito: la propria impostazione.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>numero</translation>
    </message>
    <message>
        <source>Print the engine command lines and run nothing.</source>
        <translation>Stampa le righe di comando del motore senza eseguire nulla.</translation>
    </message>
    <message>
        <source>Report progress and results as one JSON object per line.</source>
        <translation>Riporta avanzamento e risultati come un oggetto JSON per riga.</translation>
    </message>
    <message>
        <source>The size of the video the layers were placed on, for projects that do not record it.</source>
        <translation>La dimensione del video su cui sono stati posizionati i livelli, per i progetti che non la registrano.</translation>
    </message>
    <message>
        <source>width x height</source>
        <translation>larghezza x altezza</translation>
    </message>
    <message>
        <source>Video files and folders of video files.</source>
        <translation>File video e cartelle di file video.</translation>
    </message>
    <message>
        <source>FILE_OR_FOLDER...</source>
        <translation>FILE_O_CARTELLA...</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--jobs richiede un numero intero pari o superiore a 1, non «%1».</translation>
    </message>
    <message>
        <source>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</source>
        <translation>--canvas richiede una dimensione come 1920x1080, non «%1».</translation>
    </message>
    <message>
        <source>No files to convert were given.</source>
        <translation>Non è stato indicato alcun file da convertire.</translation>
    </message>
    <message>
        <source>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</source>
        <translation>Un contenitore (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), il nome di un preset di formato salvato o un file INI di formato di uscita. Predefinito: il formato di uscita attuale.</translation>
    </message>
    <message>
        <source>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</source>
        <translation>Imprime nel video la N-esima traccia di sottotitoli di ciascun video, contando da 1 (tracce di testo e tracce di immagini DVD, Blu-ray o DVB). Un video senza quella traccia non riesce, a meno che non si indichi --subtitle-track-optional.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Skip the videos that have no such subtitle track instead of failing them.</source>
        <translation>Salta i video che non hanno quella traccia di sottotitoli invece di farli fallire.</translation>
    </message>
    <message>
        <source>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--subtitle-track richiede un numero di traccia pari o superiore a 1, non &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give either --subtitle or --subtitle-track, not both.</source>
        <translation>Indica --subtitle oppure --subtitle-track, non entrambi.</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1: %2% (%3 left)</source>
        <translation>%1: %2% (mancano %3)</translation>
    </message>
    <message>
        <source>Converted %1 to %2</source>
        <translation>%1 convertito in %2</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>%1 saltato: %2</translation>
    </message>
    <message>
        <source>Failed %1: %2</source>
        <translation>%1 non riuscito: %2</translation>
    </message>
    <message>
        <source>Stopped %1</source>
        <translation>%1 interrotto</translation>
    </message>
    <message>
        <source>Converted %1, skipped %2, failed %3</source>
        <translation>Convertiti %1, saltati %2, non riusciti %3</translation>
    </message>
    <message>
        <source>, planned %1</source>
        <translation>, pianificati %1</translation>
    </message>
    <message>
        <source>, stopped %1</source>
        <translation>, interrotti %1</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>its output would replace the file itself; choose another output folder</source>
        <translation>l&apos;uscita sostituirebbe il file stesso; scegliere un&apos;altra cartella di uscita</translation>
    </message>
    <message>
        <source>its output exists</source>
        <translation>la sua uscita esiste già</translation>
    </message>
    <message>
        <source>another runner is converting it</source>
        <translation>un&apos;altra esecuzione lo sta convertendo</translation>
    </message>
    <message>
        <source>it is not a media file that can be read</source>
        <translation>non è un file multimediale leggibile</translation>
    </message>
    <message>
        <source>it has no video picture to draw on</source>
        <translation>non ha un&apos;immagine video su cui disegnare</translation>
    </message>
    <message>
        <source>the conversion could not be planned</source>
        <translation>non è stato possibile pianificare la conversione</translation>
    </message>
    <message>
        <source>the engine failed: %1</source>
        <translation>il motore non è riuscito: %1</translation>
    </message>
    <message>
        <source>it has no subtitle track %1</source>
        <translation>non ha la traccia di sottotitoli %1</translation>
    </message>
</context>
<context>
    <name>BatchSetup</name>
    <message>
        <source>No output folder is set; give one with --output.</source>
        <translation>Nessuna cartella di uscita impostata; indicarne una con --output.</translation>
    </message>
    <message>
        <source>The subtitle %1 does not exist.</source>
        <translation>Il sottotitolo %1 non esiste.</translation>
    </message>
    <message>
        <source>The output folder %1 could not be made.</source>
        <translation>Impossibile creare la cartella di uscita %1.</translation>
    </message>
    <message>
        <source>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</source>
        <translation>Il progetto %1 non registra la dimensione del video su cui sono stati posizionati i suoi livelli; indicarla con --canvas, ad esempio --canvas 1920x1080.</translation>
    </message>
    <message>
        <source>Layer %1 of the project cannot be used: %2</source>
        <translation>Il livello %1 del progetto non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>%1 is neither a container name, nor a saved format preset, nor an output-format file.</source>
        <translation>%1 non è né un nome di contenitore, né un preset di formato salvato, né un file di formato di uscita.</translation>
    </message>
    <message>
        <source>The output format %1 cannot be used: %2</source>
        <translation>Il formato di uscita %1 non è utilizzabile: %2</translation>
    </message>
</context>
<context>
    <name>BurnInSubtitle</name>
    <message>
        <source>Subtitle left out of the picture: %1</source>
        <translation>Sottotitoli esclusi dall&apos;immagine: %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted here</source>
        <translation>%1 non può essere convertito qui</translation>
    </message>
    <message>
        <source>the cache folder %1 cannot be made</source>
        <translation>impossibile creare la cartella della cache %1</translation>
    </message>
    <message>
        <source>%1 could not be converted</source>
        <translation>%1 non è stato convertito</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 non è leggibile</translation>
    </message>
    <message>
        <source>the edited subtitles</source>
        <translation>i sottotitoli in modifica</translation>
    </message>
    <message>
        <source>%1 is not a subtitle file libass can read</source>
        <translation>%1 non è un file di sottotitoli leggibile da libass</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 non esiste più</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2</source>
        <translation>la traccia di sottotitoli %1 di %2</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 non ha la traccia di sottotitoli %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>la traccia di sottotitoli %1 di %2 non può essere decodificata</translation>
    </message>
</context>
<context>
    <name>CanvasHistory</name>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
</context>
<context>
    <name>ConversionListModel</name>
    <message>
        <source>Source File</source>
        <translation>File sorgente</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Watermark layers: %1</source>
        <translation>Livelli di filigrana: %1</translation>
    </message>
    <message>
        <source>Subtitle burned in: %1</source>
        <translation>Sottotitoli impressi: %1</translation>
    </message>
    <message>
        <source>Picture cropped</source>
        <translation>Immagine ritagliata</translation>
    </message>
    <message>
        <source>Picture turned</source>
        <translation>Immagine ruotata</translation>
    </message>
    <message>
        <source>Picture flipped</source>
        <translation>Immagine capovolta</translation>
    </message>
    <message>
        <source>Size of the output file</source>
        <translation>Dimensione del file di output</translation>
    </message>
    <message>
        <source>Size of the source file</source>
        <translation>Dimensione del file sorgente</translation>
    </message>
    <message>
        <source>Unfinished file kept: %1</source>
        <translation>File incompleto conservato: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>Stopped by user</source>
        <translation>Interrotto dall&apos;utente</translation>
    </message>
    <message>
        <source>The engine did not report how the conversion ended.</source>
        <translation>Il motore non ha indicato come è terminata la conversione.</translation>
    </message>
    <message>
        <source>no work could be planned for this file</source>
        <translation>non è stato possibile pianificare alcun lavoro per questo file</translation>
    </message>
    <message>
        <source>no part to cut could be worked out (is the length of the file known?)</source>
        <translation>non è stato possibile determinare alcuna parte da tagliare (la durata del file è nota?)</translation>
    </message>
    <message>
        <source>the merge could not be prepared (its list file could not be written)</source>
        <translation>non è stato possibile preparare l’unione (il file elenco non può essere scritto)</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
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
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Aggiungi video</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Aggiungi sottotitoli</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Capovolgi orizzontalmente</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Capovolgi verticalmente</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Apri file di sottotitoli</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>File di sottotitoli(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Brindle 4.x later Project(*.qpj)</source>
        <translation>Progetto Brindle 4.x e successivi(*.qpj)</translation>
    </message>
    <message>
        <source>Open Brindle Project</source>
        <translation>Apri progetto Brindle</translation>
    </message>
    <message>
        <source>The project could not be opened; the layers are kept as they were.
%1
%2</source>
        <translation>Impossibile aprire il progetto; i livelli restano invariati.
%1
%2</translation>
    </message>
    <message>
        <source>Save Brindle Project</source>
        <translation>Salva progetto Brindle</translation>
    </message>
    <message>
        <source>The project could not be saved.
%1
%2</source>
        <translation>Impossibile salvare il progetto.
%1
%2</translation>
    </message>
    <message>
        <source>No layer was added: the file gives no picture.
%1</source>
        <translation>Nessun livello aggiunto: il file non fornisce alcuna immagine.
%1</translation>
    </message>
    <message>
        <source>No layer was added.
%1</source>
        <translation>Nessun livello aggiunto.
%1</translation>
    </message>
    <message>
        <source>These layers of the project could not be shown:
%1</source>
        <translation>Questi livelli del progetto non possono essere mostrati:
%1</translation>
    </message>
</context>
<context>
    <name>FilterGraph</name>
    <message>
        <source>The text layer image %1 could not be saved</source>
        <translation>Impossibile salvare l&apos;immagine del livello di testo %1</translation>
    </message>
</context>
<context>
    <name>FollowupWork</name>
    <message>
        <source>No part to cut could be worked out for %1.</source>
        <translation>Non è stato possibile determinare alcuna parte da tagliare per %1.</translation>
    </message>
    <message>
        <source>The merge of %1 could not be prepared.</source>
        <translation>Non è stato possibile preparare l’unione di %1.</translation>
    </message>
</context>
<context>
    <name>FormatPresets</name>
    <message>
        <source>The value &quot;%1&quot; of %2 is not valid.</source>
        <translation>Il valore &quot;%1&quot; di %2 non è valido.</translation>
    </message>
    <message>
        <source>Please enter a name for the format options.</source>
        <translation>Inserisci un nome per le opzioni di formato.</translation>
    </message>
    <message>
        <source>A name must not begin with a dot.</source>
        <translation>Un nome non può iniziare con un punto.</translation>
    </message>
    <message>
        <source>A name must not contain slashes or control characters.</source>
        <translation>Un nome non può contenere barre o caratteri di controllo.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Il nome è troppo lungo.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is not a format options file.</source>
        <translation>Il file non è un file di opzioni di formato.</translation>
    </message>
    <message>
        <source>The file lacks the setting %1.</source>
        <translation>Nel file manca l&apos;impostazione %1.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arresto in corso…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>The unfinished output was kept as %1</source>
        <translation>L’output incompleto è stato conservato come %1</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Posizione e dimensioni</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Mantieni proporzioni</translation>
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
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Motion and time</source>
        <translation>Movimento e tempo</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Dissolvenza</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrata</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrata e uscita</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Ripetizioni</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Filigrana</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrata</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrata e uscita</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Dissolvenza</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Until the end of the video</source>
        <translation>Fino alla fine del video</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Ora di fine</translation>
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
        <translation>Riproduci</translation>
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
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copia tutto</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Processi</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Accelerazione hardware</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Codifica hardware</translation>
    </message>
    <message>
        <source>Check for Hardware Encoders</source>
        <translation>Cerca encoder hardware</translation>
    </message>
    <message>
        <source>Found: %1.</source>
        <translation>Trovati: %1.</translation>
    </message>
    <message>
        <source>No hardware encoder was found; videos are encoded in software.</source>
        <translation>Nessun encoder hardware trovato; i video vengono codificati via software.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindle Professional Edition 4.0.5</source>
        <translation>Brindle Edizione Professionale 4.0.5</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Colonna sonora</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Informazioni sul file</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Pronto per la conversione</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Aggiungi file di sottotitoli</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Elimina tutto</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>Per passare alla nuova lingua è necessario riavviare Brindle.
Riavviare adesso?</translation>
    </message>
    <message>
        <source>Add media file to list</source>
        <translation>Aggiungi prima un file multimediale all&apos;elenco</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>In coda</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Tutti i file multimediali supportati</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Tutti i file video supportati</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Tutti i file audio supportati</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Show Log…</source>
        <translation>Mostra registro…</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Non trovato: %1</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Tutti i file immagine supportati</translation>
    </message>
    <message>
        <source>This file is still being converted. Stop its work and remove it?</source>
        <translation>Questo file è ancora in conversione. Interromperne il lavoro e rimuoverlo?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>These files were not started:</source>
        <translation>Questi file non sono stati avviati:</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arresto in corso…</translation>
    </message>
    <message>
        <source>Completed with warnings</source>
        <translation>Completato con avvisi</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Non avviato</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Informazioni sul file</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
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
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a media file.</source>
        <translation>Impossibile leggere &quot;%1&quot; come file multimediale.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Posizione: %1</translation>
    </message>
</context>
<context>
    <name>MergeTab</name>
    <message>
        <source>Source File</source>
        <translation>File sorgente</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Aggiungi sigla iniziale</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Aggiungi titoli di coda</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Informazioni sul file</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Aggiungi file multimediale</translation>
    </message>
</context>
<context>
    <name>MusicTab</name>
    <message>
        <source>Source File</source>
        <translation>File sorgente</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Aggiungi file musicale</translation>
    </message>
</context>
<context>
    <name>OutputClaim</name>
    <message>
        <source>The lock file %1 could not be made.</source>
        <translation>Impossibile creare il file di blocco %1.</translation>
    </message>
    <message>
        <source>The output %1 was not claimed.</source>
        <translation>L&apos;uscita %1 non è stata riservata.</translation>
    </message>
    <message>
        <source>The finished file could not be moved to %1: %2</source>
        <translation>Impossibile spostare il file completato in %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No output folder is set. Choose the folder the converted files go to.</source>
        <translation>Nessuna cartella di output impostata. Scegli la cartella in cui salvare i file convertiti.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>La cartella di output «%1» non è un percorso completo. Scegli una cartella.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>La cartella di output «%1» è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Impossibile creare la cartella di output «%1».</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be written to.</source>
        <translation>Impossibile scrivere nella cartella di output «%1».</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Sposta tempi</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Applica a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Tutte le righe</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Righe selezionate</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Dalla selezione in poi</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Tempi</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Inizio e fine</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Solo inizio</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Solo fine</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The subtitles appear earlier</source>
        <translation>I sottotitoli compaiono prima</translation>
    </message>
    <message>
        <source>The subtitles appear later</source>
        <translation>I sottotitoli compaiono dopo</translation>
    </message>
    <message>
        <source>No line is affected.</source>
        <translation>Nessuna riga è interessata.</translation>
    </message>
    <message>
        <source>Line %1 ends at %2.</source>
        <translation>La riga %1 termina a %2.</translation>
    </message>
    <message>
        <source>Line %1 starts at %2.</source>
        <translation>La riga %1 inizia a %2.</translation>
    </message>
    <message>
        <source>After the shift: %1, earlier.</source>
        <translation>Dopo lo spostamento: %1, prima.</translation>
    </message>
    <message>
        <source>After the shift: %1, later.</source>
        <translation>Dopo lo spostamento: %1, dopo.</translation>
    </message>
    <message>
        <source>After the shift: %1, unchanged.</source>
        <translation>Dopo lo spostamento: %1, invariato.</translation>
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
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copia tempo</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>start time</source>
        <translation>ora di inizio</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>ora di fine</translation>
    </message>
    <message>
        <source>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</source>
        <translation>Livello %1: %2 %3 è di un giorno o più, che un progetto non può contenere; salvato come %4.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</source>
        <translation>Livello %1: «%2» deve essere un numero intero, non «%3».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</source>
        <translation>Livello %1: «%2» deve essere un numero, non «%3».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</source>
        <translation>Livello %1: «%2» deve essere un orario nella forma HH:mm:ss:zzz, non «%3».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</source>
        <translation>Livello %1: «%2» deve essere un colore nella forma aarrggbb, non «%3».</translation>
    </message>
    <message>
        <source>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</source>
        <translation>Livello %1: il valore «%3» di «%2» è fuori intervallo.</translation>
    </message>
    <message>
        <source>Layer %1 has no &quot;%2&quot; element.</source>
        <translation>Il livello %1 non ha l&apos;elemento «%2».</translation>
    </message>
    <message>
        <source>Layer %1 gives only one side of its canvas size.</source>
        <translation>Il livello %1 indica solo un lato della dimensione della sua tela.</translation>
    </message>
    <message>
        <source>The file is not a readable project (line %1, column %2): %3</source>
        <translation>Il file non è un progetto leggibile (riga %1, colonna %2): %3</translation>
    </message>
    <message>
        <source>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</source>
        <translation>Non è un progetto Brindle: l&apos;elemento principale è «%1» invece di «Layers».</translation>
    </message>
    <message>
        <source>The project holds an element &quot;%1&quot; where a layer was expected.</source>
        <translation>Il progetto contiene un elemento «%1» dove era atteso un livello.</translation>
    </message>
    <message>
        <source>Layer %1 names a canvas size different from the layers before it.</source>
        <translation>Il livello %1 indica una dimensione della tela diversa da quella dei livelli precedenti.</translation>
    </message>
    <message>
        <source>The project %1 could not be opened: %2</source>
        <translation>Impossibile aprire il progetto %1: %2</translation>
    </message>
    <message>
        <source>The project could not be saved to %1: %2</source>
        <translation>Impossibile salvare il progetto in %1: %2</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Opzioni di formato</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Modalità qualità video</translation>
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
        <translation>Mantieni larghezza e altezza</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Mantieni frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Mantieni codec audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volume (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formati</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 alta</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 bassa</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The output format cannot be saved to %1.</source>
        <translation>Impossibile salvare il formato di uscita in %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Opzioni (*.ini)</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; cannot be used.
%2</source>
        <translation>Le opzioni di formato &quot;%1&quot; non possono essere usate.
%2</translation>
    </message>
    <message>
        <source>Name of the format options:</source>
        <translation>Nome delle opzioni di formato:</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; exist already. Do you want to replace them?</source>
        <translation>Le opzioni di formato &quot;%1&quot; esistono già. Vuoi sostituirle?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>The format options cannot be saved to %1.</source>
        <translation>Impossibile salvare le opzioni di formato in %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Vuoi davvero eliminare queste opzioni di formato?</translation>
    </message>
    <message>
        <source>The format options cannot be deleted from %1.</source>
        <translation>Impossibile eliminare le opzioni di formato da %1.</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copia tempo</translation>
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
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Add Video</source>
        <translation>Aggiungi video</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Eliminare davvero il livello?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
</context>
<context>
    <name>RecordLayer</name>
    <message>
        <source>The text layer &quot;%1&quot; draws nothing.</source>
        <translation>Il livello di testo «%1» non disegna nulla.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: %2</source>
        <translation>Impossibile leggere l&apos;immagine %1: %2</translation>
    </message>
    <message>
        <source>The video %1 has no picture that could be read.</source>
        <translation>Il video %1 non ha immagini leggibili.</translation>
    </message>
    <message>
        <source>A layer of kind %1 cannot be drawn over a video.</source>
        <translation>Un livello di tipo %1 non può essere disegnato su un video.</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Trova\Sostituisci</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci con</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Applica a</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Tutte le righe</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Righe selezionate</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Dalla selezione in poi</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SplitTab</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Numero di parti</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Durata di ogni clip</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Estrai una sezione</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Editor di stili</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primario</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondario</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Allineamento</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>A style name must not be empty or contain a comma.</source>
        <translation>Il nome di uno stile non può essere vuoto né contenere virgole.</translation>
    </message>
    <message>
        <source>A style named &quot;%1&quot; exists already.</source>
        <translation>Esiste già uno stile chiamato &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The last style cannot be deleted.</source>
        <translation>L&apos;ultimo stile non può essere eliminato.</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Apri file di stili o file ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>File di stili|ASS(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Salva file di stili</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>File di stili(*.sty)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; the styles are unchanged.</source>
        <translation>Impossibile leggere &quot;%1&quot;; gli stili non sono cambiati.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no styles; the styles are unchanged.</source>
        <translation>&quot;%1&quot; non contiene stili; gli stili non sono cambiati.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Impossibile scrivere &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Sample subtitle</source>
        <translation>Sottotitolo di esempio</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Add subtitle</source>
        <translation>Aggiungi sottotitolo</translation>
    </message>
    <message>
        <source>Delete subtitle</source>
        <translation>Elimina sottotitolo</translation>
    </message>
    <message>
        <source>Change styles</source>
        <translation>Modifica stili</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Salvato in %1.</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Eliminare davvero il sottotitolo?</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Sposta tempi</translation>
    </message>
    <message>
        <source>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</source>
        <translation>Righe spostate: %1. Fermate per non scendere sotto zero o finire prima dell&apos;inizio: %2.</translation>
    </message>
    <message>
        <source>Lines shifted: %1.</source>
        <translation>Righe spostate: %1.</translation>
    </message>
    <message>
        <source>No line contains &quot;%1&quot;.</source>
        <translation>Nessuna riga contiene «%1».</translation>
    </message>
    <message>
        <source>Replace text</source>
        <translation>Sostituisci testo</translation>
    </message>
    <message>
        <source>Lines changed: %1.</source>
        <translation>Righe modificate: %1.</translation>
    </message>
    <message>
        <source>Edit start time</source>
        <translation>Modifica inizio</translation>
    </message>
    <message>
        <source>Edit end time</source>
        <translation>Modifica fine</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Modifica sottotitolo</translation>
    </message>
</context>
<context>
    <name>SubtitleSession</name>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>Impossibile leggere %1 come sottotitoli.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleTab</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Aggiungi al flusso dei sottotitoli</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Apri file di sottotitoli</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>File di sottotitoli(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Salva file ASS</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
</context>
<context>
    <name>SubtitleTable</name>
    <message>
        <source>Start Time</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
</context>
<context>
    <name>SubtitleTrack</name>
    <message>
        <source>Track %1</source>
        <translation>Traccia %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predefinita</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forzata</translation>
    </message>
    <message>
        <source>pictures, cannot be edited</source>
        <translation>immagini, non modificabili</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>impossibile aprire %1</translation>
    </message>
    <message>
        <source>the streams of %1 cannot be read</source>
        <translation>impossibile leggere i flussi di %1</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 non ha la traccia di sottotitoli %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>la traccia di sottotitoli %1 di %2 non può essere decodificata</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 holds pictures, not text</source>
        <translation>la traccia di sottotitoli %1 di %2 contiene immagini, non testo</translation>
    </message>
    <message>
        <source>no line of subtitle track %1 of %2 could be decoded</source>
        <translation>nessuna riga della traccia di sottotitoli %1 di %2 è stata decodificata</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>non decodificabile</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackButton</name>
    <message>
        <source>From the video</source>
        <translation>Dal video</translation>
    </message>
    <message>
        <source>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</source>
        <translation>Imprime una traccia di sottotitoli contenuta nel video. Le tracce di testo si possono modificare qui; le tracce di immagini vengono impresse così come sono.</translation>
    </message>
    <message>
        <source>The video carries no subtitle tracks</source>
        <translation>Il video non contiene tracce di sottotitoli</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackChoice</name>
    <message>
        <source>This FFmpeg cannot decode %1 subtitles.</source>
        <translation>Questo FFmpeg non sa decodificare i sottotitoli %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Traccia di sottotitoli</translation>
    </message>
    <message>
        <source>The subtitle track cannot be read.
%1</source>
        <translation>Impossibile leggere la traccia di sottotitoli.
%1</translation>
    </message>
    <message>
        <source>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</source>
        <translation>La traccia di sottotitoli %1 del video viene impressa come immagini; non si possono modificare.</translation>
    </message>
    <message>
        <source>%1 (track %2).ass</source>
        <translation>%1 (traccia %2).ass</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Trova\Sostituisci</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
</context>
<context>
    <name>UnfinishedOutput</name>
    <message>
        <source>unfinished</source>
        <translation>incompleto</translation>
    </message>
</context>
<context>
    <name>UnsavedSubtitles</name>
    <message>
        <source>Save ASS File</source>
        <translation>Salva file ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>File ASS(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle lines of %1 were changed and not saved.</source>
        <translation>Le righe dei sottotitoli di %1 sono state modificate e non salvate.</translation>
    </message>
    <message>
        <source>Save the changes before going on?</source>
        <translation>Salvare le modifiche prima di continuare?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Attiva sfondo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore sfondo</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacità</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arrotondamento</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Gradient Text</source>
        <translation>Testo sfumato</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Bagliore</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Nessun contorno</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Contorno singolo</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Contorno doppio</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Contorno sfumato</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Effetto testo</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Colore testo</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Colore contorno 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Spessore 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Opacità 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Colore contorno 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Spessore 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Opacità 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Attiva ombra</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Colore ombra</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacità</translation>
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
        <translation>Inserisci qui il tuo testo</translation>
    </message>
    <message>
        <source>Text Options</source>
        <translation>Opzioni testo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Effetto testo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
