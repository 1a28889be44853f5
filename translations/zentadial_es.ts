<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <source>File Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Converted</source>
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
        <source>A folder name cannot contain &quot;/&quot;. The new folder is made inside the folder that is open, so type its name alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder name cannot contain &quot;\&quot;. The new folder is made inside the folder that is open, so type its name alone.</source>
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
</context>
</TS>
