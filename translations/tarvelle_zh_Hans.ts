<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans">
<context>
    <name>AboutView</name>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="118"/>
        <source>Run diagnostics to display tool versions.</source>
        <translation>运行诊断以显示工具版本。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="147"/>
        <source>About Tarvelle</source>
        <translation>关于 Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="148"/>
        <source>Version %1 (Build %2)</source>
        <translation>版本 %1（构建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="149"/>
        <source>Bundled tools</source>
        <translation>内置工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="150"/>
        <source>Third-Party Notices</source>
        <translation>第三方声明</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="151"/>
        <source>Legal</source>
        <translation>法律信息</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="152"/>
        <source>Open-Source Licenses</source>
        <translation>开源许可证</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="153"/>
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
        <location filename="../src/cli/AnalyzeCommand.cpp" line="88"/>
        <source>Title: %1</source>
        <translation>标题：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="89"/>
        <source>Uploader: %1</source>
        <translation>上传者：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="89"/>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="90"/>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="90"/>
        <source>Duration: %1</source>
        <translation>时长：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="91"/>
        <source>Link: %1</source>
        <translation>链接：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="92"/>
        <source>Formats: %1</source>
        <translation>格式：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="101"/>
        <source>Subtitles: %1</source>
        <translation>字幕：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="102"/>
        <source>Automatic captions: %1</source>
        <translation>自动字幕：%1</translation>
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
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="168"/>
        <source>The file is too large to import.</source>
        <translation>文件太大，无法导入。</translation>
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
        <location filename="../src/cli/CliArguments.cpp" line="78"/>
        <source>analyze needs exactly one URL</source>
        <translation>analyze 需要且只需要一个 URL</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="86"/>
        <source>Download links with the saved defaults for any option not given.</source>
        <translation>下载链接；未指定的选项使用已保存的默认值。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="89"/>
        <source>download the audio in this format</source>
        <translation>以此格式下载音频</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="91"/>
        <source>download video up to this height</source>
        <translation>下载不超过此高度的视频</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="92"/>
        <source>subtitles to fetch</source>
        <translation>要获取的字幕</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="93"/>
        <source>subtitle languages, e.g. en or en,de</source>
        <translation>字幕语言，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="95"/>
        <source>folder for this run (settings unchanged)</source>
        <translation>本次运行的输出文件夹（不修改设置）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="97"/>
        <source>links from a UTF-8 text file, one per line (- reads standard input)</source>
        <translation>从 UTF-8 文本文件读取链接，每行一个（- 表示读取标准输入）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="110"/>
        <source>best, mp3 or m4a</source>
        <translation>best、mp3 或 m4a</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="113"/>
        <source>best, 2160, 1440, 1080, 720 or 480</source>
        <translation>best、2160、1440、1080、720 或 480</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="116"/>
        <source>none, original or auto</source>
        <translation>none、original 或 auto</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="118"/>
        <source>language codes such as en or en,de</source>
        <translation>语言代码，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="120"/>
        <source>a folder</source>
        <translation>一个文件夹</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="122"/>
        <source>a file or -</source>
        <translation>一个文件或 -</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="131"/>
        <source>--audio and --quality exclude each other</source>
        <translation>--audio 与 --quality 不能同时使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="133"/>
        <source>download needs at least one URL or --batch</source>
        <translation>download 需要至少一个 URL 或 --batch</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="140"/>
        <source>List finished downloads, newest first.</source>
        <translation>列出已结束的下载，最新的在前。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="142"/>
        <source>print the records as JSON</source>
        <translation>以 JSON 输出记录</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="143"/>
        <source>only failed downloads</source>
        <translation>仅失败的下载</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="144"/>
        <source>only completed downloads</source>
        <translation>仅已完成的下载</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="146"/>
        <source>only records whose title or link contains TEXT</source>
        <translation>仅标题或链接包含 TEXT 的记录</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="151"/>
        <source>history takes no arguments: %1</source>
        <translation>history 不接受参数：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="155"/>
        <source>--failed and --success exclude each other</source>
        <translation>--failed 与 --success 不能同时使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="166"/>
        <source>Check the shipped tools and print the report.</source>
        <translation>检查随附的工具并输出报告。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="170"/>
        <source>diagnostics takes no arguments: %1</source>
        <translation>diagnostics 不接受参数：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="203"/>
        <source>&apos;tarvelle-cli COMMAND --help&apos; shows one command&apos;s options.</source>
        <translation>&apos;tarvelle-cli 命令 --help&apos; 显示该命令的选项。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="221"/>
        <source>No command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="238"/>
        <source>--version takes no arguments: %1</source>
        <translation>--version 不接受参数：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="240"/>
        <source>Unknown option: %1</source>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="241"/>
        <source>Unknown command: %1</source>
        <translation>未知命令：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="177"/>
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

选项：
  --help, -h   显示此帮助
  --version    显示版本

退出状态：0 成功，1 失败，2 用法错误，130 被中断。
</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="34"/>
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
    <name>DiagnosticStatus</name>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="10"/>
        <source>Missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="16"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="21"/>
        <source>Available</source>
        <translation>可用</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="25"/>
        <source>Not executable</source>
        <translation>不可执行</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="34"/>
        <source>Verified</source>
        <translation>已验证</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="35"/>
        <source>Mismatch</source>
        <translation>不匹配</translation>
    </message>
</context>
<context>
    <name>DiagnosticsView</name>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="211"/>
        <source>Application</source>
        <translation>应用</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="218"/>
        <source>Architecture: %1</source>
        <translation>架构：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="223"/>
        <source>All tools present</source>
        <translation>所有工具齐全</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="227"/>
        <source>Tools missing</source>
        <translation>缺少工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="231"/>
        <source>Manifest</source>
        <translation>清单</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="232"/>
        <source>Present</source>
        <translation>存在</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="232"/>
        <source>Missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="233"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="234"/>
        <source>%1 (Build %2)</source>
        <translation>%1（构建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="236"/>
        <source>Application ID</source>
        <translation>应用 ID</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="237"/>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="245"/>
        <source>Some required tools are missing. Run scripts/bootstrap-tools.sh and rebuild the app.</source>
        <translation>缺少部分必需的工具。请运行 scripts/bootstrap-tools.sh 并重新构建应用。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="256"/>
        <source>Bundled Tools</source>
        <translation>内置工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="268"/>
        <source>Bundled copies ship inside the app and are used in preference to anything on the system PATH.</source>
        <translation>内置副本随应用一起提供，并优先于系统 PATH 中的任何程序使用。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="281"/>
        <source>Diagnostics</source>
        <translation>诊断</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="282"/>
        <source>Bundled tools and runtime information used by the download engine.</source>
        <translation>下载引擎使用的内置工具和运行环境信息。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="283"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="284"/>
        <source>Run Diagnostics</source>
        <translation>运行诊断</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="285"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="287"/>
        <source>Running diagnostics…</source>
        <translation>正在运行诊断…</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="288"/>
        <source>No diagnostics yet</source>
        <translation>尚无诊断结果</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="76"/>
        <source>No links to download.</source>
        <translation>没有要下载的链接。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="82"/>
        <source>Cannot prepare the output folder setting for this run.</source>
        <translation>无法为本次运行准备输出文件夹设置。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="111"/>
        <source>Interrupted: cancelling the downloads…</source>
        <translation>已中断：正在取消下载…</translation>
    </message>
</context>
<context>
    <name>DownloadCoordinator</name>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="328"/>
        <source>Download complete</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="330"/>
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
        <location filename="../src/engine/ExtraArguments.cpp" line="45"/>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="46"/>
        <source>Speed limit</source>
        <translation>限速</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="48"/>
        <source>Concurrent fragments</source>
        <translation>同时下载的分片数</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="49"/>
        <source>Cookies file</source>
        <translation>Cookie 文件</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="51"/>
        <source>Cookies from browser</source>
        <translation>来自浏览器的 Cookie</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="53"/>
        <source>Embed</source>
        <translation>嵌入</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="54"/>
        <source>Mark segments</source>
        <translation>标记片段</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="56"/>
        <source>Remove segments</source>
        <translation>移除片段</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="57"/>
        <source>Time range</source>
        <translation>时间范围</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="59"/>
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
        <location filename="../src/engine/ExtraArguments.cpp" line="165"/>
        <source>&quot;--&quot; would make yt-dlp take every word after it for a link.</source>
        <translation>“--”会让 yt-dlp 把其后的每个词都当作链接。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="173"/>
        <location filename="../src/engine/ExtraArguments.cpp" line="190"/>
        <source>yt-dlp has no option %1.</source>
        <translation>yt-dlp 没有 %1 选项。</translation>
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
</context>
<context>
    <name>DownloadsView</name>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="34"/>
        <source>%1 audio</source>
        <translation>%1 音频</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="35"/>
        <source>%1 video · best audio</source>
        <translation>%1 视频 · 最佳音质</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="63"/>
        <source>No downloads yet</source>
        <translation>还没有下载</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="91"/>
        <source>Add Media</source>
        <translation>添加媒体</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="101"/>
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="102"/>
        <source>Enter a media URL, then press Return or Analyze</source>
        <translation>输入媒体 URL，然后按回车键或“分析”</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="103"/>
        <source>Paste a video or playlist link, then press Return</source>
        <translation>粘贴视频或播放列表链接，然后按回车键</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="114"/>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="116"/>
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="118"/>
        <source>Download All</source>
        <translation>全部下载</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="119"/>
        <source>Batch…</source>
        <translation>批量…</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="122"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="145"/>
        <source>Analysis error</source>
        <translation>分析出错</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="162"/>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../src/cli/HistoryCommand.cpp" line="96"/>
        <source>No download history.</source>
        <translation>没有下载历史记录。</translation>
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
        <location filename="../src/ui/history/HistoryView.cpp" line="43"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="47"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="200"/>
        <source>Clear History</source>
        <translation>清除历史记录</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="44"/>
        <source>Clear all download history?</source>
        <translation>要清除所有下载历史记录吗？</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="46"/>
        <source>This permanently removes every history record. This action cannot be undone.</source>
        <translation>这将永久删除所有历史记录，且无法撤销。</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/history/HistoryView.cpp" line="156"/>
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n 项</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="156"/>
        <source>%1 of %2</source>
        <translation>共 %2 项，显示 %1 项</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="160"/>
        <source>No matches</source>
        <translation>无匹配结果</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="160"/>
        <source>No download matches the filter and search.</source>
        <translation>没有下载记录符合筛选和搜索条件。</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="191"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="192"/>
        <source>Search title</source>
        <translation>搜索标题</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="193"/>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="158"/>
        <source>No Download History</source>
        <translation>没有下载历史记录</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="158"/>
        <source>Completed and failed downloads will appear here.</source>
        <translation>已完成和失败的下载会显示在这里。</translation>
    </message>
</context>
<context>
    <name>JobListModel</name>
    <message>
        <location filename="../src/ui/jobs/JobListModel.cpp" line="74"/>
        <source>Buttons: %1</source>
        <translation>按钮：%1</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <location filename="../src/ui/jobs/JobListView.cpp" line="23"/>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
</context>
<context>
    <name>JobLogText</name>
    <message>
        <location filename="../src/ui/jobs/JobLogText.cpp" line="9"/>
        <source>Log</source>
        <translation>日志</translation>
    </message>
</context>
<context>
    <name>JobRow</name>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="86"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="88"/>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="90"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="92"/>
        <source>Reveal</source>
        <translation>显示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="94"/>
        <source>Remove</source>
        <translation>移除</translation>
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
</context>
<context>
    <name>JobStatusInfo</name>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="144"/>
        <source>Queued</source>
        <translation>排队中</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="146"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="149"/>
        <source>Downloading audio</source>
        <translation>正在下载音频</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="150"/>
        <source>Downloading video</source>
        <translation>正在下载视频</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="154"/>
        <source>Finalizing</source>
        <translation>正在收尾</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="155"/>
        <source>Merging</source>
        <translation>正在合并</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="157"/>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="159"/>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="161"/>
        <source>Failed</source>
        <translation>失败</translation>
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
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="71"/>
        <source>Tarvelle</source>
        <translation>Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="72"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="73"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="74"/>
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
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="68"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="110"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="139"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="115"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="140"/>
        <source>Quality</source>
        <translation>画质</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="121"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="141"/>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="127"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="144"/>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="132"/>
        <source>Subtitle language</source>
        <translation>字幕语言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="145"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="152"/>
        <source>More options</source>
        <translation>更多选项</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="230"/>
        <source>None offered by this link</source>
        <translation>此链接未提供</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="170"/>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/SubtitleLanguages.cpp" line="30"/>
        <source>All languages</source>
        <translation>所有语言</translation>
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
        <location filename="../src/engine/ProgressDisplay.cpp" line="107"/>
        <source>No progress detected</source>
        <translation>未检测到进度</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="119"/>
        <source>Finalizing</source>
        <translation>正在收尾</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="122"/>
        <source>Merging audio and video</source>
        <translation>正在合并音频和视频</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="129"/>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
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
        <location filename="../src/ui/settings/SettingsView.cpp" line="398"/>
        <source>Choose None under Cookies from browser to use a cookies file instead.</source>
        <translation>要改用 Cookie 文件，请在“来自浏览器的 Cookie”中选择“无”。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="446"/>
        <source>Enter the full path of a folder, starting with /.</source>
        <translation>请输入文件夹的完整路径，以 / 开头。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="449"/>
        <source>“%1” is a file, not a folder.</source>
        <translation>“%1”是文件，不是文件夹。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="452"/>
        <source>Downloads cannot be saved here: “%1” is not writable.</source>
        <translation>无法保存到此处：“%1”不可写入。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="455"/>
        <source>The folder in use stays “%1”.</source>
        <translation>仍使用文件夹“%1”。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="495"/>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="496"/>
        <source>Authentication</source>
        <translation>身份验证</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="497"/>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="498"/>
        <source>Behavior</source>
        <translation>行为</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="499"/>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="500"/>
        <source>New downloads are saved to this folder.</source>
        <translation>新的下载会保存到此文件夹。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="502"/>
        <source>Optional Netscape-format cookies.txt for sites that require login. Cookie contents stay in the selected file.</source>
        <translation>可选：用于需要登录的网站的 Netscape 格式 cookies.txt。Cookie 内容只保存在所选文件中。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="503"/>
        <source>Defaults apply to new downloads. Range 1–4; default 2.</source>
        <translation>默认设置适用于新的下载。同时下载数范围 1–4，默认 2。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="504"/>
        <source>Keep failed tasks retains entries after a download fails so you can inspect the error.</source>
        <translation>开启“保留失败的任务”后，下载失败的条目会保留在列表中，便于查看错误。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="505"/>
        <source>Defaults for new downloads; &quot;More options&quot; on the preview card changes them for one download.</source>
        <translation>新下载的默认设置；预览卡片上的“更多选项”可为单次下载更改它们。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="507"/>
        <source>Restores every setting above to its default value.</source>
        <translation>将以上所有设置恢复为默认值。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="509"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="510"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="511"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="512"/>
        <source>Default output directory</source>
        <translation>默认输出目录</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="513"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="516"/>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="514"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="515"/>
        <source>Cookies file</source>
        <translation>Cookie 文件</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="517"/>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="519"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="520"/>
        <source>Media type</source>
        <translation>媒体类型</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="521"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="522"/>
        <source>Video quality</source>
        <translation>视频画质</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="523"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="524"/>
        <source>Audio format</source>
        <translation>音频格式</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="525"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="526"/>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="527"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="528"/>
        <source>Subtitle language</source>
        <translation>字幕语言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="529"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="530"/>
        <source>Max simultaneous downloads</source>
        <translation>最大同时下载数</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="531"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="532"/>
        <source>Decrease simultaneous downloads</source>
        <translation>减少同时下载数</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="533"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="534"/>
        <source>Increase simultaneous downloads</source>
        <translation>增加同时下载数</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="536"/>
        <source>Notify on download completion</source>
        <translation>下载完成时通知</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="537"/>
        <source>Keep failed tasks in the list</source>
        <translation>在列表中保留失败的任务</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="538"/>
        <source>Show verbose logs in job details</source>
        <translation>在任务详情中显示详细日志</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="138"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="143"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="539"/>
        <source>Restore Defaults</source>
        <translation>恢复默认设置</translation>
    </message>
</context>
<context>
    <name>ShutdownController</name>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="99"/>
        <source>Quit Tarvelle?</source>
        <translation>要退出 Tarvelle 吗？</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="100"/>
        <source>Downloads are still running or waiting. Quitting stops them.</source>
        <translation>仍有下载正在进行或等待中。退出将停止这些下载。</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="104"/>
        <source>Stop Downloads and Quit</source>
        <translation>停止下载并退出</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="106"/>
        <source>Keep Downloading</source>
        <translation>继续下载</translation>
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
</context>
<context>
    <name>ToolDiagnosticRow</name>
    <message>
        <location filename="../src/ui/diagnostics/ToolDiagnosticRow.cpp" line="62"/>
        <source>Version %1</source>
        <translation>版本 %1</translation>
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
</TS>
