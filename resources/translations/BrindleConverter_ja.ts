<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Professional Edition 4.0.5</source>
        <translation>プロフェッショナル版 4.0.5</translation>
    </message>
    <message>
        <source>Help (read me)</source>
        <translation>ヘルプ（README）</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>AbstractJob</name>
    <message>
        <source>Failed to start %1: %2
</source>
        <translation>%1 を起動できません: %2
</translation>
    </message>
    <message>
        <source>Stopped by user at %1
</source>
        <translation>%1 にユーザーが停止しました
</translation>
    </message>
    <message>
        <source>Completed successfully in %1
</source>
        <translation>%1 で正常に完了しました
</translation>
    </message>
    <message>
        <source>Failed with exit code %1
</source>
        <translation>終了コード %1 で失敗しました
</translation>
    </message>
</context>
<context>
    <name>BatchCommandLine</name>
    <message>
        <source>Puts the watermark layers of a project and a subtitle on every video given, and converts them. Folders stand for the media files in them. Outputs that exist already are left alone, so running the same command again resumes an interrupted batch.</source>
        <translation>プロジェクトの透かしレイヤーと字幕を指定した各動画に重ね、変換します。フォルダーはその中のメディアファイルを表します。既にある出力はそのまま残すため、同じコマンドをもう一度実行すると中断したバッチを再開できます。</translation>
    </message>
    <message>
        <source>The watermark project (.qpj) to apply.</source>
        <translation>適用する透かしプロジェクト (.qpj)。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>A subtitle file to burn into every video.</source>
        <translation>各動画に焼き込む字幕ファイル。</translation>
    </message>
    <message>
        <source>name or file</source>
        <translation>名前またはファイル</translation>
    </message>
    <message>
        <source>The folder for the outputs. Default: your output folder.</source>
        <translation>出力先のフォルダー。既定: 出力フォルダー。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>How many files are converted at once. Default: your setting.</source>
        <translation>同時に変換するファイル数。既定: 設定値。</translation>
    </message>
    <message>
        <source>count</source>
        <translation>数</translation>
    </message>
    <message>
        <source>Print the engine command lines and run nothing.</source>
        <translation>エンジンのコマンドラインを表示し、何も実行しません。</translation>
    </message>
    <message>
        <source>Report progress and results as one JSON object per line.</source>
        <translation>進行状況と結果を 1 行に 1 つの JSON オブジェクトで報告します。</translation>
    </message>
    <message>
        <source>The size of the video the layers were placed on, for projects that do not record it.</source>
        <translation>レイヤーを配置した動画のサイズ (サイズを記録していないプロジェクト用)。</translation>
    </message>
    <message>
        <source>width x height</source>
        <translation>幅 x 高さ</translation>
    </message>
    <message>
        <source>Video files and folders of video files.</source>
        <translation>動画ファイルと動画ファイルのフォルダー。</translation>
    </message>
    <message>
        <source>FILE_OR_FOLDER...</source>
        <translation>ファイルまたはフォルダー...</translation>
    </message>
    <message>
        <source>--jobs needs a whole number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--jobs には 1 以上の整数が必要です (「%1」ではありません)。</translation>
    </message>
    <message>
        <source>--canvas needs a size such as 1920x1080, not &quot;%1&quot;.</source>
        <translation>--canvas には 1920x1080 のようなサイズが必要です (「%1」ではありません)。</translation>
    </message>
    <message>
        <source>No files to convert were given.</source>
        <translation>変換するファイルが指定されていません。</translation>
    </message>
    <message>
        <source>A container (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav), the name of a saved format preset, or an output-format INI file. Default: your current output format.</source>
        <translation>コンテナー (mp4, mkv, avi, flv, mov, mpg, ts, mp3, m4a, wav)、保存した形式プリセットの名前、または出力形式の INI ファイル。既定: 現在の出力形式。</translation>
    </message>
    <message>
        <source>Burn the N-th subtitle track of each video into it, counting from 1 (text tracks and DVD, Blu-ray or DVB picture tracks). A video without that track fails, unless --subtitle-track-optional is given.</source>
        <translation>各動画の N 番目の字幕トラック（1 から数えます。テキストトラック、および DVD・Blu-ray・DVB の画像トラック）を映像に焼き込みます。そのトラックがない動画は失敗になります（--subtitle-track-optional を指定した場合を除く）。</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Skip the videos that have no such subtitle track instead of failing them.</source>
        <translation>その字幕トラックがない動画を、失敗にせずスキップします。</translation>
    </message>
    <message>
        <source>--subtitle-track needs a track number of 1 or more, not &quot;%1&quot;.</source>
        <translation>--subtitle-track には 1 以上のトラック番号が必要です（「%1」は使えません）。</translation>
    </message>
    <message>
        <source>Give either --subtitle or --subtitle-track, not both.</source>
        <translation>--subtitle と --subtitle-track のどちらか一方だけを指定してください。</translation>
    </message>
</context>
<context>
    <name>BatchReport</name>
    <message>
        <source>%1: %2% (%3 left)</source>
        <translation>%1: %2% (残り %3)</translation>
    </message>
    <message>
        <source>Converted %1 to %2</source>
        <translation>%1 を %2 に変換しました</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>%1 をスキップしました: %2</translation>
    </message>
    <message>
        <source>Failed %1: %2</source>
        <translation>%1 に失敗しました: %2</translation>
    </message>
    <message>
        <source>Stopped %1</source>
        <translation>%1 を停止しました</translation>
    </message>
    <message>
        <source>Converted %1, skipped %2, failed %3</source>
        <translation>変換 %1、スキップ %2、失敗 %3</translation>
    </message>
    <message>
        <source>, planned %1</source>
        <translation>、計画 %1</translation>
    </message>
    <message>
        <source>, stopped %1</source>
        <translation>、停止 %1</translation>
    </message>
</context>
<context>
    <name>BatchRunner</name>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>its output would replace the file itself; choose another output folder</source>
        <translation>出力がファイル自体を置き換えてしまいます。別の出力フォルダーを選んでください</translation>
    </message>
    <message>
        <source>its output exists</source>
        <translation>出力が既に存在します</translation>
    </message>
    <message>
        <source>another runner is converting it</source>
        <translation>別の実行が変換中です</translation>
    </message>
    <message>
        <source>it is not a media file that can be read</source>
        <translation>読み取れるメディアファイルではありません</translation>
    </message>
    <message>
        <source>it has no video picture to draw on</source>
        <translation>描画する映像がありません</translation>
    </message>
    <message>
        <source>the conversion could not be planned</source>
        <translation>変換を計画できませんでした</translation>
    </message>
    <message>
        <source>the engine failed: %1</source>
        <translation>エンジンが失敗しました: %1</translation>
    </message>
    <message>
        <source>it has no subtitle track %1</source>
        <translation>字幕トラック %1 がありません</translation>
    </message>
</context>
<context>
    <name>BatchSetup</name>
    <message>
        <source>No output folder is set; give one with --output.</source>
        <translation>出力フォルダーが設定されていません。--output で指定してください。</translation>
    </message>
    <message>
        <source>The subtitle %1 does not exist.</source>
        <translation>字幕 %1 が存在しません。</translation>
    </message>
    <message>
        <source>The output folder %1 could not be made.</source>
        <translation>出力フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>The project %1 does not record the size of the video its layers were placed on; give it with --canvas, for example --canvas 1920x1080.</source>
        <translation>プロジェクト %1 にはレイヤーを配置した動画のサイズが記録されていません。--canvas で指定してください (例: --canvas 1920x1080)。</translation>
    </message>
    <message>
        <source>Layer %1 of the project cannot be used: %2</source>
        <translation>プロジェクトのレイヤー %1 は使用できません: %2</translation>
    </message>
    <message>
        <source>%1 is neither a container name, nor a saved format preset, nor an output-format file.</source>
        <translation>%1 はコンテナー名でも、保存した形式プリセットでも、出力形式ファイルでもありません。</translation>
    </message>
    <message>
        <source>The output format %1 cannot be used: %2</source>
        <translation>出力形式 %1 は使用できません: %2</translation>
    </message>
</context>
<context>
    <name>BurnInSubtitle</name>
    <message>
        <source>Subtitle left out of the picture: %1</source>
        <translation>字幕を映像に入れませんでした: %1</translation>
    </message>
    <message>
        <source>%1 cannot be converted here</source>
        <translation>%1 はここでは変換できません</translation>
    </message>
    <message>
        <source>the cache folder %1 cannot be made</source>
        <translation>キャッシュフォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>%1 could not be converted</source>
        <translation>%1 を変換できませんでした</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>the edited subtitles</source>
        <translation>編集中の字幕</translation>
    </message>
    <message>
        <source>%1 is not a subtitle file libass can read</source>
        <translation>%1 は libass で読み込める字幕ファイルではありません</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 は存在しません</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2</source>
        <translation>%2 の字幕トラック %1</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 には字幕トラック %2 がありません</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>%2 の字幕トラック %1 をデコードできません</translation>
    </message>
</context>
<context>
    <name>CanvasHistory</name>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
</context>
<context>
    <name>ConversionListModel</name>
    <message>
        <source>Source File</source>
        <translation>ソースファイル</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Watermark layers: %1</source>
        <translation>透かしレイヤー：%1</translation>
    </message>
    <message>
        <source>Subtitle burned in: %1</source>
        <translation>焼き込み字幕：%1</translation>
    </message>
    <message>
        <source>Picture cropped</source>
        <translation>画像はトリミング済み</translation>
    </message>
    <message>
        <source>Picture turned</source>
        <translation>画像は回転済み</translation>
    </message>
    <message>
        <source>Picture flipped</source>
        <translation>画像は反転済み</translation>
    </message>
    <message>
        <source>Size of the output file</source>
        <translation>出力ファイルのサイズ</translation>
    </message>
    <message>
        <source>Size of the source file</source>
        <translation>元ファイルのサイズ</translation>
    </message>
    <message>
        <source>Unfinished file kept: %1</source>
        <translation>未完成のファイルを保持：%1</translation>
    </message>
</context>
<context>
    <name>ConversionRun</name>
    <message>
        <source>Stopped by user</source>
        <translation>ユーザーが停止しました</translation>
    </message>
    <message>
        <source>The engine did not report how the conversion ended.</source>
        <translation>変換エンジンが変換の結果を報告しませんでした。</translation>
    </message>
    <message>
        <source>no work could be planned for this file</source>
        <translation>このファイルには実行できる処理がありません</translation>
    </message>
    <message>
        <source>no part to cut could be worked out (is the length of the file known?)</source>
        <translation>分割する部分を決められませんでした（ファイルの長さは分かっていますか？）</translation>
    </message>
    <message>
        <source>the merge could not be prepared (its list file could not be written)</source>
        <translation>結合を準備できませんでした（リストファイルを書き込めませんでした）</translation>
    </message>
</context>
<context>
    <name>CropDialog</name>
    <message>
        <source>Crop</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>縦横比</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
</context>
<context>
    <name>EditorMainWindow</name>
    <message>
        <source>Editor</source>
        <translation>エディター</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>動画を追加</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Add Subtitle</source>
        <translation>字幕を追加</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>切り抜き</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Flip horizontal </source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>字幕ファイルを開く</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>字幕ファイル(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Brindle 4.x later Project(*.qpj)</source>
        <translation>Brindle 4.x 以降のプロジェクト(*.qpj)</translation>
    </message>
    <message>
        <source>Open Brindle Project</source>
        <translation>Brindle プロジェクトを開く</translation>
    </message>
    <message>
        <source>The project could not be opened; the layers are kept as they were.
%1
%2</source>
        <translation>プロジェクトを開けませんでした。レイヤーはそのまま残ります。
%1
%2</translation>
    </message>
    <message>
        <source>Save Brindle Project</source>
        <translation>Brindle プロジェクトを保存</translation>
    </message>
    <message>
        <source>The project could not be saved.
%1
%2</source>
        <translation>プロジェクトを保存できませんでした。
%1
%2</translation>
    </message>
    <message>
        <source>No layer was added: the file gives no picture.
%1</source>
        <translation>レイヤーは追加されませんでした: ファイルから画像を取得できません。
%1</translation>
    </message>
    <message>
        <source>No layer was added.
%1</source>
        <translation>レイヤーは追加されませんでした。
%1</translation>
    </message>
    <message>
        <source>These layers of the project could not be shown:
%1</source>
        <translation>プロジェクトの次のレイヤーは表示できません:
%1</translation>
    </message>
</context>
<context>
    <name>FilterGraph</name>
    <message>
        <source>The text layer image %1 could not be saved</source>
        <translation>テキストレイヤーの画像 %1 を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>FollowupWork</name>
    <message>
        <source>No part to cut could be worked out for %1.</source>
        <translation>%1 で分割する部分を決められませんでした。</translation>
    </message>
    <message>
        <source>The merge of %1 could not be prepared.</source>
        <translation>%1 の結合を準備できませんでした。</translation>
    </message>
</context>
<context>
    <name>FormatPresets</name>
    <message>
        <source>The value &quot;%1&quot; of %2 is not valid.</source>
        <translation>%2 の値「%1」は無効です。</translation>
    </message>
    <message>
        <source>Please enter a name for the format options.</source>
        <translation>形式オプションの名前を入力してください。</translation>
    </message>
    <message>
        <source>A name must not begin with a dot.</source>
        <translation>名前をドットで始めることはできません。</translation>
    </message>
    <message>
        <source>A name must not contain slashes or control characters.</source>
        <translation>名前にスラッシュや制御文字を含めることはできません。</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>名前が長すぎます。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The file is not a format options file.</source>
        <translation>このファイルは形式オプションのファイルではありません。</translation>
    </message>
    <message>
        <source>The file lacks the setting %1.</source>
        <translation>ファイルに設定 %1 がありません。</translation>
    </message>
</context>
<context>
    <name>JobsManage</name>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止しました</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>停止中…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>The unfinished output was kept as %1</source>
        <translation>未完成の出力は %1 として残しました</translation>
    </message>
</context>
<context>
    <name>LayerDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>位置とサイズ</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Keep Aspect</source>
        <translation>縦横比を保持</translation>
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
        <translation>動きと時間</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
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
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>フェード</translation>
    </message>
    <message>
        <source>In</source>
        <translation>イン</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>アウト</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>イン・アウト</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>ループ</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>endless</source>
        <comment>a loop count of 0</comment>
        <translation>無限</translation>
    </message>
</context>
<context>
    <name>LayeredManageDock</name>
    <message>
        <source>Watermark</source>
        <translation>透かし</translation>
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
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
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
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>In</source>
        <translation>イン</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>アウト</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>イン・アウト</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Fade</source>
        <translation>フェード</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Until the end of the video</source>
        <translation>動画の最後まで</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Log: %1</source>
        <translation>ログ: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>すべてコピー</translation>
    </message>
</context>
<context>
    <name>MainOptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>同時ジョブ数</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>ハードウェアアクセラレーション</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>優先</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>ハードウェアエンコード</translation>
    </message>
    <message>
        <source>Check for Hardware Encoders</source>
        <translation>ハードウェアエンコーダーを検出</translation>
    </message>
    <message>
        <source>Found: %1.</source>
        <translation>検出: %1。</translation>
    </message>
    <message>
        <source>No hardware encoder was found; videos are encoded in software.</source>
        <translation>ハードウェアエンコーダーが見つかりません。動画はソフトウェアでエンコードされます。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindle Professional Edition 4.0.5</source>
        <translation>Brindle プロフェッショナル版 4.0.5</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
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
        <translation>開く</translation>
    </message>
    <message>
        <source>Soundtrack</source>
        <translation>サウンドトラック</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Media information</source>
        <translation>メディア情報</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>変換準備完了</translation>
    </message>
    <message>
        <source>Add subtitle file</source>
        <translation>字幕ファイルを追加</translation>
    </message>
    <message>
        <source>All Delete</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>You must restart Brindle to switch to the new language.
Do you want to restart now?</source>
        <translation>新しい言語に切り替えるには Brindle の再起動が必要です。
今すぐ再起動しますか？</translation>
    </message>
    <message>
        <source>Add media file to list</source>
        <translation>先にメディアファイルをリストに追加してください</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Queued</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止しました</translation>
    </message>
    <message>
        <source>All Supported Media Files</source>
        <translation>対応するすべてのメディアファイル</translation>
    </message>
    <message>
        <source>All Supported Video Files</source>
        <translation>対応するすべての動画ファイル</translation>
    </message>
    <message>
        <source>All Supported Audio Files</source>
        <translation>対応するすべての音声ファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Show Log…</source>
        <translation>ログを表示…</translation>
    </message>
    <message>
        <source>Not found: %1</source>
        <translation>見つかりません: %1</translation>
    </message>
    <message>
        <source>All Supported Image Files</source>
        <translation>対応するすべての画像ファイル</translation>
    </message>
    <message>
        <source>This file is still being converted. Stop its work and remove it?</source>
        <translation>このファイルはまだ変換中です。処理を止めて削除しますか？</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>These files were not started:</source>
        <translation>次のファイルは開始されませんでした:</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>停止中…</translation>
    </message>
    <message>
        <source>Completed with warnings</source>
        <translation>警告付きで完了</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>未開始</translation>
    </message>
</context>
<context>
    <name>MediaDialog</name>
    <message>
        <source>Media Infomation</source>
        <translation>メディア情報</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>コーデック</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>サンプルレート</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a media file.</source>
        <translation>「%1」をメディアファイルとして読み込めませんでした。</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>理由: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>場所: %1</translation>
    </message>
</context>
<context>
    <name>MergeTab</name>
    <message>
        <source>Source File</source>
        <translation>ソースファイル</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>合計：</translation>
    </message>
    <message>
        <source>Add title sequence</source>
        <translation>オープニングを追加</translation>
    </message>
    <message>
        <source>Add ending</source>
        <translation>エンディングを追加</translation>
    </message>
    <message>
        <source>Media Infomation</source>
        <translation>メディア情報</translation>
    </message>
    <message>
        <source>Add Media File</source>
        <translation>メディアファイルを追加</translation>
    </message>
</context>
<context>
    <name>MusicTab</name>
    <message>
        <source>Source File</source>
        <translation>ソースファイル</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>合計：</translation>
    </message>
    <message>
        <source>Add Music File</source>
        <translation>音楽ファイルを追加</translation>
    </message>
</context>
<context>
    <name>OutputClaim</name>
    <message>
        <source>The lock file %1 could not be made.</source>
        <translation>ロックファイル %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>The output %1 was not claimed.</source>
        <translation>出力 %1 は確保されていません。</translation>
    </message>
    <message>
        <source>The finished file could not be moved to %1: %2</source>
        <translation>完成したファイルを %1 に移動できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>OutputFolder</name>
    <message>
        <source>No output folder is set. Choose the folder the converted files go to.</source>
        <translation>出力フォルダーが設定されていません。変換したファイルの保存先フォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Choose a folder.</source>
        <translation>出力フォルダー「%1」は完全なパスではありません。フォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is a file, not a folder.</source>
        <translation>出力フォルダー「%1」はフォルダーではなくファイルです。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>出力フォルダー「%1」を作成できません。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be written to.</source>
        <translation>出力フォルダー「%1」に書き込めません。</translation>
    </message>
</context>
<context>
    <name>PanTimeDialog</name>
    <message>
        <source>Shift Times</source>
        <translation>時間をずらす</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>後ろへ</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>すべての行</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>選択した行</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>選択行以降</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Start and End times</source>
        <translation>開始と終了時間</translation>
    </message>
    <message>
        <source>Start times only</source>
        <translation>開始時間のみ</translation>
    </message>
    <message>
        <source>End times only</source>
        <translation>終了時間のみ</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The subtitles appear earlier</source>
        <translation>字幕が早く表示されます</translation>
    </message>
    <message>
        <source>The subtitles appear later</source>
        <translation>字幕が遅く表示されます</translation>
    </message>
    <message>
        <source>No line is affected.</source>
        <translation>対象の行はありません。</translation>
    </message>
    <message>
        <source>Line %1 ends at %2.</source>
        <translation>%1 行目は %2 に終わります。</translation>
    </message>
    <message>
        <source>Line %1 starts at %2.</source>
        <translation>%1 行目は %2 に始まります。</translation>
    </message>
    <message>
        <source>After the shift: %1, earlier.</source>
        <translation>ずらした後: %1（早く）。</translation>
    </message>
    <message>
        <source>After the shift: %1, later.</source>
        <translation>ずらした後: %1（遅く）。</translation>
    </message>
    <message>
        <source>After the shift: %1, unchanged.</source>
        <translation>ずらした後: %1（変更なし）。</translation>
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
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>時間をコピー</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>start time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>end time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Layer %1: the %2 %3 is a day or longer, which a project cannot hold; it was saved as %4.</source>
        <translation>レイヤー %1: %2 %3 は 1 日以上で、プロジェクトに保存できません。%4 として保存しました。</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a whole number, not &quot;%3&quot;.</source>
        <translation>レイヤー %1: 「%2」は整数である必要があります (「%3」ではありません)。</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a number, not &quot;%3&quot;.</source>
        <translation>レイヤー %1: 「%2」は数値である必要があります (「%3」ではありません)。</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a time of the form HH:mm:ss:zzz, not &quot;%3&quot;.</source>
        <translation>レイヤー %1: 「%2」は HH:mm:ss:zzz 形式の時刻である必要があります (「%3」ではありません)。</translation>
    </message>
    <message>
        <source>Layer %1: &quot;%2&quot; should be a colour of the form aarrggbb, not &quot;%3&quot;.</source>
        <translation>レイヤー %1: 「%2」は aarrggbb 形式の色である必要があります (「%3」ではありません)。</translation>
    </message>
    <message>
        <source>Layer %1: the value &quot;%3&quot; of &quot;%2&quot; is out of range.</source>
        <translation>レイヤー %1: 「%2」の値「%3」は範囲外です。</translation>
    </message>
    <message>
        <source>Layer %1 has no &quot;%2&quot; element.</source>
        <translation>レイヤー %1 に「%2」要素がありません。</translation>
    </message>
    <message>
        <source>Layer %1 gives only one side of its canvas size.</source>
        <translation>レイヤー %1 はキャンバスサイズの一辺しか示していません。</translation>
    </message>
    <message>
        <source>The file is not a readable project (line %1, column %2): %3</source>
        <translation>ファイルは読み取れるプロジェクトではありません (%1 行、%2 列): %3</translation>
    </message>
    <message>
        <source>This is not a Brindle project: its top element is &quot;%1&quot; instead of &quot;Layers&quot;.</source>
        <translation>Brindle のプロジェクトではありません: 最上位の要素が「Layers」ではなく「%1」です。</translation>
    </message>
    <message>
        <source>The project holds an element &quot;%1&quot; where a layer was expected.</source>
        <translation>プロジェクトのレイヤーがあるべき位置に「%1」要素があります。</translation>
    </message>
    <message>
        <source>Layer %1 names a canvas size different from the layers before it.</source>
        <translation>レイヤー %1 のキャンバスサイズが前のレイヤーと異なります。</translation>
    </message>
    <message>
        <source>The project %1 could not be opened: %2</source>
        <translation>プロジェクト %1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>The project could not be saved to %1: %2</source>
        <translation>プロジェクトを %1 に保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>QColorCombox</name>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
</context>
<context>
    <name>QFormatDialog</name>
    <message>
        <source>Format Options</source>
        <translation>形式オプション</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Video quality mode</source>
        <translation>ビデオ品質モード</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>ビットレート</translation>
    </message>
    <message>
        <source>Codec</source>
        <translation>コーデック</translation>
    </message>
    <message>
        <source>Keep width and height</source>
        <translation>幅と高さを維持</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>アスペクト</translation>
    </message>
    <message>
        <source>Keep frame rate</source>
        <translation>フレームレートを維持</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Keep Audio Codec</source>
        <translation>オーディオコーデックを維持</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>サンプルレート</translation>
    </message>
    <message>
        <source>Volume(%)</source>
        <translation>音量(%)</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The output format cannot be saved to %1.</source>
        <translation>出力形式を %1 に保存できません。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Options(*.ini)</source>
        <translation>オプション(*.ini)</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; cannot be used.
%2</source>
        <translation>形式オプション「%1」は使用できません。
%2</translation>
    </message>
    <message>
        <source>Name of the format options:</source>
        <translation>形式オプションの名前:</translation>
    </message>
    <message>
        <source>The format options &quot;%1&quot; exist already. Do you want to replace them?</source>
        <translation>形式オプション「%1」は既に存在します。置き換えますか?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>The format options cannot be saved to %1.</source>
        <translation>形式オプションを %1 に保存できません。</translation>
    </message>
    <message>
        <source>Are you sure to delete the format options ?</source>
        <translation>この形式オプションを削除しますか?</translation>
    </message>
    <message>
        <source>The format options cannot be deleted from %1.</source>
        <translation>%1 から形式オプションを削除できません。</translation>
    </message>
</context>
<context>
    <name>QPlayerWidget</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Copy Time</source>
        <translation>時間をコピー</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
</context>
<context>
    <name>QWatermarkBase</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
</context>
<context>
    <name>QWatermarkScene</name>
    <message>
        <source>Add Video</source>
        <translation>動画を追加</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Are you sure to delete the layer ?</source>
        <translation>このレイヤーを削除しますか？</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
</context>
<context>
    <name>RecordLayer</name>
    <message>
        <source>The text layer &quot;%1&quot; draws nothing.</source>
        <translation>テキストレイヤー「%1」は何も描画しません。</translation>
    </message>
    <message>
        <source>The image %1 could not be read: %2</source>
        <translation>画像 %1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>The video %1 has no picture that could be read.</source>
        <translation>動画 %1 に読み取れる画像がありません。</translation>
    </message>
    <message>
        <source>A layer of kind %1 cannot be drawn over a video.</source>
        <translation>種類 %1 のレイヤーは動画の上に描画できません。</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>Find\Replace</source>
        <translation>検索\置換</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>置換後</translation>
    </message>
    <message>
        <source>Affect</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>すべての行</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>選択した行</translation>
    </message>
    <message>
        <source>Selection onward</source>
        <translation>選択行以降</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>SplitTab</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Setting number of parts</source>
        <translation>分割数を指定</translation>
    </message>
    <message>
        <source>A duration of each clip</source>
        <translation>各クリップの長さ</translation>
    </message>
    <message>
        <source>Intercept a section</source>
        <translation>区間を切り出す</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>Style Editor</source>
        <translation>スタイルエディター</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>プライマリ</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>セカンダリ</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>余白</translation>
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
        <translation>配置</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>A style name must not be empty or contain a comma.</source>
        <translation>スタイル名は空にできず、カンマを含めることもできません。</translation>
    </message>
    <message>
        <source>A style named &quot;%1&quot; exists already.</source>
        <translation>スタイル「%1」は既に存在します。</translation>
    </message>
    <message>
        <source>The last style cannot be deleted.</source>
        <translation>最後のスタイルは削除できません。</translation>
    </message>
    <message>
        <source>Open style file or ass file</source>
        <translation>スタイルファイルまたは ASS ファイルを開く</translation>
    </message>
    <message>
        <source>Style|ASS file(*.sty *.ass *.ssa)</source>
        <translation>スタイル|ASS ファイル(*.sty *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save style file</source>
        <translation>スタイルファイルを保存</translation>
    </message>
    <message>
        <source>Style file(*.sty)</source>
        <translation>スタイルファイル(*.sty)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read; the styles are unchanged.</source>
        <translation>「%1」を読み込めませんでした。スタイルは変更されていません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no styles; the styles are unchanged.</source>
        <translation>「%1」にはスタイルがありません。スタイルは変更されていません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written.</source>
        <translation>「%1」に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>StylePreview</name>
    <message>
        <source>Sample subtitle</source>
        <translation>字幕のサンプル</translation>
    </message>
</context>
<context>
    <name>SubtitleDock</name>
    <message>
        <source>Add subtitle</source>
        <translation>字幕を追加</translation>
    </message>
    <message>
        <source>Delete subtitle</source>
        <translation>字幕を削除</translation>
    </message>
    <message>
        <source>Change styles</source>
        <translation>スタイルを変更</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>%1 に保存しました。</translation>
    </message>
    <message>
        <source>Are you sure delete subtitle?</source>
        <translation>字幕を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Shift times</source>
        <translation>時間をずらす</translation>
    </message>
    <message>
        <source>Lines shifted: %1. Kept from going below zero or ending before they start: %2.</source>
        <translation>ずらした行：%1。ゼロ未満や開始前の終了にならないよう止めた行：%2。</translation>
    </message>
    <message>
        <source>Lines shifted: %1.</source>
        <translation>ずらした行：%1。</translation>
    </message>
    <message>
        <source>No line contains &quot;%1&quot;.</source>
        <translation>「%1」を含む行はありません。</translation>
    </message>
    <message>
        <source>Replace text</source>
        <translation>テキストを置換</translation>
    </message>
    <message>
        <source>Lines changed: %1.</source>
        <translation>変更した行：%1。</translation>
    </message>
    <message>
        <source>Edit start time</source>
        <translation>開始時間を編集</translation>
    </message>
    <message>
        <source>Edit end time</source>
        <translation>終了時間を編集</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Edit subtitle</source>
        <translation>字幕を編集</translation>
    </message>
</context>
<context>
    <name>SubtitleSession</name>
    <message>
        <source>%1 could not be read as subtitles.</source>
        <translation>%1 を字幕として読み込めませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>SubtitleTab</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Add to subtitle stream</source>
        <translation>字幕ストリームに追加</translation>
    </message>
    <message>
        <source>Open Subtitle File</source>
        <translation>字幕ファイルを開く</translation>
    </message>
    <message>
        <source>Subtitle File(*.srt *.ass *.ssa)</source>
        <translation>字幕ファイル(*.srt *.ass *.ssa)</translation>
    </message>
    <message>
        <source>Save ASS File</source>
        <translation>ASS ファイルを保存</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存の変更</translation>
    </message>
</context>
<context>
    <name>SubtitleTable</name>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
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
        <translation>トラック %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>強制</translation>
    </message>
    <message>
        <source>pictures, cannot be edited</source>
        <translation>画像、編集不可</translation>
    </message>
    <message>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>the streams of %1 cannot be read</source>
        <translation>%1 のストリームを読み取れません</translation>
    </message>
    <message>
        <source>%1 has no subtitle track %2</source>
        <translation>%1 には字幕トラック %2 がありません</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 cannot be decoded</source>
        <translation>%2 の字幕トラック %1 をデコードできません</translation>
    </message>
    <message>
        <source>subtitle track %1 of %2 holds pictures, not text</source>
        <translation>%2 の字幕トラック %1 はテキストではなく画像です</translation>
    </message>
    <message>
        <source>no line of subtitle track %1 of %2 could be decoded</source>
        <translation>%2 の字幕トラック %1 の行を 1 つもデコードできませんでした</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>cannot be decoded</source>
        <translation>デコード不可</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackButton</name>
    <message>
        <source>From the video</source>
        <translation>動画から</translation>
    </message>
    <message>
        <source>Burn in a subtitle track that the video carries. Text tracks can be edited here; tracks of pictures are burned as they are.</source>
        <translation>動画に含まれる字幕トラックを焼き込みます。テキストトラックはここで編集できます。画像トラックはそのまま焼き込まれます。</translation>
    </message>
    <message>
        <source>The video carries no subtitle tracks</source>
        <translation>この動画には字幕トラックがありません</translation>
    </message>
</context>
<context>
    <name>SubtitleTrackChoice</name>
    <message>
        <source>This FFmpeg cannot decode %1 subtitles.</source>
        <translation>この FFmpeg は %1 字幕をデコードできません。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>字幕トラック</translation>
    </message>
    <message>
        <source>The subtitle track cannot be read.
%1</source>
        <translation>字幕トラックを読み込めません。
%1</translation>
    </message>
    <message>
        <source>Subtitle track %1 of the video is burned as pictures; they cannot be edited.</source>
        <translation>動画の字幕トラック %1 は画像として焼き込まれます。編集はできません。</translation>
    </message>
    <message>
        <source>%1 (track %2).ass</source>
        <translation>%1 (トラック %2).ass</translation>
    </message>
</context>
<context>
    <name>SubtitleWidget</name>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Find\Replace</source>
        <translation>検索\置換</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
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
        <translation>ASS ファイルを保存</translation>
    </message>
    <message>
        <source>ASS File(*.ass)</source>
        <translation>ASS ファイル(*.ass)</translation>
    </message>
    <message>
        <source>The subtitle lines of %1 were changed and not saved.</source>
        <translation>%1 の字幕行が変更され、保存されていません。</translation>
    </message>
    <message>
        <source>Save the changes before going on?</source>
        <translation>続行する前に変更を保存しますか?</translation>
    </message>
</context>
<context>
    <name>VBackgroundMenuWidget</name>
    <message>
        <source>Enable Background</source>
        <translation>背景を有効にする</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>角の丸み</translation>
    </message>
</context>
<context>
    <name>VFuncTextEffectPage</name>
    <message>
        <source>Gradient Text</source>
        <translation>グラデーション文字</translation>
    </message>
    <message>
        <source>Text Glow</source>
        <translation>光彩</translation>
    </message>
    <message>
        <source>No Outline</source>
        <translation>縁取りなし</translation>
    </message>
    <message>
        <source>Single Outline</source>
        <translation>一重縁取り</translation>
    </message>
    <message>
        <source>Double Outline</source>
        <translation>二重縁取り</translation>
    </message>
    <message>
        <source>Gradient Outline</source>
        <translation>グラデーション縁取り</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>文字効果</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字色</translation>
    </message>
</context>
<context>
    <name>VFuncTextPage</name>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>VOutlineMenuWidget</name>
    <message>
        <source>Outline Color1</source>
        <translation>縁取りの色 1</translation>
    </message>
    <message>
        <source>Thickness1</source>
        <translation>太さ 1</translation>
    </message>
    <message>
        <source>Alpha1</source>
        <translation>不透明度 1</translation>
    </message>
    <message>
        <source>Outline Color2</source>
        <translation>縁取りの色 2</translation>
    </message>
    <message>
        <source>Thickness2</source>
        <translation>太さ 2</translation>
    </message>
    <message>
        <source>Alpha2</source>
        <translation>不透明度 2</translation>
    </message>
</context>
<context>
    <name>VShadowMenuWidget</name>
    <message>
        <source>Enable Shadow</source>
        <translation>影を有効にする</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>影の色</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>太さ</translation>
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
        <translation>ここにテキストを入力してください</translation>
    </message>
    <message>
        <source>Text Options</source>
        <translation>テキストのオプション</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Text Effect</source>
        <translation>文字効果</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
