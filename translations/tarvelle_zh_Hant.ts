<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hant">
<context>
    <name>AboutView</name>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="120"/>
        <source>Run diagnostics to display tool versions.</source>
        <translation>執行診斷以顯示工具版本。</translation>
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
        <translation>關於 Tarvelle</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="169"/>
        <source>Version %1 (Build %2)</source>
        <translation>版本 %1（組建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="170"/>
        <source>Bundled tools</source>
        <translation>內建工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="171"/>
        <source>Third-Party Notices</source>
        <translation>第三方聲明</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="172"/>
        <source>Legal</source>
        <translation>法律資訊</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="173"/>
        <source>Open-Source Licenses</source>
        <translation>開放原始碼授權</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/AboutView.cpp" line="174"/>
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
        <location filename="../src/cli/AnalyzeCommand.cpp" line="89"/>
        <source>Title: %1</source>
        <translation>標題：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="90"/>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="111"/>
        <source>Uploader: %1</source>
        <translation>上傳者：%1</translation>
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
        <translation>長度：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="92"/>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="112"/>
        <source>Link: %1</source>
        <translation>連結：%1</translation>
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
        <translation>自動字幕：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="110"/>
        <source>List: %1</source>
        <translation>清單：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="113"/>
        <source>Entries: %1</source>
        <translation>項目：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp" line="120"/>
        <source>The link itself is entry %1 of this list.</source>
        <translation>此連結本身是該清單的第 %1 個項目。</translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp"/>
        <source>Entry %1 of “%2” (1 entry)</source>
        <translation>「%2」中的第 %1 個項目（共 1 個項目）</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/AnalyzeCommand.cpp"/>
        <source>Entry %1 of “%2” (%n entries)</source>
        <translation>
            <numerusform>「%2」中的第 %1 個項目（共 %n 個項目）</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/AnalyzeCommand.cpp"/>
        <source>List link: %1</source>
        <translation>清單連結：%1</translation>
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
    <name>BackgroundUpdateCheck</name>
    <message>
        <location filename="../src/app/main.cpp" line="110"/>
        <source>A newer yt-dlp is available</source>
        <translation>有更新的 yt-dlp 可用</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="111"/>
        <source>yt-dlp %1 can be installed from Diagnostics.</source>
        <translation>可在「診斷」中安裝 yt-dlp %1。</translation>
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
    <name>BatchFile</name>
    <message>
        <location filename="../src/batch/BatchFile.cpp" line="53"/>
        <source>Not a regular file</source>
        <translation>不是一般檔案</translation>
    </message>
    <message>
        <location filename="../src/batch/BatchFile.cpp" line="69"/>
        <source>Larger than %1 MiB</source>
        <translation>大於 %1 MiB</translation>
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
        <location filename="../src/cli/CliArguments.cpp" line="75"/>
        <source>for a video opened inside a list, list the whole list instead</source>
        <translation>對於在清單中開啟的影片，改為列出整個清單</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="80"/>
        <source>analyze needs exactly one URL</source>
        <translation>analyze 需要且只需要一個 URL</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="90"/>
        <source>Download links with the saved defaults for any option not given.</source>
        <translation>下載連結；未指定的選項使用已儲存的預設值。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="93"/>
        <source>download the audio in this format</source>
        <translation>以此格式下載音訊</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="95"/>
        <source>download video up to this height</source>
        <translation>下載不超過此高度的影片</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="96"/>
        <source>subtitles to fetch</source>
        <translation>要取得的字幕</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="97"/>
        <source>subtitle languages, e.g. en or en,de</source>
        <translation>字幕語言，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="99"/>
        <source>folder for this run (settings unchanged)</source>
        <translation>本次執行的輸出資料夾（不修改設定）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="101"/>
        <source>links from a UTF-8 text file, one per line (- reads standard input)</source>
        <translation>從 UTF-8 文字檔讀取連結，每行一個（- 表示讀取標準輸入）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="103"/>
        <source>queue the links in the running Tarvelle window, with its default options</source>
        <translation>將連結加入正在執行的 Tarvelle 視窗的佇列，使用其預設選項</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="104"/>
        <source>download the entries of the list the one link opens</source>
        <translation>下載該連結開啟的清單中的項目</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="106"/>
        <source>with --playlist: only these entries, e.g. 1-5,7</source>
        <translation>配合 --playlist：只下載這些項目，例如 1-5,7</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="108"/>
        <source>with --playlist: skip entries the download archive shows as downloaded before</source>
        <translation>配合 --playlist：略過下載封存中記錄為已下載的項目</translation>
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
        <translation>語言代碼，例如 en 或 en,de</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="131"/>
        <source>a folder</source>
        <translation>一個資料夾</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="133"/>
        <source>a file or -</source>
        <translation>一個檔案或 -</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="135"/>
        <source>entries such as 1-5,7</source>
        <translation>項目，例如 1-5,7</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="144"/>
        <source>--audio and --quality exclude each other</source>
        <translation>--audio 與 --quality 不能同時使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="151"/>
        <source>--%1 applies to a list: add --playlist</source>
        <translation>--%1 用於清單：請加上 --playlist</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="162"/>
        <source>--to-window uses the window&apos;s default options: leave out --%1</source>
        <translation>--to-window 使用視窗的預設選項：請移除 --%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="166"/>
        <source>download needs at least one URL or --batch</source>
        <translation>download 需要至少一個 URL 或 --batch</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="168"/>
        <source>--playlist takes exactly one URL and no --batch</source>
        <translation>--playlist 只接受一個 URL，且不能與 --batch 同用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="175"/>
        <source>List finished downloads, newest first.</source>
        <translation>列出已結束的下載，最新的在前。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="177"/>
        <source>print the records as JSON</source>
        <translation>以 JSON 輸出記錄</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="178"/>
        <source>only failed downloads</source>
        <translation>僅失敗的下載</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="179"/>
        <source>only completed downloads</source>
        <translation>僅已完成的下載</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="181"/>
        <source>only records whose title or link contains TEXT</source>
        <translation>僅標題或連結包含 TEXT 的記錄</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="186"/>
        <source>history takes no arguments: %1</source>
        <translation>history 不接受參數：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="190"/>
        <source>--failed and --success exclude each other</source>
        <translation>--failed 與 --success 不能同時使用</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="201"/>
        <source>Check the shipped tools and print the report.</source>
        <translation>檢查隨附的工具並輸出報告。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="205"/>
        <source>diagnostics takes no arguments: %1</source>
        <translation>diagnostics 不接受參數：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="213"/>
        <source>Install the latest release of yt-dlp (or deno) into your own tool folder, after checking its signature and digest.</source>
        <translation>檢查簽章與摘要後，將 yt-dlp（或 deno）的最新版本安裝到您自己的工具資料夾。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="216"/>
        <source>only tell whether a newer release exists</source>
        <translation>只告知是否有更新的版本</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="218"/>
        <source>yt-dlp&apos;s release stream (the saved one when not given)</source>
        <translation>yt-dlp 的發佈管道（未指定時使用已儲存的管道）</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="225"/>
        <source>stable or nightly</source>
        <translation>stable 或 nightly</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="231"/>
        <source>tools update takes one tool: %1</source>
        <translation>tools update 只接受一個工具：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="234"/>
        <source>Only yt-dlp and deno can be updated, not %1</source>
        <translation>只能更新 yt-dlp 與 deno，不能更新 %1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="238"/>
        <source>--channel applies to yt-dlp only</source>
        <translation>--channel 僅適用於 yt-dlp</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="249"/>
        <source>Return to the tools in use before the last update.</source>
        <translation>回復到上次更新之前使用的工具。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="250"/>
        <source>List the tools in use: where each comes from, its version, yt-dlp&apos;s age and whether its digest matches.</source>
        <translation>列出正在使用的工具：各自的來源、版本、yt-dlp 的時長以及摘要是否一致。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="256"/>
        <source>Unknown tools command: %1</source>
        <translation>未知的 tools 指令：%1</translation>
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
  tools
      列出正在使用的工具及其來源、版本與時長。
  tools update [--check] [--channel stable|nightly] [yt-dlp|deno]
      將經過驗證的最新版本安裝到您自己的工具資料夾；
      --check 只告知是否有新版本。
  tools rollback
      回復到上次更新之前使用的工具。

選項：
  --help, -h   顯示此說明
  --version    顯示版本

結束狀態：0 成功，1 失敗，2 用法錯誤，130 已中斷。
</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="298"/>
        <source>&apos;tarvelle-cli COMMAND --help&apos; shows one command&apos;s options.</source>
        <translation>&apos;tarvelle-cli 命令 --help&apos; 顯示該命令的選項。</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="317"/>
        <source>No command given</source>
        <translation>未指定指令</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="334"/>
        <source>--version takes no arguments: %1</source>
        <translation>--version 不接受引數：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="336"/>
        <source>Unknown option: %1</source>
        <translation>未知選項：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/CliArguments.cpp" line="337"/>
        <source>Unknown command: %1</source>
        <translation>未知指令：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/main.cpp" line="36"/>
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
    <name>ClipboardLinkBar</name>
    <message>
        <location filename="../src/ui/shell/ClipboardLinkBar.cpp" line="59"/>
        <source>Analyze the copied link?</source>
        <translation>分析複製的連結？</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ClipboardLinkBar.cpp" line="60"/>
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/ClipboardLinkBar.cpp" line="62"/>
        <source>Dismiss</source>
        <translation>略過</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <location filename="../src/services/DesktopNotifier.cpp" line="17"/>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../src/services/DesktopNotifier.cpp" line="17"/>
        <source>Show in Folder</source>
        <translation>在資料夾中顯示</translation>
    </message>
    <message>
        <location filename="../src/services/DesktopNotifier.cpp" line="19"/>
        <source>Retry</source>
        <translation>重試</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/services/DesktopNotifier.cpp" line="64"/>
        <source>%n complete</source>
        <translation>
            <numerusform>%n 個已完成</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/services/DesktopNotifier.cpp" line="66"/>
        <source>%n failed</source>
        <translation>
            <numerusform>%n 個失敗</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/services/DesktopNotifier.cpp" line="68"/>
        <source>%n downloads finished</source>
        <translation>
            <numerusform>%n 個下載已結束</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DiagnosticStatus</name>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="12"/>
        <source>Missing</source>
        <translation>缺少</translation>
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
        <translation>無法執行</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="36"/>
        <source>Verified</source>
        <translation>已驗證</translation>
    </message>
    <message>
        <location filename="../src/diagnostics/DiagnosticsPresentation.cpp" line="37"/>
        <source>Mismatch</source>
        <translation>不符</translation>
    </message>
</context>
<context>
    <name>DiagnosticsView</name>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="228"/>
        <source>Application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="235"/>
        <source>Architecture: %1</source>
        <translation>架構：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="240"/>
        <source>All tools present</source>
        <translation>所有工具皆已就緒</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="244"/>
        <source>Tools missing</source>
        <translation>缺少工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="248"/>
        <source>Manifest</source>
        <translation>清單</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="249"/>
        <source>Present</source>
        <translation>存在</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="249"/>
        <source>Missing</source>
        <translation>缺少</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="250"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="251"/>
        <source>%1 (Build %2)</source>
        <translation>%1（組建 %2）</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="253"/>
        <source>Application ID</source>
        <translation>應用程式 ID</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="254"/>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="262"/>
        <source>Some required tools are missing. Run scripts/bootstrap-tools.sh and rebuild the app.</source>
        <translation>缺少部分必要的工具。請執行 scripts/bootstrap-tools.sh 並重新建置應用程式。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="273"/>
        <source>Bundled Tools</source>
        <translation>內建工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="288"/>
        <source>Bundled copies ship inside the app and are used in preference to anything on the system PATH.</source>
        <translation>內建副本隨應用程式一併提供，並優先於系統 PATH 中的任何程式使用。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="295"/>
        <source>Updates go to your own tool folder and are used only while their SHA-256 matches; otherwise the bundled copy runs.</source>
        <translation>更新會安裝到您自己的工具資料夾，且僅在其 SHA-256 一致時使用；否則執行內建的副本。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="313"/>
        <source>Diagnostics</source>
        <translation>診斷</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="314"/>
        <source>Bundled tools and runtime information used by the download engine.</source>
        <translation>下載引擎使用的內建工具與執行環境資訊。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="315"/>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="316"/>
        <source>Run Diagnostics</source>
        <translation>執行診斷</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="317"/>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="319"/>
        <source>Running diagnostics…</source>
        <translation>正在執行診斷…</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/DiagnosticsView.cpp" line="320"/>
        <source>No diagnostics yet</source>
        <translation>尚無診斷結果</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="88"/>
        <source>No links to download.</source>
        <translation>沒有要下載的連結。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="94"/>
        <source>Cannot prepare the output folder setting for this run.</source>
        <translation>無法為本次執行準備輸出資料夾設定。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="108"/>
        <source>The list has no entries: nothing to download.</source>
        <translation>清單中沒有項目：沒有可下載的內容。</translation>
    </message>
    <message>
        <location filename="../src/cli/DownloadCommand.cpp" line="136"/>
        <source>Interrupted: cancelling the downloads…</source>
        <translation>已中斷：正在取消下載…</translation>
    </message>
</context>
<context>
    <name>DownloadCoordinator</name>
    <message>
        <source>yt-dlp found nothing to download at this link.</source>
        <translation>yt-dlp 在此連結中沒有找到可下載的內容。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="36"/>
        <source>Already downloaded: the file from an earlier download of this link is kept.</source>
        <translation>已下載過：保留此連結先前下載的檔案。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="38"/>
        <source>Skipped: the download archive shows it was downloaded before.</source>
        <translation>已略過：下載記錄顯示它先前已下載過。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="40"/>
        <source>Saved under a new name: a file of the same name from another link is kept.</source>
        <translation>已用新名稱儲存：保留來自另一個連結的同名檔案。</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="501"/>
        <source>Download complete</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadCoordinator.cpp" line="504"/>
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
    <message>
        <location filename="../src/engine/FailureSummary.cpp" line="14"/>
        <source>A file of the same name from another link is in the way; nothing was downloaded.</source>
        <translation>另一個連結的同名檔案擋住了去路，未下載任何內容。</translation>
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
    <message>
        <location filename="../src/analysis/YTDLPClient.cpp" line="21"/>
        <source>The description yt-dlp gave of this link is larger than 256 MiB, more than Tarvelle reads.</source>
        <translation>yt-dlp 提供的此連結描述大於 256 MiB，超出了 Tarvelle 讀取的上限。</translation>
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
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="285"/>
        <source>Proxy</source>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="286"/>
        <source>Speed limit</source>
        <translation>限速</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="287"/>
        <source>Concurrent fragments</source>
        <translation>同時下載的片段數</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="288"/>
        <source>Cookies file</source>
        <translation>Cookie 檔案</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="289"/>
        <source>Cookies from browser</source>
        <translation>來自瀏覽器的 Cookie</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="290"/>
        <source>Embed</source>
        <translation>嵌入</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="294"/>
        <source>Mark segments</source>
        <translation>標記片段</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="295"/>
        <source>Remove segments</source>
        <translation>移除片段</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="296"/>
        <source>Time range</source>
        <translation>時間範圍</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArgumentRules.cpp" line="297"/>
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
        <location filename="../src/engine/ExtraArguments.cpp" line="20"/>
        <source>Tarvelle does not pass on %1: it is not among the yt-dlp options known to be safe.</source>
        <translation>Tarvelle 不會傳遞 %1：它不在已知安全的 yt-dlp 選項之列。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="27"/>
        <source>%1 could write or remove files outside the output folder.</source>
        <translation>%1 可能會在輸出資料夾之外寫入或刪除檔案。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="29"/>
        <source>%1 would let yt-dlp read files on this computer.</source>
        <translation>%1 會讓 yt-dlp 讀取這台電腦上的檔案。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="31"/>
        <source>%1 can turn off checks that keep yt-dlp safe.</source>
        <translation>%1 可能會關閉保護 yt-dlp 安全的檢查。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="81"/>
        <source>%1 names a place outside the output folder: use a path inside it, without /, ~, $ or .. at the start or between folders.</source>
        <translation>%1 指向輸出資料夾之外的位置：請使用資料夾內的路徑，開頭和資料夾之間不要有 /、~、$ 或 ..。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="99"/>
        <source>%1 &quot;%2&quot; would run code that yt-dlp has not checked.</source>
        <translation>%1「%2」會執行 yt-dlp 未經檢查的程式碼。</translation>
    </message>
    <message>
        <location filename="../src/engine/ExtraArguments.cpp" line="165"/>
        <source>&quot;--&quot; would make yt-dlp take every word after it for a link.</source>
        <translation>「--」會讓 yt-dlp 把其後的每個字都當成連結。</translation>
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
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="15"/>
        <source>Type the entries to download, such as 1-10, 15.</source>
        <translation>請輸入要下載的項目，例如 1-10, 15。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="21"/>
        <source>“%1” is not an entry number or a range such as 3-7.</source>
        <translation>「%1」不是項目編號，也不是 3-7 這樣的範圍。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="26"/>
        <source>Entries are numbered from 1.</source>
        <translation>項目從 1 開始編號。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="30"/>
        <source>This list has no entries.</source>
        <translation>此清單沒有項目。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="31"/>
        <source>There is no entry %1: the list ends at entry %2.</source>
        <translation>沒有第 %1 個項目：清單到第 %2 個項目為止。</translation>
    </message>
    <message>
        <location filename="../src/analysis/ListItemRange.cpp" line="34"/>
        <source>The range %1 runs backwards: write the lower number first.</source>
        <translation>範圍 %1 是倒序的：請先寫較小的數字。</translation>
    </message>
</context>
<context>
    <name>DownloadOptionPickers</name>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="35"/>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="65"/>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="40"/>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="66"/>
        <source>Quality</source>
        <translation>畫質</translation>
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
        <translation>字幕語言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="71"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadOptionPickers.cpp" line="128"/>
        <source>None offered by this link</source>
        <translation>此連結未提供</translation>
    </message>
</context>
<context>
    <name>DownloadsView</name>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="37"/>
        <source>Best audio</source>
        <translation>最佳音訊</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="39"/>
        <source>%1 audio</source>
        <translation>%1 音訊</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadChoices.cpp" line="35"/>
        <source>%1 video · best audio</source>
        <translation>%1 影片 · 最佳音質</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="68"/>
        <source>No downloads yet</source>
        <translation>尚無下載</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="96"/>
        <source>Add Media</source>
        <translation>新增媒體</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="106"/>
        <source>Link</source>
        <translation>連結</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="107"/>
        <source>Enter a media URL, then press Return or Analyze</source>
        <translation>輸入媒體 URL，然後按 Enter 鍵或「分析」</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="108"/>
        <source>Paste a video or playlist link, then press Return</source>
        <translation>貼上影片或播放清單連結，然後按 Enter 鍵</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="122"/>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="124"/>
        <source>Analyze</source>
        <translation>分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="126"/>
        <source>Download All</source>
        <translation>全部下載</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="127"/>
        <source>Batch…</source>
        <translation>批次…</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="130"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="153"/>
        <source>Analysis error</source>
        <translation>分析錯誤</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/DownloadsView.cpp" line="170"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
</context>
<context>
    <name>FileWrites</name>
    <message>
        <location filename="../src/updates/FileWrites.cpp" line="25"/>
        <source>There is not enough free space in %1 to write %2.</source>
        <translation>%1 中沒有足夠的可用空間來寫入 %2。</translation>
    </message>
    <message>
        <location filename="../src/updates/FileWrites.cpp" line="27"/>
        <source>Could not write %1 in %2: %3</source>
        <translation>無法在 %2 中寫入 %1：%3</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <location filename="../src/cli/HistoryCommand.cpp" line="102"/>
        <source>No download history.</source>
        <translation>沒有下載紀錄。</translation>
    </message>
</context>
<context>
    <name>HistoryPresentation</name>
    <message>
        <location filename="../src/ui/history/HistoryPresentation.cpp" line="83"/>
        <source>Entry %1 of “%2”</source>
        <translation>「%2」的第 %1 個項目</translation>
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
        <location filename="../src/ui/history/HistoryView.cpp" line="44"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="48"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="202"/>
        <source>Clear History</source>
        <translation>清除紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="45"/>
        <source>Clear all download history?</source>
        <translation>要清除所有下載紀錄嗎？</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="47"/>
        <source>This permanently removes every history record. This action cannot be undone.</source>
        <translation>這將永久刪除所有紀錄，且無法復原。</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/history/HistoryView.cpp" line="157"/>
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n 項</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="157"/>
        <source>%1 of %2</source>
        <translation>共 %2 項，顯示 %1 項</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="161"/>
        <source>No matches</source>
        <translation>沒有相符的結果</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="161"/>
        <source>No download matches the filter and search.</source>
        <translation>沒有下載紀錄符合篩選與搜尋條件。</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="193"/>
        <location filename="../src/ui/history/HistoryView.cpp" line="194"/>
        <source>Search title</source>
        <translation>搜尋標題</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="195"/>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="159"/>
        <source>No Download History</source>
        <translation>沒有下載紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/history/HistoryView.cpp" line="159"/>
        <source>Completed and failed downloads will appear here.</source>
        <translation>已完成與失敗的下載會顯示在這裡。</translation>
    </message>
</context>
<context>
    <name>JobListModel</name>
    <message>
        <location filename="../src/ui/jobs/JobListModel.cpp" line="75"/>
        <source>Buttons: %1</source>
        <translation>按鈕：%1</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <location filename="../src/ui/jobs/JobListView.cpp" line="29"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
</context>
<context>
    <name>JobLogText</name>
    <message>
        <location filename="../src/ui/jobs/JobLogText.cpp" line="27"/>
        <source>Copy Raw Log</source>
        <translation>複製原始紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobLogText.cpp" line="32"/>
        <source>Log</source>
        <translation>紀錄</translation>
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
        <translation>重試</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="96"/>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="98"/>
        <source>Reveal</source>
        <translation>顯示位置</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="100"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <location filename="../src/ui/jobs/JobRowContent.cpp" line="102"/>
        <source>Copy Link</source>
        <translation>複製連結</translation>
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
    <message>
        <location filename="../src/ui/jobs/JobRowAccessible.cpp" line="234"/>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
</context>
<context>
    <name>JobStatusInfo</name>
    <message>
        <source>Stalled</source>
        <translation>已停滯</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="161"/>
        <source>Queued</source>
        <translation>排隊中</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="163"/>
        <source>Analyzing</source>
        <translation>正在分析</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="166"/>
        <source>Downloading audio</source>
        <translation>正在下載音訊</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="168"/>
        <source>Downloading video</source>
        <translation>正在下載影片</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="173"/>
        <source>Finalizing</source>
        <translation>正在完成</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="174"/>
        <source>Merging</source>
        <translation>正在合併</translation>
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
        <translation>失敗</translation>
    </message>
</context>
<context>
    <name>JsChallenges</name>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: not ready (yt-dlp is missing)</source>
        <translation>JavaScript 驗證：未就緒（缺少 yt-dlp）</translation>
    </message>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: not ready (deno is missing)</source>
        <translation>JavaScript 驗證：未就緒（缺少 deno）</translation>
    </message>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: not ready (yt-dlp is too old; update it)</source>
        <translation>JavaScript 驗證：未就緒（yt-dlp 太舊，請更新）</translation>
    </message>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: not ready (turned off in Settings)</source>
        <translation>JavaScript 驗證：未就緒（已在設定中關閉）</translation>
    </message>
    <message>
        <location filename="../src/tools/JsChallenges.cpp" line="1"/>
        <source>JavaScript challenges: ready (deno %1, solver fetched when needed)</source>
        <translation>JavaScript 驗證：已就緒（deno %1，需要時取得求解器）</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <location filename="../src/app/LaunchArguments.cpp" line="19"/>
        <source>Unknown option: %1</source>
        <translation>未知選項：%1</translation>
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
    <name>ListEntries</name>
    <message>
        <location filename="../src/cli/ListEntries.cpp" line="72"/>
        <source>This link is a single video, not a list: leave out --playlist to download it.</source>
        <translation>此連結是單一影片，不是清單：去掉 --playlist 即可下載。</translation>
    </message>
</context>
<context>
    <name>ListPreviewCard</name>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="69"/>
        <source>List preview</source>
        <translation>清單預覽</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="35"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n 個項目</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="35"/>
        <source>1 entry</source>
        <translation>1 個項目</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="97"/>
        <source>This link opens entry %1 of the list.</source>
        <translation>此連結開啟的是該清單的第 %1 個項目。</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="100"/>
        <source>Only This Video</source>
        <translation>僅此影片</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="110"/>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="111"/>
        <source>Select None</source>
        <translation>全不選</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="114"/>
        <source>Entries to download</source>
        <translation>要下載的項目</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="115"/>
        <source>Numbers and ranges of the entries to download, such as 1-10, 15</source>
        <translation>要下載的項目編號與範圍，例如 1-10, 15</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="116"/>
        <source>Entries, such as 1-10, 15</source>
        <translation>項目，例如 1-10, 15</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="123"/>
        <source>Entries error</source>
        <translation>項目錯誤</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="132"/>
        <source>List entries</source>
        <translation>清單項目</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="151"/>
        <source>Skip entries already downloaded</source>
        <translation>略過已下載的項目</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/ListPreviewCard.cpp" line="222"/>
        <source>Download %n selected</source>
        <translation>
            <numerusform>下載所選的 %n 項</numerusform>
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
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="180"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/MainWindow.cpp" line="181"/>
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
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="57"/>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="104"/>
        <source>More options</source>
        <translation>更多選項</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp" line="134"/>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/SubtitleLanguages.cpp" line="30"/>
        <source>All languages</source>
        <translation>所有語言</translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp"/>
        <source>Entry %1 of “%2” (1 entry)</source>
        <translation>「%2」中的第 %1 個項目（共 1 個項目）</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/downloads/PreviewCard.cpp"/>
        <source>Entry %1 of “%2” (%n entries)</source>
        <translation>
            <numerusform>「%2」中的第 %1 個項目（共 %n 個項目）</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/downloads/PreviewCard.cpp"/>
        <source>Show the List</source>
        <translation>顯示清單</translation>
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
        <location filename="../src/engine/ProgressDisplay.cpp" line="111"/>
        <source>Retrying, %1 of %2</source>
        <translation>正在重試，第 %1 次，共 %2 次</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="113"/>
        <source>Retrying, attempt %1</source>
        <translation>正在重試，第 %1 次</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="120"/>
        <source>No progress detected</source>
        <translation>未偵測到進度</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="136"/>
        <source>Finalizing</source>
        <translation>正在完成</translation>
    </message>
    <message>
        <location filename="../src/engine/ProgressDisplay.cpp" line="139"/>
        <source>Merging audio and video</source>
        <translation>正在合併音訊與影片</translation>
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
        <translation>無法讀取新檔案。</translation>
    </message>
    <message>
        <location filename="../src/updates/PythonRequirement.cpp" line="72"/>
        <source>The new file is not a Python program (no &quot;#!&quot; line).</source>
        <translation>新檔案不是 Python 程式（沒有「#!」行）。</translation>
    </message>
    <message>
        <location filename="../src/updates/PythonRequirement.cpp" line="75"/>
        <source>%1 does not run here, and the new file needs it.</source>
        <translation>%1 無法在此執行，而新檔案需要它。</translation>
    </message>
    <message>
        <location filename="../src/updates/PythonRequirement.cpp" line="81"/>
        <source>The new version needs Python %1 or newer, and %2 here is Python %3.</source>
        <translation>新版本需要 Python %1 或更新版本，而此處的 %2 是 Python %3。</translation>
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
    <name>ReleaseHost</name>
    <message>
        <location filename="../src/updates/ReleaseHost.cpp" line="43"/>
        <source>the release server %1 (set by %2) does not use https, so nothing is fetched from it.</source>
        <translation>發佈伺服器 %1（由 %2 設定）未使用 https，因此不會從中取得任何內容。</translation>
    </message>
</context>
<context>
    <name>RemoveJobQuestion</name>
    <message>
        <source>Stop and Remove</source>
        <translation>停止並移除</translation>
    </message>
    <message>
        <source>Also delete its partial files</source>
        <translation>同時刪除其未完成的檔案</translation>
    </message>
    <message>
        <source>“%1” is still in the queue. Removing it stops its download.</source>
        <translation>「%1」仍在佇列中。移除它會停止其下載。</translation>
    </message>
    <message>
        <source>Stop and remove?</source>
        <translation>停止並移除？</translation>
    </message>
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
    <name>SettingsSetAsideBar</name>
    <message>
        <location filename="../src/ui/shell/SettingsSetAsideBar.cpp" line="28"/>
        <source>Dismiss</source>
        <translation>關閉提示</translation>
    </message>
    <message>
        <location filename="../src/ui/shell/SettingsSetAsideBar.cpp" line="50"/>
        <source>Your settings file could not be read, so it was moved aside as %1. Settings that could still be read were kept; the others are back to their defaults.</source>
        <translation>無法讀取您的設定檔，因此已將其移至 %1。仍可讀取的設定已保留，其餘設定已恢復為預設值。</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="1"/>
        <source>yt-dlp downloads the challenge-solver scripts of yt-dlp-ejs from GitHub (github.com/yt-dlp/ejs) once, checks them against the digests it carries before using them, and keeps them in Tarvelle&apos;s cache folder. They run in the shipped deno.</source>
        <translation>yt-dlp 會從 GitHub（github.com/yt-dlp/ejs）下載一次 yt-dlp-ejs 的驗證求解指令碼，在使用前以其自帶的摘要進行校驗，並保存在 Tarvelle 的快取資料夾中。這些指令碼在隨附的 deno 中執行。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="1"/>
        <source>Fetch the JavaScript challenge solver when a site needs it</source>
        <translation>網站需要時取得 JavaScript 驗證求解器</translation>
    </message>
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
        <location filename="../src/ui/settings/SettingsView.cpp" line="366"/>
        <source>Nightly builds</source>
        <translation>每夜建置版</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="366"/>
        <source>Stable releases</source>
        <translation>穩定版</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="421"/>
        <source>Choose None under Cookies from browser to use a cookies file instead.</source>
        <translation>若要改用 Cookie 檔案，請在「來自瀏覽器的 Cookie」中選擇「無」。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="469"/>
        <source>Enter the full path of a folder, starting with /.</source>
        <translation>請輸入資料夾的完整路徑，以 / 開頭。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="472"/>
        <source>“%1” is a file, not a folder.</source>
        <translation>「%1」是檔案，不是資料夾。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="475"/>
        <source>Downloads cannot be saved here: “%1” is not writable.</source>
        <translation>無法儲存到此處：「%1」無法寫入。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="478"/>
        <source>The folder in use stays “%1”.</source>
        <translation>仍使用資料夾「%1」。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="518"/>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="519"/>
        <source>Authentication</source>
        <translation>身分驗證</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="520"/>
        <source>Downloads</source>
        <translation>下載</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="521"/>
        <source>Behavior</source>
        <translation>行為</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="522"/>
        <source>Advanced</source>
        <translation>進階</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="523"/>
        <source>New downloads are saved to this folder.</source>
        <translation>新的下載會儲存到此資料夾。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="525"/>
        <source>Optional Netscape-format cookies.txt for sites that require login. Cookie contents stay in the selected file.</source>
        <translation>選用：供需要登入的網站使用的 Netscape 格式 cookies.txt。Cookie 內容只保留在所選檔案中。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="526"/>
        <source>Defaults apply to new downloads. Range 1–4; default 2.</source>
        <translation>預設值會套用到新的下載。同時下載數範圍 1–4，預設 2。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="527"/>
        <source>Keep failed tasks retains entries after a download fails so you can inspect the error.</source>
        <translation>開啟「保留失敗的工作」後，下載失敗的項目會保留在列表中，方便查看錯誤。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="528"/>
        <source>Defaults for new downloads; &quot;More options&quot; on the preview card changes them for one download.</source>
        <translation>新下載的預設值；預覽卡片上的「更多選項」可為單次下載變更它們。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="530"/>
        <source>Restores every setting above to its default value.</source>
        <translation>將以上所有設定還原為預設值。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="532"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="533"/>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="534"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="535"/>
        <source>Default output directory</source>
        <translation>預設輸出目錄</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="536"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="539"/>
        <source>Choose…</source>
        <translation>選擇…</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="537"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="538"/>
        <source>Cookies file</source>
        <translation>Cookie 檔案</translation>
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
        <translation>媒體類型</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="544"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="545"/>
        <source>Video quality</source>
        <translation>影片畫質</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="546"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="547"/>
        <source>Audio format</source>
        <translation>音訊格式</translation>
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
        <translation>字幕語言</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="552"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="553"/>
        <source>Max simultaneous downloads</source>
        <translation>最大同時下載數</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="554"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="555"/>
        <source>Decrease simultaneous downloads</source>
        <translation>減少同時下載數</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="556"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="557"/>
        <source>Increase simultaneous downloads</source>
        <translation>增加同時下載數</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="559"/>
        <source>Notify on download completion</source>
        <translation>下載完成時通知</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="560"/>
        <source>Keep failed tasks in the list</source>
        <translation>在列表中保留失敗的工作</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="561"/>
        <source>Show verbose logs in job details</source>
        <translation>在工作詳細資料中顯示詳細紀錄</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="562"/>
        <source>Check for tool updates</source>
        <translation>檢查工具更新</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="564"/>
        <source>Once a week, ask GitHub whether a newer yt-dlp exists and say so. Nothing is installed without you.</source>
        <translation>每週向 GitHub 查詢一次是否有更新的 yt-dlp，並告知您。未經您同意不會安裝任何內容。</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="565"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="566"/>
        <source>yt-dlp updates</source>
        <translation>yt-dlp 更新管道</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="567"/>
        <source>Offer to analyze links I copy while Tarvelle is open</source>
        <translation>Tarvelle 開啟時，提示分析我複製的連結</translation>
    </message>
    <message>
        <location filename="../src/ui/settings/SettingsView.cpp" line="138"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="143"/>
        <location filename="../src/ui/settings/SettingsView.cpp" line="568"/>
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
    <name>SignatureCheck</name>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="36"/>
        <source>The release key %1 is missing from the installation.</source>
        <translation>安裝中缺少發佈金鑰 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="39"/>
        <source>The release key %1 is damaged.</source>
        <translation>發佈金鑰 %1 已損毀。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="46"/>
        <source>Could not prepare the key for gpgv in %1.</source>
        <translation>無法在 %1 中為 gpgv 準備金鑰。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="51"/>
        <source>gpgv is not installed (Debian package gpgv), so no signature can be checked.</source>
        <translation>未安裝 gpgv（Debian 套件 gpgv），因此無法檢查簽章。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="58"/>
        <source>gpgv did not run to its end.</source>
        <translation>gpgv 未能執行完成。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="64"/>
        <source>The signature does not match %1: the file was altered.</source>
        <translation>簽章與 %1 不符：該檔案已被更改。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="66"/>
        <source>%1 is not signed by the release key.</source>
        <translation>%1 不是由發佈金鑰簽署的。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="68"/>
        <source>%1 holds no signature.</source>
        <translation>%1 不包含簽章。</translation>
    </message>
    <message>
        <location filename="../src/updates/SignatureCheck.cpp" line="70"/>
        <source>gpgv did not accept the signature (%1).</source>
        <translation>gpgv 未接受該簽章（%1）。</translation>
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
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="182"/>
        <source>all languages</source>
        <translation>所有語言</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="188"/>
        <source>Subtitles: %1</source>
        <translation>字幕：%1</translation>
    </message>
    <message>
        <location filename="../src/engine/DownloadOptions.cpp" line="190"/>
        <source>Auto subtitles: %1</source>
        <translation>自動字幕：%1</translation>
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
        <translation>您的工具資料夾</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolFreshness.cpp" line="12"/>
        <source>Shipped</source>
        <translation>內建</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolFreshness.cpp" line="21"/>
        <source>%1 days old: update recommended</source>
        <translation>已發佈 %1 天：建議更新</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolFreshness.cpp" line="23"/>
        <source>%1 days old</source>
        <translation>已發佈 %1 天</translation>
    </message>
</context>
<context>
    <name>ToolInstaller</name>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="88"/>
        <source>The digest %1 is not valid.</source>
        <translation>摘要 %1 無效。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="91"/>
        <location filename="../src/updates/ToolInstaller.cpp" line="143"/>
        <source>Another program is changing the tool folder right now.</source>
        <translation>另一個程式正在變更工具資料夾。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="98"/>
        <source>Could not create %1.</source>
        <translation>無法建立 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="101"/>
        <source>Could not move the new file into %1.</source>
        <translation>無法將新檔案移入 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="138"/>
        <location filename="../src/updates/ToolInstaller.cpp" line="150"/>
        <source>There is no earlier state to return to.</source>
        <translation>沒有可以回復的先前狀態。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="154"/>
        <source>The earlier state (%1) cannot be read.</source>
        <translation>無法讀取先前的狀態（%1）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="161"/>
        <source>The earlier copy of %1 is missing or was changed, so it cannot be restored.</source>
        <translation>%1 的先前副本遺失或已被更改，因此無法回復。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolInstaller.cpp" line="170"/>
        <source>Could not replace %1.</source>
        <translation>無法取代 %1。</translation>
    </message>
</context>
<context>
    <name>ToolRelease</name>
    <message>
        <location filename="../src/updates/ToolRelease.cpp" line="29"/>
        <source>deno publishes no Linux build for %1.</source>
        <translation>deno 沒有為 %1 發佈 Linux 版本。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolRelease.cpp" line="43"/>
        <source>Only yt-dlp and deno can be updated.</source>
        <translation>只能更新 yt-dlp 與 deno。</translation>
    </message>
</context>
<context>
    <name>ToolResolver</name>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="42"/>
        <source>The user tool folder&apos;s manifest.json cannot be read.</source>
        <translation>無法讀取使用者工具資料夾的 manifest.json。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="48"/>
        <source>Only yt-dlp and deno can come from the user tool folder.</source>
        <translation>只有 yt-dlp 與 deno 可以來自使用者工具資料夾。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="51"/>
        <source>Its entry in the user tool folder&apos;s manifest has no valid SHA-256.</source>
        <translation>它在使用者工具資料夾清單中的項目沒有有效的 SHA-256。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="55"/>
        <source>Its file in the user tool folder is missing or not executable.</source>
        <translation>它在使用者工具資料夾中的檔案遺失或無法執行。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="59"/>
        <source>Its file in the user tool folder cannot be read.</source>
        <translation>無法讀取它在使用者工具資料夾中的檔案。</translation>
    </message>
    <message>
        <location filename="../src/tools/ToolResolver.cpp" line="61"/>
        <source>Its file in the user tool folder was changed after it was installed (SHA-256 mismatch).</source>
        <translation>它在使用者工具資料夾中的檔案在安裝後被更改（SHA-256 不一致）。</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePanel</name>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="130"/>
        <source>Rolling back…</source>
        <translation>正在回復…</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="157"/>
        <source>Nothing was rolled back: %1</source>
        <translation>未回復任何內容：%1</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="163"/>
        <source>%1 is back to %2.</source>
        <translation>%1 已回復為 %2。</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="163"/>
        <source>the shipped tool</source>
        <translation>內建工具</translation>
    </message>
    <message>
        <location filename="../src/ui/diagnostics/ToolUpdatePanel.cpp" line="164"/>
        <source>The tools in use are the same as before.</source>
        <translation>正在使用的工具與之前相同。</translation>
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
        <translation>回復上次更新</translation>
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
        <translation>%1 %2 已驗證並安裝到您的工具資料夾；新任務將使用它。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdateResult.cpp" line="34"/>
        <source>Updating %1 failed while %2: %3 Nothing was changed.</source>
        <translation>更新 %1 時在「%2」步驟失敗：%3 未作任何變更。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdateResult.cpp" line="37"/>
        <source>Updating %1 was cancelled. Nothing was changed.</source>
        <translation>已取消更新 %1。未作任何變更。</translation>
    </message>
</context>
<context>
    <name>ToolUpdater</name>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="62"/>
        <source>the release server could not be reached (%1).</source>
        <translation>無法連線發佈伺服器（%1）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="70"/>
        <source>%1 answered %2 %3.</source>
        <translation>%1 回應了 %2 %3。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="184"/>
        <source>the release server named no release tag.</source>
        <translation>發佈伺服器未提供發佈標籤。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="233"/>
        <source>could not create %1.</source>
        <translation>無法建立 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="237"/>
        <source>could not create a work folder in %1: %2</source>
        <translation>無法在 %1 中建立工作資料夾：%2</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="261"/>
        <source>could not create %1: %2</source>
        <translation>無法建立 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="293"/>
        <source>%1 could not be downloaded: %2</source>
        <translation>無法下載 %1：%2</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="296"/>
        <source>it is larger than any release of it.</source>
        <translation>它比任何發佈版本都大。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="307"/>
        <source>the transfer broke off (%1).</source>
        <translation>傳輸中斷（%1）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="341"/>
        <source>the release key is missing: the installation has no resources folder.</source>
        <translation>缺少發佈金鑰：安裝中沒有資源資料夾。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="356"/>
        <source>%1 does not list %2.</source>
        <translation>%1 未列出 %2。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="359"/>
        <source>the downloaded %1 does not match its digest in %2: it is damaged or was altered.</source>
        <translation>下載的 %1 與 %2 中的摘要不符：檔案已損毀或被更改。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="387"/>
        <source>the new %1 did not answer --version (%2).</source>
        <translation>新的 %1 未回應 --version（%2）。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="389"/>
        <source>no output</source>
        <translation>無輸出</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolUpdater.cpp" line="394"/>
        <source>the new file cannot be read.</source>
        <translation>無法讀取新檔案。</translation>
    </message>
</context>
<context>
    <name>ToolVersion</name>
    <message>
        <location filename="../src/updates/ToolVersion.cpp" line="48"/>
        <source>the new %1 says it is version %2, but its release is %3: an older release may have been served under a newer name.</source>
        <translation>新的 %1 自稱版本為 %2，但其發佈版本為 %3：可能是舊版本被冒充為新版本提供。</translation>
    </message>
    <message>
        <location filename="../src/updates/ToolVersion.cpp" line="48"/>
        <source>the new %1 (%2) is not newer than the one in use (%3); updates only move forward.</source>
        <translation>新的 %1（%2）並不比正在使用的版本（%3）新；更新只能向前。</translation>
    </message>
</context>
<context>
    <name>ToolsCommand</name>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="34"/>
        <source>missing</source>
        <translation>遺失</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="37"/>
        <source>user tool folder</source>
        <translation>使用者工具資料夾</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="38"/>
        <source>shipped</source>
        <translation>內建</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="42"/>
        <source>%1 days old, outdated: run &apos;tarvelle-cli tools update&apos;</source>
        <translation>已發佈 %1 天，已過時：請執行 &apos;tarvelle-cli tools update&apos;</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="44"/>
        <source>%1 days old</source>
        <translation>已發佈 %1 天</translation>
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
        <translation>未使用使用者副本：</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="114"/>
        <source>Nothing was rolled back: </source>
        <translation>未回復任何內容：</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="119"/>
        <source>the shipped tool</source>
        <translation>內建工具</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="123"/>
        <source>%1: back from %2 to %3
</source>
        <translation>%1：已從 %2 回復為 %3
</translation>
    </message>
    <message>
        <location filename="../src/cli/ToolsCommand.cpp" line="126"/>
        <source>The tools in use are the same as before.
</source>
        <translation>正在使用的工具與之前相同。
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
        <translation>yt-dlp 已發布 %1 天；更新它通常可以解決此問題</translation>
    </message>
</context>
<context>
    <name>UpdateStep</name>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="11"/>
        <source>Finding the latest release</source>
        <translation>正在尋找最新版本</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="13"/>
        <source>Comparing versions</source>
        <translation>正在比較版本</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="15"/>
        <source>Downloading</source>
        <translation>正在下載</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="17"/>
        <source>Checking the signature</source>
        <translation>正在檢查簽章</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="19"/>
        <source>Checking the digest</source>
        <translation>正在檢查摘要</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="21"/>
        <source>Unpacking</source>
        <translation>正在解壓縮</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="23"/>
        <source>Checking python3</source>
        <translation>正在檢查 python3</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="25"/>
        <source>Trying the new file</source>
        <translation>正在試執行新檔案</translation>
    </message>
    <message>
        <location filename="../src/updates/UpdateStep.cpp" line="27"/>
        <source>Installing</source>
        <translation>正在安裝</translation>
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
<context>
    <name>WindowHandOff</name>
    <message>
        <location filename="../src/cli/WindowHandOff.cpp" line="31"/>
        <source>Not a usable link, skipped: %1</source>
        <translation>不是可用的連結，已略過：%1</translation>
    </message>
    <message>
        <location filename="../src/cli/WindowHandOff.cpp" line="47"/>
        <source>No links to download.</source>
        <translation>沒有要下載的連結。</translation>
    </message>
    <message>
        <location filename="../src/cli/WindowHandOff.cpp" line="53"/>
        <source>No Tarvelle window is running in this session. Start Tarvelle, or leave out --to-window to download here.</source>
        <translation>此工作階段中沒有正在執行的 Tarvelle 視窗。請啟動 Tarvelle，或移除 --to-window 以在此處下載。</translation>
    </message>
    <message>
        <location filename="../src/cli/WindowHandOff.cpp" line="59"/>
        <source>The Tarvelle window did not take the links: %1</source>
        <translation>Tarvelle 視窗未接收連結：%1</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/WindowHandOff.cpp" line="63"/>
        <source>Queued %n link(s) in the Tarvelle window.</source>
        <translation>
            <numerusform>已將 %n 個連結加入 Tarvelle 視窗的佇列。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="29"/>
        <source>libarchive could not start.</source>
        <translation>libarchive 無法啟動。</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="34"/>
        <source>The file is not a zip archive: %1</source>
        <translation>該檔案不是 zip 壓縮檔：%1</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="40"/>
        <source>The archive holds no file named %1.</source>
        <translation>壓縮檔中沒有名為 %1 的檔案。</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="42"/>
        <source>The archive is damaged: %1</source>
        <translation>壓縮檔已損毀：%1</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="51"/>
        <location filename="../src/updates/ZipArchive.cpp" line="63"/>
        <source>%1 in the archive is larger than expected.</source>
        <translation>壓縮檔中的 %1 超出預期大小。</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="59"/>
        <source>%1 in the archive is damaged: %2</source>
        <translation>壓縮檔中的 %1 已損毀：%2</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="66"/>
        <source>Could not write %1 out of the archive.</source>
        <translation>無法從壓縮檔中寫出 %1。</translation>
    </message>
    <message>
        <location filename="../src/updates/ZipArchive.cpp" line="89"/>
        <source>Could not create %1: %2</source>
        <translation>無法建立 %1：%2</translation>
    </message>
</context>
<context>
    <name>LeftoverFilesPanel</name>
    <message numerus="yes">
        <source>%n partial file(s) (%1) belong to no download in the list. Tarvelle leaves them as they are: delete them in the folder if they are not needed.</source>
        <translation>
            <numerusform>有 %n 個未完成的檔案（%1）不屬於清單中的任何下載。Tarvelle 不會動它們：如果不需要，請在資料夾中刪除。</numerusform>
        </translation>
    </message>
    <message>
        <source>Partial files no download owns</source>
        <translation>不屬於任何下載的未完成檔案</translation>
    </message>
</context>
</TS>
