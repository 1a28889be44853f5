<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>zentadial::FileSettingsStore</name>
    <message>
        <source>it is a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 is left alone: %2. Your settings are kept in %3 instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::FolderList</name>
    <message>
        <source>No folder was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no permission to open the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::Form1</name>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentadial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date (GMT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MJD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone, hours east of GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TDB (simulator clock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulator&apos;s Now (UTC + 66.184 s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time scale of the MJD, JD and Epoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File to Convert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder to Convert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert single file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Entire Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TDB</source>
        <comment>short name of the scale</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sim.</source>
        <comment>short name of the scale</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Last Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sim. Now</source>
        <comment>name of the scale in a caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MJD (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian Date (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epoch (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field is empty, so the four fields do not show one instant. Type a date or a number into one field and the others follow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the date field is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the %2 field is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field and the MJD field do not show the same instant. Type into one field again and the others follow.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::Form2</name>
    <message>
        <source>This program converts dates between Julian Date, Modified Julian Date (MJD), Epoch, and Date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you wish, you can enter your time zone and press NOW.  It will compute the dates in the four time formats based on your computer&apos;s internal clock.  It does not take daylight savings into account, so for example if you live in California, choose -8 during standard time, and -7 during daylight savings.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program can also be used to modify the date in an .scn file or group of .scn files for Orbiter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To modify a single .scn file, click the option that says &apos;Convert Single File&apos;, press the &apos;Change&apos; button, choose your file, then press the &apos;Convert File&apos; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To modify a group of files, choose the option that says &apos;Convert Folder&apos;, then press &apos;Change&apos;, choose your folder and press the &apos;Convert Folder&apos; button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program will change the date in your specified .scn file(s) to the date you have selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale sets the time scale of the MJD, Julian Date and Epoch; the date stays in GMT. Click or tab into any field and type: the other three follow it. &apos;Preview…&apos; opens a table of what a conversion would change, and &apos;Undo Last Conversion&apos; puts back the files of the last conversion.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::JournalMessages</name>
    <message>
        <source>There is no conversion to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last conversion was too large for the undo journal, so it cannot be undone. No file was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last conversion could not be written to the undo journal, so it cannot be undone. No file was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The undo journal&apos;s record of the last conversion cannot be read. No file was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The undo journal could not be read (%1). No file was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: changed since the conversion, left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the undo journal&apos;s copy is damaged, left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile, left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: could not be put back (%2), left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This conversion is larger than the undo journal keeps (%1 MiB), so it cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The undo journal in &quot;%1&quot; could not be written (%2), so this conversion cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files put back as they were before the conversion of %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files left as they are: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more (see the details)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion Undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion Partly Undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::Oopen</name>
    <message>
        <source>Type a name for the new folder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name a new folder can have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder name cannot contain a null character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive %1 cannot be opened. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop folder cannot be opened. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder or file named &quot;%1&quot; exists already here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new folder was created but cannot be opened. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder name cannot contain &quot;%1&quot;. The new folder is made inside the folder that is open, so type its name alone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::Preview</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space checks or unchecks a file; Enter puts its date into the converter&apos;s fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set every checked file to the date shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the checked files so that the selected file starts at the date shown; the others keep their distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep ELEMENTS epochs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the vessels&apos; orbit epochs as they are, for the simulator to propagate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Last Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario files in %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the file that is to start at the date shown; it must have a date of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last conversion of these files already moved them by this span:
%1
Move them once more?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) moved</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n refused</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Files Moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Every File Moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no date to use: it starts at the present moment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::PreviewModel</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts now at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would start at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the present moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged: no date to move from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(select the file that is to start at the date shown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(the fields disagree)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no date line: left as it is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::ReadingWords</name>
    <message>
        <source>no line starts with BEGIN_ENVIRONMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a byte-order mark stands before BEGIN_ENVIRONMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT is indented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file before BEGIN_ENVIRONMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, of %2 characters, hides the rest of the section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it stands above BEGIN_ENVIRONMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it stands below END_ENVIRONMENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a lone carriage return joins it to the line before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the date of line %1 is read instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no date line: the simulator starts it at the present moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its date line has no number: it starts at the present moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the simulator reads none of its date lines and starts it at the present moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian epoch year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the simulator does not read the date line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vessels given by elements: %1, epochs up to %2 days from the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vessels given by elements: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vessels given by state vectors: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>landed vessels: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>launch MJDs (LAUNCH_MJD): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mission clock starts (MET_STARTING_MJD): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dates stored by a transfer planner: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a recorded flight (Playback)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::ScenarioWords</name>
    <message>
        <source>the simulator would not read the date written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no environment section (BEGIN_ENVIRONMENT) for the simulator to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a byte-order mark before BEGIN_ENVIRONMENT hides the environment section from the simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT on line %1 is indented, so the simulator finds no environment section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the environment section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a line of %1 characters earlier in the environment section (line %2) hides the date from the simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its date line lies outside the environment section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a lone carriage return joins the date line to the line before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the simulator would read the date on line %1 instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder was given, so nothing was converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so nothing was converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder, so nothing was converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be read%2, so nothing was converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scenario file was given, so nothing was converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be opened%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a scenario file%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is too large for a scenario file%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a text scenario file (it is UTF-16 or UTF-32, or holds NUL bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 has more than %2 lines, more than a scenario file may have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date field is empty, so %1 could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date %1 is not a date, so %2 could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date %1 is too late to be written as an MJD, so %2 could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is read-only%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was not converted%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 changed while being converted: another program wrote or replaced it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to a file outside its folder and was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was not converted: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was left as the other program wrote it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was left unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file of the folder had been converted yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file of the folder had already been converted; the files after it were not touched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files of the folder had already been converted; the files after it were not touched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run were found and left in place: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 date line was rewritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 date lines were rewritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Left Unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no date line, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file already holds this date, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Not Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Partly Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder holds no scenario file, so nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 date line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 date lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 written (%2), %3 left unchanged, %4 refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused, left as they were:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No date line, left unchanged:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already at this date, left unchanged:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Approximate: before 1960 there is no UTC, and TT - UT comes from the model of Espenak and Meeus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TDB assumes no leap second after 2016.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The instant falls in the leap second 23:59:60 UTC, shown as 23:59:59.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zentadial::ShiftWords</name>
    <message>
        <source>the date line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an ELEMENTS epoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a TransX plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a playback recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a guidance-computer memory image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a text scenario.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has more lines than a scenario can have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 starts at the present moment: it has no date to move from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2, whose times cannot move with the date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is not written as a plain decimal number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: moving %2 would make its line longer than the simulator reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the simulator would not start the result at the new date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: read back, %2 did not move by exactly the span.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was already moved by this span.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
