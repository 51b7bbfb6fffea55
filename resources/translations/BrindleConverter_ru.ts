<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Professional Edition 4.0.5</source>
        <translation>Профессиональная версия 4.0.5</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>Справка (README)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>Failed to start %1: %2
</source>
        <translation>Не удалось запустить %1: %2
</translation>
    </message>
    <message>
        <source>Stopped by user at %1
</source>
        <translation>Остановлено пользователем в %1
</translation>
    </message>
    <message>
        <source>Completed successfully in %1
</source>
        <translation>Успешно завершено за %1
</translation>
    </message>
    <message>
        <source>Failed with exit code %1
</source>
        <translation>Ошибка, код выхода %1
</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</source>
        <translation>Накладывает слои водяного знака из проекта и субтитры на каждое указанное видео и конвертирует его. Папка означает медиафайлы в ней. Уже существующие результаты не трогаются, поэтому повторный запуск той же команды продолжает прерванную пакетную обработку.</translation>
    </message>
    <message>
        <source>The watermark project (.qpj) to apply.</source>
        <translation>Применяемый проект водяного знака (.qpj).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>A subtitle file to burn into every video.</source>
        <translation>Файл субтитров, вшиваемый в каждое видео.</translation>
    </message>
    <message>
        <source>name or file</source>
        <translation>имя или файл</translation>
    </message>
    <message>
        <source>The folder for the outputs. Default: your output folder.</source>
        <translation>Папка для результатов. По умолчанию: ваша папка вывода.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>How many files are converted at once. Default: your setting.</source>
        <translation>Сколько файлов конвертируется одновременно. По умолчанию: ваша настройка.</translation>
    </message>
    <message>
        <source>count</source>
        <translation>число</translation>
    </message>
    <message>
        <source>Print the engine command lines and run nothing.</source>
        <translation>Вывести командные строки движка, ничего не запуская.</translation>
    </message>
    <message>
        <source>Report progress and results as one JSON object per line.</source>
        <translation>Сообщать ход работы и результаты по одному JSON-объекту на строку.</translation>
    </message>
    <message>
        <source>The size of the video the layers were placed on, for projects that do not record it.</source>
        <translation>Размер видео, на котором размещались слои, для проектов, которые его не хранят.</translation>
    </message>
    <message>
        <source>width x height</source>
        <translation>ширина x высота</translation>
    </message>
    <message>
        <source>Video files and folders of video files.</source>
        <translation>Видеофайлы и папки с видеофайлами.</translation>
    </message>
    <message>
        <source>FILE_OR_FOLDER...</source>
        <translation>ФАЙЛ_ИЛИ_ПАПКА...</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--jobs требует целое число от 1, а не «%1».</translation>
    </message>
    <message>
        <source>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</source>
        <translation>--canvas требует размер вида 1920x1080, а не «%1».</translation>
    </message>
    <message>
        <source>No files to convert were given.</source>
        <translation>Не указаны файлы для конвертации.</translation>
    </message>
    <message>
        <source>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</source>
        <translation>Контейнер (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), имя сохранённой предустановки формата или INI-файл формата вывода. По умолчанию: ваш текущий формат вывода.</translation>
    </message>
    <message>
        <source>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</source>
        <translation>Впечатывает в изображение N-ю дорожку субтитров каждого видео, считая с 1 (текстовые дорожки и дорожки-картинки DVD, Blu-ray или DVB). Видео без такой дорожки завершается ошибкой, если не указан --subtitle-track-optional.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Skip the videos that have no such subtitle track instead of failing them.</source>
        <translation>Пропускать видео без такой дорожки субтитров вместо того, чтобы считать их ошибкой.</translation>
    </message>
    <message>
        <source>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</source>
        <translation>Для --subtitle-track нужен номер дорожки от 1, а не «%1».</translation>
    </message>
    <message>
        <source>Give either --subtitle or --subtitle-track, not both.</source>
        <translation>Укажите либо --subtitle, либо --subtitle-track, но не оба.</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1: %2% (%3 left)</source>
        <translation>%1: %2% (осталось %3)</translation>
    </message>
    <message>
        <source>Converted %1 to %2</source>
        <translation>%1 сконвертирован в %2</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>%1 пропущен: %2</translation>
    </message>
    <message>
        <source>Failed %1: %2</source>
        <translation>Ошибка %1: %2</translation>
    </message>
    <message>
        <source>Stopped %1</source>
        <translation>%1 остановлен</translation>
    </message>
    <message>
        <source>Converted %1, skipped %2, failed %3</source>
        <translation>Сконвертировано %1, пропущено %2, с ошибкой %3</translation>
    </message>
    <message>
        <source>, planned %1</source>
        <translation>, запланировано %1</translation>
    </message>
    <message>
        <source>, stopped %1</source>
        <translation>, остановлено %1</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>its output would replace the file itself; choose another output folder</source>
        <translation>результат заменил бы сам файл; выберите другую папку вывода</translation>
    </message>
    <message>
        <source>its output exists</source>
        <translation>результат уже существует</translation>
    </message>
    <message>
        <source>another runner is converting it</source>
        <translation>его уже конвертирует другой процесс</translation>
    </message>
    <message>
        <source>it is not a media file that can be read</source>
        <translation>это не читаемый медиафайл</translation>
    </message>
    <message>
        <source>it has no video picture to draw on</source>
        <translation>в нём нет видеоизображения, на котором можно рисовать</translation>
    </message>
    <message>
        <source>the conversion could not be planned</source>
        <translation>не удалось спланировать конвертацию</translation>
    </message>
    <message>
        <source>the engine failed: %1</source>
        <translation>ошибка движка: %1</translation>
    </message>
    <message>
        <source>it has no subtitle track %1</source>
        <translation>в нём нет дорожки субтитров %1</translation>
    </message>
</context>
<context>
    <name>BatchSetup</name>
    <message>
        <source>No output folder is set; give one with --output.</source>
        <translation>Папка вывода не задана; укажите её через --output.</translation>
    </message>
    <message>
        <source>The subtitle %1 does not exist.</source>
        <translation>Субтитры %1 не существуют.</translation>
    </message>
    <message>
        <source>The output folder %1 could not be made.</source>
        <translation>Не удалось создать папку вывода %1.</translation>
    </message>
    <message>
        <source>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</source>
        <translation>Проект %1 не хранит размер видео, на котором размещались его слои; укажите его через --canvas, например --canvas 1920x1080.</translation>
    </message>
    <message>
        <source>Layer %1 of the project cannot be used: %2</source>
        <translation>Слой %1 проекта нельзя использовать: %2</translation>
    </message>
    <message>
        <source>%1 is neither a container name, nor a saved format preset, nor an output-format file.</source>
        <translation>%1 не является ни именем контейнера, ни сохранённой предустановкой формата, ни файлом формата вывода.</translation>
    </message>
    <message>
        <source>The output format %1 cannot be used: %2</source>
        <translation>Формат вывода %1 нельзя использовать: %2</translation>
    </message>
</context>
<context>
    <name>BurnInSubtitle</name>
    <message>
        <source>Subtitle left out of the picture: %1</source>
        <translation>Субтитры не добавлены в изображение: %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted here</source>
        <translation>%1 нельзя преобразовать здесь</translation>
    </message>
    <message>
        <source>the cache folder %1 cannot be made</source>
        <translation>не удаётся создать папку кэша %1</translation>
    </message>
    <message>
        <source>%1 could not be converted</source>
        <translation>Не удалось преобразовать %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>Не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>the edited subtitles</source>
        <translation>редактируемые субтитры</translation>
    </message>
    <message>
        <source>%1 is not a subtitle file libass can read</source>
        <translation>%1 — не файл субтитров, который может прочитать libass</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 больше не существует</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2</source>
        <translation>дорожка субтитров %1 файла %2</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>в %1 нет дорожки субтитров %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>дорожку субтитров %1 файла %2 невозможно декодировать</translation>
    </message>
</context>
<context>
    <name>CanvasHistory</name>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
</context>
<context>
    <name>ConversionListModel</name>
    <message>
        <source>Source File</source>
        <translation>Исходный файл</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Watermark layers: %1</source>
        <translation>Слои водяного знака: %1</translation>
    </message>
    <message>
        <source>Subtitle burned in: %1</source>
        <translation>Вшитые субтитры: %1</translation>
    </message>
    <message>
        <source>Picture cropped</source>
        <translation>Изображение обрезано</translation>
    </message>
    <message>
        <source>Picture turned</source>
        <translation>Изображение повёрнуто</translation>
    </message>
    <message>
        <source>Picture flipped</source>
        <translation>Изображение отражено</translation>
    </message>
    <message>
        <source>Size of the output file</source>
        <translation>Размер выходного файла</translation>
    </message>
    <message>
        <source>Size of the source file</source>
        <translation>Размер исходного файла</translation>
    </message>
    <message>
        <source>Unfinished file kept: %1</source>
        <translation>Незавершённый файл сохранён: %1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>Stopped by user</source>
        <translation>Остановлено пользователем</translation>
    </message>
    <message>
        <source>The engine did not report how the conversion ended.</source>
        <translation>Движок не сообщил, чем закончилось преобразование.</translation>
    </message>
    <message>
        <source>no work could be planned for this file</source>
        <translation>для этого файла не удалось запланировать работу</translation>
    </message>
    <message>
        <source>no part to cut could be worked out (is the length of the file known?)</source>
        <translation>не удалось определить ни одной части для нарезки (известна ли длительность файла?)</translation>
    </message>
    <message>
        <source>the merge could not be prepared (its list file could not be written)</source>
        <translation>не удалось подготовить объединение (не удалось записать файл списка)</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Соотношение сторон</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>Редактор</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Добавить видео</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Добавить изображение</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Добавить текст</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>Добавить субтитры</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>Отразить по горизонтали</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Отразить по вертикали</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Открыть файл субтитров</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Файл субтитров(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Brindle 4.x later Project(*.qpj)</source>
        <translation>Проект Brindle 4.x и новее(*.qpj)</translation>
    </message>
    <message>
        <source>Open Brindle Project</source>
        <translation>Открыть проект Brindle</translation>
    </message>
    <message>
        <source>The project could not be opened; the layers are kept as they were.
%1
%2</source>
        <translation>Не удалось открыть проект; слои остались без изменений.
%1
%2</translation>
    </message>
    <message>
        <source>Save Brindle Project</source>
        <translation>Сохранить проект Brindle</translation>
    </message>
    <message>
        <source>The project could not be saved.
%1
%2</source>
        <translation>Не удалось сохранить проект.
%1
%2</translation>
    </message>
    <message>
        <source>No layer was added: the file gives no picture.
%1</source>
        <translation>Слой не добавлен: файл не даёт изображения.
%1</translation>
    </message>
    <message>
        <source>No layer was added.
%1</source>
        <translation>Слой не добавлен.
%1</translation>
    </message>
    <message>
        <source>These layers of the project could not be shown:
%1</source>
        <translation>Эти слои проекта не удалось показать:
%1</translation>
    </message>
</context>
<context>
    <name>FilterGraph</name>
    <message>
        <source>The text layer image %1 could not be saved</source>
        <translation>Не удалось сохранить изображение текстового слоя %1</translation>
    </message>
</context>
<context>
    <name>FollowupWork</name>
    <message>
        <source>No part to cut could be worked out for %1.</source>
        <translation>Не удалось определить ни одной части для нарезки %1.</translation>
    </message>
    <message>
        <source>The merge of %1 could not be prepared.</source>
        <translation>Не удалось подготовить объединение %1.</translation>
    </message>
</context>
<context>
    <name>FormatPresets</name>
    <message>
        <source>The value &quot;%1&quot; of %2 is not valid.</source>
        <translation>Значение «%1» параметра %2 недопустимо.</translation>
    </message>
    <message>
        <source>Please enter a name for the format options.</source>
        <translation>Введите имя для параметров формата.</translation>
    </message>
    <message>
        <source>A name must not begin with a dot.</source>
        <translation>Имя не может начинаться с точки.</translation>
    </message>
    <message>
        <source>A name must not contain slashes or control characters.</source>
        <translation>Имя не может содержать косую черту или управляющие символы.</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>Имя слишком длинное.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Не удаётся прочитать файл.</translation>
    </message>
    <message>
        <source>The file is not a format options file.</source>
        <translation>Файл не является файлом параметров формата.</translation>
    </message>
    <message>
        <source>The file lacks the setting %1.</source>
        <translation>В файле нет параметра %1.</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Остановка…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>The unfinished output was kept as %1</source>
        <translation>Незавершённый результат сохранён как %1</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Положение и размер</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>Сохранять пропорции</translation>
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
        <translation>Угол</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Motion and time</source>
        <translation>Движение и время</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Затухание</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Появление</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Исчезание</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Появление и исчезание</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Время окончания</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>endless</source>
        <comment>a loop count of 0</comment>
        <translation>бесконечно</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>Водяной знак</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Появление</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Исчезание</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Появление и исчезание</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>Затухание</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Until the end of the video</source>
        <translation>До конца видео</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Время окончания</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Log: %1</source>
        <translation>Журнал: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Копировать всё</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Заданий</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Аппаратное ускорение</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Приоритет</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <translation>Аппаратное кодирование</translation>
    </message>
    <message>
        <source>Check for Hardware Encoders</source>
        <translation>Найти аппаратные кодировщики</translation>
    </message>
    <message>
        <source>Found: %1.</source>
        <translation>Найдены: %1.</translation>
    </message>
    <message>
        <source>No hardware encoder was found; videos are encoded in software.</source>
        <translation>Аппаратные кодировщики не найдены; видео кодируется программно.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindle Professional Edition 4.0.5</source>
        <translation>Brindle Профессиональная версия 4.0.5</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Склейка</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>Саундтрек</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Формат вывода</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Папка вывода</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Перезаписывать</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Водяной знак</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Добавить файл</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>Сведения о файле</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Готов к конвертации</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>Добавить файл субтитров</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>Чтобы сменить язык, Brindle нужно перезапустить.
Перезапустить сейчас?</translation>
    </message>
    <message>
        <source>Add media file to list</source>
        <translation>Сначала добавьте медиафайл в список</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>В очереди</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>Все поддерживаемые медиафайлы</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>Все поддерживаемые видеофайлы</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>Все поддерживаемые аудиофайлы</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Show Log…</source>
        <translation>Показать журнал…</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>Не найдено: %1</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>Все поддерживаемые файлы изображений</translation>
    </message>
    <message>
        <source>This file is still being converted. Stop its work and remove it?</source>
        <translation>Этот файл ещё конвертируется. Остановить работу и удалить его из списка?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>These files were not started:</source>
        <translation>Эти файлы не были запущены:</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Остановка…</translation>
    </message>
    <message>
        <source>Completed with warnings</source>
        <translation>Завершено с предупреждениями</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Не запущено</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>Сведения о файле</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a media file.</source>
        <translation>Не удалось прочитать «%1» как медиафайл.</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Причина: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Расположение: %1</translation>
    </message>
</context>
<context>
    <name>MergeTab</name>
    <message>
        <source>Source File</source>
        <translation>Исходный файл</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Итого:</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>Добавить заставку</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>Добавить концовку</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>Сведения о файле</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>Добавить медиафайл</translation>
    </message>
</context>
<context>
    <name>MusicTab</name>
    <message>
        <source>Source File</source>
        <translation>Исходный файл</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Итого:</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>Добавить музыкальный файл</translation>
    </message>
</context>
<context>
    <name>OutputClaim</name>
    <message>
        <source>The lock file %1 could not be made.</source>
        <translation>Не удалось создать файл блокировки %1.</translation>
    </message>
    <message>
        <source>The output %1 was not claimed.</source>
        <translation>Результат %1 не был зарезервирован.</translation>
    </message>
    <message>
        <source>The finished file could not be moved to %1: %2</source>
        <translation>Не удалось переместить готовый файл в %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No output folder is set. Choose the folder the converted files go to.</source>
        <translation>Папка вывода не задана. Выберите папку для сконвертированных файлов.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>Папка вывода «%1» задана не полным путём. Выберите папку.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>Папка вывода «%1» — это файл, а не папка.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Не удаётся создать папку вывода «%1».</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be written to.</source>
        <translation>Не удаётся записывать в папку вывода «%1».</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>Сдвиг времени</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Применить к</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Все строки</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Выбранные строки</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>После выбранной</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>Начало и конец</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>Только начало</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>Только конец</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The subtitles appear earlier</source>
        <translation>Субтитры появляются раньше</translation>
    </message>
    <message>
        <source>The subtitles appear later</source>
        <translation>Субтитры появляются позже</translation>
    </message>
    <message>
        <source>No line is affected.</source>
        <translation>Ни одна строка не затронута.</translation>
    </message>
    <message>
        <source>Line %1 ends at %2.</source>
        <translation>Строка %1 заканчивается в %2.</translation>
    </message>
    <message>
        <source>Line %1 starts at %2.</source>
        <translation>Строка %1 начинается в %2.</translation>
    </message>
    <message>
        <source>After the shift: %1, earlier.</source>
        <translation>После сдвига: %1, раньше.</translation>
    </message>
    <message>
        <source>After the shift: %1, later.</source>
        <translation>После сдвига: %1, позже.</translation>
    </message>
    <message>
        <source>After the shift: %1, unchanged.</source>
        <translation>После сдвига: %1, без изменений.</translation>
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
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Копировать время</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>start time</source>
        <translation>время начала</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>время окончания</translation>
    </message>
    <message>
        <source>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</source>
        <translation>Слой %1: %2 %3 — сутки или больше, этого проект хранить не может; сохранено как %4.</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</source>
        <translation>Слой %1: «%2» должно быть целым числом, а не «%3».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</source>
        <translation>Слой %1: «%2» должно быть числом, а не «%3».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</source>
        <translation>Слой %1: «%2» должно быть временем вида HH:mm:ss:zzz, а не «%3».</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</source>
        <translation>Слой %1: «%2» должно быть цветом вида aarrggbb, а не «%3».</translation>
    </message>
    <message>
        <source>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</source>
        <translation>Слой %1: значение «%3» элемента «%2» вне допустимого диапазона.</translation>
    </message>
    <message>
        <source>Layer %1 has no &quot;%2&quot; element.</source>
        <translation>У слоя %1 нет элемента «%2».</translation>
    </message>
    <message>
        <source>Layer %1 gives only one side of its canvas size.</source>
        <translation>Слой %1 указывает только одну сторону размера холста.</translation>
    </message>
    <message>
        <source>The file is not a readable project (line %1, column %2): %3</source>
        <translation>Файл не является читаемым проектом (строка %1, столбец %2): %3</translation>
    </message>
    <message>
        <source>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</source>
        <translation>Это не проект Brindle: корневой элемент «%1» вместо «Layers».</translation>
    </message>
    <message>
        <source>The project holds an element &quot;%1&quot; where a layer was expected.</source>
        <translation>Проект содержит элемент «%1» там, где ожидался слой.</translation>
    </message>
    <message>
        <source>Layer %1 names a canvas size different from the layers before it.</source>
        <translation>Слой %1 указывает размер холста, отличный от предыдущих слоёв.</translation>
    </message>
    <message>
        <source>The project %1 could not be opened: %2</source>
        <translation>Не удалось открыть проект %1: %2</translation>
    </message>
    <message>
        <source>The project could not be saved to %1: %2</source>
        <translation>Не удалось сохранить проект в %1: %2</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>Параметры формата</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>Режим качества видео</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>Сохранить ширину и высоту</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Пропорции</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>Сохранить частоту кадров</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>Сохранить аудиокодек</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>Громкость (%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Форматы</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 высокое</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 низкое</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The output format cannot be saved to %1.</source>
        <translation>Не удаётся сохранить формат вывода в %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>Параметры (*.ini)</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; cannot be used.
%2</source>
        <translation>Параметры формата «%1» нельзя использовать.
%2</translation>
    </message>
    <message>
        <source>Name of the format options:</source>
        <translation>Имя параметров формата:</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; exist already. Do you want to replace them?</source>
        <translation>Параметры формата «%1» уже существуют. Заменить их?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>The format options cannot be saved to %1.</source>
        <translation>Не удаётся сохранить параметры формата в %1.</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>Удалить эти параметры формата?</translation>
    </message>
    <message>
        <source>The format options cannot be deleted from %1.</source>
        <translation>Не удаётся удалить параметры формата из %1.</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>Копировать время</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Изменить размер</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Add Video</source>
        <translation>Добавить видео</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Добавить изображение</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Добавить текст</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>Удалить этот слой?</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Переместить</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Изменить размер</translation>
    </message>
</context>
<context>
    <name>RecordLayer</name>
    <message>
        <source>The text layer &quot;%1&quot; draws nothing.</source>
        <translation>Текстовый слой «%1» ничего не рисует.</translation>
    </message>
    <message>
        <source>The image %1 could not be read: %2</source>
        <translation>Не удалось прочитать изображение %1: %2</translation>
    </message>
    <message>
        <source>The video %1 has no picture that could be read.</source>
        <translation>В видео %1 нет читаемого изображения.</translation>
    </message>
    <message>
        <source>A layer of kind %1 cannot be drawn over a video.</source>
        <translation>Слой типа %1 нельзя нарисовать поверх видео.</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>Найти\Заменить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить на</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>Применить к</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Все строки</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Выбранные строки</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>После выбранной</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>SplitTab</name>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>Число частей</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>Длительность каждого фрагмента</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>Вырезать фрагмент</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>Редактор стилей</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Зачёркнутый</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Вторичный</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Контур</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Тень</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>По вертикали</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>A style name must not be empty or contain a comma.</source>
        <translation>Имя стиля не может быть пустым или содержать запятую.</translation>
    </message>
    <message>
        <source>A style named &quot;%1&quot; exists already.</source>
        <translation>Стиль «%1» уже существует.</translation>
    </message>
    <message>
        <source>The last style cannot be deleted.</source>
        <translation>Последний стиль нельзя удалить.</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>Открыть файл стилей или файл ASS</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>Файл стилей|ASS(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>Сохранить файл стилей</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>Файл стилей(*.sty)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; the styles are unchanged.</source>
        <translation>Не удалось прочитать «%1»; стили не изменены.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no styles; the styles are unchanged.</source>
        <translation>В «%1» нет стилей; стили не изменены.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>Не удалось записать «%1».</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Sample subtitle</source>
        <translation>Пример субтитра</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Add subtitle</source>
        <translation>Добавить субтитр</translation>
    </message>
    <message>
        <source>Delete subtitle</source>
        <translation>Удалить субтитр</translation>
    </message>
    <message>
        <source>Change styles</source>
        <translation>Изменить стили</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Сохранено в %1.</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>Удалить субтитр?</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>Сдвиг времени</translation>
    </message>
    <message>
        <source>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</source>
        <translation>Сдвинуто строк: %1. Остановлено, чтобы не уйти ниже нуля или не закончиться раньше начала: %2.</translation>
    </message>
    <message>
        <source>Lines shifted: %1.</source>
        <translation>Сдвинуто строк: %1.</translation>
    </message>
    <message>
        <source>No line contains &quot;%1&quot;.</source>
        <translation>Ни одна строка не содержит «%1».</translation>
    </message>
    <message>
        <source>Replace text</source>
        <translation>Заменить текст</translation>
    </message>
    <message>
        <source>Lines changed: %1.</source>
        <translation>Изменено строк: %1.</translation>
    </message>
    <message>
        <source>Edit start time</source>
        <translation>Изменить начало</translation>
    </message>
    <message>
        <source>Edit end time</source>
        <translation>Изменить конец</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Изменить текст</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>Изменить субтитр</translation>
    </message>
</context>
<context>
    <name>SubtitleSession</name>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>Не удалось прочитать %1 как субтитры.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Не удалось записать %1.</translation>
    </message>
</context>
<context>
    <name>SubtitleTab</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>Добавить в поток субтитров</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>Открыть файл субтитров</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>Файл субтитров(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Сохранить файл ASS</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
</context>
<context>
    <name>SubtitleTable</name>
    <message>
        <source>Start Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Субтитры</translation>
    </message>
</context>
<context>
    <name>SubtitleTrack</name>
    <message>
        <source>Track %1</source>
        <translation>Дорожка %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>по умолчанию</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>принудительная</translation>
    </message>
    <message>
        <source>pictures, cannot be edited</source>
        <translation>картинки, править нельзя</translation>
    </message>
    <message>
        <source>text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>не удаётся открыть %1</translation>
    </message>
    <message>
        <source>the streams of %1 cannot be read</source>
        <translation>не удаётся прочитать потоки %1</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>в %1 нет дорожки субтитров %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>дорожку субтитров %1 файла %2 невозможно декодировать</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 holds pictures, not text</source>
        <translation>дорожка субтитров %1 файла %2 содержит картинки, а не текст</translation>
    </message>
    <message>
        <source>no line of subtitle track %1 of %2 could be decoded</source>
        <translation>не удалось декодировать ни одной строки дорожки субтитров %1 файла %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>не декодируется</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackButton</name>
    <message>
        <source>From the video</source>
        <translation>Из видео</translation>
    </message>
    <message>
        <source>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</source>
        <translation>Впечатать дорожку субтитров, которая есть в видео. Текстовые дорожки можно править здесь; дорожки-картинки впечатываются как есть.</translation>
    </message>
    <message>
        <source>The video carries no subtitle tracks</source>
        <translation>В видео нет дорожек субтитров</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackChoice</name>
    <message>
        <source>This FFmpeg cannot decode %1 subtitles.</source>
        <translation>Этот FFmpeg не умеет декодировать субтитры %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Дорожка субтитров</translation>
    </message>
    <message>
        <source>The subtitle track cannot be read.
%1</source>
        <translation>Не удаётся прочитать дорожку субтитров.
%1</translation>
    </message>
    <message>
        <source>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</source>
        <translation>Дорожка субтитров %1 видео впечатывается как картинки; их нельзя править.</translation>
    </message>
    <message>
        <source>%1 (track %2).ass</source>
        <translation>%1 (дорожка %2).ass</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>Найти\Заменить</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
</context>
<context>
    <name>UnfinishedOutput</name>
    <message>
        <source>unfinished</source>
        <translation>не завершено</translation>
    </message>
</context>
<context>
    <name>UnsavedSubtitles</name>
    <message>
        <source>Save ASS File</source>
        <translation>Сохранить файл ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Файл ASS(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle lines of %1 were changed and not saved.</source>
        <translation>Строки субтитров %1 изменены и не сохранены.</translation>
    </message>
    <message>
        <source>Save the changes before going on?</source>
        <translation>Сохранить изменения, прежде чем продолжить?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>Включить фон</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Непрозрачность</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Скругление</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Gradient Text</source>
        <translation>Градиентный текст</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>Свечение</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>Без контура</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>Одинарный контур</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>Двойной контур</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>Градиентный контур</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Контур</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Тень</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Эффект текста</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Цвет текста</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Bold</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>Цвет контура 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>Толщина 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>Непрозрачность 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>Цвет контура 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>Толщина 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>Непрозрачность 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>Включить тень</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Цвет тени</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Толщина</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Непрозрачность</translation>
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
        <translation>Введите здесь свой текст</translation>
    </message>
    <message>
        <source>Text Options</source>
        <translation>Параметры текста</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>Эффект текста</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
