<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans">
<context>
    <name>AboutView</name>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="120"/>
        <source>Run diagnostics to display tool versions.</source>
        <translation>运行诊断以显示工具版本。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="154"/>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="156"/>
        <source>Update %1</source>
        <translation>更新 %1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="168"/>
        <source>About Tarvelle</source>
        <translation>关于 Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="169"/>
        <source>Version %1 (Build %2)</source>
        <translation>版本 %1（构建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="170"/>
        <source>Bundled tools</source>
        <translation>内置工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="171"/>
        <source>Third-Party Notices</source>
        <translation>第三方声明</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="172"/>
        <source>Legal</source>
        <translation>法律信息</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="173"/>
        <source>Open-Source Licenses</source>
        <translation>开源许可证</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="174"/>
        <source>This application does not bypass DRM. Download only media you own, are authorized to use, or are legally permitted to save.</source>
        <translation>本应用不会绕过 DRM。请仅下载您拥有、获得授权使用或依法允许保存的媒体。</translation>
    </message>
</context>
<context>
    <name>AdvancedOptionsForm</name>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="79"/>
        <source>Sample video title</source>
        <translation>示例视频标题</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="80"/>
        <source>Sample channel</source>
        <translation>示例频道</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="395"/>
        <source>Clear the cookies file under Authentication to use a browser&apos;s cookies instead.</source>
        <translation>要改用浏览器的 Cookie，请先清除“身份验证”中的 Cookie 文件。</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="398"/>
        <source>For this download, the browser&apos;s cookies replace the cookies file.</source>
        <translation>本次下载将用浏览器的 Cookie 代替 Cookie 文件。</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="416"/>
        <source>Speed limit</source>
        <translation>限速</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="417"/>
        <source>No limit</source>
        <translation>不限速</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="418"/>
        <source>Speed unit</source>
        <translation>速度单位</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="419"/>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="420"/>
        <source>No proxy</source>
        <translation>不使用代理</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="421"/>
        <source>Cookies from browser</source>
        <translation>来自浏览器的 Cookie</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="422"/>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="447"/>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="423"/>
        <source>Default profile</source>
        <translation>默认配置文件</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="424"/>
        <source>Browser profile</source>
        <translation>浏览器配置文件</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="425"/>
        <source>Embed</source>
        <translation>嵌入</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="426"/>
        <source>Metadata</source>
        <translation>元数据</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="427"/>
        <source>Thumbnail</source>
        <translation>缩略图</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="428"/>
        <source>Chapters</source>
        <translation>章节</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="429"/>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="430"/>
        <source>Thumbnails go into videos and into MP3 and M4A audio; subtitles into videos.</source>
        <translation>缩略图会嵌入视频以及 MP3 和 M4A 音频；字幕只嵌入视频。</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="431"/>
        <source>Mark segments</source>
        <translation>标记片段</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="432"/>
        <source>Remove segments</source>
        <translation>移除片段</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="433"/>
        <source>Segments of videos that SponsorBlock users marked, as chapters or cut out.</source>
        <translation>SponsorBlock 用户标记的视频片段，可标记为章节或直接剪除。</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="435"/>
        <source>Time range</source>
        <translation>时间范围</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="436"/>
        <source>Start (m:ss)</source>
        <translation>开始（m:ss）</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="437"/>
        <source>Start of the time range</source>
        <translation>时间范围的开始</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="438"/>
        <source>End (empty: to the end)</source>
        <translation>结束（留空：到结尾）</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="439"/>
        <source>End of the time range</source>
        <translation>时间范围的结束</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="441"/>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="442"/>
        <source>Default name</source>
        <translation>默认名称</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="443"/>
        <source>Example</source>
        <translation>示例</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="443"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="444"/>
        <source>Also save one file per chapter</source>
        <translation>另外为每个章节保存一个文件</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="445"/>
        <source>Concurrent fragments</source>
        <translation>同时下载的分片数</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="446"/>
        <source>Extra yt-dlp arguments</source>
        <translation>额外的 yt-dlp 参数</translation>
    </message>
</context>
<context>
    <name>AnalyzeCommand</name>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="89"/>
        <source>Title: %1</source>
        <translation>标题：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="90"/>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="111"/>
        <source>Uploader: %1</source>
        <translation>上传者：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="90"/>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="91"/>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="111"/>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="91"/>
        <source>Duration: %1</source>
        <translation>时长：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="92"/>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="112"/>
        <source>Link: %1</source>
        <translation>链接：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="93"/>
        <source>Formats: %1</source>
        <translation>格式：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="102"/>
        <source>Subtitles: %1</source>
        <translation>字幕：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="103"/>
        <source>Automatic captions: %1</source>
        <translation>自动字幕：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="110"/>
        <source>List: %1</source>
        <translation>列表：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="113"/>
        <source>Entries: %1</source>
        <translation>条目：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="120"/>
        <source>The link itself is entry %1 of this list.</source>
        <translation>此链接本身是该列表的第 %1 个条目。</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp"/>
        <source>Entry %1 of “%2” (1 entry)</source>
        <translation>“%2”中的第 %1 个条目（共 1 个条目）</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/AnalyzeCommand.cpp"/>
        <source>Entry %1 of “%2” (%n entries)</source>
        <translation>
            <numerusform>“%2”中的第 %1 个条目（共 %n 个条目）</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp"/>
        <source>List link: %1</source>
        <translation>列表链接：%1</translation>
    </message>
</context>
<context>
    <name>AppLanguage</name>
    <message>
        <location filename="../src/settings/AppLanguage.cpp" line="58"/>
        <source>System Default</source>
        <translation>跟随系统</translation>
    </message>
</context>
<context>
    <name>AudioFormat</name>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="51"/>
        <source>Best Audio</source>
        <translation>最佳音质</translation>
    </message>
</context>
<context>
    <name>BackgroundUpdateCheck</name>
    <message>
        <location filename="../src/app/main.cpp" line="110"/>
        <source>A newer yt-dlp is available</source>
        <translation>有更新的 yt-dlp 可用</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="111"/>
        <source>yt-dlp %1 can be installed from Diagnostics.</source>
        <translation>可在“诊断”中安装 yt-dlp %1。</translation>
    </message>
</context>
<context>
    <name>BatchDownloadSheet</name>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="52"/>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="61"/>
        <source>Batch Download</source>
        <translation>批量下载</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="64"/>
        <source>Paste one link per line. Blank lines and # comments are ignored. Duplicates and invalid links are reported below.</source>
        <translation>每行粘贴一个链接。空行和 # 注释会被忽略。重复和无效的链接会在下方列出。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="71"/>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="151"/>
        <source>Import Text File…</source>
        <translation>导入文本文件…</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="83"/>
        <source>Links</source>
        <translation>链接</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="93"/>
        <source>Lines at fault</source>
        <translation>有问题的行</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="122"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="126"/>
        <source>Add to Queue</source>
        <translation>加入队列</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="152"/>
        <source>Text files (*.txt *.text *.list);;All files (*)</source>
        <translation>文本文件 (*.txt *.text *.list);;所有文件 (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="194"/>
        <source>The file “%1” couldn’t be opened because it isn’t valid UTF-8 text.</source>
        <translation>无法打开文件“%1”，因为它不是有效的 UTF-8 文本。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="227"/>
        <source>%1 valid, %2 duplicate, %3 invalid</source>
        <translation>%1 个有效，%2 个重复，%3 个无效</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="242"/>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="244"/>
        <source>Line %1 (duplicate)</source>
        <translation>第 %1 行（重复）</translation>
    </message>
</context>
<context>
    <name>BatchFile</name>
    <message>
        <location filename="../src/batch/BatchFile.cpp" line="53"/>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <location filename="../src/batch/BatchFile.cpp" line="69"/>
        <source>Larger than %1 MiB</source>
        <translation>大于 %1 MiB</translation>
    </message>
</context>
<context>
    <name>BatchInput</name>
    <message>
        <location filename="../src/cli/BatchInput.cpp" line="27"/>
        <source>The batch input is not valid UTF-8 text; nothing was queued.</source>
        <translation>批量输入不是有效的 UTF-8 文本，未加入任何任务。</translation>
    </message>
    <message>
        <location filename="../src/cli/BatchInput.cpp" line="37"/>
        <location filename="../src/cli/BatchInput.cpp" line="40"/>
        <source>Cannot read the batch file %1: %2</source>
        <translation>无法读取批量文件 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/cli/BatchInput.cpp" line="48"/>
        <source>Line %1: not a link, skipped: %2</source>
        <translation>第 %1 行：不是链接，已跳过：%2</translation>
    </message>
    <message>
        <location filename="../src/cli/BatchInput.cpp" line="51"/>
        <source>Line %1: duplicate link, skipped: %2</source>
        <translation>第 %1 行：重复链接，已跳过：%2</translation>
    </message>
</context>
<context>
    <name>CategoryPicker</name>
    <message>
        <location filename="../src/ui/options/CategoryPicker.cpp" line="64"/>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <location filename="../src/ui/options/CategoryPicker.cpp" line="64"/>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="54"/>
        <source>Invalid value for %1: &apos;%2&apos; (expected %3)</source>
        <translation>%1 的值无效：&apos;%2&apos;（应为 %3）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="72"/>
        <source>Show a link&apos;s title, uploader, duration, formats and subtitles.</source>
        <translation>显示链接的标题、上传者、时长、格式和字幕。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="73"/>
        <source>print the metadata record as JSON</source>
        <translation>以 JSON 输出元数据记录</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="75"/>
        <source>for a video opened inside a list, list the whole list instead</source>
        <translation>对于在列表中打开的视频，改为列出整个列表</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="80"/>
        <source>analyze needs exactly one URL</source>
        <translation>analyze 需要且只需要一个 URL</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="90"/>
        <source>Download links with the saved defaults for any option not given.</source>
        <translation>下载链接；未指定的选项使用已保存的默认值。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="93"/>
        <source>download the audio in this format</source>
        <translation>以此格式下载音频</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="95"/>
        <source>download video up to this height</source>
        <translation>下载不超过此高度的视频</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="96"/>
        <source>subtitles to fetch</source>
        <translation>要获取的字幕</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="97"/>
        <source>subtitle languages, e.g. en or en,de</source>
        <translation>字幕语言，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="99"/>
        <source>folder for this run (settings unchanged)</source>
        <translation>本次运行的输出文件夹（不修改设置）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="101"/>
        <source>links from a UTF-8 text file, one per line (- reads standard input)</source>
        <translation>从 UTF-8 文本文件读取链接，每行一个（- 表示读取标准输入）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="103"/>
        <source>queue the links in the running Tarvelle window, with its default options</source>
        <translation>将链接加入正在运行的 Tarvelle 窗口的队列，使用其默认选项</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="104"/>
        <source>download the entries of the list the one link opens</source>
        <translation>下载该链接打开的列表中的条目</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="106"/>
        <source>with --playlist: only these entries, e.g. 1-5,7</source>
        <translation>配合 --playlist：只下载这些条目，例如 1-5,7</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="108"/>
        <source>with --playlist: skip entries the download archive shows as downloaded before</source>
        <translation>配合 --playlist：跳过下载存档中记录为已下载的条目</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="121"/>
        <source>best, mp3 or m4a</source>
        <translation>best、mp3 或 m4a</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="124"/>
        <source>best, 2160, 1440, 1080, 720 or 480</source>
        <translation>best、2160、1440、1080、720 或 480</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="127"/>
        <source>none, original or auto</source>
        <translation>none、original 或 auto</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="129"/>
        <source>language codes such as en or en,de</source>
        <translation>语言代码，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="131"/>
        <source>a folder</source>
        <translation>一个文件夹</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="133"/>
        <source>a file or -</source>
        <translation>一个文件或 -</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="135"/>
        <source>entries such as 1-5,7</source>
        <translation>条目，例如 1-5,7</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="144"/>
        <source>--audio and --quality exclude each other</source>
        <translation>--audio 与 --quality 不能同时使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="151"/>
        <source>--%1 applies to a list: add --playlist</source>
        <translation>--%1 用于列表：请加上 --playlist</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="162"/>
        <source>--to-window uses the window&apos;s default options: leave out --%1</source>
        <translation>--to-window 使用窗口的默认选项：请去掉 --%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="166"/>
        <source>download needs at least one URL or --batch</source>
        <translation>download 需要至少一个 URL 或 --batch</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="168"/>
        <source>--playlist takes exactly one URL and no --batch</source>
        <translation>--playlist 只接受一个 URL，且不能与 --batch 同用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="175"/>
        <source>List finished downloads, newest first.</source>
        <translation>列出已结束的下载，最新的在前。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="177"/>
        <source>print the records as JSON</source>
        <translation>以 JSON 输出记录</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="178"/>
        <source>only failed downloads</source>
        <translation>仅失败的下载</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="179"/>
        <source>only completed downloads</source>
        <translation>仅已完成的下载</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="181"/>
        <source>only records whose title or link contains TEXT</source>
        <translation>仅标题或链接包含 TEXT 的记录</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="186"/>
        <source>history takes no arguments: %1</source>
        <translation>history 不接受参数：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="190"/>
        <source>--failed and --success exclude each other</source>
        <translation>--failed 与 --success 不能同时使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="201"/>
        <source>Check the shipped tools and print the report.</source>
        <translation>检查随附的工具并输出报告。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="205"/>
        <source>diagnostics takes no arguments: %1</source>
        <translation>diagnostics 不接受参数：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="213"/>
        <source>Install the latest release of yt-dlp (or deno) into your own tool folder, after checking its signature and digest.</source>
        <translation>检查签名和摘要后，将 yt-dlp（或 deno）的最新版本安装到您自己的工具文件夹。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="216"/>
        <source>only tell whether a newer release exists</source>
        <translation>只告知是否有更新的版本</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="218"/>
        <source>yt-dlp&apos;s release stream (the saved one when not given)</source>
        <translation>yt-dlp 的发布渠道（未指定时使用已保存的渠道）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="225"/>
        <source>stable or nightly</source>
        <translation>stable 或 nightly</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="231"/>
        <source>tools update takes one tool: %1</source>
        <translation>tools update 只接受一个工具：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="234"/>
        <source>Only yt-dlp and deno can be updated, not %1</source>
        <translation>只能更新 yt-dlp 和 deno，不能更新 %1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="238"/>
        <source>--channel applies to yt-dlp only</source>
        <translation>--channel 仅适用于 yt-dlp</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="249"/>
        <source>Return to the tools in use before the last update.</source>
        <translation>恢复到上次更新之前使用的工具。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="250"/>
        <source>List the tools in use: where each comes from, its version, yt-dlp&apos;s age and whether its digest matches.</source>
        <translation>列出正在使用的工具：各自的来源、版本、yt-dlp 的时长以及摘要是否一致。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="256"/>
        <source>Unknown tools command: %1</source>
        <translation>未知的 tools 命令：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="265"/>
        <source>Usage: tarvelle-cli COMMAND [OPTIONS]

Commands:
  analyze URL [--json]
      Show a link&apos;s title, uploader, duration, formats and subtitles;
      --json prints the metadata record instead.
  download [OPTIONS] URL...
      Download links with the saved defaults for any option not given.
      --audio best|mp3|m4a     download the audio in this format
      --quality best|2160|1440|1080|720|480
                               download video up to this height
      --subs none|original|auto
      --lang CODES             subtitle languages, e.g. en or en,de
      --output DIR             folder for this run (settings unchanged)
      --batch FILE             links from a UTF-8 text file, one per line
                               (- reads standard input)
  history [--json] [--failed|--success] [--search TEXT]
      List finished downloads, newest first.
  diagnostics
      Check the shipped tools and print the report.
  tools
      List the tools in use, with their source, version and age.
  tools update [--check] [--channel stable|nightly] [yt-dlp|deno]
      Install the latest verified release into your own tool folder;
      --check only tells whether there is one.
  tools rollback
      Return to the tools in use before the last update.

Options:
  --help, -h   show this text
  --version    show the version

Exit status: 0 success, 1 failure, 2 usage error, 130 interrupted.
</source>
        <translation>用法：tarvelle-cli 命令 [选项]

命令：
  analyze URL [--json]
      显示链接的标题、上传者、时长、格式和字幕；
      --json 改为输出元数据记录。
  download [OPTIONS] URL...
      下载链接；未指定的选项使用已保存的默认值。
      --audio best|mp3|m4a     以此格式下载音频
      --quality best|2160|1440|1080|720|480
                               下载不超过此高度的视频
      --subs none|original|auto
      --lang CODES             字幕语言，例如 en 或 en,de
      --output DIR             本次运行的输出文件夹（不修改设置）
      --batch FILE             从 UTF-8 文本文件读取链接，每行一个
                               （- 表示读取标准输入）
  history [--json] [--failed|--success] [--search TEXT]
      列出已结束的下载，最新的在前。
  diagnostics
      检查随附的工具并输出报告。
  tools
      列出正在使用的工具及其来源、版本和时长。
  tools update [--check] [--channel stable|nightly] [yt-dlp|deno]
      将经过验证的最新版本安装到您自己的工具文件夹；
      --check 只告知是否有新版本。
  tools rollback
      恢复到上次更新之前使用的工具。

选项：
  --help, -h   显示此帮助
  --version    显示版本

退出状态：0 成功，1 失败，2 用法错误，130 被中断。
</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="298"/>
        <source>&apos;tarvelle-cli COMMAND --help&apos; shows one command&apos;s options.</source>
        <translation>&apos;tarvelle-cli 命令 --help&apos; 显示该命令的选项。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="317"/>
        <source>No command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="334"/>
        <source>--version takes no arguments: %1</source>
        <translation>--version 不接受参数：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="336"/>
        <source>Unknown option: %1</source>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="337"/>
        <source>Unknown command: %1</source>
        <translation>未知命令：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="36"/>
        <source>Try &apos;tarvelle-cli --help&apos;.</source>
        <translation>请尝试 &apos;tarvelle-cli --help&apos;。</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="11"/>
        <source>show this text</source>
        <translation>显示此帮助</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="59"/>
        <source>Unknown option for %1: %2</source>
        <translation>%1 的未知选项：%2</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="78"/>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="81"/>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="115"/>
        <source>Usage: tarvelle-cli %1</source>
        <translation>用法：tarvelle-cli %1</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="116"/>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="59"/>
        <source>at most this speed per second, e.g. 500K or 2M; none for no limit</source>
        <translation>每秒最多下载这么多，例如 500K 或 2M；none 表示不限速</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="61"/>
        <source>proxy for every request (http, https, socks4, socks5 URL); none for no proxy</source>
        <translation>所有请求都经过的代理（http、https、socks4、socks5 URL）；none 表示不使用代理</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="65"/>
        <source>cookies of firefox, chromium, chrome, brave, edge, opera or vivaldi, in place of the cookies file; none to use the cookies file</source>
        <translation>使用 firefox、chromium、chrome、brave、edge、opera 或 vivaldi 的 Cookie 代替 Cookie 文件；none 表示使用 Cookie 文件</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="69"/>
        <source>what to embed into the file: metadata, thumbnail, chapters, subs (comma separated), all or none</source>
        <translation>要嵌入文件的内容：metadata、thumbnail、chapters、subs（以逗号分隔）、all 或 none</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="73"/>
        <source>SponsorBlock categories to mark as chapters (comma separated), all or none</source>
        <translation>要标记为章节的 SponsorBlock 类别（以逗号分隔）、all 或 none</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="76"/>
        <source>SponsorBlock categories to cut out (comma separated), all or none</source>
        <translation>要剪除的 SponsorBlock 类别（以逗号分隔）、all 或 none</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="79"/>
        <source>only this part, times as mm:ss or hh:mm:ss, e.g. 1:30-2:45 (either side may be left out)</source>
        <translation>只下载这一段，时间格式为 mm:ss 或 hh:mm:ss，例如 1:30-2:45（任一端可省略）</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="83"/>
        <source>file name template of yt-dlp, e.g. &apos;%(title)s.%(ext)s&apos;; default for the usual name</source>
        <translation>yt-dlp 的文件名模板，例如 &apos;%(title)s.%(ext)s&apos;；default 表示通常的名称</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="86"/>
        <source>also one file per chapter</source>
        <translation>另外为每个章节生成一个文件</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="87"/>
        <source>no file per chapter</source>
        <translation>不为章节单独生成文件</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="88"/>
        <source>fragments fetched at the same time, 1 to 16</source>
        <translation>同时获取的分片数，1 到 16</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="91"/>
        <source>further yt-dlp arguments, quoted as for a shell; options that run programs or change yt-dlp&apos;s configuration are refused</source>
        <translation>其他 yt-dlp 参数，按 shell 的方式加引号；会运行程序或更改 yt-dlp 配置的选项会被拒绝</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="114"/>
        <source>give a proxy URL, or none</source>
        <translation>请给出代理 URL，或 none</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="140"/>
        <source>give a template, or default</source>
        <translation>请给出模板，或 default</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="151"/>
        <source>--split-chapters and --no-split-chapters exclude each other</source>
        <translation>--split-chapters 与 --no-split-chapters 不能同时使用</translation>
    </message>
</context>
<context>
    <name>ClipboardLinkBar</name>
    <message>
        <location filename="../src/ui/shell/ClipboardLinkBar.cpp" line="59"/>
        <source>Analyze the copied link?</source>
        <translation>分析复制的链接？</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ClipboardLinkBar.cpp" line="60"/>
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ClipboardLinkBar.cpp" line="62"/>
        <source>Dismiss</source>
        <translation>忽略</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <location filename="../src/services/DesktopNotifier.cpp" line="17"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../src/services/DesktopNotifier.cpp" line="17"/>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <location filename="../src/services/DesktopNotifier.cpp" line="19"/>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/services/DesktopNotifier.cpp" line="64"/>
        <source>%n complete</source>
        <translation>
            <numerusform>%n 个已完成</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/services/DesktopNotifier.cpp" line="66"/>
        <source>%n failed</source>
        <translation>
            <numerusform>%n 个失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/services/DesktopNotifier.cpp" line="68"/>
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n 个下载已结束</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DiagnosticStatus</name>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="12"/>
        <source>Missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="18"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="23"/>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="27"/>
        <source>Not executable</source>
        <translation>不可执行</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="36"/>
        <source>Verified</source>
        <translation>已验证</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="37"/>
        <source>Mismatch</source>
        <translation>不匹配</translation>
    </message>
</context>
<context>
    <name>DiagnosticsView</name>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="228"/>
        <source>Application</source>
        <translation>应用</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="235"/>
        <source>Architecture: %1</source>
        <translation>架构：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="240"/>
        <source>All tools present</source>
        <translation>所有工具齐全</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="244"/>
        <source>Tools missing</source>
        <translation>缺少工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="248"/>
        <source>Manifest</source>
        <translation>清单</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="249"/>
        <source>Present</source>
        <translation>存在</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="249"/>
        <source>Missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="250"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="251"/>
        <source>%1 (Build %2)</source>
        <translation>%1（构建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="253"/>
        <source>Application ID</source>
        <translation>应用 ID</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="254"/>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="262"/>
        <source>Some required tools are missing. Run scripts/bootstrap-tools.sh and rebuild the app.</source>
        <translation>缺少部分必需的工具。请运行 scripts/bootstrap-tools.sh 并重新构建应用。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="273"/>
        <source>Bundled Tools</source>
        <translation>内置工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="288"/>
        <source>Bundled copies ship inside the app and are used in preference to anything on the system PATH.</source>
        <translation>内置副本随应用一起提供，并优先于系统 PATH 中的任何程序使用。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="295"/>
        <source>Updates go to your own tool folder and are used only while their SHA-256 matches; otherwise the bundled copy runs.</source>
        <translation>更新会安装到您自己的工具文件夹，且仅在其 SHA-256 一致时使用；否则运行内置的副本。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="313"/>
        <source>Diagnostics</source>
        <translation>诊断</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="314"/>
        <source>Bundled tools and runtime information used by the download engine.</source>
        <translation>下载引擎使用的内置工具和运行环境信息。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="315"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="316"/>
        <source>Run Diagnostics</source>
        <translation>运行诊断</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="317"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="319"/>
        <source>Running diagnostics…</source>
        <translation>正在运行诊断…</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="320"/>
        <source>No diagnostics yet</source>
        <translation>尚无诊断结果</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="88"/>
        <source>No links to download.</source>
        <translation>没有要下载的链接。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="94"/>
        <source>Cannot prepare the output folder setting for this run.</source>
        <translation>无法为本次运行准备输出文件夹设置。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="108"/>
        <source>The list has no entries: nothing to download.</source>
        <translation>列表中没有条目：没有可下载的内容。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="136"/>
        <source>Interrupted: cancelling the downloads…</source>
        <translation>已中断：正在取消下载…</translation>
    </message>
</context>
<context>
    <name>DownloadCoordinator</name>
    <message>
        <source>yt-dlp found nothing to download at this link.</source>
        <translation>yt-dlp 在此链接中没有找到可下载的内容。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="36"/>
        <source>Already downloaded: the file from an earlier download of this link is kept.</source>
        <translation>已下载过：保留此链接先前下载的文件。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="38"/>
        <source>Skipped: the download archive shows it was downloaded before.</source>
        <translation>已跳过：下载记录显示它此前已下载过。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="40"/>
        <source>Saved under a new name: a file of the same name from another link is kept.</source>
        <translation>已用新名称保存：保留来自另一个链接的同名文件。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="501"/>
        <source>Download complete</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="504"/>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <location filename="../src/engine/FailureSummary.cpp" line="11"/>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location filename="../src/engine/FailureSummary.cpp" line="12"/>
        <source>Required tool (yt-dlp / ffmpeg) is missing.</source>
        <translation>缺少必需的工具（yt-dlp / ffmpeg）。</translation>
    </message>
    <message>
        <location filename="../src/engine/FailureSummary.cpp" line="13"/>
        <source>Cannot create output directory: %1</source>
        <translation>无法创建输出目录：%1</translation>
    </message>
    <message>
        <location filename="../src/engine/FailureSummary.cpp" line="14"/>
        <source>A file of the same name from another link is in the way; nothing was downloaded.</source>
        <translation>另一个链接的同名文件挡住了去路，未下载任何内容。</translation>
    </message>
</context>
<context>
    <name>DownloadErrorCategory</name>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="17"/>
        <source>The URL is not a valid http(s) link.</source>
        <translation>该 URL 不是有效的 http(s) 链接。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="19"/>
        <source>This link is not supported.</source>
        <translation>不支持此链接。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="21"/>
        <source>The media is unavailable or does not exist.</source>
        <translation>该媒体不可用或不存在。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="23"/>
        <source>This media is private.</source>
        <translation>该媒体为私享内容。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="25"/>
        <source>Sign-in is required for this media.</source>
        <translation>该媒体需要登录。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="27"/>
        <source>This media is age restricted.</source>
        <translation>该媒体有年龄限制。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="29"/>
        <source>This media is not available in your region.</source>
        <translation>该媒体在您所在的地区不可用。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="31"/>
        <source>A bot-verification challenge was encountered.</source>
        <translation>遇到了人机验证。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="33"/>
        <source>Too many requests. Please try again later.</source>
        <translation>请求过多，请稍后再试。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="35"/>
        <source>A network error occurred.</source>
        <translation>发生网络错误。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="37"/>
        <source>The disk is full.</source>
        <translation>磁盘已满。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="39"/>
        <source>Permission denied writing to the output directory.</source>
        <translation>没有写入输出目录的权限。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="41"/>
        <source>A required tool (yt-dlp / ffmpeg / deno) is missing.</source>
        <translation>缺少必需的工具（yt-dlp / ffmpeg / deno）。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="43"/>
        <source>A bundled tool failed its integrity check.</source>
        <translation>某个内置工具未通过完整性校验。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="45"/>
        <source>FFmpeg failed during processing.</source>
        <translation>FFmpeg 处理失败。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="47"/>
        <source>Merging audio and video failed.</source>
        <translation>合并音频和视频失败。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="49"/>
        <source>The download was cancelled.</source>
        <translation>下载已取消。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="51"/>
        <source>An unknown error occurred.</source>
        <translation>发生未知错误。</translation>
    </message>
    <message>
        <location filename="../src/analysis/YTDLPClient.cpp" line="21"/>
        <source>The description yt-dlp gave of this link is larger than 256 MiB, more than Tarvelle reads.</source>
        <translation>yt-dlp 给出的此链接描述大于 256 MiB，超出了 Tarvelle 读取的上限。</translation>
    </message>
</context>
<context>
    <name>DownloadOptionCheck</name>
    <message>
        <location filename="../src/engine/AdvancedOptions.cpp" line="23"/>
        <source>&quot;%1&quot; cannot be embedded; use metadata, thumbnail, chapters, subs, all or none.</source>
        <translation>无法嵌入“%1”；请使用 metadata、thumbnail、chapters、subs、all 或 none。</translation>
    </message>
    <message>
        <location filename="../src/engine/AdvancedOptions.cpp" line="35"/>
        <source>Concurrent fragments are a whole number from 1 to %1.</source>
        <translation>同时下载的分片数应为 1 到 %1 的整数。</translation>
    </message>
    <message>
        <location filename="../src/engine/BrowserCookies.cpp" line="71"/>
        <source>Name one of these browsers: %1.</source>
        <translation>请指定以下浏览器之一：%1。</translation>
    </message>
    <message>
        <location filename="../src/engine/BrowserCookies.cpp" line="82"/>
        <source>A browser profile cannot hold &quot;::&quot; or line breaks.</source>
        <translation>浏览器配置文件名不能包含“::”或换行。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="285"/>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="286"/>
        <source>Speed limit</source>
        <translation>限速</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="287"/>
        <source>Concurrent fragments</source>
        <translation>同时下载的分片数</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="288"/>
        <source>Cookies file</source>
        <translation>Cookie 文件</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="289"/>
        <source>Cookies from browser</source>
        <translation>来自浏览器的 Cookie</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="290"/>
        <source>Embed</source>
        <translation>嵌入</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="294"/>
        <source>Mark segments</source>
        <translation>标记片段</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="295"/>
        <source>Remove segments</source>
        <translation>移除片段</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="296"/>
        <source>Time range</source>
        <translation>时间范围</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="297"/>
        <source>Also save one file per chapter</source>
        <translation>另外为每个章节保存一个文件</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="78"/>
        <source>%1 runs other programs or code, which Tarvelle does not pass on.</source>
        <translation>%1 会运行其他程序或代码，Tarvelle 不会传递它。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="80"/>
        <source>%1 changes where or how yt-dlp reads its configuration.</source>
        <translation>%1 会改变 yt-dlp 读取配置的位置或方式。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="82"/>
        <source>%1 decides where the file goes or what it is called: the output folder and the file name template do that.</source>
        <translation>%1 会决定文件的位置或名称，而这应由输出文件夹和文件名模板决定。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="86"/>
        <source>%1 would keep yt-dlp from downloading.</source>
        <translation>%1 会让 yt-dlp 不进行下载。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="88"/>
        <source>%1 would replace the yt-dlp that comes with Tarvelle.</source>
        <translation>%1 会替换 Tarvelle 随附的 yt-dlp。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="90"/>
        <source>%1 would make yt-dlp fetch other links than this one.</source>
        <translation>%1 会让 yt-dlp 获取此链接以外的其他链接。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="92"/>
        <source>%1 would hide the progress Tarvelle follows.</source>
        <translation>%1 会隐藏 Tarvelle 跟踪的进度。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="94"/>
        <source>%1 has a setting of its own: use &quot;%2&quot;.</source>
        <translation>%1 有专门的设置：请使用“%2”。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="133"/>
        <source>%1 takes no value.</source>
        <translation>%1 不接受值。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="138"/>
        <source>%1 needs a value.</source>
        <translation>%1 需要一个值。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="139"/>
        <source>%1 needs %2 values.</source>
        <translation>%1 需要 %2 个值。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="20"/>
        <source>Tarvelle does not pass on %1: it is not among the yt-dlp options known to be safe.</source>
        <translation>Tarvelle 不会传递 %1：它不在已知安全的 yt-dlp 选项之列。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="27"/>
        <source>%1 could write or remove files outside the output folder.</source>
        <translation>%1 可能会在输出文件夹之外写入或删除文件。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="29"/>
        <source>%1 would let yt-dlp read files on this computer.</source>
        <translation>%1 会让 yt-dlp 读取这台电脑上的文件。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="31"/>
        <source>%1 can turn off checks that keep yt-dlp safe.</source>
        <translation>%1 可能会关闭保护 yt-dlp 安全的检查。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="81"/>
        <source>%1 names a place outside the output folder: use a path inside it, without /, ~, $ or .. at the start or between folders.</source>
        <translation>%1 指向输出文件夹之外的位置：请使用文件夹内的路径，开头和文件夹之间不要有 /、~、$ 或 ..。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="99"/>
        <source>%1 &quot;%2&quot; would run code that yt-dlp has not checked.</source>
        <translation>%1“%2”会运行 yt-dlp 未经检查的代码。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="165"/>
        <source>&quot;--&quot; would make yt-dlp take every word after it for a link.</source>
        <translation>“--”会让 yt-dlp 把其后的每个词都当作链接。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="178"/>
        <source>%1 could mean %2: write the option out in full.</source>
        <translation>%1 可能指 %2：请写出完整的选项名。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="199"/>
        <source>&quot;%1&quot; is no option: yt-dlp would take it for a link.</source>
        <translation>“%1”不是选项：yt-dlp 会把它当作链接。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="146"/>
        <source>A file name template cannot hold line breaks.</source>
        <translation>文件名模板不能包含换行。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="153"/>
        <source>&quot;%1&quot; is no field: write fields as %(name)s, as in %(title)s, and a percent sign as %%.</source>
        <translation>“%1”不是字段：字段写作 %(name)s，例如 %(title)s；百分号写作 %%。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="157"/>
        <source>A field of the template names nothing: %()s.</source>
        <translation>模板中的字段没有名称：%()s。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="162"/>
        <source>End the template with .%(ext)s, so the file keeps its type.</source>
        <translation>模板须以 .%(ext)s 结尾，文件才能保留其类型。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="165"/>
        <source>The template names a file inside the output folder: do not start it with / or ~.</source>
        <translation>模板命名的是输出文件夹中的文件：不要以 / 或 ~ 开头。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="168"/>
        <source>The template names a file inside the output folder: &quot;..&quot; would leave it.</source>
        <translation>模板命名的是输出文件夹中的文件：“..”会跳出该文件夹。</translation>
    </message>
    <message>
        <location filename="../src/engine/ProxyAddress.cpp" line="19"/>
        <source>A proxy starts with http://, https://, socks4://, socks4a://, socks5:// or socks5h://, as in socks5://127.0.0.1:1080.</source>
        <translation>代理地址应以 http://、https://、socks4://、socks4a://、socks5:// 或 socks5h:// 开头，例如 socks5://127.0.0.1:1080。</translation>
    </message>
    <message>
        <location filename="../src/engine/ProxyAddress.cpp" line="29"/>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>代理端口必须是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <location filename="../src/engine/ProxyAddress.cpp" line="34"/>
        <source>The proxy needs a host, as in http://proxy.example:3128.</source>
        <translation>代理地址需要主机名，例如 http://proxy.example:3128。</translation>
    </message>
    <message>
        <location filename="../src/engine/ProxyAddress.cpp" line="37"/>
        <source>A proxy address ends after its host and port; remove what follows them.</source>
        <translation>代理地址在主机和端口之后结束；请删除其后的内容。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="44"/>
        <source>A quote (&apos;) is not closed.</source>
        <translation>引号（&apos;）没有闭合。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="58"/>
        <location filename="../src/engine/ShellWords.cpp" line="82"/>
        <source>Put %1 in single quotes or after a backslash: a shell would expand it.</source>
        <translation>请把 %1 放在单引号中或反斜杠之后：shell 会展开它。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="65"/>
        <source>A quote (&quot;) is not closed.</source>
        <translation>引号（&quot;）没有闭合。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="70"/>
        <source>The text ends with a backslash.</source>
        <translation>文本以反斜杠结尾。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="79"/>
        <source>Put %1 in quotes: a shell would read it as an operator.</source>
        <translation>请把 %1 放在引号中：shell 会把它当作运算符。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="85"/>
        <source>Put # in quotes: a shell would read the rest as a comment.</source>
        <translation>请把 # 放在引号中：shell 会把其后的内容当作注释。</translation>
    </message>
    <message>
        <location filename="../src/engine/SpeedLimit.cpp" line="19"/>
        <source>Give a speed such as 500K or 2M (kilobytes or megabytes per second).</source>
        <translation>请给出速度，例如 500K 或 2M（每秒 KB 或 MB）。</translation>
    </message>
    <message>
        <location filename="../src/engine/SpeedLimit.cpp" line="33"/>
        <source>A speed limit must be at least 1 KB/s; choose &quot;No limit&quot; for none.</source>
        <translation>限速至少为 1 KB/s；不需要限速时请选择“不限速”。</translation>
    </message>
    <message>
        <location filename="../src/engine/SpeedLimit.cpp" line="35"/>
        <source>A speed limit can be at most %1 %2.</source>
        <translation>限速最多为 %1 %2。</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="18"/>
        <source>Sponsor</source>
        <translation>赞助</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="19"/>
        <source>Intermission or intro</source>
        <translation>过场或片头</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="20"/>
        <source>Endcards or credits</source>
        <translation>片尾或致谢</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="21"/>
        <source>Self promotion</source>
        <translation>自我推广</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="22"/>
        <source>Preview or recap</source>
        <translation>预告或回顾</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="23"/>
        <source>Filler tangent</source>
        <translation>离题内容</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="24"/>
        <source>Interaction reminder</source>
        <translation>互动提醒</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="25"/>
        <source>Non-music section</source>
        <translation>非音乐部分</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="26"/>
        <source>Highlight</source>
        <translation>精彩片段</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="27"/>
        <source>Chapter</source>
        <translation>章节</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="69"/>
        <source>&quot;%1&quot; is no SponsorBlock category here; use %2, all or none.</source>
        <translation>“%1”不是此处可用的 SponsorBlock 类别；请使用 %2、all 或 none。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="45"/>
        <source>Give the range as START-END, as in 1:30-2:45; leave out either side to begin at the start or run to the end.</source>
        <translation>请以 START-END 的形式给出范围，例如 1:30-2:45；省略开始表示从头开始，省略结束表示到结尾。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="54"/>
        <source>&quot;%1&quot; is no time: write mm:ss or hh:mm:ss, as in 1:30 or 1:02:03.</source>
        <translation>“%1”不是时间：请写成 mm:ss 或 hh:mm:ss，例如 1:30 或 1:02:03。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="57"/>
        <source>Give a start, an end or both.</source>
        <translation>请给出开始、结束或两者。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="70"/>
        <source>The end must come after the start.</source>
        <translation>结束时间必须晚于开始时间。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="74"/>
        <source>This range is the whole medium: leave the time range empty instead.</source>
        <translation>此范围就是整个媒体：请改为将时间范围留空。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="79"/>
        <source>The medium is %1 long; the range must lie within it.</source>
        <translation>该媒体长 %1；范围必须在其之内。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="15"/>
        <source>Type the entries to download, such as 1-10, 15.</source>
        <translation>请输入要下载的条目，例如 1-10, 15。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="21"/>
        <source>“%1” is not an entry number or a range such as 3-7.</source>
        <translation>“%1”不是条目编号，也不是 3-7 这样的范围。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="26"/>
        <source>Entries are numbered from 1.</source>
        <translation>条目从 1 开始编号。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="30"/>
        <source>This list has no entries.</source>
        <translation>此列表没有条目。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="31"/>
        <source>There is no entry %1: the list ends at entry %2.</source>
        <translation>没有第 %1 个条目：列表到第 %2 个条目为止。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="34"/>
        <source>The range %1 runs backwards: write the lower number first.</source>
        <translation>范围 %1 是倒序的：请先写较小的数字。</translation>
    </message>
</context>
<context>
    <name>DownloadOptionPickers</name>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="35"/>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="65"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="40"/>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="66"/>
        <source>Quality</source>
        <translation>画质</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="46"/>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="67"/>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="52"/>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="70"/>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="57"/>
        <source>Subtitle language</source>
        <translation>字幕语言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="71"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="128"/>
        <source>None offered by this link</source>
        <translation>此链接未提供</translation>
    </message>
</context>
<context>
    <name>DownloadsView</name>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="37"/>
        <source>Best audio</source>
        <translation>最佳音频</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="39"/>
        <source>%1 audio</source>
        <translation>%1 音频</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="35"/>
        <source>%1 video · best audio</source>
        <translation>%1 视频 · 最佳音质</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="68"/>
        <source>No downloads yet</source>
        <translation>还没有下载</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="96"/>
        <source>Add Media</source>
        <translation>添加媒体</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="106"/>
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="107"/>
        <source>Enter a media URL, then press Return or Analyze</source>
        <translation>输入媒体 URL，然后按回车键或“分析”</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="108"/>
        <source>Paste a video or playlist link, then press Return</source>
        <translation>粘贴视频或播放列表链接，然后按回车键</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="122"/>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="124"/>
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="126"/>
        <source>Download All</source>
        <translation>全部下载</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="127"/>
        <source>Batch…</source>
        <translation>批量…</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="130"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="153"/>
        <source>Analysis error</source>
        <translation>分析出错</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="170"/>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
</context>
<context>
    <name>FileWrites</name>
    <message>
        <location filename="../src/updates/FileWrites.cpp" line="25"/>
        <source>There is not enough free space in %1 to write %2.</source>
        <translation>%1 中没有足够的可用空间来写入 %2。</translation>
    </message>
    <message>
        <location filename="../src/updates/FileWrites.cpp" line="27"/>
        <source>Could not write %1 in %2: %3</source>
        <translation>无法在 %2 中写入 %1：%3</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../src/cli/HistoryCommand.cpp" line="102"/>
        <source>No download history.</source>
        <translation>没有下载历史记录。</translation>
    </message>
</context>
<context>
    <name>HistoryPresentation</name>
    <message>
        <location filename="../src/ui/history/HistoryPresentation.cpp" line="83"/>
        <source>Entry %1 of “%2”</source>
        <translation>“%2”的第 %1 个条目</translation>
    </message>
</context>
<context>
    <name>HistoryRow</name>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="195"/>
        <location filename="../src/ui/history/HistoryRow.cpp" line="214"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="196"/>
        <location filename="../src/ui/history/HistoryRow.cpp" line="215"/>
        <source>Reveal</source>
        <translation>显示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="199"/>
        <location filename="../src/ui/history/HistoryRow.cpp" line="217"/>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="200"/>
        <location filename="../src/ui/history/HistoryRow.cpp" line="218"/>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="216"/>
        <source>File missing</source>
        <translation>文件已丢失</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="202"/>
        <location filename="../src/ui/history/HistoryRow.cpp" line="219"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <location filename="../src/ui/history/HistoryPresentation.cpp" line="49"/>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryPresentation.cpp" line="51"/>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryPresentation.cpp" line="53"/>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="44"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="48"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="202"/>
        <source>Clear History</source>
        <translation>清除历史记录</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="45"/>
        <source>Clear all download history?</source>
        <translation>要清除所有下载历史记录吗？</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="47"/>
        <source>This permanently removes every history record. This action cannot be undone.</source>
        <translation>这将永久删除所有历史记录，且无法撤销。</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/history/HistoryView.cpp" line="157"/>
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n 项</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="157"/>
        <source>%1 of %2</source>
        <translation>共 %2 项，显示 %1 项</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="161"/>
        <source>No matches</source>
        <translation>无匹配结果</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="161"/>
        <source>No download matches the filter and search.</source>
        <translation>没有下载记录符合筛选和搜索条件。</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="193"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="194"/>
        <source>Search title</source>
        <translation>搜索标题</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="195"/>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="159"/>
        <source>No Download History</source>
        <translation>没有下载历史记录</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="159"/>
        <source>Completed and failed downloads will appear here.</source>
        <translation>已完成和失败的下载会显示在这里。</translation>
    </message>
</context>
<context>
    <name>JobListModel</name>
    <message>
        <location filename="../src/ui/jobs/JobListModel.cpp" line="75"/>
        <source>Buttons: %1</source>
        <translation>按钮：%1</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <location filename="../src/ui/jobs/JobListView.cpp" line="29"/>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
</context>
<context>
    <name>JobLogText</name>
    <message>
        <location filename="../src/ui/jobs/JobLogText.cpp" line="27"/>
        <source>Copy Raw Log</source>
        <translation>复制原始日志</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobLogText.cpp" line="32"/>
        <source>Log</source>
        <translation>日志</translation>
    </message>
</context>
<context>
    <name>JobRow</name>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="92"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="94"/>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="96"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="98"/>
        <source>Reveal</source>
        <translation>显示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="100"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="102"/>
        <source>Copy Link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowLayout.cpp" line="19"/>
        <source>Hide Log</source>
        <translation>隐藏日志</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowLayout.cpp" line="20"/>
        <source>Show Log</source>
        <translation>显示日志</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowAccessible.cpp" line="234"/>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
</context>
<context>
    <name>JobStatusInfo</name>
    <message>
        <source>Stalled</source>
        <translation>已停滞</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="161"/>
        <source>Queued</source>
        <translation>排队中</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="163"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="166"/>
        <source>Downloading audio</source>
        <translation>正在下载音频</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="168"/>
        <source>Downloading video</source>
        <translation>正在下载视频</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="173"/>
        <source>Finalizing</source>
        <translation>正在收尾</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="174"/>
        <source>Merging</source>
        <translation>正在合并</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="176"/>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="178"/>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="180"/>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
</context>
<context>
    <name>JsChallenges</name>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: not ready (yt-dlp is missing)</source>
        <translation>JavaScript 验证：未就绪（缺少 yt-dlp）</translation>
    </message>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: not ready (deno is missing)</source>
        <translation>JavaScript 验证：未就绪（缺少 deno）</translation>
    </message>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: not ready (yt-dlp is too old; update it)</source>
        <translation>JavaScript 验证：未就绪（yt-dlp 太旧，请更新）</translation>
    </message>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: not ready (turned off in Settings)</source>
        <translation>JavaScript 验证：未就绪（已在设置中关闭）</translation>
    </message>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: ready (deno %1, solver fetched when needed)</source>
        <translation>JavaScript 验证：已就绪（deno %1，需要时获取求解器）</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <location filename="../src/app/LaunchArguments.cpp" line="19"/>
        <source>Unknown option: %1</source>
        <translation>未知选项：%1</translation>
    </message>
</context>
<context>
    <name>LegalGateView</name>
    <message>
        <location filename="../src/ui/shell/LegalGateView.cpp" line="28"/>
        <source>Tarvelle</source>
        <translation>Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/LegalGateView.cpp" line="33"/>
        <source>Only download media that you own, are authorized to use, or are otherwise legally permitted to save. This application does not bypass DRM.</source>
        <translation>请仅下载您拥有、获得授权使用或依法允许保存的媒体。本应用不会绕过 DRM。</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/LegalGateView.cpp" line="48"/>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/LegalGateView.cpp" line="51"/>
        <source>I Understand</source>
        <translation>我已了解</translation>
    </message>
</context>
<context>
    <name>ListEntries</name>
    <message>
        <location filename="../src/cli/ListEntries.cpp" line="72"/>
        <source>This link is a single video, not a list: leave out --playlist to download it.</source>
        <translation>此链接是单个视频，不是列表：去掉 --playlist 即可下载。</translation>
    </message>
</context>
<context>
    <name>ListPreviewCard</name>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="69"/>
        <source>List preview</source>
        <translation>列表预览</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="35"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n 个条目</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="35"/>
        <source>1 entry</source>
        <translation>1 个条目</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="97"/>
        <source>This link opens entry %1 of the list.</source>
        <translation>此链接打开的是该列表的第 %1 个条目。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="100"/>
        <source>Only This Video</source>
        <translation>仅此视频</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="110"/>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="111"/>
        <source>Select None</source>
        <translation>全不选</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="114"/>
        <source>Entries to download</source>
        <translation>要下载的条目</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="115"/>
        <source>Numbers and ranges of the entries to download, such as 1-10, 15</source>
        <translation>要下载的条目编号和范围，例如 1-10, 15</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="116"/>
        <source>Entries, such as 1-10, 15</source>
        <translation>条目，例如 1-10, 15</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="123"/>
        <source>Entries error</source>
        <translation>条目错误</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="132"/>
        <source>List entries</source>
        <translation>列表条目</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="151"/>
        <source>Skip entries already downloaded</source>
        <translation>跳过已下载的条目</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="222"/>
        <source>Download %n selected</source>
        <translation>
            <numerusform>下载所选的 %n 项</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="178"/>
        <source>Tarvelle</source>
        <translation>Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="179"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="180"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="181"/>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>MediaKind</name>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="40"/>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="40"/>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
</context>
<context>
    <name>OpenFailureMessage</name>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="18"/>
        <source>Cannot Show in Folder</source>
        <translation>无法在文件夹中显示</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="19"/>
        <source>Cannot Open</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="20"/>
        <source>No file manager is set up to show “%1”.</source>
        <translation>没有可以显示“%1”的文件管理器。</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="23"/>
        <source>No application is set up to open “%1”.</source>
        <translation>没有可以打开“%1”的应用程序。</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="30"/>
        <source>Install a file manager, or open the folder yourself.</source>
        <translation>请安装文件管理器，或自行打开该文件夹。</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="32"/>
        <source>Choose a default application for this kind of file in the desktop&apos;s settings.</source>
        <translation>请在桌面设置中为此类文件选择默认应用程序。</translation>
    </message>
</context>
<context>
    <name>PreviewCard</name>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="57"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="104"/>
        <source>More options</source>
        <translation>更多选项</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="134"/>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/SubtitleLanguages.cpp" line="30"/>
        <source>All languages</source>
        <translation>所有语言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp"/>
        <source>Entry %1 of “%2” (1 entry)</source>
        <translation>“%2”中的第 %1 个条目（共 1 个条目）</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/PreviewCard.cpp"/>
        <source>Entry %1 of “%2” (%n entries)</source>
        <translation>
            <numerusform>“%2”中的第 %1 个条目（共 %n 个条目）</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp"/>
        <source>Show the List</source>
        <translation>显示列表</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="34"/>
        <source>%1 / estimated %2</source>
        <translation>%1 / 预计 %2</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="49"/>
        <source>ETA %1</source>
        <translation>剩余 %1</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="76"/>
        <source>Fragment %1 / %2</source>
        <translation>分片 %1 / %2</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="78"/>
        <location filename="../src/engine/ProgressDisplay.cpp" line="91"/>
        <source>About %1%</source>
        <translation>约 %1%</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="85"/>
        <source>Downloading audio</source>
        <translation>正在下载音频</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="85"/>
        <source>Downloading…</source>
        <translation>正在下载…</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="88"/>
        <source>Total size unknown</source>
        <translation>总大小未知</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="111"/>
        <source>Retrying, %1 of %2</source>
        <translation>正在重试，第 %1 次，共 %2 次</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="113"/>
        <source>Retrying, attempt %1</source>
        <translation>正在重试，第 %1 次</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="120"/>
        <source>No progress detected</source>
        <translation>未检测到进度</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="136"/>
        <source>Finalizing</source>
        <translation>正在收尾</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="139"/>
        <source>Merging audio and video</source>
        <translation>正在合并音频和视频</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="146"/>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>PythonRequirement</name>
    <message>
        <location filename="../src/updates/PythonRequirement.cpp" line="68"/>
        <source>The new file cannot be read.</source>
        <translation>无法读取新文件。</translation>
    </message>
    <message>
        <location filename="../src/updates/PythonRequirement.cpp" line="72"/>
        <source>The new file is not a Python program (no &quot;#!&quot; line).</source>
        <translation>新文件不是 Python 程序（没有 “#!” 行）。</translation>
    </message>
    <message>
        <location filename="../src/updates/PythonRequirement.cpp" line="75"/>
        <source>%1 does not run here, and the new file needs it.</source>
        <translation>%1 无法在此运行，而新文件需要它。</translation>
    </message>
    <message>
        <location filename="../src/updates/PythonRequirement.cpp" line="81"/>
        <source>The new version needs Python %1 or newer, and %2 here is Python %3.</source>
        <translation>新版本需要 Python %1 或更高版本，而此处的 %2 是 Python %3。</translation>
    </message>
</context>
<context>
    <name>QueueNoticeBar</name>
    <message>
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="24"/>
        <source>The download queue can&apos;t be saved (the data folder is read-only or its database is in use), so these downloads won&apos;t be kept after Tarvelle quits.</source>
        <translation>无法保存下载队列（数据文件夹为只读，或其数据库正被占用），因此 Tarvelle 退出后这些下载不会保留。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="27"/>
        <source>Another Tarvelle window keeps the download queue, so the downloads in this window won&apos;t be kept after it quits.</source>
        <translation>另一个 Tarvelle 窗口正在保存下载队列，因此此窗口中的下载在它退出后不会保留。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="30"/>
        <source>The download queue can&apos;t be saved right now; Tarvelle keeps trying. Until it succeeds, recent changes won&apos;t be kept.</source>
        <translation>暂时无法保存下载队列，Tarvelle 会继续尝试。在成功之前，最近的更改不会保留。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="56"/>
        <source>Clear Them</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="59"/>
        <source>Dismiss</source>
        <translation>关闭提示</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="87"/>
        <source>Restored %n download(s) from the last session.</source>
        <translation>
            <numerusform>已恢复上次会话中的 %n 个下载。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="89"/>
        <source>%n saved download(s) could not be read and were set aside.</source>
        <translation>
            <numerusform>有 %n 个已保存的下载无法读取，已被搁置。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReleaseHost</name>
    <message>
        <location filename="../src/updates/ReleaseHost.cpp" line="43"/>
        <source>the release server %1 (set by %2) does not use https, so nothing is fetched from it.</source>
        <translation>发布服务器 %1（由 %2 设置）未使用 https，因此不会从中获取任何内容。</translation>
    </message>
</context>
<context>
    <name>RemoveJobQuestion</name>
    <message>
        <source>Stop and Remove</source>
        <translation>停止并移除</translation>
    </message>
    <message>
        <source>Also delete its partial files</source>
        <translation>同时删除其未完成的文件</translation>
    </message>
    <message>
        <source>“%1” is still in the queue. Removing it stops its download.</source>
        <translation>“%1”仍在队列中。移除它会停止其下载。</translation>
    </message>
    <message>
        <source>Stop and remove?</source>
        <translation>停止并移除？</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="29"/>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="57"/>
        <source>Remove Download?</source>
        <translation>移除下载？</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="30"/>
        <source>%n partial file(s) could not be deleted.</source>
        <translation>
            <numerusform>有 %n 个未完成的文件无法删除。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="55"/>
        <source>This download left %n partial file(s) (%1).</source>
        <translation>
            <numerusform>此下载留下了 %n 个未完成的文件（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="56"/>
        <source>This download left %n partial file(s) (%1) in %2.</source>
        <translation>
            <numerusform>此下载在 %2 中留下了 %n 个未完成的文件（%1）。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="60"/>
        <source>Delete them too? Finished files and other downloads&apos; files are never touched.</source>
        <translation>是否一并删除？已完成的文件和其他下载的文件绝不会被改动。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="66"/>
        <source>Remove and Delete Files</source>
        <translation>移除并删除文件</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="68"/>
        <source>Remove Only</source>
        <translation>仅移除</translation>
    </message>
</context>
<context>
    <name>SettingsSetAsideBar</name>
    <message>
        <location filename="../src/ui/shell/SettingsSetAsideBar.cpp" line="28"/>
        <source>Dismiss</source>
        <translation>关闭提示</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/SettingsSetAsideBar.cpp" line="50"/>
        <source>Your settings file could not be read, so it was moved aside as %1. Settings that could still be read were kept; the others are back to their defaults.</source>
        <translation>无法读取您的设置文件，因此已将其移至 %1。仍可读取的设置已保留，其余设置已恢复为默认值。</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="1"/>
        <source>yt-dlp downloads the challenge-solver scripts of yt-dlp-ejs from GitHub (github.com/yt-dlp/ejs) once, checks them against the digests it carries before using them, and keeps them in Tarvelle&apos;s cache folder. They run in the shipped deno.</source>
        <translation>yt-dlp 会从 GitHub（github.com/yt-dlp/ejs）下载一次 yt-dlp-ejs 的验证求解脚本，在使用前用其自带的摘要进行校验，并保存在 Tarvelle 的缓存文件夹中。这些脚本在随附的 deno 中运行。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="1"/>
        <source>Fetch the JavaScript challenge solver when a site needs it</source>
        <translation>网站需要时获取 JavaScript 验证求解器</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="138"/>
        <source>Restore every setting to its default value?</source>
        <translation>要将所有设置恢复为默认值吗？</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="141"/>
        <source>The language, the output folder, the cookies file and every download default go back to how they were at first. The download history is kept.</source>
        <translation>语言、输出文件夹、Cookie 文件和所有下载默认设置都将恢复为初始状态。下载历史记录会保留。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="366"/>
        <source>Nightly builds</source>
        <translation>每夜构建版</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="366"/>
        <source>Stable releases</source>
        <translation>稳定版</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="421"/>
        <source>Choose None under Cookies from browser to use a cookies file instead.</source>
        <translation>要改用 Cookie 文件，请在“来自浏览器的 Cookie”中选择“无”。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="469"/>
        <source>Enter the full path of a folder, starting with /.</source>
        <translation>请输入文件夹的完整路径，以 / 开头。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="472"/>
        <source>“%1” is a file, not a folder.</source>
        <translation>“%1”是文件，不是文件夹。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="475"/>
        <source>Downloads cannot be saved here: “%1” is not writable.</source>
        <translation>无法保存到此处：“%1”不可写入。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="478"/>
        <source>The folder in use stays “%1”.</source>
        <translation>仍使用文件夹“%1”。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="518"/>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="519"/>
        <source>Authentication</source>
        <translation>身份验证</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="520"/>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="521"/>
        <source>Behavior</source>
        <translation>行为</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="522"/>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="523"/>
        <source>New downloads are saved to this folder.</source>
        <translation>新的下载会保存到此文件夹。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="525"/>
        <source>Optional Netscape-format cookies.txt for sites that require login. Cookie contents stay in the selected file.</source>
        <translation>可选：用于需要登录的网站的 Netscape 格式 cookies.txt。Cookie 内容只保存在所选文件中。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="526"/>
        <source>Defaults apply to new downloads. Range 1–4; default 2.</source>
        <translation>默认设置适用于新的下载。同时下载数范围 1–4，默认 2。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="527"/>
        <source>Keep failed tasks retains entries after a download fails so you can inspect the error.</source>
        <translation>开启“保留失败的任务”后，下载失败的条目会保留在列表中，便于查看错误。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="528"/>
        <source>Defaults for new downloads; &quot;More options&quot; on the preview card changes them for one download.</source>
        <translation>新下载的默认设置；预览卡片上的“更多选项”可为单次下载更改它们。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="530"/>
        <source>Restores every setting above to its default value.</source>
        <translation>将以上所有设置恢复为默认值。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="532"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="533"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="534"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="535"/>
        <source>Default output directory</source>
        <translation>默认输出目录</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="536"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="539"/>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="537"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="538"/>
        <source>Cookies file</source>
        <translation>Cookie 文件</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="540"/>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="542"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="543"/>
        <source>Media type</source>
        <translation>媒体类型</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="544"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="545"/>
        <source>Video quality</source>
        <translation>视频画质</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="546"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="547"/>
        <source>Audio format</source>
        <translation>音频格式</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="548"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="549"/>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="550"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="551"/>
        <source>Subtitle language</source>
        <translation>字幕语言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="552"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="553"/>
        <source>Max simultaneous downloads</source>
        <translation>最大同时下载数</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="554"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="555"/>
        <source>Decrease simultaneous downloads</source>
        <translation>减少同时下载数</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="556"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="557"/>
        <source>Increase simultaneous downloads</source>
        <translation>增加同时下载数</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="559"/>
        <source>Notify on download completion</source>
        <translation>下载完成时通知</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="560"/>
        <source>Keep failed tasks in the list</source>
        <translation>在列表中保留失败的任务</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="561"/>
        <source>Show verbose logs in job details</source>
        <translation>在任务详情中显示详细日志</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="562"/>
        <source>Check for tool updates</source>
        <translation>检查工具更新</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="564"/>
        <source>Once a week, ask GitHub whether a newer yt-dlp exists and say so. Nothing is installed without you.</source>
        <translation>每周向 GitHub 查询一次是否有更新的 yt-dlp，并告知您。未经您同意不会安装任何内容。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="565"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="566"/>
        <source>yt-dlp updates</source>
        <translation>yt-dlp 更新渠道</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="567"/>
        <source>Offer to analyze links I copy while Tarvelle is open</source>
        <translation>Tarvelle 打开时，提示分析我复制的链接</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="138"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="143"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="568"/>
        <source>Restore Defaults</source>
        <translation>恢复默认设置</translation>
    </message>
</context>
<context>
    <name>ShutdownController</name>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="120"/>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="140"/>
        <source>Quit Tarvelle?</source>
        <translation>要退出 Tarvelle 吗？</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="121"/>
        <source>Downloads are still running or waiting. Quitting stops them.</source>
        <translation>仍有下载正在进行或等待中。退出将停止这些下载。</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="125"/>
        <source>Stop Downloads and Quit</source>
        <translation>停止下载并退出</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="127"/>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="150"/>
        <source>Keep Downloading</source>
        <translation>继续下载</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="141"/>
        <source>Downloads are still running or waiting. Tarvelle can keep them and continue them the next time it starts.</source>
        <translation>仍有下载正在进行或等待中。Tarvelle 可以保留它们，并在下次启动时继续。</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="146"/>
        <source>Keep for Next Time</source>
        <translation>保留到下次</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="148"/>
        <source>Stop and Forget</source>
        <translation>停止并放弃</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="25"/>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="26"/>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="27"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="28"/>
        <source>Diagnostics</source>
        <translation>诊断</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="106"/>
        <source>Sections</source>
        <translation>栏目</translation>
    </message>
</context>
<context>
    <name>SignatureCheck</name>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="36"/>
        <source>The release key %1 is missing from the installation.</source>
        <translation>安装中缺少发布密钥 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="39"/>
        <source>The release key %1 is damaged.</source>
        <translation>发布密钥 %1 已损坏。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="46"/>
        <source>Could not prepare the key for gpgv in %1.</source>
        <translation>无法在 %1 中为 gpgv 准备密钥。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="51"/>
        <source>gpgv is not installed (Debian package gpgv), so no signature can be checked.</source>
        <translation>未安装 gpgv（Debian 软件包 gpgv），因此无法检查签名。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="58"/>
        <source>gpgv did not run to its end.</source>
        <translation>gpgv 未能运行完成。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="64"/>
        <source>The signature does not match %1: the file was altered.</source>
        <translation>签名与 %1 不符：该文件已被更改。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="66"/>
        <source>%1 is not signed by the release key.</source>
        <translation>%1 不是由发布密钥签名的。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="68"/>
        <source>%1 holds no signature.</source>
        <translation>%1 不包含签名。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="70"/>
        <source>gpgv did not accept the signature (%1).</source>
        <translation>gpgv 未接受该签名（%1）。</translation>
    </message>
</context>
<context>
    <name>SubtitleMode</name>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="56"/>
        <source>No Subtitles</source>
        <translation>不下载字幕</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="57"/>
        <source>Download Original Subtitles</source>
        <translation>下载原始字幕</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="58"/>
        <source>Download Auto Subtitles</source>
        <translation>下载自动生成的字幕</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="182"/>
        <source>all languages</source>
        <translation>所有语言</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="188"/>
        <source>Subtitles: %1</source>
        <translation>字幕：%1</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="190"/>
        <source>Auto subtitles: %1</source>
        <translation>自动字幕：%1</translation>
    </message>
</context>
<context>
    <name>ToolDiagnosticRow</name>
    <message>
        <location filename="../src/ui/diagnostics/ToolDiagnosticRow.cpp" line="66"/>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolDiagnosticRow.cpp" line="82"/>
        <source>Your copy is not used: %1</source>
        <translation>未使用您的副本：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolDiagnosticRow.cpp" line="107"/>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolDiagnosticRow.cpp" line="109"/>
        <source>Update %1</source>
        <translation>更新 %1</translation>
    </message>
</context>
<context>
    <name>ToolFreshness</name>
    <message>
        <location filename="../src/ui/diagnostics/ToolFreshness.cpp" line="11"/>
        <source>Your tool folder</source>
        <translation>您的工具文件夹</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolFreshness.cpp" line="12"/>
        <source>Shipped</source>
        <translation>内置</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolFreshness.cpp" line="21"/>
        <source>%1 days old: update recommended</source>
        <translation>已发布 %1 天：建议更新</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolFreshness.cpp" line="23"/>
        <source>%1 days old</source>
        <translation>已发布 %1 天</translation>
    </message>
</context>
<context>
    <name>ToolInstaller</name>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="88"/>
        <source>The digest %1 is not valid.</source>
        <translation>摘要 %1 无效。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="91"/>
        <location filename="../src/updates/ToolInstaller.cpp" line="143"/>
        <source>Another program is changing the tool folder right now.</source>
        <translation>另一个程序正在更改工具文件夹。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="98"/>
        <source>Could not create %1.</source>
        <translation>无法创建 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="101"/>
        <source>Could not move the new file into %1.</source>
        <translation>无法将新文件移入 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="138"/>
        <location filename="../src/updates/ToolInstaller.cpp" line="150"/>
        <source>There is no earlier state to return to.</source>
        <translation>没有可以恢复的先前状态。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="154"/>
        <source>The earlier state (%1) cannot be read.</source>
        <translation>无法读取先前的状态（%1）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="161"/>
        <source>The earlier copy of %1 is missing or was changed, so it cannot be restored.</source>
        <translation>%1 的先前副本缺失或已被更改，因此无法恢复。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="170"/>
        <source>Could not replace %1.</source>
        <translation>无法替换 %1。</translation>
    </message>
</context>
<context>
    <name>ToolRelease</name>
    <message>
        <location filename="../src/updates/ToolRelease.cpp" line="29"/>
        <source>deno publishes no Linux build for %1.</source>
        <translation>deno 没有为 %1 发布 Linux 版本。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolRelease.cpp" line="43"/>
        <source>Only yt-dlp and deno can be updated.</source>
        <translation>只能更新 yt-dlp 和 deno。</translation>
    </message>
</context>
<context>
    <name>ToolResolver</name>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="42"/>
        <source>The user tool folder&apos;s manifest.json cannot be read.</source>
        <translation>无法读取用户工具文件夹的 manifest.json。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="48"/>
        <source>Only yt-dlp and deno can come from the user tool folder.</source>
        <translation>只有 yt-dlp 和 deno 可以来自用户工具文件夹。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="51"/>
        <source>Its entry in the user tool folder&apos;s manifest has no valid SHA-256.</source>
        <translation>它在用户工具文件夹清单中的条目没有有效的 SHA-256。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="55"/>
        <source>Its file in the user tool folder is missing or not executable.</source>
        <translation>它在用户工具文件夹中的文件缺失或不可执行。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="59"/>
        <source>Its file in the user tool folder cannot be read.</source>
        <translation>无法读取它在用户工具文件夹中的文件。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="61"/>
        <source>Its file in the user tool folder was changed after it was installed (SHA-256 mismatch).</source>
        <translation>它在用户工具文件夹中的文件在安装后被更改（SHA-256 不一致）。</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePanel</name>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="130"/>
        <source>Rolling back…</source>
        <translation>正在回退…</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="157"/>
        <source>Nothing was rolled back: %1</source>
        <translation>未回退任何内容：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="163"/>
        <source>%1 is back to %2.</source>
        <translation>%1 已恢复为 %2。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="163"/>
        <source>the shipped tool</source>
        <translation>内置工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="164"/>
        <source>The tools in use are the same as before.</source>
        <translation>正在使用的工具与之前相同。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="186"/>
        <source>A newer yt-dlp is available: %1.</source>
        <translation>有更新的 yt-dlp 可用：%1。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="193"/>
        <source>Tool Updates</source>
        <translation>工具更新</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="194"/>
        <source>Update yt-dlp</source>
        <translation>更新 yt-dlp</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="195"/>
        <source>Update deno</source>
        <translation>更新 deno</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="196"/>
        <source>Roll Back Last Update</source>
        <translation>回退上次更新</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="197"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ToolUpdateResult</name>
    <message>
        <location filename="../src/updates/ToolUpdateResult.cpp" line="14"/>
        <source>an unknown version</source>
        <translation>未知版本</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdateResult.cpp" line="24"/>
        <source>%1 %2 is up to date (latest %3 release: %4).</source>
        <translation>%1 %2 已是最新（最新的 %3 版本：%4）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdateResult.cpp" line="27"/>
        <source>A newer %1 is available: %2 (in use: %3).</source>
        <translation>有更新的 %1 可用：%2（正在使用：%3）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdateResult.cpp" line="30"/>
        <source>%1 %2 is verified and installed in your tool folder; new jobs use it.</source>
        <translation>%1 %2 已验证并安装到您的工具文件夹；新任务将使用它。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdateResult.cpp" line="34"/>
        <source>Updating %1 failed while %2: %3 Nothing was changed.</source>
        <translation>更新 %1 时在“%2”步骤失败：%3 未作任何更改。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdateResult.cpp" line="37"/>
        <source>Updating %1 was cancelled. Nothing was changed.</source>
        <translation>已取消更新 %1。未作任何更改。</translation>
    </message>
</context>
<context>
    <name>ToolUpdater</name>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="62"/>
        <source>the release server could not be reached (%1).</source>
        <translation>无法连接发布服务器（%1）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="70"/>
        <source>%1 answered %2 %3.</source>
        <translation>%1 返回了 %2 %3。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="184"/>
        <source>the release server named no release tag.</source>
        <translation>发布服务器未给出发布标签。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="233"/>
        <source>could not create %1.</source>
        <translation>无法创建 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="237"/>
        <source>could not create a work folder in %1: %2</source>
        <translation>无法在 %1 中创建工作文件夹：%2</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="261"/>
        <source>could not create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="293"/>
        <source>%1 could not be downloaded: %2</source>
        <translation>无法下载 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="296"/>
        <source>it is larger than any release of it.</source>
        <translation>它比任何发布版本都大。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="307"/>
        <source>the transfer broke off (%1).</source>
        <translation>传输中断（%1）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="341"/>
        <source>the release key is missing: the installation has no resources folder.</source>
        <translation>缺少发布密钥：安装中没有资源文件夹。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="356"/>
        <source>%1 does not list %2.</source>
        <translation>%1 未列出 %2。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="359"/>
        <source>the downloaded %1 does not match its digest in %2: it is damaged or was altered.</source>
        <translation>下载的 %1 与 %2 中的摘要不符：文件已损坏或被更改。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="387"/>
        <source>the new %1 did not answer --version (%2).</source>
        <translation>新的 %1 未响应 --version（%2）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="389"/>
        <source>no output</source>
        <translation>无输出</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="394"/>
        <source>the new file cannot be read.</source>
        <translation>无法读取新文件。</translation>
    </message>
</context>
<context>
    <name>ToolVersion</name>
    <message>
        <location filename="../src/updates/ToolVersion.cpp" line="48"/>
        <source>the new %1 says it is version %2, but its release is %3: an older release may have been served under a newer name.</source>
        <translation>新的 %1 自称版本为 %2，但其发布版本为 %3：可能是旧版本被冒充为新版本提供。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolVersion.cpp" line="48"/>
        <source>the new %1 (%2) is not newer than the one in use (%3); updates only move forward.</source>
        <translation>新的 %1（%2）并不比正在使用的版本（%3）新；更新只能向前。</translation>
    </message>
</context>
<context>
    <name>ToolsCommand</name>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="34"/>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="37"/>
        <source>user tool folder</source>
        <translation>用户工具文件夹</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="38"/>
        <source>shipped</source>
        <translation>内置</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="42"/>
        <source>%1 days old, outdated: run &apos;tarvelle-cli tools update&apos;</source>
        <translation>已发布 %1 天，已过时：请运行 &apos;tarvelle-cli tools update&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="44"/>
        <source>%1 days old</source>
        <translation>已发布 %1 天</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="46"/>
        <source>digest not listed</source>
        <translation>未列出摘要</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="47"/>
        <source>digest matches</source>
        <translation>摘要一致</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="48"/>
        <source>DIGEST MISMATCH</source>
        <translation>摘要不一致</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="53"/>
        <source>user copy not used: </source>
        <translation>未使用用户副本：</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="114"/>
        <source>Nothing was rolled back: </source>
        <translation>未回退任何内容：</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="119"/>
        <source>the shipped tool</source>
        <translation>内置工具</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="123"/>
        <source>%1: back from %2 to %3
</source>
        <translation>%1：已从 %2 恢复为 %3
</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="126"/>
        <source>The tools in use are the same as before.
</source>
        <translation>正在使用的工具与之前相同。
</translation>
    </message>
</context>
<context>
    <name>UpdateHint</name>
    <message>
        <location filename="../src/tools/UpdateHint.cpp" line="1"/>
        <source>%1: tarvelle-cli tools update</source>
        <translation>%1：tarvelle-cli tools update</translation>
    </message>
    <message>
        <location filename="../src/tools/UpdateHint.cpp" line="1"/>
        <source>yt-dlp is %1 days old; updating it often fixes this</source>
        <translation>yt-dlp 已发布 %1 天；更新它通常可以解决此问题</translation>
    </message>
</context>
<context>
    <name>UpdateStep</name>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="11"/>
        <source>Finding the latest release</source>
        <translation>正在查找最新版本</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="13"/>
        <source>Comparing versions</source>
        <translation>正在比较版本</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="15"/>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="17"/>
        <source>Checking the signature</source>
        <translation>正在检查签名</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="19"/>
        <source>Checking the digest</source>
        <translation>正在检查摘要</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="21"/>
        <source>Unpacking</source>
        <translation>正在解包</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="23"/>
        <source>Checking python3</source>
        <translation>正在检查 python3</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="25"/>
        <source>Trying the new file</source>
        <translation>正在试运行新文件</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="27"/>
        <source>Installing</source>
        <translation>正在安装</translation>
    </message>
</context>
<context>
    <name>VideoQuality</name>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="45"/>
        <source>Best Quality</source>
        <translation>最佳画质</translation>
    </message>
</context>
<context>
    <name>WindowHandOff</name>
    <message>
        <location filename="../src/cli/WindowHandOff.cpp" line="31"/>
        <source>Not a usable link, skipped: %1</source>
        <translation>不是可用的链接，已跳过：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/WindowHandOff.cpp" line="47"/>
        <source>No links to download.</source>
        <translation>没有要下载的链接。</translation>
    </message>
    <message>
        <location filename="../src/cli/WindowHandOff.cpp" line="53"/>
        <source>No Tarvelle window is running in this session. Start Tarvelle, or leave out --to-window to download here.</source>
        <translation>此会话中没有正在运行的 Tarvelle 窗口。请启动 Tarvelle，或去掉 --to-window 以在此处下载。</translation>
    </message>
    <message>
        <location filename="../src/cli/WindowHandOff.cpp" line="59"/>
        <source>The Tarvelle window did not take the links: %1</source>
        <translation>Tarvelle 窗口未接收链接：%1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/WindowHandOff.cpp" line="63"/>
        <source>Queued %n link(s) in the Tarvelle window.</source>
        <translation>
            <numerusform>已将 %n 个链接加入 Tarvelle 窗口的队列。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="29"/>
        <source>libarchive could not start.</source>
        <translation>libarchive 无法启动。</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="34"/>
        <source>The file is not a zip archive: %1</source>
        <translation>该文件不是 zip 压缩包：%1</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="40"/>
        <source>The archive holds no file named %1.</source>
        <translation>压缩包中没有名为 %1 的文件。</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="42"/>
        <source>The archive is damaged: %1</source>
        <translation>压缩包已损坏：%1</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="51"/>
        <location filename="../src/updates/ZipArchive.cpp" line="63"/>
        <source>%1 in the archive is larger than expected.</source>
        <translation>压缩包中的 %1 超出预期大小。</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="59"/>
        <source>%1 in the archive is damaged: %2</source>
        <translation>压缩包中的 %1 已损坏：%2</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="66"/>
        <source>Could not write %1 out of the archive.</source>
        <translation>无法从压缩包中写出 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="89"/>
        <source>Could not create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
</context>
<context>
    <name>LeftoverFilesPanel</name>
    <message numerus="yes">
        <source>%n partial file(s) (%1) belong to no download in the list. Tarvelle leaves them as they are: delete them in the folder if they are not needed.</source>
        <translation>
            <numerusform>有 %n 个未完成的文件（%1）不属于列表中的任何下载。Tarvelle 不会动它们：如果不需要，请在文件夹中删除。</numerusform>
        </translation>
    </message>
    <message>
        <source>Partial files no download owns</source>
        <translation>不属于任何下载的未完成文件</translation>
    </message>
</context>
</TS>
