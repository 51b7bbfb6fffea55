<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Professional Edition 4.0.5</source>
        <translation>Professional Edition 4.0.5</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>Help (read me)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>Failed to start %1: %2
</source>
        <translation>Failed to start %1: %2
</translation>
    </message>
    <message>
        <source>Stopped by user at %1
</source>
        <translation>Stopped by user at %1
</translation>
    </message>
    <message>
        <source>Completed successfully in %1
</source>
        <translation>Completed successfully in %1
</translation>
    </message>
    <message>
        <source>Failed with exit code %1
</source>
        <translation>Failed with exit code %1
</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</source>
        <translation>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</translation>
    </message>
    <message>
        <source>The watermark project (.qpj) to apply.</source>
        <translation>The watermark project (.qpj) to apply.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>A subtitle file to burn into every video.</source>
        <translation>A subtitle file to burn into every video.</translation>
    </message>
    <message>
        <source>name or file</source>
        <translation>name or file</translation>
    </message>
    <message>
        <source>The folder for the outputs. Default: your output folder.</source>
        <translation>The folder for the outputs. Default: your output folder.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>How many files are converted at once. Default: your setting.</source>
        <translation>How many files are converted at once. Default: your setting.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>count</translation>
    </message>
    <message>
        <source>Print the engine command lines and run nothing.</source>
        <translation>Print the engine command lines and run nothing.</translation>
    </message>
    <message>
        <source>Report progress and results as one JSON object per line.</source>
        <translation>Report progress and results as one JSON object per line.</translation>
    </message>
    <message>
        <source>The size of the video the layers were placed on, for projects that do not record it.</source>
        <translation>The size of the video the layers were placed on, for projects that do not record it.</translation>
    </message>
    <message>
        <source>width x height</source>
        <translation>width x height</translation>
    </message>
    <message>
        <source>Video files and folders of video files.</source>
        <translation>Video files and folders of video files.</translation>
    </message>
    <message>
        <source>FILE_OR_FOLDER...</source>
        <translation>FILE_OR_FOLDER...</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</source>
        <translation>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No files to convert were given.</source>
        <translation>No files to convert were given.</translation>
    </message>
    <message>
        <source>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</source>
        <translation>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</translation>
    </message>
    <message>
        <source>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</source>
        <translation>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Skip the videos that have no such subtitle track instead of failing them.</source>
        <translation>Skip the videos that have no such subtitle track instead of failing them.</translation>
    </message>
    <message>
        <source>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give either --subtitle or --subtitle-track, not both.</source>
        <translation>Give either --subtitle or --subtitle-track, not both.</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1: %2% (%3 left)</source>
        <translation>%1: %2% (%3 left)</translation>
    </message>
    <message>
        <source>Converted %1 to %2</source>
        <translation>Converted %1 to %2</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>Skipped %1: %2</translation>
    </message>
    <message>
        <source>Failed %1: %2</source>
        <translation>Failed %1: %2</translation>
    </message>
    <message>
        <source>Stopped %1</source>
        <translation>Stopped %1</translation>
    </message>
    <message>
        <source>Converted %1, skipped %2, failed %3</source>
        <translation>Converted %1, skipped %2, failed %3</translation>
    </message>
    <message>
        <source>, planned %1</source>
        <translation>, planned %1</translation>
    </message>
    <message>
        <source>, stopped %1</source>
        <translation>, stopped %1</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>the file does not exist</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>its output would replace the file itself; choose another output folder</source>
        <translation>its output would replace the file itself; choose another output folder</translation>
    </message>
    <message>
        <source>its output exists</source>
        <translation>its output exists</translation>
    </message>
    <message>
        <source>another runner is converting it</source>
        <translation>another runner is converting it</translation>
    </message>
    <message>
        <source>it is not a media file that can be read</source>
        <translation>it is not a media file that can be read</translation>
    </message>
    <message>
        <source>it has no video picture to draw on</source>
        <translation>it has no video picture to draw on</translation>
    </message>
    <message>
        <source>the conversion could not be planned</source>
        <translation>the conversion could not be planned</translation>
    </message>
    <message>
        <source>the engine failed: %1</source>
        <translation>the engine failed: %1</translation>
    </message>
    <message>
        <source>it has no subtitle track %1</source>
        <translation>it has no subtitle track %1</translation>
    </message>
</context>
<context>
    <name>BatchSetup</name>
    <message>
        <source>No output folder is set; give one with --output.</source>
        <translation>No output folder is set; give one with --output.</translation>
    </message>
    <message>
        <source>The subtitle %1 does not exist.</source>
        <translation>The subtitle %1 does not exist.</translation>
    </message>
    <message>
        <source>The output folder %1 could not be made.</source>
        <translation>The output folder %1 could not be made.</translation>
    </message>
    <message>
        <source>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</source>
        <translation>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</translation>
    </message>
    <message>
        <source>Layer %1 of the project cannot be used: %2</source>
        <translation>Layer %1 of the project cannot be used: %2</translation>
    </message>
    <message>
        <source>%1 is neither a container name, nor a saved format preset, nor an output-format file.</source>
        <translation>%1 is neither a container name, nor a saved format preset, nor an output-format file.</translation>
    </message>
    <message>
        <source>The output format %1 cannot be used: %2</source>
        <translation>The output format %1 cannot be used: %2</translation>
    </message>
</context>
<context>
    <name>BurnInSubtitle</name>
    <message>
        <source>Subtitle left out of the picture: %1</source>
        <translation>Subtitle left out of the picture: %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted here</source>
        <translation>%1 cannot be converted here</translation>
    </message>
    <message>
        <source>the cache folder %1 cannot be made</source>
        <translation>the cache folder %1 cannot be made</translation>
    </message>
    <message>
        <source>%1 could not be converted</source>
        <translation>%1 could not be converted</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>the edited subtitles</source>
        <translation>the edited subtitles</translation>
    </message>
    <message>
        <source>%1 is not a subtitle file libass can read</source>
        <translation>%1 is not a subtitle file libass can read</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 no longer exists</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2</source>
        <translation>subtitle track %1 of %2</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 has no subtitle track %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>subtitle track %1 of %2 cannot be decoded</translation>
    </message>
</context>
<context>
    <name>CanvasHistory</name>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
</context>
<context>
    <name>ConversionListModel</name>
    <message>
        <source>Source File</source>
        <translation>Source File</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>File Size</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Watermark layers: %1</source>
        <translation>Watermark layers: %1</translation>
    </message>
    <message>
        <source>Subtitle burned in: %1</source>
        <translation>Subtitle burned in: %1</translation>
    </message>
    <message>
        <source>Picture cropped</source>
        <translation>Picture cropped</translation>
    </message>
    <message>
        <source>Picture turned</source>
        <translation>Picture turned</translation>
    </message>
    <message>
        <source>Picture flipped</source>
        <translation>Picture flipped</translation>
    </message>
    <message>
        <source>Size of the output file</source>
        <translation>Size of the output file</translation>
    </message>
    <message>
        <source>Size of the source file</source>
        <translation>Size of the source file</translation>
    </message>
    <message>
        <source>Unfinished file kept: %1</source>
        <translation>Unfinished file kept: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>Stopped by user</source>
        <translation>Stopped by user</translation>
    </message>
    <message>
        <source>The engine did not report how the conversion ended.</source>
        <translation>The engine did not report how the conversion ended.</translation>
    </message>
    <message>
        <source>no work could be planned for this file</source>
        <translation>no work could be planned for this file</translation>
    </message>
    <message>
        <source>no part to cut could be worked out (is the length of the file known?)</source>
        <translation>no part to cut could be worked out (is the length of the file known?)</translation>
    </message>
    <message>
        <source>the merge could not be prepared (its list file could not be written)</source>
        <translation>the merge could not be prepared (its list file could not be written)</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Aspect ratio</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
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
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Add Video</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Add Image</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Add Text</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Add Subtitle</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Crop</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Flip horizontal </translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Flip vertical</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Open Subtitle File</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Subtitle File(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Brindle 4.x later Project(*.qpj)</source>
        <translation>Brindle 4.x later Project(*.qpj)</translation>
    </message>
    <message>
        <source>Open Brindle Project</source>
        <translation>Open Brindle Project</translation>
    </message>
    <message>
        <source>The project could not be opened; the layers are kept as they were.
%1
%2</source>
        <translation>The project could not be opened; the layers are kept as they were.
%1
%2</translation>
    </message>
    <message>
        <source>Save Brindle Project</source>
        <translation>Save Brindle Project</translation>
    </message>
    <message>
        <source>The project could not be saved.
%1
%2</source>
        <translation>The project could not be saved.
%1
%2</translation>
    </message>
    <message>
        <source>No layer was added: the file gives no picture.
%1</source>
        <translation>No layer was added: the file gives no picture.
%1</translation>
    </message>
    <message>
        <source>No layer was added.
%1</source>
        <translation>No layer was added.
%1</translation>
    </message>
    <message>
        <source>These layers of the project could not be shown:
%1</source>
        <translation>These layers of the project could not be shown:
%1</translation>
    </message>
</context>
<context>
    <name>FilterGraph</name>
    <message>
        <source>The text layer image %1 could not be saved</source>
        <translation>The text layer image %1 could not be saved</translation>
    </message>
</context>
<context>
    <name>FollowupWork</name>
    <message>
        <source>No part to cut could be worked out for %1.</source>
        <translation>No part to cut could be worked out for %1.</translation>
    </message>
    <message>
        <source>The merge of %1 could not be prepared.</source>
        <translation>The merge of %1 could not be prepared.</translation>
    </message>
</context>
<context>
    <name>FormatPresets</name>
    <message>
        <source>The value &quot;%1&quot; of %2 is not valid.</source>
        <translation>The value &quot;%1&quot; of %2 is not valid.</translation>
    </message>
    <message>
        <source>Please enter a name for the format options.</source>
        <translation>Please enter a name for the format options.</translation>
    </message>
    <message>
        <source>A name must not begin with a dot.</source>
        <translation>A name must not begin with a dot.</translation>
    </message>
    <message>
        <source>A name must not contain slashes or control characters.</source>
        <translation>A name must not contain slashes or control characters.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>The file is not a format options file.</source>
        <translation>The file is not a format options file.</translation>
    </message>
    <message>
        <source>The file lacks the setting %1.</source>
        <translation>The file lacks the setting %1.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>The unfinished output was kept as %1</source>
        <translation>The unfinished output was kept as %1</translation>
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
        <translation>Position and size</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Keep Aspect</translation>
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
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Motion and time</source>
        <translation>Motion and time</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fade</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>InOut</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>endless</source>
        <comment>a loop count of 0</comment>
        <translation>endless</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>InOut</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Fade</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Until the end of the video</source>
        <translation>Until the end of the video</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
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
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Log: %1</source>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copy All</translation>
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
        <translation>Language</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Hardware Acceleration</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Hardware encoding</translation>
    </message>
    <message>
        <source>Check for Hardware Encoders</source>
        <translation>Check for Hardware Encoders</translation>
    </message>
    <message>
        <source>Found: %1.</source>
        <translation>Found: %1.</translation>
    </message>
    <message>
        <source>No hardware encoder was found; videos are encoded in software.</source>
        <translation>No hardware encoder was found; videos are encoded in software.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindle Professional Edition 4.0.5</source>
        <translation>Brindle Professional Edition 4.0.5</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Soundtrack</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Output Format</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Output Folder</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Coverage</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Add File</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Add Folder</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Media information</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Ready to convert</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Add subtitle file</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>All Delete</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>You must restart Brindle to switch to the new language.
Do you want to restart now?</translation>
    </message>
    <message>
        <source>Add media file to list</source>
        <translation>Add media file to list</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>Queued</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>All Supported Media Files</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>All Supported Video Files</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>All Supported Audio Files</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>All Files</translation>
    </message>
    <message>
        <source>Show Log…</source>
        <translation>Show Log…</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Not found: %1</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>All Supported Image Files</translation>
    </message>
    <message>
        <source>This file is still being converted. Stop its work and remove it?</source>
        <translation>This file is still being converted. Stop its work and remove it?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>These files were not started:</source>
        <translation>These files were not started:</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>Completed with warnings</source>
        <translation>Completed with warnings</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Not started</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Media Information</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Sample Rate</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bit rate</translation>
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
        <translation>Close</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a media file.</source>
        <translation>&quot;%1&quot; could not be read as a media file.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Location: %1</translation>
    </message>
</context>
<context>
    <name>MergeTab</name>
    <message>
        <source>Source File</source>
        <translation>Source File</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Add title sequence</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Add ending</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Media Information</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Add Media File</translation>
    </message>
</context>
<context>
    <name>MusicTab</name>
    <message>
        <source>Source File</source>
        <translation>Source File</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Add Music File</translation>
    </message>
</context>
<context>
    <name>OutputClaim</name>
    <message>
        <source>The lock file %1 could not be made.</source>
        <translation>The lock file %1 could not be made.</translation>
    </message>
    <message>
        <source>The output %1 was not claimed.</source>
        <translation>The output %1 was not claimed.</translation>
    </message>
    <message>
        <source>The finished file could not be moved to %1: %2</source>
        <translation>The finished file could not be moved to %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No output folder is set. Choose the folder the converted files go to.</source>
        <translation>No output folder is set. Choose the folder the converted files go to.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>The output folder &quot;%1&quot; is not a full path. Choose a folder.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>The output folder &quot;%1&quot; is a file, not a folder.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>The output folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be written to.</source>
        <translation>The output folder &quot;%1&quot; cannot be written to.</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Shift Times</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Affect</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>All rows</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Selected rows</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Selection onward</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Start and End times</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Start times only</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>End times only</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The subtitles appear earlier</source>
        <translation>The subtitles appear earlier</translation>
    </message>
    <message>
        <source>The subtitles appear later</source>
        <translation>The subtitles appear later</translation>
    </message>
    <message>
        <source>No line is affected.</source>
        <translation>No line is affected.</translation>
    </message>
    <message>
        <source>Line %1 ends at %2.</source>
        <translation>Line %1 ends at %2.</translation>
    </message>
    <message>
        <source>Line %1 starts at %2.</source>
        <translation>Line %1 starts at %2.</translation>
    </message>
    <message>
        <source>After the shift: %1, earlier.</source>
        <translation>After the shift: %1, earlier.</translation>
    </message>
    <message>
        <source>After the shift: %1, later.</source>
        <translation>After the shift: %1, later.</translation>
    </message>
    <message>
        <source>After the shift: %1, unchanged.</source>
        <translation>After the shift: %1, unchanged.</translation>
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
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copy Time</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>start time</source>
        <translation>start time</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>end time</translation>
    </message>
    <message>
        <source>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</source>
        <translation>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</source>
        <translation>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</source>
        <translation>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</source>
        <translation>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</source>
        <translation>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</source>
        <translation>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</translation>
    </message>
    <message>
        <source>Layer %1 has no &quot;%2&quot; element.</source>
        <translation>Layer %1 has no &quot;%2&quot; element.</translation>
    </message>
    <message>
        <source>Layer %1 gives only one side of its canvas size.</source>
        <translation>Layer %1 gives only one side of its canvas size.</translation>
    </message>
    <message>
        <source>The file is not a readable project (line %1, column %2): %3</source>
        <translation>The file is not a readable project (line %1, column %2): %3</translation>
    </message>
    <message>
        <source>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</source>
        <translation>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</translation>
    </message>
    <message>
        <source>The project holds an element &quot;%1&quot; where a layer was expected.</source>
        <translation>The project holds an element &quot;%1&quot; where a layer was expected.</translation>
    </message>
    <message>
        <source>Layer %1 names a canvas size different from the layers before it.</source>
        <translation>Layer %1 names a canvas size different from the layers before it.</translation>
    </message>
    <message>
        <source>The project %1 could not be opened: %2</source>
        <translation>The project %1 could not be opened: %2</translation>
    </message>
    <message>
        <source>The project could not be saved to %1: %2</source>
        <translation>The project could not be saved to %1: %2</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Format Options</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Video quality mode</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Bit rate</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Codec</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Keep width and height</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspect</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Keep frame rate</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Keep Audio Codec</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Volume(%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formats</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 high</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 low</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The output format cannot be saved to %1.</source>
        <translation>The output format cannot be saved to %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Options(*.ini)</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; cannot be used.
%2</source>
        <translation>The format options &quot;%1&quot; cannot be used.
%2</translation>
    </message>
    <message>
        <source>Name of the format options:</source>
        <translation>Name of the format options:</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; exist already. Do you want to replace them?</source>
        <translation>The format options &quot;%1&quot; exist already. Do you want to replace them?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>The format options cannot be saved to %1.</source>
        <translation>The format options cannot be saved to %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Are you sure to delete the format options ?</translation>
    </message>
    <message>
        <source>The format options cannot be deleted from %1.</source>
        <translation>The format options cannot be deleted from %1.</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Copy Time</translation>
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
        <translation>Close</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Resize</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Add Video</source>
        <translation>Add Video</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Add Image</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Add Text</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Are you sure to delete the layer ?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Edit Text</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Resize</translation>
    </message>
</context>
<context>
    <name>RecordLayer</name>
    <message>
        <source>The text layer &quot;%1&quot; draws nothing.</source>
        <translation>The text layer &quot;%1&quot; draws nothing.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: %2</source>
        <translation>The image %1 could not be read: %2</translation>
    </message>
    <message>
        <source>The video %1 has no picture that could be read.</source>
        <translation>The video %1 has no picture that could be read.</translation>
    </message>
    <message>
        <source>A layer of kind %1 cannot be drawn over a video.</source>
        <translation>A layer of kind %1 cannot be drawn over a video.</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Find\Replace</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Affect</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>All rows</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Selected rows</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>Selection onward</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SplitTab</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Setting number of parts</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>A duration of each clip</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Intercept a section</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Style Editor</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Strikeout</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>A style name must not be empty or contain a comma.</source>
        <translation>A style name must not be empty or contain a comma.</translation>
    </message>
    <message>
        <source>A style named &quot;%1&quot; exists already.</source>
        <translation>A style named &quot;%1&quot; exists already.</translation>
    </message>
    <message>
        <source>The last style cannot be deleted.</source>
        <translation>The last style cannot be deleted.</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Open style file or ass file</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Style|ASS file(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Save style file</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Style file(*.sty)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; the styles are unchanged.</source>
        <translation>&quot;%1&quot; could not be read; the styles are unchanged.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no styles; the styles are unchanged.</source>
        <translation>&quot;%1&quot; holds no styles; the styles are unchanged.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>&quot;%1&quot; could not be written.</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Sample subtitle</source>
        <translation>Sample subtitle</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Add subtitle</source>
        <translation>Add subtitle</translation>
    </message>
    <message>
        <source>Delete subtitle</source>
        <translation>Delete subtitle</translation>
    </message>
    <message>
        <source>Change styles</source>
        <translation>Change styles</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Saved to %1.</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Are you sure you want to delete the subtitle?</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Shift times</translation>
    </message>
    <message>
        <source>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</source>
        <translation>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</translation>
    </message>
    <message>
        <source>Lines shifted: %1.</source>
        <translation>Lines shifted: %1.</translation>
    </message>
    <message>
        <source>No line contains &quot;%1&quot;.</source>
        <translation>No line contains &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Replace text</source>
        <translation>Replace text</translation>
    </message>
    <message>
        <source>Lines changed: %1.</source>
        <translation>Lines changed: %1.</translation>
    </message>
    <message>
        <source>Edit start time</source>
        <translation>Edit start time</translation>
    </message>
    <message>
        <source>Edit end time</source>
        <translation>Edit end time</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Edit text</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Edit subtitle</translation>
    </message>
</context>
<context>
    <name>SubtitleSession</name>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>%1 could not be read as subtitles.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 could not be written.</translation>
    </message>
</context>
<context>
    <name>SubtitleTab</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Add to subtitle stream</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Open Subtitle File</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Subtitle File(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Save ASS File</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
</context>
<context>
    <name>SubtitleTable</name>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Stop Time</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
</context>
<context>
    <name>SubtitleTrack</name>
    <message>
        <source>Track %1</source>
        <translation>Track %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>default</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forced</translation>
    </message>
    <message>
        <source>pictures, cannot be edited</source>
        <translation>pictures, cannot be edited</translation>
    </message>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 cannot be opened</translation>
    </message>
    <message>
        <source>the streams of %1 cannot be read</source>
        <translation>the streams of %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 has no subtitle track %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>subtitle track %1 of %2 cannot be decoded</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 holds pictures, not text</source>
        <translation>subtitle track %1 of %2 holds pictures, not text</translation>
    </message>
    <message>
        <source>no line of subtitle track %1 of %2 could be decoded</source>
        <translation>no line of subtitle track %1 of %2 could be decoded</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 cannot be written</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>cannot be decoded</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackButton</name>
    <message>
        <source>From the video</source>
        <translation>From the video</translation>
    </message>
    <message>
        <source>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</source>
        <translation>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</translation>
    </message>
    <message>
        <source>The video carries no subtitle tracks</source>
        <translation>The video carries no subtitle tracks</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackChoice</name>
    <message>
        <source>This FFmpeg cannot decode %1 subtitles.</source>
        <translation>This FFmpeg cannot decode %1 subtitles.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>The folder %1 cannot be made.</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Subtitle Track</translation>
    </message>
    <message>
        <source>The subtitle track cannot be read.
%1</source>
        <translation>The subtitle track cannot be read.
%1</translation>
    </message>
    <message>
        <source>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</source>
        <translation>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</translation>
    </message>
    <message>
        <source>%1 (track %2).ass</source>
        <translation>%1 (track %2).ass</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Find\Replace</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>End Time</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
</context>
<context>
    <name>UnfinishedOutput</name>
    <message>
        <source>unfinished</source>
        <translation>unfinished</translation>
    </message>
</context>
<context>
    <name>UnsavedSubtitles</name>
    <message>
        <source>Save ASS File</source>
        <translation>Save ASS File</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>ASS File(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle lines of %1 were changed and not saved.</source>
        <translation>The subtitle lines of %1 were changed and not saved.</translation>
    </message>
    <message>
        <source>Save the changes before going on?</source>
        <translation>Save the changes before going on?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Enable Background</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Background Color</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Round</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Gradient Text</source>
        <translation>Gradient Text</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Text Glow</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>No Outline</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Single Outline</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Double Outline</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Gradient Outline</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Text Effect</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Text Color</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Outline Color1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Thickness1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Alpha1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Outline Color2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Thickness2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Alpha2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Enable Shadow</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Shadow Color</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
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
        <translation>Enter your own content here</translation>
    </message>
    <message>
        <source>Text Options</source>
        <translation>Text Options</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Text Effect</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
