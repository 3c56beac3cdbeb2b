<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hant">
<context>
    <name>AboutView</name>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="117"/>
        <source>Run diagnostics to display tool versions.</source>
        <translation>執行診斷以顯示工具版本。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="146"/>
        <source>About Tarvelle</source>
        <translation>關於 Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="147"/>
        <source>Version %1 (Build %2)</source>
        <translation>版本 %1（組建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="148"/>
        <source>Bundled tools</source>
        <translation>內建工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="149"/>
        <source>Third-Party Notices</source>
        <translation>第三方聲明</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="150"/>
        <source>Legal</source>
        <translation>法律資訊</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="151"/>
        <source>Open-Source Licenses</source>
        <translation>開放原始碼授權</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="152"/>
        <source>This application does not bypass DRM. Download only media you own, are authorized to use, or are legally permitted to save.</source>
        <translation>本應用程式不會規避 DRM。請僅下載您擁有、獲授權使用或依法允許保存的媒體。</translation>
    </message>
</context>
<context>
    <name>AnalyzeCommand</name>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="88"/>
        <source>Title: %1</source>
        <translation>標題：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="89"/>
        <source>Uploader: %1</source>
        <translation>上傳者：%1</translation>
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
        <translation>長度：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="91"/>
        <source>Link: %1</source>
        <translation>連結：%1</translation>
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
        <translation>自動字幕：%1</translation>
    </message>
</context>
<context>
    <name>AppLanguage</name>
    <message>
        <location filename="../src/settings/AppLanguage.cpp" line="58"/>
        <source>System Default</source>
        <translation>跟隨系統</translation>
    </message>
</context>
<context>
    <name>AudioFormat</name>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="51"/>
        <source>Best Audio</source>
        <translation>最佳音質</translation>
    </message>
</context>
<context>
    <name>BatchDownloadSheet</name>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="52"/>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="61"/>
        <source>Batch Download</source>
        <translation>批次下載</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="64"/>
        <source>Paste one link per line. Blank lines and # comments are ignored. Duplicates and invalid links are reported below.</source>
        <translation>每行貼上一個連結。空白行和 # 註解會被略過。重複與無效的連結會在下方列出。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="71"/>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="151"/>
        <source>Import Text File…</source>
        <translation>匯入文字檔…</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="83"/>
        <source>Links</source>
        <translation>連結</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="93"/>
        <source>Lines at fault</source>
        <translation>有問題的行</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="122"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="126"/>
        <source>Add to Queue</source>
        <translation>加入佇列</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="152"/>
        <source>Text files (*.txt *.text *.list);;All files (*)</source>
        <translation>文字檔 (*.txt *.text *.list);;所有檔案 (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="168"/>
        <source>The file is too large to import.</source>
        <translation>檔案太大，無法匯入。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="194"/>
        <source>The file “%1” couldn’t be opened because it isn’t valid UTF-8 text.</source>
        <translation>無法開啟檔案「%1」，因為它不是有效的 UTF-8 文字。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="227"/>
        <source>%1 valid, %2 duplicate, %3 invalid</source>
        <translation>%1 個有效，%2 個重複，%3 個無效</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="242"/>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/BatchDownloadSheet.cpp" line="244"/>
        <source>Line %1 (duplicate)</source>
        <translation>第 %1 行（重複）</translation>
    </message>
</context>
<context>
    <name>BatchInput</name>
    <message>
        <location filename="../src/cli/BatchInput.cpp" line="27"/>
        <source>The batch input is not valid UTF-8 text; nothing was queued.</source>
        <translation>批次輸入不是有效的 UTF-8 文字，未加入任何工作。</translation>
    </message>
    <message>
        <location filename="../src/cli/BatchInput.cpp" line="37"/>
        <location filename="../src/cli/BatchInput.cpp" line="40"/>
        <source>Cannot read the batch file %1: %2</source>
        <translation>無法讀取批次檔案 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/cli/BatchInput.cpp" line="48"/>
        <source>Line %1: not a link, skipped: %2</source>
        <translation>第 %1 行：不是連結，已略過：%2</translation>
    </message>
    <message>
        <location filename="../src/cli/BatchInput.cpp" line="51"/>
        <source>Line %1: duplicate link, skipped: %2</source>
        <translation>第 %1 行：重複連結，已略過：%2</translation>
    </message>
</context>
<context>
    <name>CliArguments</name>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="53"/>
        <source>Invalid value for %1: &apos;%2&apos; (expected %3)</source>
        <translation>%1 的值無效：&apos;%2&apos;（應為 %3）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="71"/>
        <source>Show a link&apos;s title, uploader, duration, formats and subtitles.</source>
        <translation>顯示連結的標題、上傳者、時長、格式和字幕。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="72"/>
        <source>print the metadata record as JSON</source>
        <translation>以 JSON 輸出中繼資料記錄</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="77"/>
        <source>analyze needs exactly one URL</source>
        <translation>analyze 需要且只需要一個 URL</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="85"/>
        <source>Download links with the saved defaults for any option not given.</source>
        <translation>下載連結；未指定的選項使用已儲存的預設值。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="88"/>
        <source>download the audio in this format</source>
        <translation>以此格式下載音訊</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="90"/>
        <source>download video up to this height</source>
        <translation>下載不超過此高度的影片</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="91"/>
        <source>subtitles to fetch</source>
        <translation>要取得的字幕</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="92"/>
        <source>subtitle languages, e.g. en or en,de</source>
        <translation>字幕語言，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="94"/>
        <source>folder for this run (settings unchanged)</source>
        <translation>本次執行的輸出資料夾（不修改設定）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="96"/>
        <source>links from a UTF-8 text file, one per line (- reads standard input)</source>
        <translation>從 UTF-8 文字檔讀取連結，每行一個（- 表示讀取標準輸入）</translation>
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
        <translation>語言代碼，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="119"/>
        <source>a folder</source>
        <translation>一個資料夾</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="121"/>
        <source>a file or -</source>
        <translation>一個檔案或 -</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="129"/>
        <source>--audio and --quality exclude each other</source>
        <translation>--audio 與 --quality 不能同時使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="131"/>
        <source>download needs at least one URL or --batch</source>
        <translation>download 需要至少一個 URL 或 --batch</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="138"/>
        <source>List finished downloads, newest first.</source>
        <translation>列出已結束的下載，最新的在前。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="140"/>
        <source>print the records as JSON</source>
        <translation>以 JSON 輸出記錄</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="141"/>
        <source>only failed downloads</source>
        <translation>僅失敗的下載</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="142"/>
        <source>only completed downloads</source>
        <translation>僅已完成的下載</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="144"/>
        <source>only records whose title or link contains TEXT</source>
        <translation>僅標題或連結包含 TEXT 的記錄</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="149"/>
        <source>history takes no arguments: %1</source>
        <translation>history 不接受參數：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="153"/>
        <source>--failed and --success exclude each other</source>
        <translation>--failed 與 --success 不能同時使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="164"/>
        <source>Check the shipped tools and print the report.</source>
        <translation>檢查隨附的工具並輸出報告。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="168"/>
        <source>diagnostics takes no arguments: %1</source>
        <translation>diagnostics 不接受參數：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="201"/>
        <source>&apos;tarvelle-cli COMMAND --help&apos; shows one command&apos;s options.</source>
        <translation>&apos;tarvelle-cli 命令 --help&apos; 顯示該命令的選項。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="219"/>
        <source>No command given</source>
        <translation>未指定指令</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="236"/>
        <source>--version takes no arguments: %1</source>
        <translation>--version 不接受引數：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="238"/>
        <source>Unknown option: %1</source>
        <translation>未知選項：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="239"/>
        <source>Unknown command: %1</source>
        <translation>未知指令：%1</translation>
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
        <translation>用法：tarvelle-cli 指令 [選項]

指令：
  analyze URL [--json]
      顯示連結的標題、上傳者、長度、格式與字幕；
      --json 改為輸出中繼資料紀錄。
  download [OPTIONS] URL...
      下載連結；未指定的選項使用已儲存的預設值。
      --audio best|mp3|m4a     以此格式下載音訊
      --quality best|2160|1440|1080|720|480
                               下載不超過此高度的影片
      --subs none|original|auto
      --lang CODES             字幕語言，例如 en 或 en,de
      --output DIR             本次執行的輸出資料夾（不變更設定）
      --batch FILE             從 UTF-8 文字檔讀取連結，每行一個
                               （- 表示讀取標準輸入）
  history [--json] [--failed|--success] [--search TEXT]
      列出已結束的下載，最新的在前。
  diagnostics
      檢查隨附的工具並輸出報告。

選項：
  --help, -h   顯示此說明
  --version    顯示版本

結束狀態：0 成功，1 失敗，2 用法錯誤，130 已中斷。
</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="34"/>
        <source>Try &apos;tarvelle-cli --help&apos;.</source>
        <translation>請嘗試 &apos;tarvelle-cli --help&apos;。</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="11"/>
        <source>show this text</source>
        <translation>顯示此說明</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="59"/>
        <source>Unknown option for %1: %2</source>
        <translation>%1 的未知選項：%2</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="78"/>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="81"/>
        <source>%1 needs a value</source>
        <translation>%1 需要一個值</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="115"/>
        <source>Usage: tarvelle-cli %1</source>
        <translation>用法：tarvelle-cli %1</translation>
    </message>
    <message>
        <location filename="../src/cli/CommandOptions.cpp" line="116"/>
        <source>Options:</source>
        <translation>選項：</translation>
    </message>
</context>
<context>
    <name>DiagnosticStatus</name>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="10"/>
        <source>Missing</source>
        <translation>缺少</translation>
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
        <translation>無法執行</translation>
    </message>
</context>
<context>
    <name>DiagnosticsView</name>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="209"/>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="216"/>
        <source>Architecture: %1</source>
        <translation>架構：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="221"/>
        <source>All tools present</source>
        <translation>所有工具皆已就緒</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="225"/>
        <source>Tools missing</source>
        <translation>缺少工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="229"/>
        <source>Manifest</source>
        <translation>清單</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="230"/>
        <source>Present</source>
        <translation>存在</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="230"/>
        <source>Missing</source>
        <translation>缺少</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="231"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="232"/>
        <source>%1 (Build %2)</source>
        <translation>%1（組建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="234"/>
        <source>Application ID</source>
        <translation>應用程式 ID</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="235"/>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="243"/>
        <source>Some required tools are missing. Run scripts/bootstrap-tools.sh and rebuild the app.</source>
        <translation>缺少部分必要的工具。請執行 scripts/bootstrap-tools.sh 並重新建置應用程式。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="254"/>
        <source>Bundled Tools</source>
        <translation>內建工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="266"/>
        <source>Bundled copies ship inside the app and are used in preference to anything on the system PATH.</source>
        <translation>內建副本隨應用程式一併提供，並優先於系統 PATH 中的任何程式使用。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="279"/>
        <source>Diagnostics</source>
        <translation>診斷</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="280"/>
        <source>Bundled tools and runtime information used by the download engine.</source>
        <translation>下載引擎使用的內建工具與執行環境資訊。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="281"/>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="282"/>
        <source>Run Diagnostics</source>
        <translation>執行診斷</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="283"/>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="285"/>
        <source>Running diagnostics…</source>
        <translation>正在執行診斷…</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="286"/>
        <source>No diagnostics yet</source>
        <translation>尚無診斷結果</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="74"/>
        <source>No links to download.</source>
        <translation>沒有要下載的連結。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="80"/>
        <source>Cannot prepare the output folder setting for this run.</source>
        <translation>無法為本次執行準備輸出資料夾設定。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="109"/>
        <source>Interrupted: cancelling the downloads…</source>
        <translation>已中斷：正在取消下載…</translation>
    </message>
</context>
<context>
    <name>DownloadCoordinator</name>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="320"/>
        <source>Download complete</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="322"/>
        <source>Download failed</source>
        <translation>下載失敗</translation>
    </message>
</context>
<context>
    <name>DownloadErrorCategory</name>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="17"/>
        <source>The URL is not a valid http(s) link.</source>
        <translation>此 URL 不是有效的 http(s) 連結。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="19"/>
        <source>This link is not supported.</source>
        <translation>不支援此連結。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="21"/>
        <source>The media is unavailable or does not exist.</source>
        <translation>此媒體無法使用或不存在。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="23"/>
        <source>This media is private.</source>
        <translation>此媒體為私人內容。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="25"/>
        <source>Sign-in is required for this media.</source>
        <translation>此媒體需要登入。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="27"/>
        <source>This media is age restricted.</source>
        <translation>此媒體有年齡限制。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="29"/>
        <source>This media is not available in your region.</source>
        <translation>此媒體在您所在的地區無法使用。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="31"/>
        <source>A bot-verification challenge was encountered.</source>
        <translation>遇到了機器人驗證。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="33"/>
        <source>Too many requests. Please try again later.</source>
        <translation>要求次數過多，請稍後再試。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="35"/>
        <source>A network error occurred.</source>
        <translation>發生網路錯誤。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="37"/>
        <source>The disk is full.</source>
        <translation>磁碟已滿。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="39"/>
        <source>Permission denied writing to the output directory.</source>
        <translation>沒有寫入輸出目錄的權限。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="41"/>
        <source>A required tool (yt-dlp / ffmpeg / deno) is missing.</source>
        <translation>缺少必要的工具（yt-dlp / ffmpeg / deno）。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="43"/>
        <source>A bundled tool failed its integrity check.</source>
        <translation>某個內建工具未通過完整性檢查。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="45"/>
        <source>FFmpeg failed during processing.</source>
        <translation>FFmpeg 處理失敗。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="47"/>
        <source>Merging audio and video failed.</source>
        <translation>合併音訊與影片失敗。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="49"/>
        <source>The download was cancelled.</source>
        <translation>下載已取消。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadErrorCategory.cpp" line="51"/>
        <source>An unknown error occurred.</source>
        <translation>發生未知錯誤。</translation>
    </message>
</context>
<context>
    <name>DownloadsView</name>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="21"/>
        <source>%1 audio</source>
        <translation>%1 音訊</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="22"/>
        <source>%1 video · best audio</source>
        <translation>%1 影片 · 最佳音質</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="64"/>
        <source>No downloads yet</source>
        <translation>尚無下載</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="92"/>
        <source>Add Media</source>
        <translation>新增媒體</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="102"/>
        <source>Link</source>
        <translation>連結</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="103"/>
        <source>Enter a media URL, then press Return or Analyze</source>
        <translation>輸入媒體 URL，然後按 Enter 鍵或「分析」</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="104"/>
        <source>Paste a video or playlist link, then press Return</source>
        <translation>貼上影片或播放清單連結，然後按 Enter 鍵</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="115"/>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="117"/>
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="119"/>
        <source>Download All</source>
        <translation>全部下載</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="120"/>
        <source>Batch…</source>
        <translation>批次…</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="123"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="141"/>
        <source>Analysis error</source>
        <translation>分析錯誤</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="158"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../src/cli/HistoryCommand.cpp" line="93"/>
        <source>No download history.</source>
        <translation>沒有下載紀錄。</translation>
    </message>
</context>
<context>
    <name>HistoryRow</name>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="144"/>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="145"/>
        <source>Reveal</source>
        <translation>顯示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="146"/>
        <source>File missing</source>
        <translation>檔案已遺失</translation>
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
        <translation>失敗</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="38"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="42"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="173"/>
        <source>Clear History</source>
        <translation>清除紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="39"/>
        <source>Clear all download history?</source>
        <translation>要清除所有下載紀錄嗎？</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="41"/>
        <source>This permanently removes every history record. This action cannot be undone.</source>
        <translation>這將永久刪除所有紀錄，且無法復原。</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/history/HistoryView.cpp" line="142"/>
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n 項</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="164"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="165"/>
        <source>Search title</source>
        <translation>搜尋標題</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="166"/>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="174"/>
        <source>No Download History</source>
        <translation>沒有下載紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="174"/>
        <source>Completed and failed downloads will appear here.</source>
        <translation>已完成與失敗的下載會顯示在這裡。</translation>
    </message>
</context>
<context>
    <name>JobListModel</name>
    <message>
        <location filename="../src/ui/jobs/JobListModel.cpp" line="74"/>
        <source>Buttons: %1</source>
        <translation>按鈕：%1</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <location filename="../src/ui/jobs/JobListView.cpp" line="23"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
</context>
<context>
    <name>JobLogText</name>
    <message>
        <location filename="../src/ui/jobs/JobLogText.cpp" line="9"/>
        <source>Log</source>
        <translation>紀錄</translation>
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
        <translation>重試</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="87"/>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="89"/>
        <source>Reveal</source>
        <translation>顯示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="91"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowLayout.cpp" line="19"/>
        <source>Hide Log</source>
        <translation>隱藏紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowLayout.cpp" line="20"/>
        <source>Show Log</source>
        <translation>顯示紀錄</translation>
    </message>
</context>
<context>
    <name>JobStatusInfo</name>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="144"/>
        <source>Queued</source>
        <translation>排隊中</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="146"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="149"/>
        <source>Downloading audio</source>
        <translation>正在下載音訊</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="150"/>
        <source>Downloading video</source>
        <translation>正在下載影片</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="154"/>
        <source>Finalizing</source>
        <translation>正在完成</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="155"/>
        <source>Merging</source>
        <translation>正在合併</translation>
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
        <translation>失敗</translation>
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
        <translation>請僅下載您擁有、獲授權使用或依法允許保存的媒體。本應用程式不會規避 DRM。</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/LegalGateView.cpp" line="48"/>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/LegalGateView.cpp" line="51"/>
        <source>I Understand</source>
        <translation>我了解</translation>
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
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="66"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="67"/>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>MediaKind</name>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="40"/>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="40"/>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
</context>
<context>
    <name>PreviewCard</name>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="65"/>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="107"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="129"/>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="112"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="130"/>
        <source>Quality</source>
        <translation>畫質</translation>
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
        <translation>字幕語言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="140"/>
        <source>Language code (e.g. en, all)</source>
        <translation>語言代碼（例如 en、all）</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="146"/>
        <source>Download</source>
        <translation>下載</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="34"/>
        <source>%1 / estimated %2</source>
        <translation>%1 / 預估 %2</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="49"/>
        <source>ETA %1</source>
        <translation>剩餘 %1</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="76"/>
        <source>Fragment %1 / %2</source>
        <translation>片段 %1 / %2</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="78"/>
        <location filename="../src/engine/ProgressDisplay.cpp" line="91"/>
        <source>About %1%</source>
        <translation>約 %1%</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="85"/>
        <source>Downloading audio</source>
        <translation>正在下載音訊</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="85"/>
        <source>Downloading…</source>
        <translation>正在下載…</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="88"/>
        <source>Total size unknown</source>
        <translation>總大小未知</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="107"/>
        <source>No progress detected</source>
        <translation>未偵測到進度</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="119"/>
        <source>Finalizing</source>
        <translation>正在完成</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="122"/>
        <source>Merging audio and video</source>
        <translation>正在合併音訊與影片</translation>
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
        <translation>無法儲存下載佇列（存放資料的資料夾為唯讀，或其資料庫正被佔用），因此 Tarvelle 結束後這些下載不會保留。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="27"/>
        <source>Another Tarvelle window keeps the download queue, so the downloads in this window won&apos;t be kept after it quits.</source>
        <translation>另一個 Tarvelle 視窗正在保存下載佇列，因此此視窗中的下載在它結束後不會保留。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="30"/>
        <source>The download queue can&apos;t be saved right now; Tarvelle keeps trying. Until it succeeds, recent changes won&apos;t be kept.</source>
        <translation>暫時無法儲存下載佇列，Tarvelle 會繼續嘗試。在成功之前，最近的變更不會保留。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="56"/>
        <source>Clear Them</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="59"/>
        <source>Dismiss</source>
        <translation>關閉提示</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="87"/>
        <source>Restored %n download(s) from the last session.</source>
        <translation>
            <numerusform>已恢復上次工作階段中的 %n 個下載。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/QueueNoticeBar.cpp" line="89"/>
        <source>%n saved download(s) could not be read and were set aside.</source>
        <translation>
            <numerusform>有 %n 個已儲存的下載無法讀取，已被擱置。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemoveJobQuestion</name>
    <message>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="29"/>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="57"/>
        <source>Remove Download?</source>
        <translation>移除下載？</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="30"/>
        <source>%n partial file(s) could not be deleted.</source>
        <translation>
            <numerusform>有 %n 個未完成的檔案無法刪除。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="55"/>
        <source>This download left %n partial file(s) (%1).</source>
        <translation>
            <numerusform>此下載留下了 %n 個未完成的檔案（%1）。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="56"/>
        <source>This download left %n partial file(s) (%1) in %2.</source>
        <translation>
            <numerusform>此下載在 %2 中留下了 %n 個未完成的檔案（%1）。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="60"/>
        <source>Delete them too? Finished files and other downloads&apos; files are never touched.</source>
        <translation>是否一併刪除？已完成的檔案和其他下載的檔案絕不會被更動。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="66"/>
        <source>Remove and Delete Files</source>
        <translation>移除並刪除檔案</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/RemoveJobQuestion.cpp" line="68"/>
        <source>Remove Only</source>
        <translation>僅移除</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="367"/>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="368"/>
        <source>Authentication</source>
        <translation>身分驗證</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="369"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="370"/>
        <source>Behavior</source>
        <translation>行為</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="371"/>
        <source>New downloads are saved to this folder.</source>
        <translation>新的下載會儲存到此資料夾。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="373"/>
        <source>Optional Netscape-format cookies.txt for sites that require login. Cookie contents stay in the selected file.</source>
        <translation>選用：供需要登入的網站使用的 Netscape 格式 cookies.txt。Cookie 內容只保留在所選檔案中。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="374"/>
        <source>Defaults apply to new downloads. Range 1–4; default 2.</source>
        <translation>預設值會套用到新的下載。同時下載數範圍 1–4，預設 2。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="375"/>
        <source>Keep failed tasks retains entries after a download fails so you can inspect the error.</source>
        <translation>開啟「保留失敗的工作」後，下載失敗的項目會保留在列表中，方便查看錯誤。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="376"/>
        <source>Restores every setting above to its default value.</source>
        <translation>將以上所有設定還原為預設值。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="378"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="379"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="380"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="381"/>
        <source>Default output directory</source>
        <translation>預設輸出目錄</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="382"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="385"/>
        <source>Choose…</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="383"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="384"/>
        <source>Cookies file</source>
        <translation>Cookie 檔案</translation>
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
        <translation>媒體類型</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="390"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="391"/>
        <source>Video quality</source>
        <translation>影片畫質</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="392"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="393"/>
        <source>Audio format</source>
        <translation>音訊格式</translation>
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
        <translation>字幕語言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="398"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="399"/>
        <source>Max simultaneous downloads</source>
        <translation>最大同時下載數</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="400"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="401"/>
        <source>Decrease simultaneous downloads</source>
        <translation>減少同時下載數</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="402"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="403"/>
        <source>Increase simultaneous downloads</source>
        <translation>增加同時下載數</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="405"/>
        <source>Notify on download completion</source>
        <translation>下載完成時通知</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="406"/>
        <source>Keep failed tasks in the list</source>
        <translation>在列表中保留失敗的工作</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="407"/>
        <source>Show verbose logs in job details</source>
        <translation>在工作詳細資料中顯示詳細紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="408"/>
        <source>Restore Defaults</source>
        <translation>還原預設值</translation>
    </message>
</context>
<context>
    <name>ShutdownController</name>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="120"/>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="140"/>
        <source>Quit Tarvelle?</source>
        <translation>要結束 Tarvelle 嗎？</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="121"/>
        <source>Downloads are still running or waiting. Quitting stops them.</source>
        <translation>仍有下載正在進行或等待中。結束將停止這些下載。</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="125"/>
        <source>Stop Downloads and Quit</source>
        <translation>停止下載並結束</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="127"/>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="150"/>
        <source>Keep Downloading</source>
        <translation>繼續下載</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="141"/>
        <source>Downloads are still running or waiting. Tarvelle can keep them and continue them the next time it starts.</source>
        <translation>仍有下載正在進行或等待中。Tarvelle 可以保留它們，並在下次啟動時繼續。</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="146"/>
        <source>Keep for Next Time</source>
        <translation>保留到下次</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="148"/>
        <source>Stop and Forget</source>
        <translation>停止並放棄</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="25"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="26"/>
        <source>History</source>
        <translation>紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="27"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="28"/>
        <source>Diagnostics</source>
        <translation>診斷</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/Sidebar.cpp" line="106"/>
        <source>Sections</source>
        <translation>區段</translation>
    </message>
</context>
<context>
    <name>SubtitleMode</name>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="56"/>
        <source>No Subtitles</source>
        <translation>不下載字幕</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="57"/>
        <source>Download Original Subtitles</source>
        <translation>下載原始字幕</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="58"/>
        <source>Download Auto Subtitles</source>
        <translation>下載自動產生的字幕</translation>
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
        <translation>最佳畫質</translation>
    </message>
</context>
</TS>
