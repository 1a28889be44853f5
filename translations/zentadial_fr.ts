<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>zentadial::FileSettingsStore</name>
    <message>
        <source>it is a link</source>
        <translation>c’est un lien</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>The settings file %1 is left alone: %2. Your settings are kept in %3 instead.</source>
        <translation>Le fichier de paramètres %1 est laissé tel quel&#xa0;: %2. Vos paramètres sont enregistrés à la place dans %3.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 could not be created.</source>
        <translation>Les paramètres n’ont pas pu être enregistrés&#xa0;: impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Les paramètres n’ont pas pu être enregistrés dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>zentadial::FolderList</name>
    <message>
        <source>No folder was given.</source>
        <translation>Aucun dossier n’a été indiqué.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>You have no permission to open the folder %1.</source>
        <translation>Vous n’avez pas l’autorisation d’ouvrir le dossier %1.</translation>
    </message>
</context>
<context>
    <name>zentadial::Form1</name>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>Non converti</translation>
    </message>
    <message>
        <source>Zentadial</source>
        <translation>Zentadial</translation>
    </message>
    <message>
        <source>Date (GMT)</source>
        <translation>Date (GMT)</translation>
    </message>
    <message>
        <source>MJD</source>
        <translation>MJD</translation>
    </message>
    <message>
        <source>Julian Date</source>
        <translation>Date julienne</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Époque</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau</translation>
    </message>
    <message>
        <source>Time zone, hours east of GMT</source>
        <translation>Fuseau horaire, en heures à l’est de GMT</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>TDB (simulator clock)</source>
        <translation>TDB (horloge du simulateur)</translation>
    </message>
    <message>
        <source>Simulator&apos;s Now (UTC + 66.184 s)</source>
        <translation>Heure actuelle du simulateur (UTC + 66,184 s)</translation>
    </message>
    <message>
        <source>Time scale of the MJD, JD and Epoch</source>
        <translation>Échelle de temps du MJD, du JD et de l’époque</translation>
    </message>
    <message>
        <source>File to Convert:</source>
        <translation>Fichier à convertir&#xa0;:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Folder to Convert:</source>
        <translation>Dossier à convertir&#xa0;:</translation>
    </message>
    <message>
        <source>Convert single file</source>
        <translation>Convertir un fichier</translation>
    </message>
    <message>
        <source>Convert Entire Folder</source>
        <translation>Convertir tout le dossier</translation>
    </message>
    <message>
        <source>Convert Folder</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert File</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>Annuler la conversion</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Aperçu…</translation>
    </message>
    <message>
        <source>Sim. Now</source>
        <comment>name of the scale in a caption</comment>
        <translation>heure sim.</translation>
    </message>
    <message>
        <source>MJD (%1)</source>
        <translation>MJD (%1)</translation>
    </message>
    <message>
        <source>Julian Date (%1)</source>
        <translation>Date julienne (%1)</translation>
    </message>
    <message>
        <source>Epoch (%1)</source>
        <translation>Époque (%1)</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field is empty, so the four fields do not show one instant. Type a date or a number into one field and the others follow.</source>
        <translation>Rien n’a été converti&#xa0;: le champ «&#xa0;%1&#xa0;» est vide, donc les quatre champs n’indiquent pas un même instant. Saisissez une date ou un nombre dans un champ&#xa0;: les autres suivent.</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the date field is not a date.</source>
        <translation>Rien n’a été converti&#xa0;: le champ «&#xa0;Date&#xa0;» contient «&#xa0;%1&#xa0;», qui n’est pas une date.</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the %2 field is not a number.</source>
        <translation>Rien n’a été converti&#xa0;: le champ «&#xa0;%2&#xa0;» contient «&#xa0;%1&#xa0;», qui n’est pas un nombre.</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field and the MJD field do not show the same instant. Type into one field again and the others follow.</source>
        <translation>Rien n’a été converti&#xa0;: les champs «&#xa0;%1&#xa0;» et «&#xa0;MJD&#xa0;» n’indiquent pas le même instant. Saisissez de nouveau une valeur dans un champ&#xa0;: les autres suivent.</translation>
    </message>
</context>
<context>
    <name>zentadial::Form2</name>
    <message>
        <source>This program converts dates between Julian Date, Modified Julian Date (MJD), Epoch, and Date.</source>
        <translation>Ce programme convertit les dates entre Date julienne, Date julienne modifiée (MJD), Époque et Date.</translation>
    </message>
    <message>
        <source>If you wish, you can enter your time zone and press NOW.  It will compute the dates in the four time formats based on your computer&apos;s internal clock.  It does not take daylight savings into account, so for example if you live in California, choose -8 during standard time, and -7 during daylight savings.  </source>
        <translation>Si vous le souhaitez, vous pouvez indiquer votre fuseau horaire et appuyer sur «&#xa0;Maintenant&#xa0;».  Le programme calcule alors les dates dans les quatre formats à partir de l’horloge interne de votre ordinateur.  Il ne tient pas compte de l’heure d’été&#xa0;: par exemple, si vous habitez en Californie, choisissez -8 à l’heure normale et -7 à l’heure d’été.  </translation>
    </message>
    <message>
        <source>This program can also be used to modify the date in an .scn file or group of .scn files for Orbiter.</source>
        <translation>Ce programme permet aussi de modifier la date d’un fichier .scn ou d’un groupe de fichiers .scn pour Orbiter.</translation>
    </message>
    <message>
        <source>To modify a single .scn file, click the option that says &apos;Convert Single File&apos;, press the &apos;Change&apos; button, choose your file, then press the &apos;Convert File&apos; button.</source>
        <translation>Pour modifier un seul fichier .scn, cliquez sur l’option «&#xa0;Convertir un fichier&#xa0;», appuyez sur le bouton «&#xa0;Modifier&#xa0;», choisissez votre fichier, puis appuyez sur le bouton «&#xa0;Convertir&#xa0;».</translation>
    </message>
    <message>
        <source>To modify a group of files, choose the option that says &apos;Convert Folder&apos;, then press &apos;Change&apos;, choose your folder and press the &apos;Convert Folder&apos; button.</source>
        <translation>Pour modifier un groupe de fichiers, choisissez l’option «&#xa0;Convertir tout le dossier&#xa0;», appuyez sur «&#xa0;Modifier&#xa0;», choisissez votre dossier, puis appuyez sur le bouton «&#xa0;Convertir&#xa0;».</translation>
    </message>
    <message>
        <source>This program will change the date in your specified .scn file(s) to the date you have selected.</source>
        <translation>Ce programme remplace la date du ou des fichiers .scn indiqués par la date que vous avez choisie.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Scale sets the time scale of the MJD, Julian Date and Epoch; the date stays in GMT. Click or tab into any field and type: the other three follow it. &apos;Preview…&apos; opens a table of what a conversion would change, and &apos;Undo Last Conversion&apos; puts back the files of the last conversion.</source>
        <translation>«&#xa0;Échelle&#xa0;» définit l’échelle de temps du MJD, de la Date julienne et de l’Époque&#xa0;; la date reste en GMT. Cliquez dans un champ ou atteignez-le avec Tab, puis tapez&#xa0;: les trois autres suivent. «&#xa0;Aperçu…&#xa0;» ouvre un tableau de ce qu’une conversion changerait, et «&#xa0;Annuler la conversion&#xa0;» rétablit les fichiers de la dernière conversion.</translation>
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
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>zentadial::JournalMessages</name>
    <message>
        <source>There is no conversion to undo.</source>
        <translation>Il n’y a aucune conversion à annuler.</translation>
    </message>
    <message>
        <source>The last conversion was too large for the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>La dernière conversion était trop volumineuse pour le journal d’annulation&#xa0;: elle ne peut pas être annulée. Aucun fichier n’a été modifié.</translation>
    </message>
    <message>
        <source>The last conversion could not be written to the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>La dernière conversion n’a pas pu être inscrite dans le journal d’annulation&#xa0;: elle ne peut pas être annulée. Aucun fichier n’a été modifié.</translation>
    </message>
    <message>
        <source>The undo journal&apos;s record of the last conversion cannot be read. No file was changed.</source>
        <translation>L’enregistrement de la dernière conversion dans le journal d’annulation est illisible. Aucun fichier n’a été modifié.</translation>
    </message>
    <message>
        <source>The undo journal could not be read (%1). No file was changed.</source>
        <translation>Le journal d’annulation n’a pas pu être lu (%1). Aucun fichier n’a été modifié.</translation>
    </message>
    <message>
        <source>%1: changed since the conversion, left as it is</source>
        <translation>%1&#xa0;: modifié depuis la conversion, laissé tel quel</translation>
    </message>
    <message>
        <source>%1: the undo journal&apos;s copy is damaged, left as it is</source>
        <translation>%1&#xa0;: la copie du journal d’annulation est endommagée, laissé tel quel</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile, left as it is</source>
        <translation>%1&#xa0;: un autre programme l’a modifié entre-temps, laissé tel quel</translation>
    </message>
    <message>
        <source>%1: could not be put back (%2), left as it is</source>
        <translation>%1&#xa0;: n’a pas pu être rétabli (%2), laissé tel quel</translation>
    </message>
    <message>
        <source>This conversion is larger than the undo journal keeps (%1 MiB), so it cannot be undone.</source>
        <translation>Cette conversion dépasse ce que conserve le journal d’annulation (%1 Mio)&#xa0;: elle ne pourra pas être annulée.</translation>
    </message>
    <message>
        <source>The undo journal in &quot;%1&quot; could not be written (%2), so this conversion cannot be undone.</source>
        <translation>Le journal d’annulation dans «&#xa0;%1&#xa0;» n’a pas pu être écrit (%2)&#xa0;: cette conversion ne pourra pas être annulée.</translation>
    </message>
    <message>
        <source>Not Undone</source>
        <translation>Annulation impossible</translation>
    </message>
    <message>
        <source>%1: put back</source>
        <translation>%1&#xa0;: rétabli</translation>
    </message>
    <message>
        <source>Files put back as they were before the conversion of %1: %2.</source>
        <translation>Fichiers rétablis dans leur état d’avant la conversion du %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Files left as they are: %1.</source>
        <translation>Fichiers laissés tels quels&#xa0;: %1.</translation>
    </message>
    <message>
        <source>and %1 more (see the details)</source>
        <translation>et %1 de plus (voir les détails)</translation>
    </message>
    <message>
        <source>Conversion Undone</source>
        <translation>Conversion annulée</translation>
    </message>
    <message>
        <source>Conversion Partly Undone</source>
        <translation>Conversion partiellement annulée</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>zentadial::Oopen</name>
    <message>
        <source>Type a name for the new folder first.</source>
        <translation>Saisissez d’abord un nom pour le nouveau dossier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name a new folder can have.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nom valide pour un nouveau dossier.</translation>
    </message>
    <message>
        <source>A folder name cannot contain a null character.</source>
        <translation>Un nom de dossier ne peut pas contenir de caractère nul.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Lecteurs</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Select the folder</source>
        <translation>Choisir ce dossier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Make Directory</source>
        <translation>Créer un dossier</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>The drive %1 cannot be opened. %2</source>
        <translation>Impossible d’ouvrir le lecteur %1. %2</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Changer de lecteur</translation>
    </message>
    <message>
        <source>The desktop folder cannot be opened. %1</source>
        <translation>Impossible d’ouvrir le dossier du bureau. %1</translation>
    </message>
    <message>
        <source>A folder or file named &quot;%1&quot; exists already here.</source>
        <translation>Un dossier ou un fichier nommé «&#xa0;%1&#xa0;» existe déjà ici.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2.</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The new folder was created but cannot be opened. %1</source>
        <translation>Le nouveau dossier a été créé, mais il ne peut pas être ouvert. %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain &quot;%1&quot;. The new folder is made inside the folder that is open, so type its name alone.</source>
        <translation>Un nom de dossier ne peut pas contenir «&#xa0;%1&#xa0;». Le nouveau dossier est créé dans le dossier ouvert&#xa0;: saisissez uniquement son nom.</translation>
    </message>
</context>
<context>
    <name>zentadial::Preview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>Fichiers Scenario</translation>
    </message>
    <message>
        <source>Space checks or unchecks a file; Enter puts its date into the converter&apos;s fields.</source>
        <translation>Espace coche ou décoche un fichier&#xa0;; Entrée place sa date dans les champs du convertisseur.</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>Set every checked file to the date shown</source>
        <translation>Mettre chaque fichier coché à la date affichée</translation>
    </message>
    <message>
        <source>Move the checked files so that the selected file starts at the date shown; the others keep their distance</source>
        <translation>Décaler les fichiers cochés&#xa0;: le fichier sélectionné passe à la date affichée, les autres gardent leur écart</translation>
    </message>
    <message>
        <source>Keep ELEMENTS epochs</source>
        <translation>Garder les époques ELEMENTS</translation>
    </message>
    <message>
        <source>Leave the vessels&apos; orbit epochs as they are, for the simulator to propagate.</source>
        <translation>Laisser les époques des orbites des vaisseaux telles quelles, pour que le simulateur les propage.</translation>
    </message>
    <message>
        <source>Convert Checked</source>
        <translation>Convertir les fichiers cochés</translation>
    </message>
    <message>
        <source>Undo Last Conversion</source>
        <translation>Annuler la conversion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Scenario files in %1:</source>
        <translation>Fichiers Scenario dans %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Select the file that is to start at the date shown; it must have a date of its own.</source>
        <translation>Sélectionnez le fichier qui doit commencer à la date affichée&#xa0;; il doit avoir sa propre date.</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>Non converti</translation>
    </message>
    <message>
        <source>The last conversion of these files already moved them by this span:
%1
Move them once more?</source>
        <translation>La dernière conversion de ces fichiers les a déjà décalés de cette durée&#xa0;:
%1
Les décaler encore une fois&#xa0;?</translation>
    </message>
    <message>
        <source>Move Again?</source>
        <translation>Décaler de nouveau&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved</source>
        <translation>
            <numerusform>%n fichier décalé</numerusform>
            <numerusform>%n fichiers décalés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n refused</source>
        <translation type="vanished">
            <numerusform>, %n refusé</numerusform>
            <numerusform>, %n refusés</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Moved</source>
        <translation>Fichiers décalés</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Not Every File Moved</source>
        <translation>Certains fichiers n’ont pas été décalés</translation>
    </message>
    <message>
        <source>No file is checked.</source>
        <translation>Aucun fichier n’est coché.</translation>
    </message>
    <message>
        <source>%1 has no date to use: it starts at the present moment.</source>
        <translation>%1 n’a pas de date utilisable&#xa0;: il commence à l’instant présent.</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved.</source>
        <translation>
            <numerusform>%n fichier décalé.</numerusform>
            <numerusform>%n fichiers décalés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n refused.</source>
        <extracomment>%1 says how many files were moved (&quot;3 files moved&quot;), %n how many were refused.</extracomment>
        <translation>
            <numerusform>%1, %n refusé.</numerusform>
            <numerusform>%1, %n refusés.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file moved.</source>
        <translation>1 fichier décalé.</translation>
    </message>
    <message>
        <source>1 file moved</source>
        <translation>1 fichier décalé</translation>
    </message>
</context>
<context>
    <name>zentadial::PreviewModel</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Starts now at</source>
        <translation>Début actuel</translation>
    </message>
    <message>
        <source>Would start at</source>
        <translation>Début après conversion</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>the present moment</source>
        <translation>l’instant présent</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>unchanged: no date to move from</source>
        <translation>inchangé&#xa0;: aucune date à décaler</translation>
    </message>
    <message>
        <source>(select the file that is to start at the date shown)</source>
        <translation>(sélectionnez le fichier qui doit commencer à la date affichée)</translation>
    </message>
    <message>
        <source>(the fields disagree)</source>
        <translation>(les champs ne concordent pas)</translation>
    </message>
    <message>
        <source>no date line: left as it is</source>
        <translation>aucune ligne de date&#xa0;: laissé tel quel</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the notes on a file in one line of the preview&apos;s table.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
</context>
<context>
    <name>zentadial::ReadingWords</name>
    <message>
        <source>no line starts with BEGIN_ENVIRONMENT</source>
        <translation>aucune ligne ne commence par BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>a byte-order mark stands before BEGIN_ENVIRONMENT</source>
        <translation>une marque d’ordre des octets (BOM) précède BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT is indented</source>
        <translation>BEGIN_ENVIRONMENT est en retrait</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file before BEGIN_ENVIRONMENT</source>
        <translation>un Ctrl-Z à la ligne %1 termine le fichier avant BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>line %1, of %2 characters, hides the rest of the section</source>
        <translation>la ligne %1, de %2 caractères, masque le reste de la section</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file</source>
        <translation>un Ctrl-Z à la ligne %1 termine le fichier</translation>
    </message>
    <message>
        <source>it stands above BEGIN_ENVIRONMENT</source>
        <translation>elle se trouve au-dessus de BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>it stands below END_ENVIRONMENT</source>
        <translation>elle se trouve sous END_ENVIRONMENT</translation>
    </message>
    <message>
        <source>a lone carriage return joins it to the line before</source>
        <translation>un retour chariot isolé la joint à la ligne précédente</translation>
    </message>
    <message>
        <source>the date of line %1 is read instead</source>
        <translation>la date de la ligne %1 est lue à la place</translation>
    </message>
    <message>
        <source>no date line: the simulator starts it at the present moment</source>
        <translation>aucune ligne de date&#xa0;: le simulateur le démarre à l’instant présent</translation>
    </message>
    <message>
        <source>its date line has no number: it starts at the present moment</source>
        <translation>sa ligne de date n’a pas de nombre&#xa0;: il commence à l’instant présent</translation>
    </message>
    <message>
        <source>the simulator reads none of its date lines and starts it at the present moment</source>
        <translation>le simulateur ne lit aucune de ses lignes de date et le démarre à l’instant présent</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian Date</source>
        <translation>la ligne %1 donne la date en date julienne</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian epoch year</source>
        <translation>la ligne %1 donne la date en année d’époque julienne</translation>
    </message>
    <message>
        <source>the simulator does not read the date line %1: %2</source>
        <translation>le simulateur ne lit pas la ligne de date %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>vessels given by elements: %1, epochs up to %2 days from the date</source>
        <translation>vaisseaux définis par éléments orbitaux&#xa0;: %1, époques jusqu’à %2 jours de la date</translation>
    </message>
    <message>
        <source>vessels given by elements: %1</source>
        <translation>vaisseaux définis par éléments orbitaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>vessels given by state vectors: %1</source>
        <translation>vaisseaux définis par vecteurs d’état&#xa0;: %1</translation>
    </message>
    <message>
        <source>landed vessels: %1</source>
        <translation>vaisseaux posés&#xa0;: %1</translation>
    </message>
    <message>
        <source>launch MJDs (LAUNCH_MJD): %1</source>
        <translation>MJD de lancement (LAUNCH_MJD)&#xa0;: %1</translation>
    </message>
    <message>
        <source>mission clock starts (MET_STARTING_MJD): %1</source>
        <translation>départs d’horloge de mission (MET_STARTING_MJD)&#xa0;: %1</translation>
    </message>
    <message>
        <source>dates stored by a transfer planner: %1</source>
        <translation>dates enregistrées par un planificateur de transfert&#xa0;: %1</translation>
    </message>
    <message>
        <source>a recorded flight (Playback)</source>
        <translation>un vol enregistré (Playback)</translation>
    </message>
    <message>
        <source>a guidance computer&apos;s memory image (AGC_BEGIN)</source>
        <translation>une image mémoire d’ordinateur de guidage (AGC_BEGIN)</translation>
    </message>
</context>
<context>
    <name>zentadial::ScenarioWords</name>
    <message>
        <source>the simulator would not read the date written</source>
        <translation>le simulateur ne lirait pas la date écrite</translation>
    </message>
    <message>
        <source>it has no environment section (BEGIN_ENVIRONMENT) for the simulator to read</source>
        <translation>il n’a pas de section d’environnement (BEGIN_ENVIRONMENT) que le simulateur puisse lire</translation>
    </message>
    <message>
        <source>a byte-order mark before BEGIN_ENVIRONMENT hides the environment section from the simulator</source>
        <translation>une marque d’ordre des octets avant BEGIN_ENVIRONMENT cache la section d’environnement au simulateur</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT on line %1 is indented, so the simulator finds no environment section</source>
        <translation>BEGIN_ENVIRONMENT est en retrait à la ligne %1&#xa0;: le simulateur ne trouve donc aucune section d’environnement</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the environment section</source>
        <translation>un caractère Ctrl-Z à la ligne %1 termine le fichier pour le simulateur avant la section d’environnement</translation>
    </message>
    <message>
        <source>a line of %1 characters earlier in the environment section (line %2) hides the date from the simulator</source>
        <translation>une ligne de %1 caractères plus haut dans la section d’environnement (ligne %2) cache la date au simulateur</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the date</source>
        <translation>un caractère Ctrl-Z à la ligne %1 termine le fichier pour le simulateur avant la date</translation>
    </message>
    <message>
        <source>its date line lies outside the environment section</source>
        <translation>sa ligne de date se trouve hors de la section d’environnement</translation>
    </message>
    <message>
        <source>a lone carriage return joins the date line to the line before it</source>
        <translation>un retour chariot isolé joint la ligne de date à la ligne qui la précède</translation>
    </message>
    <message>
        <source>the simulator would read the date on line %1 instead</source>
        <translation>le simulateur lirait plutôt la date de la ligne %1</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>No folder was given, so nothing was converted.</source>
        <translation>Aucun dossier n’a été indiqué&#xa0;: rien n’a été converti.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so nothing was converted.</source>
        <translation>Le dossier %1 n’existe pas&#xa0;: rien n’a été converti.</translation>
    </message>
    <message>
        <source>%1 is not a folder, so nothing was converted.</source>
        <translation>%1 n’est pas un dossier&#xa0;: rien n’a été converti.</translation>
    </message>
    <message>
        <source>The folder %1 could not be read%2, so nothing was converted.</source>
        <translation>Le dossier %1 n’a pas pu être lu%2&#xa0;: rien n’a été converti.</translation>
    </message>
    <message>
        <source>No scenario file was given, so nothing was converted.</source>
        <translation>Aucun fichier Scenario n’a été indiqué&#xa0;: rien n’a été converti.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened%2.</source>
        <translation>Le fichier %1 n’a pas pu être ouvert%2.</translation>
    </message>
    <message>
        <source>%1 is not a scenario file%2.</source>
        <translation>%1 n’est pas un fichier Scenario%2.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a scenario file%2.</source>
        <translation>Le fichier %1 est trop volumineux pour un fichier Scenario%2.</translation>
    </message>
    <message>
        <source>The file %1 is not a text scenario file (it is UTF-16 or UTF-32, or holds NUL bytes).</source>
        <translation>Le fichier %1 n’est pas un fichier Scenario texte (il est en UTF-16 ou UTF-32, ou contient des octets NUL).</translation>
    </message>
    <message>
        <source>The file %1 has more than %2 lines, more than a scenario file may have.</source>
        <translation>Le fichier %1 compte plus de %2 lignes, davantage qu’un fichier Scenario ne peut en avoir.</translation>
    </message>
    <message>
        <source>The date field is empty, so %1 could not be converted.</source>
        <translation>Le champ «&#xa0;Date&#xa0;» est vide&#xa0;: %1 n’a pas pu être converti.</translation>
    </message>
    <message>
        <source>The date %1 is not a date, so %2 could not be converted.</source>
        <translation>La date %1 n’est pas une date&#xa0;: %2 n’a pas pu être converti.</translation>
    </message>
    <message>
        <source>The date %1 is too late to be written as an MJD, so %2 could not be converted.</source>
        <translation>La date %1 est trop tardive pour être écrite en MJD&#xa0;: %2 n’a pas pu être converti.</translation>
    </message>
    <message>
        <source>The file %1 is read-only%2.</source>
        <translation>Le fichier %1 est en lecture seule%2.</translation>
    </message>
    <message>
        <source>The file %1 was not converted%2.</source>
        <translation>Le fichier %1 n’a pas été converti%2.</translation>
    </message>
    <message>
        <source>The file %1 changed while being converted: another program wrote or replaced it.</source>
        <translation>Le fichier %1 a changé pendant la conversion&#xa0;: un autre programme l’a écrit ou remplacé.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside its folder and was skipped.</source>
        <translation>%1 est un lien vers un fichier hors de son dossier&#xa0;; il a été ignoré.</translation>
    </message>
    <message>
        <source>The file %1 could not be written%2.</source>
        <translation>Le fichier %1 n’a pas pu être écrit%2.</translation>
    </message>
    <message>
        <source>The file %1 was not converted: %2.</source>
        <translation>Le fichier %1 n’a pas été converti&#xa0;: %2.</translation>
    </message>
    <message>
        <source>It was left as the other program wrote it.</source>
        <translation>Il a été laissé tel que l’autre programme l’a écrit.</translation>
    </message>
    <message>
        <source>It was left unchanged.</source>
        <translation>Il a été laissé inchangé.</translation>
    </message>
    <message>
        <source>No file of the folder had been converted yet.</source>
        <translation>Aucun fichier du dossier n’avait encore été converti.</translation>
    </message>
    <message>
        <source>1 file of the folder had already been converted; the files after it were not touched.</source>
        <translation>1 fichier du dossier avait déjà été converti&#xa0;; les fichiers suivants n’ont pas été touchés.</translation>
    </message>
    <message>
        <source>%1 files of the folder had already been converted; the files after it were not touched.</source>
        <translation>%1 fichiers du dossier avaient déjà été convertis&#xa0;; les fichiers suivants n’ont pas été touchés.</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>, </source>
        <translation type="vanished">, </translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 de plus</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run were found and left in place: %1.</source>
        <translation>Des fichiers temporaires d’une exécution précédente interrompue ont été trouvés et laissés en place&#xa0;: %1.</translation>
    </message>
    <message>
        <source>File Converted</source>
        <translation>Fichier converti</translation>
    </message>
    <message>
        <source>1 date line was rewritten.</source>
        <translation>1 ligne de date a été réécrite.</translation>
    </message>
    <message>
        <source>%1 date lines were rewritten.</source>
        <translation>%1 lignes de date ont été réécrites.</translation>
    </message>
    <message>
        <source>File Left Unchanged</source>
        <translation>Fichier laissé inchangé</translation>
    </message>
    <message>
        <source>The file has no date line, so it was left as it is.</source>
        <translation>Le fichier n’a pas de ligne de date&#xa0;: il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The file already holds this date, so it was left as it is.</source>
        <translation>Le fichier contient déjà cette date&#xa0;: il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>Folder Converted</source>
        <translation>Dossier converti</translation>
    </message>
    <message>
        <source>Folder Not Converted</source>
        <translation>Dossier non converti</translation>
    </message>
    <message>
        <source>Folder Partly Converted</source>
        <translation>Dossier partiellement converti</translation>
    </message>
    <message>
        <source>The folder holds no scenario file, so nothing was changed.</source>
        <translation>Le dossier ne contient aucun fichier Scenario&#xa0;: rien n’a été modifié.</translation>
    </message>
    <message>
        <source>1 date line</source>
        <translation>1 ligne de date</translation>
    </message>
    <message>
        <source>%1 date lines</source>
        <translation>%1 lignes de date</translation>
    </message>
    <message>
        <source>%1 written (%2), %3 left unchanged, %4 refused.</source>
        <translation>Écrits&#xa0;: %1 (%2), inchangés&#xa0;: %3, refusés&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Refused, left as they were:</source>
        <translation>Refusés, laissés tels quels&#xa0;:</translation>
    </message>
    <message>
        <source>No date line, left unchanged:</source>
        <translation>Sans ligne de date, laissés inchangés&#xa0;:</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged:</source>
        <translation>Déjà à cette date, laissés inchangés&#xa0;:</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder:</source>
        <translation>Ignorés, liens vers des fichiers hors du dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place:</source>
        <translation>Fichiers temporaires d’une exécution précédente interrompue, laissés en place&#xa0;:</translation>
    </message>
    <message>
        <source>Approximate: before 1960 there is no UTC, and TT - UT comes from the model of Espenak and Meeus.</source>
        <translation>Approximatif&#xa0;: avant 1960, l’UTC n’existe pas, et TT - UT provient du modèle d’Espenak et Meeus.</translation>
    </message>
    <message>
        <source>TDB assumes no leap second after 2016.</source>
        <translation>Le TDB suppose qu’il n’y a aucune seconde intercalaire après 2016.</translation>
    </message>
    <message>
        <source>The instant falls in the leap second 23:59:60 UTC, shown as 23:59:59.</source>
        <translation>L’instant tombe dans la seconde intercalaire 23:59:60 UTC, affichée 23:59:59.</translation>
    </message>
    <message>
        <source>Refused, left as they were: %1.</source>
        <translation>Refusés, laissés tels quels&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No date line, left unchanged: %1.</source>
        <translation>Sans ligne de date, laissés inchangés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged: %1.</source>
        <translation>Déjà à cette date, laissés inchangés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder: %1.</source>
        <translation>Ignorés, liens vers des fichiers hors du dossier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place: %1.</source>
        <translation>Fichiers temporaires d’une exécution précédente interrompue, laissés en place&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>zentadial::ShiftWords</name>
    <message>
        <source>the date line</source>
        <translation>la ligne de date</translation>
    </message>
    <message>
        <source>an ELEMENTS epoch</source>
        <translation>une époque ELEMENTS</translation>
    </message>
    <message>
        <source>a TransX plan</source>
        <translation>un plan TransX</translation>
    </message>
    <message>
        <source>a playback recording</source>
        <translation>un enregistrement Playback</translation>
    </message>
    <message>
        <source>a guidance-computer memory image</source>
        <translation>une image mémoire d’ordinateur de guidage</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <source>%1 is not a text scenario.</source>
        <translation>%1 n’est pas un fichier Scenario texte.</translation>
    </message>
    <message>
        <source>%1 has more lines than a scenario can have.</source>
        <translation>%1 a plus de lignes qu’un fichier Scenario ne peut en avoir.</translation>
    </message>
    <message>
        <source>%1 starts at the present moment: it has no date to move from.</source>
        <translation>%1 commence à l’instant présent&#xa0;: il n’a aucune date à décaler.</translation>
    </message>
    <message>
        <source>%1 holds %2, whose times cannot move with the date.</source>
        <translation>%1 contient %2, dont les temps ne peuvent pas être décalés avec la date.</translation>
    </message>
    <message>
        <source>%1: %2 is not written as a plain decimal number.</source>
        <translation>%1&#xa0;: la valeur de %2 n’est pas un simple nombre décimal.</translation>
    </message>
    <message>
        <source>%1: moving %2 would make its line longer than the simulator reads.</source>
        <translation>%1&#xa0;: décaler %2 rendrait sa ligne plus longue que ce que lit le simulateur.</translation>
    </message>
    <message>
        <source>%1: the simulator would not start the result at the new date.</source>
        <translation>%1&#xa0;: le simulateur ne démarrerait pas le résultat à la nouvelle date.</translation>
    </message>
    <message>
        <source>%1: read back, %2 did not move by exactly the span.</source>
        <translation>%1&#xa0;: à la relecture, %2 ne s’est pas décalé exactement de la durée voulue.</translation>
    </message>
    <message>
        <source>%1 was already moved by this span.</source>
        <translation>%1 a déjà été décalé de cette durée.</translation>
    </message>
    <message>
        <source>Interplanetary MFD plan data</source>
        <translation>des données de plan de l’Interplanetary MFD</translation>
    </message>
</context>
</TS>
