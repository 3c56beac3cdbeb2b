<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hant">
<context>
    <name>AboutView</name>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="118"/>
        <source>Run diagnostics to display tool versions.</source>
        <translation>執行診斷以顯示工具版本。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="147"/>
        <source>About Tarvelle</source>
        <translation>關於 Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="148"/>
        <source>Version %1 (Build %2)</source>
        <translation>版本 %1（組建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="149"/>
        <source>Bundled tools</source>
        <translation>內建工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="150"/>
        <source>Third-Party Notices</source>
        <translation>第三方聲明</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="151"/>
        <source>Legal</source>
        <translation>法律資訊</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="152"/>
        <source>Open-Source Licenses</source>
        <translation>開放原始碼授權</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="153"/>
        <source>This application does not bypass DRM. Download only media you own, are authorized to use, or are legally permitted to save.</source>
        <translation>本應用程式不會規避 DRM。請僅下載您擁有、獲授權使用或依法允許保存的媒體。</translation>
    </message>
</context>
<context>
    <name>AdvancedOptionsForm</name>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="79"/>
        <source>Sample video title</source>
        <translation>範例影片標題</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="80"/>
        <source>Sample channel</source>
        <translation>範例頻道</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="395"/>
        <source>Clear the cookies file under Authentication to use a browser&apos;s cookies instead.</source>
        <translation>若要改用瀏覽器的 Cookie，請先清除「身分驗證」中的 Cookie 檔案。</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="398"/>
        <source>For this download, the browser&apos;s cookies replace the cookies file.</source>
        <translation>本次下載會以瀏覽器的 Cookie 取代 Cookie 檔案。</translation>
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
        <translation>速度單位</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="419"/>
        <source>Proxy</source>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="420"/>
        <source>No proxy</source>
        <translation>不使用代理伺服器</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="421"/>
        <source>Cookies from browser</source>
        <translation>來自瀏覽器的 Cookie</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="422"/>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="447"/>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="423"/>
        <source>Default profile</source>
        <translation>預設設定檔</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="424"/>
        <source>Browser profile</source>
        <translation>瀏覽器設定檔</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="425"/>
        <source>Embed</source>
        <translation>嵌入</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="426"/>
        <source>Metadata</source>
        <translation>中繼資料</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="427"/>
        <source>Thumbnail</source>
        <translation>縮圖</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="428"/>
        <source>Chapters</source>
        <translation>章節</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="429"/>
        <source>Subtitles</source>
        <translation>字幕</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="430"/>
        <source>Thumbnails go into videos and into MP3 and M4A audio; subtitles into videos.</source>
        <translation>縮圖會嵌入影片以及 MP3 和 M4A 音訊；字幕只嵌入影片。</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="431"/>
        <source>Mark segments</source>
        <translation>標記片段</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="432"/>
        <source>Remove segments</source>
        <translation>移除片段</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="433"/>
        <source>Segments of videos that SponsorBlock users marked, as chapters or cut out.</source>
        <translation>SponsorBlock 使用者標記的影片片段，可標記為章節或直接剪除。</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="435"/>
        <source>Time range</source>
        <translation>時間範圍</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="436"/>
        <source>Start (m:ss)</source>
        <translation>開始（m:ss）</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="437"/>
        <source>Start of the time range</source>
        <translation>時間範圍的開始</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="438"/>
        <source>End (empty: to the end)</source>
        <translation>結束（留空：到結尾）</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="439"/>
        <source>End of the time range</source>
        <translation>時間範圍的結束</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="441"/>
        <source>File name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="442"/>
        <source>Default name</source>
        <translation>預設名稱</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="443"/>
        <source>Example</source>
        <translation>範例</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="443"/>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="444"/>
        <source>Also save one file per chapter</source>
        <translation>另外為每個章節儲存一個檔案</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="445"/>
        <source>Concurrent fragments</source>
        <translation>同時下載的片段數</translation>
    </message>
    <message>
        <location filename="../src/ui/options/AdvancedOptionsForm.cpp" line="446"/>
        <source>Extra yt-dlp arguments</source>
        <translation>額外的 yt-dlp 參數</translation>
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
    <name>CategoryPicker</name>
    <message>
        <location filename="../src/ui/options/CategoryPicker.cpp" line="64"/>
        <source>None</source>
        <translation>無</translation>
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
        <translation>%1 的值無效：&apos;%2&apos;（應為 %3）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="72"/>
        <source>Show a link&apos;s title, uploader, duration, formats and subtitles.</source>
        <translation>顯示連結的標題、上傳者、時長、格式和字幕。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="73"/>
        <source>print the metadata record as JSON</source>
        <translation>以 JSON 輸出中繼資料記錄</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="78"/>
        <source>analyze needs exactly one URL</source>
        <translation>analyze 需要且只需要一個 URL</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="86"/>
        <source>Download links with the saved defaults for any option not given.</source>
        <translation>下載連結；未指定的選項使用已儲存的預設值。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="89"/>
        <source>download the audio in this format</source>
        <translation>以此格式下載音訊</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="91"/>
        <source>download video up to this height</source>
        <translation>下載不超過此高度的影片</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="92"/>
        <source>subtitles to fetch</source>
        <translation>要取得的字幕</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="93"/>
        <source>subtitle languages, e.g. en or en,de</source>
        <translation>字幕語言，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="95"/>
        <source>folder for this run (settings unchanged)</source>
        <translation>本次執行的輸出資料夾（不修改設定）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="97"/>
        <source>links from a UTF-8 text file, one per line (- reads standard input)</source>
        <translation>從 UTF-8 文字檔讀取連結，每行一個（- 表示讀取標準輸入）</translation>
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
        <translation>語言代碼，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="120"/>
        <source>a folder</source>
        <translation>一個資料夾</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="122"/>
        <source>a file or -</source>
        <translation>一個檔案或 -</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="131"/>
        <source>--audio and --quality exclude each other</source>
        <translation>--audio 與 --quality 不能同時使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="133"/>
        <source>download needs at least one URL or --batch</source>
        <translation>download 需要至少一個 URL 或 --batch</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="140"/>
        <source>List finished downloads, newest first.</source>
        <translation>列出已結束的下載，最新的在前。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="142"/>
        <source>print the records as JSON</source>
        <translation>以 JSON 輸出記錄</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="143"/>
        <source>only failed downloads</source>
        <translation>僅失敗的下載</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="144"/>
        <source>only completed downloads</source>
        <translation>僅已完成的下載</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="146"/>
        <source>only records whose title or link contains TEXT</source>
        <translation>僅標題或連結包含 TEXT 的記錄</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="151"/>
        <source>history takes no arguments: %1</source>
        <translation>history 不接受參數：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="155"/>
        <source>--failed and --success exclude each other</source>
        <translation>--failed 與 --success 不能同時使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="166"/>
        <source>Check the shipped tools and print the report.</source>
        <translation>檢查隨附的工具並輸出報告。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="170"/>
        <source>diagnostics takes no arguments: %1</source>
        <translation>diagnostics 不接受參數：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="203"/>
        <source>&apos;tarvelle-cli COMMAND --help&apos; shows one command&apos;s options.</source>
        <translation>&apos;tarvelle-cli 命令 --help&apos; 顯示該命令的選項。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="221"/>
        <source>No command given</source>
        <translation>未指定指令</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="238"/>
        <source>--version takes no arguments: %1</source>
        <translation>--version 不接受引數：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="240"/>
        <source>Unknown option: %1</source>
        <translation>未知選項：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="241"/>
        <source>Unknown command: %1</source>
        <translation>未知指令：%1</translation>
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
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="59"/>
        <source>at most this speed per second, e.g. 500K or 2M; none for no limit</source>
        <translation>每秒最多下載這麼多，例如 500K 或 2M；none 表示不限速</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="61"/>
        <source>proxy for every request (http, https, socks4, socks5 URL); none for no proxy</source>
        <translation>所有請求都經過的代理伺服器（http、https、socks4、socks5 URL）；none 表示不使用代理伺服器</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="65"/>
        <source>cookies of firefox, chromium, chrome, brave, edge, opera or vivaldi, in place of the cookies file; none to use the cookies file</source>
        <translation>使用 firefox、chromium、chrome、brave、edge、opera 或 vivaldi 的 Cookie 取代 Cookie 檔案；none 表示使用 Cookie 檔案</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="69"/>
        <source>what to embed into the file: metadata, thumbnail, chapters, subs (comma separated), all or none</source>
        <translation>要嵌入檔案的內容：metadata、thumbnail、chapters、subs（以逗號分隔）、all 或 none</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="73"/>
        <source>SponsorBlock categories to mark as chapters (comma separated), all or none</source>
        <translation>要標記為章節的 SponsorBlock 類別（以逗號分隔）、all 或 none</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="76"/>
        <source>SponsorBlock categories to cut out (comma separated), all or none</source>
        <translation>要剪除的 SponsorBlock 類別（以逗號分隔）、all 或 none</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="79"/>
        <source>only this part, times as mm:ss or hh:mm:ss, e.g. 1:30-2:45 (either side may be left out)</source>
        <translation>只下載這一段，時間格式為 mm:ss 或 hh:mm:ss，例如 1:30-2:45（任一端可省略）</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="83"/>
        <source>file name template of yt-dlp, e.g. &apos;%(title)s.%(ext)s&apos;; default for the usual name</source>
        <translation>yt-dlp 的檔名範本，例如 &apos;%(title)s.%(ext)s&apos;；default 表示一般的名稱</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="86"/>
        <source>also one file per chapter</source>
        <translation>另外為每個章節產生一個檔案</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="87"/>
        <source>no file per chapter</source>
        <translation>不為章節另外產生檔案</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="88"/>
        <source>fragments fetched at the same time, 1 to 16</source>
        <translation>同時取得的片段數，1 到 16</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="91"/>
        <source>further yt-dlp arguments, quoted as for a shell; options that run programs or change yt-dlp&apos;s configuration are refused</source>
        <translation>其他 yt-dlp 參數，依 shell 的方式加上引號；會執行程式或變更 yt-dlp 設定的選項會被拒絕</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="114"/>
        <source>give a proxy URL, or none</source>
        <translation>請提供代理伺服器 URL，或 none</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="140"/>
        <source>give a template, or default</source>
        <translation>請提供範本，或 default</translation>
    </message>
    <message>
        <location filename="../src/cli/AdvancedFlags.cpp" line="151"/>
        <source>--split-chapters and --no-split-chapters exclude each other</source>
        <translation>--split-chapters 與 --no-split-chapters 不能同時使用</translation>
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
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="34"/>
        <source>Verified</source>
        <translation>已驗證</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="35"/>
        <source>Mismatch</source>
        <translation>不符</translation>
    </message>
</context>
<context>
    <name>DiagnosticsView</name>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="211"/>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="218"/>
        <source>Architecture: %1</source>
        <translation>架構：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="223"/>
        <source>All tools present</source>
        <translation>所有工具皆已就緒</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="227"/>
        <source>Tools missing</source>
        <translation>缺少工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="231"/>
        <source>Manifest</source>
        <translation>清單</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="232"/>
        <source>Present</source>
        <translation>存在</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="232"/>
        <source>Missing</source>
        <translation>缺少</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="233"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="234"/>
        <source>%1 (Build %2)</source>
        <translation>%1（組建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="236"/>
        <source>Application ID</source>
        <translation>應用程式 ID</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="237"/>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="245"/>
        <source>Some required tools are missing. Run scripts/bootstrap-tools.sh and rebuild the app.</source>
        <translation>缺少部分必要的工具。請執行 scripts/bootstrap-tools.sh 並重新建置應用程式。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="256"/>
        <source>Bundled Tools</source>
        <translation>內建工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="268"/>
        <source>Bundled copies ship inside the app and are used in preference to anything on the system PATH.</source>
        <translation>內建副本隨應用程式一併提供，並優先於系統 PATH 中的任何程式使用。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="281"/>
        <source>Diagnostics</source>
        <translation>診斷</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="282"/>
        <source>Bundled tools and runtime information used by the download engine.</source>
        <translation>下載引擎使用的內建工具與執行環境資訊。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="283"/>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="284"/>
        <source>Run Diagnostics</source>
        <translation>執行診斷</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="285"/>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="287"/>
        <source>Running diagnostics…</source>
        <translation>正在執行診斷…</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="288"/>
        <source>No diagnostics yet</source>
        <translation>尚無診斷結果</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="76"/>
        <source>No links to download.</source>
        <translation>沒有要下載的連結。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="82"/>
        <source>Cannot prepare the output folder setting for this run.</source>
        <translation>無法為本次執行準備輸出資料夾設定。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="111"/>
        <source>Interrupted: cancelling the downloads…</source>
        <translation>已中斷：正在取消下載…</translation>
    </message>
</context>
<context>
    <name>DownloadCoordinator</name>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="328"/>
        <source>Download complete</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="330"/>
        <source>Download failed</source>
        <translation>下載失敗</translation>
    </message>
    <message>
        <location filename="../src/engine/FailureSummary.cpp" line="11"/>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location filename="../src/engine/FailureSummary.cpp" line="12"/>
        <source>Required tool (yt-dlp / ffmpeg) is missing.</source>
        <translation>缺少必要的工具（yt-dlp / ffmpeg）。</translation>
    </message>
    <message>
        <location filename="../src/engine/FailureSummary.cpp" line="13"/>
        <source>Cannot create output directory: %1</source>
        <translation>無法建立輸出目錄：%1</translation>
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
    <name>DownloadOptionCheck</name>
    <message>
        <location filename="../src/engine/AdvancedOptions.cpp" line="23"/>
        <source>&quot;%1&quot; cannot be embedded; use metadata, thumbnail, chapters, subs, all or none.</source>
        <translation>無法嵌入「%1」；請使用 metadata、thumbnail、chapters、subs、all 或 none。</translation>
    </message>
    <message>
        <location filename="../src/engine/AdvancedOptions.cpp" line="35"/>
        <source>Concurrent fragments are a whole number from 1 to %1.</source>
        <translation>同時下載的片段數應為 1 到 %1 的整數。</translation>
    </message>
    <message>
        <location filename="../src/engine/BrowserCookies.cpp" line="71"/>
        <source>Name one of these browsers: %1.</source>
        <translation>請指定下列瀏覽器之一：%1。</translation>
    </message>
    <message>
        <location filename="../src/engine/BrowserCookies.cpp" line="82"/>
        <source>A browser profile cannot hold &quot;::&quot; or line breaks.</source>
        <translation>瀏覽器設定檔名稱不能包含「::」或換行。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="45"/>
        <source>Proxy</source>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="46"/>
        <source>Speed limit</source>
        <translation>限速</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="48"/>
        <source>Concurrent fragments</source>
        <translation>同時下載的片段數</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="49"/>
        <source>Cookies file</source>
        <translation>Cookie 檔案</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="51"/>
        <source>Cookies from browser</source>
        <translation>來自瀏覽器的 Cookie</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="53"/>
        <source>Embed</source>
        <translation>嵌入</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="54"/>
        <source>Mark segments</source>
        <translation>標記片段</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="56"/>
        <source>Remove segments</source>
        <translation>移除片段</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="57"/>
        <source>Time range</source>
        <translation>時間範圍</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="59"/>
        <source>Also save one file per chapter</source>
        <translation>另外為每個章節儲存一個檔案</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="78"/>
        <source>%1 runs other programs or code, which Tarvelle does not pass on.</source>
        <translation>%1 會執行其他程式或程式碼，Tarvelle 不會傳遞它。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="80"/>
        <source>%1 changes where or how yt-dlp reads its configuration.</source>
        <translation>%1 會改變 yt-dlp 讀取設定的位置或方式。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="82"/>
        <source>%1 decides where the file goes or what it is called: the output folder and the file name template do that.</source>
        <translation>%1 會決定檔案的位置或名稱，而這應由輸出資料夾和檔名範本決定。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="86"/>
        <source>%1 would keep yt-dlp from downloading.</source>
        <translation>%1 會讓 yt-dlp 不進行下載。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="88"/>
        <source>%1 would replace the yt-dlp that comes with Tarvelle.</source>
        <translation>%1 會取代 Tarvelle 隨附的 yt-dlp。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="90"/>
        <source>%1 would make yt-dlp fetch other links than this one.</source>
        <translation>%1 會讓 yt-dlp 取得此連結以外的其他連結。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="92"/>
        <source>%1 would hide the progress Tarvelle follows.</source>
        <translation>%1 會隱藏 Tarvelle 追蹤的進度。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="94"/>
        <source>%1 has a setting of its own: use &quot;%2&quot;.</source>
        <translation>%1 有專屬的設定：請使用「%2」。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="133"/>
        <source>%1 takes no value.</source>
        <translation>%1 不接受值。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="138"/>
        <source>%1 needs a value.</source>
        <translation>%1 需要一個值。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="139"/>
        <source>%1 needs %2 values.</source>
        <translation>%1 需要 %2 個值。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="165"/>
        <source>&quot;--&quot; would make yt-dlp take every word after it for a link.</source>
        <translation>「--」會讓 yt-dlp 把其後的每個字都當成連結。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="173"/>
        <location filename="../src/engine/ExtraArguments.cpp" line="190"/>
        <source>yt-dlp has no option %1.</source>
        <translation>yt-dlp 沒有 %1 選項。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="178"/>
        <source>%1 could mean %2: write the option out in full.</source>
        <translation>%1 可能是指 %2：請寫出完整的選項名稱。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="199"/>
        <source>&quot;%1&quot; is no option: yt-dlp would take it for a link.</source>
        <translation>「%1」不是選項：yt-dlp 會把它當成連結。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="146"/>
        <source>A file name template cannot hold line breaks.</source>
        <translation>檔名範本不能包含換行。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="153"/>
        <source>&quot;%1&quot; is no field: write fields as %(name)s, as in %(title)s, and a percent sign as %%.</source>
        <translation>「%1」不是欄位：欄位寫作 %(name)s，例如 %(title)s；百分比符號寫作 %%。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="157"/>
        <source>A field of the template names nothing: %()s.</source>
        <translation>範本中的欄位沒有名稱：%()s。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="162"/>
        <source>End the template with .%(ext)s, so the file keeps its type.</source>
        <translation>範本須以 .%(ext)s 結尾，檔案才能保留其類型。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="165"/>
        <source>The template names a file inside the output folder: do not start it with / or ~.</source>
        <translation>範本命名的是輸出資料夾中的檔案：不要以 / 或 ~ 開頭。</translation>
    </message>
    <message>
        <location filename="../src/engine/OutputTemplate.cpp" line="168"/>
        <source>The template names a file inside the output folder: &quot;..&quot; would leave it.</source>
        <translation>範本命名的是輸出資料夾中的檔案：「..」會跳出該資料夾。</translation>
    </message>
    <message>
        <location filename="../src/engine/ProxyAddress.cpp" line="19"/>
        <source>A proxy starts with http://, https://, socks4://, socks4a://, socks5:// or socks5h://, as in socks5://127.0.0.1:1080.</source>
        <translation>代理伺服器位址應以 http://、https://、socks4://、socks4a://、socks5:// 或 socks5h:// 開頭，例如 socks5://127.0.0.1:1080。</translation>
    </message>
    <message>
        <location filename="../src/engine/ProxyAddress.cpp" line="29"/>
        <source>The proxy port must be a number from 1 to 65535.</source>
        <translation>代理伺服器連接埠必須是 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <location filename="../src/engine/ProxyAddress.cpp" line="34"/>
        <source>The proxy needs a host, as in http://proxy.example:3128.</source>
        <translation>代理伺服器位址需要主機名稱，例如 http://proxy.example:3128。</translation>
    </message>
    <message>
        <location filename="../src/engine/ProxyAddress.cpp" line="37"/>
        <source>A proxy address ends after its host and port; remove what follows them.</source>
        <translation>代理伺服器位址在主機與連接埠之後結束；請刪除其後的內容。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="44"/>
        <source>A quote (&apos;) is not closed.</source>
        <translation>引號（&apos;）沒有閉合。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="58"/>
        <location filename="../src/engine/ShellWords.cpp" line="82"/>
        <source>Put %1 in single quotes or after a backslash: a shell would expand it.</source>
        <translation>請把 %1 放在單引號中或反斜線之後：shell 會展開它。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="65"/>
        <source>A quote (&quot;) is not closed.</source>
        <translation>引號（&quot;）沒有閉合。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="70"/>
        <source>The text ends with a backslash.</source>
        <translation>文字以反斜線結尾。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="79"/>
        <source>Put %1 in quotes: a shell would read it as an operator.</source>
        <translation>請把 %1 放在引號中：shell 會把它當成運算子。</translation>
    </message>
    <message>
        <location filename="../src/engine/ShellWords.cpp" line="85"/>
        <source>Put # in quotes: a shell would read the rest as a comment.</source>
        <translation>請把 # 放在引號中：shell 會把其後的內容當成註解。</translation>
    </message>
    <message>
        <location filename="../src/engine/SpeedLimit.cpp" line="19"/>
        <source>Give a speed such as 500K or 2M (kilobytes or megabytes per second).</source>
        <translation>請提供速度，例如 500K 或 2M（每秒 KB 或 MB）。</translation>
    </message>
    <message>
        <location filename="../src/engine/SpeedLimit.cpp" line="33"/>
        <source>A speed limit must be at least 1 KB/s; choose &quot;No limit&quot; for none.</source>
        <translation>限速至少為 1 KB/s；不需要限速時請選擇「不限速」。</translation>
    </message>
    <message>
        <location filename="../src/engine/SpeedLimit.cpp" line="35"/>
        <source>A speed limit can be at most %1 %2.</source>
        <translation>限速最多為 %1 %2。</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="18"/>
        <source>Sponsor</source>
        <translation>贊助</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="19"/>
        <source>Intermission or intro</source>
        <translation>過場或片頭</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="20"/>
        <source>Endcards or credits</source>
        <translation>片尾或致謝名單</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="21"/>
        <source>Self promotion</source>
        <translation>自我宣傳</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="22"/>
        <source>Preview or recap</source>
        <translation>預告或回顧</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="23"/>
        <source>Filler tangent</source>
        <translation>離題內容</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="24"/>
        <source>Interaction reminder</source>
        <translation>互動提醒</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="25"/>
        <source>Non-music section</source>
        <translation>非音樂部分</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="26"/>
        <source>Highlight</source>
        <translation>精華片段</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="27"/>
        <source>Chapter</source>
        <translation>章節</translation>
    </message>
    <message>
        <location filename="../src/engine/SponsorBlock.cpp" line="69"/>
        <source>&quot;%1&quot; is no SponsorBlock category here; use %2, all or none.</source>
        <translation>「%1」不是此處可用的 SponsorBlock 類別；請使用 %2、all 或 none。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="45"/>
        <source>Give the range as START-END, as in 1:30-2:45; leave out either side to begin at the start or run to the end.</source>
        <translation>請以 START-END 的形式提供範圍，例如 1:30-2:45；省略開始表示從頭開始，省略結束表示到結尾。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="54"/>
        <source>&quot;%1&quot; is no time: write mm:ss or hh:mm:ss, as in 1:30 or 1:02:03.</source>
        <translation>「%1」不是時間：請寫成 mm:ss 或 hh:mm:ss，例如 1:30 或 1:02:03。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="57"/>
        <source>Give a start, an end or both.</source>
        <translation>請提供開始、結束或兩者。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="70"/>
        <source>The end must come after the start.</source>
        <translation>結束時間必須晚於開始時間。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="74"/>
        <source>This range is the whole medium: leave the time range empty instead.</source>
        <translation>此範圍就是整個媒體：請改為將時間範圍留空。</translation>
    </message>
    <message>
        <location filename="../src/engine/TimeRange.cpp" line="79"/>
        <source>The medium is %1 long; the range must lie within it.</source>
        <translation>該媒體長 %1；範圍必須在其之內。</translation>
    </message>
</context>
<context>
    <name>DownloadsView</name>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="34"/>
        <source>%1 audio</source>
        <translation>%1 音訊</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="35"/>
        <source>%1 video · best audio</source>
        <translation>%1 影片 · 最佳音質</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="63"/>
        <source>No downloads yet</source>
        <translation>尚無下載</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="91"/>
        <source>Add Media</source>
        <translation>新增媒體</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="101"/>
        <source>Link</source>
        <translation>連結</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="102"/>
        <source>Enter a media URL, then press Return or Analyze</source>
        <translation>輸入媒體 URL，然後按 Enter 鍵或「分析」</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="103"/>
        <source>Paste a video or playlist link, then press Return</source>
        <translation>貼上影片或播放清單連結，然後按 Enter 鍵</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="114"/>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="116"/>
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="118"/>
        <source>Download All</source>
        <translation>全部下載</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="119"/>
        <source>Batch…</source>
        <translation>批次…</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="122"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="145"/>
        <source>Analysis error</source>
        <translation>分析錯誤</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="162"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../src/cli/HistoryCommand.cpp" line="96"/>
        <source>No download history.</source>
        <translation>沒有下載紀錄。</translation>
    </message>
</context>
<context>
    <name>HistoryRow</name>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="195"/>
        <location filename="../src/ui/history/HistoryRow.cpp" line="214"/>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="196"/>
        <location filename="../src/ui/history/HistoryRow.cpp" line="215"/>
        <source>Reveal</source>
        <translation>顯示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="199"/>
        <location filename="../src/ui/history/HistoryRow.cpp" line="217"/>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="200"/>
        <location filename="../src/ui/history/HistoryRow.cpp" line="218"/>
        <source>Copy Link</source>
        <translation>複製連結</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryRow.cpp" line="216"/>
        <source>File missing</source>
        <translation>檔案已遺失</translation>
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
        <translation>失敗</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="43"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="47"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="200"/>
        <source>Clear History</source>
        <translation>清除紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="44"/>
        <source>Clear all download history?</source>
        <translation>要清除所有下載紀錄嗎？</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="46"/>
        <source>This permanently removes every history record. This action cannot be undone.</source>
        <translation>這將永久刪除所有紀錄，且無法復原。</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/history/HistoryView.cpp" line="156"/>
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n 項</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="156"/>
        <source>%1 of %2</source>
        <translation>共 %2 項，顯示 %1 項</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="160"/>
        <source>No matches</source>
        <translation>沒有相符的結果</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="160"/>
        <source>No download matches the filter and search.</source>
        <translation>沒有下載紀錄符合篩選與搜尋條件。</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="191"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="192"/>
        <source>Search title</source>
        <translation>搜尋標題</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="193"/>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="158"/>
        <source>No Download History</source>
        <translation>沒有下載紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="158"/>
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
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="86"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="88"/>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="90"/>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="92"/>
        <source>Reveal</source>
        <translation>顯示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="94"/>
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
        <location filename="../src/ui/shell/MainWindow.cpp" line="71"/>
        <source>Tarvelle</source>
        <translation>Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="72"/>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="73"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="74"/>
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
    <name>OpenFailureMessage</name>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="18"/>
        <source>Cannot Show in Folder</source>
        <translation>無法在資料夾中顯示</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="19"/>
        <source>Cannot Open</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="20"/>
        <source>No file manager is set up to show “%1”.</source>
        <translation>沒有可以顯示「%1」的檔案管理員。</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="23"/>
        <source>No application is set up to open “%1”.</source>
        <translation>沒有可以開啟「%1」的應用程式。</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="30"/>
        <source>Install a file manager, or open the folder yourself.</source>
        <translation>請安裝檔案管理員，或自行開啟該資料夾。</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/OpenFailureMessage.cpp" line="32"/>
        <source>Choose a default application for this kind of file in the desktop&apos;s settings.</source>
        <translation>請在桌面設定中為此類檔案選擇預設應用程式。</translation>
    </message>
</context>
<context>
    <name>PreviewCard</name>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="68"/>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="110"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="139"/>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="115"/>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="140"/>
        <source>Quality</source>
        <translation>畫質</translation>
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
        <translation>字幕語言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="145"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="152"/>
        <source>More options</source>
        <translation>更多選項</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="230"/>
        <source>None offered by this link</source>
        <translation>此連結未提供</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="170"/>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/SubtitleLanguages.cpp" line="30"/>
        <source>All languages</source>
        <translation>所有語言</translation>
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
    <name>SettingsView</name>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="138"/>
        <source>Restore every setting to its default value?</source>
        <translation>要將所有設定還原為預設值嗎？</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="141"/>
        <source>The language, the output folder, the cookies file and every download default go back to how they were at first. The download history is kept.</source>
        <translation>語言、輸出資料夾、Cookie 檔案和所有下載預設值都會還原為最初的狀態。下載紀錄會保留。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="398"/>
        <source>Choose None under Cookies from browser to use a cookies file instead.</source>
        <translation>若要改用 Cookie 檔案，請在「來自瀏覽器的 Cookie」中選擇「無」。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="446"/>
        <source>Enter the full path of a folder, starting with /.</source>
        <translation>請輸入資料夾的完整路徑，以 / 開頭。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="449"/>
        <source>“%1” is a file, not a folder.</source>
        <translation>「%1」是檔案，不是資料夾。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="452"/>
        <source>Downloads cannot be saved here: “%1” is not writable.</source>
        <translation>無法儲存到此處：「%1」無法寫入。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="455"/>
        <source>The folder in use stays “%1”.</source>
        <translation>仍使用資料夾「%1」。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="495"/>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="496"/>
        <source>Authentication</source>
        <translation>身分驗證</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="497"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="498"/>
        <source>Behavior</source>
        <translation>行為</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="499"/>
        <source>Advanced</source>
        <translation>進階</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="500"/>
        <source>New downloads are saved to this folder.</source>
        <translation>新的下載會儲存到此資料夾。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="502"/>
        <source>Optional Netscape-format cookies.txt for sites that require login. Cookie contents stay in the selected file.</source>
        <translation>選用：供需要登入的網站使用的 Netscape 格式 cookies.txt。Cookie 內容只保留在所選檔案中。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="503"/>
        <source>Defaults apply to new downloads. Range 1–4; default 2.</source>
        <translation>預設值會套用到新的下載。同時下載數範圍 1–4，預設 2。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="504"/>
        <source>Keep failed tasks retains entries after a download fails so you can inspect the error.</source>
        <translation>開啟「保留失敗的工作」後，下載失敗的項目會保留在列表中，方便查看錯誤。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="505"/>
        <source>Defaults for new downloads; &quot;More options&quot; on the preview card changes them for one download.</source>
        <translation>新下載的預設值；預覽卡片上的「更多選項」可為單次下載變更它們。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="507"/>
        <source>Restores every setting above to its default value.</source>
        <translation>將以上所有設定還原為預設值。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="509"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="510"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="511"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="512"/>
        <source>Default output directory</source>
        <translation>預設輸出目錄</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="513"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="516"/>
        <source>Choose…</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="514"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="515"/>
        <source>Cookies file</source>
        <translation>Cookie 檔案</translation>
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
        <translation>媒體類型</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="521"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="522"/>
        <source>Video quality</source>
        <translation>影片畫質</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="523"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="524"/>
        <source>Audio format</source>
        <translation>音訊格式</translation>
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
        <translation>字幕語言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="529"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="530"/>
        <source>Max simultaneous downloads</source>
        <translation>最大同時下載數</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="531"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="532"/>
        <source>Decrease simultaneous downloads</source>
        <translation>減少同時下載數</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="533"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="534"/>
        <source>Increase simultaneous downloads</source>
        <translation>增加同時下載數</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="536"/>
        <source>Notify on download completion</source>
        <translation>下載完成時通知</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="537"/>
        <source>Keep failed tasks in the list</source>
        <translation>在列表中保留失敗的工作</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="538"/>
        <source>Show verbose logs in job details</source>
        <translation>在工作詳細資料中顯示詳細紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="138"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="143"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="539"/>
        <source>Restore Defaults</source>
        <translation>還原預設值</translation>
    </message>
</context>
<context>
    <name>ShutdownController</name>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="99"/>
        <source>Quit Tarvelle?</source>
        <translation>要結束 Tarvelle 嗎？</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="100"/>
        <source>Downloads are still running or waiting. Quitting stops them.</source>
        <translation>仍有下載正在進行或等待中。結束將停止這些下載。</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="104"/>
        <source>Stop Downloads and Quit</source>
        <translation>停止下載並結束</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ShutdownController.cpp" line="106"/>
        <source>Keep Downloading</source>
        <translation>繼續下載</translation>
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
        <translation>最佳畫質</translation>
    </message>
</context>
</TS>
