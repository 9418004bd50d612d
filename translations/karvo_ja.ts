<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About</name>
    <message>
        <source>Detects each text file&apos;s encoding and rewrites it in another, without losing a byte.</source>
        <translation>各テキストファイルの文字コードを判別し、1 バイトも失わずに別の文字コードで書き直します。</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Karvo developers. Free software under the %1 licence.</source>
        <extracomment>%1 is the name of the licence, MIT</extracomment>
        <translation>Copyright © 2026 Karvo 開発者。%1 ライセンスのフリーソフトウェアです。</translation>
    </message>
    <message>
        <source>Uses Qt %1 and uchardet %2.</source>
        <extracomment>%1 and %2 are versions, as in 5.15.8 and 0.0.7</extracomment>
        <translation>Qt %1 と uchardet %2 を使用しています。</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>Karvo について</translation>
    </message>
</context>
<context>
    <name>DetailModel</name>
    <message>
        <source>Status</source>
        <extracomment>A column of the Detail table: what became of the file</extracomment>
        <translation>状態</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>A column of the Detail table: the encoding the file was in</extracomment>
        <translation>変換元</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>A column of the Detail table: the encoding it was converted to</extracomment>
        <translation>変換先</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>The last column of the CSV file: the file&apos;s full path</extracomment>
        <translation>パス</translation>
    </message>
</context>
<context>
    <name>Karvo::CommandLine</name>
    <message>
        <source>Try &apos;karvo --help&apos; for more information.</source>
        <translation>詳しくは「karvo --help」を実行してください。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; would both be written to &apos;%3&apos;; no file was written</source>
        <translation>「%1」と「%2」の両方が「%3」に書き込まれてしまうため、ファイルは書き込みませんでした</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be written over &apos;%2&apos;, which this run also reads; no file was written</source>
        <translation>「%1」が、今回読み込む「%2」を上書きしてしまうため、ファイルは書き込みませんでした</translation>
    </message>
    <message>
        <source>Detects the character encoding of each file and rewrites it, losslessly, in another.
Without arguments, karvo opens its window.</source>
        <translation>各ファイルの文字コードを判定し、内容を失わずに別の文字コードで書き直します。
引数なしで起動すると、karvo はウィンドウを開きます。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Rewrite files in &lt;encoding&gt; (default UTF-8).</source>
        <extracomment>&lt;encoding&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>ファイルを &lt;encoding&gt; で書き直します（既定は UTF-8）。</translation>
    </message>
    <message>
        <source>Write converted copies into &lt;folder&gt; (created if missing) instead of replacing the files.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>ファイルを置き換えずに、変換したコピーを &lt;folder&gt; に書き込みます（なければ作成します）。</translation>
    </message>
    <message>
        <source>Also process the files in subfolders, but not hidden ones or links to folders.</source>
        <translation>サブフォルダー内のファイルも処理します（隠しフォルダーとフォルダーへのリンクは除く）。</translation>
    </message>
    <message>
        <source>Detect and report what would be done; write nothing.</source>
        <translation>判定して実行内容を報告するだけで、何も書き込みません。</translation>
    </message>
    <message>
        <source>Write nothing; exit with 3 if any file is not in the target encoding yet.</source>
        <translation>何も書き込まず、変換先の文字コードになっていないファイルがあれば 3 で終了します。</translation>
    </message>
    <message>
        <source>Read every text file as &lt;encoding&gt; instead of the detected one.</source>
        <translation>判定された文字コードではなく &lt;encoding&gt; として各テキストファイルを読み込みます。</translation>
    </message>
    <message>
        <source>Print one JSON report instead of a line per file.</source>
        <translation>ファイルごとの行の代わりに、JSON のレポートを 1 つ出力します。</translation>
    </message>
    <message>
        <source>List the encodings karvo knows, with their aliases.</source>
        <translation>karvo が扱える文字コードを別名とともに一覧表示します。</translation>
    </message>
    <message>
        <source>Print only the files that failed or whose encoding is uncertain, and hard links left with the old text.</source>
        <translation>失敗したファイルと文字コードが不確かなファイル、古い内容が残ったハードリンクだけを出力します。</translation>
    </message>
    <message>
        <source>unknown encoding &apos;%1&apos;; see --list-encodings</source>
        <translation>不明な文字コード「%1」です。--list-encodings を参照してください</translation>
    </message>
    <message>
        <source>no files or folders given</source>
        <translation>ファイルもフォルダーも指定されていません</translation>
    </message>
    <message>
        <source>the save folder&apos;s name is empty</source>
        <translation>保存先フォルダーの名前が空です</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the save folder: it is not a folder</source>
        <translation>「%1」はフォルダーではないため、保存先にできません</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;</source>
        <translation>保存先フォルダー「%1」を作成できません</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>保存先フォルダー「%1」を作成できません: %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>試行のみ: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>the save folder &apos;%1&apos; is the folder of &apos;%2&apos;: the sources would be replaced; no file was written</source>
        <translation>保存先フォルダー「%1」は「%2」のあるフォルダーです。元のファイルが置き換えられてしまうため、何も書き込みませんでした</translation>
    </message>
    <message>
        <source>With -o, replace a different file of the same name in the save folder.</source>
        <translation>-o と一緒に使うと、保存先フォルダーにある同じ名前の別のファイルを置き換えます。</translation>
    </message>
    <message>
        <source>Keep a copy of every file replaced in &lt;folder&gt; first, below it as listed.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>置き換える各ファイルのコピーを、一覧の通りの場所で先に &lt;folder&gt; の中へ残します。</translation>
    </message>
    <message>
        <source>the backup folder&apos;s name is empty</source>
        <translation>バックアップフォルダーの名前が空です</translation>
    </message>
    <message>
        <source>karvo: the report could not be written: %1</source>
        <translation>karvo: レポートを書き出せませんでした: %1</translation>
    </message>
    <message>
        <source>Write the converted text of the files to standard output, one after another; touch no file. A path of - reads standard input.</source>
        <translation>ファイルを変換したテキストを順に標準出力へ書き出し、ファイルには手を付けません。パス - は標準入力を読みます。</translation>
    </message>
    <message>
        <source>Open the window and start a run on the files, as a drop would. Comes first; --to &lt;encoding&gt; or --ask may follow it.</source>
        <translation>ウィンドウを開き、ドロップしたときと同じように変換を始めます。最初に置き、後に --to &lt;encoding&gt; か --ask を続けられます。</translation>
    </message>
    <message>
        <source>Files and folders to convert; - alone converts standard input to standard output.</source>
        <translation>変換するファイルとフォルダー。- だけを指定すると標準入力を標準出力へ変換します。</translation>
    </message>
    <message>
        <source>--window comes before any other argument</source>
        <translation>--window は他のどの引数よりも前に置いてください</translation>
    </message>
    <message>
        <source>--%1 does not go with standard output</source>
        <extracomment>%1 is an option such as --json</extracomment>
        <translation>--%1 は標準出力と一緒には使えません</translation>
    </message>
    <message>
        <source>- (standard input) goes alone, or with --stdout</source>
        <translation>-（標準入力）は単独か、--stdout と一緒にだけ使えます</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the backup folder: it is not a folder</source>
        <translation>「%1」はフォルダーではないため、バックアップ先にできません</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;</source>
        <translation>バックアップ先フォルダー「%1」を作成できません</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>バックアップ先フォルダー「%1」を作成できません: %2</translation>
    </message>
</context>
<context>
    <name>Karvo::Engine</name>
    <message>
        <source>Could not find codec for file.</source>
        <translation>このファイルの文字コードを扱えません。</translation>
    </message>
    <message>
        <source>Could not open source file.</source>
        <translation>元のファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Could not copy file: a different file of that name is already in the save folder.</source>
        <translation>コピーできませんでした: 保存先フォルダーに同じ名前の別のファイルがあります。</translation>
    </message>
    <message>
        <source>Could not write target file.</source>
        <translation>変換先のファイルに書き込めませんでした。</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>書き込めませんでした: 保存先フォルダーに同じ名前のシンボリックリンクがあります。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why something went wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not converted: its original could not be kept for Undo.</source>
        <translation>変換しませんでした: 元に戻すための元のファイルを保管できませんでした。</translation>
    </message>
    <message>
        <source>Not written: another file of this run has the same name in the save folder.</source>
        <translation>書き込みませんでした: 今回の別のファイルが保存先フォルダーで同じ名前になります。</translation>
    </message>
    <message>
        <source>Could not convert file: the bytes at line %1, column %2 are not valid %3.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as GB18030.</extracomment>
        <translation>変換できませんでした: %1 行 %2 列目のバイトは正しい %3 ではありません。</translation>
    </message>
    <message>
        <source>Could not convert file: it ends in the middle of a %3 character, at line %1, column %2.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as Shift_JIS.</extracomment>
        <translation>変換できませんでした: ファイルが %1 行 %2 列目の %3 の文字の途中で終わっています。</translation>
    </message>
    <message>
        <source>Left alone: its name is not valid UTF-8, and Karvo can only open files whose names are.</source>
        <translation>そのままにしました: 名前が正しい UTF-8 ではありません。Karvo が開けるのは名前が UTF-8 のファイルだけです。</translation>
    </message>
    <message>
        <source>Could not read the folder.</source>
        <translation>フォルダーを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Left alone: it is a link to a file outside the dropped folder.</source>
        <translation>そのままにしました: ドロップしたフォルダーの外にあるファイルへのリンクです。</translation>
    </message>
    <message>
        <source>Left out: you said it is not a text file.</source>
        <translation>除外しました: テキストファイルではないと指定されました。</translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain.</source>
        <translation>変換しませんでした: 文字コードが不確かです。</translation>
    </message>
    <message>
        <source>Could not convert file: the character %1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a character with its code point, as in &quot;М&quot; (U+041C); %4 the name of the target encoding.</extracomment>
        <translation>変換できませんでした: %2 行 %3 列目の文字%1 は %4 では表せません。</translation>
    </message>
    <message>
        <source>Could not write target file: something other than a file has that name.</source>
        <translation>出力ファイルを書き込めませんでした: その名前はファイル以外のものが使っています。</translation>
    </message>
    <message>
        <source>Not written: the save folder is the file&apos;s own folder.</source>
        <translation>書き込みませんでした: 保存先フォルダーがファイル自身のフォルダーです。</translation>
    </message>
    <message>
        <source>Not written: the save folder is gone.</source>
        <translation>書き込みませんでした: 保存先フォルダーがなくなっています。</translation>
    </message>
    <message>
        <source>Not converted: the file is read-only.</source>
        <translation>変換しませんでした: ファイルが読み取り専用です。</translation>
    </message>
    <message>
        <source>Not converted: it cannot be replaced in its folder, so it could only be written over in place, which needs a copy of it kept first (Undo in the window, --backup-dir on the command line).</source>
        <translation>変換しませんでした: フォルダー内でファイルを置き換えられないため、その場で上書きするしかなく、それには先にコピーを残す必要があります（ウィンドウでは「元に戻す」、コマンドラインでは --backup-dir）。</translation>
    </message>
    <message>
        <source>Not converted: the file changed while it was being converted.</source>
        <translation>変換しませんでした: 変換中にファイルが変更されました。</translation>
    </message>
    <message>
        <source>Done once: it is the same file as another one of this run.</source>
        <extracomment>Two names of one file (a link and its target) in one run; the path of the other follows in brackets.</extracomment>
        <translation>1 回だけ処理しました: 今回の変換にある別のファイルと同じファイルです。</translation>
    </message>
    <message>
        <source>Not done: the run was cancelled.</source>
        <translation>処理しませんでした: 変換が取り消されました。</translation>
    </message>
    <message>
        <source>Its original is no longer in the undo store.</source>
        <translation>元のファイルが元に戻す用の保存場所にもうありません。</translation>
    </message>
    <message>
        <source>Not converted: it is the same file as another one of this run, replaced under that name alone; this name keeps the old text.</source>
        <extracomment>Two names of one file (hard links) in one run, the file replaced under the other name alone; that name follows in brackets.</extracomment>
        <translation>変換しませんでした: 今回の変換にある別のファイルと同じファイルで、置き換えられるのはその名前だけです。この名前には古い内容が残ります。</translation>
    </message>
    <message>
        <source>Could not write target file, nor put its original back: it is cut short. Its original is kept as %1.</source>
        <extracomment>%1 is the path of the copy of the original kept before the file was written over.</extracomment>
        <translation>変換先のファイルに書き込めず、元の内容も戻せませんでした: ファイルは途中で切れています。元のファイルは %1 に保管されています。</translation>
    </message>
</context>
<context>
    <name>Karvo::Filter</name>
    <message>
        <source>standard output</source>
        <translation>標準出力</translation>
    </message>
    <message>
        <source>not a text file; nothing was written</source>
        <translation>テキストファイルではありません。何も書き込んでいません</translation>
    </message>
    <message>
        <source>the encoding is unknown; name it with --force-encoding</source>
        <translation>文字コードが不明です。--force-encoding で指定してください</translation>
    </message>
    <message>
        <source>the encoding is uncertain (perhaps %1); name it with --force-encoding</source>
        <extracomment>%1 lists the encodings the text may be in</extracomment>
        <translation>文字コードが不確かです（%1 かもしれません）。--force-encoding で指定してください</translation>
    </message>
    <message>
        <source>The output stops before that point.</source>
        <extracomment>after the reason a conversion stopped; standard output holds the text before it</extracomment>
        <translation>出力はその手前で止まっています。</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
</context>
<context>
    <name>Karvo::OpenWith</name>
    <message>
        <source>Unknown encoding</source>
        <translation>不明な文字コード</translation>
    </message>
    <message>
        <source>Karvo does not know the encoding &quot;%1&quot;.</source>
        <extracomment>%1 is an encoding name given on the command line</extracomment>
        <translation>Karvo は文字コード「%1」を知りません。</translation>
    </message>
    <message>
        <source>Convert with Karvo</source>
        <translation>Karvo で変換</translation>
    </message>
    <message>
        <source>Rewrite the file in:</source>
        <translation>ファイルの変換先：</translation>
    </message>
    <message numerus="yes">
        <source>Rewrite %n files in:</source>
        <translation>
            <numerusform>%n 個のファイルの変換先：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Karvo::Report</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A failure&apos;s sentence (%1) and, in brackets, which file and the system&apos;s reason (%2).</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the notes of a summary, as in &quot;2 failed, 1 to review&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Empty</source>
        <comment>the encoding of an empty file</comment>
        <translation>空</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>the encoding of a file</comment>
        <translation>不明</translation>
    </message>
    <message>
        <source>[Success] </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
----------
The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[成功] </translation>
    </message>
    <message>
        <source>replaced an existing file</source>
        <extracomment>a Detail line: the copy took the place of a file already in the save folder</extracomment>
        <translation>既存のファイルを置き換えました</translation>
    </message>
    <message>
        <source>[Failed]     </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[失敗]     </translation>
    </message>
    <message>
        <source>[Skipped]    </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[スキップ]  </translation>
    </message>
    <message>
        <source>Left alone: it is not a text file.</source>
        <extracomment>a Detail line: the file was not touched because it is not text</extracomment>
        <translation>そのままにしました: テキストファイルではありません。</translation>
    </message>
    <message>
        <source>[Doubtful]   </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[不確か]   </translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain (perhaps %1).</source>
        <extracomment>a Detail line; %1 lists the encodings the file may be in</extracomment>
        <translation>変換しませんでした: 文字コードが不確かです（%1 かもしれません）。</translation>
    </message>
    <message>
        <source>[Skipped] </source>
        <translation>[スキップ] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>（バイナリファイルのため、そのまま）</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <translation>[不確か] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[失敗] </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <translation>
            <numerusform>%n 件中 %1 件で中止</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run in which every text file succeeded: %1 of %2.</extracomment>
        <translation>[%1/%2] 成功！</translation>
    </message>
    <message numerus="yes">
        <source>%n left as it is now</source>
        <comment>files that changed after the run</comment>
        <translation>
            <numerusform>%n 件は現状のまま</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Undone</source>
        <extracomment>The summary of an undo: %1 files put back out of %2.</extracomment>
        <translation>[%1/%2] 元に戻しました</translation>
    </message>
    <message>
        <source>1 hidden file passed over</source>
        <translation>隠しファイル 1 件を飛ばしました</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hidden files passed over</source>
        <comment>files and folders</comment>
        <translation>
            <numerusform>隠しファイル %Ln 件を飛ばしました</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted</source>
        <extracomment>A status in the Detail table</extracomment>
        <translation>変換済み</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピー済み</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <comment>a file already in the target encoding</comment>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>不確か</translation>
    </message>
    <message>
        <source>Binary</source>
        <comment>a file that is not text</comment>
        <translation>バイナリ</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>除外</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>重複</translation>
    </message>
    <message>
        <source>its owner could not be kept: it is yours now</source>
        <translation>所有者を保てませんでした: 今はあなたのものです</translation>
    </message>
    <message>
        <source>its group could not be kept</source>
        <translation>グループを保てませんでした</translation>
    </message>
    <message>
        <source>its set-user-ID or set-group-ID bit was dropped with its owner or group</source>
        <translation>所有者やグループと一緒に set-user-ID または set-group-ID ビットが外れました</translation>
    </message>
    <message>
        <source>its other hard links still hold the old text</source>
        <translation>他のハードリンクには古い内容が残っています</translation>
    </message>
    <message>
        <source>its extended attributes or ACL could not be kept</source>
        <translation>拡張属性または ACL を保てませんでした</translation>
    </message>
    <message>
        <source>written over in place, as it cannot be replaced in its folder; the original was kept first</source>
        <translation>フォルダー内でファイルを置き換えられないため、その場で上書きしました。元のファイルは先に保存してあります</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>How a character is named: %1 the character itself, %2 its code point (U+041C). Use your language&apos;s quotes.</extracomment>
        <translation>「%1」(%2)</translation>
    </message>
    <message>
        <source>Undone</source>
        <extracomment>A status in the Detail table of an undo: the file was put back as it was before the run</extracomment>
        <translation>復元済み</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>a file undo left as it is</comment>
        <translation>そのまま</translation>
    </message>
    <message>
        <source>[Left out] </source>
        <extracomment>The status before the name of a file the user left out. The space after it only pads it.</extracomment>
        <translation>[除外] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln converted</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln 件変換</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln 件失敗</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%Ln 件要確認</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left out</source>
        <comment>files the user said are not text</comment>
        <translation>
            <numerusform>%Ln 件除外</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>バイナリ %Ln 件はそのまま</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left alone</source>
        <comment>files such as links out of the folder</comment>
        <translation>
            <numerusform>%Ln 件はそのまま</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln named twice</source>
        <comment>files met twice in one run, done once</comment>
        <translation>
            <numerusform>%Ln 件重複</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %L1 of 1 file</source>
        <translation>1 件中 %L1 件で取り消しました</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %L1 of %Ln files</source>
        <translation>
            <numerusform>%Ln 件中 %L1 件で取り消しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written</source>
        <translation>取り消しました: 何も書き込んでいません</translation>
    </message>
    <message>
        <source>Nothing to convert: the folder is empty</source>
        <translation>変換するものがありません: フォルダーは空です</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>変換するものがありません</translation>
    </message>
    <message>
        <source>[%1/%2] converted</source>
        <extracomment>The summary of a run in which some files did not succeed: %1 converted out of %2.</extracomment>
        <translation>[%1/%2] 変換済み</translation>
    </message>
    <message>
        <source>it may read as %1 in %2, but not surely</source>
        <extracomment>why detection asks: the only reading it has is too unsure; %1 is a language, %2 an encoding</extracomment>
        <translation>%2 で %1 として読める可能性がありますが、確実ではありません</translation>
    </message>
    <message>
        <source>it reads as %1 about as well in %2 as in %3</source>
        <extracomment>why detection asks; %1 is a language such as &quot;română&quot;, %2 and %3 are encodings</extracomment>
        <translation>%2 でも %3 でも、ほぼ同じように %1 として読めます</translation>
    </message>
    <message>
        <source>it reads as %1 in %2, and nearly as well as %3 in %4</source>
        <extracomment>why detection asks; %1 and %3 are languages, %2 and %4 encodings</extracomment>
        <translation>%2 では %1 として、%4 では %3 としてほぼ同じように読めます</translation>
    </message>
    <message numerus="yes">
        <source>%1, on too few telling characters (%n)</source>
        <extracomment>why detection asks: %1 says which readings; there are %n letters or signs outside ASCII to judge by</extracomment>
        <translation>
            <numerusform>%1（判断に使える文字が少なすぎます: %n）</numerusform>
        </translation>
    </message>
    <message>
        <source>in no encoding does it read as a language Karvo knows (closest: %1)</source>
        <extracomment>why detection asks; %1 is the encoding that came closest</extracomment>
        <translation>どのエンコーディングでも Karvo の知っている言語として読めません（最も近いもの: %1）</translation>
    </message>
    <message>
        <source>the charset detector says %1, which Karvo cannot read</source>
        <extracomment>why detection asks; %1 is an encoding name, such as VISCII</extracomment>
        <translation>文字コード検出器は %1 と判定しましたが、Karvo はこれを読めません</translation>
    </message>
    <message>
        <source>part of it is UTF-8, and part is not</source>
        <extracomment>why detection asks</extracomment>
        <translation>一部は UTF-8 ですが、残りはそうではありません</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s word for the English language. Where this stays &quot;English&quot;, Karvo names languages in English.</extracomment>
        <translation>英語</translation>
    </message>
    <message>
        <source>[To convert] </source>
        <extracomment>The status that begins a Detail line of a check: the file is not in the target encoding yet. The space after it only pads it.</extracomment>
        <translation>[要変換] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to convert</source>
        <comment>files not in the target encoding yet</comment>
        <translation>
            <numerusform>%Ln 件要変換</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] in %3 already</source>
        <extracomment>The summary of a check: %1 of the %2 text files are in the target encoding %3 already.</extracomment>
        <translation>[%1/%2] すでに %3</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>処理の後で移動または削除されました。</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>処理の後で変更されました。</translation>
    </message>
    <message>
        <source>Karvo cannot create its undo folder %1.</source>
        <translation>Karvo は元に戻すためのフォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>Karvo cannot write in its undo folder %1 (%2).</source>
        <translation>Karvo は元に戻すためのフォルダー %1 に書き込めません（%2）。</translation>
    </message>
    <message>
        <source>The files add up to %1, more than the %2 that Undo may keep.</source>
        <extracomment>%1 and %2 are sizes such as &quot;2.3 GB&quot;.</extracomment>
        <translation>ファイルの合計は %1 で、元に戻すために保管できる %2 を超えています。</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Folder</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理中</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>元のファイルを上書き</translation>
    </message>
    <message>
        <source>Drop or click to choose
a file or folder</source>
        <comment>Two short lines under the drop graphic; clicking the graphic or this text opens a file chooser.</comment>
        <translation>ドロップ、またはクリックして
ファイルやフォルダーを選択</translation>
    </message>
    <message>
        <source>Convert the files in the subfolders of a dropped folder too.</source>
        <translation>ドロップしたフォルダーのサブフォルダー内のファイルも変換します。</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>サブフォルダー</translation>
    </message>
    <message>
        <source>Undo last run</source>
        <translation>前回の変換を元に戻す</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Put every file of this run back as it was.</source>
        <translation>今回のすべてのファイルを元の状態に戻します。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Choose files to convert</source>
        <translation>変換するファイルを選択</translation>
    </message>
    <message>
        <source>Convert files</source>
        <translation>ファイルの変換</translation>
    </message>
    <message>
        <source>Drop text files or folders here, or choose them, to rewrite them in the encoding under To.</source>
        <translation>テキストファイルかフォルダーをここにドロップするか選択すると、「→」で選んだ文字コードで書き直します。</translation>
    </message>
    <message>
        <source>Choose files</source>
        <extracomment>The drop graphic, which opens the file chooser when clicked.</extracomment>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Opens a file chooser. Ctrl+O chooses files, Ctrl+Shift+O a folder; dropping them here works too.</source>
        <translation>ファイル選択画面を開きます。Ctrl+O でファイル、Ctrl+Shift+O でフォルダーを選べます。ここへのドロップでもかまいません。</translation>
    </message>
    <message>
        <source>Target encoding</source>
        <translation>変換先の文字コード</translation>
    </message>
    <message>
        <source>The encoding the files are rewritten in.</source>
        <translation>ファイルを書き直す文字コード。</translation>
    </message>
    <message>
        <source>Save folder</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Chooses a folder for converted copies; pressed again, files are replaced in place.</source>
        <translation>変換したコピーの保存先フォルダーを選びます。もう一度押すと、元のファイルを置き換えるようになります。</translation>
    </message>
    <message>
        <source>Home page</source>
        <extracomment>Karvo&apos;s web site.</extracomment>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>Shows the progress of the files being converted.</source>
        <translation>ファイル変換の進み具合を表示します。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Files done out of the files found.</source>
        <translation>見つかったファイルのうち処理済みの数。</translation>
    </message>
    <message>
        <source>Stops after the file being written; Escape does the same.</source>
        <translation>書き込み中のファイルが終わったら止めます。Esc キーでも同じです。</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The page that shows the outcome of a run.</extracomment>
        <translation>結果</translation>
    </message>
    <message>
        <source>Tells how the last run went.</source>
        <translation>前回の処理結果を示します。</translation>
    </message>
    <message>
        <source>When on, a dropped folder is converted with all its subfolders.</source>
        <translation>オンにすると、ドロップしたフォルダーをすべてのサブフォルダーごと変換します。</translation>
    </message>
    <message>
        <source>Puts the files of the last run back as they were.</source>
        <translation>前回処理したファイルを元の状態に戻します。</translation>
    </message>
    <message>
        <source>Puts every file of this run back as it was.</source>
        <translation>今回のすべてのファイルを元の状態に戻します。</translation>
    </message>
    <message>
        <source>Lists every file of the run and what became of it.</source>
        <translation>今回のすべてのファイルと、その結果を一覧表示します。</translation>
    </message>
    <message>
        <source>Returns to the drop page; Escape does the same.</source>
        <translation>ドロップ画面に戻ります。Esc キーでも同じです。</translation>
    </message>
    <message>
        <source>Choose a folder to convert</source>
        <translation>変換するフォルダーを選択</translation>
    </message>
    <message>
        <source>Converting files, please wait.</source>
        <translation>ファイルを変換しています。お待ちください。</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 を処理中</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>中止しています…</translation>
    </message>
    <message>
        <source>Choose a folder to save converted files in</source>
        <translation>変換したファイルの保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Choose a save folder</source>
        <translation>保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>save to: %1</source>
        <translation>保存先: %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>%1 への保存をやめ、元のファイルを置き換える</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 個のファイル</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo the run of %1: %2 to %3</source>
        <extracomment>%1 is when the run was, %2 how many files it changed (&quot;3 files&quot;), %3 the encoding they were converted to.</extracomment>
        <translation>%1 の変換を元に戻す: %2 を %3 に</translation>
    </message>
    <message>
        <source>%1
Convert anyway, without Undo?</source>
        <extracomment>%1 says why the originals cannot be kept for Undo.</extracomment>
        <translation>%1
元に戻せなくなりますが、変換しますか？</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>元に戻しています…</translation>
    </message>
    <message>
        <source>That run is still going, in this window or in another Karvo. Undo it once it is done.</source>
        <translation>その変換はまだ続いています（このウィンドウか別の Karvo で）。終わってから元に戻してください。</translation>
    </message>
    <message>
        <source>save to: %1 (missing)</source>
        <extracomment>Under the target encoding: converted files go into the folder %1. The save folder %1 was chosen, but is not there now; Karvo asks before the next run.</extracomment>
        <translation>保存先: %1 (見つかりません)</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page</source>
        <extracomment>An entry of the Home button&apos;s menu</extracomment>
        <translation>Karvo のホームページ</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Karvo について</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page, and its version and licence (F1)</source>
        <translation>Karvo のホームページと、バージョンおよびライセンス (F1)</translation>
    </message>
    <message>
        <source>Opens Karvo&apos;s home page or the About box.</source>
        <translation>Karvo のホームページか「Karvo について」を開きます。</translation>
    </message>
    <message>
        <source>Shows the files whose encoding is uncertain, to convert them with the encoding you pick.</source>
        <translation>文字コードが不確かなファイルを表示し、選んだ文字コードで変換します。</translation>
    </message>
    <message>
        <source>Opens the folder the copies went into.</source>
        <translation>コピーを保存したフォルダーを開きます。</translation>
    </message>
    <message>
        <source>Looking for files...</source>
        <translation>ファイルを探しています…</translation>
    </message>
    <message>
        <source>One more drop waits its turn.</source>
        <translation>もう 1 件のドロップが順番を待っています。</translation>
    </message>
    <message numerus="yes">
        <source>%n more drops wait their turn.</source>
        <translation>
            <numerusform>あと %n 件のドロップが順番を待っています。</numerusform>
        </translation>
    </message>
    <message>
        <source>The next drop starts when you go back.</source>
        <translation>戻ると次のドロップが始まります。</translation>
    </message>
    <message numerus="yes">
        <source>%n drops wait: the next starts when you go back.</source>
        <translation>
            <numerusform>%n 件のドロップが待っています。戻ると次が始まります。</numerusform>
        </translation>
    </message>
    <message>
        <source>This file is larger than 10 MiB.
Is it really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MiB; its name is the box&apos;s title.</extracomment>
        <translation>このファイルは 10 MiB より大きいです。
本当にテキストファイルですか？</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MiB.
Are they really text files?</source>
        <translation>
            <numerusform>%n 個のファイルが 10 MiB より大きいです。
本当にテキストファイルですか？</numerusform>
        </translation>
    </message>
    <message>
        <source>The save folder %1 is not there.
Create it again, choose another folder, or convert the files in place?</source>
        <extracomment>%1 is the save folder&apos;s path</extracomment>
        <translation>保存先フォルダー %1 がありません。
作り直しますか、別のフォルダーを選びますか、それともその場で変換しますか？</translation>
    </message>
    <message>
        <source>Create it again</source>
        <translation>作り直す</translation>
    </message>
    <message>
        <source>Choose another...</source>
        <translation>別のフォルダー…</translation>
    </message>
    <message>
        <source>Convert in place</source>
        <translation>その場で変換</translation>
    </message>
    <message>
        <source>Copies in %1</source>
        <extracomment>A link on the result page to the folder the converted copies went into</extracomment>
        <translation>コピーの場所: %1</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Files of the run</source>
        <translation>今回の変換のファイル</translation>
    </message>
    <message>
        <source>Problems only</source>
        <comment>Shows only the files that failed, are doubtful or were left alone</comment>
        <translation>問題のみ</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV で保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type filter of the save dialog; keep (*.csv) as it is.</extracomment>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies the selected rows of the Detail table as text</extracomment>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>CSV で保存…</translation>
    </message>
    <message>
        <source>karvo-detail.csv</source>
        <extracomment>The name the CSV file is offered under</extracomment>
        <translation>karvo-詳細.csv</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>KvReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>文字コードの確認</translation>
    </message>
    <message>
        <source>Files to review</source>
        <translation>確認するファイル</translation>
    </message>
    <message>
        <source>Encoding of the file</source>
        <translation>ファイルの文字コード</translation>
    </message>
    <message>
        <source>The start of the file, read in that encoding</source>
        <translation>その文字コードで読んだファイルの冒頭</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <extracomment>An encoding and how well the file reads in it, as in &quot;GB18030 (62 %)&quot;</extracomment>
        <translation>%1（%2%）</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Columns of the review&apos;s file list: the file, and the encoding Karvo thinks likeliest</extracomment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>推定</translation>
    </message>
    <message>
        <source>Use this encoding for all selected</source>
        <translation>選んだすべてにこの文字コードを使う</translation>
    </message>
    <message>
        <source>Karvo is not sure which encoding these files are in. Select files, pick the encoding in which the text reads right, and convert them; files you do not convert stay as they are.</source>
        <translation>Karvo にはこれらのファイルの文字コードが確かではありません。ファイルを選び、文章が正しく読める文字コードを選んで変換してください。変換しないファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reviewed file&apos;s status and why, as in &quot;Failed: Could not convert file: ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>変換しています…</translation>
    </message>
</context>
</TS>
