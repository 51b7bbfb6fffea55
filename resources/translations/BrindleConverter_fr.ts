<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Professional Edition 4.0.5</source>
        <translation>Édition Professionnelle 4.0.5</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>Aide (lisez-moi)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>Failed to start %1: %2
</source>
        <translation>Impossible de démarrer %1 : %2
</translation>
    </message>
    <message>
        <source>Stopped by user at %1
</source>
        <translation>Arrêté par l&apos;utilisateur à %1
</translation>
    </message>
    <message>
        <source>Completed successfully in %1
</source>
        <translation>Terminé avec succès en %1
</translation>
    </message>
    <message>
        <source>Failed with exit code %1
</source>
        <translation>Échec avec le code de sortie %1
</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</source>
        <translation>Applique les calques de filigrane d&apos;un projet et un sous-titre à chaque vidéo indiquée, puis la convertit. Un dossier désigne les fichiers multimédias qu&apos;il contient. Les sorties déjà présentes ne sont pas touchées : relancer la même commande reprend un lot interrompu.</translation>
    </message>
    <message>
        <source>The watermark project (.qpj) to apply.</source>
        <translation>Le projet de filigrane (.qpj) à appliquer.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>A subtitle file to burn into every video.</source>
        <translation>Un fichier de sous-titres à incruster dans chaque vidéo.</translation>
    </message>
    <message>
        <source>name or file</source>
        <translation>nom ou fichier</translation>
    </message>
    <message>
        <source>The folder for the outputs. Default: your output folder.</source>
        <translation>Le dossier des sorties. Par défaut : votre dossier de sortie.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>How many files are converted at once. Default: your setting.</source>
        <translation>Nombre de fichiers convertis en même temps. Par défaut : votre réglage.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Print the engine command lines and run nothing.</source>
        <translation>Afficher les lignes de commande du moteur sans rien exécuter.</translation>
    </message>
    <message>
        <source>Report progress and results as one JSON object per line.</source>
        <translation>Rendre compte de la progression et des résultats sous forme d&apos;un objet JSON par ligne.</translation>
    </message>
    <message>
        <source>The size of the video the layers were placed on, for projects that do not record it.</source>
        <translation>La taille de la vidéo sur laquelle les calques ont été placés, pour les projets qui ne l&apos;enregistrent pas.</translation>
    </message>
    <message>
        <source>width x height</source>
        <translation>largeur x hauteur</translation>
    </message>
    <message>
        <source>Video files and folders of video files.</source>
        <translation>Fichiers vidéo et dossiers de fichiers vidéo.</translation>
    </message>
    <message>
        <source>FILE_OR_FOLDER...</source>
        <translation>FICHIER_OU_DOSSIER...</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--jobs attend un nombre entier d&apos;au moins 1, pas « %1 ».</translation>
    </message>
    <message>
        <source>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</source>
        <translation>--canvas attend une taille comme 1920x1080, pas « %1 ».</translation>
    </message>
    <message>
        <source>No files to convert were given.</source>
        <translation>Aucun fichier à convertir n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</source>
        <translation>Un conteneur (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), le nom d&apos;un préréglage de format enregistré ou un fichier INI de format de sortie. Par défaut : votre format de sortie actuel.</translation>
    </message>
    <message>
        <source>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</source>
        <translation>Incruste la N-ième piste de sous-titres de chaque vidéo, en comptant à partir de 1 (pistes de texte et pistes d’images DVD, Blu-ray ou DVB). Une vidéo sans cette piste échoue, sauf si --subtitle-track-optional est indiqué.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Skip the videos that have no such subtitle track instead of failing them.</source>
        <translation>Ignorer les vidéos qui n’ont pas cette piste de sous-titres au lieu de les mettre en échec.</translation>
    </message>
    <message>
        <source>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--subtitle-track attend un numéro de piste de 1 ou plus, et non « %1 ».</translation>
    </message>
    <message>
        <source>Give either --subtitle or --subtitle-track, not both.</source>
        <translation>Indiquez soit --subtitle, soit --subtitle-track, pas les deux.</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1: %2% (%3 left)</source>
        <translation>%1 : %2 % (reste %3)</translation>
    </message>
    <message>
        <source>Converted %1 to %2</source>
        <translation>%1 converti en %2</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>%1 ignoré : %2</translation>
    </message>
    <message>
        <source>Failed %1: %2</source>
        <translation>Échec de %1 : %2</translation>
    </message>
    <message>
        <source>Stopped %1</source>
        <translation>%1 arrêté</translation>
    </message>
    <message>
        <source>Converted %1, skipped %2, failed %3</source>
        <translation>Convertis %1, ignorés %2, en échec %3</translation>
    </message>
    <message>
        <source>, planned %1</source>
        <translation>, planifiés %1</translation>
    </message>
    <message>
        <source>, stopped %1</source>
        <translation>, arrêtés %1</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>its output would replace the file itself; choose another output folder</source>
        <translation>la sortie remplacerait le fichier lui-même ; choisissez un autre dossier de sortie</translation>
    </message>
    <message>
        <source>its output exists</source>
        <translation>sa sortie existe déjà</translation>
    </message>
    <message>
        <source>another runner is converting it</source>
        <translation>un autre traitement est en train de le convertir</translation>
    </message>
    <message>
        <source>it is not a media file that can be read</source>
        <translation>ce n&apos;est pas un fichier multimédia lisible</translation>
    </message>
    <message>
        <source>it has no video picture to draw on</source>
        <translation>il n&apos;a pas d&apos;image vidéo sur laquelle dessiner</translation>
    </message>
    <message>
        <source>the conversion could not be planned</source>
        <translation>la conversion n&apos;a pas pu être planifiée</translation>
    </message>
    <message>
        <source>the engine failed: %1</source>
        <translation>le moteur a échoué : %1</translation>
    </message>
    <message>
        <source>it has no subtitle track %1</source>
        <translation>il n’a pas de piste de sous-titres %1</translation>
    </message>
</context>
<context>
    <name>BatchSetup</name>
    <message>
        <source>No output folder is set; give one with --output.</source>
        <translation>Aucun dossier de sortie n&apos;est défini ; indiquez-en un avec --output.</translation>
    </message>
    <message>
        <source>The subtitle %1 does not exist.</source>
        <translation>Le sous-titre %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The output folder %1 could not be made.</source>
        <translation>Le dossier de sortie %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</source>
        <translation>Le projet %1 n&apos;enregistre pas la taille de la vidéo sur laquelle ses calques ont été placés ; indiquez-la avec --canvas, par exemple --canvas 1920x1080.</translation>
    </message>
    <message>
        <source>Layer %1 of the project cannot be used: %2</source>
        <translation>Le calque %1 du projet est inutilisable : %2</translation>
    </message>
    <message>
        <source>%1 is neither a container name, nor a saved format preset, nor an output-format file.</source>
        <translation>%1 n&apos;est ni un nom de conteneur, ni un préréglage de format enregistré, ni un fichier de format de sortie.</translation>
    </message>
    <message>
        <source>The output format %1 cannot be used: %2</source>
        <translation>Le format de sortie %1 est inutilisable : %2</translation>
    </message>
</context>
<context>
    <name>BurnInSubtitle</name>
    <message>
        <source>Subtitle left out of the picture: %1</source>
        <translation>Sous-titres omis de l&apos;image : %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted here</source>
        <translation>%1 ne peut pas être converti ici</translation>
    </message>
    <message>
        <source>the cache folder %1 cannot be made</source>
        <translation>le dossier de cache %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 could not be converted</source>
        <translation>%1 n&apos;a pas pu être converti</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 est illisible</translation>
    </message>
    <message>
        <source>the edited subtitles</source>
        <translation>les sous-titres en cours de modification</translation>
    </message>
    <message>
        <source>%1 is not a subtitle file libass can read</source>
        <translation>%1 n&apos;est pas un fichier de sous-titres lisible par libass</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 n’existe plus</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2</source>
        <translation>la piste de sous-titres %1 de %2</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 n’a pas de piste de sous-titres %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>la piste de sous-titres %1 de %2 ne peut pas être décodée</translation>
    </message>
</context>
<context>
    <name>CanvasHistory</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
</context>
<context>
    <name>ConversionListModel</name>
    <message>
        <source>Source File</source>
        <translation>Fichier source</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Watermark layers: %1</source>
        <translation>Calques de filigrane : %1</translation>
    </message>
    <message>
        <source>Subtitle burned in: %1</source>
        <translation>Sous-titres incrustés : %1</translation>
    </message>
    <message>
        <source>Picture cropped</source>
        <translation>Image recadrée</translation>
    </message>
    <message>
        <source>Picture turned</source>
        <translation>Image pivotée</translation>
    </message>
    <message>
        <source>Picture flipped</source>
        <translation>Image retournée</translation>
    </message>
    <message>
        <source>Size of the output file</source>
        <translation>Taille du fichier de sortie</translation>
    </message>
    <message>
        <source>Size of the source file</source>
        <translation>Taille du fichier source</translation>
    </message>
    <message>
        <source>Unfinished file kept: %1</source>
        <translation>Fichier inachevé conservé : %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>Stopped by user</source>
        <translation>Arrêté par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>The engine did not report how the conversion ended.</source>
        <translation>Le moteur n&apos;a pas indiqué comment la conversion s&apos;est terminée.</translation>
    </message>
    <message>
        <source>no work could be planned for this file</source>
        <translation>aucun travail n’a pu être prévu pour ce fichier</translation>
    </message>
    <message>
        <source>no part to cut could be worked out (is the length of the file known?)</source>
        <translation>aucune partie à découper n’a pu être déterminée (la durée du fichier est-elle connue ?)</translation>
    </message>
    <message>
        <source>the merge could not be prepared (its list file could not be written)</source>
        <translation>la fusion n’a pas pu être préparée (son fichier de liste n’a pas pu être écrit)</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Proportions</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Ajouter une vidéo</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Ajouter des sous-titres</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Ouvrir un fichier de sous-titres</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Fichier de sous-titres(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Brindle 4.x later Project(*.qpj)</source>
        <translation>Projet Brindle 4.x et suivants(*.qpj)</translation>
    </message>
    <message>
        <source>Open Brindle Project</source>
        <translation>Ouvrir un projet Brindle</translation>
    </message>
    <message>
        <source>The project could not be opened; the layers are kept as they were.
%1
%2</source>
        <translation>Impossible d&apos;ouvrir le projet ; les calques restent inchangés.
%1
%2</translation>
    </message>
    <message>
        <source>Save Brindle Project</source>
        <translation>Enregistrer le projet Brindle</translation>
    </message>
    <message>
        <source>The project could not be saved.
%1
%2</source>
        <translation>Impossible d&apos;enregistrer le projet.
%1
%2</translation>
    </message>
    <message>
        <source>No layer was added: the file gives no picture.
%1</source>
        <translation>Aucun calque n&apos;a été ajouté : le fichier ne donne aucune image.
%1</translation>
    </message>
    <message>
        <source>No layer was added.
%1</source>
        <translation>Aucun calque n&apos;a été ajouté.
%1</translation>
    </message>
    <message>
        <source>These layers of the project could not be shown:
%1</source>
        <translation>Ces calques du projet ne peuvent pas être affichés :
%1</translation>
    </message>
</context>
<context>
    <name>FilterGraph</name>
    <message>
        <source>The text layer image %1 could not be saved</source>
        <translation>L&apos;image du calque de texte %1 n&apos;a pas pu être enregistrée</translation>
    </message>
</context>
<context>
    <name>FollowupWork</name>
    <message>
        <source>No part to cut could be worked out for %1.</source>
        <translation>Aucune partie à découper n’a pu être déterminée pour %1.</translation>
    </message>
    <message>
        <source>The merge of %1 could not be prepared.</source>
        <translation>La fusion de %1 n’a pas pu être préparée.</translation>
    </message>
</context>
<context>
    <name>FormatPresets</name>
    <message>
        <source>The value &quot;%1&quot; of %2 is not valid.</source>
        <translation>La valeur « %1 » de %2 n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Please enter a name for the format options.</source>
        <translation>Veuillez saisir un nom pour les options de format.</translation>
    </message>
    <message>
        <source>A name must not begin with a dot.</source>
        <translation>Un nom ne doit pas commencer par un point.</translation>
    </message>
    <message>
        <source>A name must not contain slashes or control characters.</source>
        <translation>Un nom ne doit contenir ni barre oblique ni caractère de contrôle.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Le nom est trop long.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is not a format options file.</source>
        <translation>Ce fichier n&apos;est pas un fichier d&apos;options de format.</translation>
    </message>
    <message>
        <source>The file lacks the setting %1.</source>
        <translation>Le paramètre %1 manque dans le fichier.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>The unfinished output was kept as %1</source>
        <translation>La sortie inachevée a été conservée sous %1</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Position et taille</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Conserver les proportions</translation>
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
        <translation>Angle</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Motion and time</source>
        <translation>Mouvement et durée</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrée et sortie</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucles</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>endless</source>
        <comment>a loop count of 0</comment>
        <translation>sans fin</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrée et sortie</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Until the end of the video</source>
        <translation>Jusqu&apos;à la fin de la vidéo</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Heure de fin</translation>
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
        <translation>Lecture</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Log: %1</source>
        <translation>Journal : %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Accélération matérielle</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Encodage matériel</translation>
    </message>
    <message>
        <source>Check for Hardware Encoders</source>
        <translation>Rechercher les encodeurs matériels</translation>
    </message>
    <message>
        <source>Found: %1.</source>
        <translation>Trouvés : %1.</translation>
    </message>
    <message>
        <source>No hardware encoder was found; videos are encoded in software.</source>
        <translation>Aucun encodeur matériel n’a été trouvé ; les vidéos sont encodées par logiciel.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindle Professional Edition 4.0.5</source>
        <translation>Brindle Édition Professionnelle 4.0.5</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Bande son</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Informations sur le média</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Prêt à convertir</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Ajouter un fichier de sous-titres</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>Vous devez redémarrer Brindle pour passer à la nouvelle langue.
Voulez-vous redémarrer maintenant ?</translation>
    </message>
    <message>
        <source>Add media file to list</source>
        <translation>Ajoutez d&apos;abord un fichier média à la liste</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Tous les fichiers médias pris en charge</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Tous les fichiers vidéo pris en charge</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Tous les fichiers audio pris en charge</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Show Log…</source>
        <translation>Afficher le journal…</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Introuvable : %1</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Tous les fichiers image pris en charge</translation>
    </message>
    <message>
        <source>This file is still being converted. Stop its work and remove it?</source>
        <translation>Ce fichier est encore en cours de conversion. Arrêter son traitement et le retirer ?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>These files were not started:</source>
        <translation>Ces fichiers n’ont pas été lancés :</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>Completed with warnings</source>
        <translation>Terminé avec des avertissements</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Non lancé</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Informations sur le média</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Images par seconde</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a media file.</source>
        <translation>« %1 » n’a pas pu être lu comme fichier multimédia.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison : %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Emplacement : %1</translation>
    </message>
</context>
<context>
    <name>MergeTab</name>
    <message>
        <source>Source File</source>
        <translation>Fichier source</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Ajouter un générique de début</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Ajouter un générique de fin</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Informations sur le média</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Ajouter un fichier média</translation>
    </message>
</context>
<context>
    <name>MusicTab</name>
    <message>
        <source>Source File</source>
        <translation>Fichier source</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Ajouter un fichier audio</translation>
    </message>
</context>
<context>
    <name>OutputClaim</name>
    <message>
        <source>The lock file %1 could not be made.</source>
        <translation>Le fichier de verrou %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The output %1 was not claimed.</source>
        <translation>La sortie %1 n&apos;a pas été réservée.</translation>
    </message>
    <message>
        <source>The finished file could not be moved to %1: %2</source>
        <translation>Le fichier terminé n&apos;a pas pu être déplacé vers %1 : %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No output folder is set. Choose the folder the converted files go to.</source>
        <translation>Aucun dossier de sortie n’est défini. Choisissez le dossier où iront les fichiers convertis.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>Le dossier de sortie « %1 » n’est pas un chemin complet. Choisissez un dossier.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>Le dossier de sortie « %1 » est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Le dossier de sortie « %1 » ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be written to.</source>
        <translation>Impossible d’écrire dans le dossier de sortie « %1 ».</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Décaler les temps</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>En avant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>En arrière</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Appliquer à</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Toutes les lignes</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Lignes sélectionnées</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>À partir de la sélection</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Début et fin</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Début seulement</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Fin seulement</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The subtitles appear earlier</source>
        <translation>Les sous-titres apparaissent plus tôt</translation>
    </message>
    <message>
        <source>The subtitles appear later</source>
        <translation>Les sous-titres apparaissent plus tard</translation>
    </message>
    <message>
        <source>No line is affected.</source>
        <translation>Aucune ligne n’est concernée.</translation>
    </message>
    <message>
        <source>Line %1 ends at %2.</source>
        <translation>La ligne %1 se termine à %2.</translation>
    </message>
    <message>
        <source>Line %1 starts at %2.</source>
        <translation>La ligne %1 commence à %2.</translation>
    </message>
    <message>
        <source>After the shift: %1, earlier.</source>
        <translation>Après le décalage : %1, plus tôt.</translation>
    </message>
    <message>
        <source>After the shift: %1, later.</source>
        <translation>Après le décalage : %1, plus tard.</translation>
    </message>
    <message>
        <source>After the shift: %1, unchanged.</source>
        <translation>Après le décalage : %1, inchangé.</translation>
    </message>
</context>
<context>
    <name>PanelWidget</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>PlayerDock</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copier le temps</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>start time</source>
        <translation>heure de début</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>heure de fin</translation>
    </message>
    <message>
        <source>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</source>
        <translation>Calque %1 : %2 %3 atteint un jour ou plus, ce qu&apos;un projet ne peut pas contenir ; enregistré comme %4.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</source>
        <translation>Calque %1 : « %2 » doit être un nombre entier, pas « %3 ».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</source>
        <translation>Calque %1 : « %2 » doit être un nombre, pas « %3 ».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</source>
        <translation>Calque %1 : « %2 » doit être une heure de la forme HH:mm:ss:zzz, pas « %3 ».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</source>
        <translation>Calque %1 : « %2 » doit être une couleur de la forme aarrggbb, pas « %3 ».</translation>
    </message>
    <message>
        <source>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</source>
        <translation>Calque %1 : la valeur « %3 » de « %2 » est hors limites.</translation>
    </message>
    <message>
        <source>Layer %1 has no &quot;%2&quot; element.</source>
        <translation>Le calque %1 n&apos;a pas d&apos;élément « %2 ».</translation>
    </message>
    <message>
        <source>Layer %1 gives only one side of its canvas size.</source>
        <translation>Le calque %1 n&apos;indique qu&apos;un côté de la taille de son canevas.</translation>
    </message>
    <message>
        <source>The file is not a readable project (line %1, column %2): %3</source>
        <translation>Le fichier n&apos;est pas un projet lisible (ligne %1, colonne %2) : %3</translation>
    </message>
    <message>
        <source>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</source>
        <translation>Ce n&apos;est pas un projet Brindle : son élément racine est « %1 » au lieu de « Layers ».</translation>
    </message>
    <message>
        <source>The project holds an element &quot;%1&quot; where a layer was expected.</source>
        <translation>Le projet contient un élément « %1 » là où un calque était attendu.</translation>
    </message>
    <message>
        <source>Layer %1 names a canvas size different from the layers before it.</source>
        <translation>Le calque %1 indique une taille de canevas différente de celle des calques précédents.</translation>
    </message>
    <message>
        <source>The project %1 could not be opened: %2</source>
        <translation>Le projet %1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>The project could not be saved to %1: %2</source>
        <translation>Le projet n&apos;a pas pu être enregistré dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Options de format</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Mode qualité vidéo</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Conserver la largeur et la hauteur</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Format d&apos;image</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Conserver la fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Conserver le codec audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volume (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 élevée</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 basse</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The output format cannot be saved to %1.</source>
        <translation>Le format de sortie ne peut pas être enregistré dans %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Options (*.ini)</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; cannot be used.
%2</source>
        <translation>Les options de format « %1 » ne peuvent pas être utilisées.
%2</translation>
    </message>
    <message>
        <source>Name of the format options:</source>
        <translation>Nom des options de format :</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; exist already. Do you want to replace them?</source>
        <translation>Les options de format « %1 » existent déjà. Voulez-vous les remplacer ?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>The format options cannot be saved to %1.</source>
        <translation>Les options de format ne peuvent pas être enregistrées dans %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Voulez-vous vraiment supprimer ces options de format ?</translation>
    </message>
    <message>
        <source>The format options cannot be deleted from %1.</source>
        <translation>Les options de format ne peuvent pas être supprimées de %1.</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copier le temps</translation>
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
        <translation>Menu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Faire pivoter</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Add Video</source>
        <translation>Ajouter une vidéo</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter un texte</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Voulez-vous vraiment supprimer le calque ?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Faire pivoter</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
</context>
<context>
    <name>RecordLayer</name>
    <message>
        <source>The text layer &quot;%1&quot; draws nothing.</source>
        <translation>Le calque de texte « %1 » ne dessine rien.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: %2</source>
        <translation>L&apos;image %1 n&apos;a pas pu être lue : %2</translation>
    </message>
    <message>
        <source>The video %1 has no picture that could be read.</source>
        <translation>La vidéo %1 n&apos;a aucune image lisible.</translation>
    </message>
    <message>
        <source>A layer of kind %1 cannot be drawn over a video.</source>
        <translation>Un calque de type %1 ne peut pas être dessiné sur une vidéo.</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Rechercher\Remplacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Appliquer à</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Toutes les lignes</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Lignes sélectionnées</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>À partir de la sélection</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SplitTab</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Nombre de parties</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Durée de chaque extrait</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Extraire une section</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Éditeur de styles</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Principale</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondaire</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marges</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A style name must not be empty or contain a comma.</source>
        <translation>Un nom de style ne doit être ni vide ni contenir de virgule.</translation>
    </message>
    <message>
        <source>A style named &quot;%1&quot; exists already.</source>
        <translation>Un style nommé « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>The last style cannot be deleted.</source>
        <translation>Le dernier style ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Ouvrir un fichier de styles ou un fichier ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Fichier de styles|ASS(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Enregistrer le fichier de styles</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Fichier de styles(*.sty)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; the styles are unchanged.</source>
        <translation>Impossible de lire « %1 » ; les styles restent inchangés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no styles; the styles are unchanged.</source>
        <translation>« %1 » ne contient aucun style ; les styles restent inchangés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Impossible d’écrire « %1 ».</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Sample subtitle</source>
        <translation>Exemple de sous-titre</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Add subtitle</source>
        <translation>Ajouter un sous-titre</translation>
    </message>
    <message>
        <source>Delete subtitle</source>
        <translation>Supprimer le sous-titre</translation>
    </message>
    <message>
        <source>Change styles</source>
        <translation>Modifier les styles</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Voulez-vous vraiment supprimer ce sous-titre ?</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Décaler les temps</translation>
    </message>
    <message>
        <source>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</source>
        <translation>Lignes décalées : %1. Retenues pour ne pas passer sous zéro ni finir avant leur début : %2.</translation>
    </message>
    <message>
        <source>Lines shifted: %1.</source>
        <translation>Lignes décalées : %1.</translation>
    </message>
    <message>
        <source>No line contains &quot;%1&quot;.</source>
        <translation>Aucune ligne ne contient « %1 ».</translation>
    </message>
    <message>
        <source>Replace text</source>
        <translation>Remplacer le texte</translation>
    </message>
    <message>
        <source>Lines changed: %1.</source>
        <translation>Lignes modifiées : %1.</translation>
    </message>
    <message>
        <source>Edit start time</source>
        <translation>Modifier le début</translation>
    </message>
    <message>
        <source>Edit end time</source>
        <translation>Modifier la fin</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Modifier le sous-titre</translation>
    </message>
</context>
<context>
    <name>SubtitleSession</name>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>%1 n&apos;a pas pu être lu comme sous-titres.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>SubtitleTab</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Ajouter au flux de sous-titres</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Ouvrir un fichier de sous-titres</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Fichier de sous-titres(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Enregistrer le fichier ASS</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
</context>
<context>
    <name>SubtitleTable</name>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
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
        <translation>Sous-titres</translation>
    </message>
</context>
<context>
    <name>SubtitleTrack</name>
    <message>
        <source>Track %1</source>
        <translation>Piste %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forcée</translation>
    </message>
    <message>
        <source>pictures, cannot be edited</source>
        <translation>images, non modifiables</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the streams of %1 cannot be read</source>
        <translation>les flux de %1 ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 n’a pas de piste de sous-titres %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>la piste de sous-titres %1 de %2 ne peut pas être décodée</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 holds pictures, not text</source>
        <translation>la piste de sous-titres %1 de %2 contient des images, pas du texte</translation>
    </message>
    <message>
        <source>no line of subtitle track %1 of %2 could be decoded</source>
        <translation>aucune ligne de la piste de sous-titres %1 de %2 n’a pu être décodée</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 ne peut pas être écrit</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>non décodable</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackButton</name>
    <message>
        <source>From the video</source>
        <translation>De la vidéo</translation>
    </message>
    <message>
        <source>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</source>
        <translation>Incruster une piste de sous-titres contenue dans la vidéo. Les pistes de texte se modifient ici ; les pistes d’images sont incrustées telles quelles.</translation>
    </message>
    <message>
        <source>The video carries no subtitle tracks</source>
        <translation>La vidéo ne contient aucune piste de sous-titres</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackChoice</name>
    <message>
        <source>This FFmpeg cannot decode %1 subtitles.</source>
        <translation>Ce FFmpeg ne sait pas décoder les sous-titres %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Piste de sous-titres</translation>
    </message>
    <message>
        <source>The subtitle track cannot be read.
%1</source>
        <translation>La piste de sous-titres ne peut pas être lue.
%1</translation>
    </message>
    <message>
        <source>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</source>
        <translation>La piste de sous-titres %1 de la vidéo est incrustée sous forme d’images ; elles ne peuvent pas être modifiées.</translation>
    </message>
    <message>
        <source>%1 (track %2).ass</source>
        <translation>%1 (piste %2).ass</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Rechercher\Remplacer</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>UnfinishedOutput</name>
    <message>
        <source>unfinished</source>
        <translation>inachevé</translation>
    </message>
</context>
<context>
    <name>UnsavedSubtitles</name>
    <message>
        <source>Save ASS File</source>
        <translation>Enregistrer le fichier ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Fichier ASS(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle lines of %1 were changed and not saved.</source>
        <translation>Les lignes de sous-titres de %1 ont été modifiées et ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Save the changes before going on?</source>
        <translation>Enregistrer les modifications avant de continuer ?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Activer l’arrière-plan</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur d’arrière-plan</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arrondi</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Gradient Text</source>
        <translation>Texte en dégradé</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Lueur</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Sans contour</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Contour simple</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Double contour</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Contour en dégradé</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Effet de texte</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Couleur du contour 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Épaisseur 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Opacité 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Couleur du contour 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Épaisseur 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Opacité 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Activer l’ombre</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Couleur de l’ombre</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Opacité</translation>
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
        <translation>Saisissez votre propre texte ici</translation>
    </message>
    <message>
        <source>Text Options</source>
        <translation>Options du texte</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Effet de texte</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
