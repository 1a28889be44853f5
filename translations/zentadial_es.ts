<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>zentadial::FileSettingsStore</name>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>The settings file %1 is left alone: %2. Your settings are kept in %3 instead.</source>
        <translation>El archivo de configuración %1 se ha dejado como estaba: %2. Su configuración se guarda, en cambio, en %3.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder %1 could not be created.</source>
        <translation>No se pudo guardar la configuración: no se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>No se pudo guardar la configuración en %1: %2</translation>
    </message>
</context>
<context>
    <name>zentadial::FolderList</name>
    <message>
        <source>No folder was given.</source>
        <translation>No se indicó ninguna carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>You have no permission to open the folder %1.</source>
        <translation>No tiene permiso para abrir la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>zentadial::Form1</name>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>No convertido</translation>
    </message>
    <message>
        <source>Zentadial</source>
        <translation>Zentadial</translation>
    </message>
    <message>
        <source>Date (GMT)</source>
        <translation>Fecha (GMT)</translation>
    </message>
    <message>
        <source>MJD</source>
        <translation>MJD</translation>
    </message>
    <message>
        <source>Julian Date</source>
        <translation>Fecha juliana</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Época</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Time zone, hours east of GMT</source>
        <translation>Zona horaria, horas al este de GMT</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>TDB (simulator clock)</source>
        <translation>TDB (reloj del simulador)</translation>
    </message>
    <message>
        <source>Simulator&apos;s Now (UTC + 66.184 s)</source>
        <translation>Hora actual del simulador (UTC + 66,184 s)</translation>
    </message>
    <message>
        <source>Time scale of the MJD, JD and Epoch</source>
        <translation>Escala de tiempo de MJD, JD y Época</translation>
    </message>
    <message>
        <source>File to Convert:</source>
        <translation>Archivo a convertir:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Folder to Convert:</source>
        <translation>Carpeta a convertir:</translation>
    </message>
    <message>
        <source>Convert single file</source>
        <translation>Convertir archivo</translation>
    </message>
    <message>
        <source>Convert Entire Folder</source>
        <translation>Convertir toda la carpeta</translation>
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
        <translation>Ayuda</translation>
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
        <translation>Deshacer conversión</translation>
    </message>
    <message>
        <source>Preview…</source>
        <translation>Vista previa…</translation>
    </message>
    <message>
        <source>Sim. Now</source>
        <comment>name of the scale in a caption</comment>
        <translation>hora sim.</translation>
    </message>
    <message>
        <source>MJD (%1)</source>
        <translation>MJD (%1)</translation>
    </message>
    <message>
        <source>Julian Date (%1)</source>
        <translation>Fecha juliana (%1)</translation>
    </message>
    <message>
        <source>Epoch (%1)</source>
        <translation>Época (%1)</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field is empty, so the four fields do not show one instant. Type a date or a number into one field and the others follow.</source>
        <translation>No se convirtió nada: el campo &quot;%1&quot; está vacío, así que los cuatro campos no muestran un mismo instante. Escriba una fecha o un número en un campo: los demás se actualizan solos.</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the date field is not a date.</source>
        <translation>No se convirtió nada: &quot;%1&quot; en el campo &quot;Fecha&quot; no es una fecha.</translation>
    </message>
    <message>
        <source>Nothing was converted: &quot;%1&quot; in the %2 field is not a number.</source>
        <translation>No se convirtió nada: &quot;%1&quot; en el campo &quot;%2&quot; no es un número.</translation>
    </message>
    <message>
        <source>Nothing was converted: the %1 field and the MJD field do not show the same instant. Type into one field again and the others follow.</source>
        <translation>No se convirtió nada: los campos &quot;%1&quot; y &quot;MJD&quot; no muestran el mismo instante. Vuelva a escribir en un campo: los demás se actualizan solos.</translation>
    </message>
</context>
<context>
    <name>zentadial::Form2</name>
    <message>
        <source>This program converts dates between Julian Date, Modified Julian Date (MJD), Epoch, and Date.</source>
        <translation>Este programa convierte fechas entre Fecha juliana, Fecha juliana modificada (MJD), Época y Fecha.</translation>
    </message>
    <message>
        <source>If you wish, you can enter your time zone and press NOW.  It will compute the dates in the four time formats based on your computer&apos;s internal clock.  It does not take daylight savings into account, so for example if you live in California, choose -8 during standard time, and -7 during daylight savings.  </source>
        <translation>Si lo desea, puede indicar su zona horaria y pulsar &quot;Ahora&quot;.  El programa calculará las fechas en los cuatro formatos a partir del reloj interno del equipo.  No tiene en cuenta el horario de verano; por ejemplo, si vive en California, elija -8 durante el horario estándar y -7 durante el horario de verano.  </translation>
    </message>
    <message>
        <source>This program can also be used to modify the date in an .scn file or group of .scn files for Orbiter.</source>
        <translation>Este programa también sirve para modificar la fecha de un archivo .scn o de un grupo de archivos .scn de Orbiter.</translation>
    </message>
    <message>
        <source>To modify a single .scn file, click the option that says &apos;Convert Single File&apos;, press the &apos;Change&apos; button, choose your file, then press the &apos;Convert File&apos; button.</source>
        <translation>Para modificar un solo archivo .scn, haga clic en la opción &quot;Convertir archivo&quot;, pulse el botón &quot;Cambiar&quot;, elija el archivo y luego pulse el botón &quot;Convertir&quot;.</translation>
    </message>
    <message>
        <source>To modify a group of files, choose the option that says &apos;Convert Folder&apos;, then press &apos;Change&apos;, choose your folder and press the &apos;Convert Folder&apos; button.</source>
        <translation>Para modificar un grupo de archivos, elija la opción &quot;Convertir toda la carpeta&quot;, pulse &quot;Cambiar&quot;, elija la carpeta y pulse el botón &quot;Convertir&quot;.</translation>
    </message>
    <message>
        <source>This program will change the date in your specified .scn file(s) to the date you have selected.</source>
        <translation>Este programa cambiará la fecha de los archivos .scn indicados por la fecha que haya seleccionado.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Scale sets the time scale of the MJD, Julian Date and Epoch; the date stays in GMT. Click or tab into any field and type: the other three follow it. &apos;Preview…&apos; opens a table of what a conversion would change, and &apos;Undo Last Conversion&apos; puts back the files of the last conversion.</source>
        <translation>&quot;Escala&quot; fija la escala de tiempo del MJD, la Fecha juliana y la Época; la fecha sigue en GMT. Haga clic en un campo o llegue a él con Tab y escriba: los otros tres se actualizan. &quot;Vista previa…&quot; abre una tabla con lo que cambiaría una conversión, y &quot;Deshacer conversión&quot; restaura los archivos de la última conversión.</translation>
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
        <translation>No hay ninguna conversión que deshacer.</translation>
    </message>
    <message>
        <source>The last conversion was too large for the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>La última conversión era demasiado grande para el registro para deshacer, así que no se puede deshacer. No se modificó ningún archivo.</translation>
    </message>
    <message>
        <source>The last conversion could not be written to the undo journal, so it cannot be undone. No file was changed.</source>
        <translation>La última conversión no se pudo escribir en el registro para deshacer, así que no se puede deshacer. No se modificó ningún archivo.</translation>
    </message>
    <message>
        <source>The undo journal&apos;s record of the last conversion cannot be read. No file was changed.</source>
        <translation>No se puede leer la anotación de la última conversión en el registro para deshacer. No se modificó ningún archivo.</translation>
    </message>
    <message>
        <source>The undo journal could not be read (%1). No file was changed.</source>
        <translation>No se pudo leer el registro para deshacer (%1). No se modificó ningún archivo.</translation>
    </message>
    <message>
        <source>%1: changed since the conversion, left as it is</source>
        <translation>%1: modificado desde la conversión, se deja como está</translation>
    </message>
    <message>
        <source>%1: the undo journal&apos;s copy is damaged, left as it is</source>
        <translation>%1: la copia del registro para deshacer está dañada, se deja como está</translation>
    </message>
    <message>
        <source>%1: another program changed it meanwhile, left as it is</source>
        <translation>%1: otro programa lo modificó entretanto, se deja como está</translation>
    </message>
    <message>
        <source>%1: could not be put back (%2), left as it is</source>
        <translation>%1: no se pudo restaurar (%2), se deja como está</translation>
    </message>
    <message>
        <source>This conversion is larger than the undo journal keeps (%1 MiB), so it cannot be undone.</source>
        <translation>Esta conversión supera lo que guarda el registro para deshacer (%1 MiB), así que no se podrá deshacer.</translation>
    </message>
    <message>
        <source>The undo journal in &quot;%1&quot; could not be written (%2), so this conversion cannot be undone.</source>
        <translation>No se pudo escribir el registro para deshacer en &quot;%1&quot; (%2), así que esta conversión no se podrá deshacer.</translation>
    </message>
    <message>
        <source>Not Undone</source>
        <translation>No se pudo deshacer</translation>
    </message>
    <message>
        <source>%1: put back</source>
        <translation>%1: restaurado</translation>
    </message>
    <message>
        <source>Files put back as they were before the conversion of %1: %2.</source>
        <translation>Archivos restaurados al estado anterior a la conversión del %1: %2.</translation>
    </message>
    <message>
        <source>Files left as they are: %1.</source>
        <translation>Archivos que se dejan como están: %1.</translation>
    </message>
    <message>
        <source>and %1 more (see the details)</source>
        <translation>y %1 más (vea los detalles)</translation>
    </message>
    <message>
        <source>Conversion Undone</source>
        <translation>Conversión deshecha</translation>
    </message>
    <message>
        <source>Conversion Partly Undone</source>
        <translation>Conversión deshecha en parte</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
</context>
<context>
    <name>zentadial::Oopen</name>
    <message>
        <source>Type a name for the new folder first.</source>
        <translation>Escriba primero un nombre para la carpeta nueva.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name a new folder can have.</source>
        <translation>&quot;%1&quot; no es un nombre válido para una carpeta nueva.</translation>
    </message>
    <message>
        <source>A folder name cannot contain a null character.</source>
        <translation>Un nombre de carpeta no puede contener un carácter nulo.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Select the folder</source>
        <translation>Elegir esta carpeta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Make Directory</source>
        <translation>Crear carpeta</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>The drive %1 cannot be opened. %2</source>
        <translation>No se puede abrir la unidad %1. %2</translation>
    </message>
    <message>
        <source>Change Drive</source>
        <translation>Cambiar de unidad</translation>
    </message>
    <message>
        <source>The desktop folder cannot be opened. %1</source>
        <translation>No se puede abrir la carpeta del escritorio. %1</translation>
    </message>
    <message>
        <source>A folder or file named &quot;%1&quot; exists already here.</source>
        <translation>Ya existe aquí una carpeta o un archivo llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2.</source>
        <translation>No se puede crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>The new folder was created but cannot be opened. %1</source>
        <translation>La carpeta nueva se creó, pero no se puede abrir. %1</translation>
    </message>
    <message>
        <source>A folder name cannot contain &quot;%1&quot;. The new folder is made inside the folder that is open, so type its name alone.</source>
        <translation>Un nombre de carpeta no puede contener &quot;%1&quot;. La carpeta nueva se crea dentro de la carpeta abierta: escriba solo su nombre.</translation>
    </message>
</context>
<context>
    <name>zentadial::Preview</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Scenario files</source>
        <translation>Archivos Scenario</translation>
    </message>
    <message>
        <source>Space checks or unchecks a file; Enter puts its date into the converter&apos;s fields.</source>
        <translation>Espacio marca o desmarca un archivo; Intro lleva su fecha a los campos del conversor.</translation>
    </message>
    <message>
        <source>Include sub-folders</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>Set every checked file to the date shown</source>
        <translation>Poner todos los archivos marcados en la fecha mostrada</translation>
    </message>
    <message>
        <source>Move the checked files so that the selected file starts at the date shown; the others keep their distance</source>
        <translation>Desplazar los archivos marcados para llevar el seleccionado a la fecha mostrada; los demás lo siguen</translation>
    </message>
    <message>
        <source>Keep ELEMENTS epochs</source>
        <translation>Conservar épocas de ELEMENTS</translation>
    </message>
    <message>
        <source>Leave the vessels&apos; orbit epochs as they are, for the simulator to propagate.</source>
        <translation>Dejar las épocas de las órbitas de las naves como están, para que el simulador las propague.</translation>
    </message>
    <message>
        <source>Convert Checked</source>
        <translation>Convertir marcados</translation>
    </message>
    <message>
        <source>Undo Last Conversion</source>
        <translation>Deshacer conversión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Scenario files in %1:</source>
        <translation>Archivos Scenario en %1:</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Select the file that is to start at the date shown; it must have a date of its own.</source>
        <translation>Seleccione el archivo que debe empezar en la fecha mostrada; debe tener una fecha propia.</translation>
    </message>
    <message>
        <source>Not Converted</source>
        <translation>No convertido</translation>
    </message>
    <message>
        <source>The last conversion of these files already moved them by this span:
%1
Move them once more?</source>
        <translation>La última conversión de estos archivos ya los desplazó este intervalo:
%1
¿Desplazarlos otra vez?</translation>
    </message>
    <message>
        <source>Move Again?</source>
        <translation>¿Desplazar otra vez?</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved</source>
        <translation>
            <numerusform>%n archivo desplazado</numerusform>
            <numerusform>%n archivos desplazados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n refused</source>
        <translation type="vanished">
            <numerusform>, %n rechazado</numerusform>
            <numerusform>, %n rechazados</numerusform>
        </translation>
    </message>
    <message>
        <source>Files Moved</source>
        <translation>Archivos desplazados</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Not Every File Moved</source>
        <translation>No se desplazaron todos los archivos</translation>
    </message>
    <message>
        <source>No file is checked.</source>
        <translation>No hay ningún archivo marcado.</translation>
    </message>
    <message>
        <source>%1 has no date to use: it starts at the present moment.</source>
        <translation>%1 no tiene ninguna fecha que usar: empieza en el momento actual.</translation>
    </message>
    <message numerus="yes">
        <source>%n files moved.</source>
        <translation>
            <numerusform>%n archivo desplazado.</numerusform>
            <numerusform>%n archivos desplazados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n refused.</source>
        <extracomment>%1 says how many files were moved (&quot;3 files moved&quot;), %n how many were refused.</extracomment>
        <translation>
            <numerusform>%1, %n rechazado.</numerusform>
            <numerusform>%1, %n rechazados.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file moved.</source>
        <translation>1 archivo desplazado.</translation>
    </message>
    <message>
        <source>1 file moved</source>
        <translation>1 archivo desplazado</translation>
    </message>
</context>
<context>
    <name>zentadial::PreviewModel</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Starts now at</source>
        <translation>Inicio actual</translation>
    </message>
    <message>
        <source>Would start at</source>
        <translation>Inicio tras la conversión</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>the present moment</source>
        <translation>el momento actual</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>unchanged: no date to move from</source>
        <translation>sin cambios: no hay fecha que desplazar</translation>
    </message>
    <message>
        <source>(select the file that is to start at the date shown)</source>
        <translation>(seleccione el archivo que debe empezar en la fecha mostrada)</translation>
    </message>
    <message>
        <source>(the fields disagree)</source>
        <translation>(los campos no coinciden)</translation>
    </message>
    <message>
        <source>no date line: left as it is</source>
        <translation>sin línea de fecha: se deja como está</translation>
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
        <translation>ninguna línea empieza por BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>a byte-order mark stands before BEGIN_ENVIRONMENT</source>
        <translation>una marca de orden de bytes (BOM) precede a BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT is indented</source>
        <translation>BEGIN_ENVIRONMENT tiene sangría</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file before BEGIN_ENVIRONMENT</source>
        <translation>un Ctrl-Z en la línea %1 termina el archivo antes de BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>line %1, of %2 characters, hides the rest of the section</source>
        <translation>la línea %1, de %2 caracteres, oculta el resto de la sección</translation>
    </message>
    <message>
        <source>a Ctrl-Z on line %1 ends the file</source>
        <translation>un Ctrl-Z en la línea %1 termina el archivo</translation>
    </message>
    <message>
        <source>it stands above BEGIN_ENVIRONMENT</source>
        <translation>está por encima de BEGIN_ENVIRONMENT</translation>
    </message>
    <message>
        <source>it stands below END_ENVIRONMENT</source>
        <translation>está por debajo de END_ENVIRONMENT</translation>
    </message>
    <message>
        <source>a lone carriage return joins it to the line before</source>
        <translation>un retorno de carro suelto la une a la línea anterior</translation>
    </message>
    <message>
        <source>the date of line %1 is read instead</source>
        <translation>se lee en su lugar la fecha de la línea %1</translation>
    </message>
    <message>
        <source>no date line: the simulator starts it at the present moment</source>
        <translation>sin línea de fecha: el simulador lo inicia en el momento actual</translation>
    </message>
    <message>
        <source>its date line has no number: it starts at the present moment</source>
        <translation>su línea de fecha no tiene número: empieza en el momento actual</translation>
    </message>
    <message>
        <source>the simulator reads none of its date lines and starts it at the present moment</source>
        <translation>el simulador no lee ninguna de sus líneas de fecha y lo inicia en el momento actual</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian Date</source>
        <translation>la línea %1 da la fecha como fecha juliana</translation>
    </message>
    <message>
        <source>line %1 gives the date as a Julian epoch year</source>
        <translation>la línea %1 da la fecha como año de época juliana</translation>
    </message>
    <message>
        <source>the simulator does not read the date line %1: %2</source>
        <translation>el simulador no lee la línea de fecha %1: %2</translation>
    </message>
    <message>
        <source>vessels given by elements: %1, epochs up to %2 days from the date</source>
        <translation>naves definidas por elementos orbitales: %1, épocas hasta %2 días de la fecha</translation>
    </message>
    <message>
        <source>vessels given by elements: %1</source>
        <translation>naves definidas por elementos orbitales: %1</translation>
    </message>
    <message>
        <source>vessels given by state vectors: %1</source>
        <translation>naves definidas por vectores de estado: %1</translation>
    </message>
    <message>
        <source>landed vessels: %1</source>
        <translation>naves posadas: %1</translation>
    </message>
    <message>
        <source>launch MJDs (LAUNCH_MJD): %1</source>
        <translation>MJD de lanzamiento (LAUNCH_MJD): %1</translation>
    </message>
    <message>
        <source>mission clock starts (MET_STARTING_MJD): %1</source>
        <translation>inicios de reloj de misión (MET_STARTING_MJD): %1</translation>
    </message>
    <message>
        <source>dates stored by a transfer planner: %1</source>
        <translation>fechas guardadas por un planificador de transferencias: %1</translation>
    </message>
    <message>
        <source>a recorded flight (Playback)</source>
        <translation>un vuelo grabado (Playback)</translation>
    </message>
    <message>
        <source>a guidance computer&apos;s memory image (AGC_BEGIN)</source>
        <translation>una imagen de memoria del ordenador de guiado (AGC_BEGIN)</translation>
    </message>
</context>
<context>
    <name>zentadial::ScenarioWords</name>
    <message>
        <source>the simulator would not read the date written</source>
        <translation>el simulador no leería la fecha escrita</translation>
    </message>
    <message>
        <source>it has no environment section (BEGIN_ENVIRONMENT) for the simulator to read</source>
        <translation>no tiene sección de entorno (BEGIN_ENVIRONMENT) que el simulador pueda leer</translation>
    </message>
    <message>
        <source>a byte-order mark before BEGIN_ENVIRONMENT hides the environment section from the simulator</source>
        <translation>una marca de orden de bytes antes de BEGIN_ENVIRONMENT oculta la sección de entorno al simulador</translation>
    </message>
    <message>
        <source>BEGIN_ENVIRONMENT on line %1 is indented, so the simulator finds no environment section</source>
        <translation>BEGIN_ENVIRONMENT tiene sangría en la línea %1, así que el simulador no encuentra ninguna sección de entorno</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the environment section</source>
        <translation>un carácter Ctrl-Z en la línea %1 termina el archivo para el simulador antes de la sección de entorno</translation>
    </message>
    <message>
        <source>a line of %1 characters earlier in the environment section (line %2) hides the date from the simulator</source>
        <translation>una línea de %1 caracteres anterior en la sección de entorno (línea %2) oculta la fecha al simulador</translation>
    </message>
    <message>
        <source>a Ctrl-Z character on line %1 ends the file for the simulator before the date</source>
        <translation>un carácter Ctrl-Z en la línea %1 termina el archivo para el simulador antes de la fecha</translation>
    </message>
    <message>
        <source>its date line lies outside the environment section</source>
        <translation>su línea de fecha está fuera de la sección de entorno</translation>
    </message>
    <message>
        <source>a lone carriage return joins the date line to the line before it</source>
        <translation>un retorno de carro suelto une la línea de fecha a la línea anterior</translation>
    </message>
    <message>
        <source>the simulator would read the date on line %1 instead</source>
        <translation>el simulador leería en su lugar la fecha de la línea %1</translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>No folder was given, so nothing was converted.</source>
        <translation>No se indicó ninguna carpeta, así que no se convirtió nada.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist, so nothing was converted.</source>
        <translation>La carpeta %1 no existe, así que no se convirtió nada.</translation>
    </message>
    <message>
        <source>%1 is not a folder, so nothing was converted.</source>
        <translation>%1 no es una carpeta, así que no se convirtió nada.</translation>
    </message>
    <message>
        <source>The folder %1 could not be read%2, so nothing was converted.</source>
        <translation>No se pudo leer la carpeta %1%2, así que no se convirtió nada.</translation>
    </message>
    <message>
        <source>No scenario file was given, so nothing was converted.</source>
        <translation>No se indicó ningún archivo Scenario, así que no se convirtió nada.</translation>
    </message>
    <message>
        <source>The file %1 could not be opened%2.</source>
        <translation>No se pudo abrir el archivo %1%2.</translation>
    </message>
    <message>
        <source>%1 is not a scenario file%2.</source>
        <translation>%1 no es un archivo Scenario%2.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a scenario file%2.</source>
        <translation>El archivo %1 es demasiado grande para un archivo Scenario%2.</translation>
    </message>
    <message>
        <source>The file %1 is not a text scenario file (it is UTF-16 or UTF-32, or holds NUL bytes).</source>
        <translation>El archivo %1 no es un archivo Scenario de texto (es UTF-16 o UTF-32, o contiene bytes NUL).</translation>
    </message>
    <message>
        <source>The file %1 has more than %2 lines, more than a scenario file may have.</source>
        <translation>El archivo %1 tiene más de %2 líneas, más de las que puede tener un archivo Scenario.</translation>
    </message>
    <message>
        <source>The date field is empty, so %1 could not be converted.</source>
        <translation>El campo &quot;Fecha&quot; está vacío, así que no se pudo convertir %1.</translation>
    </message>
    <message>
        <source>The date %1 is not a date, so %2 could not be converted.</source>
        <translation>La fecha %1 no es una fecha, así que no se pudo convertir %2.</translation>
    </message>
    <message>
        <source>The date %1 is too late to be written as an MJD, so %2 could not be converted.</source>
        <translation>La fecha %1 es demasiado tardía para escribirse como MJD, así que no se pudo convertir %2.</translation>
    </message>
    <message>
        <source>The file %1 is read-only%2.</source>
        <translation>El archivo %1 es de solo lectura%2.</translation>
    </message>
    <message>
        <source>The file %1 was not converted%2.</source>
        <translation>El archivo %1 no se convirtió%2.</translation>
    </message>
    <message>
        <source>The file %1 changed while being converted: another program wrote or replaced it.</source>
        <translation>El archivo %1 cambió mientras se convertía: otro programa lo escribió o lo reemplazó.</translation>
    </message>
    <message>
        <source>%1 is a link to a file outside its folder and was skipped.</source>
        <translation>%1 es un enlace a un archivo fuera de su carpeta y se omitió.</translation>
    </message>
    <message>
        <source>The file %1 could not be written%2.</source>
        <translation>No se pudo escribir el archivo %1%2.</translation>
    </message>
    <message>
        <source>The file %1 was not converted: %2.</source>
        <translation>El archivo %1 no se convirtió: %2.</translation>
    </message>
    <message>
        <source>It was left as the other program wrote it.</source>
        <translation>Se dejó tal como lo escribió el otro programa.</translation>
    </message>
    <message>
        <source>It was left unchanged.</source>
        <translation>Se dejó sin cambios.</translation>
    </message>
    <message>
        <source>No file of the folder had been converted yet.</source>
        <translation>Aún no se había convertido ningún archivo de la carpeta.</translation>
    </message>
    <message>
        <source>1 file of the folder had already been converted; the files after it were not touched.</source>
        <translation>Ya se había convertido 1 archivo de la carpeta; los archivos siguientes no se tocaron.</translation>
    </message>
    <message>
        <source>%1 files of the folder had already been converted; the files after it were not touched.</source>
        <translation>Ya se habían convertido %1 archivos de la carpeta; los archivos siguientes no se tocaron.</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <source>, </source>
        <translation type="vanished">, </translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run were found and left in place: %1.</source>
        <translation>Se encontraron archivos temporales de una ejecución anterior interrumpida y se dejaron donde estaban: %1.</translation>
    </message>
    <message>
        <source>File Converted</source>
        <translation>Archivo convertido</translation>
    </message>
    <message>
        <source>1 date line was rewritten.</source>
        <translation>Se reescribió 1 línea de fecha.</translation>
    </message>
    <message>
        <source>%1 date lines were rewritten.</source>
        <translation>Se reescribieron %1 líneas de fecha.</translation>
    </message>
    <message>
        <source>File Left Unchanged</source>
        <translation>Archivo sin cambios</translation>
    </message>
    <message>
        <source>The file has no date line, so it was left as it is.</source>
        <translation>El archivo no tiene línea de fecha, así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>The file already holds this date, so it was left as it is.</source>
        <translation>El archivo ya tiene esta fecha, así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>Folder Converted</source>
        <translation>Carpeta convertida</translation>
    </message>
    <message>
        <source>Folder Not Converted</source>
        <translation>Carpeta no convertida</translation>
    </message>
    <message>
        <source>Folder Partly Converted</source>
        <translation>Carpeta convertida en parte</translation>
    </message>
    <message>
        <source>The folder holds no scenario file, so nothing was changed.</source>
        <translation>La carpeta no contiene ningún archivo Scenario, así que no se cambió nada.</translation>
    </message>
    <message>
        <source>1 date line</source>
        <translation>1 línea de fecha</translation>
    </message>
    <message>
        <source>%1 date lines</source>
        <translation>%1 líneas de fecha</translation>
    </message>
    <message>
        <source>%1 written (%2), %3 left unchanged, %4 refused.</source>
        <translation>Escritos: %1 (%2); sin cambios: %3; rechazados: %4.</translation>
    </message>
    <message>
        <source>Refused, left as they were:</source>
        <translation>Rechazados, se dejaron como estaban:</translation>
    </message>
    <message>
        <source>No date line, left unchanged:</source>
        <translation>Sin línea de fecha, sin cambios:</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged:</source>
        <translation>Ya en esta fecha, sin cambios:</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder:</source>
        <translation>Omitidos, enlaces a archivos fuera de la carpeta:</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place:</source>
        <translation>Archivos temporales de una ejecución anterior interrumpida, dejados donde estaban:</translation>
    </message>
    <message>
        <source>Approximate: before 1960 there is no UTC, and TT - UT comes from the model of Espenak and Meeus.</source>
        <translation>Aproximado: antes de 1960 no existe UTC, y TT - UT procede del modelo de Espenak y Meeus.</translation>
    </message>
    <message>
        <source>TDB assumes no leap second after 2016.</source>
        <translation>TDB supone que no hay ningún segundo intercalar después de 2016.</translation>
    </message>
    <message>
        <source>The instant falls in the leap second 23:59:60 UTC, shown as 23:59:59.</source>
        <translation>El instante cae en el segundo intercalar 23:59:60 UTC, que se muestra como 23:59:59.</translation>
    </message>
    <message>
        <source>Refused, left as they were: %1.</source>
        <translation>Rechazados, se dejaron como estaban: %1.</translation>
    </message>
    <message>
        <source>No date line, left unchanged: %1.</source>
        <translation>Sin línea de fecha, sin cambios: %1.</translation>
    </message>
    <message>
        <source>Already at this date, left unchanged: %1.</source>
        <translation>Ya en esta fecha, sin cambios: %1.</translation>
    </message>
    <message>
        <source>Skipped, links to files outside the folder: %1.</source>
        <translation>Omitidos, enlaces a archivos fuera de la carpeta: %1.</translation>
    </message>
    <message>
        <source>Temporary files of an interrupted earlier run, left in place: %1.</source>
        <translation>Archivos temporales de una ejecución anterior interrumpida, dejados donde estaban: %1.</translation>
    </message>
</context>
<context>
    <name>zentadial::ShiftWords</name>
    <message>
        <source>the date line</source>
        <translation>la línea de fecha</translation>
    </message>
    <message>
        <source>an ELEMENTS epoch</source>
        <translation>una época de ELEMENTS</translation>
    </message>
    <message>
        <source>a TransX plan</source>
        <translation>un plan de TransX</translation>
    </message>
    <message>
        <source>a playback recording</source>
        <translation>una grabación Playback</translation>
    </message>
    <message>
        <source>a guidance-computer memory image</source>
        <translation>una imagen de memoria del ordenador de guiado</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (línea %2)</translation>
    </message>
    <message>
        <source>%1 is not a text scenario.</source>
        <translation>%1 no es un archivo Scenario de texto.</translation>
    </message>
    <message>
        <source>%1 has more lines than a scenario can have.</source>
        <translation>%1 tiene más líneas de las que puede tener un archivo Scenario.</translation>
    </message>
    <message>
        <source>%1 starts at the present moment: it has no date to move from.</source>
        <translation>%1 empieza en el momento actual: no tiene ninguna fecha que desplazar.</translation>
    </message>
    <message>
        <source>%1 holds %2, whose times cannot move with the date.</source>
        <translation>%1 contiene %2, cuyos tiempos no pueden desplazarse con la fecha.</translation>
    </message>
    <message>
        <source>%1: %2 is not written as a plain decimal number.</source>
        <translation>%1: el valor de %2 no está escrito como un número decimal simple.</translation>
    </message>
    <message>
        <source>%1: moving %2 would make its line longer than the simulator reads.</source>
        <translation>%1: desplazar %2 haría su línea más larga de lo que lee el simulador.</translation>
    </message>
    <message>
        <source>%1: the simulator would not start the result at the new date.</source>
        <translation>%1: el simulador no iniciaría el resultado en la nueva fecha.</translation>
    </message>
    <message>
        <source>%1: read back, %2 did not move by exactly the span.</source>
        <translation>%1: al releerlo, %2 no se desplazó exactamente el intervalo indicado.</translation>
    </message>
    <message>
        <source>%1 was already moved by this span.</source>
        <translation>%1 ya se desplazó este mismo intervalo.</translation>
    </message>
    <message>
        <source>Interplanetary MFD plan data</source>
        <translation>datos de plan del Interplanetary MFD</translation>
    </message>
</context>
</TS>
