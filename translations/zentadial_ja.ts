<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>zentadial::FileSettingsStore</name>
    <message>
        <source>it is a link</source>
        <translation>リンクです</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>ほかのユーザーのファイルです</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>読み取り専用です</translation>
    </message>
    <message>
        <source>The settings file %1 is left alone: %2. Your settings are kept in %3 instead.</source>
        <translation>設定ファイル %1 は使用しません：%2。設定は代わりに %3 に保存します。</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 could not be created.</source>
        <translation>設定を保存できませんでした。フォルダ %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>設定を %1 に保存できませんでした：%2</translation>
    </message>
</context>
<context>
    <name>zentadial::FolderList</name>
    <message>
        <source>No folder was given.</source>
        <translation>フォルダが指定されていません。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダ %1 は存在しません。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 はフォルダではありません。</translation>
    </message>
    <message>
        <source>You have no permission to open the folder %1.</source>
        <translation>フォルダ %1 を開く権限がありません。</translation>
    </message>
</context>
<context>
    <name>zentadial::Form1</name>
    <message>
        <source>Finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>変換されませんでした</translation>
    </message>
    <message>
        <source>Zentadial</source>
        <translation>Zentadial</translation>
    </message>
    <message>
        <source>Date (GMT)</source>
        <translation>日付（GMT）</translation>
    </message>
    <message>
        <source>MJD</source>
        <translation>MJD</translation>
    </message>
    <message>
        <source>Julian Date</source>
        <translation>ユリウス日</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>元期</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Time zone, hours east of GMT</source>
        <translation>タイムゾーン（GMT からの時差、東がプラス）</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>時刻系</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>TDB (simulator clock)</source>
        <translation>TDB（シミュレーターの時計）</translation>
    </message>
    <message>
        <source>Simulator&apos;s Now (UTC + 66.184 s)</source>
        <translation>シミュレーターの現在時刻（UTC + 66.184 秒）</translation>
    </message>
    <message>
        <source>Time scale of the MJD, JD and Epoch</source>
        <translation>MJD・JD・元期の時刻系</translation>
    </message>
    <message>
        <source>File to Convert:</source>
        <translation>変換するファイル：</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Folder to Convert:</source>
        <translation>変換するフォルダ：</translation>
    </message>
    <message>
        <source>Convert single file</source>
        <translation>ファイル単体</translation>
    </message>
    <message>
        <source>Convert Entire Folder</source>
        <translation>フォルダ全体</translation>
    </message>
    <message>
        <source>Convert Folder</source>
        <translation>フォルダを変換</translation>
    </message>
    <message>
        <source>Convert File</source>
        <translation>ファイルを変換</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>TDB</source>
        <comment>short name of the scale</comment>
        <translation>TDB</translation>
    </message>
    <message>
        <source>Sim.</source>
        <comment>short name of the scale</comment>
        <translation>Sim.</translation>
    </message>
    <message>
        <source>Undo Last Conversion</source>
        <translation>直前の変換を元に戻す</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>プレビュー…</translation>
    </message>
    <message>
        <source>Sim. Now</source>
        <comment>name of the scale in a caption</comment>
        <translation>Sim. 現在</translation>
    </message>
    <message>
        <source>MJD (%1)</source>
        <translation>MJD（%1）</translation>
    </message>
    <message>
        <source>Julian Date (%1)</source>
        <translation>ユリウス日（%1）</translation>
    </message>
    <message>
        <source>Epoch (%1)</source>
        <translation>元期（%1）</translation>
    </message>
    <message>
        <source>date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field is empty, so the four fields do not show one instant. Type a date or a number into one field and the others follow.</source>
        <translation>変換は行われませんでした。［%1］欄が空のため、4 つの欄が同じ時点を示していません。いずれかの欄に日付または数値を入力すると、ほかの欄も連動して変わります。</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the date field is not a date.</source>
        <translation>変換は行われませんでした。日付欄の「%1」は日付ではありません。</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the %2 field is not a number.</source>
        <translation>変換は行われませんでした。［%2］欄の「%1」は数値ではありません。</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field and the MJD field do not show the same instant. Type into one field again and the others follow.</source>
        <translation>変換は行われませんでした。［%1］欄と［MJD］欄が同じ時点を示していません。いずれかの欄にもう一度入力すると、ほかの欄も連動して変わります。</translation>
    </message>
</context>
<context>
    <name>zentadial::Form2</name>
    <message>
        <source>This program converts dates between Julian Date, Modified Julian Date (MJD), Epoch, and Date.</source>
        <translation>このプログラムは、ユリウス日、修正ユリウス日（MJD）、元期、日付を相互に換算します。</translation>
    </message>
    <message>
        <source>If you wish, you can enter your time zone and press NOW.  It will compute the dates in the four time formats based on your computer&apos;s internal clock.  It does not take daylight savings into account, so for example if you live in California, choose -8 during standard time, and -7 during daylight savings.  </source>
        <translation>必要に応じてタイムゾーンを入力し、［現在］を押してください。コンピューターの内蔵時計をもとに、4 つの形式で日付を計算します。夏時間は考慮しないため、たとえばカリフォルニアにお住まいの場合は、標準時の期間は -8、夏時間の期間は -7 を選んでください。  </translation>
    </message>
    <message>
        <source>This program can also be used to modify the date in an .scn file or group of .scn files for Orbiter.</source>
        <translation>このプログラムでは、Orbiter の .scn ファイル（1 つまたは複数）の日付を変更することもできます。</translation>
    </message>
    <message>
        <source>To modify a single .scn file, click the option that says &apos;Convert Single File&apos;, press the &apos;Change&apos; button, choose your file, then press the &apos;Convert File&apos; button.</source>
        <translation>1 つの .scn ファイルを変更するには、［ファイル単体］オプションをクリックし、［変更］ボタンを押してファイルを選んでから、［ファイルを変換］ボタンを押します。</translation>
    </message>
    <message>
        <source>To modify a group of files, choose the option that says &apos;Convert Folder&apos;, then press &apos;Change&apos;, choose your folder and press the &apos;Convert Folder&apos; button.</source>
        <translation>複数のファイルをまとめて変更するには、［フォルダ全体］オプションを選び、［変更］を押してフォルダを選んでから、［フォルダを変換］ボタンを押します。</translation>
    </message>
    <message>
        <source>This program will change the date in your specified .scn file(s) to the date you have selected.</source>
        <translation>指定した .scn ファイルの日付が、選択した日付に変更されます。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Scale sets the time scale of the MJD, Julian Date and Epoch; the date stays in GMT. Click or tab into any field and type: the other three follow it. &apos;Preview…&apos; opens a table of what a conversion would change, and &apos;Undo Last Conversion&apos; puts back the files of the last conversion.</source>
        <translation>［時刻系］では、MJD、ユリウス日、元期の時刻系を選びます。日付は常に GMT です。いずれかの欄をクリックするか Tab キーで移動して入力すると、ほかの 3 つの欄も連動します。［プレビュー…］を押すと変換で何が変わるかを表で確認でき、［直前の変換を元に戻す］を押すと直前の変換で変更したファイルを元に戻します。</translation>
    </message>
</context>
<context>
    <name>zentadial::JoinedWords</name>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences one after the other in a message: %1 is what comes before, %2 the next sentence.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list within a sentence, such as file names.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A file&apos;s or folder&apos;s path, or a date the user typed, quoted in a message.</extracomment>
        <translation>「%1」</translation>
    </message>
</context>
<context>
    <name>zentadial::JournalMessages</name>
    <message>
        <source>There is no conversion to undo.</source>
        <translation>元に戻せる変換はありません。</translation>
    </message>
    <message>
        <source>The last conversion was too large for the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>直前の変換は大きすぎて取り消し履歴に保存できなかったため、元に戻せません。ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>The last conversion could not be written to the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>直前の変換は取り消し履歴に書き込めなかったため、元に戻せません。ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>The undo journal&apos;s record of the last conversion cannot be read. No file was changed.</source>
        <translation>取り消し履歴にある直前の変換の記録を読み取れません。ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>The undo journal could not be read (%1). No file was changed.</source>
        <translation>取り消し履歴を読み取れませんでした（%1）。ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>%1: changed since the conversion, left as it is</source>
        <translation>%1：変換後に変更されているため、そのままにしました</translation>
    </message>
    <message>
        <source>%1: the undo journal&apos;s copy is damaged, left as it is</source>
        <translation>%1：取り消し履歴のコピーが壊れているため、そのままにしました</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile, left as it is</source>
        <translation>%1：処理中にほかのプログラムが変更したため、そのままにしました</translation>
    </message>
    <message>
        <source>%1: could not be put back (%2), left as it is</source>
        <translation>%1：元に戻せなかったため（%2）、そのままにしました</translation>
    </message>
    <message>
        <source>This conversion is larger than the undo journal keeps (%1 MiB), so it cannot be undone.</source>
        <translation>この変換は取り消し履歴に保存できる大きさ（%1 MiB）を超えるため、元に戻せません。</translation>
    </message>
    <message>
        <source>The undo journal in &quot;%1&quot; could not be written (%2), so this conversion cannot be undone.</source>
        <translation>「%1」の取り消し履歴に書き込めなかったため（%2）、この変換は元に戻せません。</translation>
    </message>
    <message>
        <source>Not Undone</source>
        <translation>元に戻せませんでした</translation>
    </message>
    <message>
        <source>%1: put back</source>
        <translation>%1：元に戻しました</translation>
    </message>
    <message>
        <source>Files put back as they were before the conversion of %1: %2.</source>
        <translation>%1 の変換前の状態に戻したファイル：%2 件。</translation>
    </message>
    <message>
        <source>Files left as they are: %1.</source>
        <translation>そのままにしたファイル：%1 件。</translation>
    </message>
    <message>
        <source>and %1 more (see the details)</source>
        <translation>ほか %1 件（詳細を参照）</translation>
    </message>
    <message>
        <source>Conversion Undone</source>
        <translation>変換を元に戻しました</translation>
    </message>
    <message>
        <source>Conversion Partly Undone</source>
        <translation>変換の一部を元に戻しました</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>zentadial::Oopen</name>
    <message>
        <source>Type a name for the new folder first.</source>
        <translation>先に新しいフォルダの名前を入力してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name a new folder can have.</source>
        <translation>「%1」は新しいフォルダの名前に使えません。</translation>
    </message>
    <message>
        <source>A folder name cannot contain a null character.</source>
        <translation>フォルダ名に NUL 文字は使えません。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Select the folder</source>
        <translation>このフォルダを選択</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Make Directory</source>
        <translation>フォルダ作成</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダを開く</translation>
    </message>
    <message>
        <source>The drive %1 cannot be opened. %2</source>
        <translation>ドライブ %1 を開けません。%2</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>ドライブの変更</translation>
    </message>
    <message>
        <source>The desktop folder cannot be opened. %1</source>
        <translation>デスクトップ フォルダを開けません。%1</translation>
    </message>
    <message>
        <source>A folder or file named &quot;%1&quot; exists already here.</source>
        <translation>「%1」という名前のフォルダまたはファイルがすでにあります。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2.</source>
        <translation>フォルダ %1 を作成できません：%2。</translation>
    </message>
    <message>
        <source>The new folder was created but cannot be opened. %1</source>
        <translation>新しいフォルダは作成されましたが、開けません。%1</translation>
    </message>
    <message>
        <source>A folder name cannot contain &quot;%1&quot;. The new folder is made inside the folder that is open, so type its name alone.</source>
        <translation>フォルダ名に「%1」は使えません。新しいフォルダは開いているフォルダの中に作成されるため、名前だけを入力してください。</translation>
    </message>
</context>
<context>
    <name>zentadial::Preview</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>Scenario ファイル</translation>
    </message>
    <message>
        <source>Space checks or unchecks a file; Enter puts its date into the converter&apos;s fields.</source>
        <translation>Space キーでファイルのチェックを切り替え、Enter キーでそのファイルの日付をメイン ウィンドウの欄に入れます。</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>サブフォルダを含める</translation>
    </message>
    <message>
        <source>Set every checked file to the date shown</source>
        <translation>チェックしたすべてのファイルを表示中の日付にする</translation>
    </message>
    <message>
        <source>Move the checked files so that the selected file starts at the date shown; the others keep their distance</source>
        <translation>選択したファイルが表示中の日付に始まるよう、チェックしたファイルをずらす（ファイル同士の間隔は保つ）</translation>
    </message>
    <message>
        <source>Keep ELEMENTS epochs</source>
        <translation>ELEMENTS の元期を保持</translation>
    </message>
    <message>
        <source>Leave the vessels&apos; orbit epochs as they are, for the simulator to propagate.</source>
        <translation>機体の軌道元期は変更せず、軌道の推進はシミュレーターに任せます。</translation>
    </message>
    <message>
        <source>Convert Checked</source>
        <translation>チェックしたファイルを変換</translation>
    </message>
    <message>
        <source>Undo Last Conversion</source>
        <translation>直前の変換を元に戻す</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Scenario files in %1:</source>
        <translation>%1 の Scenario ファイル：</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Select the file that is to start at the date shown; it must have a date of its own.</source>
        <translation>表示中の日付に始まるファイルを選択してください。そのファイル自体に日付がある必要があります。</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>変換されませんでした</translation>
    </message>
    <message>
        <source>The last conversion of these files already moved them by this span:
%1
Move them once more?</source>
        <translation>次のファイルは直前の変換で、すでにこの期間だけずらされています：
%1
もう一度ずらしますか？</translation>
    </message>
    <message>
        <source>Move Again?</source>
        <translation>もう一度ずらしますか？</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved</source>
        <translation>
            <numerusform>%n 件のファイルをずらしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n refused</source>
        <translation type="vanished">
            <numerusform>、%n 件は拒否されました</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Moved</source>
        <translation>ファイルをずらしました</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Not Every File Moved</source>
        <translation>一部のファイルをずらせませんでした</translation>
    </message>
    <message>
        <source>No file is checked.</source>
        <translation>チェックされたファイルがありません。</translation>
    </message>
    <message>
        <source>%1 has no date to use: it starts at the present moment.</source>
        <translation>%1 には使える日付がありません。現在時刻から始まります。</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved.</source>
        <translation>
            <numerusform>%n 件のファイルをずらしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n refused.</source>
        <extracomment>%1 says how many files were moved (&quot;3 files moved&quot;), %n how many were refused.</extracomment>
        <translation>
            <numerusform>%1が、%n 件は拒否されました。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file moved.</source>
        <translation>1 件のファイルをずらしました。</translation>
    </message>
    <message>
        <source>1 file moved</source>
        <translation>1 件のファイルをずらしました</translation>
    </message>
</context>
<context>
    <name>zentadial::PreviewModel</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Starts now at</source>
        <translation>現在の開始日時</translation>
    </message>
    <message>
        <source>Would start at</source>
        <translation>変換後の開始日時</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>the present moment</source>
        <translation>現在時刻</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>unchanged: no date to move from</source>
        <translation>変更なし：ずらす元の日付がありません</translation>
    </message>
    <message>
        <source>(select the file that is to start at the date shown)</source>
        <translation>（表示中の日付に始まるファイルを選択してください）</translation>
    </message>
    <message>
        <source>(the fields disagree)</source>
        <translation>（欄の値が一致していません）</translation>
    </message>
    <message>
        <source>no date line: left as it is</source>
        <translation>日付行なし：そのまま</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the notes on a file in one line of the preview&apos;s table.</extracomment>
        <translation>／</translation>
    </message>
</context>
<context>
    <name>zentadial::ReadingWords</name>
    <message>
        <source>no line starts with BEGIN_ENVIRONMENT</source>
        <translation>BEGIN_ENVIRONMENT で始まる行がありません</translation>
    </message>
    <message>
        <source>a byte-order mark stands before BEGIN_ENVIRONMENT</source>
        <translation>BEGIN_ENVIRONMENT の前にバイト順マーク（BOM）があります</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT is indented</source>
        <translation>BEGIN_ENVIRONMENT が字下げされています</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file before BEGIN_ENVIRONMENT</source>
        <translation>%1 行目の Ctrl-Z により、BEGIN_ENVIRONMENT の前でファイルが終わります</translation>
    </message>
    <message>
        <source>line %1, of %2 characters, hides the rest of the section</source>
        <translation>%1 行目（%2 文字）がセクションの残りを隠しています</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file</source>
        <translation>%1 行目の Ctrl-Z でファイルが終わります</translation>
    </message>
    <message>
        <source>it stands above BEGIN_ENVIRONMENT</source>
        <translation>BEGIN_ENVIRONMENT より前にあります</translation>
    </message>
    <message>
        <source>it stands below END_ENVIRONMENT</source>
        <translation>END_ENVIRONMENT より後にあります</translation>
    </message>
    <message>
        <source>a lone carriage return joins it to the line before</source>
        <translation>単独の CR により前の行とつながっています</translation>
    </message>
    <message>
        <source>the date of line %1 is read instead</source>
        <translation>代わりに %1 行目の日付が読まれます</translation>
    </message>
    <message>
        <source>no date line: the simulator starts it at the present moment</source>
        <translation>日付行なし：シミュレーターは現在時刻から開始します</translation>
    </message>
    <message>
        <source>its date line has no number: it starts at the present moment</source>
        <translation>日付行に数値なし：現在時刻から開始します</translation>
    </message>
    <message>
        <source>the simulator reads none of its date lines and starts it at the present moment</source>
        <translation>シミュレーターはどの日付行も読まず、現在時刻から開始します</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian Date</source>
        <translation>%1 行目は日付をユリウス日で指定しています</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian epoch year</source>
        <translation>%1 行目は日付をユリウス元期（年）で指定しています</translation>
    </message>
    <message>
        <source>the simulator does not read the date line %1: %2</source>
        <translation>シミュレーターは %1 行目の日付行を読みません：%2</translation>
    </message>
    <message>
        <source>vessels given by elements: %1, epochs up to %2 days from the date</source>
        <translation>軌道要素で指定された機体：%1、元期は日付から最大 %2 日</translation>
    </message>
    <message>
        <source>vessels given by elements: %1</source>
        <translation>軌道要素で指定された機体：%1</translation>
    </message>
    <message>
        <source>vessels given by state vectors: %1</source>
        <translation>状態ベクトルで指定された機体：%1</translation>
    </message>
    <message>
        <source>landed vessels: %1</source>
        <translation>着陸中の機体：%1</translation>
    </message>
    <message>
        <source>launch MJDs (LAUNCH_MJD): %1</source>
        <translation>打ち上げ MJD（LAUNCH_MJD）：%1</translation>
    </message>
    <message>
        <source>mission clock starts (MET_STARTING_MJD): %1</source>
        <translation>ミッション時計の開始（MET_STARTING_MJD）：%1</translation>
    </message>
    <message>
        <source>dates stored by a transfer planner: %1</source>
        <translation>遷移計画ツールが保存した日付：%1</translation>
    </message>
    <message>
        <source>a recorded flight (Playback)</source>
        <translation>記録された飛行（Playback）</translation>
    </message>
    <message>
        <source>a guidance computer&apos;s memory image (AGC_BEGIN)</source>
        <translation>誘導コンピューターのメモリイメージ（AGC_BEGIN）</translation>
    </message>
</context>
<context>
    <name>zentadial::ScenarioWords</name>
    <message>
        <source>the simulator would not read the date written</source>
        <translation>書き込む日付をシミュレーターが読みません</translation>
    </message>
    <message>
        <source>it has no environment section (BEGIN_ENVIRONMENT) for the simulator to read</source>
        <translation>シミュレーターが読む環境セクション（BEGIN_ENVIRONMENT）がありません</translation>
    </message>
    <message>
        <source>a byte-order mark before BEGIN_ENVIRONMENT hides the environment section from the simulator</source>
        <translation>BEGIN_ENVIRONMENT の前にバイト順マーク（BOM）があるため、シミュレーターは環境セクションを見つけられません</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT on line %1 is indented, so the simulator finds no environment section</source>
        <translation>%1 行目の BEGIN_ENVIRONMENT が字下げされているため、シミュレーターは環境セクションを見つけられません</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the environment section</source>
        <translation>%1 行目の Ctrl-Z 文字のため、シミュレーターにとってはファイルが環境セクションの前で終わります</translation>
    </message>
    <message>
        <source>a line of %1 characters earlier in the environment section (line %2) hides the date from the simulator</source>
        <translation>環境セクション内でそれより前にある %1 文字の行（%2 行目）のため、シミュレーターは日付を読めません</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the date</source>
        <translation>%1 行目の Ctrl-Z 文字のため、シミュレーターにとってはファイルが日付の前で終わります</translation>
    </message>
    <message>
        <source>its date line lies outside the environment section</source>
        <translation>日付行が環境セクションの外にあります</translation>
    </message>
    <message>
        <source>a lone carriage return joins the date line to the line before it</source>
        <translation>単独の CR により、日付行が前の行とつながっています</translation>
    </message>
    <message>
        <source>the simulator would read the date on line %1 instead</source>
        <translation>シミュレーターは代わりに %1 行目の日付を読みます</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation>（%1）</translation>
    </message>
    <message>
        <source>No folder was given, so nothing was converted.</source>
        <translation>フォルダが指定されていないため、変換は行われませんでした。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so nothing was converted.</source>
        <translation>フォルダ%1が存在しないため、変換は行われませんでした。</translation>
    </message>
    <message>
        <source>%1 is not a folder, so nothing was converted.</source>
        <translation>%1はフォルダではないため、変換は行われませんでした。</translation>
    </message>
    <message>
        <source>The folder %1 could not be read%2, so nothing was converted.</source>
        <translation>フォルダ%1を読み取れなかった%2ため、変換は行われませんでした。</translation>
    </message>
    <message>
        <source>No scenario file was given, so nothing was converted.</source>
        <translation>Scenario ファイルが指定されていないため、変換は行われませんでした。</translation>
    </message>
    <message>
        <source>The file %1 could not be opened%2.</source>
        <translation>ファイル%1を開けませんでした%2。</translation>
    </message>
    <message>
        <source>%1 is not a scenario file%2.</source>
        <translation>%1は Scenario ファイルではありません%2。</translation>
    </message>
    <message>
        <source>The file %1 is too large for a scenario file%2.</source>
        <translation>ファイル%1は Scenario ファイルとしては大きすぎます%2。</translation>
    </message>
    <message>
        <source>The file %1 is not a text scenario file (it is UTF-16 or UTF-32, or holds NUL bytes).</source>
        <translation>ファイル%1はテキスト形式の Scenario ファイルではありません（UTF-16 か UTF-32 であるか、NUL バイトを含んでいます）。</translation>
    </message>
    <message>
        <source>The file %1 has more than %2 lines, more than a scenario file may have.</source>
        <translation>ファイル%1の行数が、Scenario ファイルに許される上限の %2 行を超えています。</translation>
    </message>
    <message>
        <source>The date field is empty, so %1 could not be converted.</source>
        <translation>日付欄が空のため、%1を変換できませんでした。</translation>
    </message>
    <message>
        <source>The date %1 is not a date, so %2 could not be converted.</source>
        <translation>%1は日付として読み取れないため、%2を変換できませんでした。</translation>
    </message>
    <message>
        <source>The date %1 is too late to be written as an MJD, so %2 could not be converted.</source>
        <translation>日付%1は MJD として書き込むには遅すぎるため、%2を変換できませんでした。</translation>
    </message>
    <message>
        <source>The file %1 is read-only%2.</source>
        <translation>ファイル%1は読み取り専用です%2。</translation>
    </message>
    <message>
        <source>The file %1 was not converted%2.</source>
        <translation>ファイル%1は変換されませんでした%2。</translation>
    </message>
    <message>
        <source>The file %1 changed while being converted: another program wrote or replaced it.</source>
        <translation>ファイル%1は変換中に変更されました。ほかのプログラムが書き込んだか、置き換えました。</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside its folder and was skipped.</source>
        <translation>%1はフォルダ外のファイルへのリンクのため、スキップしました。</translation>
    </message>
    <message>
        <source>The file %1 could not be written%2.</source>
        <translation>ファイル%1に書き込めませんでした%2。</translation>
    </message>
    <message>
        <source>The file %1 was not converted: %2.</source>
        <translation>ファイル%1は変換されませんでした：%2。</translation>
    </message>
    <message>
        <source>It was left as the other program wrote it.</source>
        <translation>ファイルはほかのプログラムが書き込んだままにしてあります。</translation>
    </message>
    <message>
        <source>It was left unchanged.</source>
        <translation>ファイルは変更していません。</translation>
    </message>
    <message>
        <source>No file of the folder had been converted yet.</source>
        <translation>フォルダ内のファイルはまだ 1 つも変換されていませんでした。</translation>
    </message>
    <message>
        <source>1 file of the folder had already been converted; the files after it were not touched.</source>
        <translation>フォルダ内の 1 個のファイルはすでに変換済みです。それ以降のファイルには手を付けていません。</translation>
    </message>
    <message>
        <source>%1 files of the folder had already been converted; the files after it were not touched.</source>
        <translation>フォルダ内の %1 個のファイルはすでに変換済みです。それ以降のファイルには手を付けていません。</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 ファイル</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 ファイル</translation>
    </message>
    <message>
        <source>, </source>
        <translation type="vanished">、</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 ほか %2 件</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run were found and left in place: %1.</source>
        <translation>以前に中断された処理の一時ファイルが見つかりました。そのまま残してあります：%1。</translation>
    </message>
    <message>
        <source>File Converted</source>
        <translation>ファイルを変換しました</translation>
    </message>
    <message>
        <source>1 date line was rewritten.</source>
        <translation>日付行を 1 行書き換えました。</translation>
    </message>
    <message>
        <source>%1 date lines were rewritten.</source>
        <translation>日付行を %1 行書き換えました。</translation>
    </message>
    <message>
        <source>File Left Unchanged</source>
        <translation>ファイルは変更されませんでした</translation>
    </message>
    <message>
        <source>The file has no date line, so it was left as it is.</source>
        <translation>ファイルに日付行がないため、そのままにしました。</translation>
    </message>
    <message>
        <source>The file already holds this date, so it was left as it is.</source>
        <translation>ファイルはすでにこの日付のため、そのままにしました。</translation>
    </message>
    <message>
        <source>Folder Converted</source>
        <translation>フォルダを変換しました</translation>
    </message>
    <message>
        <source>Folder Not Converted</source>
        <translation>フォルダは変換されませんでした</translation>
    </message>
    <message>
        <source>Folder Partly Converted</source>
        <translation>フォルダの一部を変換しました</translation>
    </message>
    <message>
        <source>The folder holds no scenario file, so nothing was changed.</source>
        <translation>フォルダに Scenario ファイルがないため、何も変更していません。</translation>
    </message>
    <message>
        <source>1 date line</source>
        <translation>日付行 1 行</translation>
    </message>
    <message>
        <source>%1 date lines</source>
        <translation>日付行 %1 行</translation>
    </message>
    <message>
        <source>%1 written (%2), %3 left unchanged, %4 refused.</source>
        <translation>書き込み %1（%2）、変更なし %3、拒否 %4。</translation>
    </message>
    <message>
        <source>Refused, left as they were:</source>
        <translation>拒否（元のまま）：</translation>
    </message>
    <message>
        <source>No date line, left unchanged:</source>
        <translation>日付行なし（変更なし）：</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged:</source>
        <translation>すでにこの日付（変更なし）：</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder:</source>
        <translation>スキップ（フォルダ外のファイルへのリンク）：</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place:</source>
        <translation>以前に中断された処理の一時ファイル（残してあります）：</translation>
    </message>
    <message>
        <source>Approximate: before 1960 there is no UTC, and TT - UT comes from the model of Espenak and Meeus.</source>
        <translation>概算値です。1960 年より前には UTC がなく、TT - UT は Espenak と Meeus のモデルによります。</translation>
    </message>
    <message>
        <source>TDB assumes no leap second after 2016.</source>
        <translation>TDB では 2016 年より後のうるう秒はないものとしています。</translation>
    </message>
    <message>
        <source>The instant falls in the leap second 23:59:60 UTC, shown as 23:59:59.</source>
        <translation>この時点はうるう秒 23:59:60 UTC に当たるため、23:59:59 と表示しています。</translation>
    </message>
    <message>
        <source>Refused, left as they were: %1.</source>
        <translation>拒否（元のまま）：%1。</translation>
    </message>
    <message>
        <source>No date line, left unchanged: %1.</source>
        <translation>日付行なし（変更なし）：%1。</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged: %1.</source>
        <translation>すでにこの日付（変更なし）：%1。</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder: %1.</source>
        <translation>スキップ（フォルダ外のファイルへのリンク）：%1。</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place: %1.</source>
        <translation>以前に中断された処理の一時ファイル（残してあります）：%1。</translation>
    </message>
</context>
<context>
    <name>zentadial::ShiftWords</name>
    <message>
        <source>the date line</source>
        <translation>日付行</translation>
    </message>
    <message>
        <source>an ELEMENTS epoch</source>
        <translation>ELEMENTS の元期</translation>
    </message>
    <message>
        <source>a TransX plan</source>
        <translation>TransX の計画</translation>
    </message>
    <message>
        <source>a playback recording</source>
        <translation>Playback の記録</translation>
    </message>
    <message>
        <source>a guidance-computer memory image</source>
        <translation>誘導コンピューターのメモリイメージ</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1（%2 行目）</translation>
    </message>
    <message>
        <source>%1 is not a text scenario.</source>
        <translation>%1 はテキスト形式の Scenario ではありません。</translation>
    </message>
    <message>
        <source>%1 has more lines than a scenario can have.</source>
        <translation>%1 は Scenario に許される行数を超えています。</translation>
    </message>
    <message>
        <source>%1 starts at the present moment: it has no date to move from.</source>
        <translation>%1 は現在時刻から始まるため、ずらす元の日付がありません。</translation>
    </message>
    <message>
        <source>%1 holds %2, whose times cannot move with the date.</source>
        <translation>%1 には %2 が含まれています。その時刻は日付と一緒にずらせません。</translation>
    </message>
    <message>
        <source>%1: %2 is not written as a plain decimal number.</source>
        <translation>%1：%2 が通常の 10 進数で書かれていません。</translation>
    </message>
    <message>
        <source>%1: moving %2 would make its line longer than the simulator reads.</source>
        <translation>%1：%2 をずらすと、その行がシミュレーターの読める長さを超えます。</translation>
    </message>
    <message>
        <source>%1: the simulator would not start the result at the new date.</source>
        <translation>%1：書き換えた結果を、シミュレーターが新しい日付で開始しません。</translation>
    </message>
    <message>
        <source>%1: read back, %2 did not move by exactly the span.</source>
        <translation>%1：読み戻したところ、%2 が指定の期間ちょうどずれていません。</translation>
    </message>
    <message>
        <source>%1 was already moved by this span.</source>
        <translation>%1 はすでにこの期間だけずらされています。</translation>
    </message>
    <message>
        <source>Interplanetary MFD plan data</source>
        <translation>Interplanetary MFD の計画データ</translation>
    </message>
</context>
</TS>
