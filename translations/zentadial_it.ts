<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>zentadial::FileSettingsStore</name>
    <message>
        <source>it is a link</source>
        <translation>è un collegamento</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>è di sola lettura</translation>
    </message>
    <message>
        <source>The settings file %1 is left alone: %2. Your settings are kept in %3 instead.</source>
        <translation>Il file delle impostazioni %1 è stato lasciato com&apos;è: %2. Le impostazioni vengono salvate invece in %3.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 could not be created.</source>
        <translation>Impossibile salvare le impostazioni: non è stato possibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Impossibile salvare le impostazioni in %1: %2</translation>
    </message>
</context>
<context>
    <name>zentadial::FolderList</name>
    <message>
        <source>No folder was given.</source>
        <translation>Nessuna cartella indicata.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 non è una cartella.</translation>
    </message>
    <message>
        <source>You have no permission to open the folder %1.</source>
        <translation>Non si dispone dell&apos;autorizzazione per aprire la cartella %1.</translation>
    </message>
</context>
<context>
    <name>zentadial::Form1</name>
    <message>
        <source>Finished</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>Non convertito</translation>
    </message>
    <message>
        <source>Zentadial</source>
        <translation>Zentadial</translation>
    </message>
    <message>
        <source>Date (GMT)</source>
        <translation>Data (GMT)</translation>
    </message>
    <message>
        <source>MJD</source>
        <translation>MJD</translation>
    </message>
    <message>
        <source>Julian Date</source>
        <translation>Data giuliana</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Epoca</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Time zone, hours east of GMT</source>
        <translation>Fuso orario, ore a est di GMT</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>TDB (simulator clock)</source>
        <translation>TDB (orologio del simulatore)</translation>
    </message>
    <message>
        <source>Simulator&apos;s Now (UTC + 66.184 s)</source>
        <translation>Ora attuale del simulatore (UTC + 66,184 s)</translation>
    </message>
    <message>
        <source>Time scale of the MJD, JD and Epoch</source>
        <translation>Scala temporale di MJD, JD ed Epoca</translation>
    </message>
    <message>
        <source>File to Convert:</source>
        <translation>File da convertire:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Folder to Convert:</source>
        <translation>Cartella da convertire:</translation>
    </message>
    <message>
        <source>Convert single file</source>
        <translation>Converti un file</translation>
    </message>
    <message>
        <source>Convert Entire Folder</source>
        <translation>Converti l&apos;intera cartella</translation>
    </message>
    <message>
        <source>Convert Folder</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Convert File</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
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
        <translation>Annulla conversione</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Anteprima…</translation>
    </message>
    <message>
        <source>Sim. Now</source>
        <comment>name of the scale in a caption</comment>
        <translation>ora sim.</translation>
    </message>
    <message>
        <source>MJD (%1)</source>
        <translation>MJD (%1)</translation>
    </message>
    <message>
        <source>Julian Date (%1)</source>
        <translation>Data giuliana (%1)</translation>
    </message>
    <message>
        <source>Epoch (%1)</source>
        <translation>Epoca (%1)</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field is empty, so the four fields do not show one instant. Type a date or a number into one field and the others follow.</source>
        <translation>Nessuna conversione eseguita: il campo &quot;%1&quot; è vuoto, quindi i quattro campi non indicano lo stesso istante. Digitare una data o un numero in un campo: gli altri si aggiornano di conseguenza.</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the date field is not a date.</source>
        <translation>Nessuna conversione eseguita: &quot;%1&quot; nel campo &quot;Data&quot; non è una data.</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the %2 field is not a number.</source>
        <translation>Nessuna conversione eseguita: &quot;%1&quot; nel campo &quot;%2&quot; non è un numero.</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field and the MJD field do not show the same instant. Type into one field again and the others follow.</source>
        <translation>Nessuna conversione eseguita: i campi &quot;%1&quot; e &quot;MJD&quot; non indicano lo stesso istante. Digitare di nuovo in un campo: gli altri si aggiornano di conseguenza.</translation>
    </message>
</context>
<context>
    <name>zentadial::Form2</name>
    <message>
        <source>This program converts dates between Julian Date, Modified Julian Date (MJD), Epoch, and Date.</source>
        <translation>Questo programma converte le date tra Data giuliana, Data giuliana modificata (MJD), Epoca e Data.</translation>
    </message>
    <message>
        <source>If you wish, you can enter your time zone and press NOW.  It will compute the dates in the four time formats based on your computer&apos;s internal clock.  It does not take daylight savings into account, so for example if you live in California, choose -8 during standard time, and -7 during daylight savings.  </source>
        <translation>Se si desidera, è possibile indicare il proprio fuso orario e premere &quot;Adesso&quot;.  Il programma calcolerà le date nei quattro formati in base all&apos;orologio interno del computer.  Non tiene conto dell&apos;ora legale: ad esempio, se si vive in California, scegliere -8 durante l&apos;ora solare e -7 durante l&apos;ora legale.  </translation>
    </message>
    <message>
        <source>This program can also be used to modify the date in an .scn file or group of .scn files for Orbiter.</source>
        <translation>Questo programma può anche modificare la data di un file .scn o di un gruppo di file .scn per Orbiter.</translation>
    </message>
    <message>
        <source>To modify a single .scn file, click the option that says &apos;Convert Single File&apos;, press the &apos;Change&apos; button, choose your file, then press the &apos;Convert File&apos; button.</source>
        <translation>Per modificare un solo file .scn, fare clic sull&apos;opzione &quot;Converti un file&quot;, premere il pulsante &quot;Cambia&quot;, scegliere il file, quindi premere il pulsante &quot;Converti&quot;.</translation>
    </message>
    <message>
        <source>To modify a group of files, choose the option that says &apos;Convert Folder&apos;, then press &apos;Change&apos;, choose your folder and press the &apos;Convert Folder&apos; button.</source>
        <translation>Per modificare un gruppo di file, scegliere l&apos;opzione &quot;Converti l&apos;intera cartella&quot;, premere &quot;Cambia&quot;, scegliere la cartella e premere il pulsante &quot;Converti&quot;.</translation>
    </message>
    <message>
        <source>This program will change the date in your specified .scn file(s) to the date you have selected.</source>
        <translation>Questo programma cambierà la data dei file .scn indicati con la data selezionata.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Scale sets the time scale of the MJD, Julian Date and Epoch; the date stays in GMT. Click or tab into any field and type: the other three follow it. &apos;Preview…&apos; opens a table of what a conversion would change, and &apos;Undo Last Conversion&apos; puts back the files of the last conversion.</source>
        <translation>&quot;Scala&quot; imposta la scala temporale di MJD, Data giuliana ed Epoca; la data resta in GMT. Fare clic su un campo o raggiungerlo con Tab e digitare: gli altri tre si aggiornano. &quot;Anteprima…&quot; apre una tabella di ciò che una conversione cambierebbe, e &quot;Annulla conversione&quot; ripristina i file dell&apos;ultima conversione.</translation>
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
        <translation>&quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>zentadial::JournalMessages</name>
    <message>
        <source>There is no conversion to undo.</source>
        <translation>Non ci sono conversioni da annullare.</translation>
    </message>
    <message>
        <source>The last conversion was too large for the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>L&apos;ultima conversione era troppo grande per il registro di annullamento, quindi non può essere annullata. Nessun file è stato modificato.</translation>
    </message>
    <message>
        <source>The last conversion could not be written to the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>Non è stato possibile scrivere l&apos;ultima conversione nel registro di annullamento, quindi non può essere annullata. Nessun file è stato modificato.</translation>
    </message>
    <message>
        <source>The undo journal&apos;s record of the last conversion cannot be read. No file was changed.</source>
        <translation>Impossibile leggere la voce dell&apos;ultima conversione nel registro di annullamento. Nessun file è stato modificato.</translation>
    </message>
    <message>
        <source>The undo journal could not be read (%1). No file was changed.</source>
        <translation>Impossibile leggere il registro di annullamento (%1). Nessun file è stato modificato.</translation>
    </message>
    <message>
        <source>%1: changed since the conversion, left as it is</source>
        <translation>%1: modificato dopo la conversione, lasciato com&apos;è</translation>
    </message>
    <message>
        <source>%1: the undo journal&apos;s copy is damaged, left as it is</source>
        <translation>%1: la copia nel registro di annullamento è danneggiata, lasciato com&apos;è</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile, left as it is</source>
        <translation>%1: un altro programma lo ha modificato nel frattempo, lasciato com&apos;è</translation>
    </message>
    <message>
        <source>%1: could not be put back (%2), left as it is</source>
        <translation>%1: impossibile ripristinarlo (%2), lasciato com&apos;è</translation>
    </message>
    <message>
        <source>This conversion is larger than the undo journal keeps (%1 MiB), so it cannot be undone.</source>
        <translation>Questa conversione supera quanto conserva il registro di annullamento (%1 MiB), quindi non potrà essere annullata.</translation>
    </message>
    <message>
        <source>The undo journal in &quot;%1&quot; could not be written (%2), so this conversion cannot be undone.</source>
        <translation>Impossibile scrivere il registro di annullamento in &quot;%1&quot; (%2), quindi questa conversione non potrà essere annullata.</translation>
    </message>
    <message>
        <source>Not Undone</source>
        <translation>Annullamento non riuscito</translation>
    </message>
    <message>
        <source>%1: put back</source>
        <translation>%1: ripristinato</translation>
    </message>
    <message>
        <source>Files put back as they were before the conversion of %1: %2.</source>
        <translation>File ripristinati com&apos;erano prima della conversione del %1: %2.</translation>
    </message>
    <message>
        <source>Files left as they are: %1.</source>
        <translation>File lasciati come sono: %1.</translation>
    </message>
    <message>
        <source>and %1 more (see the details)</source>
        <translation>e altri %1 (vedere i dettagli)</translation>
    </message>
    <message>
        <source>Conversion Undone</source>
        <translation>Conversione annullata</translation>
    </message>
    <message>
        <source>Conversion Partly Undone</source>
        <translation>Conversione annullata in parte</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Completato</translation>
    </message>
</context>
<context>
    <name>zentadial::Oopen</name>
    <message>
        <source>Type a name for the new folder first.</source>
        <translation>Digitare prima un nome per la nuova cartella.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name a new folder can have.</source>
        <translation>&quot;%1&quot; non è un nome valido per una nuova cartella.</translation>
    </message>
    <message>
        <source>A folder name cannot contain a null character.</source>
        <translation>Il nome di una cartella non può contenere un carattere nullo.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Select the folder</source>
        <translation>Scegli questa cartella</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Make Directory</source>
        <translation>Crea cartella</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>The drive %1 cannot be opened. %2</source>
        <translation>Impossibile aprire l&apos;unità %1. %2</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Cambia unità</translation>
    </message>
    <message>
        <source>The desktop folder cannot be opened. %1</source>
        <translation>Impossibile aprire la cartella del desktop. %1</translation>
    </message>
    <message>
        <source>A folder or file named &quot;%1&quot; exists already here.</source>
        <translation>Esiste già qui una cartella o un file di nome &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2.</source>
        <translation>Impossibile creare la cartella %1: %2.</translation>
    </message>
    <message>
        <source>The new folder was created but cannot be opened. %1</source>
        <translation>La nuova cartella è stata creata, ma non può essere aperta. %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain &quot;%1&quot;. The new folder is made inside the folder that is open, so type its name alone.</source>
        <translation>Il nome di una cartella non può contenere &quot;%1&quot;. La nuova cartella viene creata nella cartella aperta: digitare solo il suo nome.</translation>
    </message>
</context>
<context>
    <name>zentadial::Preview</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>File Scenario</translation>
    </message>
    <message>
        <source>Space checks or unchecks a file; Enter puts its date into the converter&apos;s fields.</source>
        <translation>Spazio attiva o disattiva la casella di un file; Invio porta la sua data nei campi del convertitore.</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>Includi sottocartelle</translation>
    </message>
    <message>
        <source>Set every checked file to the date shown</source>
        <translation>Imposta la data indicata in tutti i file contrassegnati</translation>
    </message>
    <message>
        <source>Move the checked files so that the selected file starts at the date shown; the others keep their distance</source>
        <translation>Sposta i file contrassegnati perché il selezionato inizi alla data indicata; gli altri mantengono la distanza</translation>
    </message>
    <message>
        <source>Keep ELEMENTS epochs</source>
        <translation>Mantieni epoche ELEMENTS</translation>
    </message>
    <message>
        <source>Leave the vessels&apos; orbit epochs as they are, for the simulator to propagate.</source>
        <translation>Lascia invariate le epoche delle orbite dei veicoli, perché il simulatore le propaghi.</translation>
    </message>
    <message>
        <source>Convert Checked</source>
        <translation>Converti contrassegnati</translation>
    </message>
    <message>
        <source>Undo Last Conversion</source>
        <translation>Annulla conversione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Scenario files in %1:</source>
        <translation>File Scenario in %1:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Select the file that is to start at the date shown; it must have a date of its own.</source>
        <translation>Selezionare il file che deve iniziare alla data indicata; deve avere una data propria.</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>Non convertito</translation>
    </message>
    <message>
        <source>The last conversion of these files already moved them by this span:
%1
Move them once more?</source>
        <translation>L&apos;ultima conversione di questi file li ha già spostati di questo intervallo:
%1
Spostarli di nuovo?</translation>
    </message>
    <message>
        <source>Move Again?</source>
        <translation>Spostare di nuovo?</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved</source>
        <translation>
            <numerusform>%n file spostato</numerusform>
            <numerusform>%n file spostati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n refused</source>
        <translation type="vanished">
            <numerusform>, %n rifiutato</numerusform>
            <numerusform>, %n rifiutati</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Moved</source>
        <translation>File spostati</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Not Every File Moved</source>
        <translation>Non tutti i file sono stati spostati</translation>
    </message>
    <message>
        <source>No file is checked.</source>
        <translation>Nessun file contrassegnato.</translation>
    </message>
    <message>
        <source>%1 has no date to use: it starts at the present moment.</source>
        <translation>%1 non ha una data da usare: inizia al momento attuale.</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved.</source>
        <translation>
            <numerusform>%n file spostato.</numerusform>
            <numerusform>%n file spostati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n refused.</source>
        <extracomment>%1 says how many files were moved (&quot;3 files moved&quot;), %n how many were refused.</extracomment>
        <translation>
            <numerusform>%1, %n rifiutato.</numerusform>
            <numerusform>%1, %n rifiutati.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file moved.</source>
        <translation>1 file spostato.</translation>
    </message>
    <message>
        <source>1 file moved</source>
        <translation>1 file spostato</translation>
    </message>
</context>
<context>
    <name>zentadial::PreviewModel</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Starts now at</source>
        <translation>Inizio attuale</translation>
    </message>
    <message>
        <source>Would start at</source>
        <translation>Inizio dopo la conversione</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>the present moment</source>
        <translation>il momento attuale</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>invariato</translation>
    </message>
    <message>
        <source>unchanged: no date to move from</source>
        <translation>invariato: nessuna data da spostare</translation>
    </message>
    <message>
        <source>(select the file that is to start at the date shown)</source>
        <translation>(selezionare il file che deve iniziare alla data indicata)</translation>
    </message>
    <message>
        <source>(the fields disagree)</source>
        <translation>(i campi non concordano)</translation>
    </message>
    <message>
        <source>no date line: left as it is</source>
        <translation>nessuna riga di data: lasciato com&apos;è</translation>
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
        <translation>nessuna riga inizia con BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>a byte-order mark stands before BEGIN_ENVIRONMENT</source>
        <translation>un indicatore dell&apos;ordine dei byte (BOM) precede BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT is indented</source>
        <translation>BEGIN_ENVIRONMENT è rientrato</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file before BEGIN_ENVIRONMENT</source>
        <translation>un Ctrl-Z alla riga %1 termina il file prima di BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>line %1, of %2 characters, hides the rest of the section</source>
        <translation>la riga %1, di %2 caratteri, nasconde il resto della sezione</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file</source>
        <translation>un Ctrl-Z alla riga %1 termina il file</translation>
    </message>
    <message>
        <source>it stands above BEGIN_ENVIRONMENT</source>
        <translation>si trova sopra BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>it stands below END_ENVIRONMENT</source>
        <translation>si trova sotto END_ENVIRONMENT</translation>
    </message>
    <message>
        <source>a lone carriage return joins it to the line before</source>
        <translation>un ritorno a capo isolato la unisce alla riga precedente</translation>
    </message>
    <message>
        <source>the date of line %1 is read instead</source>
        <translation>viene letta invece la data della riga %1</translation>
    </message>
    <message>
        <source>no date line: the simulator starts it at the present moment</source>
        <translation>nessuna riga di data: il simulatore lo avvia al momento attuale</translation>
    </message>
    <message>
        <source>its date line has no number: it starts at the present moment</source>
        <translation>la sua riga di data non ha un numero: inizia al momento attuale</translation>
    </message>
    <message>
        <source>the simulator reads none of its date lines and starts it at the present moment</source>
        <translation>il simulatore non legge nessuna delle sue righe di data e lo avvia al momento attuale</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian Date</source>
        <translation>la riga %1 indica la data come data giuliana</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian epoch year</source>
        <translation>la riga %1 indica la data come anno dell&apos;epoca giuliana</translation>
    </message>
    <message>
        <source>the simulator does not read the date line %1: %2</source>
        <translation>il simulatore non legge la riga di data %1: %2</translation>
    </message>
    <message>
        <source>vessels given by elements: %1, epochs up to %2 days from the date</source>
        <translation>veicoli definiti da elementi orbitali: %1, epoche fino a %2 giorni dalla data</translation>
    </message>
    <message>
        <source>vessels given by elements: %1</source>
        <translation>veicoli definiti da elementi orbitali: %1</translation>
    </message>
    <message>
        <source>vessels given by state vectors: %1</source>
        <translation>veicoli definiti da vettori di stato: %1</translation>
    </message>
    <message>
        <source>landed vessels: %1</source>
        <translation>veicoli atterrati: %1</translation>
    </message>
    <message>
        <source>launch MJDs (LAUNCH_MJD): %1</source>
        <translation>MJD di lancio (LAUNCH_MJD): %1</translation>
    </message>
    <message>
        <source>mission clock starts (MET_STARTING_MJD): %1</source>
        <translation>avvii dell&apos;orologio di missione (MET_STARTING_MJD): %1</translation>
    </message>
    <message>
        <source>dates stored by a transfer planner: %1</source>
        <translation>date salvate da un pianificatore di trasferimenti: %1</translation>
    </message>
    <message>
        <source>a recorded flight (Playback)</source>
        <translation>un volo registrato (Playback)</translation>
    </message>
    <message>
        <source>a guidance computer&apos;s memory image (AGC_BEGIN)</source>
        <translation>un&apos;immagine di memoria del computer di guida (AGC_BEGIN)</translation>
    </message>
</context>
<context>
    <name>zentadial::ScenarioWords</name>
    <message>
        <source>the simulator would not read the date written</source>
        <translation>il simulatore non leggerebbe la data scritta</translation>
    </message>
    <message>
        <source>it has no environment section (BEGIN_ENVIRONMENT) for the simulator to read</source>
        <translation>non ha una sezione d&apos;ambiente (BEGIN_ENVIRONMENT) che il simulatore possa leggere</translation>
    </message>
    <message>
        <source>a byte-order mark before BEGIN_ENVIRONMENT hides the environment section from the simulator</source>
        <translation>un indicatore dell&apos;ordine dei byte prima di BEGIN_ENVIRONMENT nasconde la sezione d&apos;ambiente al simulatore</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT on line %1 is indented, so the simulator finds no environment section</source>
        <translation>BEGIN_ENVIRONMENT alla riga %1 è rientrato, quindi il simulatore non trova alcuna sezione d&apos;ambiente</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the environment section</source>
        <translation>un carattere Ctrl-Z alla riga %1 termina il file per il simulatore prima della sezione d&apos;ambiente</translation>
    </message>
    <message>
        <source>a line of %1 characters earlier in the environment section (line %2) hides the date from the simulator</source>
        <translation>una riga di %1 caratteri più in alto nella sezione d&apos;ambiente (riga %2) nasconde la data al simulatore</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the date</source>
        <translation>un carattere Ctrl-Z alla riga %1 termina il file per il simulatore prima della data</translation>
    </message>
    <message>
        <source>its date line lies outside the environment section</source>
        <translation>la sua riga di data si trova fuori dalla sezione d&apos;ambiente</translation>
    </message>
    <message>
        <source>a lone carriage return joins the date line to the line before it</source>
        <translation>un ritorno a capo isolato unisce la riga di data a quella precedente</translation>
    </message>
    <message>
        <source>the simulator would read the date on line %1 instead</source>
        <translation>il simulatore leggerebbe invece la data della riga %1</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>No folder was given, so nothing was converted.</source>
        <translation>Non è stata indicata alcuna cartella, quindi non è stato convertito nulla.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so nothing was converted.</source>
        <translation>La cartella %1 non esiste, quindi non è stato convertito nulla.</translation>
    </message>
    <message>
        <source>%1 is not a folder, so nothing was converted.</source>
        <translation>%1 non è una cartella, quindi non è stato convertito nulla.</translation>
    </message>
    <message>
        <source>The folder %1 could not be read%2, so nothing was converted.</source>
        <translation>Impossibile leggere la cartella %1%2, quindi non è stato convertito nulla.</translation>
    </message>
    <message>
        <source>No scenario file was given, so nothing was converted.</source>
        <translation>Non è stato indicato alcun file Scenario, quindi non è stato convertito nulla.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened%2.</source>
        <translation>Impossibile aprire il file %1%2.</translation>
    </message>
    <message>
        <source>%1 is not a scenario file%2.</source>
        <translation>%1 non è un file Scenario%2.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a scenario file%2.</source>
        <translation>Il file %1 è troppo grande per un file Scenario%2.</translation>
    </message>
    <message>
        <source>The file %1 is not a text scenario file (it is UTF-16 or UTF-32, or holds NUL bytes).</source>
        <translation>Il file %1 non è un file Scenario di testo (è in UTF-16 o UTF-32, o contiene byte NUL).</translation>
    </message>
    <message>
        <source>The file %1 has more than %2 lines, more than a scenario file may have.</source>
        <translation>Il file %1 ha più di %2 righe, più di quante ne possa avere un file Scenario.</translation>
    </message>
    <message>
        <source>The date field is empty, so %1 could not be converted.</source>
        <translation>Il campo &quot;Data&quot; è vuoto, quindi non è stato possibile convertire %1.</translation>
    </message>
    <message>
        <source>The date %1 is not a date, so %2 could not be converted.</source>
        <translation>La data %1 non è una data, quindi non è stato possibile convertire %2.</translation>
    </message>
    <message>
        <source>The date %1 is too late to be written as an MJD, so %2 could not be converted.</source>
        <translation>La data %1 è troppo lontana per essere scritta come MJD, quindi non è stato possibile convertire %2.</translation>
    </message>
    <message>
        <source>The file %1 is read-only%2.</source>
        <translation>Il file %1 è di sola lettura%2.</translation>
    </message>
    <message>
        <source>The file %1 was not converted%2.</source>
        <translation>Il file %1 non è stato convertito%2.</translation>
    </message>
    <message>
        <source>The file %1 changed while being converted: another program wrote or replaced it.</source>
        <translation>Il file %1 è cambiato durante la conversione: un altro programma lo ha scritto o sostituito.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside its folder and was skipped.</source>
        <translation>%1 è un collegamento a un file fuori dalla sua cartella ed è stato ignorato.</translation>
    </message>
    <message>
        <source>The file %1 could not be written%2.</source>
        <translation>Impossibile scrivere il file %1%2.</translation>
    </message>
    <message>
        <source>The file %1 was not converted: %2.</source>
        <translation>Il file %1 non è stato convertito: %2.</translation>
    </message>
    <message>
        <source>It was left as the other program wrote it.</source>
        <translation>È stato lasciato come lo ha scritto l&apos;altro programma.</translation>
    </message>
    <message>
        <source>It was left unchanged.</source>
        <translation>È stato lasciato invariato.</translation>
    </message>
    <message>
        <source>No file of the folder had been converted yet.</source>
        <translation>Nessun file della cartella era ancora stato convertito.</translation>
    </message>
    <message>
        <source>1 file of the folder had already been converted; the files after it were not touched.</source>
        <translation>1 file della cartella era già stato convertito; i file successivi non sono stati toccati.</translation>
    </message>
    <message>
        <source>%1 files of the folder had already been converted; the files after it were not touched.</source>
        <translation>%1 file della cartella erano già stati convertiti; i file successivi non sono stati toccati.</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 file</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 file</translation>
    </message>
    <message>
        <source>, </source>
        <translation type="vanished">, </translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e altri %2</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run were found and left in place: %1.</source>
        <translation>Sono stati trovati file temporanei di un&apos;esecuzione precedente interrotta, lasciati al loro posto: %1.</translation>
    </message>
    <message>
        <source>File Converted</source>
        <translation>File convertito</translation>
    </message>
    <message>
        <source>1 date line was rewritten.</source>
        <translation>È stata riscritta 1 riga di data.</translation>
    </message>
    <message>
        <source>%1 date lines were rewritten.</source>
        <translation>Sono state riscritte %1 righe di data.</translation>
    </message>
    <message>
        <source>File Left Unchanged</source>
        <translation>File invariato</translation>
    </message>
    <message>
        <source>The file has no date line, so it was left as it is.</source>
        <translation>Il file non ha una riga di data, quindi è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>The file already holds this date, so it was left as it is.</source>
        <translation>Il file contiene già questa data, quindi è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>Folder Converted</source>
        <translation>Cartella convertita</translation>
    </message>
    <message>
        <source>Folder Not Converted</source>
        <translation>Cartella non convertita</translation>
    </message>
    <message>
        <source>Folder Partly Converted</source>
        <translation>Cartella convertita in parte</translation>
    </message>
    <message>
        <source>The folder holds no scenario file, so nothing was changed.</source>
        <translation>La cartella non contiene file Scenario, quindi non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>1 date line</source>
        <translation>1 riga di data</translation>
    </message>
    <message>
        <source>%1 date lines</source>
        <translation>%1 righe di data</translation>
    </message>
    <message>
        <source>%1 written (%2), %3 left unchanged, %4 refused.</source>
        <translation>Scritti: %1 (%2); invariati: %3; rifiutati: %4.</translation>
    </message>
    <message>
        <source>Refused, left as they were:</source>
        <translation>Rifiutati, lasciati com&apos;erano:</translation>
    </message>
    <message>
        <source>No date line, left unchanged:</source>
        <translation>Senza riga di data, lasciati invariati:</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged:</source>
        <translation>Già a questa data, lasciati invariati:</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder:</source>
        <translation>Ignorati, collegamenti a file fuori dalla cartella:</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place:</source>
        <translation>File temporanei di un&apos;esecuzione precedente interrotta, lasciati al loro posto:</translation>
    </message>
    <message>
        <source>Approximate: before 1960 there is no UTC, and TT - UT comes from the model of Espenak and Meeus.</source>
        <translation>Approssimato: prima del 1960 l&apos;UTC non esiste, e TT - UT deriva dal modello di Espenak e Meeus.</translation>
    </message>
    <message>
        <source>TDB assumes no leap second after 2016.</source>
        <translation>TDB presuppone che non ci siano secondi intercalari dopo il 2016.</translation>
    </message>
    <message>
        <source>The instant falls in the leap second 23:59:60 UTC, shown as 23:59:59.</source>
        <translation>L&apos;istante cade nel secondo intercalare 23:59:60 UTC, mostrato come 23:59:59.</translation>
    </message>
    <message>
        <source>Refused, left as they were: %1.</source>
        <translation>Rifiutati, lasciati com&apos;erano: %1.</translation>
    </message>
    <message>
        <source>No date line, left unchanged: %1.</source>
        <translation>Senza riga di data, lasciati invariati: %1.</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged: %1.</source>
        <translation>Già a questa data, lasciati invariati: %1.</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder: %1.</source>
        <translation>Ignorati, collegamenti a file fuori dalla cartella: %1.</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place: %1.</source>
        <translation>File temporanei di un&apos;esecuzione precedente interrotta, lasciati al loro posto: %1.</translation>
    </message>
</context>
<context>
    <name>zentadial::ShiftWords</name>
    <message>
        <source>the date line</source>
        <translation>la riga di data</translation>
    </message>
    <message>
        <source>an ELEMENTS epoch</source>
        <translation>un&apos;epoca ELEMENTS</translation>
    </message>
    <message>
        <source>a TransX plan</source>
        <translation>un piano TransX</translation>
    </message>
    <message>
        <source>a playback recording</source>
        <translation>una registrazione Playback</translation>
    </message>
    <message>
        <source>a guidance-computer memory image</source>
        <translation>un&apos;immagine di memoria del computer di guida</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (riga %2)</translation>
    </message>
    <message>
        <source>%1 is not a text scenario.</source>
        <translation>%1 non è un file Scenario di testo.</translation>
    </message>
    <message>
        <source>%1 has more lines than a scenario can have.</source>
        <translation>%1 ha più righe di quante ne possa avere un file Scenario.</translation>
    </message>
    <message>
        <source>%1 starts at the present moment: it has no date to move from.</source>
        <translation>%1 inizia al momento attuale: non ha una data da spostare.</translation>
    </message>
    <message>
        <source>%1 holds %2, whose times cannot move with the date.</source>
        <translation>%1 contiene %2, i cui tempi non possono spostarsi con la data.</translation>
    </message>
    <message>
        <source>%1: %2 is not written as a plain decimal number.</source>
        <translation>%1: il valore di %2 non è scritto come semplice numero decimale.</translation>
    </message>
    <message>
        <source>%1: moving %2 would make its line longer than the simulator reads.</source>
        <translation>%1: spostare %2 renderebbe la sua riga più lunga di quanto legga il simulatore.</translation>
    </message>
    <message>
        <source>%1: the simulator would not start the result at the new date.</source>
        <translation>%1: il simulatore non avvierebbe il risultato alla nuova data.</translation>
    </message>
    <message>
        <source>%1: read back, %2 did not move by exactly the span.</source>
        <translation>%1: alla rilettura, %2 non si è spostato esattamente dell&apos;intervallo indicato.</translation>
    </message>
    <message>
        <source>%1 was already moved by this span.</source>
        <translation>%1 è già stato spostato di questo intervallo.</translation>
    </message>
    <message>
        <source>Interplanetary MFD plan data</source>
        <translation>dati di pianificazione dell&apos;Interplanetary MFD</translation>
    </message>
</context>
</TS>
