<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans">
<context>
    <name>AboutView</name>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="117"/>
        <source>Run diagnostics to display tool versions.</source>
        <translation>运行诊断以显示工具版本。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="146"/>
        <source>About Tarvelle</source>
        <translation>关于 Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="147"/>
        <source>Version %1 (Build %2)</source>
        <translation>版本 %1（构建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="148"/>
        <source>Bundled tools</source>
        <translation>内置工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="149"/>
        <source>Third-Party Notices</source>
        <translation>第三方声明</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="150"/>
        <source>Legal</source>
        <translation>法律信息</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="151"/>
        <source>Open-Source Licenses</source>
        <translation>开源许可证</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="152"/>
        <source>This application does not bypass DRM. Download only media you own, are authorized to use, or are legally permitted to save.</source>
        <translation>本应用不会绕过 DRM。请仅下载您拥有、获得授权使用或依法允许保存的媒体。</translation>
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
    <name>CliArguments</name>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="53"/>
        <source>Invalid value for %1: &apos;%2&apos; (expected %3)</source>
        <translation>%1 的值无效：&apos;%2&apos;（应为 %3）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="71"/>
        <source>Show a link&apos;s title, uploader, duration, formats and subtitles.</source>
        <translation>显示链接的标题、上传者、时长、格式和字幕。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="72"/>
        <source>print the metadata record as JSON</source>
        <translation>以 JSON 输出元数据记录</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="77"/>
        <source>analyze needs exactly one URL</source>
        <translation>analyze 需要且只需要一个 URL</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="85"/>
        <source>Download links with the saved defaults for any option not given.</source>
        <translation>下载链接；未指定的选项使用已保存的默认值。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="88"/>
        <source>download the audio in this format</source>
        <translation>以此格式下载音频</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="90"/>
        <source>download video up to this height</source>
        <translation>下载不超过此高度的视频</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="91"/>
        <source>subtitles to fetch</source>
        <translation>要获取的字幕</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="92"/>
        <source>subtitle languages, e.g. en or en,de</source>
        <translation>字幕语言，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="94"/>
        <source>folder for this run (settings unchanged)</source>
        <translation>本次运行的输出文件夹（不修改设置）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="96"/>
        <source>links from a UTF-8 text file, one per line (- reads standard input)</source>
        <translation>从 UTF-8 文本文件读取链接，每行一个（- 表示读取标准输入）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="109"/>
        <source>best, mp3 or m4a</source>
        <translation>best、mp3 或 m4a</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="112"/>
        <source>best, 2160, 1440, 1080, 720 or 480</source>
        <translation>best、2160、1440、1080、720 或 480</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="115"/>
        <source>none, original or auto</source>
        <translation>none、original 或 auto</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="117"/>
        <source>language codes such as en or en,de</source>
        <translation>语言代码，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="119"/>
        <source>a folder</source>
        <translation>一个文件夹</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="121"/>
        <source>a file or -</source>
        <translation>一个文件或 -</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="129"/>
        <source>--audio and --quality exclude each other</source>
        <translation>--audio 与 --quality 不能同时使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="131"/>
        <source>download needs at least one URL or --batch</source>
        <translation>download 需要至少一个 URL 或 --batch</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="138"/>
        <source>List finished downloads, newest first.</source>
        <translation>列出已结束的下载，最新的在前。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="140"/>
        <source>print the records as JSON</source>
        <translation>以 JSON 输出记录</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="141"/>
        <source>only failed downloads</source>
        <translation>仅失败的下载</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="142"/>
        <source>only completed downloads</source>
        <translation>仅已完成的下载</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="144"/>
        <source>only records whose title or link contains TEXT</source>
        <translation>仅标题或链接包含 TEXT 的记录</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="149"/>
        <source>history takes no arguments: %1</source>
        <translation>history 不接受参数：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="153"/>
        <source>--failed and --success exclude each other</source>
        <translation>--failed 与 --success 不能同时使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="164"/>
        <source>Check the shipped tools and print the report.</source>
        <translation>检查随附的工具并输出报告。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="168"/>
        <source>diagnostics takes no arguments: %1</source>
        <translation>diagnostics 不接受参数：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="201"/>
        <source>&apos;tarvelle-cli COMMAND --help&apos; shows one command&apos;s options.</source>
        <translation>&apos;tarvelle-cli 命令 --help&apos; 显示该命令的选项。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="219"/>
        <source>No command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="236"/>
        <source>--version takes no arguments: %1</source>
        <translation>--version 不接受参数：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="238"/>
        <source>Unknown option: %1</source>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="239"/>
        <source>Unknown command: %1</source>
        <translation>未知命令：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="175"/>
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
</context>
<context>
    <name>DiagnosticsView</name>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="209"/>
        <source>Application</source>
        <translation>应用</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="216"/>
        <source>Architecture: %1</source>
        <translation>架构：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="221"/>
        <source>All tools present</source>
        <translation>所有工具齐全</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="225"/>
        <source>Tools missing</source>
        <translation>缺少工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="229"/>
        <source>Manifest</source>
        <translation>清单</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="230"/>
        <source>Present</source>
        <translation>存在</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="230"/>
        <source>Missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="231"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="232"/>
        <source>%1 (Build %2)</source>
        <translation>%1（构建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="234"/>
        <source>Application ID</source>
        <translation>应用 ID</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="235"/>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="243"/>
        <source>Some required tools are missing. Run scripts/bootstrap-tools.sh and rebuild the app.</source>
        <translation>缺少部分必需的工具。请运行 scripts/bootstrap-tools.sh 并重新构建应用。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="254"/>
        <source>Bundled Tools</source>
        <translation>内置工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="266"/>
        <source>Bundled copies ship inside the app and are used in preference to anything on the system PATH.</source>
        <translation>内置副本随应用一起提供，并优先于系统 PATH 中的任何程序使用。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="279"/>
        <source>Diagnostics</source>
        <translation>诊断</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="280"/>
        <source>Bundled tools and runtime information used by the download engine.</source>
        <translation>下载引擎使用的内置工具和运行环境信息。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="281"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="282"/>
        <source>Run Diagnostics</source>
        <translation>运行诊断</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="283"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="285"/>
        <source>Running diagnostics…</source>
        <translation>正在运行诊断…</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="286"/>
        <source>No diagnostics yet</source>
        <translation>尚无诊断结果</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="74"/>
        <source>No links to download.</source>
        <translation>没有要下载的链接。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="80"/>
        <source>Cannot prepare the output folder setting for this run.</source>
        <translation>无法为本次运行准备输出文件夹设置。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="109"/>
        <source>Interrupted: cancelling the downloads…</source>
        <translation>已中断：正在取消下载…</translation>
    </message>
</context>
<context>
    <name>DownloadCoordinator</name>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="320"/>
        <source>Download complete</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="322"/>
        <source>Download failed</source>
        <translation>下载失败</translation>
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
    <name>DownloadsView</name>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="21"/>
        <source>%1 audio</source>
        <translation>%1 音频</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="22"/>
        <source>%1 video · best audio</source>
        <translation>%1 视频 · 最佳音质</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="64"/>
        <source>No downloads yet</source>
        <translation>还没有下载</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="92"/>
        <source>Add Media</source>
        <translation>添加媒体</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="102"/>
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="103"/>
        <source>Enter a media URL, then press Return or Analyze</source>
        <translation>输入媒体 URL，然后按回车键或“分析”</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="104"/>
        <source>Paste a video or playlist link, then press Return</source>
        <translation>粘贴视频或播放列表链接，然后按回车键</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="115"/>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="117"/>
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="119"/>
        <source>Download All</source>
        <translation>全部下载</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="120"/>
        <source>Batch…</source>
        <translation>批量…</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="123"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="141"/>
        <source>Analysis error</source>
        <translation>分析出错</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="158"/>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../src/cli/HistoryCommand.cpp" line="93"/>
        <source>No download history.</source>
        <translation>没有下载历史记录。</translation>
    </message>
</context>
<context>
    <name>HistoryRow</name>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="144"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="145"/>
        <source>Reveal</source>
        <translation>显示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="146"/>
        <source>File missing</source>
        <translation>文件已丢失</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="147"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <location filename="../src/ui/history/HistoryPresentation.cpp" line="47"/>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryPresentation.cpp" line="49"/>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryPresentation.cpp" line="51"/>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="38"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="42"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="173"/>
        <source>Clear History</source>
        <translation>清除历史记录</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="39"/>
        <source>Clear all download history?</source>
        <translation>要清除所有下载历史记录吗？</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="41"/>
        <source>This permanently removes every history record. This action cannot be undone.</source>
        <translation>这将永久删除所有历史记录，且无法撤销。</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/history/HistoryView.cpp" line="142"/>
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n 项</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="164"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="165"/>
        <source>Search title</source>
        <translation>搜索标题</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="166"/>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="174"/>
        <source>No Download History</source>
        <translation>没有下载历史记录</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="174"/>
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
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="83"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="85"/>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="87"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="89"/>
        <source>Reveal</source>
        <translation>显示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="91"/>
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
        <location filename="../src/ui/shell/MainWindow.cpp" line="64"/>
        <source>Tarvelle</source>
        <translation>Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="65"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="66"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="67"/>
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
    <name>PreviewCard</name>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="65"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="107"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="129"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="112"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="130"/>
        <source>Quality</source>
        <translation>画质</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="118"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="131"/>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="124"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="134"/>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="139"/>
        <source>Subtitle language</source>
        <translation>字幕语言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="140"/>
        <source>Language code (e.g. en, all)</source>
        <translation>语言代码（如 en、all）</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="146"/>
        <source>Download</source>
        <translation>下载</translation>
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
    <name>RemoveJobQuestion</name>
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
    <name>SettingsView</name>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="367"/>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="368"/>
        <source>Authentication</source>
        <translation>身份验证</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="369"/>
        <source>Downloads</source>
        <translation>下载</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="370"/>
        <source>Behavior</source>
        <translation>行为</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="371"/>
        <source>New downloads are saved to this folder.</source>
        <translation>新的下载会保存到此文件夹。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="373"/>
        <source>Optional Netscape-format cookies.txt for sites that require login. Cookie contents stay in the selected file.</source>
        <translation>可选：用于需要登录的网站的 Netscape 格式 cookies.txt。Cookie 内容只保存在所选文件中。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="374"/>
        <source>Defaults apply to new downloads. Range 1–4; default 2.</source>
        <translation>默认设置适用于新的下载。同时下载数范围 1–4，默认 2。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="375"/>
        <source>Keep failed tasks retains entries after a download fails so you can inspect the error.</source>
        <translation>开启“保留失败的任务”后，下载失败的条目会保留在列表中，便于查看错误。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="376"/>
        <source>Restores every setting above to its default value.</source>
        <translation>将以上所有设置恢复为默认值。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="378"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="379"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="380"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="381"/>
        <source>Default output directory</source>
        <translation>默认输出目录</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="382"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="385"/>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="383"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="384"/>
        <source>Cookies file</source>
        <translation>Cookie 文件</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="386"/>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="388"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="389"/>
        <source>Media type</source>
        <translation>媒体类型</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="390"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="391"/>
        <source>Video quality</source>
        <translation>视频画质</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="392"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="393"/>
        <source>Audio format</source>
        <translation>音频格式</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="394"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="395"/>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="396"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="397"/>
        <source>Subtitle language</source>
        <translation>字幕语言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="398"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="399"/>
        <source>Max simultaneous downloads</source>
        <translation>最大同时下载数</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="400"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="401"/>
        <source>Decrease simultaneous downloads</source>
        <translation>减少同时下载数</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="402"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="403"/>
        <source>Increase simultaneous downloads</source>
        <translation>增加同时下载数</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="405"/>
        <source>Notify on download completion</source>
        <translation>下载完成时通知</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="406"/>
        <source>Keep failed tasks in the list</source>
        <translation>在列表中保留失败的任务</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="407"/>
        <source>Show verbose logs in job details</source>
        <translation>在任务详情中显示详细日志</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="408"/>
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
        <location filename="../src/ui/diagnostics/ToolDiagnosticRow.cpp" line="56"/>
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
