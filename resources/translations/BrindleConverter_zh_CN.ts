<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Professional Edition 4.0.5</source>
        <translation>专业版 4.0.5</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>帮助（自述文件）</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>Failed to start %1: %2
</source>
        <translation>无法启动 %1：%2
</translation>
    </message>
    <message>
        <source>Stopped by user at %1
</source>
        <translation>用户于 %1 停止
</translation>
    </message>
    <message>
        <source>Completed successfully in %1
</source>
        <translation>成功完成，用时 %1
</translation>
    </message>
    <message>
        <source>Failed with exit code %1
</source>
        <translation>失败，退出代码 %1
</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</source>
        <translation>将项目中的水印图层和字幕加到每个指定的视频上并进行转换。文件夹表示其中的媒体文件。已存在的输出不会被改动，因此再次运行同一命令即可继续被中断的批处理。</translation>
    </message>
    <message>
        <source>The watermark project (.qpj) to apply.</source>
        <translation>要应用的水印项目 (.qpj)。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>A subtitle file to burn into every video.</source>
        <translation>要烧录到每个视频中的字幕文件。</translation>
    </message>
    <message>
        <source>name or file</source>
        <translation>名称或文件</translation>
    </message>
    <message>
        <source>The folder for the outputs. Default: your output folder.</source>
        <translation>输出文件夹。默认：您的输出文件夹。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>How many files are converted at once. Default: your setting.</source>
        <translation>同时转换的文件数。默认：您的设置。</translation>
    </message>
    <message>
        <source>count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Print the engine command lines and run nothing.</source>
        <translation>打印引擎命令行，不执行任何操作。</translation>
    </message>
    <message>
        <source>Report progress and results as one JSON object per line.</source>
        <translation>以每行一个 JSON 对象的形式报告进度和结果。</translation>
    </message>
    <message>
        <source>The size of the video the layers were placed on, for projects that do not record it.</source>
        <translation>放置图层时所用视频的尺寸，用于未记录该尺寸的项目。</translation>
    </message>
    <message>
        <source>width x height</source>
        <translation>宽 x 高</translation>
    </message>
    <message>
        <source>Video files and folders of video files.</source>
        <translation>视频文件及包含视频文件的文件夹。</translation>
    </message>
    <message>
        <source>FILE_OR_FOLDER...</source>
        <translation>文件或文件夹...</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--jobs 需要 1 或更大的整数，而不是“%1”。</translation>
    </message>
    <message>
        <source>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</source>
        <translation>--canvas 需要类似 1920x1080 的尺寸，而不是“%1”。</translation>
    </message>
    <message>
        <source>No files to convert were given.</source>
        <translation>未指定要转换的文件。</translation>
    </message>
    <message>
        <source>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</source>
        <translation>容器 (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav)、已保存的格式预设名称或输出格式 INI 文件。默认：当前的输出格式。</translation>
    </message>
    <message>
        <source>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</source>
        <translation>将每个视频的第 N 条字幕轨道（从 1 开始计数；文本轨道以及 DVD、蓝光或 DVB 图像轨道）烧录到画面中。没有该轨道的视频将失败，除非指定了 --subtitle-track-optional。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Skip the videos that have no such subtitle track instead of failing them.</source>
        <translation>跳过没有该字幕轨道的视频，而不是将其判为失败。</translation>
    </message>
    <message>
        <source>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--subtitle-track 需要 1 或更大的轨道编号，而不是“%1”。</translation>
    </message>
    <message>
        <source>Give either --subtitle or --subtitle-track, not both.</source>
        <translation>请只指定 --subtitle 或 --subtitle-track 其中之一。</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1: %2% (%3 left)</source>
        <translation>%1：%2%（剩余 %3）</translation>
    </message>
    <message>
        <source>Converted %1 to %2</source>
        <translation>已将 %1 转换为 %2</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>已跳过 %1：%2</translation>
    </message>
    <message>
        <source>Failed %1: %2</source>
        <translation>%1 失败：%2</translation>
    </message>
    <message>
        <source>Stopped %1</source>
        <translation>已停止 %1</translation>
    </message>
    <message>
        <source>Converted %1, skipped %2, failed %3</source>
        <translation>已转换 %1，已跳过 %2，失败 %3</translation>
    </message>
    <message>
        <source>, planned %1</source>
        <translation>，已计划 %1</translation>
    </message>
    <message>
        <source>, stopped %1</source>
        <translation>，已停止 %1</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>its output would replace the file itself; choose another output folder</source>
        <translation>输出会替换文件本身；请选择其他输出文件夹</translation>
    </message>
    <message>
        <source>its output exists</source>
        <translation>输出已存在</translation>
    </message>
    <message>
        <source>another runner is converting it</source>
        <translation>另一个运行实例正在转换它</translation>
    </message>
    <message>
        <source>it is not a media file that can be read</source>
        <translation>不是可读取的媒体文件</translation>
    </message>
    <message>
        <source>it has no video picture to draw on</source>
        <translation>没有可供绘制的视频画面</translation>
    </message>
    <message>
        <source>the conversion could not be planned</source>
        <translation>无法规划转换</translation>
    </message>
    <message>
        <source>the engine failed: %1</source>
        <translation>引擎失败：%1</translation>
    </message>
    <message>
        <source>it has no subtitle track %1</source>
        <translation>没有字幕轨道 %1</translation>
    </message>
</context>
<context>
    <name>BatchSetup</name>
    <message>
        <source>No output folder is set; give one with --output.</source>
        <translation>未设置输出文件夹；请用 --output 指定。</translation>
    </message>
    <message>
        <source>The subtitle %1 does not exist.</source>
        <translation>字幕 %1 不存在。</translation>
    </message>
    <message>
        <source>The output folder %1 could not be made.</source>
        <translation>无法创建输出文件夹 %1。</translation>
    </message>
    <message>
        <source>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</source>
        <translation>项目 %1 未记录放置图层时所用视频的尺寸；请用 --canvas 指定，例如 --canvas 1920x1080。</translation>
    </message>
    <message>
        <source>Layer %1 of the project cannot be used: %2</source>
        <translation>项目的图层 %1 无法使用：%2</translation>
    </message>
    <message>
        <source>%1 is neither a container name, nor a saved format preset, nor an output-format file.</source>
        <translation>%1 既不是容器名称，也不是已保存的格式预设，也不是输出格式文件。</translation>
    </message>
    <message>
        <source>The output format %1 cannot be used: %2</source>
        <translation>无法使用输出格式 %1：%2</translation>
    </message>
</context>
<context>
    <name>BurnInSubtitle</name>
    <message>
        <source>Subtitle left out of the picture: %1</source>
        <translation>字幕未加入画面：%1</translation>
    </message>
    <message>
        <source>%1 cannot be converted here</source>
        <translation>无法在此转换 %1</translation>
    </message>
    <message>
        <source>the cache folder %1 cannot be made</source>
        <translation>无法创建缓存文件夹 %1</translation>
    </message>
    <message>
        <source>%1 could not be converted</source>
        <translation>无法转换 %1</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>the edited subtitles</source>
        <translation>编辑中的字幕</translation>
    </message>
    <message>
        <source>%1 is not a subtitle file libass can read</source>
        <translation>%1 不是 libass 能读取的字幕文件</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 已不存在</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2</source>
        <translation>%2 的字幕轨道 %1</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 没有字幕轨道 %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>无法解码 %2 的字幕轨道 %1</translation>
    </message>
</context>
<context>
    <name>CanvasHistory</name>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
</context>
<context>
    <name>ConversionListModel</name>
    <message>
        <source>Source File</source>
        <translation>源文件</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Watermark layers: %1</source>
        <translation>水印图层：%1</translation>
    </message>
    <message>
        <source>Subtitle burned in: %1</source>
        <translation>烧录字幕：%1</translation>
    </message>
    <message>
        <source>Picture cropped</source>
        <translation>画面已裁剪</translation>
    </message>
    <message>
        <source>Picture turned</source>
        <translation>画面已旋转</translation>
    </message>
    <message>
        <source>Picture flipped</source>
        <translation>画面已翻转</translation>
    </message>
    <message>
        <source>Size of the output file</source>
        <translation>输出文件的大小</translation>
    </message>
    <message>
        <source>Size of the source file</source>
        <translation>源文件的大小</translation>
    </message>
    <message>
        <source>Unfinished file kept: %1</source>
        <translation>已保留未完成的文件：%1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>Stopped by user</source>
        <translation>用户已停止</translation>
    </message>
    <message>
        <source>The engine did not report how the conversion ended.</source>
        <translation>转换引擎没有报告转换的结果。</translation>
    </message>
    <message>
        <source>no work could be planned for this file</source>
        <translation>无法为此文件安排任何处理</translation>
    </message>
    <message>
        <source>no part to cut could be worked out (is the length of the file known?)</source>
        <translation>无法确定要切割的片段（文件时长是否已知？）</translation>
    </message>
    <message>
        <source>the merge could not be prepared (its list file could not be written)</source>
        <translation>无法准备合并（无法写入列表文件）</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>编辑器</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>添加视频</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>添加文字</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>添加字幕</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>打开字幕文件</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>字幕文件(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Brindle 4.x later Project(*.qpj)</source>
        <translation>Brindle 4.x 及更高版本工程(*.qpj)</translation>
    </message>
    <message>
        <source>Open Brindle Project</source>
        <translation>打开 Brindle 工程</translation>
    </message>
    <message>
        <source>The project could not be opened; the layers are kept as they were.
%1
%2</source>
        <translation>无法打开该工程，图层保持不变。
%1
%2</translation>
    </message>
    <message>
        <source>Save Brindle Project</source>
        <translation>保存 Brindle 工程</translation>
    </message>
    <message>
        <source>The project could not be saved.
%1
%2</source>
        <translation>无法保存该工程。
%1
%2</translation>
    </message>
    <message>
        <source>No layer was added: the file gives no picture.
%1</source>
        <translation>未添加图层：该文件无法提供图像。
%1</translation>
    </message>
    <message>
        <source>No layer was added.
%1</source>
        <translation>未添加图层。
%1</translation>
    </message>
    <message>
        <source>These layers of the project could not be shown:
%1</source>
        <translation>项目中的以下图层无法显示：
%1</translation>
    </message>
</context>
<context>
    <name>FilterGraph</name>
    <message>
        <source>The text layer image %1 could not be saved</source>
        <translation>无法保存文字图层图像 %1</translation>
    </message>
</context>
<context>
    <name>FollowupWork</name>
    <message>
        <source>No part to cut could be worked out for %1.</source>
        <translation>无法为 %1 确定要切割的片段。</translation>
    </message>
    <message>
        <source>The merge of %1 could not be prepared.</source>
        <translation>无法准备 %1 的合并。</translation>
    </message>
</context>
<context>
    <name>FormatPresets</name>
    <message>
        <source>The value &quot;%1&quot; of %2 is not valid.</source>
        <translation>%2 的值“%1”无效。</translation>
    </message>
    <message>
        <source>Please enter a name for the format options.</source>
        <translation>请输入格式选项的名称。</translation>
    </message>
    <message>
        <source>A name must not begin with a dot.</source>
        <translation>名称不能以点开头。</translation>
    </message>
    <message>
        <source>A name must not contain slashes or control characters.</source>
        <translation>名称不能包含斜杠或控制字符。</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>名称太长。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>The file is not a format options file.</source>
        <translation>该文件不是格式选项文件。</translation>
    </message>
    <message>
        <source>The file lacks the setting %1.</source>
        <translation>文件缺少设置 %1。</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>The unfinished output was kept as %1</source>
        <translation>未完成的输出已保留为 %1</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>位置和大小</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>保持宽高比</translation>
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
        <translation>角度</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Motion and time</source>
        <translation>运动和时间</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>向左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>向右</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>向下</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>淡入淡出</translation>
    </message>
    <message>
        <source>In</source>
        <translation>淡入</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>淡入淡出</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>endless</source>
        <comment>a loop count of 0</comment>
        <translation>无限</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>水印</translation>
    </message>
</context>
<context>
    <name>LayeredManageWidget</name>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>向左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>向右</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>向下</translation>
    </message>
    <message>
        <source>In</source>
        <translation>淡入</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>淡入淡出</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>淡化</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Until the end of the video</source>
        <translation>直到视频结束</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Log: %1</source>
        <translation>日志：%1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>全部复制</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>任务数</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>硬件加速</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先级</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>硬件编码</translation>
    </message>
    <message>
        <source>Check for Hardware Encoders</source>
        <translation>检测硬件编码器</translation>
    </message>
    <message>
        <source>Found: %1.</source>
        <translation>已找到：%1。</translation>
    </message>
    <message>
        <source>No hardware encoder was found; videos are encoded in software.</source>
        <translation>未找到硬件编码器；视频将由软件编码。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindle Professional Edition 4.0.5</source>
        <translation>Brindle 专业版 4.0.5</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>配乐</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>媒体信息</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>准备转换</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>添加字幕文件</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>必须重新启动 Brindle 才能切换到新语言。
现在重新启动吗？</translation>
    </message>
    <message>
        <source>Add media file to list</source>
        <translation>请先将媒体文件添加到列表</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>排队中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>所有支持的媒体文件</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>所有支持的视频文件</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>所有支持的音频文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Show Log…</source>
        <translation>查看日志…</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>未找到：%1</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>所有支持的图片文件</translation>
    </message>
    <message>
        <source>This file is still being converted. Stop its work and remove it?</source>
        <translation>此文件仍在转换中。要停止其处理并将其移除吗？</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>These files were not started:</source>
        <translation>以下文件未开始处理：</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>Completed with warnings</source>
        <translation>已完成（有警告）</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>未开始</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>媒体信息</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a media file.</source>
        <translation>无法将“%1”读取为媒体文件。</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因：%1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>位置：%1</translation>
    </message>
</context>
<context>
    <name>MergeTab</name>
    <message>
        <source>Source File</source>
        <translation>源文件</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>总计：</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>添加片头</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>添加片尾</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>媒体信息</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>添加媒体文件</translation>
    </message>
</context>
<context>
    <name>MusicTab</name>
    <message>
        <source>Source File</source>
        <translation>源文件</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>总计：</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>添加音乐文件</translation>
    </message>
</context>
<context>
    <name>OutputClaim</name>
    <message>
        <source>The lock file %1 could not be made.</source>
        <translation>无法创建锁文件 %1。</translation>
    </message>
    <message>
        <source>The output %1 was not claimed.</source>
        <translation>输出 %1 未被预留。</translation>
    </message>
    <message>
        <source>The finished file could not be moved to %1: %2</source>
        <translation>无法将完成的文件移动到 %1：%2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No output folder is set. Choose the folder the converted files go to.</source>
        <translation>未设置输出文件夹。请选择存放转换后文件的文件夹。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>输出文件夹“%1”不是完整路径。请选择一个文件夹。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>输出文件夹“%1”是一个文件，而不是文件夹。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>无法创建输出文件夹“%1”。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be written to.</source>
        <translation>无法写入输出文件夹“%1”。</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>平移时间</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>向前</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>向后</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>作用范围</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>所有行</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>选中的行</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>选中行之后</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>时间点</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>开始和结束时间</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>仅开始时间</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>仅结束时间</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The subtitles appear earlier</source>
        <translation>字幕提前出现</translation>
    </message>
    <message>
        <source>The subtitles appear later</source>
        <translation>字幕延后出现</translation>
    </message>
    <message>
        <source>No line is affected.</source>
        <translation>没有受影响的行。</translation>
    </message>
    <message>
        <source>Line %1 ends at %2.</source>
        <translation>第 %1 行结束于 %2。</translation>
    </message>
    <message>
        <source>Line %1 starts at %2.</source>
        <translation>第 %1 行开始于 %2。</translation>
    </message>
    <message>
        <source>After the shift: %1, earlier.</source>
        <translation>平移后：%1，提前。</translation>
    </message>
    <message>
        <source>After the shift: %1, later.</source>
        <translation>平移后：%1，延后。</translation>
    </message>
    <message>
        <source>After the shift: %1, unchanged.</source>
        <translation>平移后：%1，不变。</translation>
    </message>
</context>
<context>
    <name>PanelWidget</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>PlayerDock</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>复制时间</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</source>
        <translation>图层 %1：%2 %3 达到一天或更长，项目无法保存；已保存为 %4。</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</source>
        <translation>图层 %1：“%2”应为整数，而不是“%3”。</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</source>
        <translation>图层 %1：“%2”应为数字，而不是“%3”。</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</source>
        <translation>图层 %1：“%2”应为 HH:mm:ss:zzz 格式的时间，而不是“%3”。</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</source>
        <translation>图层 %1：“%2”应为 aarrggbb 格式的颜色，而不是“%3”。</translation>
    </message>
    <message>
        <source>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</source>
        <translation>图层 %1：“%2”的值“%3”超出范围。</translation>
    </message>
    <message>
        <source>Layer %1 has no &quot;%2&quot; element.</source>
        <translation>图层 %1 缺少“%2”元素。</translation>
    </message>
    <message>
        <source>Layer %1 gives only one side of its canvas size.</source>
        <translation>图层 %1 只给出了画布尺寸的一条边。</translation>
    </message>
    <message>
        <source>The file is not a readable project (line %1, column %2): %3</source>
        <translation>该文件不是可读取的项目（第 %1 行，第 %2 列）：%3</translation>
    </message>
    <message>
        <source>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</source>
        <translation>这不是 Brindle 项目：顶层元素是“%1”而不是“Layers”。</translation>
    </message>
    <message>
        <source>The project holds an element &quot;%1&quot; where a layer was expected.</source>
        <translation>项目中应为图层的位置出现了元素“%1”。</translation>
    </message>
    <message>
        <source>Layer %1 names a canvas size different from the layers before it.</source>
        <translation>图层 %1 给出的画布尺寸与之前的图层不同。</translation>
    </message>
    <message>
        <source>The project %1 could not be opened: %2</source>
        <translation>无法打开项目 %1：%2</translation>
    </message>
    <message>
        <source>The project could not be saved to %1: %2</source>
        <translation>无法将项目保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>格式选项</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>视频质量模式</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>编码器</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>保持宽度和高度</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>宽高比</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>保持帧率</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>保留音频编码</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>音量(%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>50 high</source>
        <translation>50 高</translation>
    </message>
    <message>
        <source>1 low</source>
        <translation>1 低</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The output format cannot be saved to %1.</source>
        <translation>无法将输出格式保存到 %1。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>选项(*.ini)</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; cannot be used.
%2</source>
        <translation>无法使用格式选项“%1”。
%2</translation>
    </message>
    <message>
        <source>Name of the format options:</source>
        <translation>格式选项名称：</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; exist already. Do you want to replace them?</source>
        <translation>格式选项“%1”已存在。要替换吗？</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>The format options cannot be saved to %1.</source>
        <translation>无法将格式选项保存到 %1。</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>确定要删除这些格式选项吗？</translation>
    </message>
    <message>
        <source>The format options cannot be deleted from %1.</source>
        <translation>无法从 %1 删除格式选项。</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>复制时间</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>调整大小</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Add Video</source>
        <translation>添加视频</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>添加文字</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>确定要删除该图层吗？</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>调整大小</translation>
    </message>
</context>
<context>
    <name>RecordLayer</name>
    <message>
        <source>The text layer &quot;%1&quot; draws nothing.</source>
        <translation>文字图层“%1”没有绘制任何内容。</translation>
    </message>
    <message>
        <source>The image %1 could not be read: %2</source>
        <translation>无法读取图像 %1：%2</translation>
    </message>
    <message>
        <source>The video %1 has no picture that could be read.</source>
        <translation>视频 %1 没有可读取的画面。</translation>
    </message>
    <message>
        <source>A layer of kind %1 cannot be drawn over a video.</source>
        <translation>类型为 %1 的图层无法绘制在视频上。</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>查找\替换</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换为</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>作用范围</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>所有行</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>选中的行</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>选中行之后</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SplitTab</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>设置分段数量</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>每段时长</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>截取片段</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>样式编辑器</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>主要</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>次要</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>描边</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>阴影</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>边距</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>对齐</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>A style name must not be empty or contain a comma.</source>
        <translation>样式名称不能为空，也不能包含逗号。</translation>
    </message>
    <message>
        <source>A style named &quot;%1&quot; exists already.</source>
        <translation>名为“%1”的样式已存在。</translation>
    </message>
    <message>
        <source>The last style cannot be deleted.</source>
        <translation>无法删除最后一个样式。</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>打开样式文件或 ASS 文件</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>样式|ASS 文件(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>保存样式文件</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>样式文件(*.sty)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; the styles are unchanged.</source>
        <translation>无法读取“%1”；样式未更改。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no styles; the styles are unchanged.</source>
        <translation>“%1”中没有样式；样式未更改。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>无法写入“%1”。</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Sample subtitle</source>
        <translation>字幕示例</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Add subtitle</source>
        <translation>添加字幕</translation>
    </message>
    <message>
        <source>Delete subtitle</source>
        <translation>删除字幕</translation>
    </message>
    <message>
        <source>Change styles</source>
        <translation>更改样式</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>已保存到 %1。</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>确定要删除字幕吗？</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>平移时间</translation>
    </message>
    <message>
        <source>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</source>
        <translation>已平移的行：%1。为避免时间小于零或结束早于开始而停住的行：%2。</translation>
    </message>
    <message>
        <source>Lines shifted: %1.</source>
        <translation>已平移的行：%1。</translation>
    </message>
    <message>
        <source>No line contains &quot;%1&quot;.</source>
        <translation>没有行包含“%1”。</translation>
    </message>
    <message>
        <source>Replace text</source>
        <translation>替换文本</translation>
    </message>
    <message>
        <source>Lines changed: %1.</source>
        <translation>已更改的行：%1。</translation>
    </message>
    <message>
        <source>Edit start time</source>
        <translation>编辑开始时间</translation>
    </message>
    <message>
        <source>Edit end time</source>
        <translation>编辑结束时间</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>编辑文本</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>编辑字幕</translation>
    </message>
</context>
<context>
    <name>SubtitleSession</name>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>无法将 %1 读取为字幕。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
</context>
<context>
    <name>SubtitleTab</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>添加到字幕流</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>打开字幕文件</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>字幕文件(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>保存 ASS 文件</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存的更改</translation>
    </message>
</context>
<context>
    <name>SubtitleTable</name>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
</context>
<context>
    <name>SubtitleTrack</name>
    <message>
        <source>Track %1</source>
        <translation>轨道 %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>强制</translation>
    </message>
    <message>
        <source>pictures, cannot be edited</source>
        <translation>图像，不可编辑</translation>
    </message>
    <message>
        <source>text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>the streams of %1 cannot be read</source>
        <translation>无法读取 %1 的流</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 没有字幕轨道 %2</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>无法解码 %2 的字幕轨道 %1</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 holds pictures, not text</source>
        <translation>%2 的字幕轨道 %1 包含的是图像而非文本</translation>
    </message>
    <message>
        <source>no line of subtitle track %1 of %2 could be decoded</source>
        <translation>%2 的字幕轨道 %1 没有任何一行能够解码</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>无法解码</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackButton</name>
    <message>
        <source>From the video</source>
        <translation>来自视频</translation>
    </message>
    <message>
        <source>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</source>
        <translation>烧录视频自带的字幕轨道。文本轨道可在此编辑；图像轨道按原样烧录。</translation>
    </message>
    <message>
        <source>The video carries no subtitle tracks</source>
        <translation>该视频没有字幕轨道</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackChoice</name>
    <message>
        <source>This FFmpeg cannot decode %1 subtitles.</source>
        <translation>此 FFmpeg 无法解码 %1 字幕。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>字幕轨道</translation>
    </message>
    <message>
        <source>The subtitle track cannot be read.
%1</source>
        <translation>无法读取字幕轨道。
%1</translation>
    </message>
    <message>
        <source>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</source>
        <translation>视频的字幕轨道 %1 以图像形式烧录，无法编辑。</translation>
    </message>
    <message>
        <source>%1 (track %2).ass</source>
        <translation>%1 (轨道 %2).ass</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>查找\替换</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
</context>
<context>
    <name>UnfinishedOutput</name>
    <message>
        <source>unfinished</source>
        <translation>未完成</translation>
    </message>
</context>
<context>
    <name>UnsavedSubtitles</name>
    <message>
        <source>Save ASS File</source>
        <translation>保存 ASS 文件</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>ASS 文件(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle lines of %1 were changed and not saved.</source>
        <translation>%1 的字幕行已更改但尚未保存。</translation>
    </message>
    <message>
        <source>Save the changes before going on?</source>
        <translation>继续之前要保存更改吗？</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>启用背景</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>粗细</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>圆角</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Gradient Text</source>
        <translation>渐变文字</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>文字发光</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>无描边</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>单描边</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>双描边</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>渐变描边</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>描边</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>阴影</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>文字效果</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字颜色</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>描边颜色1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>粗细1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>不透明度1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>描边颜色2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>粗细2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>不透明度2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>启用阴影</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>阴影颜色</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>粗细</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>不透明度</translation>
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
        <translation>在此输入您自己的内容</translation>
    </message>
    <message>
        <source>Text Options</source>
        <translation>文字选项</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>文字效果</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
