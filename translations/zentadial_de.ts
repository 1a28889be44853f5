<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>zentadial::FileSettingsStore</name>
    <message>
        <source>it is a link</source>
        <translation>sie ist eine Verknüpfung</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>sie gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The settings file %1 is left alone: %2. Your settings are kept in %3 instead.</source>
        <translation>Die Einstellungsdatei %1 wird nicht verwendet: %2. Ihre Einstellungen werden stattdessen in %3 gespeichert.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 could not be created.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: Der Ordner %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>zentadial::FolderList</name>
    <message>
        <source>No folder was given.</source>
        <translation>Es wurde kein Ordner angegeben.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>You have no permission to open the folder %1.</source>
        <translation>Sie haben keine Berechtigung, den Ordner %1 zu öffnen.</translation>
    </message>
</context>
<context>
    <name>zentadial::Form1</name>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>Nicht konvertiert</translation>
    </message>
    <message>
        <source>Zentadial</source>
        <translation>Zentadial</translation>
    </message>
    <message>
        <source>Date (GMT)</source>
        <translation>Datum (GMT)</translation>
    </message>
    <message>
        <source>MJD</source>
        <translation>MJD</translation>
    </message>
    <message>
        <source>Julian Date</source>
        <translation>Julianisches Datum</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Epoche</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Time zone, hours east of GMT</source>
        <translation>Zeitzone, Stunden östlich von GMT</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Zeitskala</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>TDB (simulator clock)</source>
        <translation>TDB (Simulatoruhr)</translation>
    </message>
    <message>
        <source>Simulator&apos;s Now (UTC + 66.184 s)</source>
        <translation>Simulator-Jetzt (UTC + 66,184 s)</translation>
    </message>
    <message>
        <source>Time scale of the MJD, JD and Epoch</source>
        <translation>Zeitskala von MJD, JD und Epoche</translation>
    </message>
    <message>
        <source>File to Convert:</source>
        <translation>Zu konvertierende Datei:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Folder to Convert:</source>
        <translation>Zu konvertierender Ordner:</translation>
    </message>
    <message>
        <source>Convert single file</source>
        <translation>Einzelne Datei</translation>
    </message>
    <message>
        <source>Convert Entire Folder</source>
        <translation>Ganzer Ordner</translation>
    </message>
    <message>
        <source>Convert Folder</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Convert File</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
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
        <translation>Konvertierung rückgängig</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Vorschau…</translation>
    </message>
    <message>
        <source>Sim. Now</source>
        <comment>name of the scale in a caption</comment>
        <translation>Sim.-Jetzt</translation>
    </message>
    <message>
        <source>MJD (%1)</source>
        <translation>MJD (%1)</translation>
    </message>
    <message>
        <source>Julian Date (%1)</source>
        <translation>Julianisches Datum (%1)</translation>
    </message>
    <message>
        <source>Epoch (%1)</source>
        <translation>Epoche (%1)</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field is empty, so the four fields do not show one instant. Type a date or a number into one field and the others follow.</source>
        <translation>Es wurde nichts konvertiert: Das Feld „%1“ ist leer, daher zeigen die vier Felder keinen gemeinsamen Zeitpunkt. Geben Sie in ein Feld ein Datum oder eine Zahl ein; die anderen Felder werden angepasst.</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the date field is not a date.</source>
        <translation>Es wurde nichts konvertiert: „%1“ im Datumsfeld ist kein Datum.</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the %2 field is not a number.</source>
        <translation>Es wurde nichts konvertiert: „%1“ im Feld „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field and the MJD field do not show the same instant. Type into one field again and the others follow.</source>
        <translation>Es wurde nichts konvertiert: Die Felder „%1“ und „MJD“ zeigen nicht denselben Zeitpunkt. Geben Sie erneut etwas in ein Feld ein; die anderen Felder werden angepasst.</translation>
    </message>
</context>
<context>
    <name>zentadial::Form2</name>
    <message>
        <source>This program converts dates between Julian Date, Modified Julian Date (MJD), Epoch, and Date.</source>
        <translation>Dieses Programm rechnet zwischen Julianischem Datum, Modifiziertem Julianischem Datum (MJD), Epoche und Datum um.</translation>
    </message>
    <message>
        <source>If you wish, you can enter your time zone and press NOW.  It will compute the dates in the four time formats based on your computer&apos;s internal clock.  It does not take daylight savings into account, so for example if you live in California, choose -8 during standard time, and -7 during daylight savings.  </source>
        <translation>Wenn Sie möchten, können Sie Ihre Zeitzone eingeben und auf „Jetzt“ klicken.  Das Programm berechnet dann die Angaben in den vier Zeitformaten anhand der internen Uhr Ihres Computers.  Die Sommerzeit wird dabei nicht berücksichtigt: Wenn Sie zum Beispiel in Kalifornien leben, wählen Sie während der Normalzeit -8 und während der Sommerzeit -7.  </translation>
    </message>
    <message>
        <source>This program can also be used to modify the date in an .scn file or group of .scn files for Orbiter.</source>
        <translation>Mit diesem Programm können Sie außerdem das Datum in einer .scn-Datei oder in mehreren .scn-Dateien für Orbiter ändern.</translation>
    </message>
    <message>
        <source>To modify a single .scn file, click the option that says &apos;Convert Single File&apos;, press the &apos;Change&apos; button, choose your file, then press the &apos;Convert File&apos; button.</source>
        <translation>Um eine einzelne .scn-Datei zu ändern, klicken Sie auf die Option „Einzelne Datei“ und auf die Schaltfläche „Ändern“, wählen Ihre Datei und klicken dann auf die Schaltfläche „Konvertieren“.</translation>
    </message>
    <message>
        <source>To modify a group of files, choose the option that says &apos;Convert Folder&apos;, then press &apos;Change&apos;, choose your folder and press the &apos;Convert Folder&apos; button.</source>
        <translation>Um mehrere Dateien zu ändern, wählen Sie die Option „Ganzer Ordner“, klicken auf „Ändern“, wählen Ihren Ordner und klicken auf die Schaltfläche „Konvertieren“.</translation>
    </message>
    <message>
        <source>This program will change the date in your specified .scn file(s) to the date you have selected.</source>
        <translation>Das Programm setzt das Datum in den angegebenen .scn-Dateien auf das von Ihnen gewählte Datum.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Scale sets the time scale of the MJD, Julian Date and Epoch; the date stays in GMT. Click or tab into any field and type: the other three follow it. &apos;Preview…&apos; opens a table of what a conversion would change, and &apos;Undo Last Conversion&apos; puts back the files of the last conversion.</source>
        <translation>„Zeitskala“ legt fest, in welcher Zeitskala MJD, Julianisches Datum und Epoche angegeben werden; das Datum bleibt in GMT. Klicken Sie in ein beliebiges Feld oder wechseln Sie mit der Tabulatortaste hinein und tippen Sie: Die anderen drei Felder folgen. „Vorschau…“ zeigt in einer Tabelle, was eine Konvertierung ändern würde, und „Konvertierung rückgängig“ stellt die Dateien der letzten Konvertierung wieder her.</translation>
    </message>
</context>
<context>
    <name>zentadial::JoinedWords</name>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences one after the other in a message: %1 is what comes before, %2 the next sentence.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list within a sentence, such as file names.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>A file&apos;s or folder&apos;s path, or a date the user typed, quoted in a message.</extracomment>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>zentadial::JournalMessages</name>
    <message>
        <source>There is no conversion to undo.</source>
        <translation>Es gibt keine Konvertierung, die rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>The last conversion was too large for the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>Die letzte Konvertierung war zu groß für das Rückgängig-Protokoll und kann daher nicht rückgängig gemacht werden. Es wurde keine Datei geändert.</translation>
    </message>
    <message>
        <source>The last conversion could not be written to the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>Die letzte Konvertierung konnte nicht in das Rückgängig-Protokoll geschrieben werden und kann daher nicht rückgängig gemacht werden. Es wurde keine Datei geändert.</translation>
    </message>
    <message>
        <source>The undo journal&apos;s record of the last conversion cannot be read. No file was changed.</source>
        <translation>Der Eintrag der letzten Konvertierung im Rückgängig-Protokoll kann nicht gelesen werden. Es wurde keine Datei geändert.</translation>
    </message>
    <message>
        <source>The undo journal could not be read (%1). No file was changed.</source>
        <translation>Das Rückgängig-Protokoll konnte nicht gelesen werden (%1). Es wurde keine Datei geändert.</translation>
    </message>
    <message>
        <source>%1: changed since the conversion, left as it is</source>
        <translation>%1: seit der Konvertierung geändert, so belassen</translation>
    </message>
    <message>
        <source>%1: the undo journal&apos;s copy is damaged, left as it is</source>
        <translation>%1: die Kopie im Rückgängig-Protokoll ist beschädigt, so belassen</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile, left as it is</source>
        <translation>%1: zwischenzeitlich von einem anderen Programm geändert, so belassen</translation>
    </message>
    <message>
        <source>%1: could not be put back (%2), left as it is</source>
        <translation>%1: konnte nicht wiederhergestellt werden (%2), so belassen</translation>
    </message>
    <message>
        <source>This conversion is larger than the undo journal keeps (%1 MiB), so it cannot be undone.</source>
        <translation>Diese Konvertierung ist größer, als das Rückgängig-Protokoll aufbewahrt (%1 MiB), und kann daher nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The undo journal in &quot;%1&quot; could not be written (%2), so this conversion cannot be undone.</source>
        <translation>Das Rückgängig-Protokoll in „%1“ konnte nicht geschrieben werden (%2), daher kann diese Konvertierung nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Not Undone</source>
        <translation>Nicht rückgängig gemacht</translation>
    </message>
    <message>
        <source>%1: put back</source>
        <translation>%1: wiederhergestellt</translation>
    </message>
    <message>
        <source>Files put back as they were before the conversion of %1: %2.</source>
        <translation>Auf den Stand vor der Konvertierung vom %1 zurückgesetzte Dateien: %2.</translation>
    </message>
    <message>
        <source>Files left as they are: %1.</source>
        <translation>Unverändert belassene Dateien: %1.</translation>
    </message>
    <message>
        <source>and %1 more (see the details)</source>
        <translation>und %1 weitere (siehe Details)</translation>
    </message>
    <message>
        <source>Conversion Undone</source>
        <translation>Konvertierung rückgängig gemacht</translation>
    </message>
    <message>
        <source>Conversion Partly Undone</source>
        <translation>Konvertierung teilweise rückgängig gemacht</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>zentadial::Oopen</name>
    <message>
        <source>Type a name for the new folder first.</source>
        <translation>Geben Sie zuerst einen Namen für den neuen Ordner ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name a new folder can have.</source>
        <translation>„%1“ ist als Name für einen neuen Ordner nicht möglich.</translation>
    </message>
    <message>
        <source>A folder name cannot contain a null character.</source>
        <translation>Ein Ordnername darf kein Nullzeichen enthalten.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Select the folder</source>
        <translation>Diesen Ordner auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Make Directory</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>The drive %1 cannot be opened. %2</source>
        <translation>Das Laufwerk %1 kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Laufwerk wechseln</translation>
    </message>
    <message>
        <source>The desktop folder cannot be opened. %1</source>
        <translation>Der Desktop-Ordner kann nicht geöffnet werden. %1</translation>
    </message>
    <message>
        <source>A folder or file named &quot;%1&quot; exists already here.</source>
        <translation>Hier gibt es bereits einen Ordner oder eine Datei namens „%1“.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2.</source>
        <translation>Der Ordner %1 kann nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <source>The new folder was created but cannot be opened. %1</source>
        <translation>Der neue Ordner wurde erstellt, kann aber nicht geöffnet werden. %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain &quot;%1&quot;. The new folder is made inside the folder that is open, so type its name alone.</source>
        <translation>Ein Ordnername darf „%1“ nicht enthalten. Der neue Ordner wird im geöffneten Ordner angelegt; geben Sie daher nur seinen Namen ein.</translation>
    </message>
</context>
<context>
    <name>zentadial::Preview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>Scenario-Dateien</translation>
    </message>
    <message>
        <source>Space checks or unchecks a file; Enter puts its date into the converter&apos;s fields.</source>
        <translation>Die Leertaste hakt eine Datei an oder ab; die Eingabetaste übernimmt ihr Datum in die Felder des Hauptfensters.</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Set every checked file to the date shown</source>
        <translation>Alle angehakten Dateien auf das angezeigte Datum setzen</translation>
    </message>
    <message>
        <source>Move the checked files so that the selected file starts at the date shown; the others keep their distance</source>
        <translation>Angehakte Dateien so verschieben, dass die ausgewählte Datei am angezeigten Datum beginnt; die übrigen behalten ihren Abstand</translation>
    </message>
    <message>
        <source>Keep ELEMENTS epochs</source>
        <translation>ELEMENTS-Epochen beibehalten</translation>
    </message>
    <message>
        <source>Leave the vessels&apos; orbit epochs as they are, for the simulator to propagate.</source>
        <translation>Die Bahnepochen der Raumfahrzeuge bleiben unverändert; der Simulator rechnet die Bahnen fort.</translation>
    </message>
    <message>
        <source>Convert Checked</source>
        <translation>Angehakte konvertieren</translation>
    </message>
    <message>
        <source>Undo Last Conversion</source>
        <translation>Konvertierung rückgängig</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Scenario files in %1:</source>
        <translation>Scenario-Dateien in %1:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Select the file that is to start at the date shown; it must have a date of its own.</source>
        <translation>Wählen Sie die Datei aus, die am angezeigten Datum beginnen soll; sie muss ein eigenes Datum haben.</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>Nicht konvertiert</translation>
    </message>
    <message>
        <source>The last conversion of these files already moved them by this span:
%1
Move them once more?</source>
        <translation>Die letzte Konvertierung dieser Dateien hat sie bereits um diese Spanne verschoben:
%1
Erneut verschieben?</translation>
    </message>
    <message>
        <source>Move Again?</source>
        <translation>Erneut verschieben?</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved</source>
        <translation>
            <numerusform>%n Datei verschoben</numerusform>
            <numerusform>%n Dateien verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n refused</source>
        <translation type="vanished">
            <numerusform>, %n abgelehnt</numerusform>
            <numerusform>, %n abgelehnt</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Moved</source>
        <translation>Dateien verschoben</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Not Every File Moved</source>
        <translation>Nicht alle Dateien verschoben</translation>
    </message>
    <message>
        <source>No file is checked.</source>
        <translation>Es ist keine Datei angehakt.</translation>
    </message>
    <message>
        <source>%1 has no date to use: it starts at the present moment.</source>
        <translation>%1 hat kein verwendbares Datum: Die Datei beginnt zum aktuellen Zeitpunkt.</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved.</source>
        <translation>
            <numerusform>%n Datei verschoben.</numerusform>
            <numerusform>%n Dateien verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n refused.</source>
        <extracomment>%1 says how many files were moved (&quot;3 files moved&quot;), %n how many were refused.</extracomment>
        <translation>
            <numerusform>%1, %n abgelehnt.</numerusform>
            <numerusform>%1, %n abgelehnt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file moved.</source>
        <translation>1 Datei verschoben.</translation>
    </message>
    <message>
        <source>1 file moved</source>
        <translation>1 Datei verschoben</translation>
    </message>
</context>
<context>
    <name>zentadial::PreviewModel</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Starts now at</source>
        <translation>Bisheriger Beginn</translation>
    </message>
    <message>
        <source>Would start at</source>
        <translation>Neuer Beginn</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>the present moment</source>
        <translation>aktueller Zeitpunkt</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>unchanged: no date to move from</source>
        <translation>unverändert: kein Datum zum Verschieben</translation>
    </message>
    <message>
        <source>(select the file that is to start at the date shown)</source>
        <translation>(Datei auswählen, die am angezeigten Datum beginnen soll)</translation>
    </message>
    <message>
        <source>(the fields disagree)</source>
        <translation>(die Felder stimmen nicht überein)</translation>
    </message>
    <message>
        <source>no date line: left as it is</source>
        <translation>keine Datumszeile: bleibt unverändert</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the notes on a file in one line of the preview&apos;s table.</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>zentadial::ReadingWords</name>
    <message>
        <source>no line starts with BEGIN_ENVIRONMENT</source>
        <translation>keine Zeile beginnt mit BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>a byte-order mark stands before BEGIN_ENVIRONMENT</source>
        <translation>vor BEGIN_ENVIRONMENT steht eine Byte-Order-Mark</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT is indented</source>
        <translation>BEGIN_ENVIRONMENT ist eingerückt</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file before BEGIN_ENVIRONMENT</source>
        <translation>ein Strg-Z in Zeile %1 beendet die Datei vor BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>line %1, of %2 characters, hides the rest of the section</source>
        <translation>Zeile %1 mit %2 Zeichen verdeckt den Rest des Abschnitts</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file</source>
        <translation>ein Strg-Z in Zeile %1 beendet die Datei</translation>
    </message>
    <message>
        <source>it stands above BEGIN_ENVIRONMENT</source>
        <translation>sie steht vor BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>it stands below END_ENVIRONMENT</source>
        <translation>sie steht nach END_ENVIRONMENT</translation>
    </message>
    <message>
        <source>a lone carriage return joins it to the line before</source>
        <translation>ein einzelnes Wagenrücklaufzeichen (CR) verbindet sie mit der vorigen Zeile</translation>
    </message>
    <message>
        <source>the date of line %1 is read instead</source>
        <translation>stattdessen wird das Datum aus Zeile %1 gelesen</translation>
    </message>
    <message>
        <source>no date line: the simulator starts it at the present moment</source>
        <translation>keine Datumszeile: Der Simulator startet sie zum aktuellen Zeitpunkt</translation>
    </message>
    <message>
        <source>its date line has no number: it starts at the present moment</source>
        <translation>ihre Datumszeile enthält keine Zahl: Sie beginnt zum aktuellen Zeitpunkt</translation>
    </message>
    <message>
        <source>the simulator reads none of its date lines and starts it at the present moment</source>
        <translation>der Simulator liest keine ihrer Datumszeilen und startet sie zum aktuellen Zeitpunkt</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian Date</source>
        <translation>Zeile %1 gibt das Datum als Julianisches Datum an</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian epoch year</source>
        <translation>Zeile %1 gibt das Datum als julianisches Epochenjahr an</translation>
    </message>
    <message>
        <source>the simulator does not read the date line %1: %2</source>
        <translation>der Simulator liest die Datumszeile %1 nicht: %2</translation>
    </message>
    <message>
        <source>vessels given by elements: %1, epochs up to %2 days from the date</source>
        <translation>Raumfahrzeuge mit Bahnelementen: %1, Epochen bis zu %2 Tage vom Datum entfernt</translation>
    </message>
    <message>
        <source>vessels given by elements: %1</source>
        <translation>Raumfahrzeuge mit Bahnelementen: %1</translation>
    </message>
    <message>
        <source>vessels given by state vectors: %1</source>
        <translation>Raumfahrzeuge mit Zustandsvektoren: %1</translation>
    </message>
    <message>
        <source>landed vessels: %1</source>
        <translation>gelandete Raumfahrzeuge: %1</translation>
    </message>
    <message>
        <source>launch MJDs (LAUNCH_MJD): %1</source>
        <translation>Start-MJDs (LAUNCH_MJD): %1</translation>
    </message>
    <message>
        <source>mission clock starts (MET_STARTING_MJD): %1</source>
        <translation>Starts der Missionsuhr (MET_STARTING_MJD): %1</translation>
    </message>
    <message>
        <source>dates stored by a transfer planner: %1</source>
        <translation>Datumsangaben eines Transferplaners: %1</translation>
    </message>
    <message>
        <source>a recorded flight (Playback)</source>
        <translation>ein aufgezeichneter Flug (Playback)</translation>
    </message>
    <message>
        <source>a guidance computer&apos;s memory image (AGC_BEGIN)</source>
        <translation>ein Speicherabbild eines Lenkcomputers (AGC_BEGIN)</translation>
    </message>
</context>
<context>
    <name>zentadial::ScenarioWords</name>
    <message>
        <source>the simulator would not read the date written</source>
        <translation>der Simulator würde das geschriebene Datum nicht lesen</translation>
    </message>
    <message>
        <source>it has no environment section (BEGIN_ENVIRONMENT) for the simulator to read</source>
        <translation>sie hat keinen Umgebungsabschnitt (BEGIN_ENVIRONMENT), den der Simulator lesen könnte</translation>
    </message>
    <message>
        <source>a byte-order mark before BEGIN_ENVIRONMENT hides the environment section from the simulator</source>
        <translation>eine Byte-Order-Mark vor BEGIN_ENVIRONMENT verbirgt den Umgebungsabschnitt vor dem Simulator</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT on line %1 is indented, so the simulator finds no environment section</source>
        <translation>BEGIN_ENVIRONMENT in Zeile %1 ist eingerückt, daher findet der Simulator keinen Umgebungsabschnitt</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the environment section</source>
        <translation>ein Strg-Z-Zeichen in Zeile %1 beendet die Datei für den Simulator vor dem Umgebungsabschnitt</translation>
    </message>
    <message>
        <source>a line of %1 characters earlier in the environment section (line %2) hides the date from the simulator</source>
        <translation>eine Zeile mit %1 Zeichen weiter oben im Umgebungsabschnitt (Zeile %2) verbirgt das Datum vor dem Simulator</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the date</source>
        <translation>ein Strg-Z-Zeichen in Zeile %1 beendet die Datei für den Simulator vor dem Datum</translation>
    </message>
    <message>
        <source>its date line lies outside the environment section</source>
        <translation>ihre Datumszeile liegt außerhalb des Umgebungsabschnitts</translation>
    </message>
    <message>
        <source>a lone carriage return joins the date line to the line before it</source>
        <translation>ein einzelnes Wagenrücklaufzeichen (CR) verbindet die Datumszeile mit der Zeile davor</translation>
    </message>
    <message>
        <source>the simulator would read the date on line %1 instead</source>
        <translation>der Simulator würde stattdessen das Datum in Zeile %1 lesen</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>No folder was given, so nothing was converted.</source>
        <translation>Es wurde kein Ordner angegeben, daher wurde nichts konvertiert.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so nothing was converted.</source>
        <translation>Der Ordner %1 existiert nicht, daher wurde nichts konvertiert.</translation>
    </message>
    <message>
        <source>%1 is not a folder, so nothing was converted.</source>
        <translation>%1 ist kein Ordner, daher wurde nichts konvertiert.</translation>
    </message>
    <message>
        <source>The folder %1 could not be read%2, so nothing was converted.</source>
        <translation>Der Ordner %1 konnte nicht gelesen werden%2, daher wurde nichts konvertiert.</translation>
    </message>
    <message>
        <source>No scenario file was given, so nothing was converted.</source>
        <translation>Es wurde keine Scenario-Datei angegeben, daher wurde nichts konvertiert.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened%2.</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden%2.</translation>
    </message>
    <message>
        <source>%1 is not a scenario file%2.</source>
        <translation>%1 ist keine Scenario-Datei%2.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a scenario file%2.</source>
        <translation>Die Datei %1 ist zu groß für eine Scenario-Datei%2.</translation>
    </message>
    <message>
        <source>The file %1 is not a text scenario file (it is UTF-16 or UTF-32, or holds NUL bytes).</source>
        <translation>Die Datei %1 ist keine Scenario-Textdatei (sie ist in UTF-16 oder UTF-32 kodiert oder enthält NUL-Bytes).</translation>
    </message>
    <message>
        <source>The file %1 has more than %2 lines, more than a scenario file may have.</source>
        <translation>Die Datei %1 hat mehr als %2 Zeilen, mehr als eine Scenario-Datei haben darf.</translation>
    </message>
    <message>
        <source>The date field is empty, so %1 could not be converted.</source>
        <translation>Das Datumsfeld ist leer, daher konnte %1 nicht konvertiert werden.</translation>
    </message>
    <message>
        <source>The date %1 is not a date, so %2 could not be converted.</source>
        <translation>Die Angabe %1 ist kein Datum, daher konnte %2 nicht konvertiert werden.</translation>
    </message>
    <message>
        <source>The date %1 is too late to be written as an MJD, so %2 could not be converted.</source>
        <translation>Das Datum %1 liegt zu spät, um als MJD geschrieben zu werden, daher konnte %2 nicht konvertiert werden.</translation>
    </message>
    <message>
        <source>The file %1 is read-only%2.</source>
        <translation>Die Datei %1 ist schreibgeschützt%2.</translation>
    </message>
    <message>
        <source>The file %1 was not converted%2.</source>
        <translation>Die Datei %1 wurde nicht konvertiert%2.</translation>
    </message>
    <message>
        <source>The file %1 changed while being converted: another program wrote or replaced it.</source>
        <translation>Die Datei %1 wurde während der Konvertierung geändert: Ein anderes Programm hat sie beschrieben oder ersetzt.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside its folder and was skipped.</source>
        <translation>%1 ist eine Verknüpfung auf eine Datei außerhalb ihres Ordners und wurde übersprungen.</translation>
    </message>
    <message>
        <source>The file %1 could not be written%2.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden%2.</translation>
    </message>
    <message>
        <source>The file %1 was not converted: %2.</source>
        <translation>Die Datei %1 wurde nicht konvertiert: %2.</translation>
    </message>
    <message>
        <source>It was left as the other program wrote it.</source>
        <translation>Sie bleibt so, wie das andere Programm sie geschrieben hat.</translation>
    </message>
    <message>
        <source>It was left unchanged.</source>
        <translation>Sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>No file of the folder had been converted yet.</source>
        <translation>Bis dahin war noch keine Datei des Ordners konvertiert worden.</translation>
    </message>
    <message>
        <source>1 file of the folder had already been converted; the files after it were not touched.</source>
        <translation>1 Datei des Ordners war bereits konvertiert worden; die Dateien danach blieben unberührt.</translation>
    </message>
    <message>
        <source>%1 files of the folder had already been converted; the files after it were not touched.</source>
        <translation>%1 Dateien des Ordners waren bereits konvertiert worden; die Dateien danach blieben unberührt.</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>, </source>
        <translation type="vanished">, </translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run were found and left in place: %1.</source>
        <translation>Temporäre Dateien eines früheren, abgebrochenen Durchlaufs wurden gefunden und belassen: %1.</translation>
    </message>
    <message>
        <source>File Converted</source>
        <translation>Datei konvertiert</translation>
    </message>
    <message>
        <source>1 date line was rewritten.</source>
        <translation>1 Datumszeile wurde neu geschrieben.</translation>
    </message>
    <message>
        <source>%1 date lines were rewritten.</source>
        <translation>%1 Datumszeilen wurden neu geschrieben.</translation>
    </message>
    <message>
        <source>File Left Unchanged</source>
        <translation>Datei unverändert</translation>
    </message>
    <message>
        <source>The file has no date line, so it was left as it is.</source>
        <translation>Die Datei hat keine Datumszeile und bleibt daher unverändert.</translation>
    </message>
    <message>
        <source>The file already holds this date, so it was left as it is.</source>
        <translation>Die Datei hat bereits dieses Datum und bleibt daher unverändert.</translation>
    </message>
    <message>
        <source>Folder Converted</source>
        <translation>Ordner konvertiert</translation>
    </message>
    <message>
        <source>Folder Not Converted</source>
        <translation>Ordner nicht konvertiert</translation>
    </message>
    <message>
        <source>Folder Partly Converted</source>
        <translation>Ordner teilweise konvertiert</translation>
    </message>
    <message>
        <source>The folder holds no scenario file, so nothing was changed.</source>
        <translation>Der Ordner enthält keine Scenario-Datei, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>1 date line</source>
        <translation>1 Datumszeile</translation>
    </message>
    <message>
        <source>%1 date lines</source>
        <translation>%1 Datumszeilen</translation>
    </message>
    <message>
        <source>%1 written (%2), %3 left unchanged, %4 refused.</source>
        <translation>%1 geschrieben (%2), %3 unverändert, %4 abgelehnt.</translation>
    </message>
    <message>
        <source>Refused, left as they were:</source>
        <translation>Abgelehnt, unverändert belassen:</translation>
    </message>
    <message>
        <source>No date line, left unchanged:</source>
        <translation>Keine Datumszeile, unverändert:</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged:</source>
        <translation>Hat bereits dieses Datum, unverändert:</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder:</source>
        <translation>Übersprungen, Verknüpfungen auf Dateien außerhalb des Ordners:</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place:</source>
        <translation>Temporäre Dateien eines früheren, abgebrochenen Durchlaufs, belassen:</translation>
    </message>
    <message>
        <source>Approximate: before 1960 there is no UTC, and TT - UT comes from the model of Espenak and Meeus.</source>
        <translation>Näherungswert: Vor 1960 gibt es keine UTC, und TT - UT stammt aus dem Modell von Espenak und Meeus.</translation>
    </message>
    <message>
        <source>TDB assumes no leap second after 2016.</source>
        <translation>TDB nimmt nach 2016 keine Schaltsekunde an.</translation>
    </message>
    <message>
        <source>The instant falls in the leap second 23:59:60 UTC, shown as 23:59:59.</source>
        <translation>Der Zeitpunkt liegt in der Schaltsekunde 23:59:60 UTC und wird als 23:59:59 angezeigt.</translation>
    </message>
    <message>
        <source>Refused, left as they were: %1.</source>
        <translation>Abgelehnt, unverändert belassen: %1.</translation>
    </message>
    <message>
        <source>No date line, left unchanged: %1.</source>
        <translation>Keine Datumszeile, unverändert: %1.</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged: %1.</source>
        <translation>Hat bereits dieses Datum, unverändert: %1.</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder: %1.</source>
        <translation>Übersprungen, Verknüpfungen auf Dateien außerhalb des Ordners: %1.</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place: %1.</source>
        <translation>Temporäre Dateien eines früheren, abgebrochenen Durchlaufs, belassen: %1.</translation>
    </message>
</context>
<context>
    <name>zentadial::ShiftWords</name>
    <message>
        <source>the date line</source>
        <translation>die Datumszeile</translation>
    </message>
    <message>
        <source>an ELEMENTS epoch</source>
        <translation>eine ELEMENTS-Epoche</translation>
    </message>
    <message>
        <source>a TransX plan</source>
        <translation>ein TransX-Plan</translation>
    </message>
    <message>
        <source>a playback recording</source>
        <translation>eine Playback-Aufzeichnung</translation>
    </message>
    <message>
        <source>a guidance-computer memory image</source>
        <translation>ein Speicherabbild eines Lenkcomputers</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <source>%1 is not a text scenario.</source>
        <translation>%1 ist keine Scenario-Textdatei.</translation>
    </message>
    <message>
        <source>%1 has more lines than a scenario can have.</source>
        <translation>%1 hat mehr Zeilen, als ein Scenario haben darf.</translation>
    </message>
    <message>
        <source>%1 starts at the present moment: it has no date to move from.</source>
        <translation>%1 beginnt zum aktuellen Zeitpunkt: Es gibt kein Datum, von dem aus verschoben werden kann.</translation>
    </message>
    <message>
        <source>%1 holds %2, whose times cannot move with the date.</source>
        <translation>%1 enthält %2; diese Zeitangaben lassen sich nicht mit dem Datum verschieben.</translation>
    </message>
    <message>
        <source>%1: %2 is not written as a plain decimal number.</source>
        <translation>%1: %2 ist nicht als einfache Dezimalzahl geschrieben.</translation>
    </message>
    <message>
        <source>%1: moving %2 would make its line longer than the simulator reads.</source>
        <translation>%1: Durch das Verschieben von %2 würde die Zeile länger, als der Simulator liest.</translation>
    </message>
    <message>
        <source>%1: the simulator would not start the result at the new date.</source>
        <translation>%1: Der Simulator würde das Ergebnis nicht am neuen Datum starten.</translation>
    </message>
    <message>
        <source>%1: read back, %2 did not move by exactly the span.</source>
        <translation>%1: Beim Zurücklesen hat sich %2 nicht genau um die Spanne verschoben.</translation>
    </message>
    <message>
        <source>%1 was already moved by this span.</source>
        <translation>%1 wurde bereits um diese Spanne verschoben.</translation>
    </message>
    <message>
        <source>Interplanetary MFD plan data</source>
        <translation>Planungsdaten des Interplanetary MFD</translation>
    </message>
</context>
</TS>
