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
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>Справка (README)</translation>
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
        <source>Delete</source>
        <translation>Удалить</translation>
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
    <name>ConvertList</name>
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
        <source>Check HW</source>
        <translation>Проверить оборудование</translation>
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
        <source>Split</source>
        <translation>Разделить</translation>
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
        <source>Subtitle</source>
        <translation>Субтитры</translation>
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
        <source>Add to subtitle stream</source>
        <translation>Добавить в поток субтитров</translation>
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
        <source>Add Media File</source>
        <translation>Добавить медиафайл</translation>
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
        <source>Add Music File</source>
        <translation>Добавить музыкальный файл</translation>
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
        <source>%1 could not be read as subtitles.</source>
        <translation>Не удалось прочитать %1 как субтитры.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Не удалось записать %1.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Сохранено в %1.</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>Сохранить файл ASS</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>Файл ASS(*.ass)</translation>
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
    <name>SubtitleTab</name>
    <message>
        <source>Start Time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Время окончания</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Субтитры</translation>
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
